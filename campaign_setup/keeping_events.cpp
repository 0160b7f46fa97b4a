#include "campaign_setup/keeping_events.h"

#include "app/main_form.h"
#include "campaign_setup/backups.h"
#include "campaign_setup/campaign_export.h"
#include "campaign_setup/nose_art.h"

void WireCampaignKeeping(TMainForm& form) {
  form.BackupCampaignOption.OnClick = [&form] { BackupCampaignOptionClick(form); };
  form.RestoreCampaign.OnClick = [&form] { RestoreCampaignClick(form); };
  form.RestoreFromLastMission.OnClick = [&form] { RestoreFromLastMissionClick(form); };
  form.ExportCampaign.OnClick = [&form] { ExportCampaignClick(form); };
  form.ImportCampaign.OnClick = [&form] { ImportCampaignClick(form); };
  form.SetImport.Title = "Select Campaign to Import to Tavrek";
  form.SetImport.Filter = "Campaign File|tavrekimport.dat";
  form.SetImport.DefaultExt = "tavrekimport.dat";
  form.SetImport.OnCanClose = [&form](bool& can_close) { SetImportCanClose(form, can_close); };

  form.RandomNoseArt.OnClick = [&form] { RandomNoseArtClick(form); };
}
