#include "mission_generation/ground_attack_missions.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/random_generator.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_preference.h"
#include "mission_generation/mission_texts.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/plan_turn.h"
#include "mission_generation/planned_legs.h"
#include "mission_generation/squadron_traits.h"
#include "platform/ascii.h"

namespace {

constexpr int kColumnSpeed = 18;
constexpr int kSeaSearchBriefs = 23;

// How many attempts (the value less one) the squadron makes to find a column.
int AttackChance(TMainForm& form, PlanRun& run, int i) {
  const SquadronEntry& squadron = form.SquadronTable[i];
  const std::string& role = squadron.SquadronRole;
  const std::string& type = squadron.SquadronClass;
  const int preference = PlayerPreference(form);
  const bool player = i == 0;
  const bool berlin_or_balaton = Contains(form.MapTitle, "Berlin") || form.MapTitle == "Balaton";

  int chance = 0;
  if (role == "1") chance = form.Random(5);
  if (role == "4") chance = 10;
  if (role == "7") chance = 10;
  if (role == "6") chance = 0;
  if (squadron.SquadronNation == "um" && role == "1") chance += 1;
  if (IsJabo(squadron)) chance = 10;
  if (Contains(squadron.SquadronName, "IJN_AG_601")) chance = 0;
  if (Contains(squadron.SquadronName, "IJA_F_TS")) chance = 0;
  if (player && preference == kPreferGroundAttack) chance = 3;
  if (player && preference > kPreferTankBusting) chance = 10;
  if (player && (preference == kPreferShippingStrike || preference == kPreferBridgeAttack ||
                 preference == kPreferAirSuperiority || preference == kPreferSweepRecon)) {
    chance = 0;
  }
  // The player's wish for airfield attacks holds back every squadron's ground attacks.
  if (preference == kPreferAirfieldAttack || (preference == kPreferFactoryAttack && player)) {
    chance = 0;
  }
  if (Contains(type, "P_11C") && squadron.SquadronArmy == "2") chance = 10;
  if (Contains(type, "P_47") && !Contains(form.MapTitle, "Berlin") && form.MapTitle != "Balaton") {
    chance = 10;
  }
  if (FliesRocketInterceptor(squadron)) chance = 0;
  if (role == "1" && squadron.SquadronHomeBase == "English_Airfield" && berlin_or_balaton) {
    chance = 0;
  }
  if (Contains(type, "G4M2E")) chance = 0;
  if (PayloadAbsent(squadron.TypePayload2)) chance = 0;
  if (role == "1" && run.OffMap(squadron.SquadronHomeBase)) chance = 0;
  if (player && squadron.SquadronTargetLocation >= 0 &&
      form.SelectTarget.Text ==
          std::as_const(form.LocationTable)[squadron.SquadronTargetLocation].LocationName) {
    chance = 0;
  }
  if (squadron.SquadronMissionType ==
      form.Messages.Text(MessageSection::kBriefs, kSeaSearchBriefs)) {
    chance = 0;
  }
  return chance;
}

// What the phase asks of every column before it weighs a squadron against it, read once: the
// plan changes none of the column's fields, its start or the front.
struct ColumnFacts {
  std::string side;   // ColumnArmy
  bool open = false;  // in the mission, no ship, no "C" mark but on armour, a place on the map
  bool near_front = false;  // route point 0 lies within the front radius
};

std::vector<ColumnFacts> ReadColumnFacts(const TMainForm& form, const PlanRun& run) {
  std::vector<ColumnFacts> facts(static_cast<size_t>(std::max(form.LastColumn + 1, 0)));
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    const std::string& place = column.ColumnPlace;
    ColumnFacts& fact = facts[static_cast<size_t>(c)];
    fact.side = column.ColumnArmy;
    fact.open = column.ColumnInMission == "Y" &&
                !(column.ColumnMarks == "C" && !IsArmourColumn(column)) && !IsShipColumn(column) &&
                place != "Blank" && place != "Future" && !run.OffMap(place) &&
                !Contains(place, "English_");
    fact.near_front = run.NearFront(run.RouteStart(c, 0));
  }
  return facts;
}

class GroundAttack {
 public:
  GroundAttack(TMainForm& form, PlanRun& run, const ColumnTargetsTaken& taken,
               const std::vector<ColumnFacts>& columns, const SeedsAhead& seeds, int squadron)
      : form_(form),
        run_(run),
        taken_(taken),
        columns_(columns),
        seeds_(seeds),
        i_(squadron),
        entry_(form.SquadronTable[squadron]),
        reach_(form, squadron),
        speed_(SetSpeed(form, squadron)),
        whole_speed_(WholeSpeed(speed_)) {}

  // One attempt; true when the squadron was given a column.
  bool Attempt() {
    const int c = Candidate();
    if (c < 0) return false;
    const ColumnEntry& column = form_.ColumnTable[c];
    const RoutePosition& start = run_.RouteStart(c, 0);
    if (Refused(column) || start.text.size() <= 3 || column.ColumnInMission != "Y" ||
        IsShipColumn(column) || form_.ColumnDensity.Text == "None" || !reach_.Within(start, 0) ||
        !run_.NearFront(start)) {
      return false;
    }
    if (run_.RouteStart(c, 1).text.empty()) {
      ErrorLog(form_, "Column " + column.ColumnName + " [" + IntToStr(c) +
                          "] left out of the plan: its route has no point 1.");
      run_.LeaveOutColumn(c);
      return false;
    }
    const std::optional<int> n = TakeScratchLocation(form_, i_);
    if (!n) return false;
    InterceptionWalk(form_, i_, c, *n, start.text, 1, 2, kColumnSpeed, whole_speed_,
                     [&](int k) { return k <= column.ColumnLastRoutePoint; });
    Assign(c, *n);
    return true;
  }

 private:
  bool Eligible(int c) { return !run_.ColumnLeftOut(c) && EligibleWhileLeftIn(c); }

  bool EligibleWhileLeftIn(int c) {
    const ColumnFacts& facts = columns_[static_cast<size_t>(c)];
    if (!facts.open) return false;
    if (facts.side == entry_.SquadronArmy) return false;
    if (!reach_.Within(run_.RouteStart(c, 0), 0) || !facts.near_front) return false;
    return !taken_.TakenByOther(form_, i_, c);
  }

  // The first eligible column; each later one replaces it only on a draw of 0 in three, made
  // before anything else is asked of it.
  int Candidate() { return i_ == 0 ? CandidateAskingEachColumn() : CandidateOfEligibleColumns(); }

  // The player's squadron measured against the front centre may widen the action radius, so
  // its columns are asked one by one as the draws come.
  int CandidateAskingEachColumn() {
    int candidate = -1;
    for (int c = 0; c <= form_.LastColumn; ++c) {
      if (candidate >= 0 && form_.Random(3) != 0) continue;
      if (Eligible(c)) candidate = c;
    }
    return candidate;
  }

  // For any other squadron only a column left out during the turn changes the answers of
  // Eligible, so the eligible columns are listed once, and of the draws after the first
  // candidate only those of eligible columns are read: the last of them to draw 0 wins.
  int CandidateOfEligibleColumns() {
    if (!eligible_) eligible_ = EligibleColumns();
    const auto left_in = [&](int c) { return !run_.ColumnLeftOut(c); };
    const auto first = std::find_if(eligible_->begin(), eligible_->end(), left_in);
    if (first == eligible_->end()) return -1;
    const std::uint32_t seed = form_.Rand.Seed();
    int candidate = *first;
    // Column c makes draw c - *first; the walk down ends at the first candidate itself.
    for (auto later = eligible_->rbegin(); *later > *first; ++later) {
      if (!left_in(*later)) continue;
      if (RandomGenerator::Scale(seeds_.After(seed, *later - *first), 3) == 0) {
        candidate = *later;
        break;
      }
    }
    form_.Rand.SetSeed(seeds_.After(seed, form_.LastColumn - *first));
    return candidate;
  }

  // The columns Eligible accepts while none is left out, in index order.
  std::vector<int> EligibleColumns() {
    std::vector<int> eligible;
    for (int c = 0; c <= form_.LastColumn; ++c) {
      if (EligibleWhileLeftIn(c)) eligible.push_back(c);
    }
    return eligible;
  }

  bool Refused(const ColumnEntry& column) const {
    const bool armour = IsArmourColumn(column);
    const std::string& role = entry_.SquadronRole;
    const bool ground_attacker = role == "4" || role == "7";
    if (i_ != 0) return !(armour && ground_attacker);
    return PlayerRefusesColumn(PlayerPreference(form_), armour, IsTrainColumn(column),
                               IsVehicleColumn(column), Contains(entry_.TypePayload2, "default"),
                               ground_attacker);
  }

  void Assign(int c, int n) {
    const ColumnEntry& column = form_.ColumnTable[c];
    LocationEntry& target = form_.LocationTable[n];
    target.LocationName = column.ColumnPlace;
    target.LocationArmy = EnemySide(entry_);
    int line = 13;
    if (IsArmourColumn(column)) line = 14;
    if (IsTrainColumn(column)) line = 15;
    SetMissionTexts(form_, i_, line, SummaryText(form_, line, column.ColumnPlace));
    entry_.SquadronWeapons = entry_.TypePayload2;
    entry_.SquadronEscortOf = -1;
    entry_.SquadronTargetObject.clear();
    entry_.SquadronTaskCode = "9";
    entry_.SquadronTargetLeg = TargetLeg(column, target.LocationPosition);
    entry_.SquadronJoinLeg.clear();
    entry_.SquadronRendezvousLeg.clear();
    entry_.SquadronHalfWayLeg.clear();
    if (i_ == 0) entry_.SquadronTargetObject = column.ColumnName;
    CreateHalfWay(form_, i_, 0);
  }

  std::string TargetLeg(const ColumnEntry& column, const std::string& at) const {
    const std::string tail = " " + column.ColumnType.substr(0, column.ColumnType.find(' ')) + " 1";
    const std::string& role = entry_.SquadronRole;
    std::string leg = PlannedLine(kGroundAttack, at, speed_, tail);
    if (role == "1" || role == "4") {
      leg = PlannedLineAt(kGroundAttack, at, "500.0", speed_, tail);
    } else if (role == "6") {
      leg = PlannedLine(kNormFly, at, speed_, " ");
    }
    const std::string& altitude_box = form_.TgtAltBox.Text;
    if (i_ == 0 && altitude_box != "Transit Altitude") {
      leg = PlannedLineAt(kGroundAttack, at, Trim(altitude_box.substr(0, 4)) + ".0", speed_, tail);
    }
    return leg;
  }

  TMainForm& form_;
  PlanRun& run_;
  const ColumnTargetsTaken& taken_;
  const std::vector<ColumnFacts>& columns_;
  const SeedsAhead& seeds_;
  int i_;
  SquadronEntry& entry_;
  SquadronReach reach_;
  std::string speed_;
  int whole_speed_;
  std::optional<std::vector<int>> eligible_;  // listed at the first attempt
};

void PlanGroundAttack(TMainForm& form, PlanRun& run, const ColumnTargetsTaken& taken,
                      const std::vector<ColumnFacts>& facts, const SeedsAhead& seeds,
                      ColumnPresence& columns, int i) {
  GroundAttack attack(form, run, taken, facts, seeds, i);
  const int chance = AttackChance(form, run, i);
  if (chance <= 2) return;
  for (int k = 2; k <= chance; ++k) {
    if (!columns.Present(form)) return;
    if (attack.Attempt()) return;
  }
}

}  // namespace

bool PlayerRefusesColumn(int preference, bool armour, bool train, bool vehicles,
                         bool default_ground_attack_load, bool ground_attacker) {
  bool refused = !(armour && ground_attacker);
  if (preference < kPreferTankBusting) refused = true;
  // Tank, train and truck busting take their own kind of column and no other.
  if (preference == kPreferTankBusting) refused = !armour;
  if (preference == kPreferTrainBusting) refused = !train;
  if (preference == kPreferTruckBusting) refused = !vehicles;
  if (preference == kPreferGroundAttack || preference == kPreferRandom) refused = false;
  if (preference == kPreferSweepRecon || preference == kPreferAirSuperiority) refused = true;
  if (armour && preference != kPreferTankBusting && default_ground_attack_load) refused = true;
  return refused;
}

void PlanGroundAttacks(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Ground Attack Missions.");
  ColumnPresence columns("the ground attacks");
  const ColumnTargetsTaken taken(form);
  const std::vector<ColumnFacts> facts = ReadColumnFacts(form, run);
  const SeedsAhead seeds(form.LastColumn);
  for (int i = 0; i <= form.LastSquadron; ++i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    PlanTurn(run, i, "Ground attack",
             [&] { PlanGroundAttack(form, run, taken, facts, seeds, columns, i); });
  }
}
