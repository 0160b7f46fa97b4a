#pragma once

#include <string>
#include <string_view>

#include "campaign_data/location_table.h"

// territory.tavrek: one line per location in index order, "Ridge 2 allied=0 axis=20": the
// name, the owner ("0" contested, "1" Allied, "2" Axis) and both sides' troops.
// locations.tavrek (written for outside tools only): "Ridge 2 41000.00 96250.00".

// `name` views the line it was read from.
struct TerritoryRecord {
  std::string_view name;
  char owner = '0';
  int allied = 0;
  int axis = 0;
};

// Reads one line; throws ConversionError saying what is wrong with it.
TerritoryRecord ParseTerritoryLine(std::string_view line);
// The line of a location, without its line end, added to the end of `text`.
void AppendTerritoryLine(std::string& text, const LocationEntry& location);
void AppendLocationsLine(std::string& text, const LocationEntry& location);
