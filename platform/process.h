#pragma once

// The running process and others on the machine, by their process ids.

int CurrentProcessId();
// The process with this id is still running (or the id cannot be checked, which counts as
// running, so that its work is never taken for abandoned).
bool ProcessRunning(int process_id);
