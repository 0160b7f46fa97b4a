// Squadrons that move to another base as their mission: bug-outs from lost or threatened bases,
// and transfers of squadrons far from the front, on unsuitable bases, or of transports.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/base_moves.h"
#include "tests/mission_generation/planner_campaign.h"
#include "tests/support/installed_program.h"

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

// ---- Moves over many accepted bases -------------------------------------------------------------

// A random map of bases and towns on both sides, with squadrons of every role on random bases,
// some of which the enemy has taken. `altitude` is every squadron type's transit altitude.
void FillRandomCampaign(PlannerCampaign& campaign, std::uint32_t seed,
                        const std::string& altitude) {
  TMainForm& form = campaign.form();
  std::mt19937 random(seed);
  const auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  const char* const kinds[] = {"_Airfield", "_Airstrip", "_Harbor", "_SeaPlane_Base", "_Town"};
  std::vector<int> bases;
  for (int k = 0; k < 60; ++k) {
    const int j = ++form.LastLocation;
    LocationEntry& location = form.LocationTable[j];
    const int x_km = 5 + pick(90);
    location.LocationName = "Place" + IntToStr(k) + kinds[pick(5)];
    location.LocationArmy = x_km < 45 ? "1" : x_km > 55 ? "2" : "0";
    location.LocationPosition =
        IntToStr(x_km * 1000LL) + ".00 " + IntToStr((5 + pick(90)) * 1000LL) + ".00";
    location.LocationOffMap = pick(10) == 0 ? "Y" : "N";
    if (!Contains(location.LocationName, "_Town")) bases.push_back(j);
  }
  for (int k = 0; k < 40; ++k) {
    const int base = bases[static_cast<size_t>(pick(static_cast<int>(bases.size())))];
    const std::string side = form.LocationTable[base].LocationArmy == "2" ? "2" : "1";
    const int s = campaign.AddSquadron("Squadron" + IntToStr(k), side, IntToStr(1 + pick(7)), base);
    form.SquadronTable[s].TypeTransitAlt = altitude;
  }
  // Bases lost to the enemy: their squadrons must leave.
  for (int k = 0; k < 8; ++k) {
    LocationEntry& lost =
        form.LocationTable[bases[static_cast<size_t>(pick(static_cast<int>(bases.size())))]];
    lost.LocationArmy = lost.LocationArmy == "1" ? "2" : "1";
  }
  form.BugOutRadius = 15;
  form.ActionRadius.Text = "30 Kilometers";
}

std::vector<std::string> WithoutAltitudeLines(const std::vector<std::string>& lines) {
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    if (!Contains(line, "Altitude Set for")) kept.push_back(line);
  }
  return kept;
}

// A squadron whose transit altitude cannot be read falls back to 3000 m, the altitude the
// readable one names, and logs the fall-back on every move: its moves are made one by one as
// the scan accepts each base. The moves of readable squadrons must end just the same.
TEST(BaseMoves, MovesOverManyBasesEndAsMovesMadeOneByOne) {
  int moved = 0;
  int fallback_lines = 0;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    PlannerCampaign quiet;
    PlannerCampaign logged;
    FillRandomCampaign(quiet, seed, "3000 Meters");
    FillRandomCampaign(logged, seed, "high");
    for (PlannerCampaign* campaign : {&quiet, &logged}) {
      TMainForm& form = campaign->form();
      PlanRun& run = campaign->Prepare();
      for (int s = 0; s <= form.LastSquadron; ++s) campaign->Fly(s);
      form.Rand.SetSeed(seed * 7919);
      PlanBugOuts(form, run);
      PlanTransfers(form, run);
    }
    const TMainForm& a = quiet.form();
    const TMainForm& b = logged.form();
    ASSERT_EQ(a.Rand.Seed(), b.Rand.Seed()) << seed;
    for (int s = 0; s <= a.LastSquadron; ++s) {
      const SquadronEntry& x = a.SquadronTable[s];
      const SquadronEntry& y = b.SquadronTable[s];
      const std::string at = "seed " + IntToStr(seed) + ", squadron " + IntToStr(s);
      EXPECT_EQ(x.SquadronMoveKind, y.SquadronMoveKind) << at;
      EXPECT_EQ(x.SquadronTargetLocation, y.SquadronTargetLocation) << at;
      EXPECT_EQ(x.SquadronNewBase, y.SquadronNewBase) << at;
      EXPECT_EQ(x.SquadronTargetLeg, y.SquadronTargetLeg) << at;
      EXPECT_EQ(x.SquadronHalfWayLeg, y.SquadronHalfWayLeg) << at;
      EXPECT_EQ(x.SquadronMissionType, y.SquadronMissionType) << at;
      EXPECT_EQ(x.SquadronBriefing, y.SquadronBriefing) << at;
      EXPECT_EQ(x.SquadronTaskCode, y.SquadronTaskCode) << at;
      EXPECT_EQ(x.SquadronEscortOf, y.SquadronEscortOf) << at;
      moved += x.SquadronMoveKind == 2;
    }
    const std::vector<std::string> quiet_log = RunLogMessages(a);
    const std::vector<std::string> logged_log = RunLogMessages(b);
    EXPECT_EQ(WithoutAltitudeLines(quiet_log), quiet_log) << seed;
    EXPECT_EQ(WithoutAltitudeLines(logged_log), quiet_log) << seed;
    fallback_lines += static_cast<int>(logged_log.size() - quiet_log.size());
  }
  // Many squadrons moved, and many of them accepted more than one base on the way.
  EXPECT_GT(moved, 100);
  EXPECT_GT(fallback_lines, 2 * moved);
}

// A squadron without a readable cruise speed logs its fall-back speed on every move, twice: for
// the speed of the move and for its half-way point.
TEST(BaseMoves, EveryAcceptedBaseLogsAnUnreadableSpeed) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  form.LocationTable[C::kAlliedTown].LocationName = "Allied_Town_Airfield";
  const int s = campaign.AddSquadron("Transports", "1", "3", C::kAlliedAirfield);
  PlanRun& run = campaign.Prepare();
  campaign.Fly(s);
  // After the prologue, which would leave the squadron out for it.
  form.SquadronTable[s].TypeCruiseSpeed = "slow kph";
  const size_t before = RunLogMessages(form).size();
  PlanTransfers(form, run);
  const std::vector<std::string> log = RunLogMessages(form);
  int speed_lines = 0;
  for (size_t k = before; k < log.size(); ++k)
    speed_lines += log[k] == "Speed Set for Transports [0] failed.";
  // One for the transfer itself, two for each of the two bases (the town's airfield, the
  // airstrip) the transport accepts in turn.
  EXPECT_EQ(speed_lines, 5);
  EXPECT_EQ(form.SquadronTable[s].SquadronNewBase, "Allied_Airstrip");
  EXPECT_EQ(form.SquadronTable[s].SquadronTargetLeg,
            "  NORMFLY 15000.00 80000.00 <ALTITUDE> 350.00\r\n");
}

}  // namespace
