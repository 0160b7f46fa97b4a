#include "campaign_progression/campaign_transfer.h"

#include <optional>
#include <set>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/armour_changes.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/campaign_end.h"
#include "campaign_progression/campaign_snapshot.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/territory_capture.h"
#include "campaign_progression/timetable.h"
#include "campaign_progression/transfer_records.h"
#include "campaign_setup/campaign_tweaks.h"
#include "campaign_setup/career_creation.h"
#include "campaign_setup/career_files.h"
#include "campaign_setup/mission_import.h"
#include "campaign_setup/paints.h"
#include "campaign_setup/squadron_list_changes.h"
#include "campaign_setup/start_placement.h"
#include "mission_results/pilot_roster.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kPilotSlots = 16;
constexpr int kWeekBetweenBattles = 7;

// A step of the transfer that could not be done; the campaign folder is put back.
class TransferFailed : public ProgramError {
 public:
  using ProgramError::ProgramError;
};

std::string Season(const TMainForm& form) {
  return form.MapSeason == "Winter" ? "Winter" : "Summer";
}

// The first reading: the first record of the battle for this victor and campaign type, each
// later one of the battle taking its place on an even draw.
std::string ChooseNextBattle(TMainForm& form, const std::vector<std::string>& lines,
                             const std::string& victor) {
  std::string next = "None";
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (!Contains(line, "[" + form.BattleName)) continue;
    const bool takes_part = next == "None" || form.Random(2) == 0;
    if (!takes_part || !Contains(line, victor)) continue;
    const std::string type_line = i + 1 < lines.size() ? lines[i + 1] : std::string();
    if (!CampaignTypeMatches(type_line, form.CampaignType)) continue;
    next = NextBattleOf(line);
  }
  // The Pacific campaign's first battle leads each side to its own next one.
  if (form.BattleName == "Hawaii" && form.CampaignType == "Pacific_Campaign") {
    const std::string& player_army = form.SquadronTable[0].SquadronArmy;
    if (next == "NewGuinea42" && player_army == "2") next = "CoralSea";
    if (next == "CoralSea" && player_army == "1") next = "NewGuinea42";
  }
  ErrorLog(form, "Campaign transfer option is for " + next + ".");
  return next;
}

// The master mission of the next battle: its own, or its map's, in the campaign data folder or
// the program's Masters folder.
std::string MasterMissionPath(const TMainForm& form, const TransferRecord& record) {
  const std::vector<std::string> candidates{
      form.CampaignDataFolder + record.next_battle + ".mis",
      form.CampaignDataFolder + record.map + ".mis",
      form.ProgramFolder + "Masters\\" + record.next_battle + ".mis",
      form.ProgramFolder + "Masters\\" + record.map + ".mis",
  };
  for (const std::string& path : candidates) {
    if (FileExists(path)) return path;
  }
  return std::string();
}

bool MapKnown(const TMainForm& form, const std::string& map) {
  for (const char* routes : {".rds", ".rls", ".srd"}) {
    if (!ExistingReferenceFile(form, map + routes).empty()) return true;
  }
  return false;
}

// A copy that holds exactly what the original holds.
void CopyChecked(const std::string& from, const std::string& to) {
  if (FileExists(to) && !DeleteFile(to)) throw TransferFailed("Could not remove " + to + ".");
  if (!CopyFile(from, to, true) || ReadFileBytes(from) != ReadFileBytes(to)) {
    throw TransferFailed("Could not copy " + from + " to " + to + ".");
  }
}

// The squadrons, pilots and paints of the campaign are kept aside while the next battle is
// imported; each original goes only once its copy is checked.
const std::vector<std::pair<std::string, std::string>>& KeptFiles() {
  static const std::vector<std::pair<std::string, std::string>> kKept{
      {"squadrons.tavrek", "keepsquadrons.tavrek"},
      {"pilot.tavrek", "keeppilot.tavrek"},
      {"paints.tavrek", "keeppaints.tavrek"},
  };
  return kKept;
}

void KeepFilesAside(TMainForm& form) {
  const std::string& folder = form.CampaignFolder;
  for (const auto& [file, kept] : KeptFiles()) {
    if (!FileExists(folder + file)) {
      DeleteFile(folder + kept);
      continue;
    }
    CopyChecked(folder + file, folder + kept);
    if (!DeleteFile(folder + file)) throw TransferFailed("Could not remove " + folder + file + ".");
  }
}

void PutKeptFilesBack(TMainForm& form) {
  const std::string& folder = form.CampaignFolder;
  for (const auto& [file, kept] : KeptFiles()) {
    if (!FileExists(folder + kept)) continue;
    CopyChecked(folder + kept, folder + file);
    DeleteFile(folder + kept);
  }
}

void ShowBattlePicture(TMainForm& form, const std::string& mission_path) {
  const std::string picture = mission_path.substr(0, mission_path.size() - 4) + ".jpg";
  if (!FileExists(picture)) return;
  const std::string target = form.CampaignFolder + "cimage.jpg";
  if (!CopyFile(picture, target, false)) {
    ErrorLog(form, "Could not copy the battle's picture " + picture + ".");
    return;
  }
  try {
    form.CImage.LoadFromFile(target);
  } catch (const FileError& error) {
    ErrorLog(form, error.what());
  }
}

// Owners of the new map: the loser holds it, then the zones, the two start places, the
// victor's places, and the front centre is contested.
void SetStartOwners(TMainForm& form, const TransferRecord& record, const std::string& victor) {
  const std::string victor_side = victor == "Red" ? "1" : "2";
  const std::string loser_side = victor == "Red" ? "2" : "1";
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& place = form.LocationTable[i];
    const std::string& name = place.LocationName;
    place.LocationArmy = loser_side;
    if (name == form.DeZoneText) place.LocationArmy = "2";
    if (name == form.RuZoneText) place.LocationArmy = "1";
    if (name == record.axis_place) place.LocationArmy = "2";
    if (name == record.allied_place) place.LocationArmy = "1";
    for (const std::string& held : record.victor_places) {
      if (name == held) place.LocationArmy = victor_side;
    }
    if (name == form.FrontCenterName) {
      place.LocationArmy = "0";
      form.FrontCenterIndex = i;
      form.FrontCenterPosition = place.LocationPosition;
    }
  }
}

// The new battle's map, places and ground forces.
void ImportNextBattle(TMainForm& form, const TransferRecord& record, const std::string& victor,
                      const std::string& mission_path) {
  ErrorLog(form, "Transfering campaigns.");
  form.DayBox.Text = ZeroPad(form.CampaignDay, 2);
  form.MonthBox.Text = ZeroPad(form.CampaignMonth, 2);
  form.YearBox.Text = IntToStr(form.CampaignYear);
  form.MapName = record.map;
  form.BattleName = record.next_battle;
  MapList(form, form.MapName);
  ShowBattlePicture(form, mission_path);
  ImportData(form, mission_path);
  form.LastLocation = -1;
  form.LastColumn = -1;
  form.LastSquadron = -1;
  form.LastStationary = -1;
  StationaryList(form);
  form.NormandyBaseOption = form.NormandyBase.Checked && form.MapName == "Normandy";
  TargetLocations(form);
  CampPathChk(form);
  form.DayNightBox.Text = record.time_of_day;
  form.BugOutRadius = record.bug_out_radius;
  form.FrontCenterName = record.front;
  form.DeZoneText = record.axis_zone;
  form.RuZoneText = record.allied_zone;
  SetStartOwners(form, record, victor);
  UpdateCampaign(form);
  TargetLocations(form);
  SetTgtNation(form, 0);
  DefineTerritory(form);
  ReadTerritory(form);
  ResetObjects(form);
  ColumnList(form);
  ColumnLocation(form, "No");
  StartArmor(form);
  LoadStationary(form);
  StationaryList(form);
  MapList(form, form.MapName);
  ErrorLog(form, "The campaign has transfered to " + form.BattleName + ".");
}

void DressPilots(TMainForm& form, int s) {
  const SquadronEntry& squadron = form.SquadronTable[s];
  for (int slot = 0; slot < kPilotSlots; ++slot) {
    form.PilotRoster[RosterIndex(s, slot)].RosterSkin =
        squadron.SquadronMarkings + squadron.SquadronSkin;
  }
}

// The old squadrons stay when the next battle has them too (with its paint when the season
// changed); the new battle's copies go, as do old squadrons it does not have.
std::set<std::string> CarryOverSquadrons(TMainForm& form, int last_old,
                                         const std::string& old_season) {
  const bool seasons_differ = Season(form) != old_season;
  std::set<std::string> carried;
  const int last = form.LastSquadron;
  for (int s = 0; s <= std::min(last_old, last); ++s) {
    SquadronEntry& old_squadron = form.SquadronTable[s];
    old_squadron.SquadronWeapons = old_squadron.TypeDefaultWeapons;
    const std::string name = old_squadron.SquadronName;
    bool matched = false;
    for (int t = last_old + 1; t <= last; ++t) {
      const SquadronEntry& new_squadron = form.SquadronTable[t];
      if (name.empty() || new_squadron.SquadronName != name) continue;
      if (seasons_differ) {
        old_squadron.SquadronSkin = new_squadron.SquadronSkin;
        old_squadron.SquadronMarkings = new_squadron.SquadronMarkings;
        DressPilots(form, s);
      }
      SquadDelete(form, t);
      matched = true;
    }
    if (matched) {
      carried.insert(name);
      continue;
    }
    const bool player_leaves =
        form.FixedStartDates.Checked && (form.Coop.Checked || form.Dogfight.Checked);
    if (s != 0 || player_leaves) SquadDelete(form, s);
  }
  return carried;
}

void SettleSquadrons(TMainForm& form, int last_old, const std::string& old_season,
                     const std::string& mission_path) {
  LoadPilots(form);
  SquadronList(form, "OFF");
  const std::set<std::string> carried = CarryOverSquadrons(form, last_old, old_season);
  ErrorLog(form, "Squadron Clean Up Begun.");
  SquadCleanUp(form);
  DeleteFile(form.CampaignFolder + "territory.tavrek");
  DeleteFile(form.CampaignFolder + "locations.tavrek");
  ErrorLog(form, "Campaign Tweaks Begun.");
  CampaignTweaks(form);
  GetColumnStartLocation(form, mission_path);
  form.SquadronTable[0].PlanesExtra = 0;
  GetAirfield(form, mission_path);
  ApplyUniversalPaints(form);
  TimeTable(form);
  // New squadrons (and an unmatched player's squadron) dress their pilots in their paint.
  for (int s = 0; s <= form.LastSquadron; ++s) {
    if (carried.count(form.SquadronTable[s].SquadronName) == 0) DressPilots(form, s);
  }
  SaveSquadrons(form, 0);
}

// The memory follows the campaign folder put back after a failed transfer.
void ReloadOldCampaign(TMainForm& form) {
  form.LastLocation = -1;
  form.LastColumn = -1;
  form.LastSquadron = -1;
  form.LastStationary = -1;
  CampaignInfo(form);
  MapList(form, form.MapName);
}

bool Transfer(TMainForm& form, const TransferRecord& record, const std::string& victor) {
  const std::string mission_path = MasterMissionPath(form, record);
  if (mission_path.empty()) {
    ErrorLog(form, "No master mission of " + record.next_battle + " or of the map " + record.map +
                       " found: the campaign cannot transfer and stays at " + form.BattleName +
                       ".");
    return false;
  }
  const int last_old = form.LastSquadron;
  const std::string old_season = Season(form);
  const std::string old_battle = form.BattleName;
  const bool failed_before = form.Application.Failed();
  const CampaignSnapshot snapshot(form.CampaignFolder);
  try {
    KeepFilesAside(form);
    ImportNextBattle(form, record, victor, mission_path);
    PutKeptFilesBack(form);
    SettleSquadrons(form, last_old, old_season, mission_path);
    if (!failed_before && form.Application.Failed()) {
      throw TransferFailed("a step of the transfer reported a fatal error");
    }
    return true;
  } catch (const std::exception& error) {
    const bool restored = snapshot.Restore();
    ErrorLog(form, "The transfer to " + record.next_battle + " failed: " + error.what() +
                       (restored ? " The campaign stays at " + old_battle + "."
                                 : " The campaign folder could not be put back whole."));
    ReloadOldCampaign(form);
    return false;
  }
}

// The victory message when the campaign has no next battle.
std::string EndMessage(TMainForm& form, const std::string& victor, const std::string& reason) {
  const auto news = [&form](int line) { return form.Messages.Text(MessageSection::kNews, line); };
  const bool destroy = reason == "Destroy";
  const std::string title = AsciiLowerCase(form.MapTitle);
  std::string message;
  if (victor == "Blue" && !destroy) message = ReplaceArmy(form, news(6), "1");
  if (victor == "Red" && !destroy) message = ReplaceArmy(form, news(6), "2");
  if (victor == "Blue" && destroy) message = ReplaceArmy(form, news(24), "1");
  if (victor == "Red" && destroy) message = ReplaceArmy(form, news(24), "2");
  if (victor == "Blue" && (title == "moscow" || title == "stgrad")) message = news(0);
  if (victor == "Red" && (title == "berlin" || title == "balaton")) message = news(1);
  if (victor == "Red" && (title == "japan1" || title == "okinawa")) message = news(3);
  if (victor == "Red" && form.AlliedID == 1 && title == "berlin") message = news(3);
  return Trim(message);
}

void EndCampaign(TMainForm& form, const std::string& old_map, const std::string& victor,
                 const std::string& reason) {
  form.MapName = old_map;
  form.MapDescription = "a new front";
  MapList(form, form.MapName);
  form.SquadronTable[0].SquadronMissionType = form.Messages.Text(MessageSection::kBriefs, 11);
  const std::string message = EndMessage(form, victor, reason);
  CampaignEnd(form, message);
  ErrorTrap(form, message);
}

// The new battle opens seven days later, unless the transfer record moves the date further on.
void SetBattleDate(TMainForm& form, const TransferRecord& record) {
  form.DayStep = kWeekBetweenBattles;
  ErrorLog(form, "Set the campaign date.");
  if (record.date.empty()) return;
  const std::string old_text = form.CampaignDateText;
  try {
    if (form.FixedStartDates.Checked) form.CampaignDateText = record.date;
    const auto key = [](const std::string& date) {
      return StrToInt(Copy(date, 7, 4)) * 10000 + StrToInt(Copy(date, 4, 2)) * 100 +
             StrToInt(Copy(date, 1, 2));
    };
    if (key(record.date) < key(form.CampaignDateText)) return;
    form.CampaignDateText = record.date;
    BreakDownDate(form);
    CampaignDate(form);
    UpDateCampaignInfo(form);
    form.DayStep = 1;
  } catch (const ConversionError&) {
    form.CampaignDateText = old_text;
    ErrorLog(form, "Date change failed.");
  }
}

}  // namespace

std::string TransferTablePath(const TMainForm& form) {
  return ExistingReferenceFile(
      form, form.GameID == "IL2" ? "ostcampaign.tavrek" : "grandcampaign.tavrek");
}

void CampaignTransfer(TMainForm& form, const std::string& victor, const std::string& reason) {
  LoadPilots(form);
  SavePilot(form, 0);
  const std::string old_map = form.MapName;
  ErrorLog(form, "Checking campaign transfer options for " + form.BattleName + ".");
  const std::string table = TransferTablePath(form);
  std::optional<TransferRecord> record;
  if (!table.empty() && !form.SingleMapCampaign.Checked) {
    const std::vector<std::string> lines = ReadTextLines(table);
    const std::string next = ChooseNextBattle(form, lines, victor);
    record = FindTransferRecord(lines, form.BattleName, next, victor, form.CampaignType);
    if (record && form.MapName == "DGen") record.reset();
    if (record && !MapKnown(form, record->map)) {
      ErrorLog(form, "The transfer table names the map " + record->map + " for " + next +
                         ", which has no route files: the record is passed over.");
      record.reset();
    }
  }
  if (!record) {
    EndCampaign(form, old_map, victor, reason);
    return;
  }
  if (!Transfer(form, *record, victor)) return;
  SetBattleDate(form, *record);
}
