#include "campaign_setup/setup_events.h"

#include "app/main_form.h"
#include "campaign_setup/campaign_creation.h"
#include "campaign_setup/coop_generator.h"
#include "campaign_setup/keeping_events.h"
#include "campaign_setup/setup_wizard.h"

void WireCampaignSetup(TMainForm& form) {
  form.NewCampaign.OnClick = [&form] { NewCampaignClick(form); };
  form.GenerateCampaign.OnClick = [&form] { NewCampaignClick(form); };
  form.CampStartButton.OnClick = [&form] { CampStartButtonClick(form); };
  form.WizardMenu.OnClick = [&form] { WizardMenuClick(form); };
  WireCampaignKeeping(form);
  form.NGenBoot.OnClick = [&form] { NGenToggle(form); };
}
