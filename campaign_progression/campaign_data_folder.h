#pragma once

#include <initializer_list>
#include <string>

class TMainForm;

// A campaign that changes reference data (its aircraft types learn their predecessors, the
// timetable hands out new loadouts) writes the changes into a data folder of its own, never
// into the program's data folder or the shared third-party folder, which other campaigns read.

// Before `files` of the campaign data folder are rewritten: when the campaign data folder is
// shared, the campaign gets its own one (its campaign folder's "data\"), filled with the shared
// folder's files, and campaign.tavrek names it; every one of `files` is then present there, so
// the writers that take the campaign data folder's copy write the campaign's own one.
void UseOwnCampaignDataFolder(TMainForm& form, std::initializer_list<std::string> files);
// The campaign data folder is the program's data folder or the data folder of the settings.
bool CampaignDataFolderShared(const TMainForm& form);
