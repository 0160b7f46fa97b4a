#pragma once

#include <string>
#include <vector>

class TMainForm;

// The layout of tavrek.ini. The file is positional: a setting is known by its line number, not
// by its key. Lines 1-3 are folders, lines 4-14 the bare texts of eleven option boxes, lines
// 15-79 key=value lines.
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
