#include "mission_generation/mission_selection.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/point_grid.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
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

constexpr int kLockedTarget = 99999;
constexpr int kChosenTarget = 999999;
constexpr int kFallbackAttempt = 7;

// Places where no paratroops are dropped and no composite strike is flown.
bool NoDropPlace(const std::string& name) {
  return ContainsAny(name,
                     {"Station", "_Rail", "Harbor", "_Port", "Beachhead", "Sea", "Ocean", "_Bay"});
}

bool OpenWater(const std::string& name) {
  return ContainsAny(name, {"Sea", "Ocean", "_Bay"});
}

// A location a target may be drawn from, with what the scan asks of it read once for every
// squadron: the table's entries are large, the scan reads them squadron after squadron.
struct TargetCandidate {
  int location;
  WholeMetrePoint point;
  int value;       // LocationTargetValue
  bool barred;     // off the map, behind a destroyed bridge or an English base
  bool drop_zone;  // "_Dropzone" in its name
};

// The candidates in index order, with the highest number the candidates from each one on can
// draw and their positions by map cell.
class TargetCandidates : public std::vector<TargetCandidate> {
 public:
  PointGrid grid{{}};

  void Add(const TargetCandidate& candidate) {
    push_back(candidate);
    xs_.push_back(candidate.point.x);
    ys_.push_back(candidate.point.y);
    // A draw of n answers 0..n-1, and 0 for n of 1 or less.
    const int most = std::max(candidate.value - 1, 0);
    most_drawn_.push_back(most);
  }

  // Once all are added: the highest number candidates k.. can draw, for every k.
  void Close() {
    highest_from_.assign(most_drawn_.size() + 1, 0);
    for (size_t k = most_drawn_.size(); k-- > 0;) {
      highest_from_[k] = std::max(highest_from_[k + 1], most_drawn_[k]);
    }
  }
  int HighestDrawFrom(size_t k) const { return highest_from_[k]; }

  // Steps from candidate `k` over those that leave a scan as it is: out of reach, or surely
  // in reach with a draw that cannot beat `best`. Answers the first candidate that needs a
  // closer look (near the edge of reach, or with a draw that may win), or size(); `reached`
  // grows by the candidates stepped over in reach, each of which draws.
  size_t PassOver(size_t k, const SquadronReach::SquaredLimit& limit, int best,
                  std::uint64_t& reached) const {
    constexpr long long kAxis = SquadronReach::SquaredLimit::kSquaredAxis;
    std::uint64_t within_count = 0;
    for (; k < xs_.size(); ++k) {
      const long long dx = xs_[k] - limit.centre.x;
      const long long dy = ys_[k] - limit.centre.y;
      const bool far = dx > kAxis || dx < -kAxis || dy > kAxis || dy < -kAxis;
      // Clamped, so that the squares of a far point stay in range; such a point is measured.
      const long long cx = std::clamp(dx, -kAxis, kAxis);
      const long long cy = std::clamp(dy, -kAxis, kAxis);
      const long long squared = cx * cx + cy * cy;
      const bool within = squared < limit.surely_within;
      const bool beyond = squared > limit.surely_beyond;
      if (far || (!within && !beyond) || (within && most_drawn_[k] > best)) break;
      within_count += within ? 1 : 0;
    }
    reached += within_count;
    return k;
  }

 private:
  std::vector<long long> xs_;
  std::vector<long long> ys_;
  std::vector<int> most_drawn_;    // the highest number each candidate can draw
  std::vector<int> highest_from_;  // the highest of most_drawn_ from each candidate on
};

class Selection {
 public:
  Selection(TMainForm& form, PlanRun& run, int squadron, const TargetCandidates& near_front)
      : form_(form),
        run_(run),
        i_(squadron),
        entry_(form.SquadronTable[squadron]),
        near_front_(near_front),
        reach_(form, squadron),
        speed_(SetSpeed(form, squadron)),
        preference_(PlayerPreference(form)),
        fighter_(entry_.SquadronRole == "1"),
        payload4_(AsciiLowerCase(entry_.TypePayload4)),
        carries_paratroops_(Contains(payload4_, "para")) {}

  void Run() {
    int attempts = 0;
    do {
      ++attempts;
      Attempt(attempts);
    } while (entry_.SquadronTargetLeg.empty() && entry_.SquadronActive == "Active True " &&
             attempts < kSelectionAttempts);
    if (entry_.SquadronTargetLeg.empty() && entry_.SquadronActive == "Active True ") {
      ErrorLog(form_, "Squadron " + SquadronLabel(form_, i_) + " found no target in " +
                          IntToStr(attempts) + " attempts and stays at its base.");
    }
  }

 private:
  void Attempt(int attempts) {
    target_ = -1;
    best_ = -1;
    code_ = -1;
    entry_.SquadronBriefing.clear();
    entry_.SquadronMissionType.clear();
    ScanCandidates();
    FixTarget();
    ChooseKind(attempts);
    entry_.SquadronTaskCode = IntToStr(code_);
    entry_.SquadronTargetLocation = target_;
    WriteTargetLeg();
    if (code_ > -1 && target_ >= 0 && !entry_.SquadronTargetLeg.empty() &&
        !entry_.SquadronTakeOffLeg.empty()) {
      CreateHalfWay(form_, i_, 0);
    }
  }

  // ---- Target ------------------------------------------------------------------------------

  void ScanCandidates() {
    if (i_ == 0) {
      ScanCandidatesForThePlayer();
      return;
    }
    // Away from the player's squadron a reach test changes nothing, so a squadron without
    // the payload draws nothing and the tests need no position text.
    if (Contains(payload4_, "none") || !reach_.HasBase()) return;
    // A fighter without long-range tanks must reach under both rules: the nearer limit.
    const bool short_fighter = fighter_ && entry_.TypePayload5 == "none";
    const long long limit =
        short_fighter ? std::min(reach_.Limit(0), reach_.Limit(2)) : reach_.Limit(0);
    const SquadronReach::SquaredLimit squared = reach_.Squared(limit);
    const auto reached = [&](const TargetCandidate& candidate) {
      const int settled = squared.Settle(candidate.point);
      if (settled >= 0) return settled == 1;
      return reach_.Reaches(candidate.point, 0) &&
             !(short_fighter && !reach_.Reaches(candidate.point, 2));
    };
    // Once the best worth drawn is at least what any location still to come can draw, only a
    // drop zone for paratroopers can still win, so the rest of the scan only spends a draw per
    // location.
    // For the same reason the candidates a draw cannot make win are stepped over in bulk, their
    // draws only counted; the generator steps past them before the next draw it answers.
    const bool beaten_by_worth_only = !carries_paratroops_;
    long long drawn = 0;
    std::uint64_t passed = 0;
    size_t next = 0;
    while (next < near_front_.size()) {
      if (beaten_by_worth_only && best_ >= near_front_.HighestDrawFrom(next)) break;
      if (beaten_by_worth_only) {
        const std::uint64_t before = passed;
        next = near_front_.PassOver(next, squared, best_, passed);
        drawn += static_cast<long long>(passed - before);
        if (next == near_front_.size()) break;
      }
      const TargetCandidate& candidate = near_front_[next++];
      if (!reached(candidate)) continue;
      ++drawn;
      form_.Rand.Skip(passed);
      passed = 0;
      const int draw = form_.Random(candidate.value);
      if (draw <= best_ && !(carries_paratroops_ && candidate.drop_zone)) continue;
      if (candidate.barred) continue;
      Weigh(candidate.location);
    }
    form_.Rand.Skip(passed);
    if (next == near_front_.size()) return;
    const long long all_reached = near_front_.grid.CountInDisk(
        squared.centre, squared.surely_within, squared.surely_beyond,
        [&](int k) { return reached(near_front_[static_cast<size_t>(k)]); });
    form_.Rand.Skip(static_cast<std::uint64_t>(all_reached - drawn));
  }

  // The player's squadron asked about the front centre may widen the action radius, so every
  // test goes through its position as it stands.
  void ScanCandidatesForThePlayer() {
    const bool payload4_absent = Contains(payload4_, "none");
    for (const TargetCandidate& candidate : near_front_) {
      const int j = candidate.location;
      const LocationEntry& location = std::as_const(form_.LocationTable)[j];
      const WholeMetrePoint& point = candidate.point;
      if (!reach_.Within(location.LocationPosition, point, 0)) continue;
      if (payload4_absent) continue;
      if (fighter_ && !reach_.Within(location.LocationPosition, point, 2) &&
          entry_.TypePayload5 == "none") {
        continue;
      }
      const int draw = form_.Random(location.LocationTargetValue);
      const std::string& name = location.LocationName;
      if (draw <= best_ && !PassesWhateverTheDraw(name)) continue;
      if (candidate.barred) continue;
      Weigh(j);
    }
  }

  // A bridge the player asks for, or a drop zone for paratroopers, goes on whatever it drew.
  bool PassesWhateverTheDraw(const std::string& name) const {
    const bool bridge_wish =
        i_ == 0 && (preference_ == kPreferBridgeAttack || preference_ == kPreferBridgeDefense) &&
        Contains(name, "Bridge");
    return bridge_wish || (carries_paratroops_ && Contains(name, "_Dropzone"));
  }

  void Weigh(int j) {
    const LocationEntry& location = std::as_const(form_.LocationTable)[j];
    const std::string& name = location.LocationName;
    const bool own = location.LocationArmy == entry_.SquadronArmy;
    const bool enemy = !own && location.LocationArmy != "0";

    bool suits = !own;
    if (fighter_) {
      suits = !(i_ == 0 && preference_ != kPreferRandom && preference_ != kPreferDefense) || !own;
    } else if (entry_.SquadronRole == "2" || entry_.SquadronRole == "6") {
      suits = !own && location.LocationArmy != "0";
    }
    if (suits) {
      target_ = j;
      best_ = location.LocationTargetValue;
    }
    if (enemy && carries_paratroops_ && Contains(name, "_Dropzone")) Lock(j, kLockedTarget);
    if (enemy && Contains(name, "Bridge") && BridgeDrawWins() && i_ == 0 &&
        preference_ == kPreferBridgeAttack) {
      Lock(j, kLockedTarget);
    }
    if (own && Contains(name, "Bridge") && BridgeDrawWins() && i_ == 0 &&
        preference_ == kPreferBridgeDefense) {
      Lock(j, kLockedTarget);
    }
    if (i_ == 0 && form_.SelectTarget.Text == name) Lock(j, kChosenTarget);
  }

  // A bridge already chosen gives way to another bridge one time in three.
  bool BridgeDrawWins() {
    if (target_ < 0 ||
        !Contains(std::as_const(form_.LocationTable)[target_].LocationName, "Bridge"))
      return true;
    return form_.Random(3) == 0;
  }

  void Lock(int j, int value) {
    target_ = j;
    best_ = value;
  }

  int LastUsableNamed(const std::string& name) const {
    const int location = run_.LastLocationNamed(name);
    return location >= 0 && run_.Usable(location) ? location : -1;
  }

  void FixTarget() {
    if (target_ >= 0) {
      const LocationEntry& location = std::as_const(form_.LocationTable)[target_];
      if (Contains(location.LocationName, "English_") || location.LocationOffMap == "Y")
        target_ = -1;
    }
    if (target_ < 0) target_ = run_.FrontIndex();
    const int home = LastUsableNamed(entry_.SquadronHomeBase);
    const bool target_off_map =
        target_ >= 0 && std::as_const(form_.LocationTable)[target_].LocationOffMap == "Y";
    if ((FliesRocketInterceptor(entry_) || (fighter_ && target_off_map)) && home >= 0)
      target_ = home;
    const bool front_at_sea =
        ContainsAny(form_.FrontCenterName, {"Sea", "_Bay", "Harbor", "_Port", "Ocean"});
    if (target_ >= 0 && target_ == form_.FrontCenterIndex && front_at_sea && fighter_) {
      if (home >= 0) target_ = home;
      for (int c : run_.ColumnsCarrying(entry_.SquadronHomeBase)) {
        const int ship_place = LastUsableNamed(form_.ColumnTable[c].ColumnPlace);
        if (ship_place >= 0) target_ = ship_place;
      }
    }
  }

  // ---- Kind of mission -----------------------------------------------------------------------

  void Give(int summary, int briefs, int code, const std::string& weapons) {
    SetMissionTexts(form_, i_, briefs, SummaryText(form_, summary, TargetName()));
    code_ = code;
    entry_.SquadronWeapons = weapons;
  }

  void GiveNothing(const std::string& weapons) {
    code_ = -1;
    entry_.SquadronWeapons = weapons;
  }

  const std::string& TargetName() const {
    return std::as_const(form_.LocationTable)[target_].LocationName;
  }
  const std::string& TargetArmy() const {
    return std::as_const(form_.LocationTable)[target_].LocationArmy;
  }
  bool TargetOwn() const { return TargetArmy() == entry_.SquadronArmy; }
  bool TargetEnemy() const { return !TargetOwn() && TargetArmy() != "0"; }
  bool TargetIsFront() const { return target_ == form_.FrontCenterIndex; }
  bool HomeOffMapFighter() const { return fighter_ && run_.OffMap(entry_.SquadronHomeBase); }
  bool PayloadUsable(const std::string& payload) const {
    return !PayloadAbsent(payload) && !Contains(payload, "default");
  }

  void ChooseKind(int attempts) {
    if (target_ >= 0) {
      AirfieldAttack();
      Bombing();
      GliderTug();
      CompositeStrike();
      TransportDrop("C-47", 1943);
      TransportDrop("LI-2", 1942);
      FrontGroundAttack();
      BridgeAttack();
      BridgeCover();
      TerritoryCover();
      FighterSweep();
      GroundAttack();
      Reconnaissance();
      FrontReconnaissance();
    }
    Fallback(attempts);
    if (target_ < 0) {
      code_ = -1;
      entry_.SquadronBriefing.clear();
      entry_.SquadronMissionType.clear();
    }
  }

  int Planes() const { return StrToInt(entry_.PlanesFlight); }

  void AirfieldAttack() {
    const std::string& role = entry_.SquadronRole;
    if (role == "3" || role == "5" || role == "6" || HomeOffMapFighter() || Planes() <= 2) return;
    if (!ContainsAny(TargetName(), {"Airfield", "Airstrip"}) || !TargetEnemy()) return;
    if (!PayloadUsable(entry_.TypePayload4)) return;
    Give(1, 0, 1, entry_.TypePayload4);
  }

  void Bombing() {
    const std::string& role = entry_.SquadronRole;
    if (role != "2" && role != "3" && role != "7") return;
    if (!TargetEnemy() || !PayloadUsable(entry_.TypePayload4) || Planes() <= 2) return;
    int summary = 2;
    int briefs = ContainsAny(TargetName(), {"Airstrip", "Airfield"}) ? 0 : 1;
    if (ContainsAny(TargetName(), {"Factory", "Camp", "Depot"})) {
      summary = 6;
      briefs = 3;
    }
    Give(summary, briefs, 1, entry_.TypePayload4);
    if (!carries_paratroops_) return;
    if (reach_.Within(std::as_const(form_.LocationTable)[target_].LocationPosition, 5) &&
        !NoDropPlace(TargetName())) {
      SetMissionTexts(form_, i_, 4, SummaryText(form_, 3, TargetName()));
    } else {
      GiveNothing(entry_.TypeDefaultWeapons);
    }
  }

  void GliderTug() {
    if (!Contains(entry_.TypeDescription, "HE-111 Z")) return;
    entry_.PlanesExtra = 1;
    if (Contains(TargetName(), "_Dropzone")) {
      Give(4, 5, 1, "glider ME_321");
    } else {
      GiveNothing(entry_.TypeDefaultWeapons);
    }
  }

  void CompositeStrike() {
    if (!Contains(entry_.TypeDescription, "FW_190A8MSTL")) return;
    if (!NoDropPlace(TargetName())) {
      Give(4, 5, 1, entry_.TypeDefaultWeapons);
    } else {
      GiveNothing(entry_.TypeDefaultWeapons);
    }
  }

  // Transports drop gliders (one time in five after `glider_year`) or paratroops on drop zones.
  void TransportDrop(std::string_view type, int glider_year) {
    if (!Contains(entry_.TypeDescription, type)) return;
    const bool drop_zone = Contains(TargetName(), "_Dropzone");
    if (drop_zone && form_.CampaignYear > glider_year && form_.Random(5) == 0) {
      Give(4, 5, 1, "glider G_11");
    } else if (Contains(entry_.TypePayload4, "Para") && form_.Paras.Checked && drop_zone) {
      Give(3, 4, 1, entry_.TypePayload4);
    } else {
      GiveNothing(entry_.TypeDefaultWeapons);
    }
  }

  bool PlayerWantsGroundAttack() const { return i_ == 0 && preference_ == kPreferGroundAttack; }

  void FrontGroundAttack() {
    if (fighter_ && !PlayerWantsGroundAttack()) return;
    if (entry_.SquadronRole == "6" || PayloadAbsent(entry_.TypePayload2)) return;
    if (Contains(entry_.TypePayload2, "default") && !PlayerWantsGroundAttack()) return;
    if (Planes() <= 2 || !TargetIsFront()) return;
    Give(5, fighter_ ? 6 : 7, 1, entry_.TypePayload2);
    if (OpenWater(TargetName())) Give(12, 12, 3, entry_.TypePayload2);
  }

  void BridgeAttack() {
    if (entry_.SquadronRole == "6" || HomeOffMapFighter() || PayloadAbsent(entry_.TypePayload4)) {
      return;
    }
    if (TargetName() == form_.FrontCenterName || Planes() <= 2) return;
    if (Contains(entry_.TypePayload4, "default")) return;
    if (!Contains(AsciiLowerCase(TargetName()), "bridge") || TargetOwn()) return;
    Give(6, 8, 2, entry_.TypePayload4);
  }

  bool PlainFighter() const { return fighter_ && !IsJabo(entry_); }

  void BridgeCover() {
    if (!PlainFighter() || !Contains(AsciiLowerCase(TargetName()), "bridge")) return;
    if (!TargetOwn() && TargetArmy() != "0") return;
    Give(7, 9, 7, entry_.TypeDefaultWeapons);
  }

  void TerritoryCover() {
    if (!PlainFighter()) return;
    const bool wanted =
        i_ == 0 && (preference_ == kPreferAirSuperiority || preference_ == kPreferDefense);
    if (!wanted && code_ != -1 && form_.Random(2) != 0) return;
    if (!TargetOwn()) return;
    Give(7, 20, 6, entry_.TypeDefaultWeapons);
  }

  void FighterSweep() {
    if (!PlainFighter()) return;
    if (code_ >= 0) {
      const bool drawn = form_.Random(2) == 0 && Planes() > 2;
      if (!drawn && !(i_ == 0 && preference_ != kPreferDefense)) return;
    }
    if (TargetOwn()) return;
    Give(preference_ == kPreferAirSuperiority ? 10 : 9, 11, 3, entry_.TypeDefaultWeapons);
  }

  void GroundAttack() {
    if (TargetOwn() || PayloadAbsent(entry_.TypePayload2) || entry_.SquadronRole == "6") return;
    if (HomeOffMapFighter() || Planes() <= 2 || entry_.SquadronRole == "5") return;
    if (code_ != -1 && !PlayerWantsGroundAttack()) return;
    Give(11, 6, 1, entry_.TypePayload2);
    if (OpenWater(TargetName())) Give(12, 12, 3, entry_.TypePayload2);
  }

  void Reconnaissance() {
    if (TargetOwn() && !TargetIsFront()) return;
    const std::string& role = entry_.SquadronRole;
    const bool goes_on = code_ == -1 || form_.Random(20) == 0 ||
                         (preference_ == kPreferSweepRecon && i_ == 0) || role == "5" ||
                         role == "6";
    if (!goes_on || Contains(entry_.SquadronClass, "FW_190A8MSTL")) return;
    Give(12, 12, 3, entry_.TypePayload4);
    if (role == "4" || role == "7") Give(2, 6, 1, entry_.TypePayload2);
    if (carries_paratroops_ || TargetOwn() || role == "5" || role == "6") {
      entry_.SquadronWeapons = entry_.TypeDefaultWeapons;
    }
    if (PlainFighter() && !(i_ == 0 && preference_ == kPreferAirfieldAttack)) {
      SetMissionTexts(form_, i_, 11, SummaryText(form_, 9, TargetName()));
      entry_.SquadronWeapons = entry_.TypeDefaultWeapons;
    }
  }

  void FrontReconnaissance() {
    if (TargetArmy() != "0" && !TargetIsFront()) return;
    if (code_ != -1 && form_.Random(2) != 0) return;
    if (entry_.SquadronRole != "5") return;
    Give(23, 21, 3, entry_.TypeDefaultWeapons);
  }

  void Fallback(int attempts) {
    if (code_ != -1 || PayloadAbsent(entry_.TypePayload4) || fighter_ ||
        attempts < kFallbackAttempt) {
      return;
    }
    if (target_ < 0 || TargetOwn()) target_ = run_.FrontIndex();
    if (target_ < 0) return;
    Give(12, 12, 3, entry_.TypePayload4);
  }

  // ---- Legs ----------------------------------------------------------------------------------

  void WriteTargetLeg() {
    if (target_ < 0) return;
    const std::string& position = std::as_const(form_.LocationTable)[target_].LocationPosition;
    std::string& leg = entry_.SquadronTargetLeg;
    if (code_ >= 0) leg = PlainPoint(position, speed_);
    if (code_ > 0 && code_ < 6 && !(code_ == 3 && fighter_) && !TargetOwn()) {
      leg = AttackPoint(position, speed_);
    }
    if (code_ == 2 && !TargetOwn()) leg = BridgeAttackPoint(position, speed_, TargetName());
    if (Contains(entry_.SquadronClass, "TB_3_4M_34R_SPB"))
      leg = CompositeCarrierPoint(position, speed_);
  }

  TMainForm& form_;
  PlanRun& run_;
  int i_;
  SquadronEntry& entry_;
  const TargetCandidates& near_front_;
  SquadronReach reach_;
  std::string speed_;
  int preference_;
  bool fighter_;
  std::string payload4_;  // TypePayload4 in lower case
  bool carries_paratroops_;

  int target_ = -1;
  int best_ = -1;
  int code_ = -1;
};

// Map locations within the front radius, in index order: the only ones a target is drawn from.
// Selection changes no location, so they are read once for every squadron.
TargetCandidates LocationsNearFront(const TMainForm& form, const PlanRun& run) {
  TargetCandidates near_front;
  const LocationTableType& locations = form.LocationTable;
  for (int j = 0; j <= form.LastLocation; ++j) {
    if (!run.Usable(j) || !run.NearFront(run.Point(j))) continue;
    const LocationEntry& location = locations[j];
    const std::string& name = location.LocationName;
    const bool barred = location.LocationOffMap == "Y" || location.LocationBridgeState != 0 ||
                        Contains(name, "English_");
    near_front.Add(
        {j, run.Point(j), location.LocationTargetValue, barred, Contains(name, "_Dropzone")});
  }
  near_front.Close();
  std::vector<WholeMetrePoint> points;
  points.reserve(near_front.size());
  for (const TargetCandidate& candidate : near_front) points.push_back(candidate.point);
  near_front.grid = PointGrid(points);
  return near_front;
}

}  // namespace

void SelectMissions(TMainForm& form, PlanRun& run) {
  form.InfoLabel.Caption = "Beginning Mission Selection Routine";
  const TargetCandidates near_front = LocationsNearFront(form, run);
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    PlanTurn(run, i, "Mission selection", [&] { Selection(form, run, i, near_front).Run(); });
  }
}
