#include "campaign_progression/armour_types.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/errors.h"

std::string ArmourKey(const std::string& armour_name) {
  return Trim(Copy(armour_name, 3, static_cast<int>(armour_name.size()))) + " ";
}

int ArmourTypeOf(const TMainForm& form, const std::string& column_type) {
  if (!Contains(column_type, "Armor")) return -1;
  int type = -1;
  for (int k = 0; k <= form.LastArmor; ++k) {
    if (Contains(column_type, ArmourKey(form.ArmorTable[k].ArmorName))) type = k;
  }
  return type;
}

int VehicleCount(TMainForm& form, int column) {
  const ColumnEntry& entry = form.ColumnTable[column];
  const size_t dot = entry.ColumnType.find('.');
  const std::string count =
      dot == std::string::npos ? std::string() : Trim(entry.ColumnType.substr(dot + 1, 1));
  try {
    return StrToInt(count);
  } catch (const ConversionError&) {
    ErrorLog(form, "Column " + entry.ColumnName + " (" + entry.ColumnType +
                       ") gives no vehicle count after its first \".\"; it counts no vehicles.");
    return 0;
  }
}
