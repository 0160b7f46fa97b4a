#include "campaign_data/nearest_location.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "campaign_data/geometry.h"
#include "campaign_data/text.h"
#include "platform/errors.h"

namespace {

LocationEntry Place(std::string name, std::string position) {
  LocationEntry location;
  location.LocationName = std::move(name);
  location.LocationPosition = std::move(position);
  return location;
}

// The rule the index stands for: every location measured in index order, the first strictly
// smaller whole-metre distance kept, starting from 999999999; a location without a position
// lies at distance 0.
class LinearNearest {
 public:
  LinearNearest(const LocationTableType& table, int last) {
    for (int j = 0; j <= last; ++j) {
      const std::string& at = table[j].LocationPosition;
      places_.push_back({at.empty(), at.empty() ? WholeMetrePoint{} : ReadWholeMetres(at),
                         Contains(table[j].LocationName, "Beachhead")});
    }
  }
  int Nearest(const std::string& position) const {
    const WholeMetrePoint b = ReadWholeMetres(position);
    long long best = 999999999;
    int nearest = -1;
    for (int j = 0; j < static_cast<int>(places_.size()); ++j) {
      const Measured& a = places_[j];
      const long long distance =
          a.without_position ? 0 : WholeMetreDistance(a.at.x - b.x, a.at.y - b.y);
      if (distance < best && !a.beachhead) {
        best = distance;
        nearest = j;
      }
    }
    return nearest;
  }

 private:
  struct Measured {
    bool without_position;
    WholeMetrePoint at;
    bool beachhead;
  };
  std::vector<Measured> places_;
};

std::string Position(long long x, long long y, int fraction) {
  return std::to_string(x) + "." + std::to_string(fraction) + " " + std::to_string(y) + "." +
         std::to_string(99 - fraction);
}

struct RandomMap {
  int locations;
  int span;  // coordinates in -span..span: a small span gives many ties and equal positions
  int beachhead_one_in;
};

class NearestAgainstLinear : public ::testing::TestWithParam<RandomMap> {};

TEST_P(NearestAgainstLinear, AnswersAsTheLinearRule) {
  const RandomMap map = GetParam();
  auto table = std::make_unique<LocationTableType>();
  std::mt19937 random(12345u + static_cast<unsigned>(map.locations));
  std::uniform_int_distribution<int> coordinate(-map.span, map.span);
  std::uniform_int_distribution<int> fraction(0, 99);
  for (int j = 0; j < map.locations; ++j) {
    (*table)[j].LocationName = "Place" + std::to_string(j);
    if (map.beachhead_one_in > 0 && j % map.beachhead_one_in == 0) {
      (*table)[j].LocationName += "_Beachhead";
    }
    (*table)[j].LocationPosition =
        Position(coordinate(random), coordinate(random), fraction(random));
  }
  const NearestLocationIndex index(*table, map.locations - 1, "Beachhead");
  const LinearNearest linear(*table, map.locations - 1);
  for (int query = 0; query < 1000; ++query) {
    // Some queries far outside the map.
    const int scale = query % 10 == 0 ? 50 : 1;
    const std::string position =
        Position(coordinate(random) * scale, coordinate(random) * scale, fraction(random));
    ASSERT_EQ(index.Nearest(position), linear.Nearest(position)) << position;
  }
}

INSTANTIATE_TEST_SUITE_P(Maps, NearestAgainstLinear,
                         ::testing::Values(RandomMap{1, 1000, 0}, RandomMap{7, 3, 0},
                                           RandomMap{300, 5, 4}, RandomMap{3000, 40, 7},
                                           RandomMap{5000, 200000, 0},
                                           RandomMap{20000, 1000000, 9}));

TEST(NearestLocationIndex, FollowsTheEdgesOfTheLinearRule) {
  auto table = std::make_unique<LocationTableType>();
  (*table)[0] = Place("Beach_Beachhead", "100.00 100.00");
  (*table)[1] = Place("Far", "5000.00 5000.00");
  (*table)[2] = Place("Near", "200.00 200.00");
  (*table)[3] = Place("Twin", "200.00 200.00");
  // A beachhead is never the nearest, however close.
  EXPECT_EQ(NearestLocationIndex(*table, 3, "Beachhead").Nearest("100.00 100.00"), 2);
  // An empty table answers -1.
  EXPECT_EQ(NearestLocationIndex(*table, -1, "Beachhead").Nearest("100.00 100.00"), -1);
  // A location without a position lies at distance 0 and wins from then on.
  (*table)[4] = Place("Nowhere", "");
  EXPECT_EQ(NearestLocationIndex(*table, 4, "Beachhead").Nearest("200.00 200.00"), 4);
  // 999999999 m or more away is no nearest location.
  auto far_table = std::make_unique<LocationTableType>();
  (*far_table)[0] = Place("Alone", "1999999999.00 0.00");
  EXPECT_EQ(NearestLocationIndex(*far_table, 0, "").Nearest("-5.00 0.00"), -1);
  EXPECT_EQ(NearestLocationIndex(*far_table, 0, "").Nearest("1000000001.00 0.00"), 0);
}

TEST(NearestLocationIndex, MalformedPositionsRaiseConversionErrors) {
  auto table = std::make_unique<LocationTableType>();
  (*table)[0] = Place("Good", "100.00 100.00");
  EXPECT_THROW(NearestLocationIndex(*table, 0, "").Nearest("100 100.00"), ConversionError);
  (*table)[1] = Place("Bad", "100.00 north");
  EXPECT_THROW(NearestLocationIndex(*table, 1, "").Nearest("100.00 100.00"), ConversionError);
}

}  // namespace
