#pragma once

class TMainForm;

// The command-line batch driver.

// Sorts the arguments into the run they ask for; leaves the verdict in DayStep.
void ChkParams(TMainForm& form);
