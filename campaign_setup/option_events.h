#pragma once

class TMainForm;

// Connects the option items, the density, supply, time and weather boxes, the general-settings
// and dogfight-server panels, the dogfight link's listener events and the About items.
void WireOptionsAndDogfightLink(TMainForm& form);
