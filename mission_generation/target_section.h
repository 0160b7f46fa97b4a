#pragma once

#include <string>

class TMainForm;
struct MissionBuild;

// The "[Target]" section: what the player's flight has to achieve, as the game's target line
// of the player's task.

// The target line of the player squadron's task code with its importance field ("0" primary,
// "1" secondary), without the section header; empty for a code the game has no target for, or
// when the task's link (escorted squadron, column, target location) is missing.
std::string PlayerTargetLine(const TMainForm& form, const std::string& importance);

// Builds the section into build.target_text.
void WriteTargetSection(TMainForm& form, MissionBuild& build);
