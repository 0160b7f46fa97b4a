#pragma once

#include <string>
#include <vector>

#include "app/main_form.h"
#include "tests/support/test_world.h"

// A made-up map for the ground-war tests. Two towns face each other across Carrow_Bridge, the
// front centre: Alden (Allied, west) with its airfield, depot, station and ferry to the Isle,
// and Bexley (Axis, east) with its airstrip, station and harbour on the North_Sea. A railway
// runs from Bexley to Alden. Map axis "East": the Allies hold the smaller x. The location table
// is built from the route files in tests/fixtures/groundwar/riverland/; every location starts
// with no owner and no troops.
struct RiverlandWorld : TestWorld {
  explicit RiverlandWorld(std::vector<std::string> command_line = {"tavrek"});

  // The index of a location of the map; fails the test for a name the map lacks.
  int Index(const std::string& name) const;
  LocationEntry& At(const std::string& name) const { return form->LocationTable[Index(name)]; }
  // Sets every location's owner and troops: the listed ones as given, the others to `rest`.
  struct Holding {
    const char* name;
    const char* owner;
    int allied;
    int axis;
  };
  void Hold(const std::vector<Holding>& holdings, const char* rest = "1") const;

  // Adds a column to the table as the loader leaves it: name "<n>_Chief", its kind and class
  // ("Armor.3-Sherman"), side and place; columns.tavrek exists so that it can be written.
  int AddColumn(const std::string& kind, const std::string& army, const std::string& place,
                const std::string& unit = "Unit") const;
  // The objects of stationary.tavrek, header included.
  void Objects(const std::vector<std::string>& lines) const;
  std::string CampaignFile(const std::string& name) const { return campaign.Read(name); }

  static std::string Fixture(const std::string& file);

  TempFolder campaign;
};

// The news texts the tests use, as "<line>: ..." so that a sentence shows which line made it;
// the Russian table holds the same with "ru" in front.
void FillGroundWarMessages(TMainForm& form);
