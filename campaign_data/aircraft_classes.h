#pragma once

#include <optional>
#include <string>
#include <vector>

class TMainForm;

// Aircraft types (class.tavrek) and their loadouts (payloads.tavrek, allpayloads.tavrek).
// The files are read from and written to the campaign data folder when it holds them,
// otherwise the program's data folder.

// Reads class.tavrek and payloads.tavrek into AircraftClassTable; sets LastAircraftClass.
void LoadPlaneInfo(TMainForm& form);
// Writes class.tavrek whole from the table.
void SaveClasses(TMainForm& form);
// Writes payloads.tavrek whole from the table, one line per type in table order.
void SavePayloads(TMainForm& form);

// One line of allpayloads.tavrek: a loadout that a type can carry.
struct AllPayloadsLine {
  std::string ClassName;  // columns 1-29, trimmed
  std::string Category;   // column 30: "B" bombs, "T" torpedo, "A" and "D" fighter loadouts
  std::string Loadout;    // from column 32 on, as the file has it
};

// Every line of allpayloads.tavrek in file order; nothing when the file does not exist.
std::optional<std::vector<AllPayloadsLine>> ReadAllPayloads(TMainForm& form);
