#pragma once

#include <string>
#include <vector>

class TMainForm;
struct MissionBuild;

// The mission's ground world: static objects placed for this mission, bridges knocked down so
// far, and whatever extra buildings, houses, rockets and static cameras the campaign defines.

// A class of the ground-object table that the installed game lacks, with the class that
// stands in for it (armour classes by their short names).
struct ClassStandIn {
  std::string missing;
  std::string stand_in;
};
// The rows of the ground-object table that can change a line, in table order.
std::vector<ClassStandIn> MissingClassStandIns(const TMainForm& form);
// The line with the first occurrence of each missing class replaced, row by row.
std::string WithStandInClasses(const std::string& line, const std::vector<ClassStandIn>& rows);

// Camp fires and balloons are left out of a daylight mission in fair weather.
bool HiddenByDaylight(const std::string& line, int hour, int weather);

// "[NStationary]" from StationaryMissionLine, which keeps the edits.
void WriteStationarySection(TMainForm& form, MissionBuild& build);
// "[Bridge]" and the bridges destroyed so far.
void WriteBridgeSection(TMainForm& form, MissionBuild& build);
// The campaign's buildings, houses, rockets and cameras, and two cameras: one on the target,
// one on the front centre.
void WriteBuildingsAndCameras(TMainForm& form, const MissionBuild& build);
