#pragma once

#include <filesystem>
#include <string>

#include "app/main_form.h"
#include "tests/support/test_world.h"

// A made-up map for the location, stationary and column tests: road, rail and sea routes with
// a bridge, airfields of both sides, a harbour, a shipyard, a railyard, a beachhead, an off-map
// airfield and two patrol areas far out at sea. Map axis "West": the Axis side enters at the
// smallest x. The front centre is Birchford.
struct LakelandWorld : TestWorld {
  enum class PatrolAreas { kWith, kWithout };

  explicit LakelandWorld(PatrolAreas patrol_areas = PatrolAreas::kWith) {
    namespace fs = std::filesystem;
    const fs::path data = fs::path(program_folder.Path()) / "data";
    fs::create_directories(data);
    for (const char* file :
         {"Lakeland.rds", "Lakeland.rls", "Lakeland.srd", "offmap.tavrek", "armor.tavrek"}) {
      fs::copy_file(MapFixture(file), data / file);
    }
    if (patrol_areas == PatrolAreas::kWith) {
      fs::copy_file(MapFixture("Lakeland.prd"), data / "Lakeland.prd");
    }
    form->MapName = "Lakeland";
    form->MapAxis = "West";
    form->FrontCenterName = "Birchford";
    form->CampaignFolder = campaign.Path();
    form->ActionRadius.Text = "250 Kilometers";
    form->Messages.Message[static_cast<int>(MessageSection::kErrors)][0] =
        "The front line has left the map.";
    form->Messages.Message[static_cast<int>(MessageSection::kErrors)][1] =
        "The map has a single location.";
  }

  static std::string MapFixture(const std::string& file) {
    return FixturesFolder() + "tables2/lakeland/" + file;
  }
  static std::string Fixture(const std::string& file) {
    return FixturesFolder() + "tables2/" + file;
  }

  TempFolder campaign;
};

// Location indexes of the made-up map, in the order the route files give them.
enum Lakeland {
  kAston = 0,
  kBirchford,
  kMillBridge,
  kCarlowAirfield,
  kDunmoreAirfield,
  kEastportHarbor,
  kRedcliffBeachhead,
  kFarawayAirfield,
  kWestRailEntry,
  kAstonStation,
  kBirchfordRailyard,
  kEastRailEnd,
  kWestSea,
  kNorthShipyard,
  kEastSea,
  kLakelandLocations
};
