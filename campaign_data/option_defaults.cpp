#include "campaign_data/option_defaults.h"

#include "app/main_form.h"

namespace {

void SetBoxDefaults(TMainForm& form) {
  form.FlightBox.Text = "Two";
  form.DeSchwarm.Text = "Default";
  form.RuSchwarm.Text = "Default";
  form.BASchwarm.Text = "Default";
  form.SquadronDensity.Text = "Moderate";
  form.ColumnDensity.Text = "Full";
  form.SObjectD.Text = "Full";
  form.GenSkillBox.Text = "Squadron Defaults";
  form.ActionRadius.Text = "250 Kilometers";
  form.ActionRadiusKm = 250;
  form.GAltitudeBox.Text = "Default";
  form.RAltitudeBox.Text = "Default";
  form.FBDActiveBox.Text = "No";
  form.DefaultNation.Text = "Campaign Default";
  form.TgtEgressAltBox.Text = "Transit Altitude";
  form.TgtAltBox.Text = "Transit Altitude";
  form.TgtIngressAltBox.Text = "Transit Altitude";
  form.IPAltBox.Text = "Transit Altitude";
  form.TgtIngressOffsetBox.Text = "Default";
  form.IPOffsetBox.Text = "Default";
  form.TakeOffStepAltBox.Text = "Default";
  form.TOCircle.Text = "Only Escorts & Escorted";
  form.IECoordinates.Text = "Only Level Bombers Use";
  form.DDRoFBox.Text = "10.0";
  form.RoFBox.Text = "10.0";
  form.BridgeRepairTimeBox.Text = "1 Mission";
  form.SCUseBox.Text = "No";
  form.SCPlaneLimitBox.Text = "No";
  form.SCTimeLimitBox.Text = "No Time Limit";
}

void SetMenuDefaults(TMainForm& form) {
  for (TMenuItem* item :
       {&form.FrontMovement, &form.DSTimes, &form.Briefing, &form.HistDates, &form.Tracking,
        &form.TankDG, &form.PalmTrees, &form.TrackPlayerRanks, &form.ActiveFront}) {
    item->Checked = true;
  }
  for (TMenuItem* item :
       {&form.MassedBombers, &form.CopyMission, &form.Dogfight, &form.Coop, &form.AutoGeneration,
        &form.Primary, &form.Paras, &form.Scoring, &form.NoTransfers, &form.DGENBoot,
        &form.NormandyBase, &form.Death, &form.NGenBoot, &form.SingleMapCampaign,
        &form.AircraftDowngrades, &form.LinkMax, &form.ShipSunk, &form.ThirdPartyPathMenu,
        &form.SquadronManagement}) {
    item->Checked = false;
  }
  form.EnglishSupport.SetChecked(true);
}

void SetValueDefaults(TMainForm& form) {
  form.LogFileDate.clear();
  form.FBDaemonFolder.clear();
  form.Language = "English";
  form.GameIncludesAEP = "False";
  form.GameID.clear();
  form.ServerActive = "False";
  form.SupplyRate[1] = "1/Squadron/Day";
  form.SupplyRate[2] = "1/Squadron/Day";
  form.NewCampaignFlag = "N";
  form.BugOutRadius = 10;
}

}  // namespace

void SetOptionDefaults(TMainForm& form) {
  SetBoxDefaults(form);
  SetMenuDefaults(form);
  SetValueDefaults(form);
}
