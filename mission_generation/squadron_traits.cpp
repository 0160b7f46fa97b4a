#include "mission_generation/squadron_traits.h"

#include "campaign_data/squadron_table.h"
#include "campaign_data/text.h"
#include "platform/ascii.h"

bool PayloadAbsent(const std::string& payload) {
  return Contains(AsciiLowerCase(payload), "none");
}

bool FliesRocketInterceptor(const SquadronEntry& squadron) {
  return ContainsAny(squadron.SquadronClass, {"ME_163B1A", "GO_229A1", "BI_1", "HE_162A2"});
}

bool IsJabo(const SquadronEntry& squadron) {
  return Contains(squadron.SquadronName, "Jabo");
}

bool IsNavalStrikeUnit(const SquadronEntry& squadron) {
  return ContainsAny(squadron.SquadronName, {"IJN_AG_601", "IJA_F_TS"});
}

int SideNumber(const SquadronEntry& squadron) {
  return squadron.SquadronArmy == "1" ? 1 : 2;
}

std::string EnemySide(const SquadronEntry& squadron) {
  return squadron.SquadronArmy == "1" ? "2" : "1";
}
