#pragma once

class TMainForm;

// The waypoint-settings panel (WayPanel): altitudes, offsets and speeds of the player's
// squadron, and for every squadron the transit altitudes, circling after take-off, ingress and
// egress coordinates and whether it talks on the radio. Each altitude, offset or speed box
// writes its change to tavrek.ini immediately.

// Binds the Edit menu item, the tool-bar button and every box of the panel. The panel starts
// hidden.
void WireWaypointSettingsPanel(TMainForm& form);

// Opens the panel; without an active campaign it stays closed and "No campaign active." is
// raised.
void WaypointEditorClick(TMainForm& form);
// A change of an altitude, offset or speed box: a text that lost its unit goes back to
// "Default" ("Transit Altitude" for the player's leg altitudes), a target-ingress offset not
// beyond the initial-point offset is moved 2500 m past it, and the settings are saved.
void AltitudeBoxChange(TMainForm& form);
// A change of RadioBox: the settings are saved.
void RadioBoxChange(TMainForm& form);
// A change of TOCircle or IECoordinates: the settings are saved.
void TOCircleChange(TMainForm& form);
