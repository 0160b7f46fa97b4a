#include "mission_results/career_roster.h"

#include <gtest/gtest.h>

#include <string>

#include "mission_results/pilot_roster.h"
#include "platform/file_system.h"
#include "tests/mission_results/roster_world.h"

namespace {

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

const std::string kSeparator = "----------------------------------\r\n";

struct CareerWorld : RosterWorld {
  CareerWorld() {
    AddSquadron({.name = "USMC_VMF_3110", .nation = "um", .planes_max = "12"});
    WriteCampaignFile("pilot.tavrek", "[USMC_VMF_3110]\r\n" + PilotLines("Pilot"));
    LoadPilots(form);
    PilotEntry& player = Pilot(0, 2);
    player.RosterName = "Joe Smith";
    player.RosterRank = "3";
    player.RosterSorties = "045";
    player.RosterKills = "007";
    player.RosterMedalCount = "3";
    form.PlayerName = "Joe Smith";
    form.PreviousDateText = "05/04/1945";
    form.MissionTime = "0";
    form.NewCampaignFlag = "N";
  }
};

TEST(WriteCareerRoster, OffLineThePlayersSquadronToItsStrengthWithThePlayerFirst) {
  CareerWorld w;
  w.WriteCampaignFile("events.dat",
                      "Joe Smith - EVENT: 05/04/1945: Shot down a Zero.\r\n"
                      "Pilot 9 - EVENT: 04/04/1945: Killed in action.\r\n"
                      "Joe Smith - EVENT: 06/04/1945: Awarded the Air Medal.\r\n");
  SavePilot(w.form, 1);
  const std::string roster = w.CampaignFile("squadron.dat");
  EXPECT_EQ(roster.substr(0, roster.find(kSeparator) + kSeparator.size()),
            "FIRST NAME: Joe\r\n"
            "LAST NAME: Smith\r\n"
            "DATE OF BIRTH: 1920\r\n"
            "PLACE OF BIRTH: Town\r\n"
            "PHOTO: DGen\\Photo\r\n"
            "RANK: 3\r\n"
            "SORTIES: 45\r\n"
            "KILLS: 007\r\n"
            "GROUND: 000\r\n"
            "NMEDALS: 3\r\n"
            "MEDALS: 0 1 2\r\n"
            "EVENT: 05/04/1945: Shot down a Zero.\r\n"
            "EVENT: 06/04/1945: Awarded the Air Medal.\r\n" +
                kSeparator);
  EXPECT_EQ(Count(roster, kSeparator), 12);
  EXPECT_EQ(Count(roster, "FIRST NAME: Pilot\r\nLAST NAME: 11\r\n"), 1);
  EXPECT_EQ(Count(roster, "LAST NAME: 12\r\n"), 0);
  EXPECT_EQ(Count(roster, "Killed in action."), 0);
}

TEST(WriteCareerRoster, ASuccessorOfYesterdayIsNewsOfTheFirstBriefingOfTheDay) {
  CareerWorld w;
  w.WriteCampaignFile("events.dat",
                      "Pilot 4 - EVENT: 05/04/1945: Reported for duty with the squadron.\r\n"
                      "Pilot 5 - EVENT: 01/04/1945: Reported for duty with the squadron.\r\n");
  SavePilot(w.form, 1);
  EXPECT_EQ(w.form.BriefingNewsText, " Sergeant Pilot 4 has joined USMC_VMF_3110 Squadron. ");
  w.form.MissionTime = "1";
  SavePilot(w.form, 1);
  EXPECT_EQ(Count(w.form.BriefingNewsText, "has joined"), 1);
}

TEST(WriteCareerRoster, ANameWithAHyphenNeverMatchesItsEvents) {
  CareerWorld w;
  w.Pilot(0, 5).RosterName = "Jean-Paul Roux";
  w.WriteCampaignFile("events.dat", "Jean-Paul Roux - EVENT: 05/04/1945: Bailed out.\r\n");
  SavePilot(w.form, 1);
  EXPECT_EQ(Count(w.CampaignFile("squadron.dat"), "Bailed out."), 0);
}

TEST(WriteCareerRoster, OnLineOnlyHumanPilotsTheLastFoundFirst) {
  RosterWorld w;
  std::string roster;
  for (int squadron = 0; squadron < 6; ++squadron) {
    const std::string name = "Unit" + std::to_string(squadron) + "0";
    w.AddSquadron({.name = name, .nation = "us", .planes_max = ""});
    roster += "[" + name + "]\r\n" + PilotLines("Pilot" + std::to_string(squadron));
  }
  w.WriteCampaignFile("pilot.tavrek", roster);
  w.form.Coop.Checked = true;
  LoadPilots(w.form);
  w.Pilot(2, 14).RosterMarker = "^";
  w.Pilot(5, 1).RosterMarker = "^";
  SavePilot(w.form, 1);
  const std::string file = w.CampaignFile("squadron.dat");
  EXPECT_EQ(Count(file, kSeparator), 2);
  const std::string first_block = "FIRST NAME: Pilot5\r\nLAST NAME: 1\r\n";
  EXPECT_EQ(file.substr(0, first_block.size()), first_block);
  EXPECT_EQ(Count(file, "FIRST NAME: Pilot2\r\nLAST NAME: 14\r\n"), 1);
  EXPECT_EQ(w.form.SquadronTable[3].PlanesMax, "16");
}

TEST(SavePilot, TheCareerRosterIsWrittenOnlyForAMissionAndWithAFirstPilot) {
  CareerWorld w;
  SavePilot(w.form, 0);
  EXPECT_FALSE(FileExists(w.campaign.Path() + "squadron.dat"));
  w.form.SquadronTable[0].PlanesMax = "40";
  SavePilot(w.form, 1);
  EXPECT_EQ(Count(w.CampaignFile("squadron.dat"), kSeparator), 16) << "never beyond 16 slots";
}

TEST(CareerRecordFields, SortiesWithoutZerosAndTheMedalList) {
  PilotEntry pilot;
  pilot.RosterName = "Kozhedub";
  pilot.RosterSorties = "abc";
  pilot.RosterMedalCount = "0";
  const std::string fields = CareerRecordFields(pilot);
  EXPECT_NE(fields.find("FIRST NAME: \r\nLAST NAME: Kozhedub\r\n"), std::string::npos);
  EXPECT_NE(fields.find("SORTIES: 0\r\n"), std::string::npos);
  EXPECT_NE(fields.find("MEDALS: \r\n"), std::string::npos);
}

}  // namespace
