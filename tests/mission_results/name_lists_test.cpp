#include "mission_results/name_lists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "mission_results/built_in_names.h"
#include "mission_results/pilot_nations.h"
#include "mission_results/roster_text.h"
#include "platform/file_system.h"
#include "tests/mission_results/roster_world.h"

namespace {

using ::testing::Contains;

bool Holds(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

// Every portrait of the folder, "00" to "30", under the game folder.
void InstallPortraits(const RosterWorld& w, const std::string& folder) {
  for (int number = 0; number <= 30; ++number) {
    w.WriteGameFile(folder + ZeroPad(number, 2) + ".bmp", "portrait");
  }
}

TEST(BuiltInNames, EveryNationGroupHasManyDistinctPlainNames) {
  const PilotNameLists& lists = BuiltInPilotNames();
  const std::vector<std::string> PilotNameLists::*all[] = {
      &PilotNameLists::RFNm,  &PilotNameLists::RLNm,  &PilotNameLists::PFNm,
      &PilotNameLists::PLNm,  &PilotNameLists::BFNm,  &PilotNameLists::BLNm,
      &PilotNameLists::DuFNm, &PilotNameLists::DuLNm, &PilotNameLists::FrFNm,
      &PilotNameLists::FrLNm, &PilotNameLists::AFNm,  &PilotNameLists::ALNm,
      &PilotNameLists::GFNm,  &PilotNameLists::GLNm,  &PilotNameLists::HFNm,
      &PilotNameLists::HLNm,  &PilotNameLists::ItFNm, &PilotNameLists::ItLNm,
      &PilotNameLists::RoFNm, &PilotNameLists::RoLNm, &PilotNameLists::SkFNm,
      &PilotNameLists::SkLNm, &PilotNameLists::FFNm,  &PilotNameLists::FLNm,
      &PilotNameLists::JFNm,  &PilotNameLists::JLNm};
  for (const auto list : all) {
    const std::vector<std::string>& names = lists.*list;
    EXPECT_GE(names.size(), 30u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size())
        << "a name twice in list starting " << names.front();
    for (const std::string& name : names) {
      EXPECT_EQ(name, Trim(name));
      EXPECT_FALSE(name.empty());
      EXPECT_EQ(name.find_first_of("@*&#^\\[],"), std::string::npos) << name;
      EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 128;
      })) << name;
    }
  }
  // A long campaign of one nation never runs short: thousands of names per pair.
  EXPECT_GE(lists.RoFNm.size() * lists.RoLNm.size(), 2000u);
  EXPECT_GE(lists.AFNm.size() * lists.ALNm.size(), 100000u);
  EXPECT_THAT(lists.DuLNm, Contains("van den Berg"));
}

TEST(PilotName, ANewZealandPilotIsNamedAsABritonWithAnAustralianPortraitAndHisOwnTown) {
  RosterWorld w;
  w.AddSquadron({.name = "488Squadronfe0", .nation = "rz"});
  InstallPortraits(w, "DGen/RA/");
  w.WriteCampaignFile("data/cities.dat", "[GB]\r\nLeeds\r\n[RZ]\r\nNelson\r\n");
  w.form.CampaignDataFolder = w.campaign.Path() + "data/";
  CityNames(w.form);
  const PilotNameLists& lists = BuiltInPilotNames();
  for (int draw = 0; draw < 20; ++draw) {
    PilotName(w.form, 0, 3);
    const PilotEntry& pilot = w.Pilot(0, 3);
    EXPECT_TRUE(Holds(lists.BFNm, FirstNameOf(pilot.RosterName))) << pilot.RosterName;
    EXPECT_TRUE(Holds(lists.BLNm, LastNameOf(pilot.RosterName))) << pilot.RosterName;
    EXPECT_EQ(pilot.RosterPhoto.substr(0, 8), "DGen\\RA\\");
    EXPECT_EQ(pilot.RosterHomeTown, "Nelson");
  }
}

TEST(PilotName, PortraitsFromTheNationsFolderWhenTheGameHasThem) {
  RosterWorld w;
  w.AddSquadron({.name = "USN_VF_830", .nation = "un"});
  w.AddSquadron({.name = "fr010", .nation = "fr"});
  InstallPortraits(w, "DGen/UN/");
  std::set<std::string> american;
  for (int draw = 0; draw < 300; ++draw) {
    PilotName(w.form, 0, 0);
    american.insert(w.Pilot(0, 0).RosterPhoto);
    PilotName(w.form, 1, 0);
    EXPECT_EQ(w.Pilot(1, 0).RosterPhoto, "DGen\\Photo") << "no French portraits in this game";
  }
  EXPECT_EQ(american.size(), 30u);
  EXPECT_EQ(american.count("DGen\\UN\\00"), 0u) << "American portraits start at 01";
  EXPECT_EQ(american.count("DGen\\UN\\30"), 1u);
}

TEST(PilotName, TheSpareSlotTakesNamesForTheBomberCrew) {
  RosterWorld w;
  w.AddSquadron({.name = "r010", .nation = "ru"});
  PilotName(w.form, 0, 16);
  EXPECT_TRUE(Holds(BuiltInPilotNames().RLNm, LastNameOf(w.Pilot(0, 16).RosterName)));
}

TEST(CustomPilotNames, TenNamesOrMoreReplaceTheNationsLists) {
  RosterWorld w;
  w.AddSquadron({.name = "r010", .nation = "ru"});
  std::string file;
  for (int n = 0; n < 11; ++n) file += "Custom" + IntToStr(n) + " Family" + IntToStr(n) + "\r\n";
  file += "Ivan Ivanovich Ivanov\r\n";
  w.WriteCampaignFile("data/RU_names.dat", file);
  w.form.CampaignDataFolder = w.campaign.Path() + "data/";
  CustomPilotNames(w.form);
  EXPECT_EQ(w.form.CustomNameCount[static_cast<int>(CustomNameCode::kRU)], 12);
  const CustomNameList& custom = w.form.CustomPilotNameLists[0];
  EXPECT_EQ(custom.FirstNames.back(), "Ivan");
  EXPECT_EQ(custom.LastNames.back(), "Ivanovich Ivanov");
  for (int draw = 0; draw < 30; ++draw) {
    PilotName(w.form, 0, 1);
    const std::string& name = w.Pilot(0, 1).RosterName;
    EXPECT_TRUE(Holds(custom.FirstNames, FirstNameOf(name))) << name;
    EXPECT_TRUE(Holds(custom.LastNames, LastNameOf(name))) << name;
  }
  // Without the file at the next load the built-in names are back.
  DeleteFile(w.campaign.Path() + "data/RU_names.dat");
  CustomPilotNames(w.form);
  PilotName(w.form, 0, 1);
  EXPECT_TRUE(Holds(BuiltInPilotNames().RLNm, LastNameOf(w.Pilot(0, 1).RosterName)));
}

TEST(CustomPilotNames, AShortFileIsReportedAndTheBuiltInNamesStay) {
  RosterWorld w;
  w.AddSquadron({.name = "USA_FS_0190", .nation = "us"});
  w.WriteCampaignFile("data/US_names.dat", "Joe Smith\r\nBill Jones\r\nTed [Ace] Brown\r\n");
  w.form.CampaignDataFolder = w.campaign.Path() + "data/";
  CustomPilotNames(w.form);
  EXPECT_EQ(w.form.CustomNameCount[static_cast<int>(CustomNameCode::kUS)], 3);
  EXPECT_EQ(w.form.CustomPilotNameLists[4].LastNames[2], "_Ace_ Brown");
  EXPECT_TRUE(w.Logged("US_names.dat holds 3 names, fewer than ten"));
  PilotName(w.form, 0, 0);
  EXPECT_TRUE(Holds(BuiltInPilotNames().ALNm, LastNameOf(w.Pilot(0, 0).RosterName)));
}

TEST(PilotNameCheck, ADuplicateNameIsDrawnAgainWithItsPortraitAndTown) {
  RosterWorld w;
  w.AddSquadron({.name = "r010", .nation = "ru"});
  w.AddSquadron({.name = "r020", .nation = "ru"});
  w.Pilot(1, 9).RosterName = "Ivan Petrov";
  w.Pilot(0, 4).RosterName = "Ivan Petrov";
  w.Pilot(0, 4).RosterHomeTown = "Old Town";
  PilotNameCheck(w.form, 0, 4);
  EXPECT_NE(w.Pilot(0, 4).RosterName, "Ivan Petrov");
  EXPECT_NE(w.Pilot(0, 4).RosterHomeTown, "Old Town");
  EXPECT_EQ(w.Pilot(1, 9).RosterName, "Ivan Petrov");
  const std::vector<std::string> log = w.Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), "r010 #4 pilot's name changed due to duplication."),
            1);
}

TEST(PilotNameCheck, WhenEveryNameIsTakenANumberedNameEndsTheSearch) {
  RosterWorld w;
  w.AddSquadron({.name = "r010", .nation = "ru"});
  std::string file;
  for (int n = 0; n < 10; ++n) file += "Ivan Petrov\r\n";
  w.WriteCampaignFile("data/RU_names.dat", file);
  w.form.CampaignDataFolder = w.campaign.Path() + "data/";
  CustomPilotNames(w.form);
  for (int slot = 0; slot < 4; ++slot) {
    PilotName(w.form, 0, slot);
    PilotNameCheck(w.form, 0, slot);
  }
  EXPECT_EQ(w.Pilot(0, 0).RosterName, "Ivan Petrov");
  EXPECT_EQ(w.Pilot(0, 1).RosterName, "Ivan Petrov 2");
  EXPECT_EQ(w.Pilot(0, 2).RosterName, "Ivan Petrov 3");
  EXPECT_EQ(w.Pilot(0, 3).RosterName, "Ivan Petrov 4");
  EXPECT_TRUE(w.Logged("r010 #3 pilot named Ivan Petrov 4: no unused name"));
}

TEST(PilotNameCheck, BlankCustomNamesNeverHangTheSearch) {
  RosterWorld w;
  w.AddSquadron({.name = "fr010", .nation = "fr"});
  w.WriteCampaignFile("data/FR_names.dat", std::string(12, '\n'));
  w.form.CampaignDataFolder = w.campaign.Path() + "data/";
  CustomPilotNames(w.form);
  for (int slot = 0; slot < 3; ++slot) {
    PilotName(w.form, 0, slot);
    PilotNameCheck(w.form, 0, slot);
  }
  std::set<std::string> names;
  for (int slot = 0; slot < 3; ++slot) names.insert(w.Pilot(0, slot).RosterName);
  EXPECT_EQ(names.size(), 3u);
}

TEST(CityNames, SectionsFillTheirRowsWithinTheTableAndUnknownOnesAreLeftOut) {
  RosterWorld w;
  std::string file = "Prelude\r\n[FR]\r\nLyon\r\n\r\n  Dijon  \r\n[CZ]\r\nBrno\r\n[DE]\r\n";
  for (int n = 0; n < 105; ++n) file += "Town" + IntToStr(n) + "\r\n";
  w.WriteCampaignFile("data/cities.dat", file);
  w.form.CampaignDataFolder = w.campaign.Path() + "data/";
  CityNames(w.form);
  const CityNameTableType& table = w.form.CityNameTable;
  EXPECT_EQ(table.TownName[0][0], "Prelude");
  EXPECT_EQ(table.TownCount[7], 1);
  EXPECT_EQ(table.TownName[7][1], "Dijon");
  EXPECT_EQ(table.TownCount[8], 100);
  EXPECT_EQ(table.TownName[8][100], "Town100");
  EXPECT_TRUE(w.Logged("cities.dat: the section [CZ] names no nation"));
  EXPECT_TRUE(w.Logged("cities.dat: a section holds more than 101 towns"));
  // One town always comes; a row without towns gives none.
  EXPECT_EQ(PilotCity(w.form, 0), "Prelude");
  EXPECT_EQ(PilotCity(w.form, 14), "");
}

TEST(CityNames, TheShippedListNamesTownsForEveryNation) {
  RosterWorld w;
  CityNames(w.form);
  for (const int row : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}) {
    EXPECT_GE(w.form.CityNameTable.TownCount[row], 40) << "row " << row;
  }
}

}  // namespace
