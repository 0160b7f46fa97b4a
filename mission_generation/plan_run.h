#pragma once

#include <array>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "campaign_data/aircraft_classes.h"
#include "campaign_data/flat_name_map.h"
#include "campaign_data/geometry.h"
#include "campaign_data/squadron_table.h"

class TMainForm;

// A position of a column's route as the column phases read it ("x y"), with its whole metres
// when it could be read.
struct RoutePosition {
  std::string text;
  std::optional<WholeMetrePoint> point;
};

// The working data of one plan: the squadrons' effective bases and plane tallies, and the
// look-ups every phase asks again and again (locations by name, off-map names, columns by unit,
// positions already read, the front centre), built once so that no phase measures every
// location against every other or against every squadron.
class PlanRun {
 public:
  explicit PlanRun(TMainForm& form);

  // ---- Squadrons ----------------------------------------------------------------------------

  // A squadron whose data cannot be planned (the reason is in the run log); no phase touches it.
  bool LeftOut(int squadron) const { return left_out_[static_cast<size_t>(squadron)] != 0; }
  void LeaveOut(int squadron) { left_out_[static_cast<size_t>(squadron)] = 1; }

  // The base a squadron takes off from: its home base, or the place of the ship it is based on.
  std::string& EffectiveBase(int squadron) {
    return effective_base_[static_cast<size_t>(squadron)];
  }

  // Planes flagged so far per side ("1", "2") and role ("1".."7").
  int& Tally(int side, int role) {
    return tally_[static_cast<size_t>(side)][static_cast<size_t>(role)];
  }

  // Searches at sea already sent by a side.
  int& SeaSearchStep(int side) { return sea_search_steps_[static_cast<size_t>(side)]; }

  // ---- Map locations (0..LastLocation) ------------------------------------------------------

  // The locations of that name in index order.
  std::span<const int> LocationsNamed(const std::string& name) const;
  // The last location of that name; -1 when there is none.
  int LastLocationNamed(const std::string& name) const;
  // OffMapCheck's answer, without a walk through the table.
  bool OffMap(const std::string& name) const;

  // A location whose position could be read; the others are never targets or bases.
  bool Usable(int location) const { return points_[static_cast<size_t>(location)].has_value(); }
  const WholeMetrePoint& Point(int location) const {
    return *points_[static_cast<size_t>(location)];
  }
  // Reads the location's position again after it was moved; false when it cannot be read.
  bool RereadPosition(int location);

  // ---- Front centre ---------------------------------------------------------------------------

  bool HasFront() const { return front_.has_value(); }
  // FrontCenterIndex when it names a usable map location, else -1.
  int FrontIndex() const { return front_index_; }
  const WholeMetrePoint& FrontPoint() const { return *front_; }
  // TDistance(position, front centre, "Y") and TDistance(front centre, position, "Y"): within
  // the ActionRadius box's kilometres of the front centre; false without a front centre.
  bool NearFront(const WholeMetrePoint& point) const;
  bool FrontReaches(const WholeMetrePoint& point) const;
  // The same for a position text; false for an empty one.
  bool NearFront(const std::string& position) const;
  bool NearFront(const RoutePosition& position) const {
    return position.point && NearFront(*position.point);
  }

  // ---- Columns (0..LastColumn) ---------------------------------------------------------------

  bool ColumnLeftOut(int column) const {
    return column_left_out_[static_cast<size_t>(column)] != 0;
  }
  void LeaveOutColumn(int column) { column_left_out_[static_cast<size_t>(column)] = 1; }
  const std::vector<int>& ColumnsCarrying(const std::string& unit_name) const;
  // The position of route point 0 or 1 of a column, read once per plan.
  const RoutePosition& RouteStart(int column, int point) const {
    return route_starts_[static_cast<size_t>(column)][static_cast<size_t>(point)];
  }

  // ---- Reference data read once per plan ---------------------------------------------------

  // allpayloads.tavrek; empty when the file does not exist.
  const std::vector<AllPayloadsLine>& AllPayloads();
  // Whether the map has its patrol-area file.
  bool PatrolFileExists();
  // TroopBox as a number of troops (1000 when the box holds no number).
  int TroopLimit() const { return troop_limit_; }

  // Room for a squadron's record as it was before its turn in a phase, one turn at a time.
  SquadronEntry& RecordBeforeTurn() { return record_before_turn_; }

  TMainForm& form;

 private:
  void IndexLocations();
  // The number of a location's name, a new one for a name not seen before.
  int NumberName(std::string_view name);
  void ReadFrontCentre();
  void ReadActionRadiusBox();
  void ReadTroopLimit();
  void IndexColumns();
  bool WithinFrontRadius(const WholeMetrePoint& from, const WholeMetrePoint& to) const;

  std::vector<char> left_out_;
  std::vector<std::string> effective_base_;
  std::array<std::array<int, 8>, 3> tally_{};
  std::array<int, 3> sea_search_steps_{};

  // Each distinct name numbered; the locations of name n are named_entries_[named_starts_[n]]
  // up to named_entries_[named_starts_[n + 1]]. The keys are views of the names in the table:
  // a plan renames only scratch locations, beyond LastLocation.
  FlatNameMap name_numbers_;
  std::vector<int> named_starts_;
  std::vector<int> named_entries_;
  std::unordered_set<std::string> off_map_names_;
  std::vector<std::optional<WholeMetrePoint>> points_;
  std::optional<WholeMetrePoint> front_;
  int front_index_ = -1;
  long long front_radius_metres_ = 0;
  int troop_limit_ = 1000;

  std::vector<char> column_left_out_;
  std::unordered_map<std::string, std::vector<int>> columns_by_unit_;
  std::vector<std::array<RoutePosition, 2>> route_starts_;

  std::optional<std::vector<AllPayloadsLine>> all_payloads_;
  std::optional<bool> patrol_file_exists_;
  SquadronEntry record_before_turn_;
};

// Distance's answers for one squadron: its take-off position and reach are read once, and the
// range rules (0, 2, 3, 5, 50) are answered from positions already read. The player's squadron
// asked about the front centre under rule 0 still goes through Distance, which may widen the
// action radius; the reach follows such a change.
class SquadronReach {
 public:
  SquadronReach(TMainForm& form, int squadron);

  bool Within(const std::string& position, const WholeMetrePoint& point, int range_rule);
  // Reads the position first; an empty position is out of reach. Throws ConversionError for a
  // position that cannot be read.
  bool Within(const std::string& position, int range_rule);
  // A route position; one that could not be read is out of reach.
  bool Within(const RoutePosition& position, int range_rule) {
    return position.point && Within(position.text, *position.point, range_rule);
  }
  // Within for a point the player's squadron does not ask about as the front centre: the
  // answer needs no position text. False without a readable take-off position.
  bool Reaches(const WholeMetrePoint& point, int range_rule);
  bool HasBase() const { return base_.has_value(); }

  // The metres Reaches(point, rule) stays below under rule 0 (the reach) or 2.
  long long Limit(int range_rule);
  // For many points at once: squared whole metres from the take-off position settle whether a
  // point lies nearer than `limit` metres by the range tests' measure, except near the edge.
  // Nothing settles without a take-off position.
  struct SquaredLimit {
    WholeMetrePoint centre;        // the take-off position less a metre on each axis
    long long surely_within = -1;  // squared metres below which a point is nearer than the limit
    long long surely_beyond = std::numeric_limits<long long>::max();  // and above which it is not
    // Points farther out than this on an axis are measured, so that no square overflows.
    static constexpr long long kSquaredAxis = 1LL << 26;
    // 1 within, 0 beyond, -1 when the point must be measured.
    int Settle(const WholeMetrePoint& point) const {
      const long long dx = point.x - centre.x;
      const long long dy = point.y - centre.y;
      if (dx > kSquaredAxis || dx < -kSquaredAxis || dy > kSquaredAxis || dy < -kSquaredAxis) {
        return -1;
      }
      const long long squared = dx * dx + dy * dy;
      if (squared < surely_within) return 1;
      if (squared > surely_beyond) return 0;
      return -1;
    }
  };
  SquaredLimit Squared(long long limit) const;

 private:
  void ReadLimits();

  TMainForm& form_;
  int squadron_;
  std::optional<WholeMetrePoint> base_;
  long long limit_ = 0;
  int radius_km_ = 0;
};

// Whether a distance passes a range rule of Distance for a squadron reaching `limit` metres.
bool RangeRuleHolds(long long distance, long long limit, int range_rule);
