#pragma once

class TMainForm;

// Campaign tweaks.

// Brings a freshly imported campaign into a consistent start: owners, columns, end rules,
// front, armour, bases and the option-driven squadron changes.
void CampaignTweaks(TMainForm& form);
