// Damaged copies of the sample's files: whatever the damage, a save never costs data.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_class_editor.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

constexpr int kSampleSquadrons = 22;
constexpr int kBlockLines = 8;
const std::string kCampaign = "sample/campaign/Okinawa45/";

// The sample prepared as its script prepares it (data/, the campaign, the game folder and a
// tavrek.ini pointing at them), the program about to start in that folder.
class DamagedSample : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string script = std::string(TAVREK_SOURCE_DIR) + "/scripts/prepare-sample.sh";
    const std::string command =
        "'" + script + "' '" + world.program_folder.Path() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }

  std::string Read(const std::string& relative) const {
    return world.program_folder.Read(relative);
  }
  void Write(const std::string& relative, const std::string& content) const {
    world.program_folder.Write(relative, content);
  }
  std::vector<std::string> Lines(const std::string& relative) const {
    return SplitTextLines(Read(relative));
  }

  // Starts the program from the folder, as the user or the game would, and runs its start-up.
  TMainForm& Start(const std::vector<std::string>& arguments = {}) {
    std::vector<std::string> command_line{world.program_folder.Write("tavrek", "")};
    command_line.insert(command_line.end(), arguments.begin(), arguments.end());
    world.form.reset();
    world.form = std::make_unique<TMainForm>(*world.platform, std::move(command_line));
    FormCreate(*world.form);
    return *world.form;
  }

  void ExpectKeptAndTold(const std::string& relative, const std::string& damaged) {
    EXPECT_EQ(Read(relative + ".damaged"), damaged);
    EXPECT_TRUE(world.dialogs->AllAnswered());
    EXPECT_THAT(RunLogMessages(*world.form),
                Contains(HasSubstr(ExtractName(relative) + " was not read whole")));
  }

  static std::string ExtractName(const std::string& relative) {
    return relative.substr(relative.rfind('/') + 1);
  }

  TestWorld world;
};

std::vector<std::string> Head(const std::vector<std::string>& lines, size_t count) {
  return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::vector<std::string> Tail(const std::vector<std::string>& lines, size_t from) {
  return {lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end()};
}

// 1. Reading stops at a Ctrl-Z in the middle of squadrons.tavrek; the start-up save writes
// the squadrons before it, and the whole file is kept beside it.
TEST_F(DamagedSample, ACtrlZInTheSquadronFileKeepsTheWholeFileBesideTheSave) {
  const std::vector<std::string> lines = Lines(kCampaign + "squadrons.tavrek");
  ASSERT_EQ(lines.size(), static_cast<size_t>(kSampleSquadrons * kBlockLines));
  const std::vector<std::string> before = Head(lines, 14 * kBlockLines);
  const std::string damaged =
      JoinLinesCrLf(before) + "\x1a" + JoinLinesCrLf(Tail(lines, 14 * kBlockLines));
  Write(kCampaign + "squadrons.tavrek", damaged);
  world.dialogs->ExpectMessage("squadrons.tavrek was not read whole (it stops at a Ctrl-Z",
                               ModalResult::kOk);

  TMainForm& form = Start();

  EXPECT_EQ(form.LastSquadron, 13);
  EXPECT_EQ(Read(kCampaign + "squadrons.tavrek"), JoinLinesCrLf(before));
  ExpectKeptAndTold(kCampaign + "squadrons.tavrek", damaged);
}

// 2. A UTF-8 byte-order mark before the first squadron is skipped: its name stays its own and
// the file is saved as it was, the mark left out.
TEST_F(DamagedSample, AByteOrderMarkBeforeTheSquadronsIsNoPartOfTheFirstName) {
  const std::string original = Read(kCampaign + "squadrons.tavrek");
  Write(kCampaign + "squadrons.tavrek", "\xEF\xBB\xBF" + original);

  TMainForm& form = Start();

  EXPECT_EQ(form.SquadronTable[0].SquadronName, "USMC_VMF_3110");
  EXPECT_EQ(Read(kCampaign + "squadrons.tavrek"), original);
  EXPECT_TRUE(world.dialogs->shown.empty());
}

// 2. The same mark before class.tavrek: the editor's change of the first type rewrites that
// type's line with its own country, army and dates.
TEST_F(DamagedSample, AByteOrderMarkBeforeTheClassFileLeavesTheFirstTypesColumnsInPlace) {
  const std::vector<std::string> original = Lines("data/class.tavrek");
  Write("data/class.tavrek", "\xEF\xBB\xBF" + JoinLinesCrLf(original));
  TMainForm& form = Start();
  PlaneEditorClick(form);
  ASSERT_EQ(form.PlaneTypeBox.Text, Trim(original[0].substr(0, 24)));

  ASSERT_TRUE(form.RangeBox.UserChoose("300 km"));

  std::vector<std::string> expected = original;
  expected[0].replace(164, 12, "300 km      ");
  EXPECT_EQ(Lines("data/class.tavrek"), expected);
  EXPECT_TRUE(world.dialogs->shown.empty());
}

// 3. class.tavrek cut in the middle, or stopped by a Ctrl-Z: one change in the class editor
// keeps the damaged class.tavrek and the undamaged payloads.tavrek, whose loadouts of the
// types not read would otherwise go too.
struct ClassDamage {
  const char* name;
  bool cut;  // else a Ctrl-Z after line 49
  const char* fault;
};

class DamagedClassFile : public DamagedSample, public ::testing::WithParamInterface<ClassDamage> {};

TEST_P(DamagedClassFile, IsKeptWithThePayloadFileBeforeTheEditorSaves) {
  const std::vector<std::string> classes = Lines("data/class.tavrek");
  ASSERT_EQ(classes.size(), 83u);
  const std::string payloads = Read("data/payloads.tavrek");
  const std::string head = JoinLinesCrLf(Head(classes, 49));
  const std::string damaged = GetParam().cut ? head + classes[49].substr(0, 30)
                                             : head + "\x1a" + JoinLinesCrLf(Tail(classes, 49));
  Write("data/class.tavrek", damaged);
  TMainForm& form = Start();
  PlaneEditorClick(form);
  world.dialogs->ExpectMessage(std::string("class.tavrek was not read whole (") + GetParam().fault,
                               ModalResult::kOk);
  world.dialogs->ExpectMessage("payloads.tavrek was not read whole", ModalResult::kOk);

  ASSERT_TRUE(form.RangeBox.UserChoose("300 km"));
  ASSERT_TRUE(form.DPBox.UserChoose(form.DPBox.Text));
  ASSERT_TRUE(form.RangeBox.UserChoose("350 km"));

  ExpectKeptAndTold("data/class.tavrek", damaged);
  EXPECT_EQ(Read("data/payloads.tavrek.damaged"), payloads);
  EXPECT_FALSE(FileExists(world.program_folder.Path() + "data/class.tavrek.damaged2"));
}

INSTANTIATE_TEST_SUITE_P(
    Sample, DamagedClassFile,
    ::testing::Values(ClassDamage{"CutInLine50", true, "its last line is cut short"},
                      ClassDamage{"CtrlZAfterLine49", false, "it stops at a Ctrl-Z"}),
    [](const auto& info) { return std::string(info.param.name); });

// 4. tavrek.ini cut before its GameID line, on a game folder that cannot tell its edition
// either (it lacks the edition's marker folder): the edition is not known, and the squadrons
// keep the layout they were read in, skins and all.
TEST_F(DamagedSample, ASettingsFileWithoutTheEditionKeepsTheSquadronsLayout) {
  const std::vector<std::string> settings = Lines("tavrek.ini");
  ASSERT_EQ(settings[49], "GameID=1946");
  Write("tavrek.ini", JoinLinesCrLf(Head(settings, 49)));
  ASSERT_GT(std::filesystem::remove_all(world.program_folder.Path() +
                                        "sample/game/PaintSchemes/Skins/Ar-234B-2"),
            0u);
  const std::string squadrons = Read(kCampaign + "squadrons.tavrek");

  TMainForm& form = Start();

  EXPECT_EQ(form.GameID, "");
  EXPECT_EQ(form.LastSquadron, kSampleSquadrons - 1);
  EXPECT_EQ(Read(kCampaign + "squadrons.tavrek"), squadrons);
}

// 5. squadrons.tavrek cut inside its last block: that squadron is not written back with empty
// lines; the file as it was is kept.
TEST_F(DamagedSample, ASquadronFileCutInItsLastBlockLeavesThatSquadronOutAndKeepsTheFile) {
  const std::vector<std::string> lines = Lines(kCampaign + "squadrons.tavrek");
  const size_t last_block = (kSampleSquadrons - 1) * kBlockLines;
  const std::string damaged =
      JoinLinesCrLf(Head(lines, last_block + 3)) + lines[last_block + 3].substr(0, 7);
  Write(kCampaign + "squadrons.tavrek", damaged);
  world.dialogs->ExpectMessage("squadrons.tavrek was not read whole", ModalResult::kOk);

  TMainForm& form = Start();

  EXPECT_EQ(form.LastSquadron, kSampleSquadrons - 2);
  EXPECT_EQ(Read(kCampaign + "squadrons.tavrek"), JoinLinesCrLf(Head(lines, last_block)));
  ExpectKeptAndTold(kCampaign + "squadrons.tavrek", damaged);
  EXPECT_THAT(RunLogMessages(form),
              Contains(HasSubstr("line " + IntToStr(static_cast<long long>(last_block) + 1) +
                                 " (\"" + lines[last_block] +
                                 "\") starts a squadron that the "
                                 "end of the file cuts short")));
}

// 6. A second copy started on the program folder of a running one says so and writes nothing
// there: not the run log, not the settings, not the campaign; a hidden one fails.
TEST_F(DamagedSample, ASecondCopyOnAProgramFolderInUseWritesNothingThere) {
  Start();
  const std::string log = Read("tavrekerror.txt");
  const std::string settings = Read("tavrek.ini");
  const std::string squadrons = Read(kCampaign + "squadrons.tavrek");
  struct Copy {
    const char* name;
    std::vector<std::string> arguments;
    bool fails;
  };
  const Copy copies[] = {{"window", {}, false}, {"hidden", {"fbd"}, true}};
  for (const Copy& copy : copies) {
    SCOPED_TRACE(copy.name);
    TestWorld other;
    std::vector<std::string> command_line{world.program_folder.Path() + "tavrek"};
    command_line.insert(command_line.end(), copy.arguments.begin(), copy.arguments.end());
    if (!copy.fails) other.dialogs->ExpectMessage("Another copy of Tavrek", ModalResult::kOk);
    TMainForm second(*other.platform, command_line);
    // A change of the first copy's that the second must not undo.
    Write(kCampaign + "squadrons.tavrek", squadrons + "\r\n");

    FormCreate(second);

    EXPECT_TRUE(second.Closed);
    EXPECT_EQ(other.platform->Application().Failed(), copy.fails);
    EXPECT_TRUE(other.dialogs->AllAnswered());
    EXPECT_THAT(RunLogMessages(second),
                Contains("Another copy of Tavrek is running on the program folder " +
                         world.program_folder.Path() +
                         ". This copy does not write there and "
                         "stops."));
    EXPECT_EQ(Read("tavrekerror.txt"), log);
    EXPECT_EQ(Read("tavrek.ini"), settings);
    EXPECT_EQ(Read(kCampaign + "squadrons.tavrek"), squadrons + "\r\n");
  }
}

// 7. A class name of all 24 columns with its description from column 25 on, a valid line: the
// name stays whole, the squadrons of that type find it, and a save keeps both apart.
TEST_F(DamagedSample, AFullWidthClassNameKeepsItsSquadronsAndSurvivesASave) {
  const std::string name = "F4U1C_Corsair_Cannon_24c";
  ASSERT_EQ(name.size(), 24u);
  std::vector<std::string> classes = Lines("data/class.tavrek");
  const size_t corsair = 5;
  ASSERT_EQ(Trim(classes[corsair].substr(0, 24)), "F4U1C");
  classes[corsair].replace(0, 47, name + Trim(classes[corsair].substr(24, 23)));
  classes[corsair].insert(24 + 14, 9, ' ');  // "F4U-1C Corsair" fills 14 of the 23 columns
  ASSERT_EQ(classes[corsair].substr(47, 2), "um");
  Write("data/class.tavrek", JoinLinesCrLf(classes));
  std::string squadrons = Read(kCampaign + "squadrons.tavrek");
  squadrons.replace(squadrons.find("Class air.F4U1C"), 15, "Class air." + name);
  Write(kCampaign + "squadrons.tavrek", squadrons);

  TMainForm& form = Start();
  EXPECT_EQ(form.SquadronTable[0].TypeDescription, "F4U-1C Corsair");
  EXPECT_EQ(form.SquadronTable[0].SquadronArmy, "1");
  PlaneEditorClick(form);
  ASSERT_TRUE(form.PlaneTypeBox.UserChooseItem(static_cast<int>(corsair)));
  EXPECT_EQ(form.PlaneTypeBox.Text, name);
  ASSERT_TRUE(form.FlyableBox.UserChoose("Yes"));

  // Written back with a blank between name and description, as the columns are read.
  std::vector<std::string> expected = classes;
  expected[corsair] = name + " " + "F4U-1C Corsair        " + classes[corsair].substr(47);
  EXPECT_EQ(Lines("data/class.tavrek"), expected);
  EXPECT_EQ(Read(kCampaign + "squadrons.tavrek"), squadrons);
}

}  // namespace
