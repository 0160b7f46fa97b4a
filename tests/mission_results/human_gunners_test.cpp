#include "mission_results/human_gunners.h"

#include <gtest/gtest.h>

#include <string>

#include "mission_results/pilot_roster.h"
#include "tests/mission_results/roster_world.h"

namespace {

struct GunnerWorld : RosterWorld {
  GunnerWorld() {
    AddSquadron({.name = "USN_VF_830", .nation = "un", .army = "1"});
    AddSquadron({.name = "IJN_KOKU_3430", .nation = "in", .army = "2"});
    WriteCampaignFile("pilot.tavrek", "[USN_VF_830]\r\n" + PilotLines("Navy") +
                                          "[IJN_KOKU_3430]\r\n" + PilotLines("Kaigun"));
  }
};

TEST(LoadGunner, ReadsEachCrewmanAndTheArmyOfHisSquadron) {
  GunnerWorld w;
  w.WriteCampaignFile("gunner.tavrek",
                      "[Human Gunners]\r\n"
                      "  002 000 014 Jim Brown @USN_VF_830 #DGen\\Photo *10 &1921Norfolk\r\n"
                      "  001 003 020 Ken Sato @IJN_KOKU_3430 #DGen\\JA\\02 *21 &1920Kure\r\n"
                      "  000 000 001 Lone Wolf @NoSuchUnit #DGen\\Photo *00 &1922Nowhere\r\n");
  LoadGunner(w.form);
  ASSERT_EQ(w.form.LastGunner, 3);
  const GunnerEntry& jim = w.form.GunnerTable[1];
  EXPECT_EQ(jim.GunnerName, "Jim Brown");
  EXPECT_EQ(jim.GunnerSquadron, "USN_VF_830");
  EXPECT_EQ(jim.GunnerKills, "002");
  EXPECT_EQ(jim.GunnerSorties, "014");
  EXPECT_EQ(jim.GunnerRank, "1");
  EXPECT_EQ(jim.GunnerMedalCount, "0");
  EXPECT_EQ(jim.GunnerBirthDate, "1921");
  EXPECT_EQ(jim.GunnerCity, "Norfolk");
  EXPECT_EQ(jim.GunnerArmy, "1");
  EXPECT_EQ(w.form.GunnerTable[2].GunnerPhoto, "DGen\\JA\\02");
  EXPECT_EQ(w.form.GunnerTable[2].GunnerArmy, "2");
  EXPECT_EQ(w.form.GunnerTable[3].GunnerArmy, "0");
}

TEST(LoadGunner, AHeaderAloneOrNoFileMeansNoCrewmen) {
  GunnerWorld w;
  w.form.LastGunner = 5;
  LoadGunner(w.form);
  EXPECT_EQ(w.form.LastGunner, 0);
  w.WriteCampaignFile("gunner.tavrek", "[Human Gunners]\r\n");
  LoadGunner(w.form);
  EXPECT_EQ(w.form.LastGunner, 0);
  SaveGunner(w.form);
  EXPECT_EQ(w.CampaignFile("gunner.tavrek"), "[Human Gunners]\r\n");
}

TEST(SaveGunner, ACrewmanWhoIsARosterPilotJoinsHisRecord) {
  GunnerWorld w;
  LoadPilots(w.form);
  w.WriteCampaignFile("gunner.tavrek",
                      "[Human Gunners]\r\n"
                      "  009 004 900 Navy 3 @USN_VF_830 #DGen\\UN\\02 *31 &1917Akron\r\n"
                      "  001 000 002 Jim Brown @USN_VF_830 #DGen\\Photo *00 &1921Norfolk\r\n");
  LoadGunner(w.form);
  w.Pilot(0, 3).RosterKills = "002";
  w.Pilot(0, 3).RosterSorties = "200";
  SaveGunner(w.form);
  const PilotEntry& pilot = w.Pilot(0, 3);
  EXPECT_EQ(pilot.RosterKills, "011");
  EXPECT_EQ(pilot.RosterGroundKills, "004");
  EXPECT_EQ(pilot.RosterSorties, "999") << "a sum above the field's width stays at its largest";
  EXPECT_EQ(pilot.RosterRank, "3");
  EXPECT_EQ(pilot.RosterMedalCount, "1");
  EXPECT_EQ(pilot.RosterHomeTown, "Akron");
  EXPECT_EQ(pilot.RosterBirthDate, "1917");
  EXPECT_EQ(pilot.RosterPhoto, "DGen\\UN\\02");
  EXPECT_EQ(w.CampaignFile("gunner.tavrek"),
            "[Human Gunners]\r\n"
            "  001 000 002 Jim Brown @USN_VF_830 #DGen\\Photo *00 &1921Norfolk\r\n");
  EXPECT_NE(
      w.CampaignFile("pilot.tavrek").find("  011 004 999 Navy 3 @DGen\\UN\\02 *31 &1917Akron"),
      std::string::npos);
}

TEST(SaveGunner, RecordsAreRepairedBeforeTheyAreWritten) {
  GunnerWorld w;
  LoadPilots(w.form);
  w.form.LastGunner = 2;
  GunnerEntry& gunner = w.form.GunnerTable[1];
  gunner.GunnerName = "Ted Ross";
  gunner.GunnerSquadron = "USN_VF_830";
  gunner.GunnerKills = "7";
  gunner.GunnerGroundKills = "bad";
  gunner.GunnerSorties = "1234";
  gunner.GunnerRank = "";
  gunner.GunnerMedalCount = "12";
  gunner.GunnerPhoto = "C:\\pictures\\me";
  gunner.GunnerBirthDate = "19";
  gunner.GunnerCity = "Ox";
  GunnerEntry& second = w.form.GunnerTable[2];
  second = gunner;
  second.GunnerName = "Al Hunt";
  second.GunnerPhoto = "dgen\\US\\03";
  second.GunnerCity = "Ely";
  SaveGunner(w.form);
  EXPECT_EQ(w.CampaignFile("gunner.tavrek"),
            "[Human Gunners]\r\n"
            "  007 000 999 Ted Ross @USN_VF_830 #DGen\\Photo *00 &1920Unknown\r\n"
            "  007 000 999 Al Hunt @USN_VF_830 #dgen\\US\\03 *00 &1920Ely\r\n");
}

TEST(SaveGunner, AnEmptyNameNeverMatchesAnEmptyRosterSlot) {
  GunnerWorld w;
  LoadPilots(w.form);
  w.Pilot(1, 4).RosterName.clear();
  w.form.LastGunner = 1;
  w.form.GunnerTable[1] = GunnerEntry{};
  w.form.GunnerTable[1].GunnerRank = "5";
  SaveGunner(w.form);
  EXPECT_NE(w.Pilot(1, 4).RosterRank, "5");
  EXPECT_EQ(w.CampaignFile("gunner.tavrek"), "[Human Gunners]\r\n");
}

}  // namespace
