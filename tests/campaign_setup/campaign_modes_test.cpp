// The three mode switches of the Mode menu, what each writes, and the mode description.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/panels.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/file_tree.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class CampaignModesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.Write("il2fb.exe", "game");
    game.Write("Missions/Campaign/UM/rank.properties", "");
    game.Write("Missions/Net/coop/readme.txt", "");
    game.Write("Missions/Net/dogfight/readme.txt", "");
    form.GameFolder = game.Path();
    form.SquadronTable[0].SquadronNation = "um";
    form.SquadronTable[0].SquadronArmy = "1";
  }

  std::vector<std::string> Settings() const {
    return ReadTextLines(world.program_folder.Path() + "tavrek.ini");
  }
  std::string Ticks() const {
    std::string ticks;
    for (const TMenuItem* item : {&form.AutoGeneration, &form.Coop, &form.Dogfight}) {
      if (item->Checked) ticks += item->Name() + " ";
    }
    return ticks;
  }

  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder game;
};

struct SwitchCase {
  const char* name;
  bool auto_generation, coop, dogfight;  // before
  const char* clicked;
  const char* ticks_after;
};

class ModeSwitches : public CampaignModesTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(ModeSwitches, KeepTheModesExclusiveAndSaveThem) {
  const SwitchCase& c = GetParam();
  form.AutoGeneration.Checked = c.auto_generation;
  form.Coop.Checked = c.coop;
  form.Dogfight.Checked = c.dogfight;
  ASSERT_TRUE(form.Controls.Find(c.clicked)->UserClick());
  EXPECT_EQ(Ticks(), c.ticks_after);
  const std::vector<std::string> settings = Settings();
  for (const char* mode : {"AutoGeneration", "Coop", "Dogfight"}) {
    const bool ticked = std::string(c.ticks_after).find(mode) != std::string::npos;
    EXPECT_THAT(settings, Contains(std::string(mode) + (ticked ? "=True" : "=False")));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, ModeSwitches,
    ::testing::Values(SwitchCase{"CoopOverTheOthers", true, false, true, "Coop", "Coop "},
                      SwitchCase{"DogfightOverCoop", false, true, false, "Dogfight", "Dogfight "},
                      SwitchCase{"CareerOverBoth", false, true, true, "AutoGeneration",
                                 "AutoGeneration "},
                      SwitchCase{"CoopOff", false, true, false, "Coop", ""},
                      SwitchCase{"DogfightOff", false, false, true, "Dogfight", ""},
                      SwitchCase{"CareerOff", true, false, false, "AutoGeneration", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CampaignModesTest, TheOnLineModesMakeTheirGameFolders) {
  CoopClickSender(form);
  EXPECT_TRUE(DirectoryExists(game.Path() + "Missions/Net/coop/Tavrek"));
  DogfightClickSender(form);
  EXPECT_TRUE(DirectoryExists(game.Path() + "Missions/Net/dogfight/Tavrek"));
  EXPECT_FALSE(form.AIBox.Visible);
}

TEST_F(CampaignModesTest, LeavingCoopEnablesGenerateMissionAndLeavingDogfightDoesNot) {
  form.MissionButton.Enabled = false;
  form.Dogfight.Checked = true;
  DogfightClickSender(form);
  EXPECT_FALSE(form.MissionButton.Enabled);
  form.Coop.Checked = true;
  CoopClickSender(form);
  EXPECT_TRUE(form.MissionButton.Enabled);
}

TEST_F(CampaignModesTest, TheCareerModeRegistersTheProgramWithTheGame) {
  AutoGenerationClickSender(form);
  const std::string career = game.Path() + "Missions/Campaign/UM/Tavrek/campaign.ini";
  ASSERT_TRUE(FileExists(career));
  const std::vector<std::string> lines = ReadTextLines(career);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[1], "ExecGenerator " + form.ProgramFolder + "tavrek.exe");
  EXPECT_EQ(lines[2], "Class il2.game.campaign.CampaignRed");
  EXPECT_EQ(lines[3], "awardsClass il2.game.campaign.AwardsRUfighter");
  EXPECT_FALSE(form.AIBox.Visible);
  EXPECT_FALSE(form.Scoring.Checked);
}

TEST_F(CampaignModesTest, WithTheGeneratorReplacedTheCareerModeWritesNothing) {
  world.program_folder.Write("tavrek", "the program");
  game.Write("DGen.exe", "the program");
  const FileTree before = FilesBelow(game.Path(), {"tavrek.ini"});
  AutoGenerationClickSender(form);
  EXPECT_TRUE(form.AutoGeneration.Checked);
  EXPECT_TRUE(form.DGENBoot.Checked);
  EXPECT_THAT(ChangedPaths(before, FilesBelow(game.Path(), {"tavrek.ini"})), IsEmpty());
}

TEST_F(CampaignModesTest, ASwitchTheGameFolderCannotTakeChangesNothing) {
  struct Refusal {
    const char* clicked;
    std::string game_folder;
    const char* nation;
  };
  const Refusal refusals[] = {{"AutoGeneration", game.Path(), "de"},
                              {"AutoGeneration", game.Path(), ""},
                              {"Coop", "", "um"},
                              {"Dogfight", game.Path() + "missing/", "um"}};
  for (const Refusal& r : refusals) {
    form.GameFolder = r.game_folder;
    form.SquadronTable[0].SquadronNation = r.nation;
    const FileTree before = FilesBelow(game.Path());
    world.dialogs->ExpectMessage("stays off", ModalResult::kOk);
    form.Controls.Find(r.clicked)->UserClick();
    EXPECT_EQ(Ticks(), "") << r.clicked << " " << r.nation;
    EXPECT_THAT(ChangedPaths(before, FilesBelow(game.Path())), IsEmpty());
  }
  EXPECT_TRUE(world.dialogs->AllAnswered());
}

TEST_F(CampaignModesTest, AHiddenRunLogsARefusalWithoutADialog) {
  TestWorld hidden({"tavrek", "netcoop"});
  hidden.form->GameFolder.clear();
  CoopClickSender(*hidden.form);
  EXPECT_FALSE(hidden.form->Coop.Checked);
  EXPECT_THAT(hidden.form->ErrorText, HasSubstr("The co-op mode stays off."));
  EXPECT_THAT(hidden.dialogs->shown, IsEmpty());
}

struct DescriptionCase {
  const char* name;
  bool auto_generation, coop, dogfight, generator_replaced;
  const char* first_line;
  const char* hint;
  int image;
};

class ModeDescriptions : public CampaignModesTest,
                         public ::testing::WithParamInterface<DescriptionCase> {};

TEST_P(ModeDescriptions, ShowTheModeAndTheNewCampaignButtonOfTheTicks) {
  const DescriptionCase& c = GetParam();
  world.program_folder.Write("campaign/campaign.tavrek", "");
  form.CampaignFolder = world.program_folder.Path() + "campaign/";
  form.AutoGeneration.Checked = c.auto_generation;
  form.Coop.Checked = c.coop;
  form.Dogfight.Checked = c.dogfight;
  form.DGENBoot.Checked = c.generator_replaced;
  ModeDescription(form);
  EXPECT_EQ(form.DescLabel.Caption,
            std::string(c.first_line) +
                "\r\nFor documentation, select \"On-line Help\" under \"About\".");
  EXPECT_EQ(form.NewCampaign.Hint, c.hint);
  EXPECT_EQ(form.NewCampaign.ImageIndex, c.image);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, ModeDescriptions,
    ::testing::Values(
        DescriptionCase{"Manual", false, false, false, false,
                        "Mode: Manual Pilot Career and/or Single Mission Generation.",
                        "Start New Campaign", 9},
        DescriptionCase{"Dogfight", false, false, true, false, "Mode: On-Line Dogfight Mode.",
                        "Start New Campaign", 9},
        DescriptionCase{"Coop", false, true, false, true, "Mode: On-Line Coop Mode.",
                        "Start New Campaign", 9},
        DescriptionCase{"Career", true, false, false, false,
                        "Mode: Automated Mission Generation for a single player Pilot Career.",
                        "Start New Campaign", 9},
        DescriptionCase{"CareerGeneratorReplaced", true, false, false, true,
                        "Mode: Full Automated Mission Generation for a single player Pilot "
                        "Career (DGen Replaced).",
                        "Create Player Defined Full Campaign", 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CampaignModesTest, APendingWarningOrAMissingCampaignReplacesTheModeText) {
  form.CampaignFolder = world.program_folder.Path() + "none/";
  ModeDescription(form);
  EXPECT_EQ(form.DescLabel.Caption,
            "Warning: No active campaign.\r\nPlease create or select a campaign.");
  form.ErrorWarning = "The campaign has ended.";
  ModeDescription(form);
  EXPECT_EQ(form.DescLabel.Caption, "The campaign has ended.");
}

}  // namespace
