#pragma once

#include <string>

class TMainForm;

// The campaign date as text ("dd/mm/yyyy") and as its three numbers.

// CampaignDateText from CampaignDay, CampaignMonth and CampaignYear; the date boxes show it.
void CampaignDate(TMainForm& form);
// CampaignDay, CampaignMonth and CampaignYear from the fixed positions 1-2, 4-5 and 7-10 of
// CampaignDateText, which is then written again in its normal form. A position that holds no
// number throws ConversionError; the numbers read before it are kept.
void BreakDownDate(TMainForm& form);

// "dd/mm/yyyy": day and month as their last two digits after a leading "0", the year unpadded.
std::string DateText(int day, int month, int year);
// year * 10000 + month * 100 + day of the campaign date.
int TodayKey(const TMainForm& form);
// year * 100 + month of the campaign date.
int MonthKey(const TMainForm& form);
