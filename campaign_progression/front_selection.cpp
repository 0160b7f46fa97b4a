#include "campaign_progression/front_selection.h"

#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/territory_capture.h"
#include "campaign_setup/career_files.h"

namespace {

// Places the front can run through: land, and beachheads.
bool FrontPlace(const std::string& name) {
  return Trim(name).size() >= 2 &&
         !ContainsAny(name, {"Station", "_Rail", "Harbor", "_Port", "Sea", "Ocean", "_Bay"});
}

void ShowList(TComboBox& box, const std::vector<std::string>& places, const std::string& current) {
  box.Items = places;
  int selected = 0;
  for (size_t i = 0; i < places.size(); ++i) {
    if (places[i] == current) {
      selected = static_cast<int>(i);
      break;
    }
  }
  box.SetItemIndex(places.empty() ? -1 : selected);
}

// A box's text of at least two characters is its value.
void Take(const TComboBox& box, std::string& value) {
  if (Trim(box.Text).size() >= 2) value = box.Text;
}

}  // namespace

void ManualFront(TMainForm& form) {
  std::vector<std::string> places;
  for (int i = 0; i <= form.LastLocation; ++i) {
    const std::string& name = std::as_const(form.LocationTable)[i].LocationName;
    if (FrontPlace(name)) places.push_back(name);
  }
  ShowList(form.SelectFront, places, form.FrontCenterName);
  ShowList(form.DeZone, places, form.DeZoneText);
  ShowList(form.RuZone, places, form.RuZoneText);
  UpdateCampaign(form);
}

void SelectFrontChange(TMainForm& form) {
  Take(form.SelectFront, form.FrontCenterName);
  Take(form.DeZone, form.DeZoneText);
  Take(form.RuZone, form.RuZoneText);
  Take(form.DeCampEndBox, form.DeTrigger);
  Take(form.RuCampEndBox, form.RuTrigger);
  UpdateCampaign(form);
  SetTgtNation(form, 1);
  DefineTerritory(form);
  ReadTerritory(form);
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    column.ColumnPlace = "Blank";
    column.ColumnDestination = "Blank";
    column.ColumnStatus.clear();
  }
  ResetObjects(form);
  // The new front, zones and key places are the campaign's from now on.
  UpDateCampaignInfo(form);
}

void CampEndBoxChange(TMainForm& form) {
  Take(form.DeCampEndBox, form.DeTrigger);
  Take(form.RuCampEndBox, form.RuTrigger);
  UpDateCampaignInfo(form);
}
