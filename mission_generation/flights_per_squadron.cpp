#include "mission_generation/flights_per_squadron.h"

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_file.h"

void SetSqFlights(TMainForm& form) {
  const std::string& flights = form.FlightBox.Text;
  form.FlightsPerSquadron = 2;
  if (flights == "One") form.FlightsPerSquadron = 1;
  if (flights == "Three") form.FlightsPerSquadron = 3;
  if (flights == "Four") form.FlightsPerSquadron = 4;
}

void FlightBoxChange(TMainForm& form) {
  SetSqFlights(form);
  WriteIni(form);
  if (form.LinkMax.Checked) CalculateLinkedMax(form);
}

void WireFlightBox(TMainForm& form) {
  form.FlightBox.OnChange = [&form] { FlightBoxChange(form); };
}
