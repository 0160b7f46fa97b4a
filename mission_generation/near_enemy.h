#pragma once

class TMainForm;
class PlanRun;

// Sets LocationNearEnemy of every map location: "Y" when a location of another side and another
// name lies closer than the bug-out radius, else "N". The locations are bucketed by side in
// squares at least that radius wide, so a location is measured only against the other sides'
// locations in its own and the eight neighbouring squares, never against the whole map.
// Locations without a readable position are never near the enemy and count for no other.
void MarkLocationsNearEnemy(TMainForm& form, const PlanRun& run);
