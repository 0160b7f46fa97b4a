#pragma once

#include <string>
#include <vector>

#include "app/main_form.h"
#include "tests/support/test_world.h"

// The shipped Okinawa sample loaded as the program loads a campaign, with the map's owners
// given by side of the front centre (Allied west, Japanese east, the front centre contested)
// and written to territory.tavrek, so the ground war's loaders find the same owners.
struct CourseCampaign {
  explicit CourseCampaign(std::vector<std::string> command_line = {"tavrek"});

  TMainForm& Form() { return *world.form; }
  std::string CampaignFolder() const;
  std::string CampaignFile(const std::string& name) const;
  std::vector<std::string> CampaignLines(const std::string& name) const;
  int Location(const std::string& name);
  int Column(const std::string& name);
  int Squadron(const std::string& name);
  void SetOwner(const std::string& place, const std::string& army);
  // territory.tavrek and locations.tavrek from the location table.
  void WriteTerritory();
  // Writes a reference file into the program's data folder.
  void WriteData(const std::string& name, const std::string& content) const;
  bool LogHolds(const std::string& part) const;

  TestWorld world;
};
