#include "campaign_data/squadron_names.h"

#include <algorithm>
#include <bitset>
#include <optional>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// The pairs of neighbouring characters of a text, hashed into bits. A part whose first two
// characters are no pair of the text is not in it, which most parts of the identifier rules
// are told by one look at a bit.
class CharacterPairs {
 public:
  explicit CharacterPairs(std::string_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) bits_.set(Bit(text[i], text[i + 1]));
  }
  bool MayHold(std::string_view part) const {
    return part.size() < 2 || bits_.test(Bit(part[0], part[1]));
  }

 private:
  static size_t Bit(char first, char second) {
    return (static_cast<unsigned char>(first) * 64u + static_cast<unsigned char>(second)) % 1021u;
  }
  std::bitset<1021> bits_;
};

bool ContainsAnyOf(std::string_view text, const CharacterPairs& pairs,
                   const std::vector<std::string_view>& parts) {
  return std::any_of(parts.begin(), parts.end(), [text, &pairs](std::string_view part) {
    return pairs.MayHold(part) && Contains(text, part);
  });
}

void ReplaceFirst(std::string& text, std::string_view old_text, std::string_view new_text) {
  const size_t at = text.find(old_text);
  if (at != std::string::npos) text.replace(at, old_text.size(), new_text);
}

void RemoveFirst(std::string& text, std::string_view part) {
  ReplaceFirst(text, part, "");
}

// The identifier rules in the order they are tested; a later match overrides an earlier one.
struct CountryRule {
  std::vector<std::string_view> parts;
  const char* army;
  const char* nation;
  bool (*extra)(const std::string& name);  // a further way to match, or the condition to match
  bool extra_is_condition;
};

// "h01" in either case of the letter.
bool HasLowerH01(const std::string& name) {
  for (size_t at = name.find("01", 1); at != std::string::npos; at = name.find("01", at + 1)) {
    if (AsciiLower(name[at - 1]) == 'h') return true;
  }
  return false;
}
bool HasLoneNN(const std::string& name) {
  return Contains(name, "NN") && !Contains(name, "_NN");
}
bool NotFrench(const std::string& name) {
  return !Contains(name, "fr01");
}

const std::vector<CountryRule>& CountryRules() {
  static const std::vector<CountryRule> rules{
      {{"5_1_Fighter", "hu"}, "2", "hu", HasLowerH01, false},
      {{"ja01", "IJA_"}, "2", "ja", nullptr, false},
      {{"IN_NN", "IJN_"}, "2", "in", nullptr, false},
      {{"LeLv", "fi", "f01"}, "2", "fi", nullptr, false},
      {{"Eskadrila", "ro01"}, "2", "ro", nullptr, false},
      {{"g01", "JG", "KG", "ZG", "F_22", "Aufkl", "_LG", "_SG", "H_31", "StG", "Jabo"},
       "2",
       "de",
       nullptr,
       false},
      {{"Slovakian", "sk01"}, "2", "sk", nullptr, false},
      {{"fr01"}, "1", "fr", HasLoneNN, false},
      {{"PL", "PZL", "ZF", "302WX", "303RF", "306UZ", "308ZF", "309WC", "315PK", "316SZ", "317JH",
        "318LW"},
       "1",
       "pl",
       nullptr,
       false},
      {{"r01", "BAP", "IAP", "ShAP", "AIK"}, "1", "ru", NotFrench, true},
      {{"usa0", "USA_", "FG_", "AVG_FS_", "BG_"}, "1", "us", nullptr, false},
      {{"UN_NN", "USN_"}, "1", "un", nullptr, false},
      {{"UM_NN", "USMC_"}, "1", "um", nullptr, false},
      {{"gb", "RAF", "Squadron", "Sqn"}, "1", "gb", nullptr, false},
      {{"RN_NN", "sq"}, "1", "rn", nullptr, false},
      {{"RZ_NN", "FSquadron", "OTUSquadron", "TSquadron", "DBSquadron", "488Squadronfe"},
       "1",
       "rz",
       nullptr,
       false},
      {{"DU_NN", "NEI"}, "1", "du", nullptr, false},
      {{"RAAF"}, "1", "ra", nullptr, false},
      {{"356squadriglia", "i01"}, "2", "it", nullptr, false},
  };
  return rules;
}

bool Matches(const CountryRule& rule, const std::string& name, const CharacterPairs& pairs) {
  const bool listed = ContainsAnyOf(name, pairs, rule.parts);
  if (rule.extra == nullptr) return listed;
  if (rule.extra_is_condition) return listed && rule.extra(name);
  return listed || rule.extra(name);
}

// A whole number written back without leading zeros; nothing when the text is none.
std::optional<std::string> WholeNumber(const std::string& text) {
  try {
    return IntToStr(StrToInt(text));
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

// A numbered unit: the first "z" and the unit's prefix removed, the rest is its number. A rest
// that is no number leaves the name as it was.
void NumberedUnit(std::string& name, std::string_view prefix, std::string_view unit_word,
                  const OrdinalEndings& endings) {
  std::string rest = name;
  RemoveFirst(rest, "z");
  RemoveFirst(rest, prefix);
  const std::optional<std::string> number = WholeNumber(rest);
  if (!number) return;
  name = *number + OrdinalEnding(*number, endings) + std::string(unit_word);
}

void UnitWords(std::string& name) {
  ReplaceFirst(name, "_JG", "/Jagdgeschwader ");
  ReplaceFirst(name, "_EJG", "/EJG ");
  ReplaceFirst(name, "_SG", "/Schlachtgeschwader ");
  ReplaceFirst(name, "_NJG", "/Nachtjagdgeschwader ");
  ReplaceFirst(name, "_ZG", "/Zerst\xF6rergeschwader ");  // Windows-1252 o-umlaut
  if (!Contains(name, "KGrzbV")) ReplaceFirst(name, "_KG", "/Kampfgeschwader ");
  ReplaceFirst(name, "_KGrzbV", "/KGrzb V ");
  ReplaceFirst(name, "_LG", "/Lehrgeschwader ");
  ReplaceFirst(name, "_StG", "/Sturzkampfgeschwader ");
  ReplaceFirst(name, "Stab", "Stab.");
  ReplaceFirst(name, "GvIAP", "th Guards IAP");
  ReplaceFirst(name, "GvShAP", "th Guards ShAP");
  ReplaceFirst(name, "BAP", "th BAP");
}

void UnitedStatesSquadron(std::string& name, std::string_view marker, std::string_view prefix,
                          std::string_view unit_word, const OrdinalEndings& endings) {
  if (!Contains(name, "USA") || !Contains(name, marker)) return;
  const std::string after = Copy(name, Pos(prefix, name) + static_cast<int>(prefix.size()), 99);
  std::string rest = after;
  RemoveFirst(rest, "z");
  RemoveFirst(rest, prefix);
  const std::optional<std::string> number = WholeNumber(rest);
  if (!number) return;
  name = *number + OrdinalEnding(*number, endings) + std::string(unit_word);
}

void JapaneseNavyGroups(std::string& name, const OrdinalEndings& endings) {
  const auto strip = [](std::string text) {
    RemoveFirst(text, "z");
    RemoveFirst(text, "IJN_AG_");
    RemoveFirst(text, "IJN_C_");
    return text;
  };
  const auto kokutai = [](std::string text) {
    text = "Kokutai " + text;
    ReplaceFirst(text, "_", " ");
    ReplaceFirst(text, "_", " ");
    return text;
  };
  if (ContainsAny(name, {"Kaga", "Soryu", "Hiryu", "Akagi", "Ryuho"})) {
    name = kokutai(strip(name));
  }
  if (ContainsAny(name, {"IJN_AG_", "IJN_C_"})) {
    std::string rest = strip(name);
    if (const std::optional<std::string> number = WholeNumber(rest)) {
      rest = *number + OrdinalEnding(*number, endings);
    }
    name = kokutai(rest);
  }
}

void JapaneseArmyUnits(std::string& name, const OrdinalEndings& endings) {
  static const std::vector<std::pair<std::string_view, std::string_view>> units{
      {"IJA_F_C_", " Dokuritsu Chutai"},  {"IJA_F_D_", " Hiko Daitai"},
      {"IJA_F_H_", " Dokuritsu Hikotai"}, {"IJA_F_K_", " Hyo-iku Hikotai"},
      {"IJA_F_L_", " Lensei Hikotai"},    {"IJA_F_S_", " Hiko Sentai"},
  };
  for (const auto& [prefix, unit_word] : units) {
    if (Contains(name, prefix)) NumberedUnit(name, prefix, unit_word, endings);
  }
}

}  // namespace

SquadronCountry CountryOfSquadron(const std::string& name, const std::string& army,
                                  const std::string& nation) {
  SquadronCountry country{army, nation};
  if (army == "1") country.nation = "ru";
  if (army == "2") country.nation = "de";
  const CharacterPairs pairs(name);
  for (const CountryRule& rule : CountryRules()) {
    if (Matches(rule, name, pairs)) country = {rule.army, rule.nation};
  }
  return country;
}

void SquadCountry(TMainForm& form, int squadron) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  const SquadronCountry country =
      CountryOfSquadron(entry.SquadronName, entry.SquadronArmy, entry.SquadronNation);
  entry.SquadronArmy = country.army;
  entry.SquadronNation = country.nation;
}

OrdinalEndings OrdinalEndingsOf(const TMainForm& form) {
  OrdinalEndings endings;
  for (int line = 0; line < 4; ++line) {
    endings[line] = form.Messages.Text(MessageSection::kCounts, line);
  }
  return endings;
}

std::string OrdinalEnding(const std::string& number, const OrdinalEndings& endings) {
  const std::string digits = Trim(number);
  const std::string tens = digits.size() >= 2 ? digits.substr(digits.size() - 2) : digits;
  if (tens == "11" || tens == "12" || tens == "13") return endings[3];
  const char last = digits.empty() ? ' ' : digits.back();
  if (last == '1') return endings[0];
  if (last == '2') return endings[1];
  if (last == '3') return endings[2];
  return endings[3];
}

std::string GetNumEnd(const TMainForm& form, const std::string& number) {
  return OrdinalEnding(number, OrdinalEndingsOf(form));
}

SquadronNameOverrides::SquadronNameOverrides(const std::vector<std::string>& lines) {
  lines_.reserve(lines.size());
  for (const std::string& raw : lines) {
    const std::string line = Trim(raw);
    lines_.push_back(
        Line{" " + line + " ", Trim(Copy(line, Pos(" ", line), static_cast<int>(line.size())))});
    const std::string& padded = lines_.back().padded;
    const int index = static_cast<int>(lines_.size()) - 1;
    for (size_t blank = 0, next = padded.find(' ', 1); next != std::string::npos;
         blank = next, next = padded.find(' ', next + 1)) {
      std::vector<int>& holders = lines_by_word_[padded.substr(blank + 1, next - blank - 1)];
      if (holders.empty() || holders.back() != index) holders.push_back(index);
    }
  }
}

std::optional<std::string> SquadronNameOverrides::NameFor(const std::string& key) const {
  const std::string unit = Trim(key);
  const auto usable = [&unit](const Line& line) {
    return !line.name.empty() && !Contains(line.name, unit);
  };
  // A key of one word between blanks is in a line exactly when the word stands there between
  // two blanks.
  const bool one_word = key.size() >= 2 && key.front() == ' ' && key.find(' ', 1) == key.size() - 1;
  if (one_word) {
    const auto found = lines_by_word_.find(key.substr(1, key.size() - 2));
    if (found == lines_by_word_.end()) return std::nullopt;
    for (auto index = found->second.rbegin(); index != found->second.rend(); ++index) {
      const Line& line = lines_[static_cast<size_t>(*index)];
      if (usable(line)) return line.name;
    }
    return std::nullopt;
  }
  for (auto line = lines_.rbegin(); line != lines_.rend(); ++line) {
    if (Contains(line->padded, key) && usable(*line)) return line->name;
  }
  return std::nullopt;
}

std::string FullSquadronName(const std::string& name, const std::vector<std::string>& overrides,
                             const OrdinalEndings& endings) {
  return FullSquadronName(name, SquadronNameOverrides(overrides), endings);
}

std::string FullSquadronName(const std::string& name, const SquadronNameOverrides& overrides,
                             const OrdinalEndings& endings) {
  const std::string trimmed = Trim(name);
  std::string full = trimmed.empty() ? trimmed : trimmed.substr(0, trimmed.size() - 1);
  const std::string key = " " + full + " ";
  UnitWords(full);
  UnitedStatesSquadron(full, "_FS_", "FS_", " Fighter Squadron", endings);
  UnitedStatesSquadron(full, "_BS_", "BS_", " Bomber Squadron", endings);
  JapaneseNavyGroups(full, endings);
  JapaneseArmyUnits(full, endings);
  if (!Contains(full, "Guards")) {
    ReplaceFirst(full, "IAP", "th IAP");
    ReplaceFirst(full, "ShAP", "th ShAP");
  }
  if (std::optional<std::string> override_name = overrides.NameFor(key)) {
    full = std::move(*override_name);
  }
  return full;
}

std::vector<std::string> ReadSquadronIds(TMainForm& form) {
  std::string path = form.DataFilesFolder + "squadids.tavrek";
  if (form.DataFilesFolder.empty() || !FileExists(path)) {
    path = form.ProgramFolder + "data\\squadids.tavrek";
  }
  if (!FileExists(path)) {
    const std::string message = "No squadids.tavrek file found.";
    ErrorLog(form, message);
    throw FileError(message);
  }
  return ReadTextLines(path);
}

void GetFullName(TMainForm& form, int squadron) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  entry.SquadronFullName =
      FullSquadronName(entry.SquadronName, ReadSquadronIds(form), OrdinalEndingsOf(form));
}
