#include "mission_results/bomber_crew.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/mission_results/roster_world.h"

namespace {

struct CrewWorld : RosterWorld {
  explicit CrewWorld(const std::string& aircraft = "Class air.B_25J1") {
    AddSquadron({.name = "USA_BS_8220", .nation = "us", .role = "2", .class_line = aircraft});
    form.PlayerName = "Jack Ransom";
  }
  void CareerGenerator() {
    form.AutoGeneration.Checked = true;
    form.DGENBoot.Checked = true;
  }
  const CrewPositionTableType& Crew() const { return form.CrewPositionTable; }
};

TEST(LoadCrewSeats, TheSeatsOfThePlayersAircraftInTheirOrder) {
  CrewWorld w;
  w.WriteCampaignFile("data/crewseats.tavrek", "ignored");
  w.form.CampaignDataFolder = w.campaign.Path() + "data/";  // never replaces the program's file
  LoadCrewSeats(w.form);
  EXPECT_EQ(w.Crew().CrewSeatLabel[0], "Pilot");
  EXPECT_EQ(w.Crew().CrewSeatLabel[1], "Co-Pilot");
  EXPECT_EQ(w.Crew().CrewSeatLabel[5], "Gunner#1");

  w.form.SquadronTable[0].SquadronClass = "Class air.SBD5";
  LoadCrewSeats(w.form);
  EXPECT_EQ(w.Crew().CrewSeatLabel[1], "Gunner#1");
  EXPECT_EQ(w.Crew().CrewSeatLabel[2], "") << "no seat of the last aircraft stays behind";

  w.form.SquadronTable[0].SquadronClass = "Class air.NoSuchType";
  LoadCrewSeats(w.form);
  EXPECT_EQ(w.Crew().CrewSeatLabel[0], "");
}

TEST(LoadCrewSeats, ASectionLongerThanTheCrewIsCut) {
  CrewWorld w("Class air.Huge");
  std::string file = "[Huge]\r\n";
  for (int seat = 0; seat < 14; ++seat) file += "Gunner#" + std::to_string(seat) + "\r\n";
  w.world.program_folder.Write("data/crewseats.tavrek", file);
  LoadCrewSeats(w.form);
  EXPECT_EQ(w.Crew().CrewSeatLabel[10], "Gunner#10");
  EXPECT_TRUE(w.Logged("lists more than 11 seats"));
}

TEST(CreateCrew, TheCareerGeneratorDrawsANewCrewOfTheNation) {
  CrewWorld w;
  w.CareerGenerator();
  CreateCrew(w.form);
  for (int position = 1; position < kCrewPositions; ++position) {
    EXPECT_FALSE(w.Crew().CrewMemberName[position].empty());
    EXPECT_EQ(w.Crew().CrewMemberMissions[position], "000");
  }
  EXPECT_EQ(w.Crew().CrewPositionName[2], "Bombadier");
  const std::string file = w.CampaignFile("crew.tavrek");
  EXPECT_EQ(file.substr(0, 13), "[Crew Pool]\r\n");
  EXPECT_NE(file.find(" (Gunner#6)\r\n"), std::string::npos);
}

TEST(CreateCrew, OutsideTheCareerGeneratorNoCrewIsMade) {
  CrewWorld w;
  CreateCrew(w.form);
  EXPECT_EQ(w.Crew().CrewMemberName[1], "");
  EXPECT_EQ(w.Crew().CrewPositionName[10], "Gunner#6");
  SaveCrew(w.form);
  EXPECT_EQ(w.CampaignFile("crew.tavrek"), "");
}

TEST(LoadCrew, OnlyLinesInPositionOrderAreRead) {
  CrewWorld w;
  w.WriteCampaignFile("crew.tavrek",
                      "[Crew Pool]\r\n"
                      "  004 Walter Briggs (Co-Pilot)\r\n"
                      "  002 Leo Franz (Gunner#1)\r\n"
                      "  007 Henry Polk (Bombadier)\r\n");
  LoadCrew(w.form);
  EXPECT_EQ(w.Crew().CrewMemberName[0], "Jack Ransom");
  EXPECT_EQ(w.Crew().CrewMemberMissions[0], "000");
  EXPECT_EQ(w.Crew().CrewMemberName[1], "Walter Briggs");
  EXPECT_EQ(w.Crew().CrewMemberName[2], "Henry Polk");
  EXPECT_EQ(w.Crew().CrewMemberMissions[2], "007");
  EXPECT_EQ(w.Crew().CrewMemberName[5], "") << "Gunner#1 came while the Bombadier was due";
}

TEST(LoadCrew, WithoutItsHeaderNothingIsRead) {
  CrewWorld w;
  w.WriteCampaignFile("crew.tavrek", "  004 Walter Briggs (Co-Pilot)\r\n");
  LoadCrew(w.form);
  EXPECT_EQ(w.Crew().CrewMemberName[0], "");
  EXPECT_EQ(w.Crew().CrewMemberName[1], "");
}

}  // namespace
