#include "tests/mission_generation/builder_campaign.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "campaign_data/messages.h"
#include "campaign_data/text.h"
#include "platform/text_file.h"
#include "tests/support/mission_checker.h"

namespace {

// Whole metres of a location's position, shifted, as a waypoint position.
std::string Beside(const TMainForm& form, int location, int dx, int dy) {
  const std::string& position = form.LocationTable[location].LocationPosition;
  const long long x = StrToInt(position.substr(0, position.find('.'))) + dx;
  const std::string y_text = position.substr(position.find(' ') + 1);
  const long long y = StrToInt(y_text.substr(0, y_text.find('.'))) + dy;
  return IntToStr(x) + ".00 " + IntToStr(y) + ".00";
}

}  // namespace

BuilderCampaign::BuilderCampaign() {
  TMainForm& f = form();
  world.InstallProgramData();
  f.CampaignFolder = world.program_folder.Path() + "campaign/";
  f.CampaignDataFolder = f.ProgramFolder + "data/";
  f.GameFolder = world.program_folder.Path() + "game/";
  std::filesystem::create_directories(f.CampaignFolder);
  GetMessages(f);
  f.GameID = "1946";
  f.BattleName = "Lakes45";
  f.MapName = "Lakeland";
  f.CampaignDay = 6;
  f.CampaignMonth = 4;
  f.CampaignYear = 1945;
  f.CampaignDateText = "06/04/1945";
  f.EndDate = "30/06/1945";
  f.EndDateVictor = "Red";
  f.MissionTime = "0";
  f.FrontCenterPosition = "30000.00 30000.00";
  f.FlightsPerSquadron = 2;
  f.OilSupply = {100, 100};
  f.PlayerName = "Player Pilot 0";
  f.RandomTransitAltitude = 2000;
  f.Rand.SetSeed(4242);
  for (int l = 0; l <= f.LastLocation; ++l) f.LocationTable[l].LocationArmy = l == 4 ? "2" : "1";
}

int BuilderCampaign::AddFlyingSquadron(const std::string& name, const std::string& role,
                                       const std::string& army, int base_location,
                                       int target_location, int planes, int per_flight) {
  const int i = AddSquadron(name, role, army, base_location, target_location);
  TMainForm& f = form();
  SquadronEntry& squadron = f.SquadronTable[i];
  squadron.SquadronInMission = "Y";
  squadron.PlanesFlight = IntToStr(planes);
  squadron.PlanesAvailable = IntToStr(planes);
  squadron.PlanesExtra = per_flight;
  squadron.SquadronSkill = "Skill 1";
  squadron.SquadronBaseClass = squadron.SquadronClass;
  squadron.SquadronFuel = "Fuel 100";
  squadron.SquadronActive = "Active True ";
  squadron.SquadronAI = "AI True";
  squadron.SquadronFlyable = "1";
  squadron.SquadronRadio = "Radio";
  squadron.SquadronNation = army == "1" ? "us" : "ja";
  squadron.SquadronFullName = name + " Squadron";
  squadron.TypeGameName = "Test" + role;
  squadron.TypeDescription = "Test type " + role;
  squadron.SquadronMissionType = "Patrol";
  squadron.SquadronBriefing = "Fly to the target.";
  squadron.SquadronHalfWayLeg =
      "  NORMFLY " + Beside(f, target_location, -8000, -8000) + " <ALTITUDE> 300.00\r\n";
  squadron.SquadronTargetLeg =
      "  NORMFLY " + f.LocationTable[target_location].LocationPosition + " <ALTITUDE> 300.00 \r\n";
  squadron.SquadronReturnLeg =
      "  NORMFLY " + Beside(f, target_location, -15000, 5000) + " <ALTITUDE> 300.00\r\n";
  FillRoster(i);
  return i;
}

void BuilderCampaign::FillRoster(int squadron) {
  TMainForm& f = form();
  const std::string& name = f.SquadronTable[squadron].SquadronName;
  for (int slot = 0; slot < 16; ++slot) {
    PilotEntry& pilot = f.PilotRoster[RosterIndex(squadron, slot)];
    pilot.RosterName = (squadron == 0 ? std::string("Player") : name) + " Pilot " + IntToStr(slot);
    pilot.RosterRank = "1";
    pilot.RosterKills = "0";
    pilot.RosterGroundKills = "0";
    pilot.RosterSorties = "005";
    pilot.RosterMarker = " ";
    pilot.RosterSkin = "1default.bmp";
    pilot.RosterNoseArt = "None";
  }
}

std::string BuilderCampaign::CampaignFile(const std::string& name) const {
  return ReadFileBytes(world.form->CampaignFolder + name);
}

void ExpectLoadableMission(const TMainForm& form) {
  EXPECT_THAT(MissionProblems(form.MissionFileText), ::testing::IsEmpty()) << form.MissionFileText;
}
