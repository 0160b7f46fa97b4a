#pragma once

class TMainForm;
struct MissionBuild;
struct SquadronRun;

// How each flight leaves its base: in turn from a numbered take-off slot, after a start delay
// (a "StartTime" line in its section), or in the air without a take-off leg. The base
// occupancy counters (ObjectPairA, ObjectPairB, ObjectPairC) count what each airfield and
// carrier has launched so far in this mission.

// Sets the counters to their start values: bases off the map and the British bases of
// Normandy start full, seaplane bases, harbours and ports nearly so, escort carriers with part
// of their deck taken.
void ResetBaseOccupancy(TMainForm& form, const MissionBuild& build);

// Places flight run.flight of run.squadron at its base: the first map location of the base's
// name, or else the first ship column of that name. Rebuilds SquadronTakeOffLeg (empty for an
// air start) and adds the flight's "StartTime" line to the flights text when it starts late.
void PlaceFlightAtBase(TMainForm& form, MissionBuild& build, SquadronRun& run);
