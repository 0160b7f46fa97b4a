// The roads of the shipped Okinawa map are written the way the column routing reads them: a
// column of either side that sets out from ground its side holds drives toward the enemy, never
// into its own rear. Each held place on the road network gets one truck column of its side; the
// program's own routing then picks the moves, over several seeds so that every fork is taken.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <queue>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/column_routes.h"
#include "campaign_progression/route_sections.h"
#include "campaign_progression/territory.h"
#include "platform/text_file.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

constexpr double kUnreachable = std::numeric_limits<double>::infinity();

double SectionLength(const RouteSection& section) {
  double length = 0.0;
  for (size_t n = 1; n < section.points.size(); ++n) {
    const double dx = std::stod(std::string(section.points[n].x)) -
                      std::stod(std::string(section.points[n - 1].x));
    const double dy = std::stod(std::string(section.points[n].y)) -
                      std::stod(std::string(section.points[n - 1].y));
    length += std::hypot(dx, dy);
  }
  return length;
}

// Metres along the roads, either way, from every place to the nearest place that `side` does not
// hold (the front and the enemy's ground); places cut off from it are absent.
std::map<std::string, double> RoadDistanceToEnemy(const TMainForm& form, const RouteSections& roads,
                                                  const std::string& side) {
  std::map<std::string, std::vector<std::pair<std::string, double>>> links;
  for (const RouteSection& section : roads.Sections()) {
    const double length = SectionLength(section);
    links[std::string(section.from)].emplace_back(section.to, length);
    links[std::string(section.to)].emplace_back(section.from, length);
  }
  std::map<std::string, double> distance;
  using Entry = std::pair<double, std::string>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
  for (int l = 0; l <= form.LastLocation; ++l) {
    const LocationEntry& location = form.LocationTable[l];
    if (links.count(location.LocationName) != 0 && location.LocationArmy != side) {
      distance[location.LocationName] = 0.0;
      open.emplace(0.0, location.LocationName);
    }
  }
  while (!open.empty()) {
    const auto [reached, place] = open.top();
    open.pop();
    if (reached > distance[place]) continue;
    for (const auto& [next, length] : links[place]) {
      const auto known = distance.find(next);
      if (known == distance.end() || reached + length < known->second) {
        distance[next] = reached + length;
        open.emplace(reached + length, next);
      }
    }
  }
  return distance;
}

double DistanceOf(const std::map<std::string, double>& distance, const std::string& place) {
  const auto found = distance.find(place);
  return found == distance.end() ? kUnreachable : found->second;
}

class SampleRoadDirection : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallSample(world);
    CampaignInfo(form());
    MapList(form(), form().MapName);
    TargetLocations(form());
    ReadTerritory(form());
    SetTgtNation(form(), 0);
    SquadronList(form(), "OFF");
    // No retreat, seizure or hold: only the way each column takes is looked at.
    form().NewCampaignFlag = "Y";
  }
  TMainForm& form() { return *world.form; }

  // One truck column of its side at every place a side holds and the roads reach.
  void PutAColumnOnEveryHeldRoadPlace(const RouteSections& roads) {
    std::string columns;
    int number = 0;
    for (int l = 0; l <= form().LastLocation; ++l) {
      const LocationEntry& location = form().LocationTable[l];
      const std::string& side = location.LocationArmy;
      if (side != "1" && side != "2") continue;
      if (roads.From(location.LocationName).empty() && roads.To(location.LocationName).empty()) {
        continue;
      }
      const std::string kind = side == "1" ? "USACarsColumnA" : "JapanCarsColumnA";
      columns += IntToStr(number) + "_Chief Vehicles." + kind + " " + side + " @" +
                 location.LocationName + " $Trucks_" + IntToStr(number) + " ~A\r\n";
      ++number;
    }
    WriteTextFile(SampleCampaignFolder(world) + "columns.tavrek", columns);
    ColumnList(form());
  }

  TestWorld world;
};

TEST_F(SampleRoadDirection, EverySideDrivesFromItsOwnGroundTowardTheEnemy) {
  RouteFiles files(form());
  const RouteSections* roads = files.For(RouteNetwork::kRoads);
  ASSERT_NE(roads, nullptr);
  const std::map<std::string, std::map<std::string, double>> distance = {
      {"1", RoadDistanceToEnemy(form(), *roads, "1")},
      {"2", RoadDistanceToEnemy(form(), *roads, "2")}};

  int moves_checked = 0;
  for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
    PutAColumnOnEveryHeldRoadPlace(*roads);
    ASSERT_GT(form().LastColumn, 20);
    form().Rand.SetSeed(seed);
    ColumnRoads(form());
    for (int c = 0; c <= form().LastColumn; ++c) {
      const ColumnEntry& column = form().ColumnTable[c];
      const std::map<std::string, double>& to_enemy = distance.at(column.ColumnArmy);
      const double from_place = DistanceOf(to_enemy, column.ColumnPlace);
      if (from_place == kUnreachable) continue;  // an island road the front never reaches
      SCOPED_TRACE("seed " + IntToStr(static_cast<int>(seed)) + ", side " + column.ColumnArmy +
                   " at " + column.ColumnPlace);
      EXPECT_NE(column.ColumnDestination, column.ColumnPlace) << "a column finds no way forward";
      EXPECT_LT(DistanceOf(to_enemy, column.ColumnDestination), from_place)
          << "the column drives to " << column.ColumnDestination << ", away from the enemy";
      ++moves_checked;
    }
  }
  EXPECT_GT(moves_checked, 8 * 20);
}

}  // namespace
