#include "campaign_data/settings_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/settings_lines.h"
#include "campaign_data/startup.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/first_run.h"
#include "tests/support/installed_program.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The file WriteIni must write with every default, for the world's program folder.
std::string GoldenDefaults(const TestWorld& world) {
  return Replaced(ReadFileBytes(FixturesFolder() + "settings/tavrek_defaults.ini"), "<PROGRAM>",
                  world.program_folder.Path());
}

std::vector<std::string> GoldenLines(const TestWorld& world) {
  return SplitTextLines(GoldenDefaults(world));
}

// A window as its creation leaves it just before the settings are read.
TMainForm& DefaultWindow(TestWorld& world, const std::vector<std::string>& arguments = {}) {
  InstallProgram(world, arguments);
  SetOptionDefaults(*world.form);
  return *world.form;
}

TEST(SettingsFile, StartUpWithoutAFileWritesTheDefaultsByteForByte) {
  TestWorld world;
  InstallProgram(world);
  // No game folder is known: the user is asked for the game and cancels, so the edition check
  // settles on the first edition.
  ExpectGameNotChosen(*world.dialogs);
  FormCreate(*world.form);
  EXPECT_EQ(world.program_folder.Read("tavrek.ini"),
            Replaced(GoldenDefaults(world), "\r\nGameID=\r\n", "\r\nGameID=IL2\r\n"));
  EXPECT_TRUE(DirectoryExists(ProgramFile(world, "Backup")));
  EXPECT_TRUE(world.dialogs->AllAnswered());
}

TEST(SettingsFile, EverySettingWrittenIsReadBack) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  form.CampaignFolder = world.program_folder.Path() + "Campaigns/Kuban/";
  form.FlightBox.Text = "Four";
  form.DeSchwarm.Text = "Three";
  form.RuSchwarm.Text = "One";
  form.BASchwarm.Text = "Two";
  form.SquadronDensity.Text = "Sparse";
  form.ColumnDensity.Text = "Heavy";
  form.SObjectD.Text = "None";
  form.GenSkillBox.Text = "Ace";
  form.ActionRadius.Text = "400 Kilometers";
  form.GAltitudeBox.Text = "Random";
  form.RAltitudeBox.Text = "3500 Meters";
  for (TMenuItem* item :
       {&form.MassedBombers, &form.CopyMission, &form.Coop, &form.AutoGeneration, &form.Primary,
        &form.Paras, &form.NoTransfers, &form.NormandyBase, &form.Death, &form.AirStarts,
        &form.SingleMapCampaign, &form.AircraftDowngrades, &form.LinkMax, &form.ShipSunk,
        &form.SquadronManagement, &form.FixedStartDates, &form.RandomNoseArt}) {
    item->Checked = true;
  }
  for (TMenuItem* item :
       {&form.FrontMovement, &form.DSTimes, &form.Briefing, &form.HistDates, &form.Tracking,
        &form.TankDG, &form.PalmTrees, &form.TrackPlayerRanks, &form.ActiveFront}) {
    item->Checked = false;
  }
  form.FBDActiveBox.Text = "Yes";
  form.RoFBox.Text = "20.0";
  form.LogFileDate = "2026/12/08 19:37:05";
  form.TransitAltBox.Text = "Random";
  form.TgtEgressAltBox.Text = "500 Meters";
  form.TgtAltBox.Text = "1000 Meters";
  form.TgtIngressAltBox.Text = "1500 Meters";
  form.IPAltBox.Text = "2000 Meters";
  form.TgtIngressOffsetBox.Text = "5000 Meters";
  form.IPOffsetBox.Text = "3000 Meters";
  form.TakeOffStepAltBox.Text = "150 Meters";
  form.TOCircle.Text = "No Types";
  form.IECoordinates.Text = "All Types Use";
  form.CruiseBox.Text = "450.00 kph";
  form.Language = "Polish";
  form.GameID = "1946";
  form.SupplyRate[1] = "2/Squadron/Day";
  form.SupplyRate[2] = "1/Squadron/Week";
  form.DataFilesFolder = world.program_folder.Path() + "ThirdParty/";
  form.DeShipSkillBox.Text = "Veteran";
  form.RuShipSkillBox.Text = "Ace";
  form.DDRoFBox.Text = "90.0";
  form.BridgeRepairTimeBox.Text = "Random";
  form.BornPlaceTrackBar.SetPosition(4500);
  form.TimeSettingsBox.Text = "Fast";
  form.ServerInfo.Text = "Welcome to the Kuban server";
  form.ServerActive = "True";
  form.BalanceBox.Text = "Axis Advantage";
  form.SCPlaneLimitBox.Text = "Yes";
  form.SCTimeLimitBox.Text = "90 Minutes";
  form.IngressBox.Text = "550.00 kph";
  form.StaticPlaneCountBox.Text = "No";
  form.VoteLevelBox.Text = "50";
  form.RadioBox.Text = "Player Squadron & Escorts";
  WriteIni(form);
  const std::vector<std::string> written = SettingsFileLines(form);

  TMainForm& reader = DefaultWindow(world);
  ReadIni(reader);
  EXPECT_EQ(SettingsFileLines(reader), written);
  EXPECT_EQ(reader.ActionRadiusKm, 400);
  EXPECT_EQ(reader.FlightsPerSquadron, 4);
  EXPECT_TRUE(reader.PolishSupport.Checked);
  EXPECT_FALSE(reader.EnglishSupport.Checked);
  EXPECT_TRUE(reader.ThirdPartyPathMenu.Checked);
}

TEST(SettingsFile, ItemsWithATrailingBlankKeepItInTheFileOnly) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  form.RoFBox.Text = "1.0 ";
  form.CruiseBox.Text = "400.00 kph ";
  WriteIni(form);
  const std::vector<std::string> saved = ReadTextLines(ProgramFile(world, "tavrek.ini"));
  EXPECT_EQ(saved[25], "ShipRoF=1.0 ");
  EXPECT_EQ(saved[47], "CruiseSpeed=400.00 kph ");
  TMainForm& reader = DefaultWindow(world);
  ReadIni(reader);
  EXPECT_EQ(reader.RoFBox.Text, "1.0");
  EXPECT_EQ(reader.CruiseBox.Text, "400.00 kph");
}

TEST(SettingsFile, AnOlderShorterFileKeepsTheDefaultsOfWhatItLacks) {
  TestWorld world;
  std::vector<std::string> lines = GoldenLines(world);
  lines.resize(14);
  lines[1] = "/campaigns/Kuban/";
  lines[3] = "Three";
  lines[11] = "100 Kilometers";
  WriteSettingsFile(world, lines);
  TMainForm& form = DefaultWindow(world);
  form.ServerInfo.Text = "left from before";
  ReadIni(form);

  EXPECT_EQ(form.CampaignFolder, "/campaigns/Kuban/");
  EXPECT_EQ(form.FlightBox.Text, "Three");
  EXPECT_EQ(form.FlightsPerSquadron, 3);
  EXPECT_EQ(form.ActionRadiusKm, 100);
  EXPECT_EQ(form.DataFilesFolder, world.program_folder.Path() + "Data\\");
  EXPECT_FALSE(form.ThirdPartyPathMenu.Checked);
  EXPECT_EQ(form.ServerInfo.Text, "");
  EXPECT_EQ(form.BornPlaceTrackBar.Position, 3000);
  EXPECT_THAT(
      RunLogMessages(form),
      Contains("tavrek.ini holds 14 of 79 lines; the settings it lacks keep their values."));
  // Everything after line 14 is as the window's creation set it.
  lines = GoldenLines(world);
  lines[1] = "/campaigns/Kuban/";
  lines[3] = "Three";
  lines[11] = "100 Kilometers";
  EXPECT_EQ(SettingsFileLines(form), lines);
}

TEST(SettingsFile, WithoutAFileTheDefaultsStand) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  form.ServerInfo.Text = "left from before";
  ReadIni(form);
  EXPECT_EQ(SettingsFileLines(form), GoldenLines(world));
  EXPECT_EQ(form.ServerInfo.Text, "");
  EXPECT_EQ(form.FlightsPerSquadron, 2);
  EXPECT_EQ(form.InfoLabel.Caption, "Read Tavrek.ini");
  EXPECT_TRUE(DirectoryExists(ProgramFile(world, "Backup")));
}

// One line of an otherwise default file, and what the read makes of it.
struct LineCase {
  const char* name;
  int line;
  std::string text;
  std::function<void(TMainForm&)> before;  // state in place before the read
  std::function<std::string(const TMainForm&)> setting;
  std::string expected;
};

void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name;
}

std::string OnOff(bool on) {
  return on ? "on" : "off";
}

class SettingsLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SettingsLineTest, ReadsAsExpected) {
  const LineCase& c = GetParam();
  TestWorld world;
  std::vector<std::string> lines = GoldenLines(world);
  lines[c.line - 1] = Replaced(c.text, "<PROGRAM>", world.program_folder.Path());
  WriteSettingsFile(world, lines);
  TMainForm& form = DefaultWindow(world);
  if (c.before) c.before(form);
  ReadIni(form);
  EXPECT_EQ(c.setting(form), Replaced(c.expected, "<PROGRAM>", world.program_folder.Path()));
}

const std::string kLongValue(150, 'x');

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsLineTest,
    ::testing::Values(
        LineCase{"WholeTestTakesExactlyKeyTrue", 15, "MassedBombers=True", nullptr,
                 [](const TMainForm& f) { return OnOff(f.MassedBombers.Checked); }, "on"},
        LineCase{"WholeTestRefusesATrailingBlank", 15, "MassedBombers=True ", nullptr,
                 [](const TMainForm& f) { return OnOff(f.MassedBombers.Checked); }, "off"},
        LineCase{"ContainsTestAcceptsTextBefore", 62, "xxShipSunk=True", nullptr,
                 [](const TMainForm& f) { return OnOff(f.ShipSunk.Checked); }, "on"},
        LineCase{"ValueGoesToItsPositionWhateverTheKey", 35, "Other=1000 Meters", nullptr,
                 [](const TMainForm& f) { return f.TransitAltBox.Text; }, "1000 Meters"},
        LineCase{"ValueIsCutTo99Characters", 35, "TransitAlt=" + kLongValue, nullptr,
                 [](const TMainForm& f) { return f.TransitAltBox.Text; }, kLongValue.substr(0, 99)},
        LineCase{"BareTextIsTrimmed", 8, "  Dense  ", nullptr,
                 [](const TMainForm& f) { return f.SquadronDensity.Text; }, "Dense"},
        LineCase{"VoteLevel75DoesNotSurvive", 77, "VoteLevel=75", nullptr,
                 [](const TMainForm& f) { return f.VoteLevelBox.Text; }, "100"},
        LineCase{"UnknownRadioBecomesCampaignDefault", 78, "Radio=Every Squadron", nullptr,
                 [](const TMainForm& f) { return f.RadioBox.Text; }, "Campaign Default"},
        LineCase{"LowerCaseYesCountsNoStaticPlanes", 76, "CountStaticPlanes=yes", nullptr,
                 [](const TMainForm& f) { return f.StaticPlaneCountBox.Text; }, "No"},
        LineCase{"FbdActiveTakesThreeCharacters", 20, "FBDActive=Yesss", nullptr,
                 [](const TMainForm& f) { return f.FBDActiveBox.Text; }, "Yes"},
        LineCase{"ServerToolLine", 28, "IL2SCUse=True", nullptr,
                 [](const TMainForm& f) { return f.SCUseBox.Text; }, "Yes"},
        LineCase{"SingleMapFalseNeverUnchecks", 52, "SingleMap=False",
                 [](TMainForm& f) { f.SingleMapCampaign.Checked = true; },
                 [](const TMainForm& f) { return OnOff(f.SingleMapCampaign.Checked); }, "on"},
        LineCase{"GeneratorReplacementComesOutUnchecked", 33, "DGEN_Replacement=True",
                 [](TMainForm& f) { f.DGENBoot.Checked = true; },
                 [](const TMainForm& f) { return OnOff(f.DGENBoot.Checked); }, "off"},
        LineCase{"ShipSkillWithoutItsKeyIsAverage", 60, "Skill=Ace", nullptr,
                 [](const TMainForm& f) { return f.DeShipSkillBox.Text; }, "Average"},
        LineCase{"DataFilesWithoutItsKeyIsTheStockFolder", 59, "Data=/elsewhere/", nullptr,
                 [](const TMainForm& f) {
                   return f.DataFilesFolder + " " + OnOff(f.ThirdPartyPathMenu.Checked);
                 },
                 "<PROGRAM>Data\\ off"},
        LineCase{"DataFilesElsewhereChecksThirdParty", 59, "DataFiles=/elsewhere/", nullptr,
                 [](const TMainForm& f) {
                   return f.DataFilesFolder + " " + OnOff(f.ThirdPartyPathMenu.Checked);
                 },
                 "/elsewhere/ on"},
        LineCase{"StockDataFolderInAnyCaseIsStock", 59, "DataFiles=<PROGRAM>data/",
                 [](TMainForm& f) { ForceDirectories(f.ProgramFolder + "data"); },
                 [](const TMainForm& f) { return OnOff(f.ThirdPartyPathMenu.Checked); }, "off"},
        LineCase{"LanguageChecksItsMenuItem", 49, "Language=German", nullptr,
                 [](const TMainForm& f) {
                   return f.Language + " " + OnOff(f.GermanSupport.Checked) + " " +
                          OnOff(f.EnglishSupport.Checked);
                 },
                 "German on off"},
        LineCase{"BornPlaceRadius", 66, "BornPlaceRadius=4500", nullptr,
                 [](const TMainForm& f) { return std::to_string(f.BornPlaceTrackBar.Position); },
                 "4500"},
        LineCase{"BornPlaceRadiusThatIsNoNumberIs3000", 66, "BornPlaceRadius=far",
                 [](TMainForm& f) { f.BornPlaceTrackBar.SetPosition(700); },
                 [](const TMainForm& f) { return std::to_string(f.BornPlaceTrackBar.Position); },
                 "3000"},
        LineCase{"ServerActiveOtherThanTrueIsFalse", 69, "ServerActive=yes", nullptr,
                 [](const TMainForm& f) { return f.ServerActive; }, "False"},
        LineCase{"SupplyRateLineTooShortIsSkipped", 54,
                 "Ru=", [](TMainForm& f) { f.SupplyRate[1] = "3/Squadron/Day"; },
                 [](const TMainForm& f) { return f.SupplyRate[1]; }, "3/Squadron/Day"},
        LineCase{"EmptyBridgeRepairTimeIsRepaired", 65, "BridgeRepairTime=", nullptr,
                 [](const TMainForm& f) { return f.BridgeRepairTimeBox.Text; }, "1 Mission"},
        LineCase{"EmptyProgramFolderLineKeepsTheFolder", 1, "", nullptr,
                 [](const TMainForm& f) { return f.ProgramFolder; }, "<PROGRAM>"},
        // A relative text would send every file the program writes to the working folder.
        LineCase{"ProgramFolderLineOfAnOptionKeepsTheFolder", 1, "Default", nullptr,
                 [](const TMainForm& f) { return f.ProgramFolder; }, "<PROGRAM>"},
        LineCase{"RelativeProgramFolderLineKeepsTheFolder", 1, "data/", nullptr,
                 [](const TMainForm& f) { return f.ProgramFolder; }, "<PROGRAM>"},
        LineCase{"MissingProgramFolderKeepsTheFolder", 1, "<PROGRAM>gone/", nullptr,
                 [](const TMainForm& f) { return f.ProgramFolder; }, "<PROGRAM>"},
        LineCase{"ProgramFolderLineThatIsNoFolderKeepsTheFolder", 1, "[]", nullptr,
                 [](const TMainForm& f) { return f.ProgramFolder; }, "<PROGRAM>"},
        LineCase{"ExistingProgramFolderLineIsTaken", 1, "<PROGRAM>data/",
                 [](TMainForm& f) { ForceDirectories(f.ProgramFolder + "data"); },
                 [](const TMainForm& f) { return f.ProgramFolder; }, "<PROGRAM>data/"},
        LineCase{"ProgramFolderWithoutItsLastSeparatorGainsIt", 1, "<PROGRAM>Backup",
                 [](TMainForm& f) { ForceDirectories(f.ProgramFolder + "Backup"); },
                 [](const TMainForm& f) { return f.ProgramFolder; }, "<PROGRAM>Backup\\"},
        LineCase{"GameFolderLineOfAnOptionLeavesItUnknown", 3, "250 Kilometers", nullptr,
                 [](const TMainForm& f) { return f.GameFolder; }, ""},
        LineCase{"MissingGameFolderLeavesItUnknown", 3, "<PROGRAM>game/", nullptr,
                 [](const TMainForm& f) { return f.GameFolder; }, ""},
        LineCase{"GameFolderThatExistsIsTaken", 3, "<PROGRAM>Backup/",
                 [](TMainForm& f) { ForceDirectories(f.ProgramFolder + "Backup"); },
                 [](const TMainForm& f) { return f.GameFolder; }, "<PROGRAM>Backup/"}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(SettingsFile, ARepairedLineIsSavedDuringTheRead) {
  TestWorld world;
  std::vector<std::string> lines = GoldenLines(world);
  lines[64] = "BridgeRepairTime=Never";
  WriteSettingsFile(world, lines);
  ReadIni(DefaultWindow(world));
  EXPECT_EQ(world.program_folder.Read("tavrek.ini"), GoldenDefaults(world));
}

TEST(SettingsFile, AServerToolForcesTheDogfightModeAndTheMissionCopy) {
  TestWorld world;
  std::vector<std::string> lines = GoldenLines(world);
  lines[27] = "IL2SCUse=True";
  lines[68] = "ServerActive=True";
  WriteSettingsFile(world, lines);
  TMainForm& form = DefaultWindow(world);
  ReadIni(form);
  EXPECT_TRUE(form.Dogfight.Checked);
  EXPECT_TRUE(form.CopyMission.Checked);
  EXPECT_FALSE(form.Dogfight.Enabled);
  EXPECT_FALSE(form.CopyMission.Enabled);
  const std::vector<std::string> saved = ReadTextLines(ProgramFile(world, "tavrek.ini"));
  EXPECT_EQ(saved[16], "CopyMission=True");
  EXPECT_EQ(saved[17], "Dogfight=True");
}

TEST(SettingsFile, ALine12WithoutAnActionRadiusIsLoggedAndTheReadGoesOn) {
  TestWorld world;
  std::vector<std::string> lines = GoldenLines(world);
  lines[11] = "far away";
  lines[12] = "Random";
  lines[78] = "RandomNoseArt=True";
  WriteSettingsFile(world, lines);
  TMainForm& form = DefaultWindow(world);
  form.ActionRadius.Text = "500 Kilometers";
  form.ActionRadiusKm = 500;
  ReadIni(form);
  EXPECT_EQ(form.ActionRadius.Text, "500 Kilometers");
  EXPECT_EQ(form.ActionRadiusKm, 500);
  EXPECT_EQ(form.GAltitudeBox.Text, "Random");
  EXPECT_TRUE(form.RandomNoseArt.Checked);
  EXPECT_THAT(RunLogMessages(form),
              Contains("tavrek.ini line 12: \"far away\" is no action radius; it stays 500 "
                       "Kilometers."));
}

TEST(SettingsFile, BinaryGarbageLoadsWithoutHarm) {
  TestWorld world;
  std::string garbage;
  for (int i = 0; i < 4000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
  world.program_folder.Write("tavrek.ini", garbage);
  TMainForm& form = DefaultWindow(world);
  ReadIni(form);
  EXPECT_FALSE(form.DataFilesFolder.empty());
  EXPECT_THAT(RunLogMessages(form), Contains(HasSubstr("is not text; it is ignored.")));
  EXPECT_EQ(form.ProgramFolder, world.program_folder.Path());
  world.dialogs->ExpectMessage("tavrek.ini was not read whole", ModalResult::kOk);
  WriteIni(form);
  EXPECT_EQ(ReadTextLines(ProgramFile(world, "tavrek.ini")).size(), 79u);
  EXPECT_EQ(world.program_folder.Read("tavrek.ini.damaged"), garbage);
}

TEST(SettingsFile, HugeLinesAreTakenAsTheLayoutSays) {
  TestWorld world;
  const std::string huge(2'000'000, 'w');
  std::vector<std::string> lines = GoldenLines(world);
  lines[3] = huge;                   // a bare option text: the whole line
  lines[25] = "ShipRoF=" + huge;     // a value: 99 characters
  lines[11] = huge + " Kilometers";  // no whole number
  WriteSettingsFile(world, lines);
  TMainForm& form = DefaultWindow(world);
  ReadIni(form);
  EXPECT_EQ(form.FlightBox.Text.size(), huge.size());
  EXPECT_EQ(form.FlightsPerSquadron, 2);
  EXPECT_EQ(form.RoFBox.Text, huge.substr(0, 99));
  EXPECT_EQ(form.ActionRadiusKm, 250);
  EXPECT_THAT(RunLogMessages(form), Contains(HasSubstr("tavrek.ini line 12: \"wwww")));
}

TEST(SettingsFile, AnEmptyLogFileDateIsSavedAsNone) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  WriteIni(form);
  EXPECT_EQ(form.LogFileDate, "None");
  EXPECT_EQ(ReadTextLines(ProgramFile(world, "tavrek.ini"))[28], "LogFileDate=None");
}

TEST(SettingsFile, TheGameFolderGetsACopyOnlyWhenItIsKnown) {
  for (const std::string game : {"", "/", "game/"}) {
    TestWorld world;
    TMainForm& form = DefaultWindow(world);
    const std::string game_folder = game.size() > 1 ? world.program_folder.Path() + game : game;
    if (game.size() > 1) ForceDirectories(game_folder);
    form.GameFolder = game_folder;
    WriteIni(form);
    const std::string master = world.program_folder.Read("tavrek.ini");
    EXPECT_EQ(SplitTextLines(master).size(), 79u);
    EXPECT_EQ(FileExists(game_folder + "tavrek.ini"), game.size() > 1) << "game folder " << game;
    if (game.size() > 1) {
      EXPECT_EQ(ReadFileBytes(game_folder + "tavrek.ini"), master);
    }
  }
}

TEST(SettingsFile, AnInteractiveSaveAsksThreeTimesForTheProgramFolderThenStops) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  const TempFolder elsewhere;
  form.ProgramFolder = elsewhere.Path();
  world.dialogs->ExpectOpenFile("Select Tavrek Program", std::nullopt);
  world.dialogs->ExpectOpenFile("Select Tavrek Program", elsewhere.Path() + "other.exe");
  world.dialogs->ExpectOpenFile("Select Tavrek Program", std::nullopt);
  EXPECT_THROW(WriteIni(form), ProgramError);
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_FALSE(form.GMMenu.Enabled);
  EXPECT_FALSE(FileExists(elsewhere.Path() + "tavrek.ini"));
  EXPECT_FALSE(form.ProgramFolderDialogOpen);
}

TEST(SettingsFile, TheProgramFolderChosenInTheDialogIsSavedOnce) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  const TempFolder elsewhere;
  form.ProgramFolder = elsewhere.Path();
  world.dialogs->ExpectOpenFile("Select Tavrek Program", ProgramFile(world, "tavrek"));
  WriteIni(form);
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_EQ(form.ProgramFolder, world.program_folder.Path());
  EXPECT_EQ(ReadTextLines(ProgramFile(world, "tavrek.ini"))[0], world.program_folder.Path());
}

TEST(SettingsFile, ACommandLineSaveNeverAsks) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world, {"netupdate"});
  const TempFolder elsewhere;
  form.ProgramFolder = elsewhere.Path();
  WriteIni(form);
  EXPECT_TRUE(world.dialogs->shown.empty());
  EXPECT_TRUE(FileExists(elsewhere.Path() + "tavrek.ini"));
}

TEST(SettingsFile, AFileThatCannotBeWrittenIsLoggedAndLeftWhole) {
  for (const bool command_line : {false, true}) {
    TestWorld world;
    TMainForm& form = command_line ? DefaultWindow(world, {"xyz"}) : DefaultWindow(world);
    // A folder in the file's place: the file can be neither created nor replaced.
    ForceDirectories(ProgramFile(world, "tavrek.ini"));
    const std::string game_folder = world.program_folder.Path() + "game/";
    ForceDirectories(game_folder);
    form.GameFolder = game_folder;
    if (command_line) {
      WriteIni(form);
      EXPECT_TRUE(form.Application.Failed());
      EXPECT_TRUE(form.Application.Terminated());
    } else {
      EXPECT_THROW(WriteIni(form), FileError);
      EXPECT_FALSE(form.Application.Terminated());
    }
    EXPECT_THAT(RunLogMessages(form),
                Contains(HasSubstr("Settings could not be saved: Cannot write file: ")));
    EXPECT_FALSE(FileExists(game_folder + "tavrek.ini"));
    EXPECT_TRUE(ListDirectory(world.program_folder.Path(), "*.tmp*", EntryKind::kAll).empty());
  }
}

TEST(SettingsFile, ChoosingACampaignStartsTheProgramAgainOnIt) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  WriteIni(form);
  const std::string campaign = world.program_folder.Path() + "Kuban/";
  InstallSampleCampaignAt(world, campaign);
  form.GameCampaignFolder = "old career";
  form.GMMenu.Enabled = false;
  form.LastSquadron = 12;
  world.dialogs->ExpectOpenFile("Locate Tavrek Campaign Squadron File",
                                campaign + "squadrons.tavrek");
  // The new start still finds no game.
  ExpectGameNotChosen(*world.dialogs);
  form.SelectCampPath.UserClick();
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_EQ(form.SetCampPath.InitialDir, world.program_folder.Path());
  EXPECT_EQ(form.CampaignFolder, campaign);
  EXPECT_TRUE(DirectoryExists(campaign));
  EXPECT_EQ(form.GameCampaignFolder, "");
  EXPECT_TRUE(form.GMMenu.Enabled);
  EXPECT_EQ(ReadTextLines(ProgramFile(world, "tavrek.ini"))[1], campaign);
  // Start-up ran again on the new campaign.
  EXPECT_THAT(RunLogMessages(form), Contains("Tavrek.ini processed."));
  EXPECT_THAT(RunLogMessages(form), Contains("Initialize Campaign."));
  EXPECT_EQ(form.LastSquadron, -1);
}

TEST(SettingsFile, CancellingTheCampaignDialogStillMarksTheTablesNotLoaded) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  form.CampaignFolder = "/campaigns/Kuban/";
  form.LastLocation = form.LastStationary = form.LastColumn = form.LastSquadron = 5;
  world.dialogs->ExpectOpenFile("Locate Tavrek Campaign Squadron File", std::nullopt);
  form.CampButton.UserClick();
  EXPECT_EQ(form.CampaignFolder, "/campaigns/Kuban/");
  EXPECT_EQ(form.InfoLabel.Caption, "Select Tavrek Campaign");
  EXPECT_EQ(form.LastLocation, -1);
  EXPECT_EQ(form.LastStationary, -1);
  EXPECT_EQ(form.LastColumn, -1);
  EXPECT_EQ(form.LastSquadron, -1);
}

TEST(SettingsFile, TheThirdPartyDataFolderIsSwitchedOnAndOff) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  form.DataFilesFolder = world.program_folder.Path() + "Data\\";
  const std::string third_party = world.program_folder.Path() + "Grand/";
  world.dialogs->ExpectOpenFile("Optional Third Party Campaigns Data Folder",
                                third_party + "allcampaigns.tavrek");
  form.ThirdPartyPathMenu.UserClick();
  EXPECT_TRUE(form.ThirdPartyPathMenu.Checked);
  EXPECT_EQ(form.DataFilesFolder, third_party);
  EXPECT_EQ(form.InfoLabel.Caption, "Optional Third Party Grand Campaign Data Folder");
  EXPECT_THAT(form.DescLabel.Caption, HasSubstr("uncheck the Third Party option."));
  EXPECT_EQ(ReadTextLines(ProgramFile(world, "tavrek.ini"))[58], "DataFiles=" + third_party);

  form.ThirdPartyPathMenu.UserClick();
  EXPECT_FALSE(form.ThirdPartyPathMenu.Checked);
  EXPECT_EQ(form.DataFilesFolder, world.program_folder.Path() + "Data\\");
  EXPECT_EQ(form.InfoLabel.Caption, "Stock Grand Campaign Data Folder");
  EXPECT_EQ(form.DescLabel.Caption, "");
  EXPECT_EQ(ReadTextLines(ProgramFile(world, "tavrek.ini"))[58],
            "DataFiles=" + world.program_folder.Path() + "Data\\");
  EXPECT_TRUE(world.dialogs->AllAnswered());
}

TEST(SettingsFile, PickingTheStockDataFolderLeavesThirdPartyOff) {
  TestWorld world;
  TMainForm& form = DefaultWindow(world);
  ForceDirectories(world.program_folder.Path() + "data");
  world.dialogs->ExpectOpenFile("Optional Third Party Campaigns Data Folder",
                                world.program_folder.Path() + "data/allcampaigns.tavrek");
  form.ThirdPartyPathMenu.UserClick();
  EXPECT_FALSE(form.ThirdPartyPathMenu.Checked);
  EXPECT_EQ(form.InfoLabel.Caption, "Stock Grand Campaign Data Folder");
}

}  // namespace
