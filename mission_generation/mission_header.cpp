#include "mission_generation/mission_header.h"

#include <algorithm>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_generation/mission_build.h"
#include "platform/errors.h"

namespace {

constexpr int kWorstWeather = 6;
constexpr int kCloudBaseLine = 8;
constexpr int kWinterShowersLine = 7;

bool IsWinterMonth(int month) {
  return month == 11 || month == 12 || month == 1 || month == 2;
}

bool InMonths(int month, int first, int last) {
  return month >= first && month <= last;
}

// The hour a time box stands for: its first two characters, or the clock's hour for "Real".
int WindowHour(const TMainForm& form, const TComboBox& box) {
  if (box.Text == "Real") return form.Platform.ClockService().LocalNow().hour;
  return StrToInt(Trim(Copy(box.Text, 1, 2)));
}

// Step 1 to 5 of the start hour: the draws in their fixed order.
int DrawStartHour(TMainForm& form) {
  int hour = form.Random(12) + 5;
  const std::string& today = form.MissionTime;
  const int missions_today = today == "0"   ? 0
                             : today == "1" ? 1
                             : today == "2" ? 2
                             : today == "3" ? 3
                                            : -1;
  if (Contains(form.TimeSettingsBox.Text, "Slow") && missions_today >= 0) {
    constexpr int kSlowBase[] = {5, 9, 13, 17};
    hour = form.Random(3) + kSlowBase[missions_today];
  }
  const bool night = form.DayNightBox.Text == "Night";
  if (night && missions_today >= 0) {
    constexpr int kNightBase[] = {0, 4, 18, 22};
    hour = form.Random(2) + kNightBase[missions_today];
  }
  if (form.NewCampaignFlag == "Y" && !night) hour = form.Random(2) + 6;

  const std::string& start_box = form.STimeBox.Text;
  const std::string& end_box = form.ETimeBox.Text;
  const bool both_real = start_box == "Real" && end_box == "Real";
  const bool both_random = start_box == "Random" && end_box == "Random";
  if (!both_real && !both_random) {
    int start = 5;
    int end = 17;
    if (start_box != "Random") start = WindowHour(form, form.STimeBox);
    if (end_box != "Random") end = WindowHour(form, form.ETimeBox);
    if (end < start) end += 24;
    start += form.Random(end + 1 - start);
    if (start > 23) start -= 24;
    hour = start;
  }
  return hour;
}

void SetStartTime(TMainForm& form, MissionBuild& build) {
  form.MissionHourText = IntToStr(DrawStartHour(form));
  build.minutes_text = "00";
  if (!form.MissionTimeOverride.empty()) {
    if (StrToIntDef(form.MissionTimeOverride, -1) >= 0) {
      form.MissionHourText = Trim(form.MissionTimeOverride);
    } else {
      ErrorLog(form, "The timetable's mission time \"" + form.MissionTimeOverride +
                         "\" is no hour; the drawn hour stays.");
    }
  }
  if (form.STimeBox.Text == "Real") {
    const LocalDateTime now = form.Platform.ClockService().LocalNow();
    build.minutes_text = ZeroPad(now.minute, 2);
    form.MissionHourText = IntToStr(now.hour);
  }
  ErrorLog(form, "Set Time.");
}

bool BriefsInFeet(const TMainForm& form) {
  if (form.Language != "English" || form.LastSquadron < 0) return false;
  const std::string& nation = form.SquadronTable[0].SquadronNation;
  for (std::string_view feet_nation : {"us", "un", "um", "gb", "rn", "rz", "ra"}) {
    if (nation == feet_nation) return true;
  }
  return false;
}

// The cloud base joins the weather sentences when clouds hang low enough to matter.
void AddCloudBase(TMainForm& form, MissionBuild& build) {
  const bool feet = BriefsInFeet(form);
  std::string height = build.cloud_height;
  if (feet) {
    const long long metres = StrToInt(Trim(height));
    height = Trim(IntToStr(static_cast<long long>(static_cast<double>(metres) * 3.2814)));
  }
  if (form.CurrentConditions > 2) {
    const MessageTable& messages = form.Messages;
    build.weather_sentence +=
        ", " + ReplaceTextProcedure(messages.Text(MessageSection::kWeather, kCloudBaseLine),
                                    "<CLOUDHEIGHT>", height);
    build.weather_sentence_ru +=
        ", " + ReplaceTextProcedure(messages.TextRu(MessageSection::kWeather, kCloudBaseLine),
                                    "<CLOUDHEIGHT>", height);
  }
  if (feet) build.weather_sentence = ReplaceTextProcedure(build.weather_sentence, "Meters", "Feet");
}

}  // namespace

void AdvanceWeather(TMainForm& form, MissionBuild& build) {
  int state = form.CurrentConditions;
  if (state > 4) --state;
  if (state < 2) ++state;
  if (form.CampaignMonth == 7 || form.CampaignMonth == 8) --state;
  const int better = form.Random(3);
  const int worse = form.Random(3);
  state += better - worse;
  if (form.BWeatherBox.ItemIndex() > state) state = form.BWeatherBox.ItemIndex();
  if (form.WWeatherBox.ItemIndex() < state) state = form.WWeatherBox.ItemIndex();
  state = std::clamp(state, 0, kWorstWeather);
  form.CurrentConditions = state;

  const int line = state == 5 && form.MapSeason == "Winter" ? kWinterShowersLine : state;
  build.weather_sentence = form.Messages.Text(MessageSection::kWeather, line);
  build.weather_sentence_ru = form.Messages.TextRu(MessageSection::kWeather, line);
}

std::string MissionMapLoadPath(const MapLoadChoice& choice) {
  const std::string& map = choice.map_name;
  const int month = choice.month;
  std::string path = map + "/load.ini";
  struct NamedPath {
    std::string_view map;
    std::string_view path;
  };
  constexpr NamedPath kFixedPaths[] = {
      {"Marianas_Online", "Marianas/Online_load.ini"},
      {"Singapore", "singapore/load2.ini"},
      {"Singapore1", "singapore/load.ini"},
      {"NEEurope", "NWEurope/load.ini"},
      {"Murmansk", "murmansk/load.ini"},
      {"Ardennes", ""},  // its summer file, below
      {"Crimea41", "Crimea/load.ini"},
      {"Torch", "SandsofTime/load.ini"},
      {"Normandy", "Normandy/load2.ini"},
      {"Normandy1", "Normandy/load1.ini"},
      {"Guadal", "Guadal/eload.ini"},
      {"Guadal43", "Guadal/load.ini"},
  };
  for (const NamedPath& named : kFixedPaths) {
    if (map != named.map) continue;
    path = named.path.empty() ? map + "/sload.ini" : std::string(named.path);
  }
  if (map == "Net8Islands" && !choice.palm_trees) path = "Net8Islands/load_v2.ini";
  if (map == "Normandy" && choice.normandy_base_option) path = "Normandy/load.ini";
  if ((map == "Stgrad" || map == "Moscow") && InMonths(month, 3, 10)) path = map + "/sload.ini";
  if ((map == "Ardennes" || map == "Kurland") && IsWinterMonth(month)) path = map + "/wload.ini";
  if (map == "Kurland_Online") {
    path = IsWinterMonth(month) ? "Kurland/wload_online.ini" : "Kurland/load_online.ini";
  }
  if ((map == "Balaton" || map == "FinsGulf") && (month == 12 || month == 1 || month == 2)) {
    path = map + "/load_w.ini";
  }
  if (choice.map_load_path != "None" && choice.map_load_path.size() > 4) {
    path = choice.map_load_path;
  }
  return path;
}

std::string TimeLine(const std::string& hour_text, const std::string& minutes_text) {
  const int minutes = StrToInt(minutes_text);
  return "  TIME " + Trim(hour_text) + "." + IntToStr(minutes * 10 / 6);
}

void WriteMainSection(TMainForm& form, MissionBuild& build) {
  const std::string load_path =
      MissionMapLoadPath({form.MapName, form.MapLoadPath, form.CampaignMonth,
                          form.PalmTrees.Checked, form.NormandyBaseOption});
  SetStartTime(form, build);
  build.cloud_height =
      form.HCloudBox.Text == "Random" ? IntToStr(form.Random(1500) + 500) : form.HCloudBox.Text;

  std::string& text = form.MissionFileText;
  text += "[MAIN]\r\n";
  text += "  MAP " + load_path + "\r\n";
  text += TimeLine(form.MissionHourText, build.minutes_text) + "\r\n";
  if (form.BriefSoundBox.Text != "None") {
    text += "  BriefSound samples/sounds/" + form.BriefSoundBox.Text + "\r\n";
  }
  text += "  CloudType " + IntToStr(form.CurrentConditions) + "\r\n";
  text += "  CloudHeight " + build.cloud_height + "\r\n";
  AddCloudBase(form, build);
}
