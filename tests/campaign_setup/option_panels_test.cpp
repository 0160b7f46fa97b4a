#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/settings_lines.h"
#include "campaign_data/startup.h"
#include "campaign_setup/about_items.h"
#include "campaign_setup/densities.h"
#include "campaign_setup/option_toggles.h"
#include "campaign_setup/panels.h"
#include "campaign_setup/time_weather_options.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/mission_generation/terminal_session.h"
#include "tests/support/first_run.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct OptionItem {
  const char* name;
  const char* key;  // of its line in tavrek.ini
};

// The Options menu's items and the Mode menu's mission copy, as a user reaches them.
const std::vector<OptionItem> kOptionItems{
    {"ActiveFront", "ActiveFront"},
    {"AircraftDowngrades", "AircraftDowngrades"},
    {"AirStarts", "AirStarts"},
    {"DSTimes", "DSTimes"},
    {"FixedStartDates", "FixedStartDates"},
    {"HistDates", "HistDates"},
    {"PalmTrees", "PalmTrees"},
    {"LinkMax", "LinkMax"},
    {"MassedBombers", "MassedBombers"},
    {"NormandyBase", "NormandyBase"},
    {"NoTransfers", "NoTransfers"},
    {"Briefing", "Briefing"},
    {"Paras", "Paras"},
    {"Primary", "Primary"},
    {"RandomNoseArt", "RandomNoseArt"},
    {"ShipSunk", "ShipSunk"},
    {"SingleMapCampaign", "SingleMap"},
    {"SquadronManagement", "SquadronManagement"},
    {"Death", "Death"},
    {"TankDG", "TankDG"},
    {"Tracking", "Tracking"},
    {"TrackPlayerRanks", "TrackPlayerRanks"},
    {"CopyMission", "CopyMission"},
};

TMenuItem& Item(TMainForm& form, const char* name) {
  return *dynamic_cast<TMenuItem*>(form.Controls.Find(name));
}

std::string OnOff(bool on) {
  return on ? "True" : "False";
}

std::vector<std::string> SettingsLinesOnDisk(const TestWorld& world) {
  return SplitTextLines(world.program_folder.Read("tavrek.ini"));
}

TEST(OptionPanels, EveryOptionSetOnTheTerminalIsSavedAndReadBackAtTheNextStart) {
  TestWorld world;
  InstallProgram(world);
  ExpectGameNotChosen(*world.dialogs);
  FormCreate(*world.form);
  TMainForm& form = *world.form;
  const size_t shown_at_start = world.dialogs->shown.size();
  std::map<std::string, bool> clicked;
  std::string script;
  for (const OptionItem& item : kOptionItems) {
    clicked[item.name] = !Item(form, item.name).Checked;
    script += std::string("click ") + item.name + "\n";
  }
  script +=
      "click SetDensity\n"
      "choose RUSupplyComboBox 3/Squadron/Week\n"
      "choose DESupplyComboBox 0/Squadron/Day\n"
      "choose SObjectD None\n"
      "choose ColumnDensity Sparse\n"
      "choose SquadronDensity Dense\n"
      "choose GenSkillBox Ace\n"
      "choose TimeSettingsBox Fast\n"
      "choose BalanceBox Balanced\n"
      "choose RoFBox 50.0\n"
      "choose ActionRadius 400 Kilometers\n"
      "choose StaticPlaneCountBox No\n"
      "type ServerInfo Welcome to the Kerama server\n"
      "type BornPlaceTrackBar 4500\n";
  TerminalSession(world).Run(script);
  EXPECT_EQ(world.dialogs->shown.size(), shown_at_start);
  EXPECT_TRUE(form.DensityPanel.Visible);

  const std::vector<std::string> saved = SettingsLinesOnDisk(world);
  ASSERT_EQ(saved.size(), static_cast<size_t>(kSettingsLineCount));
  for (const OptionItem& item : kOptionItems) {
    EXPECT_EQ(Item(form, item.name).Checked, clicked[item.name]) << item.name;
    EXPECT_THAT(saved, Contains(std::string(item.key) + "=" + OnOff(clicked[item.name])))
        << item.name;
  }
  EXPECT_EQ(saved[7], "Dense");
  EXPECT_EQ(saved[8], "Sparse");
  EXPECT_EQ(saved[9], "None");
  EXPECT_EQ(saved[11], "400 Kilometers");
  for (const char* line :
       {"RuSupplyRate=3/Squadron/Week", "DeSupplyRate=0/Squadron/Day", "TimePassage=Fast",
        "Balance=Balanced", "ShipRoF=50.0", "CountStaticPlanes=No",
        "ServerInfo=Welcome to the Kerama server", "BornPlaceRadius=4500"}) {
    EXPECT_THAT(saved, Contains(line));
  }
  EXPECT_EQ(form.StationaryDensityLevel, 999);
  EXPECT_EQ(form.ColumnDensityLevel, 8);
  EXPECT_EQ(form.SquadronDensityLevel, 3);
  EXPECT_EQ(form.ActionRadiusKm, 400);

  // The next start reads them all back and turns the densities into their levels again.
  InstallProgram(world);
  TMainForm& reader = *world.form;
  ExpectGameNotChosen(*world.dialogs);
  FormCreate(reader);
  EXPECT_TRUE(world.dialogs->AllAnswered());
  for (const OptionItem& item : kOptionItems) {
    EXPECT_EQ(Item(reader, item.name).Checked, clicked[item.name]) << item.name;
  }
  EXPECT_EQ(SettingsFileLines(reader), saved);
  EXPECT_EQ(reader.SupplyRate[1], "3/Squadron/Week");
  EXPECT_EQ(reader.StationaryDensityLevel, 999);
  EXPECT_EQ(reader.ColumnDensityLevel, 8);
  EXPECT_EQ(reader.SquadronDensityLevel, 3);
}

TEST(OptionPanels, TheHiddenItemsAreOutOfTheUsersReachButTheirHandlersStillSave) {
  TestWorld world;
  InstallProgram(world);
  ExpectGameNotChosen(*world.dialogs);
  FormCreate(*world.form);
  TMainForm& form = *world.form;
  const bool front_movement = form.FrontMovement.Checked;
  TerminalSession(world).Run("click FrontMovement\nclick Scoring\n");
  EXPECT_EQ(form.FrontMovement.Checked, front_movement);

  form.FrontMovement.Click();
  EXPECT_THAT(SettingsLinesOnDisk(world), Contains("FrontMovement=" + OnOff(!front_movement)));
  form.AutoGeneration.SetChecked(true);
  form.Scoring.Click();
  EXPECT_TRUE(form.Scoring.Checked);
  EXPECT_FALSE(form.AutoGeneration.Checked);
  EXPECT_THAT(SettingsLinesOnDisk(world), Contains("AutoGeneration=False"));
  form.Scoring.Click();
  EXPECT_FALSE(form.Scoring.Checked);
}

TEST(Densities, EachChoiceGivesItsLevelAndAnUnknownTextNone) {
  const std::vector<std::string> choices{"Full", "Dense", "Heavy", "Moderate", "Sparse", "None"};
  const std::map<DensityKind, std::vector<int>> levels{
      {DensityKind::kStationary, {0, 2, 3, 4, 5, 999}},
      {DensityKind::kColumn, {0, 2, 3, 4, 8, 99}},
      {DensityKind::kSquadron, {0, 3, 6, 12, 20, 99}},
  };
  for (const auto& [kind, expected] : levels) {
    for (size_t i = 0; i < choices.size(); ++i) {
      EXPECT_EQ(DensityLevel(kind, choices[i]), expected[i]) << choices[i];
    }
    EXPECT_EQ(DensityLevel(kind, "sparse"), std::nullopt);
    EXPECT_EQ(DensityLevel(kind, ""), std::nullopt);
  }
}

TEST(Densities, ATextThatIsNoChoiceKeepsTheLevelAndStillSaves) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.ColumnDensityLevel = 4;
  form.ColumnDensity.Text = "Thick";
  ColumnDensityChangeSender(form);
  EXPECT_EQ(form.ColumnDensityLevel, 4);
  EXPECT_EQ(SettingsLinesOnDisk(world).at(8), "Thick");
}

TEST(ActionRadius, AWholeNumberOfKilometresIsTakenAndAnythingElseRefusedUnsaved) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.ActionRadius.Text = "125 Kilometers";
  ActionRadiusChange(form);
  EXPECT_EQ(form.ActionRadiusKm, 125);
  EXPECT_EQ(SettingsLinesOnDisk(world).at(11), "125 Kilometers");

  for (const char* bad : {"far away", "Kilometers", "-5 Kilometers", ""}) {
    form.ActionRadius.Text = bad;
    EXPECT_THROW(ActionRadiusChange(form), ProgramError) << bad;
    EXPECT_EQ(form.ActionRadiusKm, 125) << bad;
    EXPECT_EQ(form.ActionRadius.Text, "125 Kilometers") << bad;
    EXPECT_EQ(SettingsLinesOnDisk(world).at(11), "125 Kilometers") << bad;
  }
}

TEST(NormandyBase, TheOptionCountsOnlyOnTheNormandyMap) {
  struct Case {
    std::string map;
    bool ticked_before;
    bool option_after;
  };
  for (const Case& c : {Case{"Okinawa", false, false}, Case{"Normandy", false, true},
                        Case{"Normandy", true, false}}) {
    TestWorld world;
    TMainForm& form = *world.form;
    form.MapName = c.map;
    form.NormandyBase.Checked = c.ticked_before;
    form.NormandyBaseOption = c.ticked_before;
    NormandyBaseClick(form);
    EXPECT_EQ(form.NormandyBase.Checked, !c.ticked_before) << c.map;
    EXPECT_EQ(form.NormandyBaseOption, c.option_after) << c.map;
    EXPECT_THAT(SettingsLinesOnDisk(world), Contains("NormandyBase=" + OnOff(!c.ticked_before)));
  }
}

struct TimeCase {
  const char* name;
  std::string pace, start, end, day_night;
  std::string start_after, end_after, day_night_after;
  bool refused = false;
};

void PrintTo(const TimeCase& c, std::ostream* os) {
  *os << c.name;
}

class TimeChangeTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeChangeTest, TimesFollowThePaceAndTheDayNightBox) {
  const TimeCase& c = GetParam();
  TestWorld world;
  TMainForm& form = *world.form;
  form.TimeSettingsBox.Text = c.pace;
  form.STimeBox.Text = c.start;
  form.ETimeBox.Text = c.end;
  form.DayNightBox.Text = c.day_night;
  if (c.refused) {
    try {
      TimeChange(form);
      ADD_FAILURE() << "no error";
    } catch (const ProgramError& error) {
      EXPECT_STREQ(error.what(),
                   "Time Settings cannot be used if Time Passage Settings are \"Slow\".");
    }
  } else {
    TimeChange(form);
  }
  EXPECT_EQ(form.STimeBox.Text, c.start_after);
  EXPECT_EQ(form.ETimeBox.Text, c.end_after);
  EXPECT_EQ(form.DayNightBox.Text, c.day_night_after);
}

INSTANTIATE_TEST_SUITE_P(
    Times, TimeChangeTest,
    ::testing::Values(TimeCase{"FixedTimeAtASlowPace", "Very Slow", "12:00", "Random", "Day",
                               "Random", "Random", "Day", true},
                      TimeCase{"RandomTimesAtASlowPace", "Slow", "Random", "Random", "Night",
                               "Random", "Random", "Night"},
                      TimeCase{"RealTime", "Normal", "Real", "Random", "Day", "Real", "Real",
                               "By Start/End Time"},
                      TimeCase{"AFixedEndTime", "Fast", "Random", "18:00", "Night", "Random",
                               "18:00", "By Start/End Time"},
                      TimeCase{"AnUnknownDayNightText", "Normal", "Random", "Random", "Dusk",
                               "Random", "Random", "Day"}));

TEST(DayNightBox, AnyChoiceButByTimesMakesBothTimesRandom) {
  TestWorld world;
  TMainForm& form = *world.form;
  for (const char* choice : {"Day", "Night", "Twilight"}) {
    form.STimeBox.Text = "06:00";
    form.ETimeBox.Text = "09:00";
    form.DayNightBox.Text = choice;
    DayNightBoxChange(form);
    EXPECT_EQ(form.STimeBox.Text, "Random") << choice;
    EXPECT_EQ(form.ETimeBox.Text, "Random") << choice;
  }
  EXPECT_EQ(form.DayNightBox.Text, "Day");
  form.STimeBox.Text = "06:00";
  form.DayNightBox.Text = "By Start/End Time";
  DayNightBoxChange(form);
  EXPECT_EQ(form.STimeBox.Text, "06:00");
}

TEST(WeatherBoxes, TheWorstWeatherIsNeverBetterThanTheBest) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.BWeatherBox.Text = "Poor";
  form.WWeatherBox.Text = "Good";
  WeatherBoxChange(form);
  EXPECT_EQ(form.WWeatherBox.Text, "Poor");
  form.WWeatherBox.Text = "Thunder Showers";
  WeatherBoxChange(form);
  EXPECT_EQ(form.WWeatherBox.Text, "Thunder Showers");
}

TEST(Panels, CleaningUpHidesEveryPanelAndOffersBackupsOnlyForACampaign) {
  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder campaign;
  for (TControl* panel : std::initializer_list<TControl*>{
           &form.MissionPanel, &form.DensityPanel, &form.QEPanel, &form.GroundPanel,
           &form.ObjectPanel, &form.WayPanel, &form.PilotPanel, &form.AircraftPanel, &form.FBDPanel,
           &form.NewCampBox, &form.DefaultNation, &form.CampStartButton}) {
    panel->Visible = true;
    panel->Enabled = true;
  }
  form.DescLabel.Caption = "old";
  form.CampaignFolder = campaign.Path();
  CleanUpPanels(form);
  std::vector<std::string> showing;
  for (TControl* control : form.Controls.All()) {
    if (dynamic_cast<TPanel*>(control) != nullptr && control->Parent() == nullptr &&
        control->Visible) {
      showing.push_back(control->Name());
    }
  }
  EXPECT_THAT(showing, IsEmpty());
  EXPECT_FALSE(form.NewCampBox.Visible);
  EXPECT_EQ(form.DescLabel.Caption, "");
  EXPECT_FALSE(form.BackupCampaignOption.Enabled);
  EXPECT_FALSE(form.RestoreFromLastMission.Enabled);

  campaign.Write("squadrons.tavrek", "");
  CleanUpPanels(form);
  EXPECT_TRUE(form.BackupCampaignOption.Enabled);
  EXPECT_TRUE(form.RestoreCampaign.Enabled);
  EXPECT_TRUE(form.RestoreFromLastMission.Enabled);
  EXPECT_NO_THROW(CleanUpCampChk(form));
}

TEST(Panels, WithoutACampaignTheEditorsStopWithNoCampaignActive) {
  TestWorld world;
  TMainForm& form = *world.form;
  for (const std::string& folder : {std::string(), world.program_folder.Path() + "missing/"}) {
    form.CampaignFolder = folder;
    try {
      CleanUpCampChk(form);
      ADD_FAILURE() << "no error for \"" << folder << "\"";
    } catch (const ProgramError& error) {
      EXPECT_STREQ(error.what(), "No campaign active.\r\n");
    }
    EXPECT_EQ(form.CampaignFolder, "");
    EXPECT_EQ(form.DescLabel.Caption, "Please create or select a campaign before continuing.");
  }
  EXPECT_THAT(RunLogMessages(form), Contains("No campaign active."));
}

TEST(Panels, ClosingTheEditorsHidesThemAndStillChecksTheCampaign) {
  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder campaign;
  campaign.Write("squadrons.tavrek", "");
  form.CampaignFolder = campaign.Path();
  form.PilotPanel.Visible = true;
  EXPECT_NO_THROW(EditCloseClick(form));
  EXPECT_FALSE(form.PilotPanel.Visible);

  form.CampaignFolder = world.program_folder.Path() + "missing/";
  form.WayPanel.Visible = true;
  EXPECT_THROW(EditCloseClick(form), ProgramError);
  EXPECT_FALSE(form.WayPanel.Visible);
  EXPECT_EQ(form.CampaignFolder, "");
}

TEST(AboutItems, TheStatusBarShowsItsFolderOnlyWhenItExists) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.StatusBar.SimpleText = world.program_folder.Path() + "gone/";
  StatusBarClick(form);
  form.StatusBar.SimpleText = world.program_folder.Path();
  StatusBarClick(form);
  ASSERT_EQ(world.shell->requests.size(), 1u);
  EXPECT_EQ(world.shell->requests[0],
            (RecordingShell::Request{"explore", world.program_folder.Path(), "", ""}));
  ExitMainClick(form);
  EXPECT_TRUE(form.Closed);
  EXPECT_TRUE(form.Application.Terminated());
}

}  // namespace
