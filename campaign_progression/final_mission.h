#pragma once

#include <string>

class TMainForm;

// The mission that ends a campaign: the player's flight alone on the map, its briefing the end
// message.

// The map line's path: "<map>/load.ini" or the map's own load file, by map, month and options.
std::string FinalMissionMapPath(const TMainForm& form);
// The mission text; draws the cloud height.
std::string FinalMissionText(TMainForm& form);
// The properties text carrying the message.
std::string FinalMissionProperties(const std::string& message);
