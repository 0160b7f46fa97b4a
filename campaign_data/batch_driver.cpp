#include "campaign_data/batch_driver.h"

#include <array>
#include <string>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/career_creation.h"
#include "campaign_setup/coop_campaign.h"
#include "campaign_setup/coop_generator.h"
#include "mission_generation/pipeline.h"
#include "mission_results/debriefing.h"
#include "mission_results/dogfight_results.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

// The nations a career can be started for, as the game's career generator names them. "de"
// counts only as the first argument.
constexpr std::array<std::string_view, 19> kCareerNations{"de", "ru", "us", "um", "un", "gb", "rn",
                                                          "ra", "rz", "fr", "du", "pl", "fi", "ro",
                                                          "hu", "in", "ja", "sk", "it"};

bool IsCareerNationCode(const std::string& parameter, int position) {
  if (parameter == "de") return position == 1;
  for (std::string_view code : kCareerNations) {
    if (parameter == code) return true;
  }
  return false;
}

// The game names the career folder relative to its own folder, with forward slashes; up to
// six of them are turned round. A campaign-end start names a file in that folder.
void DebriefingStart(TMainForm& form, bool names_a_file) {
  std::string folder = form.GameFolder + form.ParamStr(2);
  for (int i = 0; i < 6; ++i) folder = ReplaceTextProcedure(folder, "/", "\\");
  if (names_a_file) folder = ExtractFilePath(folder);
  form.CampaignFolder = folder;
  form.GameCampaignFolder = folder;
  if (!DirectoryExists(folder)) CreateDir(folder);
  WriteIni(form);
  DebriefText(form);
  form.DayStep = 0;
  form.Close();
}

void CoopGeneratorStart(TMainForm& form) {
  const std::string first = AsciiLowerCase(form.ParamStr(1));
  if (Contains(first, "missions/net/ngen/tavrek") && !Contains(form.ParamStr(1), "ended")) {
    ErrorLog(form, "Processing NGen Campaign.");
    NGenCampaign(form);
    form.DayStep = 1;
  }
  if (Contains(first, "missions/net/ngen") && !Contains(first, "tavrek")) {
    ErrorLog(form, "Aborted! Processing a non-Tavrek NGen Campaign.");
    form.DayStep = 0;
  }
}

void DogfightServerStart(TMainForm& form) {
  if (form.GameIncludesAEP == "False") {
    if (!form.Dogfight.Checked) DogfightClickSender(form);
    DogfightLog(form);
    form.DayStep = 1;
  }
  if (form.GameIncludesAEP == "True") {
    if (!form.Dogfight.Checked) DogfightClickSender(form);
    DebriefText(form);
    form.DayStep = 1;
  }
}

void RestoreCoopGenerator(TMainForm& form) {
  if (form.NGenBoot.Checked) NGenToggle(form);
}

void OnlineCoopStart(TMainForm& form) {
  RestoreCoopGenerator(form);
  if (!form.Coop.Checked) CoopClickSender(form);
  ErrorLog(form, "Netcoop mission begins execution.");
  DebriefText(form);
  form.DayStep = 1;
}

void OnlineDogfightStart(TMainForm& form) {
  RestoreCoopGenerator(form);
  if (!form.Dogfight.Checked) DogfightClickSender(form);
  ErrorLog(form, "Netdogfight mission begins execution.");
  DebriefText(form);
  form.DayStep = 1;
}

void OnlineUpdateStart(TMainForm& form) {
  RestoreCoopGenerator(form);
  ErrorLog(form, "Netupdate begins execution.");
  DebriefText(form);
  form.DayStep = 2;
}

// The player's rank from argument `position`. Without a whole number there the run ends as
// failed and creates nothing.
bool TakePlayerRank(TMainForm& form, int position, const std::string& what) {
  const std::string text = form.ParamStr(position);
  try {
    form.PlayerRankIndex = StrToInt(text);
    return true;
  } catch (const ConversionError&) {
    form.DayStep = 2;
    ErrorTrap(form, "Career start without a valid rank: " + what + ", parameter " +
                        IntToStr(position) + " reads \"" + text + "\".");
    return false;
  }
}

bool CareerStart(TMainForm& form, int position) {
  const std::string code = form.ParamStr(position);
  if (!TakePlayerRank(form, position + 1, "nation \"" + code + "\"")) return false;
  if (!form.AutoGeneration.Checked) AutoGenerationClickSender(form);
  if (position != 1) {
    ErrorLog(form, "Career nation \"" + code + "\" is parameter " + IntToStr(position) +
                       "; the career is created for the nation of parameter 1 (\"" +
                       form.ParamStr(1) + "\").");
  }
  ChangeNation(form);
  return true;
}

// Each argument is tested for every kind of start; a later one overrides the verdict of an
// earlier one. Answers false when the run has to stop here.
bool SortArguments(TMainForm& form) {
  const int count = form.ParamCount();
  for (int i = 1; i <= count; ++i) {
    const std::string parameter = form.ParamStr(i);
    form.Debrief.Caption += parameter;
    if (Contains(parameter, "fbd")) DogfightServerStart(form);
    if (Contains(parameter, "netcoop")) OnlineCoopStart(form);
    if (Contains(parameter, "netdogfight")) OnlineDogfightStart(form);
    if (Contains(parameter, "netupdate")) OnlineUpdateStart(form);
    if (i == 8 && form.AutoGeneration.Checked &&
        !TakePlayerRank(form, 8, "career generator start")) {
      return false;
    }
    if (IsCareerNationCode(parameter, i) && !CareerStart(form, i)) return false;
  }
  return true;
}

void CarryOutVerdict(TMainForm& form) {
  if (form.DayStep == 1) {
    BetweenMissionCompiler(form);
    form.Close();
  } else if (form.DayStep == 2) {
    form.Close();
  } else if (!GeneratorReplacementOn(form) && !form.Application.Terminated()) {
    // Only a replaced game generator keeps a hidden run waiting for the timer.
    ErrorLog(form, "Nothing left to do; the program ends.");
    form.Close();
  }
}

}  // namespace

void ChkParams(TMainForm& form) {
  if (Contains(form.ParamStr(1), "debri")) DebriefingStart(form, false);
  if (Contains(form.ParamStr(1), "ended")) DebriefingStart(form, true);
  CoopGeneratorStart(form);
  if (!SortArguments(form)) return;
  ErrorLog(form, "Parameters processed.");
  CarryOutVerdict(form);
}
