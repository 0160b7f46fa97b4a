// Attacks on enemy columns and ships and the defence of friendly ones: which column a squadron
// takes, where along its route the flight meets it, and the legs it flies.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/random_generator.h"
#include "campaign_data/text.h"
#include "mission_generation/anti_shipping_missions.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/defend_column_missions.h"
#include "mission_generation/ground_attack_missions.h"
#include "mission_generation/mission_preference.h"
#include "mission_generation/plan_run.h"
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

// ---- The position of a route point ----------------------------------------------------------

struct RoutePointCase {
  const char* name;
  std::string point;
  std::string position;
};

class RoutePointPositionTest : public ::testing::TestWithParam<RoutePointCase> {};

TEST_P(RoutePointPositionTest, ReadsTheFirstTwoFields) {
  EXPECT_EQ(RoutePointPosition(GetParam().point), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, RoutePointPositionTest,
    ::testing::Values(RoutePointCase{"ThreeFields", "100.00 200.00 120.00", "100.00 200.00"},
                      RoutePointCase{"BlanksAround", "  100.00 200.00 120.00 \t", "100.00 200.00"},
                      RoutePointCase{"BlanksBetween", "100.00   200.00 120.00", "100.00 200.00"},
                      RoutePointCase{"TwoFieldsLoseTheSecond", "100.00 200.00", "100.00 "},
                      RoutePointCase{"OneField", "100.00", ""}, RoutePointCase{"Empty", "", ""},
                      RoutePointCase{"TabInTheFirstField", "100.00\t200.00 5", "100.00\t200.00 "},
                      RoutePointCase{"SecondFieldBeyondFiftyCharacters",
                                     "1 " + std::string(60, 'x') + " 3", "1 "},
                      RoutePointCase{"SecondFieldWithinFiftyCharacters",
                                     "1 " + std::string(40, 'x') + " 3",
                                     "1 " + std::string(40, 'x')}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Columns taken by another squadron of the group -------------------------------------------

// Squadron 0 asks about the column; squadron 1 differs from it as the case says and carries
// the column's name (" 0_Chief ", trimmed) in its target leg when the case says so.
struct TakenCase {
  const char* name;
  const char* other_role;
  int other_base;
  const char* other_side;
  bool other_carries_the_name;
  bool asker_carries_the_name;
  bool taken;
};

class ColumnTakenTest : public ::testing::TestWithParam<TakenCase> {};

TEST_P(ColumnTakenTest, OnlyAnotherSquadronOfTheGroupTakesTheColumn) {
  const TakenCase& c = GetParam();
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  const int asker = campaign.AddSquadron("Asker", "1", "4", C::kAlliedAirfield);
  const int other = campaign.AddSquadron("Other", c.other_side, c.other_role, c.other_base);
  const int column = campaign.AddColumn("Armor.T34", "2", "Axis_Town", "Front_Town",
                                        campaign.StraightRoute(C::kAxisTown, C::kFrontTown, 3));
  form.ColumnTable[column].ColumnName = " " + form.ColumnTable[column].ColumnName + " ";
  const std::string leg = "  GATTACK 1.00 2.00 500.0 300.00 0_Chief 1\r\n";
  if (c.other_carries_the_name) form.SquadronTable[other].SquadronTargetLeg = leg;
  if (c.asker_carries_the_name) form.SquadronTable[asker].SquadronTargetLeg = leg;
  const ColumnTargetsTaken taken(form);
  EXPECT_EQ(taken.TakenByOther(form, asker, column), c.taken);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, ColumnTakenTest,
    ::testing::Values(
        TakenCase{"ByAnotherOfTheGroup", "4", C::kAlliedAirfield, "1", true, false, true},
        TakenCase{"NotByItself", "4", C::kAlliedAirfield, "1", false, true, false},
        TakenCase{"NotWhenNobodyHasIt", "4", C::kAlliedAirfield, "1", false, false, false},
        TakenCase{"NotByAnotherRole", "7", C::kAlliedAirfield, "1", true, false, false},
        TakenCase{"NotFromAnotherBase", "4", C::kAlliedAirstrip, "1", true, false, false},
        TakenCase{"NotByTheOtherSide", "4", C::kAlliedAirfield, "2", true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Where the flight meets the column -------------------------------------------------------

struct WalkCase {
  const char* name;
  int first_x;  // route point k lies at first_x + 1000 k, 0; the flight starts at 0, 0
  int expected;
};

class InterceptionWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(InterceptionWalkTest, MeetsTheColumnWhereItWillBe) {
  const WalkCase& c = GetParam();
  PlannerCampaign campaign;
  const int s = campaign.AddShipSquadron("Flight", "1", "4", "Somewhere", "0.00 0.00");
  std::vector<std::string> route;
  for (int k = 0; k < 30; ++k) route.push_back(IntToStr(c.first_x + 1000 * k) + ".00 0.00 120.00");
  const int column = campaign.AddColumn("Armor.T34", "2", "Axis_Town", "Front_Town", route);
  TMainForm& form = campaign.form();
  const int n = form.LastLocation + 1;
  const int chosen = InterceptionWalk(form, s, column, n, RoutePointPosition(route[0]), 1, 2, 18,
                                      300, [](int k) { return k <= 29; });
  EXPECT_EQ(chosen, c.expected);
  EXPECT_EQ(form.LocationTable[n].LocationPosition,
            IntToStr(c.first_x + 1000 * c.expected) + ".00 0.00");
}

INSTANTIATE_TEST_SUITE_P(
    Planner, InterceptionWalkTest,
    // 100 km out the column covers 1000 m in 55 time units against the flight's 3 per km: it
    // gets to points 2 to 7 first (from point 6 the flight needs 353, the column 333) but not
    // to point 8 (356 against 388). Next to the base the flight is always first.
    ::testing::Values(WalkCase{"ColumnFirstToSixPoints", 100000, 7},
                      WalkCase{"FlightFirstAlready", 1000, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Which kind of column the player's squadron takes ------------------------------------------

struct BustingCase {
  const char* name;
  int preference;
  bool armour;
  bool train;
  bool vehicles;
  bool default_load;
  bool ground_attacker;
  bool refused;
};

class PlayerColumnChoiceTest : public ::testing::TestWithParam<BustingCase> {};

TEST_P(PlayerColumnChoiceTest, TakesTheKindOfColumnItAsksFor) {
  const BustingCase& c = GetParam();
  EXPECT_EQ(PlayerRefusesColumn(c.preference, c.armour, c.train, c.vehicles, c.default_load,
                                c.ground_attacker),
            c.refused);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, PlayerColumnChoiceTest,
    ::testing::Values(
        BustingCase{"RandomTakesTrains", kPreferRandom, false, true, false, false, false, false},
        BustingCase{"GroundAttackTakesTrucks", kPreferGroundAttack, false, false, true, false,
                    false, false},
        BustingCase{"TankBustingTakesArmour", kPreferTankBusting, true, false, false, false, false,
                    false},
        BustingCase{"TankBustingRefusesTrucks", kPreferTankBusting, false, false, true, false,
                    false, true},
        BustingCase{"TrainBustingTakesTrains", kPreferTrainBusting, false, true, false, false,
                    false, false},
        BustingCase{"TrainBustingRefusesTrucks", kPreferTrainBusting, false, false, true, false,
                    false, true},
        BustingCase{"TrainBustingRefusesArmour", kPreferTrainBusting, true, false, false, false,
                    true, true},
        BustingCase{"TruckBustingTakesTrucks", kPreferTruckBusting, false, false, true, false,
                    false, false},
        BustingCase{"TruckBustingRefusesTrains", kPreferTruckBusting, false, true, false, false,
                    false, true},
        BustingCase{"ArmourNeedsARealLoad", kPreferRandom, true, false, false, true, true, true},
        BustingCase{"SweepsAttackNothing", kPreferSweepRecon, true, false, false, false, true,
                    true},
        BustingCase{"EscortsAttackNothing", kPreferEscort, true, false, false, false, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Ground attacks -----------------------------------------------------------------------------

struct AttackWorld {
  AttackWorld() {
    campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
    attackers = {campaign.AddSquadron("SG1", "1", "4", C::kAlliedAirfield),
                 campaign.AddSquadron("SG2", "1", "4", C::kAlliedAirfield)};
  }
  TMainForm& form() { return campaign.form(); }
  SquadronEntry& squadron(int s) { return form().SquadronTable[s]; }
  int Column(const std::string& kind, const std::string& side = "2") {
    return campaign.AddColumn(kind, side, "Axis_Town", "Front_Town",
                              campaign.StraightRoute(C::kAxisTown, C::kFrontTown, 6));
  }
  void Attack() {
    PlanRun& run = campaign.Prepare();
    for (int s : attackers) campaign.Fly(s);
    form().Rand.SetSeed(17);
    PlanGroundAttacks(form(), run);
  }
  PlannerCampaign campaign;
  std::vector<int> attackers;
};

TEST(GroundAttacks, AGroundAttackerStrikesEnemyArmourLowWhereItMeetsIt) {
  AttackWorld world;
  world.Column("Armor.T34");
  world.Attack();
  const SquadronEntry& sg1 = world.squadron(world.attackers[0]);
  EXPECT_EQ(sg1.SquadronTaskCode, "9");
  EXPECT_EQ(sg1.SquadronMissionType, "B14");
  EXPECT_EQ(sg1.SquadronBriefing, "S14 Axis_Town");
  EXPECT_EQ(sg1.SquadronWeapons, "rockets");
  EXPECT_EQ(Lines(sg1.SquadronTargetLeg),
            std::vector<std::string>{"  GATTACK 66000.00 34000.00 500.0 300.00 0_Chief 1"});
  EXPECT_TRUE(sg1.SquadronJoinLeg.empty());
  EXPECT_TRUE(sg1.SquadronRendezvousLeg.empty());
  EXPECT_FALSE(sg1.SquadronHalfWayLeg.empty());
  // The second squadron of the same role, base and side leaves that column alone.
  EXPECT_EQ(world.squadron(world.attackers[1]).SquadronTaskCode, "-1");
}

struct IgnoredColumnCase {
  const char* name;
  const char* kind;
  const char* side;
  const char* marks;
};

class IgnoredColumnTest : public ::testing::TestWithParam<IgnoredColumnCase> {};

TEST_P(IgnoredColumnTest, ComputerFlownSquadronsTakeEnemyArmourOnly) {
  const IgnoredColumnCase& c = GetParam();
  AttackWorld world;
  const int column = world.Column(c.kind, c.side);
  world.form().ColumnTable[column].ColumnMarks = c.marks;
  world.Attack();
  EXPECT_EQ(world.squadron(world.attackers[0]).SquadronTaskCode, "-1");
}

INSTANTIATE_TEST_SUITE_P(Planner, IgnoredColumnTest,
                         ::testing::Values(IgnoredColumnCase{"Train", "Trains.Cargo", "2", "A"},
                                           IgnoredColumnCase{"Trucks", "Vehicles.Opel", "2", "A"},
                                           IgnoredColumnCase{"Ship", "Ships.ArmorBarge", "2", "A"},
                                           IgnoredColumnCase{"OwnArmour", "Armor.T34", "1", "A"},
                                           IgnoredColumnCase{"TrucksInCombat", "Vehicles.Opel", "2",
                                                             "C"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GroundAttacks, ThePlayersTrainBustingTakesTheTrainAtItsOwnAltitude) {
  AttackWorld world;
  world.Column("Armor.T34");
  world.Column("Trains.Cargo");
  SquadronEntry& player = world.squadron(0);
  player.SquadronRole = "4";
  world.attackers = {0};
  world.form().MissionRadio.ItemIndex = kPreferTrainBusting;
  world.form().TgtAltBox.Text = "1000 Meters";
  world.Attack();
  EXPECT_EQ(player.SquadronMissionType, "B15");
  EXPECT_EQ(player.SquadronTargetObject, "1_Chief");
  EXPECT_EQ(Lines(player.SquadronTargetLeg),
            std::vector<std::string>{"  GATTACK 66000.00 34000.00 1000.0 300.00 1_Chief 1"});
}

TEST(GroundAttacks, ThePlayersWishForAirfieldAttacksHoldsBackEverySquadron) {
  AttackWorld world;
  world.Column("Armor.T34");
  world.form().MissionRadio.ItemIndex = kPreferAirfieldAttack;
  world.Attack();
  EXPECT_EQ(world.squadron(world.attackers[0]).SquadronTaskCode, "-1");
}

// Columns of a scan in index order: enemy armour the attacker takes; an enemy train it may
// draw but refuses; its own side's armour, never drawn; enemy armour whose route ends at its
// first point, left out of the plan once drawn.
enum class ScanColumn { kArmour, kTrain, kOwnArmour, kStranded };

struct ScanCase {
  const char* name;
  std::vector<ScanColumn> columns;
};

// The attempts of a computer-flown ground attacker, drawn column by column: the first column it
// may draw, then each later one on a draw of 0 in three; a refused or left-out column ends the
// attempt and the next one scans again. The column taken, or -1.
int TakenDrawingEveryColumn(const std::vector<ScanColumn>& columns, std::uint32_t seed,
                            int attempts) {
  RandomGenerator random;
  random.SetSeed(seed);
  std::vector<bool> left_out(columns.size(), false);
  for (int attempt = 0; attempt < attempts; ++attempt) {
    int candidate = -1;
    for (size_t c = 0; c < columns.size(); ++c) {
      if (candidate >= 0 && random.Random(3) != 0) continue;
      if (columns[c] != ScanColumn::kOwnArmour && !left_out[c]) candidate = static_cast<int>(c);
    }
    if (candidate < 0) return -1;
    const ScanColumn kind = columns[static_cast<size_t>(candidate)];
    if (kind == ScanColumn::kStranded) left_out[static_cast<size_t>(candidate)] = true;
    if (kind == ScanColumn::kArmour) return candidate;
  }
  return -1;
}

class GroundAttackScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(GroundAttackScanTest, TakesTheColumnThatDrawingEveryColumnTakes) {
  constexpr int kAttemptsOfAGroundAttacker = 9;
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    AttackWorld world;
    world.attackers = {world.attackers[0]};
    const std::vector<std::string> route =
        world.campaign.StraightRoute(C::kAxisTown, C::kFrontTown, 6);
    for (const ScanColumn kind : GetParam().columns) {
      const bool own = kind == ScanColumn::kOwnArmour;
      const bool stranded = kind == ScanColumn::kStranded;
      world.campaign.AddColumn(kind == ScanColumn::kTrain ? "Trains.Cargo" : "Armor.T34",
                               own ? "1" : "2", "Axis_Town", "Front_Town",
                               stranded ? std::vector<std::string>{route[0]} : route);
    }
    PlanRun& run = world.campaign.Prepare();
    world.campaign.Fly(world.attackers[0]);
    world.form().Rand.SetSeed(seed);
    PlanGroundAttacks(world.form(), run);

    const int expected =
        TakenDrawingEveryColumn(GetParam().columns, seed, kAttemptsOfAGroundAttacker);
    const SquadronEntry& attacker = world.squadron(world.attackers[0]);
    if (expected < 0) {
      EXPECT_EQ(attacker.SquadronTaskCode, "-1") << "seed " << seed;
    } else {
      EXPECT_EQ(attacker.SquadronTaskCode, "9") << "seed " << seed;
      EXPECT_THAT(attacker.SquadronTargetLeg, HasSubstr(" " + IntToStr(expected) + "_Chief 1"))
          << "seed " << seed;
    }
  }
}

using K = ScanColumn;
INSTANTIATE_TEST_SUITE_P(
    Planner, GroundAttackScanTest,
    ::testing::Values(ScanCase{"ArmourOnly", std::vector<K>(12, K::kArmour)},
                      ScanCase{"OwnArmourBetween",
                               {K::kOwnArmour, K::kArmour, K::kOwnArmour, K::kOwnArmour, K::kArmour,
                                K::kOwnArmour, K::kArmour, K::kOwnArmour}},
                      ScanCase{"TrainsDrawnAndRefused",
                               {K::kTrain, K::kArmour, K::kTrain, K::kTrain, K::kArmour, K::kTrain,
                                K::kTrain, K::kTrain}},
                      ScanCase{"StrandedColumnsLeftOutOnTheWay",
                               {K::kStranded, K::kStranded, K::kArmour, K::kStranded, K::kOwnArmour,
                                K::kStranded, K::kArmour, K::kStranded, K::kStranded}},
                      ScanCase{"NothingToTake",
                               {K::kOwnArmour, K::kTrain, K::kOwnArmour, K::kTrain}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Shipping strikes -------------------------------------------------------------------------

struct ShipWorld {
  explicit ShipWorld(const std::string& squadron_class = "Class air.Type2") {
    campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
    bomber = campaign.AddSquadron("VT1", "1", "2", C::kAlliedHarbor);
    form().SquadronTable[bomber].TypePayload6 = "torpedo";
    form().SquadronTable[bomber].SquadronClass = squadron_class;
  }
  TMainForm& form() { return campaign.form(); }
  SquadronEntry& flight() { return form().SquadronTable[bomber]; }
  void Strike(std::uint32_t seed = 23) {
    PlanRun& run = campaign.Prepare();
    campaign.Fly(bomber);
    form().Rand.SetSeed(seed);
    PlanAntiShippingStrikes(form(), run);
  }
  PlannerCampaign campaign;
  int bomber;
};

std::vector<std::string> PatrolRoute() {
  return {"90000.00 10000.00 20.00", "92000.00 10000.00 20.00", "94000.00 10000.00 20.00",
          "96000.00 10000.00 20.00"};
}

TEST(ShippingStrikes, ACarrierFoundByReconnaissanceIsStruckInTwoPasses) {
  ShipWorld world;
  world.form().ReconCount = {0, 10, 0};
  world.campaign.AddColumn("Ships.CV_Shokaku", "2", "Axis_Patrol", "Axis_Patrol", PatrolRoute());
  world.Strike();
  EXPECT_EQ(world.flight().SquadronTaskCode, "9");
  EXPECT_EQ(world.flight().SquadronMissionType, "B24");
  EXPECT_EQ(world.flight().SquadronBriefing, "S25 Axis_Patrol");
  EXPECT_EQ(world.flight().SquadronWeapons, "torpedo");
  const std::vector<std::string> leg = Lines(world.flight().SquadronTargetLeg);
  ASSERT_EQ(leg.size(), 3u);
  EXPECT_THAT(leg[0], HasSubstr("  NORMFLY "));
  EXPECT_THAT(leg[1], HasSubstr(" 0_Chief "));
  EXPECT_EQ(leg[1].substr(0, 10), "  GATTACK ");
  const int meeting = StrToInt(leg[1].substr(leg[1].rfind(' ') + 1));
  EXPECT_EQ(leg[2], "  GATTACK " + RoutePointPosition(PatrolRoute()[meeting + 1]) +
                        " <ALTITUDE> 300.00 0_Chief " + IntToStr(meeting + 1));
}

TEST(ShippingStrikes, CarriersStayHiddenUntilTheSideHasSearchedEnough) {
  for (int recon : {9, 10}) {
    ShipWorld world;
    world.campaign.world.program_folder.Write("data/Testland.prd", "[Allied_Patrol]\r\n");
    world.form().ReconCount = {0, recon, 0};
    world.campaign.AddColumn("Ships.CV_Shokaku", "2", "Axis_Patrol", "Axis_Patrol", PatrolRoute());
    world.Strike();
    EXPECT_EQ(world.flight().SquadronTaskCode == "9", recon >= 10) << recon;
  }
}

TEST(ShippingStrikes, TheOhkaCarrierMakesOnePass) {
  ShipWorld world("Class air.G4M2E");
  world.form().ReconCount = {0, 10, 0};
  world.campaign.AddColumn("Ships.CV_Shokaku", "2", "Axis_Patrol", "Axis_Patrol", PatrolRoute());
  world.Strike();
  EXPECT_EQ(Lines(world.flight().SquadronTargetLeg).size(), 2u);
}

TEST(ShippingStrikes, NoneInTheFirstMissionOfANewCampaign) {
  ShipWorld world;
  world.form().NewCampaignFlag = "Y";
  world.form().ReconCount = {0, 10, 0};
  world.campaign.AddColumn("Ships.CV_Shokaku", "2", "Axis_Patrol", "Axis_Patrol", PatrolRoute());
  world.Strike();
  EXPECT_EQ(world.flight().SquadronTaskCode, "-1");
  EXPECT_EQ(world.form().Rand.Seed(), 23u);  // not even the chance draw
}

// ---- Column defence -----------------------------------------------------------------------------

std::vector<std::string> DefendedRoute() {
  return {"10000.00 20000.00 120.00", "11000.00 20000.00 120.00", "12000.00 20000.00 120.00",
          "13000.00 20000.00 120.00"};
}

TEST(ColumnDefence, AFighterOutOfReachOfItsTargetCirclesOverAFriendlyColumn) {
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int fighter = campaign.AddSquadron("JG1", "2", "1", C::kAxisAirfield);
  const int column =
      campaign.AddColumn("Armor.T34", "2", "Axis_Town", "Axis_Town", DefendedRoute());
  PlanRun& run = campaign.Prepare();
  campaign.Fly(fighter);
  SquadronEntry& squadron = campaign.form().SquadronTable[fighter];
  squadron.SquadronTargetLocation = C::kFarAirfield;  // 220 km away: out of reach
  PlanColumnDefence(campaign.form(), run);

  EXPECT_EQ(squadron.SquadronTaskCode, "5");
  EXPECT_EQ(squadron.SquadronTargetColumn, column);
  EXPECT_EQ(squadron.SquadronMissionType, "B10");
  EXPECT_EQ(squadron.SquadronBriefing, "S22 Unit_0 <PLANE>");
  const LocationEntry& target = campaign.form().LocationTable[squadron.SquadronTargetLocation];
  EXPECT_EQ(target.LocationName, "Axis_Town");
  EXPECT_EQ(target.LocationArmy, "2");  // the squadron's own side
  EXPECT_EQ(target.LocationPosition, "13000.00 20000.00");
  auto at = [](int x, int y) {
    return "  NORMFLY " + IntToStr(x) + ".00 " + IntToStr(y) + ".00 <ALTITUDE> 300.00";
  };
  EXPECT_EQ(
      Lines(squadron.SquadronTargetLeg),
      (std::vector<std::string>{
          at(10000, 20000), at(11000, 32000), at(-1000, 20000), at(11000, 8000), at(23000, 20000),
          at(11000, 32000), at(-1000, 20000), at(24000, 20000), at(12000, 32000), at(12000, 32000),
          at(0, 20000), at(12000, 8000), at(24000, 20000), at(12000, 32000), at(13000, 32000),
          at(1000, 20000), at(13000, 8000), at(25000, 20000), at(13000, 32000)}));
}

TEST(ColumnDefence, AShipBasedFighterCoversItsOwnShip) {
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int fighter = campaign.AddShipSquadron("VF1", "1", "1", "Unit_1", "40000.00 5000.00");
  campaign.AddColumn("Armor.T34", "1", "Allied_Town", "Allied_Town", DefendedRoute());
  const int ship = campaign.AddColumn("Ships.CV_Essex", "1", "East_Sea", "East_Sea", PatrolRoute());
  PlanRun& run = campaign.Prepare();
  campaign.Fly(fighter);
  campaign.form().SquadronTable[fighter].SquadronTargetLocation = C::kFarAirfield;
  PlanColumnDefence(campaign.form(), run);
  EXPECT_EQ(campaign.form().SquadronTable[fighter].SquadronTargetColumn, ship);
}

struct PlayerDefenceCase {
  const char* name;
  int preference;
  bool enemy_attacks_the_place;
  bool defends;
};

class PlayerColumnDefenceTest : public ::testing::TestWithParam<PlayerDefenceCase> {};

TEST_P(PlayerColumnDefenceTest, DefendsWhenAskedOrWhenTheEnemyAttacksThePlace) {
  const PlayerDefenceCase& c = GetParam();
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int enemy = campaign.AddSquadron("KG1", "2", "2", C::kAxisAirfield);
  campaign.AddColumn("Armor.T34", "1", "Allied_Town", "Allied_Town", DefendedRoute());
  campaign.form().MissionRadio.ItemIndex = c.preference;
  PlanRun& run = campaign.Prepare();
  campaign.Fly(0);
  campaign.form().SquadronTable[0].SquadronTargetLocation = C::kFarAirfield;
  if (c.enemy_attacks_the_place)
    campaign.form().SquadronTable[enemy].SquadronTargetLocation = C::kAlliedTown;
  PlanColumnDefence(campaign.form(), run);
  EXPECT_EQ(campaign.form().SquadronTable[0].SquadronTaskCode == "5", c.defends);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, PlayerColumnDefenceTest,
    ::testing::Values(PlayerDefenceCase{"DefenceAsked", kPreferDefense, false, true},
                      PlayerDefenceCase{"RandomWithoutAttack", kPreferRandom, false, false},
                      PlayerDefenceCase{"RandomWithAttack", kPreferRandom, true, true},
                      PlayerDefenceCase{"EscortWishedFor", kPreferEscort, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnDefence, NoneWhenColumnsAreSwitchedOff) {
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int fighter = campaign.AddSquadron("JG1", "2", "1", C::kAxisAirfield);
  campaign.AddColumn("Armor.T34", "2", "Axis_Town", "Axis_Town", DefendedRoute());
  campaign.form().ColumnDensity.Text = "None";
  PlanRun& run = campaign.Prepare();
  campaign.Fly(fighter);
  campaign.form().SquadronTable[fighter].SquadronTargetLocation = C::kFarAirfield;
  PlanColumnDefence(campaign.form(), run);
  EXPECT_EQ(campaign.form().SquadronTable[fighter].SquadronTaskCode, "-1");
}

}  // namespace
