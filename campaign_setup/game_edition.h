#pragma once

class TMainForm;

// The game edition and its folders.

void GameIDCheck(TMainForm& form);
