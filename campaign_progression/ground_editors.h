#pragma once

class TMainForm;

// The ground war and ground objects editors.

// Opens the ground war editor.
void SetGround(TMainForm& form);
// Opens the ground objects editor.
void SetGroundObjects(TMainForm& form);
