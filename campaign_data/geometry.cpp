#include "campaign_data/geometry.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

int GetDistance(const std::string& a, const std::string& b) {
  (void)a;
  (void)b;
  return 0;
}
std::string TDistance(TMainForm& form, const std::string& a, const std::string& b,
                      const std::string& radius_source) {
  (void)form;
  (void)a;
  (void)b;
  (void)radius_source;
  return "N";
}
std::string Distance(TMainForm& form, const std::string& position, int squadron, int range_rule) {
  (void)form;
  (void)position;
  (void)squadron;
  (void)range_rule;
  return "N";
}
std::string PatrolDistance(TMainForm& form, const std::string& a, const std::string& b) {
  (void)form;
  (void)a;
  (void)b;
  return "N";
}
void GetCoordinates(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
}
std::string MoveCoordinates(TMainForm& form, const std::string& position, int dx, int dy) {
  (void)form;
  (void)dx;
  (void)dy;
  return position;
}
std::string MapCoordinate(TMainForm& form, const std::string& position) {
  (void)form;
  (void)position;
  return "";
}
std::string MapLocation(TMainForm& form, const std::string& position) {
  (void)form;
  (void)position;
  return "";
}
std::string GetAngle(const std::string& a, const std::string& b) {
  (void)a;
  (void)b;
  return "360";
}
std::string OffMapCheck(TMainForm& form, const std::string& location_name) {
  (void)form;
  (void)location_name;
  return "N";
}
