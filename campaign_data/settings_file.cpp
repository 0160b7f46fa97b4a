#include "campaign_data/settings_file.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/damaged_files.h"
#include "campaign_data/file_read_report.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_lines.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "campaign_setup/panels.h"
#include "mission_generation/flights_per_squadron.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kSettingsFileName = "tavrek.ini";
constexpr int kProgramFolderQuestions = 3;

std::string StockDataFolder(const TMainForm& form) {
  return form.ProgramFolder + "Data\\";
}

// Settings are text; a line holding control characters is a damaged one.
bool IsTextLine(const std::string& line) {
  return std::none_of(line.begin(), line.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; });
}

// The lines of the settings file; none when it is missing or cannot be read.
std::vector<std::string> ReadSettingsFile(TMainForm& form, bool& found) {
  const std::string path = form.ProgramFolder + kSettingsFileName;
  form.SettingsFileRead = LoadedFile{};
  found = FileExists(path);
  if (!found) return {};
  try {
    InspectedTextFile file = ReadInspectedTextFile(form.FileReads, path);
    form.SettingsFileRead = LoadedFile{path, std::move(file.report)};
    return file.LineCopies();
  } catch (const FileError& error) {
    found = false;
    ErrorLog(form, std::string("tavrek.ini could not be read (") + error.what() +
                       "); the settings keep their values.");
    return {};
  }
}

void ApplySettingsLines(TMainForm& form, const std::vector<std::string>& lines,
                        SettingsReadLeftovers& leftovers) {
  const int count = std::min(static_cast<int>(lines.size()), kSettingsLineCount);
  for (int number = 1; number <= count; ++number) {
    const std::string& line = lines[number - 1];
    if (!IsTextLine(line)) {
      ErrorLog(form, "tavrek.ini line " + IntToStr(number) + " is not text; it is ignored.");
      form.SettingsFileRead.report.Refused(number, "is not text");
      continue;
    }
    ReadSettingsLine(form, number, line, leftovers);
  }
  if (count < kSettingsLineCount) {
    ErrorLog(form, "tavrek.ini holds " + IntToStr(count) + " of " + IntToStr(kSettingsLineCount) +
                       " lines; the settings it lacks keep their values.");
  }
}

void SettleDataFilesFolder(TMainForm& form) {
  if (form.DataFilesFolder.empty()) form.DataFilesFolder = StockDataFolder(form);
  if (!SameFolder(form.DataFilesFolder, StockDataFolder(form))) {
    form.ThirdPartyPathMenu.SetChecked(true);
  }
}

// A server tool that drives the dogfight mode forces it and the mission copy on.
void ApplyServerTool(TMainForm& form) {
  form.Dogfight.Enabled = true;
  form.CopyMission.Enabled = true;
  if (form.SCUseBox.Text == "Yes" && form.ServerActive == "True") {
    form.Dogfight.SetChecked(true);
    form.CopyMission.SetChecked(true);
    form.Dogfight.Enabled = false;
    form.CopyMission.Enabled = false;
    WriteIni(form);
  }
}

// While the dialog is open, ProgramFolder is set and saved by SetMainPathCanClose; the save
// that opened the dialog is the one that writes.
class ProgramFolderQuestion {
 public:
  explicit ProgramFolderQuestion(TMainForm& form) : form_(form) {
    form_.ProgramFolderDialogOpen = true;
  }
  ~ProgramFolderQuestion() { form_.ProgramFolderDialogOpen = false; }
  ProgramFolderQuestion(const ProgramFolderQuestion&) = delete;
  ProgramFolderQuestion& operator=(const ProgramFolderQuestion&) = delete;

 private:
  TMainForm& form_;
};

std::string ProgramFolderMissingText(const TMainForm& form) {
  const std::string& text = form.Messages.Text(MessageSection::kErrors, 7);
  return text.empty() ? "The Tavrek program folder could not be found." : text;
}

// Asks for the program folder until it holds the program, three times at most.
bool ConfirmProgramFolder(TMainForm& form) {
  for (int asked = 0; !ProgramFolderHoldsProgram(form); ++asked) {
    if (asked == kProgramFolderQuestions) {
      ErrorTrap(form, ProgramFolderMissingText(form));
      return false;
    }
    ProgramFolderQuestion question(form);
    form.SetMainPath.InitialDir = RunningProgramFolder(form);
    form.SetMainPath.Execute();
  }
  return true;
}

bool WriteSettingsCopy(TMainForm& form, const std::string& path, const std::string& text) {
  try {
    WriteTextFile(path, text);
    return true;
  } catch (const FileError& error) {
    const std::string message = std::string("Settings could not be saved: ") + error.what();
    if (form.CommandLineRun()) {
      ErrorTrap(form, message);
      return false;
    }
    ErrorLog(form, message);
    throw FileError(message);
  }
}

// Whether or not a campaign was chosen, the next operation reloads the campaign tables.
void AfterCampaignDialog(TMainForm& form) {
  ModeDescription(form);
  MarkTablesNotLoaded(form);
}

}  // namespace

void ReadIni(TMainForm& form) {
  form.InfoLabel.Caption = "Read Tavrek.ini";
  if (form.ProgramFolder.empty()) form.ProgramFolder = RunningProgramFolder(form);
  // Before anything is written there, the run log included.
  if (!ClaimProgramFolder(form)) return;
  form.GameFolder.clear();

  bool found = false;
  const std::vector<std::string> lines = ReadSettingsFile(form, found);
  SettingsReadLeftovers leftovers;
  if (found) ApplySettingsLines(form, lines, leftovers);
  if (form.ProgramFolderInUse) return;
  if (!form.SettingsFileRead.report.WholeAndClean()) {
    ErrorLog(form, std::string(kSettingsFileName) +
                       " was not read whole: " + form.SettingsFileRead.report.Faults() + ".");
  }

  SettleDataFilesFolder(form);
  if (found) form.BornPlaceTrackBar.SetPosition(leftovers.BornPlaceRadius);
  SetSqFlights(form);
  form.ServerInfo.Text = leftovers.ServerInfo;
  const std::string& repair_time = form.BridgeRepairTimeBox.Text;
  if (!Contains(repair_time, "Mission") && !Contains(repair_time, "Random")) {
    form.BridgeRepairTimeBox.Text = "1 Mission";
    WriteIni(form);
  }
  ApplyServerTool(form);
  const std::string backup = form.ProgramFolder + "Backup\\";
  if (!DirectoryExists(backup)) CreateDir(backup);
}

void WriteIni(TMainForm& form) {
  if (form.ProgramFolderDialogOpen) return;
  if (!form.CommandLineRun() && !ConfirmProgramFolder(form)) return;
  if (!ClaimProgramFolder(form)) return;
  const std::string text = JoinLinesCrLf(SettingsFileLines(form));
  const std::string path = form.ProgramFolder + kSettingsFileName;
  KeepDamagedOriginal(form, form.SettingsFileRead, path);
  if (!WriteSettingsCopy(form, path, text)) return;
  if (form.GameFolder.size() > 1) {
    WriteSettingsCopy(form, form.GameFolder + kSettingsFileName, text);
  }
}

void SetMainPathCanClose(TMainForm& form, bool&) {
  form.ProgramFolder = ExtractFilePath(form.SetMainPath.FileName);
  WriteIni(form);
}

void SelectCampPathClick(TMainForm& form) {
  form.InfoLabel.Caption = "Select Tavrek Campaign";
  CleanUpPanels(form);
  form.SetCampPath.InitialDir = form.ProgramFolder;
  form.GMMenu.Enabled = true;
  try {
    form.SetCampPath.Execute();
  } catch (...) {
    AfterCampaignDialog(form);
    throw;
  }
  AfterCampaignDialog(form);
}

void SetCampPathCanClose(TMainForm& form, bool&) {
  form.CampaignFolder = ExtractFilePath(form.SetCampPath.FileName);
  form.GameCampaignFolder.clear();
  WriteIni(form);
  ShowCampaignPicture(form);
  if (!DirectoryExists(form.CampaignFolder)) CreateDir(form.CampaignFolder);
  StartupExecute(form);
  InitializeCampaign(form);
  ModeDescription(form);
}

void ThirdPartyPathMenuClick(TMainForm& form) {
  form.InfoLabel.Caption = "Select Third Party Grand Campaign Data Folder";
  if (!form.ThirdPartyPathMenu.Checked) {
    CleanUpPanels(form);
    form.Set3rdPartyPath.InitialDir = form.ProgramFolder;
    form.Set3rdPartyPath.Execute();
    return;
  }
  form.ThirdPartyPathMenu.SetChecked(false);
  form.DataFilesFolder = StockDataFolder(form);
  CleanUpPanels(form);
  form.InfoLabel.Caption = "Stock Grand Campaign Data Folder";
  form.DescLabel.Caption.clear();
  WriteIni(form);
}

void Set3rdPartyPathCanClose(TMainForm& form, bool&) {
  form.DataFilesFolder = ExtractFilePath(form.Set3rdPartyPath.FileName);
  form.InfoLabel.Caption = "Optional Third Party Grand Campaign Data Folder";
  if (!SameFolder(form.DataFilesFolder, StockDataFolder(form))) {
    form.DescLabel.Caption =
        "In the future, should you ever wish to start a stock Tavrek campaign, uncheck the Third "
        "Party option.";
    form.ThirdPartyPathMenu.SetChecked(true);
  } else {
    form.InfoLabel.Caption = "Stock Grand Campaign Data Folder";
    form.ThirdPartyPathMenu.SetChecked(false);
  }
  WriteIni(form);
}
