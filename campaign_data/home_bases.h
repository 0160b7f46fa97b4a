#pragma once

class TMainForm;

// Squadron home bases.

void SquadronBase(TMainForm& form);
