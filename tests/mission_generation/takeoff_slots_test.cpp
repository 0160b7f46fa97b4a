// Take-off slots, start delays and air starts at airfields and carriers.

#include "mission_generation/takeoff_slots.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "mission_generation/mission_build.h"
#include "mission_generation/mission_builder.h"
#include "tests/mission_generation/builder_campaign.h"
#include "tests/support/mission_checker.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// The StartTime minutes of the flights of a squadron, "-" for a flight that has none, and
// whether each flight takes off ("T") or starts in the air ("A").
struct Starts {
  std::vector<std::string> minutes;
  std::vector<std::string> kinds;
};

Starts StartsOf(const TMainForm& form, const std::string& squadron, int flights) {
  const ParsedMission mission = ParseMission(form.MissionFileText);
  Starts starts;
  for (int f = 0; f < flights; ++f) {
    const std::string flight = squadron + std::to_string(f);
    std::string minutes = "-";
    int lines = 0;
    for (const auto& row : mission.Rows(flight)) {
      if (row[0] == "StartTime") {
        minutes = row[1];
        ++lines;
      }
    }
    EXPECT_LE(lines, 1) << flight;
    starts.minutes.push_back(minutes);
    const MissionSection* way = mission.Find(flight + "_Way");
    starts.kinds.push_back(
        way != nullptr && way->lines.front().find("TAKEOFF") != std::string::npos ? "T" : "A");
  }
  return starts;
}

TEST(ResetBaseOccupancy, BasesOffTheMapAndHarboursStartTakenAndEscortCarriersPartly) {
  BuilderCampaign campaign;
  TMainForm& form = campaign.form();
  form.LocationTable[2].LocationName = "English_Airfield";
  form.LocationTable[1].LocationName = "Bravo_Harbor";
  form.ColumnTable[1].ColumnType = "2_Chief ships.Ship$CVE_Casablanca 1";
  MissionBuild build;
  build.bases = ReadBaseDirectory(form);
  ResetBaseOccupancy(form, build);
  std::vector<int> placed;
  for (int l = 0; l <= form.LastLocation; ++l) placed.push_back(form.ObjectPairA[l][0]);
  EXPECT_THAT(placed, ElementsAre(0, 14, 17, 14, 0, 17, 0, 0));
  EXPECT_EQ(form.ObjectPairA[1][1], 8);
  EXPECT_EQ(form.ObjectPairA[0][1], 0);
  EXPECT_EQ(form.ObjectPairC[0][0], 5);
  EXPECT_EQ(form.ObjectPairC[0][1], 2);

  form.NormandyBaseOption = true;
  ResetBaseOccupancy(form, build);
  EXPECT_EQ(form.ObjectPairA[2][0], 0);
}

TEST(PlaceFlightAtBase, RocketFightersStartEveryFlightLaterByThreeMinutes) {
  struct Case {
    bool carrier;
    int radio_out;
    std::vector<std::string> minutes;
  };
  const Case cases[] = {
      {false, 0, {"8", "11", "14"}}, {false, 1, {"13", "21", "29"}}, {true, 0, {"5", "8", "11"}}};
  for (const Case& c : cases) {
    BuilderCampaign campaign;
    TMainForm& form = campaign.form();
    form.FlightsPerSquadron = 3;
    form.DSTimes.Checked = true;
    campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, 4, 4);
    const int s = c.carrier ? campaign.AddCarrierSquadron("JG_4", "1", 1)
                            : campaign.AddFlyingSquadron("JG_4", "1", "1", 0, 1, 12, 4);
    if (c.carrier) {
      SquadronEntry& squadron = form.SquadronTable[s];
      squadron.SquadronInMission = "Y";
      squadron.PlanesFlight = "12";
      squadron.PlanesExtra = 4;
      squadron.SquadronSkill = "Skill 1";
      squadron.SquadronFuel = "Fuel 100";
      squadron.SquadronAI = "AI True";
      squadron.SquadronHalfWayLeg = form.SquadronTable[0].SquadronHalfWayLeg;
      squadron.SquadronTargetLeg = form.SquadronTable[0].SquadronTargetLeg;
      squadron.SquadronLandingLeg = "LANDING 75000.00 60000.00";
      campaign.FillRoster(s);
    }
    form.SquadronTable[s].SquadronClass = "Class air.ME_163B1A";
    form.SquadronTable[s].SquadronBaseClass = "Class air.ME_163B1A";
    form.LocationTable[0].StationaryFlag = c.radio_out;
    GenerateMission(form);
    ExpectLoadableMission(form);
    EXPECT_EQ(StartsOf(form, "JG_4", 3).minutes, c.minutes) << c.carrier << " " << c.radio_out;
  }
}

TEST(PlaceFlightAtBase, WithoutOptionsFlightsTakeOffUntilTheAirfieldIsFull) {
  BuilderCampaign campaign;
  TMainForm& form = campaign.form();
  form.DSTimes.Checked = false;
  form.AirStarts.Checked = false;
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, 8, 4);  // 8 planes placed
  campaign.AddFlyingSquadron("BS_2", "1", "1", 0, 1, 8, 4);   // 16
  campaign.AddFlyingSquadron("FS_3", "1", "1", 0, 1, 8, 4);   // 20 and 24: in the air
  GenerateMission(form);
  ExpectLoadableMission(form);
  EXPECT_THAT(StartsOf(form, "BS_2", 2).kinds, ElementsAre("T", "T"));
  EXPECT_THAT(StartsOf(form, "FS_3", 2).kinds, ElementsAre("A", "A"));
  EXPECT_THAT(StartsOf(form, "FS_3", 2).minutes, ElementsAre("-", "-"));
}

TEST(PlaceFlightAtBase, ABaseNamedByTwoLocationsAndAShipGivesOneSlotAndOneStartTime) {
  BuilderCampaign campaign;
  TMainForm& form = campaign.form();
  form.DSTimes.Checked = true;
  form.LocationTable[4].LocationName = "Alpha_Airfield";
  form.ColumnTable[0].ColumnUnitName = "Alpha_Airfield";
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, 4, 4);
  const int s = campaign.AddFlyingSquadron("JG_4", "1", "1", 0, 1, 8, 4);
  form.SquadronTable[s].SquadronClass = "Class air.ME_163B1A";
  form.SquadronTable[s].SquadronBaseClass = "Class air.ME_163B1A";
  GenerateMission(form);
  ExpectLoadableMission(form);
  EXPECT_THAT(StartsOf(form, "JG_4", 2).minutes, ElementsAre("8", "11"));
  EXPECT_EQ(form.ObjectPairC[4][0], 5);
  EXPECT_EQ(form.ObjectPairC[0][1], 2);
}

TEST(PlaceFlightAtBase, ThePlayerIsNeverDelayedButStartsInTheAirFromAFullHarbour) {
  BuilderCampaign campaign;
  TMainForm& form = campaign.form();
  form.DSTimes.Checked = true;
  campaign.AddFlyingSquadron("VMF_1", "6", "1", WaypointCampaign::kDeltaSeaplaneBase, 1, 4, 4);
  GenerateMission(form);
  ExpectLoadableMission(form);
  EXPECT_THAT(StartsOf(form, "VMF_1", 1).kinds, ElementsAre("A"));
  EXPECT_THAT(StartsOf(form, "VMF_1", 1).minutes, ElementsAre("-"));
}

}  // namespace
