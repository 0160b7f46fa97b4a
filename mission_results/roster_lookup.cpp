#include "mission_results/roster_lookup.h"

#include <algorithm>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_results/event_text.h"
#include "platform/errors.h"

void PassNameIndex::Add(const std::string& name, int index) {
  std::vector<int>& indexes = entries_[name];
  indexes.insert(std::lower_bound(indexes.begin(), indexes.end(), index), index);
}

void PassNameIndex::Remove(const std::string& name, int index) {
  const auto found = entries_.find(name);
  if (found == entries_.end()) return;
  std::vector<int>& indexes = found->second;
  const auto at = std::lower_bound(indexes.begin(), indexes.end(), index);
  if (at != indexes.end() && *at == index) indexes.erase(at);
}

const std::vector<int>& PassNameIndex::Find(const std::string& name) const {
  static const std::vector<int> kNone;
  const auto found = entries_.find(name);
  return found == entries_.end() ? kNone : found->second;
}

namespace {

constexpr int kPilotSlots = 16;

template <typename Matches>
std::vector<int> Scan(int last, Matches matches) {
  std::vector<int> found;
  for (int i = 0; i <= last; ++i) {
    if (matches(i)) found.push_back(i);
  }
  return found;
}

}  // namespace

std::string StationaryObjectName(const std::string& line) {
  std::string text = Trim(line);
  if (StartsWith(text, "X ")) text = Trim(text.substr(2));
  return CutBefore(text, " ");
}

void BuildResultsIndexes(TMainForm& form) {
  ResultsPassState& pass = form.ResultsPass;
  pass.RosterNames.Clear();
  pass.SquadronNames.Clear();
  pass.ColumnNames.Clear();
  pass.StationaryNames.Clear();
  pass.LocationNames.Clear();
  pass.OffMapBases.clear();
  pass.RosterNameFiled.assign(
      static_cast<size_t>(std::max(form.LastSquadron + 1, 0)) * kRosterSlotsPerSquadron,
      std::string());
  for (int s = 0; s <= form.LastSquadron; ++s) {
    pass.SquadronNames.Add(form.SquadronTable[s].SquadronName, s);
    for (int slot = 0; slot < kPilotSlots; ++slot) {
      const int entry = RosterIndex(s, slot);
      const std::string& name = form.PilotRoster[entry].RosterName;
      pass.RosterNames.Add(name, entry);
      pass.RosterNameFiled[static_cast<size_t>(entry)] = name;
    }
  }
  for (int c = 0; c <= form.LastColumn; ++c) {
    pass.ColumnNames.Add(form.ColumnTable[c].ColumnName, c);
  }
  for (int i = 0; i <= form.LastStationary; ++i) {
    pass.StationaryNames.Add(StationaryObjectName(form.StationaryObjectTable[i].StationaryLine), i);
  }
  for (int l = 0; l <= form.LastLocation; ++l) {
    pass.LocationNames.Add(std::as_const(form.LocationTable)[l].LocationName, l);
  }
  pass.Active = true;
}

void ClearResultsIndexes(TMainForm& form) {
  ResultsPassState& pass = form.ResultsPass;
  pass.Active = false;
  pass.RosterNames.Clear();
  pass.RosterNameFiled.clear();
  pass.SquadronNames.Clear();
  pass.ColumnNames.Clear();
  pass.StationaryNames.Clear();
  pass.LocationNames.Clear();
  pass.OffMapBases.clear();
  pass.ReconLines.reset();
  pass.Routes.reset();
  pass.NearestPlaces.reset();
}

void RosterNameChanged(TMainForm& form, int squadron, int slot) {
  ResultsPassState& pass = form.ResultsPass;
  if (!pass.Active || slot < 0 || slot >= kPilotSlots) return;
  const int entry = RosterIndex(squadron, slot);
  if (entry < 0 || entry >= static_cast<int>(pass.RosterNameFiled.size())) return;
  std::string& filed = pass.RosterNameFiled[static_cast<size_t>(entry)];
  const std::string& name = form.PilotRoster[entry].RosterName;
  if (filed == name) return;
  pass.RosterNames.Remove(filed, entry);
  pass.RosterNames.Add(name, entry);
  filed = name;
}

std::vector<RosterSlot> RosterSlotsNamed(const TMainForm& form, const std::string& name) {
  std::vector<RosterSlot> slots;
  if (name.empty()) return slots;
  if (form.ResultsPass.Active) {
    for (const int entry : form.ResultsPass.RosterNames.Find(name)) {
      slots.push_back({entry / kRosterSlotsPerSquadron, entry % kRosterSlotsPerSquadron});
    }
    return slots;
  }
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < kPilotSlots; ++slot) {
      if (form.PilotRoster[RosterIndex(s, slot)].RosterName == name) slots.push_back({s, slot});
    }
  }
  return slots;
}

std::vector<int> SquadronsNamed(const TMainForm& form, const std::string& name) {
  if (name.empty()) return {};
  if (form.ResultsPass.Active) return form.ResultsPass.SquadronNames.Find(name);
  return Scan(form.LastSquadron, [&](int s) { return form.SquadronTable[s].SquadronName == name; });
}

int LastSquadronNamed(const TMainForm& form, const std::string& name) {
  const std::vector<int> found = SquadronsNamed(form, name);
  return found.empty() ? -1 : found.back();
}

std::vector<int> ColumnsNamed(const TMainForm& form, const std::string& name) {
  if (name.empty()) return {};
  if (form.ResultsPass.Active) return form.ResultsPass.ColumnNames.Find(name);
  return Scan(form.LastColumn, [&](int c) { return form.ColumnTable[c].ColumnName == name; });
}

std::vector<int> StationaryNamed(const TMainForm& form, const std::string& name) {
  if (name.empty()) return {};
  if (form.ResultsPass.Active) return form.ResultsPass.StationaryNames.Find(name);
  return Scan(form.LastStationary, [&](int i) {
    return StationaryObjectName(form.StationaryObjectTable[i].StationaryLine) == name;
  });
}

std::string LocationPositionNamed(const TMainForm& form, const std::string& name) {
  if (name.empty()) return std::string();
  std::vector<int> found;
  if (form.ResultsPass.Active) {
    found = form.ResultsPass.LocationNames.Find(name);
  } else {
    found = Scan(form.LastLocation,
                 [&](int l) { return std::as_const(form.LocationTable)[l].LocationName == name; });
  }
  return found.empty() ? std::string()
                       : std::as_const(form.LocationTable)[found.back()].LocationPosition;
}

std::string BaseOffMap(TMainForm& form, const std::string& base) {
  if (!form.ResultsPass.Active) return OffMapCheck(form, base);
  auto& answers = form.ResultsPass.OffMapBases;
  const auto found = answers.find(base);
  if (found != answers.end()) return found->second;
  // OffMapCheck's answer, from the locations of that name only.
  const bool british_bases_on_map = form.NormandyBaseOption && form.MapName == "Normandy";
  std::string answer = "N";
  for (const int l : form.ResultsPass.LocationNames.Find(base)) {
    const LocationEntry& location = std::as_const(form.LocationTable)[l];
    if (location.LocationOffMap != "Y") continue;
    if (british_bases_on_map && Contains(location.LocationName, "English_")) continue;
    answer = "Y";
  }
  return answers[base] = answer;
}

std::string NearestLocationName(TMainForm& form, const std::string& position) {
  if (!form.ResultsPass.Active) return MapLocation(form, position);
  auto& index = form.ResultsPass.NearestPlaces;
  if (!index) index.emplace(form.LocationTable, form.LastLocation, "");
  int nearest = -1;
  try {
    nearest = index->Nearest(position);
  } catch (const ConversionError&) {
    return MapLocation(form, position);  // a position or a location that holds no numbers
  }
  if (nearest < 0 || std::as_const(form.LocationTable)[nearest].LocationPosition.empty()) {
    return MapLocation(form, position);
  }
  ErrorLog(form, "Determining the nearest location on the map to a static object.");
  return std::as_const(form.LocationTable)[nearest].LocationName;
}
