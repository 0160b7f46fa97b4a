#pragma once

class TMainForm;

// The player's bomber crew and crew.tavrek.

// Writes crew.tavrek in the career-generator mode.
void SaveCrew(TMainForm& form);
