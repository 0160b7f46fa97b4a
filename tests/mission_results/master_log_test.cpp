// The whole results pass on a flown mission: the event log from the mission fixture and a
// script, the campaign files, roster and news it leaves, and what it does with bad input.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_form.h"
#include "mission_results/event_log.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/mission_results/results_campaign.h"
#include "tests/mission_results/results_test_lines.h"

namespace {

namespace fs = std::filesystem;

// The mission as flown: the player takes aircraft 2 of the second flight, shoots down a Zero
// and drops the Bishi river bridge; his wingmen burn a truck column, the torpedo flight sinks a
// destroyer and loses an aircraft to damage; a Corsair pilot bails out and is captured; the
// Japanese lose a Zero and its pilot, a parked Zero and a gun; paratroopers come down at Shuri.
void FlyTheMission(EventLogWriter& log) {
  const std::string player = log.Aircraft("USMC_VMF_31101", 2);
  const std::string wingman = log.Aircraft("USMC_VMF_31100", 1);
  log.Seat(player, "Player")
      .ShotDown(log.Aircraft("IJN_S_25200", 0), player)
      .Crashed(log.Aircraft("IJN_S_25200", 0))
      .ShotDown(wingman, log.Aircraft("IJN_S_25200", 1))
      .BailedOut(wingman)
      .Crashed(wingman)
      .StaticDestroyed(0, player)
      .StaticDestroyed(1, log.Aircraft("USMC_VMF_31100", 3))
      .BridgeDestroyed(12, "57500.00 80500.00", player);
  for (int vehicle = 0; vehicle < 5; ++vehicle) {
    log.VehicleDestroyed(0, vehicle, log.Aircraft("USMC_VMF_31100", 2));
  }
  log.VehicleDestroyed(2, 0, log.Aircraft("USN_VT_8300", 0))
      .VehicleDestroyed(3, 0, log.Aircraft("USN_VT_8300", 1))
      .Damaged(log.Aircraft("USN_VT_8300", 2), log.Aircraft("IJN_S_25300", 0), "40000.00 40000.00")
      .ShotDown(log.Aircraft("IJN_S_25300", 0), log.Aircraft("USMC_VMF_31101", 3))
      .Killed(log.Aircraft("IJN_S_25300", 0))
      .ParatroopersLanded(log.Aircraft("IJA_TR_101", 0), "68100.00 62100.00")
      .Captured(wingman)
      .Landed(player);
}

// A script that flies any mission of a campaign: the player takes the first aircraft of his
// flight, shoots down the first aircraft of the last flight, destroys the first static object and
// the first vehicle of the first column, and lands.
void FlyAnyMission(EventLogWriter& log) {
  const std::string player = log.Aircraft(log.PlayerFlight(), 0);
  const std::string victim = log.Aircraft(log.Flights().back(), 0);
  log.Seat(player, "Player").ShotDown(victim, player).Crashed(victim);
  if (!log.StaticObjects().empty()) log.StaticDestroyed(log.StaticObjects().front(), player);
  if (!log.Columns().empty()) log.VehicleDestroyed(log.Columns().front(), 0, player);
  log.Landed(player);
}

// The player's victories and ground kills, wherever the roster seats him.
std::pair<std::string, std::string> PlayerCounts(TMainForm& form) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < 16; ++slot) {
      const PilotEntry& pilot = form.PilotRoster[RosterIndex(s, slot)];
      if (pilot.RosterName == form.PlayerName) return {pilot.RosterKills, pilot.RosterGroundKills};
    }
  }
  return {};
}

class MasterLogTest : public ::testing::Test {
 protected:
  MasterLogTest() { campaign.WriteCampaignFiles(); }
  TMainForm& form() { return campaign.form(); }
  std::string FlownLog(EventLogWriter::Clock clock = EventLogWriter::Clock::k24Hour) {
    EventLogWriter log = campaign.Log(clock);
    FlyTheMission(log);
    return log.Text();
  }
  // The campaign folder's files, as one text.
  std::string CampaignFiles() {
    std::string files;
    for (const char* name : {"squadrons.tavrek", "stationary.tavrek", "columns.tavrek",
                             "events.dat", "debriefing.txt"}) {
      files += std::string("== ") + name + "\n" + campaign.CampaignFile(name);
    }
    return files;
  }
  ResultsCampaign campaign;
};

TEST_F(MasterLogTest, AFlownMissionIsScoredIntoTheCampaignFilesRosterAndNews) {
  campaign.WriteEventLog(FlownLog());
  MasterLog(form());

  ExpectGolden("whole_pass/squadrons.tavrek", campaign.CampaignFile("squadrons.tavrek"));
  ExpectGolden("whole_pass/stationary.tavrek", campaign.CampaignFile("stationary.tavrek"));
  ExpectGolden("whole_pass/columns.tavrek", campaign.CampaignFile("columns.tavrek"));
  ExpectGolden("whole_pass/events.dat", campaign.CampaignFile("events.dat"));
  ExpectGolden("whole_pass/debriefing.txt", campaign.CampaignFile("debriefing.txt"));
  ExpectGolden("whole_pass/roster.txt", campaign.RosterDump());
  ExpectGolden("whole_pass/news.txt", form().NewsText);
  EXPECT_EQ(form().LogFileDate, "[Dec 8, 2026 14:00:00]");
  EXPECT_EQ(campaign.CampaignFile("log.tavrek"), campaign.GameFile("eventlog.lst"));
  EXPECT_NE(campaign.world.program_folder.Read("tavrek.ini").find("[Dec 8, 2026 14:00:00]"),
            std::string::npos);
}

TEST_F(MasterLogTest, AnyMissionOfTheCampaignIsScoredFromItsOwnNames) {
  EventLogWriter log = campaign.Log();
  FlyAnyMission(log);
  campaign.WriteEventLog(log.Text());
  MasterLog(form());
  EXPECT_EQ(PlayerCounts(form()), std::make_pair(std::string("002"), std::string("004")));
  EXPECT_EQ(form().LogFileDate, "[Dec 8, 2026 14:00:00]");
  EXPECT_NE(campaign.CampaignFile("debriefing.txt").find("Frank Carter shot down"),
            std::string::npos);
}

TEST_F(MasterLogTest, BothStampFormsScoreAlike) {
  campaign.WriteEventLog(FlownLog(EventLogWriter::Clock::k24Hour));
  MasterLog(form());
  const std::string files = CampaignFiles();
  const std::string roster = campaign.RosterDump();

  ResultsCampaign twelve_hour;
  twelve_hour.WriteCampaignFiles();
  EventLogWriter log = twelve_hour.Log(EventLogWriter::Clock::k12Hour);
  FlyTheMission(log);
  twelve_hour.WriteEventLog(log.Text());
  MasterLog(twelve_hour.form());
  EXPECT_EQ(twelve_hour.form().LogFileDate, "[Dec 8, 2026 2:00:00 PM]");
  EXPECT_EQ(twelve_hour.RosterDump(), roster);
  std::string twelve_files;
  for (const char* name : {"squadrons.tavrek", "stationary.tavrek", "columns.tavrek", "events.dat",
                           "debriefing.txt"}) {
    twelve_files += std::string("== ") + name + "\n" + twelve_hour.CampaignFile(name);
  }
  EXPECT_EQ(twelve_files, files);
}

TEST_F(MasterLogTest, AMissionIsScoredOnce) {
  campaign.WriteEventLog(FlownLog());
  MasterLog(form());
  const std::string files = CampaignFiles();
  const std::string roster = campaign.RosterDump();
  MasterLog(form());
  EXPECT_EQ(CampaignFiles(), files);
  EXPECT_EQ(campaign.RosterDump(), roster);
  EXPECT_NE(form().ErrorText.find("The last mission of the event log is scored already"),
            std::string::npos);
}

TEST_F(MasterLogTest, OnlyTheLastMissionOfTheLogIsScored) {
  EventLogWriter first = campaign.Log(EventLogWriter::Clock::k24Hour, 10 * 3600);
  first.ShotDown(first.Aircraft("IJN_S_25200", 0), first.Aircraft("USMC_VMF_31100", 1));
  EventLogWriter second = campaign.Log(EventLogWriter::Clock::k24Hour, 15 * 3600);
  second.ShotDown(second.Aircraft("IJN_S_25200", 1), second.Aircraft("USMC_VMF_31100", 2));
  campaign.WriteEventLog(first.Text() + second.Text());
  MasterLog(form());
  EXPECT_EQ(campaign.Pilot(0, 1).RosterKills, "005");
  EXPECT_EQ(campaign.Pilot(0, 2).RosterKills, "002");
  EXPECT_EQ(campaign.Unit(2).PlanesFlight, "9");
}

TEST_F(MasterLogTest, AMissionOfAnotherCampaignIsRefusedAndMarked) {
  EventLogWriter log(ResultsCampaign::MissionText(), "Campaign/UM/Other/tavrekmission.mis",
                     EventLogWriter::Clock::k24Hour);
  FlyTheMission(log);
  campaign.WriteEventLog(log.Text());
  const std::string files = CampaignFiles();
  MasterLog(form());
  EXPECT_EQ(CampaignFiles(), files);
  EXPECT_NE(form().ErrorText.find("Mission log is not for active campaign: "), std::string::npos);
  EXPECT_EQ(form().LogFileDate, "[Dec 8, 2026 14:00:00]");
  EXPECT_NE(campaign.world.program_folder.Read("tavrek.ini").find("[Dec 8, 2026 14:00:00]"),
            std::string::npos);
}

TEST_F(MasterLogTest, AMissionFlownBeforeTheCampaignWasCreatedIsNotScored) {
  form().NewCampaignFlag = "Y";
  campaign.WriteEventLog(FlownLog());
  const std::string roster = campaign.RosterDump();
  MasterLog(form());
  EXPECT_EQ(campaign.RosterDump(), roster);
  EXPECT_NE(form().ErrorText.find("Mission log is not parsed as new campaign: "),
            std::string::npos);
}

TEST_F(MasterLogTest, AMissionWithoutItsEndIsScoredAndMarkedAllTheSame) {
  EventLogWriter log = campaign.Log();
  FlyTheMission(log);
  campaign.WriteEventLog(log.Text(/*with_end=*/false));
  MasterLog(form());
  EXPECT_EQ(campaign.Pilot(0, 6).RosterKills, "002");  // the player, now in slot 6
  EXPECT_EQ(form().LogFileDate, "[Dec 8, 2026 14:00:00]");
  MasterLog(form());
  EXPECT_EQ(campaign.Pilot(0, 6).RosterKills, "002");
}

TEST_F(MasterLogTest, ThePlayerKilledWithoutStatsResetOnDeathScrubsTheMission) {
  EventLogWriter log = campaign.Log();
  const std::string player = log.Aircraft("USMC_VMF_31101", 2);
  log.Seat(player, "Player")
      .ShotDown(log.Aircraft("IJN_S_25200", 0), player)
      .ShotDown(player, log.Aircraft("IJN_S_25200", 1))
      .Killed(player);
  campaign.WriteEventLog(log.Text());
  const std::string roster = campaign.RosterDump();
  MasterLog(form());
  EXPECT_EQ(form().PlayerLossStatus, 999);
  EXPECT_EQ(campaign.RosterDump(), roster);  // nothing of the mission counts
  EXPECT_NE(campaign.CampaignFile("debriefing.txt")
                .find("The mission has been scrubbed: your loss has been struck from the records."),
            std::string::npos);
  EXPECT_NE(campaign.CampaignFile("events.dat")
                .find("Frank Carter - EVENT: 06/04/1945: Mission scrubbed."),
            std::string::npos);
  EXPECT_EQ(form().LogFileDate, "[Dec 8, 2026 14:00:00]");
}

TEST_F(MasterLogTest, ANothingMissionLeavesTheNothingOfNoteDebriefing) {
  campaign.NoPilotDueAnything();
  EventLogWriter log = campaign.Log();
  log.Landed(log.Aircraft("USMC_VMF_31100", 0));
  campaign.WriteEventLog(log.Text());
  MasterLog(form());
  EXPECT_EQ(campaign.CampaignFile("debriefing.txt"),
            "Debriefing: \r\n \r\nNothing of note was reported after the last mission.");
}

struct BadInput {
  const char* name;
  const char* conf;                // nullptr: no conf.ini
  std::optional<std::string> log;  // none: no event log
  const char* expected_line;       // in the run log
};

TEST_F(MasterLogTest, BadInputIsLoggedScoresNothingAndLetsThePipelineGoOn) {
  const BadInput cases[] = {
      {"no conf.ini", nullptr, "", "No game configuration file can be found."},
      {"no event log", "eventlog=eventlog.lst\r\n", std::nullopt, "No event log found"},
      {"an empty log", "eventlog=eventlog.lst\r\n", "", "The event log holds no mission"},
      {"binary garbage", "eventlog=eventlog.lst\r\n",
       std::string("\x01\xff\x00\x7f]]][[\x1a\x02", 11), "The event log holds no mission"},
  };
  for (const BadInput& c : cases) {
    ResultsCampaign fresh;
    fresh.WriteCampaignFiles();
    const TempFolder& folder = fresh.world.program_folder;
    fs::remove(fresh.game_folder + "conf.ini");
    if (c.conf != nullptr) folder.Write("game/conf.ini", c.conf);
    if (c.log) folder.Write("game/eventlog.lst", *c.log);
    const std::string squadrons = fresh.CampaignFile("squadrons.tavrek");
    EXPECT_NO_THROW(MasterLog(fresh.form())) << c.name;
    EXPECT_NE(fresh.form().ErrorText.find(c.expected_line), std::string::npos) << c.name;
    EXPECT_EQ(fresh.CampaignFile("squadrons.tavrek"), squadrons) << c.name;
    EXPECT_FALSE(FileExists(fresh.campaign_folder + "debriefing.txt")) << c.name;
  }
}

TEST_F(MasterLogTest, ALogOfAnotherMapNamesNothingOfTheCampaignAndChangesNothing) {
  campaign.NoPilotDueAnything();
  EventLogWriter log = campaign.Log();
  log.Line("JG54_1010 shot down by JG54_2021 at 1.00 2.00")
      .Line("JG54_1010 crashed at 1.00 2.00")
      .Line("JG54_1010(0) was killed at 1.00 2.00")
      .Line("88_Static destroyed by JG54_2021 at 1.00 2.00")
      .Line("41_Chief3 destroyed by JG54_2021 at 1.00 2.00")
      .Line("JG54_1011 damaged by landscape at 1.00 2.00");
  campaign.WriteEventLog(log.Text());
  const std::string roster = campaign.RosterDump();
  const std::string squadrons = campaign.CampaignFile("squadrons.tavrek");
  MasterLog(form());
  EXPECT_EQ(campaign.RosterDump(), roster);
  EXPECT_EQ(campaign.CampaignFile("squadrons.tavrek"), squadrons);
  for (const char* logged :
       {"Event line names no aircraft of the campaign", "Static object not in the campaign",
        "Vehicle of no column", "Loss of no airman of the campaign", "Damage to no aircraft"}) {
    EXPECT_NE(form().ErrorText.find(logged), std::string::npos) << logged;
  }
  EXPECT_EQ(form().LogFileDate, "[Dec 8, 2026 14:00:00]");  // read, and not read again
}

TEST_F(MasterLogTest, ALogCutInTheMiddleOfALineScoresWhatItHolds) {
  std::string text = FlownLog();
  text = text.substr(0, text.find("destroyed by", text.find("3_Chief0")) + 5);
  campaign.WriteEventLog(text);
  EXPECT_NO_THROW(MasterLog(form()));
  EXPECT_EQ(form().ColumnTable[3].ColumnType, "3_Chief Armor.3-Type97_ChiHa_JA 2");
  EXPECT_EQ(form().ColumnTable[0].ColumnPlace, "Blank");  // scored before the cut
}

TEST_F(MasterLogTest, AStampThatIsNoTimeSkipsItsLineWithALogEntry) {
  std::string text = FlownLog();
  const size_t begin = text.find("[14:00:00] Mission BEGIN");
  text.replace(begin, 10, "[1x:0y:00]");
  campaign.WriteEventLog(text);
  EXPECT_NO_THROW(MasterLog(form()));
  EXPECT_NE(form().ErrorText.find("Mission stamp without a time"), std::string::npos);
  EXPECT_EQ(campaign.Pilot(0, 6).RosterKills, "002");
}

TEST_F(MasterLogTest, APassThatFailsLeavesEveryFileAsItWasAndTheMissionForTheNextPass) {
  campaign.WriteEventLog(FlownLog());
  fs::create_directories(campaign.campaign_folder + "debriefing.txt");  // cannot be written
  std::map<std::string, std::string> before;
  for (const auto& entry : fs::directory_iterator(campaign.campaign_folder)) {
    if (entry.is_regular_file())
      before[entry.path().filename().string()] =
          campaign.CampaignFile(entry.path().filename().string());
  }
  const std::string ini = campaign.world.program_folder.Read("tavrek.ini");

  EXPECT_THROW(MasterLog(form()), FileError);
  for (const auto& [name, bytes] : before) {
    if (name == "log.tavrek") continue;
    EXPECT_EQ(campaign.CampaignFile(name), bytes) << name;
  }
  EXPECT_FALSE(FileExists(campaign.campaign_folder + "events.dat"));
  EXPECT_EQ(campaign.world.program_folder.Read("tavrek.ini"), ini);
  EXPECT_EQ(form().LogFileDate, "[Dec 1, 2026 10:00:00]");
  EXPECT_EQ(form().LastSquadron, -1);  // the next operation reads the files again
  EXPECT_NE(form().ErrorText.find("The results pass failed"), std::string::npos);

  // The next pass scores the mission, once.
  fs::remove(campaign.campaign_folder + "debriefing.txt");
  campaign.FillTables();
  MasterLog(form());
  EXPECT_EQ(campaign.Pilot(0, 6).RosterKills, "002");
  EXPECT_EQ(campaign.Unit(2).PlanesFlight, "9");
  EXPECT_EQ(form().LogFileDate, "[Dec 8, 2026 14:00:00]");
}

}  // namespace
