#include "mission_generation/mission_links.h"

#include "app/main_form.h"

namespace {

// Clears `link` on `partner` when it points at `squadron`.
void ClearIfPointing(int& link, int squadron) {
  if (link == squadron) link = -1;
}

}  // namespace

void ReleaseFighter(TMainForm& form, int fighter) {
  SquadronEntry& entry = form.SquadronTable[fighter];
  if (entry.SquadronCoverOf >= 0) {
    ClearIfPointing(form.SquadronTable[entry.SquadronCoverOf].TargetCoverOf, fighter);
    entry.SquadronCoverOf = -1;
  }
  if (entry.SquadronInterceptOf >= 0) {
    ClearIfPointing(form.SquadronTable[entry.SquadronInterceptOf].SquadronInterceptLink, fighter);
    if (entry.SquadronInterceptOf == 0) ClearIfPointing(form.PlayerInterceptor, fighter);
    entry.SquadronInterceptOf = -1;
  }
}

void LinkEscort(TMainForm& form, int escort, int escorted) {
  form.SquadronTable[escort].SquadronEscortOf = escorted;
  form.SquadronTable[escorted].SquadronEscortedBy = escort;
}

void LinkCover(TMainForm& form, int fighter, int covered) {
  form.SquadronTable[fighter].SquadronCoverOf = covered;
  form.SquadronTable[covered].TargetCoverOf = fighter;
}

void LinkInterception(TMainForm& form, int fighter, int target) {
  form.SquadronTable[fighter].SquadronInterceptOf = target;
  form.SquadronTable[target].SquadronInterceptLink = fighter;
  if (target == 0) form.PlayerInterceptor = fighter;
}

void ClearLinks(TMainForm& form, int squadron) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  if (entry.SquadronEscortOf >= 0) {
    ClearIfPointing(form.SquadronTable[entry.SquadronEscortOf].SquadronEscortedBy, squadron);
  }
  if (entry.SquadronEscortedBy >= 0) {
    ClearIfPointing(form.SquadronTable[entry.SquadronEscortedBy].SquadronEscortOf, squadron);
  }
  if (entry.TargetCoverOf >= 0) {
    ClearIfPointing(form.SquadronTable[entry.TargetCoverOf].SquadronCoverOf, squadron);
  }
  if (entry.SquadronInterceptLink >= 0) {
    ClearIfPointing(form.SquadronTable[entry.SquadronInterceptLink].SquadronInterceptOf, squadron);
  }
  ReleaseFighter(form, squadron);
  ClearIfPointing(form.PlayerInterceptor, squadron);
  if (squadron == 0) form.PlayerInterceptor = -1;
  entry.SquadronEscortOf = -1;
  entry.SquadronEscortedBy = -1;
  entry.TargetCoverOf = -1;
  entry.SquadronInterceptLink = -1;
}
