#pragma once

#include <string>

class TMainForm;
struct CampaignListEntry;

// The steps that every road to a new campaign shares (the new-campaign screen, the game's
// career generator on the command line, the co-op generator run): the battle's values, the
// master-mission import with the start territory, and the start placement.

// The battle's master mission: the first that exists of <data folder><battle>.mis,
// <data folder><map>.mis, Masters\<battle>.mis and Masters\<map>.mis of the program folder;
// the data-folder paths lower-cased when `lower_case_data_paths`. Empty when none exists.
std::string FindMasterMission(const TMainForm& form, const std::string& battle,
                              const std::string& map, bool lower_case_data_paths);

// Takes the section's battle, type, map, date, day or night and bug-out radius, imports the
// master mission (the location table read before and kept through the import) and sets who
// holds every location. Stops with the import's error when the mission cannot be a campaign.
void ImportBattle(TMainForm& form, const CampaignListEntry& entry,
                  const std::string& master_mission);

// Whether the player's squadron is merged, after the bases are chosen, with the computer
// squadron most like it (a new campaign of the new-campaign screen), or not (the co-op run, a
// transfer). The career generator's road merges it before the bases by itself.
enum class PlayerMerge { kAfterBases, kNone };

// Columns to their start places, squadrons to their bases, the player's squadron merged.
void PlaceCampaignStart(TMainForm& form, const std::string& master_mission, PlayerMerge merge);
