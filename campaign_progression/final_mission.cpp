#include "campaign_progression/final_mission.h"

#include <array>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "platform/text_file.h"

namespace {

constexpr int kLowestCloudHeight = 1000;
constexpr int kCloudHeightRange = 500;

struct FixedMapLine {
  std::string_view map;
  std::string_view path;
};

// Maps whose load file is not "<map>/load.ini".
constexpr std::array<FixedMapLine, 12> kFixedMapLines{{
    {"Marianas_Online", "Marianas/Online_load.ini"},
    {"Singapore", "singapore/load2.ini"},
    {"Singapore1", "singapore/load.ini"},
    {"NEEurope", "NWEurope/load.ini"},
    {"Murmansk", "murmansk/load.ini"},
    {"Ardennes", "Ardennes/sload.ini"},
    {"Crimea41", "Crimea/load.ini"},
    {"Torch", "SandsofTime/load.ini"},
    {"Normandy", "Normandy/load2.ini"},
    {"Normandy1", "Normandy/load1.ini"},
    {"Guadal", "Guadal/eload.ini"},
    {"Guadal43", "Guadal/load.ini"},
}};

bool Winter(int month, int last_summer_month) {
  return month < 3 || month > last_summer_month;
}

}  // namespace

std::string FinalMissionMapPath(const TMainForm& form) {
  const std::string& map = form.MapName;
  const int month = form.CampaignMonth;
  std::string path = map + "/load.ini";
  for (const FixedMapLine& fixed : kFixedMapLines) {
    if (map == fixed.map) path = std::string(fixed.path);
  }
  if (map == "Net8Islands" && !form.PalmTrees.Checked) path = "Net8Islands/load_v2.ini";
  if (map == "Normandy" && (form.Dogfight.Checked || form.NormandyBaseOption)) {
    path = "Normandy/load.ini";
  }
  if ((map == "Stgrad" || map == "Moscow") && !Winter(month, 10)) path = map + "/sload.ini";
  if ((map == "Ardennes" || map == "Kurland") && Winter(month, 10)) path = map + "/wload.ini";
  if (map == "Kurland_Online") {
    path = Winter(month, 10) ? "Kurland/wload_online.ini" : "Kurland/load_online.ini";
  }
  if ((map == "Balaton" || map == "FinsGulf") && Winter(month, 11)) path = map + "/load_w.ini";
  if (form.MapLoadPath != "None" && form.MapLoadPath.size() > 4) path = form.MapLoadPath;
  return path;
}

std::string FinalMissionText(TMainForm& form) {
  const SquadronEntry& player = form.SquadronTable[0];
  const std::string flight = player.SquadronName + "0";
  const std::vector<std::string> lines{
      "[MAIN]",
      "  MAP " + FinalMissionMapPath(form),
      "  TIME 12.0",
      "  CloudType " + IntToStr(form.CurrentConditions),
      "  CloudHeight " + IntToStr(kLowestCloudHeight + form.Random(kCloudHeightRange)),
      "  player " + flight,
      "  army " + player.SquadronArmy,
      "  playerNum 0",
      "[WING]",
      "  " + flight,
      "[" + flight + "]",
      "  Planes 1",
      "  " + player.SquadronSkill,
      "  " + player.SquadronClass,
      "  " + player.SquadronFuel,
      "  weapons default",
      "[" + flight + "_Way]",
      "  NORMFLY 5000.00 5000.00 1000.0 300.0 ",
      "  NORMFLY 10000.00 10000.00 1000.0 300.0 ",
      "[Chiefs]",
      "[Stationary]",
      "[NStationary]",
      "[Target]",
      "[StaticCamera]",
      "[Bridge]",
  };
  return JoinLinesCrLf(lines) + "[House]";
}

std::string FinalMissionProperties(const std::string& message) {
  return "Name Dynamic Mission\r\nShort Tavrek.\r\nDescription \\n\\n" + message;
}
