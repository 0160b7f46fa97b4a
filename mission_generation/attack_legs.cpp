#include "mission_generation/attack_legs.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/text.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/flight_range.h"
#include "mission_generation/squadron_mission.h"
#include "mission_generation/waypoint_settings.h"
#include "mission_generation/waypoint_text.h"

namespace {

// Cruise points lifted to the flight's own altitude, at most.
constexpr int kAltitudeLifts = 11;
// A patrol over its own base flies one more circuit for each range the radius exceeds.
constexpr int kHomePatrolRangesKm[] = {99, 199, 399, 599};
constexpr int kCircuitCopiesOfPatrol = 3;
constexpr int kLowReconAltitude = 1000;

bool IsPatrolTask(int task_code) {
  return task_code == 6 || task_code == 7;
}

// A ground-attack squadron, or a fighter carrying bombs, on an attack task.
bool LowAttacker(const AttackFlight& flight) {
  const bool attacker = flight.role == "4" || (flight.role == "1" && flight.payload == "B");
  return attacker && flight.task_code != 3;
}

// Points given as offsets from the target: `along` on the main axis of the flight from its
// base, `across` on the other, each positive the way the flight travels on that axis.
class RunGeometry {
 public:
  RunGeometry(const MapMetres& base, const MapMetres& target)
      : target_(target),
        sx_(base.x < target.x ? 1 : -1),
        sy_(base.y < target.y ? 1 : -1),
        along_y_(std::llabs(base.x - target.x) < std::llabs(base.y - target.y)) {}

  MapMetres Point(long long along, long long across) const {
    const long long dx = along_y_ ? across : along;
    const long long dy = along_y_ ? along : across;
    return {target_.x + dx * sx_, target_.y + dy * sy_};
  }

 private:
  MapMetres target_;
  int sx_;
  int sy_;
  bool along_y_;
};

std::string PointLine(const MapMetres& point, int altitude, const std::string& speed) {
  return NormFlyLine(point.x, point.y, AltitudeField(altitude), speed) + " " + std::string(kCrLf);
}

// Lifts the first lines of the leg whose altitude field reads the cruise altitude. Planned
// lines holding the placeholder, and coordinates that happen to read the same, stay as they are.
std::string LiftCruiseAltitude(std::string leg, int cruise_altitude, int lifted_altitude) {
  const std::string from = AltitudeField(cruise_altitude);
  const std::string to = AltitudeField(lifted_altitude);
  if (from == to) return leg;
  int lifts = 0;
  size_t line_start = 0;
  while (line_start < leg.size() && lifts < kAltitudeLifts) {
    size_t line_end = leg.find('\n', line_start);
    if (line_end == std::string::npos) line_end = leg.size();
    // Fields: keyword, x, y, altitude.
    size_t field_start = line_start;
    size_t field_end = line_start;
    for (int field = 0; field <= 3 && field_start < line_end; ++field) {
      field_start = leg.find_first_not_of(' ', field_end);
      if (field_start == std::string::npos || field_start >= line_end) {
        field_start = line_end;
        break;
      }
      field_end = std::min(leg.find_first_of(" \r\n", field_start), line_end);
    }
    if (field_start < line_end && leg.compare(field_start, field_end - field_start, from) == 0) {
      leg.replace(field_start, field_end - field_start, to);
      line_end = line_end - from.size() + to.size();
      ++lifts;
    }
    line_start = line_end + 1;
  }
  return leg;
}

AttackFlight ReadAttackFlight(TMainForm& form, int squadron, int flight,
                              PayloadCategories& payloads) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  const std::string& target_name =
      std::as_const(form.LocationTable)[entry.SquadronTargetLocation].LocationName;
  AttackFlight attack;
  attack.role = entry.SquadronRole;
  attack.task_code = TaskCode(entry);
  attack.escorts_bombers = FighterEscortingBombers(form, squadron);
  attack.sea_target = Contains(target_name, "_Sea") || Contains(target_name, "_Ocean");
  attack.payload = payloads.Of(form, squadron);
  attack.cruise_altitude = AltitudeSet(form, squadron);
  attack.flight = flight;
  attack.ingress_egress_rule = form.IECoordinates.Text;
  attack.ingress_offset_box = OffsetBoxMetres(form.TgtIngressOffsetBox);
  attack.ip_offset_box = OffsetBoxMetres(form.IPOffsetBox);
  if (squadron == 0) {
    attack.ip_altitude_box = AltitudeBoxMetres(form.IPAltBox);
    attack.ingress_altitude_box = AltitudeBoxMetres(form.TgtIngressAltBox);
    attack.egress_altitude_box = AltitudeBoxMetres(form.TgtEgressAltBox);
  }
  return attack;
}

bool FliesDefaultWeapons(const SquadronEntry& entry) {
  return entry.SquadronWeapons == entry.TypeDefaultWeapons;
}

bool FliesCircuit(TMainForm& form, int squadron, const AttackFlight& attack) {
  if (IsPatrolTask(attack.task_code)) return true;
  const SquadronEntry& entry = form.SquadronTable[squadron];
  if (attack.task_code != 3 || !FliesDefaultWeapons(entry)) return false;
  if (attack.role == "4" || attack.role == "5" || attack.role == "6") return true;
  const std::string& target =
      std::as_const(form.LocationTable)[entry.SquadronTargetLocation].LocationPosition;
  return Distance(form, target, squadron, 5) == "Y";
}

// Extra circuits of a patrol over the squadron's own base, one per range it reaches.
int HomePatrolExtraCircuits(TMainForm& form, int squadron) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  if (std::as_const(form.LocationTable)[entry.SquadronTargetLocation].LocationName !=
      entry.SquadronHomeBase) {
    return 0;
  }
  const int reach_km = RangeTest(form, squadron);
  const bool long_range_loadout = entry.TypePayload5 != "none";
  int extra = 0;
  for (int range_km : kHomePatrolRangesKm) {
    if (form.ActionRadiusKm > range_km && (reach_km > range_km || long_range_loadout)) ++extra;
  }
  return extra;
}

}  // namespace

AttackOffsets AttackRunOffsets(const AttackFlight& flight) {
  AttackOffsets offsets{2500, 5000, 8000};
  if (IsPatrolTask(flight.task_code)) offsets = {2000, 5000, 5000};
  if (flight.task_code == 6 && flight.sea_target) offsets = {5000, 10000, 8000};
  if (flight.role == "4" || flight.role == "2" || flight.escorts_bombers) {
    offsets = {7500, 10000, 16000};
  }
  if (flight.role == "5") {
    offsets.ti = 2000;
    offsets.te = 3000;
  }
  if (flight.ingress_offset_box) {
    offsets.ti = *flight.ingress_offset_box;
    offsets.te = *flight.ingress_offset_box * 133LL / 100;
  }
  if (flight.ip_offset_box) offsets.ip = *flight.ip_offset_box;
  return offsets;
}

AttackAltitudes AttackRunAltitudes(const AttackFlight& flight) {
  const int n = flight.flight;
  const int cruise = flight.cruise_altitude;
  const bool torpedo = flight.payload == "T";
  AttackAltitudes altitudes;

  altitudes.initial_point = torpedo ? 20 * n + 500 : cruise + 100 * n;
  if (flight.ip_altitude_box) altitudes.initial_point = *flight.ip_altitude_box + 100 * n;

  altitudes.egress = cruise;
  if (LowAttacker(flight)) altitudes.egress = 20 * n + 500;
  if (torpedo) altitudes.egress = 500;
  if (flight.egress_altitude_box) altitudes.egress = *flight.egress_altitude_box;

  altitudes.ingress = LowAttacker(flight) || torpedo ? 20 * n + 500 : cruise + 100 * n;
  if (flight.ingress_altitude_box) altitudes.ingress = *flight.ingress_altitude_box + 100 * n;

  altitudes.outer_ingress = cruise;
  if (flight.ingress_altitude_box) altitudes.outer_ingress = *flight.ingress_altitude_box + 100 * n;

  altitudes.outer_departure = cruise + 100 * n;
  return altitudes;
}

bool WritesIngressEgress(const AttackFlight& flight) {
  const std::string& rule = flight.ingress_egress_rule;
  if (rule == "All Types Use") return true;
  if (rule == "All Bombers Use") return flight.role != "1" || flight.escorts_bombers;
  if (rule == "Only Level Bombers Use") return flight.role == "2" || flight.escorts_bombers;
  return false;
}

void CreateBombWay(TMainForm& form, int squadron, int flight) {
  PayloadCategories payloads;
  CreateBombWay(form, squadron, flight, payloads);
}

void CreateBombWay(TMainForm& form, int squadron, int flight, PayloadCategories& payloads) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  const std::optional<BaseAndTarget> positions =
      ReadBaseAndTargetOrLog(form, squadron, "Attack run");
  if (!positions) return;

  const AttackFlight attack = ReadAttackFlight(form, squadron, flight, payloads);
  const AttackOffsets offsets = AttackRunOffsets(attack);
  const AttackAltitudes altitudes = AttackRunAltitudes(attack);
  const std::string cruise_speed = SetSpeed(form, squadron);
  const std::string run_in_speed = SetIngressSpeed(form, squadron);
  const RunGeometry run(positions->base, positions->target);
  const long long ip = offsets.ip;
  const long long ti = offsets.ti;
  const long long te = offsets.te;

  std::string leg = entry.SquadronTargetLeg;
  if (attack.role == "2") {
    leg = PointLine(run.Point(-1, ip), altitudes.initial_point, run_in_speed) + leg;
  }
  if (WritesIngressEgress(attack)) {
    leg += PointLine(run.Point(-1, -ip), altitudes.egress, cruise_speed);
    leg = PointLine(run.Point(-1001, ti + 1000), altitudes.ingress, run_in_speed) + leg;
    leg += PointLine(run.Point(-1001, -(ti + 1000)), altitudes.ingress, cruise_speed);
    leg = PointLine(run.Point(-ti, te), altitudes.outer_ingress, run_in_speed) + leg;
    leg += PointLine(run.Point(-ti, -te), altitudes.outer_departure, cruise_speed);
  }

  int circuit_altitude = altitudes.outer_departure;
  if (FliesCircuit(form, squadron, attack)) {
    const bool low_reconnaissance = (attack.role == "5" || attack.role == "6") &&
                                    attack.task_code == 3 && FliesDefaultWeapons(entry) &&
                                    squadron != 0;
    if (low_reconnaissance) circuit_altitude = kLowReconAltitude;
    if (IsPatrolTask(attack.task_code)) {
      leg = PointLine(run.Point(te, 0), circuit_altitude, cruise_speed);
    }
    leg = leg + PointLine(run.Point(-te, -ti), circuit_altitude, cruise_speed) +
          PointLine(run.Point(-te, ti), circuit_altitude, cruise_speed) + leg;
    if (attack.task_code == 6) {
      const std::string circuit = leg;
      const int copies = kCircuitCopiesOfPatrol + HomePatrolExtraCircuits(form, squadron);
      leg.clear();
      for (int copy = 0; copy < copies; ++copy) leg += circuit;
    }
  }
  entry.SquadronTargetLeg = LiftCruiseAltitude(leg, attack.cruise_altitude, circuit_altitude);
}
