#include "mission_generation/waypoint_text.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace {

TEST(WaypointText, WholeMetresAreTheNumberBeforeThePoint) {
  EXPECT_EQ(WholeMetres("-5120.75"), -5120);
  EXPECT_EQ(WholeMetres(" 10000.00 "), 10000);
  EXPECT_EQ(WholeMetres("-0.5"), 0);
  EXPECT_EQ(WholeMetres("10000.00 0 0"), 10000);
  for (const char* bad : {"10000", "", ".5", "x1.0"}) {
    EXPECT_THROW(WholeMetres(bad), ConversionError) << bad;
  }
}

TEST(WaypointText, LegPositionIsTheFirstAfterItsKeyword) {
  const std::string leg =
      "  NORMFLY 1500.25 -2500.75 3000.0 300.00 \r\n  NORMFLY 9000.00 9000.00 3000.0 300.00 \r\n";
  EXPECT_EQ(LegPositionText(leg, kNormFlyKeyword).substr(0, 17), "1500.25 -2500.75 ");
  const MapMetres first = ReadLegPosition(leg, kNormFlyKeyword, "a test leg");
  EXPECT_EQ(first.x, 1500);
  EXPECT_EQ(first.y, -2500);

  const MapMetres base =
      ReadLegPosition("  TAKEOFF 10000.00 20000.00 0 0 2_Chief 0\r\n", kTakeOffKeyword, "");
  EXPECT_EQ(base.x, 10000);
  EXPECT_EQ(base.y, 20000);
}

TEST(WaypointText, LegWithoutAPositionGivesAnErrorNamingTheLeg) {
  try {
    ReadLegPosition("", kTakeOffKeyword, "the take-off leg of JG52 [3]");
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "No \"TAKEOFF\" position in the take-off leg of JG52 [3].");
  }
  EXPECT_THROW(ReadLegPosition("TAKEOFF 10000 20000", kTakeOffKeyword, "leg"), ConversionError);
  EXPECT_THROW(ReadPosition("10000.00"), ConversionError);
}

TEST(WaypointText, LinesAreWrittenInWholeMetres) {
  EXPECT_EQ(NormFlyLine(-143682, 0, AltitudeField(2500), "300.00"),
            "  NORMFLY -143682.00 0.00 2500.0 300.00");
  EXPECT_EQ(NormFlyLine(1, 2, kAltitudePlaceholder, "350.00"),
            "  NORMFLY 1.00 2.00 <ALTITUDE> 350.00");
}

TEST(WaypointText, StaggerRepeatsEveryTenSquadrons) {
  for (int squadron = 0; squadron < kStaggerCycle; ++squadron) {
    EXPECT_EQ(StaggerIndex(squadron), squadron);
  }
  EXPECT_EQ(StaggerIndex(12), 2);
  EXPECT_EQ(StaggerIndex(1028), 8);
}

}  // namespace
