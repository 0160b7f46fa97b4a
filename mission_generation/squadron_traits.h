#pragma once

#include "campaign_data/text.h"

#include <string>
#include <string_view>

struct SquadronEntry;

// What the planner's rules ask of a squadron's names, class and payloads.

// A payload option the type does not have: "none" in any letter case.
bool PayloadAbsent(const std::string& payload);
// The rocket and jet interceptors that fly short, fast sorties only.
bool FliesRocketInterceptor(const SquadronEntry& squadron);
// A fighter-bomber unit ("Jabo" in its identifier).
bool IsJabo(const SquadronEntry& squadron);
// The two naval strike units that carry bombs in place of torpedoes.
bool IsNavalStrikeUnit(const SquadronEntry& squadron);
// The squadron's side as 1 or 2, and the other side as text.
int SideNumber(const SquadronEntry& squadron);
std::string EnemySide(const SquadronEntry& squadron);
