#pragma once

#include <string>
#include <string_view>

// The texts of the game-side career files, and the checks that a career file the game holds is
// one the program can update.

// The three forms of campaign.ini: the manual career, the off-line career that the game runs
// the program for, and the one the program runs in place of the game's own career generator
// (whose list the mission installation keeps).
enum class CareerListForm { kPlain, kProgram, kGenerator };

// `program_folder` is the program folder as the game reads it ("C:\Tavrek\").
std::string CampaignIniText(CareerListForm list_form, const std::string& army,
                            const std::string& program_folder);

// The game's career list shows the campaign with this name and description; the note is for
// the careers that the game's own generator does not run.
struct CareerDescription {
  std::string battle;
  int year = 0;
  std::string squadron_name;
  std::string aircraft_description;
  bool with_note = true;
};
std::string InfoPropertiesText(const CareerDescription& description);
std::string InfoMisText(const std::string& map_name);

// "Allied" or "Axis" words of an army for the campaign and award classes of campaign.ini.
std::string CareerSideWord(const std::string& army);
std::string CareerNationWord(const std::string& army);

// Why the text is no campaign.ini the program can update (no text, or without its "[Main]"
// and "[list]" sections); empty when it is one.
std::string CampaignIniFault(std::string_view text);
// Why the text is no career conf.dat (six lines at least, the third "dir="); empty when it is
// one. With `coop_allowed` a co-op conf.dat (with "[$missions]" and "[$locale]") is taken too.
std::string CareerConfFault(std::string_view text, bool coop_allowed);

// The text with every line that reads exactly `from` turned into `to`; every other byte, the
// line ends included, stays as it was. `changed` counts the lines turned.
std::string RenameWholeLines(std::string_view text, std::string_view from, std::string_view to,
                             int& changed);
// The text with line `index` (0-based) replaced by `line`; the rest stays as it was. A text
// with fewer lines is returned unchanged.
std::string ReplaceLine(std::string_view text, size_t index, std::string_view line);

// "Smith" and "John" of "John Smith": the first name up to the first blank, the last name the
// rest; a name of one word is a last name.
struct PilotNameParts {
  std::string first;
  std::string last;
};
PilotNameParts SplitPilotName(std::string_view name);
