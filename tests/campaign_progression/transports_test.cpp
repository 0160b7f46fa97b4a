#include "campaign_progression/transports.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/campaign_world.h"

namespace {

using ::testing::HasSubstr;

struct TypeCase {
  const char* column_type;
  const char* transport;
};

class TransportTypes : public ::testing::TestWithParam<TypeCase> {};

TEST_P(TransportTypes, AreShipsOfTheLandingAndCargoClasses) {
  EXPECT_EQ(TransportType(GetParam().column_type), GetParam().transport);
}

INSTANTIATE_TEST_SUITE_P(Types, TransportTypes,
                         ::testing::Values(TypeCase{"1_Chief Ships.LVT_2 1", "Y"},
                                           TypeCase{"1_Chief Ships.LVT_2WAT 1", "Y"},
                                           TypeCase{"1_Chief Ships.DaihatsuLC 2", "Y"},
                                           TypeCase{"1_Chief Ships.MFP2 2", "Y"},
                                           TypeCase{"1_Chief Ships.Tral 2", "Y"},
                                           TypeCase{"1_Chief Ships.Tramp 1", "Y"},
                                           TypeCase{"1_Chief Ships.IJNFishJunk 2", "Y"},
                                           TypeCase{"1_Chief Ships.LCVP 1", "Y"},
                                           // A transport class without "Ship" is a vehicle.
                                           TypeCase{"1_Chief Vehicles.LCVP 1", "N"},
                                           TypeCase{"1_Chief Ships.Destroyer_Fletcher 1", "N"},
                                           TypeCase{"1_Chief Ships.lcvp 1", "N"},
                                           TypeCase{"", "N"}));

struct Column {
  const char* name;
  const char* type;
  const char* army;
  const char* place;
  const char* unit;
  const char* marks;
};

// A campaign whose column table and columns.tavrek hold the given columns.
struct TransportWorld : CampaignWorld {
  explicit TransportWorld(const std::vector<Column>& columns) {
    campaign.Write("columns.tavrek", "");
    for (size_t c = 0; c < columns.size(); ++c) {
      ColumnEntry& entry = form.ColumnTable[static_cast<int>(c)];
      entry.ColumnName = columns[c].name;
      entry.ColumnType =
          std::string(columns[c].name) + " " + columns[c].type + " " + columns[c].army;
      entry.ColumnArmy = columns[c].army;
      entry.ColumnPlace = columns[c].place;
      entry.ColumnDestination = columns[c].place;
      entry.ColumnUnitName = columns[c].unit;
      entry.ColumnMarks = columns[c].marks;
    }
    form.LastColumn = static_cast<int>(columns.size()) - 1;
  }
};

TEST(MakeTransport, LoadsTheFirstWaitingColumnOfItsSide) {
  TransportWorld world({{"1_Chief", "Ships.LCVP", "1", "Eastport_Harbor", "Landing Craft", "A"},
                        {"2_Chief", "Trains.Wagon", "1", "Blank", "Zug", "X"},
                        {"3_Chief", "Ships.Destroyer", "1", "Blank", "Escort", "X"},
                        {"4_Chief", "Armor.T34", "2", "Blank", "Axis Tanks", "X"},
                        {"5_Chief", "Armor.T34", "1", "Blank", "Waiting", "L"},
                        {"6_Chief", "Armor.T34", "1", "Aston", "Busy", "A"},
                        {"7_Chief", "Armor.T34", "1", "", "Guards", "X"},
                        {"8_Chief", "Armor.M4A2", "1", "Blank", "Shermans", "X"}});
  TMainForm& form = world.form;
  MakeTransport(form, 0);
  const ColumnEntry& cargo = form.ColumnTable[6];
  EXPECT_EQ(cargo.ColumnPlace, "1_Chief");
  EXPECT_EQ(cargo.ColumnDestination, "1_Chief");
  EXPECT_EQ(cargo.ColumnStatus, "T");
  EXPECT_EQ(cargo.ColumnMarks, "T");
  EXPECT_EQ(cargo.ColumnTransportLink, "Y");
  EXPECT_EQ(form.ColumnTable[0].ColumnTransportLink, "Y");
  EXPECT_EQ(form.ColumnTable[7].ColumnPlace, "Blank");
  EXPECT_EQ(form.ColumnTable[7].ColumnTransportLink, "");
  EXPECT_THAT(form.ErrorText,
              HasSubstr("] Landing Craft is transporting Guards from Eastport_Harbor.\r\n"));
  EXPECT_THAT(world.campaign.Read("columns.tavrek"),
              HasSubstr("\r\n7_Chief Armor.T34 1 @1_Chief $Guards ~T\r\n"));

  // One column per transport: a second call changes nothing.
  const std::string file = world.campaign.Read("columns.tavrek");
  MakeTransport(form, 0);
  EXPECT_EQ(form.ColumnTable[7].ColumnPlace, "Blank");
  EXPECT_EQ(world.campaign.Read("columns.tavrek"), file);
}

TEST(MakeTransport, ShipsThatCarryNothingLeaveEverythingAlone) {
  TransportWorld world({{"1_Chief", "Ships.Destroyer", "1", "Eastport_Harbor", "Escort", "A"},
                        {"2_Chief", "Ships.LCVP", "2", "West_Sea", "Landungsboot", "A"},
                        {"3_Chief", "Armor.T34", "1", "Blank", "Guards", "X"}});
  TMainForm& form = world.form;
  MakeTransport(form, 0);  // no transport
  MakeTransport(form, 1);  // no waiting column of its side
  EXPECT_EQ(form.ColumnTable[2].ColumnPlace, "Blank");
  EXPECT_EQ(form.ColumnTable[1].ColumnTransportLink, "");
  EXPECT_EQ(world.campaign.Read("columns.tavrek"), "");
  EXPECT_EQ(form.ErrorText, "");
}

}  // namespace
