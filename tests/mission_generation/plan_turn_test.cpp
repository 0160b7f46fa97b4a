// A squadron's turn in a phase of the plan: a turn that meets unreadable text leaves the
// squadron's record and the scratch locations as they were before it, whatever turns came
// before it in the same plan.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/plan_turn.h"
#include "platform/errors.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;
using ::testing::HasSubstr;

// What a turn does to its squadron's record before it ends, well or on unreadable text.
struct TurnStep {
  int squadron;
  std::string leg;  // written into the target leg
  bool fails;       // then throws a ConversionError
};

struct TurnCase {
  const char* name;
  std::vector<TurnStep> steps;
};

class PlanTurnTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(PlanTurnTest, AFailedTurnPutsBackItsSquadronAndScratchLocationsAndLogsIt) {
  PlannerCampaign campaign;
  TMainForm& form = campaign.form();
  const std::vector<int> squadrons = {campaign.AddSquadron("First", "1", "4", C::kAlliedAirfield),
                                      campaign.AddSquadron("Second", "2", "2", C::kAxisAirfield)};
  PlanRun& run = campaign.Prepare();
  for (int s : squadrons) form.SquadronTable[s].SquadronTargetLeg = "leg of " + IntToStr(s);

  for (const TurnStep& step : GetParam().steps) {
    const SquadronEntry before = std::as_const(form.SquadronTable)[step.squadron];
    const int last_scratch = form.LastScratchLocation;
    PlanTurn(run, step.squadron, "Test phase", [&] {
      SquadronEntry& entry = form.SquadronTable[step.squadron];
      entry.SquadronTargetLeg = step.leg;
      entry.SquadronTaskCode = "9";
      entry.SquadronTargetLocation = ++form.LastScratchLocation;
      if (step.fails) throw ConversionError("unreadable " + step.leg);
    });
    const SquadronEntry& after = std::as_const(form.SquadronTable)[step.squadron];
    if (step.fails) {
      EXPECT_EQ(after.SquadronTargetLeg, before.SquadronTargetLeg) << step.leg;
      EXPECT_EQ(after.SquadronTaskCode, before.SquadronTaskCode) << step.leg;
      EXPECT_EQ(after.SquadronTargetLocation, before.SquadronTargetLocation) << step.leg;
      EXPECT_EQ(after.SquadronName, before.SquadronName) << step.leg;
      EXPECT_EQ(form.LastScratchLocation, last_scratch) << step.leg;
      EXPECT_THAT(form.ErrorText, HasSubstr("Test phase for " + SquadronLabel(form, step.squadron) +
                                            " left out: unreadable " + step.leg));
    } else {
      EXPECT_EQ(after.SquadronTargetLeg, step.leg);
      EXPECT_EQ(after.SquadronTaskCode, "9");
      EXPECT_EQ(form.LastScratchLocation, last_scratch + 1);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Planner, PlanTurnTest,
    ::testing::Values(TurnCase{"AWholeTurnKeepsWhatItWrote", {{0, "new leg", false}}},
                      TurnCase{"AFailedFirstTurn", {{1, "broken leg", true}}},
                      TurnCase{"AFailedTurnAfterAWholeTurnOfAnother",
                               {{0, "a long leg that a short one must not inherit", false},
                                {1, "broken", true}}},
                      TurnCase{"FailedTurnsOfTwoSquadronsInARow",
                               {{0, "first broken leg", true}, {1, "second broken leg", true}}},
                      TurnCase{"AFailedTurnAfterAWholeTurnOfTheSameSquadron",
                               {{1, "kept leg", false}, {1, "broken again", true}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
