#include "mission_generation/near_enemy.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/point_grid.h"
#include "mission_generation/plan_run.h"

namespace {

// The usable locations bucketed by side and by square cells of a box around them, all in one
// array. A cell is at least the radius wide, so whatever lies nearer than the radius to a point
// lies in the point's cell or one of the eight around it; on a map that would need many more
// cells than it has locations, the cells grow until the array stays about the locations' size.
class SideCells {
 public:
  SideCells(const TMainForm& form, const PlanRun& run, long long radius)
      : side_of_(static_cast<size_t>(std::max(form.LastLocation + 1, 0)), -1) {
    std::map<std::string, int> side_ids;
    std::vector<WholeMetrePoint> points;
    for (int j = 0; j <= form.LastLocation; ++j) {
      if (!run.Usable(j)) continue;
      const std::string& side = form.LocationTable[j].LocationArmy;
      auto found = side_ids.find(side);
      if (found == side_ids.end()) {
        found = side_ids.emplace(side, static_cast<int>(side_ids.size())).first;
      }
      side_of_[static_cast<size_t>(j)] = found->second;
      points.push_back(run.Point(j));
    }
    sides_ = static_cast<int>(side_ids.size());
    if (points.empty()) return;
    Lay(BoxAround(points), radius, points.size());
    Fill(run);
  }

  // The side's index of a usable location; -1 for the others.
  int SideOf(int location) const { return side_of_[static_cast<size_t>(location)]; }
  int Sides() const { return sides_; }

  // Calls `visit(j)` for the locations of `side` in the cells around `point` until it answers
  // true; answers whether one did.
  template <typename Visit>
  bool AnyAround(const WholeMetrePoint& point, int side, Visit&& visit) const {
    const long long column = (point.x - min_x_) / cell_;
    const long long row = (point.y - min_y_) / cell_;
    for (long long r = std::max(row - 1, 0LL); r <= std::min(row + 1, rows_ - 1); ++r) {
      const long long first = Cell(side, r, std::max(column - 1, 0LL));
      const long long last = Cell(side, r, std::min(column + 1, columns_ - 1));
      const int end = starts_[static_cast<size_t>(last + 1)];
      for (int e = starts_[static_cast<size_t>(first)]; e < end; ++e) {
        if (visit(entries_[static_cast<size_t>(e)])) return true;
      }
    }
    return false;
  }

 private:
  void Lay(const MetreBox& box, long long radius, size_t locations) {
    min_x_ = box.min_x;
    min_y_ = box.min_y;
    const long long cell_limit = 4 * static_cast<long long>(locations) + 16;
    cell_ = std::max(radius, 1LL);
    for (;;) {
      columns_ = (box.max_x - box.min_x) / cell_ + 1;
      rows_ = (box.max_y - box.min_y) / cell_ + 1;
      if (columns_ <= cell_limit && rows_ <= cell_limit && columns_ * rows_ <= cell_limit) break;
      cell_ *= 2;
    }
  }

  // Counting sort of the locations into their cells, in index order within each cell.
  void Fill(const PlanRun& run) {
    const long long cells = sides_ * rows_ * columns_;
    starts_.assign(static_cast<size_t>(cells + 1), 0);
    std::vector<long long> cell_of(side_of_.size(), -1);
    for (size_t j = 0; j < side_of_.size(); ++j) {
      if (side_of_[j] < 0) continue;
      const WholeMetrePoint& point = run.Point(static_cast<int>(j));
      cell_of[j] = Cell(side_of_[j], (point.y - min_y_) / cell_, (point.x - min_x_) / cell_);
      ++starts_[static_cast<size_t>(cell_of[j] + 1)];
    }
    for (size_t c = 1; c < starts_.size(); ++c) starts_[c] += starts_[c - 1];
    entries_.resize(static_cast<size_t>(starts_.back()));
    std::vector<int> next(starts_.begin(), starts_.end() - 1);
    for (size_t j = 0; j < side_of_.size(); ++j) {
      if (cell_of[j] < 0) continue;
      entries_[static_cast<size_t>(next[static_cast<size_t>(cell_of[j])]++)] = static_cast<int>(j);
    }
  }

  long long Cell(int side, long long row, long long column) const {
    return (side * rows_ + row) * columns_ + column;
  }

  std::vector<int> side_of_;
  int sides_ = 0;
  long long min_x_ = 0;
  long long min_y_ = 0;
  long long cell_ = 1;
  long long columns_ = 0;
  long long rows_ = 0;
  std::vector<int> starts_;   // first entry of each cell, and one past the last
  std::vector<int> entries_;  // location indices, cell by cell
};

}  // namespace

void MarkLocationsNearEnemy(TMainForm& form, const PlanRun& run) {
  const long long radius = form.BugOutRadius * 1000LL;
  const SideCells cells(form, run, radius);

  auto near_enemy = [&](int i) {
    const std::string& name = std::as_const(form.LocationTable)[i].LocationName;
    const WholeMetrePoint& at = run.Point(i);
    const auto enemy = [&](int j) {
      const WholeMetrePoint& other = run.Point(j);
      return WholeMetreDistance(at.x - other.x, at.y - other.y) < radius &&
             std::as_const(form.LocationTable)[j].LocationName != name;
    };
    for (int side = 0; side < cells.Sides(); ++side) {
      if (side != cells.SideOf(i) && cells.AnyAround(at, side, enemy)) return true;
    }
    return false;
  };

  for (int i = 0; i <= form.LastLocation; ++i) {
    form.LocationTable[i].LocationNearEnemy = run.Usable(i) && near_enemy(i) ? "Y" : "N";
  }
}
