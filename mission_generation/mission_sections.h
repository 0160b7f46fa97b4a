#pragma once

#include <memory>

class TMainForm;
class TextLines;

// Sections of the mission file taken from the campaign's and the program's files.

// BuildingsText, HousesText, RocketsText and CamerasText: each its section header and the lines
// of buildings.tavrek, houses.tavrek, rockets.tavrek or cameras.tavrek of the campaign folder
// (the file's first line, its header, is skipped). A missing file leaves the bare header; one
// that cannot be read throws FileError.
void BuildingList(TMainForm& form);

// Replaces the squadron's take-off leg by the lines airfields.tavrek holds for its home base:
// the last section whose header line contains the base name. A base named in no header, or no
// base at all, leaves the leg as it was. A missing airfields.tavrek throws FileError.
void LoadTakeoff(TMainForm& form, int squadron);
// The same from the lines of airfields.tavrek read before (AirfieldLines), for a caller that
// places many squadrons.
void LoadTakeoff(TMainForm& form, int squadron, const TextLines& airfields);
// The lines of the airfields.tavrek the take-offs come from; throws FileError when missing.
std::shared_ptr<const TextLines> AirfieldLines(TMainForm& form);
