#pragma once

#include <string>

class TMainForm;

// Names and places in event-log and briefing texts.

// Replaces the game's backslash-u escapes by their characters. An escape that holds no
// hexadecimal digits is kept as it stands.
std::string ConvertUnicode(TMainForm& form, const std::string& text);
// A pilot name from the event log made safe for the roster files: escapes converted, and the
// characters that mark fields or sections there ("*", "&", "\", "^", "@", "#", "[", "]") and
// control characters replaced by "_".
std::string FixPilotName(TMainForm& form, const std::string& name);
// The same change made to the name where it is held.
void FixPilotNameInPlace(TMainForm& form, std::string& name);
// Replaces location-name suffixes by words of the chosen language, or Russian for "Yes".
std::string TranslateLocation(TMainForm& form, const std::string& text, const std::string& russian);
