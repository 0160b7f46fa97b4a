#pragma once

class TMainForm;
class PlanRun;

// Fighters of the mission pair with friendly squadrons that attack ground targets or fly
// transports: each flies either as the squadron's escort, meeting it at a rendezvous and linked
// to it both ways, or on its own as cover over the squadron's target. A later cover replaces
// an earlier one of the same fighter, and the earlier squadron loses its cover.
void PlanEscorts(TMainForm& form, PlanRun& run);
