#include "campaign_progression/troop_cap.h"

#include <algorithm>
#include <string>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/errors.h"

int TroopCap(TMainForm& form) {
  const std::string text = Trim(form.TroopBox.Text);
  try {
    return StrToInt(text);
  } catch (const ConversionError&) {
    const std::string message = "The Maximum Troop Number \"" + text + "\" is not a whole number.";
    ErrorLog(form, message);
    throw ConversionError(message);
  }
}

void CapTroops(TMainForm& form, int cap) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    std::array<int, 3>& troops = form.LocationTable[i].TerritoryStrength;
    troops[1] = std::min(troops[1], cap);
    troops[2] = std::min(troops[2], cap);
  }
}
