#include "mission_results/rank_awards.h"

#include "app/main_form.h"

// Not built yet: the operations change nothing. PostInfo answers the posting rule already, so
// that the results handlers can be checked against it.

void RankAwardSetup(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
}

bool PostInfo(TMainForm& form, int squadron, int slot) {
  const bool online = form.Coop.Checked || form.Dogfight.Checked;
  if (squadron == 0 && !online) return true;
  return form.TrackPlayerRanks.Checked && online &&
         form.PilotRoster[RosterIndex(squadron, slot)].RosterMarker == "^";
}

void AwardAwards(TMainForm& form) {
  (void)form;
}
