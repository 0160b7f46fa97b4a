#pragma once

class TMainForm;

// The game-side career files.

// Creates the game-side career folders and writes campaign.ini and the info files.
void SetUpCampIni(TMainForm& form);
// Takes the date of the date boxes and updates the career files and campaign file.
void UpdateCampaign(TMainForm& form);
// Puts the player's squadron into the career's conf.dat.
void UpdateConfDat(TMainForm& form);
// Writes the career's status.dat for the game.
void MissionStatus(TMainForm& form);
