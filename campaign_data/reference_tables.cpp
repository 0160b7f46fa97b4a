#include "campaign_data/reference_tables.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ArmorList(TMainForm& form) {
  (void)form;
}
void LoadShipInfo(TMainForm& form) {
  (void)form;
}
void InitializeGroundUnits(TMainForm& form) {
  (void)form;
}
void MapList(TMainForm& form, const std::string& map_name) {
  (void)form;
  (void)map_name;
}
void FrontObjects(TMainForm& form) {
  (void)form;
}
