#include "campaign_setup/coop_files.h"

#include <algorithm>
#include <array>

#include "campaign_data/text.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A word of a line without the brackets of an option block header.
std::string_view Unbracketed(std::string_view word) {
  if (!word.empty() && word.front() == '[') word.remove_prefix(1);
  if (!word.empty() && word.back() == ']') word.remove_suffix(1);
  return word;
}

bool WordNamesSquadron(std::string_view word, std::string_view squadron_id) {
  if (squadron_id.empty() || !StartsWith(word, squadron_id)) return false;
  return word.size() == squadron_id.size() ||
         (word.size() == squadron_id.size() + 1 && IsDigit(word.back()));
}

// Calls `word` with each blank-separated word of the line and its position; stops when it
// answers true.
template <typename WordFunction>
void ForEachWord(std::string_view line, WordFunction word) {
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start && word(line.substr(start, i - start), start)) return;
  }
}

// Where the line names the squadron: the position of the identifier in it.
std::optional<size_t> SquadronPosition(std::string_view line, std::string_view squadron_id) {
  std::optional<size_t> at;
  ForEachWord(line, [&](std::string_view word, size_t start) {
    const std::string_view bare = Unbracketed(word);
    if (!WordNamesSquadron(bare, squadron_id)) return false;
    at = start + (bare.data() - word.data());
    return true;
  });
  return at;
}

bool HasWord(std::string_view line, std::string_view wanted) {
  bool found = false;
  ForEachWord(line, [&](std::string_view word, size_t) { return found = word == wanted; });
  return found;
}

void ReplaceFirst(std::string& text, const std::string& old_text, const std::string& new_text) {
  if (old_text.empty()) return;
  const size_t at = text.find(old_text);
  if (at != std::string::npos) text.replace(at, old_text.size(), new_text);
}

std::string NumberText(int number) {
  return " (" + IntToStr(number) + ")";
}

std::vector<std::string> WithoutEmptyLines(std::vector<std::string> lines) {
  std::erase_if(lines, [](const std::string& line) { return line.empty(); });
  return lines;
}

}  // namespace

std::optional<int> SquadronNumber(std::string_view identifier, bool wing) {
  const size_t from_end = wing ? 2 : 1;
  if (identifier.size() < from_end) return std::nullopt;
  const char digit = identifier[identifier.size() - from_end];
  if (!IsDigit(digit)) return std::nullopt;
  return digit - '0' + 1;
}

std::string CoopCampaignFileName(std::string_view battle) {
  std::string name(battle);
  for (int removed = 0; removed < 11; ++removed) {
    const size_t at = name.find('_');
    if (at == std::string::npos) break;
    name.erase(at, 1);
  }
  return "CampaignTavrek_" + name + ".dat";
}

std::string CoopCampaignFileText(const std::string& battle, const std::string& map,
                                 const std::string& year, const std::vector<CoopWing>& wings,
                                 bool dead_is_dead) {
  std::vector<std::string> lines{"[$select]",
                                 "[$missions]",
                                 "[$locale]",
                                 "name Tavrek " + battle,
                                 "note " + map + ": " + year,
                                 "DiD\tCampaign Mode"};
  for (const CoopWing& wing : wings) {
    lines.push_back(wing.id + " " + wing.display_name + NumberText(wing.number) + " ");
  }
  lines.insert(lines.end(), {"[$data]", battle, "lang=English,USSR", "[DiD]"});
  const std::string dead = "  DiDmode     Dead is Dead";
  const std::string immortal = "  Immortal    Immortal Warriors";
  lines.push_back(dead_is_dead ? dead : immortal);
  lines.push_back(dead_is_dead ? immortal : dead);
  for (const CoopWing& wing : wings) {
    lines.insert(lines.end(), {"[" + wing.id + "]", "  rnd Spawn: Random", "  all Spawn: Yes",
                               "  nvr Spawn: No"});
  }
  return JoinLinesCrLf(lines);
}

std::vector<std::string> MissionWings(const std::vector<std::string>& mission_lines) {
  std::vector<std::string> wings;
  bool in_wings = false;
  for (const std::string& line : mission_lines) {
    if (Contains(line, "[")) {
      in_wings = Trim(line) == "[Wing]";
      continue;
    }
    if (in_wings && !Trim(line).empty()) wings.push_back(Trim(line));
  }
  return wings;
}

bool NamesSquadron(std::string_view line, std::string_view squadron_id) {
  return SquadronPosition(line, squadron_id).has_value();
}

std::optional<std::string> SpawnState(std::string_view line) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kKeys{
      {{"rnd", "Active False"}, {"nvr", "Active Never"}, {"all", "Active True "}}};
  std::optional<std::string> state;
  for (const auto& [key, value] : kKeys) {
    if (HasWord(line, key)) state = std::string(value);
  }
  return state;
}

CoopConf ReadCoopConf(const std::vector<std::string>& lines, bool did_until_data) {
  CoopConf conf;
  bool in_select = false;
  bool reading_did = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line == "[$select]") {
      conf.has_select = in_select = reading_did = true;
      continue;
    }
    if (line == "[$data]") {
      if (did_until_data) reading_did = false;
      if (!conf.battle && i + 1 < lines.size()) {
        std::string battle = lines[i + 1];
        ReplaceFirst(battle, ".mis", "");
        if (!Trim(battle).empty() && !Contains(battle, "[")) conf.battle = Trim(battle);
      }
    }
    if (Contains(line, "[")) in_select = false;
    if (reading_did && line == "DiD DiDmode") conf.dead_is_dead = true;
    if (reading_did && line == "DiD Immortal") conf.dead_is_dead = false;
    if (in_select) conf.select_lines.push_back(line);
  }
  return conf;
}

std::vector<std::string> AddToCoopConf(const std::vector<std::string>& lines,
                                       const CoopSquadron& added, const std::string& path) {
  const auto has_marker = [&](std::string_view marker) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return Contains(line, marker); });
  };
  for (std::string_view marker : {"[$missions]", "[$data]"}) {
    if (!has_marker(marker)) {
      throw ProgramError("The co-op file " + path + " has no " + std::string(marker) +
                         " line; the squadron " + added.id + " was not added to it.");
    }
  }
  std::vector<std::string> result;
  for (const std::string& line : lines) {
    if (Contains(line, "[$data]")) {
      result.push_back("  " + added.id + " " + added.display_name + NumberText(added.number));
    }
    if (Contains(line, "[$missions]")) result.push_back("  " + added.id);
    result.push_back(line);
  }
  result.insert(result.end(), {"[" + added.id + "]", "  rnd Spawn: Random", "  all Spawn: Yes",
                               "  nvr Spawn: No"});
  return WithoutEmptyLines(std::move(result));
}

std::vector<std::string> RenameInCoopConf(const std::vector<std::string>& lines,
                                          const CoopSquadron& old_squadron,
                                          const CoopSquadron& new_squadron) {
  std::vector<std::string> result;
  for (std::string line : lines) {
    if (const std::optional<size_t> at = SquadronPosition(line, old_squadron.id)) {
      line.replace(*at, old_squadron.id.size(), new_squadron.id);
      ReplaceFirst(line, old_squadron.display_name, new_squadron.display_name);
      ReplaceFirst(line, NumberText(old_squadron.number), NumberText(new_squadron.number));
    }
    result.push_back(std::move(line));
  }
  return WithoutEmptyLines(std::move(result));
}

std::vector<std::string> RemoveFromCoopConf(const std::vector<std::string>& lines,
                                            const std::string& squadron_id) {
  std::vector<std::string> result;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (StartsWith(line, "[") && WordNamesSquadron(Unbracketed(line), squadron_id)) {
      i += 3;  // the option block's three spawn lines go with it
      continue;
    }
    if (!NamesSquadron(lines[i], squadron_id)) result.push_back(lines[i]);
  }
  return WithoutEmptyLines(std::move(result));
}
