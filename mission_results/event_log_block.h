#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading the game's event log: its mission blocks, time stamps and the line form the event
// handlers receive. The game writes a mission as
//   [Apr 6, 1945 2:05:00 PM] Mission: Campaign/US/Tavrek/tavrekmission.mis is Playing
//   [2:05:00 PM] Mission BEGIN
//   [2:05:40 PM] r01000(0) seat occupied by Player at 50250.00 92100.00
//   ...
//   [3:02:16 PM] Mission END
// or with 24-hour stamps ("[14:05:40] r01000 ..."); some lines carry the time without brackets.

// A line that starts a mission ("[<date>] Mission: <path> is Playing"), and the lines that mark
// the flight's begin and end.
bool IsMissionStart(std::string_view line);
bool IsMissionBegin(std::string_view line);
bool IsMissionEnd(std::string_view line);
// The date stamp of a mission-start line: its text up to and including the first "]".
std::string DateStamp(std::string_view line);
// The mission file of a mission-start line: the text after "Mission: " up to " is Playing".
std::string MissionPath(std::string_view line);

// The line the event handlers receive: the text after the time stamp, trimmed, beginning with
// the actor, whichever stamp form the game wrote.
std::string PrepareEventLine(std::string_view line);

// The time of day of a line's stamp in seconds: "[h:mm:ss]", "[h:mm:ss AM]", "[h:mm:ss PM]",
// with or without brackets, at the start of the line; nullopt when the line has none.
std::optional<int> StampSeconds(std::string_view line);
// Whole minutes from the begin to the end stamp, across midnight when the end is earlier.
int FlightMinutes(int begin_seconds, int end_seconds);

// The last mission of the log: from its last mission-start line to the end of the file.
struct MissionBlock {
  bool found = false;
  std::string stamp;
  size_t first_line = 0;
};
MissionBlock FindLastMissionBlock(const std::vector<std::string>& lines);

// How a block is read: "Standard" missions of the campaign, or on-line dogfights read by name
// ("Dogfight" for the oldest game editions, "AcesDogfight" for the later ones).
struct ReaderModeInputs {
  std::string game_id;
  std::string game_includes_aep;
  std::string first_parameter;
};
// The mode after a line of the seats-and-victories pass reads it. Only a mission-start line
// names the mission's path.
std::string SeatPassReaderMode(const std::string& mode, std::string_view line,
                               const ReaderModeInputs& inputs);
// The mode after a line of the damage or the killed-and-captured pass reads it.
std::string LossPassReaderMode(const std::string& mode, std::string_view line,
                               const ReaderModeInputs& inputs);
