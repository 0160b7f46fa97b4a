// The sections and texts written after the flights: target, ground objects, objectives, born
// places, properties texts, the player's seat, the stub mission and the briefing clean-up.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_generation/born_places.h"
#include "mission_generation/briefing_news.h"
#include "mission_generation/ground_object_sections.h"
#include "mission_generation/mission_assembly.h"
#include "mission_generation/mission_build.h"
#include "mission_generation/mission_builder.h"
#include "mission_generation/properties_texts.h"
#include "mission_generation/target_section.h"
#include "mission_results/event_log_names.h"
#include "tests/mission_generation/builder_campaign.h"
#include "tests/support/mission_checker.h"

namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class MissionTextsTest : public ::testing::Test {
 protected:
  MissionTextsTest() {
    campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
    Form().TargetPosition = "40000 20000";
  }
  TMainForm& Form() { return campaign.form(); }
  SquadronEntry& Player() { return Form().SquadronTable[0]; }
  BuilderCampaign campaign;
  MissionBuild build;
};

TEST_F(MissionTextsTest, TargetLineByTaskCodePrimaryAndMove) {
  Form().LocationTable[1].LocationName = "Kalach_Bridge12";
  Form().ColumnTable[1].ColumnName = "2_Chief";
  Player().SquadronTargetColumn = 1;
  Player().SquadronTargetObject = "7_Static";
  struct Case {
    std::string code;
    bool primary;
    int move;
    std::string text;
  };
  const std::string fixed = "[Target]\r\n  6 0 1 1 0 0 0 500\r\n";
  const Case cases[] = {
      {"1", true, 0, "[Target]\r\n  1 0 0 0 500 40000 20000 2000\r\n"},
      {"9", true, 0, "[Target]\r\n  0 0 0 0 500 40000 20000 0 1 7_Static 40000 20000\r\n"},
      {"0", true, 0, "[Target]\r\n  0 0 0 0 500 40000 20000 0 0 7_Static 40000 20000\r\n"},
      {"2", true, 0, "[Target]\r\n  2 0 0 0 500 40000 20000 0 0 Bridge12 40000 20000\r\n"},
      {"5", true, 0, "[Target]\r\n  5 0 0 0 250 40000 20000 0 0 2_Chief 40000 20000\r\n"},
      {"6", true, 0, "[Target]\r\n  6 0 1 300 500 40000 20000 500\r\n"},
      {"7", true, 0, "[Target]\r\n  7 0 0 0 500 40000 20000 30 0 Bridge12 40000 20000\r\n"},
      {"4", true, 0, ""},
      {"-1", true, 0, ""},
      {"2", false, 0, fixed + "  3 1 1 0 40000 20000 500\r\n"},
      {"2", false, 2, fixed + "  2 1 0 0 500 40000 20000 0 0 Bridge12 40000 20000\r\n"},
      {"-1", false, 2, fixed},
  };
  for (const Case& c : cases) {
    Player().SquadronTaskCode = c.code;
    Player().SquadronMoveKind = c.move;
    Form().Primary.Checked = c.primary;
    WriteTargetSection(Form(), build);
    EXPECT_EQ(build.target_text, c.text) << c.code << " " << c.primary << " " << c.move;
  }
}

TEST_F(MissionTextsTest, StaticObjectsDroppedByDaylightAndStoodInForByClass) {
  struct Case {
    std::string hour;
    int weather;
    bool kept;
  };
  const Case cases[] = {{"8", 3, false}, {"7", 3, true}, {"17", 3, true}, {"12", 4, true}};
  for (const Case& c : cases) {
    Form().LastStationary = 0;
    Form().StationaryObjectTable[0].StationaryMissionLine =
        "  1_Static vehicles.stationary.Campfire$CampfireAirfield 1 1.00 2.00 0.00";
    Form().MissionHourText = c.hour;
    Form().CurrentConditions = c.weather;
    WriteStationarySection(Form(), build);
    EXPECT_EQ(build.nstationary_text != "[NStationary]\r\n", c.kept) << c.hour << " " << c.weather;
  }

  GroundObjectTypeTableType& types = Form().GroundObjectTypeTable;
  types[0] = {"vehicles.artillery.Artillery$Flak38", "vehicles.artillery.Artillery$Flak30", "0"};
  types[1] = {"vehicles.artillery.Artillery$Flak38", "vehicles.artillery.Artillery$Flak18", "0"};
  types[2] = {"vehicles.stationary.Stationary$Fuel", "NONE", "0"};
  types[3] = {"vehicles.stationary.Stationary$Opel", "vehicles.stationary.Stationary$Truck", "1"};
  types[4] = {"Armor.1-SU-76", "Armor.1-ZSU-37", "0"};
  const std::vector<ClassStandIn> rows = MissingClassStandIns(Form());
  const std::string flak = "vehicles.artillery.Artillery$";
  const std::string car = "vehicles.stationary.Stationary$";
  EXPECT_EQ(WithStandInClasses(
                "  2 " + flak + "Flak38 " + flak + "Flak38 " + car + "Fuel " + car + "Opel", rows),
            "  2 " + flak + "Flak30 " + flak + "Flak18 " + car + "Fuel " + car + "Opel");
  EXPECT_EQ(WithStandInClasses("  3_Chief Armor.1-SU-76 2", rows), "  3_Chief Armor.1-ZSU37 2");

  Form().LastStationary = -1;
  WriteStationarySection(Form(), build);
  EXPECT_EQ(build.nstationary_text, "[NStationary]\r\n");
  WriteBridgeSection(Form(), build);
  EXPECT_EQ(build.bridge_text, "[Bridge]\r\n");
}

// Each object's line as the section shows it and as the table keeps it afterwards: a line
// hidden by daylight is cleared, a stand-in stays in the table, a blank line is left out.
TEST_F(MissionTextsTest, StaticObjectSectionKeepsEveryEditInTheTable) {
  const std::string flak = "vehicles.artillery.Artillery$";
  Form().GroundObjectTypeTable[0] = {flak + "Flak38", flak + "Flak30", "0"};
  struct Object {
    std::string line;
    std::string kept;  // the table's line after the section is written
  };
  const Object objects[] = {
      {"  0_Static " + flak + "Flak38 1 10.00 20.00 0.00",
       "  0_Static " + flak + "Flak30 1 10.00 20.00 0.00"},
      {"  1_Static vehicles.stationary.Campfire$CampfireAirfield 1 1.00 2.00 0.00", ""},
      {" \t ", " \t "},
      {"  3_Static " + flak + "Flak30 2 30.00 40.00 0.00",
       "  3_Static " + flak + "Flak30 2 30.00 40.00 0.00"},
      {"  4_Static vehicles.stationary.Stationary$Opel 2 5.00 6.00 0.00",
       "  4_Static vehicles.stationary.Stationary$Opel 2 5.00 6.00 0.00"},
  };
  Form().MissionHourText = "12";
  Form().CurrentConditions = 0;
  Form().LastStationary = static_cast<int>(std::size(objects)) - 1;
  std::string expected = "[NStationary]\r\n";
  for (int j = 0; j <= Form().LastStationary; ++j) {
    Form().StationaryObjectTable[j].StationaryMissionLine = objects[j].line;
    if (Trim(objects[j].kept).empty()) continue;
    expected += objects[j].kept + "\r\n";
  }
  WriteStationarySection(Form(), build);
  EXPECT_EQ(build.nstationary_text, expected);
  for (int j = 0; j <= Form().LastStationary; ++j) {
    EXPECT_EQ(Form().StationaryObjectTable[j].StationaryMissionLine, objects[j].kept) << j;
  }
}

TEST_F(MissionTextsTest, ObjectivesTakeTheLastApplicableCondition) {
  Form().EndDate = "31/12/1945";
  Form().EndDateVictor = "Red";
  Form().DeZoneText = "Charlie_Town";
  BuildObjectives(Form());
  EXPECT_THAT(Form().AlliedObjectiveText, StartsWith("Drive the enemy out of Charlie Town"));

  Form().EndDate = "15/08/1943";
  BuildObjectives(Form());
  EXPECT_EQ(Form().AlliedObjectiveText, "Hold out until 15/08/1943.");

  Form().DeDestroyTrigger = "Truck_fuel";
  Form().RuDestroyTrigger = "Jeep";
  Form().DeDestroyCount = 50;
  BuildObjectives(Form());
  EXPECT_EQ(Form().AlliedObjectiveText, "Destroy 50% of the enemy's Truck fuel targets.");
  EXPECT_EQ(Form().AxisObjectiveText, "Destroy 100% of the enemy's Jeep targets.");

  struct Sunk {
    std::string trigger;
    std::string kind;
  };
  for (const Sunk& s : {Sunk{"USSEssexCV9", "aircraft carrier"}, Sunk{"LCVP_boat", "LCVP boat"},
                        Sunk{"DD_CA_Mixed", "cruiser"}}) {
    Form().DeSunkTrigger = s.trigger;
    BuildObjectives(Form());
    EXPECT_EQ(Form().AlliedObjectiveText,
              "Sink 100% of the enemy's ships of the " + s.kind + " class.")
        << s.trigger;
  }
}

TEST_F(MissionTextsTest, DebriefingLinesAreJoinedAndTheFirstTodayMadeNew) {
  campaign.world.program_folder.Write("campaign/debriefing.txt",
                                      "  Today n line one \r\nToday n again\r\n");
  ReadDebriefing(Form());
  EXPECT_EQ(Form().DebriefingText, "N line one\\nToday n again\\n");
}

TEST_F(MissionTextsTest, BornPlacesListEveryHumanTypeOncePerBaseByExactName) {
  Form().Dogfight.Checked = true;
  Form().LocationTable[0].LocationName = "Kiev_Airfield2";
  Form().LocationTable[4].LocationName = "Kiev_Airfield";
  Form().LocationTable[4].LocationArmy = "1";
  auto human = [&](const std::string& name, const std::string& base, const std::string& planes,
                   const std::string& type) {
    const int s = campaign.AddFlyingSquadron(name, "1", "1", 0, 1);
    SquadronEntry& squadron = Form().SquadronTable[s];
    squadron.SquadronAI = "AI False";
    squadron.SquadronHomeBase = base;
    squadron.PlanesFlight = planes;
    squadron.TypeGameName = type;
  };
  Player().SquadronHomeBase = "Kiev_Airfield2";
  Player().SquadronAI = "AI False";
  Player().TypeGameName = "Yak-9";
  human("A_2", "Kiev_Airfield2", "6", "Yak-9");
  human("B_3", "Kiev_Airfield", "4", "La-5");
  human("C_4", "Echo_Airstrip", "1", "Il-2");
  Form().LastStationary = 0;
  Form().StationaryObjectTable[0].StationaryLine = "  0_Static ships.Ship$Rwy 1 1.00 2.00";
  Form().StationaryObjectTable[0].StationaryNearestLocation = 4;
  Form().StationaryObjectTable[0].StationaryMissionPosition = "61234.00 10987.00";
  Form().FBMultiplier.Text = "50%";
  WriteDogfightSections(Form(), build);
  EXPECT_EQ(build.born_place_text,
            "[BornPlace]\r\n  1 3000 10000 10000\r\n  1 3000 61234 10987\r\n"
            "[BornPlace0]\r\n  Yak-9 \r\n[BornPlace1]\r\n  La-5 \r\n");
  EXPECT_EQ(build.side_counts[1].planes, (8 + 6 + 4) / 2);
  EXPECT_EQ(build.respawn_text, RespawnTimeSection());
  EXPECT_THAT(RespawnTimeSection(), HasSubstr("  Aeroanchored 1000000\r\n"));
}

TEST_F(MissionTextsTest, PropertiesByModeAndHeader) {
  Player().SquadronNation = "gb";
  Form().TransitAltBox.Text = "100 Meters";
  EXPECT_EQ(BriefingAltitude(Form()), "328 Feet");
  Player().SquadronNation = "de";
  EXPECT_EQ(BriefingAltitude(Form()), "100 Meters");

  Form().Coop.Checked = true;
  Form().Briefing.Checked = false;
  MarkCoopMission(Form());
  WriteCoopProperties(Form(), build);
  EXPECT_THAT(Player().SquadronBriefing, HasSubstr("<ARMY RED>"));
  EXPECT_THAT(Player().SquadronBriefing, HasSubstr(" Hidden"));
  Form().GameID = "IL2";
  WriteCoopProperties(Form(), build);
  EXPECT_THAT(Player().SquadronBriefing, Not(HasSubstr("<ARMY")));
  AddPropertiesHeader(Form());
  EXPECT_THAT(Player().SquadronBriefing,
              StartsWith("Name Tavrek v3.37 - Lakes45 06/04/1945 \r\nShort Tavrek Mission\r\n"
                         "Description "));
}

TEST_F(MissionTextsTest, PlayerSeatIsAlwaysAnAircraftOfTheMission) {
  struct Case {
    std::vector<int> player_slots;
    std::set<int> flown;
    int seat;
  };
  const Case cases[] = {
      {{6}, {0, 1, 2, 3, 4, 5, 6, 7}, 6},
      {{2, 9}, {0, 1, 2, 3, 8, 9, 10, 11}, 9},
      {{}, {0, 1, 2, 3}, 0},
      {{6}, {0, 1, 4, 5}, 0},
      {{6}, {}, -1},
  };
  for (const Case& c : cases) {
    for (int slot = 0; slot < 16; ++slot) {
      Form().PilotRoster[RosterIndex(0, slot)].RosterName = "Pilot " + std::to_string(slot);
    }
    for (int slot : c.player_slots)
      Form().PilotRoster[RosterIndex(0, slot)].RosterName = Form().PlayerName;
    EXPECT_EQ(PlayerSeat(Form(), c.flown), c.seat);
  }
  EXPECT_EQ(PlayerRosterSlot(Form()), 6);
  Form().PilotRoster[RosterIndex(0, 6)].RosterName = "Nobody";
  EXPECT_EQ(PlayerRosterSlot(Form()), 15);
}

TEST_F(MissionTextsTest, PlayerInASecondFlightSitsThereAndOnLineHasNoPlayerLine) {
  Form().PlayerName = "Player Pilot 6";
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  // The roster is put in order before the mission is written: the player sits where it left
  // him, flight slot / 4, seat slot % 4.
  int slot = 0;
  while (slot < 16 && Form().PilotRoster[RosterIndex(0, slot)].RosterName != "Player Pilot 6") {
    ++slot;
  }
  ASSERT_LT(slot, 16);
  EXPECT_THAT(Form().MissionFileText,
              HasSubstr("  player VMF_1" + std::to_string(slot / 4) + "\r\n  army 1\r\n" +
                        "  playerNum " + std::to_string(slot % 4) + "\r\n"));

  BuilderCampaign online;
  online.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
  online.form().Coop.Checked = true;
  GenerateMission(online.form());
  ExpectLoadableMission(online.form());
  EXPECT_THAT(online.form().MissionFileText, Not(HasSubstr("  player ")));
  EXPECT_THAT(online.form().MissionFileText, HasSubstr("  playerNum 0\r\n"));
  EXPECT_THAT(online.form().MissionFileText, HasSubstr("[Target]\r\n[StaticCamera]"));
}

TEST_F(MissionTextsTest, PendingWarningGivesTheLoadableStubWithTheMessage) {
  Form().ErrorWarning = "The campaign has ended.";
  Player().SquadronTakeOffLeg = "TAKEOFF 10000.00 10000.00";
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  EXPECT_THAT(Form().MissionFileText,
              HasSubstr("[WING]\r\n  VMF_10\r\n[VMF_10]\r\n  Planes 4\r\n  Skill 1\r\n"
                        "  Class air.Test1\r\n  Fuel 100\r\n  weapons default\r\n[VMF_10_Way]\r\n"
                        "  TAKEOFF 10000.00 10000.00 0 0\r\n  LANDING 10000.00 10000.00 0 0\r\n"
                        "[StaticCamera]\r\n"));
  EXPECT_THAT(Form().MissionFileText, Not(HasSubstr("[Target]")));
  EXPECT_THAT(Player().SquadronBriefing, HasSubstr("The campaign has ended."));
}

TEST_F(MissionTextsTest, CleanUpKeepsUnderscoresBeyondThirtyOne) {
  Player().SquadronBriefing = std::string(40, '_');
  Form().MissionBriefText = "A Airfield";
  CleanUpBriefings(Form());
  EXPECT_EQ(Player().SquadronBriefing, std::string(31, ' ') + std::string(9, '_'));
  EXPECT_EQ(Form().MissionBriefText, "An Airfield");
}

// The clean-up against its passes made one by one: 31 underscore and bridge-number passes
// over the three texts, then 21 article passes over the briefing and the summary.
TEST_F(MissionTextsTest, CleanUpAgreesWithEveryPassMadeInTurn) {
  const std::string texts[] = {
      "",
      "Strike the Kalach_Bridge12345 near Big_Town_North\rat dawn\n",
      "A Airfield, a Eagle and a Ace over A A A A A A a o a i a e A O A I A E_1_2_3",
      std::string(35, '_') + "Bridge1234567890_Bridge77 \r\n a a a a a a a a a a a a a a a a " +
          "a a a a a a a a a a a a",
      "Bridge Bridge4 xBridge9 A_Bridge_12",
  };
  for (const std::string& text : texts) {
    Player().SquadronBriefing = text;
    Player().SquadronInfoText = text + " ru";
    Form().MissionBriefText = "Summary " + text;
    std::string briefing = TranslateLocation(Form(), Player().SquadronBriefing, "No");
    std::string russian = TranslateLocation(Form(), Player().SquadronInfoText, "Yes");
    std::string summary = TranslateLocation(Form(), Form().MissionBriefText, "No");
    for (std::string* expected : {&briefing, &summary, &russian}) {
      for (int pass = 0; pass < 31; ++pass) *expected = ReplaceTextProcedure(*expected, "_", " ");
      for (int pass = 0; pass < 31; ++pass) *expected = RemoveBridgeNo(Form(), *expected);
    }
    for (int pass = 0; pass < 21; ++pass) {
      briefing = ArticleFix(briefing);
      summary = ArticleFix(summary);
    }
    CleanUpBriefings(Form());
    EXPECT_EQ(Player().SquadronBriefing, briefing) << text;
    EXPECT_EQ(Player().SquadronInfoText, russian) << text;
    EXPECT_EQ(Form().MissionBriefText, summary) << text;
  }
}

// The planner's bridge numbers go from every squadron's texts and from the summary, which
// loses as many digits as one removal per squadron takes.
TEST_F(MissionTextsTest, PlannerBridgeNumbersGoOncePerSquadronFromTheSummary) {
  campaign.AddFlyingSquadron("FS_2", "1", "1", 0, 4);
  ASSERT_EQ(Form().LastSquadron, 1);
  Player().SquadronBriefing = "Hit Bridge12345";
  Player().SquadronMissionType = "Bridge 7";
  Form().MissionBriefText = "Over Bridge1234567 and Bridge89";
  RemovePlannerBridgeNumbers(Form());
  EXPECT_EQ(Player().SquadronBriefing, "Hit Bridge45");
  EXPECT_EQ(Player().SquadronMissionType, "Bridge 7");
  EXPECT_EQ(Form().MissionBriefText, "Over Bridge7 and Bridge89");
}

TEST_F(MissionTextsTest, ASquadronMovesOnlyWithANewBase) {
  const int mover = campaign.AddFlyingSquadron("FS_2", "1", "1", 0, 4);
  Form().SquadronTable[mover].SquadronMoveKind = 2;
  Player().SquadronMoveKind = 2;
  MoveSquadronsToNewBases(Form());
  EXPECT_EQ(Player().SquadronHomeBase, "Alpha_Airfield");
  Form().SquadronTable[mover].SquadronNewBase = "Echo_Airfield";
  MoveSquadronsToNewBases(Form());
  EXPECT_EQ(Form().SquadronTable[mover].SquadronHomeBase, "Echo_Airfield");
  EXPECT_THAT(campaign.CampaignFile("squadrons.tavrek"), HasSubstr("Echo_Airfield"));
}

}  // namespace
