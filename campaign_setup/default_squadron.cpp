#include "campaign_setup/default_squadron.h"

#include <array>
#include <vector>

#include "app/main_form.h"
#include "campaign_setup/campaign_creation.h"
#include "mission_results/name_lists.h"
#include "mission_results/new_pilots.h"

namespace {

// From `year` on the squadron flies `aircraft` (and, when set, is renamed `name`).
struct YearStep {
  int year;
  std::string_view aircraft;
  std::string_view name = {};
};

struct DefaultRow {
  std::string_view service;
  std::string_view name;
  std::string_view nation;
  std::string_view army;
  std::string_view skin;
  std::string_view skill;
  std::string_view first_aircraft;
  std::vector<YearStep> steps;
};

const std::vector<DefaultRow>& DefaultRows() {
  static const std::vector<DefaultRow> rows{
      {"Finnish",
       "fiLLv16fi0",
       "fi",
       "2",
       "default",
       "Skill 2",
       "Class air.F2A_B239",
       {{1944, "Class air.BF_109G2"}}},
      {"Romanian",
       "Eskadrila540",
       "ro",
       "2",
       "default.bmp",
       "Skill 2",
       "Class air.HurricaneMkIa",
       {{1944, "Class air.BF_109G2"}}},
      {"Italian",
       "i010",
       "it",
       "2",
       "default.bmp",
       "Skill 1",
       "Class air.CR_42",
       {{1941, "Class air.G50"}}},
      {"Slovakian",
       "Slovakian0",
       "sk",
       "2",
       "default.bmp",
       "Skill 2",
       "Class air.BF_109E4",
       {{1944, "Class air.BF_109G2"}}},
      {"Japanese Army",
       "IJA_F_C_10z0",
       "ja",
       "2",
       "default.bmp",
       "Skill 2",
       "Class air.KI_43_IA",
       {{1943, "Class air.KI_61_IKO"}, {1945, "Class air.KI_84_IA"}}},
      {"Japanese Navy",
       "IJN_AG_Tainan0",
       "in",
       "2",
       "default.bmp",
       "Skill 2",
       "Class air.A6M2",
       {{1942, "Class air.A6M2_21"}, {1943, "Class air.A6M5"}}},
      {"Hungarian",
       "hu1-1hu0",
       "hu",
       "2",
       "default.bmp",
       "Skill 1",
       "Class air.CR_42",
       {{1942, "Class air.BF_109F2"}, {1943, "Class air.BF_109G2"}}},
      {"Russian",
       "163IAP0",
       "ru",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.LAGG_3SERIES4",
       {{1942, "Class air.MIG_3SHVAK"},
        {1943, "Class air.YAK_9K"},
        {1944, "Class air.LA_5FN"},
        {1945, "Class air.LA_7"}}},
      {"US Army",
       "8AF_056FG_63FS0",
       "us",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.P_400",
       {{1943, "Class air.P_38J"}, {1944, "Class air.P_47D10"}}},
      {"US Marines",
       "USMC_VMF_312z0",
       "um",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.F4F3",
       {{1943, "Class air.F4F4"}, {1944, "Class air.F4U1A"}}},
      {"US Navy",
       "USN_VF_10A0",
       "un",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.F2A2",
       {{1941, "Class air.F4F3"},
        {1943, "Class air.F4F4"},
        {1944, "Class air.F6F3"},
        {1945, "Class air.F6F5"}}},
      {"British RAF",
       "RAF_No601SQN0",
       "gb",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.HurricaneMkIa",
       {{1942, "Class air.HurricaneMkIIb"},
        {1943, "Class air.HurricaneMkIIc"},
        {1944, "Class air.SPITFIRE9C"},
        {1945, "Class air.SPITFIRE9E"}}},
      {"British FAA",
       "820sq0",
       "rn",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.HurricaneMkIa",
       {{1942, "Class air.HurricaneMkIIb"},
        {1943, "Class air.F4F3"},
        {1944, "Class air.SEAFIRE3"},
        {1945, "Class air.SEAFIRE3F"}}},
      {"Australian",
       "77SquadronRAAF0",
       "ra",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.HurricaneMkIa",
       {{1942, "Class air.P_40SUKAISVOLOCHB"},
        {1943, "Class air.P_40E"},
        {1944, "Class air.SPITFIRE8"}}},
      {"New Zealand",
       "488Squadronfe0",
       "rz",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.F2A_B339",
       {{1943, "Class air.P_40E"}, {1944, "Class air.SPITFIRE8"}}},
      {"Dutch",
       "120SquadronNEI0",
       "du",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.F2A_B339",
       {{1944, "Class air.SPITFIRE8"}}},
      {"French",
       "fr010",
       "fr",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.HurricaneMkIa",
       {{1942, "Class air.HurricaneMkIIb"},
        {1943, "Class air.HurricaneMkIIc"},
        {1945, "Class air.SPITFIRE9E"}}},
      {"Polish",
       "PZL132FS0",
       "pl",
       "1",
       "default.bmp",
       "Skill 1",
       "Class air.P_11C",
       {{1941, "Class air.HurricaneMkIa", "308ZF0"},
        {1943, "Class air.HurricaneMkIIb"},
        {1944, "Class air.HurricaneMkIIc"}}},
      {"German",
       "III_JG540",
       "de",
       "2",
       "default.bmp",
       "Skill 1",
       "Class air.BF_109F2",
       {{1942, "Class air.BF_109F4"},
        {1943, "Class air.BF_109G2"},
        {1944, "Class air.BF_109G6"},
        {1945, "Class air.BF_109G6AS"}}},
  };
  return rows;
}

const DefaultRow* RowOf(std::string_view service) {
  for (const DefaultRow& row : DefaultRows()) {
    if (row.service == service) return &row;
  }
  return nullptr;
}

// The Japanese Army flew the older Ki-27 before 1942 in the edition that has it.
std::string_view FirstAircraft(const DefaultRow& row, int year, const std::string& game_id) {
  if (row.service == "Japanese Army" && year < 1942 && game_id == "1946") {
    return "Class air.KI_27_KO";
  }
  return row.first_aircraft;
}

}  // namespace

bool DefaultSquadronOf(std::string_view service, int year, const std::string& game_id,
                       int finnish_draw, DefaultSquadron& squadron) {
  const DefaultRow* row = RowOf(service);
  if (row == nullptr) return false;
  squadron.name = row->name;
  squadron.nation = row->nation;
  squadron.army = row->army;
  squadron.skin = row->skin;
  squadron.skill = row->skill;
  squadron.aircraft = FirstAircraft(*row, year, game_id);
  if (row->service == "Finnish" && finnish_draw == 0) squadron.aircraft = "Class air.HurricaneMkIa";
  for (const YearStep& step : row->steps) {
    if (year < step.year) continue;
    squadron.aircraft = step.aircraft;
    if (!step.name.empty()) squadron.name = step.name;
  }
  return true;
}

void GetDefaultNation(TMainForm& form) {
  const std::string service = form.DefaultNation.Text;
  if (const DefaultRow* row = RowOf(service)) {
    // The Finnish service draws its first aircraft; no other service draws here.
    const int finnish_draw = row->service == "Finnish" ? form.Random(3) : -1;
    DefaultSquadron chosen;
    DefaultSquadronOf(service, form.CampaignYear, form.GameID, finnish_draw, chosen);
    SquadronEntry& player = form.SquadronTable[0];
    player.SquadronName = chosen.name;
    player.SquadronNation = chosen.nation;
    player.SquadronArmy = chosen.army;
    player.SquadronMarkings = "1";
    player.SquadronSkin = chosen.skin;
    player.SquadronSkill = chosen.skill;
    player.SquadronClass = chosen.aircraft;
    player.SquadronHomeBase = "Unknown";
    player.SquadronRole = "1";
    for (int slot = 0; slot < 16; ++slot) {
      NewPilotStats(form, 0, slot);
      form.PilotRoster[RosterIndex(0, slot)].RosterRank = StartRank(form, 0, slot);
      PilotNameCheck(form, 0, slot);
    }
  }
  form.SquadronTable[0].SquadronBaseClass = form.SquadronTable[0].SquadronClass;
}
