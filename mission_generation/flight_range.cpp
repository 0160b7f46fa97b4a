#include "mission_generation/flight_range.h"

#include <algorithm>
#include <string>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "platform/errors.h"

int RangeTest(TMainForm& form, int squadron) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  const int capped_radius = std::min(form.ActionRadiusKm, 300);
  int reach = capped_radius;
  if (entry.SquadronRole == "2") reach += 100;
  if (entry.SquadronRole == "6" && entry.SquadronClass != "Class air.A6M2N") reach += 100;
  if (entry.TypeRange != "Default") {
    std::string range = entry.TypeRange;
    const size_t unit = range.find("km");
    if (unit != std::string::npos) range.erase(unit, 2);
    try {
      reach = StrToInt(Trim(range));
    } catch (const ConversionError&) {
      reach = capped_radius;
    }
  }
  if (entry.TypePayload5 != "none") reach += 300;
  return reach;
}
