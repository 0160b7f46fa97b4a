#include "mission_results/results_wrap_up.h"

#include <optional>
#include <unordered_set>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/bomber_crew.h"
#include "mission_results/event_log_block.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "mission_results/log_book.h"
#include "mission_results/name_lists.h"
#include "mission_results/new_pilots.h"
#include "mission_results/pilot_events.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/rank_awards.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kPilotSlots = 16;
constexpr int kUnderscoresToBlanks = 101;
constexpr int kCleanUps = 31;
constexpr int kMissionScrubbed = 999;

const std::string kNewLine(kCrLf);

std::string Text(const TMainForm& form, MessageSection section, int line) {
  return form.Messages.Text(section, line);
}

// A section of the debriefing: the two characters "\n", its title and its lines.
std::string Section(const TMainForm& form, int title, const std::string& lines) {
  return kNewLine + "\\n" + Text(form, MessageSection::kTitles, title) + ":" + kNewLine + lines;
}

// The roster's names are indexed once, at the first loss, and the index follows each new
// pilot's name.
void ReplaceLostPilots(TMainForm& form) {
  std::optional<RosterNameIndex> names;
  for (int slot = 0; slot < kPilotSlots; ++slot) {
    PilotEntry& pilot = form.PilotRoster[RosterIndex(0, slot)];
    if (pilot.RosterMarker != "d") continue;
    const std::string lost_name = pilot.RosterName;
    const int rank = StrToIntDef(Trim(pilot.RosterRank), 0);
    pilot.RosterRank = IntToStr(rank > 0 ? rank - 1 : 0);
    NewPilotStats(form, 0, slot);
    if (names) {
      names->Rename(lost_name, pilot.RosterName);
    } else {
      names.emplace(form);
    }
    PilotNameCheck(form, 0, slot, *names);
    const std::string& name = pilot.RosterName;
    if (!Contains(form.Events.Caption, name)) {
      AppendEvent(form, name, Text(form, MessageSection::kEvents, 14));
    }
    AppendEvent(form, name, "Joined the squadron.");
  }
}

// Pilots who bailed out and were not lost make it back to the squadron.
void ReturnedPilots(TMainForm& form) {
  const std::string bailed =
      " - EVENT: " + form.CampaignDateText + ": " + Text(form, MessageSection::kEvents, 11);
  std::unordered_set<std::string> names;
  for (const std::string& line : SplitTextLines(form.Events.Caption)) {
    if (EndsWith(line, bailed)) names.insert(line.substr(0, line.size() - bailed.size()));
  }
  if (names.empty()) return;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < kPilotSlots; ++slot) {
      const PilotEntry& pilot = form.PilotRoster[RosterIndex(s, slot)];
      if (names.count(pilot.RosterName) == 0 || Contains(form.LossText, pilot.RosterName)) {
        continue;
      }
      RankAwardSetup(form, s);
      form.Debrief.Caption += RankNameOf(form, pilot.RosterRank) + " " + pilot.RosterName +
                              Text(form, MessageSection::kDebrief, 19) + kNewLine;
    }
  }
}

std::string CleanBody(TMainForm& form, std::string body) {
  body = TranslateLocation(form, body, "No");
  int underscores = 0;
  for (char& c : body) {
    if (c != '_') continue;
    if (underscores++ == kUnderscoresToBlanks) break;
    c = ' ';
  }
  body = FixRepeatedly(std::move(body), kCleanUps,
                       [&](const std::string& text) { return RemoveBridgeNo(form, text); });
  if (form.Language == "English") {
    body = FixRepeatedly(std::move(body), kCleanUps, ArticleFix);
    form.Events.Caption = FixRepeatedly(form.Events.Caption, kCleanUps, ArticleFix);
  }
  return body;
}

// Columns are written where they stand now; the moves the pass planned stay in memory.
void SaveColumnsWhereTheyStand(TMainForm& form) {
  if (form.LastColumn < 0 || !FileExists(form.CampaignFolder + "columns.tavrek")) return;
  std::vector<std::string> destinations;
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    destinations.push_back(column.ColumnDestination);
    column.ColumnDestination = column.ColumnPlace;
  }
  WriteColumnList(form);
  for (int c = 0; c <= form.LastColumn; ++c) {
    form.ColumnTable[c].ColumnDestination = destinations[static_cast<size_t>(c)];
  }
}

void SaveCampaignFiles(TMainForm& form) {
  SaveSquadrons(form, 0);
  SavePilot(form, 0);
  LoadPilots(form);
  SavePilot(form, 0);
  SaveColumnsWhereTheyStand(form);
  if (form.InitialStationary >= 0) SaveStationary(form);
  if (form.ResultsPass.CrewChanged) SaveCrew(form);
}

}  // namespace

std::string DebriefingFileText(const TMainForm& form, const std::string& body) {
  std::string text = Text(form, MessageSection::kTitles, 10) + ": " + kNewLine + " " + kNewLine;
  if (body.size() < 3) return text + Text(form, MessageSection::kDebrief, 10);
  return text + Text(form, MessageSection::kDebrief, 11) + kNewLine + body;
}

void ResultsWrapUp(TMainForm& form, const ScoredBlock& block) {
  // The file writes the handlers held back, in the order they asked for them.
  auto pending = std::move(form.ResultsPass.PendingWrites);
  form.ResultsPass.PendingWrites.clear();
  for (const auto& write : pending) write(form);

  if (!form.NewsText.empty()) {
    form.NewsText =
        "\\n" + Text(form, MessageSection::kTitles, 22) + ": " + kNewLine + form.NewsText;
  }
  if (Contains(form.ParamStr(1), "debri")) {
    if (block.begin_seconds && block.end_seconds && form.PlayerLossStatus == 0) {
      form.PlayerLogText +=
          "FLIGHT TIME: " + IntToStr(FlightMinutes(*block.begin_seconds, *block.end_seconds)) +
          " Minutes" + kNewLine;
    }
    if (!form.PlayerLogText.empty()) LogBook(form);
  }
  ReplaceLostPilots(form);
  ReturnedPilots(form);
  if (!form.LossText.empty()) form.LossText = Section(form, 20, form.LossText);
  if (form.PlayerLossStatus != kMissionScrubbed &&
      !(form.Dogfight.Checked && !form.TrackPlayerRanks.Checked)) {
    AwardAwards(form);
    if (!form.PromotionText.empty()) form.PromotionText = Section(form, 21, form.PromotionText);
  }
  const std::string body =
      CleanBody(form, form.Debrief.Caption + form.LossText + form.PromotionText + form.NewsText);
  const std::string debriefing = DebriefingFileText(form, body);
  if (DirectoryExists(form.GameFolder + "DGEN")) {
    WriteTextFile(form.GameFolder + "DGEN\\debrifing.txt", debriefing);
  }
  WriteTextFile(form.CampaignFolder + "debriefing.txt", debriefing);
  ErrorLog(form, "Debriefing Compiled and Saved.");

  WriteEventsLog(form);
  form.Events.Caption.clear();
  SaveCampaignFiles(form);

  form.LogFileDate = block.stamp;
  WriteIni(form);
  ErrorLog(form, "Log Parsed.");
}
