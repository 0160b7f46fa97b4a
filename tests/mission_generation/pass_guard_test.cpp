#include "mission_generation/pass_guard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/settings_lines.h"
#include "mission_generation/pipeline.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/file_tree.h"
#include "tests/support/installed_program.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::HasSubstr;

const std::vector<std::string> kRunLog{"tavrekerror.txt"};

// A campaign folder, a game-side folder and the settings file in the program folder.
class PassGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    campaign = world.program_folder.Write("campaign/squadrons.tavrek", "squadrons before");
    campaign = ExtractFilePath(campaign);
    world.program_folder.Write("campaign/columns.tavrek", "columns before");
    world.program_folder.Write("tavrek.ini", "settings before");
    game = ExtractFilePath(world.program_folder.Write("game/Career/campaign.ini", "list before"));
    form.CampaignFolder = campaign;
    form.LogFileDate = "2026/12/01";
    form.ErrorWarning = "";
    form.DogfightMissionName = "dusk";
    form.NewCampaignFlag = "Y";
    form.DayStep = 1;
    form.LastSquadron = 21;
  }
  // Everything a pass may change, written by the pass itself and by the services it calls.
  void ChangeEverything(PassGuard& guard) {
    WriteTextFile(campaign + "squadrons.tavrek", "squadrons after");
    DeleteFile(campaign + "columns.tavrek");
    WriteTextFile(campaign + "territory.tavrek", "a new campaign file");
    form.LogFileDate = "2026/12/09";  // the flown mission's log was scored
    WriteTextFile(ProgramFile(world, "tavrek.ini"), JoinLinesCrLf(SettingsFileLines(form)));
    guard.CoverFile(game + "campaign.ini");
    WriteTextFile(game + "campaign.ini", "list after");
    guard.CoverFile(game + "tavrekmission.mis");
    WriteTextFile(game + "tavrekmission.mis", "a new mission");
    form.ErrorWarning = "The battle has ended.";
    form.DogfightMissionName = "";
    form.NewCampaignFlag = "N";
    form.DayStep = 0;
  }
  FileTree Files() const { return FilesBelow(world.program_folder.Path(), kRunLog); }

  TestWorld world;
  TMainForm& form = *world.form;
  std::string campaign;
  std::string game;
};

TEST_F(PassGuardTest, ARollbackPutsEveryFileAndTheRunsValuesBack) {
  const FileTree before = Files();
  {
    PassGuard guard(form, "Pass 2");
    ASSERT_TRUE(FileExists(world.program_folder.Path() + "pass_snapshot/marker.txt"));
    ChangeEverything(guard);
    guard.RollBack("Cannot write file: tavrekmission.properties (No space left on device)");
  }
  EXPECT_EQ(Files(), before);
  EXPECT_EQ(form.LogFileDate, "2026/12/01");
  EXPECT_EQ(form.ErrorWarning, "");
  EXPECT_EQ(form.DogfightMissionName, "dusk");
  EXPECT_EQ(form.NewCampaignFlag, "Y");
  EXPECT_EQ(form.DayStep, 1);
  EXPECT_EQ(form.LastSquadron, -1);  // the tables are read again from the files
  EXPECT_THAT(RunLogMessages(form),
              Contains("Pass 2 stopped: Cannot write file: tavrekmission.properties (No space "
                       "left on device)"));
  EXPECT_THAT(RunLogMessages(form),
              Contains("The files written by Pass 2 are as they were before it."));
}

TEST_F(PassGuardTest, AGuardLeftOpenRollsBackAndACommitKeepsTheChanges) {
  const FileTree before = Files();
  {
    PassGuard guard(form, "Pass 1");
    ChangeEverything(guard);
  }
  EXPECT_EQ(Files(), before);
  {
    PassGuard guard(form, "Pass 1");
    ChangeEverything(guard);
    guard.Commit();
  }
  const FileTree after = Files();
  EXPECT_EQ(after.at("campaign/squadrons.tavrek"), "squadrons after");
  EXPECT_EQ(after.count("campaign/columns.tavrek"), 0u);
  EXPECT_EQ(after.at("game/Career/tavrekmission.mis"), "a new mission");
  EXPECT_FALSE(DirectoryExists(world.program_folder.Path() + "pass_snapshot"));
  EXPECT_EQ(form.DayStep, 0);
}

TEST_F(PassGuardTest, WorkNestedInAPassIsCoveredByThePass) {
  const FileTree before = Files();
  PassGuard pass(form, "Pass 1");
  {
    PassGuard nested(form, "Pass 1");
    WriteTextFile(campaign + "squadrons.tavrek", "squadrons after");
    nested.Commit();
  }
  EXPECT_TRUE(FileExists(world.program_folder.Path() + "pass_snapshot/marker.txt"));
  pass.RollBack("the pass failed after the nested work");
  EXPECT_EQ(Files(), before);
}

// Runs `work` in a process of its own that ends without any clean-up, as a process killed in
// the middle of a pass does.
template <typename Work>
void InAProcessThatDies(Work work) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    work();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
}

TEST_F(PassGuardTest, APassThatDiedMidwayIsRolledBackAtTheNextStart) {
  InstallStartupData(world.program_folder);
  WriteSettingsFile(world, SettingsFileLines(form));
  const FileTree before =
      FilesBelow(world.program_folder.Path(), {"tavrekerror.txt", "tavrek.ini"});
  InAProcessThatDies([this] {
    PassGuard guard(form, "Pass 3");
    ChangeEverything(guard);
    ::_exit(0);  // before the guard could roll anything back
  });
  EXPECT_TRUE(FileExists(world.program_folder.Path() + "pass_snapshot/marker.txt"));
  EXPECT_EQ(Files().at("campaign/squadrons.tavrek"), "squadrons after");

  // The next start, by the game's update script. It scores the last flight after the roll-back;
  // this campaign has no map, so the territory files it writes are empty ones of its own.
  world.form = std::make_unique<TMainForm>(
      *world.platform, std::vector<std::string>{ProgramFile(world, "tavrek"), "netupdate"});
  CreateWindowAsTheProgramDoes(*world.form);

  FileTree after = FilesBelow(world.program_folder.Path(), {"tavrekerror.txt", "tavrek.ini"});
  EXPECT_EQ(after.erase("campaign/locations.tavrek") + after.erase("campaign/territory.tavrek"),
            2u);
  EXPECT_EQ(after, before);
  // The settings the start goes on with are those from before the pass.
  EXPECT_EQ(world.form->LogFileDate, "2026/12/01");
  EXPECT_THAT(RunLogMessages(*world.form),
              Contains("The Pass 3 of an earlier run did not finish; rolling it back."));
  EXPECT_FALSE(DirectoryExists(world.program_folder.Path() + "pass_snapshot"));
}

TEST_F(PassGuardTest, APassOfAnotherRunningProcessIsLeftToIt) {
  int opened[2];
  int release[2];
  ASSERT_EQ(::pipe(opened), 0);
  ASSERT_EQ(::pipe(release), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(opened[0]);
    ::close(release[1]);
    PassGuard guard(form, "Pass 1");
    WriteTextFile(campaign + "squadrons.tavrek", "squadrons of the other run");
    char byte = 'x';
    (void)!::write(opened[1], &byte, 1);
    (void)!::read(release[0], &byte, 1);  // until the test lets it end
    ::_exit(0);
  }
  ::close(release[0]);
  ::close(opened[1]);
  char byte = 0;
  ASSERT_EQ(::read(opened[0], &byte, 1), 1);

  try {
    PassGuard guard(form, "Pass 1");
    FAIL() << "the other run's pass was not noticed";
  } catch (const ProgramError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Another run of Tavrek (process " + std::to_string(child) +
                                        ") is generating a mission"));
  }
  RecoverInterruptedPass(form);
  EXPECT_EQ(Files().at("campaign/squadrons.tavrek"), "squadrons of the other run");

  ::close(release[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::close(opened[0]);
  RecoverInterruptedPass(form);
  EXPECT_EQ(Files().at("campaign/squadrons.tavrek"), "squadrons before");
}

// The mission that ends a campaign, written whole by a pass that then rolls back: one new in
// the campaign folder (a career's folder is the game's) and one over the game's last mission.
class FinalMissionTest : public PassGuardTest {
 protected:
  void SetUp() override {
    PassGuardTest::SetUp();
    world.program_folder.Write("game/Career/tavrekmission.mis", "the last mission flown");
    before = Files();
    with_final_mission = before;
    with_final_mission["campaign/19450404.mis"] = "the final mission";
    with_final_mission["game/Career/tavrekmission.mis"] = "the final mission";
  }
  void WriteFinalMission(PassGuard& guard, bool left_on_rollback) {
    const std::vector<std::string> paths{campaign + "19450404.mis", game + "tavrekmission.mis"};
    guard.CoverFiles(paths);
    for (const std::string& path : paths) WriteTextFile(path, "the final mission");
    if (left_on_rollback) guard.LeaveOnRollBack(paths);
  }

  FileTree before;
  FileTree with_final_mission;
};

TEST_F(FinalMissionTest, StaysForTheGameWhileEverythingElseIsRolledBack) {
  {
    PassGuard guard(form, "Pass 1");
    ChangeEverything(guard);
    WriteFinalMission(guard, true);
    guard.RollBack("The battle has ended.");
  }
  EXPECT_EQ(Files(), with_final_mission);
  EXPECT_EQ(form.ErrorWarning, "");
  EXPECT_THAT(RunLogMessages(form), Contains("Left in place for the game: " +
                                             ResolvePath(game + "tavrekmission.mis").string()));
  EXPECT_FALSE(DirectoryExists(world.program_folder.Path() + "pass_snapshot"));

  // The next start finds the same end and leaves the same files.
  {
    PassGuard guard(form, "Pass 1");
    ChangeEverything(guard);
    WriteFinalMission(guard, true);
  }
  EXPECT_EQ(Files(), with_final_mission);
}

// A process killed during the pass: until the final mission is whole and marked as staying,
// the next start rolls it back with the rest; from then on it stays.
TEST_F(FinalMissionTest, AKilledPassLeavesTheOldFilesOrTheOldFilesAndTheWholeFinalMission) {
  for (const bool marked : {false, true}) {
    SCOPED_TRACE(marked ? "killed after marking" : "killed before marking");
    InAProcessThatDies([this, marked] {
      PassGuard guard(form, "Pass 1");
      ChangeEverything(guard);
      WriteFinalMission(guard, marked);
      ::_exit(0);
    });
    ASSERT_TRUE(RecoverInterruptedPass(form));
    EXPECT_EQ(Files(), marked ? with_final_mission : before);
    RestoreFilesBelow(world.program_folder.Path(), before, kRunLog);
  }
}

}  // namespace
