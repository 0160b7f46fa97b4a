#include "mission_results/new_pilots.h"

#include <gtest/gtest.h>

#include <string>

#include "campaign_data/text.h"
#include "tests/mission_results/roster_world.h"

namespace {

TEST(StartRank, SeniorRanksInTheFirstSlotsShiftedByNationAndUnit) {
  struct Case {
    std::string nation;
    std::string squadron;
    int slot;
    std::string rank;
  };
  const Case cases[] = {
      {"fi", "LeLv24_1", 0, "6"},        {"ja", "IJA_64_Sentai1", 0, "6"},
      {"de", "II_JG52_0", 0, "4"},       {"de", "Stab_JG52_0", 0, "5"},
      {"de", "II_JG52_2", 0, "3"},       {"in", "IJN_KOKU_3431", 0, "3"},
      {"us", "USA_FS_0190", 0, "5"},     {"us", "USA_FS_0191", 0, "4"},
      {"it", "356squadriglia0", 4, "3"}, {"it", "356squadriglia1", 4, "2"},
      {"ru", "r01012", 15, "0"},         {"fi", "LeLv24_1", 15, "0"},
      {"xx", "Unknown1", 7, "2"},
  };
  RosterWorld w;
  for (const Case& c : cases) {
    const int squadron = w.AddSquadron({.name = c.squadron, .nation = c.nation});
    EXPECT_EQ(StartRank(w.form, squadron, c.slot), c.rank) << c.squadron << " slot " << c.slot;
  }
}

TEST(GetBirthDate, SixteenYearsAndFourDrawsOfTheRankBeforeTheCampaignYear) {
  RosterWorld w(1943);
  w.AddSquadron({.name = "A_NN0", .nation = "fr"});
  w.Pilot(0, 0).RosterRank = "0";
  EXPECT_EQ(GetBirthDate(w.form, 0, 0), "1927");
  w.Pilot(0, 0).RosterRank = "captain";
  const std::uint32_t seed = w.form.Rand.Seed();
  EXPECT_EQ(GetBirthDate(w.form, 0, 0), "1923");
  EXPECT_EQ(w.form.Rand.Seed(), seed) << "no draw for a rank that is no number";
  w.Pilot(0, 0).RosterRank = "6";
  for (int draw = 0; draw < 50; ++draw) {
    const int year = StrToInt(GetBirthDate(w.form, 0, 0));
    EXPECT_LE(year, 1927);
    EXPECT_GE(year, 1927 - 24);
  }
}

struct Newcomer {
  std::string nation;
  std::string role;
  std::string type;
  int year;
};

// Slot 5 of a squadron of the nation, made a new pilot of the given rank code, seed by seed.
class NewcomerWorld {
 public:
  explicit NewcomerWorld(const Newcomer& n) : w_(n.year) {
    w_.AddSquadron(
        {.name = "Test_Unit0", .nation = n.nation, .role = n.role, .type_game_name = n.type});
  }
  PilotEntry Make(const std::string& rank, unsigned seed) {
    w_.form.Rand.SetSeed(seed);
    PilotEntry& pilot = w_.Pilot(0, 5);
    pilot.RosterRank = rank;
    pilot.RosterName = "Old Name";
    pilot.RosterSkin = "1skin.bmp";
    pilot.RosterBirthDate = "1911";
    NewPilotStats(w_.form, 0, 5);
    return pilot;
  }

 private:
  RosterWorld w_;
};

TEST(NewPilotStats, ASovietPilotOf1941HasNoRecordAtAll) {
  NewcomerWorld soviet({"ru", "1", "I-16", 1941});
  for (unsigned seed = 1; seed <= 40; ++seed) {
    const PilotEntry pilot = soviet.Make("4", seed);
    EXPECT_EQ(pilot.RosterSorties, "000");
    EXPECT_EQ(pilot.RosterKills, "000");
    EXPECT_EQ(pilot.RosterGroundKills, "000");
    EXPECT_EQ(pilot.RosterRank, "4");
    EXPECT_EQ(pilot.RosterMedalCount, "0");
  }
}

TEST(NewPilotStats, AGermanFighterCaptainOf1942StaysCaptainWithFewVictories) {
  NewcomerWorld german({"de", "1", "Bf-109F-4", 1942});
  for (unsigned seed = 1; seed <= 60; ++seed) {
    const PilotEntry pilot = german.Make("3", seed);
    EXPECT_EQ(pilot.RosterRank, "3");
    EXPECT_LT(StrToInt(pilot.RosterSorties), 30);
    EXPECT_LE(StrToInt(pilot.RosterKills), 9);
    EXPECT_LE(pilot.RosterKills, pilot.RosterSorties) << "no more victories than sorties";
    EXPECT_LE(pilot.RosterMedalCount, "2");
    EXPECT_EQ(pilot.RosterGroundKills, "000");
    EXPECT_EQ(pilot.RosterMarker, " ");
    EXPECT_EQ(pilot.RosterNoseArt, "None");
    EXPECT_NE(pilot.RosterName, "Old Name");
    EXPECT_EQ(pilot.RosterBirthDate, "1911") << "the birth year is not his to draw";
    EXPECT_EQ(pilot.RosterSkin, "1skin.bmp");
  }
}

TEST(NewPilotStats, ARookieEndsWithoutARecordWhateverTheDraws) {
  NewcomerWorld american({"us", "1", "P-51D-5NT", 1945});
  bool promoted_once = false;
  for (unsigned seed = 1; seed <= 80; ++seed) {
    const PilotEntry pilot = american.Make("0", seed);
    if (pilot.RosterRank == "0") {
      EXPECT_EQ(pilot.RosterSorties, "000");
      EXPECT_EQ(pilot.RosterKills, "000");
      EXPECT_EQ(pilot.RosterMedalCount, "0");
    } else {
      // More than ten sorties drawn: promoted, and his record stays.
      EXPECT_EQ(pilot.RosterRank, "1");
      EXPECT_GT(StrToInt(pilot.RosterSorties), 10);
      promoted_once = true;
    }
  }
  EXPECT_TRUE(promoted_once) << "an American rookie of 1945 may fly enough to be promoted";
}

TEST(NewPilotStats, FloatFighterPilotsScoreNoVictories) {
  NewcomerWorld japanese({"ja", "6", "A6M2-N", 1942});
  for (unsigned seed = 1; seed <= 30; ++seed)
    EXPECT_EQ(japanese.Make("5", seed).RosterKills, "000");
}

TEST(NewPilotStats, BeforeTheirWarNationsKeepNoCountersButTheirMedals) {
  NewcomerWorld romanian({"ro", "1", "IAR-80", 1941});
  bool medal_seen = false;
  for (unsigned seed = 1; seed <= 200; ++seed) {
    const PilotEntry pilot = romanian.Make("6", seed);
    EXPECT_EQ(pilot.RosterSorties, "000");
    EXPECT_EQ(pilot.RosterKills, "000");
    EXPECT_LE(pilot.RosterMedalCount, "2");
    medal_seen |= pilot.RosterMedalCount != "0";
  }
  EXPECT_TRUE(medal_seen);
}

TEST(NewPilotStats, RankCodesAreNormalisedToWholeNumbers) {
  NewcomerWorld french({"fr", "2", "LeO-451", 1940});
  EXPECT_EQ(french.Make("", 3).RosterRank, "0");
  EXPECT_EQ(french.Make("-2", 3).RosterRank, "0");
  EXPECT_EQ(french.Make("x", 3).RosterRank, "0");
  EXPECT_EQ(french.Make("03", 3).RosterRank, "3");
}

TEST(NewPilotStats, ANationWithoutNamesKeepsTheSlotsNameAndHasNoTown) {
  const PilotEntry pilot = NewcomerWorld({"xx", "1", "Test", 1943}).Make("2", 5);
  EXPECT_EQ(pilot.RosterName, "Old Name");
  EXPECT_EQ(pilot.RosterHomeTown, "");
}

}  // namespace
