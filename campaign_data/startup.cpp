#include "campaign_data/startup.h"

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/batch_driver.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/messages.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/territory.h"
#include "campaign_setup/densities.h"
#include "campaign_setup/dogfight_link.h"
#include "campaign_setup/game_edition.h"
#include "campaign_setup/paints.h"
#include "campaign_setup/panels.h"
#include "mission_generation/pass_guard.h"
#include "mission_generation/pipeline.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/player_name.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/stale_temporaries.h"

namespace {

constexpr unsigned kVirtualKeyG = 71;

// Ctrl+Shift+G generates the next mission while the game runs.
void RegisterGenerateHotKey(TMainForm& form) {
  HotKeys& hot_keys = form.Platform.HotKeyService();
  form.HotKeyId = hot_keys.GlobalAddAtom("Hotkey1");
  hot_keys.RegisterHotKey(form.HotKeyId, HotKeys::kModControl | HotKeys::kModShift, kVirtualKeyG,
                          [&form](int id) { WMHotKey(form, id); });
}

void SeedRandomGenerator(TMainForm& form) {
  form.Rand.SetSeed(
      form.Platform.FixedRandomSeed.value_or(form.Platform.ClockService().UtcMillisecondsOfDay()));
}

void ResetRunTexts(TMainForm& form) {
  form.ErrorText.clear();
  form.CampaignNews.clear();
  form.CampaignNewsRu.clear();
  form.FrontNews.clear();
  form.FrontNewsRu.clear();
  for (std::string* trigger : {&form.DeTrigger, &form.RuTrigger, &form.DeDestroyTrigger,
                               &form.RuDestroyTrigger, &form.DeSunkTrigger, &form.RuSunkTrigger}) {
    *trigger = "None";
  }
  for (int* count :
       {&form.DeDestroyCount, &form.RuDestroyCount, &form.DeSunkCount, &form.RuSunkCount}) {
    *count = 100;
  }
  for (TComboBox* box : {&form.DeSupplyBox, &form.RuSupplyBox, &form.DeOilBox, &form.RuOilBox}) {
    box->Text = "Default";
  }
  form.RadioBox.Text = "Campaign Default";
  form.StaticPlaneCountBox.Text = "Yes";
  form.VoteLevelBox.Text = "100";
}

// 1 generates a mission; a debriefing or update start begins at 0.
int StartingDayStep(const TMainForm& form) {
  const std::string first = form.ParamStr(1);
  const bool generates =
      !form.ParamStr(0).empty() && !Contains(first, "debri") && !Contains(first, "netupdate");
  return generates ? 1 : 0;
}

// The whole roster and every location's flag, so that nothing of a campaign used before
// survives a switch to another.
void ClearPilotRoster(TMainForm& form) {
  form.PilotRoster.ForEachEntry([](PilotEntry& pilot) {
    for (std::string* field :
         {&pilot.RosterName, &pilot.RosterKills, &pilot.RosterGroundKills, &pilot.RosterSorties,
          &pilot.RosterRank, &pilot.RosterMedalCount, &pilot.RosterPhoto, &pilot.RosterNoseArt,
          &pilot.RosterHomeTown, &pilot.RosterBirthDate}) {
      field->clear();
    }
  });
}

void ClearStationaryFlags(TMainForm& form) {
  form.LocationTable.ForEachEntry([](LocationEntry& location) { location.StationaryFlag = 0; });
}

// A hidden run never asks: it goes on with the folder it has.
void CheckProgramFolder(TMainForm& form) {
  if (form.CommandLineRun() || ProgramFolderHoldsProgram(form)) return;
  form.SetMainPath.InitialDir = RunningProgramFolder(form);
  form.SetMainPath.Execute();
}

void LogParameters(TMainForm& form) {
  for (int i = 0; i <= 2; ++i) {
    const std::string parameter = form.ParamStr(i);
    if (!parameter.empty()) {
      ErrorLog(form, "Parameter String" + IntToStr(i) + " = " + parameter);
    }
  }
}

bool EditionHasGeneratorReplacements(const std::string& game_id) {
  for (const char* edition : {"IL2FB", "PF", "PFm", "AEP", "PE2", "1946"}) {
    if (game_id == edition) return true;
  }
  return false;
}

void IdentifyGameEdition(TMainForm& form) {
  GameIDCheck(form);
  ErrorLog(form, "Game version checked [" + form.GameID + "].");
  ErrorLog(form, "Game version includes IL2AEP [" + form.GameIncludesAEP + "].");
  if (!EditionHasGeneratorReplacements(form.GameID)) {
    form.DGENBoot.SetChecked(false);
    form.DGENBoot.Visible = false;
    WriteIni(form);
    form.NGenBoot.SetChecked(false);
    form.NGenBoot.Visible = false;
    WriteIni(form);
  }
  if (form.ServerActive == "True") {
    form.Dogfight.SetChecked(true);
    for (TMenuItem* item : {&form.DGENBoot, &form.NGenBoot, &form.Coop, &form.AutoGeneration}) {
      item->SetChecked(false);
    }
    WriteIni(form);
  }
  ErrorLog(form, "Game version successfully set up.");
}

// Temporaries that a save killed half-way left in the folders this program writes to.
void RemoveInterruptedSaves(TMainForm& form) {
  std::vector<std::string> folders{form.ProgramFolder,   form.ProgramFolder + "data\\",
                                   form.DataFilesFolder, form.CampaignDataFolder,
                                   form.CampaignFolder,  form.GameFolder};
  for (size_t i = 0; i < folders.size(); ++i) {
    const std::string& folder = folders[i];
    if (folder.empty() || !DirectoryExists(folder)) continue;
    bool seen = false;
    for (size_t j = 0; j < i; ++j) seen = seen || SameFolder(folders[j], folder);
    if (seen) continue;
    for (const std::string& name : RemoveStaleTemporaries(folder)) {
      ErrorLog(form, "Removed " + folder + name + ", left by a save that was interrupted.");
    }
  }
}

void ApplyDensities(TMainForm& form) {
  SObjectDChangeSender(form);
  ColumnDensityChangeSender(form);
  SquadronDensityChangeSender(form);
}

// The rest of an interactive start: the window shows the chosen campaign.
void OpenChosenCampaign(TMainForm& form) {
  ErrorLog(form, "Mission Button Enabled.");
  form.MissionButton.Enabled = true;
  ShowCampaignPicture(form);
  if (!form.CampaignFolder.empty()) form.StatusBar.SimpleText = form.CampaignFolder;
  PlayerNameCheck(form);
  ErrorLog(form, "Player Name Checked.");
  form.Scoring.SetChecked(false);
  UniversalPaints(form);
  ErrorLog(form, "Universal Paints Initialized.");
  ModeDescription(form);
  ErrorLog(form, "Description Determined.");
  if (!form.CampaignFolder.empty()) {
    InitializeCampaign(form);
    ErrorLog(form, "Initialize Campaign.");
  } else {
    ErrorLog(form, "No Campaign selected.");
    form.CampaignDataFolder = form.DataFilesFolder;
    LoadPlaneInfo(form);
  }
}

}  // namespace

void FormCreate(TMainForm& form) {
  RegisterGenerateHotKey(form);
  form.TimeOutTimer.SetEnabled(true);
  SetOptionDefaults(form);
  CleanUpPanels(form);
  StartupExecute(form);
  ErrorLog(form, "Form Create Complete");
}

void StartupExecute(TMainForm& form) {
  const FolderCacheScope known_folders(form.Folders);
  const FileReadScope read_once(form.FileReads);
  SeedRandomGenerator(form);
  CleanUpPanels(form);
  ModeDescription(form);
  form.Debrief.Caption.clear();
  ResetRunTexts(form);
  form.PlayerLogText.clear();
  form.PlayerRankIndex = -1;
  form.InitialStationary = -1;
  form.ProgramFolder.clear();
  form.DeployDistance = {1750, 1750};
  form.TaskForceSpeed = {16, 16, 16};
  form.DayStep = StartingDayStep(form);
  ClearPilotRoster(form);
  ClearStationaryFlags(form);
  MarkTablesNotLoaded(form);
  form.InfoLabel.Caption = "Tavrek 3.37";
  ReadIni(form);
  if (form.ProgramFolderInUse) return;
  ReadFBDIni(form);
  CheckProgramFolder(form);
  if (form.ProgramFolderInUse) return;
  DeleteFile(form.ProgramFolder + "tavrekerror.txt");
  LogParameters(form);
  ErrorLog(form, "Tavrek.ini processed.");
  RemoveInterruptedSaves(form);
  // Before anything reads the campaign: a mission generation that died midway is undone, and
  // the settings it had changed are read again.
  if (RecoverInterruptedPass(form)) {
    ReadIni(form);
    ReadFBDIni(form);
  }
  GetMessages(form);
  ErrorLog(form, "Loaded messages processed.");
  IdentifyGameEdition(form);
  ApplyDensities(form);
  if (form.CommandLineRun()) {
    ErrorLog(form, "Begin Parameter Check");
    ChkParams(form);
    return;
  }
  OpenChosenCampaign(form);
}

void LoadCampaignMap(TMainForm& form) {
  CampaignInfo(form);
  MapList(form, form.MapName);
  TargetLocations(form);
  ReadTerritory(form);
  SetTgtNation(form, 0);
  FrontObjects(form);
}

void InitializeCampaign(TMainForm& form) {
  // The loaders below read some files twice (the armour table, the front objects, the static
  // objects): the second time they get the lines of the first.
  const FolderCacheScope known_folders(form.Folders);
  const FileReadScope read_once(form.FileReads);
  CleanUpPanels(form);
  CleanUpCampChk(form);
  ModeDescription(form);
  ArmorList(form);
  LoadShipInfo(form);
  InitializeGroundUnits(form);
  LoadCampaignMap(form);
  LoadMissingCampaignTables(form, true);
  // The owners were first set before the columns were known, and a sea is held by the side
  // whose column is there: set them again now, or the seas of an opened campaign lose their
  // owners at its next save.
  SetTgtNation(form, 0);
  form.SkinImage.Visible = false;
  LoadStationary(form);
}

void LoadMissingCampaignTables(TMainForm& form, bool sort_pilots) {
  if (form.LastStationary < 0) StationaryList(form);
  if (form.LastColumn < 0) ColumnList(form);
  if (form.LastSquadron < 0) {
    SquadronList(form, "OFF");
    SquadronBase(form);
    SaveSquadrons(form, 0);
    LoadPilots(form);
    if (sort_pilots) {
      PilotSortThenSave(form);
    } else {
      SavePilot(form, 0);
    }
  }
}

void MarkTablesNotLoaded(TMainForm& form) {
  form.LastLocation = -1;
  form.LastColumn = -1;
  form.LastStationary = -1;
  form.LastSquadron = -1;
}

void WMHotKey(TMainForm& form, int hot_key_id) {
  if (hot_key_id == form.HotKeyId) BetweenMissionCompiler(form);
}

void TimeOutTimerTimer(TMainForm& form) {
  if (form.CommandLineRun() && GeneratorReplacementOn(form)) {
    ErrorLog(form, "Terminate Program.");
    form.Close();
  }
  ErrorLog(form, "Check for Termination.");
}

bool GeneratorReplacementOn(const TMainForm& form) {
  return (form.Coop.Checked && form.NGenBoot.Checked) ||
         (form.AutoGeneration.Checked && form.DGENBoot.Checked);
}

void ShowCampaignPicture(TMainForm& form) {
  if (form.CampaignFolder.empty()) return;
  const std::string picture = form.CampaignFolder + "cimage.jpg";
  if (!FileExists(picture)) return;
  try {
    form.CImage.LoadFromFile(picture);
  } catch (const FileError& error) {
    ErrorLog(form, std::string("The campaign picture cannot be shown: ") + error.what());
  }
}
