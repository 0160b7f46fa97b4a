#include "campaign_setup/campaign_export.h"

#include <array>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "campaign_setup/panels.h"
#include "campaign_setup/setup_errors.h"
#include "mission_results/debriefing.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// The campaign folder's files an export carries.
constexpr std::array<std::string_view, 15> kExportedFiles{
    "squadrons.tavrek", "campaign.tavrek", "columns.tavrek", "stationary.tavrek",
    "pilot.tavrek",     "paints.tavrek",   "noseart.tavrek", "territory.tavrek",
    "buildings.tavrek", "cameras.tavrek",  "rockets.tavrek", "houses.tavrek",
    "events.dat",       "cimage.jpg",      "tavrekfbd.ini"};
constexpr std::string_view kSettingsCopy = "tavrekimport.dat";

[[noreturn]] void StopWithMessage(TMainForm& form, int line) {
  const std::string text = form.Messages.Text(MessageSection::kErrors, line);
  LogAndStop(form, text, text);
}

void Copy(TMainForm& form, const std::string& from, const std::string& to) {
  if (CopyFile(from, to, false)) return;
  LogAndStop(
      form, "Export: " + from + " could not be copied to " + to + ".",
      "The export could not copy " + from + " to " + to + " (is the disk full or read-only?).");
}

void PrepareExportFolder(TMainForm& form, const std::string& folder) {
  if (!DirectoryExists(folder) && !CreateDir(folder)) {
    LogAndStop(form, "Export folder " + folder + " cannot be created.",
               "The export folder " + folder + " cannot be created.");
  }
  for (const std::string& name : ListDirectory(folder, "*")) DeleteFile(folder + name);
}

// The settings copy with this installation's folders: the program, campaign and game folders
// in its first three lines, the campaign's data folder as its data-files folder.
std::string ImportedSettingsText(const TMainForm& form, const std::vector<std::string>& lines) {
  std::vector<std::string> settings{form.ProgramFolder, form.CampaignFolder, form.GameFolder};
  for (size_t i = 3; i < lines.size(); ++i) {
    settings.push_back(Contains(lines[i], "DataFiles=") ? "DataFiles=" + form.CampaignDataFolder
                                                        : lines[i]);
  }
  return JoinLinesCrLf(settings);
}

// campaign.tavrek with the line after "[Data]" naming the campaign's data folder.
std::string RepointedCampaignText(const TMainForm& form, const std::vector<std::string>& lines) {
  std::vector<std::string> campaign = lines;
  for (size_t i = 0; i + 1 < campaign.size(); ++i) {
    if (Contains(campaign[i], "[Data]")) campaign[i + 1] = form.CampaignDataFolder;
  }
  return JoinLinesCrLf(campaign);
}

}  // namespace

std::string ExportFolderName(const TMainForm& form) {
  const long long date_key =
      form.CampaignYear * 10000LL + form.CampaignMonth * 100LL + form.CampaignDay;
  return form.ProgramFolder + "x_" + form.BattleName + "_" + IntToStr(date_key) + "_" +
         form.MissionTime + "\\";
}

void ExportCampaignClick(TMainForm& form) {
  CleanUpPanels(form);
  const std::string folder = ExportFolderName(form);
  if (SameFolder(form.CampaignFolder, folder)) StopWithMessage(form, 22);
  const bool online = (form.Coop.Checked && !form.NGenBoot.Checked) || form.Dogfight.Checked;
  if (!online) StopWithMessage(form, 23);
  DebriefText(form);
  if (!form.CampaignFolder.empty()) {
    PrepareExportFolder(form, folder);
    for (std::string_view file : kExportedFiles) {
      const std::string source = form.CampaignFolder + std::string(file);
      if (FileExists(source)) Copy(form, source, folder + std::string(file));
    }
  }
  const std::string settings = form.ProgramFolder + "tavrek.ini";
  if (FileExists(settings)) Copy(form, settings, folder + std::string(kSettingsCopy));
  if (!SameFolder(form.CampaignDataFolder, form.ProgramFolder + "Data\\")) {
    for (const std::string& name : ListDirectory(form.CampaignDataFolder, "*")) {
      Copy(form, form.CampaignDataFolder + name, folder + name);
    }
  }
  form.DescLabel.Caption = "Export of campaign complete.  See the \"" + folder +
                           "\" folder in the main Tavrek directory.";
}

void ImportCampaignClick(TMainForm& form) {
  form.SetImport.InitialDir = RunningProgramFolder(form);
  form.SetImport.Execute();
}

void SetImportCanClose(TMainForm& form, bool& can_close) {
  can_close = true;
  const std::string folder = ExtractFilePath(form.SetImport.FileName);
  for (const std::string_view needed : {kSettingsCopy, std::string_view("campaign.tavrek")}) {
    if (!FileExists(folder + std::string(needed))) {
      LogAndStop(form, "Import refused: " + folder + " holds no " + std::string(needed) + ".",
                 "The folder " + folder + " holds no " + std::string(needed) +
                     "; it is no exported campaign and nothing was imported.");
    }
  }
  const std::vector<std::string> settings_lines =
      ReadTextLines(folder + std::string(kSettingsCopy));
  const std::vector<std::string> campaign_lines = ReadTextLines(folder + "campaign.tavrek");
  form.CampaignFolder = folder;
  form.CampaignDataFolder = folder;
  LoadPlaneInfo(form);

  const std::string settings = ImportedSettingsText(form, settings_lines);
  WriteTextFile(form.ProgramFolder + "tavrek.ini", settings);
  if (form.GameFolder.size() > 1) WriteTextFile(form.GameFolder + "tavrek.ini", settings);
  WriteTextFile(folder + "campaign.tavrek", RepointedCampaignText(form, campaign_lines));
  DeleteFile(folder + std::string(kSettingsCopy));
  // The settings in use are those just written, so the next save keeps the imported ones.
  ReadIni(form);
  MarkTablesNotLoaded(form);
  form.DescLabel.Caption =
      "Import of campaign complete.\r\nGenerate a mission to proceed with your on-line campaign.";
}
