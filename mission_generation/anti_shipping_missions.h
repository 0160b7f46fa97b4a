#pragma once

class TMainForm;
class PlanRun;

// Torpedo and bomb carriers attack enemy ships of the mission: carriers the side has found by
// reconnaissance first, then any ship near the front (fighters only transports, far ships one
// time in three). The flight aims where the ship will be when it arrives and makes two attack
// passes along its course. The first mission of a new campaign has no shipping strikes.
void PlanAntiShippingStrikes(TMainForm& form, PlanRun& run);
