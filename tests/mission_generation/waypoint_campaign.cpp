#include "tests/mission_generation/waypoint_campaign.h"

#include "campaign_data/option_defaults.h"

namespace {

struct Place {
  const char* name;
  const char* position;
  const char* off_map;
};

constexpr Place kPlaces[] = {
    {"Alpha_Airfield", "10000.00 10000.00", "N"}, {"Bravo_Town", "40000.00 20000.00", "N"},
    {"Charlie_Town", "20000.00 40000.00", "N"},   {"Delta_Seaplane_Base", "5000.00 30000.00", "N"},
    {"Echo_Airfield", "60000.00 10000.00", "N"},  {"Far_Airfield", "-90000.00 10000.00", "Y"},
    {"Kilo_Airfield", "30000.00 70000.00", "N"},  {"North_Sea", "80000.00 80000.00", "N"},
};

}  // namespace

WaypointCampaign::WaypointCampaign() {
  TMainForm& f = form();
  SetOptionDefaults(f);
  f.TransitAltBox.Text = "Default";
  f.CruiseBox.Text = "Default";
  f.IngressBox.Text = "Default";

  int index = 0;
  for (const Place& place : kPlaces) {
    LocationEntry& location = f.LocationTable[index++];
    location.LocationName = place.name;
    location.LocationPosition = place.position;
    location.LocationOffMap = place.off_map;
  }
  f.LastLocation = index - 1;

  // A carrier task group that carries a squadron, and an escort column beside it.
  ColumnEntry& escort = f.ColumnTable[0];
  escort.ColumnName = "1_Chief";
  escort.ColumnUnitName = "Destroyer_Screen";
  ColumnEntry& carrier = f.ColumnTable[1];
  carrier.ColumnName = "2_Chief";
  carrier.ColumnUnitName = kCarrierGroup;
  f.LastColumn = 1;

  // A destroyed and an intact carrier nearest to Kilo_Airfield, and a landing craft there.
  const char* objects[] = {
      "X 7_Static ships.Ship$CV_Yorktown 1 30100.00 70100.00 0.00 0.0",
      "  8_Static ships.Ship$LCVP 1 30200.00 70200.00 0.00 0.0",
      "  9_Static ships.Ship$CV_Essex 1 30300.00 70300.00 0.00 0.0",
      "  10_Static ships.Ship$CV_Hornet 1 30400.00 70400.00 0.00 0.0",
  };
  index = 0;
  for (const char* line : objects) {
    StationaryEntry& object = f.StationaryObjectTable[index++];
    object.StationaryLine = line;
    object.StationaryNearestLocation = kKiloAirfield;
  }
  f.LastStationary = index - 1;
}

int WaypointCampaign::AddSquadron(const std::string& name, const std::string& role,
                                  const std::string& army, int base_location, int target_location) {
  TMainForm& f = form();
  const int index = ++f.LastSquadron;
  SquadronEntry& squadron = f.SquadronTable[index];
  squadron.SquadronName = name;
  squadron.SquadronRole = role;
  squadron.SquadronArmy = army;
  squadron.SquadronClass = "Class air.Test" + role;
  squadron.TypeTransitAlt = "3000 Meters";
  squadron.TypeCruiseSpeed = "300.00 kph";
  squadron.TypeIngressSpeed = "350.00 kph";
  squadron.TypeRange = "Default";
  squadron.TypePayload2 = "extra";
  squadron.TypePayload5 = "none";
  squadron.TypeDefaultWeapons = "default";
  squadron.SquadronWeapons = "default";
  squadron.SquadronTaskCode = "1";
  squadron.SquadronTargetLocation = target_location;
  if (base_location >= 0) {
    const LocationEntry& base = f.LocationTable[base_location];
    squadron.SquadronHomeBase = base.LocationName;
    squadron.SquadronTakeOffLeg = "TAKEOFF " + base.LocationPosition;
    squadron.SquadronLandingLeg = "LANDING " + base.LocationPosition;
  }
  return index;
}

int WaypointCampaign::AddCarrierSquadron(const std::string& name, const std::string& role,
                                         int target_location) {
  const int index = AddSquadron(name, role, "1", -1, target_location);
  SquadronEntry& squadron = form().SquadronTable[index];
  squadron.SquadronHomeBase = kCarrierGroup;
  squadron.SquadronTakeOffLeg = "TAKEOFF 75000.00 60000.00";
  return index;
}

void WaypointCampaign::SetBriefs(int line, const std::string& text) {
  form().Messages.Message[static_cast<int>(MessageSection::kBriefs)][line] = text;
}
