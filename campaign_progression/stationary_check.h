#pragma once

class TMainForm;

// Static objects between missions.

// Revalidates the static objects and fills their lines for the coming mission.
void StationaryCheck(TMainForm& form);
