#include "mission_generation/flight_range.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

int RangeTest(TMainForm& form, int squadron) {
  (void)squadron;
  return form.ActionRadiusKm > 300 ? 300 : form.ActionRadiusKm;
}
