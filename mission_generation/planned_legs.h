#pragma once

#include <string>
#include <string_view>

// The waypoint lines the planner writes itself. They keep the altitude place-holder
// "<ALTITUDE>" (a few carry a fixed altitude) until the mission file builder fills it per leg:
//   "  " keyword " " position " " altitude " " speed tail CR LF

inline constexpr std::string_view kNormFly = "NORMFLY";
inline constexpr std::string_view kGroundAttack = "GATTACK";

std::string PlannedLine(std::string_view keyword, const std::string& position,
                        const std::string& speed, const std::string& tail = "");
std::string PlannedLineAt(std::string_view keyword, const std::string& position,
                          std::string_view altitude, const std::string& speed,
                          const std::string& tail);

// A point over the target, flown over or attacked; both end in a blank before the line end.
std::string PlainPoint(const std::string& position, const std::string& speed);
std::string AttackPoint(const std::string& position, const std::string& speed);
// An attack on the bridge that the location's name holds from its first "Bridge" on (the whole
// name when it has none).
std::string BridgeAttackPoint(const std::string& position, const std::string& speed,
                              const std::string& location_name);
// The composite carrier's release over the target.
std::string CompositeCarrierPoint(const std::string& position, const std::string& speed);

// The first two blank-separated fields of a position text ("x y z ..." gives "x y").
std::string FirstTwoFields(std::string_view position);
