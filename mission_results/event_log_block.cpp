#include "mission_results/event_log_block.h"

#include <cctype>

#include "campaign_data/text.h"
#include "mission_results/event_text.h"

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool HoldsDogfightPath(const std::string& lower, bool with_separator) {
  if (with_separator) {
    return Contains(lower, "mission: net\\dogfight\\") || Contains(lower, "mission: net/dogfight/");
  }
  return Contains(lower, "mission: net\\dogfight") || Contains(lower, "mission: net/dogfight");
}

// Reads up to `most` digits at `at`; nullopt when there is none.
std::optional<int> Digits(std::string_view text, size_t& at, size_t most) {
  const size_t start = at;
  int value = 0;
  while (at < text.size() && at - start < most && text[at] >= '0' && text[at] <= '9') {
    value = value * 10 + (text[at] - '0');
    ++at;
  }
  if (at == start) return std::nullopt;
  return value;
}

}  // namespace

// The marks are the game's own text after the stamp, never a part of a line that a pilot's name
// could hold.
bool IsMissionStart(std::string_view line) {
  const std::string text = Trim(TextAfter(line, "]"));
  return StartsWith(text, "Mission: ") && Contains(text, "mis is Playing");
}
bool IsMissionBegin(std::string_view line) {
  return PrepareEventLine(line) == "Mission BEGIN";
}
bool IsMissionEnd(std::string_view line) {
  return PrepareEventLine(line) == "Mission END";
}

std::string DateStamp(std::string_view line) {
  const size_t close = line.find(']');
  return close == std::string_view::npos ? std::string() : std::string(line.substr(0, close + 1));
}

std::string MissionPath(std::string_view line) {
  return Trim(CutBefore(TextAfter(line, "Mission: "), " is Playing"));
}

std::string PrepareEventLine(std::string_view line) {
  const size_t blank = line.find(' ');
  std::string prepared = Trim(blank == std::string_view::npos ? line : line.substr(blank));
  if (StartsWith(prepared, "PM]") || StartsWith(prepared, "AM]")) {
    prepared = Trim(std::string_view(prepared).substr(3));
  }
  return prepared;
}

std::optional<int> StampSeconds(std::string_view line) {
  size_t at = 0;
  if (at < line.size() && line[at] == '[') ++at;
  const auto hour = Digits(line, at, 2);
  if (!hour || at >= line.size() || line[at++] != ':') return std::nullopt;
  const auto minute = Digits(line, at, 2);
  if (!minute || at >= line.size() || line[at++] != ':') return std::nullopt;
  const auto second = Digits(line, at, 2);
  if (!second || *minute > 59 || *second > 59) return std::nullopt;
  int hours = *hour;
  const std::string_view rest = line.substr(at);
  const bool pm = StartsWith(rest, " PM]") || StartsWith(rest, " PM ");
  const bool am = StartsWith(rest, " AM]") || StartsWith(rest, " AM ");
  if (pm || am) {
    if (hours < 1 || hours > 12) return std::nullopt;
    hours = hours % 12 + (pm ? 12 : 0);
  } else if (hours > 23) {
    return std::nullopt;
  }
  return (hours * 60 + *minute) * 60 + *second;
}

int FlightMinutes(int begin_seconds, int end_seconds) {
  int seconds = end_seconds - begin_seconds;
  if (seconds < 0) seconds += kSecondsPerDay;
  return seconds / 60;
}

MissionBlock FindLastMissionBlock(const std::vector<std::string>& lines) {
  MissionBlock block;
  for (size_t i = lines.size(); i-- > 0;) {
    if (!IsMissionStart(lines[i])) continue;
    block.found = true;
    block.stamp = DateStamp(lines[i]);
    block.first_line = i;
    break;
  }
  return block;
}

std::string SeatPassReaderMode(const std::string& mode, std::string_view line,
                               const ReaderModeInputs& inputs) {
  std::string next = mode;
  if (IsMissionStart(line) && HoldsDogfightPath(Lower(line), false)) {
    next = inputs.game_id == "IL2" || inputs.game_id == "IL2FB" ? "Dogfight" : "AcesDogfight";
  }
  if (Contains(inputs.first_parameter, "netdogfight")) next = "AcesDogfight";
  return next;
}

std::string LossPassReaderMode(const std::string& mode, std::string_view line,
                               const ReaderModeInputs& inputs) {
  if (!IsMissionStart(line) || !HoldsDogfightPath(Lower(line), true)) return mode;
  return inputs.game_includes_aep != "True" ? "Dogfight" : "AcesDogfight";
}
