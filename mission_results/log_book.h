#pragma once

class TMainForm;

// The player's log book and career documents.

// Off-line only: the crew list and the log book in the game-side career folder, and the
// document index, aces, squadron, victory-condition and home-base sheets in the campaign folder.
// Throws when the game-side career folder cannot be found.
void LogBook(TMainForm& form);
