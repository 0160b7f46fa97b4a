#pragma once

class TMainForm;

// The number of flights per squadron, chosen in FlightBox ("One" to "Four").

// FlightsPerSquadron from FlightBox's text; any other text gives two flights.
void SetSqFlights(TMainForm& form);
// FlightBox's change: stores the new flight count and saves the settings; with LinkMax ticked
// in the Options menu it also works out each squadron's maximum strength again.
void FlightBoxChange(TMainForm& form);
// Binds FlightBox's change.
void WireFlightBox(TMainForm& form);
