// The "[MAIN]" section: the map's load path, the start hour, the weather and the clouds.

#include "mission_generation/mission_header.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "campaign_data/random_generator.h"
#include "mission_generation/mission_build.h"
#include "tests/mission_generation/builder_campaign.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(MissionMapLoadPath, RulesByMapMonthAndOptionsWithTheMapsOwnPathWinning) {
  struct Case {
    MapLoadChoice choice;
    std::string path;
  };
  const Case cases[] = {
      {{"Okinawa", "None", 4}, "Okinawa/load.ini"},
      {{"Marianas_Online", "None", 4}, "Marianas/Online_load.ini"},
      {{"Ardennes", "None", 6}, "Ardennes/sload.ini"},
      {{"Ardennes", "None", 12}, "Ardennes/wload.ini"},
      {{"Normandy", "None", 6}, "Normandy/load2.ini"},
      {{"Normandy", "None", 6, false, true}, "Normandy/load.ini"},
      {{"Net8Islands", "None", 6, false}, "Net8Islands/load_v2.ini"},
      {{"Net8Islands", "None", 6, true}, "Net8Islands/load.ini"},
      {{"Moscow", "None", 3}, "Moscow/sload.ini"},
      {{"Moscow", "None", 11}, "Moscow/load.ini"},
      {{"Kurland_Online", "None", 7}, "Kurland/load_online.ini"},
      {{"Kurland_Online", "None", 1}, "Kurland/wload_online.ini"},
      {{"Balaton", "None", 2}, "Balaton/load_w.ini"},
      {{"Balaton", "None", 11}, "Balaton/load.ini"},
      {{"Okinawa", "Okin", 4}, "Okinawa/load.ini"},
      {{"Ardennes", "Ardennes/custom.ini", 12}, "Ardennes/custom.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MissionMapLoadPath(c.choice), c.path) << c.choice.map_name << " " << c.choice.month;
  }
}

TEST(TimeLine, MinutesBecomeHundredthsOfTheHour) {
  EXPECT_EQ(TimeLine("13", "00"), "  TIME 13.0");
  EXPECT_EQ(TimeLine(" 7", "30"), "  TIME 7.50");
  EXPECT_EQ(TimeLine("23", "05"), "  TIME 23.8");
  EXPECT_EQ(TimeLine("0", "59"), "  TIME 0.98");
}

class MainSectionTest : public ::testing::Test {
 protected:
  MainSectionTest() {
    campaign.AddFlyingSquadron("VMF_1", "1", "1", WaypointCampaign::kAlphaAirfield,
                               WaypointCampaign::kBravoTown);
    Form().TimeSettingsBox.Text = "Normal";
    Form().DayNightBox.Text = "Day";
    Form().STimeBox.Text = "Random";
    Form().ETimeBox.Text = "Random";
    Form().HCloudBox.Text = "1000";
  }
  TMainForm& Form() { return campaign.form(); }

  // The hour the section draws, next to the draws a generator of the same seed makes.
  std::string HourWithSeed(std::uint32_t seed) {
    Form().Rand.SetSeed(seed);
    Form().MissionFileText.clear();
    WriteMainSection(Form(), build);
    return Form().MissionHourText;
  }

  BuilderCampaign campaign;
  MissionBuild build;
};

TEST_F(MainSectionTest, DefaultHourIsOneDrawOfFiveToSixteen) {
  RandomGenerator expected;
  expected.SetSeed(77);
  EXPECT_EQ(HourWithSeed(77), std::to_string(expected.Random(12) + 5));
  EXPECT_THAT(Form().MissionFileText,
              HasSubstr("[MAIN]\r\n  MAP Lakeland/load.ini\r\n  TIME " + Form().MissionHourText +
                        ".0\r\n  CloudType 0\r\n  CloudHeight 1000\r\n"));
}

TEST_F(MainSectionTest, SlowPaceAndNightTakeTheHourByMissionsFlownToday) {
  Form().TimeSettingsBox.Text = "Very Slow";
  Form().MissionTime = "2";
  RandomGenerator expected;
  expected.SetSeed(5);
  expected.Random(12);
  EXPECT_EQ(HourWithSeed(5), std::to_string(expected.Random(3) + 13));

  Form().DayNightBox.Text = "Night";
  expected.SetSeed(5);
  expected.Random(12);
  expected.Random(3);
  EXPECT_EQ(HourWithSeed(5), std::to_string(expected.Random(2) + 18));
}

TEST_F(MainSectionTest, WindowAcrossMidnightWrapsItsLateHours) {
  Form().STimeBox.Text = "22:00";
  Form().ETimeBox.Text = "02:00";
  for (std::uint32_t seed = 1; seed < 40; ++seed) {
    RandomGenerator expected;
    expected.SetSeed(seed);
    expected.Random(12);
    int hour = 22 + expected.Random(5);
    if (hour > 23) hour -= 24;
    EXPECT_EQ(HourWithSeed(seed), std::to_string(hour)) << seed;
  }
}

TEST_F(MainSectionTest, RealTimeTakesTheClockAndBeatsTheTimetable) {
  campaign.world.clock->now.hour = 19;
  campaign.world.clock->now.minute = 30;
  Form().STimeBox.Text = "Real";
  Form().ETimeBox.Text = "Real";
  Form().MissionTimeOverride = "6";
  EXPECT_EQ(HourWithSeed(3), "19");
  EXPECT_THAT(Form().MissionFileText, HasSubstr("  TIME 19.50\r\n"));
}

TEST_F(MainSectionTest, RealInOneBoxUsesTheCurrentHourAsThatEndOfTheWindow) {
  campaign.world.clock->now.hour = 20;
  campaign.world.clock->now.minute = 0;
  Form().STimeBox.Text = "08:00";
  Form().ETimeBox.Text = "Real";
  for (std::uint32_t seed = 1; seed < 20; ++seed) {
    RandomGenerator expected;
    expected.SetSeed(seed);
    expected.Random(12);
    EXPECT_EQ(HourWithSeed(seed), std::to_string(8 + expected.Random(13))) << seed;
  }
}

TEST_F(MainSectionTest, TimetableHourReplacesTheDrawUnlessItIsNoNumber) {
  Form().MissionTimeOverride = "9";
  EXPECT_EQ(HourWithSeed(11), "9");
  Form().MissionTimeOverride = "dawn";
  RandomGenerator expected;
  expected.SetSeed(11);
  EXPECT_EQ(HourWithSeed(11), std::to_string(expected.Random(12) + 5));
  EXPECT_THAT(Form().ErrorText, HasSubstr("\"dawn\" is no hour"));
}

TEST_F(MainSectionTest, WeatherIsClampedByTheBestAndThenTheWorstBox) {
  Form().BWeatherBox.Text = "Poor";
  Form().WWeatherBox.Text = "Good";
  Form().CurrentConditions = 3;
  AdvanceWeather(Form(), build);
  EXPECT_EQ(Form().CurrentConditions, 1);
  EXPECT_EQ(build.weather_sentence, Form().Messages.Text(MessageSection::kWeather, 1));
}

TEST_F(MainSectionTest, WinterShowersAndTheCloudBaseInFeetForAmericanPlayers) {
  Form().BWeatherBox.Text = "Rain/Snow";
  Form().WWeatherBox.Text = "Rain/Snow";
  Form().MapSeason = "Winter";
  AdvanceWeather(Form(), build);
  ASSERT_EQ(Form().CurrentConditions, 5);
  EXPECT_EQ(build.weather_sentence, Form().Messages.Text(MessageSection::kWeather, 7));

  WriteMainSection(Form(), build);
  EXPECT_THAT(Form().MissionFileText, HasSubstr("  CloudType 5\r\n  CloudHeight 1000\r\n"));
  EXPECT_THAT(build.weather_sentence, HasSubstr("3281 Feet"));
  EXPECT_THAT(build.weather_sentence, Not(HasSubstr("Meters")));
}

}  // namespace
