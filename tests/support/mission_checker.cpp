#include "tests/support/mission_checker.h"

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

bool IsNumber(const std::string& text) {
  static const std::regex kNumber(R"(-?\d+(\.\d+)?)");
  return std::regex_match(text, kNumber);
}

bool IsWholeNumber(const std::string& text) {
  static const std::regex kWhole(R"(\d+)");
  return std::regex_match(text, kWhole);
}

std::vector<std::string> SplitCrLf(const std::string& text, std::vector<std::string>& problems) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      problems.push_back("The text does not end in CR LF: \"" + text.substr(start) + "\".");
      lines.push_back(text.substr(start));
      break;
    }
    const std::string line = text.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string::npos) {
      problems.push_back("Line " + std::to_string(lines.size() + 1) +
                         " holds a line break that is no CR LF.");
    }
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

struct Waypoint {
  std::string keyword;
  double x = 0;
  double y = 0;
};

void CheckMain(const ParsedMission& mission, std::vector<std::string>& problems) {
  if (mission.sections.empty() || mission.sections.front().name != "MAIN") {
    problems.push_back("The mission does not begin with [MAIN].");
    return;
  }
  std::map<std::string, std::string> keys;
  for (const auto& row : mission.Rows("MAIN")) {
    if (row.size() == 2) keys[row[0]] = row[1];
  }
  if (keys["MAP"].empty()) problems.push_back("[MAIN] names no map.");
  static const std::regex kTime(R"(\d{1,2}\.\d+)");
  if (!std::regex_match(keys["TIME"], kTime)) {
    problems.push_back("[MAIN] TIME \"" + keys["TIME"] + "\" is no hour.fraction.");
  }
  if (!IsWholeNumber(keys["CloudType"]) || std::stoi(keys["CloudType"]) > 6) {
    problems.push_back("[MAIN] CloudType \"" + keys["CloudType"] + "\" is no weather 0..6.");
  }
  if (!IsWholeNumber(keys["CloudHeight"])) {
    problems.push_back("[MAIN] CloudHeight \"" + keys["CloudHeight"] + "\" is no whole number.");
  }
}

int PlanesOf(const ParsedMission& mission, const std::string& flight,
             std::vector<std::string>& problems) {
  int planes = 0;
  bool has_class = false;
  bool has_fuel = false;
  bool has_weapons = false;
  for (const auto& row : mission.Rows(flight)) {
    if (row.empty()) continue;
    if (row[0] == "Planes") {
      if (row.size() != 2 || !IsWholeNumber(row[1]) || std::stoi(row[1]) < 1) {
        problems.push_back("[" + flight + "] has no whole number of planes.");
      } else {
        planes = std::stoi(row[1]);
      }
    }
    if (row[0] == "Class" && row.size() == 2 && row[1].rfind("air.", 0) == 0) has_class = true;
    if (row[0] == "Fuel" && row.size() == 2 && IsWholeNumber(row[1])) has_fuel = true;
    if (row[0] == "weapons" && row.size() >= 2) has_weapons = true;
    if (row[0] == "StartTime" && (row.size() != 2 || !IsWholeNumber(row[1]))) {
      problems.push_back("[" + flight + "] StartTime is no whole number of minutes.");
    }
  }
  if (!has_class) problems.push_back("[" + flight + "] names no aircraft class.");
  if (!has_fuel) problems.push_back("[" + flight + "] has no fuel line.");
  if (!has_weapons) problems.push_back("[" + flight + "] has no weapons line.");
  return planes;
}

// The rocket bomb a G4M2E carries is launched at the target and does not come back.
bool FliesOneWay(const ParsedMission& mission, const std::string& flight) {
  for (const auto& row : mission.Rows(flight)) {
    if (row.size() == 2 && row[0] == "Class" && row[1] == "air.MXY_7") return true;
  }
  return false;
}

void CheckRoute(const ParsedMission& mission, const std::string& flight,
                std::vector<std::string>& problems) {
  const std::string name = flight + "_Way";
  const MissionSection* section = mission.Find(name);
  if (section == nullptr) return;
  std::vector<Waypoint> route;
  for (const std::string& line : section->lines) {
    if (line.find("<ALTITUDE>") != std::string::npos) {
      problems.push_back("[" + name + "] keeps an altitude placeholder: \"" + line + "\".");
      continue;
    }
    std::vector<std::string> words = Words(line);
    if (!words.empty() && (words.back() == "&0" || words.back() == "&1")) words.pop_back();
    static const std::set<std::string> kKeywords{"TAKEOFF", "NORMFLY", "GATTACK", "LANDING"};
    if (words.size() < 5 || !kKeywords.count(words[0])) {
      problems.push_back("[" + name + "] line \"" + line + "\" is no waypoint.");
      continue;
    }
    bool numbers = true;
    for (size_t w = 1; w <= 4; ++w) numbers = numbers && IsNumber(words[w]);
    if (!numbers) {
      problems.push_back("[" + name + "] line \"" + line + "\" has a field that is no number.");
      continue;
    }
    route.push_back({words[0], std::stod(words[1]), std::stod(words[2])});
  }
  if (route.empty()) {
    problems.push_back("[" + name + "] has no waypoint.");
    return;
  }
  if (route.front().keyword != "TAKEOFF" && route.front().keyword != "NORMFLY") {
    problems.push_back("[" + name + "] begins with neither a take-off nor an air start.");
  }
  for (size_t w = 0; w + 1 < route.size(); ++w) {
    if (route[w].keyword == "LANDING") {
      problems.push_back("[" + name + "] has waypoints after its landing.");
    }
    if (w > 0 && route[w].keyword == "TAKEOFF") {
      problems.push_back("[" + name + "] takes off again after its first waypoint.");
    }
  }
  const Waypoint& first = route.front();
  const Waypoint& last = route.back();
  const double from_base = std::hypot(last.x - first.x, last.y - first.y);
  const bool comes_back = route.size() > 1 && first.keyword == "TAKEOFF" && from_base < 10000 &&
                          !FliesOneWay(mission, flight);
  // Seaplanes of a harbour or port come down on the water: their flight ends with a second
  // pass over the harbour, which may be another one near the first.
  const Waypoint& before_last = route[route.size() > 1 ? route.size() - 2 : 0];
  const bool ends_over_harbour = route.size() > 2 && last.keyword == "NORMFLY" &&
                                 before_last.keyword == "NORMFLY" && before_last.x == last.x &&
                                 before_last.y == last.y;
  if (comes_back && last.keyword != "LANDING" && from_base > 100 && !ends_over_harbour) {
    problems.push_back("[" + name + "] comes back to its base and does not land.");
  }
}

void CheckPlayer(const ParsedMission& mission, const std::map<std::string, int>& planes,
                 std::vector<std::string>& problems) {
  std::string flight;
  int place = -1;
  for (const auto& row : mission.Rows("MAIN")) {
    if (row.size() == 2 && row[0] == "player") flight = row[1];
    if (row.size() == 2 && row[0] == "playerNum" && IsWholeNumber(row[1]))
      place = std::stoi(row[1]);
  }
  if (place < 0) problems.push_back("[MAIN] has no playerNum.");
  if (flight.empty()) return;
  const auto found = planes.find(flight);
  if (found == planes.end()) {
    problems.push_back("The player's flight " + flight + " is not in [WING].");
  } else if (place >= found->second) {
    problems.push_back("The player's plane " + std::to_string(place) + " is not in flight " +
                       flight + " of " + std::to_string(found->second) + " planes.");
  }
}

}  // namespace

const MissionSection* ParsedMission::Find(const std::string& name) const {
  for (const MissionSection& section : sections) {
    if (section.name == name) return &section;
  }
  return nullptr;
}

std::vector<std::vector<std::string>> ParsedMission::Rows(const std::string& name) const {
  std::vector<std::vector<std::string>> rows;
  if (const MissionSection* section = Find(name)) {
    for (const std::string& line : section->lines) rows.push_back(Words(line));
  }
  return rows;
}

ParsedMission ParseMission(const std::string& text) {
  std::vector<std::string> ignored;
  ParsedMission mission;
  for (const std::string& line : SplitCrLf(text, ignored)) {
    if (!line.empty() && line.front() == '[' && line.back() == ']') {
      mission.sections.push_back({line.substr(1, line.size() - 2), {}});
    } else if (!mission.sections.empty()) {
      mission.sections.back().lines.push_back(line);
    }
  }
  return mission;
}

std::vector<std::string> MissionProblems(const std::string& text) {
  std::vector<std::string> problems;
  SplitCrLf(text, problems);
  const ParsedMission mission = ParseMission(text);

  std::set<std::string> seen;
  for (const MissionSection& section : mission.sections) {
    if (!seen.insert(section.name).second) {
      problems.push_back("[" + section.name + "] is written twice.");
    }
  }
  CheckMain(mission, problems);

  std::map<std::string, int> planes;
  const MissionSection* wing = mission.Find("WING");
  if (wing == nullptr) problems.push_back("The mission has no [WING] section.");
  std::set<std::string> flights;
  for (const auto& row : mission.Rows("WING")) {
    if (row.size() != 1) {
      problems.push_back("[WING] line is no flight name.");
      continue;
    }
    const std::string& flight = row[0];
    flights.insert(flight);
    if (mission.Find(flight) == nullptr)
      problems.push_back("Flight " + flight + " has no section.");
    if (mission.Find(flight + "_Way") == nullptr) {
      problems.push_back("Flight " + flight + " has no waypoint section.");
    }
    planes[flight] = PlanesOf(mission, flight, problems);
    CheckRoute(mission, flight, problems);
  }
  for (const MissionSection& section : mission.sections) {
    const std::string& name = section.name;
    const bool waypoints = name.size() > 4 && name.compare(name.size() - 4, 4, "_Way") == 0;
    if (waypoints && !flights.count(name.substr(0, name.size() - 4))) {
      problems.push_back("[" + name + "] belongs to no flight of [WING].");
    }
  }
  CheckPlayer(mission, planes, problems);
  return problems;
}
