#pragma once

class TMainForm;

// The between-mission pipeline.

// Runs the passes that make the next mission.
void BetweenMissionCompiler(TMainForm& form);
