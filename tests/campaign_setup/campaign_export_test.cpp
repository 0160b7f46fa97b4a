// Export and import of an on-line campaign: the export folder carries every campaign file and
// the settings; importing it on another installation brings the same files back, pointed at
// that installation, and the settings it writes are the ones in use.

#include "campaign_setup/campaign_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/settings_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

const std::vector<std::string> kCarried = {
    "squadrons.tavrek", "campaign.tavrek", "columns.tavrek", "stationary.tavrek",
    "pilot.tavrek",     "paints.tavrek",   "noseart.tavrek", "territory.tavrek",
    "buildings.tavrek", "cameras.tavrek",  "rockets.tavrek", "houses.tavrek",
    "events.dat",       "cimage.jpg",      "tavrekfbd.ini"};

// An installation with the sample campaign loaded as the program loads it.
void Install(TestWorld& world) {
  SetOptionDefaults(*world.form);
  InstallSample(world);
  CampaignInfo(*world.form);
}

std::string Line(const std::vector<std::string>& lines, size_t index) {
  return index < lines.size() ? lines[index] : "(no line " + std::to_string(index) + ")";
}

class CampaignExport : public ::testing::Test {
 protected:
  void SetUp() override {
    Install(home);
    for (const char* file : {"buildings.tavrek", "cameras.tavrek", "rockets.tavrek",
                             "houses.tavrek", "events.dat", "tavrekfbd.ini", "locations.tavrek"}) {
      WriteTextFile(Home().CampaignFolder + file, std::string("our ") + file + "\r\n");
    }
    WriteTextFile(Home().CampaignFolder + "cimage.jpg", std::string("\xFF\xD8 picture", 10));
    Home().Dogfight.Checked = true;
    Home().RandomNoseArt.Checked = true;
    WriteIni(Home());
  }
  TMainForm& Home() { return *home.form; }
  TestWorld home;
};

TEST_F(CampaignExport, AnExportedCampaignImportsOnAnotherInstallationWithEveryFile) {
  ExportCampaignClick(Home());
  const std::string exported = ExportFolderName(Home());
  EXPECT_NE(Home().DescLabel.Caption.find(exported), std::string::npos) << Home().DescLabel.Caption;
  for (const std::string& file : kCarried) {
    ASSERT_TRUE(FileExists(exported + file)) << file;
    EXPECT_EQ(ReadFileBytes(exported + file), ReadFileBytes(Home().CampaignFolder + file)) << file;
  }
  EXPECT_FALSE(FileExists(exported + "locations.tavrek")) << "the locations are made anew";
  EXPECT_EQ(ReadFileBytes(exported + "tavrekimport.dat"),
            ReadFileBytes(Home().ProgramFolder + "tavrek.ini"));

  TestWorld away;
  Install(away);
  TMainForm& form = *away.form;
  ASSERT_FALSE(form.RandomNoseArt.Checked);
  const std::string arrived = away.program_folder.Path() + "Arrived/";
  std::filesystem::copy(std::filesystem::path(exported.substr(0, exported.size() - 1)), arrived,
                        std::filesystem::copy_options::recursive);
  away.dialogs->ExpectOpenFile("Select Campaign to Import", arrived + "tavrekimport.dat");
  form.ImportCampaign.OnClick();
  EXPECT_TRUE(away.dialogs->AllAnswered());

  for (const std::string& file : kCarried) {
    if (file == "campaign.tavrek") continue;
    EXPECT_EQ(ReadFileBytes(form.CampaignFolder + file), ReadFileBytes(exported + file)) << file;
  }
  // The campaign record and the settings name this installation's folders, and nothing else
  // of them changed.
  const std::vector<std::string> sent = ReadTextLines(exported + "campaign.tavrek");
  const std::vector<std::string> record = ReadTextLines(form.CampaignFolder + "campaign.tavrek");
  ASSERT_EQ(record.size(), sent.size());
  for (size_t i = 0; i < record.size(); ++i) {
    const bool data_folder_line = i > 0 && sent[i - 1] == "[Data]";
    EXPECT_EQ(record[i], data_folder_line ? form.CampaignDataFolder : sent[i]) << i;
  }
  const std::vector<std::string> sent_settings = ReadTextLines(exported + "tavrekimport.dat");
  const std::vector<std::string> settings = ReadTextLines(form.ProgramFolder + "tavrek.ini");
  ASSERT_EQ(settings.size(), sent_settings.size());
  EXPECT_EQ(Line(settings, 0), form.ProgramFolder);
  EXPECT_EQ(Line(settings, 1), form.CampaignFolder);
  EXPECT_EQ(Line(settings, 2), form.GameFolder);
  for (size_t i = 3; i < settings.size(); ++i) {
    const bool data_files = sent_settings[i].find("DataFiles=") != std::string::npos;
    EXPECT_EQ(settings[i], data_files ? "DataFiles=" + form.CampaignDataFolder : sent_settings[i]);
  }
  EXPECT_TRUE(SameFolder(form.CampaignFolder, arrived));
  EXPECT_TRUE(form.RandomNoseArt.Checked) << "the imported settings are the ones in use";
  EXPECT_FALSE(FileExists(arrived + "tavrekimport.dat"));
}

TEST_F(CampaignExport, OutsideTheOnLineModesNothingIsExported) {
  struct Case {
    bool coop;
    bool ngen_boot;
  };
  for (const Case& c : {Case{false, false}, Case{true, true}}) {
    Home().Dogfight.Checked = false;
    Home().Coop.Checked = c.coop;
    Home().NGenBoot.Checked = c.ngen_boot;
    EXPECT_THROW(ExportCampaignClick(Home()), ProgramError) << c.coop;
    EXPECT_FALSE(DirectoryExists(ExportFolderName(Home()))) << c.coop;
  }
}

TEST_F(CampaignExport, AFolderWithoutTheSettingsCopyIsNotImported) {
  const std::string before = ReadFileBytes(Home().ProgramFolder + "tavrek.ini");
  const std::string campaign = Home().CampaignFolder;
  Home().SetImport.FileName = campaign + "tavrekimport.dat";
  bool can_close = false;
  EXPECT_THROW(SetImportCanClose(Home(), can_close), ProgramError);
  EXPECT_EQ(ReadFileBytes(Home().ProgramFolder + "tavrek.ini"), before);
  EXPECT_EQ(Home().CampaignFolder, campaign);
}

}  // namespace
