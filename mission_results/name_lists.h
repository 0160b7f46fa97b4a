#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "mission_results/pilot_nations.h"

class TMainForm;

// Names, portraits and home towns of new pilots, by their squadron's nation.

// Loads cities.dat (the campaign's data folder first, else the program's) into CityNameTable.
void CityNames(TMainForm& form);
// Loads the campaign's own name files ("RU_names.dat" ...); a nation whose file holds fewer
// than ten names keeps the built-in names.
void CustomPilotNames(TMainForm& form);
// Picks a random name from the list of the squadron's nation for the pilot in the slot (0..15,
// or spare slot 16), and also assigns him a portrait and a home town.
void PilotName(TMainForm& form, int squadron, int slot);
// The names the pilots of the roster (slots 0..15 of every squadron) hold, counted, so that a
// run of name checks asks each time without scanning the roster.
class RosterNameIndex {
 public:
  explicit RosterNameIndex(const TMainForm& form);
  // A pilot of the roster changed his name.
  void Rename(const std::string& old_name, const std::string& new_name);
  // At least `times` pilots hold the name.
  bool Holds(const std::string& name, int times = 1) const;

 private:
  std::unordered_map<std::string, int> counts_;
};

// Renames the pilot while another pilot of the roster has the same name. When no name of the
// lists in force is free, the pilot gets his name with a number added.
void PilotNameCheck(TMainForm& form, int squadron, int slot);
// The same with an index of the roster's names that the caller keeps up to date between calls.
void PilotNameCheck(TMainForm& form, int squadron, int slot, RosterNameIndex& index);
// A random home town of the town row; empty when the row holds none.
std::string PilotCity(TMainForm& form, int town_row);

// The lists a nation's pilots are named from: the campaign's own file while it holds more than
// nine names, otherwise the built-in lists.
const std::vector<std::string>& GivenNamesInForce(const TMainForm& form, const PilotNation& nation);
const std::vector<std::string>& FamilyNamesInForce(const TMainForm& form,
                                                   const PilotNation& nation);
// Draws a family name, then a given name: "Given Family".
std::string DrawPilotName(TMainForm& form, const PilotNation& nation);
