#pragma once

class TMainForm;

// Object, column and squadron densities.

void SObjectDChangeSender(TMainForm& form);
void ColumnDensityChangeSender(TMainForm& form);
void SquadronDensityChangeSender(TMainForm& form);
