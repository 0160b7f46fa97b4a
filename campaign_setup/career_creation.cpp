#include "campaign_setup/career_creation.h"

#include "app/main_form.h"
#include "campaign_setup/campaign_creation.h"
#include "campaign_setup/career_files.h"
#include "campaign_setup/services.h"
#include "mission_results/pilot_roster.h"

void ChangeNation(TMainForm& form) {
  form.DayStep = 2;
  const std::string kept_nation = form.DefaultNation.Text;
  if (const Service* service = ServiceByNationCode(form.ParamStr(1))) {
    CreateCampaign(form, std::string(service->folder_code));
  }
  if (!form.ErrorWarning.empty()) return;
  form.DayStep = 1;
  UpdateCampaign(form);
  CampPathChk(form);
  GetDefaultNation(form);
  LoadPilots(form);
  SavePilot(form, 0);
  form.DefaultNation.Text = kept_nation;
}

void CampPathChk(TMainForm& form) {
  (void)form;
}
