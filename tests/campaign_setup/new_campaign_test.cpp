// New campaigns from the new-campaign screen: the shipped campaign list and Okinawa master
// mission make a playable campaign for the services offered; what can fail is found before
// anything of the active campaign or of the chosen folder is deleted.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/text.h"
#include "campaign_setup/campaign_creation.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

class NewCampaignTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetOptionDefaults(Form());
    InstallSample(world);
    Form().Rand.SetSeed(19450401);
    active_folder = Form().CampaignFolder;
  }

  TMainForm& Form() { return *world.form; }

  void Choose(const std::string& battle, const std::string& service) {
    NewCampaignClick(Form());
    ASSERT_TRUE(Form().NewCampBox.UserChoose(battle));
    ASSERT_TRUE(Form().DefaultNation.UserChoose(service));
  }

  std::string NewFolder(const std::string& code) {
    return Form().ProgramFolder + "Okinawa45_" + code + "\\";
  }

  const LocationEntry* Location(const std::string& name) {
    for (int i = 0; i <= Form().LastLocation; ++i) {
      if (Form().LocationTable[i].LocationName == name) return &Form().LocationTable[i];
    }
    return nullptr;
  }

  TestWorld world;
  std::string active_folder;
};

TEST_F(NewCampaignTest, TheScreenOffersTheBattleAndEveryServiceWithoutScoringTheEventLog) {
  const std::string log_date = Form().LogFileDate;
  NewCampaignClick(Form());
  EXPECT_EQ(Form().NewCampBox.Items, std::vector<std::string>{"Okinawa45"});
  EXPECT_EQ(Form().NewCampBox.Text, "Okinawa45");
  // The sample game folder has the career folder of every service.
  ASSERT_EQ(Form().DefaultNation.Items.size(), 19u);
  EXPECT_EQ(Form().DefaultNation.Items.front(), "Australian");
  EXPECT_TRUE(Form().CampStartButton.Visible);
  EXPECT_EQ(Form().LogFileDate, log_date);
}

TEST_F(NewCampaignTest, CreatesTheOkinawaCampaignForTheUsMarines) {
  Choose("Okinawa45", "US Marines");
  world.dialogs->ExpectMessage("Manual Campaign Created", ModalResult::kOk);
  CampStartButtonClick(Form());
  EXPECT_TRUE(world.dialogs->AllAnswered());

  const std::string folder = NewFolder("UM");
  EXPECT_EQ(Form().CampaignFolder, folder);
  for (const char* file :
       {"squadrons.tavrek", "columns.tavrek", "stationary.tavrek", "buildings.tavrek",
        "houses.tavrek", "rockets.tavrek", "cameras.tavrek", "campaign.tavrek", "pilot.tavrek"}) {
    EXPECT_TRUE(FileExists(folder + file)) << file;
  }
  EXPECT_TRUE(DirectoryExists(Form().ProgramFolder + "Backup\\Okinawa45_UM"));
  EXPECT_EQ(Form().BattleName, "Okinawa45");
  EXPECT_EQ(Form().MapName, "Okinawa");
  EXPECT_EQ(Form().CampaignDateText, "01/04/1945");
  EXPECT_EQ(Form().EndDate, "30/06/1945");
  EXPECT_EQ(Form().SquadronTable[0].SquadronNation, "um");
  EXPECT_EQ(Form().InfoLabel.Caption, "Okinawa45 Campaign");
  // The campaign is left as it starts, ready for its first mission.
  EXPECT_EQ(Form().NewCampaignFlag, "Y");
  // Every other service's campaign folder stays untouched by this one.
  EXPECT_FALSE(DirectoryExists(NewFolder("DE")));
}

TEST_F(NewCampaignTest, TheCampaignListGivesTheStartTerritory) {
  Choose("Okinawa45", "US Army");
  world.dialogs->ExpectMessage("Manual Campaign Created", ModalResult::kOk);
  CampStartButtonClick(Form());
  const std::pair<const char*, const char*> owners[] = {
      {"Futema", "0"},   // the front centre is contested
      {"Motobu", "1"},   // a Locale place of the Allied side
      {"Hagushi", "1"},  // the Allied zone
      {"Shuri", "2"},    // the Axis zone
      {"Naha", "2"},     // the further Axis place
      {"Minatoga", "2"}  // the rest of the map starts with the side line's other side
  };
  for (const auto& [name, army] : owners) {
    const LocationEntry* location = Location(name);
    ASSERT_NE(location, nullptr) << name;
    EXPECT_EQ(location->LocationArmy, army) << name;
  }
  EXPECT_EQ(Location("Futema")->TerritoryStrength[1], 50);
  EXPECT_EQ(Location("Futema")->TerritoryStrength[2], 50);
  // Okinawa is an island map: Japanese places start with 50 troops.
  EXPECT_EQ(Location("Minatoga")->TerritoryStrength[2], 50);
  EXPECT_EQ(Location("Motobu")->TerritoryStrength[1], 20);
}

class NewCampaignForService
    : public NewCampaignTest,
      public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(NewCampaignForService, CreatesACampaignWithThePlayersSquadronInFront) {
  const auto [service, code] = GetParam();
  Choose("Okinawa45", service);
  world.dialogs->ExpectMessage("Manual Campaign Created", ModalResult::kOk);
  CampStartButtonClick(Form());
  EXPECT_EQ(Form().CampaignFolder, NewFolder(code));
  const std::string squadrons = ReadFileBytes(NewFolder(code) + "squadrons.tavrek");
  EXPECT_FALSE(Contains(squadrons, "[Player Squadron]"));
  EXPECT_FALSE(Form().SquadronTable[0].SquadronName.empty());
  EXPECT_NE(Form().SquadronTable[0].SquadronHomeBase, "");
}

INSTANTIATE_TEST_SUITE_P(Services, NewCampaignForService,
                         ::testing::Values(std::pair{"German", "DE"},
                                           std::pair{"Japanese Navy", "IN"},
                                           std::pair{"British RAF", "GB"},
                                           std::pair{"Finnish", "FI"}));

TEST_F(NewCampaignTest, CancelAtOverWriteEndsTheOperationAndDeletesNothing) {
  const std::string folder = NewFolder("UM");
  ASSERT_TRUE(ForceDirectories(folder));
  WriteTextFile(folder + "squadrons.tavrek", "kept\r\n");
  Choose("Okinawa45", "US Marines");
  world.dialogs->ExpectMessage("Over-write existing campaign?", ModalResult::kCancel);
  CampStartButtonClick(Form());
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_EQ(ReadFileBytes(folder + "squadrons.tavrek"), "kept\r\n");
  EXPECT_EQ(Form().CampaignFolder, active_folder);
}

// Each broken input is refused with its message while the chosen folder and the active
// campaign stay as they were.
struct BrokenInput {
  const char* name;
  std::string (*spoil)(TMainForm& form);  // spoils the install; answers the battle to choose
  const char* message_part;
};

std::string NoCampaignList(TMainForm& form) {
  DeleteFile(form.ProgramFolder + "data\\allcampaigns.tavrek");
  return "Okinawa45";
}
std::string BrokenSection(TMainForm& form) {
  WriteTextFile(form.ProgramFolder + "data\\allcampaigns.tavrek",
                "[Okinawa45]\r\nCampaign=GrandCampaign\r\n");
  return "Okinawa45";
}
std::string GarbageMission(TMainForm& form) {
  WriteTextFile(form.ProgramFolder + "data\\Okinawa45.mis", "\x01\x02 garbage [ Planes \r\n");
  return "Okinawa45";
}
std::string TruncatedMission(TMainForm& form) {
  const std::string path = form.ProgramFolder + "data\\Okinawa45.mis";
  const std::string text = ReadFileBytes(path);
  WriteTextFile(path, text.substr(0, text.find("[Chiefs]") + 10));
  return "Okinawa45";
}
std::string MissionOfAnotherMap(TMainForm& form) {
  const std::string path = form.ProgramFolder + "data\\Okinawa45.mis";
  std::string text = ReadFileBytes(path);
  text.replace(text.find("MAP Okinawa/"), 12, "MAP Iwo/");
  WriteTextFile(path, text);
  return "Okinawa45";
}
std::string NoMasterMission(TMainForm& form) {
  DeleteFile(form.ProgramFolder + "data\\Okinawa45.mis");
  return "Okinawa45";
}

class BrokenNewCampaign : public NewCampaignTest,
                          public ::testing::WithParamInterface<BrokenInput> {};

TEST_P(BrokenNewCampaign, IsRefusedBeforeAnythingIsDeleted) {
  const std::string folder = NewFolder("UM");
  ASSERT_TRUE(ForceDirectories(folder));
  WriteTextFile(folder + "squadrons.tavrek", "kept\r\n");
  const std::string battle = GetParam().spoil(Form());
  Form().NewCampBox.Text = battle;
  Form().DefaultNation.Text = "US Marines";
  try {
    CampStartButtonClick(Form());
    ADD_FAILURE() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_TRUE(Contains(error.what(), GetParam().message_part)) << error.what();
  }
  EXPECT_EQ(ReadFileBytes(folder + "squadrons.tavrek"), "kept\r\n");
  EXPECT_EQ(Form().CampaignFolder, active_folder);
  EXPECT_FALSE(Contains(Form().ErrorText, "Manual Campaign Import Begun"));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BrokenNewCampaign,
    ::testing::Values(BrokenInput{"NoCampaignList", NoCampaignList, "No allcampaigns.tavrek"},
                      BrokenInput{"BrokenSection", BrokenSection, "names no map"},
                      BrokenInput{"GarbageMission", GarbageMission, "Import failed."},
                      BrokenInput{"TruncatedMission", TruncatedMission, "Import failed."},
                      BrokenInput{"MissionOfAnotherMap", MissionOfAnotherMap, "map Iwo"},
                      BrokenInput{"NoMasterMission", NoMasterMission, "master mission"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
