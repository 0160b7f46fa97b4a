#include "mission_generation/pipeline.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_set>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/game_campaign_folder.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/startup.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/aircraft_changes.h"
#include "campaign_progression/campaign_end.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/column_routes.h"
#include "campaign_progression/front_objects.h"
#include "campaign_progression/ground_combat.h"
#include "campaign_progression/route_sections.h"
#include "campaign_progression/stationary_check.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/territory_capture.h"
#include "campaign_progression/timetable.h"
#include "campaign_setup/backups.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/career_creation.h"
#include "campaign_setup/coop_campaign.h"
#include "campaign_setup/coop_generator.h"
#include "campaign_setup/flight_sizes.h"
#include "campaign_setup/squadron_list_changes.h"
#include "mission_generation/aircraft_replacements.h"
#include "mission_generation/campaign_date_advance.h"
#include "mission_generation/flights_per_squadron.h"
#include "mission_generation/mission_builder.h"
#include "mission_generation/mission_installation.h"
#include "mission_generation/pass_guard.h"
#include "mission_generation/planner.h"
#include "mission_results/event_log.h"
#include "mission_results/event_log_names.h"
#include "mission_results/extra_sorties.h"
#include "mission_results/pilot_roster.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_read_cache.h"
#include "platform/file_system.h"

namespace {

// The services one unit of the pipeline's work calls, each logged before it runs ("Pass 3:
// LoadPilots."), so that the run log shows the order of the steps. A fatal error that a
// service reports without raising (as it does in a command-line run) stops the unit there.
class TracedCalls {
 public:
  TracedCalls(TMainForm& form, std::string unit)
      : form_(form), unit_(std::move(unit)), fatal_errors_(form.FatalErrorCount) {}

  template <typename... Parameters>
  void operator()(std::string_view service, void (*operation)(TMainForm&, Parameters...),
                  std::type_identity_t<Parameters>... arguments) {
    Announce(service);
    operation(form_, arguments...);
    StopOnFatalError(service);
  }

  // For a service called once per squadron: one line before the loop.
  void Announce(std::string_view service) {
    ErrorLog(form_, unit_ + ": " + std::string(service) + ".");
  }
  void StopOnFatalError(std::string_view service) const {
    if (form_.FatalErrorCount != fatal_errors_) {
      throw ProgramError(unit_ + " stopped after a fatal error in " + std::string(service) + ".");
    }
  }

 private:
  TMainForm& form_;
  std::string unit_;
  int fatal_errors_;
};

// Runs `work` all or nothing for the files it writes.
template <typename Work>
void RunGuarded(TMainForm& form, const std::string& unit, Work&& work) {
  PassGuard guard(form, unit);
  try {
    work(guard);
    guard.Commit();
  } catch (const std::exception& error) {
    form.InfoLabel.Caption = "Mission Not Generated";
    guard.RollBack(error.what());
    throw;
  }
}

int PassCount(const std::string& pace) {
  if (pace == "Moderate") return 2;
  if (pace == "Fast") return 3;
  return 1;
}

const std::string& ErrorMessage(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kErrors, line);
}

[[noreturn]] void LogAndRaise(TMainForm& form, int error_line) {
  ErrorLog(form, ErrorMessage(form, error_line));
  throw ProgramError(ErrorMessage(form, error_line));
}

constexpr const char* kCareerModeWarning =
    "Warning: The active campaign is for \"Full Auto-Generation Mode\". Please activate Tavrek's "
    "Full Auto-Generation Mode or select another campaign before generating a mission.";
constexpr const char* kCoopModeWarning =
    "Warning: The active campaign is for \"Coop Campaign Mode\". Please activate Tavrek's Coop "
    "Campaign mode or select another campaign before generating a mission.";
constexpr const char* kCareerFolderWarning =
    "Warning: A Career Mode Campaign must be selected in IL-2 \"Forgotten Battles\"before "
    "generating any missions when Tavrek is in Full Auto-Generation Mode.  That or disable the "
    "DGen Replacement option.";

// The campaign folder must suit the mode: a career folder of the game's career generator
// ("DGen_") or a co-op generator folder ("NGen") switch their mode on, or, when its generator is
// not replaced, offer to replace it (a run without arguments only).
void CheckCampaignMode(TMainForm& form, TracedCalls& call) {
  const std::string folder = AsciiLowerCase(form.CampaignFolder);
  const bool arguments = form.CommandLineRun();
  const bool career_folder = Contains(folder, "dgen_");
  const bool coop_folder = Contains(folder, "ngen");
  if (career_folder && !form.DGENBoot.Checked && !arguments) {
    form.DescLabel.Caption = kCareerModeWarning;
    ErrorLog(form, ErrorMessage(form, 12));
    call("DGENToggle", DGENToggle);
    if (!form.DGENBoot.Checked) throw ProgramError(ErrorMessage(form, 12));
    form.AutoGeneration.SetChecked(true);
    form.GameCampaignFolder = form.CampaignFolder;
  }
  if (career_folder && form.DGENBoot.Checked && !form.AutoGeneration.Checked) {
    form.AutoGeneration.SetChecked(true);
    form.GameCampaignFolder = form.CampaignFolder;
  }
  if (coop_folder && !form.NGenBoot.Checked && !arguments) {
    form.DescLabel.Caption = kCoopModeWarning;
    ErrorLog(form, ErrorMessage(form, 13));
    call("NGenToggle", NGenToggle);
    if (!form.NGenBoot.Checked) throw ProgramError(ErrorMessage(form, 13));
    form.Coop.SetChecked(true);
    form.GameCampaignFolder = form.CampaignFolder;
  }
  if (coop_folder && form.NGenBoot.Checked && !form.Coop.Checked) {
    form.Coop.SetChecked(true);
    form.GameCampaignFolder = form.CampaignFolder;
  }
  if (coop_folder && form.NGenBoot.Checked && form.Coop.Checked) call("NGenConfLoad", NGenConfLoad);
  if (!Contains(AsciiLowerCase(form.GameCampaignFolder), "dgen_") && form.DGENBoot.Checked &&
      form.AutoGeneration.Checked && !arguments) {
    form.DescLabel.Caption = kCareerFolderWarning;
    LogAndRaise(form, 14);
  }
}

void TakePlayerSide(TMainForm& form) {
  const std::string& side = form.SquadronTable[0].SquadronArmy;
  form.PlayerSideWord = side == "2" ? "Blue" : side == "1" ? "Red" : "";
  form.PlayerNationWord = side == "2" ? "DE" : side == "1" ? "RU" : "";
}

// The date-driven aircraft changes squadron by squadron; a squadron whose name an earlier one
// already has is removed.
void CheckSquadronList(TMainForm& form, TracedCalls& call) {
  ErrorLog(form, "Check for Duplicate Squadrons.");
  if (form.HistDates.Checked) call.Announce("HistoricDate for each squadron");
  std::unordered_set<std::string> names;
  bool deleted = false;
  const int last = form.LastSquadron;
  for (int i = 0; i <= last; ++i) {
    SquadronEntry& squadron = form.SquadronTable[i];
    if (!squadron.SquadronName.empty() && !names.insert(squadron.SquadronName).second) {
      call("SquadDelete", SquadDelete, i);
      deleted = true;
    }
    squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
    if (form.HistDates.Checked && !squadron.SquadronName.empty()) {
      // "Skill 0" to "Skill 3": a better squadron changes its aircraft less often.
      const int skill = StrToIntDef(Copy(squadron.SquadronSkill, 7, 1), 0);
      HistoricDate(form, i, 100 / (skill + 1));
    }
  }
  call.StopOnFatalError("HistoricDate");
  if (deleted) call("SquadCleanUp", SquadCleanUp);
}

bool OnlineScriptRun(const TMainForm& form) {
  const std::string first = form.ParamStr(1);
  return Contains(first, "netdogfight") || Contains(first, "netcoop") ||
         Contains(first, "netupdate");
}

void ShowGenerating(TMainForm& form) {
  form.CampaignEnded = "N";
  form.StatusBar.SimpleText = form.CampaignFolder;
  form.NewCampBox.Visible = false;
  form.DefaultNation.Visible = false;
  form.CampStartButton.Visible = false;
  form.ColumnNews.clear();
  form.ColumnNewsRu.clear();
}

void StartMissionText(TMainForm& form) {
  form.InfoLabel.Caption = "Mission Generating";
  form.DescLabel.Caption = "Please Wait...";
  form.FrontCenterCoord = -1;
  form.CampaignNews.clear();
  form.FrontNews.clear();
  form.CampaignNewsRu.clear();
  form.FrontNewsRu.clear();
  form.MissionFileText.clear();
  form.AxisPlayerRandomAltitude = form.Random(2000) + 2000;
  form.RandomTransitAltitude = form.Random(2500) + 1500;
}

void SetDefaultMissionPaths(TMainForm& form) {
  form.MissionPath = form.GameCampaignFolder + kMissionBaseName + ".mis";
  form.MissionPropertiesPath = form.GameCampaignFolder + kMissionBaseName + ".properties";
  const std::string folder = ExtractFilePath(form.MissionPath);
  if (!folder.empty() && !DirectoryExists(folder)) CreateDir(folder);
}

// Pass steps 3 to 34: the campaign is read again, moved on, planned, built and installed.
void RunPass(TMainForm& form, int pass, TracedCalls& call, PassGuard& guard) {
  call("CampaignInfo", CampaignInfo);
  call("DetermineCampFolder", DetermineCampFolder);
  call("GetActivePlanes", GetActivePlanes);
  call("LoadShipInfo", LoadShipInfo);
  call("SetSqFlights", SetSqFlights);
  call("SchwarmNumber", SchwarmNumber);
  if (form.NormandyBase.Checked && form.MapName == "Normandy") form.NormandyBaseOption = true;
  TakePlayerSide(form);
  CheckCampaignMode(form, call);
  CoverCareerFiles(form, guard);
  if (!FileExists(form.CampaignFolder + "squadrons.tavrek")) LogAndRaise(form, 11);

  StartMissionText(form);
  // The backup of the campaign as it was before this mission is part of the pass: a pass
  // undone leaves the backup of the mission before it.
  if (!form.BackupFolder.empty() && ForceDirectories(form.BackupFolder)) {
    guard.CoverFolder(form.BackupFolder);
  }
  call("LastBackup", LastBackup);
  call("TargetLocations", TargetLocations);
  call("ReadTerritory", ReadTerritory);
  call("SetTgtNation", SetTgtNation, 0);
  SetDefaultMissionPaths(form);
  call("StationaryList", StationaryList);
  call("LoadStationary", LoadStationary);
  call("ColumnList", ColumnList);
  call("ColumnLocation", ColumnLocation, "Yes");
  call("LoadPlaneInfo", LoadPlaneInfo);
  call("SquadronList", SquadronList, "ON");
  call("SquadronBase", SquadronBase);
  if (!form.Dogfight.Checked && !form.Coop.Checked) {
    // The player's squadron always flies, and the player flies it.
    form.SquadronTable[0].SquadronActive = "Active True ";
    form.SquadronTable[0].SquadronAI = "AI False";
  }
  call("SaveSquadrons", SaveSquadrons, 0);
  CheckSquadronList(form, call);
  ErrorLog(form, "Load Pilot Information.");
  call("LoadPilots", LoadPilots);
  call("SavePilot", SavePilot, 0, RosterFiles::kWritten);

  ErrorLog(form, "ErrorWarning before MasterLog Check = " + form.ErrorWarning);
  if ((form.SingleMapCampaign.Checked || !form.ErrorWarning.empty()) && !OnlineScriptRun(form)) {
    call("MasterLog", MasterLog);
  }
  call("SaveStationary", SaveStationary);
  call("TerritoryCapture", TerritoryCapture);
  call("DefineTerritory", DefineTerritory);
  call("StationaryCheck", StationaryCheck);
  call("SaveStationary", SaveStationary);
  call("ReplaceAircraft", ReplaceAircraft);
  call("SaveSquadrons", SaveSquadrons, 0);
  ErrorLog(form, "Get Squadron Information.");
  call("DowngradeAircraft", DowngradeAircraft);
  ErrorLog(form, "Advance time.");
  call("AdvanceCampaignDate", AdvanceCampaignDate);

  call("TimeTable", TimeTable);
  call("DetermineRetreat", DetermineRetreat);
  call("StationaryFront", StationaryFront);
  ErrorLog(form, "End Stationary Front Routine.");
  call("ColumnRoads", ColumnRoads);
  call("SquadronBase", SquadronBase);
  call("SaveSquadrons", SaveSquadrons, 0);
  if (form.ErrorWarning.empty() && !form.Dogfight.Checked) call("GenerateWays", GenerateWays);
  if (!form.ErrorWarning.empty()) form.SquadronTable[0].SquadronBriefing = form.ErrorWarning;
  call("GenerateMission", GenerateMission);
  call("InstallMission", InstallMission, pass, guard);
  call("UpdateColumnList", UpdateColumnList);
  call("SetTgtNation", SetTgtNation, 0);
  call("DefineTerritory", DefineTerritory);
  call("UpdateFront", UpdateFront);

  form.DescLabel.Caption = ConvertUnicode(form, form.MissionBriefText);
  form.InfoLabel.Caption = "Mission Generated  [" + form.CampaignDateText + "]";
  ErrorLog(form, form.InfoLabel.Caption);
}

}  // namespace

void MissionButtonClick(TMainForm& form) {
  DeleteFile(form.ProgramFolder + "tavrekerror.txt");
  if (form.CampaignFolder.empty()) LogAndRaise(form, 11);
  form.ErrorWarning.clear();
  form.ErrorText.clear();
  form.DayStep = (!form.CommandLineRun() && GeneratorReplacementOn(form)) ? 0 : 1;
  BetweenMissionCompiler(form);
}

void BetweenMissionCompiler(TMainForm& form) {
  form.BriefingNewsText.clear();
  int passes = PassCount(form.TimeSettingsBox.Text);
  const bool career_generator_without_arguments =
      form.AutoGeneration.Checked && form.DGENBoot.Checked && !form.CommandLineRun();
  if (career_generator_without_arguments || form.NewCampaignFlag == "Y") passes = 1;

  // A file the run reads again unchanged (the reload before the passes and every pass read the
  // same reference and campaign files) is read once, and a route file parsed once; both are
  // forgotten when the run ends.
  const FileReadScope read_once(form.FileReads);
  const RouteFileScope route_files(form.ParsedRouteFiles);
  // Each pass is all or nothing together with the work before it (the grand-campaign check,
  // before the first) and after it (the ground war, or the rebuilds after the last).
  for (int pass = passes; pass >= 1; --pass) {
    // Files the game or a user wrote before this pass are seen: nothing is known of the folders.
    const FolderCacheScope known_folders(form.Folders);
    RunGuarded(form, "Pass " + IntToStr(pass), [&form, pass, passes](PassGuard&) {
      if (pass == passes && form.ErrorWarning.empty()) {
        TracedCalls(form, "Before the passes")("GrandCampaign", GrandCampaign);
      }
      MissionCompiler(form, pass);
      if (pass != 1) {
        TracedCalls after(form, "After pass " + IntToStr(pass));
        after("ResolveGroundCombat", ResolveGroundCombat);
        after("BonusNPCMissions", BonusNPCMissions);
      } else {
        form.NewCampaignFlag = "N";
        TracedCalls after(form, "After the passes");
        after("TargetInitialization", TargetInitialization);
        after("DefineTerritory", DefineTerritory);
      }
    });
  }
}

void MissionCompiler(TMainForm& form, int pass) {
  const std::string unit = "Pass " + IntToStr(pass);
  ShowGenerating(form);
  TracedCalls(form, unit)("CampPathChk", CampPathChk);
  // The campaign folder of the run is known now: its files are kept from here.
  RunGuarded(form, unit, [&form, pass, &unit](PassGuard& guard) {
    TracedCalls call(form, unit);
    RunPass(form, pass, call, guard);
  });
}
