#pragma once

#include <string>

class TMainForm;
struct MissionBuild;

// The "[MAIN]" section of the mission: the map's load path, the start time, the briefing
// sound and the clouds, and the weather sentences the briefings quote.

// Moves the campaign's weather state (CurrentConditions) on by two draws, within the best and
// worst weather boxes, and sets the weather sentences.
void AdvanceWeather(TMainForm& form, MissionBuild& build);

// The load path of the game's map for a campaign month (1..12). The map's own "Load=" entry
// (map_load_path), when it is set, wins.
struct MapLoadChoice {
  std::string map_name;
  std::string map_load_path = "None";
  int month = 0;
  bool palm_trees = false;
  bool normandy_base_option = false;
};
std::string MissionMapLoadPath(const MapLoadChoice& choice);

// "  TIME 13.50": the hour, and the minutes as hundredths of an hour cut to whole ones.
std::string TimeLine(const std::string& hour_text, const std::string& minutes_text);

// Draws the start hour and the cloud height and writes "[MAIN]" into MissionFileText; adds the
// cloud base to the weather sentences.
void WriteMainSection(TMainForm& form, MissionBuild& build);
