#include "campaign_progression/timetable.h"

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/timetable_commands.h"
#include "platform/text_file.h"

namespace {

// The timer that ends a hidden run is off while the timetable works and on again however the
// work ends.
class TimerPause {
 public:
  explicit TimerPause(TTimer& timer) : timer_(timer) { timer_.SetEnabled(false); }
  ~TimerPause() { timer_.SetEnabled(true); }
  TimerPause(const TimerPause&) = delete;
  TimerPause& operator=(const TimerPause&) = delete;

 private:
  TTimer& timer_;
};

void ResetRunValues(TMainForm& form) {
  form.TimeTableCapture = "N";
  form.MissionTimeOverride.clear();
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    form.AircraftClassTable[i].BannedPayload.clear();
  }
  for (std::string& news : form.TimeTableNews) news.clear();
  form.AttackRendezvous = {"Off", "", ""};
}

void LoadMapIfNeeded(TMainForm& form) {
  if (form.LastLocation >= 0) return;
  CampaignInfo(form);
  MapList(form, form.MapName);
  TargetLocations(form);
  ReadTerritory(form);
  SetTgtNation(form, 0);
}

// Where the file's lines stand: in the current battle's block, and whether captures are on.
class BlockReader {
 public:
  explicit BlockReader(TMainForm& form) : form_(form), header_("[" + Trim(form.BattleName) + "]") {}

  // Follows the headers; answers whether the line belongs to the current battle.
  bool InBlock(const std::string& line) {
    if (Contains(line, header_)) {
      in_block_ = true;
      capture_ = true;
    } else if (Contains(line, "[")) {
      in_block_ = false;
      if (!Contains(line, "]")) ErrorLog(form_, "Timetable header without \"]\": " + line);
    }
    return in_block_;
  }
  bool Capture() const { return capture_; }
  void StopCaptures() { capture_ = false; }

 private:
  TMainForm& form_;
  std::string header_;
  bool in_block_ = false;
  bool capture_ = false;
};

// A line of the block that no command can use is reported and left alone.
bool UsableLine(TMainForm& form, const std::string& line, int date) {
  if (StartsWith(line, "//") || Contains(line, "[")) return true;
  if (date == kNeverDue) {
    ErrorLog(form, "Timetable line without a date: " + line);
    return true;  // it can still name today's date elsewhere in the line
  }
  if (!ValidDateKey(date)) {
    ErrorLog(form, "Timetable line with a date out of range skipped: " + line);
    return false;
  }
  if (!NamesTimetableCommand(line)) {
    ErrorLog(form, "Unknown timetable command skipped: " + line);
    return false;
  }
  return true;
}

void ReadTimetable(TMainForm& form, const std::string& path) {
  BlockReader block(form);
  for (const std::string& raw : ReadTextLines(path)) {
    const std::string text = Trim(raw);
    if (text.empty()) continue;
    const bool in_block = block.InBlock(text);
    const int date = LineDate(text);
    if (!in_block || !UsableLine(form, text, date)) continue;
    if (date <= TodayKey(form) && Contains(text, "TimeTable Off")) {
      form.TimeTableCapture = "N";
      block.StopCaptures();
    }
    TimetableLine line{text, date, block.Capture()};
    ApplyTimetableCommands(form, line);
  }
}

}  // namespace

std::string TimetablePath(const TMainForm& form) {
  return ExistingReferenceFile(form, "timetable.tavrek");
}

void TimeTable(TMainForm& form) {
  ErrorLog(form, "Begin Time Table Initialization.");
  {
    TimerPause pause(form.TimeOutTimer);
    LoadMapIfNeeded(form);
    ErrorLog(form, "Begin Time Table Check.");
    ResetRunValues(form);
    const std::string path = TimetablePath(form);
    if (!path.empty()) {
      ReadTimetable(form, path);
      DefineTerritory(form);
    }
    ErrorLog(form, "End Time Table Check.");
  }
}
