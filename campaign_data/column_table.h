#pragma once

#include <string>
#include <vector>

#include "campaign_data/fixed_table.h"
#include "campaign_data/name_index.h"

inline constexpr int kColumnCapacity = 1025;
inline constexpr int kColumnRouteCapacity = 1029;

// One column's route: each entry is a road-format position line (x, y, z, then more fields).
// Unwritten entries read back empty; indexing past the capacity raises an error rather than
// writing out of bounds.
class ColumnRoutePoints {
 public:
  std::string& operator[](int index) {
    Check(index);
    if (index >= static_cast<int>(points_.size())) points_.resize(static_cast<size_t>(index) + 1);
    return points_[static_cast<size_t>(index)];
  }
  const std::string& operator[](int index) const {
    static const std::string kEmpty;
    Check(index);
    return index < static_cast<int>(points_.size()) ? points_[static_cast<size_t>(index)] : kEmpty;
  }
  void Clear() { points_.clear(); }

 private:
  static void Check(int index) {
    if (index < 0 || index >= kColumnRouteCapacity) {
      throw ProgramError("Route point " + std::to_string(index) + " outside 0.." +
                         std::to_string(kColumnRouteCapacity - 1) + ".");
    }
  }
  std::vector<std::string> points_;
};

// One ground column of columns.tavrek (vehicles, armour, a train or a ship).
struct ColumnEntry {
  std::string ColumnHeader;    // "[" + name + "_Road]": the column's road section in the mission
  std::string ColumnUnitName;  // the unit's own name; "sunk" in any case marks a sunk ship
  std::string ColumnType;      // name, kind.class and army: the line before "@"
  std::string ColumnName;      // the first word of ColumnType
  std::string ColumnPlace;     // a location, a patrol area, the carrying transport, or "Blank"
  std::string ColumnArmy;      // "1" Allied, "2" Axis
  // Owner of the column's current place for the next move; set to "0" while an enemy column
  // is moving onto that place.
  std::string ColumnPlaceOwner;
  // Which side's direction the column follows along its route sections: "2" runs a section
  // from its first location towards the second, "1" runs it backwards. A column that is pushed
  // back adopts the attacker's direction.
  std::string ColumnHeading;
  std::string ColumnDestination;       // where the column will be after the next mission
  std::string ColumnDestinationOwner;  // the side that holds the destination
  std::string ColumnInMission;         // "Y" once the mission's column section holds it
  std::string ColumnTransportLink;     // "Y" for a transport and the column it carries
  ColumnRoutePoints ColumnRoute;
  std::string ColumnStatus;  // working state of the run: "L", "Y", "T" ...
  std::string ColumnMarks;   // the saved state letter (after "~" in the file)
  std::string ColumnMobile;  // "N" once turned into static objects
  int ColumnLastRoutePoint = -1;
  int ColumnHits = 0;
  std::string ColumnArmorChange;  // "N", or "+1" / "-1" for an armour change by date
};

using ColumnTableType = FixedTable<ColumnEntry, kColumnCapacity>;

// The columns 0..LastColumn by unit name (a carrier's unit name is the base of its squadrons).
using ColumnUnitNameIndex = NameIndex<ColumnEntry, kColumnCapacity, &ColumnEntry::ColumnUnitName>;
