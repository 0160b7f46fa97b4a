#pragma once

class TMainForm;

// Completing the squadrons with the data of their aircraft types.

// Completes every loaded squadron from the aircraft tables (type data, country, presence of
// its type in the game).
void LoadSquadrons(TMainForm& form);
// Copies the aircraft-type data of the squadron's class from AircraftClassTable.
void GetSquadronInfo(TMainForm& form, int squadron);
