#include "campaign_setup/flight_sizes.h"

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_file.h"
#include "platform/file_system.h"

namespace {

constexpr int kLargestFlight = 4;

// "One" to "Four" as a number; 0 for "Default" and for any other text.
int ChosenSize(const std::string& choice) {
  if (choice == "One") return 1;
  if (choice == "Two") return 2;
  if (choice == "Three") return 3;
  if (choice == "Four") return 4;
  return 0;
}

int SizeOf(const std::string& choice, int fallback, int by_date) {
  if (const int chosen = ChosenSize(choice); chosen > 0) return chosen;
  return choice == "Default" ? by_date : fallback;
}

}  // namespace

FlightSizes FlightSizesFor(const std::string& axis_choice, const std::string& soviet_choice,
                           const std::string& british_american_choice, int year, int month,
                           const std::string& map_name) {
  FlightSizes sizes;
  sizes.axis = SizeOf(axis_choice, 4, 4);
  // Soviet regiments flew threes until the pair-based four took over in 1943.
  sizes.soviet = SizeOf(soviet_choice, 4, year > 1942 ? 4 : 3);
  // The British and Americans took up the finger four from the middle of 1941, though not yet
  // over Singapore.
  const bool finger_four = year > 1941 || (year == 1941 && month > 6);
  const bool early_singapore = map_name == "Singapore" && year < 1943;
  sizes.british_american =
      SizeOf(british_american_choice, 3, finger_four && !early_singapore ? 4 : 3);
  return sizes;
}

void SetFlightSizes(TMainForm& form) {
  const FlightSizes sizes =
      FlightSizesFor(form.DeSchwarm.Text, form.RuSchwarm.Text, form.BASchwarm.Text,
                     form.CampaignYear, form.CampaignMonth, form.MapName);
  form.DeFlightSize = sizes.axis;
  form.RuFlightSize = sizes.soviet;
  form.BAFlightSize = sizes.british_american;
}

void SchwarmNumber(TMainForm& form) {
  SetFlightSizes(form);
  if (!FileExists(form.CampaignFolder + "squadrons.tavrek")) return;
  SquadronList(form, "OFF");
  for (int i = 0; i <= form.LastSquadron; ++i) {
    int& per_flight = form.SquadronTable[i].PlanesExtra;
    if (per_flight > kLargestFlight) per_flight = 0;
    FlightSizeCheck(form, i);
  }
  SaveSquadrons(form, 0);
}

void SchwarmChange(TMainForm& form) {
  SchwarmNumber(form);
  WriteIni(form);
}

void WireFlightSizeBoxes(TMainForm& form) {
  for (TComboBox* box : {&form.DeSchwarm, &form.RuSchwarm, &form.BASchwarm}) {
    box->OnChange = [&form] { SchwarmChange(form); };
  }
}
