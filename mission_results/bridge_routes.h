#pragma once

#include <string>
#include <vector>

class TMainForm;

// The road and rail routes of the current map as the bridge rules read them: each route with
// its start and end location and its points in whole metres. A point whose third field holds
// "-" is a marked point, the only kind a bridge is matched against.

struct BridgeRoutePoint {
  long long x = 0;
  long long y = 0;
  bool marked = false;
  int number = 0;  // 1 for the route's first point line
};

struct BridgeRoute {
  std::string start_name;
  std::string end_name;
  bool rail = false;
  std::vector<BridgeRoutePoint> points;
};

using BridgeRoutes = std::vector<BridgeRoute>;

// Reads MapName + ".rds", then ".rls" (campaign data folder first, then the program's data
// folder). A point line that holds no numbers is left out with a log line.
BridgeRoutes ReadBridgeRoutes(TMainForm& form);
// The routes of the current results pass, read once per pass; read afresh outside a pass.
const BridgeRoutes& ResultsPassBridgeRoutes(TMainForm& form);

// A position read as the bridge rules read it: x before the first ".", y after the first
// blank up to its "."; throws ConversionError when either is no number.
struct WholePosition {
  long long x = 0;
  long long y = 0;
};
WholePosition ReadBridgePosition(const std::string& position);
// Both coordinates of the point lie less than 666 m from the position's.
bool NearBridge(const BridgeRoutePoint& point, const WholePosition& position);
