// Every waypoint builder meets a squadron whose leg it needs has no position: the builder
// leaves its own leg out (or keeps what the plan put there) and logs why, naming the squadron.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/attack_legs.h"
#include "mission_generation/return_leg.h"
#include "mission_generation/takeoff_legs.h"
#include "mission_generation/target_ingress.h"
#include "tests/mission_generation/waypoint_campaign.h"

namespace {

using C = WaypointCampaign;

constexpr const char* kPlannedTarget = "  GATTACK 20000.00 40000.00 <ALTITUDE> 300.00 \r\n";
constexpr const char* kPlannedReturn = "  NORMFLY 1.00 1.00 3000.0 300.00 \r\n";

struct MissingPositionCase {
  const char* name;
  const char* role;
  bool has_target;
  const char* takeoff_leg;  // nullptr: the base's, as the plan gives it
  std::string SquadronEntry::*leg;
  const char* leg_before;
  std::function<void(TMainForm&, int)> build;
  const char* leg_after;
  const char* logged;
};

void PrintTo(const MissingPositionCase& c, std::ostream* os) {
  *os << c.name;
}

class LegWithoutAPosition : public ::testing::TestWithParam<MissingPositionCase> {};

TEST_P(LegWithoutAPosition, IsLeftOutAndLogged) {
  const MissingPositionCase& c = GetParam();
  WaypointCampaign campaign;
  TMainForm& form = campaign.form();
  form.TOCircle.Text = "All Types";
  const int squadron = campaign.AddSquadron("Unit7", c.role, "2", C::kAlphaAirfield,
                                            c.has_target ? C::kCharlieTown : -1);
  SquadronEntry& entry = form.SquadronTable[squadron];
  if (c.takeoff_leg != nullptr) entry.SquadronTakeOffLeg = c.takeoff_leg;
  entry.*c.leg = c.leg_before;

  c.build(form, squadron);

  EXPECT_EQ(entry.*c.leg, c.leg_after);
  EXPECT_TRUE(Contains(form.ErrorText, c.logged)) << form.ErrorText;
}

INSTANTIATE_TEST_SUITE_P(
    Builders, LegWithoutAPosition,
    ::testing::Values(
        MissingPositionCase{"AttackRunWithoutTarget", "2", false, nullptr,
                            &SquadronEntry::SquadronTargetLeg, kPlannedTarget,
                            [](TMainForm& f, int s) { CreateBombWay(f, s, 0); }, kPlannedTarget,
                            "Attack run left out: No target location for Unit7 [0]."},
        MissingPositionCase{"InitialPointWithoutTakeOff", "4", true, "",
                            &SquadronEntry::SquadronTargetLeg, kPlannedTarget,
                            [](TMainForm& f, int s) { CreateTargetIngress(f, s, 0); },
                            kPlannedTarget,
                            "Initial point left out: No \"TAKEOFF\" position in the take-off "
                            "leg of Unit7 [0]."},
        MissingPositionCase{"ReturnWithoutTarget", "1", false, nullptr,
                            &SquadronEntry::SquadronReturnLeg, kPlannedReturn,
                            [](TMainForm& f, int s) { CreateRTBWay(f, s); }, "",
                            "Return leg left out: No target location for Unit7 [0]."},
        MissingPositionCase{"ReturnFromABaseOfNoDecimals", "1", true, "TAKEOFF 10000 10000",
                            &SquadronEntry::SquadronReturnLeg, kPlannedReturn,
                            [](TMainForm& f, int s) { CreateRTBWay(f, s); }, "",
                            "Return leg left out: '10000' is not a map coordinate."},
        MissingPositionCase{"ClimbingCircleWithoutTakeOff", "1", true, "",
                            &SquadronEntry::SquadronTakeOffLeg, "",
                            [](TMainForm& f, int s) { CreateTakeOffWay(f, s, 0, 0); }, "",
                            "Climbing circle left out: No \"NORMFLY\" position in the take-off "
                            "leg of Unit7 [0]."},
        MissingPositionCase{"ClimbingCircleWithoutTarget", "1", false, nullptr,
                            &SquadronEntry::SquadronTakeOffLeg, "TAKEOFF 10000.00 10000.00",
                            [](TMainForm& f, int s) { CreateTakeOffWay(f, s, 0, 0); },
                            "  TAKEOFF 10000.00 10000.00 0 0\r\n",
                            "Climbing circle left out: No target location for Unit7 [0]."}),
    [](const ::testing::TestParamInfo<MissingPositionCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
