#include "campaign_data/squadron_block.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "campaign_data/text.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kActiveTrue = "Active True ";
constexpr std::string_view kActiveFalse = "Active False";
constexpr std::string_view kActiveNever = "Active Never";

std::string LineText(int line_number) {
  return "line " + IntToStr(line_number);
}

// The two characters after `mark`, trimmed, and cut where the next count's mark (one of
// `stops`) begins.
std::string CountAfter(const std::string& line, char mark, std::string_view stops) {
  const int at = Pos(std::string(1, mark), line);
  const std::string count = Trim(Copy(line, at + 1, 2));
  return count.substr(0, count.find_first_of(stops));
}

// Lines of the file one after another, as views; past the last line come empty ones.
template <typename Lines>
class ViewCursor {
 public:
  explicit ViewCursor(const Lines& lines) : lines_(lines) {}
  bool AtEnd() const { return next_ >= lines_.size(); }
  std::string_view Next() {
    if (AtEnd()) {
      read_past_end_ = true;
      last_ = {};
    } else {
      last_ = lines_[next_++];
    }
    return last_;
  }
  // Some Next() found no line left: a record was cut short by the end of the file.
  bool ReadPastEnd() const { return read_past_end_; }
  std::string_view Last() const { return last_; }
  // The 1-based number of the line read last.
  int LineNumber() const { return static_cast<int>(next_); }

 private:
  const Lines& lines_;
  size_t next_ = 0;
  std::string_view last_;
  bool read_past_end_ = false;
};

void ReadActiveLine(std::string_view line, bool coop_modes, SquadronBlock& block) {
  block.active = Copy(line, 3, 12);
  block.ai = Trim(Copy(line, 16, 99));
  if (block.active != kActiveTrue && block.active != kActiveNever) block.active = kActiveFalse;
  if (block.active == kActiveNever && !coop_modes) block.active = kActiveFalse;
  if (block.ai != "AI True") block.ai = "AI False";
}

void ReadSkinLine(std::string_view line, SquadronBlock& block) {
  const std::string skin_line = Trim(line);
  block.names_skin = Contains(AsciiLowerCase(skin_line), ".bmp");
  if (block.names_skin) {
    block.markings = Copy(skin_line, 1, 1);
    block.skin = Trim(skin_line.substr(1));
  } else {
    block.markings = "1";
    block.skin = "default.bmp";
  }
}

template <typename Lines>
SquadronBlock ReadBlock(std::string_view header, ViewCursor<Lines>& cursor, bool coop_modes) {
  SquadronBlock block;
  block.name = Copy(header, 2, Pos("]", header) - 2);
  if (Trim(block.name).empty()) {
    throw ProgramError("Squadron file is corrupt: " + LineText(cursor.LineNumber()) + " (\"" +
                       Excerpt(header) + "\") names no squadron.");
  }
  const std::string planes_line = Trim(cursor.Next());
  try {
    block.planes = ParsePlanesLine(planes_line);
  } catch (const ConversionError& error) {
    throw ConversionError("Squadron file is corrupt: " + LineText(cursor.LineNumber()) + " (\"" +
                          Excerpt(planes_line) + "\"): " + error.what());
  }
  block.skill = Trim(cursor.Next());
  block.aircraft = Trim(cursor.Next());
  ReadActiveLine(cursor.Next(), coop_modes, block);
  ReadSkinLine(cursor.Next(), block);
  block.base = Trim(cursor.Next());
  const std::string radio = Trim(cursor.Next());
  block.radio = Contains(radio, "Radio") ? radio : "Radio";
  return block;
}

template <typename Lines>
std::vector<SquadronBlock> ParseBlocks(const Lines& lines, bool coop_modes, int capacity,
                                       FileReadReport& report) {
  std::vector<SquadronBlock> blocks;
  // A block takes eight lines: room for all of them at once.
  blocks.reserve(std::min(lines.size() / 8 + 1, static_cast<size_t>(std::max(capacity, 0))));
  ViewCursor<Lines> cursor(lines);
  std::string_view line;
  while (!cursor.AtEnd()) {
    if (!Contains(line, "]")) line = cursor.Next();
    if (line.size() > 2) {
      if (static_cast<int>(blocks.size()) == capacity) {
        throw ProgramError("Squadron file is corrupt: it holds more than " + IntToStr(capacity) +
                           " squadrons (" + LineText(cursor.LineNumber()) + ").");
      }
      const int header_line = cursor.LineNumber();
      SquadronBlock block = ReadBlock(line, cursor, coop_modes);
      if (cursor.ReadPastEnd()) {
        report.Refused(
            header_line,
            "(\"" + Excerpt(line) + "\") starts a squadron that the end of the file cuts short");
      } else {
        blocks.push_back(std::move(block));
      }
      line = cursor.Last();
    } else if (Contains(line, "]")) {
      throw ProgramError("Squadron file is corrupt: " + LineText(cursor.LineNumber()) + " (\"" +
                         Excerpt(line) + "\") names no squadron.");
    }
  }
  // The player's squadron always flies, and never under computer control.
  if (!blocks.empty() && !coop_modes) {
    blocks[0].active = kActiveTrue;
    blocks[0].ai = "AI False";
  }
  return blocks;
}

}  // namespace

PlanesCounts ParsePlanesLine(const std::string& line) {
  PlanesCounts counts;
  counts.available = Copy(line, 9, 1) == "/" ? Copy(line, 8, 1) : Copy(line, 8, 2);
  counts.maximum = Pos("/", line) > 0 ? CountAfter(line, '/', "-+") : std::string();
  if (counts.maximum.empty()) counts.maximum = counts.available;
  counts.minimum = Pos("-", line) > 0 ? CountAfter(line, '-', "+") : std::string();
  if (counts.minimum.empty()) counts.minimum = "0";
  if (Pos("+", line) > 0) counts.per_flight = StrToInt(CountAfter(line, '+', ""));
  return counts;
}

std::vector<SquadronBlock> ParseSquadronFile(const std::vector<std::string>& lines, bool coop_modes,
                                             int capacity, FileReadReport& report) {
  return ParseBlocks(lines, coop_modes, capacity, report);
}

std::vector<SquadronBlock> ParseSquadronFile(const TextLines& lines, bool coop_modes, int capacity,
                                             FileReadReport& report) {
  return ParseBlocks(lines, coop_modes, capacity, report);
}

std::string SquadronBlockText(const SquadronEntry& squadron, bool skin_line) {
  std::string text;
  AppendSquadronBlock(text, squadron, skin_line);
  return text;
}

void AppendSquadronBlock(std::string& text, const SquadronEntry& squadron, bool skin_line) {
  const auto line = [&text](std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts) text += part;
    text += kCrLf;
  };
  // The active word fills characters 3 to 14 so that the AI word starts at character 16.
  std::string active = squadron.SquadronActive.substr(0, 12);
  active.resize(12, ' ');
  line({"[", squadron.SquadronName, "]"});
  line({"  Planes ", squadron.PlanesAvailable, "/", squadron.PlanesMax, "-", squadron.PlanesLost,
        "+", IntToStr(squadron.PlanesExtra)});
  line({"  ", squadron.SquadronSkill});
  line({"  ", squadron.SquadronBaseClass});
  line({"  ", active, " ", squadron.SquadronAI});
  if (skin_line) {
    line({"  ", squadron.SquadronMarkings, squadron.SquadronSkin});
  } else {
    line({"  ", squadron.SquadronWeapons});
  }
  line({"  ", squadron.SquadronHomeBase});
  line({"  ", squadron.SquadronRadio});
}
