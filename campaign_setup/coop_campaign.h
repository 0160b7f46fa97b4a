#pragma once

#include <string>

class TMainForm;

// The co-op campaign run.

void NGenCampaign(TMainForm& form);
void NGenConfLoad(TMainForm& form);
// Keeps the co-op campaign's conf.dat in step when a squadron is added, gets a new identifier
// or is removed (action "Add", "Rename" or "Remove").
void UpdateNGenConf(TMainForm& form, int squadron, const std::string& old_id,
                    const std::string& name, const std::string& action);
