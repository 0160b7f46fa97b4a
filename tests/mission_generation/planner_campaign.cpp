#include "tests/mission_generation/planner_campaign.h"

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/random_generator.h"
#include "campaign_data/text.h"
#include "mission_generation/near_enemy.h"
#include "mission_generation/plan_input_checks.h"
#include "mission_generation/plan_prologue.h"
#include "mission_generation/planner.h"

namespace {

struct Place {
  const char* name;
  const char* army;
  int x_km;
  int y_km;
  const char* off_map;
};

constexpr Place kPlaces[] = {
    {"Allied_Airfield", "1", 20, 50, "N"}, {"Allied_Town", "1", 30, 70, "N"},
    {"Front_Town", "0", 50, 50, "N"},      {"Axis_Airfield", "2", 80, 50, "N"},
    {"Axis_Town", "2", 70, 30, "N"},       {"Axis_Factory", "2", 90, 70, "N"},
    {"River_Bridge", "2", 60, 40, "N"},    {"Allied_Harbor", "1", 10, 30, "N"},
    {"Axis_Station", "2", 100, 40, "N"},   {"East_Sea", "0", 40, 0, "N"},
    {"Far_Airfield", "2", 300, 50, "Y"},   {"Allied_Airstrip", "1", 15, 80, "N"},
};

std::string Metres(long long metres) {
  return IntToStr(metres) + ".00";
}

void FillMessages(TMainForm& form) {
  auto& briefs = form.Messages.Message[static_cast<int>(MessageSection::kBriefs)];
  auto& summaries = form.Messages.Message[static_cast<int>(MessageSection::kSummaries)];
  for (int n = 0; n < kMessageLinesPerSection; ++n) {
    briefs[n] = "B" + IntToStr(n);
    summaries[n] = "S" + IntToStr(n) + " <TGTNAME>";
  }
  for (int n : {19, 20}) summaries[n] = "S" + IntToStr(n) + " <TGTNAME> <SQUAD> <PLANE>";
  for (int n : {21, 22}) summaries[n] = "S" + IntToStr(n) + " <TGTNAME> <PLANE>";
  for (int n : {24, 30}) summaries[n] = "S" + IntToStr(n) + " <TGTNAME1> <TGTNAME2>";
  form.Messages.Message[static_cast<int>(MessageSection::kErrors)][6] = "E6";
}

}  // namespace

PlannerCampaign::PlannerCampaign() {
  TMainForm& f = form();
  SetOptionDefaults(f);
  f.CampaignFolder = world.program_folder.Path();
  f.SquadronDensity.Text = "Full";
  f.SquadronDensityLevel = 0;
  f.TransitAltBox.Text = "Default";
  f.CruiseBox.Text = "Default";
  f.IngressBox.Text = "Default";
  f.CampaignDay = 15;
  f.CampaignMonth = 6;
  f.CampaignYear = 1944;
  f.MissionTime = "1";
  f.MapName = "Testland";
  f.MapTitle = "Testland";
  f.PatrolText[0] = "Allied_Patrol";
  f.PatrolText[2] = "30000";
  f.PatrolText[3] = "10000";
  f.PatrolText[12] = "Axis_Patrol";
  f.PatrolText[14] = "90000";
  f.PatrolText[15] = "10000";
  FillMessages(f);

  int j = 0;
  for (const Place& place : kPlaces) {
    LocationEntry& location = f.LocationTable[j++];
    location.LocationName = place.name;
    location.LocationArmy = place.army;
    location.LocationPosition = Metres(place.x_km * 1000LL) + " " + Metres(place.y_km * 1000LL);
    location.LocationOffMap = place.off_map;
  }
  f.LastLocation = j - 1;
  f.FrontCenterIndex = kFrontTown;
  f.FrontCenterName = "Front_Town";
  f.FrontCenterPosition = f.LocationTable[kFrontTown].LocationPosition;
}

void PlannerCampaign::KeepLocations(const std::vector<int>& locations) {
  TMainForm& f = form();
  std::vector<LocationEntry> kept;
  for (int j : locations) kept.push_back(f.LocationTable[j]);
  for (int j = 0; j <= f.LastLocation; ++j) f.LocationTable[j] = LocationEntry{};
  f.FrontCenterIndex = -1;
  f.FrontCenterName.clear();
  f.FrontCenterPosition.clear();
  for (size_t k = 0; k < kept.size(); ++k) {
    f.LocationTable[static_cast<int>(k)] = kept[k];
    if (kept[k].LocationName == "Front_Town") {
      f.FrontCenterIndex = static_cast<int>(k);
      f.FrontCenterName = kept[k].LocationName;
      f.FrontCenterPosition = kept[k].LocationPosition;
    }
  }
  f.LastLocation = static_cast<int>(kept.size()) - 1;
}

int PlannerCampaign::Location(const std::string& name) const {
  const TMainForm& f = *world.form;
  for (int j = 0; j <= f.LastLocation; ++j) {
    if (f.LocationTable[j].LocationName == name) return j;
  }
  return -1;
}

int PlannerCampaign::AddSquadron(const std::string& name, const std::string& side,
                                 const std::string& role, int base_location) {
  const LocationEntry& base = form().LocationTable[base_location];
  const int s = AddShipSquadron(name, side, role, base.LocationName, base.LocationPosition);
  return s;
}

int PlannerCampaign::AddShipSquadron(const std::string& name, const std::string& side,
                                     const std::string& role, const std::string& unit,
                                     const std::string& position) {
  TMainForm& f = form();
  const int s = ++f.LastSquadron;
  SquadronEntry& q = f.SquadronTable[s];
  q = SquadronEntry{};
  q.SquadronName = name;
  q.SquadronFullName = name + " Squadron";
  q.SquadronArmy = side;
  q.SquadronRole = role;
  q.SquadronNation = side == "1" ? "us" : "de";
  q.SquadronClass = "Class air.Type" + role;
  q.TypeDescription = "Type" + role;
  q.SquadronFlyable = "1";
  q.SquadronActive = "Active False";
  q.SquadronAI = "AI True";
  q.PlanesAvailable = "12";
  q.PlanesFlight = "12";
  q.PlanesMax = "16";
  q.PlanesExtra = 4;
  q.TypeTransitAlt = "3000 Meters";
  q.TypeCruiseSpeed = "300.00 kph";
  q.TypeIngressSpeed = "350.00 kph";
  q.TypeRange = "Default";
  q.TypeDefaultWeapons = "default";
  q.TypePayload2 = "rockets";
  q.TypePayload3 = "guns";
  q.TypePayload4 = "bombs";
  q.TypePayload5 = "none";
  q.TypePayload6 = "none";
  q.SquadronWeapons = "default";
  q.SquadronHomeBase = unit;
  q.SquadronTakeOffLeg = "TAKEOFF " + position;
  q.SquadronLandingLeg = "LANDING " + position;
  return s;
}

int PlannerCampaign::AddColumn(const std::string& kind, const std::string& side,
                               const std::string& place, const std::string& destination,
                               const std::vector<std::string>& route) {
  TMainForm& f = form();
  const int c = ++f.LastColumn;
  ColumnEntry& column = f.ColumnTable[c];
  column = ColumnEntry{};
  column.ColumnName = IntToStr(c) + "_Chief";
  column.ColumnType = column.ColumnName + " " + kind + " " + side;
  column.ColumnUnitName = "Unit_" + IntToStr(c);
  column.ColumnArmy = side;
  column.ColumnPlace = place;
  column.ColumnDestination = destination;
  column.ColumnMarks = "A";
  column.ColumnInMission = "Y";
  for (size_t k = 0; k < route.size(); ++k) column.ColumnRoute[static_cast<int>(k)] = route[k];
  column.ColumnLastRoutePoint = static_cast<int>(route.size()) - 1;
  return c;
}

std::vector<std::string> PlannerCampaign::StraightRoute(int from, int to, int points) const {
  const TMainForm& f = *world.form;
  const WholeMetrePoint a = ReadWholeMetres(f.LocationTable[from].LocationPosition);
  const WholeMetrePoint b = ReadWholeMetres(f.LocationTable[to].LocationPosition);
  std::vector<std::string> route;
  for (int k = 0; k < points; ++k) {
    const long long x = a.x + (b.x - a.x) * k / std::max(points - 1, 1);
    const long long y = a.y + (b.y - a.y) * k / std::max(points - 1, 1);
    route.push_back(Metres(x) + " " + Metres(y) + " 120.00");
  }
  return route;
}

PlanRun& PlannerCampaign::Prepare() {
  TMainForm& f = form();
  f.LastScratchLocation = f.LastLocation;
  run_ = std::make_unique<PlanRun>(f);
  FindEffectiveBases(f, *run_);
  MarkLocationsNearEnemy(f, *run_);
  StartLaunchLoads(f, *run_);
  ResetMissionFields(f);
  LeaveOutUnplannableSquadrons(f, *run_);
  LeaveOutUnplannableColumns(f, *run_);
  return *run_;
}

void PlannerCampaign::Fly(int squadron) {
  form().SquadronTable[squadron].SquadronInMission = "Y";
}

void PlannerCampaign::Plan(std::uint32_t seed) {
  form().Rand.SetSeed(seed);
  GenerateWays(form());
}

std::uint32_t SeedGiving(const std::vector<Draw>& draws) {
  int last = 0;
  for (const Draw& draw : draws) last = std::max(last, draw.index);
  for (std::uint32_t seed = 1; seed < 100000000; ++seed) {
    RandomGenerator generator;
    generator.SetSeed(seed);
    std::vector<std::uint32_t> seeds;
    for (int k = 0; k <= last; ++k) {
      generator.Random(1);
      seeds.push_back(generator.Seed());
    }
    bool fits = true;
    for (const Draw& draw : draws) {
      const int result = static_cast<int>(
          (static_cast<std::uint64_t>(draw.n) * seeds[static_cast<size_t>(draw.index)]) >> 32);
      fits = fits && (draw.nonzero ? result != 0 : result == draw.result);
    }
    if (fits) return seed;
  }
  ADD_FAILURE() << "No seed gives the draws asked for.";
  return 0;
}

std::uint32_t SeedAfter(std::uint32_t seed, int count) {
  RandomGenerator generator;
  generator.SetSeed(seed);
  for (int k = 0; k < count; ++k) generator.Random(1);
  return generator.Seed();
}
