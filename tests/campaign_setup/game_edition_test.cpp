// The game edition told from the game folder, the first-run question for the game, choosing
// the game folder and the edition, and starting the game.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_setup/game_edition.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/first_run.h"
#include "tests/support/platform_doubles.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Writes the files of a game folder; names ending in "/" are folders.
void MakeGameFolder(const TempFolder& game, const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    if (entry.back() == '/') {
      ForceDirectories(game.Path() + entry);
    } else {
      game.Write(entry, "x");
    }
  }
}

struct EditionCase {
  const char* name;
  std::vector<std::string> entries;
  const char* game_id;
  const char* includes_aep;
  const char* version_item;
  bool later_edition_controls;
};

class EditionDetection : public ::testing::TestWithParam<EditionCase> {};

TEST_P(EditionDetection, TellsTheEditionFromTheGameFolder) {
  const EditionCase& c = GetParam();
  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder game;
  MakeGameFolder(game, c.entries);
  form.GameFolder = game.Path();
  GameIDCheck(form);
  EXPECT_EQ(form.GameID, c.game_id);
  EXPECT_EQ(form.GameIncludesAEP, c.includes_aep);
  EXPECT_EQ(form.DescLabel.Caption, std::string(c.version_item) + "\r\n(January 2008)");
  for (const TControl* control : std::vector<const TControl*>{
           &form.SkinBox, &form.SkinLabel, &form.MarkingsLabel, &form.SqMark, &form.UniformLabel,
           &form.UniformButton, &form.DGENBoot, &form.NGenBoot}) {
    EXPECT_EQ(control->Visible, c.later_edition_controls) << control->Name();
  }
  EXPECT_THAT(ReadTextLines(world.program_folder.Path() + "tavrek.ini"),
              Contains("GameID=" + std::string(c.game_id)));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, EditionDetection,
    ::testing::Values(
        EditionCase{"AcesExpansionPack",
                    {"il2fb.exe", "PaintSchemes/Skins/Bf-109Z/"},
                    "AEP",
                    "True",
                    "IL-2 Forgotten Battles w/Aces Expansion Pack 2.04",
                    true},
        EditionCase{"PacificFighters", {"pf_new.exe"}, "PF", "True", "Pacific Fighters 4.04", true},
        EditionCase{"Merged",
                    {"il2fb.exe", "paintschemes/skins/mosquitofbmkvi/"},
                    "PFm",
                    "True",
                    "IL-2 Forgotten Battles 4.04(m)",
                    true},
        EditionCase{"Pe2",
                    {"il2_new.exe", "PaintSchemes/Skins/Bf-109Z/", "ReadmePe2.rtf"},
                    "PE2",
                    "True",
                    "IL-2 Forgotten Battles w/Pe-2 4.05(m)",
                    true},
        // The last marker found wins.
        EditionCase{"PacificFightersWithTheLastMarker",
                    {"pf.exe", "PaintSchemes/Skins/Ar-234B-2/"},
                    "1946",
                    "True",
                    "IL-2 Forgotten Battles 1946",
                    true},
        // The first edition whatever marker its folder holds.
        EditionCase{"FirstEdition",
                    {"il2.exe", "PaintSchemes/Skins/Ar-234B-2/"},
                    "IL2",
                    "False",
                    "IL-2 Sturmovik 1.02",
                    false},
        EditionCase{"ForgottenBattlesWithoutMarker",
                    {"il2fb.exe"},
                    "",
                    "True",
                    "IL-2 Sturmovik 1.02",
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameEdition, TheSampleGameIsThe1946Edition) {
  TestWorld world;
  InstallSample(world);
  world.form->GameID.clear();
  GameIDCheck(*world.form);
  EXPECT_EQ(world.form->GameID, "1946");
}

TEST(GameEdition, AStoredTagIsKeptOnlyWhenItNamesAnEdition) {
  TestWorld world;
  TempFolder game;
  MakeGameFolder(game, {"il2fb.exe", "PaintSchemes/Skins/Ar-234B-2/"});
  world.form->GameFolder = game.Path();
  world.form->GameID = "AEP";
  GameIDCheck(*world.form);
  EXPECT_EQ(world.form->GameID, "AEP");
  world.form->GameID = "FB3";
  GameIDCheck(*world.form);
  EXPECT_EQ(world.form->GameID, "1946");
}

class FirstRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeGameFolder(game, {"il2fb.exe", "PaintSchemes/Skins/Ar-234B-2/", "DGen/"});
    game.Write("conf.ini", "[game]\r\neventlog=eventlog.lst\r\n");
    world.program_folder.Write("data/allpaints.tavrek", "");
    world.program_folder.Write("nogame/readme.txt", "no game here");
    form.GameFolder = world.program_folder.Path() + "nogame/";
  }
  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder game;
};

TEST_F(FirstRunTest, AHiddenRunNeverAsks) {
  for (const char* parameter : {"fbd", "netcoop", "netupdate", "ru"}) {
    TestWorld hidden({"tavrek", parameter});
    hidden.form->GameFolder = world.program_folder.Path() + "nogame/";
    GameIDCheck(*hidden.form);
    EXPECT_THAT(hidden.dialogs->shown, IsEmpty()) << parameter;
    EXPECT_EQ(hidden.form->GameID, "IL2");
  }
}

TEST_F(FirstRunTest, ChoosingTheGameFolderCopiesTheAcesAndClearsTheDebriefing) {
  world.program_folder.Write("data/aces/ace1.bmp", "ace one");
  world.program_folder.Write("data/aces/ace2.bmp", "ace two");
  world.program_folder.Write("campaign/squadrons.tavrek", "");
  world.program_folder.Write("campaign/debriefing.txt", "old");
  form.CampaignFolder = world.program_folder.Path() + "campaign/";
  form.GameID = "IL2";
  world.dialogs->ExpectOpenFile("Select IL-2/FB Game Path", game.Path() + "il2fb.exe");
  ASSERT_TRUE(form.SelectIL2.UserClick());
  EXPECT_EQ(form.GameID, "1946");
  EXPECT_EQ(game.Read("DGen/aces/ace2.bmp"), "ace two");
  EXPECT_EQ(form.LogFileName, "eventlog.lst");
  EXPECT_FALSE(FileExists(form.CampaignFolder + "debriefing.txt"));
}

TEST_F(FirstRunTest, AServerFolderTurnsTheDogfightModeOn) {
  MakeGameFolder(game, {"il2server.exe", "Missions/Net/dogfight/"});
  game.Write("confs.ini", "[game]\r\neventlog=server.lst\r\n");
  form.SCUseBox.Text = "Yes";
  world.dialogs->ExpectOpenFile("Select IL-2/FB Game Path", game.Path() + "il2server.exe");
  form.SelectIL2.Click();
  EXPECT_TRUE(form.Dogfight.Checked);
  EXPECT_EQ(form.ServerActive, "True");
  EXPECT_TRUE(DirectoryExists(game.Path() + "Missions/Net/dogfight/Tavrek"));
  EXPECT_TRUE(form.CopyMission.Checked);
  EXPECT_FALSE(form.CopyMission.Enabled);
  EXPECT_FALSE(form.Dogfight.Enabled);
  for (const TMenuItem* item : {&form.AutoGeneration, &form.Coop, &form.DGENBoot, &form.NGenBoot}) {
    EXPECT_FALSE(item->Visible) << item->Name();
  }
}

constexpr const char* kGameDialog = "Select IL-2/FB Game Path";

// A start with a window on a folder without a game, on a machine whose registry tells where
// the game was installed.
class GamePromptTest : public ::testing::Test {
 protected:
  GamePromptTest() {
    auto scripted = std::make_unique<ScriptedDialogs>();
    auto fixed = std::make_unique<FixedRegistry>();
    dialogs = scripted.get();
    fixed->values[{"\\SOFTWARE\\Ubi Soft\\Pacific Fighters", "Directory"}] = "C:\\Games\\PF";
    platform =
        std::make_unique<PlatformServices>(std::move(scripted), std::make_unique<FakeClock>(),
                                           std::make_unique<RecordingShell>(), std::move(fixed));
    form = std::make_unique<TMainForm>(*platform, std::vector<std::string>{"tavrek"});
    form->ProgramFolder = program.Path();
    program.Write("tavrek", "");
    program.Write("data/allpaints.tavrek", "");
    program.Write("data/aces/ace1.bmp", "ace one");
    MakeGameFolder(game, {"il2fb.exe", "PaintSchemes/Skins/Ar-234B-2/", "DGen/"});
    game.Write("conf.ini", "[game]\r\neventlog=eventlog.lst\r\n");
    no_game.Write("readme.txt", "no game here");
    form->GameFolder = no_game.Path();
  }

  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<PlatformServices> platform;
  TempFolder program;
  std::unique_ptr<TMainForm> form;
  TempFolder game;
  TempFolder no_game;
};

TEST_F(GamePromptTest, WelcomesTheUserAndTakesTheChosenGame) {
  dialogs->ExpectMessage("Welcome to Tavrek.", ModalResult::kOk);
  dialogs->ExpectOpenFile(kGameDialog, game.Path() + "il2fb.exe");
  GameIDCheck(*form);
  EXPECT_TRUE(dialogs->AllAnswered());
  ASSERT_FALSE(dialogs->shown.empty());
  EXPECT_EQ(dialogs->shown.front(),
            "Tavrek: Welcome to Tavrek.\r\n\r\nTo start, click okay and then select your game or "
            "server \"EXE\" file.");
  EXPECT_EQ(form->SetGamePath.InitialDir, "C:\\Games\\PF");
  // What choosing the folder sets up: the folder, its edition, the aces and the event log.
  EXPECT_EQ(form->GameFolder, game.Path());
  EXPECT_EQ(form->GameID, "1946");
  EXPECT_EQ(form->GameIncludesAEP, "True");
  EXPECT_EQ(game.Read("DGen/aces/ace1.bmp"), "ace one");
  EXPECT_EQ(form->LogFileName, "eventlog.lst");
  EXPECT_EQ(form->DescLabel.Caption, "IL-2 Forgotten Battles 1946\r\n(January 2008)");
  EXPECT_THAT(ReadTextLines(program.Path() + "tavrek.ini"), Contains(game.Path()));
  EXPECT_THAT(ReadTextLines(program.Path() + "tavrek.ini"), Contains("GameID=1946"));
}

// The first choice holds no game and no event log: the trouble is shown, the choice is taken
// all the same, and the user is asked once more; the check that the choice ran asks nothing.
TEST_F(GamePromptTest, AsksASecondTimeWhenTheFirstChoiceHoldsNoGame) {
  const TempFolder other;
  other.Write("setup.txt", "");
  dialogs->ExpectMessage("Welcome to Tavrek.", ModalResult::kOk);
  dialogs->ExpectOpenFile(kGameDialog, other.Path() + "setup.txt");
  dialogs->ExpectMessage("please activate the IL-2 Event Log file", ModalResult::kOk);
  dialogs->ExpectOpenFile(kGameDialog, game.Path() + "il2fb.exe");
  GameIDCheck(*form);
  EXPECT_TRUE(dialogs->AllAnswered());
  EXPECT_EQ(form->SetGamePath.InitialDir, "C:\\Games\\PF");
  EXPECT_EQ(form->GameFolder, game.Path());
  EXPECT_EQ(form->GameID, "1946");
  EXPECT_FALSE(form->GamePathPromptOpen);
}

TEST_F(GamePromptTest, BothDialogsCancelledGoOnWithTheOldFolder) {
  form->GameID = "FB3";
  dialogs->ExpectMessage("Welcome to Tavrek.", ModalResult::kOk);
  dialogs->ExpectOpenFile(kGameDialog, std::nullopt);
  dialogs->ExpectOpenFile(kGameDialog, std::nullopt);
  GameIDCheck(*form);
  EXPECT_TRUE(dialogs->AllAnswered());
  EXPECT_EQ(form->GameFolder, no_game.Path());
  EXPECT_EQ(form->GameID, "IL2");
  EXPECT_EQ(form->GameIncludesAEP, "False");
  EXPECT_FALSE(form->GamePathPromptOpen);
  // The next check asks again: the folder still holds no game.
  ExpectGameNotChosen(*dialogs);
  GameIDCheck(*form);
  EXPECT_TRUE(dialogs->AllAnswered());
}

TEST_F(GamePromptTest, AFolderWithAGameAsksNothing) {
  for (const char* program_file : {"il2.exe", "pf_new.exe", "il2server.exe"}) {
    const TempFolder installed;
    installed.Write(program_file, "");
    form->GameFolder = installed.Path();
    form->GameID.clear();
    GameIDCheck(*form);
    EXPECT_THAT(dialogs->shown, IsEmpty()) << program_file;
  }
}

TEST(GameVersionCheck, TakesTheFirstInstallFolderTheRegistryHolds) {
  auto fixed = std::make_unique<FixedRegistry>();
  FixedRegistry& registry = *fixed;
  PlatformServices platform(std::make_unique<ScriptedDialogs>(), std::make_unique<FakeClock>(),
                            std::make_unique<RecordingShell>(), std::move(fixed));
  TMainForm form(platform, {"tavrek"});
  EXPECT_EQ(GameVersionCheck(form), "");
  const std::string fb = "\\SOFTWARE\\Ubi Soft\\IL-2 Sturmovik Forgotten Battles";
  registry.values[{fb, "Directory"}] = "C:\\FB";
  EXPECT_EQ(GameVersionCheck(form), "C:\\FB");
  registry.values[{fb + " AEP", "Directory"}] = "C:\\AEP";
  EXPECT_EQ(GameVersionCheck(form), "C:\\AEP");
  // An empty value counts as none.
  registry.values[{"\\SOFTWARE\\Ubi Soft\\PF+FB+AEP", "Directory"}] = "";
  EXPECT_EQ(GameVersionCheck(form), "C:\\AEP");
  registry.values[{"\\SOFTWARE\\Ubi Soft\\PF+FB+AEP", "Directory"}] = "D:\\1946";
  EXPECT_EQ(GameVersionCheck(form), "D:\\1946");
}

TEST(GameEdition, TheVersionChooserSetsTheEdition) {
  struct Choice {
    int item;
    const char* game_id;
    const char* includes_aep;
  };
  TestWorld world;
  TMainForm& form = *world.form;
  for (const Choice& choice : {Choice{2, "AEP", "True"}, Choice{1, "IL2FB", "False"},
                               Choice{6, "1946", "True"}, Choice{0, "IL2", "False"}}) {
    ASSERT_TRUE(form.SetGameVersion.UserClick());
    EXPECT_EQ(form.DescLabel.Caption, "Please select the game version.");
    ASSERT_TRUE(form.VersionBox.UserChooseItem(choice.item));
    EXPECT_EQ(form.GameID, choice.game_id);
    EXPECT_EQ(form.GameIncludesAEP, choice.includes_aep);
    EXPECT_FALSE(form.VersionBox.Visible);
    EXPECT_EQ(form.InfoLabel.Caption, "Tavrek 3.37");
  }
}

TEST(GameEdition, RunGameStartsTheFirstProgramTheFolderHolds) {
  struct Start {
    std::vector<std::string> files;
    const char* started;  // empty: nothing
  };
  for (const Start& start :
       {Start{{"il2fb.exe", "pf.exe"}, "pf.exe"}, Start{{"il2.exe", "il2fb.exe"}, "il2fb.exe"},
        Start{{"il2server_new.exe"}, "GS_il2server.exe"}, Start{{"readme.txt"}, ""}}) {
    TestWorld world;
    TempFolder game;
    MakeGameFolder(game, start.files);
    world.form->GameFolder = game.Path();
    ASSERT_TRUE(world.form->IL2Game.UserClick());
    if (std::string(start.started).empty()) {
      EXPECT_THAT(world.shell->requests, IsEmpty());
      continue;
    }
    EXPECT_THAT(world.shell->requests,
                ElementsAre(RecordingShell::Request{"open", game.Path() + start.started, "", ""}));
  }
}

}  // namespace
