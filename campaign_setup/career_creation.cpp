#include "campaign_setup/career_creation.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/campaign_creation.h"
#include "campaign_setup/career_files.h"
#include "campaign_setup/services.h"
#include "mission_results/pilot_roster.h"
#include "platform/ascii.h"
#include "platform/file_system.h"

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

namespace {

// The parameter with its first `count` "/" turned into "\".
std::string WithBackslashes(std::string text, int count) {
  for (char& c : text) {
    if (count == 0) break;
    if (c != '/') continue;
    c = '\\';
    --count;
  }
  return text;
}

std::string WithoutFirst(std::string text, std::string_view part) {
  const size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
  return text;
}

// The co-op generator names its campaign by the path of the campaign's conf.dat.
void TakeCoopPath(TMainForm& form, const std::string& parameter) {
  if (!Contains(AsciiLowerCase(parameter), "missions/net/ngen")) return;
  form.CampaignFolder = form.GameFolder + WithBackslashes(WithoutFirst(parameter, "conf.dat"), 5);
  form.Coop.SetChecked(true);
  form.AutoGeneration.SetChecked(false);
  ErrorLog(form, "NGen Campaign path selected as " + form.CampaignFolder + ".");
  WriteIni(form);
}

}  // namespace

void CampPathChk(TMainForm& form) {
  form.DefaultNation.Text = "Campaign Default";
  if (form.CampaignFolder.empty() || !FileExists(form.CampaignFolder + "squadrons.tavrek")) {
    form.CampaignFolder.clear();
  }
  TakeCoopPath(form, form.ParamStr(1));
  TakeCoopPath(form, form.ParamStr(2));
  // The game names its career folders "DGen_..."; the test keeps the letter case.
  const std::string career = form.ParamStr(2);
  if (Contains(career, "DGen_") && form.DGENBoot.Checked && form.AutoGeneration.Checked) {
    form.CampaignFolder = form.GameFolder + WithBackslashes(career, 11);
    ErrorLog(form, "DGen Campaign path selected as " + form.CampaignFolder + ".");
  }
  WriteIni(form);
  form.StatusBar.SimpleText = form.CampaignFolder;
}
