#include "campaign_setup/career_files.h"

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/game_campaign_folder.h"
#include "campaign_data/messages.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_setup/campaign_creation.h"
#include "campaign_setup/career_file_texts.h"
#include "campaign_setup/services.h"
#include "campaign_setup/setup_errors.h"
#include "mission_results/pilot_roster_table.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kRosterSlotsUsed = 16;

CareerListForm ListForm(const TMainForm& form) {
  if (!form.AutoGeneration.Checked) return CareerListForm::kPlain;
  return form.DGENBoot.Checked ? CareerListForm::kGenerator : CareerListForm::kProgram;
}

// The aircraft type of a squadron's class line "Class air.<type>".
std::string AircraftType(const std::string& squadron_class) {
  return Trim(Copy(squadron_class, 11, static_cast<int>(squadron_class.size())));
}

// The squadron identifier as the game's career files give it: without its last character.
std::string CareerSquadronName(const std::string& name) {
  return name.empty() ? name : name.substr(0, name.size() - 1);
}

// The mission-time digit belongs to the dated names of the slow paces only.
std::string DatedKey(const TMainForm& form, const std::string& year, const std::string& month,
                     const std::string& day) {
  std::string key = year + month + day;
  if (Contains(form.TimeSettingsBox.Text, "Slow")) key += form.MissionTime;
  return key;
}

std::string CurrentDatedKey(const TMainForm& form) {
  return DatedKey(form, IntToStr(form.CampaignYear), ZeroPad(form.CampaignMonth, 2),
                  ZeroPad(form.CampaignDay, 2));
}

void EnsureGameCampaignFolder(TMainForm& form) {
  if (form.GameCampaignFolder.empty()) DetermineCampFolder(form);
  if (form.GameCampaignFolder.empty()) {
    LogAndStop(form, "The game-side campaign folder is not known.",
               "The game-side campaign folder is not known.");
  }
}

[[noreturn]] void UnknownNationality(TMainForm& form) {
  form.InfoLabel.Caption = "Unknown Nationality";
  form.DescLabel.Caption =
      "This nationality/service is not active in game.\r\nPlease select a different "
      "nationality/service.";
  std::string text = form.Messages.Text(MessageSection::kErrors, 15);
  if (text.empty()) text = "This nationality/service is not active in game.";
  LogAndStop(form, text, text);
}

void CreateMissingFolder(const std::string& folder) {
  if (!DirectoryExists(folder)) CreateDir(folder);
}

// A career file of the game, read whole and checked before anything is changed; a damaged one
// stops the operation and stays as it is.
std::string ReadCheckedCareerFile(TMainForm& form, const std::string& path,
                                  std::string (*fault_of)(std::string_view text)) {
  const std::string text = ReadFileBytes(path);
  const std::string fault = fault_of(text);
  if (!fault.empty()) {
    const std::string message =
        "The game's career file " + path + " is damaged (" + fault + "); it was left as it is.";
    LogAndStop(form, message, message);
  }
  return text;
}

std::string CareerOrCoopConfFault(std::string_view text) {
  return CareerConfFault(text, true);
}

std::string CareerConfOnlyFault(std::string_view text) {
  return CareerConfFault(text, false);
}

bool IsDigits(const std::string& text, size_t length) {
  if (text.size() != length) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The date boxes hold a campaign date: two-digit day and month, four-digit year.
void CheckDateBoxes(TMainForm& form) {
  const std::string& day = form.DayBox.Text;
  const std::string& month = form.MonthBox.Text;
  const std::string& year = form.YearBox.Text;
  const bool valid = IsDigits(day, 2) && IsDigits(month, 2) && IsDigits(year, 4) &&
                     StrToInt(day) >= 1 && StrToInt(day) <= 31 && StrToInt(month) >= 1 &&
                     StrToInt(month) <= 12;
  if (!valid) {
    const std::string message =
        "The date " + day + "/" + month + "/" + year + " is no campaign date; nothing was changed.";
    LogAndStop(form, message, message);
  }
}

std::string MissionStatusText(const TMainForm& form) {
  const SquadronEntry& player = form.SquadronTable[0];
  const std::string key = CurrentDatedKey(form);
  std::vector<std::string> lines{key,
                                 form.MapName,
                                 key + ".mis",
                                 AircraftType(player.SquadronClass),
                                 CareerSquadronName(player.SquadronName),
                                 "4 1",
                                 "0",
                                 "0",
                                 form.PlayerStatusLine};
  for (int s = 0; s <= form.LastSquadron; ++s) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    const std::string type = AircraftType(squadron.SquadronClass);
    for (int slot = 0; slot < kRosterSlotsUsed; ++slot) {
      const PilotNameParts name = SplitPilotName(form.PilotRoster[RosterIndex(s, slot)].RosterName);
      lines.push_back(squadron.SquadronArmy + " " + squadron.SquadronName + IntToStr(slot / 4) +
                      IntToStr(slot % 4) + " " + type + " " + name.last + "," + name.first);
    }
  }
  return JoinLinesCrLf(lines);
}

}  // namespace

void SetUpCampIni(TMainForm& form) {
  const std::string list_text =
      CampaignIniText(ListForm(form), form.SquadronTable[0].SquadronArmy, form.ProgramFolder);
  if (form.SquadronTable[0].SquadronNation.empty()) GetDefaultNation(form);
  // The identifier tells the nation whose career folder the game keeps.
  const std::string country = Country(form.SquadronTable[0].SquadronName);
  if (!country.empty()) form.SquadronTable[0].SquadronNation = country;
  const std::string nation = AsciiUpperCase(form.SquadronTable[0].SquadronNation);
  if (form.Coop.Checked || form.Dogfight.Checked) return;

  const std::string campaigns = form.GameFolder + "Missions\\Campaign\\";
  if (!form.AutoGeneration.Checked && !form.CommandLineRun()) {
    form.GameCampaignFolder = campaigns + nation + "\\Tavrek\\";
  }
  if (nation.empty() || form.GameFolder.empty() || !DirectoryExists(campaigns + nation)) {
    UnknownNationality(form);
  }
  CreateMissingFolder(campaigns + nation + "\\Tavrek");
  CreateMissingFolder(form.GameFolder + "Missions\\Single\\" + nation);
  CreateMissingFolder(form.GameFolder + "Missions\\Single\\" + nation + "\\Tavrek");
  EnsureGameCampaignFolder(form);

  const SquadronEntry& player = form.SquadronTable[0];
  CareerDescription description{form.BattleName, form.CampaignYear, player.SquadronFullName,
                                player.TypeDescription,
                                !(form.AutoGeneration.Checked && form.DGENBoot.Checked)};
  WriteTextFile(form.GameCampaignFolder + "campaign.ini", list_text);
  WriteTextFile(form.GameCampaignFolder + "info.properties", InfoPropertiesText(description));
  WriteTextFile(form.GameCampaignFolder + "info.mis", InfoMisText(form.MapName));
}

void UpdateCampaign(TMainForm& form) {
  if (form.GameCampaignFolder.empty()) DetermineCampFolder(form);
  if (form.GameCampaignFolder.empty()) return;
  // Everything is checked before the game's files change, so a refusal leaves them and the
  // campaign on the same date.
  if (form.FrontCenterName.size() < 3) {
    LogAndStop(form, "The Front has been lost.", "The Front has been lost.");
  }
  CheckDateBoxes(form);
  const std::string conf_path = form.GameCampaignFolder + "conf.dat";
  const std::string list_path = form.GameCampaignFolder + "campaign.ini";
  const bool has_conf = FileExists(conf_path);
  const bool has_list = FileExists(list_path);
  const std::string conf =
      has_conf ? ReadCheckedCareerFile(form, conf_path, CareerOrCoopConfFault) : std::string();
  const std::string list =
      has_list ? ReadCheckedCareerFile(form, list_path, CampaignIniFault) : std::string();

  const std::string old_name = CurrentDatedKey(form) + ".mis";
  const std::string new_name =
      DatedKey(form, form.YearBox.Text, form.MonthBox.Text, form.DayBox.Text) + ".mis";
  int changed = 0;
  if (has_conf) {
    const std::string text = RenameWholeLines(conf, "  " + old_name, "  " + new_name, changed);
    if (changed > 0) WriteTextFile(conf_path, text);
  }
  if (has_list) {
    const std::string text = RenameWholeLines(list, old_name, new_name, changed);
    if (changed > 0) WriteTextFile(list_path, text);
  }

  form.CampaignDateText = form.DayBox.Text + "/" + form.MonthBox.Text + "/" + form.YearBox.Text;
  BreakDownDate(form);
  CampaignDate(form);
  if (!form.CampaignFolder.empty()) form.StatusBar.SimpleText = form.CampaignFolder;
  UpDateCampaignInfo(form);
}

void UpdateConfDat(TMainForm& form) {
  const std::string path = form.GameCampaignFolder + "conf.dat";
  if (form.GameCampaignFolder.empty() || !FileExists(path)) return;
  if (!form.AutoGeneration.Checked || !form.DGENBoot.Checked) return;
  const std::string text = ReadCheckedCareerFile(form, path, CareerConfOnlyFault);
  // The lines the game keeps after the six stay as they are.
  WriteTextFile(path, ReplaceLine(text, 1, CareerSquadronName(form.SquadronTable[0].SquadronName)));
  ErrorLog(form, "Updated " + path + ".");
}

void MissionStatus(TMainForm& form) {
  EnsureGameCampaignFolder(form);
  WriteTextFile(form.GameCampaignFolder + "status.dat", MissionStatusText(form));
}
