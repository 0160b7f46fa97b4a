#pragma once

class TMainForm;

// Destroyed bridges.

// Marks the locations whose routes cross a destroyed bridge.
void BridgeList(TMainForm& form);
