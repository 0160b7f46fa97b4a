#include "campaign_progression/ground_war_editor.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/text.h"
#include "campaign_progression/aircraft_changes.h"
#include "campaign_progression/armour_changes.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/ground_editors.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/territory.h"
#include "campaign_setup/career_files.h"
#include "campaign_setup/panels.h"
#include "platform/errors.h"

namespace {

// The date of the three boxes; a box that holds no number leaves everything as it was.
void TakeDateBoxes(TMainForm& form) {
  const std::string date = form.DayBox.Text + "/" + form.MonthBox.Text + "/" + form.YearBox.Text;
  const int day = StrToIntDef(Copy(date, 1, 2), -1);
  const int month = StrToIntDef(Copy(date, 4, 2), -1);
  const int year = StrToIntDef(Copy(date, 7, 4), -1);
  if (day < 0 || month < 0 || year < 0) {
    throw ProgramError("\"" + date + "\" is not a date of the form dd/mm/yyyy.");
  }
  form.CampaignDateText = date;
  form.CampaignDay = day;
  form.CampaignMonth = month;
  form.CampaignYear = year;
}

int SelectedLocation(const TMainForm& form) {
  const int index = form.LocationBox.ItemIndex();
  return index >= 0 && index <= form.LastLocation ? index : -1;
}

}  // namespace

void GWChange(TMainForm& form) {
  TakeDateBoxes(form);
  form.DeZoneText = form.DeZone.Text;
  form.RuZoneText = form.RuZone.Text;
  CampaignDate(form);
  UpdateCampaign(form);
  // The record holds the new date and zones whatever the game-side career files do.
  UpDateCampaignInfo(form);
  StartArmor(form);
  if (form.HistDates.Checked) PlaneDownGrade(form);
  MapList(form, form.MapName);
}

void SupplyBoxChange(TMainForm& form) {
  UpDateCampaignInfo(form);
}

void GroundTroopBoxChange(TMainForm& form) {
  TroopBoxChange(form);
  // The cap belongs to the campaign: kept in its record, not only in the settings.
  UpDateCampaignInfo(form);
}

void LocationBoxChange(TMainForm& form) {
  const int kept = form.LocationBox.ItemIndex();
  SetUpGround(form);
  form.LocationBox.SetItemIndex(kept);
  form.LNationBox.SetItemIndex(0);
  form.LNationBox.Enabled = true;
  const int location = SelectedLocation(form);
  if (location < 0) return;
  const LocationEntry& place = std::as_const(form.LocationTable)[location];
  if (place.LocationArmy == "1") form.LNationBox.SetItemIndex(1);
  if (place.LocationArmy == "2") form.LNationBox.SetItemIndex(2);
  // Ports, rails, beachheads and the sea have no owner of their own.
  if (ContainsAny(place.LocationName,
                  {"Harbor", "Sea", "_Port", "_Bay", "Ocean", "Beachhead", "_Rail", "Station"})) {
    form.LNationBox.SetItemIndex(0);
    form.LNationBox.Enabled = false;
  }
}

void LNationBoxChange(TMainForm& form) {
  const int location = SelectedLocation(form);
  if (location < 0) return;
  std::string army = "0";
  if (form.LNationBox.Text == "Allied") army = "1";
  if (form.LNationBox.Text == "Axis") army = "2";
  form.LocationTable[location].LocationArmy = army;
  DefineTerritory(form);
}
