#include "campaign_progression/front_object_classes.h"

#include <initializer_list>
#include <string_view>

#include "app/main_form.h"
#include "platform/ascii.h"

namespace {

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> names) {
  for (const std::string_view name : names) {
    if (text == name) return true;
  }
  return false;
}

bool IsPacificEditionOf(const TMainForm& form) {
  return IsOneOf(form.GameID, {"PF", "PFm", "PE2", "1946"});
}

// American equipment by date.
std::string UnitedStatesClass(const TMainForm& form) {
  if (form.CampaignYear < 1943 && form.CampaignMonth < 6) return "_50calMG_water_US";
  if (form.CampaignYear < 1944) return "M3A1Stuart";
  return "M5_75mm";
}

}  // namespace

std::string FrontMapKey(const TMainForm& form) {
  const std::string& load = form.MapLoadPath;
  if (load != "None" && load.size() > 4) return AsciiLowerCase(load.substr(0, load.find('/')));
  return AsciiLowerCase(form.MapName);
}

std::string AlliedFrontClass(TMainForm& form) {
  const int year = form.CampaignYear;
  const std::string key = FrontMapKey(form);
  std::string chosen = "ZIS3";
  if (year < 1942) chosen = "ATG38_45mm";
  if (year == 1942 && form.Random(3) == 0) chosen = "ATG38_45mm";
  if (year < 1938) chosen = "T40S";
  if ((year == 1941 || year == 1942) &&
      IsOneOf(form.MapName, {"SandsOfTime", "Normandy", "Normandy1"})) {
    chosen = "MatildaMkII_UK";
  }
  const bool pacific_map =
      IsOneOf(key, {"coralsea", "guadal", "guadal43", "tarawa", "marianas", "marianas_online",
                    "japan1", "palau", "okinawa", "newguinea", "midway", "hawaii", "wake", "iwo",
                    "singapore", "burma", "singapore1", "nweurope"});
  const bool western_map_with_americans =
      IsOneOf(key, {"net8islands", "sandsoftime", "normandy1", "normandy", "ardennes"}) &&
      IsPacificEditionOf(form);
  if (pacific_map || western_map_with_americans) chosen = UnitedStatesClass(form);
  if (form.AlliedID == 2 && IsPacificEditionOf(form)) chosen = UnitedStatesClass(form);
  if (form.AlliedID == 14) {
    chosen = "ZIS3";
    if (year < 1943) chosen = "ATG38_45mm";
    if (year == 1942 && form.Random(3) == 0) chosen = "ATG38_45mm";
    if (year < 1938 && IsOneOf(form.GameID, {"PFm", "PE2", "1946"})) chosen = "Maxime";
  }
  if (form.AlliedID == 3 || form.AlliedID == 4) {
    chosen = "_50calMG_water_US";
    if (year == 1940 || year == 1941) {
      chosen = form.AlliedID == 3 ? "MatildaMkII_AU" : "MatildaMkII_UK";
    }
    if (year == 1942) chosen = "ValentineII";
    if (year > 1942) chosen = "M5_75mm";
  }
  if (form.AlliedID == 12 && form.GameID == "PF") {
    chosen = "Maxime";
    if (year > 1943) chosen = "M4A2_US";
  }
  if ((form.AlliedID == 7 || form.AlliedID == 5) && form.GameID == "PF") {
    chosen = "Maxime";
    if (year > 1939) chosen = "Type38_75mm";
    if (year > 1943) chosen = "M5_75mm";
  }
  return chosen;
}

namespace {

// The first eight rules of the Axis table: German equipment by date.
void GermanClassByDate(TMainForm& form, std::string& chosen) {
  const int year = form.CampaignYear;
  chosen = "PaK38";
  if (year < 1939) chosen = "PaK35";
  if (year == 1940 && form.Random(5) == 0) chosen = "PaK35";
  if (year == 1941 && form.Random(8) == 0) chosen = "PaK35";
  if (year == 1942 && form.Random(5) == 0) chosen = "ZIS3";
  if (year == 1942 && form.Random(5) == 0) chosen = "PaK40";
  if (year > 1942) chosen = "PaK40";
  if ((year == 1941 || year == 1942) && form.Random(4) == 0) chosen = "Flak18_88mm";
}

}  // namespace

std::string AxisFrontClass(TMainForm& form) {
  const int year = form.CampaignYear;
  const std::string key = FrontMapKey(form);
  std::string chosen;
  GermanClassByDate(form, chosen);
  const bool pacific_map =
      IsOneOf(key, {"coralsea", "guadal", "guadal43", "tarawa", "marianas", "palau",
                    "marianas_online", "japan1", "okinawa", "hawaii", "newguinea", "midway", "wake",
                    "iwo", "burma", "singapore", "singapore1"}) ||
      (key == "net8islands" && form.GameID == "PF");
  if (pacific_map) chosen = "Type94_37mm_JA";
  if (form.AxisID == 11 && IsPacificEditionOf(form)) {
    chosen = "Type94_37mm_JA";
    if (year > 1942 && form.Random(3) == 0) chosen = "Type38_75mm";
  }
  if (form.AxisID == 8) GermanClassByDate(form, chosen);
  if (form.AxisID != 1 && form.AxisID != 8 && form.AxisID != 11) chosen = "PaK35";
  if (form.AxisID == 13 && year < 1941) chosen = "Type94_37mm_JA";
  return chosen;
}
