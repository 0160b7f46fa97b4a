// What the planner prepares before any squadron gets a mission: launch loads of bases and
// carriers, locations moved onto their static objects, the fading reconnaissance counts and the
// locations near the enemy.

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/near_enemy.h"
#include "mission_generation/plan_run.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;

struct LocationLoadCase {
  const char* name;
  const char* location_name;
  const char* position;
  const char* off_map;
  int stationary_flag;
  int expected;
};

class LocationLoadTest : public ::testing::TestWithParam<LocationLoadCase> {};

TEST_P(LocationLoadTest, StartsFromFrontDistanceRadioHarbourAndMap) {
  const LocationLoadCase& c = GetParam();
  PlannerCampaign campaign;
  LocationEntry& location = campaign.form().LocationTable[C::kAxisTown];
  location.LocationName = c.location_name;
  location.LocationPosition = c.position;
  location.LocationOffMap = c.off_map;
  location.StationaryFlag = c.stationary_flag;
  campaign.Prepare();
  EXPECT_EQ(campaign.form().ObjectPairA[C::kAxisTown][0], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, LocationLoadTest,
    ::testing::Values(
        LocationLoadCase{"WithinHundredKm", "Axis_Town", "70000.00 30000.00", "N", 0, 32},
        LocationLoadCase{"JustUnderHundredKm", "Axis_Town", "149999.00 50000.00", "N", 0, 32},
        LocationLoadCase{"HundredKmOut", "Axis_Town", "150000.00 50000.00", "N", 0, 16},
        LocationLoadCase{"BeyondTwoHundredKm", "Axis_Town", "251000.00 50000.00", "N", 0, 0},
        LocationLoadCase{"InactiveRadio", "Axis_Town", "251000.00 50000.00", "N", 1, 16},
        LocationLoadCase{"RadioNearFront", "Axis_Town", "70000.00 30000.00", "N", 1, 48},
        LocationLoadCase{"OffMap", "Axis_Town", "70000.00 30000.00", "Y", 1, 0},
        LocationLoadCase{"Harbour", "Axis_Harbor", "251000.00 50000.00", "N", 0, 62},
        LocationLoadCase{"PortOffMap", "Axis_Port", "70000.00 30000.00", "Y", 0, 62}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlanPrologue, EscortCarriersStartLoadedAndShortRadiiLoadEveryCarrier) {
  for (int radius_km : {250, 99}) {
    PlannerCampaign campaign;
    campaign.form().ActionRadiusKm = radius_km;
    const int escort_carrier =
        campaign.AddColumn("Ships.CVE_Casablanca", "1", "East_Sea", "East_Sea", {});
    const int fleet_carrier = campaign.AddColumn("Ships.CV_Essex", "1", "East_Sea", "East_Sea", {});
    campaign.Prepare();
    const int extra = radius_km < 100 ? 16 : 0;
    EXPECT_EQ(campaign.form().ObjectPairA[escort_carrier][1], 24 + extra) << radius_km;
    EXPECT_EQ(campaign.form().ObjectPairA[fleet_carrier][1], extra) << radius_km;
  }
}

// Objects nearest a location, by their mission lines: the location moves onto the most
// valuable placed one.
void PlaceObject(TMainForm& form, int location, const std::string& line,
                 const std::string& position) {
  StationaryEntry& object = form.StationaryObjectTable[++form.LastStationary];
  object.StationaryLine = line;
  object.StationaryMissionLine = line.empty() ? "" : "  " + line;
  object.StationaryPosition = position;
  object.StationaryNearestLocation = location;
}

TEST(PlanPrologue, HeldLocationsMoveOntoTheirMostValuableStaticObject) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  // Axis_Town: a parked plane, a radio and two ships; the later ship wins.
  PlaceObject(form, C::kAxisTown, "1_Static ships.Ship$Tramp 2", "70100.00 30100.00");
  PlaceObject(form, C::kAxisTown, "2_Static vehicles.planes.Plane$A6M2 2", "70200.00 30200.00");
  PlaceObject(form, C::kAxisTown, "3_Static ships.Ship$Tramp 2", "70300.00 30300.00");
  PlaceObject(form, C::kAxisTown, "4_Static Stationary$RadioStation_radio 2", "70400.00 30400.00");
  // Axis_Factory: a truck, then a fuel truck that is not placed this mission.
  PlaceObject(form, C::kAxisFactory, "5_Static Stationary$Truck 2", "90500.00 70500.00");
  form.StationaryObjectTable[form.LastStationary].StationaryMissionLine.clear();
  PlaceObject(form, C::kAxisFactory, "6_Static Stationary$Kubelwagen 2", "90600.00 70600.00");
  // A bridge and a contested place never move.
  PlaceObject(form, C::kRiverBridge, "7_Static ships.Ship$Tramp 2", "60700.00 40700.00");
  PlaceObject(form, C::kFrontTown, "8_Static ships.Ship$Tramp 0", "50800.00 50800.00");
  campaign.Prepare();
  EXPECT_EQ(form.LocationTable[C::kAxisTown].LocationPosition, "70300.00 30300.00");
  EXPECT_EQ(form.LocationTable[C::kAxisFactory].LocationPosition, "90600.00 70600.00");
  EXPECT_EQ(form.LocationTable[C::kRiverBridge].LocationPosition, "60000.00 40000.00");
  EXPECT_EQ(form.LocationTable[C::kFrontTown].LocationPosition, "50000.00 50000.00");
}

struct ReconCase {
  const char* name;
  const char* mission_time;
  int conditions;
  int count;
  int expected;
};

class ReconCountTest : public ::testing::TestWithParam<ReconCase> {};

TEST_P(ReconCountTest, FadesOnTheFirstMissionOfTheDayAndIsSavedWithThePlan) {
  const ReconCase& c = GetParam();
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  form.MissionTime = c.mission_time;
  form.CurrentConditions = c.conditions;
  form.ReconCount = {0, c.count, c.count};
  campaign.Plan(1);
  EXPECT_EQ(form.ReconCount[1], c.expected);
  EXPECT_EQ(form.ReconCount[2], c.expected);
  const std::string saved = campaign.world.program_folder.Read("campaign.tavrek");
  EXPECT_NE(saved.find("AlliedRecon=" + IntToStr(c.expected) + "\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Planner, ReconCountTest,
                         ::testing::Values(ReconCase{"FirstMissionHalvesAndDropsTen", "0", 1, 50,
                                                     15},
                                           ReconCase{"ClearWeatherDropsTen", "0", 0, 50, 40},
                                           ReconCase{"NeverBelowZero", "0", 1, 12, 0},
                                           ReconCase{"LaterMissionKeepsIt", "1", 1, 50, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

// The near-enemy marks of the spatial index against every pair measured.
std::vector<std::string> NearEnemyByEveryPair(const TMainForm& form) {
  std::vector<std::string> marks;
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& a = form.LocationTable[i];
    std::string mark = "N";
    for (int j = 0; j <= form.LastLocation; ++j) {
      const LocationEntry& b = form.LocationTable[j];
      if (a.LocationArmy == b.LocationArmy || a.LocationName == b.LocationName) continue;
      if (GetDistance(a.LocationPosition, b.LocationPosition) < form.BugOutRadius * 1000)
        mark = "Y";
    }
    marks.push_back(mark);
  }
  return marks;
}

TEST(PlanPrologue, NearEnemyMarksMatchMeasuringEveryPair) {
  for (int radius_km : {0, 1, 7, 25, 400}) {
    PlannerCampaign campaign;
    TMainForm& form = campaign.form();
    form.BugOutRadius = radius_km;
    std::mt19937 random(static_cast<unsigned>(radius_km) + 5);
    std::uniform_int_distribution<int> coordinate(-60000, 60000);
    std::uniform_int_distribution<int> pick(0, 2);
    for (int j = 0; j < 400; ++j) {
      LocationEntry& location = form.LocationTable[j];
      location.LocationName = "Place_" + IntToStr(j % 350);  // a few names twice
      location.LocationArmy = IntToStr(pick(random));
      location.LocationPosition =
          IntToStr(coordinate(random)) + ".00 " + IntToStr(coordinate(random)) + ".00";
    }
    form.LastLocation = 399;
    const PlanRun run(form);
    MarkLocationsNearEnemy(form, run);
    const std::vector<std::string> expected = NearEnemyByEveryPair(form);
    int near = 0;
    for (int j = 0; j <= form.LastLocation; ++j) {
      ASSERT_EQ(form.LocationTable[j].LocationNearEnemy, expected[static_cast<size_t>(j)])
          << "radius " << radius_km << " location " << j;
      near += expected[static_cast<size_t>(j)] == "Y";
    }
    if (radius_km == 7) {
      EXPECT_GT(near, 10);  // the maps do put enemies side by side
    }
  }
}

TEST(PlanPrologue, LocationWithoutReadablePositionIsNeverNearTheEnemy) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  form.BugOutRadius = 100;
  form.LocationTable[C::kAxisTown].LocationPosition = "near the river";
  campaign.Prepare();
  EXPECT_EQ(form.LocationTable[C::kAxisTown].LocationNearEnemy, "N");
  EXPECT_EQ(form.LocationTable[C::kAxisAirfield].LocationNearEnemy, "Y");
  EXPECT_NE(form.ErrorText.find("Location Axis_Town [4] left out of the plan: its position "
                                "\"near the river\" is not a map position."),
            std::string::npos);
}

// The plan's index of locations by name against a walk through the table.
TEST(PlanPrologue, LocationsByNameMatchAWalkThroughTheTable) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  std::mt19937 random(11);
  std::uniform_int_distribution<int> name(0, 120);
  for (int j = 0; j < 500; ++j) {
    LocationEntry& location = form.LocationTable[j];
    location.LocationName = j % 97 == 0 ? "" : "Place_" + IntToStr(name(random));
    location.LocationArmy = "1";
    location.LocationPosition = IntToStr(j * 100) + ".00 0.00";
  }
  form.LastLocation = 499;
  const PlanRun run(form);
  for (int n = -1; n <= 125; ++n) {
    const std::string wanted = n < 0 ? "" : "Place_" + IntToStr(n);
    std::vector<int> walked;
    for (int j = 0; j <= form.LastLocation; ++j) {
      if (form.LocationTable[j].LocationName == wanted) walked.push_back(j);
    }
    const std::span<const int> indexed = run.LocationsNamed(wanted);
    EXPECT_EQ(std::vector<int>(indexed.begin(), indexed.end()), walked) << wanted;
    EXPECT_EQ(run.LastLocationNamed(wanted), walked.empty() ? -1 : walked.back()) << wanted;
  }
}

// The plan names scratch target locations beyond the last map location and moves map locations
// onto their objects; the index by name answers as before all the same.
TEST(PlanPrologue, LocationsByNameStayAsTheScratchLocationsAreNamedAndPlacesMoved) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  for (int j = 0; j < 40; ++j) {
    LocationEntry& location = form.LocationTable[j];
    location.LocationName = "Place_" + IntToStr(j % 9);
    location.LocationArmy = "1";
    location.LocationPosition = IntToStr(j * 100) + ".00 0.00";
  }
  form.LastLocation = 39;
  PlanRun run(form);
  for (int k = 1; k <= 30; ++k) {
    form.LocationTable[form.LastLocation + k].LocationName = "Place_" + IntToStr(k % 12);
    form.LocationTable[k].LocationPosition = IntToStr(k * 300) + ".00 50.00";
    run.RereadPosition(k);
  }
  for (int n = 0; n < 12; ++n) {
    const std::string wanted = "Place_" + IntToStr(n);
    std::vector<int> walked;
    for (int j = 0; j <= form.LastLocation; ++j) {
      if (std::as_const(form.LocationTable)[j].LocationName == wanted) walked.push_back(j);
    }
    const std::span<const int> indexed = run.LocationsNamed(wanted);
    EXPECT_EQ(std::vector<int>(indexed.begin(), indexed.end()), walked) << wanted;
    EXPECT_EQ(run.LastLocationNamed(wanted), walked.empty() ? -1 : walked.back()) << wanted;
  }
}

}  // namespace
