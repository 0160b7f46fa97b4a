#include "campaign_setup/squadron_editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "mission_results/pilot_roster.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/campaign_setup/squadron_editor_world.h"

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(SquadronEditor, OpensOnThePlayersSquadronWithWhatItCanBeGiven) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  const std::string shown = w.User("click QuickEdit\n");
  EXPECT_TRUE(form.QEPanel.Showing()) << shown;
  EXPECT_THAT(shown, HasSubstr("Info: \"Squadron Editor\""));
  EXPECT_EQ(form.DayStep, 0);
  ASSERT_EQ(form.SquadBox.Items.size(), 23u);
  EXPECT_EQ(form.SquadBox.Items.back(), "Add New Squadron ");
  EXPECT_EQ(form.SquadBox.ItemIndex(), 0);
  EXPECT_EQ(form.UnitLabel.Caption, "Unit to Edit: Single Player Squadron");
  EXPECT_EQ(form.SquadIDBox.Text, "USMC_VMF_311");
  EXPECT_EQ(form.SquadNoBox.Text, "0");
  EXPECT_EQ(form.PlaneBox.Text, "F4U-1C Corsair");
  EXPECT_EQ(form.SkillBox.Text, "Veteran");
  EXPECT_EQ(form.AirfieldBox.Text, "Yontan_Airfield");
  EXPECT_THAT(form.AirfieldBox.Items, Contains("USS_Essex"));
  EXPECT_THAT(form.AirfieldBox.Items, Not(Contains("Hagushi_Harbor")));
  EXPECT_THAT(form.AirfieldBox.Items, Not(Contains("Naha_Airfield"))) << "an enemy field";
  EXPECT_THAT(form.DistanceEdit.Text, ::testing::EndsWith(" kms"));
  EXPECT_THAT(form.SquadIDBox.Items, Contains("USN_VF_83"));
  EXPECT_THAT(form.PlaneBox.Items, Contains("G4M2E Betty")) << "installed and in service";
  EXPECT_EQ(form.PlaneBox.Items.size(), form.SClassBox.Items.size());
  EXPECT_EQ(form.APlaneLabel.Caption, "F4U-1C Corsair x 16");
  EXPECT_TRUE(form.USAAFIcon.Visible);
  EXPECT_FALSE(form.RedStar.Visible);
  EXPECT_FALSE(form.AIBox.Visible);
  EXPECT_TRUE(form.ActiveBox.Checked);
}

// The main road: one session of the user's, then the files read back into a fresh table.
TEST(SquadronEditor, RenamedReEquippedReBasedAddedAndRemovedSquadronsSaveAndReloadTheSame) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  w.world.dialogs->ExpectMessage("Add New Squadron?", ModalResult::kOk);
  w.world.dialogs->ExpectMessage("Remove Squad USA_PRS_0280?", ModalResult::kOk);
  const std::string shown = w.User(
      "click QEButton\n"
      "choose SquadBox USMC_VMF_3230\n"
      "choose SquadNoBox 2\n"
      "choose PlaneBox F6F-5 Hellcat\n"
      "choose AirfieldBox USS_Essex\n"
      "choose SkillBox Ace\n"
      "choose SetRadioBox No\n"
      "choose SquadBox Add New Squadron\n"
      "choose SquadBox USA_PRS_0280\n"
      "click SqRemove\n");
  ASSERT_TRUE(w.world.dialogs->AllAnswered()) << shown;
  EXPECT_TRUE(form.QEPanel.Showing()) << "the editor opens again after the removal";

  const std::string saved = w.CampaignFile("squadrons.tavrek");
  EXPECT_THAT(saved, HasSubstr("[USMC_VMF_3232]\r\n  Planes 16/16-4+4\r\n  Skill 3\r\n"
                               "  Class air.F6F5\r\n  Active True  AI True\r\n"
                               "  1default.bmp\r\n  USS_Essex\r\n  NoRadio\r\n"));
  EXPECT_THAT(saved, Not(HasSubstr("[USMC_VMF_3230]")));
  EXPECT_THAT(saved, Not(HasSubstr("USA_PRS_0280")));
  // The removal re-based the squadron added without a base.
  EXPECT_THAT(saved,
              HasSubstr("[New0]\r\n  Planes 16/16-0+4\r\n  Skill 1\r\n  Class air.F4U1C\r\n"
                        "  Active False AI False\r\n  1default.bmp\r\n  Ie_Shima_Airstrip\r\n"));
  ASSERT_EQ(form.LastSquadron, 21);
  EXPECT_EQ(form.SquadronTable[21].SquadronName, "New0");

  // What the next start of the program reads is what the editor left.
  std::vector<std::string> before;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    before.push_back(squadron.SquadronName + "|" + squadron.SquadronClass + "|" +
                     squadron.SquadronHomeBase + "|" + squadron.SquadronRadio + "|" +
                     form.PilotRoster[RosterIndex(s, 0)].RosterName);
  }
  const std::string pilots = w.CampaignFile("pilot.tavrek");
  MarkTablesNotLoaded(form);
  for (int s = 0; s < 23; ++s) form.SquadronTable[s] = SquadronEntry{};
  SquadronList(form, "OFF");
  LoadPilots(form);
  std::vector<std::string> after;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    after.push_back(squadron.SquadronName + "|" + squadron.SquadronClass + "|" +
                    squadron.SquadronHomeBase + "|" + squadron.SquadronRadio + "|" +
                    form.PilotRoster[RosterIndex(s, 0)].RosterName);
  }
  EXPECT_EQ(after, before);
  SaveSquadrons(form, 0);
  SavePilot(form, 0);
  EXPECT_EQ(w.CampaignFile("squadrons.tavrek"), saved);
  EXPECT_EQ(w.CampaignFile("pilot.tavrek"), pilots);
}

// What the editor refuses, it refuses before anything is stored: the table and the files stay
// as they were, and the user is told why.
TEST(SquadronEditor, RefusedChangesStoreNothing) {
  struct Case {
    const char* name;
    const char* squadron;
    std::function<void(SquadronEditorWorld&)> change;
    const char* message;
  };
  const Case cases[] = {
      {"a name another squadron has", "USMC_VMF_3230",
       [](SquadronEditorWorld& w) { w.Form().SquadIDBox.UserChoose("USN_VF_83"); },
       "Another squadron already has this name."},
      {"a nation the game does not have", "USMC_VMF_3230",
       [](SquadronEditorWorld& w) {
         std::filesystem::remove_all(w.Form().GameFolder + "Missions/Campaign/GB");
         w.Form().SquadIDBox.UserChoose("No_1_Sqn");
       },
       "The squadron chosen is not activated in the game."},
      {"an id the squadron file cannot hold", "USMC_VMF_3230",
       [](SquadronEditorWorld& w) { w.Form().SquadIDBox.UserChoose("VMF 323]"); },
       "cannot name a squadron"},
      {"an aircraft the player cannot fly", "USMC_VMF_3110",
       [](SquadronEditorWorld& w) { w.Form().PlaneBox.UserChoose("G4M2E Betty"); },
       "new aircraft cannot be flown by the player"},
      {"a harbour for a fighter", "USMC_VMF_3230",
       [](SquadronEditorWorld& w) {
         TComboBox& box = w.Form().AirfieldBox;
         box.Items.push_back("Hagushi_Harbor");
         box.UserChoose("Hagushi_Harbor");
       },
       "This base does not suit the squadron"},
      {"a base not offered", "USMC_VMF_3230",
       [](SquadronEditorWorld& w) { w.Form().AirfieldBox.UserChoose("Naha_Airfield"); },
       "is not a base this squadron can use"},
      {"more planes at least than at most", "USMC_VMF_3230",
       [](SquadronEditorWorld& w) { w.Form().MaxBox.UserChoose("2"); },
       "The maximum number of planes must be equal to or greater than the minimum number."},
      {"a flight larger than the squadron", "USN_VPB_270",
       [](SquadronEditorWorld& w) {
         w.Form().MaxBox.Text = "3";
         w.Form().FSizeBox.UserChoose("4");
       },
       "The flight size must be equal to or less than than the maximum number."},
      {"the player's squadron removed", "USMC_VMF_3110",
       [](SquadronEditorWorld& w) { w.Form().SqRemove.UserClick(); },
       "The player's squadron cannot be removed."},
  };
  for (const Case& c : cases) {
    SquadronEditorWorld w;
    w.Edit(c.squadron);
    const int s = w.Squadron(c.squadron);
    ASSERT_EQ(w.Form().SquadBox.ItemIndex(), s) << c.name;
    const std::string squadrons = w.CampaignFile("squadrons.tavrek");
    const std::string pilots = w.CampaignFile("pilot.tavrek");
    const SquadronEntry kept = w.Form().SquadronTable[s];
    try {
      c.change(w);
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const ProgramError& error) {
      EXPECT_THAT(error.what(), HasSubstr(c.message)) << c.name;
    }
    EXPECT_EQ(w.CampaignFile("squadrons.tavrek"), squadrons) << c.name;
    EXPECT_EQ(w.CampaignFile("pilot.tavrek"), pilots) << c.name;
    const SquadronEntry& now = w.Form().SquadronTable[s];
    EXPECT_EQ(now.SquadronName, kept.SquadronName) << c.name;
    EXPECT_EQ(now.SquadronClass, kept.SquadronClass) << c.name;
    EXPECT_EQ(now.SquadronHomeBase, kept.SquadronHomeBase) << c.name;
    EXPECT_EQ(w.Form().SquadIDBox.Text + w.Form().SquadNoBox.Text, kept.SquadronName) << c.name;
  }
}

TEST(SquadronEditor, ANumberOnlyChangeKeepsTheIdAndANewIdStartsAtZero) {
  SquadronEditorWorld w;
  w.Edit("USN_VF_830");
  w.Form().SquadNoBox.UserChoose("3");
  EXPECT_EQ(w.Form().SquadronTable[1].SquadronName, "USN_VF_833");
  w.Form().SquadNoBox.Text = "2";
  w.Form().SquadIDBox.UserChoose("USN_VF_84");
  EXPECT_EQ(w.Form().SquadronTable[1].SquadronName, "USN_VF_840");
  EXPECT_EQ(w.Form().SquadNoBox.Text, "0");
  EXPECT_THAT(w.CampaignFile("squadrons.tavrek"), HasSubstr("[USN_VF_840]\r\n  Planes 16/16"));
  EXPECT_EQ(w.Form().SquadBox.Items[1], "USN_VF_840");
}

TEST(SquadronEditor, ANationChangeNamesThePilotsAfresh) {
  SquadronEditorWorld w;
  w.Edit("USN_VF_830");
  const std::string first_pilot = w.Form().PilotRoster[RosterIndex(1, 0)].RosterName;
  w.Form().SquadIDBox.UserChoose("USA_FS_045");
  EXPECT_EQ(w.Form().SquadronTable[1].SquadronNation, "us");
  EXPECT_NE(w.Form().PilotRoster[RosterIndex(1, 0)].RosterName, first_pilot);
  EXPECT_THAT(w.CampaignFile("pilot.tavrek"),
              HasSubstr(w.Form().PilotRoster[RosterIndex(1, 0)].RosterName));
}

TEST(SquadronEditor, ThePlayersSquadronStaysActiveAndPilotedOffLine) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  w.Edit("USMC_VMF_3110");
  form.ActiveBox.Visible = true;
  form.AIBox.Visible = true;
  form.ActiveBox.UserClick();
  form.AIBox.UserClick();
  EXPECT_TRUE(form.ActiveBox.Checked);
  EXPECT_FALSE(form.AIBox.Checked);
  EXPECT_THAT(w.CampaignFile("squadrons.tavrek"),
              HasSubstr("[USMC_VMF_3110]\r\n  Planes 16/16-4+4\r\n  Skill 2\r\n"
                        "  Class air.F4U1C\r\n  Active True  AI False\r\n"));

  // In co-op the computer may fly it; any other squadron may stand down.
  form.Coop.Checked = true;
  form.AIBox.UserClick();
  EXPECT_EQ(form.SquadronTable[0].SquadronAI, "AI True");
  form.Coop.Checked = false;
  form.SquadBox.UserChoose("USN_VT_830");
  EXPECT_FALSE(form.AIBox.Visible) << "off-line the computer flies every other squadron";
  form.ActiveBox.UserClick();
  EXPECT_EQ(form.SquadronTable[2].SquadronActive, "Active False");
  EXPECT_EQ(form.UnitLabel.Caption, "Unit to Edit: No.2 Squadron");
}

TEST(SquadronEditor, StrengthAndFlightSizeAreSavedAndCancellingAnAddAddsNothing) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  w.Edit("USN_VT_830");
  form.MaxBox.UserChoose("10");
  form.MinBox.UserChoose("2");
  form.FSizeBox.UserChoose("2");
  EXPECT_THAT(w.CampaignFile("squadrons.tavrek"),
              HasSubstr("[USN_VT_830]\r\n  Planes 12/10-2+2\r\n"));

  const std::string squadrons = w.CampaignFile("squadrons.tavrek");
  w.world.dialogs->ExpectMessage("Add New Squadron?", ModalResult::kCancel);
  form.SquadBox.UserChoose("Add New Squadron ");
  EXPECT_TRUE(w.world.dialogs->AllAnswered());
  EXPECT_EQ(form.LastSquadron, 21);
  EXPECT_EQ(form.SquadBox.ItemIndex(), 21) << "the squadron before the item is shown";
  EXPECT_EQ(w.CampaignFile("squadrons.tavrek"), squadrons);
}

}  // namespace

namespace {

TEST(SquadronEditor, ThePlayersNewAircraftResetsTheCustomMissionAndIsSavedWithTheCampaign) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  w.Edit("USMC_VMF_3110");
  form.MissionRadio.ItemIndex = 3;
  form.PlaneBox.UserChoose("F4U-1D Corsair");
  EXPECT_EQ(form.MissionRadio.ItemIndex, 0);
  EXPECT_THAT(w.CampaignFile("campaign.tavrek"), HasSubstr("Preference=0"));
  EXPECT_EQ(form.SquadronTable[0].SquadronClass, "Class air.F4U1D");
  EXPECT_EQ(form.SquadronTable[0].TypeGameName, "F4U-1D") << "the type's data follows";
  EXPECT_EQ(form.SkinBox.Text, "default.bmp");
  EXPECT_THAT(w.CampaignFile("squadrons.tavrek"),
              HasSubstr("[USMC_VMF_3110]\r\n  Planes 16/16-4+4\r\n  Skill 2\r\n"
                        "  Class air.F4U1D\r\n  Active True  AI False\r\n  1default.bmp\r\n"));
  EXPECT_EQ(form.APlaneLabel.Caption, "F4U-1D Corsair x 16");
}

}  // namespace
