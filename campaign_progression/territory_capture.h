#pragma once

#include <string>
#include <vector>

class PlaceIndex;
class TMainForm;

// Territory capture and the front centre.

// Changes owners and troops from the columns present and writes the front news.
void TerritoryCapture(TMainForm& form);
// Moves the front centre and saves the campaign file.
void UpdateFront(TMainForm& form);
// Paratroops or glider troops (kind "Para" or "Glider") landing near a location.
void ParatroopCapture(TMainForm& form, const std::string& line, const std::string& kind);
// Troops the truck columns, trains or ships bring to the towns they stand at (or beside), in
// turn, found through `places` (an index of the unchanged location table); then one write of
// the territory files.
void TroopBuildup(TMainForm& form, const std::vector<int>& columns, const PlaceIndex& places);
// Puts every ground column down anew near the front (after the front moved) and rewrites
// stationary.tavrek and columns.tavrek.
void ResetObjects(TMainForm& form);
