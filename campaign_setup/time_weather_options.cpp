#include "campaign_setup/time_weather_options.h"

#include <string>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "platform/errors.h"

namespace {

constexpr const char* kRandom = "Random";
constexpr const char* kByStartEnd = "By Start/End Time";

bool IsDayNightChoice(const std::string& text) {
  return text == "Day" || text == "Night" || text == kByStartEnd;
}

}  // namespace

void WeatherBoxChange(TMainForm& form) {
  const int best = form.BWeatherBox.ItemIndex();
  if (form.WWeatherBox.ItemIndex() < best) form.WWeatherBox.SetItemIndex(best);
}

void TimeChange(TMainForm& form) {
  const bool fixed_time = form.STimeBox.Text != kRandom || form.ETimeBox.Text != kRandom;
  if (Contains(form.TimeSettingsBox.Text, "Slow") && fixed_time) {
    form.STimeBox.Text = kRandom;
    form.ETimeBox.Text = kRandom;
    throw ProgramError("Time Settings cannot be used if Time Passage Settings are \"Slow\".");
  }
  if (!IsDayNightChoice(form.DayNightBox.Text)) form.DayNightBox.Text = "Day";
  if (fixed_time) form.DayNightBox.Text = kByStartEnd;
  if (form.STimeBox.Text == "Real") {
    form.DayNightBox.Text = kByStartEnd;
    form.ETimeBox.Text = "Real";
  }
}

void DayNightBoxChange(TMainForm& form) {
  if (!IsDayNightChoice(form.DayNightBox.Text)) form.DayNightBox.Text = "Day";
  if (form.DayNightBox.Text != kByStartEnd) {
    form.STimeBox.Text = kRandom;
    form.ETimeBox.Text = kRandom;
  }
}

void WireTimeWeatherOptions(TMainForm& form) {
  for (TComboBox* box : {&form.BWeatherBox, &form.WWeatherBox, &form.FuelBox}) {
    box->OnChange = [&form] { WeatherBoxChange(form); };
  }
  form.STimeBox.OnChange = [&form] { TimeChange(form); };
  form.ETimeBox.OnChange = [&form] { TimeChange(form); };
  form.DayNightBox.OnChange = [&form] { DayNightBoxChange(form); };
}
