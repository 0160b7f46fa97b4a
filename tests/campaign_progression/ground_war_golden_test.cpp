// Several passes of the ground war on the shipped Okinawa sample, its operations called in the
// order a pass of the between-mission pipeline calls them, with one seed. After each pass the
// campaign's territory, column and static-object files and the pass's column sections are
// compared with the expected ones in tests/fixtures/groundwar/okinawa/ (reviewed by reading;
// TAVREK_UPDATE_GOLDEN=1 rewrites them).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/column_routes.h"
#include "campaign_progression/front_objects.h"
#include "campaign_progression/ground_combat.h"
#include "campaign_progression/stationary_check.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/territory_capture.h"
#include "campaign_progression/timetable.h"
#include "platform/text_file.h"
#include "tests/support/sample_campaign.h"

namespace {

constexpr int kPasses = 3;
constexpr std::uint32_t kSeed = 19450406;

std::string GoldenPath(int pass, const std::string& file) {
  return FixturesFolder() + "groundwar/okinawa/pass" + std::to_string(pass) + "/" + file;
}

// A pass of the ground war up to the mission's column sections, in the pipeline's order.
void BeforeTheMission(TMainForm& form) {
  form.CampaignNews.clear();
  form.CampaignNewsRu.clear();
  form.ColumnNews.clear();
  form.ColumnNewsRu.clear();
  form.FrontNews.clear();
  form.FrontNewsRu.clear();
  CampaignInfo(form);
  MapList(form, form.MapName);
  TargetLocations(form);
  ReadTerritory(form);
  SetTgtNation(form, 0);
  FrontObjects(form);
  StationaryList(form);
  LoadStationary(form);
  ColumnList(form);
  ColumnLocation(form, "Yes");
  SquadronList(form, "OFF");

  SaveStationary(form);
  TerritoryCapture(form);
  DefineTerritory(form);
  StationaryCheck(form);
  SaveStationary(form);

  TimeTable(form);
  DetermineRetreat(form);
  StationaryFront(form);
  ColumnRoads(form);
}

// The rest of the pass once the mission is written.
void AfterTheMission(TMainForm& form, bool last_pass) {
  UpdateColumnList(form);
  SetTgtNation(form, 0);
  DefineTerritory(form);
  UpdateFront(form);
  if (!last_pass) ResolveGroundCombat(form);
}

void GroundWarPass(TMainForm& form, bool last_pass) {
  BeforeTheMission(form);
  AfterTheMission(form, last_pass);
}

// The first waypoint of each column's road section in the mission text.
std::map<std::string, std::string> FirstRoadPoints(const std::string& road_text) {
  std::map<std::string, std::string> first;
  const std::vector<std::string> lines = SplitTextLines(road_text);
  for (size_t n = 0; n + 1 < lines.size(); ++n) {
    if (!StartsWith(lines[n], "[")) continue;
    const std::string chief = lines[n].substr(1, lines[n].find("_Road]") - 1);
    const std::string point = Trim(lines[n + 1]);
    const size_t second = point.find(' ', point.find(' ') + 1);
    first[chief] = point.substr(0, second);
  }
  return first;
}

class GroundWarGolden : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallSample(world);
    form().ActiveFront.Checked = true;
    form().StationaryDensityLevel = 0;
    form().ColumnDensityLevel = 0;
    // The ships' rate of fire as the program's options give it.
    form().RoFBox.Text = "10.0";
    form().DDRoFBox.Text = "10.0";
    form().Rand.SetSeed(kSeed);
  }
  TMainForm& form() { return *world.form; }

  void Compare(int pass, const std::string& name, const std::string& actual) {
    if (std::getenv("TAVREK_UPDATE_GOLDEN") != nullptr) {
      std::filesystem::create_directories(
          std::filesystem::path(GoldenPath(pass, name)).parent_path());
      WriteTextFile(GoldenPath(pass, name), actual);
      return;
    }
    EXPECT_EQ(actual, ReadFileBytes(GoldenPath(pass, name))) << "pass " << pass << ", " << name;
  }

  TestWorld world;
};

TEST_F(GroundWarGolden, ThreePassesOfTheOkinawaSample) {
  const std::string campaign = SampleCampaignFolder(world);
  std::map<std::string, std::string> places_before;
  for (int pass = 1; pass <= kPasses; ++pass) {
    GroundWarPass(form(), pass == kPasses);
    for (const char* file : {"territory.tavrek", "columns.tavrek", "stationary.tavrek"}) {
      Compare(pass, file, ReadFileBytes(campaign + file));
    }
    Compare(pass, "chiefs.txt", form().ColumnChiefsText + form().ColumnRoadText);
    Compare(pass, "news.txt",
            form().FrontNews + "\r\n" + form().CampaignNews + "\r\n" + form().ColumnNews + "\r\n");
  }
}

// Metres between two position texts "x y".
double MetresApart(const std::string& a, const std::string& b) {
  const auto x_y = [](const std::string& position) {
    const size_t blank = position.find(' ');
    return std::pair<double, double>(std::stod(position.substr(0, blank)),
                                     std::stod(position.substr(blank + 1)));
  };
  const auto [ax, ay] = x_y(a);
  const auto [bx, by] = x_y(b);
  return std::hypot(ax - bx, ay - by);
}

// A column that a pass moves stands where the next mission's road section starts it: the
// first waypoint of a free land column's road is the position of the place the first pass
// wrote for it.
TEST_F(GroundWarGolden, AMovedColumnStartsTheNextMissionAtItsNewPlace) {
  std::map<std::string, std::string> before;
  BeforeTheMission(form());
  for (int c = 0; c <= form().LastColumn; ++c) {
    before[form().ColumnTable[c].ColumnName] = form().ColumnTable[c].ColumnPlace;
  }
  AfterTheMission(form(), false);
  std::map<std::string, std::string> written;
  for (int c = 0; c <= form().LastColumn; ++c) {
    written[form().ColumnTable[c].ColumnName] = form().ColumnTable[c].ColumnPlace;
  }
  BeforeTheMission(form());
  const std::map<std::string, std::string> first = FirstRoadPoints(form().ColumnRoadText);
  int checked = 0;
  for (int c = 0; c <= form().LastColumn; ++c) {
    const ColumnEntry& column = form().ColumnTable[c];
    const std::string& place = column.ColumnPlace;
    const bool moved = written[column.ColumnName] != before[column.ColumnName];
    const bool free = column.ColumnStatus.empty() || column.ColumnStatus == "L";
    if (!moved || place != written[column.ColumnName] || column.ColumnInMission != "Y" || !free ||
        Contains(column.ColumnType, "Ship") || Contains(column.ColumnType, "Armor")) {
      continue;
    }
    SCOPED_TRACE(column.ColumnName + " at " + place);
    EXPECT_THAT(form().ColumnChiefsText, ::testing::HasSubstr("  " + column.ColumnType + "\r\n"));
    for (int i = 0; i <= form().LastLocation; ++i) {
      const LocationEntry& location = form().LocationTable[i];
      if (location.LocationName != place) continue;
      if (Contains(place, "Bridge")) {
        // A road leaving a bridge skips the bridge's marked points: the column starts at the
        // first point beside it.
        EXPECT_NE(first.at(column.ColumnName), location.LocationPosition);
        EXPECT_LT(MetresApart(first.at(column.ColumnName), location.LocationPosition), 1500.0);
      } else {
        EXPECT_EQ(first.at(column.ColumnName), location.LocationPosition);
      }
    }
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
