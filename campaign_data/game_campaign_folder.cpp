#include "campaign_data/game_campaign_folder.h"

#include <string>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "mission_results/rank_awards.h"
#include "platform/ascii.h"
#include "platform/file_system.h"

namespace {

// The tables the player's nation comes from, loaded as the campaign loading does.
void LoadCampaignTables(TMainForm& form) {
  ArmorList(form);
  LoadShipInfo(form);
  if (form.LastLocation < 0) LoadCampaignMap(form);
  LoadMissingCampaignTables(form, false);
  RankAwardSetup(form, 0);
}

}  // namespace

void DetermineCampFolder(TMainForm& form) {
  const std::string first_parameter = form.ParamStr(1);
  // The game names its career folders "DGen_..."; a folder name is no matter of case.
  if (form.DGENBoot.Checked && form.AutoGeneration.Checked &&
      Contains(AsciiLowerCase(form.CampaignFolder), "dgen_")) {
    form.GameCampaignFolder = form.CampaignFolder;
  }
  if (form.NGenBoot.Checked && form.Coop.Checked &&
      Contains(AsciiLowerCase(form.CampaignFolder), "ngen")) {
    form.GameCampaignFolder = form.CampaignFolder;
  }
  if (form.SquadronTable[0].SquadronNation.empty()) LoadCampaignTables(form);
  if (form.GameCampaignFolder.empty()) {
    form.GameCampaignFolder = form.GameFolder + "Missions\\Campaign\\" +
                              AsciiUpperCase(form.SquadronTable[0].SquadronNation) + "\\Tavrek\\";
  }
  if (form.Coop.Checked && (!form.NGenBoot.Checked || Contains(first_parameter, "netcoop"))) {
    form.GameCampaignFolder = form.GameFolder + "Missions\\Net\\Coop\\Tavrek\\";
  }
  if (form.Dogfight.Checked || Contains(first_parameter, "netdogfight")) {
    form.GameCampaignFolder = form.GameFolder + "Missions\\Net\\Dogfight\\Tavrek\\";
  }
  if (!DirectoryExists(form.GameCampaignFolder)) CreateDir(form.GameCampaignFolder);
  ErrorLog(form, "Campaign folder (" + form.GameCampaignFolder + ") selected.");
}
