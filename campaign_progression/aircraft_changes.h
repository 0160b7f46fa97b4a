#pragma once

class TMainForm;

// Aircraft changes by date: a squadron's type gives way to its successor when its service
// ends, a type not yet in service is flown by the nearest comparable type that is, and a type
// out of service may fall back to its predecessor.

// Sets the squadron's class to the type it flies instead of its own: a type of its army, in
// service, installed in the game, as close to its own as the class table allows. Only the
// class changes; the caller reloads the type data.
void AlternateAircraft(TMainForm& form, int squadron);
// The same match for an upgrade given as "random": the type changes once its own has left
// service (or is not installed).
void RandomAircraftUpgrade(TMainForm& form, int squadron);
// May change the squadron's aircraft type by the date; a larger pace changes it less often.
void HistoricDate(TMainForm& form, int squadron, int pace);
// Computer squadrons whose type is out of service step down to its downgrade type, each step
// with an even chance, up to ten steps; the squadrons are saved after every step.
void PlaneDownGrade(TMainForm& form);
