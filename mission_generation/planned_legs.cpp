#include "mission_generation/planned_legs.h"

#include "campaign_data/text.h"
#include "mission_generation/waypoint_text.h"

std::string PlannedLine(std::string_view keyword, const std::string& position,
                        const std::string& speed, const std::string& tail) {
  return PlannedLineAt(keyword, position, kAltitudePlaceholder, speed, tail);
}

std::string PlannedLineAt(std::string_view keyword, const std::string& position,
                          std::string_view altitude, const std::string& speed,
                          const std::string& tail) {
  return "  " + std::string(keyword) + " " + position + " " + std::string(altitude) + " " + speed +
         tail + std::string(kCrLf);
}

std::string PlainPoint(const std::string& position, const std::string& speed) {
  return PlannedLine(kNormFly, position, speed, " ");
}

std::string AttackPoint(const std::string& position, const std::string& speed) {
  return PlannedLine(kGroundAttack, position, speed, " ");
}

std::string BridgeAttackPoint(const std::string& position, const std::string& speed,
                              const std::string& location_name) {
  // A name that holds "bridge" only in lower case is taken whole.
  const size_t bridge = location_name.find("Bridge");
  const std::string name = Trim(location_name.substr(bridge == std::string::npos ? 0 : bridge, 99));
  return PlannedLine(kGroundAttack, position, speed, " " + name + " 0");
}

std::string CompositeCarrierPoint(const std::string& position, const std::string& speed) {
  return PlannedLine(kGroundAttack, position, speed, " Some_Target");
}

std::string FirstTwoFields(std::string_view position) {
  const std::string text = Trim(position);
  const size_t blank = text.find(' ');
  if (blank == std::string::npos) return text;
  const std::string rest = TrimLeft(std::string_view(text).substr(blank + 1));
  return text.substr(0, blank) + " " + rest.substr(0, rest.find(' '));
}
