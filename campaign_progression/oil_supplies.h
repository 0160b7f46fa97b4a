#pragma once

class TMainForm;

// Oil supplies and reinforcement chance.

void OilSupplies(TMainForm& form);
