#include "mission_generation/mission_builder.h"

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/territory_capture.h"
#include "campaign_setup/career_files.h"
#include "campaign_setup/paints.h"
#include "mission_generation/born_places.h"
#include "mission_generation/briefing_news.h"
#include "mission_generation/flight_sections.h"
#include "mission_generation/ground_object_sections.h"
#include "mission_generation/mission_assembly.h"
#include "mission_generation/mission_build.h"
#include "mission_generation/mission_header.h"
#include "mission_generation/properties_texts.h"
#include "mission_generation/recon_list.h"
#include "mission_generation/takeoff_slots.h"
#include "mission_generation/target_section.h"
#include "mission_generation/waypoint_sections.h"
#include "mission_results/aces.h"
#include "mission_results/log_book.h"
#include "mission_results/pilot_events.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/rank_awards.h"
#include "platform/errors.h"
#include "platform/file_read_cache.h"
#include "platform/folder_cache.h"

namespace {

bool LaterEditionCareer(const TMainForm& form) {
  for (const char* edition : {"IL2FB", "PFm", "AEP", "PE2", "1946", "PF"}) {
    if (form.GameID == edition) return form.AutoGeneration.Checked;
  }
  return false;
}

// The whole metres of a coordinate text: the text before its decimal point.
std::string WholeMetresText(const std::string& number) {
  const size_t point = number.find('.');
  return point == std::string::npos ? number : number.substr(0, point);
}

void LoadAcesOfAllSquadrons(TMainForm& form) {
  form.Events.Caption.clear();
  for (int i = 0; i <= form.LastSquadron; ++i) LoadAces(form, i);
  ErrorLog(form, "Aces Loaded.");
  AcesPaints(form);
  ErrorLog(form, "Ace Paints Loaded.");
  WriteEventsLog(form, RosterFiles::kLeftToLaterSave);
  form.Events.Caption.clear();
}

void ReadFrontCentre(const TMainForm& form, MissionBuild& build) {
  const std::string& position = form.FrontCenterPosition;
  const size_t blank = position.find(' ');
  const std::string x =
      Trim(position.substr(0, blank == std::string::npos ? position.size() : blank + 1));
  const std::string y =
      blank == std::string::npos ? "" : Trim(Copy(position, static_cast<int>(blank) + 1, 40));
  build.front_centre_x = WholeMetresText(x);
  build.front_centre_y = WholeMetresText(y);
}

// The target the mission's texts name: the front centre on-line, else the player's target.
// A player's squadron without a target position looks at the front centre as well.
void SetTargetPosition(TMainForm& form, const MissionBuild& build) {
  const std::string front_centre = build.front_centre_x + " " + build.front_centre_y;
  if (form.Dogfight.Checked || form.Coop.Checked) {
    form.TargetPosition = front_centre;
    return;
  }
  try {
    GetCoordinates(form, 0);
  } catch (const ProgramError& error) {
    ErrorLog(form, "The player's squadron has no target position (" + std::string(error.what()) +
                       "); the mission's target is the front centre.");
    form.TargetPosition = front_centre;
  }
}

void WriteFlight(TMainForm& form, MissionBuild& build, SquadronRun& run) {
  SquadronEntry& squadron = form.SquadronTable[run.squadron];
  PrepareFlightLegs(form, build, run);
  WriteFlightSection(form, build, run);
  PlaceFlightAtBase(form, build, run);
  WriteWaypointSection(form, build, run);
  WriteCompanionFlights(form, build, run);
  squadron.SquadronTakeOffLeg = run.saved_takeoff;
  squadron.SquadronTargetLeg = run.saved_target;
}

void WriteSquadrons(TMainForm& form, MissionBuild& build) {
  build.wing_list = "[WING]\r\n";
  build.flights_text.clear();
  form.InfoLabel.Caption = "Start Mission Generation";
  for (int i = 0; i <= form.LastSquadron; ++i) {
    RankAwardSetup(form, i);
    SquadronRun run;
    run.squadron = i;
    run.saved_takeoff = form.SquadronTable[i].SquadronTakeOffLeg;
    if (form.SquadronTable[i].SquadronInMission != "Y") continue;
    ErrorLog(form, "Generate waypoints for " + form.SquadronTable[i].SquadronName + ".");
    if (!PrepareSquadronFlights(form, build, run)) continue;
    for (run.flight = 0; run.flight <= run.last_flight; ++run.flight) WriteFlight(form, build, run);
  }
  ReconList(form);
  UpdateFront(form);
  SavePilot(form, 1);
}

void WriteSectionsAfterFlights(TMainForm& form, MissionBuild& build) {
  WriteTargetSection(form, build);
  RemovePlannerBridgeNumbers(form);
  WriteStationarySection(form, build);
  if (form.Coop.Checked || form.Dogfight.Checked) build.target_text = "[Target]\r\n";
  WriteBridgeSection(form, build);

  ReadDebriefing(form);
  BuildObjectives(form);
  if (form.Coop.Checked) MarkCoopMission(form);
  if (form.Dogfight.Checked) {
    WriteDogfightSections(form, build);
    WriteDogfightProperties(form, build);
  }
  if (form.Coop.Checked) WriteCoopProperties(form, build);
  WriteBuildingsAndCameras(form, build);
}

void FinishMission(TMainForm& form, MissionBuild& build) {
  WritePlayerLines(form, build);
  AssembleMission(form, build);
  const bool online = form.Coop.Checked || form.Dogfight.Checked;
  if (!online) WriteOfflineProperties(form, build);
  AddPropertiesHeader(form);
  CleanUpBriefings(form);
  if (!form.Dogfight.Checked) LogBook(form);
  ErrorLog(form, "Logbook Compiled.");
  MoveSquadronsToNewBases(form);
}

}  // namespace

void GenerateMission(TMainForm& form) {
  // The airfields and payload files are consulted for every flight; read them once. The career
  // and reference files are looked for per squadron: what the folders hold is learnt once too.
  const FolderCacheScope known_folders(form.Folders);
  const FileReadScope read_once(form.FileReads);
  form.InfoLabel.Caption = "Building Mission and Property Files";
  ErrorLog(form, "Building Mission and Property Files");
  form.MissionBriefText = form.SquadronTable[0].SquadronBriefing;
  MissionBuild build;
  build.roster_block = form.Messages.Text(MessageSection::kTitles, 9) + ":\\n\\n";
  form.MissionFileText.clear();
  build.bases = ReadBaseDirectory(form);
  ResetBaseOccupancy(form, build);
  AdvanceWeather(form, build);
  ErrorLog(form, "Date Settings Loaded.");

  LoadAcesOfAllSquadrons(form);
  CampaignDate(form);
  ErrorLog(form, "Advance Date.");
  UpDateCampaignInfo(form);
  ReadFrontCentre(form, build);
  SetTargetPosition(form, build);
  if (form.NewCampaignFlag == "Y") UpdateConfDat(form);
  WriteMainSection(form, build);
  PilotSort(form, RosterFiles::kLeftToLaterSave);
  if (LaterEditionCareer(form)) MissionStatus(form);

  WriteSquadrons(form, build);
  WriteSectionsAfterFlights(form, build);
  FinishMission(form, build);
}
