#pragma once

#include <string>

class TMainForm;

// Pilot portraits: pictures under the game folder, named by RosterPhoto + ".bmp".

// Shows the portrait of the pilot in the slot; a missing file changes nothing, a file that
// holds no picture shows the program's "no pilot" picture and is logged.
void LoadPilotPhoto(TMainForm& form, int squadron, int slot);
// Portrait click: the file dialog for a portrait under the game's DGen folder.
void PilotPhotoClick(TMainForm& form);
// The portrait dialog accepted a file: it becomes the pilot's portrait when it lies in the game
// folder.
void OpenPilotPhotoCanClose(TMainForm& form, bool& can_close);
// The previous and next numbered portrait of the pilot's portrait folder.
void LPicButtonClick(TMainForm& form);
void RPicButtonClick(TMainForm& form);

// The numbered portrait `step` (+1 or -1) away from the portrait, its number kept within 0..31;
// empty for the default portrait, the aces' portraits and a portrait without a number.
std::string SteppedPortrait(const std::string& portrait, int step);
// The portrait a file chosen in the dialog stands for: its path from the game's "dgen" folder
// on, without the extension.
std::string PortraitOfFile(const std::string& game_folder, const std::string& chosen_file);
