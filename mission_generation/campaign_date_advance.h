#pragma once

#include <string>

class TMainForm;

// Each pass counts the mission it makes and moves the campaign date on by the campaign pace:
// "Normal", "Moderate" and "Fast" one day per pass, "Slow" one day every two passes, "Very
// Slow" every three and "Extremely Slow" every four.

struct CalendarDate {
  int day = 0;
  int month = 0;
  int year = 0;
  bool operator==(const CalendarDate&) const = default;
};

// A day past the end of its month becomes the first of the next month, and a thirteenth month
// the January of the next year. February always has 28 days.
CalendarDate RollOverMonthEnd(CalendarDate date);

struct DateAdvance {
  std::string mission_time;  // missions flown on the campaign day ("0" starts a day)
  CalendarDate date;
  bool slow_day_ended = false;           // a slow pace reached its missions per day
  bool mission_time_unreadable = false;  // the count was no number and started again
  bool operator==(const DateAdvance&) const = default;
};

// The mission count and the date after one pass. `day_step` is the days one campaign day moves
// (0 keeps the date); a new campaign counts nothing and keeps its date.
DateAdvance AdvanceDate(const std::string& mission_time, const std::string& pace, int day_step,
                        bool new_campaign, CalendarDate date);

// Sets DayStep for the run (0 when a replaced game generator's mode runs without arguments),
// counts the mission and advances CampaignDay, CampaignMonth and CampaignYear; keeps the old date
// text in PreviousDateText. The end of a slow-pace day sets the mission's start and end times to
// "Random" unless the start time is "Real".
void AdvanceCampaignDate(TMainForm& form);
