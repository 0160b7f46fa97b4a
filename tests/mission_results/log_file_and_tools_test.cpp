// The event log's name and date, extra sorties between passes, the dogfight-server tool's
// results, and the test-side writer of event logs.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/main_form.h"
#include "campaign_data/random_generator.h"
#include "campaign_data/settings_file.h"
#include "mission_results/dogfight_results.h"
#include "mission_results/event_log.h"
#include "mission_results/extra_sorties.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/mission_results/results_campaign.h"
#include "tests/support/sample_campaign.h"

namespace {

namespace fs = std::filesystem;

struct ConfCase {
  const char* name;
  const char* conf_ini;   // nullptr: none
  const char* confs_ini;  // nullptr: none
  const char* server;
  const char* log_file_name;
};

TEST(EventLogFile, TheGamesConfigurationNamesTheEventLog) {
  const ConfCase cases[] = {
      {"a key in capitals", "[game]\r\nEventLog=Flights.lst\r\n", nullptr, "False", "Flights.lst"},
      {"a key not at the line's start", "[game]\r\n  eventlog= mine.lst \r\n", nullptr, "False",
       "mine.lst"},
      {"the last of two keys", "eventlog=a.lst\r\neventlog=b.lst\r\n", nullptr, "False", "b.lst"},
      {"a server reads confs.ini", "eventlog=client.lst\r\n", "eventlog=server.lst\r\n", "True",
       "server.lst"},
      {"a client without conf.ini reads confs.ini", nullptr, "eventlog=server.lst\r\n", "False",
       "server.lst"},
  };
  for (const ConfCase& c : cases) {
    ResultsCampaign campaign;
    fs::remove(campaign.game_folder + "conf.ini");
    if (c.conf_ini) campaign.world.program_folder.Write("game/conf.ini", c.conf_ini);
    if (c.confs_ini) campaign.world.program_folder.Write("game/confs.ini", c.confs_ini);
    campaign.form().ServerActive = c.server;
    SetLogFile(campaign.form());
    EXPECT_EQ(campaign.form().LogFileName, c.log_file_name) << c.name;
  }
}

TEST(EventLogFile, AGameWithoutAnEventLogIsToldHowToSwitchItOn) {
  ResultsCampaign campaign;
  campaign.world.program_folder.Write("game/conf.ini", "[game]\r\n");
  try {
    SetLogFile(campaign.form());
    ADD_FAILURE() << "no stop";
  } catch (const ProgramError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Before continuing, please activate the IL-2 Event Log file. In the IL2 game folder, "
              "open the CONF.INI file in NotePad and add \"eventlog=eventlog.lst\" to the [GAME] "
              "section.");
  }
  EXPECT_EQ(campaign.form().LogFileName, "None");
  EXPECT_NE(campaign.form().ErrorText.find("Must activate IL-2 Event Log."), std::string::npos);
}

TEST(EventLogFile, SettingTheLogDateMarksTheLastMissionOfTheLogAsScored) {
  ResultsCampaign campaign;
  EventLogWriter first = campaign.Log(EventLogWriter::Clock::k12Hour, 9 * 3600);
  EventLogWriter second = campaign.Log(EventLogWriter::Clock::k12Hour, 21 * 3600);
  campaign.WriteEventLog(first.Text() + second.Text());
  // A new campaign folder holds no copy of the log yet: nothing counts as scored (the settings
  // file keeps an empty date as "None").
  SetLogDate(campaign.form());
  EXPECT_EQ(campaign.form().LogFileDate, "None");
  campaign.world.program_folder.Write("campaign/Tavrek/log.tavrek", "");
  SetLogDate(campaign.form());
  EXPECT_EQ(campaign.form().LogFileDate, "[Dec 8, 2026 9:00:00 PM]");
  EXPECT_NE(
      campaign.world.program_folder.Read("tavrek.ini").find("LogFileDate=[Dec 8, 2026 9:00:00 PM]"),
      std::string::npos);
}

TEST(ExtraSorties, EachComputerPilotDrawsOnceForAChanceOfOneMoreSortie) {
  ResultsCampaign campaign;
  TMainForm& form = campaign.form();
  int computer_pilots = 0;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = campaign.Pilot(s, slot);
      pilot.RosterSorties = "999";
      if (s == 1 && slot == 15) pilot.RosterMarker = "^";
      if (s == 2 && slot == 4) pilot.RosterMarker = "d";  // lost pilots still draw
      if (pilot.RosterMarker != "^") ++computer_pilots;
    }
  }
  RandomGenerator replica;
  replica.SetSeed(form.Rand.Seed());
  int wins = 0;
  for (int draw = 0; draw < computer_pilots; ++draw) wins += replica.Random(3) == 0 ? 1 : 0;

  BonusNPCMissions(form);
  EXPECT_EQ(form.Rand.Seed(), replica.Seed());  // one draw per computer pilot, none for humans
  int wrapped = 0;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < 16; ++slot) {
      const std::string& sorties = campaign.Pilot(s, slot).RosterSorties;
      EXPECT_TRUE(sorties == "999" || sorties == "000") << sorties;
      wrapped += sorties == "000" ? 1 : 0;
    }
  }
  EXPECT_EQ(wrapped, wins);
  EXPECT_EQ(campaign.Pilot(0, 0).RosterSorties, "999");  // the player draws nothing
  EXPECT_EQ(campaign.Pilot(1, 15).RosterSorties, "999");
}

class DogfightToolTest : public ::testing::Test {
 protected:
  DogfightToolTest() {
    InstallSample(world);
    // The first two squadrons fly one type with 2 and 4 aircraft.
    const std::string path = SampleCampaignFolder(world) + "squadrons.tavrek";
    std::string text = world.program_folder.Read("campaign/Okinawa45/squadrons.tavrek");
    text.replace(text.find("Planes 16/16-4+4"), 16, "Planes 2/2-1+1  ");
    const size_t second = text.find("[USN_VF_830]");
    text.replace(text.find("Planes 16/16-4+4", second), 16, "Planes 4/4-1+1  ");
    text.replace(text.find("Class air.F6F5"), 14, "Class air.F4U1C");
    std::ofstream(path, std::ios::binary) << text;
    WriteIni(form());  // the tool's run reads the settings first
  }
  TMainForm& form() { return *world.form; }
  void WriteToolLog(const std::string& text) {
    world.program_folder.Write("game/missions/net/dogfight/tavrek/fbd_mission_log.txt", text);
  }
  std::string Columns() { return world.program_folder.Read("campaign/Okinawa45/columns.tavrek"); }
  TestWorld world;
};

TEST_F(DogfightToolTest, LossesComeOffTheSquadronsOfTheTypeHighestIndexFirstAndOnce) {
  WriteToolLog(
      "RedLost=0:0:0:0:0:0:0:0\r\nBlueLost=0:0:0:0:0:0:0:0\r\nPlaneLossRed=5:F4U-1C\r\n"
      "PlaneLossRed=3:NoSuchType\r\n");
  DogfightLog(form());
  ASSERT_GE(form().LastSquadron, 1);
  EXPECT_EQ(form().SquadronTable[1].PlanesFlight, "0");
  EXPECT_EQ(form().SquadronTable[0].PlanesFlight, "1");
  // Trains leave the map whatever the tool reports; with no losses reported nothing else does.
  for (int c = 0; c <= form().LastColumn; ++c) {
    const ColumnEntry& column = form().ColumnTable[c];
    if (column.ColumnType.find("Trains.") != std::string::npos) {
      EXPECT_EQ(column.ColumnPlace, "Blank") << column.ColumnType;
    }
    EXPECT_EQ(column.ColumnDestination, column.ColumnPlace) << column.ColumnType;
  }
  EXPECT_EQ(form().StationaryObjectTable[0].StationaryLine.substr(0, 2), "  ");

  // The same log again is scored already.
  const std::string squadrons = world.program_folder.Read("campaign/Okinawa45/squadrons.tavrek");
  DogfightLog(form());
  EXPECT_EQ(world.program_folder.Read("campaign/Okinawa45/squadrons.tavrek"), squadrons);
  EXPECT_NE(form().ErrorText.find("The dogfight mission log is scored already."),
            std::string::npos);
}

TEST_F(DogfightToolTest, FiguresALogLeavesOutAreNoLossesAndBadFiguresChangeNothing) {
  WriteToolLog("RedLost=1:2:3:4:5:6:7:8\r\n");
  DogfightLog(form());
  EXPECT_EQ(form().DogfightCounters[1], (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
  WriteToolLog("BlueLost=0:0:0:0:0:0:0:1\r\n");
  DogfightLog(form());
  EXPECT_EQ(form().DogfightCounters[1], (std::array<int, 8>{}));
  EXPECT_EQ(form().DogfightCounters[2], (std::array<int, 8>{0, 0, 0, 0, 0, 0, 0, 1}));

  const std::string columns = Columns();
  WriteToolLog("BlueLost=0:0:x:0\r\n");
  EXPECT_THROW(DogfightLog(form()), ConversionError);
  EXPECT_EQ(Columns(), columns);
  EXPECT_THROW(ReadLossFigures("1:2:3"), ConversionError);
  EXPECT_TRUE(DestroyedByDraw(50.0, 49));
  EXPECT_FALSE(DestroyedByDraw(50.0, 50));
  EXPECT_FALSE(DestroyedByDraw(0.0, 0));
}

TEST(EventLogWriterTest, WritesTheMissionsNamesAndRefusesOthers) {
  EventLogWriter log(ResultsCampaign::MissionText(), "Campaign/UM/Tavrek/tavrekmission.mis",
                     EventLogWriter::Clock::k12Hour, 13 * 3600 + 59 * 60 + 50);
  EXPECT_EQ(log.Aircraft("USMC_VMF_31101", 3), "USMC_VMF_311013");
  EXPECT_THROW(log.Aircraft("USMC_VMF_31101", 4), std::invalid_argument);
  EXPECT_THROW(log.Aircraft("USMC_VMF_31109", 0), std::invalid_argument);
  EXPECT_THROW(log.Static(2), std::invalid_argument);  // destroyed before: not in the mission
  EXPECT_THROW(log.Vehicle(9, 0), std::invalid_argument);
  log.ShotDown(log.Aircraft("IJN_S_25200", 0), log.Aircraft("USMC_VMF_31100", 1))
      .StaticDestroyed(3, log.Aircraft("USMC_VMF_31100", 1));
  EXPECT_EQ(log.Text(),
            "[Dec 8, 2026 1:59:50 PM] Mission: Campaign/UM/Tavrek/tavrekmission.mis is Playing\r\n"
            "[1:59:50 PM] Mission BEGIN\r\n"
            "[2:00:10 PM] IJN_S_252000 shot down by USMC_VMF_311001 at 60000.00 60000.00\r\n"
            "[2:00:30 PM] 3_Static destroyed by USMC_VMF_311001 at 62000.00 58000.00\r\n"
            "[2:00:50 PM] Mission END\r\n");
}

}  // namespace
