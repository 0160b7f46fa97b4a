#include "campaign_data/map_routes.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/file_read_report.h"
#include "campaign_data/flat_name_map.h"
#include "campaign_data/geometry.h"
#include "campaign_data/nearest_location.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_setup/panels.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

constexpr long long kFarAway = 999999999;
constexpr int kPatrolLeg = 20000;  // metres between patrol points

enum class Network { kRoads, kRails, kSeaRoutes };

struct RouteFileKind {
  Network network;
  const char* extension;
};
constexpr std::array<RouteFileKind, 3> kRouteFiles{{
    {Network::kRoads, ".rds"},
    {Network::kRails, ".rls"},
    {Network::kSeaRoutes, ".srd"},
}};

bool IsHeader(std::string_view line) {
  return line.find('[') != std::string_view::npos;
}

// The two locations a route joins, as views into its header line.
using RouteEndNames = std::pair<std::string_view, std::string_view>;

// "[A to B]": the two locations the route joins; nothing when the header names no route.
std::optional<RouteEndNames> RouteEnds(std::string_view header) {
  const size_t open = header.find('[');
  const size_t to = header.find(" to ", open);
  if (to == std::string_view::npos) return std::nullopt;
  std::string_view to_text = TrimView(header.substr(to + 4));
  if (!EndsWith(to_text, "]")) return std::nullopt;
  to_text.remove_suffix(1);
  const std::string_view from = TrimView(header.substr(open + 1, to - open - 1));
  const std::string_view destination = TrimView(to_text);
  if (from.empty() || destination.empty()) return std::nullopt;
  return RouteEndNames{from, destination};
}

// The first two fields of a waypoint line, joined by one blank, into `position`.
void ReadWaypointPosition(std::string_view line, std::string& position) {
  const std::string_view text = TrimView(line);
  position.clear();
  if (text.empty()) return;
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) {
    position.append(text).append(" ");
    return;
  }
  const std::string_view rest = TrimLeftView(text.substr(blank + 1));
  position.append(text.substr(0, blank)).append(" ").append(rest.substr(0, rest.find(' ')));
}

std::string WaypointPosition(std::string_view line) {
  std::string position;
  ReadWaypointPosition(line, position);
  return position;
}

// "bridge" in any letter case.
bool ContainsBridge(std::string_view name) {
  constexpr std::string_view kWord = "bridge";
  for (size_t i = 0; i + kWord.size() <= name.size(); ++i) {
    size_t k = 0;
    while (k < kWord.size() && AsciiLower(name[i + k]) == kWord[k]) ++k;
    if (k == kWord.size()) return true;
  }
  return false;
}

std::string PointText(long long x, long long y) {
  return IntToStr(x) + ".00 " + IntToStr(y) + ".00";
}

// The map edge of the Axis side, as the entry choice and the front centre read it.
struct MapAxisRule {
  bool known = false;
  bool along_x = true;        // East or West: x; North or South: y
  bool axis_at_least = true;  // West or South: the Axis edge is the low end of the axis
};

MapAxisRule AxisRule(const std::string& map_axis) {
  if (map_axis == "West") return {true, true, true};
  if (map_axis == "East") return {true, true, false};
  if (map_axis == "South") return {true, false, true};
  if (map_axis == "North") return {true, false, false};
  return {};
}

// Builds the location table from the route files.
class LocationBuild {
 public:
  LocationBuild(TMainForm& form, bool full)
      : form_(form), full_(full), axis_(AxisRule(form.MapAxis)) {}

  void ReadRouteFile(const RouteFileKind& kind) {
    const std::string path = ExistingReferenceFile(form_, form_.MapName + kind.extension);
    if (path.empty()) return;
    path_ = path;
    InspectedTextFile file = ReadInspectedTextFile(form_.FileReads, path);
    if (!file.report.WholeAndClean()) {
      ErrorLog(form_, "Route file " + path + " was not read whole: " + file.report.Faults() + ".");
    }
    file_ = std::move(file.text);
    // The names indexed so far are views into the earlier files.
    files_read_.push_back(file_);
    headers_.clear();
    ends_.clear();
    hashes_.clear();
    for (int i = 0; i < static_cast<int>(lines().size()); ++i) {
      if (!IsHeader(lines()[static_cast<size_t>(i)])) continue;
      headers_.push_back(i);
      ends_.push_back(RouteEnds(lines()[i]));
      hashes_.push_back(ends_.back() ? NameHashes{FlatNameMap::HashOf(ends_.back()->first),
                                                  FlatNameMap::HashOf(ends_.back()->second)}
                                     : NameHashes{});
      if (!ends_.back()) {
        ErrorLog(form_, "Route file " + path + ", line " + IntToStr(i + 1) + ": \"" +
                            std::string(lines()[i]) + "\" names no route; the section is skipped.");
      }
    }
    index_by_name_.Reserve(index_by_name_.size() + 2 * headers_.size());
    ReadRouteStarts(kind.network);
    ReadRouteEnds(kind.network);
  }

  int Find(std::string_view name) const { return index_by_name_.Find(name); }

 private:
  void ReadRouteStarts(Network network) {
    long long extreme = axis_.axis_at_least ? kFarAway : -kFarAway;
    for (size_t h = 0; h < headers_.size(); ++h) {
      const int header = headers_[h];
      if (h + kLookAhead < headers_.size()) {
        index_by_name_.Prefetch(hashes_[h + kLookAhead].start);
      }
      const auto& ends = ends_[h];
      const size_t hash = hashes_[h].start;
      if (!ends || index_by_name_.Find(ends->first, hash) >= 0) continue;
      const std::string_view name = ends->first;
      // A bridge stands at the third waypoint of the route leaving it.
      const int source = header + (ContainsBridge(name) ? 3 : 1);
      ReadWaypointPosition(lines().LineOrEmpty(static_cast<size_t>(source)), position_);
      const std::string& position = RequireWaypoint(position_, source, name);
      const int index = Append(name, hash, position);
      if (index < 0 || !full_ || !axis_.known) continue;
      const long long coordinate = AxisCoordinate(position, source);
      if (name == form_.FrontCenterName) SetFrontCenter(index, position, coordinate);
      const bool beyond = axis_.axis_at_least ? coordinate < extreme : coordinate > extreme;
      if (network != Network::kRoads && beyond) {
        extreme = coordinate;
        (network == Network::kRails ? form_.AxisRailEntry : form_.AxisShipEntry) = name;
      }
    }
  }

  void ReadRouteEnds(Network network) {
    long long extreme = axis_.axis_at_least ? -kFarAway : kFarAway;
    for (size_t h = 0; h < headers_.size(); ++h) {
      const int header = headers_[h];
      if (h + kLookAhead < headers_.size()) {
        index_by_name_.Prefetch(hashes_[h + kLookAhead].destination);
      }
      const auto& ends = ends_[h];
      if (!ends) continue;
      const size_t hash = hashes_[h].destination;
      const std::string_view name = ends->second;
      const int section_end =
          h + 1 < headers_.size() ? headers_[h + 1] : static_cast<int>(lines().size());
      int last = section_end - 1;
      while (last > header && TrimView(lines()[static_cast<size_t>(last)]).empty()) --last;
      ReadWaypointPosition(last > header ? lines()[static_cast<size_t>(last)] : std::string_view(),
                           position_);
      const std::string& position = RequireWaypoint(position_, std::max(last, header + 1), name);
      int index = index_by_name_.Find(name, hash);
      const bool appended = index < 0;
      if (appended) index = Append(name, hash, position);
      if (index < 0 || !full_ || !axis_.known) continue;
      const long long coordinate = AxisCoordinate(position, last);
      if (appended && form_.FrontCenterIndex == -1 && name == form_.FrontCenterName) {
        SetFrontCenter(index, position, coordinate);
      }
      const bool beyond = axis_.axis_at_least ? coordinate > extreme : coordinate < extreme;
      if (network != Network::kRoads && beyond) {
        extreme = coordinate;
        (network == Network::kRails ? form_.AlliedRailEntry : form_.AlliedShipEntry) = name;
      }
    }
  }

  // A place's position must be a waypoint of two numbers; a section cut short (a damaged or
  // truncated file) would leave the place without one and fail much later, far from here.
  const std::string& RequireWaypoint(const std::string& position, int line, std::string_view name) {
    const size_t blank = position.find(' ');
    if (blank != std::string::npos && blank > 0 && blank + 1 < position.size()) return position;
    const std::string message = "Route file " + path_ + ", line " + IntToStr(line + 1) +
                                ": no waypoint gives the position of " + std::string(name) +
                                " (a route cut short?).";
    ErrorLog(form_, message);
    throw ConversionError(message);
  }

  const TextLines& lines() const { return *file_; }

  int Append(std::string_view name, size_t hash, const std::string& position) {
    if (form_.LastLocation + 1 >= kLocationCapacity) {
      if (!capacity_reported_) {
        ErrorLog(form_, "The map " + form_.MapName + " has more than " +
                            IntToStr(kLocationCapacity) + " locations; " + std::string(name) +
                            " and the locations after it are left out.");
        capacity_reported_ = true;
      }
      return -1;
    }
    const int index = ++form_.LastLocation;
    LocationEntry& location = form_.LocationTable[index];
    location.LocationName = name;
    location.LocationPosition = position;
    location.LocationOffMap.clear();
    index_by_name_.Insert(name, index, hash);
    return index;
  }

  long long AxisCoordinate(std::string_view position, int line) {
    const size_t blank = position.find(' ');
    const std::string_view x = position.substr(0, blank);
    const std::string_view y =
        blank == std::string_view::npos ? std::string_view() : position.substr(blank + 1);
    try {
      return ReadWholeMetreNumber(axis_.along_x ? x : y);
    } catch (const ConversionError& error) {
      const std::string message =
          "Route file " + path_ + ", line " + IntToStr(line + 1) + ": " + error.what() + ".";
      ErrorLog(form_, message);
      throw ConversionError(message);
    }
  }

  void SetFrontCenter(int index, const std::string& position, long long coordinate) {
    form_.FrontCenterCoord = static_cast<int>(coordinate);
    form_.FrontCenterPosition = position;
    form_.FrontCenterIndex = index;
  }

  TMainForm& form_;
  const bool full_;
  const MapAxisRule axis_;
  // Keys are views of the names in the route files, which files_read_ keeps.
  FlatNameMap index_by_name_;
  bool capacity_reported_ = false;
  std::string path_;
  std::shared_ptr<const TextLines> file_ = std::make_shared<const TextLines>();
  std::vector<std::shared_ptr<const TextLines>> files_read_;
  std::string position_;                            // the waypoint being read, its storage reused
  std::vector<int> headers_;                        // line numbers of the section headers
  std::vector<std::optional<RouteEndNames>> ends_;  // per header, views into file_
  // Per header, the hashes of its two names: the look-ups ask for the slots of the names a
  // few sections ahead, whose slots lie anywhere in a table too large for the caches.
  struct NameHashes {
    size_t start = 0;
    size_t destination = 0;
  };
  static constexpr size_t kLookAhead = 8;
  std::vector<NameHashes> hashes_;
};

// Patrol areas of the ".prd" file: area 0 belongs to army "1", area 1 to army "2".
constexpr int kPatrolEntries = 12;

struct PatrolBox {
  long long min_x, max_x, min_y, max_y;
};

[[noreturn]] void PatrolFileError(TMainForm& form, const std::string& path,
                                  const std::string& problem) {
  const std::string message = "Patrol area file " + path + ": " + problem;
  ErrorLog(form, message);
  throw ConversionError(message);
}

void ReadPatrolAreas(TMainForm& form, const std::string& path) {
  const std::vector<std::string> lines = ReadTextLines(path);
  if (lines.size() < 2 * 5) PatrolFileError(form, path, "two areas of five lines are needed.");
  for (int area = 0; area < 2; ++area) {
    const std::string name_line = Trim(lines[area * 5]);
    const int close = Pos("]", name_line);
    form.PatrolText[area * kPatrolEntries] =
        Copy(name_line, 2, close > 0 ? close - 2 : static_cast<int>(name_line.size()));
    for (int corner = 0; corner < 4; ++corner) {
      const std::string line = Trim(lines[area * 5 + 1 + corner]);
      const size_t blank = line.find(' ');
      form.PatrolText[area * kPatrolEntries + 2 + corner * 2] = line.substr(0, blank);
      form.PatrolText[area * kPatrolEntries + 3 + corner * 2] =
          blank == std::string::npos ? std::string() : Trim(line.substr(blank + 1));
    }
  }
}

PatrolBox CornerBox(TMainForm& form, const std::string& path, int area) {
  PatrolBox box{kFarAway, -kFarAway, kFarAway, -kFarAway};
  for (int corner = 0; corner < 4; ++corner) {
    const int entry = area * kPatrolEntries + 2 + corner * 2;
    long long x = 0, y = 0;
    try {
      x = ReadWholeMetreNumber(form.PatrolText[entry]);
      y = ReadWholeMetreNumber(form.PatrolText[entry + 1]);
    } catch (const ConversionError& error) {
      PatrolFileError(form, path,
                      "line " + IntToStr(area * 5 + 2 + corner) + ": " + error.what() + ".");
    }
    box.min_x = std::min(box.min_x, x);
    box.max_x = std::max(box.max_x, x);
    box.min_y = std::min(box.min_y, y);
    box.max_y = std::max(box.max_y, y);
  }
  return box;
}

std::string PatrolPointText(const TMainForm& form, int area, int point) {
  const int entry = area * kPatrolEntries + 2 + (point - 1) * 2;
  return form.PatrolText[entry] + ".00 " + form.PatrolText[entry + 1] + ".00";
}

void SetPatrolPoint(TMainForm& form, int area, int point, long long x, long long y) {
  const int entry = area * kPatrolEntries + 2 + (point - 1) * 2;
  form.PatrolText[entry] = IntToStr(x);
  form.PatrolText[entry + 1] = IntToStr(y);
}

// The first patrol point is drawn at random inside the area's box, as long as the front centre
// is within patrol range of it; the ships then sail a zig-zag of 20 km legs from there.
void BuildPatrolPoints(TMainForm& form, const std::string& path) {
  std::array<PatrolBox, 2> boxes{};
  const WholeMetrePoint front = ReadWholeMetres(form.FrontCenterPosition);
  for (const int area : {1, 0}) {
    const PatrolBox box = CornerBox(form, path, area);
    boxes[area] = box;
    const long long reference_x = std::max(std::min(front.x, box.max_x), box.min_x);
    const long long reference_y = std::max(std::min(front.y, box.max_y), box.min_y);
    form.PatrolText[area * kPatrolEntries + 10] = IntToStr(reference_x);
    form.PatrolText[area * kPatrolEntries + 11] = IntToStr(reference_y);
    const long long x = box.min_x + form.Random(static_cast<int>(box.max_x - box.min_x));
    const long long y = box.min_y + form.Random(static_cast<int>(box.max_y - box.min_y));
    if (PatrolDistance(form, PointText(x, y), form.FrontCenterPosition) == "N") {
      SetPatrolPoint(form, area, 1, reference_x, reference_y);
    } else {
      SetPatrolPoint(form, area, 1, x, y);
    }
  }
  if (PatrolDistance(form, PatrolPointText(form, 0, 1), PatrolPointText(form, 1, 1)) == "N") {
    form.PatrolText[2] = form.PatrolText[10];
    form.PatrolText[3] = form.PatrolText[11];
  }
  for (const int area : {0, 1}) {
    const PatrolBox& box = boxes[area];
    const int base = area * kPatrolEntries;
    const long long x1 = StrToInt(form.PatrolText[base + 2]);
    const long long y1 = StrToInt(form.PatrolText[base + 3]);
    const long long y2 = y1 + kPatrolLeg < box.max_y ? y1 + kPatrolLeg : y1 - kPatrolLeg;
    const long long x3 = x1 + kPatrolLeg < box.max_x ? x1 + kPatrolLeg : x1 - kPatrolLeg;
    const long long y4 = y2 + kPatrolLeg < box.max_y ? y2 + kPatrolLeg : y2 - kPatrolLeg;
    SetPatrolPoint(form, area, 2, x1, y2);
    SetPatrolPoint(form, area, 3, x3, y2);
    SetPatrolPoint(form, area, 4, x3, y4);
  }
}

void PatrolAreas(TMainForm& form) {
  const std::string path = ExistingReferenceFile(form, form.MapName + ".prd");
  if (path.empty()) return;
  if (form.FrontCenterPosition.empty()) {
    ErrorLog(form,
             "No front centre on the map " + form.MapName + ": its patrol areas are not used.");
    return;
  }
  ReadPatrolAreas(form, path);
  BuildPatrolPoints(form, path);
}

int WholeKilometres(int metres, double metres_per_km) {
  return static_cast<int>(metres / metres_per_km);
}

void PatrolRadiusCheck(TMainForm& form) {
  if (form.PatrolText[2].empty()) return;
  const std::string first = PatrolPointText(form, 0, 1);
  const std::string second = PatrolPointText(form, 1, 1);
  const int between = WholeKilometres(GetDistance(first, second), 800.0);
  if (between > form.ActionRadiusKm) form.ActionRadiusKm = between;
  const int from_front = WholeKilometres(GetDistance(form.FrontCenterPosition, first), 800.0) +
                         WholeKilometres(GetDistance(form.FrontCenterPosition, second), 800.0);
  if (from_front > form.ActionRadiusKm) form.ActionRadiusKm = from_front;
  ErrorLog(form, "Patrol Area check has reset the Minimum Action Radius to " +
                     IntToStr(form.ActionRadiusKm) + " Kilometers.");
}

void EnemyAirfieldCheck(TMainForm& form) {
  const std::string& player_army = std::as_const(form.SquadronTable)[0].SquadronArmy;
  bool found = false;
  int nearest_km = 99999999;
  for (int j = 0; j <= form.LastLocation; ++j) {
    const LocationEntry& location = std::as_const(form.LocationTable)[j];
    if (!Contains(location.LocationName, "Airstrip") &&
        !Contains(location.LocationName, "Airfield")) {
      continue;
    }
    if (location.LocationArmy == "0" || location.LocationArmy == player_army) continue;
    const int km =
        WholeKilometres(GetDistance(form.FrontCenterPosition, location.LocationPosition), 1000.0);
    found = true;
    nearest_km = std::min(nearest_km, km);
  }
  if (found && nearest_km > form.ActionRadiusKm) {
    form.ActionRadiusKm = nearest_km;
    ErrorLog(form, "Enemy Airfield Check has set Minimum Action Radius to " + IntToStr(nearest_km) +
                       " Kilometers.");
  }
}

void MarkOffMapLocations(TMainForm& form, const LocationBuild& build) {
  const std::string path = ExistingReferenceFile(form, "offmap.tavrek");
  if (path.empty()) return;
  for (const std::string& line : ReadTextLines(path)) {
    const int index = build.Find(Trim(line));
    if (index >= 0) form.LocationTable[index].LocationOffMap = "Y";
  }
}

}  // namespace

void TargetLocations(TMainForm& form) {
  form.LastLocation = -1;
  form.FrontCenterIndex = -1;
  form.AxisRailEntry.clear();
  form.AxisShipEntry.clear();
  form.AlliedRailEntry.clear();
  form.AlliedShipEntry.clear();
  // Another map's patrol areas must not survive a map without a ".prd" file.
  form.PatrolText.fill(std::string());

  LocationBuild build(form, true);
  for (const RouteFileKind& kind : kRouteFiles) build.ReadRouteFile(kind);
  PatrolAreas(form);
  ErrorLog(form, "Target Locations processed.");
  PatrolRadiusCheck(form);
  EnemyAirfieldCheck(form);
  MarkOffMapLocations(form, build);
}

void TargetInitialization(TMainForm& form) {
  form.LastLocation = -1;
  LocationBuild build(form, false);
  for (const RouteFileKind& kind : kRouteFiles) build.ReadRouteFile(kind);
}

namespace {

struct WaypointCheck {
  std::string result = "No problems found.";
  std::string label;
  std::vector<WholeMetrePoint> points;
};

void CheckSection(TMainForm& form, WaypointCheck& check) {
  const int count = static_cast<int>(check.points.size());
  for (int n = 1; n < count; ++n) {
    const WholeMetrePoint& a = check.points[n - 1];
    const WholeMetrePoint& b = check.points[n];
    const long long distance = WholeMetreDistance(b.x - a.x, b.y - a.y);
    if (distance >= 121 || (n > 6 && n < count - 5)) continue;
    form.Platform.DialogService().MessageBox(
        "Warning: Waypoints too close together.\r\n\r\nPath = " + check.label +
            "\r\nCoordinates = " + IntToStr(n) + "-" + IntToStr(n + 1) +
            "\r\nDistance = " + IntToStr(distance) + "m",
        form.Application.Title, MessageButtons::kOk);
    check.result = "Potential problems exist for column movement.";
  }
}

std::string WithoutFirst(std::string text, char c) {
  const size_t at = text.find(c);
  if (at != std::string::npos) text.erase(at, 1);
  return text;
}

}  // namespace

void ColumnWaypointCheckClick(TMainForm& form) {
  CleanUpPanels(form);
  CleanUpCampChk(form);
  WaypointCheck check;
  const std::string path = ExistingReferenceFile(form, AsciiLowerCase(form.MapName) + ".rds");
  if (!path.empty()) {
    const std::vector<std::string> lines = ReadTextLines(path);
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string line = Trim(lines[i]);
      if (IsHeader(line)) {
        CheckSection(form, check);
        check.label = WithoutFirst(WithoutFirst(line, '['), ']');
        check.points.clear();
      } else if (!line.empty()) {
        try {
          check.points.push_back(ReadWholeMetres(WaypointPosition(line)));
        } catch (const ConversionError& error) {
          const std::string message =
              "Road file " + path + ", line " + IntToStr(i + 1) + ": " + error.what() + ".";
          ErrorLog(form, message);
          throw ConversionError(message);
        }
      }
    }
    CheckSection(form, check);
  }
  form.Platform.DialogService().MessageBox("Column Waypoint Check is completed. " + check.result,
                                           form.Application.Title, MessageButtons::kOk);
}
