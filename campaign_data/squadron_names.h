#pragma once

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class TMainForm;

// What a squadron identifier in the game's unit-naming style tells: its country and side, and
// the display name shown in briefings, logs and editors. squadids.tavrek (program data) holds
// names that override the built-in ones: "<unit identifier> <display name>" per line.

// Sets SquadronNation, and SquadronArmy where the identifier decides it.
void SquadCountry(TMainForm& form, int squadron);
// Sets SquadronFullName.
void GetFullName(TMainForm& form, int squadron);
// The English ordinal ending of a number ("st", "nd", "rd", "th" from the [Counts] messages).
std::string GetNumEnd(const TMainForm& form, const std::string& number);

// The plain rules behind the operations above.
struct SquadronCountry {
  std::string army;
  std::string nation;
};
// `army` as copied from the aircraft type; `nation` the one the squadron had before.
SquadronCountry CountryOfSquadron(const std::string& name, const std::string& army,
                                  const std::string& nation);

// Line 0..3 of the [Counts] messages: endings after 1, 2, 3 and any other last digit.
using OrdinalEndings = std::array<std::string, 4>;
OrdinalEndings OrdinalEndingsOf(const TMainForm& form);
std::string OrdinalEnding(const std::string& number, const OrdinalEndings& endings);

// The lines of squadids.tavrek, each trimmed and set between blanks once, for the look-ups of a
// whole table of squadrons.
class SquadronNameOverrides {
 public:
  explicit SquadronNameOverrides(const std::vector<std::string>& lines);
  // The name given by the last line that holds `key` (the unit identifier between blanks) and
  // whose name does not itself contain the identifier; nothing when no line does.
  std::optional<std::string> NameFor(const std::string& key) const;

 private:
  struct Line {
    std::string padded;  // the trimmed line between blanks
    std::string name;    // what follows its first blank, trimmed
  };
  std::vector<Line> lines_;
  // Every text that stands between two blanks of a padded line (empty between two blanks in a
  // row), with the lines that hold it in file order: a key of one word is found here.
  std::unordered_map<std::string, std::vector<int>> lines_by_word_;
};

// `overrides`: the lines of squadids.tavrek.
std::string FullSquadronName(const std::string& name, const std::vector<std::string>& overrides,
                             const OrdinalEndings& endings);
std::string FullSquadronName(const std::string& name, const SquadronNameOverrides& overrides,
                             const OrdinalEndings& endings);

// The lines of squadids.tavrek: from DataFilesFolder, else from the program's data folder.
// Throws FileError (and logs) when neither holds it.
std::vector<std::string> ReadSquadronIds(TMainForm& form);
