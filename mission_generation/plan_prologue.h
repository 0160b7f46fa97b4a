#pragma once

class TMainForm;
class PlanRun;

// What the plan prepares before any squadron is given a mission.

// A player's squadron on a type the player cannot fly ends the campaign outside co-op mode.
void CheckPlayerAircraft(TMainForm& form);
// The first mission of a campaign day: what each side knew from its reconnaissance fades. Only
// the counts in memory change; the plan saves them when it completes.
void DecayReconCounts(TMainForm& form);
// The base each squadron takes off from: its home base, or the place of the ship that carries
// it (the last column of that unit name).
void FindEffectiveBases(TMainForm& form, PlanRun& run);
// Launch loads to start from: a carrier column starts with its own aircraft, a map location by
// its nearness to the front, an inactive radio, a harbour or being off the map. A held location
// moves onto its most valuable placed static object.
void StartLaunchLoads(TMainForm& form, PlanRun& run);
// Every squadron's mission fields back to "no mission" (and paratroop loads off unless
// paratroopers are allowed).
void ResetMissionFields(TMainForm& form);
