#pragma once

#include <string>

class TMainForm;

// Destroyed bridges.

// Handles a bridge's "destroyed by" event ("Bridge12 destroyed by ... at x y"): writes the
// pilot's lines and a news line, and records the bridge in the events log so it stays down.
void BridgeDestroyed(TMainForm& form, const std::string& line, const std::string& mode);
// The bridge at the position named after the locations its road or railway joins
// ("Naha-Shuri_Rail_Bridge"); "_Bridge" when no marked route point lies near. Throws
// ConversionError when the position holds no numbers.
std::string BridgeName(TMainForm& form, const std::string& position);
// Marks the locations whose routes cross a destroyed bridge.
void BridgeList(TMainForm& form);
