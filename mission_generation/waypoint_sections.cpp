#include "mission_generation/waypoint_sections.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/run_log.h"
#include "campaign_data/table_lookups.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_generation/attack_legs.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/flight_sections.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_build.h"
#include "mission_generation/mission_sections.h"
#include "mission_generation/radio_marks.h"
#include "mission_generation/squadron_mission.h"
#include "mission_generation/target_ingress.h"
#include "mission_generation/waypoint_geometry.h"
#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kGroundAttack = "GATTACK ";
constexpr int kTargetRunBriefs[] = {13, 14, 15, 12, 23};
constexpr int kNoBombRunBriefs[] = {16, 24, 22};
constexpr int kBombRunBriefs = 21;
constexpr size_t kWaypointFields = 5;  // keyword, x, y, altitude, speed

bool HasBriefs(const TMainForm& form, int i, const int* first, const int* last) {
  return std::any_of(first, last, [&](int line) { return MissionTypeIsBriefs(form, i, line); });
}

std::string LocationPosition(const TMainForm& form, int location) {
  return LocationTableType::Contains(location)
             ? std::as_const(form.LocationTable)[location].LocationPosition
             : std::string();
}

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < line.size()) {
    const size_t start = line.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(line.find(' ', start), line.size());
    words.emplace_back(line.substr(start, end - start));
    at = end;
  }
  return words;
}

// The waypoint line without a follow link after its speed.
std::string WithoutFollowLink(const std::string& line) {
  const std::vector<std::string> words = Words(line);
  if (words.size() <= kWaypointFields) return line;
  std::string kept = words[0];
  for (size_t w = 1; w < kWaypointFields; ++w) kept += " " + words[w];
  return kept;
}

void TargetRun(TMainForm& form, MissionBuild& build, const SquadronRun& run) {
  const int i = run.squadron;
  const SquadronEntry& squadron = form.SquadronTable[i];
  if (HasBriefs(form, i, std::begin(kTargetRunBriefs), std::end(kTargetRunBriefs))) {
    CreateTargetIngress(form, i, run.flight, build.payload_categories);
    return;
  }
  if (!squadron.SquadronTargetObject.empty() || Contains(squadron.SquadronWeapons, "glider") ||
      squadron.SquadronMoveKind != 0 ||
      HasBriefs(form, i, std::begin(kNoBombRunBriefs), std::end(kNoBombRunBriefs))) {
    return;
  }
  const std::string& role = squadron.SquadronRole;
  const int task = TaskCode(squadron);
  if (role == "2" || role == "4" || role == "7" || MissionTypeIsBriefs(form, i, kBombRunBriefs) ||
      (task == 3 && role == "1") || FighterEscortingBombers(form, i) || task == 7 || task == 6) {
    CreateBombWay(form, i, run.flight, build.payload_categories);
  }
}

void AttackRendezvous(TMainForm& form, SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const int side = StrToIntDef(squadron.SquadronArmy, -1);
  if (side < 0 || side >= static_cast<int>(form.AttackRendezvous.size())) return;
  const std::string& rendezvous = form.AttackRendezvous[static_cast<size_t>(side)];
  const int target = squadron.SquadronTargetLocation;
  if (rendezvous.empty() || !LocationTableType::Contains(target) ||
      std::as_const(form.LocationTable)[target].LocationArmy == squadron.SquadronArmy) {
    return;
  }
  ErrorLog(form, "AttackRendezvous triggered: " + squadron.SquadronName + " to " +
                     std::as_const(form.LocationTable)[target].LocationName);
  squadron.SquadronHalfWayLeg = "  NORMFLY " + rendezvous + " <ALTITUDE> " + run.speed + "\r\n";
  try {
    squadron.SquadronRendezvousLeg =
        CreateAveragePoint(form, run.takeoff_position, rendezvous, "0", i, run.flight) + "\r\n";
  } catch (const ProgramError&) {
    ErrorLog(form, "AttackRendezvous ignores RZWay");
  }
  try {
    squadron.SquadronJoinLeg =
        CreateAveragePoint(form, run.takeoff_position,
                           PositionAfter(squadron.SquadronRendezvousLeg, kNormFlyKeyword), "0", i,
                           run.flight) +
        "\r\n";
  } catch (const ProgramError&) {
    ErrorLog(form, "AttackRendezvous ignores TOWay");
  }
}

bool AttackRendezvousSet(const TMainForm& form, const SquadronEntry& squadron) {
  const int side = StrToIntDef(squadron.SquadronArmy, -1);
  return side >= 0 && side < static_cast<int>(form.AttackRendezvous.size()) &&
         !form.AttackRendezvous[static_cast<size_t>(side)].empty();
}

// Escorts fly with the flight they escort: meet it at its rendezvous, stay with it to the
// target.
void LinkEscort(TMainForm& form, SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const int escorted = squadron.SquadronEscortOf;
  if (escorted < 0 || !SquadronTableType::Contains(escorted) ||
      Trim(squadron.SquadronHalfWayLeg).empty()) {
    return;
  }
  const std::string& leader = form.SquadronTable[escorted].SquadronName;
  const bool air_start = squadron.SquadronTakeOffLeg.empty();
  if (run.flight == 0 || AttackRendezvousSet(form, squadron)) {
    squadron.SquadronRendezvousLeg =
        WithFollowLink(squadron.SquadronRendezvousLeg, leader + (air_start ? "0 1" : "0 2"));
    squadron.SquadronHalfWayLeg = WithFollowLink(squadron.SquadronHalfWayLeg, leader + "0 2");
  }
  if (air_start) {
    squadron.SquadronJoinLeg =
        CreateAveragePoint(form, run.takeoff_position, run.join_target_position, "<ALTITUDE>",
                           escorted, run.flight + 1) +
        "\r\n";
    squadron.SquadronJoinLeg = WithFollowLink(squadron.SquadronJoinLeg, leader + "0 0");
  } else {
    squadron.SquadronJoinLeg = WithFollowLink(squadron.SquadronJoinLeg, leader + "0 1");
  }
}

// Later flights of a bomber squadron follow its first flight.
void FormBomberFlights(TMainForm& form, MissionBuild& build, const SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const int task = TaskCode(squadron);
  const std::string& role = squadron.SquadronRole;
  const bool formation_task =
      task == 9 || task == 1 || task == 2 || (task == 3 && run.last_flight > 0);
  if (!formation_task || Trim(squadron.SquadronHalfWayLeg).empty()) return;
  if (!(role == "7" || role == "2" || role == "4")) return;
  if (role == "4") {
    const std::string payload = build.payload_categories.Of(form, i);
    if (payload != "R" && payload != "T" && payload != "B") return;
  }
  if (run.flight == 0) {
    squadron.SquadronRendezvousLeg =
        WithFollowLink(squadron.SquadronRendezvousLeg, run.follow_suffix);
  }
  squadron.SquadronJoinLeg = WithFollowLink(squadron.SquadronJoinLeg, run.follow_suffix);
}

void ReturnOffTheMap(TMainForm& form, const MissionBuild& build, const SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const bool moves = squadron.SquadronMoveKind > 0;
  const bool british_base_off = !form.NormandyBaseOption;
  const bool leaves =
      (Contains(squadron.SquadronHomeBase, "English_") && british_base_off && !moves) ||
      (squadron.SquadronNewBase == "English_Airfield" && british_base_off && moves) ||
      (build.bases.OffMap(squadron.SquadronHomeBase) && !moves) ||
      (build.bases.OffMap(squadron.SquadronNewBase) && !squadron.SquadronNewBase.empty() && moves);
  if (!leaves) return;
  const std::string from = Trim(Copy(Trim(run.saved_takeoff), 8, 99));
  const std::string to = Trim(LocationPosition(form, squadron.SquadronTargetLocation));
  squadron.SquadronReturnLeg =
      "  NORMFLY " + GetOffMapPath(form, from, to, run.flight) + "<ALTITUDE> " + run.speed + "\r\n";
  squadron.SquadronLandingLeg.clear();
}

// Every line of `leg` ends with `link`, parted by one blank from what is before it.
std::string LinkEveryLine(const std::string& leg, const std::string& link) {
  std::string linked;
  size_t start = 0;
  for (size_t end = leg.find("\r\n"); end != std::string::npos; end = leg.find("\r\n", start)) {
    std::string line = leg.substr(start, end - start);
    if (!line.empty() && line.back() != ' ') line += ' ';
    linked += line + link + "\r\n";
    start = end + 2;
  }
  return linked + leg.substr(start);
}

// A computer flight that starts in the air toward its target: it is put nearer the target and
// flies straight in.
void ScrambleAttack(TMainForm& form, const MissionBuild& build, const SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  ErrorLog(form, "Set up possible Scramble Attack for " + squadron.SquadronName + ".");
  if (squadron.SquadronHalfWayLeg.empty() || squadron.SquadronTargetLeg.empty() ||
      !squadron.SquadronTakeOffLeg.empty() || squadron.SquadronMoveKind != 0 || i == 0 ||
      build.bases.OffMap(squadron.SquadronHomeBase) ||
      (squadron.SquadronRole == "2" && form.MassedBombers.Checked) ||
      squadron.SquadronInterceptLink != -1 || squadron.SquadronEscortOf != -1 ||
      squadron.SquadronEscortedBy != -1 || !squadron.SquadronTargetObject.empty()) {
    return;
  }
  try {
    const std::string from = PositionAfter(squadron.SquadronHalfWayLeg, kNormFlyKeyword, 30);
    const std::string target_leg = Trim(squadron.SquadronTargetLeg);
    std::string to = Contains(target_leg, kNormFlyKeyword)
                         ? PositionAfter(target_leg, kNormFlyKeyword, 30)
                         : std::string();
    if (to.empty()) to = PositionAfter(target_leg, kGroundAttack, 30);
    const std::string point = CreateAveragePoint(form, from, to, "<ALTITUDE>", i, run.flight);
    squadron.SquadronHalfWayLeg = point + "\r\n";
    if (run.flight > 0) {
      squadron.SquadronHalfWayLeg = point + " \r\n";
      squadron.SquadronTargetLeg =
          LinkEveryLine(squadron.SquadronTargetLeg, squadron.SquadronName + "0 1");
    }
    squadron.SquadronTakeOffLeg.clear();
    squadron.SquadronJoinLeg.clear();
    squadron.SquadronRendezvousLeg.clear();
  } catch (const ProgramError&) {
    // The flight keeps the legs it has.
  }
}

struct AltitudeSteps {
  int cruise = 0;
  int target = 0;
};

AltitudeSteps StepsOfRole(const std::string& role) {
  if (role == "1") return {50, 100};
  if (role == "2" || role == "5" || role == "6") return {100, 100};
  if (role == "3") return {25, 100};
  if (role == "4" || role == "7") return {25, 25};
  return {0, 0};
}

void FillLegAltitudes(TMainForm& form, MissionBuild& build, SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const AltitudeSteps steps = StepsOfRole(squadron.SquadronRole);
  const int cruise = AltitudeSet(form, i);
  const std::string payload = build.payload_categories.Of(form, i);
  const int task = TaskCode(squadron);
  const std::string& role = squadron.SquadronRole;
  run.alt1 = cruise + run.flight * steps.cruise;
  int target = cruise;
  if (payload == "T" || (role == "1" && task != 3 && payload == "B") ||
      (role == "4" && task != 3)) {
    target = 500;
  }
  run.alt2 = target + run.flight * steps.target;

  for (std::string* leg : {&squadron.SquadronHalfWayLeg, &squadron.SquadronRendezvousLeg,
                           &squadron.SquadronJoinLeg, &squadron.SquadronReturnLeg}) {
    *leg = FillAltitudes(*leg, run.alt1);
  }
  if (squadron.SquadronJoinLeg == squadron.SquadronRendezvousLeg) squadron.SquadronJoinLeg.clear();
  squadron.SquadronTargetLeg = FillAltitudes(squadron.SquadronTargetLeg, run.alt2);
}

void AppendSection(TMainForm& form, MissionBuild& build, const SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const std::string header = "[" + FlightName(form, i, run.flight) + "_Way]\r\n";
  if (Contains(squadron.SquadronClass, "FW_190A8MSTL")) {
    squadron.SquadronTargetLeg =
        "  NORMFLY " + LocationPosition(form, squadron.SquadronTargetLocation) + " " +
        IntToStr(run.alt2) + ".0 " + run.speed + " " + FlightName(form, i, run.flight + 1) + "\r\n";
    build.flights_text += header + SetRadio(form, i, squadron.SquadronTargetLeg);
    squadron.SquadronLandingLeg.clear();
    return;
  }
  std::string legs = squadron.SquadronTakeOffLeg + squadron.SquadronJoinLeg +
                     squadron.SquadronRendezvousLeg + squadron.SquadronHalfWayLeg +
                     squadron.SquadronTargetLeg;
  if (Contains(squadron.SquadronName, "IJN_AG_601") ||
      Contains(squadron.SquadronName, "IJA_F_TS")) {
    squadron.SquadronLandingLeg.clear();
  } else {
    legs += squadron.SquadronReturnLeg;
  }
  build.flights_text += header + SetRadio(form, i, legs);
}

bool ContainsAnyOf(const std::string& text, std::initializer_list<std::string_view> parts) {
  return std::any_of(parts.begin(), parts.end(),
                     [&](std::string_view part) { return Contains(text, part); });
}

void AppendLandingLines(TMainForm& form, MissionBuild& build, const SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  std::string landing = squadron.SquadronLandingLeg;
  if (landing.empty()) return;
  const std::string speed = SetSpeed(form, i);
  const std::string base = !squadron.SquadronNewBase.empty() && squadron.SquadronMoveKind > 0
                               ? squadron.SquadronNewBase
                               : squadron.SquadronHomeBase;
  const std::string position = Trim(Copy(Trim(landing), 8, 99));
  const std::string over_base =
      "  NORMFLY " + position + " " + IntToStr(run.alt2) + ".0 " + speed + "\r\n";
  std::string lines;
  if (!ContainsAnyOf(base, {"Seaplane", "Harbor", "_Port", "Airstrip", "Airfield"})) {
    const int column = FindColumnByUnitName(form, base);
    if (column >= 0) {
      lines +=
          over_base + "  " + landing + " 0 0 " + form.ColumnTable[column].ColumnName + " 0\r\n";
    }
  }
  if (Contains(base, "Airstrip") || Contains(base, "Airfield")) {
    const std::string carrier = build.bases.IntactCarrier(form, base);
    if (!carrier.empty()) landing += " 0 0 " + carrier;
  }
  if (Contains(base, "Harbor")) lines += over_base;
  if (Contains(base, "_Port")) lines += over_base;
  if (ContainsAnyOf(base, {"Seaplane_Base", "Airstrip", "Airfield"})) {
    lines += "  " + landing + " 0 0\r\n";
  }
  if (!lines.empty()) build.flights_text += SetRadio(form, i, lines);
}

}  // namespace

std::string PositionAfter(std::string_view leg, std::string_view keyword, int length) {
  const int at = Pos(keyword, leg);
  const int from = at > 0 ? at + static_cast<int>(keyword.size()) : 8;
  return Trim(Copy(leg, from, length));
}

std::string WithFollowLink(const std::string& leg, const std::string& link) {
  const size_t end = leg.find("\r\n");
  const std::string first = Trim(end == std::string::npos ? leg : leg.substr(0, end));
  const std::string rest = end == std::string::npos ? std::string() : leg.substr(end + 2);
  return "  " + WithoutFollowLink(first) + " " + link + "\r\n" + rest;
}

std::string FillAltitudes(const std::string& text, int altitude, int limit) {
  const std::string value = IntToStr(altitude) + ".0";
  std::string filled = text;
  size_t from = 0;
  for (int n = 0; n < limit; ++n) {
    const size_t at = filled.find(kAltitudePlaceholder, from);
    if (at == std::string::npos) break;
    filled.replace(at, kAltitudePlaceholder.size(), value);
    from = at + value.size();
  }
  return filled;
}

void PrepareFlightLegs(TMainForm& form, MissionBuild& build, SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  run.follow_suffix = run.flight == 0 ? "" : squadron.SquadronName + "0 1";
  run.saved_target = squadron.SquadronTargetLeg;
  TargetRun(form, build, run);

  run.takeoff_position = PositionAfter(run.saved_takeoff, kTakeOffKeyword);
  if (squadron.SquadronRendezvousLeg.empty()) {
    squadron.SquadronRendezvousLeg =
        CreateAveragePoint(form, run.takeoff_position,
                           PositionAfter(squadron.SquadronHalfWayLeg, kNormFlyKeyword), "0", i,
                           run.flight) +
        "\r\n";
  }
  const std::string& toward = build.bases.OffMap(squadron.SquadronHomeBase)
                                  ? squadron.SquadronHalfWayLeg
                                  : squadron.SquadronRendezvousLeg;
  run.join_target_position = PositionAfter(toward, kNormFlyKeyword);
  if (squadron.SquadronJoinLeg.empty()) {
    squadron.SquadronJoinLeg = CreateAveragePoint(form, run.takeoff_position,
                                                  run.join_target_position, "0", i, run.flight) +
                               "\r\n";
  }
  if (!squadron.SquadronTargetObject.empty() && run.flight % 2 == 1) {
    squadron.SquadronTargetLeg =
        ReplaceTextProcedure(squadron.SquadronTargetLeg, squadron.SquadronTargetObject + "0 2", "");
  }
}

void WriteWaypointSection(TMainForm& form, MissionBuild& build, SquadronRun& run) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  run.speed = SetSpeed(form, i);
  if (Contains(squadron.SquadronTakeOffLeg, "TAKEOFF")) {
    if (!build.airfield_lines) build.airfield_lines = AirfieldLines(form);
    LoadTakeoff(form, i, *build.airfield_lines);
  }
  if ((Contains(squadron.SquadronHomeBase, "English_") && !form.NormandyBaseOption) ||
      build.bases.OffMap(squadron.SquadronHomeBase)) {
    squadron.SquadronTakeOffLeg.clear();
  }
  AttackRendezvous(form, run);
  if (squadron.SquadronTakeOffLeg.empty()) {
    squadron.SquadronJoinLeg = CreateAveragePoint(form, run.takeoff_position,
                                                  run.join_target_position, "0", i, run.flight) +
                               "\r\n";
  }
  LinkEscort(form, run);
  FormBomberFlights(form, build, run);
  if (squadron.SquadronMoveKind > 0) {
    squadron.SquadronLandingLeg =
        "LANDING " + LocationPosition(form, squadron.SquadronTargetLocation);
    squadron.SquadronReturnLeg.clear();
  }
  ReturnOffTheMap(form, build, run);
  if (TaskCode(squadron) == 3 && squadron.PlanesExtra == 1 && i != 0 && form.AirStarts.Checked) {
    squadron.SquadronTakeOffLeg.clear();
    squadron.SquadronJoinLeg.clear();
  }
  ScrambleAttack(form, build, run);
  FillLegAltitudes(form, build, run);
  AppendSection(form, build, run);
  AppendLandingLines(form, build, run);
}
