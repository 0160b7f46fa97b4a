#include "mission_generation/custom_mission.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/startup.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/territory.h"
#include "campaign_setup/panels.h"
#include "mission_results/pilot_roster.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// MissionRadio items.
enum Preference {
  kRandom = 0,
  kBridgeAttack = 1,
  kBridgeDefense = 2,
  kDefense = 3,
  kEscort = 4,
  kGroundAttack = 5,
  kIntercept = 6,
  kShippingStrike = 7,
  kTankBusting = 8,
  kTrainBusting = 9,
  kTruckBusting = 10,
  kSweepRecon = 11,
  kAirSuperiority = 12,
};

const char kNoColumnsFile[] = "No columns.tavrek file found.";

bool IsFighterSquadron(const SquadronEntry& squadron) {
  return squadron.SquadronRole == "1" || squadron.SquadronClass == "Class air.A6M2N";
}

bool OfferedAsDestination(const TMainForm& form, int preference, const LocationEntry& location) {
  const bool own = location.LocationArmy == form.SquadronTable[0].SquadronArmy;
  const bool bridge = Contains(location.LocationName, "Bridge");
  switch (preference) {
    case kRandom:
      return true;
    case kBridgeAttack:
      return bridge && !own;
    case kBridgeDefense:
      return bridge && own;
    case kDefense:
      return own;
    case kGroundAttack:
    case kSweepRecon:
      return !own;
    default:
      return false;
  }
}

// The items replace the box's; a text the new items no longer offer goes back to the first.
void ReplaceItems(TComboBox& box, std::vector<std::string> items) {
  box.Items = std::move(items);
  if (box.ItemIndex() < 0) box.SetItemIndex(0);
}

// A column line of columns.tavrek: "name type side @place $unit ~mark".
struct ColumnLine {
  std::string kind;
  std::string side;
  std::string place;
};

ColumnLine ParseColumnLine(const std::string& line) {
  ColumnLine column;
  const size_t at = line.find('@');
  column.kind = Trim(line.substr(0, at));
  if (at == std::string::npos) return column;
  if (at >= 2) column.side = line.substr(at - 2, 1);
  const std::string after = TrimLeft(line.substr(at + 1));
  column.place = after.substr(0, after.find(' '));
  return column;
}

// Reads columns.tavrek, refreshes the columns' kind, side and place, and tells which kinds of
// enemy column the campaign holds.
EnemyColumnKinds ReadEnemyColumnKinds(TMainForm& form) {
  const std::string path = form.CampaignFolder + "columns.tavrek";
  if (!FileExists(path)) {
    ErrorLog(form, kNoColumnsFile);
    throw ProgramError(std::string(kNoColumnsFile) + "\r\n");
  }
  EnemyColumnKinds kinds;
  const std::string& player_side = form.SquadronTable[0].SquadronArmy;
  int index = 0;
  for (const std::string& line : ReadTextLines(path)) {
    if (Contains(line, "[") || Trim(line).empty()) continue;
    const ColumnLine column = ParseColumnLine(line);
    if (ColumnTableType::Contains(index)) {
      ColumnEntry& entry = form.ColumnTable[index];
      entry.ColumnType = column.kind;
      entry.ColumnArmy = column.side;
      entry.ColumnPlace = column.place;
    }
    ++index;
    if (column.side == player_side) continue;
    kinds.ships = kinds.ships || Contains(column.kind, "Ship");
    kinds.armor = kinds.armor || Contains(column.kind, "Armor");
    kinds.trains = kinds.trains || Contains(column.kind, "Train");
    kinds.vehicles = kinds.vehicles || Contains(column.kind, "Vehicles");
  }
  return kinds;
}

void ReloadSquadronsAndPilots(TMainForm& form) {
  SquadronList(form, "OFF");
  SquadronBase(form);
  SaveSquadrons(form, 0);
  LoadPilots(form);
  SavePilot(form, 0);
}

// The campaign as the preference checks need it: the map when it is not loaded, the
// territory, the squadrons and the pilots.
void ReloadForPreferenceCheck(TMainForm& form) {
  ArmorList(form);
  if (form.LastLocation < 0) LoadCampaignMap(form);
  ReadTerritory(form);
  ReloadSquadronsAndPilots(form);
}

}  // namespace

void WireCustomMissionPanel(TMainForm& form) {
  form.MissionPanel.Visible = false;
  form.MissionPanel.Enabled = false;
  form.CustomMission.OnClick = [&form] { MSelectButtonClick(form); };
  form.MSelectButton.OnClick = [&form] { MSelectButtonClick(form); };
  form.MissionRadio.OnClick = [&form] { MissionRadioClick(form); };
}

void MSelectButtonClick(TMainForm& form) {
  CleanUpPanels(form);
  CleanUpCampChk(form);
  form.MissionPanel.Visible = true;
  form.MissionPanel.Enabled = true;
  form.MissionRadio.Visible = true;
  form.MissionRadio.Enabled = true;
  form.TargetBox.Visible = true;
  ManualTarget(form);
  CampaignInfo(form);
  MapList(form, form.MapName);
  form.InfoLabel.Caption = "Custom Mission Selection";
  form.DescLabel.Caption =
      "Tavrek will try to generate a mission within the specified parameters,\r\n"
      "it won't always find a match given the campaign situation.";
}

void MissionRadioClick(TMainForm& form) {
  if (form.CommandLineRun()) return;
  form.InfoLabel.Caption = "Custom Mission Selection";
  ReloadForPreferenceCheck(form);
  const EnemyColumnKinds enemy_columns = ReadEnemyColumnKinds(form);
  const std::string refusal =
      RefusedPreferenceMessage(form, form.MissionRadio.ItemIndex, enemy_columns);
  if (!refusal.empty()) {
    form.MissionRadio.ItemIndex = kRandom;
    MissionRadioClick(form);
    throw ProgramError(refusal);
  }
  ManualTarget(form);
}

void ManualTarget(TMainForm& form) {
  form.DayStep = 0;
  ArmorList(form);
  TargetLocations(form);
  StationaryList(form);
  LoadStationary(form);
  if (form.LastColumn < 0) ColumnList(form);
  ReloadSquadronsAndPilots(form);
  CreateLinkBox(form);
  ReplaceItems(form.SelectTarget, CustomMissionDestinations(form, form.MissionRadio.ItemIndex));
}

void CreateLinkBox(TMainForm& form) {
  std::vector<std::string> enemies{"Unknown"};
  const std::string& player_side = form.SquadronTable[0].SquadronArmy;
  for (int s = 1; s <= form.LastSquadron; ++s) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    if (squadron.SquadronArmy != player_side && squadron.SquadronFlyable == "1" &&
        squadron.SquadronRole == "1") {
      enemies.push_back(squadron.SquadronName);
    }
  }
  ReplaceItems(form.LinkBox, std::move(enemies));
}

std::string RefusedPreferenceMessage(const TMainForm& form, int preference,
                                     const EnemyColumnKinds& enemy_columns) {
  const bool fighters = IsFighterSquadron(form.SquadronTable[0]);
  if (preference == kShippingStrike && !enemy_columns.ships) {
    return "There is no enemy shipping in this campaign.";
  }
  if (preference == kTankBusting && !enemy_columns.armor) {
    return "There are no enemy armor columns in this campaign.";
  }
  if (preference == kTrainBusting && !enemy_columns.trains) {
    return "There are no enemy trains in this campaign.";
  }
  if (preference == kTruckBusting && !enemy_columns.vehicles) {
    return "There are no enemy truck columns in this campaign.";
  }
  if (preference == kIntercept && !fighters) return "Only fighter squadrons may intercept.";
  if (preference == kEscort && !fighters) return "Only fighter squadrons may escort.";
  if (preference == kAirSuperiority && !fighters) {
    return "Only fighter squadrons may fly air superiority missions.";
  }
  return std::string();
}

std::vector<std::string> CustomMissionDestinations(const TMainForm& form, int preference) {
  std::vector<std::string> destinations{"Random"};
  for (int l = 0; l <= form.LastLocation; ++l) {
    const LocationEntry& location = std::as_const(form.LocationTable)[l];
    if (OfferedAsDestination(form, preference, location)) {
      destinations.push_back(location.LocationName);
    }
  }
  return destinations;
}
