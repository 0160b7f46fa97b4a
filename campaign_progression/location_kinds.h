#pragma once

#include "campaign_data/text.h"

#include <string_view>

// What kind of place a location is, told from its name alone: the route files give a place no
// other mark. Every test is a case-sensitive search for a part of the name.

// A station, rail node, harbour, port, beachhead or sea node: "Sea" also takes every seaplane
// base. Troops never hold such a place and the front never runs through it.
bool IsNonLandLocation(std::string_view name);
inline bool IsLandLocation(std::string_view name) {
  return !IsNonLandLocation(name);
}
// A node of the sea routes (a seaplane base is not one).
bool IsSeaNode(std::string_view name);
// A land location with a real name (two characters or more, blanks aside): the places that can
// be captured, contested and reported.
bool IsFrontLocation(std::string_view name);
