#pragma once

class TMainForm;

// The main window's creation and the start-up of the program.
void FormCreate(TMainForm& form);
void StartupExecute(TMainForm& form);
void InitializeCampaign(TMainForm& form);
// The window's hot-key message; hot_key_id is its first parameter.
void WMHotKey(TMainForm& form, int hot_key_id);
void TimeOutTimerTimer(TMainForm& form);
