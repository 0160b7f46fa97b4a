#include "mission_generation/shipping_targets.h"

#include <algorithm>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_progression/transports.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/plan_run.h"

namespace {

bool RouteLongEnough(const ColumnEntry& column) {
  return column.ColumnRoute[0].size() > 3 && column.ColumnRoute[1].size() > 3;
}

bool PlacedOnTheMap(const PlanRun& run, const ColumnEntry& column) {
  return column.ColumnPlace != "Blank" && column.ColumnPlace != "Future" &&
         !run.OffMap(column.ColumnPlace) && !Contains(column.ColumnPlace, "English_");
}

}  // namespace

ShippingTargets::ShippingTargets(const TMainForm& form, const PlanRun& run) {
  const int columns = std::max(form.LastColumn + 1, 0);
  transport_.assign(static_cast<size_t>(columns), 0);
  for (int c = 0; c < columns; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    std::vector<int>& before = army_columns_before_[column.ColumnArmy];
    before.resize(static_cast<size_t>(columns) + 1, 0);
    before[static_cast<size_t>(c) + 1] = 1;

    if (run.ColumnLeftOut(c) || column.ColumnInMission != "Y" || !RouteLongEnough(column) ||
        !IsShipColumn(column) || !PlacedOnTheMap(run, column)) {
      continue;
    }
    const RoutePosition& second_point = run.RouteStart(c, 1);
    if (!second_point.point) continue;  // out of every squadron's reach
    transport_[static_cast<size_t>(c)] = TransportType(column.ColumnType) == "Y";
    if (IsCarrierColumn(column)) carriers_.push_back(c);
    if (run.NearFront(second_point) && !OnOwnPatrolArea(form, column)) {
      ships_near_front_.push_back(c);
    }
  }
  for (auto& [army, before] : army_columns_before_) {
    for (size_t k = 1; k < before.size(); ++k) before[k] += before[k - 1];
  }
}

int ShippingTargets::ColumnsNotOf(const std::string& army, int first, int last) const {
  if (last < first) return 0;
  const int all = last - first + 1;
  const auto found = army_columns_before_.find(army);
  if (found == army_columns_before_.end()) return all;
  const std::vector<int>& before = found->second;
  return all - (before[static_cast<size_t>(last) + 1] - before[static_cast<size_t>(first)]);
}
