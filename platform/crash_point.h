#pragma once

// A hook for the crash-safety tests of the built program. With TAVREK_KILL_AFTER_CHANGES=n in
// its environment the process kills itself (SIGKILL, as a power cut or a task manager would)
// right after its n-th change to a file: a file written, moved, renamed or deleted. Without
// the variable the count is never taken.
void FileChanged();
