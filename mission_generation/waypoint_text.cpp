#include "mission_generation/waypoint_text.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/errors.h"

long long WholeMetres(std::string_view coordinate) {
  const std::string text = Trim(coordinate);
  const size_t point = text.find('.');
  if (point == std::string::npos) {
    throw ConversionError("'" + text + "' is not a map coordinate.");
  }
  try {
    return StrToInt(std::string_view(text).substr(0, point));
  } catch (const ConversionError&) {
    throw ConversionError("'" + text + "' is not a map coordinate.");
  }
}

MapMetres ReadPosition(std::string_view position) {
  const std::string text = Trim(position);
  const size_t blank = text.find(' ');
  if (blank == std::string::npos) {
    throw ConversionError("'" + text + "' is not a map position.");
  }
  const std::string_view rest = std::string_view(text).substr(blank + 1, 40);
  return {WholeMetres(std::string_view(text).substr(0, blank)), WholeMetres(rest)};
}

std::string LegPositionText(std::string_view leg, std::string_view keyword) {
  const size_t at = leg.find(keyword);
  if (at == std::string_view::npos) return "";
  return Trim(leg.substr(at + keyword.size(), 50));
}

MapMetres ReadLegPosition(std::string_view leg, std::string_view keyword, const std::string& what) {
  if (leg.find(keyword) == std::string_view::npos) {
    throw ConversionError("No \"" + Trim(keyword) + "\" position in " + what + ".");
  }
  try {
    return ReadPosition(LegPositionText(leg, keyword));
  } catch (const ConversionError& error) {
    throw ConversionError(std::string(error.what()) + " (" + what + ")");
  }
}

MapMetres ReadLocationPosition(const TMainForm& form, int location, const std::string& what) {
  if (!LocationTableType::Contains(location)) {
    throw ConversionError("No target location for " + what + ".");
  }
  const std::string& position = std::as_const(form.LocationTable)[location].LocationPosition;
  if (Trim(position).empty()) {
    throw ConversionError("The target location of " + what + " has no position.");
  }
  try {
    return ReadPosition(position);
  } catch (const ConversionError& error) {
    throw ConversionError(std::string(error.what()) + " (target of " + what + ")");
  }
}

BaseAndTarget ReadBaseAndTarget(const TMainForm& form, int squadron) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  BaseAndTarget positions;
  positions.base = ReadLegPosition(entry.SquadronTakeOffLeg, kTakeOffKeyword,
                                   "the take-off leg of " + SquadronLabel(form, squadron));
  positions.target =
      ReadLocationPosition(form, entry.SquadronTargetLocation, SquadronLabel(form, squadron));
  return positions;
}

std::optional<BaseAndTarget> ReadBaseAndTargetOrLog(TMainForm& form, int squadron,
                                                    const std::string& left_out) {
  try {
    return ReadBaseAndTarget(form, squadron);
  } catch (const ConversionError& error) {
    ErrorLog(form, left_out + " left out: " + error.what());
    return std::nullopt;
  }
}

std::string WaypointCoordinates(long long x, long long y) {
  return IntToStr(x) + ".00 " + IntToStr(y) + ".00";
}

std::string NormFlyLine(long long x, long long y, std::string_view altitude,
                        std::string_view speed) {
  return "  NORMFLY " + WaypointCoordinates(x, y) + " " + std::string(altitude) + " " +
         std::string(speed);
}

std::string AltitudeField(long long metres) {
  return IntToStr(metres) + ".0";
}

int StaggerIndex(int squadron) {
  return squadron % kStaggerCycle;
}

std::string SquadronLabel(const TMainForm& form, int squadron) {
  const std::string name =
      SquadronTableType::Contains(squadron) ? form.SquadronTable[squadron].SquadronName : "";
  return name + " [" + IntToStr(squadron) + "]";
}
