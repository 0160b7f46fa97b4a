#pragma once

class TMainForm;
class PlanRun;

// Flying squadrons attack enemy ground columns of the mission near the front: each gets a
// number of attempts from its role, unit, type, the map and the player's wishes; an attempt
// takes the first eligible column (a later one only on a draw), and the flight aims where the
// column will be when it arrives. Computer-flown squadrons take armour only, and only ground
// attackers and dive bombers; the player's squadron takes the kind of column it asks for.
void PlanGroundAttacks(TMainForm& form, PlanRun& run);

// Whether the player's squadron, with its preference, refuses a column of this kind: tank,
// train and truck busting take only their own kind, ground attack and "Random" any kind.
bool PlayerRefusesColumn(int preference, bool armour, bool train, bool vehicles,
                         bool default_ground_attack_load, bool ground_attacker);
