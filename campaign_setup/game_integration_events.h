#pragma once

class TMainForm;

// The game-integration controls of the main window: the game and program folder choices, the
// version chooser, Run Game and the mode switches, with their design texts.
void WireGameIntegration(TMainForm& form);
