#pragma once

#include <string>
#include <vector>

#include "campaign_data/fixed_table.h"

// One ground column of columns.tavrek (vehicles, armour, a train or a ship).
struct ColumnEntry {
  std::string ColumnHeader;
  std::string ColumnUnitName;
  std::string ColumnType;
  std::string ColumnName;
  std::string ColumnPlace;
  std::string ColumnArmy;
  std::string ColumnRouteArmyA;
  std::string ColumnRouteArmyB;
  std::string ColumnRouteArmyC;
  std::string ColumnDestination;
  std::string ColumnInMission;
  std::string ColumnTransportLink;
  std::string ColumnStatus;
  std::string ColumnMarks;
  std::string ColumnMobile;
  std::vector<std::string> ColumnRoute;  // route points, at most kColumnRouteCapacity
  int ColumnLastRoutePoint = -1;
  int ColumnHits = 0;
  std::string ColumnArmorChange;
};

inline constexpr int kColumnCapacity = 1025;
inline constexpr int kColumnRouteCapacity = 1029;
using ColumnTableType = FixedTable<ColumnEntry, kColumnCapacity>;
