#include "campaign_setup/option_toggles.h"

#include <initializer_list>
#include <string>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/nose_art.h"
#include "campaign_setup/panels.h"
#include "platform/errors.h"

namespace {

void Toggle(TMenuItem& item) {
  item.SetChecked(!item.Checked);
}

void ToggleAndSave(TMainForm& form, TMenuItem& item) {
  Toggle(item);
  WriteIni(form);
}

// The menu ticks these itself before their handler runs; the handler only saves.
void WireSelfTicking(TMainForm& form) {
  for (TMenuItem* item : {&form.Primary, &form.ShipSunk, &form.ActiveFront,
                          &form.SquadronManagement, &form.FixedStartDates}) {
    item->OnClick = [&form] { WriteIni(form); };
  }
  form.RandomNoseArt.OnClick = [&form] { RandomNoseArtClick(form); };
}

void WirePlainToggles(TMainForm& form) {
  for (TMenuItem* item :
       {&form.AirStarts, &form.DSTimes, &form.FrontMovement, &form.HistDates, &form.PalmTrees,
        &form.NoTransfers, &form.Briefing, &form.Paras, &form.SingleMapCampaign, &form.Death,
        &form.TankDG, &form.Tracking, &form.CopyMission}) {
    item->OnClick = [&form, item] { ToggleAndSave(form, *item); };
  }
  form.AircraftDowngrades.OnClick = [&form] { AircraftDowngradesClick(form); };
  form.LinkMax.OnClick = [&form] { LinkMaxClick(form); };
  form.MassedBombers.OnClick = [&form] { MassedBombersClick(form); };
  form.NormandyBase.OnClick = [&form] { NormandyBaseClick(form); };
  form.Scoring.OnClick = [&form] { ScoringClick(form); };
}

void WireSavingBoxes(TMainForm& form) {
  for (TComboBox* box :
       {&form.GenSkillBox, &form.RoFBox, &form.RuShipSkillBox, &form.DeShipSkillBox, &form.DDRoFBox,
        &form.BridgeRepairTimeBox, &form.TimeSettingsBox, &form.BalanceBox,
        &form.StaticPlaneCountBox, &form.VoteLevelBox}) {
    box->OnChange = [&form] { WriteIni(form); };
  }
  form.BornPlaceTrackBar.OnChange = [&form] { WriteIni(form); };
  form.ServerInfo.OnChange = [&form] { WriteIni(form); };
  form.RUSupplyComboBox.OnChange = [&form] { SupplyComboBoxChange(form); };
  form.DESupplyComboBox.OnChange = [&form] { SupplyComboBoxChange(form); };
  form.ActionRadius.OnChange = [&form] { ActionRadiusChange(form); };
}

}  // namespace

void WireOptionToggles(TMainForm& form) {
  WireSelfTicking(form);
  WirePlainToggles(form);
  WireSavingBoxes(form);
}

void AircraftDowngradesClick(TMainForm& form) {
  CleanUpPanels(form);
  ToggleAndSave(form, form.AircraftDowngrades);
}

void LinkMaxClick(TMainForm& form) {
  Toggle(form.LinkMax);
  CalculateLinkedMax(form);
  WriteIni(form);
}

void MassedBombersClick(TMainForm& form) {
  ToggleAndSave(form, form.MassedBombers);
  if (form.LinkMax.Checked) CalculateLinkedMax(form);
}

void NormandyBaseClick(TMainForm& form) {
  Toggle(form.NormandyBase);
  if (!form.NormandyBase.Checked) {
    form.NormandyBaseOption = false;
  } else if (form.MapName == "Normandy") {
    form.NormandyBaseOption = true;
  }
  WriteIni(form);
}

void ScoringClick(TMainForm& form) {
  if (!form.Scoring.Checked) {
    form.Scoring.SetChecked(true);
    form.AutoGeneration.SetChecked(false);
    ModeDescription(form);
  } else {
    form.Scoring.SetChecked(false);
  }
  WriteIni(form);
}

void SupplyComboBoxChange(TMainForm& form) {
  form.SupplyRate[1] = Trim(form.RUSupplyComboBox.Text);
  form.SupplyRate[2] = Trim(form.DESupplyComboBox.Text);
  WriteIni(form);
}

void ActionRadiusChange(TMainForm& form) {
  const std::string text = Trim(form.ActionRadius.Text);
  const int blank = Pos(" ", text);
  const int kilometres = StrToIntDef(blank > 0 ? Copy(text, 1, blank - 1) : text, -1);
  if (kilometres <= 0) {
    form.ActionRadius.Text = IntToStr(form.ActionRadiusKm) + " Kilometers";
    ErrorLog(form, "\"" + Excerpt(text) + "\" is no action radius; it stays " +
                       form.ActionRadius.Text + ".");
    throw ProgramError("\"" + Excerpt(text) + "\" is no action radius in kilometres.");
  }
  form.ActionRadiusKm = kilometres;
  WriteIni(form);
  // The radius must reach the front from the player's base; the check widens it when not.
  if (form.LastSquadron >= 0) Distance(form, form.FrontCenterPosition, 0, 0);
}
