#pragma once

#include <string>

class TMainForm;

// Static ground objects destroyed in the flown mission, and the ground kills of the pilots
// who destroyed them.

enum class StaticKill {
  kUnknown,           // no static object of the campaign has the line's name
  kDestroyed,         // the object was destroyed by this line
  kAlreadyDestroyed,  // the object was destroyed before: nothing is counted again
};

// A "Static destroyed by" line: the object goes inactive, its side's troops at the nearest
// location lose strength, and a parked aircraft costs the squadron based there one aircraft.
StaticKill StaticDestroyed(TMainForm& form, const std::string& line);
// Credits the pilot named after " by " with a ground kill of the object the line names (a
// static object or a column vehicle). `object_type`, when not empty, names the target (the
// ship that ColumnDestroyed sank).
void RecordGroundKill(TMainForm& form, const std::string& line, const std::string& mode,
                      const std::string& object_type);

// The column a vehicle name belongs to: "12_Chief" of "12_Chief3", "12_Chief12" or a ferry's
// "12_Chief_Ferry3"; empty when the name holds no "Chief".
std::string VehicleColumnName(const std::string& vehicle);
