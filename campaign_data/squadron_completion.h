#pragma once

class TMainForm;

// Completes every loaded squadron from the aircraft tables (type data, country, presence of
// its type in the game).
void LoadSquadrons(TMainForm& form);
