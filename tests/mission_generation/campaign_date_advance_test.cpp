#include "mission_generation/campaign_date_advance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;

TEST(CampaignDate, MonthAndYearEnds) {
  struct Case {
    CalendarDate before;
    CalendarDate after;
  };
  const Case cases[] = {
      {{32, 12, 1944}, {1, 1, 1945}}, {{29, 2, 1944}, {1, 3, 1944}},
      {{28, 2, 1945}, {28, 2, 1945}}, {{31, 4, 1945}, {1, 5, 1945}},
      {{31, 5, 1945}, {31, 5, 1945}}, {{31, 11, 1942}, {1, 12, 1942}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RollOverMonthEnd(c.before), c.after)
        << c.before.day << "/" << c.before.month << "/" << c.before.year;
  }
}

TEST(CampaignDate, MissionCountAndDayByPace) {
  struct Case {
    const char* name;
    std::string mission_time;
    std::string pace;
    int day_step;
    bool new_campaign;
    CalendarDate date;
    DateAdvance expected;
  };
  const CalendarDate april6{6, 4, 1945};
  const CalendarDate april7{7, 4, 1945};
  const Case cases[] = {
      {"normal: a day per pass", "0", "Normal", 1, false, april6, {"0", april7, false, false}},
      {"fast: a day per pass", "0", "Fast", 1, false, april6, {"0", april7, false, false}},
      {"slow, first of the day", "0", "Slow", 1, false, april6, {"1", april6, false, false}},
      {"slow, second ends the day", "1", "Slow", 1, false, april6, {"0", april7, true, false}},
      {"very slow, second", "1", "Very Slow", 1, false, april6, {"2", april6, false, false}},
      {"very slow, third", "2", "Very Slow", 1, false, april6, {"0", april7, true, false}},
      {"extremely slow, fourth",
       "3",
       "Extremely Slow",
       1,
       false,
       april6,
       {"0", april7, true, false}},
      {"slow past its number", "3", "Slow", 1, false, april6, {"0", april7, true, false}},
      {"slow without moving the date", "1", "Slow", 0, false, april6, {"2", april6, false, false}},
      {"normal without moving the date",
       "0",
       "Normal",
       0,
       false,
       april6,
       {"0", april6, false, false}},
      {"new campaign: nothing moves", "0", "Normal", 1, true, april6, {"0", april6, false, false}},
      {"new campaign at a slow pace", "1", "Slow", 1, true, april6, {"1", april6, false, false}},
      {"count that is no number", "x", "Slow", 1, false, april6, {"0", april6, false, true}},
      {"count with blanks", " 0 ", "Slow", 1, false, april6, {"1", april6, false, false}},
      {"31 December", "0", "Normal", 1, false, {31, 12, 1944}, {"0", {1, 1, 1945}, false, false}},
      {"28 February", "0", "Moderate", 1, false, {28, 2, 1944}, {"0", {1, 3, 1944}, false, false}},
      {"largest count",
       "2147483647",
       "Extremely Slow",
       0,
       false,
       april6,
       {"2147483647", april6, false, false}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AdvanceDate(c.mission_time, c.pace, c.day_step, c.new_campaign, c.date), c.expected)
        << c.name;
  }
}

TEST(CampaignDate, AdvanceSetsTheRunsDayStepAndTheSlowDaysTimes) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.CampaignDateText = "06/04/1945";
  form.CampaignDay = 6;
  form.CampaignMonth = 4;
  form.CampaignYear = 1945;
  form.MissionTime = "1";
  form.TimeSettingsBox.Text = "Slow";
  form.STimeBox.Text = "11";
  form.ETimeBox.Text = "15";
  form.DayStep = 0;
  AdvanceCampaignDate(form);
  EXPECT_EQ(form.DayStep, 1);
  EXPECT_EQ(form.MissionTime, "0");
  EXPECT_EQ(form.CampaignDay, 7);
  EXPECT_EQ(form.PreviousDateText, "06/04/1945");
  EXPECT_EQ(form.STimeBox.Text, "Random");
  EXPECT_EQ(form.ETimeBox.Text, "Random");

  // "Real" start times stay; a replaced career generator without arguments keeps the date.
  form.STimeBox.Text = form.ETimeBox.Text = "Real";
  form.MissionTime = "1";
  form.AutoGeneration.Checked = form.DGENBoot.Checked = true;
  AdvanceCampaignDate(form);
  EXPECT_EQ(form.DayStep, 0);
  EXPECT_EQ(form.MissionTime, "2");
  EXPECT_EQ(form.CampaignDay, 7);
  EXPECT_EQ(form.STimeBox.Text, "Real");

  form.MissionTime = "two";
  AdvanceCampaignDate(form);
  EXPECT_EQ(form.MissionTime, "0");
  EXPECT_THAT(RunLogMessages(form),
              Contains("The mission count \"two\" of the campaign file is not a number; it starts "
                       "again at 0."));
}

TEST(CampaignDate, AHiddenRunInAReplacementModeMovesTheDate) {
  TestWorld world({"tavrek", "ru", "3"});
  TMainForm& form = *world.form;
  form.CampaignDay = 6;
  form.CampaignMonth = 4;
  form.CampaignYear = 1945;
  form.MissionTime = "0";
  form.TimeSettingsBox.Text = "Normal";
  form.Coop.Checked = form.NGenBoot.Checked = true;
  AdvanceCampaignDate(form);
  EXPECT_EQ(form.DayStep, 1);
  EXPECT_EQ(form.CampaignDay, 7);
}

}  // namespace
