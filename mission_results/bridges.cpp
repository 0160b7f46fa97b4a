#include "mission_results/bridges.h"

#include <algorithm>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/bridge_routes.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_lookup.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// A route point among the route's first four names only the route's start.
constexpr int kFirstPointsOfRoute = 4;

void RemoveFirst(std::string& text, const std::string& part) {
  const size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
}

std::string CleanLocationName(TMainForm& form, const std::string& name) {
  std::string clean = RemoveBridgeNo(form, name);
  for (const char* suffix : {"_Bridge", "_Rail", "_Factory_District", "_Airfield", "_Airstrip"}) {
    RemoveFirst(clean, suffix);
  }
  return clean;
}

// "Bridge" followed by decimal digits only.
bool IsBridgeObject(const std::string& name) {
  if (!StartsWith(name, "Bridge") || name.size() == 6) return false;
  for (size_t i = 6; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  return true;
}

// Two numbers, as the event log gives a position: digits, signs, points and one blank.
bool IsPlainPosition(const std::string& position) {
  if (position.empty() || std::count(position.begin(), position.end(), ' ') != 1) return false;
  for (const char c : position) {
    if ((c < '0' || c > '9') && c != '.' && c != '-' && c != ' ') return false;
  }
  return true;
}

std::string RepairCount(TMainForm& form) {
  const std::string& setting = form.BridgeRepairTimeBox.Text;
  if (setting == "Random") return IntToStr(form.Random(9) + 1);
  if (!setting.empty() && setting[0] >= '0' && setting[0] <= '9') return setting.substr(0, 1);
  return "1";
}

// The pilot credited with the line's destruction, as the ground-kill rules find him.
std::string DestroyingPilot(TMainForm& form, const std::string& line, const std::string& mode) {
  if (mode == "AcesDogfight") {
    const size_t by = line.find(" by");
    if (by == std::string::npos) return std::string();
    const std::string after = Trim(line.substr(std::min(line.size(), by + 4)));
    return FixPilotName(form, Trim(TextBefore(Trim(TextBefore(after, " at ")), ":")));
  }
  const std::string actor = ActorOf(Trim(TextAfter(line, " by ")));
  const int slot = AircraftSlot(actor);
  const int squadron = slot < 0 ? -1 : LastSquadronNamed(form, AircraftSquadronId(actor));
  if (squadron < 0) return std::string();
  return FixPilotName(form, form.PilotRoster[RosterIndex(squadron, slot)].RosterName);
}

}  // namespace

std::string BridgeName(TMainForm& form, const std::string& position) {
  const WholePosition at = ReadBridgePosition(position);
  std::string start;
  std::string end;
  std::string suffix;
  for (const BridgeRoute& route : ResultsPassBridgeRoutes(form)) {
    for (const BridgeRoutePoint& point : route.points) {
      if (!point.marked || !NearBridge(point, at)) continue;
      if (route.rail) suffix = "_Rail";
      start = route.start_name;
      end = point.number <= kFirstPointsOfRoute ? std::string() : route.end_name;
    }
  }
  start = CleanLocationName(form, start);
  end = CleanLocationName(form, end);
  RemoveFirst(end, start);
  if (!end.empty()) end = "-" + end;
  return Trim(start + end + suffix + "_Bridge");
}

void BridgeDestroyed(TMainForm& form, const std::string& line, const std::string& mode) {
  const std::string text = Trim(line);
  const std::string object = ActorOf(text);
  const std::string position = Trim(Copy(TextAfter(text, " at "), 1, 99));
  if (!IsBridgeObject(object) || !IsPlainPosition(position)) {
    LogEventLineProblem(form, "Bridge line without a bridge number or position", line);
    return;
  }
  std::string bridge;
  try {
    bridge = BridgeName(form, position);
  } catch (const ConversionError&) {
    bridge = object;
  }
  const std::string repair = RepairCount(form);
  if (!form.ResultsPass.DestroyedObjects.insert(object).second) return;

  const std::string name = DestroyingPilot(form, text, mode);
  const std::vector<RosterSlot> slots = RosterSlotsNamed(form, name);
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    if (!PostInfo(form, it->squadron, it->slot)) continue;
    RankAwardSetup(form, it->squadron);
    AppendDebrief(
        form, it->squadron, form.PilotRoster[RosterIndex(it->squadron, it->slot)].RosterRank, name,
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kDebrief, 15), "<BRIDGE>", bridge));
    AppendEvent(
        form, name,
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kEvents, 17), "<BRIDGE>", bridge));
  }
  const std::string& down = form.Messages.Text(MessageSection::kNews, 20);
  form.NewsText += RemoveBridgeNo(form, bridge) + " " + down + std::string(kCrLf);
  form.Events.Caption += object + " - EVENT: " + form.CampaignDateText + ": " + down + " [" +
                         position + "] <~" + repair + "~>" + std::string(kCrLf);
}

void BridgeList(TMainForm& form) {
  ErrorLog(form, "Checking Bridge Status.");
  for (int l = 0; l <= form.LastLocation; ++l) form.LocationTable[l].LocationBridgeState = 0;
  const std::string events = form.CampaignFolder + "events.dat";
  if (form.CampaignFolder.empty() || !FileExists(events)) return;
  const BridgeRoutes routes = ReadBridgeRoutes(form);
  const auto mark = [&](const std::string& route_end) {
    if (route_end.empty()) return;
    for (int l = 0; l <= form.LastLocation; ++l) {
      LocationEntry& location = form.LocationTable[l];
      if (Contains(location.LocationName, route_end)) location.LocationBridgeState = 1;
    }
  };
  for (const std::string& line : ReadTextLines(events)) {
    if (!Contains(ActorOf(Trim(line)), "Bridge")) continue;
    WholePosition at;
    try {
      at = ReadBridgePosition(TextAfter(line, "["));
    } catch (const ConversionError&) {
      ErrorLog(form, "Bridge line without a position left out of the bridge check: " + line);
      continue;
    }
    for (const BridgeRoute& route : routes) {
      for (const BridgeRoutePoint& point : route.points) {
        if (!point.marked || !NearBridge(point, at)) continue;
        mark(route.start_name);
        mark(route.end_name);
      }
    }
  }
}
