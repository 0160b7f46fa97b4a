#include "campaign_setup/game_edition.h"

#include <initializer_list>

#include "app/main_form.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/career_creation.h"
#include "campaign_setup/coop_generator.h"
#include "campaign_setup/dogfight_link.h"
#include "campaign_setup/game_editions.h"
#include "campaign_setup/generator_files.h"
#include "campaign_setup/paints.h"
#include "campaign_setup/panels.h"
#include "mission_results/event_log.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

constexpr const char* kWelcomeText =
    "Welcome to Tavrek.\r\n\r\nTo start, click okay and then select your game or server \"EXE\" "
    "file.";
// Two chances to point at the game; after that the program goes on with the folder it has.
constexpr int kGameFolderQuestions = 2;

// The on-line scripts of a server start the program on a folder they know to be right.
bool NetScriptStart(const TMainForm& form) {
  return ContainsAny(form.ParamStr(1), {"netcoop", "netdogfight", "netupdate"});
}

// Marks the first-run question as open while it lasts, so that the edition check run by
// choosing a folder does not ask again from inside it.
class GamePathPrompt {
 public:
  explicit GamePathPrompt(TMainForm& form) : form_(form) { form_.GamePathPromptOpen = true; }
  ~GamePathPrompt() { form_.GamePathPromptOpen = false; }
  GamePathPrompt(const GamePathPrompt&) = delete;
  GamePathPrompt& operator=(const GamePathPrompt&) = delete;

 private:
  TMainForm& form_;
};

// A hidden run (any parameter, the on-line scripts' included) has nobody to answer, and a run
// already asking asks no more.
bool ShouldAskForGameFolder(const TMainForm& form) {
  return !form.CommandLineRun() && !form.GamePathPromptOpen &&
         !HoldsGameExecutable(form.GameFolder);
}

// The dialog takes the chosen folder itself. A folder the game cannot be set up from (no event
// log in its settings) is reported, and the check goes on with what was taken.
void RunGamePathDialog(TMainForm& form, const std::string& start_folder) {
  form.SetGamePath.InitialDir = start_folder;
  try {
    form.SetGamePath.Execute();
  } catch (const ProgramError& error) {
    form.Application.ShowException(error);
  }
}

void AskForGameFolder(TMainForm& form) {
  const GamePathPrompt prompt(form);
  form.Controls.DialogService().MessageBox(kWelcomeText, form.Application.Title,
                                           MessageButtons::kOk);
  const std::string start_folder = GameVersionCheck(form);
  for (int asked = 0; asked < kGameFolderQuestions && !HoldsGameExecutable(form.GameFolder);
       ++asked) {
    RunGamePathDialog(form, start_folder);
  }
}

void SetControlsVisible(std::initializer_list<TControl*> controls, bool visible) {
  for (TControl* control : controls) control->Visible = visible;
}

// A first-edition game has neither skins nor the generators the program can replace.
void HideLaterEditionControls(TMainForm& form) {
  SetControlsVisible({&form.SkinBox, &form.SkinLabel, &form.MarkingsLabel, &form.SqMark,
                      &form.UniformLabel, &form.UniformButton, &form.DGENBoot, &form.NGenBoot},
                     false);
}

void TakeServerInstallation(TMainForm& form) {
  form.ServerActive = "True";
  form.GameIncludesAEP = "True";
  SetControlsVisible({&form.DGENBoot, &form.NGenBoot, &form.AutoGeneration, &form.Coop}, false);
  if (form.SCUseBox.Text == "Yes") {
    form.CopyMission.SetChecked(true);
    form.CopyMission.Enabled = false;
    form.Dogfight.Enabled = false;
  }
  if (form.FBDActiveBox.Text == "Yes") FBDListen(form);
}

// The pilots' portraits and aces pictures of the later editions' career generator.
void CopyAcesFiles(TMainForm& form) {
  const std::string failed =
      CopyPlainFiles(form.ProgramFolder + "data\\aces\\", form.GameFolder + "DGen\\aces\\");
  if (!failed.empty())
    ErrorLog(form, "Not copied into the game's DGen\\aces folder: " + failed + ".");
}

void RefreshPaintList(TMainForm& form) {
  const bool program_list_missing = !FileExists(form.ProgramFolder + "data/allpaints.tavrek");
  const bool data_list_missing = !form.DataFilesFolder.empty() &&
                                 FileExists(form.DataFilesFolder + "class.tavrek") &&
                                 !FileExists(form.DataFilesFolder + "allpaints.tavrek");
  if (program_list_missing || data_list_missing) UniversalPaints(form);
}

}  // namespace

std::string GameVersionCheck(TMainForm& form) {
  static constexpr const char* kInstallKeys[] = {
      "\\SOFTWARE\\Ubi Soft\\PF+FB+AEP", "\\SOFTWARE\\Ubi Soft\\Pacific Fighters",
      "\\SOFTWARE\\Ubi Soft\\IL-2 Sturmovik Forgotten Battles AEP",
      "\\SOFTWARE\\Ubi Soft\\IL-2 Sturmovik Forgotten Battles"};
  for (const char* key : kInstallKeys) {
    const auto folder = form.Platform.RegistryService().ReadLocalMachineString(key, "Directory");
    if (folder && !folder->empty()) return *folder;
  }
  return std::string();
}

void GameIDCheck(TMainForm& form) {
  SetControlsVisible({&form.DGENBoot, &form.NGenBoot, &form.AutoGeneration, &form.Coop}, true);
  if (ShouldAskForGameFolder(form)) AskForGameFolder(form);
  if (!IsEditionTag(form.GameID)) form.GameID.clear();
  if (form.GameID.empty()) {
    form.GameID = DetectEditionTag(form.GameFolder);
    if (form.GameID == "IL2") HideLaterEditionControls(form);
  }
  form.GameIncludesAEP = form.GameID == "IL2" || form.GameID == "IL2FB" ? "False" : "True";
  form.ServerActive = "False";
  form.CopyMission.Enabled = true;
  form.Dogfight.Enabled = true;
  if (form.Dogfight.Checked && IsServerInstallation(form.GameFolder)) {
    TakeServerInstallation(form);
  }
  VersionInfoDisplay(form);
  if (form.GameID != "IL2" && form.ServerActive != "True" && !NetScriptStart(form)) {
    DGenReplacement(form);
    NGenReplacement(form);
  }
  WriteIni(form);
}

void SetGamePathCanClose(TMainForm& form, bool& can_close) {
  can_close = true;
  form.GameFolder = ExtractFilePath(form.SetGamePath.FileName);
  WriteIni(form);
  form.GameID.clear();
  GameIDCheck(form);
  CampPathChk(form);
  if (EditionHasGenerators(form.GameID)) CopyAcesFiles(form);
  if (IsServerInstallation(form.GameFolder)) {
    form.Dogfight.SetChecked(false);
    DogfightClickSender(form);
    GameIDCheck(form);
  }
  SetLogFile(form);
  RefreshPaintList(form);
  if (!form.CampaignFolder.empty()) DeleteFile(form.CampaignFolder + "debriefing.txt");
}

void SelectIL2Click(TMainForm& form) {
  form.ServerActive = "False";
  form.Dogfight.Enabled = true;
  form.CopyMission.Enabled = true;
  form.SetGamePath.InitialDir = form.GameFolder;
  form.SetGamePath.Execute();
  VersionInfoDisplay(form);
}

void TavrekSelectClick(TMainForm& form) {
  form.SetMainPath.InitialDir = RunningProgramFolder(form);
  form.SetMainPath.Execute();
}

void SetGameVersionNow(TMainForm& form) {
  CleanUpPanels(form);
  form.InfoLabel.Caption = "Game Version";
  form.DescLabel.Caption = "Please select the game version.";
  form.VersionBox.Enabled = true;
  form.VersionBox.Visible = true;
}

void VersionBoxChange(TMainForm& form) {
  form.GameID = "IL2";
  form.GameIncludesAEP = "False";
  const int index = form.VersionBox.ItemIndex();
  if (index >= 1 && index < static_cast<int>(GameEditions().size())) {
    form.GameID = std::string(GameEditions()[index].tag);
    form.GameIncludesAEP = GameEditions()[index].includes_aep ? "True" : "False";
  }
  WriteIni(form);
  CleanUpPanels(form);
  VersionInfoDisplay(form);
}

void VersionInfoDisplay(TMainForm& form) {
  form.InfoLabel.Caption = "Tavrek 3.37";
  form.DescLabel.Caption.clear();
  form.VersionBox.SetItemIndex(0);
  form.VersionBox.Enabled = true;
  form.VersionBox.Visible = false;
  const int index = EditionIndex(form.GameID);
  if (index > 0) form.VersionBox.SetItemIndex(index);
  form.DescLabel.Caption = form.VersionBox.Text + "\r\n(January 2008)";
}

void IL2GameClick(TMainForm& form) {
  const std::string file = GameLaunchFile(form.GameFolder);
  if (file.empty()) return;
  form.Platform.ShellService().Open(form.GameFolder + file, "", "");
}
