#include "mission_generation/pipeline.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/settings_lines.h"
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
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr auto kCopyAll = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
constexpr const char* kSampleMission = "game/Missions/Campaign/UM/Tavrek/tavrekmission.mis";

// The run-log lines that trace the pipeline: its calls ("Pass 1: CampaignInfo.") and its own
// step lines; the lines the services log themselves are left out.
std::vector<std::string> Trace(const TMainForm& form) {
  std::vector<std::string> trace;
  for (const std::string& line : RunLogMessages(form)) {
    for (const char* part :
         {"Pass ", "Before the passes: ", "After pass ",
          "After the passes: ", "Check for Duplicate Squadrons.", "Load Pilot Information.",
          "ErrorWarning before MasterLog Check = ", "Get Squadron Information.", "Advance time.",
          "End Stationary Front Routine.", "Mission Generated  ["}) {
      if (line.starts_with(part)) {
        trace.push_back(line.starts_with("Mission Generated") ? "Mission Generated" : line);
      }
    }
  }
  return trace;
}

// The calls that show how the driver runs its passes.
std::vector<std::string> PassTrace(const TMainForm& form) {
  std::vector<std::string> passes;
  for (const std::string& line : Trace(form)) {
    for (const char* call : {"GrandCampaign.", "CampPathChk.", "ResolveGroundCombat.",
                             "BonusNPCMissions.", "TargetInitialization.", "GenerateWays."}) {
      if (line.ends_with(std::string(": ") + call)) passes.push_back(line);
    }
  }
  return passes;
}

TEST(Pipeline, OnePassOnTheSampleRunsItsStepsInOrder) {
  TestWorld world;
  InstallSample(world);
  TMainForm& form = *world.form;
  form.TimeSettingsBox.Text = "Normal";
  form.HistDates.Checked = true;
  MissionButtonClick(form);
  EXPECT_THAT(
      Trace(form),
      ElementsAre("Before the passes: GrandCampaign.", "Pass 1: CampPathChk.",
                  "Pass 1: CampaignInfo.", "Pass 1: DetermineCampFolder.",
                  "Pass 1: GetActivePlanes.", "Pass 1: LoadShipInfo.", "Pass 1: SetSqFlights.",
                  "Pass 1: SchwarmNumber.", "Pass 1: LastBackup.", "Pass 1: TargetLocations.",
                  "Pass 1: ReadTerritory.", "Pass 1: SetTgtNation.", "Pass 1: StationaryList.",
                  "Pass 1: LoadStationary.", "Pass 1: ColumnList.", "Pass 1: ColumnLocation.",
                  "Pass 1: LoadPlaneInfo.", "Pass 1: SquadronList.", "Pass 1: SquadronBase.",
                  "Pass 1: SaveSquadrons.", "Check for Duplicate Squadrons.",
                  "Pass 1: HistoricDate for each squadron.", "Load Pilot Information.",
                  "Pass 1: LoadPilots.", "Pass 1: SavePilot.",
                  "ErrorWarning before MasterLog Check = ", "Pass 1: SaveStationary.",
                  "Pass 1: TerritoryCapture.", "Pass 1: DefineTerritory.",
                  "Pass 1: StationaryCheck.", "Pass 1: SaveStationary.", "Pass 1: ReplaceAircraft.",
                  "Pass 1: SaveSquadrons.", "Get Squadron Information.",
                  "Pass 1: DowngradeAircraft.", "Advance time.", "Pass 1: AdvanceCampaignDate.",
                  "Pass 1: TimeTable.", "Pass 1: DetermineRetreat.", "Pass 1: StationaryFront.",
                  "End Stationary Front Routine.", "Pass 1: ColumnRoads.", "Pass 1: SquadronBase.",
                  "Pass 1: SaveSquadrons.", "Pass 1: GenerateWays.", "Pass 1: GenerateMission.",
                  "Pass 1: InstallMission.", "Pass 1: UpdateColumnList.", "Pass 1: SetTgtNation.",
                  "Pass 1: DefineTerritory.", "Pass 1: UpdateFront.", "Mission Generated",
                  "After the passes: TargetInitialization.", "After the passes: DefineTerritory."));
  EXPECT_THAT(RunLogMessages(form),
              Contains("Mission installed: " + form.GameCampaignFolder + "tavrekmission.mis"));
  EXPECT_TRUE(FileExists(world.program_folder.Path() + kSampleMission));
  EXPECT_TRUE(form.InfoLabel.Caption.starts_with("Mission Generated  ["));
  EXPECT_GE(form.AxisPlayerRandomAltitude, 2000);
  EXPECT_LE(form.AxisPlayerRandomAltitude, 3999);
  EXPECT_GE(form.RandomTransitAltitude, 1500);
  EXPECT_LE(form.RandomTransitAltitude, 3999);
  // The player's squadron flies, and the player flies it.
  EXPECT_EQ(form.SquadronTable[0].SquadronActive, "Active True ");
  EXPECT_EQ(form.SquadronTable[0].SquadronAI, "AI False");
  // Nothing of the pass's snapshot is left once it is done.
  EXPECT_FALSE(DirectoryExists(world.program_folder.Path() + "pass_snapshot"));
}

struct PaceCase {
  const char* name;
  std::string pace;
  std::string new_campaign = "N";
  std::vector<std::string> passes;
};

void PrintTo(const PaceCase& c, std::ostream* os) {
  *os << c.name;
}

class PaceTest : public ::testing::TestWithParam<PaceCase> {};

TEST_P(PaceTest, PassesCountDownWithTheGroundWarBetweenThem) {
  const PaceCase& c = GetParam();
  TestWorld world;
  InstallSample(world);
  TMainForm& form = *world.form;
  form.TimeSettingsBox.Text = c.pace;
  form.NewCampaignFlag = c.new_campaign;
  MissionButtonClick(form);
  EXPECT_THAT(PassTrace(form), ElementsAreArray(c.passes));
  EXPECT_EQ(form.NewCampaignFlag, "N");
}

const std::vector<std::string> kOnePass{"Before the passes: GrandCampaign.", "Pass 1: CampPathChk.",
                                        "Pass 1: GenerateWays.",
                                        "After the passes: TargetInitialization."};

INSTANTIATE_TEST_SUITE_P(
    Paces, PaceTest,
    ::testing::Values(
        PaceCase{"ExtremelySlow", "Extremely Slow", "N", kOnePass},
        PaceCase{"VerySlow", "Very Slow", "N", kOnePass}, PaceCase{"Slow", "Slow", "N", kOnePass},
        PaceCase{"Normal", "Normal", "N", kOnePass},
        PaceCase{"Moderate",
                 "Moderate",
                 "N",
                 {"Before the passes: GrandCampaign.", "Pass 2: CampPathChk.",
                  "Pass 2: GenerateWays.", "After pass 2: ResolveGroundCombat.",
                  "After pass 2: BonusNPCMissions.", "Pass 1: CampPathChk.",
                  "Pass 1: GenerateWays.", "After the passes: TargetInitialization."}},
        PaceCase{
            "Fast",
            "Fast",
            "N",
            {"Before the passes: GrandCampaign.", "Pass 3: CampPathChk.", "Pass 3: GenerateWays.",
             "After pass 3: ResolveGroundCombat.", "After pass 3: BonusNPCMissions.",
             "Pass 2: CampPathChk.", "Pass 2: GenerateWays.", "After pass 2: ResolveGroundCombat.",
             "After pass 2: BonusNPCMissions.", "Pass 1: CampPathChk.", "Pass 1: GenerateWays.",
             "After the passes: TargetInitialization."}},
        PaceCase{"FastForTheFirstMissionOfANewCampaign", "Fast", "Y", kOnePass}),
    [](const ::testing::TestParamInfo<PaceCase>& info) { return std::string(info.param.name); });

TEST(Pipeline, APendingWarningGivesAMissionWithoutAPlanWhoseBriefingIsTheWarning) {
  TestWorld world;
  InstallSample(world);
  TMainForm& form = *world.form;
  form.TimeSettingsBox.Text = "Moderate";
  // The hot key's way in: the warning stays.
  form.ErrorWarning = "The Battle of Okinawa has ended.";
  BetweenMissionCompiler(form);
  EXPECT_THAT(PassTrace(form),
              ElementsAre("Pass 2: CampPathChk.", "After pass 2: ResolveGroundCombat.",
                          "After pass 2: BonusNPCMissions.", "Pass 1: CampPathChk.",
                          "After the passes: TargetInitialization."));
  EXPECT_THAT(RunLogMessages(form),
              Contains("ErrorWarning before MasterLog Check = The Battle of Okinawa has ended."));
  EXPECT_THAT(RunLogMessages(form), Contains("Pass 1: MasterLog."));
  EXPECT_THAT(
      world.program_folder.Read("game/Missions/Campaign/UM/Tavrek/tavrekmission.properties"),
      HasSubstr("Objective: The Battle of Okinawa has ended."));
}

TEST(Pipeline, GenerateMissionWithoutACampaignSaysSoAndDoesNothingElse) {
  TestWorld world;
  InstallSample(world);
  TMainForm& form = *world.form;
  form.CampaignFolder.clear();
  const std::string message = form.Messages.Text(MessageSection::kErrors, 11);
  ASSERT_FALSE(message.empty());
  try {
    MissionButtonClick(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_EQ(error.what(), message);
  }
  EXPECT_THAT(RunLogMessages(form), ElementsAre(message));
}

TEST(Pipeline, TheButtonAndTheMenuItemGenerateAndClearTheRunBefore) {
  for (bool use_menu : {false, true}) {
    TestWorld world;
    InstallSample(world);
    TMainForm& form = *world.form;
    form.ErrorWarning = "An old warning.";
    form.ErrorText = "[x] a line of an earlier run\r\n";
    if (use_menu) {
      form.GMMenu.UserClick();
    } else {
      form.MissionButton.UserClick();
    }
    EXPECT_THAT(RunLogMessages(form), Not(Contains("a line of an earlier run"))) << use_menu;
    EXPECT_THAT(PassTrace(form), Contains("Pass 1: GenerateWays.")) << use_menu;
    EXPECT_EQ(form.DayStep, 1) << use_menu;
  }
}

// The head of the career list that the game reads: the generator it starts is DGen.exe, which
// is the program here, and the sample's player flies for the Red side.
const std::vector<std::string> kCareerListHead = {"[Main]",
                                                  "ExecGenerator DGen.exe",
                                                  "Class il2.game.campaign.CampaignRed",
                                                  "awardsClass il2.game.campaign.AwardsRUfighter",
                                                  "",
                                                  "[list]"};

// The replaced career generator's mode: the campaign lives in the game's career folder,
// spelled here in lower case.
class CareerGeneratorTest : public ::testing::Test {
 protected:
  void Prepare(TestWorld& world) {
    InstallSample(world);
    TMainForm& form = *world.form;
    const std::string career = SampleGameFolder(world) + "Missions/Campaign/UM/dgen_okinawa/";
    fs::create_directories(career);
    fs::copy(SampleCampaignFolder(world), career, kCopyAll);
    form.CampaignFolder = career;
    form.AutoGeneration.Checked = form.DGENBoot.Checked = true;
    form.TimeSettingsBox.Text = "Fast";
  }
};

TEST_F(CareerGeneratorTest, WithoutArgumentsOnePassThatKeepsTheDateInTheCareerFolder) {
  TestWorld world;
  Prepare(world);
  TMainForm& form = *world.form;
  MissionButtonClick(form);
  EXPECT_EQ(form.DayStep, 0);
  EXPECT_THAT(PassTrace(form), ElementsAreArray(kOnePass));
  EXPECT_EQ(form.GameCampaignFolder, form.CampaignFolder);
  // A career folder without its list gets the list's head; the mission keeps the date and
  // ends the list without a line end.
  EXPECT_EQ(ReadFileBytes(form.CampaignFolder + "campaign.ini"),
            JoinLinesCrLf(kCareerListHead) + "tavrekmission.mis");
}

TEST_F(CareerGeneratorTest, StartedByTheGameThreePassesAndOneDatedMission) {
  TestWorld world({"tavrek", "xyz"});
  Prepare(world);
  TMainForm& form = *world.form;
  form.DayStep = 1;
  BetweenMissionCompiler(form);
  EXPECT_THAT(PassTrace(form), Contains("Pass 3: CampPathChk."));
  std::vector<std::string> list = kCareerListHead;
  list.push_back(
      std::to_string(form.CampaignYear * 10000 + form.CampaignMonth * 100 + form.CampaignDay) +
      "0.mis");
  list.push_back("tavrekmission.mis");
  EXPECT_EQ(ReadTextLines(form.CampaignFolder + "campaign.ini"), list);
}

struct ModeCase {
  const char* name;
  const char* campaign_folder;  // below the program folder
  bool career_generator_replaced;
  bool coop_generator_replaced;
  int error_line;
  const char* warning;
  // The game's generator that the program offers to replace (below the program folder), and
  // the question, answered No.
  const char* generator;
  const char* offer;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
  *os << c.name;
}

class ModeCheckTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeCheckTest, AnInteractiveRunOffersTheReplacementAndStopsBeforeAnyWrite) {
  const ModeCase& c = GetParam();
  TestWorld world;
  InstallSample(world);
  TMainForm& form = *world.form;
  const std::string folder = world.program_folder.Path() + c.campaign_folder;
  fs::create_directories(folder);
  fs::copy(SampleCampaignFolder(world), folder, kCopyAll);
  form.CampaignFolder = folder;
  form.AutoGeneration.Checked = form.DGENBoot.Checked = c.career_generator_replaced;
  form.NGenBoot.Checked = c.coop_generator_replaced;
  if (c.offer != nullptr) {
    world.program_folder.Write(c.generator, "the game's generator");
    world.dialogs->ExpectMessage(c.offer, ModalResult::kNo);
  }
  // The switch that was offered saves the settings; nothing else is written.
  const FileTree before =
      FilesBelow(world.program_folder.Path(), {"tavrekerror.txt", "tavrek.ini"});
  const std::string message = form.Messages.Text(MessageSection::kErrors, c.error_line);
  try {
    MissionButtonClick(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_EQ(error.what(), message);
  }
  // A declined switch ends with the description of the mode that stays; the warning then
  // reaches the user as the error.
  EXPECT_TRUE(form.DescLabel.Caption.starts_with(c.offer != nullptr ? "Mode: " : c.warning))
      << form.DescLabel.Caption;
  EXPECT_THAT(message, HasSubstr(c.warning));
  EXPECT_THAT(RunLogMessages(form), Contains(message));
  EXPECT_THAT(RunLogMessages(form), Not(Contains("Pass 1: LastBackup.")));
  EXPECT_EQ(FilesBelow(world.program_folder.Path(), {"tavrekerror.txt", "tavrek.ini"}), before);
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_EQ(world.dialogs->shown.size(), c.offer != nullptr ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModeCheckTest,
    ::testing::Values(
        ModeCase{"CareerFolderWithoutTheCareerGenerator", "game/Missions/Campaign/UM/DGen_Oki/",
                 false, false, 12, "Warning: The active campaign is for \"Full Auto-Generation",
                 "game/DGen.exe", "Use Tavrek as default campaign generator?"},
        ModeCase{"CoopFolderWithoutTheCoopGenerator", "game/Missions/Net/NGen/Tavrek_Oki/", false,
                 false, 13, "Warning: The active campaign is for \"Coop Campaign Mode\"",
                 "game/NGen.exe", "Use Tavrek as default coop campaign generator?"},
        ModeCase{"CareerGeneratorWithoutACareerFolder", "campaigns/Okinawa/", true, false, 14,
                 "Warning: A Career Mode Campaign must be selected", nullptr, nullptr}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

TEST(Pipeline, AGameStartedRunInACareerFolderGoesOnWithoutAsking) {
  TestWorld world({"tavrek", "xyz"});
  InstallSample(world);
  TMainForm& form = *world.form;
  const std::string folder = SampleGameFolder(world) + "Missions/Campaign/UM/DGen_Oki/";
  fs::create_directories(folder);
  fs::copy(SampleCampaignFolder(world), folder, kCopyAll);
  form.CampaignFolder = folder;
  form.DayStep = 1;
  BetweenMissionCompiler(form);
  EXPECT_THAT(PassTrace(form), Contains("Pass 1: GenerateWays."));
  EXPECT_TRUE(world.dialogs->shown.empty());
}

}  // namespace
