#include "campaign_progression/campaign_end.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/geometry.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/armour_changes.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/campaign_transfer.h"
#include "campaign_progression/final_mission.h"
#include "campaign_progression/territory.h"
#include "mission_generation/pass_guard.h"
#include "mission_results/event_log.h"
#include "mission_results/pilot_roster.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kNewsVitalTargetsLine = 24;

// 0 no airfield or airstrip, 1 only airstrips or airfields off the map, 2 an airfield on it.
struct BaseStates {
  int allied = 0;
  int axis = 0;
};

bool OnlineScriptRun(const TMainForm& form) {
  const std::string first = form.ParamStr(1);
  return Contains(first, "netdogfight") || Contains(first, "netcoop") ||
         Contains(first, "netupdate");
}

bool IsSunk(const std::string& unit_name) {
  return AsciiLowerCase(unit_name) == "sunk";
}

// A trigger text that marks nothing.
bool Unused(const std::string& trigger) {
  return Trim(trigger).empty() || trigger == "None";
}

// Decides the battle at most once per run: the first transfer or end wins.
class BattleDecision {
 public:
  explicit BattleDecision(TMainForm& form) : form_(form) {}
  bool Made() const { return made_ || !form_.ErrorWarning.empty(); }
  void Transfer(const std::string& victor, const std::string& reason) {
    if (Made()) return;
    made_ = true;
    CampaignTransfer(form_, victor, reason);
  }
  void End(const std::string& message) {
    if (Made()) return;
    made_ = true;
    CampaignEnd(form_, message);
    ErrorTrap(form_, message);
  }

 private:
  TMainForm& form_;
  bool made_ = false;
};

void ReloadCampaign(TMainForm& form) {
  CampaignInfo(form);
  MapList(form, form.MapName);
  TargetLocations(form);
  StationaryList(form);
  if (form.LastColumn < 0) ColumnList(form);
  SquadronList(form, "OFF");
  SquadronBase(form);
  SaveSquadrons(form, 0);
  LoadPilots(form);
  SavePilot(form, 0);
  LoadStationary(form);
}

void RaiseBaseState(int& state, const LocationEntry& place, TMainForm& form) {
  const std::string& name = place.LocationName;
  if (Contains(name, "Airstrip") || Contains(name, "Airfield")) state = std::max(state, 1);
  if (Contains(name, "Airfield") && OffMapCheck(form, name) != "Y" && !Contains(name, "English_")) {
    state = 2;
  }
}

struct Quota {
  int marked = 0;
  int hit = 0;
  bool Reached(int percent) const {
    return marked > 0 && hit > 0 && hit * 100.0 / marked >= percent;
  }
};

// Static targets of one side carrying its trigger text; destroyed ones carry "X ".
Quota StaticTargets(const TMainForm& form, const std::string& army, const std::string& trigger) {
  Quota quota;
  if (Unused(trigger)) return quota;
  for (int i = 0; i <= form.LastStationary; ++i) {
    const StationaryEntry& object = form.StationaryObjectTable[i];
    // The side is the object's own army field: digits of ship skill and rate of fire must not
    // count as one.
    if (object.StationaryArmy != army || !Contains(object.StationaryLine, trigger)) continue;
    ++quota.marked;
    if (Contains(object.StationaryLine, "X ")) ++quota.hit;
  }
  return quota;
}

Quota Ships(const TMainForm& form, const std::string& army, const std::string& trigger) {
  Quota quota;
  if (Unused(trigger)) return quota;
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    if (column.ColumnArmy != army || !Contains(column.ColumnType, trigger)) continue;
    ++quota.marked;
    if (IsSunk(column.ColumnUnitName)) ++quota.hit;
  }
  return quota;
}

// A reached quota: in a single-map campaign the campaign ends, otherwise the battle passes on.
void QuotaReached(TMainForm& form, BattleDecision& decision, const std::string& loser,
                  const std::string& log_line) {
  if (decision.Made()) return;
  const std::string victor = loser == "1" ? "Blue" : "Red";
  if (form.SingleMapCampaign.Checked) {
    // The message names the side whose targets were destroyed.
    decision.End(
        ReplaceArmy(form, form.Messages.Text(MessageSection::kNews, kNewsVitalTargetsLine), loser));
  }
  ErrorLog(form, log_line);
  decision.Transfer(victor, "Destroy");
}

void CheckDestruction(TMainForm& form, BattleDecision& decision) {
  if (StaticTargets(form, "1", form.RuDestroyTrigger).Reached(form.RuDestroyCount)) {
    QuotaReached(
        form, decision, "1",
        "Axis forces have destroyed the required number of " + form.RuDestroyTrigger + ".");
  }
  if (StaticTargets(form, "2", form.DeDestroyTrigger).Reached(form.DeDestroyCount)) {
    QuotaReached(
        form, decision, "2",
        "Allied forces have destroyed the required number of " + form.DeDestroyTrigger + ".");
  }
  if (Ships(form, "1", form.RuSunkTrigger).Reached(form.RuSunkCount)) {
    QuotaReached(form, decision, "1",
                 "Axis forces have destroyed the required number of " + form.RuSunkTrigger + ".");
  }
  if (Ships(form, "2", form.DeSunkTrigger).Reached(form.DeSunkCount)) {
    QuotaReached(form, decision, "2",
                 "Allied forces have destroyed the required number of " + form.DeSunkTrigger + ".");
  }
}

// "yyyymmdd" of a "dd/mm/yyyy" text, compared as text.
std::string SortableDate(const std::string& date) {
  return Copy(date, 7, 4) + Copy(date, 4, 2) + Copy(date, 1, 2);
}

void WriteFinalMission(TMainForm& form, const std::string& message) {
  const std::string folder = form.GameCampaignFolder;
  if (folder.empty()) {
    ErrorLog(form, "No game-side campaign folder is known: the final mission is not written.");
    return;
  }
  if (!DirectoryExists(folder) && !ForceDirectories(folder)) {
    ErrorLog(form, "The game-side campaign folder " + folder +
                       " cannot be made: the final mission is not written.");
    return;
  }
  const std::string mission = FinalMissionText(form);
  const std::string properties = FinalMissionProperties(message);
  std::vector<std::string> names{folder + "tavrekmission"};
  if ((form.Coop.Checked && form.NGenBoot.Checked) || form.AutoGeneration.Checked) {
    names.push_back(folder + IntToStr(TodayKey(form)));
  }
  std::vector<std::string> paths;
  for (const std::string& name : names) {
    paths.push_back(name + ".mis");
    paths.push_back(name + ".properties");
  }
  // The run stops right after this and its pass rolls back: the campaign stays as it was, so
  // that the next start finds the same end, but the game gets the mission that shows it.
  PassGuard* const pass = form.OpenPassGuard;
  if (pass != nullptr) pass->CoverFiles(paths);
  for (const std::string& name : names) {
    WriteTextFile(name + ".mis", mission);
    WriteTextFile(name + ".properties", properties);
  }
  if (pass != nullptr) pass->LeaveOnRollBack(paths);
}

}  // namespace

void CampaignEnd(TMainForm& form, const std::string& message) {
  form.InfoLabel.Caption = "Warning";
  form.DescLabel.Caption = message;
  WriteFinalMission(form, message);
  form.ErrorWarning = message;
  form.CampaignEnded = "Y";
  ErrorLog(form, "Campaign ended: " + message);
}

void GrandCampaign(TMainForm& form) {
  ErrorLog(form, "Grand Campaign Trigger Check.");
  ReloadCampaign(form);
  ErrorLog(form, "Grand Campaign Master Log Check.");
  if (!OnlineScriptRun(form)) MasterLog(form);
  ReadTerritory(form);

  BaseStates bases;
  bool axis_trigger_taken = false;
  bool allied_trigger_taken = false;
  // Read through a const table: a write access would mark the table changed and make every
  // off-map look-up below index the whole map again.
  const LocationTableType& locations = form.LocationTable;
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& place = locations[i];
    const std::string_view name = TrimView(place.LocationName);
    if (name == form.DeTrigger && place.LocationArmy == "1") axis_trigger_taken = true;
    if (name == form.RuTrigger && place.LocationArmy == "2") allied_trigger_taken = true;
    if (place.LocationArmy == "1") RaiseBaseState(bases.allied, place, form);
    if (place.LocationArmy == "2") RaiseBaseState(bases.axis, place, form);
    // A lost zone becomes the front.
    if (place.LocationName == form.RuZoneText && name.size() >= 2 && place.LocationArmy != "1") {
      form.FrontCenterName = form.RuZoneText;
    }
    if (place.LocationName == form.DeZoneText && name.size() >= 2 && place.LocationArmy != "2") {
      form.FrontCenterName = form.DeZoneText;
    }
  }

  // A side that has lost its carrier has no base unless it holds an airfield on the map.
  std::string reason;
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    const std::string& type = column.ColumnType;
    if (!Contains(type, "CV") || !Contains(type, "Ship") || Contains(type, "LCVP") ||
        !IsSunk(column.ColumnUnitName)) {
      continue;
    }
    if (column.ColumnArmy == "1" && form.RuSunkTrigger == "None" && bases.allied < 2) {
      bases.allied = 0;
      reason = "Carrier";
    }
    if (column.ColumnArmy == "2" && form.DeSunkTrigger == "None" && bases.axis < 2) {
      bases.axis = 0;
      reason = "Carrier";
    }
  }
  ErrorLog(form, "Checking for campaign transfer (" + IntToStr(bases.allied) + "/" +
                     IntToStr(bases.axis) + ").");

  BattleDecision decision(form);
  if (bases.allied == 0 || form.RuZoneText == form.FrontCenterName) {
    decision.Transfer("Blue", reason);
  } else if (bases.axis == 0 || form.DeZoneText == form.FrontCenterName) {
    decision.Transfer("Red", reason);
  }
  if (axis_trigger_taken) decision.Transfer("Red", reason);
  if (allied_trigger_taken) decision.Transfer("Blue", reason);
  if (!decision.Made() && SortableDate(form.EndDate) <= SortableDate(form.CampaignDateText)) {
    ErrorLog(form, "Campaign Transfer/End Routine Called.");
    decision.Transfer(form.EndDateVictor, "TimeLimit");
  }
  CheckDestruction(form, decision);
}

void CampaignDestructionLevelCheck(TMainForm& form) {
  BattleDecision decision(form);
  CheckDestruction(form, decision);
}
