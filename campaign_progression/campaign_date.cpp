#include "campaign_progression/campaign_date.h"

#include "app/main_form.h"
#include "campaign_data/text.h"

namespace {

std::string TwoDigits(int value) {
  const std::string padded = "0" + IntToStr(value);
  return padded.substr(padded.size() - 2);
}

}  // namespace

std::string DateText(int day, int month, int year) {
  return TwoDigits(day) + "/" + TwoDigits(month) + "/" + IntToStr(year);
}

int TodayKey(const TMainForm& form) {
  return form.CampaignYear * 10000 + form.CampaignMonth * 100 + form.CampaignDay;
}

int MonthKey(const TMainForm& form) {
  return form.CampaignYear * 100 + form.CampaignMonth;
}

void CampaignDate(TMainForm& form) {
  form.CampaignDateText = DateText(form.CampaignDay, form.CampaignMonth, form.CampaignYear);
  form.DayBox.Text = TwoDigits(form.CampaignDay);
  form.MonthBox.Text = TwoDigits(form.CampaignMonth);
  form.YearBox.Text = IntToStr(form.CampaignYear);
}

void BreakDownDate(TMainForm& form) {
  const std::string date = form.CampaignDateText;
  form.CampaignDay = StrToInt(Copy(date, 1, 2));
  form.CampaignMonth = StrToInt(Copy(date, 4, 2));
  form.CampaignYear = StrToInt(Copy(date, 7, 4));
  form.CampaignDateText = DateText(form.CampaignDay, form.CampaignMonth, form.CampaignYear);
}
