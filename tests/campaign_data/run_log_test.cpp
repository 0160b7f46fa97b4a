#include "campaign_data/run_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/support/test_world.h"

namespace {

TEST(RunLog, StampsEachLineWithMillisecondsWithoutLeadingZeros) {
  struct Case {
    int millisecond;
    const char* line;
  };
  const Case cases[] = {
      {5, "[2026/12/08 19:37:05.5] Form Create Complete\r\n"},
      {42, "[2026/12/08 19:37:05.42] Form Create Complete\r\n"},
      {120, "[2026/12/08 19:37:05.120] Form Create Complete\r\n"},
      {0, "[2026/12/08 19:37:05.0] Form Create Complete\r\n"},
  };
  for (const Case& c : cases) {
    TestWorld world;
    world.clock->now.millisecond = c.millisecond;
    ErrorLog(*world.form, "Form Create Complete");
    EXPECT_EQ(world.form->ErrorText, c.line) << c.millisecond << " ms";
  }
}

TEST(RunLog, PadsDateAndTimeFieldsToTwoDigits) {
  TestWorld world;
  world.clock->now = LocalDateTime{2027, 1, 2, 3, 4, 6, 999};
  ErrorLog(*world.form, "x");
  EXPECT_EQ(world.form->ErrorText, "[2027/01/02 03:04:06.999] x\r\n");
}

TEST(RunLog, FileHoldsEveryLineAndEndsWithAnEmptyLine) {
  TestWorld world;
  ErrorLog(*world.form, "First");
  world.clock->now.millisecond = 7;
  ErrorLog(*world.form, "Second");
  EXPECT_EQ(world.program_folder.Read("tavrekerror.txt"),
            "[2026/12/08 19:37:05.42] First\r\n"
            "[2026/12/08 19:37:05.7] Second\r\n"
            "\r\n");
  EXPECT_EQ(world.form->ErrorText + "\r\n", world.program_folder.Read("tavrekerror.txt"));
}

TEST(RunLog, FileIsExtendedLineByLineAndWrittenWholeWhenItNoLongerMatches) {
  TestWorld world;
  TMainForm& form = *world.form;
  std::string expected;
  for (int i = 0; i < 300; ++i) {
    ErrorLog(form, "Line " + std::to_string(i));
    expected += "[2026/12/08 19:37:05.42] Line " + std::to_string(i) + "\r\n";
    ASSERT_EQ(world.program_folder.Read("tavrekerror.txt"), expected + "\r\n") << i;
  }
  // Deleted by someone else, changed by someone else, or a log started anew.
  DeleteFile(form.ProgramFolder + "tavrekerror.txt");
  ErrorLog(form, "After deletion");
  EXPECT_EQ(world.program_folder.Read("tavrekerror.txt"), form.ErrorText + "\r\n");
  world.program_folder.Write("tavrekerror.txt", "foreign text of another length");
  ErrorLog(form, "After a change");
  EXPECT_EQ(world.program_folder.Read("tavrekerror.txt"), form.ErrorText + "\r\n");
  form.ErrorText.clear();
  ErrorLog(form, "New run");
  EXPECT_EQ(world.program_folder.Read("tavrekerror.txt"),
            "[2026/12/08 19:37:05.42] New run\r\n\r\n");
}

// The log is extended through the file kept open only while the path still names that file.
TEST(RunLog, AFileMovedOrReplacedBySomeoneElseIsWrittenWholeAtItsPath) {
  TestWorld world;
  TMainForm& form = *world.form;
  const std::string log = world.program_folder.Path() + "tavrekerror.txt";
  ErrorLog(form, "First");
  std::filesystem::rename(log, world.program_folder.Path() + "kept.txt");
  ErrorLog(form, "Second");
  EXPECT_EQ(world.program_folder.Read("tavrekerror.txt"), form.ErrorText + "\r\n");
  EXPECT_EQ(world.program_folder.Read("kept.txt"), "[2026/12/08 19:37:05.42] First\r\n\r\n");

  // Another file of the very same size put in its place.
  const std::string same_size(form.ErrorText.size() + 2, 'x');
  world.program_folder.Write("other.txt", same_size);
  std::filesystem::rename(world.program_folder.Path() + "other.txt", log);
  ErrorLog(form, "Third");
  EXPECT_EQ(world.program_folder.Read("tavrekerror.txt"), form.ErrorText + "\r\n");
  ErrorLog(form, "Fourth");
  EXPECT_EQ(world.program_folder.Read("tavrekerror.txt"), form.ErrorText + "\r\n");
}

TEST(RunLog, UnwritableLogFileKeepsTheLinesAndReportsOnce) {
  TestWorld world;
  world.form->ProgramFolder = world.program_folder.Path() + "no such folder/";
  testing::internal::CaptureStderr();
  EXPECT_NO_THROW(ErrorLog(*world.form, "First"));
  EXPECT_NO_THROW(ErrorLog(*world.form, "Second"));
  const std::string reported = testing::internal::GetCapturedStderr();

  EXPECT_EQ(world.form->ErrorText,
            "[2026/12/08 19:37:05.42] First\r\n[2026/12/08 19:37:05.42] Second\r\n");
  EXPECT_TRUE(world.form->RunLogWriteFailed);
  const size_t first_report = reported.find("run log cannot be written");
  ASSERT_NE(first_report, std::string::npos) << reported;
  EXPECT_EQ(reported.find("run log cannot be written", first_report + 1), std::string::npos)
      << reported;
}

TEST(ErrorTrap, InteractiveRunLogsDisablesGenerateMissionAndRaisesTheMessage) {
  TestWorld world({"tavrek"});
  try {
    ErrorTrap(*world.form, "No campaign.tavrek file found.");
    FAIL() << "ErrorTrap returned in an interactive run";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No campaign.tavrek file found.");
  }
  EXPECT_FALSE(world.form->GMMenu.Enabled);
  EXPECT_EQ(world.form->ErrorText, "[2026/12/08 19:37:05.42] No campaign.tavrek file found.\r\n");
  EXPECT_FALSE(world.form->Closed);
  EXPECT_FALSE(world.form->Application.Terminated());
  EXPECT_FALSE(world.form->Application.Failed());
}

TEST(ErrorTrap, CommandLineRunLogsClosesTheWindowAndReturnsWithTheRunFailed) {
  TestWorld world({"tavrek", "x"});
  EXPECT_NO_THROW(ErrorTrap(*world.form, "No campaign.tavrek file found."));
  EXPECT_EQ(world.form->ErrorText, "[2026/12/08 19:37:05.42] No campaign.tavrek file found.\r\n");
  EXPECT_TRUE(world.form->Closed);
  EXPECT_TRUE(world.form->Application.Terminated());
  EXPECT_TRUE(world.form->Application.Failed());
  EXPECT_EQ(world.form->Application.ExitCode(), 1);
  EXPECT_TRUE(world.form->GMMenu.Enabled);
}

}  // namespace
