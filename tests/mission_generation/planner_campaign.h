#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "mission_generation/plan_run.h"
#include "tests/support/test_world.h"

// A small campaign held in memory for the planner: a map of a dozen places around a front
// centre, squadrons added by the test, and columns with routes. The fields that the ground war
// and the static-object check fill before a plan are set here directly.
//
// Every squadron's type cruises at "300.00 kph" at "3000 Meters" with the payloads "default",
// "rockets" (ground attack), "guns" (interception), "bombs" (level bombing), "none" (long range)
// and "none" (anti-shipping); it has 12 of 16 planes in flights of 4.
//
// Message lines read "B<n>" ([Briefs]) and "S<n> <TGTNAME>" ([Summaries]), with "<SQUAD>",
// "<PLANE>", "<TGTNAME1>" and "<TGTNAME2>" on the lines that carry them.
class PlannerCampaign {
 public:
  // Map locations (x, y in km; the front centre is Front_Town at 50, 50).
  static constexpr int kAlliedAirfield = 0;   // side 1, 20, 50
  static constexpr int kAlliedTown = 1;       // side 1, 30, 70
  static constexpr int kFrontTown = 2;        // contested, 50, 50: the front centre
  static constexpr int kAxisAirfield = 3;     // side 2, 80, 50
  static constexpr int kAxisTown = 4;         // side 2, 70, 30
  static constexpr int kAxisFactory = 5;      // side 2, 90, 70
  static constexpr int kRiverBridge = 6;      // side 2, 60, 40
  static constexpr int kAlliedHarbor = 7;     // side 1, 10, 30
  static constexpr int kAxisStation = 8;      // side 2, 100, 40
  static constexpr int kEastSea = 9;          // contested, 40, 0
  static constexpr int kFarAirfield = 10;     // side 2, off the map at 300, 50
  static constexpr int kAlliedAirstrip = 11;  // side 1, 15, 80

  PlannerCampaign();

  TMainForm& form() { return *world.form; }

  // Keeps only the locations given (in this order, renumbered from 0) and points the front
  // centre at the first of them named Front_Town, if any.
  void KeepLocations(const std::vector<int>& locations);
  int Location(const std::string& name) const;

  // A squadron based at a map location; answers its index.
  int AddSquadron(const std::string& name, const std::string& side, const std::string& role,
                  int base_location);
  // A squadron based on a ship column's unit, taking off at `position`.
  int AddShipSquadron(const std::string& name, const std::string& side, const std::string& role,
                      const std::string& unit, const std::string& position);

  // A column of the mission; its kind words are in `kind` ("Armor.T34", "Trains.Cargo",
  // "Ships.Destroyer"); the route points are "x y z" texts.
  int AddColumn(const std::string& kind, const std::string& side, const std::string& place,
                const std::string& destination, const std::vector<std::string>& route);
  // A straight route of `points` points from one map location to another, every point with the
  // height field "120.00".
  std::vector<std::string> StraightRoute(int from, int to, int points) const;

  // The plan's working data after its prologue, with every squadron's mission fields reset, as
  // the phases find them; the test then flags squadrons and calls one phase.
  PlanRun& Prepare();
  // Flags a squadron as flying.
  void Fly(int squadron);

  // The whole planner with a seed.
  void Plan(std::uint32_t seed);

  TestWorld world;

 private:
  std::unique_ptr<PlanRun> run_;
};

// One draw of the random generator, counted from 0 within a run: Random(n) gives `result`, or
// (with `nonzero`) anything but 0.
struct Draw {
  int index;
  int n;
  int result;
  bool nonzero = false;
};
// The first seed whose draws give these results.
std::uint32_t SeedGiving(const std::vector<Draw>& draws);
// The generator's seed after `count` draws from `seed`.
std::uint32_t SeedAfter(std::uint32_t seed, int count);
