#include "campaign_data/campaign_preferences.h"

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"

namespace {

std::vector<std::string> SupplyChoices() {
  return {"Default", "+100%", "+90%", "+80%", "+70%", "+60%",
          "+50%",    "+40%",  "+30%", "+20%", "+10%"};
}

std::vector<std::string> TimeChoices() {
  std::vector<std::string> choices{"Random", "Real"};
  for (int hour = 1; hour <= 24; ++hour) choices.push_back(ZeroPad(hour, 2) + ":00");
  return choices;
}

std::vector<std::string> WeatherChoices() {
  return {"Clear", "Good", "Hazy", "Poor", "Blind", "Rain/Snow", "Thunder Showers"};
}

void SetChoices(TComboBox& box, std::vector<std::string> items, int selected) {
  box.Items = std::move(items);
  box.SetItemIndex(selected);
}

}  // namespace

void SetCampaignPreferenceControls(TMainForm& form) {
  form.MissionRadio.Items = {
      "Random",          "Bridge Attack/Recon", "Bridge Defense",      "Defense",
      "Escort",          "Ground Attack",       "Intercept",           "Shipping Strike",
      "Tank Busting",    "Train Busting",       "Truck Busting",       "Sweep/Recon",
      "Air Superiority", "Airfield Attack",     "Factory Sweep/Attack"};
  form.MissionRadio.ItemIndex = 0;
  SetChoices(form.DeSupplyBox, SupplyChoices(), 0);
  SetChoices(form.RuSupplyBox, SupplyChoices(), 0);
  SetChoices(form.DeOilBox, SupplyChoices(), 0);
  SetChoices(form.RuOilBox, SupplyChoices(), 0);
  SetChoices(form.DayNightBox, {"Day", "Night", "By Start/End Time"}, 0);
  SetChoices(form.STimeBox, TimeChoices(), 0);
  SetChoices(form.ETimeBox, TimeChoices(), 0);
  SetChoices(form.BWeatherBox, WeatherChoices(), 0);
  SetChoices(form.WWeatherBox, WeatherChoices(), 6);
  SetChoices(form.HCloudBox, {"Random", "500", "1000", "1500", "2000"}, 0);
  SetChoices(form.InterceptBox, {"Random", "25%", "33%", "50%", "100%"}, 0);
  SetChoices(form.FuelBox, {"100%", "75%", "50%", "25%"}, 0);
  SetChoices(form.BriefSoundBox, {"None"}, 0);
  SetChoices(form.TroopBox, {"10000", "5000", "1000", "500", "100", "50", "10", "5", "1"}, 2);
  form.LinkBox.Text = "Unknown";
}
