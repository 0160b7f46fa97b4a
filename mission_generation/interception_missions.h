#pragma once

class TMainForm;
class PlanRun;

// Fighters against enemy squadrons that attack ground targets: a fighter that gets to the
// target no later than the attackers either intercepts them at their half-way point or patrols
// over their target. A later pairing of the same fighter replaces the earlier one, which then
// loses its link.
void PlanInterceptions(TMainForm& form, PlanRun& run);

// At most one enemy fighter squadron intercepts the player's squadron, with the chance the
// player set; one taken from an earlier pairing leaves that pairing.
void PlanPlayerInterception(TMainForm& form, PlanRun& run);
