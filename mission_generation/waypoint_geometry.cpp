#include "mission_generation/waypoint_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/flight_range.h"
#include "mission_generation/waypoint_text.h"

namespace {

// Whole degrees of an arc tangent, cut toward zero.
long long WholeDegrees(long double tangent) {
  return static_cast<long long>(std::atan(tangent) * 180.0L / std::numbers::pi_v<long double>);
}

long double Radians(long long degrees) {
  return static_cast<long double>(degrees) * std::numbers::pi_v<long double> / 180.0L;
}

std::string PositionAnswer(long long x, long long y) {
  return WaypointCoordinates(x, y) + " ";
}

}  // namespace

std::string GetDirection(TMainForm& form, const std::string& from, const std::string& toward,
                         int squadron, int step) {
  const MapMetres a = ReadPosition(from);
  const MapMetres b = ReadPosition(toward);
  const long long dx = a.x - b.x;
  const long long dy = a.y - b.y == 0 ? 1 : a.y - b.y;
  const int sx = a.x < b.x ? 1 : -1;
  const int sy = a.y < b.y ? 1 : -1;

  // The angle off the y axis, 0 to 89 degrees; the signs turn it toward the second point in
  // every quadrant.
  const long long theta = WholeDegrees(static_cast<long double>(std::llabs(dx)) / std::llabs(dy));
  const long long distance =
      std::min(RangeTest(form, squadron) * 1000LL, form.ActionRadiusKm * 1250LL);

  const long long x =
      static_cast<long long>(a.x + std::sin(Radians(theta)) * distance * sx) + step * 20000LL * sx;
  const long long y =
      static_cast<long long>(a.y + std::cos(Radians(theta)) * distance * sy) + step * 20000LL * sy;
  return PositionAnswer(x, y);
}

std::string GetOffMapPath(TMainForm& form, const std::string& from, const std::string& away,
                          int step) {
  const MapMetres a = ReadPosition(from);
  const MapMetres b = ReadPosition(away);
  const long long dx = a.x - b.x;
  const long long dy = a.y - b.y == 0 ? 1 : a.y - b.y;

  long long theta = WholeDegrees(static_cast<long double>(dx) / dy);
  if (a.y < b.y) theta += 180;
  if (theta > 360) theta -= 360;
  if (theta < 0) theta += 360;
  const long long distance = form.ActionRadiusKm * 10000LL;

  const long long x =
      static_cast<long long>(a.x + std::sin(Radians(theta)) * distance + step * 1000LL);
  const long long y =
      static_cast<long long>(a.y + std::cos(Radians(theta)) * distance + step * 1000LL);
  return PositionAnswer(x, y);
}
