#pragma once

class TMainForm;

// Connects the controls that keep a campaign and its looks to their handlers: the backup,
// restore, export and import menu items with the import dialog, the squadron editor's paint,
// markings and "Apply to All" controls, and the Random Nose Art option.
void WireCampaignKeeping(TMainForm& form);
