// The program in place of the game's co-op generator: switching on and off copies and
// restores NGen.exe in a test game folder exactly, writes and removes the co-op campaign
// files, refuses what it cannot do before changing anything, and never asks in a hidden run.

#include "campaign_setup/coop_generator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_setup/coop_files.h"
#include "tests/support/file_tree.h"
#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramBytes = "the program, build 2";
constexpr const char* kGameGenerator = "the game's own co-op generator";

// Public: the cases' set-up functions arrange the world.
class CoopGeneratorTest : public ::testing::Test {
 public:
  explicit CoopGeneratorTest(std::vector<std::string> arguments = {}) {
    std::vector<std::string> command_line{"tavrek"};
    command_line.insert(command_line.end(), arguments.begin(), arguments.end());
    world = std::make_unique<TestWorld>(command_line);
    fs::copy(FixturesFolder() + "coop/program", world->program_folder.Path(),
             fs::copy_options::recursive);
    world->program_folder.Write("tavrek", kProgramBytes);
    Form().GameFolder = game.Path();
    game.Write("NGen.exe", kGameGenerator);
  }

  TMainForm& Form() { return *world->form; }
  std::string GameFile(const std::string& name) const { return game.Read(name); }
  bool InGame(const std::string& name) const { return fs::exists(game.Path() + name); }

  void SwitchOn() {
    world->dialogs->ExpectMessage("Use Tavrek as default coop campaign generator?",
                                  ModalResult::kYes);
    NGenToggle(Form());
    ASSERT_TRUE(world->dialogs->AllAnswered());
  }

  std::unique_ptr<TestWorld> world;
  TempFolder game;
};

TEST_F(CoopGeneratorTest, SwitchingOnBacksUpTheGeneratorOnceAndWritesTheCampaignFiles) {
  SwitchOn();
  EXPECT_TRUE(Form().NGenBoot.Checked);
  EXPECT_EQ(GameFile("NGen.exe"), kProgramBytes);
  EXPECT_EQ(GameFile("NGen_bak.exe"), kGameGenerator);
  // One file per battle but the Battle_over_Europe one, each with its master mission's wings.
  EXPECT_EQ(FilesBelow(game.Path() + "NGen").size(), 2u);
  const std::string britain = GameFile("NGen/CampaignTavrek_BattleofBritain.dat");
  EXPECT_TRUE(Contains(britain, "\r\nname Tavrek Battle_of_Britain\r\nnote Britain: 1940\r\n"));
  EXPECT_TRUE(
      Contains(britain, "\r\nr0100 Test Regiment Red (1) \r\nr0121 Test Regiment Red (3) \r\n"));
  const std::string kursk = GameFile("NGen/CampaignTavrek_Kursk.dat");
  EXPECT_TRUE(Contains(kursk, "\r\nII_JG5201 II./JG 52 Test Gruppe (1) \r\n")) << kursk;
  EXPECT_TRUE(Contains(kursk, "\r\nI_JG5200 I/Jagdgeschwader 52 (1) \r\n")) << kursk;

  // Off and on again: the first backup, the game's generator, is kept.
  world->dialogs->ExpectMessage("Restore the default campaign generator?", ModalResult::kYes);
  NGenToggle(Form());
  EXPECT_FALSE(Form().NGenBoot.Checked);
  EXPECT_EQ(GameFile("NGen.exe"), kGameGenerator);
  EXPECT_TRUE(FilesBelow(game.Path() + "NGen").empty());
  game.Write("NGen.exe", "another program");
  SwitchOn();
  EXPECT_EQ(GameFile("NGen_bak.exe"), kGameGenerator);
  EXPECT_TRUE(Form().MissionButton.Enabled);
}

TEST_F(CoopGeneratorTest, AnsweringNoChangesNoFile) {
  const FileTree before = FilesBelow(game.Path(), {"tavrek.ini"});
  world->dialogs->ExpectMessage("Use Tavrek as default coop campaign generator?", ModalResult::kNo);
  NGenToggle(Form());
  EXPECT_FALSE(Form().NGenBoot.Checked);
  EXPECT_TRUE(ChangedPaths(before, FilesBelow(game.Path(), {"tavrek.ini"})).empty());
}

struct Refusal {
  const char* name;
  void (*arrange)(CoopGeneratorTest&);
  const char* message_part;
};

class CoopGeneratorRefusal : public CoopGeneratorTest,
                             public ::testing::WithParamInterface<Refusal> {};

TEST_P(CoopGeneratorRefusal, SaysWhyAndChangesNothing) {
  GetParam().arrange(*this);
  const bool was_on = Form().NGenBoot.Checked;
  const FileTree before = FilesBelow(game.Path(), {"tavrek.ini"});
  world->dialogs->ExpectMessage(GetParam().message_part, ModalResult::kOk);
  NGenToggle(Form());
  EXPECT_TRUE(world->dialogs->AllAnswered());
  EXPECT_EQ(Form().NGenBoot.Checked, was_on);
  EXPECT_TRUE(ChangedPaths(before, FilesBelow(game.Path(), {"tavrek.ini"})).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoopGeneratorRefusal,
    ::testing::Values(Refusal{"OffWithoutBackup",
                              [](CoopGeneratorTest& t) { t.Form().NGenBoot.Checked = true; },
                              "holds no NGen_bak.exe"},
                      Refusal{"OnWithoutGenerator",
                              [](CoopGeneratorTest& t) { fs::remove(t.game.Path() + "NGen.exe"); },
                              "holds no NGen.exe"},
                      Refusal{"WingWithoutSquadronDigit",
                              [](CoopGeneratorTest& t) {
                                t.world->program_folder.Write("Masters/Britain.mis",
                                                              "[Wing]\r\n  r01x0\r\n");
                              },
                              "The wing r01x0"}),
    [](const auto& info) { return std::string(info.param.name); });

class HiddenCoopGeneratorRun : public CoopGeneratorTest {
 protected:
  HiddenCoopGeneratorRun() : CoopGeneratorTest({"netcoop"}) {}
};

TEST_F(HiddenCoopGeneratorRun, AnOnlineScriptRestoresSilentlyAndKeepsTheCampaignFiles) {
  game.Write("NGen_bak.exe", kGameGenerator);
  game.Write("NGen.exe", kProgramBytes);
  game.Write("NGen/CampaignTavrek_Kursk.dat", "kept");
  Form().NGenBoot.Checked = true;
  NGenToggle(Form());
  EXPECT_FALSE(Form().NGenBoot.Checked);
  EXPECT_EQ(GameFile("NGen.exe"), kGameGenerator);
  EXPECT_EQ(GameFile("NGen/CampaignTavrek_Kursk.dat"), "kept");
  EXPECT_TRUE(world->dialogs->shown.empty());
}

TEST_F(HiddenCoopGeneratorRun, NeverAsksAndWithoutBackupKeepsTheProgramInPlace) {
  Form().NGenBoot.Checked = true;
  game.Write("NGen.exe", kProgramBytes);
  NGenToggle(Form());
  EXPECT_TRUE(Form().NGenBoot.Checked);
  EXPECT_EQ(GameFile("NGen.exe"), kProgramBytes);
  EXPECT_TRUE(world->dialogs->shown.empty());
  EXPECT_TRUE(Contains(Form().ErrorText, "holds no NGen_bak.exe"));
}

class HiddenRunWithoutScript : public CoopGeneratorTest {
 protected:
  HiddenRunWithoutScript() : CoopGeneratorTest({"missions/net/ngen/Tavrek_X/conf.dat"}) {}
};

TEST_F(HiddenRunWithoutScript, SwitchesNothingAndShowsNothing) {
  const FileTree before = FilesBelow(game.Path(), {"tavrek.ini"});
  NGenToggle(Form());
  EXPECT_FALSE(Form().NGenBoot.Checked);
  Form().NGenBoot.Checked = true;
  NGenToggle(Form());
  EXPECT_TRUE(Form().NGenBoot.Checked);
  EXPECT_TRUE(ChangedPaths(before, FilesBelow(game.Path(), {"tavrek.ini"})).empty());
  EXPECT_TRUE(world->dialogs->shown.empty());
}

TEST_F(CoopGeneratorTest, TheStartUpTestTicksOnlyForAGeneratorThatIsTheProgram) {
  NGenReplacement(Form());
  EXPECT_FALSE(Form().NGenBoot.Checked);
  game.Write("ngen.EXE", std::string(std::string(kProgramBytes).size(), 'x'));
  fs::remove(game.Path() + "NGen.exe");
  NGenReplacement(Form());
  EXPECT_FALSE(Form().NGenBoot.Checked) << "same size, other contents";
  game.Write("ngen.EXE", kProgramBytes);
  NGenReplacement(Form());
  EXPECT_TRUE(Form().NGenBoot.Checked);
  // It never unticks.
  game.Write("ngen.EXE", "short");
  NGenReplacement(Form());
  EXPECT_TRUE(Form().NGenBoot.Checked);
}

}  // namespace
