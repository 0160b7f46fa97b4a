#pragma once

#include <array>
#include <string>
#include <vector>

class TMainForm;

// Scoring from the dogfight-server tool's mission log (game editions older than AEP):
// missions\net\dogfight\tavrek\fbd_mission_log.txt in the game folder, read once per file.

void DogfightLog(TMainForm& form);

// The keep-or-destroy decision of one candidate: destroyed when the draw r (0..99) falls below
// the side's loss percentage p for the category.
bool DestroyedByDraw(double loss_percent, int draw);

// The eight figures of a "RedLost=" or "BlueLost=" line after its key; throws ConversionError
// when the line holds fewer than eight whole numbers.
std::array<int, 8> ReadLossFigures(const std::string& figures);
