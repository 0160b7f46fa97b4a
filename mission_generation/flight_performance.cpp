#include "mission_generation/flight_performance.h"

#include "app/main_form.h"

// Not built yet: fixed answers.
int AltitudeSet(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
  return 3000;
}
std::string SetSpeed(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
  return "300.00";
}
std::string SetIngressSpeed(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
  return "300.00";
}
std::string PayloadType(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
  return "X";
}
