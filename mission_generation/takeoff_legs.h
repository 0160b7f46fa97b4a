#pragma once

class TMainForm;
struct BaseDirectory;

// Completes a flight's planned take-off line for its kind of base (airfield, harbour or
// seaplane base, ship column, carrier among the static objects) and, for the flights the
// TOCircle setting names, adds a climbing circle of five points behind the base.
// `slot` is the flight's take-off slot at its base (1 for the first, 0 where slots do not
// count); `flight` is the flight number 0 to 3. Rewrites SquadronTakeOffLeg.
void CreateTakeOffWay(TMainForm& form, int squadron, int slot, int flight);
// The same, with the carriers found through the mission builder's directory of bases rather
// than a walk through every static object.
void CreateTakeOffWay(TMainForm& form, const BaseDirectory& bases, int squadron, int slot,
                      int flight);
