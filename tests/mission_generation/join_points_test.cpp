#include "mission_generation/join_points.h"

#include <gtest/gtest.h>

#include "campaign_data/text.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"
#include "tests/mission_generation/waypoint_campaign.h"

namespace {

using C = WaypointCampaign;

class JoinPoints : public ::testing::Test {
 protected:
  JoinPoints() {
    player = campaign.AddSquadron("I_JG52", "1", "2", C::kAlphaAirfield, C::kBravoTown);
    bomber = campaign.AddSquadron("KG1", "2", "2", C::kAlphaAirfield, C::kBravoTown);
    fighter = campaign.AddSquadron("JG3", "1", "1", C::kAlphaAirfield, C::kBravoTown);
    allied = campaign.AddSquadron("No_11", "1", "1", C::kAlphaAirfield, C::kBravoTown);
    off_map = campaign.AddSquadron("No_12", "1", "1", C::kFarAirfield, C::kBravoTown);
  }
  WaypointCampaign campaign;
  TMainForm& form = campaign.form();
  int player = 0;
  int bomber = 0;
  int fighter = 0;
  int allied = 0;
  int off_map = 0;
};

TEST_F(JoinPoints, AveragePointBetweenTwoPositions) {
  // Squadron 2, flight 1: pulled back 2 x 500 + 200 m toward the first position.
  EXPECT_EQ(CreateAveragePoint(form, "10000.00 10000.00", "30000.00 20000.00", "0", fighter, 1),
            "  NORMFLY 18800.00 13800.00 3900.0 300.00");
  EXPECT_EQ(
      CreateAveragePoint(form, "10000.00 10000.00", "30000.00 20000.00", "<ALTITUDE>", fighter, 1),
      "  NORMFLY 18800.00 13800.00 <ALTITUDE> 300.00");
  // Equal coordinates: the second position moves 10 m and both signs stay negative.
  EXPECT_EQ(CreateAveragePoint(form, "10000.00 10000.00", "10000.00 10000.00", "0", fighter, 1),
            "  NORMFLY 11205.00 11205.00 3900.0 300.00");
  // A base off the map keeps the cruise altitude, less 100 m per flight.
  EXPECT_EQ(CreateAveragePoint(form, "10000.00 10000.00", "30000.00 20000.00", "0", off_map, 0),
            "  NORMFLY 18000.00 13000.00 3000.0 300.00");
}

TEST_F(JoinPoints, AveragePointAltitudeRule) {
  struct Case {
    int cruise;
    bool off_map;
    int flight;
    int altitude;
  };
  const Case cases[] = {
      {3000, false, 1, 3900}, {6000, false, 1, 2900}, {5000, false, 0, 6000},
      {5001, false, 0, 2500}, {3000, true, 1, 2900},  {200, true, 3, 300},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AveragePointAltitude(c.cruise, c.off_map, c.flight), c.altitude)
        << c.cruise << (c.off_map ? " off map" : " on map") << " flight " << c.flight;
  }
}

TEST_F(JoinPoints, PullBackRepeatsEveryTenSquadrons) {
  // Squadrons 12 and 1002 fly the stagger of squadron 2, not a pull-back of 6 or 501 km.
  for (int s : {12, 1002}) {
    form.SquadronTable[s] = form.SquadronTable[fighter];
    form.LastSquadron = s;
    EXPECT_EQ(CreateAveragePoint(form, "10000.00 10000.00", "30000.00 20000.00", "0", s, 1),
              "  NORMFLY 18800.00 13800.00 3900.0 300.00")
        << s;
  }
}

TEST_F(JoinPoints, AveragePointChecksAreLoggedThenTheErrorReachesTheCaller) {
  EXPECT_THROW(CreateAveragePoint(form, "", " ", "0", fighter, 0), ConversionError);
  EXPECT_TRUE(Contains(form.ErrorText, "CreateAveragePoint Error: 2"));
  EXPECT_THROW(CreateAveragePoint(form, "10000.00 10000.00", "30000.00", "0", fighter, 0),
               ConversionError);

  form.SquadronTable[7] = form.SquadronTable[fighter];
  EXPECT_EQ(CreateAveragePoint(form, "10000.00 10000.00", "30000.00 20000.00", "0", 7, 0),
            "  NORMFLY 16500.00 11500.00 4000.0 300.00");
  EXPECT_TRUE(Contains(form.ErrorText, "SquadNum Error: 7"));
}

TEST_F(JoinPoints, HalfWayPointBesideTheTarget) {
  struct Case {
    const char* name;
    int squadron;
    int target;
    const char* weapons;
    int escorts;
    int flight;
    long long x;
    long long y;
  };
  const Case cases[] = {
      {"fighter, squadron 0, mainly along x", 0, C::kBravoTown, "default", -1, 0, 23000, 19000},
      {"fighter, mainly along y", 0, C::kCharlieTown, "default", -1, 0, 19000, 23000},
      {"bomber, squadron 1", 1, C::kBravoTown, "default", -1, 0, 20500, 23500},
      {"escort of bombers, squadron 2", 2, C::kBravoTown, "default", 1, 0, 20000, 24000},
      {"glider tug, squadron 3", 3, C::kBravoTown, "glider_tow", -1, 0, 23450, 16550},
      {"second flight", 0, C::kBravoTown, "default", -1, 1, 23000, 19000},
  };
  for (const Case& c : cases) {
    WaypointCampaign fresh;
    TMainForm& f = fresh.form();
    for (int s = 0; s <= c.squadron; ++s) fresh.AddSquadron("S" + IntToStr(s), "1", "2", 0, 1);
    f.SquadronTable[1].SquadronRole = "2";
    SquadronEntry& entry = f.SquadronTable[c.squadron];
    entry.SquadronTargetLocation = c.target;
    entry.SquadronWeapons = c.weapons;
    entry.SquadronEscortOf = c.escorts;
    CreateHalfWay(f, c.squadron, c.flight);
    const int altitude = AltitudeSet(f, c.squadron) + 100 * c.flight;
    EXPECT_EQ(entry.SquadronHalfWayLeg,
              NormFlyLine(c.x, c.y, AltitudeField(altitude), SetSpeed(f, c.squadron)) + "\r\n")
        << c.name;
  }
  EXPECT_EQ(form.SquadronTable[player].SquadronHalfWayLeg, "");
  CreateHalfWay(form, player, 0);
  EXPECT_EQ(form.SquadronTable[player].SquadronHalfWayLeg,
            "  NORMFLY 23000.00 19000.00 3000.0 300.00\r\n");
}

TEST_F(JoinPoints, HalfWayOffsetRepeatsEveryTenSquadrons) {
  form.SquadronTable[25] = form.SquadronTable[allied];
  form.SquadronTable[5] = form.SquadronTable[allied];
  form.LastSquadron = 25;
  CreateHalfWay(form, 25, 0);
  CreateHalfWay(form, 5, 0);
  EXPECT_EQ(form.SquadronTable[25].SquadronHalfWayLeg, form.SquadronTable[5].SquadronHalfWayLeg);
  // 4000 + 5 x 1000 m short of the target, 8000 + 5 x 1000 m beside it, then half-way home.
  EXPECT_EQ(form.SquadronTable[5].SquadronHalfWayLeg,
            "  NORMFLY 20500.00 21500.00 3000.0 300.00\r\n");
}

TEST_F(JoinPoints, HalfWayWithoutPositionsIsEmptied) {
  SquadronEntry& entry = form.SquadronTable[fighter];
  entry.SquadronHalfWayLeg = "  NORMFLY 1.00 1.00 3000.0 300.00\r\n";
  entry.SquadronTakeOffLeg.clear();
  CreateHalfWay(form, fighter, 0);
  EXPECT_EQ(entry.SquadronHalfWayLeg, "");
  EXPECT_TRUE(Contains(form.ErrorText,
                       "Half-way point left out: No \"TAKEOFF\" position in the "
                       "take-off leg of JG3 [2]."));
  form.SquadronTable[allied].SquadronTargetLocation = -1;
  CreateHalfWay(form, allied, 0);
  EXPECT_EQ(form.SquadronTable[allied].SquadronHalfWayLeg, "");
}

TEST_F(JoinPoints, InterceptRendezvousTowardTheOwnSide) {
  struct Case {
    const char* name;
    const char* army;
    const char* map_axis;
    int squadron;
    const char* line;
  };
  const Case cases[] = {
      {"Allied, West", "1", "West", 3, "  NORMFLY 21000.00 16000.00 2150.0 300.00\r\n"},
      {"Axis, West", "2", "West", 3, "  NORMFLY 19000.00 14000.00 2150.0 300.00\r\n"},
      {"Allied, North", "1", "North", 3, "  NORMFLY 19000.00 14000.00 2150.0 300.00\r\n"},
      {"Axis, South", "2", "South", 3, "  NORMFLY 21000.00 16000.00 2150.0 300.00\r\n"},
      {"squadron 13 climbs as squadron 3", "1", "West", 13,
       "  NORMFLY 21000.00 16000.00 2150.0 300.00\r\n"},
  };
  for (const Case& c : cases) {
    form.MapAxis = c.map_axis;
    SquadronEntry& entry = form.SquadronTable[c.squadron];
    entry = form.SquadronTable[allied];
    entry.SquadronArmy = c.army;
    entry.SquadronHalfWayLeg = "  NORMFLY 30000.00 20000.00 <ALTITUDE> 300.00\r\n";
    CreateIntWay(form, c.squadron);
    EXPECT_EQ(entry.SquadronRendezvousLeg, c.line) << c.name;
  }
}

TEST_F(JoinPoints, InterceptWithoutHalfWayPointIsEmptied) {
  SquadronEntry& entry = form.SquadronTable[allied];
  entry.SquadronRendezvousLeg = "  NORMFLY 1.00 1.00 3000.0 300.00\r\n";
  CreateIntWay(form, allied);
  EXPECT_EQ(entry.SquadronRendezvousLeg, "");
  EXPECT_TRUE(Contains(form.ErrorText,
                       "Intercept rendezvous left out: No \"NORMFLY\" position in "
                       "the half-way leg of No_11 [3]."));
}

}  // namespace
