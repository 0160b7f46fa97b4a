// The shipped Okinawa master mission imported, and the whole Okinawa campaign created with a
// fixed seed, against reviewed campaign files.

#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/option_defaults.h"
#include "campaign_setup/campaign_creation.h"
#include "campaign_setup/mission_import.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/golden_file.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

class OkinawaGoldenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetOptionDefaults(Form());
    InstallSample(world);
    Form().Rand.SetSeed(19450401);
  }
  TMainForm& Form() { return *world.form; }
  TestWorld world;
};

TEST_F(OkinawaGoldenTest, TheMasterMissionImportsIntoEveryCampaignFile) {
  const std::string folder = Form().ProgramFolder + "Import\\";
  ASSERT_TRUE(ForceDirectories(folder));
  Form().CampaignFolder = folder;
  Form().CampaignDataFolder = Form().ProgramFolder + "data\\";
  LoadPlaneInfo(Form());
  Form().DefaultNation.Text = "US Marines";
  Form().MapName = "Okinawa";
  Form().DayBox.Text = "01";
  Form().MonthBox.Text = "04";
  Form().YearBox.Text = "1945";
  ImportData(Form(), Form().ProgramFolder + "data\\Okinawa45.mis");
  for (const char* file :
       {"squadrons.tavrek", "columns.tavrek", "stationary.tavrek", "buildings.tavrek",
        "houses.tavrek", "rockets.tavrek", "cameras.tavrek"}) {
    EXPECT_TRUE(MatchesGolden(ReadFileBytes(folder + file), std::string("okinawa_import_") + file));
  }
  EXPECT_EQ(Form().CampaignDateText, "01/04/1945");
  EXPECT_EQ(Form().NewCampaignFlag, "Y");
}

TEST_F(OkinawaGoldenTest, ASeededCampaignStartsAsReviewed) {
  NewCampaignClick(Form());
  ASSERT_TRUE(Form().DefaultNation.UserChoose("US Marines"));
  world.dialogs->ExpectMessage("Manual Campaign Created", ModalResult::kOk);
  CampStartButtonClick(Form());
  const std::string folder = Form().CampaignFolder;
  for (const char* file : {"squadrons.tavrek", "columns.tavrek", "stationary.tavrek",
                           "territory.tavrek", "locations.tavrek"}) {
    EXPECT_TRUE(MatchesGolden(ReadFileBytes(folder + file), std::string("okinawa_new_") + file));
  }
}

}  // namespace
