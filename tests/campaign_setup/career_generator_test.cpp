// Tests for swapping this program in for the game's career generator and restoring it, the
// start-up check that detects whether the swap is in place, and the campaign folder taken from
// the command line when the game starts the program.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/career_creation.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/file_tree.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* kGameGenerator = "the game's own career generator";
constexpr const char* kProgram = "the program's executable";

class CareerGeneratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.Write("il2fb.exe", "game");
    game.Write("DGen.exe", kGameGenerator);
    game.Write("DGen/confUM.ini", "the game's start file");
    world.program_folder.Write("tavrek", kProgram);
    world.program_folder.Write("data/dgen/confUM.ini", "the program's start file");
    world.program_folder.Write("data/dgen/planes.dat", "planes");
    form.GameFolder = game.Path();
  }

  void Toggle(ModalResult answer) {
    world.dialogs->ExpectMessage(
        form.DGENBoot.Checked ? "Replace Tavrek with DGen" : "Replace DGen with Tavrek", answer);
    ASSERT_TRUE(form.DGENBoot.UserClick());
    EXPECT_TRUE(world.dialogs->AllAnswered());
  }
  FileTree GameFiles() const { return FilesBelow(game.Path(), {"tavrek.ini"}); }

  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder game;
};

TEST_F(CareerGeneratorTest, SwitchingOnBacksUpTheGeneratorAndPutsTheProgramInItsPlace) {
  form.AutoGeneration.Checked = true;
  Toggle(ModalResult::kYes);
  EXPECT_TRUE(form.DGENBoot.Checked);
  EXPECT_EQ(game.Read("dgen_bak.exe"), kGameGenerator);
  EXPECT_EQ(game.Read("DGen.exe"), kProgram);
  EXPECT_EQ(game.Read("DGen/confUM.ini"), "the program's start file");
  EXPECT_EQ(game.Read("DGen/planes.dat"), "planes");
  EXPECT_EQ(form.NewCampaign.ImageIndex, 11);
  EXPECT_THAT(ReadTextLines(world.program_folder.Path() + "tavrek.ini"),
              Contains("DGEN_Replacement=True"));
}

TEST_F(CareerGeneratorTest, SwitchingOffRestoresTheFirstBackupAndKeepsIt) {
  Toggle(ModalResult::kYes);
  Toggle(ModalResult::kYes);
  // A second switch-on keeps the backup of the game's own generator.
  Toggle(ModalResult::kYes);
  EXPECT_EQ(game.Read("dgen_bak.exe"), kGameGenerator);
  Toggle(ModalResult::kYes);
  EXPECT_FALSE(form.DGENBoot.Checked);
  EXPECT_EQ(game.Read("DGen.exe"), kGameGenerator);
  EXPECT_EQ(game.Read("dgen_bak.exe"), kGameGenerator);
  EXPECT_TRUE(form.MissionButton.Enabled);
  EXPECT_THAT(ReadTextLines(world.program_folder.Path() + "tavrek.ini"),
              Contains("DGEN_Replacement=False"));
}

TEST_F(CareerGeneratorTest, AnsweringNoChangesNothing) {
  game.Write("dgen_bak.exe", kGameGenerator);
  for (const bool replaced : {false, true}) {
    form.DGENBoot.Checked = replaced;
    const FileTree before = GameFiles();
    Toggle(ModalResult::kNo);
    EXPECT_EQ(form.DGENBoot.Checked, replaced);
    EXPECT_THAT(ChangedPaths(before, GameFiles()), IsEmpty());
  }
}

TEST_F(CareerGeneratorTest, SwitchingOffWithoutABackupIsRefused) {
  form.DGENBoot.Checked = true;
  game.Write("DGen.exe", kProgram);
  const FileTree before = GameFiles();
  world.dialogs->ExpectMessage("holds no backup DGen_bak.exe", ModalResult::kOk);
  DGENToggle(form);
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_TRUE(form.DGENBoot.Checked);
  EXPECT_THAT(ChangedPaths(before, GameFiles()), IsEmpty());
}

TEST_F(CareerGeneratorTest, SwitchingOnWithoutWhatItNeedsIsRefused) {
  // Each lack in turn; the checks name the game folder, then the program, then the generator.
  const char* lacks[] = {"generator", "program", "game folder"};
  for (const char* lack : lacks) {
    const std::string name = lack;
    if (name == "generator") DeleteFile(game.Path() + "DGen.exe");
    if (name == "program") DeleteFile(world.program_folder.Path() + "tavrek");
    if (name == "game folder") form.GameFolder = game.Path() + "gone/";
    const FileTree before = GameFiles();
    world.dialogs->ExpectMessage("DGen stays the career generator.", ModalResult::kOk);
    DGENToggle(form);
    EXPECT_TRUE(world.dialogs->AllAnswered()) << lack;
    EXPECT_FALSE(form.DGENBoot.Checked) << lack;
    EXPECT_THAT(ChangedPaths(before, GameFiles()), IsEmpty()) << lack;
  }
}

TEST_F(CareerGeneratorTest, AHiddenRunNeverSwitches) {
  TestWorld hidden({"tavrek", "fbd"});
  hidden.form->GameFolder = game.Path();
  hidden.program_folder.Write("tavrek", kProgram);
  const FileTree before = GameFiles();
  DGENToggle(*hidden.form);
  EXPECT_THAT(hidden.dialogs->shown, IsEmpty());
  EXPECT_FALSE(hidden.form->DGENBoot.Checked);
  EXPECT_THAT(ChangedPaths(before, GameFiles()), IsEmpty());
}

TEST_F(CareerGeneratorTest, TheProgramIsTheGeneratorOnlyWhenTheFilesAreAlike) {
  struct Generator {
    const char* bytes;
    bool replaced;
  };
  // Same size but other bytes: not the program.
  for (const Generator& g : {Generator{kProgram, true}, Generator{"older program", false},
                             Generator{"the program's executablX", false}}) {
    form.DGENBoot.Checked = false;
    game.Write("DGen.exe", g.bytes);
    DGenReplacement(form);
    EXPECT_EQ(form.DGENBoot.Checked, g.replaced) << g.bytes;
  }
  form.DGENBoot.Checked = true;
  DGenReplacement(form);
  EXPECT_TRUE(form.DGENBoot.Checked);
}

struct PathCase {
  const char* name;
  std::vector<std::string> arguments;
  bool generator_mode;
  const char* folder_below_game;  // nullptr: the campaign folder is dropped
  bool coop;
};

class GameStartedPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(GameStartedPaths, TakeTheCampaignFolderFromTheCommandLine) {
  const PathCase& c = GetParam();
  std::vector<std::string> command_line{"tavrek"};
  command_line.insert(command_line.end(), c.arguments.begin(), c.arguments.end());
  TestWorld world(command_line);
  TMainForm& form = *world.form;
  TempFolder game;
  form.GameFolder = game.Path();
  form.CampaignFolder = world.program_folder.Path() + "nosquadrons/";
  form.AutoGeneration.Checked = c.generator_mode;
  form.DGENBoot.Checked = c.generator_mode;
  form.DefaultNation.Text = "US Marines";
  CampPathChk(form);
  const std::string expected =
      c.folder_below_game == nullptr ? "" : game.Path() + c.folder_below_game;
  EXPECT_EQ(form.CampaignFolder, expected);
  EXPECT_EQ(form.StatusBar.SimpleText, expected);
  EXPECT_EQ(form.Coop.Checked, c.coop);
  EXPECT_EQ(form.AutoGeneration.Checked, c.generator_mode && !c.coop);
  EXPECT_EQ(form.DefaultNation.Text, "Campaign Default");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, GameStartedPaths,
    ::testing::Values(PathCase{"CoopConf",
                               {"missions/net/ngen/Tavrek1/conf.dat"},
                               true,
                               "missions\\net\\ngen\\Tavrek1\\",
                               true},
                      PathCase{"CoopConfSecond",
                               {"x", "Missions/Net/NGen/Tavrek2/conf.dat"},
                               false,
                               "Missions\\Net\\NGen\\Tavrek2\\",
                               true},
                      PathCase{"CareerFolder",
                               {"um", "Missions/Campaign/UM/DGen_Hale/a/b/c/d/e/f/g/h/i"},
                               true,
                               "Missions\\Campaign\\UM\\DGen_Hale\\a\\b\\c\\d\\e\\f\\g\\h/i",
                               false},
                      PathCase{"CareerFolderOutsideTheMode",
                               {"um", "Missions/Campaign/UM/DGen_Hale/"},
                               false,
                               nullptr,
                               false},
                      PathCase{"LowerCaseIsNoCareerFolder",
                               {"um", "Missions/Campaign/UM/dgen_hale/"},
                               true,
                               nullptr,
                               false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CampPathChk, KeepsACampaignFolderWithItsSquadrons) {
  TestWorld world;
  world.program_folder.Write("campaign/squadrons.tavrek", "");
  world.form->CampaignFolder = world.program_folder.Path() + "campaign/";
  CampPathChk(*world.form);
  EXPECT_EQ(world.form->CampaignFolder, world.program_folder.Path() + "campaign/");
  EXPECT_THAT(world.form->ErrorText, ::testing::Not(HasSubstr("Campaign path selected")));
}

}  // namespace
