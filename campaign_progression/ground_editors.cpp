#include "campaign_progression/ground_editors.h"

#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/startup.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/front_selection.h"
#include "campaign_progression/ground_objects_editor.h"
#include "campaign_progression/ground_war_editor.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_setup/panels.h"
#include "mission_results/event_log.h"
#include "mission_results/rank_awards.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

std::vector<std::string> Numbers(int from, int to, int digits) {
  std::vector<std::string> items;
  for (int n = from; n <= to; ++n) items.push_back(ZeroPad(n, digits));
  return items;
}

void FillIfEmpty(TComboBox& box, std::vector<std::string> items) {
  if (box.Items.empty()) box.Items = std::move(items);
}

void ShowPanel(TPanel& panel) {
  panel.Enabled = true;
  panel.Visible = true;
}

// Armour, ship names and whatever campaign table is not loaded yet; an editor lets no time
// pass.
void LoadForEditing(TMainForm& form) {
  form.DayStep = 0;
  ArmorList(form);
  LoadShipInfo(form);
  if (form.LastLocation < 0) LoadCampaignMap(form);
  LoadMissingCampaignTables(form, false);
  RankAwardSetup(form, 0);
  LoadStationary(form);
}

std::string OwnerWord(const std::string& army) {
  if (army == "1") return "Allied";
  if (army == "2") return "Axis";
  return "Contested/Neutral";
}

std::vector<std::string> LocationNames(const TMainForm& form) {
  std::vector<std::string> names;
  for (int i = 0; i <= form.LastLocation; ++i)
    names.push_back(std::as_const(form.LocationTable)[i].LocationName);
  return names;
}

void SelectFirst(TComboBox& box) {
  box.SetItemIndex(box.Items.empty() ? -1 : 0);
}

// The name and class of a stored object: its line without the mark, cut before its side.
std::string ObjectTitle(const StationaryEntry& object) {
  std::string line =
      Trim(Copy(object.StationaryLine, 3, static_cast<int>(object.StationaryLine.size())));
  const size_t side = line.find(" " + object.StationaryArmy + " ");
  if (!object.StationaryArmy.empty() && side != std::string::npos) line.erase(side);
  return Trim(line);
}

bool KeyPlaceFor(TMainForm& form, const LocationEntry& place, const std::string& army) {
  if (place.LocationArmy != army) return false;
  if (ContainsAny(place.LocationName,
                  {"Harbor", "Sea", "_Bay", "Ocean", "_Rail", "Station", "English_"})) {
    return false;
  }
  // An Allied port can be a key place, an Axis one cannot.
  if (army == "2" && Contains(place.LocationName, "_Port")) return false;
  return OffMapCheck(form, place.LocationName) != "Y";
}

std::vector<std::string> KeyPlaces(TMainForm& form, const std::string& army) {
  std::vector<std::string> places{"None"};
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& place = std::as_const(form.LocationTable)[i];
    if (KeyPlaceFor(form, place, army)) places.push_back(place.LocationName);
  }
  return places;
}

std::string GroundObjectFile(const TMainForm& form) {
  const std::string own = form.CampaignDataFolder + "gobjects.tavrek";
  if (!form.CampaignDataFolder.empty() && FileExists(own)) return own;
  return form.ProgramFolder + "data\\gobjects.tavrek";
}

std::vector<std::string> UnitTypes(TMainForm& form) {
  const std::string path = GroundObjectFile(form);
  if (!FileExists(path)) {
    ErrorLog(form, "No gobjects.tavrek found.");
    throw ProgramError("No gobjects.tavrek found.");
  }
  std::vector<std::string> types{"Select New Unit"};
  for (const std::string& line : ReadTextLines(path)) {
    if (Contains(line, "artillery.") || Trim(line).empty()) continue;
    types.push_back(Trim(Trim(Copy(line, 1, 54)) + " " + Trim(Copy(line, 55, 1))));
  }
  return types;
}

}  // namespace

void WireGroundEditors(TMainForm& form) {
  for (TPanel* panel : {&form.GroundPanel, &form.ObjectPanel}) {
    panel->Visible = false;
    panel->Enabled = false;
  }
  form.GroundButton.Hint = "Ground War Editor Panel";
  form.ColumnButton.Hint = "Column and Static Object Settings Panel";
  form.DeZone.Hint = "The location from which all German columns start.";
  form.RuZone.Hint = "The location from which all Russian columns start.";
  form.SelectFront.Text = "Select Location";
  form.DeZone.Text = "Select German Zone";
  form.RuZone.Text = "Select Russian Zone";
  FillIfEmpty(form.DayBox, Numbers(1, 31, 2));
  FillIfEmpty(form.MonthBox, Numbers(1, 12, 2));
  FillIfEmpty(form.YearBox, Numbers(1938, 1946, 4));
  FillIfEmpty(form.LNationBox, {"Contested/Neutral", "Allied", "Axis"});
  FillIfEmpty(form.SActiveBox, {"No", "Yes"});
  for (TEdit* shown :
       {&form.GUNation, &form.GUActiveBox, &form.SObNationEdit, &form.SLocationEdit}) {
    shown->Enabled = false;  // shown, not edited
  }

  form.GroundButton.OnClick = [&form] { GroundButtonClick(form); };
  form.ColumnEditor.OnClick = [&form] { GroundButtonClick(form); };
  for (TComboBox* box : {&form.DayBox, &form.MonthBox, &form.YearBox, &form.DeZone, &form.RuZone}) {
    box->OnChange = [&form] { GWChange(form); };
  }
  for (TComboBox* box : {&form.RuSupplyBox, &form.DeSupplyBox, &form.RuOilBox, &form.DeOilBox}) {
    box->OnChange = [&form] { SupplyBoxChange(form); };
  }
  form.TroopBox.OnChange = [&form] { GroundTroopBoxChange(form); };
  form.SelectFront.OnChange = [&form] { SelectFrontChange(form); };
  form.DeCampEndBox.OnChange = [&form] { CampEndBoxChange(form); };
  form.RuCampEndBox.OnChange = [&form] { CampEndBoxChange(form); };
  form.LocationBox.OnChange = [&form] { LocationBoxChange(form); };
  form.LNationBox.OnChange = [&form] { LNationBoxChange(form); };

  form.ColumnButton.OnClick = [&form] { GroundObjectSettingsClick(form); };
  form.GroundObjectSettings.OnClick = [&form] { GroundObjectSettingsClick(form); };
  form.GUBox.OnChange = [&form] { GUBoxChange(form); };
  form.GULocationBox.OnChange = [&form] { GULocationBoxChange(form); };
  form.GUNameBox.OnChange = [&form] { GUNameBoxChange(form); };
  form.ColumnNameEdit.OnChange = [&form] { ColumnNameEditChange(form); };
  form.ColumnNameEdit.OnKeyPress = [&form](char& key) { ColumnNameEditKeyPress(form, key); };
  form.SObBox.OnChange = [&form] { SObBoxChange(form); };
  form.SActiveBox.OnChange = [&form] { SActiveBoxChange(form); };
}

void GroundButtonClick(TMainForm& form) {
  CleanUpPanels(form);
  CleanUpCampChk(form);
  SetGround(form);
  form.InfoLabel.Caption = "Ground War Editor";
  form.DescLabel.Caption =
      "On this panel, the front and other objectives and supply zones can be set. Note: resetting "
      "the front will reset all ground and air units as well.";
}

void SetGround(TMainForm& form) {
  LoadForEditing(form);
  ManualFront(form);
  const std::vector<std::string> names = LocationNames(form);
  std::vector<std::string> key_places{"None"};
  key_places.insert(key_places.end(), names.begin(), names.end());
  form.DeCampEndBox.Items = key_places;
  form.RuCampEndBox.Items = key_places;
  form.LocationBox.Items = names;
  for (TComboBox* box : {&form.DeCampEndBox, &form.RuCampEndBox, &form.LocationBox}) {
    SelectFirst(*box);
  }
  form.SelectFront.Text = form.FrontCenterName;
  form.DeZone.Text = form.DeZoneText;
  form.RuZone.Text = form.RuZoneText;
  form.DeCampEndBox.Text = form.DeTrigger;
  form.RuCampEndBox.Text = form.RuTrigger;
  form.DayBox.Text = ZeroPad(form.CampaignDay, 2);
  form.MonthBox.Text = ZeroPad(form.CampaignMonth, 2);
  form.YearBox.Text = IntToStr(form.CampaignYear);
  form.LNationBox.Text = OwnerWord(
      form.LastLocation >= 0 ? std::as_const(form.LocationTable)[0].LocationArmy : std::string());
  form.LNationBox.Enabled = true;
  MasterLog(form);
  CleanUpPanels(form);
  CleanUpCampChk(form);
  ShowPanel(form.GroundPanel);
}

void GroundObjectSettingsClick(TMainForm& form) {
  CleanUpPanels(form);
  CleanUpCampChk(form);
  SetGroundObjects(form);
  form.InfoLabel.Caption = "Ground Objects Editor";
  form.DescLabel.Caption =
      "On this panel, all columns and static objects can be reviewed and edited to a limited "
      "degree.";
}

void SetGroundObjects(TMainForm& form) {
  LoadForEditing(form);
  MasterLog(form);
  CleanUpPanels(form);
  CleanUpCampChk(form);
  ShowPanel(form.ObjectPanel);
  form.GUNameBox.Items = UnitTypes(form);
  SelectFirst(form.GUNameBox);
  SetUpGround(form);
  SelectFirst(form.GUBox);
  GUBoxChangeSender(form);
  form.LocationBox.Items = LocationNames(form);
  SelectFirst(form.LocationBox);
}

void SetUpGround(TMainForm& form) {
  form.GUBox.Items.clear();
  for (int c = 0; c <= form.LastColumn; ++c)
    form.GUBox.Items.push_back(form.ColumnTable[c].ColumnType);
  SelectFirst(form.GUBox);
  form.SObBox.Items.clear();
  for (int k = 0; k <= form.InitialStationary; ++k) {
    form.SObBox.Items.push_back(ObjectTitle(form.StationaryObjectTable[k]));
  }
  SelectFirst(form.SObBox);
  form.DeCampEndBox.Items = KeyPlaces(form, "2");
  form.RuCampEndBox.Items = KeyPlaces(form, "1");
  form.DeCampEndBox.Text = "None";
  form.RuCampEndBox.Text = "None";
  SObBoxChange(form);
}
