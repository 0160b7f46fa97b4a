// The phases that send flights along ground columns and ships: reconnaissance of a column's
// route, fighter sweeps along sea lanes, searches over the enemy's patrol area and strikes on
// the bridges of a moving column's route.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/bridge_strikes.h"
#include "mission_generation/fighter_sweeps.h"
#include "mission_generation/planner.h"
#include "mission_generation/reconnaissance_missions.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;
using ::testing::HasSubstr;

std::vector<std::string> Lines(const std::string& leg) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = leg.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(leg.substr(start, end - start));
  }
  return lines;
}

// A player that does not fly, one flagged squadron and one enemy column.
struct ColumnWorld {
  ColumnWorld(const std::string& role, const std::string& side = "1") {
    campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
    squadron = campaign.AddSquadron("Flight", side, role, C::kAlliedAirfield);
  }
  TMainForm& form() { return campaign.form(); }
  SquadronEntry& flight() { return form().SquadronTable[squadron]; }
  void Prepare() {
    run = &campaign.Prepare();
    campaign.Fly(squadron);
  }
  PlannerCampaign campaign;
  int squadron;
  PlanRun* run = nullptr;
};

// ---- Reconnaissance along a column's route --------------------------------------------------

struct RouteLegCase {
  const char* name;
  const char* role;
  int points;
  std::vector<std::string> expected;
};

class RouteReconnaissanceTest : public ::testing::TestWithParam<RouteLegCase> {};

TEST_P(RouteReconnaissanceTest, FollowsEveryFourthPointOfTheRoute) {
  const RouteLegCase& c = GetParam();
  ColumnWorld world(c.role);
  // Points 1000 m apart along x from Axis_Town.
  std::vector<std::string> route;
  for (int k = 0; k < c.points; ++k)
    route.push_back(IntToStr(70000 + 1000 * k) + ".00 30000.00 120.00");
  world.campaign.AddColumn("Armor.T34", "2", "Axis_Town", "Front_Town", route);
  world.Prepare();
  world.form().Rand.SetSeed(SeedGiving({{0, 3, 0}}));
  PlanRouteReconnaissance(world.form(), *world.run);

  EXPECT_EQ(Lines(world.flight().SquadronTargetLeg), c.expected);
  EXPECT_EQ(world.flight().SquadronTaskCode, "3");
  const LocationEntry& target = world.form().LocationTable[world.flight().SquadronTargetLocation];
  EXPECT_GT(world.flight().SquadronTargetLocation, world.form().LastLocation);
  EXPECT_EQ(target.LocationName, "Axis_Town");
  EXPECT_EQ(target.LocationPosition, "71000.00 30000.00 120.00");
  EXPECT_EQ(target.LocationArmy, "2");
  EXPECT_FALSE(world.flight().SquadronHalfWayLeg.empty());
}

std::string Point(int k, const char* keyword, const std::string& tail = "") {
  return std::string("  ") + keyword + " " + IntToStr(70000 + 1000 * k) +
         ".00 30000.00 <ALTITUDE> 300.00" + tail;
}

INSTANTIATE_TEST_SUITE_P(
    Planner, RouteReconnaissanceTest,
    ::testing::Values(
        RouteLegCase{"TwentyOnePoints",
                     "5",
                     21,
                     {Point(20, "NORMFLY"), Point(16, "NORMFLY"), Point(12, "NORMFLY"),
                      Point(8, "NORMFLY"), Point(4, "NORMFLY"), Point(0, "NORMFLY")}},
        RouteLegCase{"NineteenPoints",
                     "6",
                     19,
                     {Point(18, "NORMFLY"), Point(16, "NORMFLY"), Point(12, "NORMFLY"),
                      Point(8, "NORMFLY"), Point(4, "NORMFLY"), Point(0, "NORMFLY")}},
        RouteLegCase{"ArmedReconnaissanceAttacksOnTheWay",
                     "4",
                     21,
                     {Point(20, "NORMFLY"), Point(16, "GATTACK", " 0_Chief 16"),
                      Point(12, "GATTACK", " 0_Chief 12"), Point(8, "GATTACK", " 0_Chief 8"),
                      Point(4, "GATTACK", " 0_Chief 4"), Point(0, "GATTACK", " 0_Chief 0")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RouteReconnaissance, ArmedReconnaissanceNamesBothEndsAndCarriesItsGroundAttackLoad) {
  ColumnWorld world("4");
  world.campaign.AddColumn("Armor.T34", "2", "Axis_Town", "Front_Town",
                           world.campaign.StraightRoute(C::kAxisTown, C::kFrontTown, 5));
  world.Prepare();
  world.form().Rand.SetSeed(SeedGiving({{0, 3, 0}}));
  PlanRouteReconnaissance(world.form(), *world.run);
  EXPECT_EQ(world.flight().SquadronMissionType, "B22");
  EXPECT_EQ(world.flight().SquadronBriefing, "S24 Axis_Town Front_Town");
  EXPECT_EQ(world.flight().SquadronWeapons, "rockets");
}

struct StandingCase {
  const char* name;
  const char* place;
  bool ship;
  bool reconnoitred;
};

class StandingColumnTest : public ::testing::TestWithParam<StandingCase> {};

TEST_P(StandingColumnTest, OnlyAShipHoldingItsPatrolAreaIsReconnoitredStandingStill) {
  const StandingCase& c = GetParam();
  ColumnWorld world("5");
  world.campaign.AddColumn(c.ship ? "Ships.Destroyer" : "Armor.T34", "2", c.place, c.place,
                           world.campaign.StraightRoute(C::kAxisTown, C::kFrontTown, 5));
  world.Prepare();
  world.form().Rand.SetSeed(SeedGiving({{0, 3, 0}}));
  PlanRouteReconnaissance(world.form(), *world.run);
  EXPECT_EQ(world.flight().SquadronTaskCode == "3", c.reconnoitred);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, StandingColumnTest,
    ::testing::Values(StandingCase{"ArmourInTown", "Axis_Town", false, false},
                      StandingCase{"ShipOnItsPatrol", "Axis_Patrol", true, true},
                      StandingCase{"ShipOnTheOtherPatrol", "Allied_Patrol", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RouteReconnaissance, OnlyOneTimeInThree) {
  ColumnWorld world("5");
  world.campaign.AddColumn("Armor.T34", "2", "Axis_Town", "Front_Town",
                           world.campaign.StraightRoute(C::kAxisTown, C::kFrontTown, 5));
  world.Prepare();
  world.flight().SquadronTaskCode = "1";
  const std::uint32_t seed = SeedGiving({{0, 3, 0, true}});
  world.form().Rand.SetSeed(seed);
  PlanRouteReconnaissance(world.form(), *world.run);
  EXPECT_EQ(world.flight().SquadronTaskCode, "1");
  EXPECT_EQ(world.form().Rand.Seed(), SeedAfter(seed, 1));  // no column drawn
}

// ---- Fighter sweeps ---------------------------------------------------------------------------

struct SweepCase {
  const char* name;
  const char* place;
  const char* destination;
  bool swept;
};

class FighterSweepTest : public ::testing::TestWithParam<SweepCase> {};

TEST_P(FighterSweepTest, SweepsSeaLanesOnly) {
  const SweepCase& c = GetParam();
  ColumnWorld world("1");
  std::vector<std::string> route;
  for (int k = 0; k < 250; ++k) route.push_back(IntToStr(40000 + 100 * k) + ".00 5000.00 20.00");
  world.campaign.AddColumn("Ships.Destroyer", "2", c.place, c.destination, route);
  world.Prepare();
  world.form().Rand.SetSeed(3);
  PlanFighterSweeps(world.form(), *world.run);
  if (!c.swept) {
    EXPECT_EQ(world.flight().SquadronTaskCode, "-1");
    return;
  }
  EXPECT_EQ(world.flight().SquadronTaskCode, "33");
  EXPECT_EQ(world.flight().SquadronMissionType, "B11");
  EXPECT_EQ(world.flight().SquadronBriefing, std::string("S30 ") + c.place + " " + c.destination);
  EXPECT_EQ(Lines(world.flight().SquadronTargetLeg),
            (std::vector<std::string>{"  NORMFLY 64900.00 5000.00 <ALTITUDE> 300.00",
                                      "  NORMFLY 60000.00 5000.00 <ALTITUDE> 300.00",
                                      "  NORMFLY 50000.00 5000.00 <ALTITUDE> 300.00",
                                      "  NORMFLY 40000.00 5000.00 <ALTITUDE> 300.00"}));
}

INSTANTIATE_TEST_SUITE_P(
    Planner, FighterSweepTest,
    ::testing::Values(SweepCase{"SeaToSea", "North_Sea", "Kiyan_Sea", true},
                      SweepCase{"SeaToOcean", "East_China_Sea", "Pacific_Ocean", true},
                      SweepCase{"SeaToHarbour", "North_Sea", "Axis_Harbor", false},
                      SweepCase{"NoUnderscoreBeforeSea", "Seaward", "Sea_Lane", false},
                      SweepCase{"StandingAtSeaAwayFromPatrol", "North_Sea", "North_Sea", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FighterSweeps, EveryFlyingSquadronDrawsOnceAndFightersPickAColumn) {
  ColumnWorld world("2");
  const int fighter = world.campaign.AddSquadron("Fighters", "1", "1", C::kAlliedAirfield);
  world.campaign.AddColumn("Armor.T34", "1", "Allied_Town", "Front_Town", {});  // own: redrawn
  world.campaign.AddColumn("Armor.T34", "1", "Allied_Town", "Front_Town", {});
  world.Prepare();
  world.campaign.Fly(fighter);
  world.form().Rand.SetSeed(11);
  PlanFighterSweeps(world.form(), *world.run);
  // The bomber's draw of one number, then the fighter's: one draw and five redraws.
  EXPECT_EQ(world.form().Rand.Seed(), SeedAfter(11, 2 + 6));
}

// ---- Searches at sea -------------------------------------------------------------------------

TEST(SeaReconnaissance, EachSideSearchesTheEnemyPatrolAreaItFliesTo) {
  ColumnWorld world("5");
  const int axis = world.campaign.AddSquadron("Axis_Recon", "2", "5", C::kAxisAirfield);
  const int second = world.campaign.AddSquadron("Recon2", "1", "5", C::kAlliedAirfield);
  world.campaign.AddColumn("Ships.CV_Shokaku", "2", "Axis_Patrol", "Axis_Patrol", {});
  world.campaign.AddColumn("Ships.CV_Essex", "1", "Allied_Patrol", "Allied_Patrol", {});
  world.Prepare();
  world.campaign.Fly(axis);
  world.campaign.Fly(second);
  PlanSeaReconnaissance(world.form(), *world.run);

  const TMainForm& form = world.form();
  auto target_of = [&](int s) {
    return form.LocationTable[form.SquadronTable[s].SquadronTargetLocation];
  };
  EXPECT_EQ(target_of(world.squadron).LocationName, "Axis_Patrol");
  EXPECT_EQ(target_of(axis).LocationName, "Allied_Patrol");
  EXPECT_EQ(form.SquadronTable[world.squadron].SquadronBriefing, "S12 Axis_Patrol");
  EXPECT_EQ(form.SquadronTable[axis].SquadronMissionType, "B23");
  // The later Allied search (squadron 1, planned after squadron 3) flies 20 km further out.
  const WholeMetrePoint first_point = ReadWholeMetres(target_of(second).LocationPosition);
  const WholeMetrePoint second_point = ReadWholeMetres(target_of(world.squadron).LocationPosition);
  EXPECT_EQ(second_point.x - first_point.x, 20000);
  EXPECT_THAT(form.SquadronTable[world.squadron].SquadronTargetLeg,
              HasSubstr(".00  <ALTITUDE> 300.00\r\n"));
}

TEST(SeaReconnaissance, ASideThatKnowsEnoughSendsOnlySeaplanes) {
  ColumnWorld world("5");
  const int seaplanes = world.campaign.AddSquadron("Floats", "1", "6", C::kAlliedHarbor);
  world.campaign.AddColumn("Ships.CV_Shokaku", "2", "Axis_Patrol", "Axis_Patrol", {});
  world.form().ReconCount = {0, 20, 0};
  world.Prepare();
  world.campaign.Fly(seaplanes);
  PlanSeaReconnaissance(world.form(), *world.run);
  EXPECT_EQ(world.flight().SquadronTaskCode, "-1");
  EXPECT_EQ(world.form().SquadronTable[seaplanes].SquadronTaskCode, "3");
}

TEST(SeaReconnaissance, NavyBombersSearchArmedFromAugust1942) {
  for (int day : {1, 2}) {
    ColumnWorld world("2");
    world.flight().SquadronNation = "un";
    world.flight().TypePayload6 = "torpedo";
    world.form().CampaignYear = 1942;
    world.form().CampaignMonth = 8;
    world.form().CampaignDay = day;
    world.campaign.AddColumn("Ships.CV_Shokaku", "2", "Axis_Patrol", "Axis_Patrol", {});
    world.Prepare();
    PlanSeaReconnaissance(world.form(), *world.run);
    EXPECT_EQ(world.flight().SquadronWeapons, day == 1 ? "default" : "torpedo");
  }
}

// ---- Bridge strikes --------------------------------------------------------------------------

// A moving enemy column with bridge points (height field "-120.00") at the given indexes.
int BridgeColumn(ColumnWorld& world, const std::string& place, int points, std::vector<int> bridges,
                 int first_x = 70000) {
  std::vector<std::string> route;
  for (int k = 0; k < points; ++k) {
    const bool bridge = std::find(bridges.begin(), bridges.end(), k) != bridges.end();
    route.push_back(IntToStr(first_x + 1000 * k) + ".00 30000.00 " +
                    (bridge ? "-120.00" : "120.00"));
  }
  const int c = world.campaign.AddColumn("Trains.Cargo", "2", place, "Front_Town", route);
  world.form().RoutePointMark[c] = "Y";
  return c;
}

TEST(BridgeStrikes, TheLastBridgeOfTheRouteIsStruck) {
  ColumnWorld world("2");
  BridgeColumn(world, "Axis_Town", 10, {2, 7});
  world.Prepare();
  PlanBridgeStrikes(world.form(), *world.run);
  EXPECT_EQ(world.flight().SquadronTaskCode, "2");
  EXPECT_EQ(world.flight().SquadronTargetLeg, "  GATTACK 77000.00 30000.00 <ALTITUDE> 300.00\r\n");
  EXPECT_EQ(world.flight().SquadronMissionType, "B8");
  EXPECT_EQ(world.flight().SquadronWeapons, "bombs");
  const LocationEntry& target = world.form().LocationTable[world.flight().SquadronTargetLocation];
  EXPECT_EQ(target.LocationName, "Axis_Town_Bridge");
  EXPECT_EQ(target.LocationArmy, "0");
}

struct BridgeCase {
  const char* name;
  int points;
  int first_x;
  bool struck;
};

class BridgeRouteTest : public ::testing::TestWithParam<BridgeCase> {};

TEST_P(BridgeRouteTest, NeedsFivePointsAndARouteEndingInReach) {
  const BridgeCase& c = GetParam();
  ColumnWorld world("7");
  BridgeColumn(world, "Axis_Town", c.points, {1}, c.first_x);
  world.Prepare();
  PlanBridgeStrikes(world.form(), *world.run);
  EXPECT_EQ(world.flight().SquadronTaskCode == "2", c.struck);
}

INSTANTIATE_TEST_SUITE_P(Planner, BridgeRouteTest,
                         ::testing::Values(BridgeCase{"FourPoints", 4, 70000, false},
                                           BridgeCase{"FivePoints", 5, 70000, true},
                                           // The bridge lies near, the route ends 300 km away.
                                           BridgeCase{"RouteEndsOutOfReach", 300, 70000, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BridgeStrikes, BridgeNamesComeFromTheColumnsPlace) {
  EXPECT_EQ(BridgeTargetName("Naha_Station"), "Naha__Rail_Bridge");
  EXPECT_EQ(BridgeTargetName(" Asa_River_Bridge "), "Asa_River_Bridge");
  EXPECT_EQ(BridgeTargetName("Bridge_Station"), "Bridge__Rail");
}

TEST(BridgeStrikes, FightersStrikeOnlyAsThePlayerAskingForIt) {
  for (bool asks : {false, true}) {
    PlannerCampaign campaign;
    const int player = campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
    std::vector<std::string> route = campaign.StraightRoute(C::kAxisTown, C::kFrontTown, 6);
    route[3] = "64000.00 38000.00 -120.00";
    const int c = campaign.AddColumn("Trains.Cargo", "2", "Axis_Town", "Front_Town", route);
    campaign.form().RoutePointMark[c] = "Y";
    campaign.form().MissionRadio.ItemIndex = asks ? 1 : 0;
    PlanRun& run = campaign.Prepare();
    campaign.Fly(player);
    PlanBridgeStrikes(campaign.form(), run);
    EXPECT_EQ(campaign.form().SquadronTable[player].SquadronTaskCode == "2", asks);
  }
}

// ---- No columns ----------------------------------------------------------------------------

TEST(ColumnMissions, ACampaignWithoutColumnsIsPlannedWithoutThem) {
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  campaign.AddSquadron("Recon", "1", "5", C::kAlliedAirfield);
  campaign.AddSquadron("Bombers", "2", "2", C::kAxisAirfield);
  campaign.AddSquadron("Fighters", "2", "1", C::kAxisAirfield);
  campaign.Plan(21);
  const TMainForm& form = campaign.form();
  for (const char* phase : {"the fighter sweeps", "the bridge strikes", "the column defence"}) {
    EXPECT_THAT(form.ErrorText, HasSubstr(std::string("The campaign has no ground columns: ") +
                                          phase + " finds none."));
  }
  EXPECT_THAT(form.ErrorText, HasSubstr("End of Squadron Mission Assignments"));
  EXPECT_EQ(form.SquadronTable[0].SquadronInMission, "Y");
}

}  // namespace
