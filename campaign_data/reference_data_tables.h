#pragma once

#include <array>
#include <string>

#include "campaign_data/fixed_table.h"

// The read-only tables of the data folder: armour, ship names, ground-object types, the
// battle's front-line objects and the aircraft types the game installation holds.

// One vehicle type of armor.tavrek.
struct ArmorEntry {
  std::string ArmorName;
  std::string ArmorArmy;
  std::string ArmorServiceStart;  // yyyymm
  std::string ArmorServiceEnd;    // yyyymm
  std::string ArmorUpgrade;
  int ArmorValueA = 10;  // attack strength of one vehicle
  int ArmorValueB = 10;  // defence strength of one vehicle
};

inline constexpr int kArmorCapacity = 501;
using ArmorTableType = FixedTable<ArmorEntry, kArmorCapacity>;

// One ship class of shipnames.tavrek with the names its ships are given in turn.
inline constexpr int kShipNamesPerClass = 14;
struct ShipClassEntry {
  std::string ShipClass;  // occurs in the type of a ship column
  std::array<std::string, kShipNamesPerClass> ShipName;
  int ShipNameNext = 0;  // the next name not given yet; kept by the campaign, not by loading
};

inline constexpr int kShipClassCapacity = 1029;
using ShipNameTableType = FixedTable<ShipClassEntry, kShipClassCapacity>;

// One object class of gobjects.tavrek.
struct GroundObjectTypeEntry {
  std::string GroundObjectName;
  std::string GroundObjectField2;  // stand-in class when the edition lacks it; "none" for none
  std::string GroundObjectAvailable = "0";  // "1" when the installed edition has the class
};

inline constexpr int kGroundObjectTypeCapacity = 1000;
using GroundObjectTypeTableType = FixedTable<GroundObjectTypeEntry, kGroundObjectTypeCapacity>;

// Up to three object classes each side puts along the front in this battle, stored at
// 4 * army + n for n = 1..3; entries 0-4 and 8 stay unused.
inline constexpr int kFrontObjectCapacity = 12;
using FrontObjectTableType = FixedTable<std::string, kFrontObjectCapacity>;

// Lower-case names of the aircraft types the installed game provides.
inline constexpr int kActivePlaneCapacity = 501;
using ActivePlaneListType = FixedTable<std::string, kActivePlaneCapacity>;
