// One Generate Mission on the shipped Okinawa sample with a fixed seed, in each mode: every file
// it writes or changes, in the campaign folder, the game folder and the program folder, is
// compared with a reviewed golden file, and the installed mission is one the game can load.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/pipeline.h"
#include "tests/support/file_tree.h"
#include "tests/support/golden_file.h"
#include "tests/support/mission_checker.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct ModeCase {
  const char* name;
  void (*choose)(TMainForm&);
  std::vector<std::string> written;  // the files the run writes or changes
};

void PrintTo(const ModeCase& c, std::ostream* os) {
  *os << c.name;
}

// Golden name of a written file: the mode, then its path with "/" as "_".
std::string GoldenName(const std::string& mode, const std::string& path) {
  std::string name = "okinawa_pass_" + mode + "/";
  for (const char c : path) name += c == '/' ? '_' : c;
  return name;
}

// Paths of the temporary program folder read as one fixed folder, so goldens hold on any
// machine.
std::string WithoutProgramFolder(std::string text, const std::string& program_folder) {
  for (size_t at = text.find(program_folder); at != std::string::npos;
       at = text.find(program_folder, at)) {
    text.replace(at, program_folder.size(), "<PROGRAM>/");
  }
  return text;
}

// The files each mode writes or changes.
const std::vector<std::string> kOfflineFiles{
    "campaign/Okinawa45/aces.txt",
    "campaign/Okinawa45/base.txt",
    "campaign/Okinawa45/campaign.tavrek",
    "campaign/Okinawa45/columns.tavrek",
    "campaign/Okinawa45/documents.dat",
    "campaign/Okinawa45/events.dat",
    "campaign/Okinawa45/locations.tavrek",
    "campaign/Okinawa45/noseart.tavrek",
    "campaign/Okinawa45/paints.tavrek",
    "campaign/Okinawa45/pilot.tavrek",
    "campaign/Okinawa45/recons.dat",
    "campaign/Okinawa45/squad.txt",
    "campaign/Okinawa45/squadron.dat",
    "campaign/Okinawa45/squadrons.tavrek",
    "campaign/Okinawa45/stationary.tavrek",
    "campaign/Okinawa45/territory.tavrek",
    "campaign/Okinawa45/victory.txt",
    "game/Missions/Campaign/UM/Tavrek/campaign.ini",
    "game/Missions/Campaign/UM/Tavrek/info.mis",
    "game/Missions/Campaign/UM/Tavrek/info.properties",
    "game/Missions/Campaign/UM/Tavrek/logbook.dat",
    "game/Missions/Campaign/UM/Tavrek/tavrekmission.mis",
    "game/Missions/Campaign/UM/Tavrek/tavrekmission.properties",
    "game/tavrek.ini",
    "tavrek.ini"};
const std::vector<std::string> kCoopFiles{"campaign/Okinawa45/campaign.tavrek",
                                          "campaign/Okinawa45/columns.tavrek",
                                          "campaign/Okinawa45/events.dat",
                                          "campaign/Okinawa45/gunner.tavrek",
                                          "campaign/Okinawa45/locations.tavrek",
                                          "campaign/Okinawa45/noseart.tavrek",
                                          "campaign/Okinawa45/paints.tavrek",
                                          "campaign/Okinawa45/pilot.tavrek",
                                          "campaign/Okinawa45/recons.dat",
                                          "campaign/Okinawa45/squadron.dat",
                                          "campaign/Okinawa45/squadrons.tavrek",
                                          "campaign/Okinawa45/stationary.tavrek",
                                          "campaign/Okinawa45/territory.tavrek",
                                          "game/Missions/Net/coop/Tavrek/tavrekmission.mis",
                                          "game/Missions/Net/coop/Tavrek/tavrekmission.properties",
                                          "game/tavrek.ini",
                                          "tavrek.ini"};
const std::vector<std::string> kDogfightFiles{
    "campaign/Okinawa45/campaign.tavrek",
    "campaign/Okinawa45/columns.tavrek",
    "campaign/Okinawa45/events.dat",
    "campaign/Okinawa45/locations.tavrek",
    "campaign/Okinawa45/noseart.tavrek",
    "campaign/Okinawa45/paints.tavrek",
    "campaign/Okinawa45/pilot.tavrek",
    "campaign/Okinawa45/recons.dat",
    "campaign/Okinawa45/squadron.dat",
    "campaign/Okinawa45/squadrons.tavrek",
    "campaign/Okinawa45/stationary.tavrek",
    "campaign/Okinawa45/territory.tavrek",
    "game/Missions/Net/dogfight/Tavrek/tavrekmission.ini",
    "game/Missions/Net/dogfight/Tavrek/tavrekmission.mis",
    "game/Missions/Net/dogfight/Tavrek/tavrekmission.properties",
    "game/Missions/Net/dogfight/Tavrek/tavrekmission_ru.properties",
    "game/tavrek.ini",
    "missions.txt",
    "tavrek.ini"};

class PipelineGoldenTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(PipelineGoldenTest, OneGenerateWritesTheReviewedFiles) {
  const ModeCase& c = GetParam();
  TestWorld world;
  InstallSample(world);
  TMainForm& form = *world.form;
  form.TimeSettingsBox.Text = "Normal";
  c.choose(form);
  form.Rand.SetSeed(19450401);
  const std::string root = world.program_folder.Path();
  const std::vector<std::string> left_out{"tavrekerror.txt"};
  const FileTree before = FilesBelow(root, left_out);

  MissionButtonClick(form);

  const FileTree after = FilesBelow(root, left_out);
  const std::vector<std::string> changed = ChangedPaths(before, after);
  EXPECT_THAT(changed, ElementsAreArray(c.written));
  for (const std::string& path : changed) {
    const std::string& bytes = after.at(path);
    if (EndsWith(path, ".mis") && !EndsWith(path, "info.mis")) {
      EXPECT_THAT(MissionProblems(bytes), IsEmpty()) << path;
    }
    EXPECT_TRUE(MatchesGolden(WithoutProgramFolder(bytes, root), GoldenName(c.name, path)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PipelineGoldenTest,
    ::testing::Values(ModeCase{"offline", [](TMainForm&) {}, kOfflineFiles},
                      ModeCase{"coop", [](TMainForm& form) { form.Coop.Checked = true; },
                               kCoopFiles},
                      ModeCase{"dogfight",
                               [](TMainForm& form) {
                                 form.Dogfight.Checked = true;
                                 form.SCUseBox.Text = "Yes";
                                 form.ServerActive = "True";
                                 form.SCTimeLimitBox.Text = "45 Minutes";
                               },
                               kDogfightFiles}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

}  // namespace
