#pragma once

#include <string>
#include <string_view>
#include <vector>

class TMainForm;

// Lines of stationary.tavrek: a two-character mark ("X " switched off, two blanks on), then the
// game's static-object fields: name, class, side digit, x, y, heading and more.

struct ObjectFields {
  std::string class_name;
  std::string side;      // the first character of the side field
  std::string position;  // "x y"
};
ObjectFields ReadObjectFields(const std::string& line);
// The side of ObjectFields, as a view into the line.
std::string_view ObjectSide(std::string_view line);

// Only the mark says whether an object is switched off, not an "X " elsewhere in its line.
bool IsInactiveLine(std::string_view line);
// The line switched on or off: the mark, then the object's fields trimmed.
std::string ActivatedLine(const std::string& line);
std::string DeactivatedLine(const std::string& line);

// The parked supply trucks of both sides (they decide the reinforcement chance).
bool IsSupplyTruckLine(std::string_view line);
// Fuel trucks, tankers and fuel wagons (they decide the oil supply).
bool IsFuelCarrierLine(std::string_view line);

// The object lines of the campaign's stationary.tavrek, its header left out. A missing file is
// logged and throws; a file with more objects than the table holds is logged and throws.
std::vector<std::string> ReadStationaryObjects(TMainForm& form);
