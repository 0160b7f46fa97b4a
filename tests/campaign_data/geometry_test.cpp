#include "campaign_data/geometry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/errors.h"
#include "tests/support/test_world.h"

namespace {

struct PositionCase {
  const char* text;
  long long x;
  long long y;
};

class WholeMetres : public ::testing::TestWithParam<PositionCase> {};

TEST_P(WholeMetres, CutsEachNumberAtItsDecimalPoint) {
  const WholeMetrePoint point = ReadWholeMetres(GetParam().text);
  EXPECT_EQ(point.x, GetParam().x);
  EXPECT_EQ(point.y, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Positions, WholeMetres,
                         ::testing::Values(PositionCase{"1000.50 2000.99", 1000, 2000},
                                           PositionCase{"-15.75 -0.5", -15, 0},
                                           PositionCase{"10.00   20.00 350.00 1", 10, 20}));

TEST(WholeMetres, TextWithoutDecimalPointOrBlankIsNoPosition) {
  EXPECT_THROW(ReadWholeMetres("1000 2000.00"), ConversionError);
  EXPECT_THROW(ReadWholeMetres("1000.00"), ConversionError);
  EXPECT_THROW(ReadWholeMetres("x.00 1.00"), ConversionError);
  EXPECT_EQ(WholeMetreDistance(0, 0), 1);
  EXPECT_EQ(WholeMetreDistance(3000, -4000), 5000);
}

TEST(GetDistance, MeasuresWholeMetresOnTheIntegerParts) {
  struct Case {
    const char* a;
    const char* b;
    int metres;
  };
  const Case cases[] = {
      {"1000.50 2000.99", "4000.00 6000.00", 5000},
      {"4000.00 6000.00", "1000.50 2000.99", 5000},
      {"1000.50 2000.99", "1000.50 2000.99", 1},
      {"1000.10 2000.10", "1000.90 2000.90", 1},
      {"-3000.75 0.00", "0.00 4000.00", 5000},
      {"3000.00 4000.00 120 300", "0.00 0.00", 5000},
      {"3000.00  4000.00", "0.00 0.00", 5000},
      {"1.00 1.00", "0.00 0.00", 1},
      {"", "1000.00 1000.00", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(GetDistance(c.a, c.b), c.metres) << c.a << " / " << c.b;
}

TEST(GetDistance, NumberWithoutDecimalPointOrPositionWithoutBlankFails) {
  EXPECT_THROW(GetDistance("1000 2000.00", "0.00 0.00"), ConversionError);
  EXPECT_THROW(GetDistance("1000.00 2000", "0.00 0.00"), ConversionError);
  EXPECT_THROW(GetDistance("1000.00", "0.00 0.00"), ConversionError);
  EXPECT_THROW(GetDistance("0.00 0.00", ""), ConversionError);
  EXPECT_THROW(GetDistance("x.00 0.00", "0.00 0.00"), ConversionError);
}

struct RadiusCase {
  const char* name;
  std::string box;
  int radius_km;
  std::string source;
  std::string a;
  std::string b;
  std::string expected;
};

TEST(TDistance, AllowsElevenHundredMetresPerKilometreFromTheOffsetFirstPosition) {
  // The first position gains 1 m on each axis: "0.00 0.00" to "x.00 1.00" is x - 1 metres.
  const RadiusCase cases[] = {
      {"box radius at the limit", "250 Kilometers", 999, "Y", "0.00 0.00", "275001.00 1.00", "Y"},
      {"box radius past it", "250 Kilometers", 999, "Y", "0.00 0.00", "275002.00 1.00", "N"},
      {"action radius at the limit", "999 Kilometers", 100, "N", "0.00 0.00", "110001.00 1.00",
       "Y"},
      {"action radius past it", "999 Kilometers", 100, "N", "0.00 0.00", "110002.00 1.00", "N"},
      {"empty first position", "250 Kilometers", 250, "Y", "", "0.00 0.00", "N"},
  };
  for (const RadiusCase& c : cases) {
    TestWorld world;
    world.form->ActionRadius.Text = c.box;
    world.form->ActionRadiusKm = c.radius_km;
    EXPECT_EQ(TDistance(*world.form, c.a, c.b, c.source), c.expected) << c.name;
  }
}

TEST(PatrolDistance, AllowsTheBoxRadiusButNeverMoreThan300Kilometres) {
  const RadiusCase cases[] = {
      {"100 km at the limit", "100 Kilometers", 999, "", "0.00 0.00", "100001.00 1.00", "Y"},
      {"100 km past it", "100 Kilometers", 999, "", "0.00 0.00", "100002.00 1.00", "N"},
      {"500 km stops at 300", "500 Kilometers", 999, "", "0.00 0.00", "300001.00 1.00", "Y"},
      {"500 km past 300", "500 Kilometers", 999, "", "0.00 0.00", "300002.00 1.00", "N"},
      {"empty first position", "100 Kilometers", 999, "", "", "0.00 0.00", "N"},
  };
  for (const RadiusCase& c : cases) {
    TestWorld world;
    world.form->ActionRadius.Text = c.box;
    world.form->ActionRadiusKm = c.radius_km;
    EXPECT_EQ(PatrolDistance(*world.form, c.a, c.b), c.expected) << c.name;
  }
}

// A squadron based at 0 0. The position "x.00 -1.00" then lies x + 1 metres away.
void PlaceSquadron(TMainForm& form, int squadron, const std::string& type_range) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  entry.SquadronTakeOffLeg = "  TAKEOFF 0.00 0.00 0 0\r\n  NORMFLY 5000.00 5000.00 500 300.00\r\n";
  entry.SquadronRole = "1";
  entry.SquadronClass = "Class air.I-16TYPE24";
  entry.TypeRange = type_range;
  entry.TypePayload5 = "none";
  if (form.LastSquadron < squadron) form.LastSquadron = squadron;
}

std::string PositionAt(int metres) {
  return std::to_string(metres - 1) + ".00 -1.00";
}

TEST(Distance, RangeRulesAgainstRadiusAndReach) {
  struct Case {
    const char* name;
    int radius_km;
    std::string type_range;
    int rule;
    int metres;
    std::string expected;
  };
  const Case cases[] = {
      {"rule 0 below the radius", 300, "Default", 0, 299999, "Y"},
      {"rule 0 at the radius", 300, "Default", 0, 300000, "N"},
      {"rule 5 below two thirds", 300, "Default", 5, 199999, "Y"},
      {"rule 5 from 200 km on", 300, "Default", 5, 200000, "N"},
      {"rule 2 below its limit", 100, "Default", 2, 199998, "Y"},
      {"rule 2 at 199999", 100, "Default", 2, 199999, "N"},
      {"rule 3 below its limit", 100, "Default", 3, 299999, "Y"},
      {"rule 3 at 300000", 100, "Default", 3, 300000, "N"},
      {"rule 50 below its limit", 300, "Default", 50, 49998, "Y"},
      {"rule 50 at 49999", 300, "Default", 50, 49999, "N"},
      {"rule 50 within 49999 but at the radius", 40, "Default", 50, 40000, "N"},
      {"short reach limits rule 0", 300, "100 km", 0, 99999, "Y"},
      {"short reach at its limit", 300, "100 km", 0, 100000, "N"},
      {"short reach limits rule 5", 300, "100 km", 5, 66666, "Y"},
      {"short reach rule 5 past two thirds", 300, "100 km", 5, 66667, "N"},
      {"long reach does not widen the radius", 200, "1000 km", 0, 200000, "N"},
  };
  for (const Case& c : cases) {
    TestWorld world;
    world.form->ActionRadiusKm = c.radius_km;
    PlaceSquadron(*world.form, 1, c.type_range);
    EXPECT_EQ(Distance(*world.form, PositionAt(c.metres), 1, c.rule), c.expected) << c.name;
    EXPECT_EQ(world.form->ActionRadiusKm, c.radius_km) << c.name;
  }
}

TEST(Distance, EmptyPositionOrSquadronWithoutTakeOffLegIsOutOfRange) {
  TestWorld world;
  PlaceSquadron(*world.form, 0, "Default");
  PlaceSquadron(*world.form, 1, "Default");
  world.form->SquadronTable[1].SquadronTakeOffLeg = "";
  world.form->FrontCenterPosition = "999.00 -1.00";
  EXPECT_EQ(Distance(*world.form, "", 0, 0), "N");
  EXPECT_EQ(Distance(*world.form, "999.00 -1.00", 1, 0), "N");
  EXPECT_EQ(Distance(*world.form, "999.00 -1.00", 0, 0), "Y");
}

TEST(Distance, FrontCentreBeyondTheRadiusWidensItForThePlayersSquadron) {
  TestWorld world;
  world.form->ActionRadiusKm = 250;
  PlaceSquadron(*world.form, 0, "Default");
  world.form->FrontCenterPosition = PositionAt(320000);

  EXPECT_EQ(Distance(*world.form, PositionAt(320000), 0, 0), "Y");
  EXPECT_EQ(world.form->ActionRadiusKm, 400);  // 320 km and a quarter, down to tens
  EXPECT_NE(world.form->ErrorText.find("] Minimum Action Radius reset to 400 Kilometers.\r\n"),
            std::string::npos);
}

TEST(Distance, FrontCentreCorrectionOnlyForThePlayerUnderRuleZeroBeyondTheRadius) {
  struct Case {
    const char* name;
    int squadron;
    int rule;
    std::string type_range;
    int metres;
    bool at_front_centre;
  };
  const Case cases[] = {
      {"another squadron", 1, 0, "Default", 320000, true},
      {"another rule", 0, 5, "Default", 320000, true},
      {"another position", 0, 0, "Default", 320000, false},
      {"beyond the reach but within the radius", 0, 0, "100 km", 150000, true},
  };
  for (const Case& c : cases) {
    TestWorld world;
    world.form->ActionRadiusKm = 250;
    PlaceSquadron(*world.form, 0, c.type_range);
    PlaceSquadron(*world.form, 1, c.type_range);
    world.form->FrontCenterPosition = PositionAt(c.at_front_centre ? c.metres : c.metres + 1);
    EXPECT_EQ(Distance(*world.form, PositionAt(c.metres), c.squadron, c.rule), "N") << c.name;
    EXPECT_EQ(world.form->ActionRadiusKm, 250) << c.name;
    EXPECT_EQ(world.form->ErrorText, "") << c.name;
  }
}

TEST(GetCoordinates, SetsTheWholeMetresOfTheTargetLocation) {
  TestWorld world;
  world.form->LocationTable[3].LocationPosition = "1234.56 -789.99";
  world.form->SquadronTable[2].SquadronTargetLocation = 3;
  GetCoordinates(*world.form, 2);
  EXPECT_EQ(world.form->TargetPosition, "1234 -789");
}

TEST(GetCoordinates, TargetWithoutPositionLogsAndRaises) {
  for (const int target : {3, -1}) {
    TestWorld world;
    world.form->SquadronTable[2].SquadronTargetLocation = target;
    world.form->TargetPosition = "5.00 5.00";
    try {
      GetCoordinates(*world.form, 2);
      FAIL() << "no exception for target " << target;
    } catch (const ProgramError& error) {
      EXPECT_STREQ(error.what(), "Warning: bad coordinates.");
    }
    EXPECT_EQ(world.form->ErrorText, "[2026/12/08 19:37:05.42] Warning: bad coordinates.\r\n");
    EXPECT_EQ(world.form->TargetPosition, "5.00 5.00");
  }
}

TEST(MoveCoordinates, ShiftsTheWholeMetres) {
  TestWorld world;
  EXPECT_EQ(MoveCoordinates(*world.form, "1000.75 -2000.25", 500, -500), "1500.00 -2500.00");
  EXPECT_EQ(MoveCoordinates(*world.form, "-10.50 20.00 300", 0, 0), "-10.00 20.00");
  EXPECT_THROW(MoveCoordinates(*world.form, "1000 2000.00", 1, 1), ConversionError);
}

TEST(MoveCoordinates, EmptyPositionLogsAndRaises) {
  TestWorld world;
  try {
    MoveCoordinates(*world.form, "", 1, 1);
    FAIL() << "no exception";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "Warning: bad coordinates.");
  }
  EXPECT_EQ(world.form->ErrorText, "[2026/12/08 19:37:05.42] Warning: bad coordinates.\r\n");
}

TEST(MapCoordinate, NamesTheTenKilometreSquareByTheMapsLettering) {
  struct Case {
    std::string map;
    std::string position;
    std::string reference;
  };
  const Case cases[] = {
      {"Moscow", "35000.00 125000.00", "(D-13)"},
      {"Moscow", "5000.00 5000.00", "(A-1)"},
      {"Moscow", "305000.00 5000.00", "(E-1)"},
      {"Moscow", "1.0", ""},
      {"Crimea", "35000.00 125000.00", "(AD-13)"},
      {"Crimea", "305000.00 5000.00", "(BE-1)"},
      {"Iwo", "5000.00 5000.00", "(CI-61)"},
      {"Iwo", "9999.99 5000.00", "(CI-61)"},
      {"Hawaii", "5000.00 5000.00", "(CI-61)"},
      {"Marianas", "5000.00 5000.00", "(BE-31)"},
      {"Midway", "5000.00 5000.00", "(AS-19)"},
      {"Okinawa", "255000.00 15000.00", "(BA-4)"},
      {"Guadal", "5000.00 5000.00", "(BH-34)"},
      {"Palau", "5000.00 5000.00", "(AU-21)"},
      {"Tarawa", "5000.00 5000.00", "(BY-50)"},
      {"Wake", "5000.00 5000.00", "(BO-41)"},
      {"Chichi", "5000.00 5000.00", "(J-10)"},
      {"Murmansk", "905000.00 5000.00", "(DM-1)"},
      // At most three bands are counted; the letter past "Z" comes out in upper case.
      {"Murmansk", "1105000.00 5000.00", "(DA-1)"},
      {"Singapore1", "35000.00 5000.00", "(AD-1)"},
      {"CoralSea", "35000.00 5000.00", "(DD-99)"},
      {"CoralSea", "-5000.00 5000.00", "(DA-99)"},
      {"CoralSea", "-150000.00 5000.00", "(DA-99)"},
      {"CoralSea", "-205000.00 5000.00", "(DA-99)"},
      {"CoralSea", "-215000.00 5000.00", "(CZ-99)"},
      {"CoralSea", "-465000.00 5000.00", "(CA-99)"},
      {"CoralSea", "-475000.00 5000.00", "(BZ-99)"},
      {"CoralSea", "-725000.00 5000.00", "(BA-99)"},
      {"CoralSea", "-735000.00 5000.00", "(AZ-99)"},
      {"CoralSea", "-985000.00 5000.00", "(AA-99)"},
  };
  for (const Case& c : cases) {
    TestWorld world;
    world.form->MapTitle = c.map;
    EXPECT_EQ(MapCoordinate(*world.form, c.position), c.reference) << c.map << " " << c.position;
  }
}

TEST(MapCoordinate, NumberWithoutDecimalPointFails) {
  TestWorld world;
  world.form->MapTitle = "Moscow";
  EXPECT_THROW(MapCoordinate(*world.form, "35000 125000"), ConversionError);
}

TEST(GetAngle, HeadingFromTheArcTangentPlus90And360) {
  struct Case {
    const char* a;
    const char* b;
    const char* angle;
  };
  const Case cases[] = {
      {"2000.00 500.00", "1000.00 500.00", "450"}, {"1000.00 500.00", "2000.00 500.00", "630"},
      {"1000.00 500.00", "1000.00 500.00", "630"}, {"1000.00 1000.00", "0.00 0.00", "495"},
      {"0.00 0.00", "1000.00 1000.00", "495"},     {"0.00 1000.00", "1000.00 0.00", "405"},
      {"3000.00 0.00", "0.00 4000.00", "414"},     {"1000.99 1000.99", "0.50 0.50", "495"},
      {"1.00 1000.00", "0.00 0.00", "450"},
  };
  for (const Case& c : cases) EXPECT_EQ(GetAngle(c.a, c.b), c.angle) << c.a << " / " << c.b;
}

TEST(OffMapCheck, OffMapByExactNameWithTheNormandyBritishBases) {
  struct Case {
    const char* name;
    std::string map;
    bool normandy_bases;
    std::string location;
    std::string expected;
  };
  const Case cases[] = {
      {"off-map location", "Kuban", false, "Dover", "Y"},
      {"on-map location", "Kuban", false, "Bayeux", "N"},
      {"unknown name", "Kuban", false, "Calais", "N"},
      {"name differs in case", "Kuban", false, "dover", "N"},
      {"name with a trailing blank", "Kuban", false, "Dover ", "N"},
      {"location past the last one", "Kuban", false, "Scratch", "N"},
      {"later entry of the same name", "Kuban", false, "Caen", "Y"},
      {"British base without the option", "Normandy", false, "English_Airfield1", "Y"},
      {"British base with the option", "Normandy", true, "English_Airfield1", "N"},
      {"option on another map", "Kuban", true, "English_Airfield1", "Y"},
      {"other off-map place in Normandy", "Normandy", true, "Dover", "Y"},
  };
  for (const Case& c : cases) {
    TestWorld world;
    TMainForm& form = *world.form;
    const std::pair<const char*, const char*> locations[] = {
        {"Bayeux", "N"}, {"English_Airfield1", "Y"}, {"Dover", "Y"}, {"Caen", "N"}, {"Caen", "Y"},
        {"Scratch", "Y"}};
    for (int i = 0; i < 6; ++i) {
      form.LocationTable[i].LocationName = locations[i].first;
      form.LocationTable[i].LocationOffMap = locations[i].second;
    }
    form.LastLocation = 4;
    form.MapName = c.map;
    form.NormandyBaseOption = c.normandy_bases;
    EXPECT_EQ(OffMapCheck(form, c.location), c.expected) << c.name;
  }
}

TEST(MapLocation, NearestLocationWithAPositionAndTheFirstOfEquals) {
  struct Case {
    const char* position;
    const char* nearest;
  };
  const Case cases[] = {
      {"0.00 0.00", "North"},  // North and East both 1000 m away
      {"1000.00 -50.00", "East"},
      {"1999.00 1.00", "Tie"},  // Tie and East both 999 m in whole metres
      {"4000.00 4000.00", "Far"},
      {"", ""},
      {"1000.00", ""},
  };
  TestWorld world;
  TMainForm& form = *world.form;
  const std::pair<const char*, const char*> locations[] = {
      {"Unplaced", ""},         {"North", "0.00 1000.00"},  {"Tie", "1000.00 45.00"},
      {"East", "1000.00 0.00"}, {"Far", "5000.00 5000.00"}, {"Scratch", "0.00 0.00"}};
  for (int i = 0; i < 6; ++i) {
    form.LocationTable[i].LocationName = locations[i].first;
    form.LocationTable[i].LocationPosition = locations[i].second;
  }
  form.LastLocation = 4;
  for (const Case& c : cases) EXPECT_EQ(MapLocation(form, c.position), c.nearest) << c.position;

  const std::string line = "] Determining the nearest location on the map to a static object.\r\n";
  int logged = 0;
  for (size_t at = form.ErrorText.find(line); at != std::string::npos;
       at = form.ErrorText.find(line, at + 1)) {
    ++logged;
  }
  EXPECT_EQ(logged, 6);
}

TEST(MapLocation, NoLocationWithAPositionGivesAnEmptyName) {
  TestWorld world;
  world.form->LocationTable[0].LocationName = "Unplaced";
  world.form->LastLocation = 0;
  EXPECT_EQ(MapLocation(*world.form, "100.00 100.00"), "");
  world.form->LastLocation = -1;
  EXPECT_EQ(MapLocation(*world.form, "100.00 100.00"), "");
}

}  // namespace
