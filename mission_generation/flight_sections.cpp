#include "mission_generation/flight_sections.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_generation/flight_range.h"
#include "mission_generation/mission_build.h"
#include "mission_generation/squadron_mission.h"
#include "mission_results/pilot_roster.h"
#include "platform/ascii.h"

namespace {

constexpr int kSlotsPerFlight = 4;
constexpr int kLongestSortieCount = 999;
constexpr int kDefendColumnBriefs = 10;
constexpr int kEscortOfPlayerSummaries = 26;
constexpr int kSingleAircraftBriefs[] = {23, 12, 5};

bool IsLaterEdition(const std::string& game_id) {
  for (std::string_view edition : {"IL2FB", "PFm", "AEP", "PE2", "1946", "PF"}) {
    if (game_id == edition) return true;
  }
  return false;
}

bool IsAnyOf(const std::string& text, std::initializer_list<std::string_view> values) {
  return std::any_of(values.begin(), values.end(),
                     [&](std::string_view value) { return text == value; });
}

bool ContainsAnyOf(const std::string& text, std::initializer_list<std::string_view> parts) {
  return std::any_of(parts.begin(), parts.end(),
                     [&](std::string_view part) { return Contains(text, part); });
}

bool IsMistel(const SquadronEntry& squadron) {
  return Contains(squadron.SquadronClass, "FW_190A8MSTL");
}
bool TowsGlider(const SquadronEntry& squadron) {
  return Contains(squadron.SquadronWeapons, "glider");
}

// A squadron that flies its long-range loadout: far targets, an off-map base or the long
// flights to Berlin and Balaton.
bool NeedsLongRangePayload(TMainForm& form, int i) {
  const SquadronEntry& squadron = form.SquadronTable[i];
  if (!Contains(squadron.SquadronWeapons, "default")) return false;
  const int radius = form.ActionRadiusKm;
  if (MissionTypeIsBriefs(form, i, kDefendColumnBriefs) && radius <= 399 &&
      RangeTest(form, i) >= radius) {
    return false;
  }
  if (squadron.TypePayload5 == "none") return false;
  if (radius > 399 || RangeTest(form, i) < radius) return true;
  if (OffMapCheck(form, squadron.SquadronHomeBase) == "Y") return true;
  return (Contains(form.MapTitle, "Berlin") || form.MapTitle == "Balaton") &&
         IsAnyOf(squadron.SquadronNation, {"rz", "us", "rn", "gb", "ra"});
}

int OilSupplyOfSide(const TMainForm& form, const std::string& army) {
  if (army == "1") return form.OilSupply[0];
  if (army == "2") return form.OilSupply[1];
  return 100;
}

std::string RankName(const TMainForm& form, const PilotEntry& pilot) {
  const int rank = StrToInt(pilot.RosterRank);
  const auto& names = form.RankAwardTable.RankName;
  return rank >= 0 && rank < static_cast<int>(names.size()) ? names[static_cast<size_t>(rank)]
                                                            : std::string();
}

PilotEntry& Pilot(TMainForm& form, int squadron, int slot) {
  return form.PilotRoster[RosterIndex(squadron, slot)];
}

bool IsHuman(const PilotEntry& pilot) {
  return pilot.RosterMarker == "^";
}

std::string OnlyAiLine(const SquadronEntry& squadron, int i) {
  return squadron.SquadronAI == "AI True" && i != 0 ? "  OnlyAI 1\r\n" : "";
}

// The skin, nose-art, number and portrait lines of the flight's planes, each group over the
// planes in slot order. A squadron flying its downgrade type wears that type's paint.
std::string AppearanceLines(TMainForm& form, const SquadronRun& run) {
  const int i = run.squadron;
  const SquadronEntry& squadron = form.SquadronTable[i];
  const bool own_type = squadron.SquadronClass == squadron.SquadronBaseClass;
  const std::string downgrade_paint = Trim(squadron.DowngradePaint);
  const int first = run.flight * kSlotsPerFlight;
  std::string skins;
  std::string nose_art;
  std::string numbers;
  std::string portraits;
  for (int slot = first; slot <= run.last_slot; ++slot) {
    const std::string plane = IntToStr(slot - first);
    const PilotEntry& pilot = Pilot(form, i, slot);
    const std::string skin = Trim(pilot.RosterSkin);
    if (own_type) {
      const std::string skin_file = Trim(Copy(skin, 2, static_cast<int>(skin.size())));
      if (skin != "1default.bmp" && !skin_file.empty()) {
        skins += "  Skin" + plane + " " + skin_file + "\r\n";
        numbers += "  numberOn" + plane + " " + skin.substr(0, 1) + "\r\n";
      }
      const std::string art = Trim(pilot.RosterNoseArt);
      if (art != "None" && !art.empty()) nose_art += "  NoseArt" + plane + " " + art + "\r\n";
    } else {
      const std::string paint_file =
          Trim(Copy(downgrade_paint, 2, static_cast<int>(downgrade_paint.size())));
      if (downgrade_paint != "1default.bmp" && !paint_file.empty()) {
        skins += "  Skin" + plane + " " + paint_file + "\r\n";
      }
      if (!downgrade_paint.empty() && downgrade_paint[0] != '1') {
        numbers += "  numberOn" + plane + " " + downgrade_paint.substr(0, 1) + "\r\n";
      }
    }
    const std::string portrait = PortraitFile(pilot.RosterPhoto);
    if (!portrait.empty()) portraits += "  pilot" + plane + " " + portrait + ".bmp\r\n";
  }
  return skins + nose_art + numbers + portraits;
}

// Later editions: one skill line per plane, sorties counted, the player's roster lines.
std::string PilotSkillLines(TMainForm& form, MissionBuild& build, const SquadronRun& run) {
  const int i = run.squadron;
  const SquadronEntry& squadron = form.SquadronTable[i];
  ErrorLog(form, "Determine Pilot Skills for " + squadron.SquadronName + ".");
  const int squadron_skill = StrToInt(Copy(squadron.SquadronSkill, 7, 1));
  const bool squadron_defaults = form.GenSkillBox.Text == "Squadron Defaults";
  const int first = run.flight * kSlotsPerFlight;
  std::string lines;
  for (int slot = first; slot <= run.last_slot; ++slot) {
    PilotEntry& pilot = Pilot(form, i, slot);
    if (!IsHuman(pilot)) pilot.RosterSorties = NextSortieCount(pilot.RosterSorties);
    const int skill = PilotSkill(squadron_skill, squadron_defaults, StrToInt(pilot.RosterKills),
                                 StrToInt(pilot.RosterGroundKills), StrToInt(pilot.RosterSorties));
    lines += "  Skill" + IntToStr(slot - first) + " " + IntToStr(skill) + "\r\n";
    if (i == 0)
      build.roster_block += "   " + RankName(form, pilot) + " " + pilot.RosterName + "\\n";
  }
  if (i == 0) build.roster_block += "\\n";
  return lines;
}

// The first edition knows one skill per flight; the sorties and roster lines still count.
void CountFirstEditionSorties(TMainForm& form, MissionBuild& build, const SquadronRun& run) {
  const int i = run.squadron;
  for (int slot = run.flight * kSlotsPerFlight; slot <= run.last_slot; ++slot) {
    PilotEntry& pilot = Pilot(form, i, slot);
    if (!IsHuman(pilot)) pilot.RosterSorties = NextSortieCount(pilot.RosterSorties);
    if (i == 0) build.roster_block += RankName(form, pilot) + " " + pilot.RosterName + "\\n";
  }
}

void ApplySkillBox(TMainForm& form, SquadronEntry& squadron) {
  const std::string& box = form.GenSkillBox.Text;
  if (box == "Random") {
    squadron.SquadronSkill = "Skill " + IntToStr(form.Random(4));
  } else if (box == "Rookie") {
    squadron.SquadronSkill = "Skill 0";
  } else if (box == "Average") {
    squadron.SquadronSkill = "Skill 1";
  } else if (box == "Veteran") {
    squadron.SquadronSkill = "Skill 2";
  } else if (box == "Ace") {
    squadron.SquadronSkill = "Skill 3";
  }
}

int LastSlotOfFlight(SquadronEntry& squadron, const SquadronRun& run) {
  const int first = run.flight * kSlotsPerFlight;
  int last = first + kSlotsPerFlight - 1;
  if (TowsGlider(squadron)) last = 0;
  if (IsMistel(squadron)) {
    last = 0;
    squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
  }
  if (Contains(squadron.SquadronClass, "G4M2E"))
    squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
  last = std::min(last, first + run.extra_planes);
  last = std::min(last, StrToInt(squadron.PlanesFlight) - 1);
  return last;
}

// A leg with its first line end taken out, trimmed: its first line when it has one.
std::string WithoutFirstLineEnd(const std::string& leg) {
  return Trim(ReplaceTextProcedure(leg, "\r\n", ""));
}

void AddCompanion(MissionBuild& build, const std::string& name, const std::string& section,
                  const std::string& waypoints) {
  build.wing_list += "  " + name + "\r\n";
  build.flights_text += "[" + name + "]\r\n" + section + "[" + name + "_Way]\r\n" + waypoints;
}

}  // namespace

std::string FlightName(const TMainForm& form, int squadron, int flight) {
  return form.SquadronTable[squadron].SquadronName + IntToStr(flight);
}

std::string NextSortieCount(const std::string& sorties) {
  const int count = std::min(StrToInt(sorties) + 1, kLongestSortieCount);
  return ZeroPad(std::max(count, 0), 3);
}

int PilotSkill(int squadron_skill, bool squadron_defaults, double kills, double ground_kills,
               int sorties) {
  int skill = squadron_skill;
  if (squadron_defaults) {
    skill += static_cast<int>(std::trunc(kills + ground_kills / 50.0));
    if (sorties < 2) --skill;
    if (sorties < 5) --skill;
    if (sorties > 9) ++skill;
    if (sorties > 19) ++skill;
    if (sorties > 39) ++skill;
  }
  return std::clamp(skill, 0, 3);
}

std::string PortraitFile(const std::string& photo) {
  std::string portrait = AsciiLowerCase(Trim(photo));
  const size_t folder = portrait.find("dgen\\");
  if (folder != std::string::npos) portrait.erase(folder, 5);
  const size_t separator = portrait.find('\\');
  if (separator != std::string::npos) portrait[separator] = '_';
  return portrait;
}

bool PrepareSquadronFlights(TMainForm& form, MissionBuild& build, SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  if (NeedsLongRangePayload(form, i)) squadron.SquadronWeapons = squadron.TypePayload5;

  if (squadron.SquadronEscortOf == 0 && form.ErrorWarning.empty()) {
    const std::string line = ReplaceTextProcedure(
        ReplaceTextProcedure(
            form.Messages.Text(MessageSection::kSummaries, kEscortOfPlayerSummaries), "<PLANE>",
            squadron.TypeDescription),
        "<SQUAD>", squadron.SquadronFullName);
    form.SquadronTable[0].SquadronBriefing += " " + line;
  }

  const int planes = StrToInt(squadron.PlanesFlight);
  int last = std::clamp(form.FlightsPerSquadron - 1, 0, 3);
  if (form.MassedBombers.Checked && squadron.SquadronRole == "2") last = 3;
  if (IsAnyOf(squadron.SquadronClass,
              {"Class air.G4M2E", "Class air.A6M2N", "Class air.TB_3_4M_34R_SPB"})) {
    last = 0;
  }
  // A Mistel or a glider tow is one aircraft with its companion: a second flight would take
  // the companion's name.
  if (IsMistel(squadron) || TowsGlider(squadron)) last = 0;
  last = std::min(last, planes / 4 - 1);
  const int draw = form.Random(100);
  if (draw > OilSupplyOfSide(form, squadron.SquadronArmy) &&
      squadron.SquadronActive == "Active False") {
    --last;
  }
  run.last_flight = std::clamp(last, 0, 3);
  run.extra_planes = std::max(squadron.PlanesExtra - 1, 0);

  const bool single_kind =
      std::any_of(std::begin(kSingleAircraftBriefs), std::end(kSingleAircraftBriefs),
                  [&](int line) { return MissionTypeIsBriefs(form, i, line); });
  if (single_kind && squadron.SquadronClass != "Class air.A6M2N") {
    run.last_flight = 0;
    run.extra_planes = 0;
    if (i == 0) {
      for (int slot = 0; slot < 16; ++slot) {
        if (Pilot(form, 0, slot).RosterName == form.PlayerName) PilotSwap(form, 0, 0, slot, 0);
      }
    }
  }
  if (planes < 1) {
    ErrorLog(form, squadron.SquadronName + " has no aircraft to fly and stays out of the mission.");
    return false;
  }
  (void)build;
  return true;
}

namespace {

// Every flight stores the roster, and the builder stores it whole again once the flights are
// written, over every file a flight wrote. What lasts of a flight's save is its repairs: the
// first flight repairs every squadron as a save would, in roster order, and later flights only
// their own squadron, the one whose pilots changed.
void SaveFlightRoster(TMainForm& form, MissionBuild& build, int squadron) {
  if (build.roster_repaired) {
    RepairSquadronPilots(form, squadron);
    return;
  }
  SavePilot(form, 0, RosterFiles::kLeftToLaterSave);
  build.roster_repaired = true;
}

}  // namespace

void WriteFlightSection(TMainForm& form, MissionBuild& build, SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const std::string name = FlightName(form, i, run.flight);
  build.wing_list += "  " + name + "\r\n";
  ApplySkillBox(form, squadron);

  std::string skill_lines;
  std::string detail_lines = "  " + squadron.SquadronSkill + "\r\n";
  run.last_slot = LastSlotOfFlight(squadron, run);
  if (form.GameID == "IL2") CountFirstEditionSorties(form, build, run);
  if (squadron.SquadronTaskCode == "33") squadron.SquadronTaskCode = "3";
  if (IsLaterEdition(form.GameID)) {
    skill_lines = PilotSkillLines(form, build, run);
    detail_lines = AppearanceLines(form, run);
  }
  if (i == 0) {
    for (int slot = run.flight * kSlotsPerFlight; slot <= run.last_slot; ++slot) {
      build.player_slots_flown.insert(slot);
    }
  }
  SaveFlightRoster(form, build, i);

  const int planes = run.last_slot + 1 - run.flight * kSlotsPerFlight;
  std::string& text = build.flights_text;
  text += "[" + name + "]\r\n  Planes " + IntToStr(planes) + "\r\n" + skill_lines + detail_lines;
  if ((squadron.SquadronAI == "AI True" || !form.Coop.Checked) && squadron.SquadronRole == "2" &&
      !form.Paras.Checked && i != 0) {
    text += "  Parachute 0\r\n";
  }
  text += OnlyAiLine(squadron, i);
  text += "  " + squadron.SquadronClass + "\r\n  " + squadron.SquadronFuel + "\r\n  weapons " +
          squadron.SquadronWeapons + "\r\n";
  if (ContainsAnyOf(squadron.SquadronClass, {"ME_163B1A", "GO_229A1", "BI_1", "HE_162A2"})) {
    run.start_delay_flag = 1;
  }
}

void WriteCompanionFlights(TMainForm& form, MissionBuild& build, SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const std::string parent = FlightName(form, i, run.flight);
  const std::string companion = FlightName(form, i, run.flight + 1);
  const std::string only_ai = OnlyAiLine(squadron, i);

  if (IsMistel(squadron)) {
    const int target = squadron.SquadronTargetLocation;
    const std::string target_position =
        LocationTableType::Contains(target)
            ? std::as_const(form.LocationTable)[target].LocationPosition
            : "";
    squadron.SquadronTargetLeg =
        "  GATTACK " + target_position + " " + IntToStr(run.alt2) + ".0 " + run.speed + " \r\n";
    AddCompanion(
        build, companion,
        "  Planes 1\r\n" + only_ai + "  Class air.JU_88MSTL\r\n  Fuel 50\r\n  weapons default\r\n",
        squadron.SquadronTakeOffLeg + squadron.SquadronJoinLeg + squadron.SquadronRendezvousLeg +
            squadron.SquadronHalfWayLeg + squadron.SquadronTargetLeg + squadron.SquadronReturnLeg);
  }
  if (Contains(squadron.SquadronClass, "TB_3_4M_34R_SPB")) {
    const std::string planes =
        StrToInt(squadron.PlanesFlight) > 1 ? IntToStr(2 * squadron.PlanesExtra) : "2";
    std::string waypoints;
    if (!squadron.SquadronTakeOffLeg.empty()) {
      squadron.SquadronTakeOffLeg = run.saved_takeoff;
      waypoints = "  " + squadron.SquadronTakeOffLeg + " 0 0 " + parent + " 0\r\n" +
                  squadron.SquadronHalfWayLeg + squadron.SquadronTargetLeg + "  " +
                  squadron.SquadronLandingLeg + " 0 0 \r\n";
    } else {
      waypoints = "  " + WithoutFirstLineEnd(squadron.SquadronHalfWayLeg) + " " + parent + " 0\r\n";
    }
    AddCompanion(build, companion,
                 "  Planes " + planes + "\r\n" + only_ai +
                     "  Class air.I_16TYPE24DRONE\r\n  Fuel 100\r\n  weapons 2fab250\r\n",
                 waypoints);
  }
  if (Contains(squadron.SquadronClass, "G4M2E") && !squadron.SquadronTakeOffLeg.empty()) {
    const int planes = run.last_slot + 1 - run.flight * kSlotsPerFlight;
    AddCompanion(
        build, companion,
        "  Planes " + IntToStr(planes) + "\r\n" + only_ai +
            "  Class air.MXY_7\r\n  Fuel 100\r\n  weapons default\r\n  StartTime " +
            run.start_time_text + "\r\n",
        ReplaceTextProcedure(squadron.SquadronTakeOffLeg, " 0 0", " 0 0 " + parent + " 0") +
            squadron.SquadronJoinLeg + squadron.SquadronRendezvousLeg +
            squadron.SquadronHalfWayLeg + squadron.SquadronTargetLeg);
  }
  if (TowsGlider(squadron)) {
    const std::string& weapons = squadron.SquadronWeapons;
    const size_t blank = weapons.find(' ');
    const std::string glider_class =
        Trim(blank == std::string::npos ? weapons : weapons.substr(blank));
    std::string waypoints;
    if (!squadron.SquadronTakeOffLeg.empty()) {
      squadron.SquadronTakeOffLeg = run.saved_takeoff;
      waypoints = "  " + squadron.SquadronTakeOffLeg + " 0 0 " + parent + " 0\r\n";
    } else {
      waypoints = "  " + WithoutFirstLineEnd(squadron.SquadronHalfWayLeg) + " " + parent + " 0\r\n";
    }
    AddCompanion(build, companion,
                 "  Planes 1\r\n" + only_ai + "  Class air." + glider_class + "\r\n  " +
                     squadron.SquadronFuel + "\r\n  weapons default\r\n  StartTime " +
                     run.start_time_text + "\r\n",
                 waypoints);
  }
}
