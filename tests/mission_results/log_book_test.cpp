#include "mission_results/log_book.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mission_results/pilot_roster.h"
#include "platform/file_system.h"
#include "tests/mission_results/roster_world.h"

namespace {

const char kCareer[] = "Missions/Campaign/US/DGen_Smith/";

// The player's squadron and two squadrons sharing its base, in a career folder of the game.
struct LogBookWorld : RosterWorld {
  explicit LogBookWorld(std::vector<std::string> command_line = {"tavrek"},
                        const std::string& career_folder = "")
      : RosterWorld(1945, std::move(command_line)) {
    AddSquadron({.name = "USMC_VMF_3110", .nation = "um", .home_base = "Yontan_Airfield"});
    AddSquadron({.name = "II_JG52_2", .nation = "de", .home_base = "Yontan_Airfield"});
    AddSquadron({.name = "r01031", .nation = "ru", .home_base = "Yontan_Airfield"});
    AddSquadron({.name = "USN_VF_830", .nation = "un", .home_base = "USS_Essex"});
    std::string roster;
    for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
      roster += "[" + form.SquadronTable[squadron].SquadronName + "]\r\n" +
                PilotLines("P" + std::to_string(squadron));
    }
    WriteCampaignFile("pilot.tavrek", roster);
    LoadPilots(form);
    form.GameCampaignFolder =
        game.Path() + (career_folder.empty() ? std::string(kCareer) : career_folder);
    // The game's career folder of the nation is there; the career's own one is made.
    std::filesystem::create_directories(game.Path() + "Missions/Campaign/US");
    form.BattleName = "Okinawa45";
    form.SquadronTable[0].SquadronMissionType = "Fighter Sweep";
    form.AlliedID = 2;
    form.AxisID = 11;
    form.AlliedObjectiveText = "Hold Okinawa.";
  }
  std::string CareerFile(const std::string& name) const { return game.Read(kCareer + name); }
};

TEST(LogBook, EachMissionGetsItsHeaderAndItsResultsAfterTheDebriefing) {
  LogBookWorld generation;
  LogBook(generation.form);
  const std::string header =
      "DATE: 06/04/1945\r\nPLANE: F4U-1C fighter\r\nMISSION: Okinawa45: Fighter Sweep\r\n";
  EXPECT_EQ(generation.CareerFile("logbook.dat"), header);

  LogBookWorld debriefing({"tavrek", "debriefing", "Missions/Campaign/US/DGen_Smith"});
  debriefing.form.GameCampaignFolder = generation.form.GameCampaignFolder;
  debriefing.form.PlayerLogText = "EVENT: Shot down a Zero.\r\nFLIGHT TIME: 55 Minutes\r\n";
  LogBook(debriefing.form);
  const std::string scored = header + debriefing.form.PlayerLogText;
  EXPECT_EQ(generation.CareerFile("logbook.dat"), scored);

  // Debriefed once: a second debriefing adds nothing.
  LogBook(debriefing.form);
  EXPECT_EQ(generation.CareerFile("logbook.dat"), scored);

  // The next mission is generated and never flown; the one after closes it as scrubbed.
  LogBook(generation.form);
  LogBook(generation.form);
  EXPECT_EQ(generation.CareerFile("logbook.dat"),
            scored + header + "FLIGHT TIME: Scrubbed\r\n" + header);
}

TEST(LogBook, AGenerationAfterAScoredMissionAddsOnlyAHeader) {
  LogBookWorld w;
  w.WriteGameFile(std::string(kCareer) + "logbook.dat",
                  "DATE: 05/04/1945\r\nPLANE: X\r\nMISSION: Y\r\n");
  w.form.PlayerLogText = "EVENT: Bailed out.\r\n";
  LogBook(w.form);
  EXPECT_EQ(w.CareerFile("logbook.dat"),
            "DATE: 05/04/1945\r\nPLANE: X\r\nMISSION: Y\r\n"
            "DATE: 06/04/1945\r\nPLANE: F4U-1C fighter\r\nMISSION: Okinawa45: Fighter Sweep\r\n");
}

TEST(LogBook, TheCareerDocumentsOfTheCampaign) {
  LogBookWorld w;
  w.Pilot(0, 0).RosterRank = "4";
  w.Pilot(0, 0).RosterKills = "005";
  w.Pilot(0, 1).RosterKills = "004";
  w.Pilot(3, 2).RosterKills = "012";
  w.form.SquadronTable[0].SquadronFullName = "VMF_311 Hell's Belles";
  LogBook(w.form);
  EXPECT_EQ(w.CampaignFile("documents.dat"),
            "squad.txt Squadron Record\r\nbase.txt Base Record\r\naces.txt Aces\r\n"
            "victory.txt Victory Conditions\r\n");
  EXPECT_EQ(w.CampaignFile("aces.txt"),
            "Aces of the campaign:\r\n \r\n"
            "Major P0 0 - 5 victories - based at Yontan Airfield\r\n"
            "Sergeant P3 2 - 12 victories - serving aboard USS Essex\r\n");
  EXPECT_EQ(w.CampaignFile("squad.txt"),
            "Squadron Record:\r\n \r\n"
            "Squadron:  VMF 311 Hell's Belles\r\n"
            "Commander:  Major P0 0\r\n"
            "Home Base:  Yontan Airfield\r\n"
            "Aircraft:  F4U-1C fighter x 16\r\n");
  EXPECT_EQ(w.CampaignFile("victory.txt"),
            "Campaign Victory Conditions:\r\n \r\n"
            "American Objective:  Hold Okinawa.\r\n \r\n"
            "Japanese Objective:  No special objective: inflict as much damage on the enemy as "
            "you can.\r\n");
  EXPECT_EQ(w.form.AxisObjectiveText,
            "No special objective: inflict as much damage on the enemy as you can.");
  EXPECT_EQ(w.CampaignFile("base.txt"),
            "Squadrons based at Yontan Airfield:\r\n \r\n"
            "Squadron:  VMF 311 Hell's Belles\r\n"
            "Commander:  Major P0 0\r\n"
            "Aircraft:  F4U-1C fighter x 16\r\n \r\n"
            "Squadron:  II JG52 2 Squadron [Staffel 6]\r\n"
            "Commander:  Sergeant P1 0\r\n"
            "Aircraft:  F4U-1C fighter x 16\r\n \r\n"
            "Squadron:  r01031 Squadron [Zveno 2]\r\n"
            "Commander:  Sergeant P2 0\r\n"
            "Aircraft:  F4U-1C fighter x 16\r\n \r\n");
}

TEST(LogBook, AUnitWithoutItsNumberIsShownWithoutItsStaffel) {
  LogBookWorld w;
  w.form.SquadronTable[1].SquadronName = "III_JG52_Stab";
  LogBook(w.form);
  EXPECT_NE(w.CampaignFile("base.txt").find("II JG52 2 Squadron\r\n"), std::string::npos);
  EXPECT_TRUE(w.Logged("the squadron III_JG52_Stab does not end in a digit"));
}

TEST(LogBook, TheCrewListFollowsTheSeatsOfTheAircraft) {
  LogBookWorld w;
  w.form.AutoGeneration.Checked = true;
  w.form.DGENBoot.Checked = true;
  w.WriteCampaignFile("crew.tavrek", "[Crew Pool]\r\n");
  w.WriteGameFile(std::string(kCareer) + "debriefing.txt", "last");
  CrewPositionTableType& crew = w.form.CrewPositionTable;
  crew.CrewSeatLabel = {"Pilot", "Gunner#1", "Co-Pilot", "Tail", "", "", "", "", "", "", ""};
  crew.CrewPositionName = {"Pilot",    "Co-Pilot", "Bombadier", "Radioman", "Engineer", "Gunner#1",
                           "Gunner#2", "Gunner#3", "Gunner#4",  "Gunner#5", "Gunner#6"};
  crew.CrewMemberName[1] = "Walter Briggs";
  crew.CrewMemberMissions[1] = "012";
  crew.CrewMemberName[5] = "Leo Franz";
  crew.CrewMemberMissions[5] = "x";
  LogBook(w.form);
  EXPECT_EQ(w.CareerFile("crew.txt"),
            "Player's F4U-1C fighter Crew:\r\n \r\n"
            "Gunner#1 Leo Franz (Missions: 0)\r\n"
            "Co-Pilot Walter Briggs (Missions: 12)\r\n");
  EXPECT_NE(w.CampaignFile("documents.dat")
                .find("crew.txt Crew List\r\ndebriefing.txt Last "
                      "Debriefing\r\n"),
            std::string::npos);
}

TEST(LogBook, OnLineNothingIsWrittenOnceTheCareerFolderIsKnown) {
  LogBookWorld w;
  w.form.Coop.Checked = true;
  w.form.GameCampaignFolder.clear();
  LogBook(w.form);
  EXPECT_EQ(w.form.GameCampaignFolder, w.game.Path() + "Missions\\Net\\Coop\\Tavrek\\");
  EXPECT_FALSE(FileExists(w.form.GameCampaignFolder + "logbook.dat"));
  EXPECT_FALSE(FileExists(w.campaign.Path() + "aces.txt"));
  EXPECT_FALSE(FileExists(w.campaign.Path() + "documents.dat"));
}

}  // namespace
