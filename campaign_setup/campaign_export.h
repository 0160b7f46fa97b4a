#pragma once

#include <string>

class TMainForm;

// Export and import of on-line campaigns. An export folder in the program folder
// ("x_<battle>_<yyyymmdd>_<missions of the day>") receives the campaign files, its data files and
// a copy of the settings named tavrekimport.dat; importing one makes it the active campaign
// and its data folder, with the folders of the settings and of the campaign record pointed at
// this installation.

// Export menu item: copies the campaign and settings to an export folder.
void ExportCampaignClick(TMainForm& form);
// Import menu item: asks for the tavrekimport.dat of an export folder.
void ImportCampaignClick(TMainForm& form);
// The import dialog closes on a chosen file: imports its folder. The dialog always closes.
void SetImportCanClose(TMainForm& form, bool& can_close);

// "x_<battle>_<yyyymmdd>_<missions of the day>\" under the program folder.
std::string ExportFolderName(const TMainForm& form);
