#pragma once

#include <string>

class TMainForm;
struct MissionBuild;

// Dogfight missions: the born places where human pilots of each side pick an aircraft, the
// respawn times of ground objects, and each side's counts of aircraft and ground objects for
// the dogfight-server tool.

// " x y" of a born-place line: the whole metres of a position text "x.00 y.00", each number
// cut before its decimal point.
std::string BornPlaceCoordinates(const std::string& position);

// The fixed "[RespawnTime]" section.
std::string RespawnTimeSection();

// Fills build.born_place_text, build.respawn_text, build.army_bases_text and build.side_counts,
// and shows the news in DescLabel.
void WriteDogfightSections(TMainForm& form, MissionBuild& build);
