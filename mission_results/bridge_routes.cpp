#include "mission_results/bridge_routes.h"

#include <cstdlib>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_results/event_text.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

constexpr long long kBridgeReach = 666;

long long WholeNumber(const std::string& text) {
  return StrToInt(Trim(text));
}

// "x y field ..." of a route file.
BridgeRoutePoint ReadRoutePoint(const std::string& line, int number) {
  const std::string text = Trim(line);
  const std::string rest = Trim(TextAfter(text, " "));
  BridgeRoutePoint point;
  point.x = WholeNumber(CutBefore(text, "."));
  point.y = WholeNumber(CutBefore(rest, "."));
  const std::string third = CutBefore(Trim(TextAfter(rest, " ")), " ");
  point.marked = Contains(third, "-");
  point.number = number;
  return point;
}

void ReadRouteFile(TMainForm& form, const std::string& path, bool rail, BridgeRoutes& routes) {
  BridgeRoute* route = nullptr;
  int point_lines = 0;
  for (const std::string& line : ReadTextLines(path)) {
    if (Contains(line, "[")) {
      BridgeRoute next;
      next.start_name = Trim(Copy(TextBefore(line, " to "), 2, static_cast<int>(line.size())));
      const std::string end = Trim(TextAfter(line, " to "));
      next.end_name = end.empty() ? std::string() : end.substr(0, end.size() - 1);
      next.rail = rail;
      routes.push_back(std::move(next));
      route = &routes.back();
      point_lines = 0;
      continue;
    }
    if (Trim(line).empty() || route == nullptr) continue;
    try {
      route->points.push_back(ReadRoutePoint(line, ++point_lines));
    } catch (const ConversionError&) {
      ErrorLog(form, "Route point without coordinates left out of the bridge check: " + line);
    }
  }
}

}  // namespace

BridgeRoutes ReadBridgeRoutes(TMainForm& form) {
  BridgeRoutes routes;
  const std::string roads = ExistingReferenceFile(form, form.MapName + ".rds");
  const std::string rails = ExistingReferenceFile(form, form.MapName + ".rls");
  if (!roads.empty()) ReadRouteFile(form, roads, false, routes);
  if (!rails.empty()) ReadRouteFile(form, rails, true, routes);
  return routes;
}

const BridgeRoutes& ResultsPassBridgeRoutes(TMainForm& form) {
  auto& cached = form.ResultsPass.Routes;
  if (!form.ResultsPass.Active || !cached) cached = ReadBridgeRoutes(form);
  return *cached;
}

WholePosition ReadBridgePosition(const std::string& position) {
  WholePosition read;
  read.x = WholeNumber(CutBefore(position, "."));
  read.y = WholeNumber(CutBefore(TextAfter(position, " "), "."));
  return read;
}

bool NearBridge(const BridgeRoutePoint& point, const WholePosition& position) {
  return std::llabs(point.x - position.x) < kBridgeReach &&
         std::llabs(point.y - position.y) < kBridgeReach;
}
