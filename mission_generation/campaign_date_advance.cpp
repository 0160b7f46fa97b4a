#include "mission_generation/campaign_date_advance.h"

#include <limits>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "platform/errors.h"

namespace {

// Missions a day at a slow pace; 0 for the paces that move one day per pass.
int SlowPaceMissionsPerDay(const std::string& pace) {
  if (pace == "Slow") return 2;
  if (pace == "Very Slow") return 3;
  if (pace == "Extremely Slow") return 4;
  return 0;
}

int DaysInMonth(int month) {
  if (month == 2) return 28;
  if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
  return 31;
}

}  // namespace

CalendarDate RollOverMonthEnd(CalendarDate date) {
  if (date.day > DaysInMonth(date.month)) {
    date.day = 1;
    ++date.month;
  }
  if (date.month > 12) {
    date.month = 1;
    ++date.year;
  }
  return date;
}

DateAdvance AdvanceDate(const std::string& mission_time, const std::string& pace, int day_step,
                        bool new_campaign, CalendarDate date) {
  DateAdvance result{mission_time, date, false, false};
  if (!new_campaign) {
    try {
      const int flown = StrToInt(Trim(mission_time));
      // The count never wraps round to a negative number.
      result.mission_time = IntToStr(flown < std::numeric_limits<int>::max() ? flown + 1 : flown);
    } catch (const ConversionError&) {
      result.mission_time = "0";
      result.mission_time_unreadable = true;
    }
  }
  const int per_day = SlowPaceMissionsPerDay(pace);
  // At or past the day's number: a count carried over from a slower pace still ends the day.
  if (day_step > 0 && per_day > 0 && StrToIntDef(result.mission_time, 0) >= per_day) {
    result.mission_time = "0";
    if (!new_campaign) result.date.day += day_step;
    result.slow_day_ended = true;
  }
  if (!Contains(pace, "Slow")) {
    result.mission_time = "0";
    if (!new_campaign) result.date.day += day_step;
  }
  result.date = RollOverMonthEnd(result.date);
  return result;
}

void AdvanceCampaignDate(TMainForm& form) {
  form.DayStep = (!form.CommandLineRun() && GeneratorReplacementOn(form)) ? 0 : 1;
  const DateAdvance advance = AdvanceDate(
      form.MissionTime, form.TimeSettingsBox.Text, form.DayStep, form.NewCampaignFlag == "Y",
      CalendarDate{form.CampaignDay, form.CampaignMonth, form.CampaignYear});
  if (advance.mission_time_unreadable) {
    ErrorLog(form, "The mission count \"" + form.MissionTime +
                       "\" of the campaign file is not a number; it starts again at 0.");
  }
  form.MissionTime = advance.mission_time;
  if (advance.slow_day_ended && form.STimeBox.Text != "Real") {
    form.STimeBox.Text = "Random";
    form.ETimeBox.Text = "Random";
  }
  form.PreviousDateText = form.CampaignDateText;
  form.CampaignDay = advance.date.day;
  form.CampaignMonth = advance.date.month;
  form.CampaignYear = advance.date.year;
}
