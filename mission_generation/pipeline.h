#pragma once

class TMainForm;

// The between-mission pipeline.

// Runs the passes that make the next mission.
void BetweenMissionCompiler(TMainForm& form);
// One pass of the pipeline; passes count down and pass 1 runs last.
void MissionCompiler(TMainForm& form, int pass);
// Generate Mission button and menu item: clears the run log and runs the pipeline.
void MissionButtonClick(TMainForm& form);
