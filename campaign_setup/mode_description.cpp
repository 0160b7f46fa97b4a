// The mode description at the top of the window (declared with the panels).

#include "app/main_form.h"
#include "campaign_setup/panels.h"
#include "platform/file_system.h"

namespace {

constexpr int kNewCampaignImage = 9;
constexpr int kPlayerDefinedCampaignImage = 11;

std::string ModeText(TMainForm& form) {
  std::string text = "Mode: Manual Pilot Career and/or Single Mission Generation.";
  form.NewCampaign.ImageIndex = kNewCampaignImage;
  form.NewCampaign.Hint = "Start New Campaign";
  if (form.Dogfight.Checked) text = "Mode: On-Line Dogfight Mode.";
  if (form.Coop.Checked) text = "Mode: On-Line Coop Mode.";
  if (form.AutoGeneration.Checked) {
    text = "Mode: Automated Mission Generation for a single player Pilot Career.";
    form.AutoGeneration.Caption = "Off-Line Career (Auto-Generation)";
  }
  if (form.AutoGeneration.Checked && form.DGENBoot.Checked && !form.Coop.Checked &&
      !form.Dogfight.Checked) {
    text =
        "Mode: Full Automated Mission Generation for a single player Pilot Career (DGen "
        "Replaced).";
    form.NewCampaign.ImageIndex = kPlayerDefinedCampaignImage;
    form.NewCampaign.Hint = "Create Player Defined Full Campaign";
    form.AutoGeneration.Caption = "Off-Line Career (Full Auto-Generation)";
  }
  return text + "\r\nFor documentation, select \"On-line Help\" under \"About\".";
}

bool NoActiveCampaign(const TMainForm& form) {
  const bool campaign_file =
      !form.CampaignFolder.empty() && FileExists(form.CampaignFolder + "campaign.tavrek");
  return !campaign_file && !form.Coop.Checked && !form.NGenBoot.Checked;
}

}  // namespace

void ModeDescription(TMainForm& form) {
  std::string text = ModeText(form);
  if (NoActiveCampaign(form)) {
    text = "Warning: No active campaign.\r\nPlease create or select a campaign.";
  }
  if (!form.ErrorWarning.empty()) text = form.ErrorWarning;
  form.DescLabel.Caption = text;
}
