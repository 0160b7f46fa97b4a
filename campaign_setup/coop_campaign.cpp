#include "campaign_setup/coop_campaign.h"

#include <optional>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/squadron_names.h"
#include "campaign_data/text.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/timetable.h"
#include "campaign_setup/backups.h"
#include "campaign_setup/campaign_list.h"
#include "campaign_setup/campaign_tweaks.h"
#include "campaign_setup/career_creation.h"
#include "campaign_setup/coop_files.h"
#include "campaign_setup/creation_sequence.h"
#include "campaign_setup/paints.h"
#include "campaign_setup/setup_errors.h"
#include "mission_results/event_log.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kConfName = "conf.dat";
constexpr const char* kLocationFailure = "Failed Location Check.  Application Terminated.";

std::string BackslashPath(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

bool IsCoopCampaignFolder(const std::string& folder) {
  return Contains(AsciiLowerCase(BackslashPath(folder)), "missions\\net\\ngen");
}

// Sets each squadron named by a select line to the state of the line's spawn key.
void ApplySpawnChoices(TMainForm& form, const std::vector<std::string>& select_lines) {
  for (const std::string& line : select_lines) {
    const std::optional<std::string> state = SpawnState(line);
    if (!state) continue;
    for (int s = 0; s <= form.LastSquadron; ++s) {
      SquadronEntry& squadron = form.SquadronTable[s];
      if (NamesSquadron(line, squadron.SquadronName)) squadron.SquadronActive = *state;
    }
  }
}

// The co-op campaign folder the game names on the command line: the game folder followed by
// the path of the campaign's conf.dat without its file name. A path that leaves the game's
// co-op folder is refused.
std::string CoopFolderOfParameter(TMainForm& form, const std::string& parameter) {
  std::string relative = parameter;
  if (const size_t at = relative.find(kConfName); at != std::string::npos) {
    relative.erase(at, std::string(kConfName).size());
  }
  for (int turned = 0; turned < 5; ++turned) {
    const size_t at = relative.find('/');
    if (at == std::string::npos) break;
    relative[at] = '\\';
  }
  const std::string backslashed = BackslashPath(relative);
  const bool leaves = IsAbsolutePath(relative) || Contains(relative, ":") ||
                      StartsWith(backslashed, "\\") ||
                      Contains("\\" + backslashed + "\\", "\\..\\");
  if (leaves || form.GameFolder.empty()) {
    ErrorTrapAndStop(form, "The co-op campaign path \"" + parameter +
                               "\" names no folder below the game folder.");
  }
  if (!relative.empty() && relative.back() != '\\' && relative.back() != '/') relative += "\\";
  return form.GameFolder + relative;
}

struct CoopChoice {
  std::string battle;
  std::optional<bool> dead_is_dead;
};

CoopChoice ReadCoopChoice(TMainForm& form, const std::string& conf_path) {
  if (!FileExists(conf_path)) LogAndStop(form, "No CONF.DAT File.", "No CONF.DAT File.");
  ErrorLog(form, "NGen Conf.dat file located.");
  const CoopConf conf = ReadCoopConf(ReadTextLines(conf_path), true);
  if (!conf.battle) {
    ErrorLog(form, "The co-op file " + conf_path + " names no battle after its [$data] line.");
    ErrorTrapAndStop(form, "No Tavrek Campaign of that type.");
  }
  return {*conf.battle, conf.dead_is_dead};
}

struct CoopSource {
  CampaignListEntry section;
  std::string master_mission;
};

// The battle's section of the campaign list and its master mission; the aircraft types of the
// list's data folder are loaded.
CoopSource FindCoopSource(TMainForm& form, const std::string& battle) {
  std::string data_folder;
  const std::string list = CampaignListPath(form, &data_folder);
  if (list.empty()) {
    form.ErrorWarning = "Allcampaigns.tavrek not found.";
    ErrorTrapAndStop(form, form.ErrorWarning);
  }
  form.CampaignDataFolder = data_folder;
  LoadPlaneInfo(form);
  std::optional<CampaignListEntry> section =
      FindBattleSection(ReadTextLines(list), battle, BattleHeaderMatch::kIgnoreCase);
  if (!section) ErrorTrapAndStop(form, "The campaign list has no battle " + battle + ".");
  section->battle = battle;
  if (const std::string problem = SectionProblem(*section); !problem.empty()) {
    ErrorTrapAndStop(form, problem);
  }
  return {*section, FindMasterMission(form, battle, section->map_name, false)};
}

void ImportCoopBattle(TMainForm& form, const CoopSource& source) {
  try {
    if (source.master_mission.empty()) {
      throw ProgramError("No master mission found for the battle " + source.section.battle + ".");
    }
    const std::string& master = source.master_mission;
    const std::string picture = master.substr(0, master.size() - 3) + "jpg";
    if (FileExists(picture) && !CopyFile(picture, form.GameCampaignFolder + "cimage.jpg", false)) {
      throw FileError("The picture " + picture + " could not be copied.");
    }
    form.CampaignFolder = form.GameCampaignFolder;
    ImportBattle(form, source.section, master);
  } catch (const ProgramError& error) {
    ErrorLog(form, error.what());
    ErrorTrapAndStop(form, kLocationFailure);
  }
}

void DeleteFilesOf(const std::string& folder, std::initializer_list<const char*> names) {
  for (const char* name : names) DeleteFile(folder + name);
}

// Builds the campaign of the co-op folder from the battle its conf.dat names. The files of the
// campaign active before are not carried over: each one the new campaign needs is made by the
// creation, and any other (squadrons kept for a transfer, another campaign's pilots, supplies
// or missions) would mix two campaigns.
void CreateCoopCampaign(TMainForm& form) {
  const std::string folder = form.GameCampaignFolder;
  const std::string conf_path = folder + kConfName;
  const CoopChoice choice = ReadCoopChoice(form, conf_path);
  if (choice.dead_is_dead) form.Death.SetChecked(*choice.dead_is_dead);

  form.FrontCenterPosition = "0.00 0.00";
  const CoopSource source = FindCoopSource(form, choice.battle);
  ImportCoopBattle(form, source);

  WriteIni(form);
  DeleteFilesOf(form.CampaignFolder,
                {"aces.dat", "crew.tavrek", "pilot.tavrek", "paints.tavrek", "events.dat"});
  DeleteFilesOf(form.GameCampaignFolder, {"archive.dat", "logbook.dat"});
  DeleteFilesOf(form.CampaignFolder, {"debriefing.txt", "squad.txt", "aces.txt", "base.txt",
                                      "victory.txt", "documents.dat"});

  SquadronList(form, "OFF");
  ChangeNation(form);
  SetTgtNation(form, 0);
  SaveSquadrons(form, 0);
  CampaignTweaks(form);

  form.BackupFolder = form.ProgramFolder + "Backup\\" + form.BattleName + "_" +
                      AsciiUpperCase(std::as_const(form.SquadronTable)[0].SquadronNation) + "\\";
  BackupCampaign(form);

  PlaceCampaignStart(form, source.master_mission, PlayerMerge::kNone);
  WriteIni(form);
  ApplyUniversalPaints(form);
  TimeTable(form);

  if (FileExists(conf_path)) {
    ApplySpawnChoices(form, ReadCoopConf(ReadTextLines(conf_path), false).select_lines);
    SaveSquadrons(form, 0);
  }
  ErrorLog(form, "NGen Campaign created in " + folder + ".");
}

CoopSquadron CoopSquadronOf(TMainForm& form, const std::string& id, const std::string& name) {
  const std::optional<int> number = SquadronNumber(id, false);
  if (!number) {
    LogAndStop(form, "The squadron identifier " + id + " ends in no squadron digit.",
               "The squadron identifier " + id +
                   " ends in no squadron digit; the co-op campaign's conf.dat was not changed.");
  }
  return {id, name, *number};
}

}  // namespace

void NGenCampaign(TMainForm& form) {
  form.GameCampaignFolder = CoopFolderOfParameter(form, form.ParamStr(1));
  if (!DirectoryExists(form.GameCampaignFolder)) CreateDir(form.GameCampaignFolder);
  form.DayStep = 1;
  form.Coop.SetChecked(true);
  const bool running = FileExists(form.GameCampaignFolder + "squadrons.tavrek");
  // Only a new campaign takes the missions already in the event log as flown before it: a
  // running one has the mission just flown still to score.
  if (!running) SetLogDate(form);
  if (form.CampaignFolder.empty()) form.CampaignFolder = form.GameCampaignFolder;
  ErrorLog(form, "NGen CampPath = " + form.CampaignFolder);
  if (running) return;

  try {
    CreateCoopCampaign(form);
  } catch (...) {
    // A campaign counts as made once its squadron file exists: a creation that stopped leaves
    // none, so the game's next start tries again.
    DeleteFile(form.GameCampaignFolder + "squadrons.tavrek");
    throw;
  }
}

void NGenConfLoad(TMainForm& form) {
  const std::string path = form.GameCampaignFolder + kConfName;
  if (!FileExists(path)) return;
  const CoopConf conf = ReadCoopConf(ReadTextLines(path), false);
  if (!conf.has_select) {
    LogAndStop(form, "The co-op file " + path + " has no [$select] line.",
               "The co-op file " + path +
                   " has no [$select] line, so its choices cannot be read. Let the game write "
                   "the campaign's conf.dat again.");
  }
  if (conf.dead_is_dead) form.Death.SetChecked(*conf.dead_is_dead);
  // The choices are the squadrons' state: with none loaded yet they are read first, or the
  // choices would be lost to the next load.
  if (form.LastSquadron < 0 && FileExists(form.CampaignFolder + "squadrons.tavrek")) {
    SquadronList(form, "OFF");
  }
  ApplySpawnChoices(form, conf.select_lines);
  SaveSquadrons(form, 0);
}

void UpdateNGenConf(TMainForm& form, int squadron, const std::string& old_id,
                    const std::string& name, const std::string& action) {
  const std::string path = form.CampaignFolder + kConfName;
  if (!IsCoopCampaignFolder(form.CampaignFolder) || !FileExists(path)) return;
  if (action != "Add" && action != "Rename" && action != "Remove") {
    LogAndStop(form, "Unknown co-op file change \"" + action + "\".",
               "Unknown co-op file change \"" + action + "\".");
  }
  if (squadron < 0 || squadron > form.LastSquadron) {
    LogAndStop(form, "No squadron " + IntToStr(squadron) + " to change in " + path + ".",
               "No squadron " + IntToStr(squadron) + " to change in " + path + ".");
  }
  const std::vector<std::string> lines = ReadTextLines(path);
  SquadronEntry& entry = form.SquadronTable[squadron];
  std::vector<std::string> changed;
  if (action == "Remove") {
    changed = RemoveFromCoopConf(lines, entry.SquadronName.empty() ? old_id : entry.SquadronName);
  } else {
    GetFullName(form, squadron);
    const CoopSquadron now = CoopSquadronOf(form, entry.SquadronName, entry.SquadronFullName);
    try {
      changed = action == "Add" ? AddToCoopConf(lines, now, path)
                                : RenameInCoopConf(lines, CoopSquadronOf(form, old_id, name), now);
    } catch (const ProgramError& error) {
      LogAndStop(form, error.what(), error.what());
    }
  }
  WriteTextFile(path, JoinLinesCrLf(changed));
  ErrorLog(form, "Co-op file " + path + ": " + action + " " + entry.SquadronName + ".");
}
