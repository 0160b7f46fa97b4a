#pragma once

class TMainForm;

// The owner rules of the territory.

// Rebuilds the locations from the map's route files and gives every place an owner and troops
// from the zones, the front centre and the map's front axis. False, with the tables' owners
// untouched and the failure logged, when the map has no location of the front centre's name.
bool RebuildOwnersFromFront(TMainForm& form);
// Gives stations, rail nodes, harbours, ports, seaplane bases and beachheads the owner of the
// nearest held land place, sea nodes the side of a column standing there, and the named places
// of the Pacific and the Channel their fixed owners.
void DeriveOwners(TMainForm& form);
