#include "campaign_data/campaign_preferences.h"

#include <string>
#include <vector>

#include "app/main_window_controls.h"
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

void SetCampaignPreferenceControls(MainWindowControls& controls) {
  controls.MissionRadio.Items = {
      "Random",          "Bridge Attack/Recon", "Bridge Defense",      "Defense",
      "Escort",          "Ground Attack",       "Intercept",           "Shipping Strike",
      "Tank Busting",    "Train Busting",       "Truck Busting",       "Sweep/Recon",
      "Air Superiority", "Airfield Attack",     "Factory Sweep/Attack"};
  controls.MissionRadio.ItemIndex = 0;
  SetChoices(controls.DeSupplyBox, SupplyChoices(), 0);
  SetChoices(controls.RuSupplyBox, SupplyChoices(), 0);
  SetChoices(controls.DeOilBox, SupplyChoices(), 0);
  SetChoices(controls.RuOilBox, SupplyChoices(), 0);
  SetChoices(controls.STimeBox, TimeChoices(), 0);
  SetChoices(controls.ETimeBox, TimeChoices(), 0);
  SetChoices(controls.BWeatherBox, WeatherChoices(), 0);
  SetChoices(controls.WWeatherBox, WeatherChoices(), 6);
  SetChoices(controls.HCloudBox, {"Random", "500", "1000", "1500", "2000"}, 0);
  SetChoices(controls.InterceptBox, {"Random", "25%", "33%", "50%", "100%"}, 0);
  SetChoices(controls.FuelBox, {"100%", "75%", "50%", "25%"}, 0);
  SetChoices(controls.BriefSoundBox, {"None"}, 0);
  SetChoices(controls.TroopBox, {"10000", "5000", "1000", "500", "100", "50", "10", "5", "1"}, 2);
  controls.LinkBox.Text = "Unknown";
}
