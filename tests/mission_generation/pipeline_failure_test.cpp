// A Generate Mission that fails: a clear error on screen and in the run log, every file as it
// was, the previous mission in place, and the next Generate starts from the same state.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>
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
using ::testing::IsEmpty;

const std::string kCareerFolder = "game/Missions/Campaign/UM/Tavrek/";
// Room for the largest campaign file of the sample (its pilot roster), not for its mission.
constexpr rlim_t kRoomForTheCampaignFiles = 30000;

// While it lives, no file can grow past `bytes`: a full disk, also for a test run as root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*handler_)(int);
};

struct BadInputCase {
  const char* name;
  std::function<void(TestWorld&)> spoil;  // makes the input bad
  std::string error;                      // a part of the error shown and logged
  rlim_t file_size_limit = 0;             // a full disk: no file grows past it
};

void PrintTo(const BadInputCase& c, std::ostream* os) {
  *os << c.name;
}

// The sample with a mission of an earlier Generate in the game's career folder.
void PrepareSample(TestWorld& world) {
  InstallSample(world);
  world.form->TimeSettingsBox.Text = "Fast";
  world.program_folder.Write(kCareerFolder + "tavrekmission.mis", "[MAIN]\r\n  MAP earlier\r\n");
  world.program_folder.Write(kCareerFolder + "tavrekmission.properties", "earlier briefing");
}

FileTree ProgramFiles(const TestWorld& world) {
  return FilesBelow(world.program_folder.Path(), {"tavrekerror.txt", "tavrek.ini"});
}

class FailingGenerateTest : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(FailingGenerateTest, AnInteractiveRunShowsTheErrorAndChangesNothing) {
  const BadInputCase& c = GetParam();
  TestWorld world;
  PrepareSample(world);
  c.spoil(world);
  const FileTree before = ProgramFiles(world);
  std::string shown;
  {
    std::unique_ptr<FileSizeLimit> limit;
    if (c.file_size_limit > 0) limit = std::make_unique<FileSizeLimit>(c.file_size_limit);
    try {
      MissionButtonClick(*world.form);
    } catch (const ProgramError& error) {
      shown = error.what();
    }
  }
  EXPECT_THAT(shown, HasSubstr(c.error));
  EXPECT_THAT(world.form->ErrorText, HasSubstr(c.error));
  EXPECT_THAT(ChangedPaths(before, ProgramFiles(world)), IsEmpty());
  EXPECT_EQ(world.form->InfoLabel.Caption, "Mission Not Generated");
}

TEST_P(FailingGenerateTest, AHiddenRunLogsTheErrorEndsAndChangesNothing) {
  const BadInputCase& c = GetParam();
  TestWorld world;
  PrepareSample(world);
  c.spoil(world);
  WriteSettingsFile(world, SettingsFileLines(*world.form));
  const FileTree before = ProgramFiles(world);
  world.form = std::make_unique<TMainForm>(
      *world.platform, std::vector<std::string>{ProgramFile(world, "tavrek"), "xyz"});
  {
    std::unique_ptr<FileSizeLimit> limit;
    if (c.file_size_limit > 0) limit = std::make_unique<FileSizeLimit>(c.file_size_limit);
    CreateWindowAsTheProgramDoes(*world.form);
  }
  const TMainForm& form = *world.form;
  EXPECT_THAT(form.ErrorText, HasSubstr(c.error));
  EXPECT_THAT(form.ErrorText, HasSubstr("] Fatal error: "));
  EXPECT_TRUE(form.Application.Terminated());
  EXPECT_TRUE(form.Application.Failed());
  EXPECT_TRUE(world.dialogs->shown.empty());
  EXPECT_THAT(ChangedPaths(before, ProgramFiles(world)), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FailingGenerateTest,
    ::testing::Values(BadInputCase{"NoSquadronFile",
                                   [](TestWorld& world) {
                                     fs::remove(SampleCampaignFolder(world) + "squadrons.tavrek");
                                   },
                                   "No campaign.tavrek file found."},
                      BadInputCase{"SquadronStrengthThatIsNoNumber",
                                   [](TestWorld& world) {
                                     const std::string path =
                                         SampleCampaignFolder(world) + "squadrons.tavrek";
                                     std::string text = ReadFileBytes(path);
                                     text.replace(text.find("Planes 16/16-4+4"), 16, "Planes many");
                                     WriteTextFile(path, text);
                                   },
                                   "Squadron USMC_VMF_3110: its strength \"ma\" is not a number"},
                      BadInputCase{"FullDiskDuringInstallation", [](TestWorld&) {},
                                   "The mission could not be installed: Cannot ",
                                   kRoomForTheCampaignFiles}),
    [](const ::testing::TestParamInfo<BadInputCase>& info) {
      return std::string(info.param.name);
    });

// The files of the campaign and game folders, with the world's own folder in them written as
// "<PROGRAM>/", so that two worlds compare.
FileTree CampaignAndGameFiles(const TestWorld& world) {
  const std::vector<std::string> left_out{"tavrekerror.txt", "tavrek.ini"};
  FileTree files = FilesBelow(SampleCampaignFolder(world), left_out);
  for (auto& [path, bytes] : FilesBelow(SampleGameFolder(world), left_out)) {
    files["game/" + path] = std::move(bytes);
  }
  const std::string root = world.program_folder.Path();
  for (auto& [path, bytes] : files) {
    for (size_t at = bytes.find(root); at != std::string::npos; at = bytes.find(root, at)) {
      bytes.replace(at, root.size(), "<PROGRAM>/");
    }
  }
  return files;
}

// The strength lines of the squadron file.
std::vector<std::string> Strengths(const std::string& squadron_file) {
  std::vector<std::string> planes;
  for (const std::string& line : SplitTextLines(squadron_file)) {
    if (line.starts_with("  Planes ")) planes.push_back(line);
  }
  return planes;
}

// After a pass that failed, the next Generate moves the campaign on as one Generate would: no
// replacement is applied twice, no day is lost, and the files a failed pass leaves are those
// of before it.
TEST(FailedPass, TheNextGenerateStartsFromTheSameState) {
  TestWorld failed_first;
  PrepareSample(failed_first);
  const FileTree before = CampaignAndGameFiles(failed_first);
  {
    FileSizeLimit full_disk(kRoomForTheCampaignFiles);
    EXPECT_THROW(MissionButtonClick(*failed_first.form), FileError);
  }
  // The pass had saved the squadrons with their replacements before it failed.
  EXPECT_THAT(RunLogMessages(*failed_first.form), Contains("Pass 3: ReplaceAircraft."));
  EXPECT_THAT(ChangedPaths(before, CampaignAndGameFiles(failed_first)), IsEmpty());
  MissionButtonClick(*failed_first.form);

  TestWorld straight;
  PrepareSample(straight);
  MissionButtonClick(*straight.form);

  const FileTree after_failure = CampaignAndGameFiles(failed_first);
  const FileTree after_one_run = CampaignAndGameFiles(straight);
  EXPECT_EQ(Strengths(after_failure.at("squadrons.tavrek")),
            Strengths(after_one_run.at("squadrons.tavrek")));
  EXPECT_EQ(failed_first.form->CampaignDateText, straight.form->CampaignDateText);
  EXPECT_EQ(failed_first.form->MissionTime, straight.form->MissionTime);
  EXPECT_NE(Strengths(after_one_run.at("squadrons.tavrek")),
            Strengths(ReadFileBytes(SourceSampleCampaignFolder() + "squadrons.tavrek")));
}

// Passes are all or nothing one by one: a failure in the last pass keeps the two before it.
TEST(FailedPass, TheEarlierPassesOfTheRunStay) {
  TestWorld world;
  PrepareSample(world);
  TMainForm& form = *world.form;
  form.CopyMission.Checked = true;  // the last pass copies the mission into Missions\Single\...
  fs::remove_all(SampleGameFolder(world) + "Missions/Single");  // ...which cannot be made
  const std::string squadrons = ReadFileBytes(SampleCampaignFolder(world) + "squadrons.tavrek");
  EXPECT_THROW(MissionButtonClick(form), FileError);
  const std::vector<std::string> log = RunLogMessages(form);
  EXPECT_THAT(log, Contains("After pass 2: BonusNPCMissions."));
  EXPECT_THAT(log, Contains(HasSubstr("Pass 1 stopped: The mission could not be installed")));
  EXPECT_NE(ReadFileBytes(SampleCampaignFolder(world) + "squadrons.tavrek"), squadrons);
  EXPECT_FALSE(DirectoryExists(SampleGameFolder(world) + "Missions/Single"));
  EXPECT_FALSE(DirectoryExists(world.program_folder.Path() + "pass_snapshot"));
}

}  // namespace
