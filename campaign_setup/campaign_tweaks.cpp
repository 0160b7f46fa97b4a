#include "campaign_setup/campaign_tweaks.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/aircraft_changes.h"
#include "campaign_progression/armour_changes.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/territory_capture.h"
#include "campaign_setup/career_files.h"
#include "campaign_setup/nose_art.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

bool IsBattleHeader(std::string line, const std::string& battle) {
  if (const size_t close = line.find(']'); close != std::string::npos) line.erase(close, 1);
  if (const size_t open = line.find('['); open != std::string::npos) line.erase(open, 1);
  return Trim(line) == battle;
}

std::string ValueAfter(const std::string& line, std::string_view key) {
  const size_t at = line.find(key);
  return Trim(std::string_view(line).substr(at + key.size()));
}

// "<object> <n>%": the object text up to its first blank and the percentage, 100 when the
// percentage is no whole number.
std::pair<std::string, int> ObjectAndPercentage(const std::string& value) {
  const std::string object = Trim(value.substr(0, value.find(' ')));
  std::string rest = value;
  if (const size_t at = rest.find(object); at != std::string::npos) rest.erase(at, object.size());
  if (const size_t percent = rest.find('%'); percent != std::string::npos) rest.erase(percent, 1);
  return {object, StrToIntDef(Trim(rest), 100)};
}

}  // namespace

CampaignEndRules ReadEndRules(const std::vector<std::string>& lines, const std::string& battle,
                              const std::string& campaign_type) {
  CampaignEndRules rules;
  size_t at = 0;
  const auto current = [&lines, &at]() -> const std::string& { return lines[at]; };
  const auto advance = [&lines, &at] { return ++at < lines.size(); };
  while (at < lines.size()) {
    if (!Contains(current(), "[") || !IsBattleHeader(current(), battle)) {
      ++at;
      continue;
    }
    if (!advance()) break;
    if (Trim(current()) != "Campaign=" + campaign_type) continue;
    if (!advance()) break;
    if (Contains(current(), "EndDate=")) {
      rules.end_date = ValueAfter(current(), "EndDate=");
      if (!advance()) break;
      if (Contains(current(), "Victor=")) rules.end_date_victor = ValueAfter(current(), "Victor=");
    }
    const auto side_rule = [&](std::string_view key, std::string& red, std::string& blue,
                               int* red_count, int* blue_count) {
      if (!Contains(current(), key)) return;
      const std::string value = ValueAfter(current(), key);
      if (!advance()) return;
      const std::string side = Trim(current());
      const auto [object, count] =
          red_count != nullptr ? ObjectAndPercentage(value) : std::pair{value, 100};
      if (side == "Victor=Red") {
        red = object;
        if (red_count != nullptr) *red_count = count;
      } else if (side == "Victor=Blue") {
        blue = object;
        if (blue_count != nullptr) *blue_count = count;
      }
    };
    side_rule("EndLocation=", rules.de_trigger, rules.ru_trigger, nullptr, nullptr);
    if (at >= lines.size()) break;
    side_rule("Destroy=", rules.de_destroy_trigger, rules.ru_destroy_trigger,
              &rules.de_destroy_count, &rules.ru_destroy_count);
    if (at >= lines.size()) break;
    side_rule("Sunk=", rules.de_sunk_trigger, rules.ru_sunk_trigger, &rules.de_sunk_count,
              &rules.ru_sunk_count);
    if (at >= lines.size()) break;
  }
  return rules;
}

namespace {

void TakeEndRules(TMainForm& form) {
  std::string path = form.CampaignDataFolder + "endcampaign.tavrek";
  if (form.CampaignDataFolder.empty() || !FileExists(path)) {
    path = form.ProgramFolder + "data\\endcampaign.tavrek";
  }
  std::vector<std::string> lines;
  if (FileExists(path)) lines = ReadTextLines(path);
  const CampaignEndRules rules = ReadEndRules(lines, form.BattleName, form.CampaignType);
  form.EndDate = rules.end_date;
  if (!rules.end_date_victor.empty()) form.EndDateVictor = rules.end_date_victor;
  form.DeTrigger = rules.de_trigger;
  form.RuTrigger = rules.ru_trigger;
  form.DeDestroyTrigger = rules.de_destroy_trigger;
  form.RuDestroyTrigger = rules.ru_destroy_trigger;
  form.DeSunkTrigger = rules.de_sunk_trigger;
  form.RuSunkTrigger = rules.ru_sunk_trigger;
  form.DeDestroyCount = rules.de_destroy_count;
  form.RuDestroyCount = rules.ru_destroy_count;
  form.DeSunkCount = rules.de_sunk_count;
  form.RuSunkCount = rules.ru_sunk_count;
}

}  // namespace

void CampaignTweaks(TMainForm& form) {
  SetTgtNation(form, 0);
  DefineTerritory(form);
  StationaryList(form);
  ColumnList(form);
  ColumnLocation(form, "No");
  LoadStationary(form);
  LoadShipInfo(form);

  form.MissionRadio.ItemIndex = 0;
  UpDateCampaignInfo(form);
  CampaignInfo(form);
  MapList(form, form.MapName);
  FrontObjects(form);

  TakeEndRules(form);
  UpdateCampaign(form);
  UpdateFront(form);
  ReadTerritory(form);
  ResetObjects(form);
  StartArmor(form);

  SquadronList(form, "OFF");
  SquadronBase(form);
  for (int i = 0; i <= form.LastSquadron; ++i) {
    SquadronEntry& squadron = form.SquadronTable[i];
    if (squadron.SquadronFlyable == "0") squadron.SquadronAI = "AI True";
  }
  SaveSquadrons(form, 0);
  form.SquadronTable[0].PlanesExtra = 0;
  FlightSizeCheck(form, 0);
  if (form.LinkMax.Checked) CalculateLinkedMax(form);
  PlaneDownGrade(form);
  LoadStationary(form);
  if (form.RandomNoseArt.Checked) NoseArtRandomizer(form);
}
