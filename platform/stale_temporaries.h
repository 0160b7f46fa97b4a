#pragma once

#include <string>
#include <string_view>
#include <vector>

// A save writes "<file>.tmp<process id>_<n>" beside its file and renames it over the file
// (text_file.h). A process killed in between leaves that temporary behind. These are removed
// when the process that made them is gone; those of a live process (another copy still
// saving) stay. Answers the names removed. A missing folder has none.
std::vector<std::string> RemoveStaleTemporaries(std::string_view folder);

// The process id in such a name, or -1 when the name is no such temporary.
long TemporaryOwner(std::string_view file_name);
