#include "mission_generation/shipping_targets.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_progression/transports.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/plan_run.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;

// The column tests of the shipping strikes' searches, asked of every column as the searches
// asked them before the ships were sorted out.
bool OnTheMapAsTheStrikesAsk(const PlanRun& run, const ColumnEntry& column) {
  return column.ColumnPlace != "Blank" && column.ColumnPlace != "Future" &&
         !run.OffMap(column.ColumnPlace) && !Contains(column.ColumnPlace, "English_");
}

bool ShipOfTheMission(const PlanRun& run, const ColumnEntry& column, int c) {
  return !run.ColumnLeftOut(c) && column.ColumnInMission == "Y" &&
         column.ColumnRoute[0].size() > 3 && column.ColumnRoute[1].size() > 3 &&
         IsShipColumn(column) && run.RouteStart(c, 1).point.has_value() &&
         OnTheMapAsTheStrikesAsk(run, column);
}

// A campaign of random columns: ships, carriers, landing craft and armour of both sides and
// none, on the map, off it, on patrol areas or nowhere, with routes near the front, far from
// it, too short or unreadable, some out of the mission and some left out of the plan.
class RandomShips {
 public:
  explicit RandomShips(unsigned seed) : random_(seed) {
    TMainForm& form = campaign_.form();
    form.ActionRadius.Text = "40 Kilometers";
    const std::vector<std::string> kinds = {"Ships.Destroyer", "Ships.USS_CV_Essex", "Ships.LCVP",
                                            "Ships.Tramp",     "Ships.Fleet_CVE",    "Armor.T34"};
    const std::vector<std::string> places = {"Front_Town",    "Blank",        "Future",
                                             "English_Dock",  "Far_Airfield", "East_Sea",
                                             "Allied_Patrol", "Axis_Patrol"};
    const std::vector<std::string> sides = {"1", "2", "0"};
    for (int c = 0; c < 300; ++c) {
      const int column = campaign_.AddColumn(Pick(kinds), Pick(sides), Pick(places), "East_Sea",
                                             {RoutePoint(), RoutePoint(), RoutePoint()});
      form.ColumnTable[column].ColumnInMission = Chance(8) ? "N" : "Y";
    }
    run_ = &campaign_.Prepare();
    for (int c = 0; c <= form.LastColumn; ++c) {
      if (Chance(10)) run_->LeaveOutColumn(c);
    }
  }

  const TMainForm& form() { return campaign_.form(); }
  const PlanRun& run() const { return *run_; }

 private:
  const std::string& Pick(const std::vector<std::string>& texts) {
    return texts[std::uniform_int_distribution<size_t>(0, texts.size() - 1)(random_)];
  }
  bool Chance(int one_in) { return std::uniform_int_distribution<int>(1, one_in)(random_) == 1; }

  // Around the front centre at (50 km, 50 km), often within its 44 km; now and then a point
  // too short to count as a route point, or none at all.
  std::string RoutePoint() {
    if (Chance(15)) return "1 2";
    if (Chance(30)) return "";
    std::uniform_int_distribution<int> coordinate(0, 100000);
    return IntToStr(coordinate(random_)) + ".00 " + IntToStr(coordinate(random_)) + ".00 120.00";
  }

  std::mt19937 random_;
  PlannerCampaign campaign_;
  PlanRun* run_ = nullptr;
};

TEST(ShippingTargets, SortsOutTheShipsTheStrikesWouldFindByTestingEveryColumn) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    RandomShips ships(seed);
    const TMainForm& form = ships.form();
    const PlanRun& run = ships.run();
    const ShippingTargets targets(form, run);

    std::vector<int> carriers;
    std::vector<int> near_front;
    for (int c = 0; c <= form.LastColumn; ++c) {
      const ColumnEntry& column = form.ColumnTable[c];
      if (!ShipOfTheMission(run, column, c)) continue;
      if (IsCarrierColumn(column)) carriers.push_back(c);
      if (run.NearFront(run.RouteStart(c, 1)) && !OnOwnPatrolArea(form, column)) {
        near_front.push_back(c);
      }
      EXPECT_EQ(targets.Transport(c), TransportType(column.ColumnType) == "Y") << c;
    }
    EXPECT_EQ(targets.Carriers(), carriers) << "seed " << seed;
    EXPECT_EQ(targets.ShipsNearFront(), near_front) << "seed " << seed;
    // The maps do hold ships of every kind the searches tell apart.
    EXPECT_GT(carriers.size(), 3u);
    EXPECT_GT(near_front.size(), 3u);
    EXPECT_LT(near_front.size() + 100, static_cast<size_t>(form.LastColumn));
  }
}

TEST(ShippingTargets, CountsTheColumnsOfOtherArmiesInEveryStretch) {
  RandomShips ships(7);
  const TMainForm& form = ships.form();
  const ShippingTargets targets(form, ships.run());
  for (const std::string army : {"1", "2", "0", "3"}) {
    for (int first = 0; first <= form.LastColumn + 1; first += 7) {
      for (int last = first - 1; last <= form.LastColumn; last += 13) {
        int others = 0;
        for (int c = first; c <= last; ++c) others += form.ColumnTable[c].ColumnArmy != army;
        ASSERT_EQ(targets.ColumnsNotOf(army, first, last), others)
            << "army " << army << " columns " << first << ".." << last;
      }
    }
  }
}

}  // namespace
