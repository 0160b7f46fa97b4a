#include "campaign_data/aircraft_class_editor.h"

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/text.h"
#include "campaign_setup/panels.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

const std::string kNonFlyableWarning =
    "Warning: You should not assign a non-flyable plane type to a flyable plane type.";

std::vector<std::string> NumberedItems(int first, int last, int step, const std::string& unit) {
  std::vector<std::string> items;
  for (int value = first; value <= last; value += step) items.push_back(IntToStr(value) + unit);
  return items;
}

void FillFixedChoices(TMainForm& form) {
  form.PFamilyBox.Items = {"Fighter",       "Bomber",         "Transport",
                           "Ground-Attack", "Reconnaissance", "Seaplane/Floatplane",
                           "Dive Bomber"};
  form.FlyableBox.Items = {"No", "Yes"};
  const std::vector<std::string> years = NumberedItems(1938, 1946, 1, "");
  std::vector<std::string> months;
  for (int month = 1; month <= 12; ++month) months.push_back(ZeroPad(month, 2));
  form.PSYearBox.Items = years;
  form.PEYearBox.Items = years;
  form.PSMonthBox.Items = months;
  form.PEMonthBox.Items = months;

  form.ClassTransitBox.Items = {"Default", "300 Meters", "600 Meters"};
  for (const std::string& item : NumberedItems(1000, 9000, 500, " Meters")) {
    form.ClassTransitBox.Items.push_back(item);
  }
  form.TSpeedBox.Items = {"Default"};
  for (const std::string& item : NumberedItems(120, 500, 20, ".00 kph")) {
    form.TSpeedBox.Items.push_back(item);
  }
  form.IngressSpdBox.Items = form.TSpeedBox.Items;
  form.RangeBox.Items = {"Default", "50 km", "75 km"};
  for (const std::string& item : NumberedItems(100, 1000, 50, " km")) {
    form.RangeBox.Items.push_back(item);
  }
}

// The type chosen in PlaneTypeBox, or -1 (logged) when its text names no loaded type.
int ChosenType(TMainForm& form) {
  const int index = form.PlaneTypeBox.ItemIndex();
  if (index < 0 || index > form.LastAircraftClass) {
    ErrorLog(form, "Aircraft class editor: \"" + form.PlaneTypeBox.Text +
                       "\" is no aircraft type; the change is not stored.");
    return -1;
  }
  return index;
}

// A figure of a type that must be a number; a damaged class.tavrek stops the editor with the
// file, the line and the type named.
int ShownNumber(TMainForm& form, int type_index, const std::string& value, const char* what) {
  try {
    return StrToInt(value);
  } catch (const ConversionError& error) {
    const std::string message = "class.tavrek line " + IntToStr(type_index + 1) + " (" +
                                Excerpt(form.AircraftClassTable[type_index].ClassName) + "): the " +
                                what + " " + error.what();
    ErrorLog(form, message);
    throw ConversionError(message);
  }
}

void SaveClassChange(TMainForm& form) {
  SaveClasses(form);
  LoadSquadrons(form);
}

// Upgrade or downgrade of the chosen type. A flyable type takes only flyable types (and the
// words the caller allows); the table is left unchanged when the warning stops the command.
void AssignSuccessor(TMainForm& form, const TComboBox& box, std::string AircraftClassEntry::*field,
                     bool flyable_takes_random) {
  const int type = ChosenType(form);
  if (type < 0) return;
  const std::string text = box.Text;
  AircraftClassEntry& entry = form.AircraftClassTable[type];
  const bool flyable = entry.ClassFlyable == "1";
  if (flyable) {
    bool names_a_type = false;
    for (int other = 0; other <= form.LastAircraftClass; ++other) {
      if (form.AircraftClassTable[other].ClassName != text) continue;
      if (form.AircraftClassTable[other].ClassFlyable != "1") {
        ErrorLog(form, kNonFlyableWarning);
        throw ProgramError(kNonFlyableWarning);
      }
      names_a_type = true;
    }
    if (names_a_type) entry.*field = text;
  }
  if (!flyable || text == "none" || (flyable_takes_random && text == "random")) {
    entry.*field = text;
  }
  SaveClassChange(form);
}

bool AllDigits(const std::string& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

// A service date from its year and month boxes; the old date stays when they hold none.
void StoreServiceDate(TMainForm& form, const TComboBox& year, const TComboBox& month,
                      std::string& date, const std::string& what) {
  const bool valid = year.Text.size() == 4 && AllDigits(year.Text) && month.Text.size() == 2 &&
                     AllDigits(month.Text) && StrToInt(month.Text) >= 1 &&
                     StrToInt(month.Text) <= 12;
  if (!valid) {
    ErrorLog(form, "Aircraft class editor: " + what + " \"" + year.Text + month.Text +
                       "\" is no year and month; " + date + " is kept.");
    return;
  }
  date = year.Text + month.Text;
}

}  // namespace

void WireAircraftClassEditor(TMainForm& form) {
  form.AircraftPanel.Visible = false;
  form.AircraftPanel.Enabled = false;
  form.AirClass.Hint = "Aircraft Class Settings Panel";
  FillFixedChoices(form);

  form.PlaneEditor.OnClick = [&form] { PlaneEditorClick(form); };
  form.AirClass.OnClick = [&form] { PlaneEditorClick(form); };
  form.PlaneTypeBox.OnChange = [&form] { PlaneTypeBoxChange(form); };
  form.UpTypeBox.OnChange = [&form] { UpTypeBoxChange(form); };
  form.DownTypeBox.OnChange = [&form] { DownTypeBoxChange(form); };
  form.PFamilyBox.OnChange = [&form] { PFamilyBoxChange(form); };
  for (TComboBox* box :
       {&form.FlyableBox, &form.PSYearBox, &form.PSMonthBox, &form.PEYearBox, &form.PEMonthBox,
        &form.ClassTransitBox, &form.TSpeedBox, &form.RangeBox, &form.IngressSpdBox}) {
    box->OnChange = [&form] { FlyableBoxChange(form); };
  }
  for (TComboBox* box :
       {&form.DPBox, &form.GABox, &form.LBBox, &form.AABox, &form.DTBox, &form.ASBox}) {
    box->OnChange = [&form] { WeaponBoxChange(form); };
  }
}

void PlaneEditorClick(TMainForm& form) {
  CleanUpPanels(form);
  LoadPlaneInfo(form);
  form.DayStep = 0;
  form.AircraftPanel.Enabled = true;
  form.AircraftPanel.Visible = true;
  form.InfoLabel.Caption = "Aircraft Class Settings";
  form.DescLabel.Caption =
      "Changes will impact all campaigns using the class and payload data files located in:\r\n" +
      ExtractFilePath(ReferenceFilePath(form, "class.tavrek"));

  std::vector<std::string> names;
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    names.push_back(form.AircraftClassTable[i].ClassName);
  }
  form.PlaneTypeBox.Items = names;
  names.push_back("random");
  names.push_back("none");
  form.UpTypeBox.Items = names;
  form.DownTypeBox.Items = names;
  if (form.LastAircraftClass < 0) return;
  form.PlaneTypeBox.SetItemIndex(0);
  PlaneTypeChange(form, 0);
  LoadOutsList(form, 0);
}

void PlaneTypeChange(TMainForm& form, int type_index) {
  const AircraftClassEntry& entry = form.AircraftClassTable[type_index];
  form.UpTypeBox.Text = entry.ClassUpgrade;
  form.DownTypeBox.Text = entry.ClassDowngrade;
  form.PSYearBox.Text = Copy(entry.ClassServiceStart, 1, 4);
  form.PSMonthBox.Text = Copy(entry.ClassServiceStart, 5, 2);
  form.PEYearBox.Text = Copy(entry.ClassServiceEnd, 1, 4);
  form.PEMonthBox.Text = Copy(entry.ClassServiceEnd, 5, 2);
  form.ClassTransitBox.Text = Trim(entry.ClassTransitAlt);
  form.TSpeedBox.Text = Trim(entry.ClassCruiseSpeed);
  form.RangeBox.Text = Trim(entry.ClassRange);
  form.IngressSpdBox.Text = Trim(entry.ClassIngressSpeed);
  form.PFamilyBox.SetItemIndex(ShownNumber(form, type_index, entry.ClassFamily, "category") - 1);
  form.FlyableBox.SetItemIndex(ShownNumber(form, type_index, entry.ClassFlyable, "flyable flag"));
}

void LoadOutsList(TMainForm& form, int type_index) {
  const AircraftClassEntry& entry = form.AircraftClassTable[type_index];
  std::vector<std::string> default_loads{"default"};
  std::vector<std::string> ground_attack{"default"};
  std::vector<std::string> level_bombing{"default"};
  std::vector<std::string> anti_shipping{"none"};
  std::vector<std::string> interception{"none", "default"};
  std::vector<std::string> long_range{"none"};
  // Without allpayloads.tavrek the boxes offer only the fixed choices, never the loadouts of
  // the type shown before.
  if (const auto all_payloads = ReadAllPayloads(form)) {
    for (const AllPayloadsLine& line : *all_payloads) {
      if (line.ClassName != entry.ClassName) continue;
      const std::string loadout = Trim(Copy(line.Loadout, 1, 29));
      if (line.Category == "A" || line.Category == "D") default_loads.push_back(loadout);
      if (line.Category == "B") {
        ground_attack.push_back(loadout);
        level_bombing.push_back(loadout);
      }
      if (line.Category == "B" || line.Category == "T") anti_shipping.push_back(loadout);
      if (line.Category == "A") interception.push_back(loadout);
      if (line.Category == "D") long_range.push_back(loadout);
    }
  }
  form.DPBox.Items = default_loads;
  form.GABox.Items = ground_attack;
  form.LBBox.Items = level_bombing;
  form.ASBox.Items = anti_shipping;
  form.AABox.Items = interception;
  form.DTBox.Items = long_range;
  form.DPBox.Text = entry.PayloadDefault;
  form.GABox.Text = entry.Payload2;
  form.LBBox.Text = entry.Payload4;
  form.ASBox.Text = entry.Payload6;
  form.AABox.Text = entry.Payload3;
  form.DTBox.Text = entry.Payload5;
}

void PlaneTypeBoxChange(TMainForm& form) {
  const int type = form.PlaneTypeBox.ItemIndex();
  if (type < 0 || type > form.LastAircraftClass) return;
  PlaneTypeChange(form, type);
  LoadOutsList(form, type);
}

void UpTypeBoxChange(TMainForm& form) {
  AssignSuccessor(form, form.UpTypeBox, &AircraftClassEntry::ClassUpgrade, true);
}

void DownTypeBoxChange(TMainForm& form) {
  AssignSuccessor(form, form.DownTypeBox, &AircraftClassEntry::ClassDowngrade, false);
}

void PFamilyBoxChange(TMainForm& form) {
  const int type = ChosenType(form);
  if (type < 0) return;
  const int family = form.PFamilyBox.ItemIndex();
  if (family < 0) {
    ErrorLog(form, "Aircraft class editor: \"" + form.PFamilyBox.Text +
                       "\" is no aircraft category; the change is not stored.");
    return;
  }
  form.AircraftClassTable[type].ClassFamily = IntToStr(family + 1);
  SaveClassChange(form);
}

void FlyableBoxChange(TMainForm& form) {
  const int type = ChosenType(form);
  if (type < 0) return;
  AircraftClassEntry& entry = form.AircraftClassTable[type];
  const int flyable = form.FlyableBox.ItemIndex();
  if (flyable >= 0) {
    entry.ClassFlyable = IntToStr(flyable);
  } else {
    ErrorLog(form, "Aircraft class editor: \"" + form.FlyableBox.Text + "\" is neither " +
                       "\"No\" nor \"Yes\"; the flyable flag " + entry.ClassFlyable + " is kept.");
  }
  entry.ClassTransitAlt = Trim(form.ClassTransitBox.Text);
  entry.ClassCruiseSpeed = Trim(form.TSpeedBox.Text);
  entry.ClassRange = Trim(form.RangeBox.Text);
  entry.ClassIngressSpeed = Trim(form.IngressSpdBox.Text);
  StoreServiceDate(form, form.PSYearBox, form.PSMonthBox, entry.ClassServiceStart, "service start");
  StoreServiceDate(form, form.PEYearBox, form.PEMonthBox, entry.ClassServiceEnd, "service end");
  SaveClassChange(form);
}

void WeaponBoxChange(TMainForm& form) {
  const int type = ChosenType(form);
  if (type < 0) return;
  AircraftClassEntry& entry = form.AircraftClassTable[type];
  entry.Payload2 = form.GABox.Text;
  entry.Payload4 = form.LBBox.Text;
  entry.Payload6 = form.ASBox.Text;
  entry.Payload3 = form.AABox.Text;
  entry.Payload5 = form.DTBox.Text;
  entry.PayloadDefault = form.DPBox.Text;
  SavePayloads(form);
}
