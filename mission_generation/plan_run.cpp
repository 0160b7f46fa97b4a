#include "mission_generation/plan_run.h"

#include <cstdlib>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/flight_range.h"
#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"

namespace {

const std::vector<int> kNone;
constexpr long long kRule2Limit = 199999;

// Whether RangeDistance(from, to) is `limit` or more. Squared whole metres answer it without the
// square root, except within a metre of the limit, where the distance is measured as the range
// tests measure it so that the rounding of the root decides as it always has.
bool RangeAtLeast(const WholeMetrePoint& from, const WholeMetrePoint& to, long long limit) {
  constexpr long long kSquaredRange = 1LL << 26;  // squares of these stay exact in a double
  const long long dx = from.x + 1 - to.x;
  const long long dy = from.y + 1 - to.y;
  if (limit < 2 || limit > kSquaredRange || std::llabs(dx) > kSquaredRange ||
      std::llabs(dy) > kSquaredRange) {
    return RangeDistance(from, to) >= limit;
  }
  const long long squared = dx * dx + dy * dy;
  if (squared < (limit - 1) * (limit - 1)) return false;
  if (squared > (limit + 1) * (limit + 1)) return true;
  return RangeDistance(from, to) >= limit;
}

}  // namespace

PlanRun::PlanRun(TMainForm& form_in)
    : form(form_in),
      left_out_(static_cast<size_t>(std::max(form_in.LastSquadron + 1, 0)), 0),
      effective_base_(static_cast<size_t>(std::max(form_in.LastSquadron + 1, 0))),
      column_left_out_(static_cast<size_t>(std::max(form_in.LastColumn + 1, 0)), 0) {
  IndexLocations();
  ReadActionRadiusBox();
  ReadFrontCentre();
  ReadTroopLimit();
  IndexColumns();
}

void PlanRun::IndexLocations() {
  const bool british_bases_on_map = form.NormandyBaseOption && form.MapName == "Normandy";
  const size_t locations = static_cast<size_t>(std::max(form.LastLocation + 1, 0));
  points_.assign(locations, std::nullopt);
  std::vector<int> number_of(locations);
  name_numbers_.Reserve(locations);
  for (int j = 0; j <= form.LastLocation; ++j) {
    const LocationEntry& location = std::as_const(form.LocationTable)[j];
    number_of[static_cast<size_t>(j)] = NumberName(location.LocationName);
    if (location.LocationOffMap == "Y" &&
        !(british_bases_on_map && Contains(location.LocationName, "English_"))) {
      off_map_names_.insert(location.LocationName);
    }
    if (!RereadPosition(j)) {
      ErrorLog(form, "Location " + location.LocationName + " [" + IntToStr(j) +
                         "] left out of the plan: its position \"" + location.LocationPosition +
                         "\" is not a map position.");
    }
  }
  // Counting sort by name number keeps each name's locations in index order.
  named_starts_.assign(name_numbers_.size() + 1, 0);
  for (int number : number_of) ++named_starts_[static_cast<size_t>(number) + 1];
  for (size_t n = 1; n < named_starts_.size(); ++n) named_starts_[n] += named_starts_[n - 1];
  named_entries_.resize(locations);
  std::vector<int> next(named_starts_.begin(), named_starts_.end() - 1);
  for (size_t j = 0; j < locations; ++j) {
    named_entries_[static_cast<size_t>(next[static_cast<size_t>(number_of[j])]++)] =
        static_cast<int>(j);
  }
}

int PlanRun::NumberName(std::string_view name) {
  const size_t hash = FlatNameMap::HashOf(name);
  int number = name_numbers_.Find(name, hash);
  if (number < 0) {
    number = static_cast<int>(name_numbers_.size());
    name_numbers_.Insert(name, number, hash);
  }
  return number;
}

bool PlanRun::RereadPosition(int location) {
  std::optional<WholeMetrePoint>& point = points_[static_cast<size_t>(location)];
  try {
    point = ReadWholeMetres(TrimView(std::as_const(form.LocationTable)[location].LocationPosition));
  } catch (const ConversionError&) {
    point.reset();
  }
  return point.has_value();
}

void PlanRun::ReadActionRadiusBox() {
  const std::string& text = form.ActionRadius.Text;
  int km = form.ActionRadiusKm;
  try {
    km = StrToInt(Trim(text.substr(0, text.find(' '))));
  } catch (const ConversionError&) {
    ErrorLog(form, "The action radius \"" + text +
                       "\" holds no number of kilometres; the plan uses " + IntToStr(km) + " km.");
  }
  front_radius_metres_ = km * 1100LL;
}

void PlanRun::ReadFrontCentre() {
  const std::string& position = form.FrontCenterPosition;
  try {
    if (!Trim(position).empty()) front_ = ReadWholeMetres(position);
  } catch (const ConversionError&) {
    front_.reset();
  }
  const int index = form.FrontCenterIndex;
  if (index >= 0 && index <= form.LastLocation && Usable(index)) front_index_ = index;
  if (!front_ || front_index_ < 0) {
    ErrorLog(form, "The map has no usable front centre (\"" + form.FrontCenterName + "\" at \"" +
                       position + "\"); missions that need it are left out.");
  }
}

void PlanRun::ReadTroopLimit() {
  try {
    troop_limit_ = StrToInt(Trim(form.TroopBox.Text));
  } catch (const ConversionError&) {
    ErrorLog(form, "The troop limit \"" + form.TroopBox.Text + "\" is no number; the plan uses " +
                       IntToStr(troop_limit_) + ".");
  }
}

void PlanRun::IndexColumns() {
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    columns_by_unit_[column.ColumnUnitName].push_back(c);
    std::array<RoutePosition, 2>& starts = route_starts_.emplace_back();
    for (int k = 0; k < 2; ++k) {
      RoutePosition& start = starts[static_cast<size_t>(k)];
      start.text = RoutePointPosition(column.ColumnRoute[k]);
      try {
        if (!start.text.empty()) start.point = ReadWholeMetres(start.text);
      } catch (const ConversionError&) {
        start.point.reset();  // the column is left out with its reason
      }
    }
  }
}

std::span<const int> PlanRun::LocationsNamed(const std::string& name) const {
  const int found = name_numbers_.Find(name);
  if (found < 0) return {};
  const size_t number = static_cast<size_t>(found);
  return std::span<const int>(named_entries_)
      .subspan(static_cast<size_t>(named_starts_[number]),
               static_cast<size_t>(named_starts_[number + 1] - named_starts_[number]));
}

int PlanRun::LastLocationNamed(const std::string& name) const {
  const std::span<const int> named = LocationsNamed(name);
  return named.empty() ? -1 : named.back();
}

bool PlanRun::OffMap(const std::string& name) const {
  return off_map_names_.count(name) != 0;
}

bool PlanRun::WithinFrontRadius(const WholeMetrePoint& from, const WholeMetrePoint& to) const {
  return RangeDistance(from, to) <= front_radius_metres_;
}

bool PlanRun::NearFront(const WholeMetrePoint& point) const {
  return front_ && WithinFrontRadius(point, *front_);
}

bool PlanRun::FrontReaches(const WholeMetrePoint& point) const {
  return front_ && WithinFrontRadius(*front_, point);
}

bool PlanRun::NearFront(const std::string& position) const {
  if (position.empty() || !front_) return false;
  return NearFront(ReadWholeMetres(position));
}

const std::vector<int>& PlanRun::ColumnsCarrying(const std::string& unit_name) const {
  const auto found = columns_by_unit_.find(unit_name);
  return found == columns_by_unit_.end() ? kNone : found->second;
}

const std::vector<AllPayloadsLine>& PlanRun::AllPayloads() {
  if (!all_payloads_) {
    all_payloads_ = ReadAllPayloads(form).value_or(std::vector<AllPayloadsLine>{});
  }
  return *all_payloads_;
}

bool PlanRun::PatrolFileExists() {
  if (!patrol_file_exists_) {
    patrol_file_exists_ = !ExistingReferenceFile(form, form.MapName + ".prd").empty();
  }
  return *patrol_file_exists_;
}

// ---- SquadronReach ------------------------------------------------------------------------

bool RangeRuleHolds(long long distance, long long limit, int range_rule) {
  if (range_rule == 5 && static_cast<double>(distance) >= static_cast<double>(limit) / 1.5) {
    return false;
  }
  if (range_rule == 2 && distance >= kRule2Limit) return false;
  if (range_rule == 3 && distance >= 300000) return false;
  if (range_rule == 50 && distance >= 49999) return false;
  const bool radius_limited = range_rule != 2 && range_rule != 3 && range_rule != 5;
  return !(radius_limited && distance >= limit);
}

SquadronReach::SquadronReach(TMainForm& form, int squadron) : form_(form), squadron_(squadron) {
  const std::string& leg = form.SquadronTable[squadron].SquadronTakeOffLeg;
  if (!leg.empty()) {
    base_ = ReadWholeMetres(Trim(Copy(Trim(leg), 9, static_cast<int>(leg.size()))));
  }
  ReadLimits();
}

void SquadronReach::ReadLimits() {
  radius_km_ = form_.ActionRadiusKm;
  limit_ = radius_km_ * 1000LL;
  const int reach_km = RangeTest(form_, squadron_);
  if (reach_km < radius_km_) limit_ = reach_km * 1000LL;
}

bool SquadronReach::Within(const std::string& position, const WholeMetrePoint& point,
                           int range_rule) {
  if (position.empty() || !base_) return false;
  if (squadron_ == 0 && range_rule == 0 && position == form_.FrontCenterPosition) {
    const bool within = Distance(form_, position, 0, 0) == "Y";
    ReadLimits();
    return within;
  }
  return Reaches(point, range_rule);
}

bool SquadronReach::Reaches(const WholeMetrePoint& point, int range_rule) {
  if (!base_) return false;
  if (form_.ActionRadiusKm != radius_km_) ReadLimits();
  if (range_rule == 0) return !RangeAtLeast(point, *base_, limit_);
  if (range_rule == 2) return !RangeAtLeast(point, *base_, kRule2Limit);
  return RangeRuleHolds(RangeDistance(point, *base_), limit_, range_rule);
}

long long SquadronReach::Limit(int range_rule) {
  if (form_.ActionRadiusKm != radius_km_) ReadLimits();
  return range_rule == 2 ? kRule2Limit : limit_;
}

SquadronReach::SquaredLimit SquadronReach::Squared(long long limit) const {
  SquaredLimit squared;
  if (!base_) {
    squared.surely_beyond = -1;
    return squared;
  }
  squared.centre = {base_->x - 1, base_->y - 1};
  // Whole metres are the root cut down, and a point on the centre measures one metre: below
  // (limit - 1)^2 the measure is under the limit, above (limit + 1)^2 it is over.
  if (limit >= 2 && limit <= SquaredLimit::kSquaredAxis) {
    squared.surely_within = (limit - 1) * (limit - 1);
    squared.surely_beyond = (limit + 1) * (limit + 1);
  }
  return squared;
}

bool SquadronReach::Within(const std::string& position, int range_rule) {
  if (position.empty()) return false;
  return Within(position, ReadWholeMetres(position), range_rule);
}
