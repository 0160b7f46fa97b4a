#include "mission_generation/interception_missions.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_links.h"
#include "mission_generation/mission_preference.h"
#include "mission_generation/mission_texts.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/plan_turn.h"
#include "mission_generation/planned_legs.h"
#include "mission_generation/squadron_traits.h"
#include "platform/ascii.h"

namespace {

constexpr int kUnlikely = 99;
constexpr const char* kNoHome = "0000.00 0000.00";

bool Berlin(const TMainForm& form) {
  return Contains(AsciiLowerCase(form.MapTitle), "berlin");
}

bool RocketOrJet(const SquadronEntry& squadron) {
  return FliesRocketInterceptor(squadron) ||
         ContainsAny(squadron.SquadronClass, {"A6M2N", "ME_262A1A"}) ||
         (Contains(squadron.SquadronClass, "P_11C") && squadron.SquadronArmy == "2");
}

// The position the attacked squadron passes half-way to its target, "x y"; empty when its
// half-way leg holds none.
std::string HalfWayPoint(const SquadronEntry& squadron) {
  return FirstTwoFields(Copy(squadron.SquadronHalfWayLeg, 10, 999));
}

std::string InterceptionLine(const SquadronEntry& target, const std::string& speed) {
  return "  NORMFLY " + HalfWayPoint(target) + " <ALTITUDE> " + speed;
}

// What both parts share once a fighter is set against a squadron: the fighter's half-way leg
// over the squadron's target, its climb-out and the target it flies to.
void HeadFor(TMainForm& form, int fighter, int target, const std::string& speed) {
  SquadronEntry& entry = form.SquadronTable[fighter];
  const SquadronEntry& attacked = form.SquadronTable[target];
  const int location = attacked.SquadronTargetLocation;
  ReleaseFighter(form, fighter);
  entry.SquadronTargetLeg = InterceptionLine(attacked, speed);
  entry.SquadronHalfWayLeg =
      PlannedLine(kNormFly, std::as_const(form.LocationTable)[location].LocationPosition, speed);
  entry.SquadronTargetLocation = location;
  CreateIntWay(form, fighter);
}

// Home positions for the time test: the last location named like each home base.
class HomePositions {
 public:
  HomePositions(const TMainForm& form, const PlanRun& run) {
    for (int s = 0; s <= form.LastSquadron; ++s) {
      const int base = run.LastLocationNamed(form.SquadronTable[s].SquadronHomeBase);
      const bool known = base >= 0 && run.Usable(base);
      positions_.push_back(known ? std::as_const(form.LocationTable)[base].LocationPosition
                                 : kNoHome);
    }
  }
  const std::string& Of(int squadron) const { return positions_[static_cast<size_t>(squadron)]; }

 private:
  std::vector<std::string> positions_;
};

class AttackerInterception {
 public:
  AttackerInterception(TMainForm& form, PlanRun& run, const HomePositions& homes,
                       CruiseSpeeds& speeds, int fighter)
      : form_(form),
        run_(run),
        homes_(homes),
        speeds_(speeds),
        i_(fighter),
        fighter_(form.SquadronTable[fighter]) {}

  void Plan() {
    if (!Eligible()) return;
    speed_ = SetSpeed(form_, i_);
    const int chance = Chance();
    if (!MayTakePart()) return;
    SquadronReach reach(form_, i_);
    for (int j = form_.LastSquadron; j >= 0; --j) {
      if (!run_.LeftOut(j) && Pairs(reach, j, chance)) Pair(reach, j);
    }
  }

 private:
  bool Eligible() const {
    if (fighter_.SquadronInMission != "Y") return false;
    if (fighter_.SquadronRole != "1" && !Contains(fighter_.SquadronClass, "A6M2N")) return false;
    if (form_.NewCampaignFlag == "Y" && !Berlin(form_)) return false;
    return fighter_.SquadronMoveKind == 0;
  }

  int Chance() const {
    const int preference = PlayerPreference(form_);
    int chance = 3;
    if (Berlin(form_) && fighter_.SquadronArmy == "2" && fighter_.SquadronRole == "1") chance = 2;
    if (IsJabo(fighter_)) chance = kUnlikely;
    if (i_ == 0) {
      if (preference == kPreferIntercept || preference == kPreferAirSuperiority ||
          (preference == kPreferRandom && Berlin(form_))) {
        chance = 1;
      }
      if (preference != kPreferIntercept && preference != kPreferAirSuperiority &&
          preference != kPreferRandom) {
        chance = kUnlikely;
      }
    }
    if (RocketOrJet(fighter_)) chance = 0;
    return chance;
  }

  bool MayTakePart() const {
    const int preference = PlayerPreference(form_);
    if (i_ == 0 && preference != kPreferIntercept && preference != kPreferRandom) return false;
    return fighter_.SquadronEscortOf < 0 && !Contains(fighter_.TypePayload3, "none") &&
           !IsNavalStrikeUnit(fighter_);
  }

  bool Pairs(SquadronReach& reach, int j, int chance) {
    const SquadronEntry& attacker = form_.SquadronTable[j];
    if (attacker.SquadronTargetLocation <= -1) return false;
    if (FighterPlanes() <= 2 || !fighter_.SquadronTargetObject.empty()) return false;
    if (chance != kUnlikely && attacker.SquadronInterceptLink != -1) {
      const int paired = attacker.SquadronInterceptLink;
      if (!(i_ == 0 && form_.SquadronTable[paired].SquadronTargetObject.empty())) return false;
    }
    if (form_.Random(chance) != 0) return false;
    if (Contains(attacker.SquadronWeapons, "default") ||
        !Contains(attacker.SquadronTargetLeg, "GATTACK")) {
      return false;
    }
    if (fighter_.SquadronArmy == attacker.SquadronArmy) return false;
    const std::string& target =
        std::as_const(form_.LocationTable)[attacker.SquadronTargetLocation].LocationPosition;
    if (!reach.Within(target, 0)) return false;
    if (!InTime(j, target)) return false;
    return attacker.SquadronInMission == "Y" && !HalfWayPoint(attacker).empty();
  }

  // The fighter's planes, read when first asked for: no pairing changes them.
  int FighterPlanes() {
    if (!fighter_planes_) fighter_planes_ = StrToInt(fighter_.PlanesFlight);
    return *fighter_planes_;
  }

  // The fighter reaches the target from its home no later than the attackers from theirs.
  bool InTime(int j, const std::string& target) const {
    const double fighter_time =
        GetDistance(homes_.Of(i_), target) / static_cast<double>(WholeSpeed(speed_));
    const double attacker_time =
        GetDistance(homes_.Of(j), target) / static_cast<double>(WholeSpeed(speeds_.Of(form_, j)));
    return fighter_time <= attacker_time;
  }

  void Pair(SquadronReach& reach, int j) {
    const SquadronEntry& attacker = form_.SquadronTable[j];
    const std::string target_name =
        std::as_const(form_.LocationTable)[attacker.SquadronTargetLocation].LocationName;
    HeadFor(form_, i_, j, speed_);
    const bool against_bombers = attacker.SquadronRole == "2" || attacker.SquadronRole == "3";
    fighter_.SquadronWeapons =
        against_bombers ? fighter_.TypePayload3 : fighter_.TypeDefaultWeapons;
    fighter_.SquadronTargetObject = attacker.SquadronName;
    SetMissionTexts(form_, i_, 19,
                    EnemySummaryText(form_, 21, target_name, attacker.TypeDescription));
    fighter_.SquadronTaskCode = "0";
    if (StaysInterception(reach, j)) {
      fighter_.SquadronTargetLeg += " " + attacker.SquadronName + "0 2\r\n";
    } else {
      const std::string& position =
          std::as_const(form_.LocationTable)[attacker.SquadronTargetLocation].LocationPosition;
      fighter_.SquadronTaskCode = "6";
      fighter_.SquadronTargetLeg = PlannedLine(kNormFly, position, speed_);
      fighter_.SquadronRendezvousLeg.clear();
      fighter_.SquadronTargetObject.clear();
      SetMissionTexts(form_, i_, 20,
                      EnemySummaryText(form_, 22, target_name, attacker.TypeDescription));
    }
    LinkInterception(form_, i_, j);
  }

  // With air starts an interception within 200 km stays one (one time in two, always for a
  // player who asked for it, never with air superiority); rocket and jet interceptors always.
  bool StaysInterception(SquadronReach& reach, int j) {
    const int preference = PlayerPreference(form_);
    const std::string& target =
        std::as_const(form_.LocationTable)[form_.SquadronTable[j].SquadronTargetLocation]
            .LocationPosition;
    if (form_.AirStarts.Checked && reach.Within(target, 2)) {
      if (preference != kPreferAirSuperiority && form_.Random(2) != 0) return true;
      if (i_ == 0 && preference == kPreferIntercept) return true;
    }
    return FliesRocketInterceptor(fighter_);
  }

  TMainForm& form_;
  PlanRun& run_;
  const HomePositions& homes_;
  CruiseSpeeds& speeds_;
  int i_;
  SquadronEntry& fighter_;
  std::string speed_;
  std::optional<int> fighter_planes_;
};

int PlayerInterceptChance(const TMainForm& form, const SquadronEntry& fighter) {
  int chance = 2;
  if (form.NewCampaignFlag == "Y") chance = kUnlikely;
  const std::string& box = form.InterceptBox.Text;
  if (box == "25%") chance = 4;
  if (box == "33%") chance = 3;
  if (box == "50%") chance = 2;
  if (box == "100%") chance = 0;
  if (IsJabo(fighter)) chance = kUnlikely;
  return chance;
}

void InterceptPlayer(TMainForm& form, int i) {
  SquadronEntry& fighter = form.SquadronTable[i];
  const SquadronEntry& player = form.SquadronTable[0];
  const std::string speed = SetSpeed(form, i);
  const std::string target_name =
      std::as_const(form.LocationTable)[player.SquadronTargetLocation].LocationName;
  HeadFor(form, i, 0, speed);
  fighter.SquadronWeapons =
      player.SquadronRole == "1" ? fighter.TypeDefaultWeapons : fighter.TypePayload3;
  LinkInterception(form, i, 0);
  fighter.SquadronTargetObject = player.SquadronName;
  fighter.SquadronTargetLeg += " " + player.SquadronName + "0 2\r\n";
  SetMissionTexts(form, i, 19, EnemySummaryText(form, 21, target_name, player.TypeDescription));
  if (PlayerPreference(form) == kPreferAirSuperiority || form.Random(2) == 0) {
    SetMissionTexts(form, i, 11, EnemySummaryText(form, 22, target_name, player.TypeDescription));
  }
  fighter.SquadronTaskCode = "0";
}

void ConsiderPlayerInterceptor(TMainForm& form, int i) {
  const SquadronEntry& fighter = form.SquadronTable[i];
  const SquadronEntry& player = form.SquadronTable[0];
  if (fighter.SquadronInMission != "Y") return;
  if (form.Coop.Checked && player.SquadronInMission != "Y") return;
  if (IsNavalStrikeUnit(fighter) || Contains(fighter.TypePayload3, "none")) return;
  if (fighter.SquadronMoveKind != 0) return;
  SetSpeed(form, i);
  const int chance = PlayerInterceptChance(form, fighter);
  bool selected = form.LinkBox.Text == fighter.SquadronName && form.Random(chance) == 0;
  if (!selected) selected = form.Random(chance) == 0 && player.SquadronInterceptLink == -1;
  if (!selected || fighter.SquadronEscortOf >= 0 || form.PlayerInterceptor != -1) return;
  if (fighter.SquadronRole != "1" || fighter.SquadronArmy == player.SquadronArmy) return;
  // Only a player's squadron that flies to a target can be met on its way.
  if (player.SquadronInMission != "Y" || player.SquadronTargetLocation < 0 ||
      HalfWayPoint(player).empty()) {
    return;
  }
  InterceptPlayer(form, i);
}

}  // namespace

void PlanInterceptions(TMainForm& form, PlanRun& run) {
  const HomePositions homes(form, run);
  CruiseSpeeds speeds;
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i)) continue;
    PlanTurn(run, i, "Interception",
             [&] { AttackerInterception(form, run, homes, speeds, i).Plan(); });
  }
}

void PlanPlayerInterception(TMainForm& form, PlanRun& run) {
  if (form.LastSquadron < 0 || run.LeftOut(0)) return;
  for (int i = 1; i <= form.LastSquadron; ++i) {
    if (run.LeftOut(i)) continue;
    PlanTurn(run, i, "Interception of the player", [&] { ConsiderPlayerInterceptor(form, i); });
  }
}
