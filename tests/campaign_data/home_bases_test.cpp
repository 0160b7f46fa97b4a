#include "campaign_data/home_bases.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "campaign_data/random_generator.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "tests/campaign_data/campaign_tables_fixture.h"
#include "tests/support/campaign_world.h"
#include "tests/support/test_world.h"

namespace {

using campaign_tables::AddLocation;

// Positions near the front centre lie within its 250-kilometre radius; far ones do not.
constexpr const char* kFront = "100000.00 100000.00";
constexpr const char* kNear1 = "110000.00 100000.00";
constexpr const char* kNear2 = "120000.00 100000.00";
constexpr const char* kNear3 = "130000.00 100000.00";
constexpr const char* kFar1 = "600000.00 100000.00";
constexpr const char* kFar2 = "610000.00 100000.00";
constexpr const char* kFar3 = "620000.00 100000.00";

// A loaded map with the front centre, one column that is no carrier, and no squadron yet.
struct BaseWorld : CampaignWorld {
  BaseWorld() {
    campaign_tables::FillMessages(form);
    form.ActionRadius.Text = "250 Kilometers";
    form.ActionRadiusKm = 250;
    form.FrontCenterPosition = kFront;
    form.ColumnTable[0].ColumnType = "Truck1 Vehicle.OpelBlitz 2";
    form.ColumnTable[0].ColumnUnitName = "Supply";
    form.LastColumn = 0;
  }
  int AddSquadron(const std::string& name, const std::string& army, const std::string& nation,
                  const std::string& role, const std::string& base) {
    SquadronEntry& squadron = form.SquadronTable[++form.LastSquadron];
    squadron.SquadronName = name;
    squadron.SquadronArmy = army;
    squadron.SquadronNation = nation;
    squadron.SquadronRole = role;
    squadron.SquadronHomeBase = base;
    squadron.TypeRange = "Default";
    squadron.TypePayload5 = "none";
    return form.LastSquadron;
  }
  const SquadronEntry& Squadron(int index) const { return form.SquadronTable[index]; }
};

void ExpectBase(const SquadronEntry& squadron, const std::string& base,
                const std::string& position) {
  EXPECT_EQ(squadron.SquadronHomeBase, base) << squadron.SquadronName;
  EXPECT_EQ(squadron.SquadronTakeOffLeg, "TAKEOFF " + position) << squadron.SquadronName;
  EXPECT_EQ(squadron.SquadronLandingLeg, "LANDING " + position) << squadron.SquadronName;
}

TEST(SquadronBase, UsableBasesKeepTheirSquadronsAndGiveTheLegs) {
  BaseWorld bases;
  AddLocation(bases.form, "Kursk_Airfield", "1", kNear1);
  AddLocation(bases.form, "Oboyan_Airstrip", "1", kNear2);
  AddLocation(bases.form, "Kerch_Harbor", "1", kNear3);
  AddLocation(bases.form, "Field_Camp", "0", kFar1);
  const int player = bases.AddSquadron("1GvIAP0", "1", "ru", "2", "Oboyan_Airstrip");
  const int fighters = bases.AddSquadron("12IAP1", "1", "ru", "1", "Kursk_Airfield");
  const int seaplanes = bases.AddSquadron("ChF_MTAP0", "1", "ru", "6", "Kerch_Harbor");
  bases.form.Rand.SetSeed(77);

  SquadronBase(bases.form);

  ExpectBase(bases.Squadron(player), "Oboyan_Airstrip", kNear2);  // the player's bombers
  ExpectBase(bases.Squadron(fighters), "Kursk_Airfield", kNear1);
  ExpectBase(bases.Squadron(seaplanes), "Kerch_Harbor", kNear3);
  EXPECT_EQ(bases.form.Rand.Seed(), 77u);  // nobody was re-based
  EXPECT_TRUE(bases.Logged("Squadron base routine ended."));
}

TEST(SquadronBase, BasesReservedToOtherNationsAreLeft) {
  BaseWorld bases;
  AddLocation(bases.form, "English_Airfield", "1", kNear1);
  AddLocation(bases.form, "Kursk_Airfield", "1", kNear2);
  AddLocation(bases.form, "Rabaul_Airfield", "2", kNear3);
  AddLocation(bases.form, "Lunga_Airstrip", "2", kFar1);
  bases.AddSquadron("Player0", "1", "gb", "1", "Kursk_Airfield");
  const int british = bases.AddSquadron("RAF_19Sqn0", "1", "gb", "1", "English_Airfield");
  const int soviet = bases.AddSquadron("12IAP1", "1", "ru", "1", "English_Airfield");
  const int navy = bases.AddSquadron("IJN_AG_z0121", "2", "in", "1", "Rabaul_Airfield");
  const int army = bases.AddSquadron("IJA_F_S_z0641", "2", "ja", "1", "Lunga_Airstrip");
  const int german = bases.AddSquadron("II_JG520", "2", "de", "1", "Rabaul_Airfield");

  SquadronBase(bases.form);

  ExpectBase(bases.Squadron(british), "English_Airfield", kNear1);
  ExpectBase(bases.Squadron(soviet), "Kursk_Airfield", kNear2);
  ExpectBase(bases.Squadron(navy), "Rabaul_Airfield", kNear3);
  ExpectBase(bases.Squadron(army), "Rabaul_Airfield", kNear3);
  // No base is left to the German squadron: it stays without one.
  EXPECT_EQ(bases.Squadron(german).SquadronHomeBase, "Unknown");
  EXPECT_EQ(bases.Squadron(german).SquadronTakeOffLeg, "");
  EXPECT_EQ(bases.Squadron(german).SquadronLandingLeg, "");
}

TEST(SquadronBase, AirstripsEnemyBasesAndEnemyCarriersAreLeftWithALogLine) {
  BaseWorld bases;
  AddLocation(bases.form, "Oboyan_Airstrip", "1", kNear1);
  AddLocation(bases.form, "Orel_Airfield", "2", kNear2);
  AddLocation(bases.form, "Kursk_Airfield", "1", kFar1);
  AddLocation(bases.form, "Tim_Airfield", "0", kFar2);
  AddLocation(bases.form, "Midway_Sea", "0", kFar3);
  ColumnEntry& carrier = bases.form.ColumnTable[++bases.form.LastColumn];
  carrier.ColumnType = "CV1 Ships.CV_Shokaku 2";
  carrier.ColumnUnitName = "Shokaku";
  carrier.ColumnArmy = "2";
  carrier.ColumnPlace = "Midway_Sea";
  bases.AddSquadron("Player0", "1", "ru", "1", "Kursk_Airfield");
  const int bombers = bases.AddSquadron("35BAP1", "1", "ru", "2", "Oboyan_Airstrip");
  const int enemy_base = bases.AddSquadron("12IAP1", "1", "ru", "1", "Orel_Airfield");
  const int unowned = bases.AddSquadron("13IAP1", "1", "ru", "1", "Tim_Airfield");
  const int enemy_carrier = bases.AddSquadron("VF_3", "1", "us", "1", "Shokaku");

  SquadronBase(bases.form);

  // The bombers' only other base is the airfield; the fighters may take either.
  ExpectBase(bases.Squadron(bombers), "Kursk_Airfield", kFar1);
  for (const int fighters : {enemy_base, enemy_carrier}) {
    const std::string& base = bases.Squadron(fighters).SquadronHomeBase;
    EXPECT_TRUE(base == "Kursk_Airfield" || base == "Oboyan_Airstrip") << base;
    EXPECT_NE(bases.Squadron(fighters).SquadronTakeOffLeg, "");
  }
  ExpectBase(bases.Squadron(unowned), "Tim_Airfield", kFar2);
  EXPECT_TRUE(bases.Logged("35BAP1 was removed from an airstrip."));
  EXPECT_TRUE(bases.Logged("12IAP1 was removed from an enemy base."));
  EXPECT_TRUE(bases.Logged("VF_3 was removed from an enemy carrier."));
  EXPECT_FALSE(bases.Logged("13IAP1 was removed"));
}

TEST(SquadronBase, CarriersGiveTheirRouteOrTheirPlace) {
  BaseWorld bases;
  AddLocation(bases.form, "Kursk_Airfield", "1", kNear1);
  AddLocation(bases.form, "CoralSea_Sea", "0", kNear2);
  ColumnEntry& sailing = bases.form.ColumnTable[++bases.form.LastColumn];
  sailing.ColumnType = "CV2 Ships.CV_Lexington 1";
  sailing.ColumnUnitName = "Lexington";
  sailing.ColumnArmy = "1";
  sailing.ColumnRoute[0] = "150000.00 160000.00 20.00 0 2 4.0";
  sailing.ColumnRoute[1] = "170000.00 180000.00 120.00 0 2 4.0";
  ColumnEntry& anchored = bases.form.ColumnTable[++bases.form.LastColumn];
  anchored.ColumnType = "CV3 Ships.CV_Yorktown 1";
  anchored.ColumnUnitName = "Yorktown";
  anchored.ColumnArmy = "1";
  anchored.ColumnPlace = "CoralSea_Sea";
  ColumnEntry& landing_craft = bases.form.ColumnTable[++bases.form.LastColumn];
  landing_craft.ColumnType = "LC1 Ships.LCVP_CV 1";
  landing_craft.ColumnUnitName = "Higgins";
  landing_craft.ColumnArmy = "1";
  bases.AddSquadron("Player0", "1", "us", "1", "Kursk_Airfield");
  const int at_sea = bases.AddSquadron("VF_2", "1", "us", "1", "Lexington");
  const int at_anchor = bases.AddSquadron("VF_42", "1", "us", "1", "Yorktown");
  const int seaplanes = bases.AddSquadron("VS_1", "1", "us", "6", "Lexington");
  const int on_boats = bases.AddSquadron("VF_5", "1", "us", "1", "Higgins");

  SquadronBase(bases.form);

  const SquadronEntry& sailing_squadron = bases.Squadron(at_sea);
  EXPECT_EQ(sailing_squadron.SquadronHomeBase, "Lexington");
  EXPECT_EQ(sailing_squadron.SquadronTakeOffLeg, "TAKEOFF 150000.00 160000.00");
  EXPECT_EQ(sailing_squadron.SquadronLandingLeg, "LANDING 170000.00 180000.00");
  ExpectBase(bases.Squadron(at_anchor), "Yorktown", kNear2);
  // Seaplanes do not fly from carriers, and the map has no seaplane base for them.
  EXPECT_EQ(bases.Squadron(seaplanes).SquadronHomeBase, "Lexington");
  EXPECT_EQ(bases.Squadron(seaplanes).SquadronTakeOffLeg, "");
  ExpectBase(bases.Squadron(on_boats), "Kursk_Airfield", kNear1);  // landing craft carry none
}

// Draws of Random(n) from the seed, in order, and the seed they leave.
std::vector<int> Draws(std::uint32_t seed, int n, int count) {
  RandomGenerator generator;
  generator.SetSeed(seed);
  std::vector<int> draws;
  for (int i = 0; i < count; ++i) draws.push_back(generator.Random(n));
  return draws;
}

std::uint32_t Seed(std::uint32_t seed, int n, int count) {
  RandomGenerator generator;
  generator.SetSeed(seed);
  for (int i = 0; i < count; ++i) generator.Random(n);
  return generator.Seed();
}

TEST(SquadronBase, AlliedRebasingTakesTheFirstBaseAndLaterOnesByChance) {
  // Own airfields far from the front: the first is taken without a draw; each later one costs
  // two draws (the test within the radius, then the one without) and wins on the second's 0.
  // A base near the enemy costs its draws too, an enemy airfield none.
  for (const std::uint32_t seed : {1u, 5u, 7u, 10u}) {
    BaseWorld bases;
    AddLocation(bases.form, "Kursk_Airfield", "2", kNear1);
    AddLocation(bases.form, "First_Airfield", "1", kFar1);
    AddLocation(bases.form, "Orel_Airfield", "2", kFar2);
    AddLocation(bases.form, "Second_Airfield", "1", kFar2);
    AddLocation(bases.form, "Exposed_Airfield", "1", kFar3, "Y");
    AddLocation(bases.form, "Third_Airfield", "1", kFar3);
    // The player keeps a base the enemy holds.
    const int player = bases.AddSquadron("Player0", "1", "ru", "1", "Kursk_Airfield");
    const int rebased = bases.AddSquadron("12IAP1", "1", "ru", "1", "Orel_Airfield");
    bases.form.Rand.SetSeed(seed);

    SquadronBase(bases.form);

    const std::vector<int> draws = Draws(seed, 4, 6);
    std::string expected = "First_Airfield";
    if (draws[1] == 0) expected = "Second_Airfield";
    if (draws[5] == 0) expected = "Third_Airfield";
    EXPECT_EQ(bases.Squadron(rebased).SquadronHomeBase, expected) << "seed " << seed;
    EXPECT_EQ(bases.form.Rand.Seed(), Seed(seed, 4, 6)) << "seed " << seed;
    ExpectBase(bases.Squadron(player), "Kursk_Airfield", kNear1);
    EXPECT_TRUE(bases.Logged("12IAP1 was removed from an enemy base."));
  }
}

TEST(SquadronBase, AlliedRebasingGivesBasesWithinTheFrontRadiusTwoChances) {
  // The far airfield is taken first; the second wins on either of its draws when it lies
  // within the front's radius, only on the second when it does not.
  struct Case {
    std::uint32_t seed;  // draws over four: 1: 0, 3; 8: 1, 2; 11: 1, 0
    const char* position;
    const char* expected;
  };
  const Case cases[] = {
      {1, kNear2, "Second_Airfield"},
      {1, kFar2, "Far_Airfield"},
      {11, kFar2, "Second_Airfield"},
      {8, kNear2, "Far_Airfield"},
  };
  for (const Case& c : cases) {
    BaseWorld bases;
    AddLocation(bases.form, "Far_Airfield", "1", kFar1);
    AddLocation(bases.form, "Second_Airfield", "1", c.position);
    AddLocation(bases.form, "Kursk_Airfield", "2", kNear1);
    bases.AddSquadron("Player0", "1", "ru", "1", "Kursk_Airfield");
    const int rebased = bases.AddSquadron("12IAP1", "1", "ru", "1", "Lost");
    bases.form.Rand.SetSeed(c.seed);

    SquadronBase(bases.form);

    EXPECT_EQ(bases.Squadron(rebased).SquadronHomeBase, c.expected) << c.seed << c.position;
    EXPECT_EQ(bases.form.Rand.Seed(), Seed(c.seed, 4, 2)) << c.seed << c.position;
  }
}

TEST(SquadronBase, AxisRebasingSearchesFromTheEndOfTheMap) {
  for (const std::uint32_t seed : {1u, 5u, 8u}) {
    BaseWorld bases;
    AddLocation(bases.form, "Kursk_Airfield", "1", kNear1);
    AddLocation(bases.form, "First_Airfield", "2", kFar1);
    AddLocation(bases.form, "Second_Airstrip", "2", kFar2);
    AddLocation(bases.form, "Last_Airfield", "2", kFar3, "Y");
    bases.AddSquadron("Player0", "1", "ru", "1", "Kursk_Airfield");
    const int fighters = bases.AddSquadron("II_JG520", "2", "de", "1", "Kursk_Airfield");
    const int bombers = bases.AddSquadron("III_KG511", "2", "de", "2", "Lost");
    bases.form.Rand.SetSeed(seed);

    SquadronBase(bases.form);

    // Fighters: Last (no draw, near the enemy or not), Second_Airstrip on the first draw,
    // First on the second. Bombers pass the airstrip by: Last, then First on the third draw.
    const std::vector<int> draws = Draws(seed, 4, 3);
    std::string fighter_base = "Last_Airfield";
    if (draws[0] == 0) fighter_base = "Second_Airstrip";
    if (draws[1] == 0) fighter_base = "First_Airfield";
    EXPECT_EQ(bases.Squadron(fighters).SquadronHomeBase, fighter_base) << "seed " << seed;
    EXPECT_EQ(bases.Squadron(bombers).SquadronHomeBase,
              draws[2] == 0 ? "First_Airfield" : "Last_Airfield")
        << "seed " << seed;
    EXPECT_EQ(bases.form.Rand.Seed(), Seed(seed, 4, 3)) << "seed " << seed;
    EXPECT_TRUE(bases.Logged("II_JG520 was removed from an enemy base."));
  }
}

TEST(SquadronBase, DogfightBasesHeldByNoSideAreLeftEvenByThePlayer) {
  for (const bool dogfight : {false, true}) {
    BaseWorld bases;
    bases.form.Dogfight.Checked = dogfight;
    bases.form.NoTransfers.Checked = true;
    AddLocation(bases.form, "Kursk_Airfield", "1", kNear1);
    AddLocation(bases.form, "Tim_Airfield", "0", kNear2);
    bases.AddSquadron("Player0", "1", "ru", "1", "Tim_Airfield");

    SquadronBase(bases.form);

    if (dogfight) {
      ExpectBase(bases.Squadron(0), "Kursk_Airfield", kNear1);
    } else {
      ExpectBase(bases.Squadron(0), "Tim_Airfield", kNear2);
    }
  }
}

// Before the territory is read no location has an owner: no base is any side's enemy's yet,
// so a dogfight campaign loaded then keeps its bases.
TEST(SquadronBase, DogfightBasesOfNoKnownOwnerAreKept) {
  BaseWorld bases;
  bases.form.Dogfight.Checked = true;
  bases.form.NoTransfers.Checked = true;
  // The territory counts as read once the first place has an owner; the bases have none.
  AddLocation(bases.form, "Rear_Depot", "1", "500000.00 500000.00");
  AddLocation(bases.form, "Kursk_Airfield", "", kNear1);
  AddLocation(bases.form, "Orel_Airfield", "", kNear2);
  bases.AddSquadron("Player0", "1", "ru", "1", "Kursk_Airfield");
  const int axis = bases.AddSquadron("II_JG520", "2", "de", "1", "Orel_Airfield");

  SquadronBase(bases.form);

  ExpectBase(bases.Squadron(0), "Kursk_Airfield", kNear1);
  ExpectBase(bases.Squadron(axis), "Orel_Airfield", kNear2);
}

// Allied re-basing passes over three bases by their exact names; other British places stay
// open to every Allied squadron.
TEST(SquadronBase, AlliedRebasingPassesOverExactlyTheThreeNamedBases) {
  struct Case {
    const char* location;
    const char* nation;
    bool taken;
  };
  const Case cases[] = {
      {"English_Airfield", "ru", false},        {"English_Airfield", "gb", true},
      {"Townsville_Airfield", "ru", false},     {"Townsville_Airfield", "us", true},
      {"Rabaul_Airfield", "gb", false},         {"English_Channel_Airfield", "ru", true},
      {"Townsville_Airfield_East", "ru", true},
  };
  for (const Case& c : cases) {
    BaseWorld bases;
    AddLocation(bases.form, "Home_Airfield", "1", kNear1);
    AddLocation(bases.form, c.location, "1", kNear2);
    bases.AddSquadron("Player0", "1", "gb", "1", "Home_Airfield");
    const int squadron = bases.AddSquadron("Unit1", "1", c.nation, "1", "Nowhere");
    // The player's base belongs to the other side, so the named one is the only choice.
    bases.form.LocationTable[0].LocationArmy = "2";

    SquadronBase(bases.form);

    EXPECT_EQ(bases.Squadron(squadron).SquadronHomeBase == c.location, c.taken)
        << c.location << " for " << c.nation;
  }
}

TEST(SquadronBase, DogfightWithTransfersLeavesBasesFarFromTheFront) {
  struct Case {
    const char* front_base_near_enemy;
    std::uint32_t seed;  // draws over four: 1: 0, 3, 0; 3: 0, 2, 3
  };
  const Case cases[] = {{"N", 1}, {"N", 3}, {"Y", 1}};
  for (const Case& c : cases) {
    BaseWorld bases;
    bases.form.Dogfight.Checked = true;
    AddLocation(bases.form, "Kursk_Airfield", "1", kNear1, c.front_base_near_enemy);
    AddLocation(bases.form, "Rear_Airfield", "1", kFar1);
    bases.AddSquadron("Player0", "1", "ru", "1", "Kursk_Airfield");
    const int rear = bases.AddSquadron("12IAP1", "1", "ru", "1", "Rear_Airfield");
    bases.form.Rand.SetSeed(c.seed);

    SquadronBase(bases.form);

    if (*c.front_base_near_enemy == 'Y') {
      // No safe base near the front: the far one is kept.
      ExpectBase(bases.Squadron(rear), "Rear_Airfield", kFar1);
      EXPECT_EQ(bases.form.Rand.Seed(), c.seed);
      continue;
    }
    // Given up, then re-based: Kursk first, Rear again only on the third draw.
    const std::vector<int> draws = Draws(c.seed, 4, 3);
    if (draws[2] == 0) {
      ExpectBase(bases.Squadron(rear), "Rear_Airfield", kFar1);
    } else {
      ExpectBase(bases.Squadron(rear), "Kursk_Airfield", kNear1);
    }
  }
}

TEST(SquadronBase, PlayerWithoutABaseIsFatal) {
  BaseWorld bases;
  AddLocation(bases.form, "English_Airfield", "1", kNear1);
  AddLocation(bases.form, "Orel_Airfield", "2", kNear2);
  bases.AddSquadron("Player0", "1", "ru", "1", "English_Airfield");
  try {
    SquadronBase(bases.form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "Error text 10");
  }
  EXPECT_EQ(bases.Squadron(0).SquadronHomeBase, "Unknown");
  // Logged, then logged again by the fatal-error path.
  const std::string line = "] Error text 10\r\n";
  const size_t first = bases.form.ErrorText.find(line);
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(bases.form.ErrorText.find(line, first + 1), std::string::npos);
  EXPECT_FALSE(bases.Logged("Squadron base routine ended."));
}

TEST(SquadronBase, DeletedSquadronsAreSkipped) {
  BaseWorld bases;
  AddLocation(bases.form, "Kursk_Airfield", "1", kNear1);
  bases.AddSquadron("Player0", "1", "ru", "1", "Kursk_Airfield");
  const int deleted = bases.AddSquadron("", "1", "ru", "1", "Orel_Airfield");
  const int after = bases.AddSquadron("12IAP1", "1", "ru", "1", "Kursk_Airfield");

  SquadronBase(bases.form);

  EXPECT_EQ(bases.Squadron(deleted).SquadronHomeBase, "Orel_Airfield");
  EXPECT_EQ(bases.Squadron(deleted).SquadronTakeOffLeg, "");
  ExpectBase(bases.Squadron(after), "Kursk_Airfield", kNear1);
}

TEST(NamesABase, AgreesWithASearchForEachBaseWordOnRandomNames) {
  // Pieces of base words, whole and cut, so that most names come near a base word.
  const std::vector<std::string> pieces{
      "Air", "strip", "field",  "Airstrip", "Sea", "plane", "Seaplane", "_Po",  "rt",   "_Port",
      "Har", "bor",   "Harbor", "_",        "A",   "S",     "H",        "Kure", "_Base"};
  std::mt19937 random(20261211);
  auto pick = [&random](size_t count) {
    return std::uniform_int_distribution<size_t>(0, count - 1)(random);
  };
  int bases = 0;
  for (int n = 0; n < 100000; ++n) {
    std::string name;
    for (size_t count = pick(6); count > 0; --count) name += pieces[pick(pieces.size())];
    const bool expected = Contains(name, "Airstrip") || Contains(name, "Airfield") ||
                          Contains(name, "Seaplane") || Contains(name, "_Port") ||
                          Contains(name, "Harbor");
    ASSERT_EQ(NamesABase(name), expected) << name;
    bases += expected ? 1 : 0;
  }
  EXPECT_GT(bases, 10000);
  EXPECT_LT(bases, 90000);
}

}  // namespace
