#pragma once

class TMainForm;

// Extra sorties of computer-flown pilots between passes.

// Gives computer-flown pilots a chance of one extra sortie and saves the roster.
void BonusNPCMissions(TMainForm& form);
