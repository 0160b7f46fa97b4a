// The career files the program keeps in the game's career folder: campaign.ini in its three
// forms, info.properties, info.mis, the date carried into conf.dat and campaign.ini, the
// player's squadron in conf.dat and the mission status.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_setup/career_file_texts.h"
#include "campaign_setup/career_files.h"
#include "mission_results/pilot_roster_table.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/file_tree.h"
#include "tests/support/golden_file.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The program folder of a test read as one fixed folder, so goldens hold on any machine.
std::string WithFixedProgramFolder(std::string text, const std::string& program_folder) {
  for (size_t at = text.find(program_folder); at != std::string::npos;
       at = text.find(program_folder, at)) {
    text.replace(at, program_folder.size(), "C:\\Tavrek\\");
  }
  return text;
}

class CareerFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.Write("Missions/Campaign/UM/rank.properties", "");
    game.Write("Missions/Single/readme.txt", "");
    form.GameFolder = game.Path();
    form.CampaignFolder = world.program_folder.Path() + "campaign/";
    ASSERT_TRUE(ForceDirectories(form.CampaignFolder));
    SquadronEntry& player = form.SquadronTable[0];
    player.SquadronName = "USMC_VMF_3110";
    player.SquadronNation = "um";
    player.SquadronArmy = "2";
    player.SquadronFullName = "VMF-311";
    player.TypeDescription = "F4U-1C Corsair";
    player.SquadronClass = "Class air.F4U1C";
    form.LastSquadron = 0;
    form.BattleName = "Okinawa45";
    form.MapName = "Okinawa";
    form.CampaignYear = 1945;
    form.CampaignMonth = 4;
    form.CampaignDay = 6;
    form.FrontCenterName = "Futema";
    form.TimeSettingsBox.Text = "Normal";
    form.MissionTime = "0";
  }

  std::string CareerFolder() const { return game.Path() + "Missions/Campaign/UM/Tavrek/"; }
  std::string CareerFile(const std::string& name) const {
    return WithFixedProgramFolder(ReadFileBytes(CareerFolder() + name),
                                  world.program_folder.Path());
  }
  void SetDateBoxes(const std::string& day, const std::string& month, const std::string& year) {
    form.DayBox.Text = day;
    form.MonthBox.Text = month;
    form.YearBox.Text = year;
  }

  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder game;
};

struct ListCase {
  const char* name;
  bool auto_generation;
  bool generator_replaced;
  const char* army;
  const char* golden;
  bool note;
};

class CampaignIniForms : public CareerFilesTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(CampaignIniForms, WritesTheFormOfTheModeAndTheInfoFiles) {
  const ListCase& c = GetParam();
  form.AutoGeneration.Checked = c.auto_generation;
  form.DGENBoot.Checked = c.generator_replaced;
  form.SquadronTable[0].SquadronArmy = c.army;
  form.GameCampaignFolder = CareerFolder();
  SetUpCampIni(form);
  EXPECT_TRUE(MatchesGolden(CareerFile("campaign.ini"), std::string("career_files/") + c.golden));
  EXPECT_TRUE(MatchesGolden(CareerFile("info.properties"),
                            c.note ? "career_files/info_with_note.properties"
                                   : "career_files/info_without_note.properties"));
  EXPECT_TRUE(MatchesGolden(CareerFile("info.mis"), "career_files/info.mis"));
  EXPECT_TRUE(DirectoryExists(game.Path() + "Missions/Single/UM/Tavrek"));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CampaignIniForms,
    ::testing::Values(ListCase{"ManualAllied", false, false, "1", "plain_red.ini", true},
                      // The generator replaced but the career mode off: still the plain form.
                      ListCase{"ManualReplacedAxis", false, true, "2", "plain_blue.ini", true},
                      ListCase{"ProgramAxis", true, false, "2", "program_blue.ini", true},
                      ListCase{"GeneratorOtherArmy", true, true, "3", "generator_none.ini", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CareerFilesTest, TheManualCareerLiesInTheNationsFolderOfTheGame) {
  form.GameCampaignFolder = game.Path() + "elsewhere/";
  SetUpCampIni(form);
  EXPECT_EQ(form.GameCampaignFolder, game.Path() + "Missions\\Campaign\\UM\\Tavrek\\");
  EXPECT_TRUE(FileExists(CareerFolder() + "campaign.ini"));
  EXPECT_FALSE(DirectoryExists(game.Path() + "elsewhere"));
}

TEST_F(CareerFilesTest, AServiceTheGameLacksIsRefusedAndNothingIsWritten) {
  form.SquadronTable[0].SquadronName = "JG54_I0";
  form.SquadronTable[0].SquadronNation = "de";
  const FileTree before = FilesBelow(game.Path());
  EXPECT_THROW(SetUpCampIni(form), ProgramError);
  EXPECT_EQ(form.InfoLabel.Caption, "Unknown Nationality");
  EXPECT_THAT(form.DescLabel.Caption, HasSubstr("not active in game"));
  EXPECT_THAT(ChangedPaths(before, FilesBelow(game.Path())), IsEmpty());
}

TEST_F(CareerFilesTest, TheOnLineModesWriteNoCareerFiles) {
  for (TMenuItem* mode : {&form.Coop, &form.Dogfight}) {
    form.Coop.Checked = false;
    form.Dogfight.Checked = false;
    mode->Checked = true;
    form.GameCampaignFolder = CareerFolder();
    SetUpCampIni(form);
    EXPECT_FALSE(DirectoryExists(CareerFolder())) << mode->Name();
  }
}

// A career conf.dat and campaign.ini on 1 September 1941, in the generator's own form.
class DateChangeTest : public CareerFilesTest {
 protected:
  void SetUp() override {
    CareerFilesTest::SetUp();
    form.CampaignDay = 1;
    form.CampaignMonth = 9;
    form.CampaignYear = 1941;
    form.GameCampaignFolder = CareerFolder();
    game.Write("Missions/Campaign/UM/Tavrek/conf.dat", kConf);
    game.Write("Missions/Campaign/UM/Tavrek/campaign.ini", kList);
  }
  static constexpr const char* kConf =
      "Hale,John,Ohio,1918\r\nUSMC_VMF_311\r\ndir=Missions\\Campaign\\UM\\Tavrek\\\r\n4\r\n5\r\n"
      "Okinawa F4U1C\r\n  19410901.mis\r\n  194109011.mis\r\n19410901.mis\r\n";
  static constexpr const char* kList =
      "[Main]\r\nExecGenerator DGen.exe\r\n\r\n[list]\r\n19410831.mis\r\n19410901.mis\r\n"
      "tavrekmission.mis";
};

TEST_F(DateChangeTest, RenamesTheDatedMissionLinesAndTakesTheDate) {
  SetDateBoxes("03", "09", "1941");
  UpdateCampaign(form);
  EXPECT_EQ(ReadFileBytes(CareerFolder() + "conf.dat"),
            "Hale,John,Ohio,1918\r\nUSMC_VMF_311\r\ndir=Missions\\Campaign\\UM\\Tavrek\\\r\n4\r\n5"
            "\r\nOkinawa F4U1C\r\n  19410903.mis\r\n  194109011.mis\r\n19410901.mis\r\n");
  EXPECT_EQ(ReadFileBytes(CareerFolder() + "campaign.ini"),
            "[Main]\r\nExecGenerator DGen.exe\r\n\r\n[list]\r\n19410831.mis\r\n19410903.mis\r\n"
            "tavrekmission.mis");
  EXPECT_EQ(form.CampaignDateText, "03/09/1941");
  EXPECT_EQ(form.CampaignDay, 3);
  EXPECT_EQ(form.CampaignMonth, 9);
}

TEST_F(DateChangeTest, ASlowPaceNamesTheMissionOfTheDay) {
  form.TimeSettingsBox.Text = "Very Slow";
  form.MissionTime = "1";
  SetDateBoxes("02", "09", "1941");
  UpdateCampaign(form);
  EXPECT_THAT(ReadTextLines(CareerFolder() + "conf.dat"), ::testing::Contains("  194109021.mis"));
  EXPECT_THAT(ReadTextLines(CareerFolder() + "conf.dat"), ::testing::Contains("  19410901.mis"));
}

struct RefusedChange {
  const char* name;
  const char* conf;  // nullptr: as the fixture wrote it
  const char* list;
  const char* front;
  const char* day;
  const char* error_part;
};

class RefusedDateChange : public DateChangeTest,
                          public ::testing::WithParamInterface<RefusedChange> {};

TEST_P(RefusedDateChange, LeavesTheGamesFilesAndTheDateAsTheyWere) {
  const RefusedChange& c = GetParam();
  if (c.conf != nullptr) game.Write("Missions/Campaign/UM/Tavrek/conf.dat", c.conf);
  if (c.list != nullptr) game.Write("Missions/Campaign/UM/Tavrek/campaign.ini", c.list);
  form.FrontCenterName = c.front;
  SetDateBoxes(c.day, "09", "1941");
  const FileTree before = FilesBelow(game.Path());
  try {
    UpdateCampaign(form);
    ADD_FAILURE() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_THAT(error.what(), HasSubstr(c.error_part));
  }
  EXPECT_THAT(ChangedPaths(before, FilesBelow(game.Path())), IsEmpty());
  EXPECT_EQ(form.CampaignDay, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedDateChange,
    ::testing::Values(
        RefusedChange{"FrontLost", nullptr, nullptr, "Ab", "03", "The Front has been lost."},
        RefusedChange{"DayNoNumber", nullptr, nullptr, "Futema", "3", "is no campaign date"},
        RefusedChange{"GarbageList", nullptr, "[Main]\r\n\x01\x02\x7f[list]\r\n", "Futema", "03",
                      "holds no text"},
        RefusedChange{"TruncatedList", nullptr, "[Main]\r\nExecGenerator DG", "Futema", "03",
                      "[list] section is missing"},
        RefusedChange{"ListWithoutMain", nullptr, "19410901.mis\r\n[list]\r\n", "Futema", "03",
                      "[Main] section is missing"},
        RefusedChange{"TruncatedConf", "Hale,John\r\nUSMC_VMF_311\r\n  19410901.mis\r\n", nullptr,
                      "Futema", "03", "of its six lines"},
        RefusedChange{"ConfWithoutDir", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n  19410901.mis\r\n", nullptr,
                      "Futema", "03", "\"dir=\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DateChangeTest, ACoopConfDatIsRenamedToo) {
  game.Write("Missions/Campaign/UM/Tavrek/conf.dat",
             "[$select]\r\n1\r\n[$missions]\r\n  19410901.mis\r\n[$locale]\r\nName\r\n");
  SetDateBoxes("04", "09", "1941");
  UpdateCampaign(form);
  EXPECT_EQ(ReadFileBytes(CareerFolder() + "conf.dat"),
            "[$select]\r\n1\r\n[$missions]\r\n  19410904.mis\r\n[$locale]\r\nName\r\n");
}

class ConfDatSquadronTest : public DateChangeTest {
 protected:
  void SetUp() override {
    DateChangeTest::SetUp();
    form.AutoGeneration.Checked = true;
    form.DGENBoot.Checked = true;
    form.SquadronTable[0].SquadronName = "USMC_VMF_1230";
  }
};

TEST_F(ConfDatSquadronTest, PutsThePlayersSquadronIntoTheSecondLineAndKeepsTheRest) {
  UpdateConfDat(form);
  EXPECT_EQ(ReadFileBytes(CareerFolder() + "conf.dat"),
            "Hale,John,Ohio,1918\r\nUSMC_VMF_123\r\ndir=Missions\\Campaign\\UM\\Tavrek\\\r\n4\r\n5"
            "\r\nOkinawa F4U1C\r\n  19410901.mis\r\n  194109011.mis\r\n19410901.mis\r\n");
}

TEST_F(ConfDatSquadronTest, OutsideTheReplacedCareerTheFileStays) {
  form.DGENBoot.Checked = false;
  UpdateConfDat(form);
  EXPECT_EQ(ReadFileBytes(CareerFolder() + "conf.dat"), kConf);
}

TEST_F(ConfDatSquadronTest, ADamagedConfDatIsReportedAndStays) {
  const std::string damaged_texts[] = {
      "", "Hale\r\nUSMC_VMF_311\r\ndir=x\r\n",
      std::string("\x00\x01\x02garbage\r\n\r\n\r\n\r\n\r\n\r\n", 22)};
  for (const std::string& damaged : damaged_texts) {
    game.Write("Missions/Campaign/UM/Tavrek/conf.dat", damaged);
    EXPECT_THROW(UpdateConfDat(form), ProgramError) << Excerpt(damaged);
    EXPECT_EQ(ReadFileBytes(CareerFolder() + "conf.dat"), damaged);
  }
}

class MissionStatusTest : public CareerFilesTest {
 protected:
  void SetUp() override {
    CareerFilesTest::SetUp();
    form.GameCampaignFolder = CareerFolder();
    ASSERT_TRUE(ForceDirectories(CareerFolder()));
    form.CampaignYear = 1941;
    form.CampaignMonth = 8;
    form.CampaignDay = 15;
    form.PlayerStatusLine = "Hale,John,Ohio,1918";
    form.LastSquadron = 2;
    const char* names[] = {"USMC_VMF_3110", "USN_VF_830", "JA_Sentai_250"};
    const char* types[] = {"Class air.F4U1C", "Class air.F6F5 ", "Class air.Ki_84_Ia"};
    for (int s = 0; s < 3; ++s) {
      form.SquadronTable[s].SquadronName = names[s];
      form.SquadronTable[s].SquadronClass = types[s];
      form.SquadronTable[s].SquadronArmy = s == 2 ? "2" : "1";
    }
    form.PilotRoster[RosterIndex(0, 0)].RosterName = "John Hale";
    form.PilotRoster[RosterIndex(0, 5)].RosterName = "Boyington";
    form.PilotRoster[RosterIndex(2, 15)].RosterName = "Saburo  Sakai Jr ";
  }
  std::vector<std::string> StatusLines() const {
    return ReadTextLines(CareerFolder() + "status.dat");
  }
};

TEST_F(MissionStatusTest, WritesTheHeaderAndSixteenRowsPerSquadron) {
  MissionStatus(form);
  EXPECT_TRUE(
      MatchesGolden(ReadFileBytes(CareerFolder() + "status.dat"), "career_files/status.dat"));
  const std::vector<std::string> lines = StatusLines();
  ASSERT_EQ(lines.size(), 9u + 48u);
  EXPECT_EQ(lines[0], "19410815");
  EXPECT_EQ(lines[2], "19410815.mis");
  EXPECT_EQ(lines[9], "1 USMC_VMF_311000 F4U1C Hale,John");
  EXPECT_EQ(lines[14], "1 USMC_VMF_311011 F4U1C Boyington,");
  EXPECT_EQ(lines[56], "2 JA_Sentai_25033 Ki_84_Ia Sakai Jr,Saburo");
}

TEST_F(MissionStatusTest, ASlowPaceKeepsTheMissionOfTheDayInTheName) {
  form.TimeSettingsBox.Text = "Slow";
  form.MissionTime = "2";
  MissionStatus(form);
  const std::vector<std::string> lines = StatusLines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "194108152");
  EXPECT_EQ(lines[2], "194108152.mis");
}

TEST(CareerFileTexts, NamesSplitAtTheFirstBlank) {
  EXPECT_EQ(SplitPilotName("John Hale").last, "Hale");
  EXPECT_EQ(SplitPilotName("John Hale").first, "John");
  EXPECT_EQ(SplitPilotName("Boyington").last, "Boyington");
  EXPECT_EQ(SplitPilotName("Boyington").first, "");
  EXPECT_EQ(SplitPilotName("").last, "");
}

TEST(CareerFileTexts, RenamesOnlyWholeLines) {
  int changed = 0;
  EXPECT_EQ(RenameWholeLines("a.mis\nxa.mis\r\na.mis", "a.mis", "b.mis", changed),
            "b.mis\nxa.mis\r\nb.mis");
  EXPECT_EQ(changed, 2);
  EXPECT_EQ(ReplaceLine("one\r\ntwo\r\nthree", 1, "2"), "one\r\n2\r\nthree");
  EXPECT_EQ(ReplaceLine("one\r\n", 3, "2"), "one\r\n");
}

}  // namespace
