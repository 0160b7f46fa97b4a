#include "campaign_setup/mission_import.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_setup/game_edition.h"
#include "campaign_setup/master_mission_reader.h"
#include "campaign_setup/setup_errors.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kCrLfText = "\r\n";
constexpr std::string_view kStationaryHeader = "[NStationary]";

std::string PlayerSquadronBlock(const TMainForm& form) {
  return JoinLinesCrLf({"[Player Squadron]", "  Planes 16/16-0+4", "  Skill 1",
                        "  Class air." + std::as_const(form.AircraftClassTable)[0].ClassName,
                        "  Active True  AI False", "  1default.bmp", "  Unknown", "  Radio"});
}

// The player's squadron leads the file, except where the campaign's squadrons come from
// elsewhere: a co-op campaign of the replaced co-op generator, squadrons kept over a transfer,
// or a campaign made in the window for the campaign's own default nation.
bool AddsPlayerSquadron(const TMainForm& form) {
  if (form.Coop.Checked && form.NGenBoot.Checked) return false;
  if (FileExists(form.CampaignFolder + "keepsquadrons.tavrek")) return false;
  return !(form.DefaultNation.Text == "Campaign Default" && !form.CommandLineRun());
}

std::string SquadronFileText(const TMainForm& form, const MasterMission& mission) {
  std::string group0 = Trim(mission.squadron_groups[0]);
  if (AddsPlayerSquadron(form)) group0 = PlayerSquadronBlock(form) + group0;
  std::string text = group0;
  text += kCrLfText;
  text += Trim(mission.squadron_groups[1]);
  text += kCrLfText;
  text += Trim(mission.squadron_groups[2]);
  text += kCrLfText;
  return text;
}

void CheckContents(TMainForm& form, const MasterMission& mission) {
  if (Trim(mission.column_text).size() < 3) {
    LogAndStop(form, "The campaign requires at least one truck or tank column.",
               "The campaign requires at least one truck or tank column.  Import failed.");
  }
  if (!mission.has_flyable_squadron) {
    LogAndStop(form, "The campaign requires at least one flyable squadron.",
               "The campaign requires at least one flyable squadron.  Import failed.");
  }
  if (Trim(mission.stationary_text).size() < kStationaryHeader.size() + 3) {
    LogAndStop(form, "The campaign requires at least one one stationary object.",
               "The campaign requires at least one stationary object.  Import failed.");
  }
  const auto over = [&form](int count, int capacity, const std::string& what) {
    if (count <= capacity) return;
    const std::string text = "The master mission holds " + IntToStr(count) + " " + what +
                             ", more than the campaign's " + IntToStr(capacity) +
                             ".  Import failed.";
    LogAndStop(form, text, text);
  };
  over(static_cast<int>(mission.stationary_lines.size()), kStationaryCapacity, "static objects");
  over(mission.column_count, kColumnCapacity, "ground columns");
  over(mission.squadron_count + 1, kSquadronCapacity, "squadrons");
}

void ResetForNewCampaign(TMainForm& form) {
  form.BuildingsText = "[Buildings]\r\n";
  form.HousesText = "[House]\r\n";
  form.RocketsText = "[Rocket]\r\n";
  form.CamerasText = "[StaticCamera]\r\n";
  form.DescLabel.Caption.clear();
  form.LastLocation = -1;
  form.TroopBox.Text = "1000";
  form.NewCampaignFlag = "Y";
  form.MissionTime = "0";
  // Ships are named from the first name of their class again.
  form.ColumnTable.ForEachEntry([](ColumnEntry& column) { column.ColumnUnitName.clear(); });
  form.ShipNameTable.ForEachEntry([](ShipClassEntry& ship_class) { ship_class.ShipNameNext = 0; });
  LoadShipInfo(form);
  if (Trim(form.GameID).empty()) GameIDCheck(form);
}

void StoreStationaryObjects(TMainForm& form, const MasterMission& mission) {
  form.StationaryObjectTable.Clear();
  form.LastStationary = -1;
  form.InitialStationary = -1;
  for (const std::string& line : mission.stationary_lines) {
    form.StationaryObjectTable[++form.LastStationary].StationaryLine = line;
  }
  form.InitialStationary = form.LastStationary;
}

void WriteSquadrons(TMainForm& form, const std::string& text) {
  form.InfoLabel.Caption = "Import Squadrons";
  WriteTextFile(form.CampaignFolder + "squadrons.tavrek", text);
  const std::string kept = form.CampaignFolder + "keepsquadrons.tavrek";
  if (FileExists(kept)) {
    form.InfoLabel.Caption = "Append Squadrons";
    WriteTextFile(kept, ReadFileBytes(kept) + text);
  }
}

void TakeMapAndDate(TMainForm& form, const MasterMission& mission) {
  if (form.MapName.empty() && !mission.map_name.empty()) {
    form.MapName = mission.map_name;
    if (form.MapName == "Crimea" && StrToIntDef(form.YearBox.Text, 0) < 1943) {
      form.MapName = "Crimea41";
    }
    MapList(form, form.MapName);
  }
  form.CampaignDateText = form.DayBox.Text + "/" + form.MonthBox.Text + "/" + form.YearBox.Text;
}

void WriteSectionFile(TMainForm& form, const std::string& label, const std::string& file,
                      const std::string& text) {
  form.InfoLabel.Caption = label;
  WriteTextFile(form.CampaignFolder + file, text + std::string(kCrLfText));
}

}  // namespace

MasterMissionTypes MasterMissionTypesOf(const TMainForm& form) {
  MasterMissionTypes types;
  const AircraftClassTableType& classes = form.AircraftClassTable;
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    const AircraftClassEntry& entry = classes[i];
    types.aircraft[entry.ClassName].push_back({entry.ClassFlyable, entry.ClassFamily});
  }
  const GroundObjectTypeTableType& objects = form.GroundObjectTypeTable;
  for (int i = 0; i < objects.StoredCount(); ++i) {
    const GroundObjectTypeEntry& entry = objects[i];
    const std::string stand_in = AsciiLowerCase(entry.GroundObjectField2);
    // A class the edition has, or one without a stand-in, stays as it is.
    if (entry.GroundObjectName.empty() || entry.GroundObjectAvailable == "1" ||
        stand_in == "none" || stand_in.empty()) {
      continue;
    }
    types.substitutes.push_back({entry.GroundObjectName, entry.GroundObjectField2});
  }
  return types;
}

MasterMission ReadCheckedMasterMission(TMainForm& form, const std::string& mission_path) {
  if (!FileExists(mission_path)) {
    const std::string text = "No Mission to Import Found (" + mission_path + ").";
    ErrorLog(form, text);
    ErrorTrapAndStop(form, text);
  }
  if (std::as_const(form.GroundObjectTypeTable)[0].GroundObjectName.empty()) {
    InitializeGroundUnits(form);
  }
  const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(mission_path);
  MasterMission mission = ReadMasterMission(*lines, MasterMissionTypesOf(form));
  for (const std::string& skipped : mission.skipped_blocks) ErrorLog(form, skipped);
  CheckContents(form, mission);
  return mission;
}

void ImportData(TMainForm& form, const std::string& mission_path) {
  const MasterMission mission = ReadCheckedMasterMission(form, mission_path);
  ResetForNewCampaign(form);
  StoreStationaryObjects(form, mission);
  form.BuildingsText = mission.buildings_text;
  form.HousesText = mission.houses_text;
  form.RocketsText = mission.rockets_text;
  form.CamerasText = mission.cameras_text;
  ErrorLog(form, "Import of Squadrons Complete.");

  WriteSquadrons(form, SquadronFileText(form, mission));
  TakeMapAndDate(form, mission);
  for (const char* file : {"pilot.tavrek", "paints.tavrek", "noseart.tavrek"}) {
    DeleteFile(form.CampaignFolder + file);
  }
  WriteSectionFile(form, "Import Columns", "columns.tavrek", Trim(mission.column_text));
  WriteSectionFile(form, "Import Stationary Objects", "stationary.tavrek",
                   Trim(mission.stationary_text));
  WriteSectionFile(form, "Import Buildings", "buildings.tavrek", form.BuildingsText);
  WriteSectionFile(form, "Import Houses", "houses.tavrek", form.HousesText);
  WriteSectionFile(form, "Import Rockets", "rockets.tavrek", form.RocketsText);
  WriteSectionFile(form, "Import Cameras", "cameras.tavrek", form.CamerasText);
  form.InfoLabel.Caption = "Import Campaign Information";
  UpDateCampaignInfo(form);
  form.DescLabel.Caption =
      "Select the campaign settings including a campaign start date,\r\n"
      "as well as a location which defines the frontlines.";
  form.InfoLabel.Caption = "Select Date and Location of Front";
}
