#pragma once

#include <string>
#include <vector>

#include "campaign_data/file_read_report.h"
#include "campaign_data/squadron_table.h"
#include "platform/text_file.h"

// The blocks of squadrons.tavrek, one per squadron, eight lines each:
//   [<SquadronName>]
//     Planes <available>/<max>-<minimum>+<per flight>
//     Skill <0..3>
//     Class air.<type>
//     Active True |Active False|Active Never AI True|AI False     (AI word from character 16)
//     <markings digit><skin file>   (or the weapons text in the oldest game edition)
//     <home base>
//     Radio|NoRadio

// The four numbers of a Planes line. Each is read from a window of two characters, so no count
// has more than two digits.
struct PlanesCounts {
  std::string available;
  std::string maximum;
  std::string minimum;  // "0" when the line has no "-"
  int per_flight = 0;   // 0 when the line has no "+"
};

// `line` is the trimmed Planes line ("Planes 8/16-4+2"). Throws ConversionError when the
// number after "+" is not a whole number.
PlanesCounts ParsePlanesLine(const std::string& line);

// A block as read, its texts normalised as the file's rules say.
struct SquadronBlock {
  std::string name;
  PlanesCounts planes;
  std::string skill;
  std::string aircraft;
  std::string active;  // "Active True ", "Active False" or "Active Never"
  std::string ai;      // "AI True" or "AI False"
  std::string markings;
  std::string skin;
  bool names_skin = false;  // line 6 named a bitmap, as the skin layout writes it
  std::string base;
  std::string radio;
};

// Breaks the file into blocks. `coop_modes` is set when co-op mode or the co-op generator
// replacement is active; then "Active Never" survives and the player's squadron retains its
// flags. A final block truncated by end of file is dropped and reported in `report`, since
// its absent lines would produce a squadron full of empty texts. Throws ProgramError when a
// header names no squadron or there are more than `capacity` blocks, and ConversionError
// when a Planes line's "+" value is not a number; messages cite the offending line.
std::vector<SquadronBlock> ParseSquadronFile(const std::vector<std::string>& lines, bool coop_modes,
                                             int capacity, FileReadReport& report);
std::vector<SquadronBlock> ParseSquadronFile(const TextLines& lines, bool coop_modes, int capacity,
                                             FileReadReport& report);

// The eight lines of a squadron's block, each ended by CR LF. `skin_line`: line 6 holds the
// markings and skin (every edition but the oldest), otherwise the weapons.
std::string SquadronBlockText(const SquadronEntry& squadron, bool skin_line);
// The same lines added to the end of `text`.
void AppendSquadronBlock(std::string& text, const SquadronEntry& squadron, bool skin_line);
