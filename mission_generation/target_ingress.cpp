#include "mission_generation/target_ingress.h"

#include <cstdlib>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/squadron_mission.h"
#include "mission_generation/waypoint_settings.h"
#include "mission_generation/waypoint_text.h"

namespace {

constexpr int kLongApproachBriefsLines[] = {12, 23};

IngressFlight ReadIngressFlight(TMainForm& form, int squadron, int flight,
                                PayloadCategories& payloads) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  IngressFlight ingress;
  ingress.role = entry.SquadronRole;
  ingress.task_code = TaskCode(entry);
  ingress.payload = payloads.Of(form, squadron);
  for (int line : kLongApproachBriefsLines) {
    if (MissionTypeIsBriefs(form, squadron, line)) ingress.long_approach_mission = true;
  }
  ingress.offset_box = OffsetBoxMetres(form.IPOffsetBox);
  ingress.cruise_altitude = AltitudeSet(form, squadron);
  if (squadron == 0) ingress.player_altitude_box = AltitudeBoxMetres(form.IPAltBox);
  ingress.flight = flight;
  return ingress;
}

}  // namespace

int InitialPointOffset(const IngressFlight& flight) {
  int offset = 3000;
  if (flight.role == "7" || flight.role == "2" || flight.task_code == 6) offset = 7500;
  if (flight.payload == "T") offset = 12500;
  if (flight.long_approach_mission) offset = 25000;
  if (flight.offset_box) offset = *flight.offset_box;
  return offset;
}

int InitialPointAltitude(const IngressFlight& flight) {
  const int n = flight.flight;
  int altitude = flight.cruise_altitude + 100 * n;
  const bool attack_task = flight.task_code != 3;
  if (flight.role == "1" && attack_task && flight.payload == "B") altitude = 25 * n + 500;
  if (flight.role == "4" && attack_task) altitude = 25 * n + 500;
  if (flight.payload == "T") altitude = 50 * n + 2000;
  if (flight.player_altitude_box) altitude = *flight.player_altitude_box;
  return altitude;
}

void CreateTargetIngress(TMainForm& form, int squadron, int flight) {
  PayloadCategories payloads;
  CreateTargetIngress(form, squadron, flight, payloads);
}

void CreateTargetIngress(TMainForm& form, int squadron, int flight, PayloadCategories& payloads) {
  const IngressFlight ingress = ReadIngressFlight(form, squadron, flight, payloads);
  const std::string speed = SetSpeed(form, squadron);
  SquadronEntry& entry = form.SquadronTable[squadron];
  const std::optional<BaseAndTarget> positions =
      ReadBaseAndTargetOrLog(form, squadron, "Initial point");
  if (!positions) return;
  const MapMetres& base = positions->base;
  const MapMetres& target = positions->target;

  const int sx = base.x < target.x ? 1 : -1;
  const int sy = base.y < target.y ? 1 : -1;
  const long long offset = InitialPointOffset(ingress);
  MapMetres point;
  if (std::llabs(base.x - target.x) < std::llabs(base.y - target.y)) {
    point = {target.x + offset * sx, target.y - sy};
  } else {
    point = {target.x - sx, target.y + offset * sy};
  }
  entry.SquadronTargetLeg =
      NormFlyLine(point.x, point.y, AltitudeField(InitialPointAltitude(ingress)), speed) + " " +
      std::string(kCrLf) + entry.SquadronTargetLeg;
}
