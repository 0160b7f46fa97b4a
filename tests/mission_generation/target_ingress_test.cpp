#include "mission_generation/target_ingress.h"

#include <gtest/gtest.h>

#include "campaign_data/text.h"
#include "mission_generation/flight_performance.h"
#include "tests/mission_generation/waypoint_campaign.h"

namespace {

using C = WaypointCampaign;

constexpr const char* kPlannedLine = "  GATTACK 20000.00 40000.00 <ALTITUDE> 300.00 \r\n";

class TargetIngress : public ::testing::Test {
 protected:
  TargetIngress() {
    player = campaign.AddSquadron("I_JG52", "1", "2", C::kAlphaAirfield, C::kCharlieTown);
    attack = campaign.AddSquadron("SG1", "4", "2", C::kAlphaAirfield, C::kCharlieTown);
    for (int s : {player, attack}) form.SquadronTable[s].SquadronTargetLeg = kPlannedLine;
  }
  WaypointCampaign campaign;
  TMainForm& form = campaign.form();
  int player = 0;
  int attack = 0;
};

TEST_F(TargetIngress, InitialPointInFrontOfTheTargetLine) {
  // Mainly along y: 1 m short of the target in y, 3000 m beyond it in x, at 25 x 1 + 500 m.
  CreateTargetIngress(form, attack, 1);
  EXPECT_EQ(form.SquadronTable[attack].SquadronTargetLeg,
            "  NORMFLY 23000.00 39999.00 525.0 300.00 \r\n" + std::string(kPlannedLine));
}

TEST_F(TargetIngress, TargetLevelWithTheBaseLiesTowardSmallerY) {
  SquadronEntry& entry = form.SquadronTable[attack];
  entry.SquadronTargetLocation = C::kEchoAirfield;
  entry.SquadronTargetLeg.clear();
  CreateTargetIngress(form, attack, 0);
  EXPECT_EQ(entry.SquadronTargetLeg, "  NORMFLY 59999.00 7000.00 500.0 300.00 \r\n");
}

TEST_F(TargetIngress, OffsetAndAltitudeRules) {
  struct Case {
    const char* name;
    IngressFlight flight;
    int offset;
    int altitude;
  };
  const Case cases[] = {
      {"fighter", {"1", 1, "X", false, {}, 3000, {}, 2}, 3000, 3200},
      {"fighter with bombs", {"1", 1, "B", false, {}, 3000, {}, 2}, 3000, 550},
      {"fighter with bombs on task 3", {"1", 3, "B", false, {}, 3000, {}, 2}, 3000, 3200},
      {"ground attack", {"4", 1, "X", false, {}, 3000, {}, 1}, 3000, 525},
      {"ground attack on task 3", {"4", 3, "X", false, {}, 3000, {}, 1}, 3000, 3100},
      {"bomber", {"2", 1, "X", false, {}, 4000, {}, 0}, 7500, 4000},
      {"dive bomber", {"7", 3, "X", false, {}, 4000, {}, 0}, 7500, 4000},
      {"task 6", {"1", 6, "X", false, {}, 3000, {}, 0}, 7500, 3000},
      {"torpedo", {"4", 1, "T", false, {}, 3000, {}, 1}, 12500, 2050},
      {"reconnaissance mission", {"2", 1, "T", true, {}, 3000, {}, 3}, 25000, 2150},
      {"offset box", {"2", 1, "T", true, 5000, 3000, {}, 0}, 5000, 2000},
      {"player's altitude box", {"4", 1, "T", false, {}, 3000, 1500, 3}, 12500, 1500},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InitialPointOffset(c.flight), c.offset) << c.name;
    EXPECT_EQ(InitialPointAltitude(c.flight), c.altitude) << c.name;
  }
}

TEST_F(TargetIngress, PanelBoxesAndMissionType) {
  campaign.SetBriefs(23, "Reconnaissance over the sea.");
  SquadronEntry& entry = form.SquadronTable[player];
  entry.SquadronMissionType = "Reconnaissance over the sea.";
  CreateTargetIngress(form, player, 0);
  EXPECT_TRUE(
      StartsWith(entry.SquadronTargetLeg, "  NORMFLY 45000.00 39999.00 3000.0 300.00 \r\n"));

  form.IPOffsetBox.Text = "5000 Meters";
  form.IPAltBox.Text = "1500 Meters";
  for (int flight = 0; flight < 4; ++flight) {
    entry.SquadronTargetLeg = kPlannedLine;
    CreateTargetIngress(form, player, flight);
    EXPECT_TRUE(StartsWith(entry.SquadronTargetLeg, "  NORMFLY 25000.00 39999.00 1500.0 300.00 "))
        << flight;
  }

  // A box whose text holds no number counts as its default item.
  form.IPOffsetBox.Text = "abc Meters";
  form.IPAltBox.Text = "high";
  entry.SquadronTargetLeg = kPlannedLine;
  CreateTargetIngress(form, player, 1);
  EXPECT_TRUE(StartsWith(entry.SquadronTargetLeg, "  NORMFLY 45000.00 39999.00 3100.0 300.00 "));
}

// The two long-approach mission types ([Briefs] lines 12 and 23) turn in 25 km out; another
// type of the same wording elsewhere in the table does not.
TEST(TargetIngressMissionType, LongApproachTypesTurnInFarOut) {
  const struct {
    int briefs_line;
    const char* leg_start;
  } cases[] = {
      {12, "  NORMFLY 45000.00 39999.00 "},
      {23, "  NORMFLY 45000.00 39999.00 "},
      {22, "  NORMFLY 23000.00 39999.00 "},
  };
  for (const auto& c : cases) {
    WaypointCampaign campaign;
    TMainForm& form = campaign.form();
    const int attack = campaign.AddSquadron("SG1", "4", "2", C::kAlphaAirfield, C::kCharlieTown);
    SquadronEntry& entry = form.SquadronTable[attack];
    entry.SquadronTargetLeg = kPlannedLine;
    campaign.SetBriefs(c.briefs_line, "Long look over the sea.");
    entry.SquadronMissionType = "Long look over the sea.";
    CreateTargetIngress(form, attack, 0);
    EXPECT_TRUE(StartsWith(entry.SquadronTargetLeg, c.leg_start))
        << c.briefs_line << ": " << entry.SquadronTargetLeg;
  }
}

TEST_F(TargetIngress, TorpedoLoadFromThePayloadList) {
  // Type name in columns 1-29, the load letter in column 30, the loadout from column 32.
  campaign.world.program_folder.Write("data/allpayloads.tavrek",
                                      std::string("Test4").append(24, ' ') + "T 1xTorpedo\r\n");
  SquadronEntry& entry = form.SquadronTable[attack];
  entry.SquadronWeapons = "1xTorpedo";
  ASSERT_EQ(PayloadType(form, attack), "T");
  CreateTargetIngress(form, attack, 1);
  EXPECT_TRUE(StartsWith(entry.SquadronTargetLeg, "  NORMFLY 32500.00 39999.00 2050.0 300.00 "));
}

}  // namespace
