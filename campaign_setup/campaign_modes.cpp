#include "campaign_setup/campaign_modes.h"

#include <string>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/career_file_texts.h"
#include "campaign_setup/dogfight_link.h"
#include "campaign_setup/generator_files.h"
#include "campaign_setup/panels.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// A switch that cannot be made changes nothing; the user is told why, a hidden run logs it.
void RefuseSwitch(TMainForm& form, const std::string& reason) {
  ErrorLog(form, reason);
  if (!form.CommandLineRun()) {
    form.Controls.DialogService().MessageBox(reason, form.Application.Title, MessageButtons::kOk);
  }
}

// Why the game folder cannot take a mode's files; empty when it can.
std::string GameFolderProblem(const TMainForm& form) {
  if (form.GameFolder.empty()) {
    return "No game folder has been chosen yet. Please choose the game under Files, Game Program "
           "Location.";
  }
  if (!DirectoryExists(form.GameFolder)) {
    return "The game folder " + form.GameFolder +
           " does not exist. Please choose the game under Files, Game Program Location.";
  }
  return std::string();
}

// The mode's folder in the game, one level below its parent, which the game provides.
void CreateModeFolder(TMainForm& form, const std::string& relative) {
  const std::string folder = form.GameFolder + relative;
  if (DirectoryExists(folder)) return;
  if (!CreateDir(folder)) ErrorLog(form, "The folder " + folder + " could not be created.");
}

bool IsNetFolder(const std::string& folder) {
  std::string lower = AsciiLowerCase(folder);
  for (char& c : lower) {
    if (c == '/') c = '\\';
  }
  return Contains(lower, "missions\\net\\");
}

// The game-side folder of an off-line career that the program generates for: the one in use,
// else the player's nation's career folder. Empty, with the reason, when it is not known or
// the game lacks it.
std::string CareerFolder(const TMainForm& form, std::string& problem) {
  if (!form.GameCampaignFolder.empty() && !IsNetFolder(form.GameCampaignFolder)) {
    if (DirectoryExists(form.GameCampaignFolder)) return form.GameCampaignFolder;
    problem = "The game's career folder " + form.GameCampaignFolder + " does not exist.";
    return std::string();
  }
  problem = GameFolderProblem(form);
  if (!problem.empty()) return std::string();
  const std::string nation = AsciiUpperCase(form.SquadronTable[0].SquadronNation);
  if (nation.empty()) {
    problem = "No campaign is loaded, so the game's career folder is not known.";
    return std::string();
  }
  const std::string nation_folder = form.GameFolder + "Missions\\Campaign\\" + nation;
  if (!DirectoryExists(nation_folder)) {
    problem = "The game has no career folder " + nation_folder + ".";
    return std::string();
  }
  return nation_folder + "\\Tavrek\\";
}

// Registers the program with the game as the career's generator. False, with the user told,
// when the career folder is not there.
bool RegisterProgramAsCareerGenerator(TMainForm& form) {
  std::string problem;
  const std::string folder = CareerFolder(form, problem);
  if (folder.empty()) {
    RefuseSwitch(form, problem + " The off-line career stays off.");
    return false;
  }
  if (!DirectoryExists(folder)) CreateDir(folder);
  WriteTextFile(folder + "campaign.ini",
                CampaignIniText(CareerListForm::kProgram, form.SquadronTable[0].SquadronArmy,
                                form.ProgramFolder));
  form.GameCampaignFolder = folder;
  return true;
}

bool TurnCareerModeOn(TMainForm& form) {
  // Whether the game already starts the program decides what the career needs here.
  DGenReplacement(form);
  if (!form.DGENBoot.Checked && !RegisterProgramAsCareerGenerator(form)) return false;
  form.AutoGeneration.SetChecked(true);
  form.Scoring.SetChecked(false);
  form.Coop.SetChecked(false);
  form.Dogfight.SetChecked(false);
  form.AIBox.Visible = false;
  return true;
}

std::string GeneratorPath(const TMainForm& form) {
  return form.GameFolder + "dgen.exe";
}

std::string GeneratorBackupPath(const TMainForm& form) {
  return form.GameFolder + "dgen_bak.exe";
}

// Why the program cannot take the career generator's place; empty when it can.
std::string ReplacementProblem(const TMainForm& form) {
  std::string problem = GameFolderProblem(form);
  if (!problem.empty()) return problem;
  if (!FileExists(ProgramExecutable(form))) {
    return "The program's executable " + ProgramExecutable(form) + " is missing.";
  }
  if (!FileExists(GeneratorPath(form)) && !FileExists(GeneratorBackupPath(form))) {
    return "The game folder " + form.GameFolder + " holds no career generator DGen.exe.";
  }
  return std::string();
}

// False when the switch is refused for a lack; a No of the user is no refusal.
bool PutProgramInPlaceOfGenerator(TMainForm& form) {
  const std::string problem = ReplacementProblem(form);
  if (!problem.empty()) {
    RefuseSwitch(form, problem + " DGen stays the career generator.");
    return false;
  }
  const ModalResult answer = form.Controls.DialogService().MessageBox(
      "Use Tavrek as default campaign generator?\r\n\r\nClicking \"YES\" will back up DGen.exe (as "
      "DGen_bak.exe) and\r\nreplace it with Tavrek.exe.  You can swap DGen back in at\r\nany time "
      "by unchecking the mode option.",
      "Replace DGen with Tavrek", MessageButtons::kYesNo);
  if (answer != ModalResult::kYes) return true;
  // The first backup is the game's own generator; later switches never overwrite it.
  if (!FileExists(GeneratorBackupPath(form)) &&
      !CopyFile(GeneratorPath(form), GeneratorBackupPath(form), false)) {
    RefuseSwitch(form, "DGen.exe could not be backed up to DGen_bak.exe; it stays in place.");
    return false;
  }
  if (!CopyFile(ProgramExecutable(form), form.GameFolder + "DGen.exe", false)) {
    RefuseSwitch(form, "Tavrek could not be copied over DGen.exe; DGen stays the generator.");
    return false;
  }
  form.DGENBoot.SetChecked(true);
  if (form.AutoGeneration.Checked) form.NewCampaign.ImageIndex = 11;
  const std::string failed =
      CopyPlainFiles(form.ProgramFolder + "data\\dgen\\", form.GameFolder + "dgen\\");
  if (!failed.empty()) ErrorLog(form, "Not copied into the game's dgen folder: " + failed + ".");
  return true;
}

bool RestoreGenerator(TMainForm& form) {
  if (!FileExists(GeneratorBackupPath(form))) {
    RefuseSwitch(form, "The game folder " + form.GameFolder +
                           " holds no backup DGen_bak.exe of the career generator, so it cannot "
                           "be restored. Tavrek stays the career generator.");
    return false;
  }
  const ModalResult answer =
      form.Controls.DialogService().MessageBox("Restore the default campaign generator?",
                                               "Replace Tavrek with DGen", MessageButtons::kYesNo);
  if (answer != ModalResult::kYes) return true;
  if (!CopyFile(GeneratorBackupPath(form), GeneratorPath(form), false)) {
    RefuseSwitch(form, "DGen_bak.exe could not be copied back over DGen.exe.");
    return false;
  }
  form.DGENBoot.SetChecked(false);
  return true;
}

}  // namespace

void AutoGenerationClickSender(TMainForm& form) {
  CleanUpPanels(form);
  if (form.AutoGeneration.Checked) {
    form.AutoGeneration.SetChecked(false);
  } else if (!TurnCareerModeOn(form)) {
    return;
  }
  WriteIni(form);
  ModeDescription(form);
}

void CoopClickSender(TMainForm& form) {
  CleanUpPanels(form);
  if (form.Coop.Checked) {
    form.Coop.SetChecked(false);
    form.MissionButton.Enabled = true;
  } else {
    if (const std::string problem = GameFolderProblem(form); !problem.empty()) {
      RefuseSwitch(form, problem + " The co-op mode stays off.");
      return;
    }
    form.Coop.SetChecked(true);
    form.Dogfight.SetChecked(false);
    form.AutoGeneration.SetChecked(false);
    CreateModeFolder(form, "Missions\\Net\\coop\\Tavrek");
  }
  WriteIni(form);
  ModeDescription(form);
}

void DogfightClickSender(TMainForm& form) {
  CleanUpPanels(form);
  if (form.Dogfight.Checked) {
    form.Dogfight.SetChecked(false);
  } else {
    if (const std::string problem = GameFolderProblem(form); !problem.empty()) {
      RefuseSwitch(form, problem + " The dogfight mode stays off.");
      return;
    }
    form.Coop.SetChecked(false);
    form.Dogfight.SetChecked(true);
    form.AutoGeneration.SetChecked(false);
    form.AIBox.Visible = false;
    CreateModeFolder(form, "Missions\\Net\\dogfight\\Tavrek");
    FBDaemonSettingsClickSender(form);
  }
  WriteIni(form);
  ModeDescription(form);
}

void DGENToggle(TMainForm& form) {
  if (form.CommandLineRun()) {
    // The switch needs the user's answer, and a hidden run asks nothing.
    ErrorLog(form, "The career generator is switched only in a run with the window.");
    return;
  }
  const bool switched =
      form.DGENBoot.Checked ? RestoreGenerator(form) : PutProgramInPlaceOfGenerator(form);
  if (!switched) return;
  WriteIni(form);
  ModeDescription(form);
  form.MissionButton.Enabled = true;
}

void DGenReplacement(TMainForm& form) {
  if (form.GameFolder.empty()) return;
  if (SameFileContents(form.GameFolder + "DGEN.exe", ProgramExecutable(form))) {
    form.DGENBoot.SetChecked(true);
  }
}

