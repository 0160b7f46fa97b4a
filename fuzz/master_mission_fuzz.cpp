// Feeds arbitrary bytes to the master-mission reader as a mission file and checks what must
// hold whatever the file holds: the reader ends, every squadron block it keeps has its eight
// lines, the section texts keep their headers, and every column line it keeps ends in
// " @Blank".

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "campaign_setup/master_mission_reader.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

size_t Count(std::string_view text, std::string_view part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

MasterMissionTypes Types() {
  MasterMissionTypes types;
  types.aircraft["F4U1D"].push_back({"1", "1"});
  types.aircraft["B_25J1"].push_back({"1", "2"});
  types.aircraft["G4M2E"].push_back({"0", "2"});
  types.substitutes.push_back({"M16_US", "M3A1_US"});
  return types;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const MasterMissionTypes types = Types();
  const TextLines lines(std::string(reinterpret_cast<const char*>(data), size));
  const MasterMission mission = ReadMasterMission(lines, types);

  Check(mission.stationary_text.rfind("[NStationary]\r\n", 0) == 0);
  Check(mission.buildings_text.rfind("[Buildings]\r\n", 0) == 0);
  Check(mission.houses_text.rfind("[House]\r\n", 0) == 0);
  Check(mission.rockets_text.rfind("[Rocket]\r\n", 0) == 0);
  Check(mission.cameras_text.rfind("[StaticCamera]\r\n", 0) == 0);
  Check(static_cast<int>(Count(mission.column_text, " @Blank\r\n")) >= mission.column_count);
  size_t blocks = 0;
  for (const std::string& group : mission.squadron_groups) {
    blocks += Count(group, "\r\n  Unknown\r\n");
    Check(group.empty() || group.size() >= 2);
  }
  Check(static_cast<int>(blocks) == mission.squadron_count);
  Check(mission.stationary_lines.size() <= lines.size());
  return 0;
}
