#include "campaign_progression/ground_objects_editor.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/armour_types.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/ground_editors.h"
#include "campaign_progression/location_kinds.h"
#include "platform/ascii.h"
#include "platform/errors.h"

namespace {

constexpr int kLongestUnitName = 49;
constexpr char kBackspace = 8;
constexpr std::string_view kNameCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz01234567_";

int SelectedColumn(const TMainForm& form) {
  const int index = form.GUBox.ItemIndex();
  return index >= 0 && index <= form.LastColumn ? index : -1;
}

int SelectedObject(const TMainForm& form) {
  const int index = form.SObBox.ItemIndex();
  return index >= 0 && index <= form.InitialStationary ? index : -1;
}

std::string SideWord(const std::string& army) {
  if (army == "1") return "Allied";
  if (army == "2") return "Axis";
  return "Neutral";
}

// Trains stand at stations and rails, ships in ports and at sea, the rest on land.
bool Suits(const ColumnEntry& column, const std::string& place) {
  if (Contains(column.ColumnType, "Train")) return ContainsAny(place, {"Station", "_Rail"});
  if (Contains(column.ColumnType, "Ship")) {
    return ContainsAny(place, {"Harbor", "_Port", "Sea", "Ocean", "_Bay"});
  }
  return !ContainsAny(place, {"Harbor", "Station", "_Bay", "Ocean", "Sea", "_Rail"});
}

std::string ServiceState(const TMainForm& form, const ColumnEntry& column) {
  const int now = MonthKey(form);
  std::string state = "Available";
  for (int a = 0; a <= form.LastArmor; ++a) {
    const ArmorEntry& entry = form.ArmorTable[a];
    if (!Contains(column.ColumnType, ArmourKey(entry.ArmorName))) continue;
    if (StrToIntDef(Trim(entry.ArmorServiceEnd), now) < now) state = "No";
    if (StrToIntDef(Trim(entry.ArmorServiceStart), now) > now) state = "In Future";
  }
  return state;
}

void SaveColumns(TMainForm& form) {
  WriteColumnList(form);
  ColumnList(form);
}

}  // namespace

void GUBoxChange(TMainForm& form) {
  GUBoxChangeSender(form);
}

void GUBoxChangeSender(TMainForm& form) {
  const int c = SelectedColumn(form);
  if (c < 0) return;
  const ColumnEntry& column = form.ColumnTable[c];
  form.GULocationBox.Items.clear();
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& place = std::as_const(form.LocationTable)[i];
    const bool open = place.LocationArmy == column.ColumnArmy || place.LocationArmy == "0";
    if (open && Suits(column, place.LocationName)) {
      form.GULocationBox.Items.push_back(place.LocationName);
    }
  }
  form.GULocationBox.Items.push_back("Blank");
  form.GUNation.Text = SideWord(column.ColumnArmy);
  form.GUActiveBox.Text = ServiceState(form, column);
  form.GUNameBox.Text = "Select New Unit";
  form.ColumnNameEdit.Text = column.ColumnUnitName;
  form.GULocationBox.Text = column.ColumnPlace;
}

void GULocationBoxChange(TMainForm& form) {
  const int c = SelectedColumn(form);
  if (c < 0) return;
  const std::string place = form.GULocationBox.Text;
  if (form.GULocationBox.ItemIndex() < 0) {
    form.GULocationBox.Text = form.ColumnTable[c].ColumnPlace;
    throw ProgramError("\"" + place + "\" is not a place this column can stand at.");
  }
  ColumnEntry& column = form.ColumnTable[c];
  column.ColumnPlace = place;
  column.ColumnDestination = place;
  SaveColumns(form);
}

void GUNameBoxChange(TMainForm& form) {
  const std::string unit = form.GUNameBox.Text;
  const int c = SelectedColumn(form);
  if (unit == "Select New Unit" || c < 0) return;
  if (form.GUNameBox.ItemIndex() < 0) {
    form.GUNameBox.Text = "Select New Unit";
    throw ProgramError("\"" + unit + "\" is not a unit type of gobjects.tavrek.");
  }
  ColumnEntry& column = form.ColumnTable[c];
  column.ColumnArmy =
      Trim(column.ColumnType.substr(column.ColumnType.empty() ? 0 : column.ColumnType.size() - 1));
  // The chief's name and the blank after it stay; the unit type after them changes.
  const size_t chief = column.ColumnType.find("Chief");
  const std::string head =
      chief != std::string::npos
          ? column.ColumnType.substr(0, std::min(chief + 6, column.ColumnType.size()))
          : column.ColumnName + " ";
  column.ColumnType = head + unit;
  SaveColumns(form);
  SetUpGround(form);
  form.GUBox.SetItemIndex(c);
  GUBoxChange(form);
}

void ColumnNameEditChange(TMainForm& form) {
  const int c = SelectedColumn(form);
  if (c < 0) return;
  ColumnEntry& column = form.ColumnTable[c];
  const std::string name = Trim(form.ColumnNameEdit.Text);
  if (name.empty() || static_cast<int>(name.size()) > kLongestUnitName) return;
  if (AsciiLowerCase(name) != "sunk") {
    for (int other = 0; other <= form.LastColumn; ++other) {
      if (other == c || form.ColumnTable[other].ColumnUnitName != name) continue;
      // Refused before anything is saved.
      form.ColumnNameEdit.Text = column.ColumnUnitName;
      throw ProgramError(form.Messages.Text(MessageSection::kErrors, 21));
    }
  }
  if (column.ColumnUnitName == name) return;
  column.ColumnUnitName = name;
  SaveColumns(form);
}

void ColumnNameEditKeyPress(TMainForm& form, char& key) {
  (void)form;
  if (key == kBackspace || kNameCharacters.find(key) != std::string_view::npos) return;
  key = 0;
}

void SObBoxChange(TMainForm& form) {
  const int k = SelectedObject(form);
  if (k < 0) return;
  const StationaryEntry& object = form.StationaryObjectTable[k];
  form.SObNationEdit.Text = SideWord(object.StationaryArmy);
  const int nearest = object.StationaryNearestLocation;
  form.SLocationEdit.Text = nearest >= 0 && nearest <= form.LastLocation
                                ? std::as_const(form.LocationTable)[nearest].LocationName
                                : std::string();
  form.SActiveBox.Text = Contains(object.StationaryLine, "X ") ? "No" : "Yes";
}

void SActiveBoxChange(TMainForm& form) {
  const int k = SelectedObject(form);
  if (k < 0) return;
  std::string& line = form.StationaryObjectTable[k].StationaryLine;
  const std::string rest = Copy(line, 3, static_cast<int>(line.size()));
  if (form.SActiveBox.Text == "No") line = "X " + rest;
  if (form.SActiveBox.Text == "Yes") line = "  " + rest;
  SaveStationary(form);
}
