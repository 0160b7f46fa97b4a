#include "mission_generation/ground_object_sections.h"

#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_generation/mission_build.h"
#include "mission_generation/mission_sections.h"
#include "platform/ascii.h"

namespace {

constexpr size_t kUsualLineLength = 96;

// The text after the first "-" (all of it without one), trimmed.
std::string AfterFirstDash(const std::string& text) {
  const size_t dash = text.find('-');
  return Trim(dash == std::string::npos ? Copy(text, 1, 99)
                                        : Copy(text, static_cast<int>(dash) + 2, 99));
}

bool NeedsStandIn(std::string_view line, const std::vector<ClassStandIn>& rows) {
  for (const ClassStandIn& row : rows) {
    if (Contains(line, row.missing)) return true;
  }
  return false;
}

}  // namespace

std::vector<ClassStandIn> MissingClassStandIns(const TMainForm& form) {
  std::vector<ClassStandIn> rows;
  for (int k = 0; k < kGroundObjectTypeCapacity; ++k) {
    const GroundObjectTypeEntry& type = form.GroundObjectTypeTable[k];
    std::string missing = Trim(type.GroundObjectName);
    std::string stand_in = Trim(type.GroundObjectField2);
    if (Contains(missing, "Armor.") && AsciiLowerCase(stand_in) != "none") {
      missing = AfterFirstDash(missing);
      stand_in = AfterFirstDash(stand_in);
      if (stand_in == "ZSU-37") stand_in = "ZSU37";
      if (stand_in == "SU-75") stand_in = "SU75";
    }
    if (missing.empty() || type.GroundObjectAvailable == "1" ||
        AsciiLowerCase(stand_in) == "none") {
      continue;
    }
    rows.push_back({missing, stand_in});
  }
  return rows;
}

std::string WithStandInClasses(const std::string& line, const std::vector<ClassStandIn>& rows) {
  std::string changed = line;
  for (const ClassStandIn& row : rows) {
    if (Contains(changed, row.missing)) {
      changed = ReplaceTextProcedure(changed, row.missing, row.stand_in);
    }
  }
  return changed;
}

bool HiddenByDaylight(const std::string& line, int hour, int weather) {
  const bool daylight_in_fair_weather = hour > 7 && hour < 17 && weather < 4;
  return daylight_in_fair_weather && (Contains(line, "Campfire") || Contains(line, "Aeronautics"));
}

// Objects are read through the const table and written only where their line changes, so a
// section of many objects is not copied line by line and the table sees no needless changes.
void WriteStationarySection(TMainForm& form, MissionBuild& build) {
  const std::vector<ClassStandIn> rows = MissingClassStandIns(form);
  const int hour = StrToIntDef(form.MissionHourText, -1);
  std::string& text = build.nstationary_text;
  text = "[NStationary]\r\n";
  // Room for lines of a usual length up front: the section runs to megabytes at capacity.
  text.reserve(text.size() + static_cast<size_t>(form.LastStationary + 1) * kUsualLineLength);
  for (int j = 0; j <= form.LastStationary; ++j) {
    const std::string& line = std::as_const(form.StationaryObjectTable)[j].StationaryMissionLine;
    if (HiddenByDaylight(line, hour, form.CurrentConditions)) {
      form.StationaryObjectTable[j].StationaryMissionLine.clear();
      continue;
    }
    if (TrimView(line).empty()) continue;
    if (NeedsStandIn(line, rows)) {
      std::string& changed = form.StationaryObjectTable[j].StationaryMissionLine;
      changed = WithStandInClasses(changed, rows);
      text += changed;
    } else {
      text += line;
    }
    text += "\r\n";
  }
}

void WriteBridgeSection(TMainForm& form, MissionBuild& build) {
  build.bridge_text = "[Bridge]\r\n" + form.DestroyedBridgeText;
}

void WriteBuildingsAndCameras(TMainForm& form, const MissionBuild& build) {
  BuildingList(form);
  form.CamerasText += "  " + form.TargetPosition + " 1\r\n";
  form.CamerasText += "  " + build.front_centre_x + " " + build.front_centre_y + " 2\r\n";
}
