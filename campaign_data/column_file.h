#pragma once

class TMainForm;

// The ground-column table and columns.tavrek.

void ColumnList(TMainForm& form);
void WriteColumnList(TMainForm& form);
