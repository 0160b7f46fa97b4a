#include "campaign_setup/panels.h"

#include <initializer_list>
#include <string>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

bool CampaignActive(const TMainForm& form) {
  return !form.CampaignFolder.empty() && FileExists(form.CampaignFolder + "squadrons.tavrek");
}

void Hide(TControl& control) {
  control.Visible = false;
  control.Enabled = false;
}

}  // namespace

void CleanUpPanels(TMainForm& form) {
  form.DescLabel.Caption.clear();
  for (TControl* control : std::initializer_list<TControl*>{
           &form.MissionPanel, &form.DensityPanel, &form.QEPanel, &form.GroundPanel,
           &form.ObjectPanel, &form.WayPanel, &form.PilotPanel, &form.AircraftPanel, &form.FBDPanel,
           &form.NewCampBox, &form.DefaultNation, &form.CampStartButton}) {
    Hide(*control);
  }
  Hide(form.VersionBox);
  form.TargetBox.Visible = false;
  const bool active = CampaignActive(form);
  for (TMenuItem* item :
       {&form.BackupCampaignOption, &form.RestoreCampaign, &form.RestoreFromLastMission}) {
    item->Enabled = active;
  }
  form.SetRadioBox.Enabled = form.RadioBox.Text == "Campaign Default";
}

void CleanUpCampChk(TMainForm& form) {
  if (CampaignActive(form)) return;
  form.CampaignFolder.clear();
  form.DescLabel.Caption = "Please create or select a campaign before continuing.";
  ErrorLog(form, "No campaign active.");
  throw ProgramError("No campaign active.\r\n");
}

void EditCloseClick(TMainForm& form) {
  CleanUpPanels(form);
  CleanUpCampChk(form);
}

void TroopBoxChange(TMainForm& form) {
  WriteIni(form);
}

void CMSaveButtonClick(TMainForm& form) {
  UpDateCampaignInfo(form);
  CleanUpPanels(form);
  CleanUpCampChk(form);
}

void SaveCustomButtonClick(TMainForm& form) {
  UpDateCampaignInfo(form);
}

void SetDensityClick(TMainForm& form) {
  CleanUpPanels(form);
  form.InfoLabel.Caption = "General Campaign Settings";
  form.DescLabel.Caption = "These settings are applied to all Tavrek campaigns.";
  form.DensityPanel.Enabled = true;
  form.DensityPanel.Visible = true;
  form.RUSupplyComboBox.Text = form.SupplyRate[1];
  form.DESupplyComboBox.Text = form.SupplyRate[2];
}

void DensityButtonClick(TMainForm& form) {
  SetDensityClick(form);
  form.DayStep = 0;
}

void WirePanels(TMainForm& form) {
  form.SetDensity.OnClick = [&form] { DensityButtonClick(form); };
  form.DensityButton.OnClick = [&form] { DensityButtonClick(form); };
  form.SaveCustomButton.OnClick = [&form] { SaveCustomButtonClick(form); };
  form.CMSaveButton.OnClick = [&form] { CMSaveButtonClick(form); };
}
