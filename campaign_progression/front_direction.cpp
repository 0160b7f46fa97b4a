#include <cmath>
#include <numbers>
#include <string>

#include "campaign_data/geometry.h"
#include "campaign_data/text.h"
#include "campaign_progression/front_objects.h"

namespace {

constexpr int kStepMetres = 12;

}  // namespace

std::string FrontDirection(const std::string& from, const std::string& toward,
                           const std::string& reverse, int steps, int mode) {
  const WholeMetrePoint a = ReadWholeMetres(from);
  const WholeMetrePoint b = ReadWholeMetres(toward);
  const long long dy = a.y - b.y;
  long long angle = StrToInt(GetAngle(from, toward));
  if (mode > 0) angle += 90;
  if (reverse == "Y") angle += 180;
  if (dy == 0) angle += 90;
  const double radians = static_cast<double>(angle) * std::numbers::pi / 180.0;
  const double reach = static_cast<double>(kStepMetres) * steps;
  const long long x = static_cast<long long>(static_cast<double>(a.x) + std::sin(radians) * reach);
  const long long y = static_cast<long long>(static_cast<double>(a.y) + std::cos(radians) * reach);
  long long heading = angle;
  if (mode == 0 && dy < 0) heading += 180;
  if (mode > 0) heading -= 90;
  if (heading < 0) heading += 360;
  if (heading > 630) heading -= 360;
  return IntToStr(x) + ".00 " + IntToStr(y) + ".00 " + IntToStr(heading) + ".0";
}
