// Squadrons that move to another base as their mission: bug-outs from lost or threatened bases,
// and transfers of squadrons far from the front, on unsuitable bases, or of transports.

#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "mission_generation/base_moves.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;

struct SuitabilityCase {
  const char* name;
  const char* location;
  const char* role;
  bool relaxed;
  bool suitable;
};

class BaseSuitabilityTest : public ::testing::TestWithParam<SuitabilityCase> {};

TEST_P(BaseSuitabilityTest, SuitsTheRole) {
  const SuitabilityCase& c = GetParam();
  EXPECT_EQ(SuitableBase(c.location, c.role, c.relaxed), c.suitable);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, BaseSuitabilityTest,
    ::testing::Values(
        SuitabilityCase{"AirstripForFighters", "Ie_Shima_Airstrip", "1", false, true},
        SuitabilityCase{"AirstripNotForBombers", "Ie_Shima_Airstrip", "2", false, false},
        SuitabilityCase{"AirstripForBombersRelaxed", "Ie_Shima_Airstrip", "2", true, true},
        SuitabilityCase{"AirfieldForBombers", "Kadena_AIRFIELD", "2", false, true},
        SuitabilityCase{"AirfieldNotForSeaplanes", "Kadena_Airfield", "6", true, false},
        SuitabilityCase{"HarbourForSeaplanes", "Hagushi_Harbor", "6", false, true},
        SuitabilityCase{"SeaplaneBaseNotForFighters", "Kerama_Seaplane_Base", "1", false, false},
        SuitabilityCase{"AirfieldHarbourForSeaplanes", "Naha_Airfield_Harbor", "6", false, true},
        SuitabilityCase{"TownForNobody", "Naha", "3", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A squadron of the role based at Allied_Airfield, which the enemy has taken.
struct BugOutCase {
  const char* name;
  const char* role;
  const char* airstrip_name;  // the name Allied_Airstrip has in this case
  const char* new_base;       // empty: the squadron stays
};

class BugOutTest : public ::testing::TestWithParam<BugOutCase> {};

TEST_P(BugOutTest, LeavesALostBaseForTheBestBaseOfItsSide) {
  const BugOutCase& c = GetParam();
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  form.LocationTable[C::kAlliedAirstrip].LocationName = c.airstrip_name;
  const int s = campaign.AddSquadron("Squadron", "1", c.role, C::kAlliedAirfield);
  form.LocationTable[C::kAlliedAirfield].LocationArmy = "2";
  PlanRun& run = campaign.Prepare();
  campaign.Fly(s);
  form.SquadronTable[s].SquadronTaskCode = "1";
  PlanBugOuts(form, run);
  const SquadronEntry& squadron = form.SquadronTable[s];
  if (std::string(c.new_base).empty()) {
    EXPECT_EQ(squadron.SquadronMoveKind, 0);
    EXPECT_EQ(squadron.SquadronTaskCode, "1");
    return;
  }
  EXPECT_EQ(squadron.SquadronMoveKind, 2);
  EXPECT_EQ(squadron.SquadronNewBase, c.new_base);
  EXPECT_EQ(squadron.SquadronTaskCode, "3");
  EXPECT_EQ(squadron.SquadronMissionType, "B17");
  EXPECT_EQ(squadron.SquadronBriefing, std::string("S17 ") + c.new_base);
  EXPECT_EQ(form.LocationTable[squadron.SquadronTargetLocation].LocationName, c.new_base);
  EXPECT_TRUE(squadron.SquadronReturnLeg.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Planner, BugOutTest,
    ::testing::Values(BugOutCase{"FighterToTheAirstrip", "1", "Allied_Airstrip", "Allied_Airstrip"},
                      BugOutCase{"SeaplanesToTheHarbour", "6", "Allied_Airstrip", "Allied_Harbor"},
                      BugOutCase{"BomberTakesAnAirstripWhenNothingElseIsLeft", "2",
                                 "Allied_Airstrip", "Allied_Airstrip"},
                      BugOutCase{"BomberPrefersAnAirfield", "2", "Allied_Airfield_North",
                                 "Allied_Airfield_North"},
                      BugOutCase{"NoBaseLeftAndTheSquadronStays", "1", "Allied_Field", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BugOuts, ABaseNearTheEnemyIsLeftUnlessTransfersAreOffOrItLiesOffTheMap) {
  for (const char* variant : {"near", "no transfers", "off map"}) {
    PlannerCampaign campaign;
    TMainForm& form = campaign.form();
    form.BugOutRadius = 40;  // Allied_Airfield lies 30 km from Front_Town, held by nobody
    const std::string v = variant;
    form.NoTransfers.Checked = v == "no transfers";
    if (v == "off map") form.LocationTable[C::kAlliedAirfield].LocationOffMap = "Y";
    const int s = campaign.AddSquadron("Squadron", "1", "1", C::kAlliedAirfield);
    PlanRun& run = campaign.Prepare();
    campaign.Fly(s);
    PlanBugOuts(form, run);
    EXPECT_EQ(form.SquadronTable[s].SquadronMoveKind, v == "near" ? 2 : 0) << variant;
  }
}

// ---- Transfers ---------------------------------------------------------------------------------

TEST(Transfers, ATransportMovesToTheLastSuitableBaseOfItsSide) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  form.LocationTable[C::kAlliedTown].LocationName = "Allied_Town_Airfield";
  const int s = campaign.AddSquadron("Transports", "1", "3", C::kAlliedAirfield);
  PlanRun& run = campaign.Prepare();
  campaign.Fly(s);
  form.Rand.SetSeed(4);
  PlanTransfers(form, run);
  EXPECT_EQ(form.SquadronTable[s].SquadronNewBase, "Allied_Airstrip");
  EXPECT_EQ(form.SquadronTable[s].SquadronBriefing, "S18 Allied_Airstrip");
  EXPECT_EQ(form.SquadronTable[s].SquadronMissionType, "B17");
}

TEST(Transfers, ASquadronFarFromTheFrontMovesNearerToIt) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  form.ActionRadius.Text = "20 Kilometers";  // Allied_Airfield lies 30 km out
  form.LocationTable[C::kAlliedTown].LocationName = "Allied_Town_Airfield";
  const int s = campaign.AddSquadron("Fighters", "1", "1", C::kAlliedAirfield);
  PlanRun& run = campaign.Prepare();
  campaign.Fly(s);
  form.Rand.SetSeed(9);
  PlanTransfers(form, run);
  // Allied_Town_Airfield lies 28 km from the front; Allied_Airstrip, 46 km out, is not nearer.
  EXPECT_EQ(form.SquadronTable[s].SquadronNewBase, "Allied_Town_Airfield");
  // Every candidate base draws, the first one too.
  EXPECT_EQ(form.Rand.Seed(), SeedAfter(9, 2));
}

TEST(Transfers, TheAxisNeverMovesToLungaAirstrip) {
  for (const char* side : {"1", "2"}) {
    PlannerCampaign campaign;
    TMainForm& form = campaign.form();
    form.LocationTable[C::kAxisTown].LocationName = "Lunga_Airstrip";
    form.LocationTable[C::kAlliedAirstrip].LocationName = "Lunga_Airstrip";
    form.LocationTable[C::kFarAirfield].LocationArmy = "0";  // no other base for the Axis
    const int s = campaign.AddSquadron(
        "Transports", side, "3", side == std::string("1") ? C::kAlliedAirfield : C::kAxisAirfield);
    PlanRun& run = campaign.Prepare();
    campaign.Fly(s);
    PlanTransfers(form, run);
    EXPECT_EQ(form.SquadronTable[s].SquadronMoveKind, side == std::string("1") ? 2 : 0) << side;
  }
}

TEST(Transfers, WithoutTransfersOnlyTransportsAndMisplacedSquadronsMove) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  form.NoTransfers.Checked = true;
  form.ActionRadius.Text = "20 Kilometers";
  form.LocationTable[C::kAlliedTown].LocationName = "Allied_Town_Airfield";
  const int fighters = campaign.AddSquadron("Fighters", "1", "1", C::kAlliedAirfield);
  const int transports = campaign.AddSquadron("Transports", "1", "3", C::kAlliedAirfield);
  const int misplaced = campaign.AddSquadron("Misplaced", "1", "1", C::kAlliedTown);
  form.SquadronTable[misplaced].SquadronHomeBase = "Allied_Town";  // no airfield in its name
  PlanRun& run = campaign.Prepare();
  for (int s : {fighters, transports, misplaced}) campaign.Fly(s);
  PlanTransfers(form, run);
  EXPECT_EQ(form.SquadronTable[fighters].SquadronMoveKind, 0);
  EXPECT_EQ(form.SquadronTable[transports].SquadronMoveKind, 2);
  EXPECT_EQ(form.SquadronTable[misplaced].SquadronMoveKind, 2);
}

TEST(Transfers, ASquadronThatBugsOutIsNotTransferred) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  const int s = campaign.AddSquadron("Transports", "1", "3", C::kAlliedAirfield);
  form.LocationTable[C::kAlliedAirfield].LocationArmy = "2";
  form.LocationTable[C::kAlliedTown].LocationName = "Allied_Town_Airfield";
  PlanRun& run = campaign.Prepare();
  campaign.Fly(s);
  // The first safe base near the front is taken; the airstrip after it loses its draw.
  form.Rand.SetSeed(SeedGiving({{1, 2, 0, true}}));
  PlanBugOuts(form, run);
  PlanTransfers(form, run);
  EXPECT_EQ(form.SquadronTable[s].SquadronNewBase, "Allied_Town_Airfield");
  EXPECT_EQ(form.SquadronTable[s].SquadronBriefing, "S17 Allied_Town_Airfield");
}

}  // namespace
