#pragma once

class TMainForm;

// The defaults of the option boxes, menu check marks and settings that the window's creation
// sets; tavrek.ini overrides them when it is read.
void SetOptionDefaults(TMainForm& form);
