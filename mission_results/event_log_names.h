#pragma once

#include <string>

class TMainForm;

// Names and places in event-log and briefing texts.

// Replaces the game's backslash-u escapes by their characters.
std::string ConvertUnicode(TMainForm& form, const std::string& text);
// A pilot name from the event log made fit for the roster files: escapes converted, field
// markers replaced.
std::string FixPilotName(TMainForm& form, const std::string& name);
// Replaces location-name suffixes by words of the chosen language, or Russian for "Yes".
std::string TranslateLocation(TMainForm& form, const std::string& text, const std::string& russian);
