#include "mission_generation/recon_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/campaign_world.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

const char kRecon[] = "Reconnaissance";
const char kSeaRecon[] = "Sea Reconnaissance";

struct ReconWorld : CampaignWorld {
  ReconWorld() {
    auto& briefs = form.Messages.Message[static_cast<int>(MessageSection::kBriefs)];
    briefs[22] = "Ground Attack";
    briefs[23] = kRecon;
    briefs[24] = kSeaRecon;
    form.ReconCount = {0, 40, 60};
  }
  void Add(const std::string& name, const std::string& side, const std::string& role,
           const std::string& aircraft, const std::string& mission) {
    SquadronEntry& squadron = form.SquadronTable[++form.LastSquadron];
    squadron.SquadronName = name;
    squadron.SquadronArmy = side;
    squadron.SquadronRole = role;
    squadron.SquadronClass = aircraft;
    squadron.SquadronMissionType = mission;
  }
  std::string File() const { return campaign.Read("recons.dat"); }
};

TEST(ReconList, ListsAndCreditsTheReconnaissanceFlights) {
  ReconWorld r;
  r.Add("NAGr_20", "2", "5", "Class air.FW_189A2", kRecon);
  r.Add("I_JG51", "2", "1", "Class air.BF_109F4", "Fighter Sweep");
  r.Add("KG_510", "2", "2", "Class air.JU_88A4", kSeaRecon);
  r.Add("12IAP", "1", "1", "Class air.LA_5", "Ground Attack");
  ReconList(r.form);
  EXPECT_EQ(r.File(), "NAGr_20: Reconnaissance\r\nKG_510: Sea Reconnaissance\r\n\r\n");
  EXPECT_EQ(r.form.ReconCount[2], 80);
  EXPECT_EQ(r.form.ReconCount[1], 100);  // no Allied type can fly reconnaissance
  EXPECT_EQ(RunLogMessages(r.form),
            (std::vector<std::string>{"Recon List Initialized.", "Recon List Saved."}));
}

TEST(ReconList, WhoCountsAsAbleToFlyReconnaissance) {
  struct Case {
    const char* name;
    std::string role;
    std::string aircraft;
    int allied_count;
  };
  const Case cases[] = {
      {"bomber", "2", "Class air.B_25J1", 40},
      {"ground attack", "4", "Class air.IL_2M", 40},
      {"reconnaissance", "5", "Class air.R_5", 40},
      {"dive bomber", "7", "Class air.SBD3", 40},
      {"seaplane", "6", "Class air.OS2U", 40},
      {"D3A1 dive bomber", "7", "Class air.D3A1", 100},
      {"A6M2N seaplane", "6", "Class air.A6M2N", 100},
      {"fighter", "1", "Class air.P_40E", 100},
      {"transport", "3", "Class air.C_47", 100},
  };
  for (const Case& c : cases) {
    ReconWorld r;
    r.Add("Allied0", "1", c.role, c.aircraft, "");
    r.Add("Axis0", "2", "2", "Class air.HE_111H6", "");
    ReconList(r.form);
    EXPECT_EQ(r.form.ReconCount[1], c.allied_count) << c.name;
    EXPECT_EQ(r.form.ReconCount[2], 60) << c.name;
    EXPECT_EQ(r.File(), "\r\n") << c.name;
  }
}

TEST(ReconList, AFighterOnReconnaissanceIsCreditedButCountsAsNoReconType) {
  ReconWorld r;
  r.Add("VF_17", "1", "1", "Class air.F4U1A", kRecon);
  r.Add("VMB_612", "1", "2", "Class air.PBJ_1D", "Ground Attack");
  ReconList(r.form);
  EXPECT_EQ(r.File(), "VF_17: Reconnaissance\r\n\r\n");
  EXPECT_EQ(r.form.ReconCount[1], 50);
  EXPECT_EQ(r.form.ReconCount[2], 100);
}

TEST(ReconList, NoSquadronsGiveBothSides100AndAFileOfOneEmptyLine) {
  ReconWorld r;
  r.campaign.Write("recons.dat", "old list\r\n");
  ReconList(r.form);
  EXPECT_EQ(r.File(), "\r\n");
  EXPECT_EQ(r.form.ReconCount[1], 100);
  EXPECT_EQ(r.form.ReconCount[2], 100);
}

// Squadrons that fly no mission have no mission type; with message texts that are empty too
// they must not pass for reconnaissance flights.
TEST(ReconList, ASquadronWithoutAMissionTypeIsNoReconnaissanceFlight) {
  ReconWorld r;
  auto& briefs = r.form.Messages.Message[static_cast<int>(MessageSection::kBriefs)];
  briefs[23].clear();
  briefs[24].clear();
  r.Add("KG_510", "2", "2", "Class air.JU_88A4", "");
  ReconList(r.form);
  EXPECT_EQ(r.File(), "\r\n");
  EXPECT_EQ(r.form.ReconCount[2], 60);
}

}  // namespace
