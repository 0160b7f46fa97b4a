#include "campaign_setup/creation_sequence.h"

#include "app/main_form.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_setup/campaign_list.h"
#include "campaign_setup/mission_import.h"
#include "campaign_setup/start_placement.h"
#include "campaign_setup/start_territory.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

// dd/mm/yyyy into the date parts and the date boxes, which the import takes the date from.
void TakeStartDate(TMainForm& form, const std::string& date) {
  const int day = StrToIntDef(Copy(date, 1, 2), 0);
  const int month = StrToIntDef(Copy(date, 4, 2), 0);
  const int year = StrToIntDef(Copy(date, 7, 4), 0);
  if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1900) {
    const std::string text = "The campaign list gives the battle " + form.BattleName +
                             " the start date \"" + date + "\", which is no dd/mm/yyyy date.";
    ErrorLog(form, text);
    throw ProgramError(text);
  }
  form.CampaignDateText = date;
  form.CampaignDay = day;
  form.CampaignMonth = month;
  form.CampaignYear = year;
  form.DayBox.Text = ZeroPad(day, 2);
  form.MonthBox.Text = ZeroPad(month, 2);
  form.YearBox.Text = IntToStr(year);
  CampaignDate(form);
}

}  // namespace

std::string FindMasterMission(const TMainForm& form, const std::string& battle,
                              const std::string& map, bool lower_case_data_paths) {
  const auto data_path = [&](const std::string& name) {
    const std::string path = form.CampaignDataFolder + name + ".mis";
    return lower_case_data_paths ? AsciiLowerCase(path) : path;
  };
  const std::string masters = form.ProgramFolder + "Masters\\";
  for (const std::string& candidate :
       {data_path(battle), data_path(map), masters + battle + ".mis", masters + map + ".mis"}) {
    if (FileExists(candidate)) return candidate;
  }
  return {};
}

void ImportBattle(TMainForm& form, const CampaignListEntry& entry,
                  const std::string& master_mission) {
  form.BattleName = entry.battle;
  form.CampaignType = entry.campaign_type;
  form.MapName = entry.map_name;
  MapList(form, form.MapName);
  TakeStartDate(form, entry.date);
  const std::string time_of_day = entry.time_of_day.value_or("Day");
  form.DayNightBox.Text = time_of_day == "Night" ? "Night" : "Day";
  form.BugOutRadius = entry.bug_out_radius;

  // The map's front centre is found as its locations are read.
  form.FrontCenterName = entry.front_center;
  form.DeZoneText = entry.axis_zone;
  form.RuZoneText = entry.allied_zone;
  form.FrontCenterPosition = "0.00 0.00";
  TargetLocations(form);
  const int last_location = form.LastLocation;

  ErrorLog(form, "Manual Campaign Import Begun");
  ImportData(form, master_mission);
  form.LastLocation = last_location;
  ErrorLog(form, "Manual Campaign Import Finished");
  form.NormandyBaseOption = form.NormandyBase.Checked && form.MapName == "Normandy";
  SetStartTerritory(form, entry);
}

void PlaceCampaignStart(TMainForm& form, const std::string& master_mission, PlayerMerge merge) {
  GetColumnStartLocation(form, master_mission);
  GetAirfield(form, master_mission);
  if (merge == PlayerMerge::kAfterBases) AlternateSquadron(form);
}
