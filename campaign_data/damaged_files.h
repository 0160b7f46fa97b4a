#pragma once

#include <string>

#include "campaign_data/file_read_report.h"

class TMainForm;

// A file that a table was loaded from, with what its read found wrong. Kept beside the table
// until the table is saved over the file.
struct LoadedFile {
  std::string path;  // empty while no file was read
  FileReadReport report;
  bool original_kept = false;
};

// The name the damaged original of `path` is kept under: "<path>.damaged", or with a number
// after it when an earlier one is there already.
std::string DamagedCopyName(const std::string& path);

// Call before `path` is written from a table that `loaded` describes. When the table came from
// that very file and its read was not whole and clean, the file as it is now is first copied
// beside it (DamagedCopyName), which is logged and, in a run with a window, told to the user.
// Once per read. Throws FileError when the copy cannot be made, so the save does not go on.
void KeepDamagedOriginal(TMainForm& form, LoadedFile& loaded, const std::string& path);
