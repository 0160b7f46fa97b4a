#pragma once

class TMainForm;

// The dogfight-server link and its preferences.

void ReadFBDIni(TMainForm& form);
