#include "mission_generation/base_moves.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
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
#include "mission_generation/waypoint_text.h"
#include "platform/ascii.h"
#include "platform/errors.h"

namespace {

constexpr int kBugOutSummary = 17;
constexpr int kTransferSummary = 18;
constexpr long long kSameBaseMetres = 4999;

// Squadrons fall into three groups by the bases that suit them.
enum BaseGroup { kSeaplanes = 0, kBombers = 1, kOthers = 2 };

BaseGroup GroupOf(const std::string& role) {
  if (role == "6") return kSeaplanes;
  if (role == "2") return kBombers;
  return kOthers;
}

const std::array<std::string, 3> kGroupRoles{"6", "2", "1"};

// The kinds of base a location's name offers, whatever its case.
struct BaseKinds {
  bool airstrip;
  bool airfield;
  bool sea_base;  // seaplane base, port or harbour
};

BaseKinds KindsOf(const std::string& location_name) {
  const std::string name = AsciiLowerCase(location_name);
  return {Contains(name, "airstrip"), Contains(name, "airfield"),
          ContainsAny(name, {"seaplane_base", "_port", "harbor"})};
}

bool Suits(const BaseKinds& kinds, const std::string& role, bool relaxed) {
  if (kinds.airstrip && role != "6" && (relaxed || role != "2")) return true;
  if (kinds.airfield && role != "6") return true;
  return kinds.sea_base && role == "6";
}

// The map's locations sorted out once for the base scans, each list in index order.
class BaseIndex {
 public:
  // What the scans ask of a location besides its position, read once.
  struct Traits {
    std::uint8_t suits = 0;       // a bit per group it suits
    bool clear_of_enemy = false;  // LocationNearEnemy is "N"
    bool off_map = false;
    bool lunga_airstrip = false;  // never an Axis base
  };

  BaseIndex(const TMainForm& form, const PlanRun& run)
      : traits_(static_cast<size_t>(std::max(form.LastLocation + 1, 0))) {
    for (int j = 0; j <= form.LastLocation; ++j) {
      if (!run.Usable(j)) continue;
      const LocationEntry& location = std::as_const(form.LocationTable)[j];
      Traits& traits = traits_[static_cast<size_t>(j)];
      traits.clear_of_enemy = location.LocationNearEnemy == "N";
      traits.off_map = location.LocationOffMap == "Y";
      traits.lunga_airstrip = location.LocationName == "Lunga_Airstrip";
      const std::string& side = location.LocationArmy;
      const bool safe = location.LocationNearEnemy != "Y";
      if (safe && run.FrontReaches(run.Point(j))) safe_near_front_[side].push_back(j);
      const BaseKinds kinds = KindsOf(location.LocationName);
      for (int group = kSeaplanes; group <= kOthers; ++group) {
        const std::string& role = kGroupRoles[static_cast<size_t>(group)];
        if (Suits(kinds, role, false)) {
          traits.suits |= GroupBit(group);
          suitable_[Key(side, group)].push_back(j);
          if (safe) safe_suitable_[Key(side, group)].push_back(j);
        }
        if (Suits(kinds, role, true)) relaxed_[Key(side, group)].push_back(j);
      }
    }
  }

  // SuitableBase(name of location, a role of the group, false).
  bool SuitsGroup(int location, BaseGroup group) const {
    return (Of(location).suits & GroupBit(group)) != 0;
  }
  const Traits& Of(int location) const { return traits_[static_cast<size_t>(location)]; }

  // Locations of a side within the front radius and not near the enemy.
  const std::vector<int>& SafeNearFront(const std::string& side) const {
    return Find(safe_near_front_, side);
  }
  const std::vector<int>& Suitable(const std::string& side, BaseGroup group) const {
    return Find(suitable_, Key(side, group));
  }
  const std::vector<int>& SafeSuitable(const std::string& side, BaseGroup group) const {
    return Find(safe_suitable_, Key(side, group));
  }
  const std::vector<int>& Relaxed(const std::string& side, BaseGroup group) const {
    return Find(relaxed_, Key(side, group));
  }

 private:
  static std::uint8_t GroupBit(int group) { return static_cast<std::uint8_t>(1U << group); }
  static std::string Key(const std::string& side, int group) {
    return side + "\n" + IntToStr(group);
  }
  static const std::vector<int>& Find(const std::map<std::string, std::vector<int>>& lists,
                                      const std::string& key) {
    static const std::vector<int> kNone;
    const auto found = lists.find(key);
    return found == lists.end() ? kNone : found->second;
  }

  std::vector<Traits> traits_;  // by location
  std::map<std::string, std::vector<int>> safe_near_front_;
  std::map<std::string, std::vector<int>> suitable_;
  std::map<std::string, std::vector<int>> safe_suitable_;
  std::map<std::string, std::vector<int>> relaxed_;
};

void AssignMove(TMainForm& form, int i, int location, const std::string& speed, int summary) {
  SquadronEntry& squadron = form.SquadronTable[i];
  const LocationEntry& base = std::as_const(form.LocationTable)[location];
  squadron.SquadronMoveKind = 2;
  squadron.SquadronTargetLocation = location;
  squadron.SquadronNewBase = base.LocationName;
  squadron.SquadronTargetLeg = PlannedLine(kNormFly, base.LocationPosition, speed);
  squadron.SquadronEscortOf = -1;
  squadron.SquadronTargetObject.clear();
  squadron.SquadronReturnLeg.clear();
  SetMissionTexts(form, i, 17, SummaryText(form, summary, base.LocationName));
  squadron.SquadronTaskCode = "3";
  CreateHalfWay(form, i, 0);
}

// Whether moves of the squadron to usable locations write nothing but its mission fields: its
// speed, cruise altitude and take-off position all read, so no move leaves a run-log line.
bool QuietMoves(const TMainForm& form, int i) {
  if (!HasCruiseSpeed(form, i) || !HasCruiseAltitude(form, i)) return false;
  try {
    ReadLegPosition(form.SquadronTable[i].SquadronTakeOffLeg, kTakeOffKeyword, "");
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

// The bases a scan accepts one after another, each move overwriting every field the one before
// wrote. Quiet moves are therefore made once, to the last base accepted; others are made as
// they come, so that the run log keeps the lines of each. `speed` gives a move's speed text.
class AcceptedBases {
 public:
  AcceptedBases(TMainForm& form, int squadron, int summary)
      : form_(form), i_(squadron), summary_(summary), quiet_(QuietMoves(form, squadron)) {}

  template <typename Speed>
  void Accept(int location, const Speed& speed) {
    if (quiet_) {
      last_ = location;
    } else {
      AssignMove(form_, i_, location, speed(), summary_);
    }
  }

  template <typename Speed>
  void Finish(const Speed& speed) {
    if (last_ >= 0) AssignMove(form_, i_, last_, speed(), summary_);
  }

 private:
  TMainForm& form_;
  int i_;
  int summary_;
  bool quiet_;
  int last_ = -1;
};

bool MustBugOut(const TMainForm& form, const PlanRun& run, const BaseIndex& bases, int i) {
  const SquadronEntry& squadron = form.SquadronTable[i];
  bool must = false;
  for (int j : run.LocationsNamed(squadron.SquadronHomeBase)) {
    const LocationEntry& base = std::as_const(form.LocationTable)[j];
    if (base.LocationArmy != squadron.SquadronArmy) must = true;
    if (!form.NoTransfers.Checked && base.LocationOffMap != "Y" && base.LocationNearEnemy == "Y" &&
        !bases.SafeSuitable(base.LocationArmy, GroupOf(squadron.SquadronRole)).empty()) {
      must = true;
    }
  }
  return must;
}

void BugOut(TMainForm& form, PlanRun& run, const BaseIndex& bases, int i) {
  SquadronEntry& squadron = form.SquadronTable[i];
  const std::string speed = SetSpeed(form, i);
  squadron.SquadronMoveKind = 0;
  if (!MustBugOut(form, run, bases, i)) return;
  const std::string& side = squadron.SquadronArmy;
  const std::string& role = squadron.SquadronRole;
  const std::string home = squadron.SquadronHomeBase;

  const BaseGroup group = GroupOf(role);
  // The locations named like the home base, known by index: the scans below then leave the
  // large location entries unread.
  const std::span<const int> home_places = run.LocationsNamed(home);
  const auto is_home = [&home_places](int j) {
    return std::find(home_places.begin(), home_places.end(), j) != home_places.end();
  };
  const auto fixed_speed = [&speed] { return speed; };
  AcceptedBases accepted(form, i, kBugOutSummary);
  bool taken = false;
  for (int j : bases.SafeNearFront(side)) {
    if (is_home(j)) continue;
    if (taken && form.Random(2) != 0) continue;
    if (!bases.SuitsGroup(j, group)) continue;
    accepted.Accept(j, fixed_speed);
    taken = true;
  }
  accepted.Finish(fixed_speed);
  if (taken) return;
  for (int j : bases.SafeSuitable(side, group)) {
    if (is_home(j)) continue;
    AssignMove(form, i, j, speed, kBugOutSummary);
    return;
  }
  for (int j : bases.Relaxed(side, group)) {
    if (is_home(j)) continue;
    AssignMove(form, i, j, speed, kBugOutSummary);
    return;
  }
}

// ---- Transfers ------------------------------------------------------------------------------

bool NavalGroup(const SquadronEntry& squadron) {
  const std::string& name = squadron.SquadronName;
  const std::string& nation = squadron.SquadronNation;
  return name.substr(0, name.empty() ? 0 : name.size() - 1) == "fr01" || nation == "un" ||
         nation == "in" || nation == "rn";
}

class Transfer {
 public:
  Transfer(TMainForm& form, PlanRun& run, const BaseIndex& bases, int squadron)
      : form_(form), run_(run), bases_(bases), i_(squadron), entry_(form.SquadronTable[squadron]) {}

  void Plan() {
    const std::string& home = entry_.SquadronHomeBase;
    const std::string& role = entry_.SquadronRole;
    const bool naval = NavalGroup(entry_);
    if (i_ == 0 && PlayerPreference(form_) != kPreferRandom) state_ = kHeld;
    if ((!ContainsAny(home, {"Airstrip", "Airfield"}) && role != "6" && !naval) ||
        entry_.SquadronClass == "Class air.AR_196A3" ||
        (Contains(home, "English_") && !form_.NormandyBaseOption && form_.MapName == "Normandy")) {
      state_ = kForced;
    }
    SetSpeed(form_, i_);
    if (form_.NoTransfers.Checked && role != "3" && state_ != kForced) return;
    if (entry_.SquadronMoveKind != 0) return;

    const int home_location = run_.LastLocationNamed(home);
    if (home_location >= 0 && run_.Usable(home_location)) {
      home_ = run_.Point(home_location);
    } else if (home_location < 0 && run_.HasFront()) {
      home_ = run_.FrontPoint();
    } else {
      return;  // no position to measure the move from
    }
    named_base_ = ContainsAny(home, {"Airstrip", "Airfield", "SeaPlane_Base", "Harbor", "_Port"});
    if (naval && !named_base_) state_ = kHeld;
    if (state_ == kHeld && !named_base_) return;
    forced_ = state_ == kForced;
    if (!LooksForBase()) return;
    Scan();
  }

 private:
  // A squadron may move freely, is held at its base by the player's wish or must move.
  enum State { kFree, kHeld, kForced };

  bool HomeNearFront() const { return run_.FrontReaches(*home_); }

  bool LooksForBase() {
    if (state_ == kFree && !HomeNearFront()) return true;
    if (form_.Random(32) == 0) return true;
    if (forced_ || entry_.SquadronRole == "3") return true;
    if (i_ != 0) return false;
    const std::string& home = entry_.SquadronHomeBase;
    return (Contains(home, "English_") && !form_.NormandyBaseOption) || run_.OffMap(home);
  }

  long long MetresBetween(const WholeMetrePoint& a, const WholeMetrePoint& b) const {
    return WholeMetreDistance(a.x - b.x, a.y - b.y);
  }

  void Scan() {
    const std::string& role = entry_.SquadronRole;
    const bool transport = role == "3";
    const auto speed = [this] { return SetSpeed(form_, i_); };
    AcceptedBases accepted(form_, i_, kTransferSummary);
    const std::span<const int> home_places = run_.LocationsNamed(entry_.SquadronHomeBase);
    bool taken = false;
    // Every base of the list suits the role.
    for (int j : bases_.Suitable(entry_.SquadronArmy, GroupOf(role))) {
      const BaseIndex::Traits& location = bases_.Of(j);
      if (!location.clear_of_enemy && !transport && role != "5" && named_base_) continue;
      if (std::find(home_places.begin(), home_places.end(), j) != home_places.end()) continue;
      if (!transport) {
        const bool drawn = form_.Random(2) == 0;
        if (!(drawn || !taken || forced_ || !named_base_)) continue;
        if (location.off_map) continue;
      }
      const WholeMetrePoint& at = run_.Point(j);
      if (MetresBetween(at, *home_) <= kSameBaseMetres && named_base_) continue;
      const bool nearer_front = run_.HasFront() && MetresBetween(at, run_.FrontPoint()) <
                                                       MetresBetween(*home_, run_.FrontPoint());
      if (!(forced_ || !named_base_ || transport || HomeNearFront() || nearer_front)) continue;
      if (entry_.SquadronArmy == "2" && location.lunga_airstrip) continue;
      accepted.Accept(j, speed);
      taken = true;
    }
    accepted.Finish(speed);
  }

  TMainForm& form_;
  PlanRun& run_;
  const BaseIndex& bases_;
  int i_;
  SquadronEntry& entry_;
  State state_ = kFree;
  bool forced_ = false;
  bool named_base_ = false;
  std::optional<WholeMetrePoint> home_;
};

}  // namespace

bool SuitableBase(const std::string& location_name, const std::string& role, bool relaxed) {
  return Suits(KindsOf(location_name), role, relaxed);
}

void PlanBugOuts(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Bugouts.");
  const BaseIndex bases(form, run);
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    PlanTurn(run, i, "Bug-out", [&] { BugOut(form, run, bases, i); });
  }
}

void PlanTransfers(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Transfer Missions.");
  const BaseIndex bases(form, run);
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    PlanTurn(run, i, "Transfer", [&] { Transfer(form, run, bases, i).Plan(); });
  }
}
