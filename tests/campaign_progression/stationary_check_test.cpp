#include "campaign_progression/stationary_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "campaign_data/random_generator.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "tests/campaign_progression/riverland.h"

namespace {

using ::testing::HasSubstr;

// Riverland with its towns held by their sides and the given objects in stationary.tavrek,
// their nearest locations found as the loader finds them.
struct CheckWorld : RiverlandWorld {
  explicit CheckWorld(const std::vector<std::string>& objects) {
    Hold({{"Bexley", "2", 0, 20},
          {"Bexley_Airstrip", "2", 0, 0},
          {"Bexley_Harbor", "2", 0, 0},
          {"Bexley_Rail_Station", "2", 0, 0},
          {"Carrow_Bridge", "0", 0, 0}});
    Objects(objects);
    StationaryList(*form);
  }
  const StationaryEntry& Object(int n) const { return form->StationaryObjectTable[n]; }
  void Base(int s, const std::string& name, const std::string& army, const std::string& base,
            const std::string& type, const std::string& nation, const std::string& role = "1") {
    SquadronEntry& squadron = form->SquadronTable[s];
    squadron.SquadronName = name;
    squadron.SquadronArmy = army;
    squadron.SquadronHomeBase = base;
    squadron.SquadronClass = "Class air." + type;
    squadron.SquadronNation = nation;
    squadron.SquadronRole = role;
    squadron.PlanesFlight = "8";
    form->LastSquadron = std::max(form->LastSquadron, s);
  }
};

TEST(StationaryCheck, TheOwnerOfTheNearestPlaceDecidesWhetherAnObjectStaysActive) {
  CheckWorld world({"  0_Static vehicles.artillery.Artillery$Flak 1 30100.00 50000.00 0.0 0.0",
                    "  1_Static vehicles.stationary.Campfire$Fire 0 30100.00 50100.00 0.0 0.0",
                    "  2_Static vehicles.artillery.Artillery$Flak 2 30200.00 50000.00 0.0 0.0",
                    "X 3_Static vehicles.artillery.Artillery$Flak 1 10100.00 50000.00 0.0 0.0"});
  TMainForm& form = *world.form;
  StationaryCheck(form);
  EXPECT_THAT(form.ErrorText, HasSubstr("] Stationary Objects Check.\r\n"));
  EXPECT_EQ(world.Object(0).StationaryLine,
            "X 0_Static vehicles.artillery.Artillery$Flak 1 30100.00 50000.00 0.0 0.0");
  EXPECT_EQ(world.Object(0).StationaryMissionLine, "");
  // Side 0 is always active and always placed.
  EXPECT_EQ(world.Object(1).StationaryMissionLine,
            "  1_Static vehicles.stationary.Campfire$Fire 0 30100.00 50100.00 0.0 0.0");
  EXPECT_EQ(world.Object(2).StationaryMissionLine, world.Object(2).StationaryLine);
  // Retaking a place does not switch its objects on again.
  EXPECT_EQ(world.Object(3).StationaryLine.substr(0, 2), "X ");
  EXPECT_EQ(world.Object(3).StationaryMissionLine, "");
  EXPECT_EQ(world.Object(2).StationaryArmy, "2");
  EXPECT_EQ(world.Object(2).StationaryPosition, "30200.00 50000.00");
  EXPECT_EQ(form.LastStationary, 3);
  EXPECT_EQ(form.InitialStationary, 3);
  // Weights: 1 each for the gun and the fire at Bexley.
  EXPECT_EQ(world.At("Bexley").LocationTargetValue, 2);
}

TEST(StationaryCheck, OnlyTheMarkSwitchesAnObjectOff) {
  CheckWorld world({"  0_Static vehicles.stationary.Stationary$CrateX 1 10100.00 50000.00 0.0 0.0",
                    "  1_Static ships.Ship$Tramp 2 30000.00 45100.00 90.00 0.0 0 1 10.0"});
  TMainForm& form = *world.form;
  StationaryCheck(form);
  EXPECT_NE(world.Object(0).StationaryMissionLine, "");
  EXPECT_EQ(world.Object(1).StationaryArmy, "2");
  EXPECT_NE(world.Object(1).StationaryMissionLine, "");
  EXPECT_EQ(world.At("Bexley_Harbor").LocationTargetValue, 6);
}

TEST(StationaryCheck, ColumnsAndTransportSquadronsOfTheSideSwitchObjectsOn) {
  CheckWorld world(
      {"X 0_Static vehicles.stationary.Stationary$DiamondT_US 1 10100.00 50000.00 0.0 0.0",
       "X 1_Static vehicles.stationary.Stationary$DiamondT_US 1 8100.00 52000.00 0.0 0.0",
       "X 2_Static vehicles.stationary.Stationary$DiamondT_US 1 9100.00 48000.00 0.0 0.0"});
  TMainForm& form = *world.form;
  world.AddColumn("Vehicles.USACarsColumnA", "1", "Alden");
  world.Base(0, "VMR_2530", "1", "Alden_Airfield", "C_47", "um", "3");
  StationaryCheck(form);
  EXPECT_EQ(world.Object(0).StationaryLine.substr(0, 2), "  ");
  EXPECT_EQ(world.Object(1).StationaryLine.substr(0, 2), "  ");
  EXPECT_EQ(world.Object(2).StationaryLine.substr(0, 2), "X ");
}

// What stands at a place is found by its name: a location that shares its name with another,
// renamed just before the check, has what stands at that name; a name no location has gives
// nothing.
TEST(StationaryCheck, ColumnsAndSquadronsStandAtEveryLocationOfTheirPlacesName) {
  struct Case {
    const char* name;
    const char* renamed_to;  // the third object's place, or nullptr: left as it is
    const char* column_place;
    const char* transport_base;
    const char* third_mark;
  };
  const Case cases[] = {
      {"column at the twin of a town", "Alden", "Alden", nullptr, "  "},
      {"transports at the twin of an airfield", "Alden_Airfield", nullptr, "Alden_Airfield", "  "},
      {"column at a name no location has", nullptr, "Nowhere", nullptr, "X "},
      {"transports at a name no location has", nullptr, nullptr, "Nowhere_Airfield", "X "},
      {"twin without column or transports", "Alden", nullptr, nullptr, "X "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CheckWorld world(
        {"X 0_Static vehicles.stationary.Stationary$DiamondT_US 1 10100.00 50000.00 0.0 0.0",
         "X 1_Static vehicles.stationary.Stationary$DiamondT_US 1 8100.00 52000.00 0.0 0.0",
         "X 2_Static vehicles.stationary.Stationary$DiamondT_US 1 9100.00 48000.00 0.0 0.0"});
    TMainForm& form = *world.form;
    const int third_place = world.Object(2).StationaryNearestLocation;
    ASSERT_GE(third_place, 0);
    const std::string own_name = form.LocationTable[third_place].LocationName;
    ASSERT_NE(own_name, "Alden");
    ASSERT_NE(own_name, "Alden_Airfield");
    if (c.renamed_to != nullptr) form.LocationTable[third_place].LocationName = c.renamed_to;
    if (c.column_place != nullptr) world.AddColumn("Vehicles.USACarsColumnA", "1", c.column_place);
    if (c.transport_base != nullptr) {
      world.Base(0, "VMR_2530", "1", c.transport_base, "C_47", "um", "3");
    }
    StationaryCheck(form);
    EXPECT_EQ(world.Object(2).StationaryLine.substr(0, 2), c.third_mark);
    const bool column_at_alden =
        c.column_place != nullptr && std::string(c.column_place) == "Alden";
    EXPECT_EQ(world.Object(0).StationaryLine.substr(0, 2), column_at_alden ? "  " : "X ");
  }
}

TEST(StationaryCheck, ParkedPlanesShowTheAircraftOfASquadronBasedThere) {
  for (std::uint32_t n = 1; n <= 8; ++n) {
    const std::uint32_t seed = n * 2654435761u;
    CheckWorld world(
        {"  0_Static vehicles.planes.Plane$OLD_TYPE 1 8100.00 52000.00 90.00 0.0 null",
         "  1_Static vehicles.planes.Plane$OLD_TYPE 2 32100.00 52000.00 90.00 0.0 null"});
    TMainForm& form = *world.form;
    world.Base(0, "VMF_3110", "1", "Alden_Airfield", "F4U1C", "um");
    world.Base(1, "No_43", "1", "Alden_Airfield", "SpitfireMkIXc", "gb");
    form.Rand.SetSeed(seed);
    RandomGenerator replay;
    replay.SetSeed(seed);
    const bool second = replay.Random(3) == 0;
    StationaryCheck(form);
    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_EQ(world.Object(0).StationaryLine,
              second
                  ? "  0_Static vehicles.planes.Plane$SpitfireMkIXc 1 8100.00 52000.00 90.00 0.0 gb"
                  : "  0_Static vehicles.planes.Plane$F4U1C 1 8100.00 52000.00 90.00 0.0 us");
    // No squadron stands at the airstrip: its parked plane is switched off.
    EXPECT_EQ(world.Object(1).StationaryLine.substr(0, 2), "X ");
  }
}

TEST(StationaryCheck, ArmourNotYetInServiceIsSwitchedOff) {
  CheckWorld world({"  0_Static vehicles.artillery.Artillery$Tiger 2 30100.00 50000.00 0.0 0.0",
                    "  1_Static vehicles.artillery.Artillery$Panzer 2 30100.00 50000.00 0.0 0.0"});
  TMainForm& form = *world.form;
  StationaryCheck(form);
  EXPECT_EQ(world.Object(0).StationaryLine.substr(0, 2), "X ");
  EXPECT_EQ(world.Object(1).StationaryLine.substr(0, 2), "  ");
}

TEST(StationaryCheck, NothingIsPlacedAtDensityNoneNotEvenACarrierDeck) {
  CheckWorld world({"  0_Static ships.Ship$Rwy_Essex 1 10100.00 50000.00 0.0 0.0",
                    "  1_Static vehicles.stationary.Campfire$Fire 0 30100.00 50100.00 0.0 0.0"});
  TMainForm& form = *world.form;
  form.StationaryDensityLevel = 999;
  StationaryCheck(form);
  EXPECT_EQ(world.Object(0).StationaryMissionLine, "");
  EXPECT_EQ(world.Object(1).StationaryMissionLine, "");
  form.StationaryDensityLevel = 5;
  StationaryCheck(form);
  EXPECT_NE(world.Object(0).StationaryMissionLine, "");
}

TEST(StationaryCheck, WagonsWeighFiveEachAndClosedPlacesShowNothing) {
  CheckWorld world({"  0_Static vehicles.stationary.Stationary$Wagon8 2 30100.00 50000.00 0.0 0.0",
                    "  1_Static vehicles.stationary.Stationary$Wagon8 2 30100.00 50000.00 0.0 0.0",
                    "  2_Static vehicles.artillery.Artillery$Flak 1 10000.00 72100.00 0.0 0.0"});
  TMainForm& form = *world.form;
  world.At("Isle").LocationName = "English_Isle";
  StationaryCheck(form);
  EXPECT_EQ(world.At("Bexley").LocationTargetValue, 10);
  EXPECT_EQ(world.Object(2).StationaryLine.substr(0, 2), "X ");
  form.NormandyBaseOption = true;
  world.Objects({"  2_Static vehicles.artillery.Artillery$Flak 1 10000.00 72100.00 0.0 0.0"});
  StationaryList(form);
  StationaryCheck(form);
  EXPECT_EQ(world.Object(0).StationaryLine.substr(0, 2), "  ");
}

TEST(StationaryCheck, AnAirfieldWhoseRadioIsOffIsFlaggedUntilItIsOnAgain) {
  CheckWorld world(
      {"X 0_Static vehicles.stationary.Stationary$RadioStation_US_radio 1 8100.00 52000.00 0.0 "
       "0.0"});
  TMainForm& form = *world.form;
  StationaryCheck(form);
  EXPECT_EQ(world.At("Alden_Airfield").StationaryFlag, 1);
  world.Base(0, "VMR_2530", "1", "Alden_Airfield", "C_47", "um", "3");
  StationaryCheck(form);
  EXPECT_EQ(world.Object(0).StationaryLine.substr(0, 2), "  ");
  EXPECT_EQ(world.At("Alden_Airfield").StationaryFlag, 0);
}

TEST(StationaryCheck, AnObjectWithoutAPlaceIsSwitchedOffAndTheFileMustExist) {
  CheckWorld world({"  0_Static vehicles.stationary.Campfire$Fire 0"});
  TMainForm& form = *world.form;
  ASSERT_EQ(world.Object(0).StationaryNearestLocation, -1);
  StationaryCheck(form);
  EXPECT_EQ(world.Object(0).StationaryLine.substr(0, 2), "X ");
  EXPECT_EQ(world.Object(0).StationaryMissionLine, "");

  std::filesystem::remove(world.campaign.Path() + "stationary.tavrek");
  EXPECT_THROW(StationaryCheck(form), ProgramError);
  EXPECT_THAT(form.ErrorText, HasSubstr("] No stationary.tavrek file found.\r\n"));
}

// Many objects share a place, and what the check finds out about a place is kept for the next
// object there: every object of a shared file comes out as it does checked alone. Density 1
// makes the draw keep every object near the front, so nothing depends on the draws.
TEST(StationaryCheck, ObjectsSharingPlacesComeOutAsEachCheckedAlone) {
  const std::vector<std::string> positions = {"10100.00 50000.00", "8100.00 52000.00",
                                              "9100.00 48000.00",  "30100.00 50000.00",
                                              "30000.00 45100.00", "10000.00 72100.00"};
  const std::vector<std::string> kinds = {"vehicles.stationary.Stationary$DiamondT_US",
                                          "ships.Ship$Tramp", "vehicles.artillery.Artillery$Flak"};
  std::vector<std::string> objects;
  for (const std::string& position : positions) {
    for (const char* side : {"1", "2", "0"}) {
      for (const std::string& kind : kinds) {
        objects.push_back("X " + IntToStr(objects.size()) + "_Static " + kind + " " + side + " " +
                          position + " 0.0 0.0");
      }
    }
  }
  const auto check = [](const std::vector<std::string>& lines) {
    auto world = std::make_unique<CheckWorld>(lines);
    TMainForm& form = *world->form;
    form.StationaryDensityLevel = 1;
    form.ActionRadius.Text = "12 Kilometers";
    world->AddColumn("Vehicles.USACarsColumnA", "1", "Alden");
    world->AddColumn("Ships.Tramp", "2", "Bexley_Harbor");
    world->AddColumn("Ships.Destroyer", "1", "Bexley_Harbor");
    world->Base(0, "VMR_2530", "1", "Alden_Airfield", "C_47", "um", "3");
    world->Base(1, "VMF_3110", "2", "Bexley", "F4U1C", "um", "3");
    StationaryCheck(form);
    return world;
  };
  const auto together = check(objects);
  int switched_on = 0;
  int placed = 0;
  for (size_t n = 0; n < objects.size(); ++n) {
    const auto alone = check({objects[n]});
    const StationaryEntry& shared = together->Object(static_cast<int>(n));
    SCOPED_TRACE(objects[n]);
    EXPECT_EQ(shared.StationaryLine.substr(2), alone->Object(0).StationaryLine.substr(2));
    EXPECT_EQ(shared.StationaryLine.substr(0, 2), alone->Object(0).StationaryLine.substr(0, 2));
    EXPECT_EQ(shared.StationaryMissionLine.empty(), alone->Object(0).StationaryMissionLine.empty());
    switched_on += shared.StationaryLine.substr(0, 2) == "  " ? 1 : 0;
    placed += shared.StationaryMissionLine.empty() ? 0 : 1;
  }
  // Both outcomes occur, so the comparison means something.
  EXPECT_GT(switched_on, 0);
  EXPECT_LT(switched_on, static_cast<int>(objects.size()));
  EXPECT_GT(placed, 0);
  EXPECT_LT(placed, static_cast<int>(objects.size()));
}

// Columns are asked first, then ships in the harbour for a transport's objects, and transport
// squadrons last: a squadron whose flight size is no number stops the check only at an object
// that nothing else supports, also after an object at the same place that something did.
TEST(StationaryCheck, TransportSquadronsAreAskedOnlyWhenNothingElseSupportsTheObject) {
  const std::string transport = "X 0_Static ships.Ship$Tramp 2 30100.00 50000.00 0.0 0.0 0 1 10.0";
  const std::string gun =
      "X 1_Static vehicles.artillery.Artillery$Flak 2 30100.00 50000.00 0.0 0.0";
  for (const bool with_gun : {false, true}) {
    CheckWorld world(with_gun ? std::vector<std::string>{transport, gun}
                              : std::vector<std::string>{transport});
    TMainForm& form = *world.form;
    world.AddColumn("Ships.Destroyer", "2", "Bexley_Harbor");
    world.Base(0, "VMR_2530", "2", "Bexley", "C_47", "um", "3");
    form.SquadronTable[0].PlanesFlight = "eight";
    SCOPED_TRACE(with_gun ? "with the gun" : "the transport alone");
    if (with_gun) {
      EXPECT_THROW(StationaryCheck(form), ConversionError);
    } else {
      StationaryCheck(form);
      EXPECT_EQ(world.Object(0).StationaryLine.substr(0, 2), "  ");
    }
  }
}

TEST(StationaryCheck, AMapWithoutFrontCentreEndsTheCampaign) {
  CheckWorld world({});
  TMainForm& form = *world.form;
  form.FrontCenterCoord = -1;
  try {
    StationaryCheck(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_EQ(std::string(error.what()), "The front line could not be found.");
  }
}

}  // namespace
