#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class TMainForm;
class PlanRun;

// The ships the shipping strikes choose from, sorted out once for the phase: every test that
// asks only about the column (its kind, route, place, mission flag) is answered here, so a
// squadron's search goes through a handful of ships instead of every column of the table.
// Columns do not change while the strikes are planned.
class ShippingTargets {
 public:
  ShippingTargets(const TMainForm& form, const PlanRun& run);

  // Carriers in the mission, on the map, with a route of two readable points, in index order.
  const std::vector<int>& Carriers() const { return carriers_; }
  // Ships in the mission whose second route point is near the front, on the map and off their
  // side's patrol area, with a route of two points, in index order.
  const std::vector<int>& ShipsNearFront() const { return ships_near_front_; }
  // Whether the column is a ship of a transport class, which fighters may attack.
  bool Transport(int column) const { return transport_[static_cast<size_t>(column)] != 0; }
  // Columns first..last (inclusive) whose army is not `army`.
  int ColumnsNotOf(const std::string& army, int first, int last) const;

 private:
  std::vector<int> carriers_;
  std::vector<int> ships_near_front_;
  std::vector<char> transport_;
  // Per army: how many of its columns come before each column index (one entry past the last).
  std::unordered_map<std::string, std::vector<int>> army_columns_before_;
};
