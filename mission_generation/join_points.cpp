#include "mission_generation/join_points.h"

#include <algorithm>
#include <cstdlib>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/squadron_mission.h"
#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"

namespace {

int Sign(bool positive) {
  return positive ? 1 : -1;
}

struct SideOffsets {
  long long near = 4000;  // short of the target on the main axis
  long long far = 8000;   // beyond it across the line of flight
};

SideOffsets HalfWayOffsets(const TMainForm& form, int squadron) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  SideOffsets offsets;
  if (entry.SquadronRole == "2" || EscortsRole(form, squadron, "2")) offsets = {8000, 16000};
  if (Contains(entry.SquadronWeapons, "glider")) offsets = {100, 100};
  return offsets;
}

std::string LegLabel(const TMainForm& form, const std::string& leg, int squadron) {
  return "the " + leg + " leg of " + SquadronLabel(form, squadron);
}

}  // namespace

int AveragePointAltitude(int cruise_altitude, bool base_off_map, int flight) {
  int altitude = cruise_altitude;
  if (!base_off_map) altitude = altitude > 5000 ? altitude / 2 : altitude + 1000;
  return std::max(altitude - 100 * flight, 300);
}

std::string CreateAveragePoint(TMainForm& form, const std::string& from, const std::string& to,
                               const std::string& altitude, int squadron, int flight) {
  if (Trim(from).empty() && Trim(to).empty()) {
    ErrorLog(form, "CreateAveragePoint Error: " + IntToStr(squadron));
  }
  if (squadron > form.LastSquadron) ErrorLog(form, "SquadNum Error: " + IntToStr(squadron));

  const std::string speed = SetSpeed(form, squadron);
  const bool base_off_map = OffMapCheck(form, form.SquadronTable[squadron].SquadronHomeBase) == "Y";
  const int join_altitude = AveragePointAltitude(AltitudeSet(form, squadron), base_off_map, flight);

  MapMetres a;
  MapMetres b;
  try {
    a = ReadPosition(from);
    b = ReadPosition(to);
  } catch (const ConversionError& error) {
    throw ConversionError("Join point of " + SquadronLabel(form, squadron) + ": " + error.what());
  }
  const int sx = Sign(b.x > a.x);
  const int sy = Sign(b.y > a.y);
  if (b.x == a.x) b.x += 10;
  if (b.y == a.y) b.y += 10;

  const long long pull_back = 500LL * StaggerIndex(squadron) + 200LL * flight;
  const long long x = b.x + (a.x - b.x) / 2 - pull_back * sx;
  const long long y = b.y + (a.y - b.y) / 2 - pull_back * sy;
  const std::string altitude_field =
      altitude == kAltitudePlaceholder ? altitude : AltitudeField(join_altitude);
  return NormFlyLine(x, y, altitude_field, speed);
}

void CreateHalfWay(TMainForm& form, int squadron, int flight) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  const std::string speed = SetSpeed(form, squadron);
  const SideOffsets offsets = HalfWayOffsets(form, squadron);
  const std::optional<BaseAndTarget> positions =
      ReadBaseAndTargetOrLog(form, squadron, "Half-way point");
  if (!positions) {
    entry.SquadronHalfWayLeg.clear();
    return;
  }
  const MapMetres& base = positions->base;
  const MapMetres& target = positions->target;

  const int sx = Sign(base.x < target.x);
  const int sy = Sign(base.y < target.y);
  const long long stagger = 1000LL * StaggerIndex(squadron);
  const long long near = offsets.near + stagger;
  const long long far = offsets.far + stagger;
  MapMetres side;
  if (std::llabs(base.x - target.x) < std::llabs(base.y - target.y)) {
    side = {target.x + far * sx, target.y - near * sy};
  } else {
    side = {target.x - near * sx, target.y + far * sy};
  }
  const long long x = side.x + (base.x - side.x) / 2;
  const long long y = side.y + (base.y - side.y) / 2;
  const int altitude = AltitudeSet(form, squadron) + 100 * flight;
  entry.SquadronHalfWayLeg = NormFlyLine(x, y, AltitudeField(altitude), speed) + std::string(kCrLf);
}

void CreateIntWay(TMainForm& form, int squadron) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  const std::string speed = SetSpeed(form, squadron);
  int side = entry.SquadronArmy == "2" ? 1 : -1;
  if (form.MapAxis == "North" || form.MapAxis == "South") side = -side;

  MapMetres intercept;
  MapMetres base;
  try {
    intercept = ReadLegPosition(entry.SquadronHalfWayLeg, kNormFlyKeyword,
                                LegLabel(form, "half-way", squadron));
    base = ReadLegPosition(entry.SquadronTakeOffLeg, kTakeOffKeyword,
                           LegLabel(form, "take-off", squadron));
  } catch (const ConversionError& error) {
    entry.SquadronRendezvousLeg.clear();
    ErrorLog(form, "Intercept rendezvous left out: " + std::string(error.what()));
    return;
  }

  const long long x = base.x + (intercept.x - base.x) / 2 - 1000LL * side;
  const long long y = base.y + (intercept.y - base.y) / 2 - 1000LL * side;
  const int altitude = 2000 + 50 * StaggerIndex(squadron);
  entry.SquadronRendezvousLeg =
      NormFlyLine(x, y, AltitudeField(altitude), speed) + std::string(kCrLf);
}
