#include "mission_generation/mission_sections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/support/campaign_world.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

TEST(BuildingList, SectionTextsFromTheCampaignsFiles) {
  CampaignWorld c;
  const std::string long_line = "  0_Static vehicles.Tank " + std::string(300, 'x');
  c.campaign.Write("buildings.tavrek",
                   "[Buildings]\r\n"
                   "  0_bld buildings.House$Barn 1 1200.00 3400.00 90.00\r\n"
                   "\r\n"
                   "   \r\n"
                   "  1_bld buildings.House$Church 1 1250.00 3450.00 0.00   \r\n" +
                       long_line + "\r\n");
  c.campaign.Write("houses.tavrek", "[House]\r\nHouse1 houses.Hut 1 300.00 400.00 0.00\r\n");
  c.campaign.Write("rockets.tavrek", "[Rocket]\r\nRocket1 V1 1 300.00 400.00 0.00\r\n");

  BuildingList(c.form);

  EXPECT_EQ(c.form.BuildingsText,
            "[Buildings]\r\n"
            "  0_bld buildings.House$Barn 1 1200.00 3400.00 90.00\r\n"
            "  1_bld buildings.House$Church 1 1250.00 3450.00 0.00\r\n"
            "  " +
                long_line.substr(2, 256) + "\r\n");
  // House lines are taken whole, the lines of the other files from their third character.
  EXPECT_EQ(c.form.HousesText, "[House]\r\n  House1 houses.Hut 1 300.00 400.00 0.00\r\n");
  EXPECT_EQ(c.form.RocketsText, "[Rocket]\r\n  cket1 V1 1 300.00 400.00 0.00\r\n");
  EXPECT_EQ(c.form.CamerasText, "[StaticCamera]\r\n");
  EXPECT_EQ(RunLogMessages(c.form),
            (std::vector<std::string>{"Extra Buildings and Cameras Compilation Begun.",
                                      "Extra Buildings and Cameras Complilation Completed."}));
}

TEST(BuildingList, AFileOfItsHeaderAloneOrNoFileGivesTheBareHeader) {
  CampaignWorld c;
  c.form.BuildingsText = "left from the last mission";
  c.campaign.Write("buildings.tavrek", "[Buildings]\r\n");
  c.campaign.Write("cameras.tavrek", "[StaticCamera]");
  BuildingList(c.form);
  EXPECT_EQ(c.form.BuildingsText, "[Buildings]\r\n");
  EXPECT_EQ(c.form.HousesText, "[House]\r\n");
  EXPECT_EQ(c.form.RocketsText, "[Rocket]\r\n");
  EXPECT_EQ(c.form.CamerasText, "[StaticCamera]\r\n");
}

const char kAirfields[] =
    "[Kadena_Airfield]\r\n"
    "TAKEOFF 43900.00 101800.00 0 0\r\n"
    "  NORMFLY 46400.00 100300.00 500.00 300.00  \r\n"
    "NORMFLY 49400.00 98800.00 1000.00 300.00\r\n"
    "[Naha_Airfield]\r\n"
    "TAKEOFF 33850.00 86400.00 0 0\r\n"
    "\r\n"
    "NORMFLY 28350.00 90400.00 1000.00 300.00\r\n"
    "[Naha_Airfield_East]\r\n"
    "TAKEOFF 34850.00 86400.00 0 0\r\n"
    "NORMFLY 36350.00 88400.00 500.00 300.00\r\n"
    "NORMFLY 38350.00 90400.00 1000.00 300.00\r\n"
    "NORMFLY 40350.00 92400.00 1500.00 300.00\r\n";

struct AirfieldWorld : CampaignWorld {
  AirfieldWorld() {
    world.program_folder.Write("data/airfields.tavrek", kAirfields);
    SquadronEntry& squadron = form.SquadronTable[1];
    squadron.SquadronName = "VMF_3110";
    squadron.SquadronTakeOffLeg = "TAKEOFF 1000.00 2000.00";
    form.SquadronTable[2].SquadronName = "VMB_6120";
  }
  SquadronEntry& Squadron() { return form.SquadronTable[1]; }
};

TEST(LoadTakeoff, TheBaseSectionReplacesTheTakeOffLeg) {
  struct Case {
    const char* name;
    std::string base;
    int escorts;
    std::string leg;
  };
  const Case cases[] = {
      {"section of the base", "Kadena_Airfield", -1,
       "  TAKEOFF 43900.00 101800.00 0 0\r\n"
       "  NORMFLY 46400.00 100300.00 500.00 300.00\r\n"
       "  NORMFLY 49400.00 98800.00 1000.00 300.00\r\n"},
      {"an escort follows the escorted squadron's first flight from its third line",
       "Kadena_Airfield", 2,
       "  TAKEOFF 43900.00 101800.00 0 0\r\n"
       "  NORMFLY 46400.00 100300.00 500.00 300.00\r\n"
       "  NORMFLY 49400.00 98800.00 1000.00 300.00 VMB_61200 2\r\n"},
      {"the last of the sections whose name holds the base", "Naha_Airfield", -1,
       "  TAKEOFF 34850.00 86400.00 0 0\r\n"
       "  NORMFLY 36350.00 88400.00 500.00 300.00\r\n"
       "  NORMFLY 38350.00 90400.00 1000.00 300.00\r\n"
       "  NORMFLY 40350.00 92400.00 1500.00 300.00\r\n"},
      {"a blank line of the section is a line of two blanks", "[Naha_Airfield]", 2,
       "  TAKEOFF 33850.00 86400.00 0 0\r\n"
       "  \r\n"
       "  NORMFLY 28350.00 90400.00 1000.00 300.00 VMB_61200 2\r\n"},
      {"a base that no section names", "Yomitan_Airfield", -1, "TAKEOFF 1000.00 2000.00"},
      {"letter case counts", "kadena_airfield", -1, "TAKEOFF 1000.00 2000.00"},
      // Every header holds the empty text; a squadron without a base keeps its leg rather
      // than taking off from the last airfield of the file.
      {"no base", "", -1, "TAKEOFF 1000.00 2000.00"},
      {"a base of blanks", "  ", -1, "TAKEOFF 1000.00 2000.00"},
  };
  for (const Case& c : cases) {
    AirfieldWorld world;
    world.Squadron().SquadronHomeBase = c.base;
    world.Squadron().SquadronEscortOf = c.escorts;
    LoadTakeoff(world.form, 1);
    EXPECT_EQ(world.Squadron().SquadronTakeOffLeg, c.leg) << c.name;
  }
}

TEST(LoadTakeoff, TheCampaignDataFolderComesFirstAndAMissingFileStopsTheBuild) {
  AirfieldWorld world;
  world.Squadron().SquadronHomeBase = "Kadena_Airfield";
  TempFolder campaign_data;
  campaign_data.Write("airfields.tavrek", "[Kadena_Airfield]\r\nTAKEOFF 1.00 2.00 0 0\r\n");
  world.form.CampaignDataFolder = campaign_data.Path();
  LoadTakeoff(world.form, 1);
  EXPECT_EQ(world.Squadron().SquadronTakeOffLeg, "  TAKEOFF 1.00 2.00 0 0\r\n");

  CampaignWorld without_file;
  SquadronEntry& squadron = without_file.form.SquadronTable[1];
  squadron.SquadronHomeBase = "Kadena_Airfield";
  squadron.SquadronTakeOffLeg = "TAKEOFF 1000.00 2000.00";
  EXPECT_THROW(LoadTakeoff(without_file.form, 1), FileError);
  EXPECT_EQ(squadron.SquadronTakeOffLeg, "TAKEOFF 1000.00 2000.00");
}

// The program's own airfields: a take-off line and at least two climb points each, so an escort
// always finds a third line to follow from.
TEST(LoadTakeoff, EveryShippedAirfieldHasATakeOffAndTwoClimbPoints) {
  TestWorld world;
  world.InstallProgramData();
  TMainForm& form = *world.form;
  const std::vector<std::string> lines = ReadTextLines(SourceDataFolder() + "airfields.tavrek");
  int sections = 0;
  for (const std::string& line : lines) {
    if (line.find('[') == std::string::npos) continue;
    ++sections;
    const std::string base = line.substr(1, line.find(']') - 1);
    EXPECT_TRUE(base.find("Airfield") != std::string::npos ||
                base.find("Airstrip") != std::string::npos)
        << base;
    form.SquadronTable[0].SquadronHomeBase = base;
    form.SquadronTable[0].SquadronTakeOffLeg.clear();
    LoadTakeoff(form, 0);
    const std::vector<std::string> leg = SplitTextLines(form.SquadronTable[0].SquadronTakeOffLeg);
    ASSERT_GE(leg.size(), 3u) << base;
    EXPECT_EQ(leg[0].rfind("  TAKEOFF ", 0), 0u) << base;
    for (size_t i = 1; i < leg.size(); ++i) EXPECT_EQ(leg[i].rfind("  NORMFLY ", 0), 0u) << base;
  }
  EXPECT_GE(sections, 2);
}

}  // namespace
