#include "mission_results/name_lists.h"

#include <array>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_results/built_in_names.h"
#include "mission_results/roster_text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// Renames of one pilot before he is given a numbered name instead.
constexpr int kMaxRenames = 40;

constexpr std::array<std::pair<std::string_view, int>, 15> kTownRowOfHeader{{
    {"[US]", 2},
    {"[RA]", 3},
    {"[GB]", 4},
    {"[DU]", 5},
    {"[FI]", 6},
    {"[FR]", 7},
    {"[DE]", 8},
    {"[HU]", 9},
    {"[IT]", 10},
    {"[JA]", 11},
    {"[PL]", 12},
    {"[RO]", 13},
    {"[RU]", 14},
    {"[SK]", 15},
    {"[RZ]", 16},
}};

int TownRowOfHeader(std::string_view header) {
  for (const auto& [text, row] : kTownRowOfHeader) {
    if (text == header) return row;
  }
  return -1;
}

const std::string& DrawnItem(TMainForm& form, const std::vector<std::string>& items) {
  static const std::string kNone;
  const int drawn = form.Random(static_cast<int>(items.size()));
  return items.empty() ? kNone : items[drawn];
}

// The lowest number that makes the name unique.
void GiveNumberedName(TMainForm& form, int squadron, int slot, RosterNameIndex& index) {
  std::string& name = form.PilotRoster[RosterIndex(squadron, slot)].RosterName;
  const std::string old_name = name;
  const std::string base = Trim(name).empty() ? std::string("Pilot") : Trim(name);
  for (int number = 2;; ++number) {
    const std::string numbered = base + " " + IntToStr(number);
    if (!index.Holds(numbered)) {
      name = numbered;
      break;
    }
  }
  index.Rename(old_name, name);
  ErrorLog(form, form.SquadronTable[squadron].SquadronName + " #" + IntToStr(slot) +
                     " pilot named " + name + ": no unused name was drawn from the name lists.");
}

void ReadCustomNameFile(TMainForm& form, CustomNameCode code, const std::string& path) {
  CustomNameList& list = form.CustomPilotNameLists[static_cast<int>(code)];
  int& count = form.CustomNameCount[static_cast<int>(code)];
  for (const std::string& line : ReadTextLines(path)) {
    const int blank = Pos(" ", line);
    const std::string first = blank == 0 ? std::string() : Trim(Copy(line, 1, blank - 1));
    std::string last = line;
    if (const size_t at = last.find(first); !first.empty() && at != std::string::npos) {
      last.erase(at, first.size());
    }
    list.FirstNames.push_back(RosterSafeText(first));
    list.LastNames.push_back(RosterSafeText(Trim(last)));
    ++count;
  }
  if (count > 0 && count < 10) {
    ErrorLog(form, CustomNameFileName(code) + " holds " + IntToStr(count) +
                       " names, fewer than ten: the built-in names stay in use.");
  }
}

}  // namespace

void CityNames(TMainForm& form) {
  const std::string path = ExistingReferenceFile(form, "cities.dat");
  if (path.empty()) return;
  CityNameTableType& table = form.CityNameTable;
  int row = 0;
  int town = -1;
  bool known_section = true;
  bool row_full_reported = false;
  for (const std::string& line : ReadTextLines(path)) {
    const std::string text = Trim(line);
    if (Contains(line, "[")) {
      town = -1;
      row_full_reported = false;
      const int header_row = TownRowOfHeader(text);
      known_section = header_row >= 0;
      if (known_section) {
        row = header_row;
      } else {
        ErrorLog(form,
                 "cities.dat: the section " + text + " names no nation; its towns are left out.");
      }
      continue;
    }
    if (text.empty() || !known_section) continue;
    if (town + 1 >= kTownsPerRow) {
      if (!row_full_reported) {
        ErrorLog(form, "cities.dat: a section holds more than " + IntToStr(kTownsPerRow) +
                           " towns; the further towns are left out.");
        row_full_reported = true;
      }
      continue;
    }
    table.TownName[row][++town] = RosterSafeText(text);
    table.TownCount[row] = town;
  }
}

void CustomPilotNames(TMainForm& form) {
  for (int code = 0; code < kCustomNameCodes; ++code) {
    const auto name_code = static_cast<CustomNameCode>(code);
    form.CustomNameCount[code] = 0;
    form.CustomPilotNameLists[code] = CustomNameList{};
    const std::string path = ExistingReferenceFile(form, CustomNameFileName(name_code));
    if (!path.empty()) ReadCustomNameFile(form, name_code, path);
  }
}

const std::vector<std::string>& GivenNamesInForce(const TMainForm& form,
                                                  const PilotNation& nation) {
  if (nation.custom_names && form.CustomNameCount[static_cast<int>(*nation.custom_names)] > 9) {
    return form.CustomPilotNameLists[static_cast<int>(*nation.custom_names)].FirstNames;
  }
  return BuiltInPilotNames().*nation.first_names;
}

const std::vector<std::string>& FamilyNamesInForce(const TMainForm& form,
                                                   const PilotNation& nation) {
  if (nation.custom_names && form.CustomNameCount[static_cast<int>(*nation.custom_names)] > 9) {
    return form.CustomPilotNameLists[static_cast<int>(*nation.custom_names)].LastNames;
  }
  return BuiltInPilotNames().*nation.last_names;
}

std::string DrawPilotName(TMainForm& form, const PilotNation& nation) {
  const std::string last = Trim(DrawnItem(form, FamilyNamesInForce(form, nation)));
  const std::string first = Trim(DrawnItem(form, GivenNamesInForce(form, nation)));
  return Trim(first + " " + last);
}

std::string PilotCity(TMainForm& form, int town_row) {
  if (town_row < 0 || town_row >= kTownRows) return std::string();
  const CityNameTableType& table = form.CityNameTable;
  const int drawn = form.Random(table.TownCount[town_row] + 1);
  return table.TownName[town_row][drawn];
}

void PilotName(TMainForm& form, int squadron, int slot) {
  const std::string nation_code = form.SquadronTable[squadron].SquadronNation;
  PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
  if (const PilotNation* nation = PilotNationOf(nation_code)) {
    pilot.RosterName = DrawPilotName(form, *nation);
    const int number = nation->lowest_portrait + form.Random(31 - nation->lowest_portrait);
    pilot.RosterPhoto = std::string(nation->portrait_folder) + ZeroPad(number, 2);
    pilot.RosterHomeTown = PilotCity(form, nation->town_row);
  }
  if (!FileExists(form.GameFolder + pilot.RosterPhoto + ".bmp")) pilot.RosterPhoto = "DGen\\Photo";
}

RosterNameIndex::RosterNameIndex(const TMainForm& form) {
  const PilotRosterType& roster = form.PilotRoster;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < 16; ++slot) ++counts_[roster[RosterIndex(squadron, slot)].RosterName];
  }
}

void RosterNameIndex::Rename(const std::string& old_name, const std::string& new_name) {
  if (old_name == new_name) return;
  if (const auto found = counts_.find(old_name); found != counts_.end() && --found->second == 0) {
    counts_.erase(found);
  }
  ++counts_[new_name];
}

bool RosterNameIndex::Holds(const std::string& name, int times) const {
  const auto found = counts_.find(name);
  return found != counts_.end() && found->second >= times;
}

void PilotNameCheck(TMainForm& form, int squadron, int slot) {
  RosterNameIndex index(form);
  PilotNameCheck(form, squadron, slot, index);
}

void PilotNameCheck(TMainForm& form, int squadron, int slot, RosterNameIndex& index) {
  // A slot of the roster counts itself among the holders of its name; the spare slot does not.
  const int held_by_itself = squadron <= form.LastSquadron && slot < 16 ? 1 : 0;
  std::string& name = form.PilotRoster[RosterIndex(squadron, slot)].RosterName;
  for (int renames = 0; index.Holds(name, held_by_itself + 1); ++renames) {
    if (renames == kMaxRenames) {
      GiveNumberedName(form, squadron, slot, index);
      return;
    }
    const std::string taken = name;
    PilotName(form, squadron, slot);
    if (held_by_itself == 1) index.Rename(taken, name);
    ErrorLog(form, form.SquadronTable[squadron].SquadronName + " #" + IntToStr(slot) +
                       " pilot's name changed due to duplication.");
  }
}
