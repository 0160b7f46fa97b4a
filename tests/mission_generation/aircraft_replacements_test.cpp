#include "mission_generation/aircraft_replacements.h"

#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_setup/paints.h"
#include "platform/errors.h"
#include "tests/support/test_world.h"

namespace {

TEST(SupplyRate, DigitAndPeriodOrOnePlaneADay) {
  EXPECT_EQ(ReadSupplyRate("3/Squadron/Week"), (SupplyRate{3, true}));
  EXPECT_EQ(ReadSupplyRate("0/Squadron/Day"), (SupplyRate{0, false}));
  EXPECT_EQ(ReadSupplyRate("9/Squadron/Day"), (SupplyRate{9, false}));
  EXPECT_EQ(ReadSupplyRate("Weekly"), (SupplyRate{1, false}));
  EXPECT_EQ(ReadSupplyRate(""), (SupplyRate{1, false}));
}

TEST(SupplyRate, AWeeklyRateArrivesOnFourDaysAMonthUnlessTheDateStands) {
  const SupplyRate weekly{3, true};
  for (int day = 1; day <= 31; ++day) {
    const bool week_end = day == 7 || day == 14 || day == 21 || day == 28;
    EXPECT_EQ(ReplacementsArrive(weekly, 1, day), week_end) << day;
    EXPECT_TRUE(ReplacementsArrive(weekly, 0, day)) << day;
    EXPECT_TRUE(ReplacementsArrive(SupplyRate{3, false}, 1, day)) << day;
  }
}

TEST(SupplyRate, StrengthIsKeptBetweenMinimumAndMaximum) {
  struct Case {
    const char* name;
    int planes, arriving, minimum, maximum, floor;
    ReplacedStrength expected;
  };
  const Case cases[] = {
      {"planes arrive", 5, 2, 2, 12, 0, {7, 12}},
      {"no more than the maximum", 11, 3, 2, 12, 0, {12, 12}},
      {"never below the minimum", 0, 0, 4, 12, 0, {4, 12}},
      {"player's floor of two", 0, 0, 0, 12, 2, {2, 12}},
      {"the maximum wins over the floor", 0, 0, 0, 1, 2, {1, 1}},
      {"a maximum below the minimum is raised to it", 1, 1, 6, 4, 0, {6, 6}},
      {"no wrap past the largest number",
       2147483646,
       9,
       0,
       2147483647,
       0,
       {2147483647, 2147483647}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StrengthAfterReplacements(c.planes, c.arriving, c.minimum, c.maximum, c.floor),
              c.expected)
        << c.name;
  }
}

// Three squadrons: the player's (0) and an Axis one at the weekly rate, an Allied one daily.
class ReplacementsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.LastSquadron = 2;
    form.SupplyRate[1] = "0/Squadron/Day";
    form.SupplyRate[2] = "3/Squadron/Week";
    Squadron(0, "VMF_3110", "1", "0", "12", "0");
    Squadron(1, "VF_830", "1", "5", "12", "2");
    Squadron(2, "IJN_2610", "2", "5", "16", "2");
  }
  void Squadron(int i, const char* name, const char* side, const char* planes, const char* max,
                const char* min) {
    SquadronEntry& s = form.SquadronTable[i];
    s.SquadronName = name;
    s.SquadronArmy = side;
    s.PlanesFlight = s.PlanesAvailable = planes;
    s.PlanesMax = max;
    s.PlanesLost = min;
  }
  std::string Planes(int i) const { return form.SquadronTable[i].PlanesFlight; }

  TestWorld world;
  TMainForm& form = *world.form;
};

TEST_F(ReplacementsTest, WeeklyPlanesOnlyOnAWeekEndUnlessTheDateStands) {
  form.DayStep = 1;
  form.CampaignDay = 13;
  ReplaceAircraft(form);
  EXPECT_EQ(Planes(2), "5");
  form.CampaignDay = 14;
  ReplaceAircraft(form);
  EXPECT_EQ(Planes(2), "8");
  EXPECT_EQ(form.SquadronTable[2].PlanesAvailable, "8");
  form.DayStep = 0;
  form.CampaignDay = 15;
  ReplaceAircraft(form);
  EXPECT_EQ(Planes(2), "11");
}

TEST_F(ReplacementsTest, AtZeroPerDayOnlyThePlayerOffLineIsKeptAtTwo) {
  form.DayStep = 1;
  form.CampaignDay = 3;
  ReplaceAircraft(form);
  EXPECT_EQ(Planes(0), "2");
  EXPECT_EQ(Planes(1), "5");
  form.SquadronTable[0].PlanesFlight = "0";
  form.Coop.Checked = true;
  ReplaceAircraft(form);
  EXPECT_EQ(Planes(0), "0");
}

TEST_F(ReplacementsTest, AnUnreadableRateCountsAsOnePlaneADay) {
  form.SupplyRate[1] = "plenty";
  form.SquadronTable[1].SquadronArmy = "3";  // neither side: one a day as well
  ReplaceAircraft(form);
  EXPECT_EQ(Planes(0), "2");
  EXPECT_EQ(Planes(1), "6");
}

TEST_F(ReplacementsTest, AStrengthThatIsNoNumberChangesNoSquadron) {
  form.SquadronTable[2].PlanesMax = "twelve";
  form.DayStep = 0;
  try {
    ReplaceAircraft(form);
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_NE(std::string(error.what()).find("IJN_2610"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("\"twelve\""), std::string::npos) << error.what();
  }
  EXPECT_EQ(Planes(0), "0");
  EXPECT_EQ(Planes(1), "5");
}

// A squadron left with 3 planes, flying 2 flights of 4, with a downgrade type.
class DowngradeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.LastSquadron = 0;
    form.FlightsPerSquadron = 2;
    form.AircraftDowngrades.Checked = true;
    form.LastAircraftClass = 1;
    form.AircraftClassTable[0].ClassName = "F6F5";
    form.AircraftClassTable[1].ClassName = "FM2";
    form.AircraftClassTable[1].ClassArmy = "1";
    form.AircraftClassTable[1].ClassDescription = "FM-2 Wildcat";
    for (int type = 0; type <= 1; ++type) {
      form.AircraftClassTable[type].ClassServiceStart = "194201";
      form.AircraftClassTable[type].ClassServiceEnd = "194512";
    }
    SquadronEntry& s = form.SquadronTable[0];
    s.SquadronName = "VF_830";
    s.SquadronClass = s.SquadronBaseClass = "Class air.F6F5";
    s.PlanesFlight = "3";
    s.PlanesMax = "12";
    s.PlanesExtra = 4;
    s.TypeDowngrade = "FM2";
    s.SquadronMarkings = "1";
    s.SquadronSkin = "VF-83.bmp";
    s.DowngradeFlag = "Y";  // left from the mission just flown
  }
  TestWorld world;
  TMainForm& form = *world.form;
  SquadronEntry& squadron = form.SquadronTable[0];
};

TEST_F(DowngradeTest, AWeakSquadronFliesItsFlightsOnTheDowngradeType) {
  // The standard paint of the downgrade type, as a squadron of that type gets it.
  SquadronEntry& scratch = form.SquadronTable[5];
  scratch = squadron;
  scratch.SquadronClass = "Class air.FM2";
  ApplySingleUniversalPaint(form, 5);
  const std::string standard_paint = Trim(scratch.SquadronMarkings) + Trim(scratch.SquadronSkin);

  DowngradeAircraft(form);
  EXPECT_EQ(squadron.SquadronClass, "Class air.FM2");
  EXPECT_EQ(squadron.SquadronBaseClass, "Class air.F6F5");
  EXPECT_EQ(squadron.PlanesFlight, "8");
  EXPECT_EQ(squadron.TypeDescription, "FM-2 Wildcat");
  EXPECT_EQ(squadron.DowngradeFlag, "Y");
  // The standard paint of the type shows the borrowed planes; the squadron keeps its own.
  EXPECT_EQ(squadron.DowngradePaint, standard_paint);
  EXPECT_EQ(squadron.SquadronMarkings, "1");
  EXPECT_EQ(squadron.SquadronSkin, "VF-83.bmp");
}

TEST_F(DowngradeTest, NoMoreThanTheMaximum) {
  squadron.PlanesMax = "6";
  DowngradeAircraft(form);
  EXPECT_EQ(squadron.PlanesFlight, "6");
}

TEST_F(DowngradeTest, AnOwnPaintWithoutMarkingsIsKeptWhole) {
  squadron.SquadronMarkings = "";
  squadron.SquadronSkin = "default.bmp";
  DowngradeAircraft(form);
  EXPECT_EQ(squadron.SquadronMarkings, "");
  EXPECT_EQ(squadron.SquadronSkin, "default.bmp");
}

TEST_F(DowngradeTest, OnlyWhereTheDowngradeIsAppliedIsTheSquadronFlagged) {
  struct Case {
    const char* name;
    const char* planes;
    const char* maximum;
    bool downgrades;
    const char* type;
  };
  const Case cases[] = {
      {"enough planes", "8", "12", true, "FM2"},
      {"at its maximum", "3", "3", true, "FM2"},
      {"downgrades off", "3", "12", false, "FM2"},
      {"no downgrade type", "3", "12", true, "none"},
      {"blank downgrade type", "3", "12", true, " "},
  };
  for (const Case& c : cases) {
    SetUp();
    squadron.PlanesFlight = c.planes;
    squadron.PlanesMax = c.maximum;
    form.AircraftDowngrades.Checked = c.downgrades;
    squadron.TypeDowngrade = c.type;
    DowngradeAircraft(form);
    EXPECT_EQ(squadron.SquadronClass, "Class air.F6F5") << c.name;
    EXPECT_EQ(squadron.PlanesFlight, c.planes) << c.name;
    EXPECT_EQ(squadron.DowngradeFlag, "") << c.name;
    EXPECT_EQ(squadron.DowngradePaint, "") << c.name;
  }
}

}  // namespace
