#pragma once

class TMainForm;

// The main window's creation and the start-up of the program.
void FormCreate(TMainForm& form);
// Seeds the random generator, resets the run, reads the settings, identifies the game and then
// hands a command-line run to the batch driver or loads the chosen campaign. Runs again
// whenever the user chooses a campaign folder.
void StartupExecute(TMainForm& form);
void InitializeCampaign(TMainForm& form);
// The campaign record, its map, the map's places with their owners and the battle's front
// objects, in the order campaign loading reads them.
void LoadCampaignMap(TMainForm& form);
// The stationary objects, the columns and the squadrons (based, saved, with their pilots) that
// are not loaded yet, in the order campaign loading reads them. `sort_pilots`: the roster is
// sorted before it is saved.
void LoadMissingCampaignTables(TMainForm& form, bool sort_pilots);
// The campaign's location, column, stationary and squadron tables count as not loaded, so the
// next operation that needs them reads them again.
void MarkTablesNotLoaded(TMainForm& form);
// The window's hot-key message; hot_key_id is its first parameter.
void WMHotKey(TMainForm& form, int hot_key_id);
void TimeOutTimerTimer(TMainForm& form);

// The game's career generator or its co-op generator has been replaced by this program, and
// its mode is on: a hidden run then ends at the timer's next tick.
bool GeneratorReplacementOn(const TMainForm& form);
// Shows the campaign folder's cimage.jpg when there is one; a picture that cannot be decoded
// is logged and left out.
void ShowCampaignPicture(TMainForm& form);
