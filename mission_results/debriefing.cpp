#include "mission_results/debriefing.h"

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_progression/territory.h"
#include "mission_results/event_log.h"
#include "mission_results/pilot_roster.h"
#include "platform/file_system.h"

void LoadCampaignForScoring(TMainForm& form) {
  CampaignInfo(form);
  MapList(form, form.MapName);
  TargetLocations(form);
  ReadTerritory(form);
  SetTgtNation(form, 0);
  DefineTerritory(form);
  StationaryList(form);
  if (form.LastColumn < 0) ColumnList(form);
  SquadronList(form, "ON");
  SquadronBase(form);
  SaveSquadrons(form, 0);
  LoadPilots(form);
  SavePilot(form, 0);
  LoadStationary(form);
}

void DebriefText(TMainForm& form) {
  ErrorLog(form, "Debrief Routine.");
  if (form.CampaignFolder.empty() || !FileExists(form.CampaignFolder + "squadrons.tavrek")) {
    ErrorLog(form, "No campaign in " + form.CampaignFolder + ": no mission is scored.");
    return;
  }
  LoadCampaignForScoring(form);
  SaveStationary(form);
  MasterLog(form);
}
