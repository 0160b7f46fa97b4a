// The test-side mission checker finds each kind of fault the game would trip over.

#include "tests/support/mission_checker.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const std::string kMain =
    "[MAIN]\r\n  MAP Lakeland/load.ini\r\n  TIME 12.50\r\n  CloudType 2\r\n  CloudHeight 1000\r\n"
    "  player A0\r\n  army 1\r\n  playerNum 1\r\n";
const std::string kFlight =
    "[A0]\r\n  Planes 2\r\n  Class air.F4U1C\r\n  Fuel 100\r\n  weapons default\r\n";
const std::string kRoute =
    "[A0_Way]\r\n  TAKEOFF 100.00 100.00 0 0 &0\r\n  NORMFLY 20000.00 100.00 3000.0 300.00 &0\r\n"
    "  NORMFLY 5000.00 100.00 3000.0 300.00 &0\r\n  LANDING 100.00 100.00 0 0 &0\r\n";

std::string Mission(const std::string& main, const std::string& wing, const std::string& flight,
                    const std::string& route) {
  return main + wing + flight + route;
}

TEST(MissionChecker, AcceptsALoadableMission) {
  EXPECT_THAT(MissionProblems(Mission(kMain, "[WING]\r\n  A0\r\n", kFlight, kRoute)), IsEmpty());
}

// A seaplane squadron moving to a harbour near its own ends its flight passing over it twice.
TEST(MissionChecker, AcceptsASeaplaneFlightEndingOverANearbyHarbour) {
  const std::string route =
      "[A0_Way]\r\n  TAKEOFF 0.00 0.00 0 0\r\n  NORMFLY 20000.00 0.00 3000.0 300.00\r\n"
      "  NORMFLY 5000.00 3000.00 300.0 300.00\r\n  NORMFLY 5000.00 3000.00 300.0 300.00\r\n";
  EXPECT_THAT(MissionProblems(Mission(kMain, "[WING]\r\n  A0\r\n", kFlight, route)), IsEmpty());
}

// The Ohka a bomber carries is launched at the target, here a ship off the bomber's own base,
// and is not expected back; the bomber itself still must land.
TEST(MissionChecker, AcceptsARocketBombThatDoesNotComeBack) {
  const std::string ohka =
      "[A1]\r\n  Planes 1\r\n  Class air.MXY_7\r\n  Fuel 100\r\n  weapons default\r\n"
      "[A1_Way]\r\n  TAKEOFF 0.00 0.00 0 0 A0 0\r\n  NORMFLY 20000.00 0.00 3000.0 300.00\r\n"
      "  GATTACK 5000.00 3000.00 500.0 300.00 8_Chief 0\r\n";
  EXPECT_THAT(MissionProblems(Mission(kMain, "[WING]\r\n  A0\r\n  A1\r\n", kFlight, kRoute) + ohka),
              IsEmpty());
  const std::string bomber_route =
      "[A0_Way]\r\n  TAKEOFF 0.00 0.00 0 0\r\n  GATTACK 5000.00 3000.00 500.0 300.00\r\n";
  EXPECT_THAT(MissionProblems(Mission(kMain, "[WING]\r\n  A0\r\n", kFlight, bomber_route)),
              ElementsAre(HasSubstr("comes back to its base and does not land")));
}

TEST(MissionChecker, FindsEachFault) {
  struct Case {
    std::string text;
    std::string problem;
  };
  const std::string wing = "[WING]\r\n  A0\r\n";
  const Case cases[] = {
      {Mission(kMain, wing, kFlight, kRoute) + "[A0]\r\n", "[A0] is written twice"},
      {Mission(kMain, wing, kFlight, ""), "Flight A0 has no waypoint section"},
      {Mission(kMain, "[WING]\r\n  A0\r\n  B0\r\n", kFlight, kRoute), "Flight B0 has no section"},
      {Mission(kMain, wing, kFlight, kRoute) + "[C0_Way]\r\n", "[C0_Way] belongs to no flight"},
      {Mission(kMain, wing, kFlight, "[A0_Way]\r\n  NORMFLY 1.00 2.00 <ALTITUDE> 300.00\r\n"),
       "keeps an altitude placeholder"},
      {Mission(kMain, wing, kFlight, "[A0_Way]\r\n  GATTACK 1.00 2.00 300.0 300.00\r\n"),
       "begins with neither a take-off nor an air start"},
      {Mission(kMain, wing, kFlight, "[A0_Way]\r\n  NORMFLY 1,00 2.00 300.0 300.00\r\n"),
       "has a field that is no number"},
      {Mission(kMain, wing, kFlight,
               "[A0_Way]\r\n  TAKEOFF 0.00 0.00 0 0\r\n  NORMFLY 9000.00 0.00 300.0 300.00\r\n"),
       "comes back to its base and does not land"},
      {Mission(kMain, wing, kFlight,
               "[A0_Way]\r\n  TAKEOFF 0.00 0.00 0 0\r\n  LANDING 0.00 0.00 0 0\r\n"
               "  NORMFLY 90000.00 0.00 300.0 300.00\r\n"),
       "has waypoints after its landing"},
      {Mission(kMain, wing, "[A0]\r\n  Planes 0\r\n  Class air.X\r\n  Fuel 100\r\n  weapons x\r\n",
               kRoute),
       "has no whole number of planes"},
      {Mission(kMain, "[WING]\r\n  B0\r\n",
               "[B0]\r\n  Planes 1\r\n  Class air.X\r\n  Fuel 1\r\n"
               "  weapons x\r\n",
               "[B0_Way]\r\n  NORMFLY 1.00 2.00 3.0 4.00\r\n"),
       "The player's flight A0 is not in [WING]"},
      {Mission(kMain, wing, "[A0]\r\n  Planes 1\r\n  Class air.X\r\n  Fuel 1\r\n  weapons x\r\n",
               kRoute),
       "The player's plane 1 is not in flight A0"},
      {"[MAIN]\n  MAP x\r\n", "line break that is no CR LF"},
      {Mission(kMain, wing, kFlight, kRoute) + "[House]", "does not end in CR LF"},
  };
  for (const Case& c : cases) {
    std::string all;
    for (const std::string& problem : MissionProblems(c.text)) all += problem + "\n";
    EXPECT_THAT(all, HasSubstr(c.problem)) << c.text;
  }
}

TEST(MissionChecker, ReadsSectionsAndRows) {
  const ParsedMission mission = ParseMission(kMain + kFlight);
  ASSERT_EQ(mission.sections.size(), 2u);
  EXPECT_EQ(mission.sections[1].name, "A0");
  EXPECT_THAT(mission.Rows("A0")[0], ElementsAre("Planes", "2"));
  EXPECT_EQ(mission.Find("B0"), nullptr);
}

}  // namespace
