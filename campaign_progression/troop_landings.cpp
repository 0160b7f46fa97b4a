// Troops brought to a place by columns, paratroops and gliders.

#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/nearest_owned_place.h"
#include "campaign_progression/news_items.h"
#include "campaign_progression/place_index.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/territory_capture.h"
#include "campaign_progression/troop_cap.h"
#include "platform/errors.h"

namespace {

constexpr int kTroopsPerColumn = 10;
constexpr int kParatroops = 1;
constexpr int kGliderTroops = 10;
constexpr int kParatroopNews = 19;
constexpr int kGliderNews = 30;
constexpr long long kLandingReach = 3000;  // metres from the landing to the place it takes

std::string WithoutFirst(std::string text, const std::string& part) {
  const size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
  return text;
}

// The town a column stands at or beside: a harbour, station, port or seaplane base names it.
std::string TownOfPlace(const std::string& place) {
  return WithoutFirst(
      WithoutFirst(WithoutFirst(WithoutFirst(place, "_Harbor"), "_Station"), "_Port"),
      "_Seaplane_Base");
}

int SideNumber(const std::string& army) {
  if (army == "1") return 1;
  if (army == "2") return 2;
  return 0;
}

struct Landing {
  std::string squadron;
  long long x = 0;
  long long y = 0;
};

// "<aircraft id>(0) ... at x y": the squadron is the id without its last two characters.
bool ReadLanding(const std::string& line, Landing& landing) {
  const size_t open = line.find('(');
  const std::string id = Trim(line.substr(0, open));
  landing.squadron = id.size() >= 2 ? id.substr(0, id.size() - 2) : std::string();
  const size_t at = line.find("at ");
  if (at == std::string::npos) return false;
  const std::string position = Trim(line.substr(at + 3));
  const size_t blank = position.find(' ');
  if (blank == std::string::npos) return false;
  try {
    landing.x = ReadWholeMetreNumber(Trim(position.substr(0, blank)));
    landing.y = ReadWholeMetreNumber(Trim(position.substr(blank + 1)));
  } catch (const ConversionError&) {
    return false;
  }
  return true;
}

// The location nearest to the landing; of equally near ones the first.
int NearestLocation(const TMainForm& form, const Landing& landing, long long& distance) {
  int nearest = -1;
  distance = 999999999;
  for (int i = 0; i <= form.LastLocation; ++i) {
    WholeMetrePoint point;
    try {
      point = ReadWholeMetres(std::as_const(form.LocationTable)[i].LocationPosition);
    } catch (const ConversionError&) {
      continue;
    }
    const long long d = NearestOwnedPlace::Distance(point.x, point.y, landing.x, landing.y);
    if (d < distance) {
      distance = d;
      nearest = i;
    }
  }
  return nearest;
}

void AddLandingNews(TMainForm& form, const LocationEntry& location, const std::string& kind) {
  if (Contains(form.NewsText, location.LocationName)) return;
  const std::string grid = MapCoordinate(form, location.LocationPosition);
  if (kind == "Para") {
    form.NewsText +=
        News(form, kParatroopNews).text + " " + location.LocationName + " " + grid + ".\r\n";
  } else {
    form.NewsText +=
        ReplaceTextProcedure(News(form, kGliderNews).text, "<TGTNAME>", location.LocationName) +
        " " + grid + " \r\n";
  }
}

}  // namespace

void TroopBuildup(TMainForm& form, const std::vector<int>& columns, const PlaceIndex& places) {
  if (columns.empty()) return;
  const int cap = TroopCap(form);
  for (const int c : columns) {
    const ColumnEntry& column = form.ColumnTable[c];
    const std::string town = TownOfPlace(column.ColumnPlace);
    if (ContainsAny(town, {"_Rail", "Ocean", "Harbor", "_Port", "Station", "_Bay", "Sea"}))
      continue;
    const int at = places.Find(town);
    if (at < 0) continue;
    const int side = SideNumber(column.ColumnArmy);
    if (side == 0) {
      ErrorLog(form, "Column " + column.ColumnName + " has the army \"" + column.ColumnArmy +
                         "\"; it brings no troops to " + town + ".");
      continue;
    }
    form.LocationTable[at].TerritoryStrength[side] += kTroopsPerColumn;
  }
  // Troops brought to a place the enemy holds are lost at once; no side holds more than the cap.
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& location = form.LocationTable[i];
    std::array<int, 3>& troops = location.TerritoryStrength;
    if (location.LocationArmy == "2" && troops[1] > 0) troops[1] = 0;
    if (location.LocationArmy == "1" && troops[2] > 0) troops[2] = 0;
  }
  CapTroops(form, cap);
  DefineTerritory(form);
}

void ParatroopCapture(TMainForm& form, const std::string& line, const std::string& kind) {
  ErrorLog(form, "Paratroop routine.");
  Landing landing;
  if (!ReadLanding(line, landing)) {
    ErrorLog(form, "The landing \"" + line + "\" gives no map position; no place is taken.");
    return;
  }
  for (int s = 0; s <= form.LastSquadron; ++s) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    if (squadron.SquadronName != landing.squadron) continue;
    long long distance = 0;
    const int nearest = NearestLocation(form, landing, distance);
    if (nearest < 0 || distance >= kLandingReach) continue;
    LocationEntry& location = form.LocationTable[nearest];
    if (!IsLandLocation(location.LocationName)) continue;
    location.LocationArmy = "0";
    AddLandingNews(form, location, kind);
    const int side = SideNumber(squadron.SquadronArmy);
    if (side != 0) location.TerritoryStrength[side] += kind == "Para" ? kParatroops : kGliderTroops;
    DefineTerritory(form);
  }
}
