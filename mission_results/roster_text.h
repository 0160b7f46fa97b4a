#pragma once

#include <string>
#include <string_view>

#include "mission_results/pilot_roster_table.h"

// The pilot line of pilot.tavrek and the small rules the roster's text fields follow.

// A count as the roster files store it: three digits, held within 0..999 (a larger count stays
// at 999 rather than wrapping).
std::string ThreeDigitCount(long long count);
// A stored counter made whole: a number of any width is zero-padded to three digits (and held
// within 0..999); a text that is no number becomes "000".
std::string RepairedCounter(std::string_view counter);
// Whether the counter is stored whole: exactly three digits, which RepairedCounter keeps as it
// is.
bool IsThreeDigitCount(std::string_view counter);
// The number a counter or code holds; a text that is no whole number counts as 0.
int CounterValue(std::string_view counter);
// Whether the text is one decimal digit ("0".."9").
bool IsSingleDigit(std::string_view text);

// A name or home town as the roster files can hold it: the characters that mark fields in the
// roster and gunner files ("@", "*", "&", "#", "^", "\") and the brackets of a section header
// become "_".
std::string RosterSafeText(std::string_view text);
// The same change made in place.
void MakeRosterSafe(std::string& text);
// The same characters left out, as the pilot editor takes typed text.
std::string WithoutRosterMarkers(std::string_view text);

// A line of a roster file that begins a section: its first character other than a blank is
// "[". A "[" further on (in a name or town) never makes a header.
bool IsSectionHeader(std::string_view line);

// A pilot's name as the game's career files split it: the first name is the part before the
// first blank (empty without a blank), the last name the rest (the whole name without a blank).
std::string FirstNameOf(std::string_view name);
std::string LastNameOf(std::string_view name);
// The award numbers of the medals a medal count stands for: "0 1 2" for "3", empty for "0" and
// for anything outside "1".."8".
std::string MedalList(std::string_view medal_count);

// The pilot line of pilot.tavrek, without its line end.
std::string PilotLine(const PilotEntry& pilot);
// The length of that line.
size_t PilotLineLength(const PilotEntry& pilot);
// The same line put at the end of `text`.
void AppendPilotLine(std::string& text, const PilotEntry& pilot);
// Takes a pilot line into the entry: marker, counters, name, portrait, rank and medal count,
// birth year and home town. A field whose marker (" *", " &") the line lacks keeps the value the
// entry held; an empty medal count becomes "0" and an empty home town "Unknown". The name is
// taken as it stands in the line.
void ReadPilotLine(std::string_view line, PilotEntry& pilot);
// Whether the line holds every field of a pilot line in its place: the marker, three-digit
// counters between blanks, and " @", " *", " &" in this order.
bool IsCompletePilotLine(std::string_view line);
