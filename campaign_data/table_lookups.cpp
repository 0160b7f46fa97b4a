#include "campaign_data/table_lookups.h"

#include "app/main_form.h"

int FindLocation(const TMainForm& form, std::string_view name) {
  return form.LocationNames.First(form.LocationTable, form.LastLocation, name);
}

int FindLocationAfter(const TMainForm& form, std::string_view name, int after) {
  return form.LocationNames.FirstAfter(form.LocationTable, form.LastLocation, name, after);
}

int FindColumnByUnitName(const TMainForm& form, std::string_view unit_name) {
  return form.ColumnUnitNames.First(form.ColumnTable, form.LastColumn, unit_name);
}

int FindColumnByUnitNameAfter(const TMainForm& form, std::string_view unit_name, int after) {
  return form.ColumnUnitNames.FirstAfter(form.ColumnTable, form.LastColumn, unit_name, after);
}
