#pragma once

class TMainForm;

// The co-op campaign run.

void NGenCampaign(TMainForm& form);
void NGenConfLoad(TMainForm& form);
