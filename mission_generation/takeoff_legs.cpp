#include "mission_generation/takeoff_legs.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/table_lookups.h"
#include "campaign_data/text.h"
#include "mission_generation/base_directory.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/squadron_mission.h"
#include "mission_generation/waypoint_settings.h"
#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"

namespace {

constexpr int kEscortFirstFlightBriefsLine = 18;

struct CircleSize {
  long long near;
  long long far;
};

CircleSize CircleSizeOfFlight(int flight) {
  switch (flight) {
    case 1:
      return {4500, 9000};
    case 2:
      return {4000, 8000};
    case 3:
      return {3500, 7000};
    default:
      return {5000, 10000};
  }
}

bool ContainsAny(const std::string& text, std::initializer_list<std::string_view> parts) {
  for (std::string_view part : parts) {
    if (Contains(text, part)) return true;
  }
  return false;
}

bool IsAirfieldKindBase(const std::string& base) {
  return ContainsAny(base, {"Airfield", "Airstrip", "Harbor", "_Port", "Seaplane_Base"});
}

// The first ground column that carries the base, or -1.
int ShipColumnOfBase(const TMainForm& form, const std::string& base) {
  if (base.empty()) return -1;
  return FindColumnByUnitName(form, base);
}

bool IsCarrierLine(const std::string& line) {
  return Contains(line, "Ship$") &&
         (Contains(line, "Ship$Rwy") || (Contains(line, "CV") && !Contains(line, "LCVP")));
}

// The name of the first intact carrier among the static objects nearest to the base, or "".
std::string CarrierNearBase(const TMainForm& form, const std::string& base) {
  if (base.empty()) return "";
  for (int i = 0; i <= form.LastStationary; ++i) {
    const StationaryEntry& object = form.StationaryObjectTable[i];
    const int nearest = object.StationaryNearestLocation;
    if (!LocationTableType::Contains(nearest) ||
        std::as_const(form.LocationTable)[nearest].LocationName != base) {
      continue;
    }
    if (StartsWith(object.StationaryLine, "X ") || !IsCarrierLine(object.StationaryLine)) continue;
    const std::string line = Trim(object.StationaryLine);
    return line.substr(0, line.find(' '));
  }
  return "";
}

bool SharesBaseWithEscorted(const TMainForm& form, int squadron) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  const int escorted = entry.SquadronEscortOf;
  return SquadronTableType::Contains(escorted) &&
         form.SquadronTable[escorted].SquadronHomeBase == entry.SquadronHomeBase;
}

bool FlightCircles(const TMainForm& form, int squadron) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  const std::string& role = entry.SquadronRole;
  const bool escorts = entry.SquadronEscortOf != -1;
  const bool escorted = entry.SquadronEscortedBy != -1;
  const bool escorts_from_elsewhere =
      entry.SquadronEscortOf >= 0 && !SharesBaseWithEscorted(form, squadron);
  const bool shared_base = !escorts_from_elsewhere && role != "6" &&
                           ContainsAny(entry.SquadronHomeBase, {"Airfield", "Airstrip"});

  const std::string& option = form.TOCircle.Text;
  if (option == "All Types") return true;
  if (option == "Only Escorts & Escorted") return (escorts || escorted) && shared_base;
  if (option == "All Bombers & Escorts") return (role != "1" || escorts) && shared_base;
  if (option == "Level Bombers & Escorts") return (role == "2" || escorts) && shared_base;
  if (option == "Bombers & Ground Attack") return role == "2" || role == "4" || role == "7";
  if (option == "Only Level Bombers") return role == "2";
  return false;
}

// The point the circle turns away from: the first rendezvous point of an escort pair, else
// the target.
MapMetres CircleReference(const TMainForm& form, int squadron) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  const bool escort_pair = entry.SquadronEscortOf != -1 || entry.SquadronEscortedBy != -1;
  const std::string rendezvous = Trim(entry.SquadronRendezvousLeg);
  if (escort_pair && !rendezvous.empty()) {
    return ReadLegPosition(rendezvous, kNormFlyKeyword,
                           "the rendezvous leg of " + SquadronLabel(form, squadron));
  }
  return ReadLocationPosition(form, entry.SquadronTargetLocation, SquadronLabel(form, squadron));
}

struct CirclePoint {
  long long along;
  long long across;
};

std::string ClimbingCircle(const TMainForm& form, int squadron, const MapMetres& centre,
                           const MapMetres& reference, int slot, int flight, int step,
                           const std::string& speed) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  const CircleSize size = CircleSizeOfFlight(flight);
  const long long c = slot;
  const CirclePoint points[5] = {
      {500 * c - 1, 500 * c - 5000}, {150 * c - size.near, 150 * c - size.far},
      {-size.far, -size.near},       {-size.far, -1},
      {-size.near, size.near},
  };
  const int sx = centre.x < reference.x ? 1 : -1;
  const int sy = centre.y < reference.y ? 1 : -1;
  const bool along_x = std::llabs(centre.x - reference.x) > std::llabs(centre.y - reference.y);

  const bool link_to_escorted = SharesBaseWithEscorted(form, squadron) &&
                                MissionTypeIsBriefs(form, squadron, kEscortFirstFlightBriefsLine);
  std::string circle;
  for (int k = 1; k <= 5; ++k) {
    const CirclePoint& point = points[k - 1];
    const long long dx = along_x ? point.along : point.across;
    const long long dy = along_x ? point.across : point.along;
    const long long altitude = 200 * c + static_cast<long long>(k) * step;
    circle += NormFlyLine(centre.x + dx * sx, centre.y + dy * sy, IntToStr(altitude), speed);
    if (k == 1 && link_to_escorted) {
      circle += " " + form.SquadronTable[entry.SquadronEscortOf].SquadronName + "0 1";
    }
    circle += kCrLf;
  }
  return circle;
}

// `carrier` is the intact carrier beside the base, "" when none.
void CompleteTakeOffWay(TMainForm& form, int squadron, int slot, int flight,
                        const std::string& carrier) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  const std::string speed = SetSpeed(form, squadron);
  int step = 300;
  if (squadron == 0) {
    if (const std::optional<int> player_step = ClimbStepBoxMetres(form.TakeOffStepAltBox)) {
      step = *player_step;
      slot = 0;
    }
  }

  const std::string& base = entry.SquadronHomeBase;
  std::string leg = entry.SquadronTakeOffLeg;
  bool completed = false;
  if (IsAirfieldKindBase(base)) {
    leg = "  " + Trim(leg) + " 0 0";
    completed = true;
  }
  const int column = ShipColumnOfBase(form, base);
  if (column >= 0) {
    leg = "  " + leg + " 0 0 " + form.ColumnTable[column].ColumnName + " 0";
    completed = true;
  }
  if (!carrier.empty()) {
    // A carrier's name follows the altitude and speed of the take-off line.
    if (!completed) leg = "  " + Trim(leg) + " 0 0";
    leg += " " + carrier + " 0";
  }

  // A leg without a take-off line (an air start) is emptied; its first cruise point, when it
  // has one, still centres the circle.
  std::string centre_leg = leg;
  std::string_view centre_keyword = kTakeOffKeyword;
  if (Contains(leg, "TAKEOFF")) {
    leg += kCrLf;
  } else {
    centre_leg = Trim(leg);
    centre_keyword = kNormFlyKeyword;
    leg.clear();
  }
  entry.SquadronTakeOffLeg = leg;
  if (!FlightCircles(form, squadron)) return;

  MapMetres centre;
  MapMetres reference;
  try {
    centre = ReadLegPosition(centre_leg, centre_keyword,
                             "the take-off leg of " + SquadronLabel(form, squadron));
    reference = CircleReference(form, squadron);
  } catch (const ConversionError& error) {
    ErrorLog(form, "Climbing circle left out: " + std::string(error.what()));
    return;
  }
  entry.SquadronTakeOffLeg +=
      ClimbingCircle(form, squadron, centre, reference, slot, flight, step, speed);
}

}  // namespace

void CreateTakeOffWay(TMainForm& form, int squadron, int slot, int flight) {
  const std::string& base = form.SquadronTable[squadron].SquadronHomeBase;
  CompleteTakeOffWay(form, squadron, slot, flight, CarrierNearBase(form, base));
}

void CreateTakeOffWay(TMainForm& form, const BaseDirectory& bases, int squadron, int slot,
                      int flight) {
  const std::string& base = form.SquadronTable[squadron].SquadronHomeBase;
  const std::string carrier = base.empty() ? "" : bases.IntactCarrier(form, base);
  CompleteTakeOffWay(form, squadron, slot, flight, carrier);
}
