#include "mission_generation/takeoff_legs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "tests/mission_generation/waypoint_campaign.h"

namespace {

using C = WaypointCampaign;

struct Point {
  long long x;
  long long y;
  int altitude;
};

std::string Circle(const std::vector<Point>& points) {
  std::string text;
  for (const Point& p : points) {
    text += "  NORMFLY " + IntToStr(p.x) + ".00 " + IntToStr(p.y) + ".00 " + IntToStr(p.altitude) +
            " 300.00\r\n";
  }
  return text;
}

class TakeOffLegs : public ::testing::Test {
 protected:
  WaypointCampaign campaign;
  TMainForm& form = campaign.form();
};

TEST_F(TakeOffLegs, AirfieldTakeOffWithClimbingCircle) {
  const int player = campaign.AddSquadron("I_JG52", "1", "2", C::kAlphaAirfield, C::kBravoTown);
  form.TOCircle.Text = "All Types";
  CreateTakeOffWay(form, player, 0, 0);
  EXPECT_EQ(form.SquadronTable[player].SquadronTakeOffLeg,
            "  TAKEOFF 10000.00 10000.00 0 0\r\n" + Circle({{9999, 5000, 300},
                                                            {5000, 0, 600},
                                                            {0, 5000, 900},
                                                            {0, 9999, 1200},
                                                            {5000, 15000, 1500}}));
}

TEST_F(TakeOffLegs, CircleBySlotFlightTargetAndPlayerStep) {
  struct Case {
    const char* name;
    int target;
    int slot;
    int flight;
    const char* player_step;
    std::vector<Point> circle;
  };
  const Case cases[] = {
      {"second slot: first points move out, all climb 200 m higher",
       C::kBravoTown,
       1,
       0,
       "Default",
       {{10499, 5500, 500},
        {5150, 150, 800},
        {0, 5000, 1100},
        {0, 9999, 1400},
        {5000, 15000, 1700}}},
      {"second flight: a little smaller",
       C::kBravoTown,
       0,
       1,
       "Default",
       {{9999, 5000, 300},
        {5500, 1000, 600},
        {1000, 5500, 900},
        {1000, 9999, 1200},
        {5500, 14500, 1500}}},
      {"third flight: smaller again",
       C::kBravoTown,
       0,
       2,
       "Default",
       {{9999, 5000, 300},
        {6000, 2000, 600},
        {2000, 6000, 900},
        {2000, 9999, 1200},
        {6000, 14000, 1500}}},
      {"fourth flight: a smaller circle",
       C::kBravoTown,
       0,
       3,
       "Default",
       {{9999, 5000, 300},
        {6500, 3000, 600},
        {3000, 6500, 900},
        {3000, 9999, 1200},
        {6500, 13500, 1500}}},
      {"target mainly along y: the circle lies at smaller y",
       C::kCharlieTown,
       0,
       0,
       "Default",
       {{5000, 9999, 300}, {0, 5000, 600}, {5000, 0, 900}, {9999, 0, 1200}, {15000, 5000, 1500}}},
      {"player's climb step: slot taken as 0",
       C::kBravoTown,
       2,
       0,
       "150 Meters",
       {{9999, 5000, 150}, {5000, 0, 300}, {0, 5000, 450}, {0, 9999, 600}, {5000, 15000, 750}}},
      {"player's step box without a number: default step",
       C::kBravoTown,
       0,
       0,
       "abc Meters",
       {{9999, 5000, 300}, {5000, 0, 600}, {0, 5000, 900}, {0, 9999, 1200}, {5000, 15000, 1500}}},
  };
  for (const Case& c : cases) {
    WaypointCampaign fresh;
    TMainForm& f = fresh.form();
    const int player = fresh.AddSquadron("I_JG52", "1", "2", C::kAlphaAirfield, c.target);
    f.TOCircle.Text = "All Types";
    f.TakeOffStepAltBox.Text = c.player_step;
    CreateTakeOffWay(f, player, c.slot, c.flight);
    EXPECT_EQ(f.SquadronTable[player].SquadronTakeOffLeg,
              "  TAKEOFF 10000.00 10000.00 0 0\r\n" + Circle(c.circle))
        << c.name;
  }
}

TEST_F(TakeOffLegs, TakeOffLineByKindOfBase) {
  form.TOCircle.Text = "No Types";
  const int seaplane = campaign.AddSquadron("Seaplanes", "6", "1", C::kDeltaSeaplaneBase, 1);
  const int carrier = campaign.AddCarrierSquadron("VF3", "1", C::kBravoTown);
  const int beside_carriers = campaign.AddSquadron("VF5", "1", "1", C::kKiloAirfield, 1);
  const int over_sea = campaign.AddSquadron("VF8", "1", "1", C::kNorthSea, 1);
  form.StationaryObjectTable[3].StationaryNearestLocation = C::kNorthSea;
  for (int s : {seaplane, carrier, beside_carriers, over_sea}) CreateTakeOffWay(form, s, 1, 0);

  EXPECT_EQ(form.SquadronTable[seaplane].SquadronTakeOffLeg, "  TAKEOFF 5000.00 30000.00 0 0\r\n");
  EXPECT_EQ(form.SquadronTable[carrier].SquadronTakeOffLeg,
            "  TAKEOFF 75000.00 60000.00 0 0 2_Chief 0\r\n");
  // The destroyed carrier and the landing craft are passed over; only the first carrier counts.
  EXPECT_EQ(form.SquadronTable[beside_carriers].SquadronTakeOffLeg,
            "  TAKEOFF 30000.00 70000.00 0 0 9_Static 0\r\n");
  // A carrier base that is no airfield still gets altitude and speed before the carrier.
  EXPECT_EQ(form.SquadronTable[over_sea].SquadronTakeOffLeg,
            "  TAKEOFF 80000.00 80000.00 0 0 10_Static 0\r\n");
}

TEST_F(TakeOffLegs, WhoCirclesUnderEachOption) {
  enum Kind { kEscortFromElsewhere, kEscortSharingBase, kSeaplane, kBomber, kFighter, kAttack };
  struct Case {
    const char* option;
    bool circles[6];
  };
  const Case cases[] = {
      {"All Types", {true, true, true, true, true, true}},
      {"Only Escorts & Escorted", {false, true, false, true, false, false}},
      {"All Bombers & Escorts", {false, true, false, true, false, true}},
      {"Level Bombers & Escorts", {false, true, false, true, false, false}},
      {"Bombers & Ground Attack", {false, false, false, true, false, true}},
      {"Only Level Bombers", {false, false, false, true, false, false}},
      {"No Types", {false, false, false, false, false, false}},
  };
  for (const Case& c : cases) {
    WaypointCampaign fresh;
    TMainForm& f = fresh.form();
    f.TOCircle.Text = c.option;
    const int bomber = fresh.AddSquadron("KG1", "2", "2", C::kAlphaAirfield, C::kBravoTown);
    const int squadrons[6] = {
        fresh.AddSquadron("JG3", "1", "2", C::kEchoAirfield, C::kBravoTown),
        fresh.AddSquadron("JG2", "1", "2", C::kAlphaAirfield, C::kBravoTown),
        fresh.AddSquadron("SAGr", "6", "2", C::kDeltaSeaplaneBase, C::kBravoTown),
        bomber,
        fresh.AddSquadron("JG5", "1", "2", C::kAlphaAirfield, C::kBravoTown),
        fresh.AddSquadron("SG1", "4", "2", C::kAlphaAirfield, C::kBravoTown),
    };
    f.SquadronTable[squadrons[kEscortFromElsewhere]].SquadronEscortOf = bomber;
    f.SquadronTable[squadrons[kEscortSharingBase]].SquadronEscortOf = bomber;
    f.SquadronTable[bomber].SquadronEscortedBy = squadrons[kEscortSharingBase];
    for (int kind = 0; kind < 6; ++kind) {
      CreateTakeOffWay(f, squadrons[kind], 0, 0);
      EXPECT_EQ(Contains(f.SquadronTable[squadrons[kind]].SquadronTakeOffLeg, "NORMFLY"),
                c.circles[kind])
          << c.option << ", kind " << kind;
    }
  }
}

TEST_F(TakeOffLegs, EscortSharingTheBaseFollowsItsChargeOnThePoint1) {
  campaign.SetBriefs(18, "Escort the bombers to the target.");
  form.TOCircle.Text = "All Types";
  const int bomber = campaign.AddSquadron("KG1", "2", "2", C::kAlphaAirfield, C::kBravoTown);
  const int escort = campaign.AddSquadron("JG2", "1", "2", C::kAlphaAirfield, C::kBravoTown);
  const int elsewhere = campaign.AddSquadron("JG3", "1", "2", C::kEchoAirfield, C::kBravoTown);
  for (int s : {escort, elsewhere}) {
    SquadronEntry& entry = form.SquadronTable[s];
    entry.SquadronEscortOf = bomber;
    entry.SquadronMissionType = "Escort the bombers to the target.";
    // The circle turns away from the rendezvous point, not from the target.
    entry.SquadronRendezvousLeg = "  NORMFLY 10000.00 40000.00 3000.0 300.00\r\n";
    CreateTakeOffWay(form, s, 0, 0);
  }
  EXPECT_TRUE(StartsWith(form.SquadronTable[escort].SquadronTakeOffLeg,
                         "  TAKEOFF 10000.00 10000.00 0 0\r\n"
                         "  NORMFLY 15000.00 9999.00 300 300.00 KG10 1\r\n"
                         "  NORMFLY 20000.00 5000.00 600 300.00\r\n"));
  EXPECT_FALSE(Contains(form.SquadronTable[elsewhere].SquadronTakeOffLeg, "KG10 1"));
  EXPECT_TRUE(Contains(form.SquadronTable[elsewhere].SquadronTakeOffLeg, "NORMFLY"));
}

// An air start has no take-off line: its cruise point centres the circle, and the leg keeps
// only the circle.
TEST_F(TakeOffLegs, AnAirStartCentresTheCircleOnItsCruisePoint) {
  form.TOCircle.Text = "All Types";
  const int air_start = campaign.AddSquadron("JG5", "1", "2", C::kAlphaAirfield, C::kBravoTown);
  form.SquadronTable[air_start].SquadronTakeOffLeg = "  NORMFLY 20000.00 20000.00 3000.0 300.00";

  CreateTakeOffWay(form, air_start, 0, 0);

  EXPECT_TRUE(StartsWith(form.SquadronTable[air_start].SquadronTakeOffLeg,
                         "  NORMFLY 19999.00 25000.00 300 300.00\r\n  NORMFLY"));
}

}  // namespace
