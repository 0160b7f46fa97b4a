#include "campaign_setup/player_defined_files.h"

#include <optional>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_setup/campaign_list.h"
#include "campaign_setup/panels.h"
#include "campaign_setup/services.h"
#include "campaign_setup/setup_errors.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

struct BattleValues {
  std::string type;
  std::string map;
  std::string date;
};

// The values of the battle's section: the last header "[battle]" (letter case aside) wins.
std::optional<BattleValues> ReadBattleValues(const std::vector<std::string>& lines,
                                             const std::string& battle) {
  const std::string header = "[" + AsciiLowerCase(battle) + "]";
  const auto value = [&lines](size_t i) {
    return i < lines.size() ? ValueAfterEquals(lines[i]) : std::string();
  };
  std::optional<BattleValues> found;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!Contains(AsciiLowerCase(Trim(lines[i])), header)) continue;
    found = BattleValues{value(i + 1), value(i + 2), value(i + 3)};
    i += 3;
  }
  return found;
}

bool FitsService(const AircraftClassEntry& type, const std::string& nation, int year) {
  const std::string& country = type.ClassCountry;
  const std::string& name = type.ClassName;
  if (country == nation) return true;
  if (nation == "rn") return country == "gb" && year < 1943;
  if (nation == "um") return country == "un";
  if (nation == "rz" || nation == "ra") return country == "gb";
  if (nation == "ro") return Contains(name, "HE_111");
  if (nation == "fr") return Contains(name, "YAK") || name == "HurricaneMkIa";
  if (nation == "hu") return Contains(name, "BF_109F") || name == "CR_42";
  if (nation == "sk") return ContainsAny(name, {"BF_109G6", "BF_109G2", "BF_109E"});
  if (nation == "du") return name == "F2A_B339";
  return false;
}

}  // namespace

bool PlayerDefinedEligible(const AircraftClassEntry& type, const std::string& nation, int year,
                           int month) {
  const int key = year * 100 + month;
  return type.ClassFlyable == "1" && StrToIntDef(type.ClassServiceStart, 999999) <= key &&
         key <= StrToIntDef(type.ClassServiceEnd, 0) && FitsService(type, nation, year);
}

void WritePlayerDefinedFiles(TMainForm& form) {
  const std::string battle = Trim(form.NewCampBox.Text);
  const std::string nation = form.SquadronTable[0].SquadronNation;
  std::string data_folder;
  const std::string list = CampaignListPath(form, &data_folder);
  if (list.empty()) {
    LogAndStop(form, "No allcampaigns.tavrek found.", "No allcampaigns.tavrek found.");
  }
  const std::optional<BattleValues> values = ReadBattleValues(ReadTextLines(list), battle);
  if (!values) {
    const std::string text = "The campaign list has no battle " + battle + ".";
    LogAndStop(form, text, text);
  }
  const std::string dgen = form.GameFolder + "DGen\\";
  if (form.GameFolder.empty() || !DirectoryExists(dgen)) {
    const std::string text = "The game folder " + form.GameFolder +
                             " has no DGen folder for the Player Defined campaign files.";
    LogAndStop(form, text, text);
  }
  std::string squadron_list = form.ProgramFolder + "data\\squadids.tavrek";
  if (FileExists(data_folder + "squadids.tavrek")) squadron_list = data_folder + "squadids.tavrek";
  if (!FileExists(squadron_list)) {
    LogAndStop(form, "No squadids.tavrek found.", "No squadids.tavrek found.");
  }

  form.CampaignDataFolder = data_folder;
  LoadPlaneInfo(form);
  form.BattleName = battle;
  form.CampaignType = values->type;
  form.MapName = values->map;
  form.CampaignDateText = values->date;
  BreakDownDate(form);
  CampaignDate(form);

  std::vector<std::string> planes{"[" + battle + "]"};
  const AircraftClassTableType& classes = form.AircraftClassTable;
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    if (PlayerDefinedEligible(classes[i], nation, form.CampaignYear, form.CampaignMonth)) {
      planes.push_back(classes[i].ClassName);
    }
  }
  if (planes.size() == 1) {
    const std::string text =
        "No appropriate plane found for the combination of nation and campaign.";
    LogAndStop(form, text, text);
  }
  std::vector<std::string> squadrons;
  for (const std::string& line : ReadTextLines(squadron_list)) {
    std::string id = Trim(line);
    if (const size_t blank = id.find(' '); blank != std::string::npos)
      id = Trim(id.substr(0, blank));
    if (!id.empty() && Country(id) == nation) squadrons.push_back(id);
  }

  // Everything is known and checked: the three files are written together.
  WriteTextFile(dgen + "campaigns" + nation + "&.dat",
                JoinLinesCrLf({"* Player Defined Tavrek Campaign (" + battle + ")", "Tavrek v3.35",
                               battle + " " + battle}));
  WriteTextFile(dgen + "planes" + nation + "&.dat", JoinLinesCrLf(planes));
  WriteTextFile(dgen + "squadrons" + nation + "&.dat", JoinLinesCrLf(squadrons));
  ErrorLog(form, "Player Defined campaign files written for " + battle + " (" + nation + ").");

  CleanUpPanels(form);
  if (!form.CommandLineRun()) {
    form.Controls.DialogService().MessageBox("Player Defined Full Campaign Data Files Created", "",
                                             MessageButtons::kOk);
  }
  form.InfoLabel.Caption = battle + " Campaign";
  form.DescLabel.Caption =
      "Close Tavrek and select the appropriate 'Player Defined' campaign in career mode screen to "
      "continue. After the first mission has been generated, you can modify any of the campaign "
      "settings using the Tavrek interface. Click the Tavrek mission generation button after all "
      "changes have been made.";
}
