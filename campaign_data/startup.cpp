#include "campaign_data/startup.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"

void FormCreate(TMainForm& form) {
  StartupExecute(form);
  ErrorLog(form, "Form Create Complete");
}

void StartupExecute(TMainForm& form) { form.InfoLabel.Caption = "Tavrek 3.37"; }

void InitializeCampaign(TMainForm&) {}

void WMHotKey(TMainForm&, int) {}

void TimeOutTimerTimer(TMainForm& form) { ErrorLog(form, "Check for Termination."); }
