// The built program killed (SIGKILL) after each of many file changes of a Generate Mission that
// scores a flown mission: what the next start finds is the campaign and the game's files as
// they were before that start or as a whole start leaves them, never a mix, and the next
// start generates the mission all the same.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app/built_program.h"
#include "tests/support/file_tree.h"
#include "tests/whole_campaign/career_run.h"

#ifdef TAVREK_PROGRAM

namespace {

namespace fs = std::filesystem;

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The run log grows with every start; the program itself is not the campaign's.
const std::vector<std::string> kLeftOut{"tavrekerror.txt", "tavrek"};

const std::vector<std::string> kNextMission{"Missions/Campaign/UM/Tavrek"};
// A start that finds no work of its own: only the start-up's own checks run.
const std::vector<std::string> kStartOnly{"C:/IL2/missions/net/ngen/Other/conf.dat"};

// The files of the program folder but for the pass guard's scratch folder: copies it took
// before it wrote its record are no part of the campaign, and the next pass clears them.
FileTree CampaignFiles(const std::string& root) {
  FileTree files = FilesBelow(root, kLeftOut);
  std::erase_if(files, [](const auto& file) { return file.first.rfind("pass_snapshot/", 0) == 0; });
  return files;
}

// Runs the built program in the career's program folder with the seed and, unless 0, the
// file change after which it kills itself.
ProgramRun RunBuilt(CareerRun& run, const std::vector<std::string>& arguments, int kill_after) {
  ::setenv("TAVREK_SEED", "1945", 1);
  if (kill_after > 0) ::setenv("TAVREK_KILL_AFTER_CHANGES", std::to_string(kill_after).c_str(), 1);
  ProgramRun result =
      RunBuiltProgram(run.world.program_folder, arguments, "", std::chrono::seconds(240));
  ::unsetenv("TAVREK_KILL_AFTER_CHANGES");
  ::unsetenv("TAVREK_SEED");
  return result;
}

TEST(CrashSafety, AStartKilledAnywhereLeavesAllOrNothingAndTheNextStartGenerates) {
  CareerRun run;
  ASSERT_EQ(run.Create(1945), 0) << run.RunLog();
  run.Fly(ScriptedHappenings(1));
  const std::string root = run.world.program_folder.Path();
  fs::copy_file(TAVREK_PROGRAM, root + "tavrek", fs::copy_options::overwrite_existing);

  const FileTree before = CampaignFiles(root);
  const ProgramRun whole = RunBuilt(run, kNextMission, 0);
  ASSERT_TRUE(whole.ended);
  ASSERT_EQ(whole.exit_status, 0) << run.RunLog();
  const FileTree after = CampaignFiles(root);
  ASSERT_FALSE(ChangedPaths(before, after).empty());

  // Kill points over the whole start, until one comes after its last change.
  int kills = 0;
  for (int kill_after = 1;; kill_after += 1 + kill_after / 6) {
    SCOPED_TRACE("killed after change " + std::to_string(kill_after));
    RestoreFilesBelow(root, before, kLeftOut);
    const ProgramRun killed = RunBuilt(run, kNextMission, kill_after);
    ASSERT_TRUE(killed.ended);
    if (killed.exit_status == 0) break;  // the start was done before that change
    ASSERT_EQ(killed.exit_status, -1) << "not killed: " << killed.output;
    ++kills;

    const ProgramRun found = RunBuilt(run, kStartOnly, 0);
    ASSERT_TRUE(found.ended);
    const FileTree recovered = CampaignFiles(root);
    const std::vector<std::string> from_before = ChangedPaths(before, recovered);
    const std::vector<std::string> from_after = ChangedPaths(after, recovered);
    EXPECT_TRUE(from_before.empty() || from_after.empty())
        << "a mix: " << testing::PrintToString(from_before) << " differ from before, "
        << testing::PrintToString(from_after) << " from after\n"
        << run.RunLog();

    if (!from_before.empty()) continue;  // the start had finished its work
    const ProgramRun next = RunBuilt(run, kNextMission, 0);
    ASSERT_TRUE(next.ended);
    EXPECT_EQ(next.exit_status, 0) << run.RunLog();
    EXPECT_THAT(ChangedPaths(after, CampaignFiles(root)), IsEmpty());
  }
  EXPECT_GT(kills, 10);
}

}  // namespace

#endif
