#include "mission_generation/defend_column_missions.h"

#include <algorithm>
#include <array>
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
#include "mission_generation/mission_preference.h"
#include "mission_generation/mission_texts.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/plan_turn.h"
#include "mission_generation/planned_legs.h"
#include "mission_generation/squadron_traits.h"
#include "platform/errors.h"

namespace {

constexpr int kCircle = 12000;

struct Offset {
  int dx;
  int dy;
};

// The circuit over route points 1, 2 and 3 after the line over point 0.
constexpr std::array<Offset, 6> kAroundFirst{
    {{0, kCircle}, {-kCircle, 0}, {0, -kCircle}, {kCircle, 0}, {0, kCircle}, {-kCircle, 0}}};
constexpr std::array<Offset, 7> kAroundSecond{{{kCircle, 0},
                                               {0, kCircle},
                                               {0, kCircle},
                                               {-kCircle, 0},
                                               {0, -kCircle},
                                               {kCircle, 0},
                                               {0, kCircle}}};
constexpr std::array<Offset, 5> kAroundThird{
    {{0, kCircle}, {-kCircle, 0}, {0, -kCircle}, {kCircle, 0}, {0, kCircle}}};

bool FirstPointsRouted(const ColumnEntry& column) {
  for (int k = 0; k <= 3; ++k) {
    if (column.ColumnRoute[k].size() <= 3) return false;
  }
  return true;
}

bool Qualifies(const TMainForm& form, int i) {
  const SquadronEntry& squadron = form.SquadronTable[i];
  if (squadron.SquadronRole != "1" || FliesRocketInterceptor(squadron) || IsJabo(squadron)) {
    return false;
  }
  if (Contains(squadron.SquadronClass, "P_11C") && squadron.SquadronArmy == "2") return false;
  if (i != 0) return true;
  const int target = squadron.SquadronTargetLocation;
  const bool chose_this_target =
      target >= 0 &&
      form.SelectTarget.Text == std::as_const(form.LocationTable)[target].LocationName;
  const int preference = PlayerPreference(form);
  return !chose_this_target && (preference == kPreferRandom || preference == kPreferDefense);
}

// Route point 1 of a column as the scan measures it, with its first two points read once for
// every squadron; no phase changes a column's route.
struct ColumnStart {
  bool routed = false;                    // points 0 to 3 hold positions
  std::string point;                      // the first two fields of point 1
  std::optional<WholeMetrePoint> metres;  // of `point`, when it reads
};

std::vector<ColumnStart> ReadColumnStarts(const TMainForm& form) {
  std::vector<ColumnStart> starts(static_cast<size_t>(std::max(form.LastColumn + 1, 0)));
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    ColumnStart& start = starts[static_cast<size_t>(c)];
    start.routed = FirstPointsRouted(column);
    start.point = FirstTwoFields(column.ColumnRoute[1]);
    try {
      if (!start.point.empty()) start.metres = ReadWholeMetres(start.point);
    } catch (const ConversionError&) {
      start.metres.reset();
    }
  }
  return starts;
}

class ColumnDefence {
 public:
  ColumnDefence(TMainForm& form, PlanRun& run, const std::vector<ColumnStart>& starts, int squadron)
      : form_(form),
        run_(run),
        starts_(starts),
        i_(squadron),
        entry_(form.SquadronTable[squadron]),
        reach_(form, squadron),
        speed_(SetSpeed(form, squadron)) {}

  void Plan() {
    const int c = Candidate();
    if (c < 0 || Blocked(form_.ColumnTable[c])) return;
    const std::optional<int> t = TakeScratchLocation(form_, i_);
    if (t) Assign(c, *t);
  }

 private:
  // The target's position is read the first time it is asked for; it does not move while the
  // squadron's columns are scanned.
  bool TargetOutOfReach() {
    const int target = entry_.SquadronTargetLocation;
    if (target < 0) return true;
    const std::string& position = std::as_const(form_.LocationTable)[target].LocationPosition;
    if (position.empty()) return true;
    if (!target_point_) target_point_ = ReadWholeMetres(position);
    return !reach_.Within(position, *target_point_, 0);
  }

  // reach_.Within(start.point, rule), with the point read in advance where it reads.
  bool Reaches(const ColumnStart& start, int range_rule) {
    if (!start.metres) return reach_.Within(start.point, range_rule);
    return reach_.Within(start.point, *start.metres, range_rule);
  }

  bool FirstScanMatch(int c) {
    const ColumnEntry& column = form_.ColumnTable[c];
    const ColumnStart& start = starts_[static_cast<size_t>(c)];
    if (run_.ColumnLeftOut(c) || !start.routed) return false;
    const std::string& point = start.point;
    if (column.ColumnArmy != entry_.SquadronArmy || !Reaches(start, 0)) return false;
    if (!Reaches(start, 2) && entry_.TypePayload5 == "none") return false;
    if (point.size() <= 3 || column.ColumnInMission != "Y") return false;
    const bool takes =
        TargetOutOfReach() || form_.Random(16) == 0 ||
        (entry_.SquadronEscortOf == -1 && column.ColumnUnitName == entry_.SquadronHomeBase);
    if (!takes) return false;
    return !run_.OffMap(column.ColumnPlace) && !Contains(column.ColumnPlace, "English_") &&
           column.ColumnPlace != "the_English_Channel";
  }

  // The last matching column; the squadron's own ship beats every other.
  int Candidate() {
    int candidate = -1;
    for (int c = 0; c <= form_.LastColumn; ++c) {
      if (FirstScanMatch(c)) candidate = c;
    }
    for (int c = 0; c <= form_.LastColumn; ++c) {
      const ColumnEntry& column = form_.ColumnTable[c];
      if (!run_.ColumnLeftOut(c) && starts_[static_cast<size_t>(c)].routed &&
          column.ColumnUnitName == entry_.SquadronHomeBase && column.ColumnInMission == "Y") {
        candidate = c;
      }
    }
    return candidate;
  }

  // The player's squadron defends a column only when asked to or when the enemy attacks its
  // place; land-based fighters leave ships on their patrol area alone.
  bool Blocked(const ColumnEntry& column) const {
    bool blocked = false;
    if (i_ == 0 && PlayerPreference(form_) != kPreferDefense) {
      blocked = !EnemyAttacks(column.ColumnPlace);
    }
    const bool front_at_sea =
        ContainsAny(form_.FrontCenterName, {"Sea", "Harbor", "_Port", "_Bay", "Ocean"});
    if (entry_.SquadronEscortOf == -1 && entry_.SquadronTargetLocation == form_.FrontCenterIndex &&
        front_at_sea) {
      blocked = false;
    }
    if (column.ColumnPlace == PatrolAreaName(form_, entry_.SquadronArmy) &&
        ContainsAny(entry_.SquadronHomeBase, {"Airfield", "Airstrip"})) {
      blocked = true;
    }
    return blocked;
  }

  bool EnemyAttacks(const std::string& place) const {
    const std::string& side = form_.SquadronTable[0].SquadronArmy;
    for (int j = 1; j <= form_.LastSquadron; ++j) {
      const SquadronEntry& enemy = form_.SquadronTable[j];
      if (enemy.SquadronArmy == side || enemy.SquadronTargetLocation < 0) continue;
      if (std::as_const(form_.LocationTable)[enemy.SquadronTargetLocation].LocationName == place)
        return true;
    }
    return false;
  }

  template <size_t N>
  void Circle(std::string& leg, LocationEntry& target, const std::string& centre,
              const std::array<Offset, N>& offsets) {
    target.LocationPosition = centre;
    for (const Offset& offset : offsets) {
      leg += PlannedLine(kNormFly, MoveCoordinates(form_, centre, offset.dx, offset.dy), speed_);
    }
  }

  void Assign(int c, int t) {
    const ColumnEntry& column = form_.ColumnTable[c];
    LocationEntry& target = form_.LocationTable[t];
    entry_.SquadronTargetColumn = c;
    const std::string start = FirstTwoFields(column.ColumnRoute[0]);
    target.LocationPosition = start;
    std::string leg = PlannedLine(kNormFly, MoveCoordinates(form_, start, 0, 0), speed_);
    Circle(leg, target, FirstTwoFields(column.ColumnRoute[1]), kAroundFirst);
    Circle(leg, target, FirstTwoFields(column.ColumnRoute[2]), kAroundSecond);
    Circle(leg, target, FirstTwoFields(column.ColumnRoute[3]), kAroundThird);
    entry_.SquadronTargetLeg = leg;
    target.LocationName = column.ColumnPlace;
    // The column is the squadron's own side's.
    target.LocationArmy = entry_.SquadronArmy;
    SetMissionTexts(form_, i_, 10, SummaryText(form_, 22, column.ColumnUnitName));
    entry_.SquadronEscortOf = -1;
    entry_.SquadronTargetObject.clear();
    entry_.SquadronWeapons = entry_.TypeDefaultWeapons;
    entry_.SquadronTaskCode = "5";
    entry_.SquadronJoinLeg.clear();
    entry_.SquadronRendezvousLeg.clear();
    entry_.SquadronHalfWayLeg.clear();
    CreateHalfWay(form_, i_, 0);
  }

  TMainForm& form_;
  PlanRun& run_;
  const std::vector<ColumnStart>& starts_;
  int i_;
  SquadronEntry& entry_;
  SquadronReach reach_;
  std::string speed_;
  std::optional<WholeMetrePoint> target_point_;
};

}  // namespace

void PlanColumnDefence(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Defend Column Missions.");
  ColumnPresence columns("the column defence");
  const std::vector<ColumnStart> starts = ReadColumnStarts(form);
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    if (!Qualifies(form, i) || !columns.Present(form)) continue;
    if (form.ColumnDensity.Text == "None") continue;
    PlanTurn(run, i, "Column defence", [&] { ColumnDefence(form, run, starts, i).Plan(); });
  }
}
