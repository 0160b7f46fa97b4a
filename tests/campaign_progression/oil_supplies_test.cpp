#include "campaign_progression/oil_supplies.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/test_world.h"

namespace {

struct SupplyCase {
  const char* name;
  std::vector<const char*> objects;
  const char* allied_supply;
  const char* axis_supply;
  const char* allied_oil;
  const char* axis_oil;
  int year;
  int month;
  int expected_oil_allied;
  int expected_oil_axis;
  int expected_chance_allied;
  int expected_chance_axis;
};

constexpr const char* kAxisFuel =
    "  0_Static vehicles.stationary.Stationary$OpelBlitz6700A_fuel 2 1.00 1.00 0.0 0.0";
constexpr const char* kAxisFuelLost =
    "X 0_Static vehicles.stationary.Stationary$OpelBlitz6700A_fuel 2 1.00 1.00 0.0 0.0";
constexpr const char* kAlliedWagon =
    "  0_Static vehicles.stationary.Stationary$Wagon8 1 1.00 1.00 0.0 0.0";
constexpr const char* kAlliedWagonLost =
    "X 0_Static vehicles.stationary.Stationary$Wagon8 1 1.00 1.00 0.0 0.0";
constexpr const char* kAxisTruckLost =
    "X 0_Static vehicles.stationary.Stationary$OpelBlitz36S 2 1.00 1.00 0.0 0.0";
constexpr const char* kAlliedTruck =
    "  0_Static vehicles.stationary.Stationary$StudebeckerTruck 1 1.00 1.00 0.0 0.0";
constexpr const char* kAlliedTruckLost =
    "X 0_Static vehicles.stationary.Stationary$StudebeckerTruck 1 1.00 1.00 0.0 0.0";
// An Allied tanker whose skill digits hold " 2 ": it is still only Allied.
constexpr const char* kAlliedTankerLost =
    "X 0_Static ships.Ship$Tanker 1 1.00 1.00 0.0 0.0 0 2 10.0";

class Supplies : public ::testing::TestWithParam<SupplyCase> {};

TEST_P(Supplies, ComeFromSurvivingCarriersAndTheBonuses) {
  TestWorld world;
  TMainForm& form = *world.form;
  const SupplyCase& c = GetParam();
  for (size_t s = 0; s < c.objects.size(); ++s) {
    form.StationaryObjectTable[static_cast<int>(s)].StationaryLine = c.objects[s];
  }
  form.InitialStationary = static_cast<int>(c.objects.size()) - 1;
  form.RuSupplyBox.Text = c.allied_supply;
  form.DeSupplyBox.Text = c.axis_supply;
  form.RuOilBox.Text = c.allied_oil;
  form.DeOilBox.Text = c.axis_oil;
  form.CampaignYear = c.year;
  form.CampaignMonth = c.month;
  OilSupplies(form);
  EXPECT_EQ(form.OilSupply[0], c.expected_oil_allied);
  EXPECT_EQ(form.OilSupply[1], c.expected_oil_axis);
  EXPECT_EQ(form.ReinforcementChance[0], c.expected_chance_allied);
  EXPECT_EQ(form.ReinforcementChance[1], c.expected_chance_axis);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Supplies,
    ::testing::Values(SupplyCase{"AxisDefaultsInSummer1941",
                                 {kAxisFuel, kAxisFuelLost, kAxisFuelLost, kAxisFuelLost},
                                 "+0%",
                                 "+0%",
                                 "+0%",
                                 "Default",
                                 1941,
                                 6,
                                 100,
                                 85,
                                 100,
                                 100},
                      SupplyCase{"AlliedDefaultsInWinter1945",
                                 {kAlliedWagon, kAlliedWagon, kAlliedWagon, kAlliedWagon,
                                  kAlliedWagon, kAlliedWagonLost, kAlliedWagonLost,
                                  kAlliedWagonLost, kAlliedWagonLost, kAlliedWagonLost},
                                 "+0%",
                                 "+0%",
                                 "Default",
                                 "+0%",
                                 1945,
                                 1,
                                 100,
                                 100,
                                 100,
                                 100},
                      SupplyCase{"AlliedDefaultsIn1943Spring",
                                 {kAlliedWagonLost, kAlliedWagonLost},
                                 "+0%",
                                 "+0%",
                                 "Default",
                                 "+0%",
                                 1943,
                                 4,
                                 40,
                                 100,
                                 100,
                                 100},
                      SupplyCase{
                          "TenPercentAddsTen",
                          {kAlliedTruck, kAlliedTruckLost, kAlliedTruckLost, kAlliedTruckLost},
                          "+10%",
                          "Default",
                          "+0%",
                          "+0%",
                          1944,
                          6,
                          100,
                          100,
                          35,
                          100},
                      SupplyCase{"AnUnreadableBonusAddsThirty",
                                 {kAlliedTruckLost},
                                 "+plenty%",
                                 "+0%",
                                 "+0%",
                                 "+0%",
                                 1944,
                                 6,
                                 100,
                                 100,
                                 30,
                                 100},
                      SupplyCase{"AllTrucksLostAndNoBonus",
                                 {kAxisTruckLost},
                                 "+0%",
                                 "+0%",
                                 "+0%",
                                 "+0%",
                                 1944,
                                 6,
                                 100,
                                 100,
                                 100,
                                 0},
                      SupplyCase{"TheSideFieldDecides",
                                 {kAlliedTankerLost},
                                 "+0%",
                                 "+0%",
                                 "+0%",
                                 "+0%",
                                 1944,
                                 6,
                                 0,
                                 100,
                                 100,
                                 100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OilSupplies, OnlineScriptRunsWriteThemToSupplyDat) {
  for (const char* parameter : {"netcoop", "netdogfight", "netupdate", "de"}) {
    TestWorld world({"tavrek", parameter});
    TempFolder campaign;
    TMainForm& form = *world.form;
    form.CampaignFolder = campaign.Path();
    form.StationaryObjectTable[0].StationaryLine = kAxisTruckLost;
    form.InitialStationary = 0;
    form.RuSupplyBox.Text = "+0%";
    form.DeSupplyBox.Text = "+5%";
    form.RuOilBox.Text = "+0%";
    form.DeOilBox.Text = "+0%";
    OilSupplies(form);
    SCOPED_TRACE(parameter);
    if (std::string(parameter) == "de") {
      EXPECT_FALSE(FileExists(campaign.Path() + "supply.dat"));
      continue;
    }
    EXPECT_EQ(
        campaign.Read("supply.dat"),
        JoinLinesCrLf({"Allied Oil Supply = 100%", "Axis Oil Supply = 100%",
                       "Allied Reinforcement Chance = 100%", "Axis Reinforcement Chance = 5%"}));
  }
}

}  // namespace
