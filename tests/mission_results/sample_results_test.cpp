// The results pass on the shipped Okinawa sample: the mission the builder wrote for the sample
// (its reviewed golden file) is flown by a script from its own names and scored against the
// campaign as the program loads it.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "mission_results/event_log.h"
#include "mission_results/roster_lookup.h"
#include "tests/support/event_log_writer.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

int Number(const std::string& text) {
  return static_cast<int>(StrToInt(Trim(text)));
}

int SquadronNamed(const TMainForm& form, const std::string& name) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    if (form.SquadronTable[s].SquadronName == name) return s;
  }
  return -1;
}

class SampleResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetOptionDefaults(form());
    InstallSample(world);
    InitializeCampaign(form());
    form().AutoGeneration.Checked = true;
    form().PlayerName = "Gregory Hale";
    form().CampaignDateText = "06/04/1945";
    form().LogFileDate = "[Dec 1, 2026 10:00:00]";
    form().GameCampaignFolder = form().GameFolder + "Missions\\Campaign\\US\\Okinawa45\\";
    for (int s = 0; s <= form().LastSquadron; ++s) {
      for (int slot = 0; slot < 16; ++slot) {
        PilotEntry& pilot = form().PilotRoster[RosterIndex(s, slot)];
        pilot.RosterName =
            s == 0 && slot == 0 ? form().PlayerName : "Pilot " + IntToStr(s) + "-" + IntToStr(slot);
        pilot.RosterMarker = s == 0 && slot == 0 ? "^" : " ";
        pilot.RosterRank = "1";
        pilot.RosterKills = "000";
        pilot.RosterGroundKills = "000";
        pilot.RosterSorties = "003";
      }
    }
  }

  TMainForm& form() { return *world.form; }

  // The builder's mission for the sample, flown: the player takes the first aircraft of his
  // flight, shoots down the first aircraft of the last flight, destroys the first static object
  // and lands.
  std::string FlownLog() const {
    const std::string mission = ReadAll(FixturesFolder() + "goldens/okinawa_offline.mis");
    EventLogWriter log(mission, "Campaign/US/Okinawa45/tavrekmission.mis",
                       EventLogWriter::Clock::k24Hour);
    const std::string player = log.Aircraft(log.PlayerFlight(), 0);
    const std::string victim = log.Aircraft(log.Flights().back(), 0);
    log.Seat(player, "Player").ShotDown(victim, player).Crashed(victim);
    log.StaticDestroyed(log.StaticObjects().front(), player).Landed(player);
    return log.Text();
  }

  TestWorld world;
};

TEST_F(SampleResultsTest, AMissionBuiltForTheSampleIsScoredOnceFromItsOwnNames) {
  world.program_folder.Write("game/eventlog.lst", FlownLog());
  const int enemy = SquadronNamed(form(), "IJN_AG_3430");
  ASSERT_GE(enemy, 0);
  const int enemy_planes = Number(form().SquadronTable[enemy].PlanesFlight);
  ASSERT_GT(enemy_planes, 0);
  const std::vector<int> objects = StationaryNamed(form(), "0_Static");
  ASSERT_EQ(objects.size(), 1u);
  const int object = objects.front();
  ASSERT_NE(form().StationaryObjectTable[object].StationaryLine.rfind("X ", 0), 0u);

  MasterLog(form());

  EXPECT_EQ(form().LogFileDate, "[Dec 8, 2026 14:00:00]");
  EXPECT_EQ(form().PilotRoster[RosterIndex(0, 0)].RosterName, "Gregory Hale");
  EXPECT_EQ(Number(form().PilotRoster[RosterIndex(0, 0)].RosterKills), 1);
  EXPECT_EQ(Number(form().PilotRoster[RosterIndex(0, 0)].RosterSorties), 4);
  EXPECT_EQ(Number(form().SquadronTable[enemy].PlanesFlight), enemy_planes - 1);
  EXPECT_EQ(form().StationaryObjectTable[object].StationaryLine.rfind("X ", 0), 0u);
  const std::string debriefing = world.program_folder.Read("campaign/Okinawa45/debriefing.txt");
  EXPECT_NE(debriefing.find("Gregory Hale"), std::string::npos) << debriefing;

  // The same log again: the mission is not scored a second time.
  MasterLog(form());
  EXPECT_EQ(Number(form().PilotRoster[RosterIndex(0, 0)].RosterKills), 1);
  EXPECT_EQ(Number(form().PilotRoster[RosterIndex(0, 0)].RosterSorties), 4);
  EXPECT_EQ(Number(form().SquadronTable[enemy].PlanesFlight), enemy_planes - 1);
}

}  // namespace
