#include "mission_results/aces.h"

#include <gtest/gtest.h>

#include <string>

#include "mission_results/pilot_roster.h"
#include "platform/file_system.h"
#include "tests/mission_results/roster_world.h"

namespace {

const std::string kAce =
    "  031 002 120 Jim Ace @DGen\\aces\\jim *64 &1915Sioux Falls~19420101 to 19430101";

struct AcesWorld : RosterWorld {
  explicit AcesWorld(const std::string& aces_file = "[USMC_VMF_1210 USN_VF_100]\r\n" + kAce +
                                                    "\r\n") {
    AddSquadron({.name = "USMC_VMF_1210", .nation = "um", .skin = "vmf.bmp"});
    AddSquadron({.name = "USN_VF_100", .nation = "un"});
    AddSquadron({.name = "USN_VF_200", .nation = "un"});
    std::string roster;
    for (int squadron = 0; squadron < 3; ++squadron) {
      roster += "[" + form.SquadronTable[squadron].SquadronName + "]\r\n";
      for (int slot = 0; slot < 16; ++slot) {
        roster += "  000 000 050 Pilot " + std::to_string(squadron) + "_" + std::to_string(slot) +
                  " @DGen\\Photo *10 &1920Town\r\n";
      }
    }
    WriteCampaignFile("pilot.tavrek", roster);
    LoadPilots(form);
    WriteCampaignFile("data/aces.tavrek", aces_file);
    form.CampaignDataFolder = campaign.Path() + "data/";
    form.NewCampaignFlag = "N";
    SetDate(1942, 6, 1);
  }
  void SetDate(int year, int month, int day) {
    form.CampaignYear = year;
    form.CampaignMonth = month;
    form.CampaignDay = day;
  }
  // The slot of the squadron that holds the name, -1 when none.
  int SlotOf(int squadron, const std::string& name) {
    for (int slot = 0; slot < 16; ++slot) {
      if (Pilot(squadron, slot).RosterName == name) return slot;
    }
    return -1;
  }
};

TEST(LoadAces, AnAceJoinsOnlyWithinHisService) {
  struct Case {
    int year, month, day;
    bool joins;
  };
  const Case cases[] = {
      {1942, 1, 1, false}, {1942, 1, 2, true}, {1942, 12, 31, true}, {1943, 1, 1, false}};
  for (const Case& c : cases) {
    AcesWorld w;
    w.SetDate(c.year, c.month, c.day);
    LoadAces(w.form, 0);
    EXPECT_EQ(w.SlotOf(0, "Jim Ace") >= 0, c.joins) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(LoadAces, AServiceWithoutAnEndLastsToTheWarsLastYears) {
  AcesWorld w("[USMC_VMF_1210]\r\n  010 000 080 Bob Ace @DGen\\Photo *31 &1917Lima~19420101\r\n");
  w.SetDate(1949, 1, 11);
  LoadAces(w.form, 0);
  EXPECT_GE(w.SlotOf(0, "Bob Ace"), 0);
}

TEST(LoadAces, ThePlacedAceTakesTheWeakestComputerPilotsSlotWithHisRecord) {
  AcesWorld w;
  w.Pilot(0, 0).RosterSorties = "010";
  w.Pilot(0, 1).RosterSorties = "005";
  w.Pilot(0, 2).RosterSorties = "005";
  w.Pilot(0, 3).RosterSorties = "001";
  w.Pilot(0, 3).RosterMarker = "^";
  LoadAces(w.form, 0);
  const PilotEntry& ace = w.Pilot(0, 1);
  EXPECT_EQ(ace.RosterName, "Jim Ace");
  EXPECT_EQ(ace.RosterKills, "031");
  EXPECT_EQ(ace.RosterGroundKills, "002");
  EXPECT_EQ(ace.RosterSorties, "120");
  EXPECT_EQ(ace.RosterPhoto, "DGen\\aces\\jim");
  EXPECT_EQ(ace.RosterRank, "6");
  EXPECT_EQ(ace.RosterMedalCount, "4");
  EXPECT_EQ(ace.RosterBirthDate, "1915");
  EXPECT_EQ(ace.RosterHomeTown, "Sioux Falls");
  EXPECT_EQ(ace.RosterMarker, " ");
  EXPECT_EQ(ace.RosterSkin, "1vmf.bmp");
  EXPECT_EQ(ace.RosterNoseArt, "");
  EXPECT_EQ(w.CampaignFile("aces.dat"), "Jim Ace\r\n");
  EXPECT_NE(w.CampaignFile("pilot.tavrek").find(" 031 002 120 Jim Ace @"), std::string::npos);
  EXPECT_EQ(w.form.CampaignNews, "Colonel Jim Ace has joined USMC_VMF_1210 Squadron. ");
  EXPECT_EQ(w.form.Events.Caption,
            "Jim Ace - EVENT: 06/04/1945: Reported for duty with the squadron.\r\n");
}

TEST(LoadAces, AnAcePlacedBeforeIsNeverPlacedAgain) {
  AcesWorld w;
  w.WriteCampaignFile("aces.dat", "Someone\r\nJim Ace\r\n");
  LoadAces(w.form, 0);
  EXPECT_EQ(w.SlotOf(0, "Jim Ace"), -1);
}

TEST(LoadAces, AnAceOfAnotherSquadronComesWithNewsOnlyForThePlayers) {
  AcesWorld w;
  LoadAces(w.form, 1);
  EXPECT_GE(w.SlotOf(1, "Jim Ace"), 0);
  EXPECT_EQ(w.form.CampaignNews, "");
  EXPECT_EQ(w.form.Events.Caption, "");
}

TEST(LoadAces, AnAceServingElsewhereMovesToTheSquadronWhoseServiceIsOpen) {
  for (const std::string flag : {"N", "Y"}) {
    AcesWorld w;
    w.form.NewCampaignFlag = flag;
    w.Pilot(1, 6).RosterName = "Jim Ace";
    w.Pilot(0, 9).RosterSorties = "003";
    LoadAces(w.form, 0);
    EXPECT_EQ(w.Pilot(0, 9).RosterName, "Jim Ace") << flag;
    EXPECT_EQ(w.Pilot(1, 6).RosterName, "Pilot 0_9") << flag;
    EXPECT_EQ(w.CampaignFile("aces.dat"), "") << flag;
    EXPECT_EQ(w.form.CampaignNews.empty(), flag == "Y") << flag;
  }
}

TEST(LoadAces, OnlyTheFirstAceInServiceOfASectionComesInOneCall) {
  AcesWorld w(
      "[USMC_VMF_1210]\r\n  001 000 010 Ann Early @DGen\\Photo *10 &1920A~19400101 to "
      "19410101\r\n" +
      kAce + "\r\n  002 000 020 Ben Second @DGen\\Photo *20 &1921B~19420101\r\n");
  LoadAces(w.form, 0);
  EXPECT_GE(w.SlotOf(0, "Jim Ace"), 0);
  EXPECT_EQ(w.SlotOf(0, "Ben Second"), -1);
  EXPECT_EQ(w.SlotOf(0, "Ann Early"), -1);
}

TEST(LoadAces, AHeaderNamesItsSquadronsByTheBeginningOfAWord) {
  AcesWorld w("[XUSMC_VMF_1210 USN_VF_1000]\r\n" + kAce + "\r\n");
  LoadAces(w.form, 0);
  EXPECT_EQ(w.SlotOf(0, "Jim Ace"), -1);
  LoadAces(w.form, 1);
  EXPECT_GE(w.SlotOf(1, "Jim Ace"), 0);
}

TEST(LoadAces, ASquadronOfHumansHasNoSlotForAnAce) {
  AcesWorld w;
  for (int slot = 0; slot < 16; ++slot) w.Pilot(0, slot).RosterMarker = "^";
  LoadAces(w.form, 0);
  EXPECT_EQ(w.SlotOf(0, "Jim Ace"), -1);
  EXPECT_FALSE(FileExists(w.campaign.Path() + "aces.dat"));
  EXPECT_TRUE(w.Logged("The ace Jim Ace finds no computer pilot's slot in USMC_VMF_1210"));
}

TEST(LoadAces, AnAceLineWithoutItsDatesIsLoggedAndPassedOver) {
  AcesWorld w("[USMC_VMF_1210]\r\n  001 000 010 Bad Dates @DGen\\Photo *10 &1920A~soon\r\n" + kAce +
              "\r\n");
  LoadAces(w.form, 0);
  EXPECT_TRUE(w.Logged("has no service dates; left out."));
  EXPECT_GE(w.SlotOf(0, "Jim Ace"), 0);
}

}  // namespace
