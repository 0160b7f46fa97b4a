#pragma once

#include <string>
#include <vector>

#include "app/main_form.h"
#include "tests/support/test_world.h"

// A test's world with a campaign folder of its own, which the window's CampaignFolder names.
// Tests of one topic derive from it and add what their campaign needs.
struct CampaignWorld {
  explicit CampaignWorld(std::vector<std::string> command_line = {"tavrek"});
  CampaignWorld(const CampaignWorld&) = delete;
  CampaignWorld& operator=(const CampaignWorld&) = delete;

  // Some line of the run log holds `text`.
  bool Logged(const std::string& text) const;
  // The settings file's lines as the program folder holds them now.
  std::vector<std::string> SettingsLines() const;

  TestWorld world;
  TempFolder campaign;
  TMainForm& form;
};
