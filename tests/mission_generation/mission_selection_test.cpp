// The first mission of every flagged squadron: the target drawn from the map and the kind of
// mission its role, type and payloads give there, with the target leg. With every location's
// target value 0 the scan takes the first suitable location in index order, so each case
// chooses its target by the order of the locations it keeps; the draws the kinds make are
// pinned by the seed.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/mission_selection.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;

struct SelectionCase {
  const char* name;
  std::vector<int> locations;  // kept, in this order; the squadron is based at the first
  bool player;                 // the squadron is the player's (index 0)
  std::function<void(PlannerCampaign&, SquadronEntry&)> setup;
  std::vector<Draw> draws;
  const char* target;
  const char* task;
  const char* mission_type;
  const char* briefing;
  const char* weapons;
  const char* target_leg;
  int per_flight = 4;
};

void PrintTo(const SelectionCase& c, std::ostream* os) {
  *os << c.name;
}

class SelectionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectionTest, GivesTheMissionOfRoleTypeAndTarget) {
  const SelectionCase& c = GetParam();
  PlannerCampaign campaign;
  campaign.KeepLocations(c.locations);
  if (!c.player) campaign.AddSquadron("Player", "1", "1", 0);
  const int s = campaign.AddSquadron("Test", "1", "2", 0);
  SquadronEntry& squadron = campaign.form().SquadronTable[s];
  c.setup(campaign, squadron);
  PlanRun& run = campaign.Prepare();
  campaign.Fly(s);
  campaign.form().Rand.SetSeed(c.draws.empty() ? 1 : SeedGiving(c.draws));
  SelectMissions(campaign.form(), run);

  const int target = squadron.SquadronTargetLocation;
  EXPECT_EQ(target < 0 ? "-" : campaign.form().LocationTable[target].LocationName, c.target);
  EXPECT_EQ(squadron.SquadronTaskCode, c.task);
  EXPECT_EQ(squadron.SquadronMissionType, c.mission_type);
  EXPECT_EQ(squadron.SquadronBriefing, c.briefing);
  EXPECT_EQ(squadron.SquadronWeapons, c.weapons);
  EXPECT_EQ(squadron.SquadronTargetLeg, c.target_leg);
  EXPECT_EQ(squadron.PlanesExtra, c.per_flight);
}

void Nothing(PlannerCampaign&, SquadronEntry&) {}

SelectionCase Bomber(const char* name, std::vector<int> locations,
                     std::function<void(PlannerCampaign&, SquadronEntry&)> setup,
                     std::vector<Draw> draws, const char* target, const char* task,
                     const char* type, const char* briefing, const char* weapons, const char* leg) {
  return {name,
          std::move(locations),
          false,
          std::move(setup),
          std::move(draws),
          target,
          task,
          type,
          briefing,
          weapons,
          leg};
}

INSTANTIATE_TEST_SUITE_P(
    Planner, SelectionTest,
    ::testing::Values(
        // Airfield attack first, then bombing takes over with the airfield's text.
        Bomber("BomberOverEnemyAirfieldBombsIt",
               {C::kAlliedAirfield, C::kFrontTown, C::kAxisAirfield}, Nothing, {{3, 20, 0, true}},
               "Axis_Airfield", "1", "B0", "S2 Axis_Airfield", "bombs",
               "  GATTACK 80000.00 50000.00 <ALTITUDE> 300.00 \r\n"),
        Bomber("BomberReconnoitresOneTimeInTwenty",
               {C::kAlliedAirfield, C::kFrontTown, C::kAxisAirfield}, Nothing, {{3, 20, 0}},
               "Axis_Airfield", "3", "B12", "S12 Axis_Airfield", "bombs",
               "  GATTACK 80000.00 50000.00 <ALTITUDE> 300.00 \r\n"),
        Bomber("FactoriesAreStrategicBombing", {C::kAlliedAirfield, C::kFrontTown, C::kAxisFactory},
               Nothing, {{3, 20, 0, true}}, "Axis_Factory", "1", "B3", "S6 Axis_Factory", "bombs",
               "  GATTACK 90000.00 70000.00 <ALTITUDE> 300.00 \r\n"),
        Bomber(
            "GroundAttackerAttacksEnemyTown", {C::kAlliedAirfield, C::kAxisTown, C::kFrontTown},
            [](PlannerCampaign&, SquadronEntry& q) { q.SquadronRole = "4"; }, {{3, 20, 0, true}},
            "Axis_Town", "1", "B6", "S11 Axis_Town", "rockets",
            "  GATTACK 70000.00 30000.00 <ALTITUDE> 300.00 \r\n"),
        Bomber("BomberWithoutEnemyTargetsAttacksAtTheFront",
               {C::kAlliedAirfield, C::kAlliedTown, C::kFrontTown}, Nothing, {{3, 20, 0, true}},
               "Front_Town", "1", "B7", "S5 Front_Town", "rockets",
               "  GATTACK 50000.00 50000.00 <ALTITUDE> 300.00 \r\n"),
        Bomber(
            "FighterOverOwnGroundCoversIt", {C::kAlliedAirfield, C::kAlliedTown, C::kFrontTown},
            [](PlannerCampaign&, SquadronEntry& q) { q.SquadronRole = "1"; }, {}, "Allied_Airfield",
            "6", "B20", "S7 Allied_Airfield", "default",
            "  NORMFLY 20000.00 50000.00 <ALTITUDE> 300.00 \r\n"),
        Bomber(
            "FighterOverEnemyGroundSweeps", {C::kAxisTown, C::kAlliedAirfield, C::kFrontTown},
            [](PlannerCampaign&, SquadronEntry& q) { q.SquadronRole = "1"; }, {}, "Axis_Town", "3",
            "B11", "S9 Axis_Town", "default", "  NORMFLY 70000.00 30000.00 <ALTITUDE> 300.00 \r\n"),
        Bomber(
            "BridgeAttackNamesTheBridge", {C::kAlliedAirfield, C::kFrontTown, C::kRiverBridge},
            [](PlannerCampaign& campaign, SquadronEntry&) {
              campaign.form().LocationTable[2].LocationName = "A_to_B_Bridge12";
            },
            {{3, 20, 0, true}}, "A_to_B_Bridge12", "2", "B8", "S6 A_to_B_Bridge12", "bombs",
            "  GATTACK 60000.00 40000.00 <ALTITUDE> 300.00 Bridge12 0\r\n"),
        Bomber(
            "CompositeCarrierReleasesEvenOverOwnGround",
            {C::kAlliedAirfield, C::kAlliedTown, C::kFrontTown},
            [](PlannerCampaign&, SquadronEntry& q) {
              q.SquadronRole = "1";
              q.SquadronClass = "Class air.TB_3_4M_34R_SPB";
            },
            {}, "Allied_Airfield", "6", "B20", "S7 Allied_Airfield", "default",
            "  GATTACK 20000.00 50000.00 <ALTITUDE> 300.00 Some_Target\r\n"),
        // The tug finds no drop zone; the ground attack that follows overrides it.
        [] {
          SelectionCase c = Bomber(
              "GliderTugFliesOnePlanePerFlight", {C::kAlliedAirfield, C::kAxisTown, C::kFrontTown},
              [](PlannerCampaign&, SquadronEntry& q) { q.TypeDescription = "HE-111 Z-1"; },
              {{3, 20, 0, true}}, "Axis_Town", "1", "B6", "S11 Axis_Town", "rockets",
              "  GATTACK 70000.00 30000.00 <ALTITUDE> 300.00 \r\n");
          c.per_flight = 1;
          return c;
        }(),
        Bomber(
            "DropZoneLocksAParatroopCarrier",
            {C::kAlliedAirfield, C::kFrontTown, C::kAxisAirfield, C::kAxisTown},
            [](PlannerCampaign& campaign, SquadronEntry& q) {
              campaign.form().Paras.Checked = true;
              campaign.form().LocationTable[3].LocationName = "Axis_Dropzone";
              q.TypePayload4 = "Paras";
            },
            {{4, 20, 0, true}}, "Axis_Dropzone", "1", "B4", "S3 Axis_Dropzone", "Paras",
            "  GATTACK 70000.00 30000.00 <ALTITUDE> 300.00 \r\n"),
        Bomber(
            "WithoutParatroopersTheLoadIsTheDefault",
            {C::kAlliedAirfield, C::kFrontTown, C::kAxisAirfield, C::kAxisTown},
            [](PlannerCampaign& campaign, SquadronEntry& q) {
              campaign.form().LocationTable[3].LocationName = "Axis_Dropzone";
              q.TypePayload4 = "Paras";
            },
            {{4, 20, 0, true}}, "Axis_Airfield", "1", "B6", "S11 Axis_Airfield", "rockets",
            "  GATTACK 80000.00 50000.00 <ALTITUDE> 300.00 \r\n"),
        SelectionCase{"PlayerGetsTheChosenDestination",
                      {C::kAlliedAirfield, C::kFrontTown, C::kAxisTown, C::kAxisFactory},
                      true,
                      [](PlannerCampaign& campaign, SquadronEntry&) {
                        campaign.form().SelectTarget.Text = "Axis_Factory";
                        campaign.form().LocationTable[3].LocationTargetValue = 1000;
                      },
                      {{3, 1000, 0, true}, {4, 20, 0, true}},
                      "Axis_Factory",
                      "1",
                      "B3",
                      "S6 Axis_Factory",
                      "bombs",
                      "  GATTACK 90000.00 70000.00 <ALTITUDE> 300.00 \r\n"},
        SelectionCase{"PlayersAirSuperioritySweepHasItsOwnBriefing",
                      {C::kAlliedAirfield, C::kAxisTown, C::kFrontTown},
                      true,
                      [](PlannerCampaign& campaign, SquadronEntry& q) {
                        q.SquadronRole = "1";
                        campaign.form().MissionRadio.ItemIndex = 12;
                      },
                      {{3, 20, 0, true}},
                      "Axis_Town",
                      "3",
                      "B11",
                      "S10 Axis_Town",
                      "default",
                      "  NORMFLY 70000.00 30000.00 <ALTITUDE> 300.00 \r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MissionSelection, ASquadronThatMustFlyTriesABoundedNumberOfTimes) {
  PlannerCampaign campaign;
  campaign.KeepLocations({C::kAlliedAirfield, C::kAlliedTown});
  TMainForm& form = campaign.form();
  form.FrontCenterIndex = 1;
  form.FrontCenterName = "Allied_Town";
  form.FrontCenterPosition = form.LocationTable[1].LocationPosition;
  campaign.AddSquadron("Player", "1", "1", 0);
  const int jabo = campaign.AddSquadron("Jabo_1", "1", "1", 0);
  form.SquadronTable[jabo].SquadronActive = "Active True ";
  PlanRun& run = campaign.Prepare();
  campaign.Fly(jabo);
  form.Rand.SetSeed(5);
  SelectMissions(form, run);
  EXPECT_EQ(form.SquadronTable[jabo].SquadronTaskCode, "-1");
  EXPECT_TRUE(form.SquadronTable[jabo].SquadronTargetLeg.empty());
  // Two locations drawn against in every attempt.
  EXPECT_EQ(form.Rand.Seed(), SeedAfter(5, 2 * kSelectionAttempts));
  EXPECT_NE(form.ErrorText.find("Squadron Jabo_1 [1] found no target in 12 attempts and stays at "
                                "its base."),
            std::string::npos);
}

TEST(MissionSelection, WithoutAFrontCentreNothingIsFound) {
  PlannerCampaign campaign;
  campaign.KeepLocations({C::kAlliedAirfield, C::kAxisTown});
  const int bomber = campaign.AddSquadron("Bombers", "1", "2", 0);
  PlanRun& run = campaign.Prepare();
  campaign.Fly(bomber);
  SelectMissions(campaign.form(), run);
  const SquadronEntry& squadron = campaign.form().SquadronTable[bomber];
  EXPECT_EQ(squadron.SquadronTargetLocation, -1);
  EXPECT_EQ(squadron.SquadronTaskCode, "-1");
  EXPECT_TRUE(squadron.SquadronTargetLeg.empty());
  EXPECT_NE(campaign.form().ErrorText.find("The map has no usable front centre"),
            std::string::npos);
}

// ---- The scan against the plain walk -----------------------------------------------------------

// What a selection leaves behind that the scan decides: the target and mission, and the
// generator's seed after every draw.
struct SelectionOutcome {
  int target;
  std::string task;
  std::uint32_t seed;
  bool operator==(const SelectionOutcome&) const = default;
};

// A map of a few hundred places of every side and worth around the front centre, and one
// squadron on a random place of side 1 within reach of the front. The player's squadron (index
// 0, with no wish of its own) walks every place and draws for each one it reaches; any other
// squadron's scan must draw and choose just the same.
SelectionOutcome SelectOnARandomMap(std::uint32_t seed, bool as_player) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  std::mt19937 random(seed);
  const auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  const char* const kinds[] = {"_Town", "_Bridge", "_Dropzone", "_Airfield", "_Factory"};
  std::vector<int> own_places;
  for (int k = 0; k < 300; ++k) {
    const int j = ++form.LastLocation;
    LocationEntry& location = form.LocationTable[j];
    location.LocationName = "Place" + IntToStr(k) + kinds[pick(5)];
    location.LocationArmy = IntToStr(pick(3));
    location.LocationPosition = IntToStr(pick(100000)) + ".00 " + IntToStr(pick(100000)) + ".00";
    location.LocationOffMap = pick(20) == 0 ? "Y" : "N";
    location.LocationTargetValue = pick(4) == 0 ? 0 : pick(12);
    const WholeMetrePoint at = ReadWholeMetres(location.LocationPosition);
    const long long dx = at.x - 50000;
    const long long dy = at.y - 50000;
    if (location.LocationArmy == "1" && dx * dx + dy * dy < 40000LL * 40000LL) {
      own_places.push_back(j);
    }
  }
  form.ActionRadius.Text = "60 Kilometers";
  form.ActionRadiusKm = 45;
  if (!as_player) campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const char* const roles[] = {"2", "3", "4", "5", "6", "7"};
  const int base = own_places[static_cast<size_t>(pick(static_cast<int>(own_places.size())))];
  const int s = campaign.AddSquadron("Tested", "1", roles[pick(6)], base);
  SquadronEntry& squadron = form.SquadronTable[s];
  if (pick(3) == 0) squadron.TypePayload4 = "Paratroops";
  if (pick(2) == 0) squadron.SquadronActive = "Active True ";
  PlanRun& run = campaign.Prepare();
  campaign.Fly(s);
  form.Rand.SetSeed(seed);
  SelectMissions(form, run);
  return {squadron.SquadronTargetLocation, squadron.SquadronTaskCode, form.Rand.Seed()};
}

TEST(MissionSelection, TheScanDrawsAndChoosesAsTheWalkOverEveryPlace) {
  int targets = 0;
  for (std::uint32_t seed = 1; seed <= 150; ++seed) {
    const SelectionOutcome walked = SelectOnARandomMap(seed, true);
    const SelectionOutcome scanned = SelectOnARandomMap(seed, false);
    EXPECT_EQ(scanned.target, walked.target) << seed;
    EXPECT_EQ(scanned.task, walked.task) << seed;
    EXPECT_EQ(scanned.seed, walked.seed) << seed;
    targets += walked.target >= 0;
  }
  EXPECT_GT(targets, 100);
}

}  // namespace
