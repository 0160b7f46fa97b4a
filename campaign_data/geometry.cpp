#include "campaign_data/geometry.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/table_lookups.h"
#include "campaign_data/text.h"
#include "mission_generation/flight_range.h"
#include "platform/errors.h"

namespace {

constexpr std::string_view kBadCoordinates = "Warning: bad coordinates.";

// A position text split at its first blank; only the first 40 characters of y are looked at,
// which keeps trailing fields of a waypoint line out.
struct PositionTexts {
  std::string_view x;  // views into the position text
  std::string_view y;
};

PositionTexts SplitPosition(std::string_view position) {
  const size_t blank = position.find(' ');
  if (blank == std::string_view::npos) {
    throw ConversionError("'" + std::string(position) + "' is not a valid map position");
  }
  return {TrimView(position.substr(0, blank)), TrimView(position.substr(blank + 1, 40))};
}

bool HasTwoNumbers(std::string_view position) {
  if (position.find(' ') == std::string_view::npos) return false;
  const PositionTexts texts = SplitPosition(position);
  return !texts.x.empty() && !texts.y.empty();
}

// Whole metres, cut down; two equal points are 0 m apart.
long long TruncatedLength(long long dx, long long dy) {
  return static_cast<long long>(std::sqrt(static_cast<double>(dx) * static_cast<double>(dx) +
                                          static_cast<double>(dy) * static_cast<double>(dy)));
}

[[noreturn]] void BadCoordinates(TMainForm& form) {
  ErrorLog(form, std::string(kBadCoordinates));
  throw ProgramError(std::string(kBadCoordinates));
}

bool RuleAppliesRadiusLimit(int range_rule) {
  return range_rule != 2 && range_rule != 3 && range_rule != 5;
}

std::string Letter(int n) {
  return std::string(1, static_cast<char>('A' + n));
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool IsOneOf(const std::string& map, std::initializer_list<std::string_view> maps) {
  for (std::string_view name : maps) {
    if (map == name) return true;
  }
  return false;
}

int ShiftFor(const std::string& map,
             std::initializer_list<std::pair<std::string_view, int>> shifts) {
  for (const auto& [name, shift] : shifts) {
    if (map == name) return shift;
  }
  return 0;
}

// Coral Sea columns run "AA".."AZ", "BA".., "CA".."CZ" west of the map and "DA".. from x = 0.
// The band the lettering leaves out (col -20 to -1) is named after the edge square "DA", as
// the first 10 km west of x = 0 already are.
std::string CoralSeaColumn(int col) {
  if (col < -72) return "A" + Letter(col + 98);
  if (col < -46) return "B" + Letter(col + 72);
  if (col < -20) return "C" + Letter(col + 46);
  if (col < 0) return "DA";
  return "D" + Letter(col);
}

// Column letters counted on from "AA" in bands of 26 ("BA", "CA", "DA").
std::string BandedColumn(int col) {
  char band = 'A';
  for (int step = 0; step < 3 && col >= 26; ++step) {
    col -= 26;
    ++band;
  }
  return std::string(1, band) + Letter(col);
}

}  // namespace

long long ReadWholeMetreNumber(std::string_view number) {
  const std::string_view text = TrimView(number);
  const size_t point = text.find('.');
  if (point == std::string_view::npos) {
    throw ConversionError("'" + std::string(text) + "' is not a valid map coordinate");
  }
  return StrToInt(text.substr(0, point));
}

WholeMetrePoint ReadWholeMetres(std::string_view position) {
  const PositionTexts texts = SplitPosition(position);
  return {ReadWholeMetreNumber(texts.x), ReadWholeMetreNumber(texts.y)};
}

long long WholeMetreDistance(long long dx, long long dy) {
  return dx == 0 && dy == 0 ? 1 : TruncatedLength(dx, dy);
}

int GetDistance(const std::string& a, const std::string& b) {
  if (a.empty()) return 0;
  const WholeMetrePoint from = ReadWholeMetres(a);
  const WholeMetrePoint to = ReadWholeMetres(b);
  return static_cast<int>(WholeMetreDistance(from.x - to.x, from.y - to.y));
}

// The range tests nudge the first point by a metre on both axes before measuring; keep that,
// or answers at the edge of a radius change.
long long RangeDistance(const WholeMetrePoint& from, const WholeMetrePoint& to) {
  return WholeMetreDistance(from.x + 1 - to.x, from.y + 1 - to.y);
}

int ActionRadiusBoxKm(const TMainForm& form) {
  const std::string& text = form.ActionRadius.Text;
  return StrToInt(Trim(text.substr(0, text.find(' '))));
}

std::string TDistance(TMainForm& form, const std::string& a, const std::string& b,
                      const std::string& radius_source) {
  if (a.empty()) return "N";
  const long long distance = RangeDistance(ReadWholeMetres(a), ReadWholeMetres(b));
  const int radius_km = radius_source == "Y" ? ActionRadiusBoxKm(form) : form.ActionRadiusKm;
  return distance > radius_km * 1100LL ? "N" : "Y";
}

std::string PatrolDistance(TMainForm& form, const std::string& a, const std::string& b) {
  if (a.empty()) return "N";
  const long long distance = RangeDistance(ReadWholeMetres(a), ReadWholeMetres(b));
  long long limit = ActionRadiusBoxKm(form) * 1000LL;
  if (limit > 300000) limit = 300000;
  return distance > limit ? "N" : "Y";
}

std::string Distance(TMainForm& form, const std::string& position, int squadron, int range_rule) {
  if (position.empty()) return "N";
  const std::string& take_off_leg = form.SquadronTable[squadron].SquadronTakeOffLeg;
  if (take_off_leg.empty()) return "N";

  // The leg starts with "TAKEOFF " and the base position.
  const WholeMetrePoint base =
      ReadWholeMetres(Trim(Copy(Trim(take_off_leg), 9, static_cast<int>(take_off_leg.size()))));
  const long long distance = RangeDistance(ReadWholeMetres(position), base);

  const long long radius_limit = form.ActionRadiusKm * 1000LL;
  long long limit = radius_limit;
  const int reach_km = RangeTest(form, squadron);
  if (reach_km < form.ActionRadiusKm) limit = reach_km * 1000LL;

  bool in_range = true;
  if (range_rule == 5 && distance >= limit / 1.5) in_range = false;
  if (range_rule == 2 && distance >= 199999) in_range = false;
  if (range_rule == 3 && distance >= 300000) in_range = false;
  if (range_rule == 50 && distance >= 49999) in_range = false;
  if (RuleAppliesRadiusLimit(range_rule) && distance >= limit) in_range = false;

  // The player's squadron must always reach the front centre: the radius grows to fit it.
  if (position == form.FrontCenterPosition && squadron == 0 && range_rule == 0 &&
      distance >= radius_limit) {
    form.ActionRadiusKm = static_cast<int>(static_cast<double>(distance) / 10000 * 1.25) * 10;
    ErrorLog(form,
             "Minimum Action Radius reset to " + IntToStr(form.ActionRadiusKm) + " Kilometers.");
    in_range = true;
  }
  return in_range ? "Y" : "N";
}

void GetCoordinates(TMainForm& form, int squadron) {
  const int target = form.SquadronTable[squadron].SquadronTargetLocation;
  if (!LocationTableType::Contains(target) || form.LocationTable[target].LocationPosition.empty()) {
    BadCoordinates(form);
  }
  const WholeMetrePoint point = ReadWholeMetres(form.LocationTable[target].LocationPosition);
  form.TargetPosition = IntToStr(point.x) + " " + IntToStr(point.y);
}

std::string MoveCoordinates(TMainForm& form, const std::string& position, int dx, int dy) {
  if (position.empty()) BadCoordinates(form);
  const WholeMetrePoint point = ReadWholeMetres(position);
  return IntToStr(point.x + dx) + ".00 " + IntToStr(point.y + dy) + ".00";
}

std::string MapCoordinate(TMainForm& form, const std::string& position) {
  if (position.size() <= 3) return "";
  const WholeMetrePoint point = ReadWholeMetres(position);
  const std::string& map = form.MapTitle;
  int col = static_cast<int>(point.x / 10000);
  int row = static_cast<int>(point.y / 10000) + 1;

  const int both_shift = ShiftFor(map, {{"Marianas", 30}, {"Midway", 18}, {"Hawaii", 60}});
  col += both_shift;
  row += both_shift;

  std::string column;
  if (map == "CoralSea") {
    column = CoralSeaColumn(col);
  } else {
    column = col < 26 ? "A" + Letter(col) : "B" + Letter(col - 26);
  }

  col += ShiftFor(map, {{"Iwo", 60},
                        {"Palau", 20},
                        {"Tarawa", 50},
                        {"Wake", 40},
                        {"Okinawa", 1},
                        {"Chichi", 9},
                        {"Guadal", 33}});
  if (IsOneOf(map, {"Singapore", "Singapore1", "Murmansk", "Hawaii", "Tarawa", "Palau", "Wake",
                    "Okinawa", "Guadal", "Marianas", "Midway", "Iwo", "Chichi"})) {
    column = BandedColumn(col);
  }
  if (!IsOneOf(map, {"Singapore", "Singapore1", "Murmansk", "Hawaii", "Okinawa", "NewGuinea",
                     "FinsGulf", "Crimea", "Iwo", "Crimea41", "Guadal", "Tarawa", "Midway",
                     "CoralSea", "Wake", "Marianas", "Palau"})) {
    column = column.substr(1, 1);
  }

  row += ShiftFor(map, {{"Chichi", 9},
                        {"Guadal", 33},
                        {"Wake", 40},
                        {"CoralSea", 98},
                        {"Tarawa", 49},
                        {"Palau", 20},
                        {"Iwo", 60},
                        {"Okinawa", 2}});
  return "(" + UpperCase(column + "-" + IntToStr(row) + ")");
}

std::string MapLocation(TMainForm& form, const std::string& position) {
  ErrorLog(form, "Determining the nearest location on the map to a static object.");
  if (!HasTwoNumbers(position)) return "";
  const WholeMetrePoint point = ReadWholeMetres(position);
  int nearest = -1;
  long long nearest_distance = 0;
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = form.LocationTable[i];
    if (location.LocationPosition.empty()) continue;
    const WholeMetrePoint other = ReadWholeMetres(location.LocationPosition);
    const long long distance = TruncatedLength(point.x - other.x, point.y - other.y);
    if (nearest < 0 || distance < nearest_distance) {
      nearest = i;
      nearest_distance = distance;
    }
  }
  return nearest < 0 ? "" : form.LocationTable[nearest].LocationName;
}

std::string GetAngle(const std::string& a, const std::string& b) {
  const WholeMetrePoint from = ReadWholeMetres(a);
  const WholeMetrePoint to = ReadWholeMetres(b);
  const long long dx = from.x - to.x;
  const long long dy = from.y - to.y;
  long long angle = 0;
  if (dy == 0) {
    angle = from.x > to.x ? 90 : 270;
  } else {
    const long double degrees =
        std::atan(static_cast<long double>(dx) / static_cast<long double>(dy)) * 180.0L /
        std::numbers::pi_v<long double>;
    angle = static_cast<long long>(degrees) + 90;
  }
  return IntToStr(angle + 360);
}

std::string OffMapCheck(TMainForm& form, const std::string& location_name) {
  const bool british_bases_on_map = form.NormandyBaseOption && form.MapName == "Normandy";
  if (british_bases_on_map && Contains(location_name, "English_")) return "N";
  const LocationTableType& locations = form.LocationTable;
  for (int i = FindLocation(form, location_name); i >= 0;
       i = FindLocationAfter(form, location_name, i)) {
    if (locations[i].LocationOffMap == "Y") return "Y";
  }
  return "N";
}
