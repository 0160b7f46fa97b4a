#pragma once

#include <string>

class TMainForm;

// The location table, built from the map's route files: roads (".rds"), rails (".rls") and
// sea routes (".srd"), each section "[A to B]" followed by the route's waypoints from A to B.
// The same build finds the front centre, the rail and sea entry points of both sides, the two
// patrol areas of the ".prd" file and the off-map locations of offmap.tavrek.

// The full build.
void TargetLocations(TMainForm& form);
// Names and positions only; front centre, entry points, patrol areas and off-map flags stay
// as they are, every LocationOffMap is empty afterwards.
void TargetInitialization(TMainForm& form);
// Edit menu, Column Waypoint Check: reports road waypoints that lie too close together near
// the ends of a route.
void ColumnWaypointCheckClick(TMainForm& form);
