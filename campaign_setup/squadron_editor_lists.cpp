#include "campaign_setup/squadron_editor_lists.h"

#include <algorithm>

#include "campaign_data/text.h"
#include "platform/ascii.h"

std::vector<std::string> SquadronIdsOf(const std::vector<std::string>& lines) {
  std::vector<std::string> ids;
  for (const std::string& line : lines) {
    std::string id = Trim(line);
    if (const size_t blank = id.find(' '); blank != std::string::npos) id.erase(blank);
    if (!id.empty()) ids.push_back(std::move(id));
  }
  return ids;
}

OfferedAircraft AircraftOffered(const std::vector<AircraftClassEntry>& classes,
                                const std::vector<std::string>& installed_game_names,
                                bool historical_dates, int year_month) {
  OfferedAircraft offered;
  for (const AircraftClassEntry& type : classes) {
    const bool installed = std::any_of(installed_game_names.begin(), installed_game_names.end(),
                                       [&type](const std::string& game_name) {
                                         return EqualsIgnoreCase(game_name, type.ClassGameName);
                                       });
    if (!installed) continue;
    if (historical_dates) {
      const int start = StrToIntDef(Trim(type.ClassServiceStart), 0);
      const int end = StrToIntDef(Trim(type.ClassServiceEnd), 0);
      if (year_month < start || year_month > end) continue;
    }
    offered.descriptions.push_back(Trim(type.ClassDescription));
    offered.class_lines.push_back("Class air." + Trim(type.ClassName));
  }
  return offered;
}

std::vector<std::string> BasesOffered(const std::vector<BasePlace>& places,
                                      const std::vector<CarrierColumn>& columns,
                                      const std::string& army, const std::string& role) {
  const bool seaplane = role == "6";
  const bool bomber = role == "2";
  std::vector<std::string> bases;
  for (const BasePlace& place : places) {
    if (place.army != army) continue;
    if (Contains(place.name, "Airfield") && !seaplane) bases.push_back(place.name);
    if (Contains(place.name, "Airstrip") && !seaplane && !bomber) bases.push_back(place.name);
    if (ContainsAny(place.name, {"Harbor", "Seaplane_Base", "_Port"}) && seaplane) {
      bases.push_back(place.name);
    }
  }
  if (!seaplane) {
    for (const CarrierColumn& column : columns) {
      if (column.army == army && Contains(column.type, "CV") && !Contains(column.type, "LCVP")) {
        bases.push_back(column.unit_name);
      }
    }
  }
  bases.push_back("Unknown");
  return bases;
}

bool BaseSuitsRole(const std::string& base, const std::string& role) {
  if (base == "Unknown") return true;
  const std::string lower = AsciiLowerCase(base);
  const bool water = ContainsAny(lower, {"_port", "harbor", "seaplane_base"});
  return water == (role == "6");
}

std::string SkillOfItem(const std::string& item) {
  if (item == "Average") return "Skill 1";
  if (item == "Veteran") return "Skill 2";
  if (item == "Ace") return "Skill 3";
  return "Skill 0";
}

std::string ItemOfSkill(const std::string& skill) {
  if (skill == "Skill 1") return "Average";
  if (skill == "Skill 2") return "Veteran";
  if (skill == "Skill 3") return "Ace";
  return "Rookie";
}

std::vector<std::string> InsigniaShown(const std::string& army, const std::string& nation) {
  struct Insignia {
    std::vector<std::string> codes;
    std::string icon;
    std::string replaces;  // the side's insignia it stands in for
  };
  static const std::vector<Insignia> kNations{
      {{"fi"}, "FiIcon", "IronCross"},
      {{"ro"}, "RoIcon", "IronCross"},
      {{"sk"}, "SkIcon", "IronCross"},
      {{"hu"}, "HuIcon", "IronCross"},
      {{"it"}, "Iticon", "IronCross"},
      {{"ja", "in"}, "JaIcon", "IronCross"},
      {{"us", "un", "um"}, "USAAFIcon", "RedStar"},
      {{"gb", "rn"}, "RAFIcon", "RedStar"},
      {{"ra", "rz"}, "RAAFIcon", "RedStar"},
      {{"du"}, "DuIcon", "RedStar"},
      {{"fr"}, "FRIcon", "RedStar"},
      {{"pl"}, "plicon", "both"},
  };
  std::string side_icon = army == "1" ? "RedStar" : army == "2" ? "IronCross" : "";
  std::string nation_icon;
  for (const Insignia& insignia : kNations) {
    if (std::find(insignia.codes.begin(), insignia.codes.end(), nation) == insignia.codes.end()) {
      continue;
    }
    nation_icon = insignia.icon;
    if (side_icon == insignia.replaces || insignia.replaces == "both") side_icon.clear();
  }
  std::vector<std::string> shown;
  if (!side_icon.empty()) shown.push_back(side_icon);
  if (!nation_icon.empty()) shown.push_back(nation_icon);
  return shown;
}

bool UsableSquadronName(const std::string& name) {
  if (name.empty()) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '[' || c == ']' || c == 127;
  });
}
