#pragma once

class TMainForm;

// Scoring from the dogfight-server tool's mission log.

void DogfightLog(TMainForm& form);
