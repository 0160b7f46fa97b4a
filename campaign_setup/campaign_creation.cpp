#include "campaign_setup/campaign_creation.h"

#include <optional>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/game_campaign_folder.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/timetable.h"
#include "campaign_setup/backups.h"
#include "campaign_setup/campaign_list.h"
#include "campaign_setup/campaign_tweaks.h"
#include "campaign_setup/career_files.h"
#include "campaign_setup/creation_sequence.h"
#include "campaign_setup/master_mission_reader.h"
#include "campaign_setup/mission_import.h"
#include "campaign_setup/paints.h"
#include "campaign_setup/panels.h"
#include "campaign_setup/player_defined_files.h"
#include "campaign_setup/services.h"
#include "campaign_setup/setup_errors.h"
#include "campaign_setup/start_placement.h"
#include "mission_results/event_log.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/player_name.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// Files of a campaign folder that a new campaign replaces; other files (the dogfight-server
// preferences among them) stay.
constexpr const char* kCampaignFileMarks[] = {".tavrek", ".properties", ".mis", ".rds", ".dat",
                                              ".rls",    ".srd",        ".bak", ".jpg"};

void DeleteMarkedFiles(const std::string& folder, bool with_ini) {
  for (const std::string& name : ListDirectory(folder, "*")) {
    bool marked = with_ini && Contains(name, ".ini");
    for (const char* mark : kCampaignFileMarks) marked = marked || Contains(name, mark);
    if (marked) DeleteFile(folder + name);
  }
}

void DeleteFilesOf(const std::string& folder, std::initializer_list<const char*> names) {
  for (const char* name : names) DeleteFile(folder + name);
}

void ShowNewCampaignSelection(TMainForm& form) {
  form.InfoLabel.Caption = "New Campaign";
  form.DescLabel.Caption =
      "Please select a nation/service and a campaign then click 'Start' to create the campaign.";
  for (TControl* control : std::initializer_list<TControl*>{&form.NewCampBox, &form.DefaultNation,
                                                            &form.CampStartButton}) {
    control->Visible = true;
    control->Enabled = true;
  }
}

// What the new campaign is made of, all found and checked before anything is deleted.
struct CreationPlan {
  CampaignListEntry section;
  std::string data_folder;
  std::string master_mission;
};

// Finds the list, the battle's section and its master mission and reads the mission as the
// import will; stops with the reason when any of them is missing or unusable. The aircraft
// types of the battle's data folder are loaded for the check.
CreationPlan PlanCreation(TMainForm& form, const std::string& battle) {
  CreationPlan plan;
  const std::string list = CampaignListPath(form, &plan.data_folder);
  if (list.empty())
    LogAndStop(form, "No allcampaigns.tavrek found.", "No allcampaigns.tavrek found.");
  const std::optional<CampaignListEntry> section =
      FindBattleSection(ReadTextLines(list), battle, BattleHeaderMatch::kIgnoreCase);
  if (!section) {
    const std::string text = "The campaign list has no battle " + battle + ".";
    LogAndStop(form, text, text);
  }
  plan.section = *section;
  plan.section.battle = battle;
  if (const std::string problem = SectionProblem(plan.section); !problem.empty()) {
    LogAndStop(form, problem, problem);
  }
  form.CampaignDataFolder = plan.data_folder;
  LoadPlaneInfo(form);
  plan.master_mission = FindMasterMission(form, battle, plan.section.map_name, true);
  if (plan.master_mission.empty()) {
    const std::string text =
        "Error: No matching master mission file was found. Check the "
        "Tavrek MASTER folder for " +
        form.ProgramFolder + "Masters\\" + plan.section.map_name + ".mis.";
    LogAndStop(form, text, text);
  }
  const MasterMission mission = ReadCheckedMasterMission(form, plan.master_mission);
  MapList(form, plan.section.map_name);
  const std::string map_folder = form.MapLoadPath.substr(0, form.MapLoadPath.find('/'));
  if (!mission.map_name.empty() && form.MapLoadPath != "None" &&
      AsciiLowerCase(map_folder) != AsciiLowerCase(mission.map_name)) {
    const std::string text = "The master mission " + plan.master_mission + " is made for the map " +
                             mission.map_name + ", not for " + plan.section.map_name + ".";
    LogAndStop(form, text, text);
  }
  return plan;
}

void PrepareGameFolders(TMainForm& form, const std::string& folder_code) {
  form.GameCampaignFolder = form.GameFolder + "Missions\\Campaign\\" + folder_code + "\\Tavrek\\";
  for (const std::string& kind : {std::string("Campaign\\"), std::string("Single\\")}) {
    const std::string service_folder = form.GameFolder + "Missions\\" + kind + folder_code;
    if (!DirectoryExists(service_folder)) CreateDir(service_folder);
    if (!DirectoryExists(service_folder + "\\Tavrek")) CreateDir(service_folder + "\\Tavrek");
  }
}

void ShowCampaignPicture(TMainForm& form, const std::string& master_mission) {
  const std::string picture = master_mission.substr(0, master_mission.size() - 3) + "jpg";
  const std::string target = form.CampaignFolder + "cimage.jpg";
  if (FileExists(picture)) CopyFile(picture, target, false);
  if (!FileExists(target)) return;
  try {
    form.CImage.LoadFromFile(target);
  } catch (const FileError& error) {
    ErrorLog(form, error.what());
  }
}

// The game-side career folder of the mode (DetermineCampFolder) is emptied only when it is the
// campaign's own: a shared co-op or dogfight folder keeps the files of other campaigns.
void ClearGameCampaignFolder(TMainForm& form, const std::string& own_folder) {
  DetermineCampFolder(form);
  if (AsciiLowerCase(form.GameCampaignFolder) != AsciiLowerCase(own_folder)) return;
  DeleteMarkedFiles(form.GameCampaignFolder, true);
  DeleteFile(form.GameCampaignFolder + "campaign.ini");
}

}  // namespace

void NewCampaignClick(TMainForm& form) {
  form.DescLabel.Caption.clear();
  CleanUpPanels(form);
  if (form.AutoGeneration.Checked && !form.DGENBoot.Checked) {
    const std::string text = form.Messages.Text(MessageSection::kErrors, 19);
    LogAndStop(form, text, text);
  }
  if (form.NGenBoot.Checked && !form.DGENBoot.Checked) {
    form.DescLabel.Caption =
        "Warning: The campaign create option is not for the \"In-Game Replacement\" option.\r\n"
        "Create a new career using the Multiplayer Campaign Mode in \"Forgotten Battles\".";
    const std::string text = form.Messages.Text(MessageSection::kErrors, 20);
    LogAndStop(form, text, text);
  }
  // The event log is marked as scored only when a campaign is created from this screen.
  ShowNewCampaignSelection(form);

  std::vector<std::string> services;
  for (const Service& service : Services()) {
    const std::string folder =
        form.GameFolder + "Missions\\Campaign\\" + std::string(service.folder_code);
    if (DirectoryExists(folder) || form.ServerActive == "True") {
      services.emplace_back(service.display_name);
    }
  }
  form.DefaultNation.Items = services;
  form.DefaultNation.SetItemIndex(0);

  const std::string list = CampaignListPath(form);
  if (list.empty()) LogAndStop(form, "No All Campaign File Found.", "No All Campaign File Found.");
  form.NewCampBox.Items = OfferedBattles(ReadTextLines(list));
  form.NewCampBox.SetItemIndex(form.GameID == "IL2" ? 1 : 0);
}

void CampStartButtonClick(TMainForm& form) {
  ErrorLog(form, "Campaign Start Button Clicked.");
  const Service* service = ServiceByDisplayName(form.DefaultNation.Text);
  if (service != nullptr) form.SquadronTable[0].SquadronNation = std::string(service->nation_code);
  if (form.DGENBoot.Checked && form.AutoGeneration.Checked) {
    WritePlayerDefinedFiles(form);
    return;
  }
  const std::string battle = Trim(form.NewCampBox.Text);
  const std::string folder_code =
      service != nullptr ? std::string(service->folder_code)
                         : AsciiUpperCase(std::as_const(form.SquadronTable)[0].SquadronNation);
  const std::string campaign_folder = form.ProgramFolder + battle + "_" + folder_code + "\\";

  // Everything that can fail is checked while the active campaign is still whole.
  const std::string active_data_folder = form.CampaignDataFolder;
  CreationPlan plan;
  try {
    plan = PlanCreation(form, battle);
  } catch (...) {
    form.CampaignDataFolder = active_data_folder;
    throw;
  }
  if (DirectoryExists(campaign_folder)) {
    if (form.Controls.DialogService().MessageBox("Over-write existing campaign?", "Continue",
                                                 MessageButtons::kOkCancel) != ModalResult::kOk) {
      form.CampaignDataFolder = active_data_folder;
      return;
    }
  } else if (!ForceDirectories(campaign_folder)) {
    form.CampaignDataFolder = active_data_folder;
    const std::string text = "The campaign folder " + campaign_folder + " cannot be created.";
    LogAndStop(form, text, text);
  }

  DeleteMarkedFiles(campaign_folder, false);
  form.CampaignFolder = campaign_folder;
  ImportBattle(form, plan.section, plan.master_mission);
  ShowCampaignPicture(form, plan.master_mission);

  PrepareGameFolders(form, folder_code);
  DeleteFilesOf(form.CampaignFolder, {"aces.dat", "crew.tavrek", "paints.tavrek", "events.dat"});
  DeleteFilesOf(form.GameCampaignFolder, {"archive.dat", "logbook.dat", "conf.dat"});
  DeleteFilesOf(form.CampaignFolder, {"debriefing.txt", "squad.txt", "aces.txt", "base.txt",
                                      "victory.txt", "documents.dat"});
  SquadronList(form, "OFF");
  GetDefaultNation(form);
  SaveSquadrons(form, 0);

  ClearGameCampaignFolder(form, form.GameCampaignFolder);
  SetUpCampIni(form);
  WriteIni(form);
  CampaignTweaks(form);
  form.BackupFolder = form.ProgramFolder + "Backup\\" + form.BattleName + "_" + folder_code + "\\";
  BackupCampaign(form);

  PlaceCampaignStart(form, plan.master_mission, PlayerMerge::kAfterBases);
  ApplyUniversalPaints(form);
  TimeTable(form);
  DeleteFile(form.CampaignFolder + "pilot.tavrek");
  LoadPilots(form);
  SavePilot(form, 0);
  SaveSquadrons(form, 0);
  SetLogDate(form);

  CleanUpPanels(form);
  CleanUpCampChk(form);
  SetUpCampIni(form);
  form.InfoLabel.Caption = battle + " Campaign";
  form.DescLabel.Caption =
      "Select the Tavrek (" + battle +
      ") campaign in IL-2 before proceeding. Then, before clicking the \"Start\" button, return "
      "to Tavrek. You can now activate the Tavrek \"Auto-Generation\" mode as well as modify any "
      "settings. Click the Tavrek mission generation button when all changes have been made.";
  form.Controls.DialogService().MessageBox("Manual Campaign Created", "", MessageButtons::kOk);
}

namespace {

// The battle names of the game's career generator that name our battles otherwise.
std::string OwnBattleName(const std::string& career_battle) {
  static constexpr std::pair<std::string_view, std::string_view> kRenames[] = {
      {"Guadal1", "Guadalcanal42"},  {"Guadal2", "Guadalcanal42"}, {"Marianas2", "Marianas"},
      {"Japan1", "Kyushu45"},        {"BeforeDDay", "France44"},   {"Normandy", "Normandy44"},
      {"BalatonAir44", "Hungary44"}, {"BerlinAir44", "Germany44"}, {"BerlinAir45", "Berlin"},
      {"Ardennes", "Ardennes44"}};
  for (const auto& [from, to] : kRenames) {
    if (career_battle == from) return std::string(to);
  }
  return career_battle;
}

// What the game's career start file DGEN\conf<code>.ini tells.
struct CareerStart {
  std::vector<std::string> lines;  // its first six lines
  std::string folder;              // the career folder under the game folder, ending in "\"
  std::string wing;                // the player's squadron identifier with its flight digit
  std::string battle;
  std::string player_class;
};

[[noreturn]] void Fail(TMainForm& form, const std::string& warning, const std::string& log_line) {
  form.ErrorWarning = warning;
  ErrorLog(form, log_line);
  throw ProgramError(warning);
}

CareerStart ReadCareerStart(TMainForm& form, const std::string& service_code) {
  const std::string path = form.GameFolder + "DGEN\\conf" + service_code + ".ini";
  if (!FileExists(path)) {
    const std::string text = "Error: The game's career start file " + path + " was not found.";
    Fail(form, text, text);
  }
  CareerStart start;
  start.lines = ReadTextLines(path);
  if (start.lines.size() < 6 || !Contains(start.lines[2], "dir=")) {
    const std::string text = "Error: The game's career start file " + path + " is incomplete.";
    Fail(form, text, text);
  }
  start.lines.resize(6);
  start.folder = Trim(Copy(start.lines[2], 5, static_cast<int>(start.lines[2].size()))) + "\\";
  start.wing = Trim(start.lines[1]) + "0";
  const std::string& last = start.lines[5];
  const size_t blank = last.find(' ');
  start.battle = OwnBattleName(Trim(last.substr(0, blank)));
  start.player_class =
      "Class air." + (blank == std::string::npos ? std::string() : Trim(last.substr(blank + 1)));
  return start;
}

void PresetPlayerBase(TMainForm& form) {
  const std::string nation = form.ParamStr(1);
  SquadronEntry& player = form.SquadronTable[0];
  const bool western = nation == "um" || nation == "un" || nation == "us" || nation == "rz" ||
                       nation == "du" || nation == "gb" || nation == "rn" || nation == "ra" ||
                       nation == "fr";
  if (western &&
      (form.MapTitle == "Berlin" || form.MapName == "Normandy" || form.MapTitle == "Balaton")) {
    player.SquadronHomeBase = "English_Airfield";
  }
  if ((nation == "um" || nation == "us") && form.MapName == "Guadal") {
    player.SquadronHomeBase = "Lunga_Airstrip";
  }
  player.PlanesExtra = 0;
}

void WriteCareerConf(TMainForm& form, const CareerStart& start) {
  const std::string& player_class = std::as_const(form.SquadronTable)[0].SquadronClass;
  const std::string type = player_class.size() > 10 ? player_class.substr(10) : std::string();
  WriteTextFile(form.GameCampaignFolder + "conf.dat",
                JoinLinesCrLf({start.lines[0], start.lines[1], "dir=" + start.folder,
                               start.lines[3], start.lines[4], form.MapName + " " + type}));
}

void BuildCareerCampaign(TMainForm& form, const std::string& service_code) {
  PlayerNameCheck(form);
  SetLogDate(form);
  const CareerStart start = ReadCareerStart(form, service_code);
  form.GameCampaignFolder = form.GameFolder + start.folder;
  if (!DirectoryExists(form.GameCampaignFolder)) ForceDirectories(form.GameCampaignFolder);

  std::string data_folder;
  const std::string list = CampaignListPath(form, &data_folder);
  if (list.empty())
    Fail(form, "Error: No allcampaigns.tavrek found.", "No allcampaigns.tavrek found.");
  form.CampaignFolder = form.GameCampaignFolder;
  form.CampaignDataFolder = data_folder;
  LoadPlaneInfo(form);
  const std::optional<CampaignListEntry> section =
      FindBattleSection(ReadTextLines(list), start.battle, BattleHeaderMatch::kCaseSensitive);
  const std::string map = section ? section->map_name : form.MapName;
  const std::string master =
      section ? FindMasterMission(form, start.battle, map, false) : std::string();
  if (!section || master.empty() || !SectionProblem(*section).empty()) {
    const std::string looked_for =
        master.empty() ? form.ProgramFolder + "Masters\\" + map + ".mis" : master;
    Fail(form,
         "Error: No matching master mission file was found. Check the Tavrek MASTER folder for " +
             looked_for + ".",
         "No \"" + start.battle + "/" + map + "\" Campaign Found. Creation Failed.");
  }
  ImportBattle(form, *section, master);
  ErrorLog(form, "Master Mission Imported.");
  const std::string picture = master.substr(0, master.size() - 3) + "jpg";
  if (FileExists(picture)) CopyFile(picture, form.GameCampaignFolder + "cimage.jpg", false);

  SquadronList(form, "OFF");
  SquadronEntry& player = form.SquadronTable[0];
  player.SquadronName = start.wing;
  player.SquadronClass = start.player_class;
  player.SquadronBaseClass = start.player_class;
  SaveSquadrons(form, 0);
  SquadronList(form, "OFF");

  CampaignTweaks(form);
  form.BackupFolder = form.ProgramFolder + "Backup\\" + form.BattleName + "_" +
                      AsciiUpperCase(std::as_const(form.SquadronTable)[0].SquadronNation) + "\\";
  BackupCampaign(form);
  GetColumnStartLocation(form, master);
  AlternateSquadron(form);
  PresetPlayerBase(form);
  GetAirfield(form, master);

  DeleteFilesOf(form.CampaignFolder,
                {"aces.dat", "crew.tavrek", "pilot.tavrek", "paints.tavrek", "events.dat",
                 "archive.dat", "logbook.dat", "conf.dat", "debriefing.txt", "campaign.ini",
                 "squad.txt", "aces.txt", "base.txt", "victory.txt", "documents.dat"});
  WriteCareerConf(form, start);

  DeleteFilesOf(form.GameCampaignFolder, {"logbook.dat", "archive.dat"});
  DeleteFilesOf(form.CampaignFolder, {"events.dat", "debriefing.txt"});
  LoadSquadrons(form);
  LoadPilots(form);
  SavePilot(form, 0);
  ApplyUniversalPaints(form);
  TimeTable(form);
  WriteIni(form);
  ErrorLog(form, "Campaign Created.");
}

}  // namespace

void CreateCampaign(TMainForm& form, const std::string& service_code) {
  try {
    BuildCareerCampaign(form, service_code);
  } catch (const std::exception& error) {
    // A run started by the game has nobody to show a message to: the text waits in
    // ErrorWarning, and the run ends without a mission.
    if (form.ErrorWarning.empty()) form.ErrorWarning = error.what();
    ErrorLog(form, "Campaign creation stopped: " + std::string(error.what()));
  }
}
