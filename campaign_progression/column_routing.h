#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "campaign_progression/place_index.h"
#include "campaign_progression/route_sections.h"

class TMainForm;
struct ColumnEntry;

// The phases of the column routing between missions, sharing the look-ups of one call: the
// places by name, the route files read once, and which side has a column at which place.
class ColumnRouting {
 public:
  explicit ColumnRouting(TMainForm& form);

  // Retreats under overwhelming attack, build-up news, and armour seizing the place it holds.
  void RetreatsAndSeizures();
  // Where every column goes next.
  void ChooseDestinations();
  // What may move (ferries, blocked bridges, collisions, fuel), which enemies are engaged, and
  // each column's route points.
  void LimitMovesAndReadRoutes();
  // Armour starting at one place spreads out; short two-point routes are stretched.
  void SpreadArmour();
  void StretchShortRoutes();
  // The mission's "[Chiefs]" section and the columns' road sections.
  void BuildMissionSections();

 private:
  // True when a column of `side` stands at the column's destination.
  bool SideStandsAtDestination(const ColumnEntry& column, const std::string& side) const;
  void AddNewsItem(int line, const std::string& side, int location, bool only_once);
  void CheckHold(int c);
  void ChooseDestination(int c);
  int LastOfOtherSide(const std::unordered_map<std::string, std::vector<int>>& routed_to,
                      const ColumnEntry& column) const;
  void LimitMove(int c, bool& ferry_taken);
  int ReadRoutePoints(int c);
  void CopyRouteWindow(int c, int last_point);
  void CopyEngagedStretch(int c, int last_point);

  TMainForm& form_;
  const PlaceIndex& places_;
  RouteFiles routes_;
  std::unordered_set<std::string> sides_at_place_;  // place + "\n" + side
  std::vector<std::string> route_points_;           // the points of the move being read
  // Work points (and their marks) the last read filled; -1 before the first read, when any
  // may hold a value.
  int work_points_written_ = -1;
};
