#include <array>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/timetable_command_set.h"
#include "campaign_setup/career_files.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kLastHour = 23;
constexpr std::string_view kMissionListEnd = "tavrekmission.mis";

bool SlowPace(const std::string& pace) {
  return pace == "Slow" || pace == "Extremely Slow" || pace == "Very Slow";
}

}  // namespace

void SetMissionTimeCommand(TMainForm& form, TimetableLine& line) {
  const int hour = WholeNumberValue(LineValue(line.text), 0, kLastHour);
  form.MissionTimeOverride = IntToStr(hour);
  // A mission hour of its own makes one mission a day.
  if (SlowPace(form.TimeSettingsBox.Text)) form.TimeSettingsBox.Text = "Normal";
  WriteIni(form);
}

void SetDateCommand(TMainForm& form, TimetableLine& line) {
  const std::string date = LineValue(line.text);
  const int day = StrToIntDef(Copy(date, 1, 2), 0);
  const int month = StrToIntDef(Copy(date, 4, 2), 0);
  const int year = StrToIntDef(Copy(date, 7, 4), 0);
  if (date.size() != 10 || !ValidDateKey(year * 10000 + month * 100 + day)) {
    throw BadTimetableValue("\"" + date + "\" is no dd/mm/yyyy date");
  }
  form.CampaignDateText = date;
  BreakDownDate(form);
  CampaignDate(form);
}

void ShowMovieCommand(TMainForm& form, TimetableLine& line) {
  if (form.GameCampaignFolder.empty()) throw BadTimetableValue("no game-side career folder");
  const std::string path = form.GameCampaignFolder + "campaign.ini";
  if (!FileExists(path)) SetUpCampIni(form);
  std::string text;
  if (FileExists(path)) {
    for (const std::string& kept : ReadTextLines(path)) {
      if (Contains(kept, "end") || Contains(kept, kMissionListEnd)) continue;
      text += kept + std::string(kCrLf);
    }
  }
  if (form.CampaignEnded != "Y") {
    text += "* Intros/" + TextAfter(line.text, "ShowMovie", 999) + std::string(kCrLf);
  }
  text += kMissionListEnd;
  WriteTextFile(path, text);
}

// The last pace the line names wins.
void SetTimePassageCommand(TMainForm& form, TimetableLine& line) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kPaces{{
      {"slow", "Slow"},
      {"extremely slow", "Extremely Slow"},
      {"very slow", "Very Slow"},
      {"normal", "Normal"},
      {"moderate", "Moderate"},
      {"fast", "Fast"},
  }};
  const std::string lower = AsciiLowerCase(line.text);
  for (const auto& [word, pace] : kPaces) {
    if (Contains(lower, word)) form.TimeSettingsBox.Text = std::string(pace);
  }
  WriteIni(form);
}

void NewsBriefCommand(TMainForm& form, TimetableLine& line) {
  static constexpr std::array<std::string_view, 8> kLanguages{
      "Czech", "Italian", "English", "French", "Spanish", "German", "Polish", "Russian"};
  size_t side = 0;
  if (Contains(line.text, "Allied")) side = 1;
  if (Contains(line.text, "Axis")) side = 2;
  const std::string news = LineValue(line.text, 999);
  for (const std::string_view language : kLanguages) {
    if (Contains(line.text, " " + std::string(language)) && form.Language == language) {
      form.TimeTableNews[side] += news + " ";
    }
  }
}
