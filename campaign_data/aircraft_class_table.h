#pragma once

#include <string>

#include "campaign_data/fixed_table.h"

// One aircraft type of class.tavrek with its payload options from payloads.tavrek.
struct AircraftClassEntry {
  std::string ClassName;
  std::string ClassDescription;
  std::string ClassCountry;
  std::string ClassArmy;
  std::string ClassFamily;  // AircraftFamily code "1".."7"
  std::string ClassFlyable;
  std::string ClassServiceStart;
  std::string ClassServiceEnd;
  std::string ClassUpgrade;
  std::string ClassGameName;
  std::string ClassDowngrade;
  std::string ClassTransitAlt;
  std::string ClassCruiseSpeed;
  std::string ClassRange;
  std::string ClassIngressSpeed;
  std::string PayloadDefault;
  std::string Payload2;
  std::string Payload3;
  std::string Payload4;
  std::string Payload5;
  std::string Payload6;
  std::string BannedPayload;
};

inline constexpr int kAircraftClassCapacity = 501;
using AircraftClassTableType = FixedTable<AircraftClassEntry, kAircraftClassCapacity>;
