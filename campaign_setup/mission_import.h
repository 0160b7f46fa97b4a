#pragma once

#include <string>

class TMainForm;
struct MasterMission;
struct MasterMissionTypes;

// Import of a master mission into the campaign.

// Writes the campaign's tables and files from the mission file at this path: squadrons (with
// the player's squadron in front unless the campaign keeps its squadrons), columns, static
// objects and the building, house, rocket and camera sections; marks the campaign new and
// takes the map and date. A mission without a column, a flyable squadron or a static object is
// refused before anything is written or changed.
void ImportData(TMainForm& form, const std::string& mission_path);

// The aircraft types and ground-object stand-ins of the loaded tables, as the reader needs them.
MasterMissionTypes MasterMissionTypesOf(const TMainForm& form);
// The master mission at the path, read and checked as ImportData checks it; throws ProgramError
// with ImportData's texts when it cannot be a campaign.
MasterMission ReadCheckedMasterMission(TMainForm& form, const std::string& mission_path);
