#include "tests/support/sample_campaign.h"

#include <filesystem>

#include "app/main_form.h"
#include "campaign_data/messages.h"

namespace fs = std::filesystem;

std::string SourceSampleCampaignFolder() {
  return std::string(TAVREK_SOURCE_DIR) + "/sample/campaign/Okinawa45/";
}

std::string SourceSampleGameFolder() {
  return std::string(TAVREK_SOURCE_DIR) + "/sample/game/";
}

std::string SampleCampaignFolder(const TestWorld& world) {
  return world.program_folder.Path() + "campaign/Okinawa45/";
}

std::string SampleGameFolder(const TestWorld& world) {
  return world.program_folder.Path() + "game/";
}

void InstallSampleCampaignAt(const TestWorld& world, const std::string& folder) {
  world.InstallProgramData();
  fs::create_directories(folder);
  fs::copy(SourceSampleCampaignFolder(), folder,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void InstallSample(TestWorld& world) {
  InstallSampleCampaignAt(world, SampleCampaignFolder(world));
  const auto copy = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
  fs::create_directories(SampleGameFolder(world));
  fs::copy(SourceSampleGameFolder(), SampleGameFolder(world), copy);

  TMainForm& form = *world.form;
  form.CampaignFolder = SampleCampaignFolder(world);
  form.GameFolder = SampleGameFolder(world);
  form.DataFilesFolder = form.ProgramFolder + "Data\\";
  form.GameID = "1946";
  form.GameIncludesAEP = "True";
  form.Tracking.Checked = true;
  form.ActionRadius.Text = "250 Kilometers";
  form.ActionRadiusKm = 250;
  GetMessages(form);
}
