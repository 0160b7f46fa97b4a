#include "mission_results/pilot_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/controls.h"

#include "mission_results/pilot_roster.h"
#include "mission_results/rank_awards.h"
#include "tests/mission_generation/terminal_session.h"
#include "tests/mission_results/editor_world.h"

namespace {

TEST(PilotBox, ListsTheSquadronsPilotsToItsStrength) {
  EditorWorld w;
  ASSERT_EQ(w.form.PilotListBox.Items.size(), 12u);
  EXPECT_EQ(w.form.PilotListBox.Items[0], "Major Pilot 0");
  EXPECT_EQ(w.form.PilotListBox.Items[11], "First Lieutenant Pilot 11");
  EXPECT_EQ(w.form.KillListBox.Items[3], "003");
  w.Pilot(0, 2).RosterRank = "9";
  w.form.SquadronTable[0].PlanesMax = "20";
  PilotBox(w.form, 0);
  EXPECT_EQ(w.form.PilotListBox.Items.size(), 16u);
  EXPECT_EQ(w.form.PilotListBox.Items[2], "Pilot 2") << "an untracked rank has no title";
}

TEST(PilotEditor, ListOpenEditChooseAPortraitAndSaveThroughTheTerminal) {
  EditorWorld w;
  const std::string picked = w.game.Path() + "DGen/US/02.bmp";
  w.world.dialogs->ExpectOpenFile("", picked);
  TerminalSession session(w.world);
  const std::string shown = session.Run(
      "select PilotListBox 3\n"
      "dblclick PilotListBox\n"
      "type NameEdit Hank [Red] Miller\n"
      "type CityEdit Peoria\n"
      "type MFBox 042\n"
      "type KillBox 7\n"
      "type KillBox abc\n"
      "type GrKillBox 005\n"
      "choose RankBox 2\n"
      "type BirthEdit 0921\n"
      "type BirthEdit 19x1\n"
      "type BirthEdit 1921\n"
      "click RPicButton\n"
      "dblclick PilotPhoto\n"
      "click PilotCloseButton\n");
  EXPECT_TRUE(w.world.dialogs->AllAnswered()) << shown;
  const PilotEntry& pilot = w.Pilot(0, 3);
  EXPECT_EQ(pilot.RosterName, "Hank Red Miller");
  EXPECT_EQ(pilot.RosterHomeTown, "Peoria");
  EXPECT_EQ(pilot.RosterSorties, "042");
  EXPECT_EQ(pilot.RosterKills, "003") << "only three digits are taken";
  EXPECT_EQ(pilot.RosterGroundKills, "005");
  EXPECT_EQ(pilot.RosterRank, "2");
  EXPECT_EQ(pilot.RosterBirthDate, "1921");
  EXPECT_EQ(pilot.RosterPhoto, "DGen\\US\\02");
  EXPECT_NE(w.CampaignFile("pilot.tavrek")
                .find("  003 005 042 Hank Red Miller @DGen\\US\\02 *20 &1921Peoria\r\n"),
            std::string::npos);
  EXPECT_NE(shown.find("Info: \"Pilot Editor\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("PilotPhoto  picture"), std::string::npos) << shown;
  EXPECT_NE(shown.find("(64x80)"), std::string::npos) << shown;
  EXPECT_NE(shown.find("PhotoLabel  label \"DGen\\US\\05.bmp\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("PhotoLabel  label \"DGen\\US\\02.bmp\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("Info: \"Squadron Editor\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("Captain Hank Red Miller"), std::string::npos) << shown;
}

TEST(NameEditChange, ANameTakesOnlyWhatTheRosterCanHold) {
  struct Case {
    std::string typed;
    std::string stored;
  };
  const Case cases[] = {
      {"  Ray Dunn  ", "Ray Dunn"},
      {"Ray @Dunn*", "Ray Dunn"},
      {"", "Pilot 3"},
      {"[]@", "Pilot 3"},
      {std::string(50, 'x'), "Pilot 3"},
      {std::string(49, 'x'), std::string(49, 'x')},
  };
  for (const Case& c : cases) {
    EditorWorld w;
    w.Select(0, 3);
    w.form.NameEdit.Text = c.typed;
    NameEditChange(w.form);
    EXPECT_EQ(w.Pilot(0, 3).RosterName, c.stored) << "'" << c.typed << "'";
  }
}

TEST(NameEditChange, ATakenNameIsDrawnAgainAndAHumanBecomesAComputerPilot) {
  EditorWorld w;
  w.Select(0, 3);
  w.Pilot(0, 3).RosterMarker = "^";
  w.form.NameEdit.Text = "Pilot 7";
  NameEditChange(w.form);
  EXPECT_NE(w.Pilot(0, 3).RosterName, "Pilot 7");
  EXPECT_EQ(w.form.NameEdit.Text, "Pilot 7") << "the edit keeps what was typed";
  EXPECT_EQ(w.Pilot(0, 3).RosterMarker, " ");
  EXPECT_TRUE(w.Logged("USA_FS_0190 #3 pilot's name changed due to duplication."));
}

TEST(PilotEditor, ThePlayersOwnNameTownAndBirthAreNotEditedOffLine) {
  EditorWorld w;
  w.Select(0, 15);
  w.form.NameEdit.Text = "Someone Else";
  NameEditChange(w.form);
  w.form.CityEdit.Text = "Elsewhere";
  CityEditChange(w.form);
  w.form.BirthEdit.Text = "1900";
  BirthEditChange(w.form);
  EXPECT_EQ(w.Pilot(0, 15).RosterName, "Pilot 15");
  EXPECT_EQ(w.Pilot(0, 15).RosterHomeTown, "Town");
  EXPECT_EQ(w.Pilot(0, 15).RosterBirthDate, "1920");
  w.form.Coop.Checked = true;
  CityEditChange(w.form);
  EXPECT_EQ(w.Pilot(0, 15).RosterHomeTown, "Town");
  NameEditChange(w.form);
  EXPECT_EQ(w.Pilot(0, 15).RosterName, "Someone Else") << "on-line his name can be edited";
}

TEST(BirthEditChange, FourDigitsAYearAnythingElseBringsTheYearBack) {
  struct Case {
    std::string typed;
    std::string stored;
    std::string shown;
  };
  const Case cases[] = {{"1921", "1921", "1921"}, {"0921", "1920", "0921"},
                        {"192", "1920", "192"},   {"19x1", "1920", "1920"},
                        {"-921", "1920", "1920"}, {" 1918 ", "1918", " 1918 "}};
  EditorWorld w;
  w.Select(0, 3);
  for (const Case& c : cases) {
    w.Pilot(0, 3).RosterBirthDate = "1920";
    w.form.BirthEdit.Text = c.typed;
    BirthEditChange(w.form);
    EXPECT_EQ(w.Pilot(0, 3).RosterBirthDate, c.stored) << c.typed;
    EXPECT_EQ(w.form.BirthEdit.Text, c.shown) << c.typed;
  }
}

TEST(PilotListBoxClick, WithSquadronManagementTwoClicksExchangeTwoPilots) {
  EditorWorld w;
  w.form.SquadronManagement.Checked = true;
  w.Select(0, 2);
  PilotListBoxClick(w.form);
  EXPECT_EQ(w.form.PendingSwapSlot, 2);
  w.Select(0, 9);
  PilotListBoxClick(w.form);
  EXPECT_EQ(w.Pilot(0, 2).RosterName, "Pilot 9");
  EXPECT_EQ(w.Pilot(0, 9).RosterName, "Pilot 2");
  EXPECT_EQ(w.form.PilotListBox.Items[2], "First Lieutenant Pilot 9");
  EXPECT_EQ(w.form.PendingSwapSlot, -1);
  EXPECT_NE(w.CampaignFile("pilot.tavrek").find("Pilot 9 @DGen\\US\\05 *10"), std::string::npos);

  // A double click opens the editor, which forgets the first pick.
  w.Select(0, 4);
  PilotListBoxClick(w.form);
  PilotListBoxDClick(w.form);
  EXPECT_EQ(w.form.PendingSwapSlot, -1);
  EXPECT_TRUE(w.form.PilotPanel.Showing());
}

TEST(PilotListBoxClick, NoExchangeWithoutManagementOnLineOrInAnotherSquadron) {
  for (int setting = 0; setting < 3; ++setting) {
    EditorWorld w;
    w.form.SquadronManagement.Checked = setting != 0;
    w.form.Dogfight.Checked = setting == 1;
    const int squadron = setting == 2 ? 1 : 0;
    w.Select(squadron, 2);
    PilotListBoxClick(w.form);
    w.Select(squadron, 9);
    PilotListBoxClick(w.form);
    EXPECT_EQ(w.Pilot(squadron, 2).RosterName, "Pilot 2") << setting;
  }
}

TEST(PilotCloseButtonClick, ClosingOnThePlayerTakesHisRankForTheGame) {
  EditorWorld w;
  w.Select(0, 15);
  PilotListBoxDClick(w.form);
  w.form.RankBox.UserChoose("Colonel ");
  PilotCloseButtonClick(w.form);
  EXPECT_EQ(w.form.PlayerRankIndex, 5);
  EXPECT_FALSE(w.form.PilotPanel.Visible);
  EXPECT_TRUE(w.form.QEPanel.Visible);
}

TEST(PInfoClick, OpensTheEditorOnTheLastListedPilotWhoIsNotThePlayer) {
  EditorWorld w;
  w.form.SquadronTable[0].PlanesMax = "16";
  PilotBox(w.form, 0);
  PInfoClick(w.form);
  EXPECT_EQ(w.form.PilotListBox.ItemIndex, 14);
  EXPECT_EQ(w.form.NameEdit.Text, "Pilot 14");
}

TEST(PilotListBoxDClick, TheOldestGameAndServersShowNoPicturesOrPaints) {
  EditorWorld w;
  w.form.GameID = "IL2";
  w.Select(0, 1);
  PilotListBoxDClick(w.form);
  const TControl* hidden[] = {&w.form.PilotPhoto, &w.form.PaintImage, &w.form.RPicButton,
                              &w.form.MarkBox};
  for (const TControl* control : hidden) {
    EXPECT_FALSE(control->Visible) << control->Name();
  }
  EXPECT_TRUE(w.form.NameEdit.Visible);
}

}  // namespace
