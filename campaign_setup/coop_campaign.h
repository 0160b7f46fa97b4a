#pragma once

#include <string>

class TMainForm;

// The co-op campaign run and the co-op campaign's conf.dat (its layout: coop_files.h).

// The run the game starts in place of its co-op generator: the first argument is the path of
// the campaign's conf.dat below the game folder. The co-op folder becomes the game-side
// campaign folder and, at the campaign's first run, the campaign is created in it from the
// battle its conf.dat names, with the squadrons' spawn choices. A failure is logged and stops
// the run (ProgramError), leaving no half-made campaign behind.
void NGenCampaign(TMainForm& form);
// Takes the choices of GameCampaignFolder's conf.dat: "Dead is Dead" (the Death item) and the
// squadrons' spawn choices, then saves the squadrons. A conf.dat without its select part is
// refused with a message.
void NGenConfLoad(TMainForm& form);
// Keeps the co-op campaign's conf.dat in step when a squadron joins, is renamed to another
// identifier or leaves (action "Add", "Rename" or "Remove"); `old_id` and `name` are the identifier
// and display name the squadron had before. Does nothing outside a co-op campaign folder.
void UpdateNGenConf(TMainForm& form, int squadron, const std::string& old_id,
                    const std::string& name, const std::string& action);
