#include "mission_generation/return_leg.h"

#include <cstdlib>
#include <string>

#include "app/main_form.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/waypoint_text.h"

namespace {

struct ReturnOffsets {
  long long along;
  long long across;
};

// Builds the return points toward home. The direction signs start toward smaller x and y and
// turn for good once a point lies beyond home on that axis.
class ReturnCourse {
 public:
  explicit ReturnCourse(const MapMetres& home) : home_(home) {}

  MapMetres NextPoint(const MapMetres& from, const ReturnOffsets& offsets) {
    if (from.x > home_.x) sx_ = 1;
    if (from.y > home_.y) sy_ = 1;
    MapMetres q;
    if (std::llabs(home_.x - from.x) < std::llabs(home_.y - from.y)) {
      q = {from.x - offsets.across * sx_, from.y - offsets.along * sy_};
    } else {
      q = {from.x - offsets.along * sx_, from.y - offsets.across * sy_};
    }
    return {q.x + (home_.x - q.x) / 2, q.y + (home_.y - q.y) / 2};
  }

 private:
  MapMetres home_;
  int sx_ = -1;
  int sy_ = -1;
};

std::string ReturnLine(const MapMetres& point, int altitude, const std::string& speed) {
  return NormFlyLine(point.x, point.y, AltitudeField(altitude), speed) + " " + std::string(kCrLf);
}

}  // namespace

void CreateRTBWay(TMainForm& form, int squadron) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  const std::string speed = SetSpeed(form, squadron);
  const std::optional<BaseAndTarget> positions =
      ReadBaseAndTargetOrLog(form, squadron, "Return leg");
  if (!positions) {
    entry.SquadronReturnLeg.clear();
    return;
  }

  const bool bomber = entry.SquadronRole == "2";
  const ReturnOffsets first = bomber ? ReturnOffsets{6000, 10000} : ReturnOffsets{3500, 6000};
  const ReturnOffsets second = bomber ? ReturnOffsets{3000, 5000} : ReturnOffsets{2000, 3000};
  const int altitude = AltitudeSet(form, squadron);

  ReturnCourse course(positions->base);
  const MapMetres first_point = course.NextPoint(positions->target, first);
  const MapMetres second_point = course.NextPoint(first_point, second);
  entry.SquadronReturnLeg =
      ReturnLine(first_point, altitude, speed) + ReturnLine(second_point, altitude, speed);
}
