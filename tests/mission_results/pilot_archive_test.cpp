#include "mission_results/pilot_archive.h"

#include <gtest/gtest.h>

#include <string>

#include "mission_results/pilot_roster.h"
#include "platform/file_system.h"
#include "tests/mission_results/roster_world.h"

namespace {

struct ArchiveWorld : RosterWorld {
  explicit ArchiveWorld(const std::string& career_folder = "Missions/Campaign/US/DGen_Smith/") {
    AddSquadron({.name = "USMC_VMF_3110", .nation = "um"});
    WriteCampaignFile("pilot.tavrek", "[USMC_VMF_3110]\r\n" + PilotLines("Pilot"));
    LoadPilots(form);
    form.GameCampaignFolder = game.Path() + career_folder;
    WriteGameFile(career_folder + "logbook.dat", "");
    form.AutoGeneration.Checked = true;
    form.DGENBoot.Checked = true;
    form.GameID = "1946";
    PilotEntry& pilot = Pilot(0, 6);
    pilot.RosterName = "Jan van Dijk";
    pilot.RosterSorties = "000";
    pilot.RosterKills = "004";
    pilot.RosterMedalCount = "3";
    pilot.RosterRank = "2";
    WriteCampaignFile("events.dat",
                      "Jan van Dijk - EVENT: 04/04/1945: Shot down a Zero.\r\n"
                      "Jan van Dijk - EVENT: 06/04/1945: Killed in action.\r\n"
                      "Pilot 7 - EVENT: 04/04/1945: Bailed out.\r\n");
  }
  std::string Archive() const { return game.Read(career_folder_ + "archive.dat"); }
  std::string career_folder_ = "Missions/Campaign/US/DGen_Smith/";
};

TEST(ArchivePilot, TheRecordOfALostPilotIsAppended) {
  ArchiveWorld w;
  ArchivePilot(w.form, 6, "EVENT: 06/04/1945: Killed in action.\r\n");
  const std::string record =
      "FIRST NAME: Jan\r\n"
      "LAST NAME: van Dijk\r\n"
      "DATE OF BIRTH: 1920\r\n"
      "PLACE OF BIRTH: Town\r\n"
      "PHOTO: DGen\\Photo\r\n"
      "RANK: 2\r\n"
      "SORTIES: 0\r\n"
      "KILLS: 004\r\n"
      "GROUND: 000\r\n"
      "NMEDALS: 3\r\n"
      "MEDALS: 0 1 2\r\n"
      "EVENT: 04/04/1945: Shot down a Zero.\r\n"
      "EVENT: 06/04/1945: Killed in action.\r\n"
      "\r\n"
      "----------------------------------\r\n";
  EXPECT_EQ(w.Archive(), record);
  ArchivePilot(w.form, 7, "");
  EXPECT_EQ(w.Archive().substr(0, record.size()), record);
  EXPECT_NE(w.Archive().find("EVENT: 04/04/1945: Bailed out.\r\n\r\n---"), std::string::npos);
}

TEST(ArchivePilot, OutsideTheGamesCareerGeneratorNothingIsWritten) {
  ArchiveWorld w;
  w.form.GameCampaignFolder = w.game.Path() + "Missions/Campaign/US/Tavrek/";
  ArchivePilot(w.form, 6, "");
  EXPECT_FALSE(FileExists(w.form.GameCampaignFolder + "archive.dat"));
  w.form.GameCampaignFolder = w.game.Path() + w.career_folder_;
  w.form.GameID = "IL2";
  ArchivePilot(w.form, 6, "");
  EXPECT_FALSE(FileExists(w.form.GameCampaignFolder + "archive.dat"));
}

}  // namespace
