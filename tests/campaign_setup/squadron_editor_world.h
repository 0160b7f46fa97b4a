#pragma once

#include <string>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/startup.h"
#include "platform/text_file.h"
#include "tests/mission_generation/terminal_session.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

// The shipped Okinawa sample loaded as the program loads a campaign, for the squadron editor
// and the squadron list changes. Its player flies USMC_VMF_3110 (F4U-1C Corsair, Yontan).
struct SquadronEditorWorld {
  explicit SquadronEditorWorld(std::vector<std::string> command_line = {"tavrek"})
      : world(std::move(command_line)) {
    SetOptionDefaults(Form());
    InstallSample(world);
    InitializeCampaign(Form());
    Form().Rand.SetSeed(19450406);
  }

  TMainForm& Form() { return *world.form; }
  std::string CampaignFile(const std::string& name) {
    return ReadFileBytes(Form().CampaignFolder + name);
  }
  // Runs the user's commands on the window, one session to the end of the script.
  std::string User(const std::string& script) { return TerminalSession(world).Run(script); }
  int Squadron(const std::string& name) {
    for (int s = 0; s <= Form().LastSquadron; ++s) {
      if (Form().SquadronTable[s].SquadronName == name) return s;
    }
    return -1;
  }
  // Opens the editor and chooses the squadron, as the user would.
  void Edit(const std::string& name) {
    QuickEditClickForTest();
    Form().SquadBox.UserChoose(name);
  }
  void QuickEditClickForTest() { Form().QEButton.UserClick(); }

  TestWorld world;
};
