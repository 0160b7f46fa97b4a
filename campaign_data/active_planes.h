#pragma once

class TMainForm;

// The aircraft types installed in the game: ActivePlaneList, 0..LastActivePlane.

inline constexpr int kActivePlaneCapacity = 501;

// Fills ActivePlaneList from the game's skin folders.
void GetActivePlanes(TMainForm& form);
