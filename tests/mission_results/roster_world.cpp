#include "tests/mission_results/roster_world.h"

#include "campaign_data/messages.h"
#include "campaign_data/text.h"
#include "tests/support/installed_program.h"

RosterWorld::RosterWorld(int campaign_year, std::vector<std::string> command_line)
    : world(std::move(command_line)), form(*world.form) {
  world.InstallProgramData();
  form.CampaignFolder = campaign.Path();
  form.GameFolder = game.Path();
  form.CampaignYear = campaign_year;
  form.CampaignMonth = 4;
  form.CampaignDay = 6;
  form.CampaignDateText = "06/04/" + IntToStr(campaign_year);
  form.LastSquadron = -1;
  GetMessages(form);
  form.Rand.SetSeed(20240601);
}

int RosterWorld::AddSquadron(const SquadronSetup& setup) {
  const int index = ++form.LastSquadron;
  SquadronEntry& squadron = form.SquadronTable[index];
  squadron.SquadronName = setup.name;
  squadron.SquadronFullName = setup.name + " Squadron";
  squadron.SquadronNation = setup.nation;
  squadron.SquadronRole = setup.role;
  squadron.TypeGameName = setup.type_game_name;
  squadron.SquadronClass = setup.class_line;
  squadron.SquadronHomeBase = setup.home_base;
  squadron.PlanesMax = setup.planes_max;
  squadron.PlanesAvailable = setup.planes_max;
  squadron.PlanesExtra = setup.planes_extra;
  squadron.PlanesFlight = setup.planes_flight;
  squadron.SquadronMarkings = setup.markings;
  squadron.SquadronSkin = setup.skin;
  squadron.SquadronArmy = setup.army;
  squadron.TypeDescription = setup.type_game_name + " fighter";
  squadron.TypeDescriptionAtLoad = squadron.TypeDescription;
  return index;
}

PilotEntry& RosterWorld::Pilot(int squadron, int slot) {
  return form.PilotRoster[RosterIndex(squadron, slot)];
}

std::vector<std::string> RosterWorld::Log() const {
  return RunLogMessages(form);
}

bool RosterWorld::Logged(const std::string& part) const {
  for (const std::string& line : Log()) {
    if (line.find(part) != std::string::npos) return true;
  }
  return false;
}

std::string PilotLines(const std::string& name_prefix, int count) {
  std::string text;
  for (int n = 0; n < count; ++n) {
    text += "  000 000 000 " + name_prefix + " " + IntToStr(n) + " @DGen\\Photo *00 &1920Town\r\n";
  }
  return text;
}

std::string ReplaceLine(std::string text, const std::string& start, const std::string& line) {
  const size_t at = text.find(start);
  if (at == std::string::npos) return text;
  const size_t end = text.find("\r\n", at);
  return text.replace(at, end - at, line);
}
