#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "campaign_data/nearest_location.h"
#include "mission_results/bridge_routes.h"

class TMainForm;

// Table indexes filed under a name, each list in ascending index order.
class PassNameIndex {
 public:
  void Clear() { entries_.clear(); }
  void Add(const std::string& name, int index);
  void Remove(const std::string& name, int index);
  const std::vector<int>& Find(const std::string& name) const;

 private:
  std::unordered_map<std::string, std::vector<int>> entries_;
};

// What one results pass keeps while it reads the event log: the look-ups it builds once, the
// aircraft and objects already scored, and the file writes held back until its wrap-up.
struct ResultsPassState {
  // While set, the look-ups below answer for the tables; otherwise the tables are scanned.
  bool Active = false;
  PassNameIndex RosterNames;  // roster entries (squadron * 17 + slot, slots 0..15) by pilot name
  std::vector<std::string> RosterNameFiled;  // the name each roster entry is filed under
  PassNameIndex SquadronNames;
  PassNameIndex ColumnNames;
  PassNameIndex StationaryNames;  // static objects by object name ("12_Static")
  PassNameIndex LocationNames;
  std::unordered_map<std::string, std::string> OffMapBases;  // base name -> OffMapCheck answer
  std::optional<std::vector<std::string>> ReconLines;        // recons.dat, read once
  std::optional<BridgeRoutes> Routes;                        // the map's routes, read once
  std::optional<NearestLocationIndex> NearestPlaces;         // built when first asked
  bool RankSweepDone = false;  // the dogfight seat rule has set every untracked rank once

  // Scored once per mission, whatever the log repeats.
  std::unordered_set<std::string> LostAircraft;        // aircraft whose loss is recorded
  std::unordered_set<std::string> CrashedAircraft;     // aircraft whose crash was checked
  std::unordered_set<std::string> CreditedVictims;     // aircraft whose victory is credited
  std::unordered_set<std::string> DestroyedObjects;    // static objects, vehicles, bridges
  std::unordered_set<int> LostPilots;                  // roster entries killed or captured
  std::unordered_set<std::string> PostedDebriefLines;  // seat lines already in the debriefing

  // File writes of the handlers, made in order when the pass wraps up.
  std::vector<std::function<void(TMainForm&)>> PendingWrites;
  bool CrewChanged = false;  // crew.tavrek is to be saved at the wrap-up

  int ProblemLines = 0;  // event-log lines reported as not scorable
};
