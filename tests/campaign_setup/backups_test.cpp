// The campaign backup and the last-mission backup: every campaign file and the log book go to
// the backup folder (made with its parents) and come back on a restore; a file missing when a
// backup is made leaves no stale copy; a restore without a backup folder is refused.

#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "campaign_setup/backups.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/test_world.h"

namespace {

constexpr const char* kFiles[] = {"squadrons.tavrek",  "campaign.tavrek",  "columns.tavrek",
                                  "stationary.tavrek", "pilot.tavrek",     "paints.tavrek",
                                  "noseart.tavrek",    "territory.tavrek", "locations.tavrek",
                                  "buildings.tavrek",  "cameras.tavrek",   "houses.tavrek",
                                  "rockets.tavrek",    "events.dat"};

struct BackupSet {
  const char* name;
  void (*back_up)(TMainForm&);
  void (*restore)(TMainForm&);
  const char* extension;
};

class BackupTest : public ::testing::TestWithParam<BackupSet> {
 protected:
  void SetUp() override {
    Form().CampaignFolder = world.program_folder.Path() + "Okinawa45_UM\\";
    Form().GameCampaignFolder = world.program_folder.Path() + "game\\Career\\";
    Form().BackupFolder = world.program_folder.Path() + "Backup\\Deep\\Okinawa45_UM\\";
    ASSERT_TRUE(ForceDirectories(Form().CampaignFolder));
    ASSERT_TRUE(ForceDirectories(Form().GameCampaignFolder));
    for (const char* file : kFiles) WriteTextFile(Form().CampaignFolder + file, Original(file));
    WriteTextFile(Form().GameCampaignFolder + "logbook.dat", Original("logbook.dat"));
  }
  TMainForm& Form() { return *world.form; }
  static std::string Original(const std::string& file) { return "first " + file + "\r\n"; }
  std::string Kept(const std::string& file) {
    return Form().BackupFolder + file.substr(0, file.rfind('.')) + GetParam().extension;
  }

  TestWorld world;
};

TEST_P(BackupTest, EveryFileComesBackOnARestore) {
  GetParam().back_up(Form());
  for (const char* file : kFiles) {
    // campaign.tavrek is rewritten by the campaign backup itself, so only its copy is checked.
    if (std::string(file) == "campaign.tavrek") continue;
    WriteTextFile(Form().CampaignFolder + file, "changed\r\n");
  }
  WriteTextFile(Form().GameCampaignFolder + "logbook.dat", "changed\r\n");
  GetParam().restore(Form());
  for (const char* file : kFiles) {
    EXPECT_EQ(ReadFileBytes(Form().CampaignFolder + file), ReadFileBytes(Kept(file))) << file;
    if (std::string(file) != "campaign.tavrek") {
      EXPECT_EQ(ReadFileBytes(Form().CampaignFolder + file), Original(file)) << file;
    }
  }
  EXPECT_EQ(ReadFileBytes(Form().GameCampaignFolder + "logbook.dat"), Original("logbook.dat"));
}

TEST_P(BackupTest, AFileMissingAtBackupTimeLeavesNoStaleCopy) {
  GetParam().back_up(Form());
  ASSERT_TRUE(FileExists(Kept("noseart.tavrek")));
  DeleteFile(Form().CampaignFolder + "noseart.tavrek");
  GetParam().back_up(Form());
  EXPECT_FALSE(FileExists(Kept("noseart.tavrek")));
}

TEST_P(BackupTest, ARestoreWithoutABackupFolderIsRefusedAndChangesNothing) {
  WriteTextFile(Form().CampaignFolder + "squadrons.tavrek", "current\r\n");
  EXPECT_THROW(GetParam().restore(Form()), ProgramError);
  EXPECT_EQ(ReadFileBytes(Form().CampaignFolder + "squadrons.tavrek"), "current\r\n");
}

// A backup folder that cannot be made (a file stands where a parent folder should be) or that
// refuses a copy (as a full or read-only disk would): a clear error, the campaign as it was.
TEST_P(BackupTest, ABackupThatCannotBeWrittenStopsWithAClearErrorAndLeavesTheCampaign) {
  struct Case {
    const char* blocked;
    const char* error;
  };
  const Case cases[] = {{"folder", "cannot be created"}, {"copy", "could not be copied"}};
  for (const Case& c : cases) {
    const TempFolder elsewhere;
    const std::string root = elsewhere.Path();
    if (std::string(c.blocked) == "folder") {
      WriteTextFile(root + "Blocked", "a file\r\n");
      Form().BackupFolder = root + "Blocked\\Okinawa45_UM\\";
    } else {
      Form().BackupFolder = root + "Backup\\";
      ASSERT_TRUE(ForceDirectories(Kept("pilot.tavrek") + "\\"));  // a folder in the copy's place
    }
    try {
      GetParam().back_up(Form());
      ADD_FAILURE() << c.blocked << ": the backup did not stop";
    } catch (const ProgramError& error) {
      EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos)
          << c.blocked << ": " << error.what();
    }
    for (const char* file : kFiles) {
      EXPECT_EQ(ReadFileBytes(Form().CampaignFolder + file), Original(file)) << c.blocked << file;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sets, BackupTest,
    ::testing::Values(BackupSet{"Campaign", BackupCampaign, RestoreCampaignClick, ".bak"},
                      BackupSet{"LastMission", LastBackup, RestoreFromLastMissionClick, ".bkl"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
