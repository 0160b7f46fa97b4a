#include "mission_generation/plan_input_checks.h"

#include <optional>
#include <string>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"

namespace {

bool IsWholeNumber(const std::string& text) {
  try {
    StrToInt(text);
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

bool IsSide(const std::string& side) {
  return side == "1" || side == "2";
}

bool IsRole(const std::string& role) {
  return role.size() == 1 && role[0] >= '1' && role[0] <= '7';
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// Why the squadron cannot be planned; nothing when it can.
std::optional<std::string> SquadronProblem(const TMainForm& form, int s) {
  const SquadronEntry& squadron = form.SquadronTable[s];
  if (!IsRole(squadron.SquadronRole)) {
    return "its aircraft type " + Quoted(squadron.SquadronClass) + " has the role " +
           Quoted(squadron.SquadronRole) + ", none of 1 to 7";
  }
  if (!IsSide(squadron.SquadronArmy)) {
    return "its side " + Quoted(squadron.SquadronArmy) + " is neither 1 nor 2";
  }
  if (!IsWholeNumber(squadron.PlanesFlight)) {
    return "its planes available " + Quoted(squadron.PlanesFlight) + " are no number";
  }
  if (!IsWholeNumber(squadron.PlanesMax)) {
    return "its full strength " + Quoted(squadron.PlanesMax) + " is no number";
  }
  if (squadron.PlanesExtra < 1) return "it has no flight size";
  if (!HasCruiseSpeed(form, s)) {
    const bool own_box = s == 0 && form.CruiseBox.Text != "Default";
    return "its cruise speed " + Quoted(own_box ? form.CruiseBox.Text : squadron.TypeCruiseSpeed) +
           " is no positive number of km/h";
  }
  const std::string& take_off = squadron.SquadronTakeOffLeg;
  if (!take_off.empty()) {
    try {
      ReadWholeMetres(Trim(Copy(Trim(take_off), 9, static_cast<int>(take_off.size()))));
    } catch (const ConversionError&) {
      return "its take-off position " + Quoted(take_off) + " cannot be read";
    }
  }
  return std::nullopt;
}

std::string ColumnLabel(const TMainForm& form, int column) {
  return "Column " + form.ColumnTable[column].ColumnName + " [" + IntToStr(column) + "]";
}

std::optional<std::string> ColumnProblem(const TMainForm& form, int c) {
  const ColumnEntry& column = form.ColumnTable[c];
  if (!IsSide(column.ColumnArmy)) {
    return "its side " + Quoted(column.ColumnArmy) + " is neither 1 nor 2";
  }
  for (int k = 0; k < kColumnRouteCapacity; ++k) {
    const std::string& point = column.ColumnRoute[k];
    if (point.empty()) continue;
    try {
      ReadWholeMetres(RoutePointPosition(point));
    } catch (const ConversionError&) {
      return "its route point " + IntToStr(k) + " " + Quoted(point) + " is no map position";
    }
  }
  return std::nullopt;
}

}  // namespace

void LeaveOutUnplannableSquadrons(TMainForm& form, PlanRun& run) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    if (form.SquadronTable[s].SquadronName.empty()) {
      run.LeaveOut(s);
      continue;
    }
    const std::optional<std::string> problem = SquadronProblem(form, s);
    if (!problem) continue;
    run.LeaveOut(s);
    ErrorLog(form,
             "Squadron " + SquadronLabel(form, s) + " left out of the plan: " + *problem + ".");
  }
}

void LeaveOutUnplannableColumns(TMainForm& form, PlanRun& run) {
  for (int c = 0; c <= form.LastColumn; ++c) {
    const std::optional<std::string> problem = ColumnProblem(form, c);
    if (!problem) continue;
    run.LeaveOutColumn(c);
    ErrorLog(form, ColumnLabel(form, c) + " left out of the plan: " + *problem + ".");
  }
}
