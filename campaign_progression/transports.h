#pragma once

#include <string>

class TMainForm;

// Landing craft and small transport ships that carry a ground column.

// "Y" when the column type names a transport ship, else "N".
std::string TransportType(const std::string& column_type);

// Loads the first waiting column of the transport's side onto transport `column` when the
// transport carries nothing yet, and rewrites columns.tavrek.
void MakeTransport(TMainForm& form, int column);
