#pragma once

class TMainForm;
class PlanRun;

// Gives every flagged squadron, from the last to the first, its first mission: a target drawn
// from the map's locations near the front within its reach (the more valuable static objects a
// place holds, the likelier), then the kind of mission its role, type, payloads and target
// allow, with the target leg and the half-way point. The player's squadron follows the custom
// mission panel where it can. A squadron that must fly ("Active True ") tries again until it
// has a target leg, a bounded number of times.
void SelectMissions(TMainForm& form, PlanRun& run);

// Attempts a squadron that must fly gets before it stays at its base.
inline constexpr int kSelectionAttempts = 12;
