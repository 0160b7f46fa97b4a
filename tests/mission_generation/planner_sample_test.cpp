// The planner on the shipped Okinawa sample, loaded through the program's own loaders. What the
// ground war leaves before a plan (territory owners, placed static objects and their worth,
// column routes along the map's roads, rails and sea lanes) is given here the way that work
// leaves it, so the plan does not depend on it.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "mission_generation/planner.h"
#include "platform/text_file.h"
#include "tests/mission_generation/plan_description.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

const std::set<std::string> kAlliedLocations = {"Motobu",
                                                "Motobu_Ferry",
                                                "Ie_Shima_Ferry",
                                                "Ie_Shima_Airstrip",
                                                "Nago",
                                                "Yontan_Airfield",
                                                "Hagushi_Beachhead",
                                                "Hagushi",
                                                "Bishi_River_Bridge",
                                                "Kadena_Airfield",
                                                "Kadena_Depot",
                                                "Chatan",
                                                "Kadena_Rail_Station",
                                                "Hagushi_Harbor",
                                                "Kerama_Seaplane_Base",
                                                "East_China_Sea"};
const std::set<std::string> kContestedLocations = {"Futema", "Pacific_Ocean", "Nakagusuku_Bay",
                                                   "Kiyan_Sea"};

std::string Owner(const std::string& location) {
  if (kAlliedLocations.count(location)) return "1";
  if (kContestedLocations.count(location)) return "0";
  return "2";
}

// The worth a placed static object adds to its nearest location.
int ObjectWorth(const std::string& line) {
  int worth = 1;
  if (Contains(line, "Plane$")) worth = 2;
  if (Contains(line, "_radio")) worth = 3;
  if (Contains(line, "ZIS6_fuel") || Contains(line, "OpelBlitz6700A_fuel")) worth = 4;
  if (Contains(line, "$Wagon8")) worth = 5;
  if (Contains(line, "Ship$")) worth = 6;
  return worth;
}

// The points of a route section "[from to to]" of the map's route files, or of "[to to from]"
// read backwards.
std::vector<std::string> Section(const std::string& from, const std::string& to) {
  for (const char* extension : {".rds", ".rls", ".srd"}) {
    const std::vector<std::string> lines =
        ReadTextLines(std::string(TAVREK_SOURCE_DIR) + "/data/Okinawa" + extension);
    for (bool reversed : {false, true}) {
      const std::string header =
          "[" + (reversed ? to : from) + " to " + (reversed ? from : to) + "]";
      std::vector<std::string> points;
      bool inside = false;
      for (const std::string& line : lines) {
        if (Contains(line, "[")) {
          if (inside) break;
          inside = line == header;
          continue;
        }
        if (inside && !Trim(line).empty()) points.push_back(Trim(line) + " ");
      }
      if (points.empty()) continue;
      if (reversed) std::reverse(points.begin(), points.end());
      return points;
    }
  }
  ADD_FAILURE() << "No route section between " << from << " and " << to;
  return {};
}

// A column's route through the places named, in order.
std::vector<std::string> Route(const std::vector<std::string>& places) {
  std::vector<std::string> route;
  for (size_t p = 0; p + 1 < places.size(); ++p) {
    std::vector<std::string> section = Section(places[p], places[p + 1]);
    if (!route.empty() && !section.empty()) section.erase(section.begin());
    route.insert(route.end(), section.begin(), section.end());
  }
  return route;
}

// The sample loaded into a window of its own, ready to plan.
class SamplePlanCampaign {
 public:
  SamplePlanCampaign() {
    InstallSample(world);
    TMainForm& form = Form();
    SetOptionDefaults(form);
    form.SquadronDensityLevel = 12;  // "Moderate"
    CampaignInfo(form);
    MapList(form, form.MapName);
    TargetLocations(form);
    for (int j = 0; j <= form.LastLocation; ++j) {
      form.LocationTable[j].LocationArmy = Owner(form.LocationTable[j].LocationName);
    }
    StationaryList(form);
    LoadStationary(form);
    ColumnList(form);
    SquadronList(form, "OFF");
    SquadronBase(form);
    PlaceStaticObjects();
    RouteColumns();
  }

  TMainForm& Form() { return *world.form; }

  std::string PlanWithSeed(std::uint32_t seed) {
    Form().Rand.SetSeed(seed);
    GenerateWays(Form());
    return DescribePlan(Form());
  }

  TestWorld world;

 private:
  // Objects of lines marked "X " stay out of the mission; an inactive radio leaves the airfield
  // nearest to it without radio.
  void PlaceStaticObjects() {
    TMainForm& form = Form();
    for (int k = 0; k <= form.LastStationary; ++k) {
      StationaryEntry& object = form.StationaryObjectTable[k];
      const int j = object.StationaryNearestLocation;
      const bool inactive = object.StationaryLine.rfind("X ", 0) == 0;
      LocationEntry& location = form.LocationTable[j];
      if (inactive) {
        if (Contains(object.StationaryLine, "_radio") &&
            (Contains(location.LocationName, "Airfield") ||
             Contains(location.LocationName, "Airstrip"))) {
          location.StationaryFlag = 1;
        }
        continue;
      }
      object.StationaryMissionLine = object.StationaryLine;
      location.LocationTargetValue += ObjectWorth(object.StationaryLine);
    }
  }

  void GiveRoute(int c, const std::vector<std::string>& places) {
    ColumnEntry& column = Form().ColumnTable[c];
    const std::vector<std::string> route = Route(places);
    column.ColumnRoute.Clear();
    for (size_t k = 0; k < route.size(); ++k) {
      column.ColumnRoute[static_cast<int>(k)] = route[k];
      if (Contains(route[k], " -")) Form().RoutePointMark[c] = "Y";
    }
    column.ColumnLastRoutePoint = static_cast<int>(route.size()) - 1;
    column.ColumnDestination = places.back();
  }

  // Moving columns follow the map's routes to their destinations; standing ones hold their
  // place; ships on patrol keep the patrol route the column loader gave them.
  void RouteColumns() {
    TMainForm& form = Form();
    GiveRoute(0, {"Chatan", "Futema"});
    GiveRoute(1, {"Futema", "Shuri"});
    GiveRoute(3, {"Hagushi", "Bishi_River_Bridge", "Kadena_Airfield"});
    GiveRoute(9, {"East_China_Sea", "Hagushi_Harbor"});
    GiveRoute(10, {"Shuri", "Futema"});
    GiveRoute(11, {"Naha", "Machinato_Airfield", "Asa_River_Bridge", "Futema"});
    GiveRoute(12, {"Yonabaru", "Shuri"});
    GiveRoute(13, {"Itoman", "Naha"});
    GiveRoute(14, {"Naha_Rail_Station", "Kadena_Rail_Station"});
    GiveRoute(15, {"Yonabaru_Rail_Station", "Naha_Rail_Station"});
    GiveRoute(19, {"Naha_Port", "Kiyan_Sea"});
    std::map<std::string, std::string> positions;
    for (int j = 0; j <= form.LastLocation; ++j) {
      positions[form.LocationTable[j].LocationName] = form.LocationTable[j].LocationPosition;
    }
    for (int c = 0; c <= form.LastColumn; ++c) {
      ColumnEntry& column = form.ColumnTable[c];
      if (column.ColumnPlace == "Blank") continue;
      column.ColumnInMission = "Y";
      if (column.ColumnLastRoutePoint >= 0 || !positions.count(column.ColumnPlace)) continue;
      for (int k = 0; k < 4; ++k)
        column.ColumnRoute[k] = positions[column.ColumnPlace] + " 120.00 ";
      column.ColumnLastRoutePoint = 3;
    }
  }
};

TEST(SamplePlanTest, SeededPlanMatchesTheReviewedGolden) {
  SamplePlanCampaign campaign;
  const std::string plan = campaign.PlanWithSeed(20250406);
  const std::string golden_path =
      std::string(TAVREK_FIXTURES_DIR) + "/planner/okinawa_plan.expected";
  if (std::getenv("TAVREK_UPDATE_GOLDEN")) WriteTextFile(golden_path, plan);
  EXPECT_EQ(plan, ReadFileBytes(golden_path));
}

TEST(SamplePlanTest, SameSeedGivesTheSamePlanTwice) {
  SamplePlanCampaign first;
  SamplePlanCampaign second;
  EXPECT_EQ(first.PlanWithSeed(77), second.PlanWithSeed(77));
}

}  // namespace
