#pragma once

class TMainForm;

// The between-mission pipeline.

// Runs the passes that make the next mission: one, or two at the pace "Moderate" and three at
// "Fast" (one for the first mission of a new campaign, and in the replaced career generator's
// mode without arguments). Before the passes the grand-campaign check scores the flown mission;
// between them the ground war is fought and computer pilots fly extra sorties; after them the
// target list and the territory are rebuilt. Each pass, with the work before or after it, is all
// or nothing for the files it writes (pass_guard.h): a step that raises leaves them as they
// were before that pass and ends the run; the passes before it stay.
void BetweenMissionCompiler(TMainForm& form);
// One pass of the pipeline; passes count down and pass 1 runs last. Each pass reloads the
// campaign files, scores the mission just flown if this pass is the one that does that, moves
// the campaign on, then plans, builds and installs one mission.
void MissionCompiler(TMainForm& form, int pass);
// Generate Mission button and menu item: clears the run log and runs the pipeline.
void MissionButtonClick(TMainForm& form);
