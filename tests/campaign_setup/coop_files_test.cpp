// The text rules of the co-op generator's files: the campaign file of a battle, byte for byte,
// and the reading and editing of a co-op campaign's conf.dat, where squadrons are matched as
// whole words.

#include "campaign_setup/coop_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/errors.h"
#include "tests/support/golden_file.h"

namespace {

using Lines = std::vector<std::string>;

TEST(CoopCampaignFile, IsWrittenByteForByteForBothDeathChoices) {
  const std::vector<CoopWing> wings{{"r0100", "Test Regiment Red", 1},
                                    {"r0121", "Test Regiment Red", 3}};
  EXPECT_TRUE(
      MatchesGolden(CoopCampaignFileText("Battle_of_Britain", "Britain", "1940", wings, true),
                    "coop_campaign_file_dead_is_dead.dat"));
  EXPECT_TRUE(
      MatchesGolden(CoopCampaignFileText("Battle_of_Britain", "Britain", "1940", wings, false),
                    "coop_campaign_file_immortal.dat"));
}

TEST(CoopCampaignFile, NameDropsUpToElevenUnderscores) {
  EXPECT_EQ(CoopCampaignFileName("Battle_of_Britain"), "CampaignTavrek_BattleofBritain.dat");
  EXPECT_EQ(CoopCampaignFileName("a_b_c_d_e_f_g_h_i_j_k_l_m"), "CampaignTavrek_abcdefghijkl_m.dat");
}

TEST(CoopCampaignFile, SquadronNumberIsTheSquadronDigitPlusOne) {
  EXPECT_EQ(SquadronNumber("r0100", true), 1);
  EXPECT_EQ(SquadronNumber("r0121", true), 3);
  EXPECT_EQ(SquadronNumber("New2", false), 3);
  EXPECT_EQ(SquadronNumber("r01x0", true), std::nullopt);
  EXPECT_EQ(SquadronNumber("0", true), std::nullopt);
}

TEST(CoopCampaignFile, WingsAreTheWingSectionsLines) {
  EXPECT_EQ(MissionWings({"[MAIN]", "  MAP x/load.ini", "[Wing]", "  r0100", "", " g0120 ",
                          "[r0100]", "  Planes 4"}),
            (Lines{"r0100", "g0120"}));
  EXPECT_TRUE(MissionWings({"[MAIN]", "  r0100"}).empty());
}

struct TokenCase {
  const char* line;
  const char* squadron;
  bool names;
};

class NamesSquadronTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(NamesSquadronTest, MatchesWholeWordsOnly) {
  EXPECT_EQ(NamesSquadron(GetParam().line, GetParam().squadron), GetParam().names)
      << GetParam().line << " / " << GetParam().squadron;
}

INSTANTIATE_TEST_SUITE_P(Lines, NamesSquadronTest,
                         ::testing::Values(TokenCase{"I_JG5200 all", "I_JG520", true},
                                           TokenCase{"II_JG5200 all", "I_JG520", false},
                                           TokenCase{"I_JG52000 all", "I_JG520", false},
                                           TokenCase{"I_JG520X all", "I_JG520", false},
                                           TokenCase{"  I_JG520", "I_JG520", true},
                                           TokenCase{"[I_JG5201]", "I_JG520", true},
                                           TokenCase{"[II_JG5201]", "I_JG520", false},
                                           TokenCase{"x I_JG5203 I/JG 52 (1) ", "I_JG520", true},
                                           TokenCase{"anything", "", false}));

TEST(SpawnState, TheLastKeyInTheOrderRndNvrAllWins) {
  EXPECT_EQ(SpawnState("r0100 rnd"), "Active False");
  EXPECT_EQ(SpawnState("r0100 nvr"), "Active Never");
  EXPECT_EQ(SpawnState("r0100 all"), "Active True ");
  EXPECT_EQ(SpawnState("r0100 all rnd"), "Active True ");
  EXPECT_EQ(SpawnState("r0100 rnd nvr"), "Active Never");
  EXPECT_EQ(SpawnState("r0100"), std::nullopt);
  // A key is a word of its own: an identifier holding "all" sets nothing.
  EXPECT_EQ(SpawnState("Hall_FS0 x"), std::nullopt);
}

const Lines kConf{"[$select]",      "DiD Immortal",
                  "r0100 rnd",      "g0120 all",
                  "DiD DiDmode",    "[$missions]",
                  "  19410622.mis", "[$locale]",
                  "name Tavrek x",  "[$data]",
                  "Kursk.mis ",     "lang=English,USSR",
                  "[DiD]",          "  DiDmode     Dead is Dead"};

TEST(CoopConf, ReadsTheBattleTheSelectPartAndTheDeathChoice) {
  const CoopConf conf = ReadCoopConf(kConf, true);
  EXPECT_TRUE(conf.has_select);
  EXPECT_EQ(conf.battle, "Kursk");
  EXPECT_EQ(conf.dead_is_dead, true);
  EXPECT_EQ(conf.select_lines, (Lines{"DiD Immortal", "r0100 rnd", "g0120 all", "DiD DiDmode"}));
}

TEST(CoopConf, TheRunReadsTheDeathChoiceUpToTheDataPartOnly) {
  Lines lines{"[$select]", "DiD Immortal", "[$data]", "Kursk", "DiD DiDmode"};
  EXPECT_EQ(ReadCoopConf(lines, true).dead_is_dead, false);
  EXPECT_EQ(ReadCoopConf(lines, false).dead_is_dead, true);
}

TEST(CoopConf, ATruncatedOrForeignFileNamesNoBattle) {
  for (const Lines& lines : {Lines{}, Lines{"[$select]", "[$data]"}, Lines{"[$data]", "[DiD]"},
                             Lines{"\x01\x02garbage", "more"}, Lines{"[$data]", "   "}}) {
    EXPECT_EQ(ReadCoopConf(lines, true).battle, std::nullopt);
  }
  EXPECT_FALSE(ReadCoopConf({"garbage"}, false).has_select);
}

TEST(CoopConfEdit, AddInsertsTheSelectAndLocaleLinesAndAnOptionBlock) {
  const Lines before{"[$select]", "r0100 rnd",      "[$missions]", "  1941.mis", "",
                     "[$locale]", "r0100 Red (1) ", "[$data]",     "Kursk"};
  EXPECT_EQ(AddToCoopConf(before, {"New2", "New Squadron", 3}, "conf.dat"),
            (Lines{"[$select]", "r0100 rnd", "  New2", "[$missions]", "  1941.mis", "[$locale]",
                   "r0100 Red (1) ", "  New2 New Squadron (3)", "[$data]", "Kursk", "[New2]",
                   "  rnd Spawn: Random", "  all Spawn: Yes", "  nvr Spawn: No"}));
}

TEST(CoopConfEdit, AddRefusesAFileWithoutItsMarkers) {
  for (const Lines& lines :
       {Lines{"[$select]", "[$missions]"}, Lines{"[$data]", "Kursk"}, Lines{}}) {
    EXPECT_THROW(AddToCoopConf(lines, {"New2", "New", 3}, "conf.dat"), ProgramError);
  }
}

TEST(CoopConfEdit, RenameChangesOnlyTheLinesOfThatSquadron) {
  const Lines before{"[$select]",
                     "I_JG5201 all",
                     "II_JG5201 rnd",
                     "[$locale]",
                     "I_JG5201 I/Jagdgeschwader 52 (1) ",
                     "II_JG5200 I/Jagdgeschwader 52 (1) ",
                     "[I_JG5201]",
                     "  rnd Spawn: Random"};
  EXPECT_EQ(RenameInCoopConf(before, {"I_JG520", "I/Jagdgeschwader 52", 1},
                             {"III_JG542", "III/Jagdgeschwader 54", 3}),
            (Lines{"[$select]", "III_JG5421 all", "II_JG5201 rnd", "[$locale]",
                   "III_JG5421 III/Jagdgeschwader 54 (3) ", "II_JG5200 I/Jagdgeschwader 52 (1) ",
                   "[III_JG5421]", "  rnd Spawn: Random"}));
}

TEST(CoopConfEdit, RemoveDropsTheSquadronsLinesAndOptionBlocksOnly) {
  const Lines before{"[$select]",   "I_JG5200 all",        "II_JG5200 rnd",    "",
                     "[$locale]",   "I_JG5200 I (1)",      "[$data]",          "Kursk",
                     "[I_JG5200]",  "  rnd Spawn: Random", "  all Spawn: Yes", "  nvr Spawn: No",
                     "[II_JG5200]", "  rnd Spawn: Random"};
  EXPECT_EQ(RemoveFromCoopConf(before, "I_JG520"),
            (Lines{"[$select]", "II_JG5200 rnd", "[$locale]", "[$data]", "Kursk", "[II_JG5200]",
                   "  rnd Spawn: Random"}));
}

}  // namespace
