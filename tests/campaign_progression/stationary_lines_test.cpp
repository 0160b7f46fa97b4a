#include "campaign_progression/stationary_lines.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "campaign_data/text.h"

namespace {

// The truck rule as a plain list of whole names, one search each.
bool PlainSupplyTruckLine(std::string_view line) {
  return ContainsAny(
      line, {"Stationary$StudebeckerTruck ", "Stationary$ZIS5_PC ",
             "Stationary$Chevrolet_flatbed_US ", "Stationary$DiamondT_US ",
             "Stationary$Truck_Type94 ", "Stationary$OpelBlitz36S ", "Stationary$OpelBlitz6700A "});
}

bool PlainFuelCarrierLine(std::string_view line) {
  return ContainsAny(line, {"Tanker", "Wagon8", "ZIS6_fuel", "OpelBlitz6700A_fuel"});
}

// Lines glued from pieces of object lines: marks, blanks and tabs, sides, carrier names whole
// and cut short, the common prefix repeated, so that near misses are as common as hits.
std::string RandomObjectLine(std::mt19937& random) {
  const std::vector<std::string_view> pieces{"X ",
                                             "  ",
                                             " ",
                                             "\t",
                                             "1",
                                             "2",
                                             "0",
                                             "12",
                                             "0_Static",
                                             "vehicles.",
                                             "stationary.",
                                             "Stationary$",
                                             "Stationary$",
                                             "Stationary",
                                             "StudebeckerTruck ",
                                             "StudebeckerTruck",
                                             "ZIS5_PC ",
                                             "OpelBlitz",
                                             "6700A ",
                                             "6700A",
                                             "36S ",
                                             "DiamondT_US ",
                                             "Truck_Type94",
                                             "Chevrolet_flatbed_US ",
                                             "1.00 ",
                                             "Tank",
                                             "er",
                                             "Wagon",
                                             "8",
                                             "ZIS6",
                                             "_fuel",
                                             "Tanker",
                                             "Wagon8"};
  std::uniform_int_distribution<size_t> count(0, 12);
  std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1);
  std::string line;
  for (size_t n = count(random); n > 0; --n) line += pieces[piece(random)];
  return line;
}

TEST(StationaryLines, ViewsAgreeWithTheFieldsAndThePlainCarrierListsOnRandomLines) {
  std::mt19937 random(20261211);
  int trucks = 0;
  int fuel = 0;
  for (int n = 0; n < 200000; ++n) {
    const std::string line = RandomObjectLine(random);
    ASSERT_EQ(ObjectSide(line), ReadObjectFields(line).side) << '"' << line << '"';
    const bool truck = PlainSupplyTruckLine(line);
    ASSERT_EQ(IsSupplyTruckLine(line), truck) << '"' << line << '"';
    trucks += truck ? 1 : 0;
    const bool carrier = PlainFuelCarrierLine(line);
    ASSERT_EQ(IsFuelCarrierLine(line), carrier) << '"' << line << '"';
    fuel += carrier ? 1 : 0;
  }
  // Both answers were drawn often enough to be compared.
  EXPECT_GT(trucks, 5000);
  EXPECT_LT(trucks, 190000);
  EXPECT_GT(fuel, 10000);
  EXPECT_LT(fuel, 190000);
}

struct SideCase {
  const char* line;
  const char* side;
};

TEST(StationaryLines, TheSideIsTheFirstCharacterOfTheThirdWordAfterTheMark) {
  const SideCase cases[] = {
      {"  0_Static vehicles.stationary.Stationary$Wagon8 1 1.00 1.00 0.0 0.0", "1"},
      {"X 0_Static vehicles.stationary.Stationary$Wagon8 2 1.00 1.00 0.0 0.0", "2"},
      {"X0_Static vehicles.stationary.Stationary$Wagon8 12 1.00", "1"},
      {"  0_Static   vehicles.Ship$Tanker    2", "2"},
      {"  0_Static vehicles.Ship$Tanker", ""},
      {"  0_Static vehicles.Ship$Tanker ", ""},
      {"X ", ""},
      {"", ""},
  };
  for (const SideCase& c : cases) EXPECT_EQ(ObjectSide(c.line), c.side) << c.line;
}

}  // namespace
