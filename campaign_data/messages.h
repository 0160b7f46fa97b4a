#pragma once

class TMainForm;

// Message texts in the chosen language and in Russian.

// Loads both message tables; throws ProgramError on a missing file.
void GetMessages(TMainForm& form);
// Handler of the Language menu items.
void LanguageClick(TMainForm& form);
