// A dogfight campaign on the shipped sample driven by the dogfight-server tool: the program
// listens on the loopback address, and for every map of the server the tool writes its results
// file of the dogfight just fought, connects, names the next mission and leaves; the program
// scores the results and generates that mission into the game's dogfight folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/dogfight_link.h"
#include "campaign_setup/game_edition.h"
#include "platform/text_file.h"
#include "tests/support/campaign_invariants.h"
#include "tests/support/dogfight_tool.h"
#include "tests/support/file_tree.h"
#include "tests/support/golden_file.h"
#include "tests/support/installed_program.h"
#include "tests/support/mission_checker.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr unsigned kSeed = 19450401;
constexpr auto kGenerationWait = std::chrono::seconds(60);

// The dogfight-server tool's results of one map, as it writes them: each side's losses (planes,
// pilots, wagons, anti-aircraft guns, tanks, artillery, cars, ships) and the aircraft lost by
// type. The pilots of both sides go after the enemy's armour on every map and knock out all of
// it they find, so that neither side breaks through and the battle goes on; the rest of the
// losses come round in a fixed mix, the Allied transport spared so that no quota ends the war.
std::string ToolResults(int cycle) {
  const std::string red_planes = std::to_string(cycle % 3);
  const std::string blue_planes = std::to_string(1 + cycle % 2);
  return JoinLinesCrLf({
      "RedLost=" + red_planes + ":" + red_planes + ":0:" + std::to_string(cycle % 2) + ":99:0:0:0",
      "BlueLost=" + blue_planes + ":" + blue_planes + ":" + std::to_string(cycle % 2) +
          ":1:99:" + std::to_string(cycle % 3) + ":1:0",
      "PlaneLossRed=" + red_planes + ":F4U-1C",
      "PlaneLossBlue=" + blue_planes + ":A6M5",
  });
}

// The program as the server's host runs it, its dogfight link listening on a port of the
// system's choice, and the tool that drives it.
class DogfightRun {
 public:
  DogfightRun() {
    TMainForm& form = *world.form;
    SetOptionDefaults(form);
    InstallSample(world);
    // The tool's results are read for the games before the Aces Expansion Pack: this host has
    // Forgotten Battles, which the program cannot tell from its files, so he names it.
    fs::remove_all(GameFolder() + "PaintSchemes/Skins/Ar-234B-2");
    form.GameID.clear();
    GameIDCheck(form);
    SetGameVersionNow(form);
    form.VersionBox.UserChoose("IL-2 Forgotten Battles 1.22");
    form.TimeSettingsBox.Text = "Normal";
    form.Rand.SetSeed(kSeed);
    DogfightClickSender(form);
    form.DogfightLink.Port = "0";
    FBDListen(form);
    port_ = std::stoi(form.SocketServer.GetBoundPort());
  }

  // One visit of the tool: it connects, names the mission and leaves; answers whether the
  // program dealt with it (generated the mission) in time.
  bool Visit(const std::string& mission) {
    TMainForm& form = *world.form;
    DogfightTool tool(form.Platform.Loop(), port_);
    if (tool.Banner() != "Welcome to TcpSrv\r\n") return false;
    tool.Send(mission + "\r\n");
    tool.Close();
    return form.Platform.Loop().RunUntil([&form] { return form.SocketServer.ClientCount() == 0; },
                                         kGenerationWait);
  }

  void WriteToolResults(const std::string& text) const {
    WriteTextFile(DogfightFolder() + "fbd_mission_log.txt", text);
  }

  std::string GameFolder() const { return SampleGameFolder(world); }
  std::string DogfightFolder() const { return GameFolder() + "Missions/Net/dogfight/Tavrek/"; }
  std::string CampaignFolder() const { return SampleCampaignFolder(world); }
  std::string Mission(const std::string& name) const {
    return ReadFileBytes(DogfightFolder() + name + ".mis");
  }
  std::string RunLog() const { return world.form->ErrorText; }
  // What the campaign keeps of the tool's results it scored last; empty before any.
  std::string ScoredMark() const {
    const std::string path = CampaignFolder() + "fbdlog.tavrek";
    return fs::exists(path) ? ReadFileBytes(path) : "";
  }

  TestWorld world;

 private:
  int port_ = 0;
};

std::string MissionName(int cycle) {
  return "okinawa" + std::string(cycle < 10 ? "0" : "") + std::to_string(cycle);
}

// The campaign's state and the files the game's server reads: the list naming the mission to
// load and the new mission's properties (its briefing and the tool's block) are compared whole,
// the rest (the roster, the missions themselves ...) by their digest.
void ExpectGoldens(const DogfightRun& run, int cycle) {
  FileTree files;
  for (const auto& [path, bytes] : FilesBelow(run.CampaignFolder()))
    files["campaign/" + path] = bytes;
  for (const auto& [path, bytes] : FilesBelow(run.DogfightFolder()))
    files["dogfight/" + path] = bytes;
  files["missions.txt"] = ReadFileBytes(run.world.program_folder.Path() + "missions.txt");
  EXPECT_TRUE(MatchesFolderGoldens(
      files,
      {"campaign/campaign.tavrek", "campaign/squadrons.tavrek", "campaign/columns.tavrek",
       "campaign/territory.tavrek", "campaign/stationary.tavrek", "missions.txt",
       "dogfight/" + MissionName(cycle) + ".properties"},
      "dogfight_cycle" + std::to_string(cycle), run.world.program_folder.Path(), "<PROGRAM>/"));
}

// Ten maps fought and scored, the fifth loaded twice, and every mission the tool names made;
// neither side's armour breaks through (see ToolResults), so the battle goes on throughout.
TEST(DogfightCampaign, TenMapsFoughtKeepTheInvariantsAndTheReviewedFiles) {
  DogfightRun run;
  ASSERT_EQ(run.world.form->GameIncludesAEP, "False");
  ASSERT_TRUE(run.Visit(MissionName(0)));
  ASSERT_THAT(MissionProblems(run.Mission(MissionName(0))), IsEmpty()) << run.RunLog();
  CampaignCycleCheck check(run.CampaignFolder(),
                           ReadFileBytes(SourceDataFolder() + "timetable.tavrek"));
  for (int cycle = 1; cycle <= 10; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    check.Begin();
    const std::string scored_before = run.ScoredMark();
    const size_t log_before = run.RunLog().size();
    run.WriteToolResults(ToolResults(cycle));
    ASSERT_TRUE(run.Visit(MissionName(cycle)));

    // The results of the map just fought are scored, and the mission the tool named is made.
    const std::string logged = run.RunLog().substr(log_before);
    EXPECT_THAT(logged, HasSubstr("Log processed for pre-IL2AEP games."));
    EXPECT_THAT(logged, Not(HasSubstr("scored already")));
    EXPECT_THAT(logged, Not(HasSubstr("of the dogfight-server tool was not generated")));
    EXPECT_NE(run.ScoredMark(), scored_before);
    // The tool's results credit no pilot of the roster.
    EXPECT_THAT(check.End(0, 0), IsEmpty());
    EXPECT_EQ(ReadFileBytes(run.world.program_folder.Path() + "missions.txt"),
              "dogfight\\Tavrek\\" + MissionName(cycle) + ".mis");
    EXPECT_THAT(MissionProblems(run.Mission(MissionName(cycle))), IsEmpty());
    if (cycle == 5) {
      // The server loads another map before any dogfight on this one: nothing is scored again.
      const std::string scored = run.ScoredMark();
      ASSERT_TRUE(run.Visit(MissionName(cycle) + "b"));
      EXPECT_THAT(run.RunLog().substr(log_before),
                  HasSubstr("The dogfight mission log is scored already."));
      EXPECT_EQ(run.ScoredMark(), scored);
      EXPECT_THAT(MissionProblems(run.Mission(MissionName(cycle) + "b")), IsEmpty());
    }
    EXPECT_THAT(
        ReloadSaveProblems(run.world.program_folder.Path(), run.CampaignFolder(), run.GameFolder()),
        IsEmpty());
    if (cycle == 1 || cycle == 10) ExpectGoldens(run, cycle);
  }
}

}  // namespace
