#include "campaign_setup/start_territory.h"

#include <string>
#include <unordered_set>

#include "app/main_form.h"
#include "campaign_setup/campaign_list.h"

namespace {

constexpr int kAllied = 1;
constexpr int kAxis = 2;

bool IslandMap(const std::string& map) {
  return map == "Okinawa" || map == "Iwo" || map == "Marianas" || map == "Marianas_Online" ||
         map == "Palau";
}

// The owner by the side line, the zones, the further places and the Locale list.
void SetOwner(LocationEntry& location, const CampaignListEntry& entry, bool is_locale) {
  const std::string& name = location.LocationName;
  if (entry.side == "Red") location.LocationArmy = "2";
  if (entry.side == "Blue") location.LocationArmy = "1";
  if (name == entry.axis_zone) location.LocationArmy = "2";
  if (name == entry.allied_zone) location.LocationArmy = "1";
  if (name == entry.further_axis) location.LocationArmy = "2";
  if (name == entry.further_allied) location.LocationArmy = "1";
  if (is_locale && entry.side == "Red") location.LocationArmy = "1";
  if (is_locale && entry.side == "Blue") location.LocationArmy = "2";
}

}  // namespace

void SetStartTerritory(TMainForm& form, const CampaignListEntry& entry) {
  std::unordered_set<std::string> locales;
  for (const std::string& locale : entry.locales) {
    if (!locale.empty()) locales.insert(locale);
  }
  const bool island_map = IslandMap(form.MapName);
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& location = form.LocationTable[i];
    SetOwner(location, entry, locales.count(location.LocationName) > 0);
    if (location.LocationName == entry.front_center) {
      location.LocationArmy = "0";
      form.FrontCenterIndex = i;
      form.FrontCenterPosition = location.LocationPosition;
      location.TerritoryStrength[kAllied] = 50;
      location.TerritoryStrength[kAxis] = 50;
    }
    if (location.LocationArmy == "2") location.TerritoryStrength[kAxis] = 20;
    if (location.LocationArmy == "1") location.TerritoryStrength[kAllied] = 20;
    if (location.LocationArmy == "2" && island_map) location.TerritoryStrength[kAxis] = 50;
  }
}
