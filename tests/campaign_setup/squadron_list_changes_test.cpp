#include "campaign_setup/squadron_list_changes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "mission_results/pilot_roster.h"
#include "tests/campaign_setup/squadron_editor_world.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

bool Logged(TMainForm& form, const std::string& text) {
  return Contains(form.ErrorText, text);
}

TEST(AddNewSquadron, AppendsTheDefaultSquadronWithSixteenNewPilotsAndSavesBoth) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  AddNewSquadron(form, "USN_VF_840");
  ASSERT_EQ(form.LastSquadron, 22);
  const SquadronEntry& added = form.SquadronTable[22];
  EXPECT_EQ(added.TypeDescription, "F4U-1C Corsair") << "the player's aircraft";
  EXPECT_EQ(added.SquadronNation, "un");
  EXPECT_EQ(added.PlanesExtra, 4) << "the side's flight size, filled by the reload";
  // Saved before that reload: the size of 0 leaves the choice to the flight-size rules.
  EXPECT_THAT(w.CampaignFile("squadrons.tavrek"),
              ::testing::EndsWith("[USN_VF_840]\r\n  Planes 16/16-0+0\r\n  Skill 1\r\n"
                                  "  Class air.F4U1C\r\n  Active False AI False\r\n"
                                  "  1default.bmp\r\n  Unknown\r\n  Radio\r\n"));

  const char* const start_ranks = "6543322211110000";
  std::set<std::string> names;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < 16; ++slot)
      names.insert(form.PilotRoster[RosterIndex(s, slot)].RosterName);
  }
  EXPECT_EQ(names.size(), 23u * 16u) << "no two pilots share a name";
  for (int slot = 0; slot < 16; ++slot) {
    const PilotEntry& pilot = form.PilotRoster[RosterIndex(22, slot)];
    EXPECT_EQ(pilot.RosterSkin, "1default.bmp") << slot;
    // A new pilot's record may already have earned him a step up, never a step down.
    EXPECT_GE(StrToInt(pilot.RosterRank), start_ranks[slot] - '0') << slot;
    EXPECT_FALSE(pilot.RosterName.empty()) << slot;
  }
  const std::string pilots = w.CampaignFile("pilot.tavrek");
  EXPECT_THAT(pilots, HasSubstr("[USN_VF_840]\r\n"));
  EXPECT_THAT(pilots, HasSubstr(form.PilotRoster[RosterIndex(22, 15)].RosterName));
}

TEST(AddNewSquadron, AFullTableOrATakenNameIsRefusedAndTold) {
  struct Case {
    const char* name;
    int last_squadron;
    const char* told;
  };
  const Case cases[] = {
      {"New0", kSquadronCapacity - 1, "as many as it can hold"},
      {"USN_VT_830", 21, "Another squadron already has this name."},
  };
  for (const Case& c : cases) {
    SquadronEditorWorld w;
    TMainForm& form = w.Form();
    const std::string squadrons = w.CampaignFile("squadrons.tavrek");
    form.LastSquadron = c.last_squadron;
    w.world.dialogs->ExpectMessage(c.told, ModalResult::kOk);
    AddNewSquadron(form, c.name);
    EXPECT_TRUE(w.world.dialogs->AllAnswered()) << c.name;
    EXPECT_EQ(form.LastSquadron, c.last_squadron) << c.name;
    EXPECT_TRUE(Logged(form, c.told)) << c.name;
    EXPECT_EQ(w.CampaignFile("squadrons.tavrek"), squadrons) << c.name;
  }
}

TEST(AddNewSquadron, AHiddenRunIsToldNothingButTheRunLog) {
  SquadronEditorWorld w({"tavrek", "fbd"});
  w.Form().LastSquadron = kSquadronCapacity - 1;
  AddNewSquadron(w.Form(), "New0");  // a dialog would fail the test: none is expected
  EXPECT_TRUE(Logged(w.Form(), "as many as it can hold"));
  EXPECT_EQ(w.Form().LastSquadron, kSquadronCapacity - 1);
}

TEST(SquadDeleteAndCleanUp, LaterSquadronsAndTheirPilotsMoveUpAndTheRemovedOneIsGone) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  const std::string next_pilot = form.PilotRoster[RosterIndex(4, 0)].RosterName;
  SquadDelete(form, 3);
  EXPECT_TRUE(form.SquadronTable[3].SquadronName.empty());
  EXPECT_EQ(form.LastSquadron, 21) << "nothing moves before the clean-up";
  SquadCleanUp(form);
  EXPECT_EQ(form.LastSquadron, 20);
  EXPECT_EQ(form.SquadronTable[3].SquadronName, "USMC_VMSB_3310");
  EXPECT_EQ(form.PilotRoster[RosterIndex(3, 0)].RosterName, next_pilot);
  EXPECT_THAT(w.CampaignFile("squadrons.tavrek"), Not(HasSubstr("USMC_VMF_3230")));
  EXPECT_THAT(w.CampaignFile("pilot.tavrek"), Not(HasSubstr("USMC_VMF_3230")));
  for (const char* line : {"Pilots saved.", "Squadrons saved.", "Pilots reloaded."}) {
    EXPECT_TRUE(Logged(form, line)) << line;
  }
}

// The entry behind the last squadron still holds the squadron removed last; a squadron added
// there starts from nothing of it.
TEST(SquadDeleteAndCleanUp, ASquadronAddedAfterARemovalInheritsNothing) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  form.SquadronTable[21].SquadronRadio = "NoRadio";
  form.SquadronTable[21].SquadronFuel = "Fuel 50";
  SaveSquadrons(form, 0);
  SquadDelete(form, 3);
  SquadCleanUp(form);
  ASSERT_EQ(form.LastSquadron, 20);
  AddNewSquadron(form, "New0");
  ASSERT_EQ(form.SquadronTable[21].SquadronName, "New0");
  EXPECT_EQ(form.SquadronTable[21].SquadronRadio, "Radio");
  EXPECT_NE(form.SquadronTable[21].SquadronFuel, "Fuel 50");
}

TEST(SqRemoveClick, CancellingTheQuestionRemovesNothing) {
  SquadronEditorWorld w;
  TMainForm& form = w.Form();
  w.Edit("USN_VT_830");
  const std::string squadrons = w.CampaignFile("squadrons.tavrek");
  w.world.dialogs->ExpectMessage("Remove Squad USN_VT_830?", ModalResult::kCancel);
  form.SqRemove.UserClick();
  EXPECT_TRUE(w.world.dialogs->AllAnswered());
  EXPECT_EQ(form.LastSquadron, 21);
  EXPECT_EQ(w.CampaignFile("squadrons.tavrek"), squadrons);
}

}  // namespace
