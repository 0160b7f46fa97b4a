#include "campaign_setup/coop_generator.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_names.h"
#include "campaign_data/text.h"
#include "campaign_setup/campaign_list.h"
#include "campaign_setup/coop_files.h"
#include "campaign_setup/generator_files.h"
#include "campaign_setup/panels.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kGenerator = "NGen.exe";
constexpr const char* kBackup = "NGen_bak.exe";

// One co-op campaign file to be written into the game's NGen folder.
struct CoopCampaignFile {
  std::string name;
  std::string text;
};

// What the campaign list tells of one battle: its header name, type, map and start date.
struct ListedBattle {
  std::string header;
  std::string type;
  std::string map;
  std::string date;
};

bool OnlineScriptRun(const TMainForm& form) {
  return ContainsAny(form.ParamStr(1), {"netcoop", "netdogfight", "netupdate"});
}

std::string HeaderName(const std::string& line) {
  std::string name = Trim(line);
  if (const size_t open = name.find('['); open != std::string::npos) name.erase(open, 1);
  if (const size_t close = name.find(']'); close != std::string::npos) name.erase(close, 1);
  return Trim(name);
}

std::vector<ListedBattle> ListedBattles(const std::vector<std::string>& lines) {
  std::vector<ListedBattle> battles;
  const auto value = [&lines](size_t i) {
    return i < lines.size() ? ValueAfterEquals(lines[i]) : std::string();
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!Contains(Trim(lines[i]), "[")) continue;
    battles.push_back({HeaderName(lines[i]), value(i + 1), value(i + 2), value(i + 3)});
    i += 3;
  }
  return battles;
}

// The battle's master mission: the last that exists of Masters\<map>.mis, Masters\<battle>.mis
// of the program folder and <map>.mis, <battle>.mis of the data-files folder (the program's
// data folder while none is chosen). Empty when none exists.
std::string CoopMasterMission(const TMainForm& form, const ListedBattle& battle) {
  const std::string masters = form.ProgramFolder + "Masters\\";
  const std::string data =
      form.DataFilesFolder.empty() ? form.ProgramFolder + "data\\" : form.DataFilesFolder;
  std::string found;
  for (const std::string& candidate :
       {masters + battle.map + ".mis", masters + battle.header + ".mis", data + battle.map + ".mis",
        data + battle.header + ".mis"}) {
    if (FileExists(candidate)) found = candidate;
  }
  return found;
}

std::vector<std::string> SquadronIdsOrNone(TMainForm& form) {
  try {
    return ReadSquadronIds(form);
  } catch (const FileError&) {
    return {};  // the built-in names serve
  }
}

// Every co-op campaign file of the list, built whole before anything is written. Throws
// ProgramError naming a wing that gives no squadron number.
std::vector<CoopCampaignFile> BuildCoopCampaignFiles(TMainForm& form,
                                                     const std::vector<ListedBattle>& battles) {
  const std::vector<std::string> overrides = SquadronIdsOrNone(form);
  const OrdinalEndings endings = OrdinalEndingsOf(form);
  std::vector<CoopCampaignFile> files;
  for (const ListedBattle& battle : battles) {
    if (battle.type == "Battle_over_Europe") continue;
    std::vector<CoopWing> wings;
    const std::string master = CoopMasterMission(form, battle);
    if (!master.empty()) {
      for (const std::string& id : MissionWings(ReadTextLines(master))) {
        const std::optional<int> number = SquadronNumber(id, true);
        if (!number) {
          throw ProgramError("The wing " + id + " of the master mission " + master +
                             " has no squadron digit; the co-op generator was not replaced.");
        }
        wings.push_back(
            {id, FullSquadronName(id.substr(0, id.size() - 1), overrides, endings), *number});
      }
    }
    files.push_back({CoopCampaignFileName(battle.header),
                     CoopCampaignFileText(battle.header, battle.map, Copy(battle.date, 7, 4), wings,
                                          form.Death.Checked)});
  }
  return files;
}

std::vector<ListedBattle> CampaignListBattles(const TMainForm& form) {
  const std::string list = CampaignListPath(form);
  return list.empty() ? std::vector<ListedBattle>{} : ListedBattles(ReadTextLines(list));
}

// Tells the user why nothing was switched: a message box in a run with window, the run log in
// any run.
void Refuse(TMainForm& form, const std::string& text) {
  ErrorLog(form, text);
  if (!form.CommandLineRun()) {
    form.Controls.DialogService().MessageBox(text, "Tavrek", MessageButtons::kOk);
  }
}

bool AskYes(TMainForm& form, const std::string& text, const std::string& caption) {
  return form.Controls.DialogService().MessageBox(text, caption, MessageButtons::kYesNo) ==
         ModalResult::kYes;
}

void SwitchOn(TMainForm& form) {
  if (form.CommandLineRun()) {
    ErrorLog(form, "The co-op generator is replaced only from the window; nothing was switched.");
    return;
  }
  const std::string game = form.GameFolder;
  const std::string program = ProgramExecutable(form);
  if (game.empty() || !FileExists(game + kGenerator)) {
    Refuse(form,
           "The game folder " + game + " holds no NGen.exe; the co-op generator was not replaced.");
    return;
  }
  if (program.empty()) {
    Refuse(form, "The program folder " + form.ProgramFolder +
                     " holds no Tavrek program to put in place of NGen.exe; nothing was switched.");
    return;
  }
  std::vector<CoopCampaignFile> files;
  try {
    files = BuildCoopCampaignFiles(form, CampaignListBattles(form));
  } catch (const ProgramError& error) {
    Refuse(form, error.what());
    return;
  }
  if (!AskYes(form,
              "Use Tavrek as default coop campaign generator?\r\n\r\nClicking \"YES\" will back "
              "up NGen.exe (as NGen_bak.exe) and\r\nreplace it with Tavrek.exe.  You can swap "
              "NGen back in at\r\nany time by unchecking the mode option.",
              "Replace NGen with Tavrek")) {
    return;
  }
  if (!DirectoryExists(game + "NGen") && !CreateDir(game + "NGen")) {
    Refuse(form, "The game's NGen folder could not be made; the co-op generator was not replaced.");
    return;
  }
  if (!FileExists(game + kBackup) && !CopyFile(game + kGenerator, game + kBackup, false)) {
    Refuse(form, "NGen.exe could not be backed up as NGen_bak.exe; nothing was switched.");
    return;
  }
  if (!CopyFile(program, game + kGenerator, false)) {
    Refuse(form, "The program could not be copied over NGen.exe; nothing was switched.");
    return;
  }
  form.NGenBoot.SetChecked(true);
  for (const CoopCampaignFile& file : files) WriteTextFile(game + "NGen\\" + file.name, file.text);
  ErrorLog(form, "NGen.exe replaced; " + IntToStr(static_cast<long long>(files.size())) +
                     " co-op campaign files written.");
}

// Puts the game's generator back from its backup; false (and the user told) without one.
bool RestoreGenerator(TMainForm& form) {
  const std::string game = form.GameFolder;
  if (game.empty() || !FileExists(game + kBackup)) {
    Refuse(form, "The game folder " + game +
                     " holds no NGen_bak.exe to restore the co-op generator from; Tavrek stays "
                     "in place of NGen.exe.");
    return false;
  }
  if (!CopyFile(game + kBackup, game + kGenerator, false)) {
    Refuse(form, "NGen_bak.exe could not be copied over NGen.exe; Tavrek stays in its place.");
    return false;
  }
  form.NGenBoot.SetChecked(false);
  ErrorLog(form, "NGen.exe restored from NGen_bak.exe.");
  return true;
}

void SwitchOff(TMainForm& form) {
  if (form.CommandLineRun()) {
    ErrorLog(form, "The co-op generator is restored only from the window; nothing was switched.");
    return;
  }
  if (form.GameFolder.empty() || !FileExists(form.GameFolder + kBackup)) {
    RestoreGenerator(form);  // refuses with its message
    return;
  }
  if (!AskYes(form, "Restore the default campaign generator?", "Replace Tavrek with NGen")) return;
  if (!RestoreGenerator(form)) return;
  for (const ListedBattle& battle : CampaignListBattles(form)) {
    DeleteFile(form.GameFolder + "NGen\\" + CoopCampaignFileName(battle.header));
  }
}

}  // namespace

void NGenToggle(TMainForm& form) {
  const bool online_script = OnlineScriptRun(form);
  if (!form.NGenBoot.Checked) {
    SwitchOn(form);
  } else if (!online_script) {
    SwitchOff(form);
  }
  if (form.NGenBoot.Checked && online_script) RestoreGenerator(form);
  WriteIni(form);
  ModeDescription(form);
  form.MissionButton.Enabled = true;
}

void NGenReplacement(TMainForm& form) {
  if (form.GameFolder.empty()) return;
  if (SameFileContents(form.GameFolder + kGenerator, ProgramExecutable(form))) {
    form.NGenBoot.SetChecked(true);
  }
}
