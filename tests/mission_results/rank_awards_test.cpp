#include "mission_results/rank_awards.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/mission_results/roster_world.h"

namespace {

// A squadron of the nation whose career folder holds the given files.
struct CareerFolderWorld : RosterWorld {
  explicit CareerFolderWorld(const std::string& nation = "us") {
    AddSquadron({.name = "Unit0", .nation = nation});
  }
  void WriteCareerFile(const std::string& nation, const std::string& name,
                       const std::string& content) const {
    WriteGameFile("Missions/Campaign/" + nation + "/" + name, content);
  }
  const RankAwardTableType& Table() const { return form.RankAwardTable; }
};

TEST(RankAwardSetup, WithoutCareerFilesTheBuiltInNamesStandAndTheLackIsLoggedOnce) {
  CareerFolderWorld w("xx");
  RankAwardSetup(w.form, 0);
  RankAwardSetup(w.form, 0);
  EXPECT_EQ(w.Table().RankName[0], "Sergeant");
  EXPECT_EQ(w.Table().RankName[6], "Colonel");
  EXPECT_EQ(w.Table().RankName[9], "");
  EXPECT_EQ(w.Table().AwardName[0], "Blank");
  EXPECT_EQ(w.Table().AwardName[7], "Congressional Medal of Honor");
  EXPECT_EQ(w.Table().AwardName[8], "");
  const std::vector<std::string> log = w.Log();
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& line) {
                            return line.find("No rank.properties") != std::string::npos;
                          }),
            1);
  EXPECT_TRUE(w.Logged("No award.properties in the game's Missions\\Campaign\\XX\\ folder"));
}

TEST(RankAwardSetup, TheLanguagesFileElseThePlainOne) {
  struct Case {
    std::string language;
    std::string rank_0;
  };
  const Case cases[] = {
      {"Italian", "Plain"}, {"German", "Plain"}, {"Russian", "Russian"}, {"English", "Plain"}};
  CareerFolderWorld w("ru");
  w.WriteCareerFile("RU", "rank.properties", "0 Plain\r\n");
  w.WriteCareerFile("RU", "rank_ru.properties", "0 Russian\r\n");
  w.WriteCareerFile("RU", "rank_it.properties", "0 Italian\r\n");
  for (const Case& c : cases) {
    w.form.Language = c.language;
    RankAwardSetup(w.form, 0);
    EXPECT_EQ(w.Table().RankName[0], c.rank_0) << c.language;
  }
}

TEST(RankAwardSetup, RankLinesFillTheCodesInOrderBlankLinesLeftOut) {
  CareerFolderWorld w("de");
  w.WriteCareerFile("DE", "rank.properties",
                    "0 Leutnant\r\n\r\n1 Oberleutnant\r\n   \r\n"
                    "2 Hauptmann\r\n3 Major\r\n4 Oberstleutnant\r\n");
  RankAwardSetup(w.form, 0);
  EXPECT_EQ(w.Table().RankName[0], "Leutnant");
  EXPECT_EQ(w.Table().RankName[2], "Hauptmann");
  EXPECT_EQ(w.Table().RankName[4], "Oberstleutnant");
  EXPECT_EQ(w.Table().RankName[5], "Lieutenant Colonel");
  EXPECT_EQ(w.Table().RankName[6], "Colonel");
  EXPECT_EQ(w.Table().RankName[7], "x");
}

TEST(RankAwardSetup, ARankFileLongerThanTheTableIsReadToItsLastRank) {
  CareerFolderWorld w("ja");
  std::string file;
  for (int rank = 0; rank < 14; ++rank)
    file += std::to_string(rank % 10) + " R" + std::to_string(rank) + "\r\n";
  w.WriteCareerFile("JA", "rank.properties", file);
  RankAwardSetup(w.form, 0);
  EXPECT_EQ(w.Table().RankName[6], "R6");
  EXPECT_EQ(w.Table().RankName[7], "x");
  EXPECT_EQ(w.Table().RankName[8], "R8");
  EXPECT_EQ(w.Table().RankName[9], "R9");
  EXPECT_TRUE(w.Logged("lists more than 10 ranks; the further lines are left out."));
}

TEST(RankAwardSetup, AwardLinesTakeTheirIndexBlankOnesToo) {
  CareerFolderWorld w("gb");
  w.WriteCareerFile("GB", "award.properties", "1 Mention\r\n2 DFM\r\n3 DFC\r\n");
  RankAwardSetup(w.form, 0);
  EXPECT_EQ(w.Table().AwardName[3], "DFC");
  EXPECT_EQ(w.Table().AwardName[4], "Legion of Merit");
  w.WriteCareerFile("GB", "award.properties",
                    "1 A\r\n2 B\r\n3 C\r\n4 D\r\n5 E\r\n6 F\r\n\r\n8 H\r\n9 I\r\n");
  RankAwardSetup(w.form, 0);
  EXPECT_EQ(w.Table().AwardName[7], "");
  EXPECT_EQ(w.Table().AwardName[8], "H");
}

TEST(RankAwardSetup, TheSampleGameHasRankAndAwardNamesForEveryNation) {
  RosterWorld w;
  w.form.GameFolder = std::string(TAVREK_SOURCE_DIR) + "/sample/game/";
  for (const char* nation : {"us", "um", "un", "gb", "rn", "ra", "rz", "fr", "de", "fi", "hu", "it",
                             "ja", "in", "pl", "ro", "ru", "sk", "du"}) {
    w.AddSquadron({.name = std::string("Unit_") + nation + "0", .nation = nation});
  }
  for (int squadron = 0; squadron <= w.form.LastSquadron; ++squadron) {
    RankAwardSetup(w.form, squadron);
    const std::string& nation = w.form.SquadronTable[squadron].SquadronNation;
    EXPECT_NE(w.form.RankAwardTable.RankName[0], "Sergeant") << nation;
    EXPECT_EQ(w.form.RankAwardTable.RankName[7], "x") << nation << ": a rank file was read";
    EXPECT_NE(w.form.RankAwardTable.AwardName[8], "") << nation << ": eight awards";
  }
  EXPECT_FALSE(w.Logged("properties in the game's"));
}

TEST(PostInfo, TheCareerPostsThePlayersSquadronOnLineTracksHumans) {
  struct Case {
    bool coop;
    bool dogfight;
    bool track;
    int squadron;
    std::string marker;
    bool posted;
  };
  const Case cases[] = {
      {false, false, false, 0, " ", true}, {false, false, true, 1, "^", false},
      {true, false, true, 3, "^", true},   {false, true, true, 0, "^", true},
      {true, false, false, 2, "^", false}, {true, false, true, 0, " ", false},
      {false, true, true, 2, "d", false},
  };
  RosterWorld w;
  for (int squadron = 0; squadron < 4; ++squadron) {
    w.AddSquadron({.name = "Unit" + std::to_string(squadron), .nation = "us"});
  }
  for (const Case& c : cases) {
    w.form.Coop.Checked = c.coop;
    w.form.Dogfight.Checked = c.dogfight;
    w.form.TrackPlayerRanks.Checked = c.track;
    w.Pilot(c.squadron, 6).RosterMarker = c.marker;
    EXPECT_EQ(PostInfo(w.form, c.squadron, 6), c.posted)
        << c.coop << c.dogfight << c.track << " squadron " << c.squadron << " '" << c.marker << "'";
  }
}

// One pilot of squadron 0 (posted off-line) with the given record, through AwardAwards.
struct AwardCase {
  std::string rank;
  std::string sorties;
  std::string kills;
  std::string ground_kills;
  std::string medals;
  std::string rank_after;
  std::string medals_after;
};

TEST(AwardAwards, PromotionsBySortiesAndMedalsByVictoriesAndGroundKills) {
  const AwardCase cases[] = {
      {"0", "005", "000", "000", "0", "0", "0"}, {"0", "006", "000", "000", "0", "1", "0"},
      {"0", "999", "000", "000", "0", "1", "0"}, {"1", "016", "000", "000", "0", "2", "0"},
      {"5", "156", "000", "000", "0", "6", "0"}, {"6", "999", "000", "000", "0", "6", "0"},
      {"9", "999", "000", "000", "0", "9", "0"}, {"0", "000", "003", "000", "0", "0", "1"},
      {"0", "000", "010", "000", "0", "0", "3"}, {"0", "000", "000", "800", "0", "0", "6"},
      {"0", "000", "125", "000", "0", "0", "7"}, {"0", "000", "002", "029", "0", "0", "0"},
      {"0", "000", "005", "000", "2", "0", "2"}, {"2", "abc", "x", "", "0", "2", "0"},
  };
  RosterWorld w;
  for (const AwardCase& c : cases) {
    const int squadron =
        w.AddSquadron({.name = "Unit" + std::to_string(w.form.LastSquadron + 1), .nation = "xx"});
    PilotEntry& pilot = w.Pilot(squadron, 0);
    pilot.RosterName = "Pilot " + std::to_string(squadron);
    pilot.RosterRank = c.rank;
    pilot.RosterSorties = c.sorties;
    pilot.RosterKills = c.kills;
    pilot.RosterGroundKills = c.ground_kills;
    pilot.RosterMedalCount = c.medals;
  }
  AwardAwards(w.form);
  for (int squadron = 0; squadron <= w.form.LastSquadron; ++squadron) {
    const AwardCase& c = cases[squadron];
    const PilotEntry& pilot = w.Pilot(squadron, 0);
    EXPECT_EQ(pilot.RosterRank, c.rank_after) << c.rank << " " << c.sorties;
    EXPECT_EQ(pilot.RosterMedalCount, c.medals_after) << c.kills << " " << c.ground_kills;
  }
  EXPECT_TRUE(w.Logged("Pilot 13: the sortie count \"abc\" is no number and counts as 0."));
}

// A pilot of squadron 0 and one of squadron 1, both due a promotion and a medal.
struct PostingWorld : RosterWorld {
  PostingWorld() {
    WriteGameFile("Missions/Campaign/US/rank.properties",
                  "0 Second Lieutenant\r\n1 First Lieutenant\r\n");
    WriteGameFile("Missions/Campaign/US/award.properties", "1 Air Medal\r\n2 Silver Star\r\n");
    for (int squadron = 0; squadron < 2; ++squadron) {
      AddSquadron({.name = "USA_FS_0" + std::to_string(squadron), .nation = "us"});
      PilotEntry& pilot = Pilot(squadron, 4);
      pilot.RosterName = squadron == 0 ? "Joe Smith" : "Bill Jones";
      pilot.RosterRank = "0";
      pilot.RosterSorties = "010";
      pilot.RosterKills = "003";
      pilot.RosterMedalCount = "0";
    }
  }
};

TEST(AwardAwards, ThePostedPilotsPromotionAndMedalAreToldInHisNationsNames) {
  PostingWorld w;
  AwardAwards(w.form);
  EXPECT_EQ(w.form.PromotionText,
            "Joe Smith has been promoted to First Lieutenant.\r\n"
            "Joe Smith has been awarded the Air Medal.\r\n");
  EXPECT_EQ(w.form.Events.Caption,
            "Joe Smith - EVENT: 06/04/1945: Promoted to First Lieutenant.\r\n"
            "Joe Smith - EVENT: 06/04/1945: Awarded the Air Medal.\r\n");
  EXPECT_EQ(w.Pilot(1, 4).RosterRank, "1");
  EXPECT_EQ(w.Pilot(1, 4).RosterMedalCount, "1");
}

TEST(AwardAwards, OnLineWithoutRankTrackingNobodyIsPostedButTheRosterChanges) {
  PostingWorld w;
  w.form.Coop.Checked = true;
  w.Pilot(1, 4).RosterMarker = "^";
  AwardAwards(w.form);
  EXPECT_EQ(w.form.PromotionText, "");
  EXPECT_EQ(w.form.Events.Caption, "");
  EXPECT_EQ(w.Pilot(0, 4).RosterRank, "1");
  EXPECT_EQ(w.Pilot(1, 4).RosterMedalCount, "1");
  w.form.TrackPlayerRanks.Checked = true;
  w.Pilot(1, 4).RosterKills = "005";
  AwardAwards(w.form);
  EXPECT_EQ(w.form.PromotionText, "Bill Jones has been awarded the Silver Star.\r\n");
}

}  // namespace
