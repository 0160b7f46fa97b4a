#include "campaign_data/damaged_files.h"

#include <gtest/gtest.h>

#include <string>

#include "campaign_data/file_read_report.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/support/campaign_world.h"

namespace {

TEST(InspectFileText, FindsTextBeyondACtrlZAndACutLastLine) {
  const struct {
    const char* name;
    std::string bytes;
    std::string faults;  // empty: whole and clean
  } cases[] = {
      {"empty", "", ""},
      {"lines", "one\r\ntwo\r\n", ""},
      {"LF and CR ends", "one\ntwo\r", ""},
      {"end mark at the end", "one\r\n\x1a", ""},
      {"blanks after the mark", "one\r\n\x1a\r\n \x1a", ""},
      {"byte-order mark", "\xEF\xBB\xBFone\r\n", ""},
      {"text after the mark", "one\r\n\x1atwo\r\n",
       "it stops at a Ctrl-Z at byte 6 with more text after it"},
      {"last line cut", "one\r\ntw", "its last line is cut short (no line end)"},
      {"mark inside a line", "one\r\ntw\x1ao\r\n",
       "it stops at a Ctrl-Z at byte 8 with more text after it; its last line is cut short (no "
       "line end)"},
  };
  for (const auto& c : cases) {
    const FileReadReport report = InspectFileText(c.bytes);
    EXPECT_EQ(report.WholeAndClean(), c.faults.empty()) << c.name;
    EXPECT_EQ(report.Faults(), c.faults) << c.name;
  }
}

TEST(FileReadReport, NamesTheFirstRefusedLinesAndCountsTheRest) {
  FileReadReport report;
  for (int line = 1; line <= 5; ++line) report.Refused(line * 10, "is not text");
  EXPECT_FALSE(report.WholeAndClean());
  EXPECT_EQ(report.Faults(),
            "line 10 is not text; line 20 is not text; line 30 is not text; 2 more lines were "
            "refused");
}

struct KeepWorld : CampaignWorld {
  explicit KeepWorld(std::vector<std::string> command_line = {"tavrek"})
      : CampaignWorld(std::move(command_line)) {
    path = campaign.Write("columns.tavrek", "original\r\ncut");
    loaded = LoadedFile{path, InspectFileText("original\r\ncut")};
  }
  std::string path;
  LoadedFile loaded;
};

TEST(KeepDamagedOriginal, KeepsTheFileOnceBesideTheOnesKeptBefore) {
  KeepWorld w;
  w.campaign.Write("columns.tavrek.damaged", "an earlier one");
  w.world.dialogs->ExpectMessage(
      "columns.tavrek was not read whole (its last line is cut short (no line end)). The file "
      "as it was is kept as columns.tavrek.damaged2 beside it",
      ModalResult::kOk);

  KeepDamagedOriginal(w.form, w.loaded, w.path);
  w.campaign.Write("columns.tavrek", "saved");
  KeepDamagedOriginal(w.form, w.loaded, w.path);

  EXPECT_TRUE(w.world.dialogs->AllAnswered());
  EXPECT_EQ(w.campaign.Read("columns.tavrek.damaged"), "an earlier one");
  EXPECT_EQ(w.campaign.Read("columns.tavrek.damaged2"), "original\r\ncut");
  EXPECT_FALSE(FileExists(w.path + ".damaged3"));
  EXPECT_TRUE(w.Logged("kept as columns.tavrek.damaged2"));
}

TEST(KeepDamagedOriginal, AHiddenRunLogsWithoutAsking) {
  KeepWorld w({"tavrek", "fbd"});
  KeepDamagedOriginal(w.form, w.loaded, w.path);
  EXPECT_TRUE(w.world.dialogs->shown.empty());
  EXPECT_TRUE(w.Logged("columns.tavrek was not read whole"));
  EXPECT_EQ(w.campaign.Read("columns.tavrek.damaged"), "original\r\ncut");
}

TEST(KeepDamagedOriginal, ACleanReadOrAnotherFileKeepsNothing) {
  KeepWorld w;
  LoadedFile clean{w.path, InspectFileText("original\r\n")};
  KeepDamagedOriginal(w.form, clean, w.path);
  KeepDamagedOriginal(w.form, w.loaded, w.campaign.Path() + "other.tavrek");
  EXPECT_FALSE(FileExists(w.path + ".damaged"));
  EXPECT_EQ(w.form.ErrorText, "");
}

TEST(KeepDamagedOriginal, ACopyThatCannotBeMadeStopsTheSave) {
  KeepWorld w;
  // A folder in the copy's place makes the copy fail.
  ForceDirectories(w.path + ".damaged");
  EXPECT_THROW(KeepDamagedOriginal(w.form, w.loaded, w.path), FileError);
  EXPECT_FALSE(w.loaded.original_kept);
  EXPECT_TRUE(w.Logged("it is not saved, so that nothing of it is lost."));
}

}  // namespace
