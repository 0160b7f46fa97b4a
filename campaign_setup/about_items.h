#pragma once

class TMainForm;

// The status bar, Exit and the About menu.

// A double click on the status bar shows the campaign folder it names, when that exists.
void StatusBarClick(TMainForm& form);
void ExitMainClick(TMainForm& form);
void InfoClick(TMainForm& form);
void Website1Click(TMainForm& form);
void OnlineDocumentationClick(TMainForm& form);

void WireAboutItems(TMainForm& form);
