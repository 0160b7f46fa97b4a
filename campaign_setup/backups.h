#pragma once

class TMainForm;

// Backups of the campaign files.

// Copies the campaign files to the last-mission backup before each mission.
void LastBackup(TMainForm& form);
