#include "mission_results/player_name.h"

#include <gtest/gtest.h>

#include <string>

#include "mission_results/built_in_names.h"
#include "mission_results/name_lists.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/roster_text.h"
#include "tests/mission_results/roster_world.h"

namespace {

TEST(PlayerNameCheck, TheCurrentUserOfTheGamesUserList) {
  struct Case {
    std::string label;
    std::string all_ini;
    std::string name;
  };
  const Case cases[] = {
      {"five words", "[users]\r\nu1 John x Paul Jones\r\n[current]\r\n0\r\n", "John Paul Jones"},
      {"three words", "[users]\r\nu1 John Smith\r\n[current]\r\n0\r\n", "John Smith"},
      {"two words", "[users]\r\nu1 Kowalski\r\n[current]\r\n0\r\n", "Kowalski"},
      {"the later current counts",
       "[users]\r\nu1 A x B\r\n[current]\r\n0\r\nu2 C x D\r\n[current]\r\n 3 \r\n", "C D"},
      {"a user beyond the list", "[users]\r\nu1 A x B\r\n[current]\r\n9\r\n", "Slot Fifteen"},
      {"no current user", "[users]\r\nu1 A x B\r\n", "Slot Fifteen"},
      {"current user no number", "[users]\r\nu1 A x B\r\n[current]\r\nsecond\r\n", "Slot Fifteen"},
      {"marker characters", "[users]\r\nu1 Joe x [Ace]@Smith\r\n[current]\r\n0\r\n",
       "Joe _Ace__Smith"},
  };
  RosterWorld w;
  w.AddSquadron({.name = "A0", .nation = "us"});
  w.Pilot(0, 15).RosterName = "Slot Fifteen";
  for (const Case& c : cases) {
    w.WriteGameFile("Users/all.ini", c.all_ini);
    PlayerNameCheck(w.form);
    EXPECT_EQ(w.form.PlayerName, c.name) << c.label;
  }
}

TEST(PlayerNameCheck, ACurrentUserThatIsNoNumberIsLoggedAndStartUpGoesOn) {
  RosterWorld w;
  w.WriteGameFile("Users/all.ini", "[users]\r\nu1 A x B\r\n[current]\r\nsecond\r\n");
  EXPECT_NO_THROW(PlayerNameCheck(w.form));
  EXPECT_TRUE(w.Logged("the current user \"second\" is no user number"));
}

TEST(PlayerNameCheck, OnLineThePlayerIsThePilotOfSlotFifteen) {
  RosterWorld w;
  w.AddSquadron({.name = "A0", .nation = "us"});
  w.Pilot(0, 15).RosterName = "Slot Fifteen";
  w.WriteGameFile("Users/all.ini", "[users]\r\nu1 John Smith\r\n[current]\r\n0\r\n");
  w.form.Dogfight.Checked = true;
  PlayerNameCheck(w.form);
  EXPECT_EQ(w.form.PlayerName, "Slot Fifteen");
}

// A roster of two squadrons, the second opened in the pilot editor.
struct RenameWorld : RosterWorld {
  RenameWorld() {
    AddSquadron({.name = "USMC_VMF_3110", .nation = "um"});
    AddSquadron({.name = "488Squadronfe0", .nation = "rz"});
    WriteCampaignFile("pilot.tavrek", "[USMC_VMF_3110]\r\n" + PilotLines("Marine") +
                                          "[488Squadronfe0]\r\n" + PilotLines("Kiwi"));
    WriteCampaignFile("data/cities.dat", "[GB]\r\nLeeds\r\n[RZ]\r\nNelson\r\nNapier\r\n");
    form.CampaignDataFolder = campaign.Path() + "data/";
    CityNames(form);
    LoadPilots(form);
    form.SquadBox.Items = {"USMC_VMF_3110", "488Squadronfe0"};
  }
  void Open(int squadron, int slot) {
    form.SquadBox.Text = form.SquadBox.Items[squadron];
    form.PilotListBox.ItemIndex = slot;
  }
};

TEST(QuickNameChange, ANewZealanderGetsABritishNameAPortraitAndATownOfHisOwn) {
  RenameWorld w;
  w.Pilot(1, 4).RosterMarker = "^";
  w.Open(1, 4);
  QuickNameChange(w.form);
  const PilotEntry& pilot = w.Pilot(1, 4);
  const PilotNameLists& lists = BuiltInPilotNames();
  EXPECT_NE(std::find(lists.BFNm.begin(), lists.BFNm.end(), FirstNameOf(pilot.RosterName)),
            lists.BFNm.end());
  EXPECT_NE(std::find(lists.BLNm.begin(), lists.BLNm.end(), LastNameOf(pilot.RosterName)),
            lists.BLNm.end());
  // The portrait is the number drawn, whether or not the game has it.
  EXPECT_EQ(pilot.RosterPhoto.substr(0, 8), "DGen\\RA\\");
  EXPECT_LE(pilot.RosterPhoto.substr(8), "30");
  EXPECT_TRUE(pilot.RosterHomeTown == "Nelson" || pilot.RosterHomeTown == "Napier");
  EXPECT_EQ(pilot.RosterMarker, " ");
  EXPECT_EQ(w.form.InfoLabel.Caption, "Pilot's Name Changed");
  EXPECT_EQ(w.form.NameEdit.Text, pilot.RosterName);
  EXPECT_NE(w.CampaignFile("pilot.tavrek").find(pilot.RosterName), std::string::npos);
}

TEST(QuickNameChange, ThePlayerKeepsHisName) {
  RenameWorld w;
  w.Open(0, 15);
  w.world.dialogs->ExpectMessage("Can't change player name.", ModalResult::kOk);
  QuickNameChange(w.form);
  EXPECT_EQ(w.Pilot(0, 15).RosterName, "Marine 15");
  EXPECT_EQ(w.form.NameEdit.Text, "Marine 15");
  EXPECT_TRUE(w.world.dialogs->AllAnswered());
}

TEST(TrackPlayerRanksClick, UntrackedHumansHoldRankNineTrackedOnesStartAgain) {
  RenameWorld w;
  w.Pilot(1, 2).RosterMarker = "^";
  w.Pilot(1, 3).RosterMarker = "^";
  w.Pilot(1, 3).RosterRank = "4";
  SavePilot(w.form, 0);
  w.form.TrackPlayerRanks.Checked = true;
  w.Pilot(1, 7).RosterName = "Edited Not Saved";

  TrackPlayerRanksClick(w.form);  // off
  EXPECT_FALSE(w.form.TrackPlayerRanks.Checked);
  EXPECT_EQ(w.Pilot(1, 2).RosterRank, "9");
  EXPECT_EQ(w.Pilot(1, 3).RosterRank, "9");
  EXPECT_EQ(w.Pilot(0, 15).RosterRank, "9") << "the player is human too";
  EXPECT_EQ(w.Pilot(1, 4).RosterRank, "0");
  EXPECT_EQ(w.Pilot(1, 7).RosterName, "Edited Not Saved") << "an edit is kept through the reload";

  TrackPlayerRanksClick(w.form);  // on
  EXPECT_TRUE(w.form.TrackPlayerRanks.Checked);
  EXPECT_EQ(w.Pilot(1, 3).RosterRank, "0");
  EXPECT_NE(w.CampaignFile("pilot.tavrek").find("^ 000 000 000 Kiwi 3 @DGen\\Photo *00"),
            std::string::npos);
}

}  // namespace
