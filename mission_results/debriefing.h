#pragma once

class TMainForm;

// Scoring of the flown mission for the debriefing starts.

void DebriefText(TMainForm& form);
