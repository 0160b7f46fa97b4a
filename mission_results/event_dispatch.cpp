#include "mission_results/event_dispatch.h"

#include <array>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_progression/territory_capture.h"
#include "mission_results/air_losses.h"
#include "mission_results/air_victories.h"
#include "mission_results/bail_outs.h"
#include "mission_results/bridges.h"
#include "mission_results/column_kills.h"
#include "mission_results/event_text.h"
#include "mission_results/ground_kills.h"
#include "mission_results/killed_captured.h"
#include "mission_results/seat_assignment.h"
#include "platform/errors.h"

namespace {

using Line = const std::string&;

// The off-line player's own seat: the game writes him as "Player".
bool PlayerSeat(Line line) {
  return Contains(line, "(0) seat occupied by Player at");
}
bool PilotSeat(Line line) {
  return Contains(line, "(0) seat occupied by");
}
// A seat line carries a name its pilot chose: what the name holds reaches no other row.
bool EventLine(Line line) {
  return !Contains(line, "seat occupied by");
}
bool Online(const TMainForm& form) {
  return form.Coop.Checked || form.Dogfight.Checked;
}
// A word among the line's first 13 characters: the object the line names.
bool NamesObject(Line line, const char* word) {
  return Contains(Copy(line, 1, 13), word);
}
bool NamesGroundObject(Line line) {
  return Contains(line, "Bridge") || Contains(line, "Static") || Contains(line, "Chief");
}

constexpr std::array<EventRow, 16> kRows = {{
    {3, "dogfight pilot seat",
     [](const TMainForm&, Line line, Line mode) {
       return PilotSeat(line) && mode == "AcesDogfight" && !PlayerSeat(line);
     },
     [](TMainForm& form, Line line, Line) { DogFightSeat(form, line); }},
    {3, "co-op pilot seat",
     [](const TMainForm& form, Line line, Line mode) {
       return PilotSeat(line) && mode == "Standard" && !PlayerSeat(line) && form.Coop.Checked;
     },
     [](TMainForm& form, Line line, Line) { StandardSeat(form, line); }},
    {3, "co-op crew seat",
     [](const TMainForm& form, Line line, Line mode) {
       return Contains(line, "seat occupied by") && !PilotSeat(line) && mode == "Standard" &&
              !PlayerSeat(line) && form.Coop.Checked;
     },
     [](TMainForm& form, Line line, Line) { CoopCrewSeat(form, line); }},
    {3, "off-line player's seat",
     [](const TMainForm& form, Line line, Line mode) {
       return PlayerSeat(line) && mode == "Standard" && !Online(form);
     },
     [](TMainForm& form, Line line, Line) { StandardSeat(form, line); }},
    {3, "dogfight aircraft shot down",
     [](const TMainForm& form, Line line, Line mode) {
       return EventLine(line) && Contains(line, "shot down by") && mode == "AcesDogfight" &&
              form.Dogfight.Checked;
     },
     [](TMainForm& form, Line line, Line) {
       DogFightAirKill(form, line, DogFightShotDown(form, line));
     }},
    {3, "dogfight aircraft crashed",
     [](const TMainForm& form, Line line, Line mode) {
       return EventLine(line) && Contains(line, "crashed at") && form.Dogfight.Checked &&
              mode == "AcesDogfight" && !NamesGroundObject(line);
     },
     [](TMainForm& form, Line line, Line) { DogFightCrash(form, line); }},
    {3, "aircraft shot down",
     [](const TMainForm&, Line line, Line mode) {
       return EventLine(line) && Contains(line, "shot down by") && mode == "Standard";
     },
     [](TMainForm& form, Line line, Line) {
       StandardAirKill(form, line, StandardShotDown(form, line));
     }},
    {3, "aircraft crashed",
     [](const TMainForm&, Line line, Line mode) {
       return EventLine(line) && Contains(line, "crashed at") && mode == "Standard" &&
              !NamesGroundObject(line);
     },
     [](TMainForm& form, Line line, Line) { StandardCrash(form, line); }},
    {3, "static object destroyed",
     [](const TMainForm&, Line line, Line) {
       return EventLine(line) && Contains(line, "Static destroyed by");
     },
     [](TMainForm& form, Line line, Line mode) {
       if (StaticDestroyed(form, line) != StaticKill::kAlreadyDestroyed) {
         RecordGroundKill(form, line, mode, std::string());
       }
     }},
    {3, "bail-out",
     [](const TMainForm&, Line line, Line) {
       return EventLine(line) && Contains(line, "bailed out at") && !Contains(line, "successfully");
     },
     [](TMainForm& form, Line line, Line mode) { BailOut(form, line, mode); }},
    {3, "column vehicle destroyed",
     [](const TMainForm&, Line line, Line) {
       return EventLine(line) && Contains(line, "destroyed by") && NamesObject(line, "Chief");
     },
     [](TMainForm& form, Line line, Line mode) {
       const ColumnKill kill = ColumnDestroyed(form, line);
       if (kill.counted) RecordGroundKill(form, line, mode, kill.sunk_ship);
     }},
    {3, "bridge destroyed",
     [](const TMainForm&, Line line, Line) {
       return EventLine(line) && Contains(line, "destroyed by") && NamesObject(line, "Bridge");
     },
     [](TMainForm& form, Line line, Line mode) { BridgeDestroyed(form, line, mode); }},
    {4, "aircraft damaged",
     [](const TMainForm&, Line line, Line mode) {
       return EventLine(line) && (Contains(line, "damaged by") || Contains(line, "damaged on")) &&
              mode == "Standard";
     },
     [](TMainForm& form, Line line, Line) { StandardDamaged(form, line); }},
    {4, "paratroopers landed",
     [](const TMainForm&, Line line, Line) {
       return EventLine(line) && Contains(line, "(255) was captured");
     },
     [](TMainForm& form, Line line, Line) { ParatroopCapture(form, line, "Para"); }},
    {4, "glider landed",
     [](const TMainForm&, Line line, Line mode) {
       return EventLine(line) && Contains(line, "10(0) was captured at") && mode == "Standard";
     },
     [](TMainForm& form, Line line, Line) { GliderLanding(form, line); }},
    {5, "airman killed or captured",
     [](const TMainForm&, Line line, Line) {
       return EventLine(line) && (Contains(line, "was killed") || Contains(line, "was captured"));
     },
     [](TMainForm& form, Line line, Line mode) { RecordMIA(form, line, mode); }},
}};

}  // namespace

std::span<const EventRow> EventRows() {
  return kRows;
}

void DispatchEventLine(TMainForm& form, int pass, const std::string& line,
                       const std::string& mode) {
  try {
    for (const EventRow& row : kRows) {
      if (row.pass == pass && row.applies(form, line, mode)) row.score(form, line, mode);
    }
  } catch (const ConversionError& error) {
    LogEventLineProblem(form, std::string("Event-log line skipped (") + error.what() + ")", line);
  }
}
