// Which squadrons fly: the density caps, the rules that force a squadron in or keep it out, the
// launch loads and tallies a flagged squadron adds, and the draws the two passes make.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/squadron_activation.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;

// Six squadrons: the player's fighters (0), an Allied bomber (1), two Axis fighter squadrons at
// different bases (2, 3), an Axis ground attacker (4) and an Axis transport (5).
struct ActivationWorld {
  ActivationWorld() {
    campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
    campaign.AddSquadron("Bombers", "1", "2", C::kAlliedAirstrip);
    campaign.AddSquadron("JG1", "2", "1", C::kAxisAirfield);
    campaign.AddSquadron("JG2", "2", "1", C::kAxisTown);
    campaign.AddSquadron("SG1", "2", "4", C::kAxisAirfield);
    campaign.AddSquadron("TG1", "2", "3", C::kAxisStation);
  }
  TMainForm& form() { return campaign.form(); }
  SquadronEntry& squadron(int s) { return form().SquadronTable[s]; }
  std::string Flags() {
    std::string flags;
    for (int s = 0; s <= form().LastSquadron; ++s) {
      flags += squadron(s).SquadronInMission == "Y" ? "Y" : "-";
    }
    return flags;
  }
  std::string Activate(std::uint32_t seed) {
    PlanRun& run = campaign.Prepare();
    form().Rand.SetSeed(seed);
    ActivateSquadrons(form(), run);
    return Flags();
  }
  PlannerCampaign campaign;
};

struct ActivationCase {
  const char* name;
  std::function<void(ActivationWorld&)> setup;
  const char* expected;  // flags of squadrons 0..5
};

class ActivationTest : public ::testing::TestWithParam<ActivationCase> {};

TEST_P(ActivationTest, FlagsTheSquadronsThatFly) {
  ActivationWorld world;
  GetParam().setup(world);
  EXPECT_EQ(world.Activate(7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, ActivationTest,
    ::testing::Values(
        ActivationCase{"FullDensityFliesEverySquadron", [](ActivationWorld&) {}, "YYYYYY"},
        ActivationCase{"NeverActiveStaysOutButThePlayerFlies",
                       [](ActivationWorld& w) {
                         w.squadron(0).SquadronActive = "Active Never";
                         w.squadron(4).SquadronActive = "Active Never";
                       },
                       "YYYY-Y"},
        ActivationCase{"CoopPlayerFollowsTheRules",
                       [](ActivationWorld& w) {
                         w.form().Coop.Checked = true;
                         w.squadron(0).SquadronActive = "Active Never";
                       },
                       "-YYYYY"},
        ActivationCase{"FewerPlanesThanOneFlightNeverFly",
                       [](ActivationWorld& w) {
                         w.squadron(2).PlanesFlight = "0";
                         w.squadron(2).SquadronActive = "Active True ";
                         w.squadron(3).PlanesFlight = "3";
                         w.form().LinkBox.Text = "JG2";
                       },
                       "YY--YY"},
        ActivationCase{"ThePlayerFliesTheFewPlanesHisSquadronHasLeft",
                       [](ActivationWorld& w) { w.squadron(0).PlanesFlight = "3"; }, "YYYYYY"},
        ActivationCase{"ThePlayerWithoutPlanesStaysHome",
                       [](ActivationWorld& w) { w.squadron(0).PlanesFlight = "0"; }, "-YYYYY"},
        ActivationCase{"CoopPlayerNeedsAWholeFlight",
                       [](ActivationWorld& w) {
                         w.form().Coop.Checked = true;
                         w.squadron(0).PlanesFlight = "3";
                       },
                       "-YYYYY"},
        ActivationCase{"NoTakeOffPositionMeansUnknownBase",
                       [](ActivationWorld& w) { w.squadron(4).SquadronTakeOffLeg.clear(); },
                       "YYYY-Y"},
        ActivationCase{"TypesNotInServiceStayOut",
                       [](ActivationWorld& w) {
                         w.form().HistDates.Checked = true;
                         w.squadron(1).TypeServiceStart = 194407;
                         w.squadron(3).TypeServiceStart = 194406;
                       },
                       "Y-YYYY"},
        ActivationCase{"SeaplanesStayInWinter",
                       [](ActivationWorld& w) {
                         w.form().MapSeason = "Winter";
                         w.squadron(5).SquadronRole = "6";
                       },
                       "YYYYY-"},
        ActivationCase{"AFullHarbourTakesNoMoreSquadrons",
                       [](ActivationWorld& w) {
                         w.form().LocationTable[C::kAxisStation].LocationName = "Axis_Harbor";
                         w.squadron(3).SquadronHomeBase = "Axis_Harbor";
                         w.squadron(5).SquadronHomeBase = "Axis_Harbor";
                       },
                       "YYYYY-"},
        ActivationCase{"SparseDensityLetsOneSquadronOfARoleGroupFly",
                       [](ActivationWorld& w) {
                         w.form().SquadronDensity.Text = "Sparse";
                         w.form().SquadronDensityLevel = 20;
                         w.squadron(0).SquadronActive = "Active True ";
                       },
                       "Y-Y-YY"},
        ActivationCase{"NoneKeepsEveryoneButThePlayerAtHome",
                       [](ActivationWorld& w) {
                         w.form().SquadronDensity.Text = "None";
                         w.form().SquadronDensityLevel = 99;
                         w.squadron(2).SquadronActive = "Active True ";
                       },
                       "Y-Y---"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SquadronActivation, EverySquadronDrawsOnceInEachPassWhatever) {
  for (const char* density : {"Full", "Moderate", "None"}) {
    ActivationWorld world;
    world.form().SquadronDensity.Text = density;
    world.form().SquadronDensityLevel = 12;
    world.Activate(99);
    EXPECT_EQ(world.form().Rand.Seed(), SeedAfter(99, 2 * 6)) << density;
  }
}

TEST(SquadronActivation, SecondFighterOnOneBaseDrawsWithTwoMoreAndAddsHalfItsFlight) {
  ActivationWorld world;
  world.form().SquadronDensity.Text = "Heavy";
  world.form().SquadronDensityLevel = 6;
  world.squadron(3).SquadronHomeBase = "Axis_Airfield";
  // Draws: 0..5 the first pass. JG1 (2) is the side's first fighter (factor 0); JG2 (3) shares
  // its base: factor 0 + 2 after the front reduction of 2 (the base lies near the front) and
  // the cap: it flies on a draw of 0 in 2.
  const std::uint32_t seed = SeedGiving({{3, 2, 0}});
  PlanRun& run = world.campaign.Prepare();
  world.form().Rand.SetSeed(seed);
  ActivateSquadrons(world.form(), run);
  EXPECT_EQ(world.squadron(2).SquadronInMission, "Y");
  EXPECT_EQ(world.squadron(3).SquadronInMission, "Y");
  // JG1 adds its flight of 4 plus 4 (Axis, "Default" balance, nation "de" after 1942); JG2 half
  // a flight.
  EXPECT_EQ(run.Tally(2, 1), 8 + 2);
}

TEST(SquadronActivation, LaunchesAddToTheBaseLoad) {
  ActivationWorld world;
  world.squadron(4).PlanesFlight = "7";  // one flight of 4 from 7 planes
  world.Activate(3);
  // Axis_Airfield lies 30 km from the front (32), JG1 launches two flights of 4 from 12
  // planes, SG1 one of 4.
  EXPECT_EQ(world.form().ObjectPairA[C::kAxisAirfield][0], 32 + 8 + 4);
}

TEST(SquadronActivation, TransportsBringTroopsUpToTheLimit) {
  ActivationWorld world;
  world.form().TroopBox.Text = "10";
  world.form().LocationTable[C::kAxisStation].TerritoryStrength = {0, 5, 6};
  world.Activate(3);
  // 12 planes of side 2 land at an Axis place: Allied troops there are gone, Axis ones capped.
  EXPECT_EQ(world.form().LocationTable[C::kAxisStation].TerritoryStrength[1], 0);
  EXPECT_EQ(world.form().LocationTable[C::kAxisStation].TerritoryStrength[2], 10);
}

}  // namespace
