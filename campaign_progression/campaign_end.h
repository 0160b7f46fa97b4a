#pragma once

#include <string>

class TMainForm;

// End of a battle: the checks made before every between-mission run, and the end of a
// campaign that cannot go on.

// Ends the campaign: writes the final mission, whose briefing is the message, into the game's
// campaign folder and leaves the message pending (ErrorWarning), so no plan is drawn.
void CampaignEnd(TMainForm& form, const std::string& message);
// Before the passes: scores the flown mission and tests end and transfer: lost bases, zones
// and key places, the end date and the destruction quotas. A run transfers or ends at most once.
void GrandCampaign(TMainForm& form);
// The destroy and sunk quotas of both sides; a quota reached decides the battle.
void CampaignDestructionLevelCheck(TMainForm& form);
