#include "campaign_setup/master_mission_reader.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "campaign_data/text.h"

namespace {

constexpr std::string_view kCrLfText = "\r\n";

void AppendLine(std::string& text, std::string_view line) {
  text += line;
  text += kCrLfText;
}

// The text with the first occurrence of `part` taken out.
std::string Without(std::string_view text, std::string_view part) {
  std::string result(text);
  if (const size_t at = result.find(part); at != std::string::npos) result.erase(at, part.size());
  return result;
}

// The name of a section header: the text between its "[" and the next "]".
std::string_view SectionName(std::string_view line) {
  const size_t open = line.find('[');
  const size_t close = line.find(']', open);
  if (open == std::string_view::npos || close == std::string_view::npos) return {};
  return line.substr(open + 1, close - open - 1);
}

// Pass 1: the sections whose lines the campaign keeps.
enum class Section { kNone, kStationary, kBuildings, kHouse, kRocket, kChiefs, kCamera };

Section SectionOf(std::string_view header) {
  if (Contains(header, "[NStationary]")) return Section::kStationary;
  if (Contains(header, "[Buildings]")) return Section::kBuildings;
  if (Contains(header, "[House]")) return Section::kHouse;
  if (Contains(header, "[Rocket]")) return Section::kRocket;
  if (Contains(header, "[Chiefs]")) return Section::kChiefs;
  if (Contains(header, "[StaticCamera]")) return Section::kCamera;
  return Section::kNone;
}

// A column line with the classes the game edition lacks replaced by their stand-ins.
std::string ColumnLine(std::string_view line, const MasterMissionTypes& types) {
  std::string column(line);
  for (const MasterMissionTypes::Substitute& substitute : types.substitutes) {
    const size_t at = column.find(substitute.name);
    if (at != std::string::npos) column.replace(at, substitute.name.size(), substitute.stand_in);
  }
  return Trim(column) + " @Blank";
}

void ReadSections(const TextLines& lines, const MasterMissionTypes& types, MasterMission& mission) {
  Section section = Section::kNone;
  for (const std::string_view line : lines) {
    if (Contains(line, "[")) {
      section = SectionOf(line);
      continue;
    }
    const bool blank = TrimView(line).empty();
    switch (section) {
      case Section::kStationary:
        AppendLine(mission.stationary_text, line);
        mission.stationary_lines.emplace_back(line);
        break;
      case Section::kBuildings:
        if (!blank) AppendLine(mission.buildings_text, line);
        break;
      case Section::kHouse:
        if (!blank) AppendLine(mission.houses_text, line);
        break;
      case Section::kRocket:
        if (!blank) AppendLine(mission.rockets_text, line);
        break;
      case Section::kCamera:
        if (!blank) AppendLine(mission.cameras_text, line);
        break;
      case Section::kChiefs:
        if (!blank) {
          AppendLine(mission.column_text, ColumnLine(line, types));
          ++mission.column_count;
        }
        break;
      case Section::kNone:
        break;
    }
  }
}

// The flight sections: those whose name has a waypoint section "[<name>_Way]" beside it.
std::unordered_set<std::string> FlightSectionNames(const TextLines& lines) {
  std::unordered_set<std::string> names;
  for (const std::string_view line : lines) {
    if (!Contains(line, "[")) continue;
    const std::string_view name = SectionName(line);
    if (EndsWith(name, "_Way")) names.emplace(name.substr(0, name.size() - 4));
  }
  return names;
}

// One flight block of a flight section, read in the fixed order of the game's flight lines.
class FlightBlockReader {
 public:
  FlightBlockReader(const TextLines& lines, size_t planes_line) : lines_(lines), at_(planes_line) {}

  struct Block {
    std::string text;
    std::string aircraft_type;
    size_t end = 0;  // the index of the block's last line (the first waypoint)
  };

  // The block, or nothing with `problem` telling why it cannot be read.
  std::optional<Block> Read(std::string& problem) {
    const std::string_view planes_line = lines_[at_];
    const int planes = StrToIntDef(Trim(Copy(planes_line, 10, 2)), -1);
    if (planes < 0) return Fail(problem, "holds no number of planes");
    std::string ai = "AI False";
    if (!Next()) return CutShort(problem);
    if (Contains(Current(), "OnlyAI")) {
      ai = "AI True";
      if (!Next()) return CutShort(problem);
    }
    std::string skill(Current());
    if (Contains(skill, "Skill0")) skill = "  Skill " + Trim(Without(skill, "Skill0"));
    if (!Next() || !SkipLinesHolding({"Skill1", "Skill2", "Skill3"})) return CutShort(problem);
    std::string skin = "  1default.bmp";
    if (Contains(Current(), "skin0")) {
      skin = "  1" + Trim(Without(Current(), "skin0"));
      if (!Next()) return CutShort(problem);
    }
    if (!SkipLinesHolding({"skin1", "skin2", "skin3"})) return CutShort(problem);
    if (Contains(Current(), "numberOn0")) {
      if (Contains(Current(), "numberOn0 0")) skin.replace(0, 3, "  0");
      if (!Next()) return CutShort(problem);
    }
    if (!SkipLinesHolding({"numberOn1", "numberOn2", "numberOn3"})) return CutShort(problem);
    const std::string class_line(Current());
    if (!Contains(class_line, "Class")) return Fail(problem, "has no Class line where it belongs");
    // Two further lines of the flight section, then its waypoint section's header.
    if (!Next() || !Next() || !Next()) return CutShort(problem);
    if (!Contains(Current(), "[") && !Next()) return CutShort(problem);
    const std::string_view way_name = SectionName(Current());
    const size_t way = way_name.find("_Way");
    if (way == std::string_view::npos || way < 2) {
      return Fail(problem, "is not followed by its waypoint section");
    }
    // The flight name less its flight digit names the squadron.
    const std::string identifier(way_name.substr(0, way - 1));
    if (!Next()) return CutShort(problem);
    const bool no_radio = Contains(Current(), " &1");

    Block block;
    const std::string count = IntToStr(4 * planes);
    AppendLine(block.text, "[" + identifier + "]");
    AppendLine(block.text, "  Planes " + count + "/" + count + "-0+0");
    AppendLine(block.text, skill);
    AppendLine(block.text, class_line);
    AppendLine(block.text, "  Active False " + ai);
    AppendLine(block.text, skin);
    AppendLine(block.text, "  Unknown");
    AppendLine(block.text, no_radio ? "  NoRadio" : "  Radio");
    block.aircraft_type = Trim(Copy(class_line, 13, 99));
    block.end = at_;
    return block;
  }

 private:
  std::string_view Current() const { return lines_[at_]; }
  bool Next() {
    if (at_ + 1 >= lines_.size()) return false;
    ++at_;
    return true;
  }
  // Passes each line that holds the next of `parts` in turn.
  bool SkipLinesHolding(std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) {
      if (Contains(Current(), part) && !Next()) return false;
    }
    return true;
  }
  std::optional<Block> Fail(std::string& problem, std::string_view why) {
    problem = std::string(why);
    return std::nullopt;
  }
  std::optional<Block> CutShort(std::string& problem) {
    return Fail(problem, "is cut short by the end of the file");
  }

  const TextLines& lines_;
  size_t at_;
};

// The group of a flight's block by the class-table entries of its aircraft type.
int GroupOf(const std::string& aircraft_type, const MasterMissionTypes& types, bool& flyable) {
  int group = 2;
  const auto found = types.aircraft.find(aircraft_type);
  if (found == types.aircraft.end()) return group;
  for (const MasterMissionTypes::AircraftFacts& facts : found->second) {
    if (facts.flyable == "1") {
      group = 1;
      flyable = true;
    } else if (facts.flyable == "0") {
      group = 2;
    }
    if (facts.family == "1") --group;
  }
  return std::clamp(group, 0, kSquadronGroups - 1);
}

void ReadFlights(const TextLines& lines, const MasterMissionTypes& types, MasterMission& mission) {
  const std::unordered_set<std::string> flight_sections = FlightSectionNames(lines);
  bool in_flight_section = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (Contains(line, "[")) {
      in_flight_section = flight_sections.count(std::string(SectionName(line))) > 0;
      continue;
    }
    if (!in_flight_section || !Contains(line, "Planes")) continue;
    std::string problem;
    const auto block = FlightBlockReader(lines, i).Read(problem);
    if (!block) {
      mission.skipped_blocks.push_back("Master mission line " +
                                       IntToStr(static_cast<long long>(i) + 1) +
                                       ": the flight block " + problem + "; it is left out.");
      continue;
    }
    bool flyable = false;
    const int group = GroupOf(block->aircraft_type, types, flyable);
    mission.has_flyable_squadron = mission.has_flyable_squadron || flyable;
    mission.squadron_groups[static_cast<size_t>(group)] += block->text;
    ++mission.squadron_count;
    i = block->end;
    // The scan goes on in the waypoint section, which is no flight section.
    in_flight_section = false;
  }
}

// "  MAP Okinawa/load.ini" names the map Okinawa: the text after "MAP " up to the "/".
std::string MapOf(const TextLines& lines) {
  for (const std::string_view line : lines) {
    const int map_at = Pos("MAP", line);
    if (map_at == 0) continue;
    const int name_at = map_at + 4;
    const std::string name = Trim(Copy(line, name_at, Pos("/", line) - name_at));
    if (!name.empty()) return name;
  }
  return std::string();
}

}  // namespace

MasterMission ReadMasterMission(const TextLines& lines, const MasterMissionTypes& types) {
  MasterMission mission;
  mission.stationary_text = "[NStationary]\r\n";
  ReadSections(lines, types, mission);
  ReadFlights(lines, types, mission);
  mission.map_name = MapOf(lines);
  return mission;
}
