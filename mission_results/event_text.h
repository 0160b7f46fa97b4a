#pragma once

#include <string>
#include <string_view>

class TMainForm;

// Helpers that take apart game event-log lines, plus the line formats the results handlers emit.
//
// Every prepared event line starts with its actor. In a standard mission an aircraft is named by
// its squadron's SquadronName plus a flight digit and an aircraft digit: "r01012" means squadron
// "r010", flight 1, aircraft 2 (roster slot 6). Crew members append their seat in brackets
// ("r01012(1)"). In a dogfight the actor is the pilot's name, a colon, then the plane type.

// The text before the first `mark`; empty when the text holds no `mark`.
std::string TextBefore(std::string_view text, std::string_view mark);
// The text after the first `mark`; empty when the text holds no `mark`.
std::string TextAfter(std::string_view text, std::string_view mark);
// The text before the first `mark`; the whole text when it holds none.
std::string CutBefore(std::string_view text, std::string_view mark);
// The trimmed text before the line's first blank (empty for a line of one word).
std::string ActorOf(std::string_view line);
// The map position after the line's first " at ": at most 99 characters, trimmed.
std::string EventPosition(std::string_view line);

// Roster slot 4 * flight + aircraft named by the last two characters of an aircraft id; -1
// when they are not two digits 0..3.
int AircraftSlot(std::string_view aircraft_id);
// The squadron part of an aircraft id: the id without its last two characters.
std::string AircraftSquadronId(std::string_view aircraft_id);
// The number in the brackets of a crew seat ("(2)" of "r01012(2)"); -1 when there is none.
int SeatNumber(std::string_view line);

// A three-digit counter plus one: the last three digits of the count plus 1001, so "009"
// gives "010" and "999" gives "000". Throws ConversionError for a counter that is no number.
std::string NextCount(const std::string& counter);
// The counter as a number without leading zeros followed by its ordinal ending.
std::string CountOrdinal(const TMainForm& form, const std::string& counter);

// The rank name of a rank code of the roster, as RankAwardTable holds it for the squadron set
// up last; empty for a code outside the table. Throws ConversionError for a code that is no
// number.
std::string RankNameOf(const TMainForm& form, const std::string& rank_code);

// "<name> - EVENT: <campaign date>: <text>" and CR LF, appended to the Events label.
void AppendEvent(TMainForm& form, const std::string& name, const std::string& text);
std::string EventLine(const TMainForm& form, const std::string& name, const std::string& text);
// "<rank name> <name> <text>" and CR LF, appended to the Debrief label; sets up the rank names
// of the squadron first.
void AppendDebrief(TMainForm& form, int squadron, const std::string& rank_code,
                   const std::string& name, const std::string& text);
// "EVENT: <text>" and CR LF, appended to the player's log-book text.
void AppendPlayerLog(TMainForm& form, const std::string& text);

// The text after `fix` has been applied to it up to `times` times. The fixes of the results pass
// change the first occurrence they find, so a call that changes nothing ends the repetition:
// every later call would change nothing either.
template <typename Fix>
std::string FixRepeatedly(std::string text, int times, Fix fix) {
  for (int time = 0; time < times; ++time) {
    std::string fixed = fix(text);
    if (fixed == text) break;
    text = std::move(fixed);
  }
  return text;
}

// Reports an event-log line that cannot be scored as it stands. The first lines are logged
// one by one; the rest are counted and summed up by ReportSkippedEventLines.
void LogEventLineProblem(TMainForm& form, const std::string& problem, std::string_view line);
void ReportSkippedEventLines(TMainForm& form);
