#pragma once

class TMainForm;

// The number of flights per squadron, chosen in FlightBox ("One" to "Four").

// FlightsPerSquadron from FlightBox's text; any other text gives two flights.
void SetSqFlights(TMainForm& form);
// FlightBox's change: sets the flights, saves the settings and, while the Options item LinkMax
// is ticked, recomputes every squadron's maximum strength.
void FlightBoxChange(TMainForm& form);
// Binds FlightBox's change.
void WireFlightBox(TMainForm& form);
