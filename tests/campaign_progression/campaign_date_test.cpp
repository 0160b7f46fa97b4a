#include "campaign_progression/campaign_date.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/errors.h"
#include "tests/support/test_world.h"

namespace {

TEST(CampaignDate, WritesTwoDigitDayAndMonthAndShowsThemInTheBoxes) {
  struct Case {
    int day, month, year;
    const char* text;
  };
  const Case cases[] = {
      {7, 11, 1943, "07/11/1943"},
      {31, 12, 1946, "31/12/1946"},
      {1, 1, 999, "01/01/999"},  // the year is not padded
  };
  for (const Case& c : cases) {
    TestWorld world;
    TMainForm& form = *world.form;
    form.CampaignDay = c.day;
    form.CampaignMonth = c.month;
    form.CampaignYear = c.year;
    CampaignDate(form);
    EXPECT_EQ(form.CampaignDateText, c.text);
    EXPECT_EQ(form.DayBox.Text + "/" + form.MonthBox.Text + "/" + form.YearBox.Text, c.text);
  }
}

TEST(BreakDownDate, ReadsTheFixedPositionsAndNormalisesTheText) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.CampaignDateText = "05-03-1942";  // whatever stands at positions 3 and 6
  BreakDownDate(form);
  EXPECT_EQ(form.CampaignDay, 5);
  EXPECT_EQ(form.CampaignMonth, 3);
  EXPECT_EQ(form.CampaignYear, 1942);
  EXPECT_EQ(form.CampaignDateText, "05/03/1942");
  EXPECT_EQ(TodayKey(form), 19420305);
  EXPECT_EQ(MonthKey(form), 194203);
}

TEST(BreakDownDate, FailsOnADateWithoutLeadingZerosAndKeepsWhatWasRead) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.CampaignDay = 9;
  form.CampaignMonth = 9;
  form.CampaignYear = 1999;
  form.CampaignDateText = "15/3/1942";
  EXPECT_THROW(BreakDownDate(form), ConversionError);
  EXPECT_EQ(form.CampaignDay, 15);
  EXPECT_EQ(form.CampaignMonth, 9);  // "3/" is no number
  EXPECT_EQ(form.CampaignYear, 1999);
}

}  // namespace
