#include "campaign_data/campaign_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/game_campaign_folder.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/campaign_data/campaign_tables_fixture.h"
#include "tests/support/campaign_world.h"
#include "tests/support/test_world.h"

namespace {

std::string Fixture(const std::string& name) {
  return ReadFileBytes(FixturesFolder() + "tables1/" + name);
}

// A freshly started program with a campaign folder; the record holds the start-up values.
struct RecordWorld : CampaignWorld {
  explicit RecordWorld(std::vector<std::string> command_line = {"tavrek"})
      : CampaignWorld(std::move(command_line)) {
    campaign_tables::WriteProgramData(world);
  }
  void WriteCampaign(const std::string& content) const {
    campaign.Write("campaign.tavrek", content);
  }
  std::string CampaignFile() const { return campaign.Read("campaign.tavrek"); }
};

TEST(CampaignInfo, LoadAndSaveLeaveTheFileAsItWas) {
  RecordWorld campaign;
  const std::string original = Fixture("campaign_round_trip.tavrek");
  campaign.WriteCampaign(original);

  CampaignInfo(campaign.form);
  UpDateCampaignInfo(campaign.form);

  EXPECT_EQ(campaign.CampaignFile(), original);
  EXPECT_EQ(campaign.form.InfoLabel.Caption, "Campaign Preferences Saved");
  EXPECT_TRUE(campaign.Logged("Campaign Preferences Saved."));
}

TEST(CampaignInfo, ReadsTheRecordAndDerivesTheDate) {
  RecordWorld campaign;
  campaign.WriteCampaign(Fixture("campaign_round_trip.tavrek"));

  CampaignInfo(campaign.form);

  const TMainForm& form = campaign.form;
  EXPECT_EQ(form.RuDestroyTrigger, "Tiger");
  EXPECT_EQ(form.RuDestroyCount, 25);
  EXPECT_EQ(form.CampaignDataFolder, "C:\\Tavrek\\Data\\Kursk\\");
  EXPECT_EQ(form.MissionRadio.ItemIndex, 5);
  EXPECT_EQ(form.BugOutRadius, 15);
  EXPECT_EQ(form.ReconCount[1], 40);
  EXPECT_EQ(form.ReconCount[2], 30);
  EXPECT_EQ(form.CurrentConditions, 2);
  EXPECT_EQ(form.CampaignDay, 5);
  EXPECT_EQ(form.CampaignMonth, 7);
  EXPECT_EQ(form.CampaignYear, 1943);
  EXPECT_EQ(form.DayBox.Text, "05");
  EXPECT_EQ(form.MonthBox.Text, "07");
  EXPECT_EQ(form.YearBox.Text, "1943");
  EXPECT_TRUE(campaign.Logged("Campaign Data Files = C:\\Tavrek\\Data\\Kursk\\"));
  EXPECT_TRUE(campaign.Logged("Campaign Backup Files = C:\\Tavrek\\Backup\\Kursk_RU\\"));
  EXPECT_TRUE(campaign.Logged("Campaign Info processed."));
  EXPECT_FALSE(form.NormandyBaseOption);
}

TEST(CampaignInfo, ReadingNormalisesHandEditedValues) {
  RecordWorld campaign;
  campaign.WriteCampaign(Fixture("campaign_normalised.tavrek"));

  CampaignInfo(campaign.form);
  // The hand-edited file's last line has no line end: it may be cut, so the file is kept.
  campaign.world.dialogs->ExpectMessage("campaign.tavrek was not read whole", ModalResult::kOk);
  UpDateCampaignInfo(campaign.form);

  EXPECT_EQ(campaign.CampaignFile(), Fixture("campaign_normalised.expected"));
  EXPECT_EQ(campaign.campaign.Read("campaign.tavrek.damaged"),
            Fixture("campaign_normalised.tavrek"));
}

// With no mission kind chosen yet, every box of the custom mission starts over: its first item,
// the worst weather its last but none.
TEST(CampaignInfo, WithoutAChosenMissionKindTheCustomMissionBoxesStartOver) {
  RecordWorld campaign;
  TMainForm& form = campaign.form;
  campaign.WriteCampaign("[Map]\r\nKursk\r\n");
  const std::vector<TComboBox*> boxes{&form.SelectTarget, &form.STimeBox,  &form.ETimeBox,
                                      &form.LinkBox,      &form.HCloudBox, &form.BWeatherBox,
                                      &form.InterceptBox, &form.FuelBox,   &form.WWeatherBox};
  for (TComboBox* box : boxes) {
    box->Items = {"first", "b", "c", "d", "e", "f", "seventh", "last"};
    box->Text = "last";
  }
  form.MissionRadio.ItemIndex = -1;

  CampaignInfo(form);

  for (TComboBox* box : boxes) {
    EXPECT_EQ(box->Text, box == &form.WWeatherBox ? "seventh" : "first") << box->Name();
  }
  EXPECT_EQ(form.MissionRadio.ItemIndex, 0);
}

TEST(CampaignInfo, MapAloneTakesTheDefaults) {
  for (const std::string data_files_folder : {"D:\\ThirdParty\\", ""}) {
    RecordWorld campaign;
    campaign.form.DataFilesFolder = data_files_folder;
    campaign.WriteCampaign("[Map]\r\nKursk\r\n");
    CampaignInfo(campaign.form);
    EXPECT_EQ(campaign.form.CampaignType, "GrandCampaign");
    EXPECT_EQ(campaign.form.BattleName, "Kursk");
    EXPECT_EQ(campaign.form.EndDate, "31/12/1946");
    EXPECT_EQ(campaign.form.EndDateVictor, "Red");
    const std::string expected_data_folder =
        data_files_folder.empty() ? campaign.form.ProgramFolder + "Data\\" : data_files_folder;
    EXPECT_EQ(campaign.form.CampaignDataFolder, expected_data_folder);
  }
}

TEST(CampaignInfo, SectionValuesAsRead) {
  struct Case {
    const char* name;
    std::string file;
    std::string TMainForm::*field;
    const char* expected;
  };
  const Case cases[] = {
      {"battle of one H", "[Map]\r\nKursk\r\n[Battle]\r\nH\r\n", &TMainForm::BattleName, "Kursk"},
      {"battle ending in H is not trimmed", "[Map]\r\nKursk\r\n[Battle]\r\n Kursk H\r\n",
       &TMainForm::BattleName, " Kursk "},
      {"empty campaign kind", "[Map]\r\nKursk\r\n[Campaign]\r\n\r\n", &TMainForm::CampaignType,
       "GrandCampaign"},
      {"backup after an equals sign", "[Map]\r\nKursk\r\n[BackUp]\r\nBackUp= D:\\Saves\\ \r\n",
       &TMainForm::BackupFolder, "D:\\Saves\\"},
      {"header as a value line", "[Campaign]\r\n[Map]\r\nKursk\r\n", &TMainForm::MapName, "Kursk"},
  };
  for (const Case& c : cases) {
    RecordWorld campaign;
    campaign.WriteCampaign(c.file);
    CampaignInfo(campaign.form);
    EXPECT_EQ(campaign.form.*c.field, c.expected) << c.name;
  }
}

TEST(CampaignInfo, StartOrEndTimeMakesTheDayFollowThem) {
  struct Case {
    const char* start;
    const char* day_night;
    const char* expected;
  };
  const Case cases[] = {
      {"06:00", "Night", "By Start/End Time"},
      {"Random", "Night", "Night"},
      {"Random", "Dusk", "Day"},
  };
  for (const Case& c : cases) {
    RecordWorld campaign;
    campaign.WriteCampaign(std::string("[Map]\r\nKursk\r\n[TimeofDay]\r\n") + c.day_night +
                           "\r\n[Mission]\r\nStartTime=" + c.start + "\r\n");
    CampaignInfo(campaign.form);
    EXPECT_EQ(campaign.form.DayNightBox.Text, c.expected) << c.start << " " << c.day_night;
  }
}

TEST(CampaignInfo, SupplyBonusAboveFullIsCapped) {
  EXPECT_EQ(ReadSupplyBonus("+150%"), "+100%");
  EXPECT_EQ(ReadSupplyBonus("+100%"), "+100%");
  EXPECT_EQ(ReadSupplyBonus("+50%"), "+50%");
  EXPECT_EQ(ReadSupplyBonus("120"), "+100%");
  EXPECT_EQ(ReadSupplyBonus("Default"), "Default");
  EXPECT_EQ(ReadSupplyBonus("Plenty"), "Plenty");
}

TEST(CampaignInfo, MissingFileStopsAnInteractiveRun) {
  RecordWorld campaign;
  try {
    CampaignInfo(campaign.form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No campaign.tavrek file found.\r\n");
  }
  EXPECT_EQ(campaign.form.DescLabel.Caption, "Please create or select a campaign.");
  EXPECT_TRUE(campaign.Logged("No campaign path located."));
}

TEST(CampaignInfo, MissingFileEndsACommandLineRunWithoutReading) {
  RecordWorld campaign({"tavrek", "netcoop"});
  campaign.form.MissionRadio.ItemIndex = 7;
  CampaignInfo(campaign.form);
  EXPECT_TRUE(campaign.form.Closed);
  EXPECT_TRUE(campaign.Logged("No campaign.tavrek file found."));
  EXPECT_FALSE(campaign.Logged("Campaign Info processed."));
  EXPECT_EQ(campaign.form.MissionRadio.ItemIndex, 0);
}

TEST(CampaignInfo, NoMapIsFatal) {
  RecordWorld campaign;
  campaign.WriteCampaign("[Front]\r\nProkhorovka\r\n");
  try {
    CampaignInfo(campaign.form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "Error text 5");
  }
}

TEST(CampaignInfo, TextWhereANumberBelongsIsReportedWithItsLine) {
  struct Case {
    const char* file;
    const char* message;
  };
  const Case cases[] = {
      {"[Map]\r\nKursk\r\n\r\n[RuSunkTrigger]\r\nCV\r\nmany\r\n",
       "Error in campaign.tavrek line 6: 'many' is not a valid integer value"},
      {"[Map]\r\nKursk\r\n[Mission]\r\nPreference=Escort\r\n",
       "Error in campaign.tavrek line 4: 'Escort' is not a valid integer value"},
      {"[Map]\r\nKursk\r\n[Date]\r\n5th July 1943\r\n",
       "Error in campaign.tavrek: the date \"5th July 1943\" is no dd/mm/yyyy date"},
  };
  for (const Case& c : cases) {
    RecordWorld campaign;
    campaign.WriteCampaign(c.file);
    try {
      CampaignInfo(campaign.form);
      ADD_FAILURE() << c.message << ": no error";
    } catch (const ConversionError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0u) << error.what();
    }
    EXPECT_TRUE(campaign.Logged(c.message)) << c.message;
  }
}

TEST(CampaignInfo, BriefingSoundsOfTheGameAreListed) {
  struct Case {
    const char* game_id;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"AEP", {"None", "brief1.wav", "Brief2.WAV"}},
      {"IL2", {"None"}},
  };
  for (const Case& c : cases) {
    RecordWorld campaign;
    TempFolder game;
    game.Write("samples/Sounds/Brief2.WAV", "");
    game.Write("samples/Sounds/brief1.wav", "");
    game.Write("samples/Sounds/readme.txt", "");
    campaign.form.GameID = c.game_id;
    campaign.form.GameFolder = game.Path();
    campaign.WriteCampaign("[Map]\r\nKursk\r\n");
    CampaignInfo(campaign.form);
    EXPECT_EQ(campaign.form.BriefSoundBox.Items, c.items) << c.game_id;
  }
}

TEST(CampaignInfo, NormandyBritishBasesFollowTheOptionOnTheNormandyMap) {
  RecordWorld campaign;
  campaign.form.NormandyBase.Checked = true;
  campaign.WriteCampaign("[Map]\r\nNormandy\r\n");
  CampaignInfo(campaign.form);
  EXPECT_TRUE(campaign.form.NormandyBaseOption);
}

TEST(UpDateCampaignInfo, CampaignWithoutFrontCentreIsNotWritten) {
  RecordWorld campaign;
  const std::string original = Fixture("campaign_round_trip.tavrek");
  campaign.WriteCampaign(original);
  campaign.form.MapName = "Kursk";

  UpDateCampaignInfo(campaign.form);

  EXPECT_EQ(campaign.CampaignFile(), original);
  EXPECT_EQ(campaign.form.InfoLabel.Caption, "");
  EXPECT_TRUE(campaign.Logged("Campaign preferences not saved: the campaign has no front centre."));
}

TEST(DetermineCampFolder, GameSideFolderByMode) {
  struct Case {
    const char* name;
    std::vector<std::string> command_line;
    bool dgen;
    bool auto_generation;
    bool ngen;
    bool coop;
    bool dogfight;
    const char* campaign_folder;  // below the game folder
    const char* folder_before;
    const char* expected;  // below the game folder
  };
  const Case cases[] = {
      {"career",
       {"tavrek"},
       false,
       false,
       false,
       false,
       false,
       "",
       "",
       "Missions\\Campaign\\RU\\Tavrek\\"},
      {"co-op",
       {"tavrek"},
       false,
       false,
       false,
       true,
       false,
       "",
       "",
       "Missions\\Net\\Coop\\Tavrek\\"},
      {"dogfight",
       {"tavrek"},
       false,
       false,
       false,
       false,
       true,
       "",
       "",
       "Missions\\Net\\Dogfight\\Tavrek\\"},
      {"dogfight script run",
       {"tavrek", "netdogfight"},
       false,
       false,
       false,
       false,
       false,
       "",
       "",
       "Missions\\Net\\Dogfight\\Tavrek\\"},
      {"career generator replaced",
       {"tavrek"},
       true,
       true,
       false,
       false,
       false,
       "Missions\\Campaign\\RU\\DGen_Ivanov\\",
       "",
       "Missions\\Campaign\\RU\\DGen_Ivanov\\"},
      {"career generator replaced, folder in lower case",
       {"tavrek"},
       true,
       true,
       false,
       false,
       false,
       "Missions\\Campaign\\RU\\dgen_ivanov\\",
       "",
       "Missions\\Campaign\\RU\\dgen_ivanov\\"},
      {"co-op generator replaced",
       {"tavrek"},
       false,
       false,
       true,
       true,
       false,
       "Missions\\Net\\NGen\\Tavrek\\",
       "",
       "Missions\\Net\\NGen\\Tavrek\\"},
      {"co-op generator replaced, script run",
       {"tavrek", "netcoop"},
       false,
       false,
       true,
       true,
       false,
       "Missions\\Net\\NGen\\Tavrek\\",
       "",
       "Missions\\Net\\Coop\\Tavrek\\"},
      {"folder set before",
       {"tavrek"},
       false,
       false,
       false,
       false,
       false,
       "",
       "Missions\\Campaign\\RU\\Career\\",
       "Missions\\Campaign\\RU\\Career\\"},
  };
  for (const Case& c : cases) {
    RecordWorld campaign(c.command_line);
    TMainForm& form = campaign.form;
    TempFolder game;
    game.Write("Missions/Campaign/RU/readme.txt", "");
    form.GameFolder = game.Path();
    form.DGENBoot.Checked = c.dgen;
    form.AutoGeneration.Checked = c.auto_generation;
    form.NGenBoot.Checked = c.ngen;
    form.Coop.Checked = c.coop;
    form.Dogfight.Checked = c.dogfight;
    if (*c.campaign_folder != '\0') form.CampaignFolder = game.Path() + c.campaign_folder;
    if (*c.folder_before != '\0') form.GameCampaignFolder = game.Path() + c.folder_before;
    form.SquadronTable[0].SquadronNation = "ru";

    DetermineCampFolder(form);

    const std::string expected = game.Path() + c.expected;
    EXPECT_EQ(form.GameCampaignFolder, expected) << c.name;
    EXPECT_TRUE(campaign.Logged("Campaign folder (" + expected + ") selected.")) << c.name;
  }
}

TEST(DetermineCampFolder, CreatesTheLastLevelOfTheFolderOnly) {
  RecordWorld campaign;
  TMainForm& form = campaign.form;
  TempFolder game;
  game.Write("Missions/Campaign/RU/readme.txt", "");
  form.GameFolder = game.Path();
  form.SquadronTable[0].SquadronNation = "ru";

  DetermineCampFolder(form);
  EXPECT_TRUE(DirectoryExists(form.GameCampaignFolder));

  form.GameCampaignFolder.clear();
  form.SquadronTable[0].SquadronNation = "de";
  DetermineCampFolder(form);
  EXPECT_EQ(form.GameCampaignFolder, game.Path() + "Missions\\Campaign\\DE\\Tavrek\\");
  EXPECT_FALSE(DirectoryExists(form.GameCampaignFolder));
}

}  // namespace
