#pragma once

#include <string>
#include <vector>

class TMainForm;

// Layout of tavrek.ini. Settings are identified by position (line number) rather than by key
// name: lines 1-3 hold folders, lines 4-14 the plain texts of eleven option boxes, and lines
// 15-79 are key=value pairs.
inline constexpr int kSettingsLineCount = 79;

// What a read hands on to be applied once the whole file has been read.
struct SettingsReadLeftovers {
  int BornPlaceRadius = 3000;  // line 66
  std::string ServerInfo;      // line 68; empty when the line is missing
};

// The 79 lines as the settings stand now, without line ends. An empty LogFileDate is saved as
// "None" and holds "None" afterwards.
std::vector<std::string> SettingsFileLines(TMainForm& form);

// Applies line `number` (1..79) of the file to the controls and settings.
void ReadSettingsLine(TMainForm& form, int number, const std::string& line,
                      SettingsReadLeftovers& leftovers);
