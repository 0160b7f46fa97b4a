#include "mission_generation/aircraft_replacements.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/text.h"
#include "campaign_setup/paints.h"
#include "platform/errors.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int SaturatingAdd(int a, int b) {
  const long long sum = static_cast<long long>(a) + b;
  return static_cast<int>(
      std::clamp<long long>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int StrengthValue(const SquadronEntry& squadron, const char* field, const std::string& text) {
  try {
    return StrToInt(text);
  } catch (const ConversionError& error) {
    throw ConversionError("Squadron " + squadron.SquadronName + ": its " + field + " \"" + text +
                          "\" is not a number (" + error.what() + ")");
  }
}

// The planes the squadron's flights need: planes per flight times flights per squadron.
int PlanesNeeded(const TMainForm& form, const SquadronEntry& squadron) {
  return squadron.PlanesExtra * form.FlightsPerSquadron;
}

SupplyRate SideSupplyRate(const TMainForm& form, const std::string& side) {
  if (side == "1" || side == "2") return ReadSupplyRate(form.SupplyRate[side == "1" ? 1 : 2]);
  return SupplyRate{};
}

bool HasDowngradeType(const SquadronEntry& squadron) {
  const std::string type = Trim(squadron.TypeDowngrade);
  return !type.empty() && type != "none";
}

}  // namespace

SupplyRate ReadSupplyRate(const std::string& text) {
  if (text.empty() || !IsDigit(text[0])) return SupplyRate{};
  return SupplyRate{text[0] - '0', Contains(text, "Week")};
}

bool ReplacementsArrive(const SupplyRate& rate, int day_step, int campaign_day) {
  if (!rate.weekly || day_step == 0) return true;
  return campaign_day == 7 || campaign_day == 14 || campaign_day == 21 || campaign_day == 28;
}

ReplacedStrength StrengthAfterReplacements(int planes, int arriving, int minimum, int maximum,
                                           int floor) {
  int strength = SaturatingAdd(planes, arriving);
  maximum = std::max(maximum, minimum);
  strength = std::max(strength, floor);
  strength = std::max(strength, minimum);
  strength = std::min(strength, maximum);
  return ReplacedStrength{strength, maximum};
}

void ReplaceAircraft(TMainForm& form) {
  // Every strength is read before any is changed, so a bad one leaves the table as it was.
  std::vector<ReplacedStrength> strengths(static_cast<size_t>(std::max(form.LastSquadron + 1, 0)));
  for (int i = 0; i <= form.LastSquadron; ++i) {
    const SquadronEntry& squadron = form.SquadronTable[i];
    if (squadron.SquadronName.empty()) continue;
    const SupplyRate rate = SideSupplyRate(form, squadron.SquadronArmy);
    const int arriving = ReplacementsArrive(rate, form.DayStep, form.CampaignDay) ? rate.planes : 0;
    const bool player_offline = i == 0 && !form.Coop.Checked && !form.Dogfight.Checked;
    // Read one after the other, so a bad file always reports the same field first.
    const int planes = StrengthValue(squadron, "strength", squadron.PlanesFlight);
    const int minimum = StrengthValue(squadron, "minimum", squadron.PlanesLost);
    const int maximum = StrengthValue(squadron, "maximum", squadron.PlanesMax);
    strengths[static_cast<size_t>(i)] =
        StrengthAfterReplacements(planes, arriving, minimum, maximum, player_offline ? 2 : 0);
  }
  for (int i = 0; i <= form.LastSquadron; ++i) {
    SquadronEntry& squadron = form.SquadronTable[i];
    if (squadron.SquadronName.empty()) continue;
    const ReplacedStrength& strength = strengths[static_cast<size_t>(i)];
    squadron.PlanesMax = IntToStr(strength.maximum);
    squadron.PlanesFlight = IntToStr(strength.planes);
    squadron.PlanesAvailable = squadron.PlanesFlight;
  }
}

void DowngradeAircraft(TMainForm& form) {
  for (int i = 0; i <= form.LastSquadron; ++i) {
    SquadronEntry& squadron = form.SquadronTable[i];
    // The flags of the mission just flown have served its scoring; from here they name this
    // pass's downgrades only.
    squadron.DowngradePaint.clear();
    squadron.DowngradeFlag.clear();
    if (squadron.SquadronName.empty()) continue;
    const int needed = PlanesNeeded(form, squadron);
    const int planes = StrengthValue(squadron, "strength", squadron.PlanesFlight);
    const int maximum = StrengthValue(squadron, "maximum", squadron.PlanesMax);
    if (planes >= needed || planes >= maximum || !form.AircraftDowngrades.Checked ||
        !HasDowngradeType(squadron)) {
      continue;
    }
    squadron.SquadronClass = "Class air." + Trim(squadron.TypeDowngrade);
    squadron.PlanesFlight = IntToStr(std::min(needed, maximum));
    GetSquadronInfo(form, i);
    // The standard paint of the new type shows the borrowed planes; the squadron keeps its own.
    const std::string own_markings = squadron.SquadronMarkings;
    const std::string own_skin = squadron.SquadronSkin;
    ApplySingleUniversalPaint(form, i);
    squadron.DowngradePaint = Trim(squadron.SquadronMarkings) + Trim(squadron.SquadronSkin);
    squadron.SquadronMarkings = own_markings;
    squadron.SquadronSkin = own_skin;
    squadron.DowngradeFlag = "Y";
  }
}
