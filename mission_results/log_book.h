#pragma once

class TMainForm;

// The player's log book and career documents.

// Writes the player's log-book entry and career documents.
void LogBook(TMainForm& form);
