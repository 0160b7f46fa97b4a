#include "campaign_progression/ground_editors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/ground_objects_editor.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/course_campaign.h"
#include "tests/mission_generation/terminal_session.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class GroundEditorsTest : public ::testing::Test {
 protected:
  TMainForm& Form() { return campaign.Form(); }
  // Runs a script of the user's commands on the window, one session to the end of the input.
  std::string User(const std::string& script) {
    return TerminalSession(campaign.world).Run(script);
  }
  std::string Record() const { return campaign.CampaignFile("campaign.tavrek"); }
  // The campaign record as the next start of the program reads it.
  void ReloadRecord() {
    Form().FrontCenterName.clear();
    Form().DeZoneText.clear();
    Form().RuTrigger.clear();
    Form().CampaignDateText.clear();
    Form().TroopBox.Text.clear();
    Form().RuSupplyBox.Text.clear();
    Form().DeOilBox.Text.clear();
    Form().CampaignDataFolder.clear();
    CampaignInfo(Form());
  }

  CourseCampaign campaign;
};

TEST_F(GroundEditorsTest, TheGroundWarEditorOpensOnTheCampaignsDateFrontAndLandPlaces) {
  const std::string shown = User("click GroundButton\n");
  EXPECT_TRUE(Form().GroundPanel.Showing()) << shown;
  EXPECT_EQ(Form().InfoLabel.Caption, "Ground War Editor");
  EXPECT_EQ(Form().DayStep, 0);
  EXPECT_EQ(Form().SelectFront.Text, "Futema");
  EXPECT_EQ(Form().DeZone.Text, "Shuri");
  EXPECT_EQ(Form().DayBox.Text + "/" + Form().MonthBox.Text + "/" + Form().YearBox.Text,
            "06/04/1945");
  EXPECT_THAT(Form().SelectFront.Items, Not(::testing::Contains("Naha_Port")));
  EXPECT_THAT(Form().SelectFront.Items, ::testing::Contains("Hagushi_Beachhead"));
}

TEST_F(GroundEditorsTest, SuppliesTroopsAndKeyPlacesAreStoredAndTheColumnsStay) {
  const std::string columns = campaign.CampaignFile("columns.tavrek");
  const std::string shown = User(
      "click GroundButton\nchoose RuSupplyBox +50%\nchoose DeOilBox +20%\n"
      "choose TroopBox 5000\nchoose RuCampEndBox Chatan\n");
  EXPECT_EQ(campaign.CampaignFile("columns.tavrek"), columns) << shown;
  EXPECT_THAT(Record(), HasSubstr("[RuSupply]\r\n+50%\r\n"));
  EXPECT_THAT(Record(), HasSubstr("[DeOilSupply]\r\n+20%\r\n"));
  EXPECT_THAT(Record(), HasSubstr("Troops=5000"));
  EXPECT_THAT(Record(), HasSubstr("[RuTrigger]\r\nChatan\r\n"));

  ReloadRecord();
  EXPECT_EQ(Form().RuTrigger, "Chatan");
  EXPECT_EQ(Form().TroopBox.Text, "5000");
  EXPECT_EQ(Form().RuSupplyBox.Text, "+50%");
  EXPECT_EQ(Form().DeOilBox.Text, "+20%");
}

TEST_F(GroundEditorsTest, TheDateReDatesTheArmourAndTheFrontAndZonesAreSaved) {
  const std::string columns = campaign.CampaignFile("columns.tavrek");
  const std::string shown =
      User("click GroundButton\nchoose DayBox 15\nchoose DeZone Itoman\nchoose SelectFront Naha\n");
  EXPECT_EQ(Form().CampaignDateText, "15/04/1945") << shown;
  EXPECT_THAT(Record(), HasSubstr("[Date]\r\n15/04/1945\r\n"));
  EXPECT_NE(campaign.CampaignFile("columns.tavrek"), columns);
  EXPECT_THAT(Record(), HasSubstr("[DeZone]\r\nItoman\r\n"));
  EXPECT_THAT(Record(), HasSubstr("[Front]\r\nNaha\r\n"));

  ReloadRecord();
  EXPECT_EQ(Form().CampaignDateText, "15/04/1945");
  EXPECT_EQ(Form().FrontCenterName, "Naha");
  EXPECT_EQ(Form().DeZoneText, "Itoman");
}

TEST_F(GroundEditorsTest, APlaceShowsItsOwner) {
  User("click GroundButton\nchoose LocationBox Naha\n");
  EXPECT_EQ(Form().LNationBox.Text, "Axis");
  EXPECT_TRUE(Form().LNationBox.Enabled);
}

TEST_F(GroundEditorsTest, APlaceGetsItsOwnerUnlessItHasNoneOfItsOwn) {
  const std::string shown = User(
      "click GroundButton\nchoose LocationBox Naha\nchoose LNationBox Contested/Neutral\n"
      "choose LocationBox Naha_Port\n");
  EXPECT_EQ(Form().LocationTable[campaign.Location("Naha")].LocationArmy, "0") << shown;
  EXPECT_EQ(Form().LNationBox.Text, "Contested/Neutral");
  EXPECT_FALSE(Form().LNationBox.Enabled);
  // An Allied port may be a key place, a Japanese one not.
  EXPECT_THAT(Form().RuCampEndBox.Items, ::testing::Contains("Hagushi"));
  EXPECT_THAT(Form().DeCampEndBox.Items, Not(::testing::Contains("Naha_Port")));
}

TEST_F(GroundEditorsTest, ADateThatIsNoNumberIsRefusedAndChangesNothing) {
  campaign.world.dialogs->ExpectMessage("is not a date", ModalResult::kOk);
  // Opening the editor saves the campaign as it stands; the refused date must change nothing.
  Form().GroundButton.Click();
  const std::string record = Record();
  User("type DayBox 1x\n");
  EXPECT_EQ(Record(), record);
  EXPECT_EQ(Form().CampaignDateText, "06/04/1945");
  EXPECT_TRUE(campaign.world.dialogs->AllAnswered());
}

TEST_F(GroundEditorsTest, TheGroundObjectsEditorOpensOnTheFirstColumn) {
  const std::string shown = User("click ColumnButton\n");
  EXPECT_TRUE(Form().ObjectPanel.Showing()) << shown;
  EXPECT_EQ(Form().GUBox.Text, "0_Chief Armor.3-M4A2_US 1");
  EXPECT_EQ(Form().GUNation.Text, "Allied");
  EXPECT_EQ(Form().GUActiveBox.Text, "Available");
  EXPECT_EQ(Form().ColumnNameEdit.Text, "713_Tank_Battalion");
  EXPECT_THAT(Form().GULocationBox.Items, Not(::testing::Contains("Naha_Port")));
  EXPECT_EQ(Form().GULocationBox.Items.back(), "Blank");
  EXPECT_THAT(Form().GUNameBox.Items, ::testing::Contains("Armor.3-M3A1Stuart 1"));
}

TEST_F(GroundEditorsTest, TheGroundObjectsEditorMovesRetypesAndRenamesColumns) {
  const std::string shown = User(
      "click ColumnButton\nchoose GULocationBox Nago\nchoose GUNameBox Armor.3-M3A1Stuart 1\n"
      "type ColumnNameEdit 7th_Tank_Battalion-98\n");
  std::vector<std::string> lines = campaign.CampaignLines("columns.tavrek");
  ASSERT_FALSE(lines.empty()) << shown;
  EXPECT_EQ(lines[0], "0_Chief Armor.3-M3A1Stuart 1 @Nago $7th_Tank_Battalion ~A");

  // Read again, the columns are as the editor left them.
  ColumnList(Form());
  EXPECT_EQ(Form().ColumnTable[0].ColumnUnitName, "7th_Tank_Battalion");
  EXPECT_EQ(Form().ColumnTable[0].ColumnType, "0_Chief Armor.3-M3A1Stuart 1");
  EXPECT_EQ(Form().ColumnTable[0].ColumnPlace, "Nago");
}

TEST_F(GroundEditorsTest, ATrainIsOfferedOnlyStationsAndRailways) {
  User("click ColumnButton\nchoose GUBox 14_Chief Trains.Japan_EquipmentTrain 2\n");
  ASSERT_FALSE(Form().GULocationBox.Items.empty());
  for (const std::string& place : Form().GULocationBox.Items) {
    EXPECT_TRUE(place == "Blank" || Contains(place, "Station") || Contains(place, "_Rail"))
        << place;
  }
}

TEST_F(GroundEditorsTest, AUnitNameAnotherColumnCarriesIsRefusedBeforeSaving) {
  campaign.world.dialogs->ExpectMessage("Another ground unit already has this name",
                                        ModalResult::kOk);
  // The name field takes the digits 0 to 7 only.
  Form().ColumnTable[1].ColumnUnitName = "701_Tank_Battalion";
  WriteColumnList(Form());
  const std::string columns = campaign.CampaignFile("columns.tavrek");
  const std::string shown = User("click ColumnButton\ntype ColumnNameEdit 701_Tank_Battalion\n");
  EXPECT_EQ(campaign.CampaignFile("columns.tavrek"), columns) << shown;
  EXPECT_EQ(Form().ColumnTable[0].ColumnUnitName, "713_Tank_Battalion");
  EXPECT_EQ(Form().ColumnNameEdit.Text, "713_Tank_Battalion");
  EXPECT_TRUE(campaign.world.dialogs->AllAnswered());
}

TEST_F(GroundEditorsTest, SunkIsANameManyColumnsMayCarry) {
  Form().ColumnTable[1].ColumnUnitName = "Sunk";
  User("click ColumnButton\ntype ColumnNameEdit Sunk\n");
  EXPECT_EQ(campaign.CampaignLines("columns.tavrek")[0],
            "0_Chief Armor.3-M4A2_US 1 @Chatan $Sunk ~A");
}

TEST_F(GroundEditorsTest, TheChosenStaticObjectIsShown) {
  User("click ColumnButton\nchoose SObBox 3\n");
  EXPECT_EQ(Form().SObBox.Text, "3_Static vehicles.artillery.Artillery$M16_US");
  EXPECT_EQ(Form().SObNationEdit.Text, "Allied");
  EXPECT_EQ(Form().SActiveBox.Text, "Yes");
}

TEST(GroundObjectsEditor, StaticObjectsAreSwitchedOffAndOnInTheirFile) {
  struct Case {
    const char* choices;
    const char* line_start;
  };
  const Case cases[] = {
      {"choose SActiveBox No\n", "X 3_Static"},
      {"choose SActiveBox No\nchoose SActiveBox No\n", "X 3_Static"},
      {"choose SActiveBox No\nchoose SActiveBox Yes\n", "  3_Static"},
  };
  for (const Case& c : cases) {
    CourseCampaign campaign;
    TerminalSession(campaign.world)
        .Run(std::string("click ColumnButton\nchoose SObBox 3\n") + c.choices);
    EXPECT_THAT(campaign.CampaignLines("stationary.tavrek")[4], ::testing::StartsWith(c.line_start))
        << c.choices;
  }
}

TEST(ColumnNameEditKeyPress, LettersDigitsUpToSevenAndUnderscoresPass) {
  TestWorld world;
  for (const char key : std::string("aZ07_\b")) {
    char typed = key;
    ColumnNameEditKeyPress(*world.form, typed);
    EXPECT_EQ(typed, key) << key;
  }
  for (const char key : std::string("89 -.$")) {
    char typed = key;
    ColumnNameEditKeyPress(*world.form, typed);
    EXPECT_EQ(typed, 0) << key;
  }
}

}  // namespace
