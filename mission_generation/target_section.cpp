#include "mission_generation/target_section.h"

#include <algorithm>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/mission_build.h"
#include "mission_generation/squadron_mission.h"

namespace {

// The bridge named by the target location: its name from "Bridge" on.
std::string BridgeName(const TMainForm& form, int location) {
  const std::string& name = std::as_const(form.LocationTable)[location].LocationName;
  const int at = Pos("Bridge", name);
  return at > 0 ? Trim(Copy(name, at, 99)) : name;
}

}  // namespace

std::string PlayerTargetLine(const TMainForm& form, const std::string& importance) {
  const SquadronEntry& player = form.SquadronTable[0];
  const std::string& at = form.TargetPosition;
  const std::string head = importance + " 0 0 500 " + at;
  const int location = player.SquadronTargetLocation;
  const bool has_location = LocationTableType::Contains(location) &&
                            location <= std::max(form.LastLocation, form.LastScratchLocation);
  switch (TaskCode(player)) {
    case 9:
      return "  0 " + head + " 0 1 " + player.SquadronTargetObject + " " + at + "\r\n";
    case 0:
      return "  0 " + head + " 0 0 " + player.SquadronTargetObject + " " + at + "\r\n";
    case 1:
      return "  1 " + head + " 2000\r\n";
    case 2:
      if (!has_location) return "";
      return "  2 " + head + " 0 0 " + BridgeName(form, location) + " " + at + "\r\n";
    case 3:
      return "  3 " + head + " 2000\r\n";
    case 4: {
      const int escorted = player.SquadronEscortOf;
      if (escorted < 0 || escorted > form.LastSquadron) return "";
      return "  4 " + head + " 0 0 " + form.SquadronTable[escorted].SquadronName + " " + at +
             "\r\n";
    }
    case 5: {
      const int column = player.SquadronTargetColumn;
      if (column < 0 || column > form.LastColumn) return "";
      return "  5 " + importance + " 0 0 250 " + at + " 0 0 " +
             form.ColumnTable[column].ColumnName + " " + at + "\r\n";
    }
    case 6:
      return "  6 " + importance + " " + player.SquadronArmy + " 300 500 " + at + " 500\r\n";
    case 7:
      if (!has_location) return "";
      return "  7 " + head + " 30 0 " + BridgeName(form, location) + " " + at + "\r\n";
    default:
      return "";
  }
}

void WriteTargetSection(TMainForm& form, MissionBuild& build) {
  ErrorLog(form, "Set Target Icons.");
  std::string& text = build.target_text;
  text.clear();
  if (form.Primary.Checked) {
    const std::string line = PlayerTargetLine(form, "0");
    if (!line.empty()) text = "[Target]\r\n" + line;
    return;
  }
  // Secondary objectives: the fixed line first, then the task's line, which a squadron that
  // stays at its base has replaced by the patrol over its target. One header holds both: the
  // game reads a section once.
  std::string line = PlayerTargetLine(form, "1");
  const SquadronEntry& player = form.SquadronTable[0];
  if (player.SquadronMoveKind == 0) {
    line = "  3 1 " + player.SquadronArmy + " 0 " + form.TargetPosition + " 500\r\n";
  }
  text = "[Target]\r\n  6 0 1 1 0 0 0 500\r\n" + line;
}
