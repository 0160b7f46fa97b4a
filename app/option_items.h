#pragma once

struct MainWindowControls;

// The main window's design: the items of the option boxes and the texts, ranges and titles the
// controls have before the program sets anything.
void SetOptionDesignValues(MainWindowControls& controls);
