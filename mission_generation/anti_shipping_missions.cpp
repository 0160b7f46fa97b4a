#include "mission_generation/anti_shipping_missions.h"

#include <cstdint>
#include <string>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/transports.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_preference.h"
#include "mission_generation/mission_texts.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/plan_turn.h"
#include "mission_generation/planned_legs.h"
#include "mission_generation/shipping_targets.h"
#include "mission_generation/squadron_traits.h"
#include "platform/ascii.h"

namespace {

constexpr int kShipSpeed = 50;
constexpr int kCarriersKnown = 10;

bool LandBased(const SquadronEntry& squadron) {
  const std::string home = AsciiLowerCase(squadron.SquadronHomeBase);
  return Contains(home, "airfield") || Contains(home, "airstrip");
}

bool GroundAttackMission(const TMainForm& form, const SquadronEntry& squadron) {
  for (int line : {13, 14, 15}) {
    if (squadron.SquadronMissionType == form.Messages.Text(MessageSection::kBriefs, line))
      return true;
  }
  return false;
}

// How many attempts (the value less one) the squadron makes to find a ship.
int StrikeChance(TMainForm& form, PlanRun& run, int i) {
  SquadronEntry& squadron = form.SquadronTable[i];
  const int preference = PlayerPreference(form);
  const bool player = i == 0;
  const bool carries_strike_load = !Contains(squadron.TypePayload6, "none");

  int chance = 0;
  if (carries_strike_load) chance = 3;
  if (carries_strike_load && !LandBased(squadron)) chance = 5;
  if (Contains(squadron.SquadronClass, "G4M2E")) chance = 10;
  if (Contains(squadron.SquadronName, "IJN_AG_601")) chance = 10;
  if (Contains(squadron.SquadronName, "IJA_F_TS")) chance = 10;
  if (squadron.SquadronRole == "6") chance = 10;
  if (player && preference == kPreferShippingStrike) chance = 10;
  if (PayloadCategory(run.AllPayloads(), squadron.SquadronClass, squadron.TypePayload6) == "T") {
    chance = 10;
  }
  const std::string& nation = squadron.SquadronNation;
  if (nation == "um" && chance > 0) chance += 1;
  if (nation == "un" && chance > 0) chance += 2;
  if (nation == "rn" && chance > 0) chance += 2;
  if (nation == "in" && chance > 0) chance += 2;
  // Land-based squadrons just sent against a column keep that mission one time in two.
  if (form.Random(2) == 0 && GroundAttackMission(form, squadron) && LandBased(squadron)) chance = 0;
  if (player && (preference == kPreferRandom || preference == kPreferShippingStrike)) chance += 3;
  if (player && preference != kPreferRandom && preference != kPreferShippingStrike) chance = 0;
  if (PayloadAbsent(squadron.TypePayload6)) chance = 0;
  if (player && squadron.SquadronTargetLocation >= 0 &&
      form.SelectTarget.Text ==
          std::as_const(form.LocationTable)[squadron.SquadronTargetLocation].LocationName) {
    chance = 0;
  }
  return chance;
}

class ShippingStrike {
 public:
  ShippingStrike(TMainForm& form, PlanRun& run, const ShippingTargets& targets,
                 const ColumnTargetsTaken& taken, int squadron)
      : form_(form),
        run_(run),
        targets_(targets),
        taken_(taken),
        i_(squadron),
        entry_(form.SquadronTable[squadron]),
        reach_(form, squadron),
        speed_(SetSpeed(form, squadron)),
        whole_speed_(WholeSpeed(speed_)) {}

  bool Attempt() {
    int c = FoundCarrier(true);
    if (c < 0) c = FoundCarrier(false);
    if (c < 0) c = ShipNearFront();
    if (c < 0) return false;
    const ColumnEntry& column = form_.ColumnTable[c];
    const RoutePosition& kept = run_.RouteStart(c, 1);
    const int preference = PlayerPreference(form_);
    if (i_ == 0 && ((preference >= kPreferBridgeAttack && preference <= kPreferIntercept) ||
                    preference == kPreferSweepRecon || preference == kPreferAirSuperiority)) {
      return false;
    }
    if (!IsCarrierColumn(column) && IsShipColumn(column) && form_.Random(3) != 0 &&
        !reach_.Within(kept, 50)) {
      return false;
    }
    if (column.ColumnArmy == entry_.SquadronArmy || column.ColumnInMission != "Y" ||
        form_.ColumnDensity.Text == "None") {
      return false;
    }
    const std::optional<int> n = TakeScratchLocation(form_, i_);
    if (!n) return false;
    const int meeting =
        InterceptionWalk(form_, i_, c, *n, kept.text, 0, 0, kShipSpeed, whole_speed_,
                         [&](int k) { return k < column.ColumnLastRoutePoint; });
    Assign(c, *n, meeting);
    return true;
  }

 private:
  bool RouteLongEnough(const ColumnEntry& column) const {
    return column.ColumnRoute[0].size() > 3 && column.ColumnRoute[1].size() > 3;
  }

  bool OnTheMap(const ColumnEntry& column) const {
    return column.ColumnPlace != "Blank" && column.ColumnPlace != "Future" &&
           !run_.OffMap(column.ColumnPlace) && !Contains(column.ColumnPlace, "English_");
  }

  // An enemy carrier in reach, found when the side has searched enough or the map has no
  // patrol areas to hide in. The first scan takes the last carrier no squadron of the same
  // group attacks; the second the first carrier at all.
  int FoundCarrier(bool unique) {
    if (i_ == 0) return FoundCarrierForThePlayer(unique);
    if (entry_.SquadronRole == "1") return -1;
    int found = -1;
    for (int c : targets_.Carriers()) {
      if (form_.ColumnTable[c].ColumnArmy == entry_.SquadronArmy) continue;
      if (!reach_.Within(run_.RouteStart(c, 1), 0) || !CarriersKnown()) continue;
      if (unique && taken_.TakenByOther(form_, i_, c)) continue;
      found = c;
      if (!unique) break;
    }
    return found;
  }

  bool CarriersKnown() {
    return form_.ReconCount[static_cast<size_t>(SideNumber(entry_))] >= kCarriersKnown ||
           !run_.PatrolFileExists();
  }

  // The player's squadron asked about the front centre may widen the action radius, so its
  // scans test every column in the order the reach was always asked.
  int FoundCarrierForThePlayer(bool unique) {
    int found = -1;
    for (int c = 0; c <= form_.LastColumn; ++c) {
      const ColumnEntry& column = form_.ColumnTable[c];
      if (run_.ColumnLeftOut(c) || column.ColumnArmy == entry_.SquadronArmy) continue;
      if (entry_.SquadronRole == "1" || column.ColumnInMission != "Y") continue;
      if (!reach_.Within(run_.RouteStart(c, 1), 0)) continue;
      if (!RouteLongEnough(column) || !IsCarrierColumn(column) || !IsShipColumn(column)) continue;
      if (column.ColumnPlace == "Blank" || column.ColumnPlace == "Future") continue;
      if (!CarriersKnown()) continue;
      if (!OnTheMap(column)) continue;
      if (unique && taken_.TakenByOther(form_, i_, c)) continue;
      found = c;
      if (!unique) break;
    }
    return found;
  }

  // The first enemy ship near the front that passes a draw of 0 in two. Every enemy column
  // costs a draw, ship or not; the columns that cannot be taken spend theirs in one skip.
  int ShipNearFront() {
    if (i_ == 0) return ShipNearFrontForThePlayer();
    const std::string& army = entry_.SquadronArmy;
    const bool fighter = entry_.SquadronRole == "1";
    int undrawn = 0;  // the first column whose draw is still to come
    for (int c : targets_.ShipsNearFront()) {
      if (form_.ColumnTable[c].ColumnArmy == army) continue;
      if (!reach_.Within(run_.RouteStart(c, 1), 0)) continue;
      if (fighter && !targets_.Transport(c)) continue;
      form_.Rand.Skip(static_cast<std::uint64_t>(targets_.ColumnsNotOf(army, undrawn, c - 1)));
      undrawn = c + 1;
      if (form_.Random(2) != 0 || taken_.TakenByOther(form_, i_, c)) continue;
      return c;
    }
    form_.Rand.Skip(
        static_cast<std::uint64_t>(targets_.ColumnsNotOf(army, undrawn, form_.LastColumn)));
    return -1;
  }

  int ShipNearFrontForThePlayer() {
    for (int c = 0; c <= form_.LastColumn; ++c) {
      const ColumnEntry& column = form_.ColumnTable[c];
      if (column.ColumnArmy == entry_.SquadronArmy) continue;
      if (form_.Random(2) != 0 || run_.ColumnLeftOut(c)) continue;
      const RoutePosition& point = run_.RouteStart(c, 1);
      if (!reach_.Within(point, 0) || !run_.NearFront(point)) continue;
      if (!RouteLongEnough(column) || !IsShipColumn(column)) continue;
      if (entry_.SquadronRole == "1" && TransportType(column.ColumnType) != "Y") continue;
      if (column.ColumnInMission != "Y") continue;
      if (column.ColumnPlace == "Blank" || column.ColumnPlace == "Future") continue;
      if (OnOwnPatrolArea(form_, column) || !OnTheMap(column)) continue;
      if (taken_.TakenByOther(form_, i_, c)) continue;
      return c;
    }
    return -1;
  }

  void Assign(int c, int n, int meeting) {
    const ColumnEntry& column = form_.ColumnTable[c];
    LocationEntry& target = form_.LocationTable[n];
    target.LocationName = column.ColumnPlace;
    target.LocationArmy = EnemySide(entry_);
    const bool carrier = IsCarrierColumn(column);
    SetMissionTexts(form_, i_, carrier ? 24 : 16,
                    SummaryText(form_, carrier ? 25 : 16, column.ColumnPlace));
    entry_.SquadronWeapons = entry_.TypePayload6;
    if (IsNavalStrikeUnit(entry_)) entry_.SquadronWeapons = entry_.TypePayload4;
    entry_.SquadronEscortOf = -1;
    entry_.SquadronTargetObject.clear();
    entry_.SquadronTaskCode = "9";

    const std::string meeting_point = target.LocationPosition;
    entry_.SquadronTargetLeg = PlannedLine(kNormFly, meeting_point, speed_);
    entry_.SquadronJoinLeg.clear();
    entry_.SquadronRendezvousLeg.clear();
    entry_.SquadronHalfWayLeg.clear();
    CreateHalfWay(form_, i_, 0);

    const std::string next_point = RoutePointPosition(column.ColumnRoute[meeting + 1]);
    const std::string name = column.ColumnType.substr(0, column.ColumnType.find(' '));
    std::string first_pass =
        CreateAveragePoint(form_, meeting_point, next_point, "<ALTITUDE>", i_, 0);
    const size_t word = first_pass.find("NORMFLY");
    if (word != std::string::npos) first_pass.replace(word, 7, "GATTACK");
    entry_.SquadronTargetLeg += first_pass + " " + name + " " + IntToStr(meeting) + "\r\n";
    if (!Contains(entry_.SquadronClass, "G4M2E") && !IsNavalStrikeUnit(entry_)) {
      entry_.SquadronTargetLeg +=
          PlannedLine(kGroundAttack, next_point, speed_, " " + name + " " + IntToStr(meeting + 1));
    }
    target.LocationPosition = meeting_point;
    if (i_ == 0) entry_.SquadronTargetObject = column.ColumnName;
  }

  TMainForm& form_;
  PlanRun& run_;
  const ShippingTargets& targets_;
  const ColumnTargetsTaken& taken_;
  int i_;
  SquadronEntry& entry_;
  SquadronReach reach_;
  std::string speed_;
  int whole_speed_;
};

void PlanShippingStrike(TMainForm& form, PlanRun& run, const ShippingTargets& targets,
                        const ColumnTargetsTaken& taken, ColumnPresence& columns, int i) {
  ShippingStrike strike(form, run, targets, taken, i);
  const int chance = StrikeChance(form, run, i);
  if (chance <= 2) return;
  for (int k = 2; k <= chance; ++k) {
    if (!columns.Present(form)) return;
    if (strike.Attempt()) return;
  }
}

}  // namespace

void PlanAntiShippingStrikes(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Anti-Shipping Missions.");
  ColumnPresence columns("the shipping strikes");
  const ColumnTargetsTaken taken(form);
  const ShippingTargets targets(form, run);
  for (int i = 0; i <= form.LastSquadron; ++i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    if (form.NewCampaignFlag == "Y") continue;
    PlanTurn(run, i, "Shipping strike",
             [&] { PlanShippingStrike(form, run, targets, taken, columns, i); });
  }
}
