#include "campaign_data/point_grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "campaign_data/geometry.h"

namespace {

// A disk as the range tests measure it: whole metres from the centre, cut down, below a limit;
// the squares below (limit - 1)^2 surely inside, above (limit + 1)^2 surely not. A limit under
// two metres settles nothing, since a point on the centre measures a metre.
struct MeasuredDisk {
  WholeMetrePoint centre;
  long long limit;

  bool Holds(const WholeMetrePoint& point) const {
    return WholeMetreDistance(point.x - centre.x, point.y - centre.y) < limit;
  }
  long long Count(const PointGrid& grid, const std::vector<WholeMetrePoint>& points,
                  int& measured) const {
    measured = 0;
    const bool settles = limit >= 2;
    return grid.CountInDisk(centre, settles ? (limit - 1) * (limit - 1) : -1,
                            settles ? (limit + 1) * (limit + 1) : LLONG_MAX, [&](int k) {
                              ++measured;
                              return Holds(points[static_cast<size_t>(k)]);
                            });
  }
  long long CountEveryPoint(const std::vector<WholeMetrePoint>& points) const {
    long long count = 0;
    for (const WholeMetrePoint& point : points) count += Holds(point) ? 1 : 0;
    return count;
  }
};

struct RandomPoints {
  int count;
  int span;  // coordinates 0..span
  int step;  // on a lattice of this many metres: many points share cell borders and positions
};

class PointGridAgainstEveryPoint : public ::testing::TestWithParam<RandomPoints> {};

TEST_P(PointGridAgainstEveryPoint, CountsAsMeasuringEveryPoint) {
  const RandomPoints map = GetParam();
  std::mt19937 random(static_cast<unsigned>(map.count + map.step));
  std::uniform_int_distribution<int> lattice(0, map.span / map.step);
  std::vector<WholeMetrePoint> points;
  for (int k = 0; k < map.count; ++k) {
    points.push_back({-5000LL + lattice(random) * map.step, 7000LL + lattice(random) * map.step});
  }
  const PointGrid grid(points);
  // Centres inside the map, on its points and outside it; radii from none to beyond the map.
  std::uniform_int_distribution<long long> centre(-map.span / 2, map.span + map.span / 2);
  std::uniform_int_distribution<long long> limit(0, map.span);
  int measured_fewer = 0;
  for (int query = 0; query < 300; ++query) {
    MeasuredDisk disk{{-5000 + centre(random), 7000 + centre(random)}, limit(random)};
    if (query % 3 == 0) {
      const WholeMetrePoint& on = points[static_cast<size_t>(query) % points.size()];
      disk.centre = {on.x, on.y};
    }
    if (query % 10 == 1) disk.limit = map.span * 3;
    int measured = 0;
    ASSERT_EQ(disk.Count(grid, points, measured), disk.CountEveryPoint(points))
        << "centre " << disk.centre.x << " " << disk.centre.y << " limit " << disk.limit;
    measured_fewer += measured * 4 < map.count ? 1 : 0;
  }
  // The cells do spare most measurements when the map is large enough to have many of them.
  if (map.count >= 5000) {
    EXPECT_GT(measured_fewer, 150);
  }
}

INSTANTIATE_TEST_SUITE_P(Maps, PointGridAgainstEveryPoint,
                         ::testing::Values(RandomPoints{1, 1000, 1}, RandomPoints{7, 100, 1},
                                           RandomPoints{500, 4000, 500},
                                           RandomPoints{5000, 400000, 1},
                                           RandomPoints{20000, 400000, 1000}));

TEST(PointGrid, PointsTooFarApartToSquareAreMeasuredEachAndStillCounted) {
  const std::vector<WholeMetrePoint> points = {{0, 0}, {1LL << 40, 5}, {3, 4}, {-(1LL << 40), 0}};
  const PointGrid grid(points);
  const MeasuredDisk disk{{0, 0}, 6};
  int measured = 0;
  EXPECT_EQ(disk.Count(grid, points, measured), 2);
  EXPECT_EQ(measured, 4);
}

TEST(PointGrid, AnEmptyListCountsNothing) {
  const PointGrid grid({});
  EXPECT_EQ(grid.CountInDisk({0, 0}, 100, 200, [](int) { return true; }), 0);
}

}  // namespace
