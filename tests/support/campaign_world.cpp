#include "tests/support/campaign_world.h"

#include "platform/file_system.h"
#include "platform/text_file.h"

CampaignWorld::CampaignWorld(std::vector<std::string> command_line)
    : world(std::move(command_line)), form(*world.form) {
  form.CampaignFolder = campaign.Path();
}

bool CampaignWorld::Logged(const std::string& text) const {
  return form.ErrorText.find(text) != std::string::npos;
}

std::vector<std::string> CampaignWorld::SettingsLines() const {
  const std::string path = world.program_folder.Path() + "tavrek.ini";
  return FileExists(path) ? ReadTextLines(path) : std::vector<std::string>{};
}
