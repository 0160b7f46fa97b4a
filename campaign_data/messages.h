#pragma once

class TMainForm;

// Message texts in the chosen language and in Russian.

// Loads both message tables from the message files (the campaign's data folder overrides the
// program's data folder file by file): English first, then the chosen language over it, then
// Russian into MessageRu. A missing file sets DescLabel, logs and throws
// ProgramError("No Message File Found."); the tables keep what was loaded before.
void GetMessages(TMainForm& form);
// Handler of the Language menu items: takes the checked language, saves and re-reads the
// settings and reloads the messages.
void LanguageClick(TMainForm& form);
