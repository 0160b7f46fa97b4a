#pragma once

#include <optional>
#include <string>

class TMainForm;

// Object, column and squadron densities: the choice of each box ("Full" to "None") gives the
// level read by the mission planner, by the updates of stationary objects and by column routing.

enum class DensityKind { kStationary, kColumn, kSquadron };

// The level of a density choice; nothing for a text that is no choice.
std::optional<int> DensityLevel(DensityKind kind, const std::string& choice);

// Each sets its level from its box (a text that is no choice leaves it) and saves the settings.
void SObjectDChangeSender(TMainForm& form);
void ColumnDensityChangeSender(TMainForm& form);
void SquadronDensityChangeSender(TMainForm& form);

// Connects the three boxes.
void WireDensities(TMainForm& form);
