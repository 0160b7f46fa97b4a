#include "mission_generation/attack_legs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/waypoint_text.h"
#include "tests/mission_generation/waypoint_campaign.h"

namespace {

using C = WaypointCampaign;

constexpr const char* kPlannedLine = "  GATTACK 40000.00 20000.00 <ALTITUDE> 300.00 \r\n";

std::string Line(long long x, long long y, int altitude, const std::string& speed) {
  return NormFlyLine(x, y, AltitudeField(altitude), speed) + " \r\n";
}

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

class AttackLegs : public ::testing::Test {
 protected:
  AttackLegs() {
    player = campaign.AddSquadron("I_JG52", "1", "2", C::kAlphaAirfield, C::kBravoTown);
    bomber = campaign.AddSquadron("KG1", "2", "2", C::kAlphaAirfield, C::kBravoTown);
    fighter = campaign.AddSquadron("JG3", "1", "2", C::kAlphaAirfield, C::kBravoTown);
    for (int s : {player, bomber, fighter}) form.SquadronTable[s].SquadronTargetLeg = kPlannedLine;
  }
  // The cruise and run-in speeds and the cruise altitude of a squadron.
  std::string Cruise(int s) { return SetSpeed(form, s); }
  std::string RunIn(int s) { return SetIngressSpeed(form, s); }
  int Altitude(int s) { return AltitudeSet(form, s); }

  WaypointCampaign campaign;
  TMainForm& form = campaign.form();
  int player = 0;
  int bomber = 0;
  int fighter = 0;
};

TEST_F(AttackLegs, LevelBomberRunAcrossTheTarget) {
  // Mainly along x, both signs positive; ip 7500, ti 10000, te 16000.
  SquadronEntry& entry = form.SquadronTable[bomber];
  CreateBombWay(form, bomber, 0);
  EXPECT_EQ(entry.SquadronTargetLeg,
            "  NORMFLY 30000.00 36000.00 3000.0 350.00 \r\n"
            "  NORMFLY 38999.00 31000.00 3000.0 350.00 \r\n"
            "  NORMFLY 39999.00 27500.00 3000.0 350.00 \r\n" +
                std::string(kPlannedLine) +
                "  NORMFLY 39999.00 12500.00 3000.0 300.00 \r\n"
                "  NORMFLY 38999.00 9000.00 3000.0 300.00 \r\n"
                "  NORMFLY 30000.00 4000.00 3000.0 300.00 \r\n");

  // Flight 2 flies every point at 3200 m: the cruise-altitude points are lifted.
  entry.SquadronTargetLeg = kPlannedLine;
  CreateBombWay(form, bomber, 2);
  EXPECT_EQ(entry.SquadronTargetLeg,
            Line(30000, 36000, 3200, "350.00") + Line(38999, 31000, 3200, "350.00") +
                Line(39999, 27500, 3200, "350.00") + kPlannedLine +
                Line(39999, 12500, 3200, "300.00") + Line(38999, 9000, 3200, "300.00") +
                Line(30000, 4000, 3200, "300.00"));
}

TEST_F(AttackLegs, NoIngressEgressPointsLeaveTheInitialPoint) {
  form.IECoordinates.Text = "No Types Use";
  CreateBombWay(form, bomber, 0);
  EXPECT_EQ(form.SquadronTable[bomber].SquadronTargetLeg,
            Line(39999, 27500, Altitude(bomber), RunIn(bomber)) + kPlannedLine);
  // A fighter without a circuit keeps the planner's line alone.
  CreateBombWay(form, fighter, 0);
  EXPECT_EQ(form.SquadronTable[fighter].SquadronTargetLeg, kPlannedLine);
}

TEST_F(AttackLegs, FighterPatrolCircuit) {
  SquadronEntry& entry = form.SquadronTable[fighter];
  entry.SquadronTaskCode = "7";
  CreateBombWay(form, fighter, 0);
  const int f = Altitude(fighter);
  const std::string start = Line(45000, 20000, f, Cruise(fighter));
  EXPECT_EQ(entry.SquadronTargetLeg, start + Line(35000, 15000, f, Cruise(fighter)) +
                                         Line(35000, 25000, f, Cruise(fighter)) + start);
}

TEST_F(AttackLegs, PatrolOverTheOwnBaseFliesMoreCircuitsWithMoreReach) {
  struct Case {
    const char* name;
    int radius_km;
    const char* type_range;
    const char* payload5;
    bool own_base;
    int circuits;
  };
  const Case cases[] = {
      {"reach 350 km, radius 250 km", 250, "350 km", "none", true, 5},
      {"reach 150 km", 250, "150 km", "none", true, 4},
      {"long-range loadout, radius 700 km", 700, "100 km", "Tanks", true, 7},
      {"over another location", 250, "350 km", "none", false, 3},
  };
  for (const Case& c : cases) {
    WaypointCampaign fresh;
    TMainForm& f = fresh.form();
    f.ActionRadiusKm = c.radius_km;
    const int s = fresh.AddSquadron("JG3", "1", "2", C::kAlphaAirfield,
                                    c.own_base ? C::kAlphaAirfield : C::kBravoTown);
    SquadronEntry& entry = f.SquadronTable[s];
    entry.SquadronTaskCode = "6";
    entry.TypeRange = c.type_range;
    entry.TypePayload5 = c.payload5;
    entry.SquadronTargetLeg = kPlannedLine;
    CreateBombWay(f, s, 0);
    std::string circuit;
    const int h = AltitudeSet(f, s);
    const std::string speed = SetSpeed(f, s);
    if (c.own_base) {
      // Over the base both signs are negative and x is the main axis; te 5000, ti 5000.
      const std::string start = Line(5000, 10000, h, speed);
      circuit = start + Line(15000, 15000, h, speed) + Line(15000, 5000, h, speed) + start;
    } else {
      const std::string start = Line(45000, 20000, h, speed);
      circuit = start + Line(35000, 15000, h, speed) + Line(35000, 25000, h, speed) + start;
    }
    EXPECT_EQ(entry.SquadronTargetLeg, Repeat(circuit, c.circuits)) << c.name;
  }
}

TEST_F(AttackLegs, ReconnaissanceCircuitAtLowAltitude) {
  const int recon = campaign.AddSquadron("Aufkl", "5", "2", C::kAlphaAirfield, C::kBravoTown);
  SquadronEntry& entry = form.SquadronTable[recon];
  entry.SquadronTaskCode = "3";
  entry.SquadronTargetLeg = kPlannedLine;
  form.IECoordinates.Text = "All Types Use";
  CreateBombWay(form, recon, 1);
  // ti 2000, te 3000; every point of the circuit, the lifted ones included, at 1000 m but the
  // ingress, outer egress and outer departure written at the flight's own altitude.
  const std::string in = RunIn(recon);
  const std::string out = Cruise(recon);
  const int own = Altitude(recon) + 100;
  const std::string run = Line(38000, 23000, 1000, in) + Line(38999, 23000, own, in) +
                          kPlannedLine + Line(39999, 17500, 1000, out) +
                          Line(38999, 17000, own, out) + Line(38000, 17000, own, out);
  const std::string turns = Line(37000, 18000, 1000, out) + Line(37000, 22000, 1000, out);
  EXPECT_EQ(entry.SquadronTargetLeg, run + turns + run);
}

TEST_F(AttackLegs, TaskThreeCircuitOnlyWithinTwoThirdsOfTheReach) {
  form.ActionRadiusKm = 50;  // two thirds of 50 km: Bravo lies within, North_Sea beyond
  SquadronEntry& entry = form.SquadronTable[fighter];
  entry.SquadronTaskCode = "3";
  CreateBombWay(form, fighter, 0);
  // te 8000, ti 5000: the turns lie short of the target on both sides.
  const int h = Altitude(fighter);
  EXPECT_EQ(entry.SquadronTargetLeg, kPlannedLine + Line(32000, 15000, h, Cruise(fighter)) +
                                         Line(32000, 25000, h, Cruise(fighter)) + kPlannedLine);

  entry.SquadronTargetLocation = C::kNorthSea;
  entry.SquadronTargetLeg = kPlannedLine;
  CreateBombWay(form, fighter, 0);
  EXPECT_EQ(entry.SquadronTargetLeg, kPlannedLine);
}

TEST_F(AttackLegs, LiftLeavesCoordinatesThatReadLikeTheAltitude) {
  const std::string planned = "  GATTACK 40000.00 3000.0 <ALTITUDE> 300.00 \r\n";
  SquadronEntry& entry = form.SquadronTable[bomber];
  entry.SquadronTargetLeg = planned;
  CreateBombWay(form, bomber, 1);
  EXPECT_TRUE(Contains(entry.SquadronTargetLeg, planned));
  EXPECT_FALSE(Contains(entry.SquadronTargetLeg, " 3000.0 " + Cruise(bomber)));
}

TEST_F(AttackLegs, OffsetRules) {
  struct Case {
    const char* name;
    AttackFlight flight;
    AttackOffsets offsets;
  };
  AttackFlight base;
  base.role = "1";
  base.task_code = 1;
  auto with = [&base](auto change) {
    AttackFlight flight = base;
    change(flight);
    return flight;
  };
  const Case cases[] = {
      {"fighter", base, {2500, 5000, 8000}},
      {"patrol", with([](AttackFlight& f) { f.task_code = 7; }), {2000, 5000, 5000}},
      {"patrol over the sea",
       with([](AttackFlight& f) { f.task_code = 6, f.sea_target = true; }),
       {5000, 10000, 8000}},
      {"task 7 over the sea",
       with([](AttackFlight& f) { f.task_code = 7, f.sea_target = true; }),
       {2000, 5000, 5000}},
      {"ground attack", with([](AttackFlight& f) { f.role = "4"; }), {7500, 10000, 16000}},
      {"escort of bombers",
       with([](AttackFlight& f) { f.escorts_bombers = true; }),
       {7500, 10000, 16000}},
      {"reconnaissance", with([](AttackFlight& f) { f.role = "5"; }), {2500, 2000, 3000}},
      {"ingress box 7500",
       with([](AttackFlight& f) { f.ingress_offset_box = 7500; }),
       {2500, 7500, 9975}},
      {"ingress box 1000 on a bomber",
       with([](AttackFlight& f) { f.role = "2", f.ingress_offset_box = 1000; }),
       {7500, 1000, 1330}},
      {"initial point box",
       with([](AttackFlight& f) { f.ip_offset_box = 4000; }),
       {4000, 5000, 8000}},
  };
  for (const Case& c : cases) {
    const AttackOffsets offsets = AttackRunOffsets(c.flight);
    EXPECT_EQ(offsets.ip, c.offsets.ip) << c.name;
    EXPECT_EQ(offsets.ti, c.offsets.ti) << c.name;
    EXPECT_EQ(offsets.te, c.offsets.te) << c.name;
  }
}

TEST_F(AttackLegs, AltitudeRules) {
  struct Case {
    const char* name;
    AttackFlight flight;
    AttackAltitudes altitudes;  // initial point, egress, ingress, outer ingress, departure
  };
  auto flight = [](const char* role, int task, const char* payload, int n) {
    AttackFlight f;
    f.role = role;
    f.task_code = task;
    f.payload = payload;
    f.cruise_altitude = 3000;
    f.flight = n;
    return f;
  };
  AttackFlight player = flight("2", 1, "X", 2);
  player.ip_altitude_box = 300;
  player.ingress_altitude_box = 1000;
  player.egress_altitude_box = 1500;
  const Case cases[] = {
      {"bomber", flight("2", 1, "X", 2), {3200, 3000, 3200, 3000, 3200}},
      {"torpedo bomber", flight("2", 1, "T", 2), {540, 500, 540, 3000, 3200}},
      {"ground attack", flight("4", 1, "X", 1), {3100, 520, 520, 3000, 3100}},
      {"ground attack on task 3", flight("4", 3, "X", 1), {3100, 3000, 3100, 3000, 3100}},
      {"fighter with bombs", flight("1", 1, "B", 3), {3300, 560, 560, 3000, 3300}},
      {"player's boxes", player, {500, 1500, 1200, 1200, 3200}},
  };
  for (const Case& c : cases) {
    const AttackAltitudes a = AttackRunAltitudes(c.flight);
    EXPECT_EQ(a.initial_point, c.altitudes.initial_point) << c.name;
    EXPECT_EQ(a.egress, c.altitudes.egress) << c.name;
    EXPECT_EQ(a.ingress, c.altitudes.ingress) << c.name;
    EXPECT_EQ(a.outer_ingress, c.altitudes.outer_ingress) << c.name;
    EXPECT_EQ(a.outer_departure, c.altitudes.outer_departure) << c.name;
  }
}

TEST_F(AttackLegs, IngressEgressSetting) {
  struct Case {
    const char* role;
    bool escorts_bombers;
    bool writes[4];  // All Types, All Bombers, Only Level Bombers, No Types
  };
  const char* rules[] = {"All Types Use", "All Bombers Use", "Only Level Bombers Use",
                         "No Types Use"};
  const Case cases[] = {
      {"1", false, {true, false, false, false}},
      {"1", true, {true, true, true, false}},
      {"2", false, {true, true, true, false}},
      {"4", false, {true, true, false, false}},
  };
  for (const Case& c : cases) {
    for (int r = 0; r < 4; ++r) {
      AttackFlight flight;
      flight.role = c.role;
      flight.escorts_bombers = c.escorts_bombers;
      flight.ingress_egress_rule = rules[r];
      EXPECT_EQ(WritesIngressEgress(flight), c.writes[r]) << c.role << " " << rules[r];
    }
  }
}

}  // namespace
