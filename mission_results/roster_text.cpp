#include "mission_results/roster_text.h"

#include <algorithm>
#include <cstring>

#include "campaign_data/text.h"

namespace {

// The characters that mark fields and sections in the roster and gunner files.
bool IsMarkedCharacter(char c) {
  switch (c) {
    case '@':
    case '*':
    case '&':
    case '#':
    case '^':
    case '\\':
    case '[':
    case ']':
      return true;
    default:
      return false;
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

}  // namespace

std::string ThreeDigitCount(long long count) {
  return ZeroPad(std::clamp(count, 0LL, 999LL), 3);
}

std::string RepairedCounter(std::string_view counter) {
  const std::string trimmed = Trim(counter);
  // A negative count and a text that is no count both start again from nothing.
  if (!AllDigits(trimmed)) return "000";
  const size_t first_significant = std::min(trimmed.find_first_not_of('0'), trimmed.size());
  const std::string significant = trimmed.substr(first_significant);
  // More digits than the field holds: the count stays at the largest it can show.
  if (significant.size() > 3) return "999";
  return ThreeDigitCount(significant.empty() ? 0 : std::stoi(significant));
}

bool IsThreeDigitCount(std::string_view counter) {
  return counter.size() == 3 && IsDigit(counter[0]) && IsDigit(counter[1]) && IsDigit(counter[2]);
}

int CounterValue(std::string_view counter) {
  return StrToIntDef(Trim(counter), 0);
}

bool IsSingleDigit(std::string_view text) {
  return text.size() == 1 && IsDigit(text[0]);
}

std::string RosterSafeText(std::string_view text) {
  std::string safe(text);
  MakeRosterSafe(safe);
  return safe;
}

void MakeRosterSafe(std::string& text) {
  for (char& c : text) {
    if (IsMarkedCharacter(c)) c = '_';
  }
}

std::string WithoutRosterMarkers(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (!IsMarkedCharacter(c)) kept += c;
  }
  return kept;
}

bool IsSectionHeader(std::string_view line) {
  return StartsWith(TrimLeftView(line), "[");
}

std::string FirstNameOf(std::string_view name) {
  const int blank = Pos(" ", name);
  return blank == 0 ? std::string() : Trim(Copy(name, 1, blank - 1));
}

std::string LastNameOf(std::string_view name) {
  const int blank = Pos(" ", name);
  return Trim(Copy(name, blank == 0 ? 1 : blank, 99));
}

std::string MedalList(std::string_view medal_count) {
  if (!IsSingleDigit(medal_count)) return std::string();
  const int count = medal_count[0] - '0';
  if (count > 8) return std::string();
  std::string list;
  for (int medal = 0; medal < count; ++medal) {
    if (medal > 0) list += ' ';
    list += IntToStr(medal);
  }
  return list;
}

size_t PilotLineLength(const PilotEntry& pilot) {
  // The blanks and markers between the fields: " ", " ", " ", " ", " @", " *", " &".
  constexpr size_t kSeparators = 10;
  return pilot.RosterMarker.size() + pilot.RosterKills.size() + pilot.RosterGroundKills.size() +
         pilot.RosterSorties.size() + pilot.RosterName.size() + pilot.RosterPhoto.size() +
         pilot.RosterRank.size() + pilot.RosterMedalCount.size() + pilot.RosterBirthDate.size() +
         pilot.RosterHomeTown.size() + kSeparators;
}

void AppendPilotLine(std::string& text, const PilotEntry& pilot) {
  // Sized once and filled in place: a roster is some sixteen thousand of these lines.
  const size_t start = text.size();
  text.resize(start + PilotLineLength(pilot));
  char* out = text.data() + start;
  const auto put = [&out](std::string_view part) {
    std::memcpy(out, part.data(), part.size());
    out += part.size();
  };
  put(pilot.RosterMarker);
  put(" ");
  put(pilot.RosterKills);
  put(" ");
  put(pilot.RosterGroundKills);
  put(" ");
  put(pilot.RosterSorties);
  put(" ");
  put(pilot.RosterName);
  put(" @");
  put(pilot.RosterPhoto);
  put(" *");
  put(pilot.RosterRank);
  put(pilot.RosterMedalCount);
  put(" &");
  put(pilot.RosterBirthDate);
  put(pilot.RosterHomeTown);
}

std::string PilotLine(const PilotEntry& pilot) {
  std::string line;
  AppendPilotLine(line, pilot);
  return line;
}

namespace {

// Copy's characters as a view into the text.
std::string_view CopyView(std::string_view text, int column, int count) {
  if (column < 1) column = 1;
  if (count <= 0 || static_cast<size_t>(column) > text.size()) return {};
  return text.substr(static_cast<size_t>(column - 1), static_cast<size_t>(count));
}

// Where the first blank followed by `mark` starts, at `from` or later; npos for none. The mark
// is looked for, as it is rarer than the blank.
size_t FindFieldMark(std::string_view line, char mark, size_t from) {
  for (size_t found = line.find(mark, from + 1); found != std::string_view::npos;
       found = line.find(mark, found + 1)) {
    if (line[found - 1] == ' ') return found - 1;
  }
  return std::string_view::npos;
}

// Pos of one character: its column, 0 when the text lacks it.
int CharPos(char c, std::string_view text) {
  const size_t found = text.find(c);
  return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

// CopyView trimmed as TrimView trims, in one step: a pilot line is cut into some ten of these.
std::string_view TrimmedCopy(std::string_view text, int column, int count) {
  const std::string_view copy = CopyView(text, column, count);
  const auto trimmed = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  size_t begin = 0;
  size_t end = copy.size();
  while (end > 0 && trimmed(copy[end - 1])) --end;
  while (begin < end && trimmed(copy[begin])) ++begin;
  return copy.substr(begin, end - begin);
}

}  // namespace

void ReadPilotLine(std::string_view line, PilotEntry& pilot) {
  pilot.RosterMarker.assign(line.substr(0, 1));
  pilot.RosterKills.assign(TrimmedCopy(line, 3, 3));
  pilot.RosterGroundKills.assign(TrimmedCopy(line, 7, 3));
  pilot.RosterSorties.assign(TrimmedCopy(line, 11, 3));
  std::string_view name = TrimmedCopy(line, 15, 99);
  const int star = CharPos('*', line);
  if (star > 0) {
    pilot.RosterRank.assign(TrimmedCopy(line, star + 1, 1));
    pilot.RosterMedalCount.assign(TrimmedCopy(line, star + 2, 1));
  }
  const int at = CharPos('@', line);
  if (at > 0) name = TrimmedCopy(line, 15, CharPos('@', name) - 1);
  if (TrimView(pilot.RosterMedalCount).empty()) pilot.RosterMedalCount = "0";
  const int ampersand = CharPos('&', line);
  if (ampersand > 0) {
    pilot.RosterBirthDate.assign(TrimmedCopy(line, ampersand + 1, 4));
    pilot.RosterHomeTown.assign(TrimmedCopy(line, ampersand + 5, 99));
  }
  if (TrimView(pilot.RosterHomeTown).empty()) pilot.RosterHomeTown = "Unknown";
  if (at > 0) {
    const std::string_view after_at = TrimmedCopy(line, at + 1, 99);
    pilot.RosterPhoto.assign(TrimmedCopy(after_at, 1, CharPos('*', after_at) - 1));
  } else {
    pilot.RosterPhoto.clear();
  }
  pilot.RosterName.assign(name);
}

bool IsCompletePilotLine(std::string_view line) {
  if (line.size() < 15) return false;
  for (const int blank : {2, 6, 10, 14}) {
    if (line[blank - 1] != ' ') return false;
  }
  for (const int column : {3, 7, 11}) {
    if (!IsDigit(line[column - 1]) || !IsDigit(line[column]) || !IsDigit(line[column + 1])) {
      return false;
    }
  }
  const size_t at = FindFieldMark(line, '@', 14);
  const size_t star = at == std::string_view::npos ? at : FindFieldMark(line, '*', at + 2);
  const size_t ampersand =
      star == std::string_view::npos ? star : FindFieldMark(line, '&', star + 2);
  return ampersand != std::string_view::npos;
}
