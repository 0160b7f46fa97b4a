#include "mission_results/extra_sorties.h"

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_results/event_text.h"
#include "mission_results/pilot_roster.h"

namespace {

constexpr int kPilotSlots = 16;

}  // namespace

void BonusNPCMissions(TMainForm& form) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < kPilotSlots; ++slot) {
      PilotEntry& pilot = form.PilotRoster[RosterIndex(s, slot)];
      if (pilot.RosterMarker == "^") continue;
      if (form.Random(3) != 0) continue;
      // A count that is no number starts again from nothing.
      pilot.RosterSorties =
          StrToIntDef(Trim(pilot.RosterSorties), -1) < 0 ? "001" : NextCount(pilot.RosterSorties);
    }
  }
  SavePilot(form, 0);
}
