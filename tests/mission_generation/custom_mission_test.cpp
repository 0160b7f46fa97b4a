#include "mission_generation/custom_mission.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <string>
#include <vector>

#include "campaign_data/campaign_file.h"
#include "campaign_data/map_routes.h"
#include "campaign_progression/territory.h"
#include "platform/errors.h"
#include "tests/campaign_data/campaign_tables_fixture.h"
#include "tests/mission_generation/terminal_session.h"
#include "tests/support/campaign_world.h"
#include "tests/support/first_run.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

using Items = std::vector<std::string>;
using campaign_tables::AddLocation;

// One block of squadrons.tavrek.
std::string SquadronBlock(const std::string& name, const std::string& aircraft,
                          const std::string& base) {
  return "[" + name + "]\r\n  Planes 8/8-0+4\r\n  Skill 2\r\n  Class air." + aircraft +
         "\r\n  Active True  AI False\r\n  default\r\n  " + base + "\r\n  Radio\r\n";
}

// An Okinawa campaign on disk: the player flies Corsairs for the Allies (side 1); the Japanese
// (side 2) have flyable and other fighters and bombers; every side has bridges; the columns
// are an Allied armour column and Japanese trucks and ships.
struct CustomMissionWorld : CampaignWorld {
  CustomMissionWorld() {
    PlaceFirstEditionGame(world);
    campaign_tables::FillMessages(form);
    campaign_tables::AddAircraftType(form, Type("F4U1A", "1", "1", "1"));
    campaign_tables::AddAircraftType(form, Type("PBJ_1D", "1", "2", "1"));
    campaign_tables::AddAircraftType(form, Type("KI_43_IC", "2", "1", "1"));
    campaign_tables::AddAircraftType(form, Type("KI_61", "2", "1", "0"));
    campaign_tables::AddAircraftType(form, Type("KI_21", "2", "2", "1"));
    campaign_tables::WriteProgramData(world);
    world.program_folder.Write("data/armor.tavrek", "");
    world.program_folder.Write("data/maps.tavrek", "");
    world.program_folder.Write("data/squadids.tavrek", "");
    world.program_folder.Write("data/Okinawa.rds",
                               "[Yomitan_Airfield to Kadena_Bridge]\r\n"
                               "40150.00 107300.00 120.00 0 2 3.33\r\n"
                               "43000.00 101000.00 120.00 0 2 3.33\r\n"
                               "[Kadena_Bridge to Machinato_Bridge]\r\n"
                               "43000.00 101000.00 120.00 0 2 3.33\r\n"
                               "43000.00 101000.00 120.00 0 2 3.33\r\n"
                               "43000.00 101000.00 120.00 0 2 3.33\r\n"
                               "38000.00 92000.00 120.00 0 2 3.33\r\n"
                               "[Machinato_Bridge to Shuri]\r\n"
                               "38000.00 92000.00 120.00 0 2 3.33\r\n"
                               "38000.00 92000.00 120.00 0 2 3.33\r\n"
                               "38000.00 92000.00 120.00 0 2 3.33\r\n"
                               "40000.00 95000.00 120.00 0 2 3.33\r\n"
                               "[Shuri to Bishi_Bridge]\r\n"
                               "40000.00 95000.00 120.00 0 2 3.33\r\n"
                               "36000.00 90000.00 120.00 0 2 3.33\r\n"
                               "[Bishi_Bridge to Naha_Airfield]\r\n"
                               "36000.00 90000.00 120.00 0 2 3.33\r\n"
                               "36000.00 90000.00 120.00 0 2 3.33\r\n"
                               "36000.00 90000.00 120.00 0 2 3.33\r\n"
                               "33850.00 86400.00 120.00 0 2 3.33\r\n"
                               "[Naha_Airfield to Naha_Port]\r\n"
                               "33850.00 86400.00 120.00 0 2 3.33\r\n"
                               "32850.00 86400.00 120.00 0 2 3.33\r\n");

    campaign.Write("squadrons.tavrek",
                   SquadronBlock("VMF_3110", "F4U1A", "Yomitan_Airfield") +
                       SquadronBlock("VMB_6120", "PBJ_1D", "Yomitan_Airfield") +
                       SquadronBlock("Sentai_64", "KI_43_IC", "Naha_Airfield") +
                       SquadronBlock("Sentai_65", "KI_61", "Naha_Airfield") +
                       SquadronBlock("Chutai_7", "KI_21", "Naha_Airfield") +
                       SquadronBlock("Sentai_244", "KI_43_IC", "Naha_Airfield"));
    campaign.Write("columns.tavrek",
                   "[Columns]\r\n"
                   "0_Chief Armor.1-M4A4 1 @Yomitan_Airfield $Tanks ~A\r\n"
                   "\r\n"
                   "1_Chief Vehicles.JapanCarsColumnA 2 @Shuri $Trucks ~A\r\n"
                   "2_Chief Ships.Ship_Destroyer 2 @Naha_Port $Yukikaze ~A\r\n");
    campaign.Write("stationary.tavrek", "[NStationary]\r\n");

    form.FrontCenterName = "Shuri";
    form.MapName = "Okinawa";
    form.BattleName = "Okinawa";
    form.CampaignDateText = "01/04/1945";
    UpDateCampaignInfo(form);

    // The owners as the territory file gives them, in the order the road file names the places.
    // A bridge stands at the third waypoint of the road leaving it.
    TargetLocations(form);
    const char* const owners[] = {"1", "1", "0", "2", "2", "2", "2"};
    EXPECT_EQ(form.LastLocation, 6);
    for (int l = 0; l <= form.LastLocation && l < 7; ++l) {
      form.LocationTable[l].LocationArmy = owners[l];
    }
    DefineTerritory(form);
    form.ActionRadius.Text = "250 Kilometers";

    WireCustomMissionPanel(form);
  }
  static AircraftClassEntry Type(const std::string& name, const std::string& side,
                                 const std::string& family, const std::string& flyable) {
    AircraftClassEntry type = campaign_tables::AircraftType(name, side, family, name);
    type.ClassFlyable = flyable;
    return type;
  }
};

const Items kAllDestinations{"Random", "Yomitan_Airfield", "Kadena_Bridge", "Machinato_Bridge",
                             "Shuri",  "Bishi_Bridge",     "Naha_Airfield", "Naha_Port"};

TEST(CustomMissionPanel, AUserChoosesAPreferenceADestinationAndAnEnemy) {
  CustomMissionWorld w;
  TMainForm& form = w.form;
  form.DayStep = 1;
  w.world.dialogs->ExpectMessage("There are no enemy armor columns in this campaign.",
                                 ModalResult::kOk);

  const std::string shown = TerminalSession(w.world).Run(
      "click MSelectButton\n"
      "select MissionRadio Bridge Attack/Recon\n"
      "choose SelectTarget Machinato_Bridge\n"
      "select MissionRadio Tank Busting\n"
      "select MissionRadio Truck Busting\n"
      "select MissionRadio Intercept\n"
      "choose LinkBox Sentai_244\n");

  EXPECT_TRUE(w.world.dialogs->AllAnswered()) << shown;
  EXPECT_NE(shown.find("Info: \"Custom Mission Selection\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("Tavrek will try to generate a mission within the specified parameters,"),
            std::string::npos);
  EXPECT_NE(shown.find("    MissionRadio  radio group \"Custom Mission Preference\""),
            std::string::npos);
  // Bridge attacks go to the bridges of the enemy, contested ones included.
  EXPECT_NE(shown.find("> select MissionRadio Bridge Attack/Recon\n"), std::string::npos);
  EXPECT_NE(shown.find("SelectTarget  combo box \"Machinato_Bridge\"  [0] Random  [1]*"
                       "Machinato_Bridge  [2] Bishi_Bridge\n"),
            std::string::npos)
      << shown;
  // The refused preference is shown; the group is back on "Random" with every destination and
  // the destination chosen before.
  EXPECT_EQ(w.world.dialogs->shown,
            Items{"Tavrek: There are no enemy armor columns in this campaign."});
  EXPECT_NE(shown.find("> select MissionRadio Tank Busting\n    MissionRadio  radio group "
                       "\"Custom Mission Preference\"  [0]*Random"),
            std::string::npos)
      << shown;
  EXPECT_NE(shown.find("SelectTarget  combo box \"Machinato_Bridge\"  [0] Random  [1] "
                       "Yomitan_Airfield  [2] Kadena_Bridge  [3]*Machinato_Bridge"),
            std::string::npos);
  // Truck busting has no destination to choose; the interception may meet a chosen enemy.
  EXPECT_EQ(form.MissionRadio.ItemIndex, 6);
  EXPECT_EQ(form.SelectTarget.Items, Items{"Random"});
  EXPECT_EQ(form.SelectTarget.Text, "Random");
  EXPECT_EQ(form.LinkBox.Items, (Items{"Unknown", "Sentai_64", "Sentai_244"}));
  EXPECT_EQ(form.LinkBox.Text, "Sentai_244");
  EXPECT_EQ(form.DayStep, 0);
  EXPECT_EQ(form.ColumnTable[2].ColumnType, "2_Chief Ships.Ship_Destroyer 2");
  EXPECT_EQ(form.ColumnTable[2].ColumnArmy, "2");
  EXPECT_EQ(form.ColumnTable[2].ColumnPlace, "Naha_Port");
}

TEST(CustomMissionPanel, ARefusedPreferenceReturnsToRandomWithAllDestinations) {
  CustomMissionWorld w;
  TMainForm& form = w.form;
  MSelectButtonClick(form);
  form.MissionRadio.ItemIndex = 1;
  MissionRadioClick(form);
  form.SelectTarget.Text = "Bishi_Bridge";
  form.MissionRadio.ItemIndex = 9;
  try {
    MissionRadioClick(form);
    ADD_FAILURE() << "Train Busting was accepted";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "There are no enemy trains in this campaign.");
  }
  EXPECT_EQ(form.MissionRadio.ItemIndex, 0);
  EXPECT_EQ(form.SelectTarget.Items, kAllDestinations);
  EXPECT_EQ(form.SelectTarget.Text, "Bishi_Bridge");
}

TEST(CustomMissionPanel, WithoutColumnsFileTheListsStayAsTheyWere) {
  CustomMissionWorld w;
  TMainForm& form = w.form;
  MSelectButtonClick(form);
  std::filesystem::remove(w.campaign.Path() + "columns.tavrek");
  form.MissionRadio.ItemIndex = 3;
  try {
    MissionRadioClick(form);
    ADD_FAILURE() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No columns.tavrek file found.\r\n");
  }
  EXPECT_EQ(form.MissionRadio.ItemIndex, 3);
  EXPECT_EQ(form.SelectTarget.Items, kAllDestinations);
  EXPECT_EQ(RunLogMessages(form).back(), "No columns.tavrek file found.");
}

TEST(CustomMissionPanel, AClickOfACommandLineRunChangesNothing) {
  TestWorld world({"tavrek", "netupdate"});
  TMainForm& form = *world.form;
  form.InfoLabel.Caption = "Tavrek";
  form.MissionRadio.ItemIndex = 8;
  MissionRadioClick(form);
  EXPECT_EQ(form.InfoLabel.Caption, "Tavrek");
  EXPECT_EQ(form.MissionRadio.ItemIndex, 8);
  EXPECT_EQ(form.ErrorText, "");
}

// The tables as the reloads leave them, for the rules that need no files.
struct TablesWorld {
  TablesWorld() : form(*world.form) {
    AddLocation(form, "Yomitan_Airfield", "1", "1.00 1.00");
    AddLocation(form, "Kadena_Bridge", "1", "1.00 1.00");
    AddLocation(form, "Machinato_Bridge", "0", "1.00 1.00");
    AddLocation(form, "Shuri", "2", "1.00 1.00");
    AddLocation(form, "Bishi_Bridge", "2", "1.00 1.00");
    Squadron(0, "VMF_3110", "1", "1", "1");
  }
  void Squadron(int index, const std::string& name, const std::string& side,
                const std::string& role, const std::string& flyable) {
    SquadronEntry& squadron = form.SquadronTable[index];
    squadron.SquadronName = name;
    squadron.SquadronArmy = side;
    squadron.SquadronRole = role;
    squadron.SquadronFlyable = flyable;
    if (index > form.LastSquadron) form.LastSquadron = index;
  }
  TestWorld world;
  TMainForm& form;
};

TEST(CustomMissionDestinations, EachPreferenceOffersItsLocations) {
  TablesWorld t;
  struct Case {
    int preference;
    Items destinations;
  };
  const Case cases[] = {
      {0,
       {"Random", "Yomitan_Airfield", "Kadena_Bridge", "Machinato_Bridge", "Shuri",
        "Bishi_Bridge"}},
      {1, {"Random", "Machinato_Bridge", "Bishi_Bridge"}},
      {2, {"Random", "Kadena_Bridge"}},
      {3, {"Random", "Yomitan_Airfield", "Kadena_Bridge"}},
      {5, {"Random", "Machinato_Bridge", "Shuri", "Bishi_Bridge"}},
      {11, {"Random", "Machinato_Bridge", "Shuri", "Bishi_Bridge"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CustomMissionDestinations(t.form, c.preference), c.destinations) << c.preference;
  }
  for (const int random_only : {4, 6, 7, 8, 9, 10, 12, 13, 14, -1}) {
    EXPECT_EQ(CustomMissionDestinations(t.form, random_only), Items{"Random"}) << random_only;
  }
  t.form.LastLocation = -1;
  EXPECT_EQ(CustomMissionDestinations(t.form, 0), Items{"Random"});
}

TEST(CreateLinkBox, ListsTheFlyableEnemyFightersOnly) {
  TablesWorld t;
  t.Squadron(1, "VMF_311", "1", "1", "1");  // own side
  t.Squadron(2, "Sentai_64", "2", "1", "1");
  t.Squadron(3, "Sentai_65", "2", "1", "0");  // not flyable
  t.Squadron(4, "Chutai_7", "2", "2", "1");   // bomber
  t.Squadron(5, "Sentai_244", "2", "1", "1");
  t.form.LinkBox.Text = "Sentai_65";
  CreateLinkBox(t.form);
  EXPECT_EQ(t.form.LinkBox.Items, (Items{"Unknown", "Sentai_64", "Sentai_244"}));
  EXPECT_EQ(t.form.LinkBox.Text, "Unknown");
}

TEST(RefusedPreferenceMessage, WhatTheCampaignCannotOffer) {
  struct Case {
    const char* name;
    int preference;
    std::string role;
    std::string aircraft;
    EnemyColumnKinds columns;
    std::string message;
  };
  const EnemyColumnKinds none;
  const EnemyColumnKinds all{true, true, true, true};
  const Case cases[] = {
      {"shipping", 7, "1", "Class air.F4U1A", none, "There is no enemy shipping in this campaign."},
      {"armour", 8, "1", "Class air.F4U1A", none,
       "There are no enemy armor columns in this campaign."},
      {"trains", 9, "1", "Class air.F4U1A", none, "There are no enemy trains in this campaign."},
      {"trucks", 10, "1", "Class air.F4U1A", none,
       "There are no enemy truck columns in this campaign."},
      {"columns there", 8, "2", "Class air.PBJ_1D", all, ""},
      {"bombers intercept", 6, "2", "Class air.PBJ_1D", all,
       "Only fighter squadrons may intercept."},
      {"bombers escort", 4, "2", "Class air.PBJ_1D", all, "Only fighter squadrons may escort."},
      {"bombers and air superiority", 12, "4", "Class air.IL_2M", all,
       "Only fighter squadrons may fly air superiority missions."},
      {"the A6M2N floatplane counts as a fighter", 6, "6", "Class air.A6M2N", none, ""},
      {"and may escort", 4, "6", "Class air.A6M2N", none, ""},
      {"fighters escort", 4, "1", "Class air.F4U1A", none, ""},
      {"ground attack needs nothing", 5, "2", "Class air.PBJ_1D", none, ""},
  };
  for (const Case& c : cases) {
    TablesWorld t;
    t.form.SquadronTable[0].SquadronRole = c.role;
    t.form.SquadronTable[0].SquadronClass = c.aircraft;
    EXPECT_EQ(RefusedPreferenceMessage(t.form, c.preference, c.columns), c.message) << c.name;
  }
}

}  // namespace
