#include "tests/campaign_progression/course_campaign.h"

#include <gtest/gtest.h>

#include "campaign_data/option_defaults.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "platform/text_file.h"
#include "tests/support/sample_campaign.h"

namespace {

long long WholeX(const std::string& position) {
  return StrToInt(position.substr(0, position.find('.')));
}

}  // namespace

CourseCampaign::CourseCampaign(std::vector<std::string> command_line)
    : world(std::move(command_line)) {
  SetOptionDefaults(Form());
  InstallSample(world);
  InitializeCampaign(Form());
  Form().Rand.SetSeed(19450406);
  const long long front_x = WholeX(Form().FrontCenterPosition);
  for (int l = 0; l <= Form().LastLocation; ++l) {
    LocationEntry& location = Form().LocationTable[l];
    const long long x = WholeX(location.LocationPosition);
    location.LocationArmy = x < front_x ? "1" : x > front_x ? "2" : "0";
  }
  WriteTerritory();
}

std::string CourseCampaign::CampaignFolder() const {
  return SampleCampaignFolder(world);
}

std::string CourseCampaign::CampaignFile(const std::string& name) const {
  return ReadFileBytes(CampaignFolder() + name);
}

std::vector<std::string> CourseCampaign::CampaignLines(const std::string& name) const {
  return ReadTextLines(CampaignFolder() + name);
}

int CourseCampaign::Location(const std::string& name) {
  for (int l = 0; l <= Form().LastLocation; ++l) {
    if (Form().LocationTable[l].LocationName == name) return l;
  }
  ADD_FAILURE() << "no location " << name;
  return 0;
}

int CourseCampaign::Column(const std::string& name) {
  for (int c = 0; c <= Form().LastColumn; ++c) {
    if (Form().ColumnTable[c].ColumnName == name) return c;
  }
  ADD_FAILURE() << "no column " << name;
  return 0;
}

int CourseCampaign::Squadron(const std::string& name) {
  for (int s = 0; s <= Form().LastSquadron; ++s) {
    if (Form().SquadronTable[s].SquadronName == name) return s;
  }
  ADD_FAILURE() << "no squadron " << name;
  return 0;
}

void CourseCampaign::SetOwner(const std::string& place, const std::string& army) {
  Form().LocationTable[Location(place)].LocationArmy = army;
  WriteTerritory();
}

void CourseCampaign::WriteTerritory() {
  std::vector<std::string> territory;
  std::vector<std::string> locations;
  for (int l = 0; l <= Form().LastLocation; ++l) {
    const LocationEntry& location = Form().LocationTable[l];
    territory.push_back(location.LocationName + " " + location.LocationArmy +
                        " allied=" + IntToStr(location.TerritoryStrength[1]) +
                        " axis=" + IntToStr(location.TerritoryStrength[2]));
    locations.push_back(location.LocationName + " " + location.LocationArmy + " " +
                        location.LocationPosition);
  }
  WriteTextFile(CampaignFolder() + "territory.tavrek", JoinLinesCrLf(territory));
  WriteTextFile(CampaignFolder() + "locations.tavrek", JoinLinesCrLf(locations));
}

void CourseCampaign::WriteData(const std::string& name, const std::string& content) const {
  WriteTextFile(world.program_folder.Path() + "data/" + name, content);
}

bool CourseCampaign::LogHolds(const std::string& part) const {
  return Contains(world.form->ErrorText, part);
}
