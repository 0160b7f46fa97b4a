#include "mission_results/event_log.h"

#include <optional>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/game_campaign_folder.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/text.h"
#include "mission_results/bridges.h"
#include "mission_results/event_dispatch.h"
#include "mission_results/event_log_block.h"
#include "mission_results/event_text.h"
#include "mission_results/human_gunners.h"
#include "mission_results/player_name.h"
#include "mission_results/rank_awards.h"
#include "mission_results/results_file_guard.h"
#include "mission_results/results_wrap_up.h"
#include "mission_results/roster_lookup.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kPilotSlots = 16;
constexpr int kMissionScrubbed = 999;

// A path as the campaign check compares it: lower case, "\" between the parts.
std::string ComparablePath(std::string_view path) {
  std::string text = AsciiLowerCase(path);
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  return text;
}

void ResetPass(TMainForm& form) {
  form.PlayerAircraftId.clear();
  form.NewsText.clear();
  form.Debrief.Caption.clear();
  form.Events.Caption.clear();
  form.LossText.clear();
  form.PromotionText.clear();
  form.PlayerLossStatus = 0;
  form.ResultsPass = ResultsPassState{};
}

// Squadrons short of aircraft fly their type's downgrade.
void DowngradeShortSquadrons(TMainForm& form) {
  if (!form.AircraftDowngrades.Checked) return;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    const int planes = StrToIntDef(Trim(squadron.PlanesFlight), -1);
    const int most = StrToIntDef(Trim(squadron.PlanesMax), -1);
    const std::string downgrade = Trim(squadron.TypeDowngrade);
    if (planes < 0 || most < 0 || downgrade.empty() || downgrade == "none") continue;
    if (planes >= squadron.PlanesExtra * form.FlightsPerSquadron || planes >= most) continue;
    squadron.SquadronClass = "Class air." + squadron.TypeDowngrade;
    GetSquadronInfo(form, s);
  }
}

void ClearSeats(TMainForm& form) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < kPilotSlots; ++slot) {
      form.PilotRoster[RosterIndex(s, slot)].RosterSeat = "0";
    }
  }
}

// The event log's lines, read from the copy the pass keeps in the campaign folder.
std::optional<std::vector<std::string>> ReadEventLog(TMainForm& form) {
  std::string event_log = form.GameFolder + form.LogFileName;
  if (form.LogFileName.empty() || !FileExists(event_log)) {
    FindLogFileName(form);
    event_log = form.GameFolder + form.LogFileName;
  }
  if (form.LogFileName.empty() || form.LogFileName == "None" || !FileExists(event_log)) {
    ErrorLog(form, "No event log found (" + event_log + "): no mission is scored.");
    return std::nullopt;
  }
  const std::string copy = form.CampaignFolder + "log.tavrek";
  if (CopyFile(event_log, copy, false)) {
    ErrorLog(form, "Copying Eventlog to log.tavrek.");
    return ReadTextLines(copy);
  }
  ErrorLog(form, "The event log could not be copied to log.tavrek; it is read where it is.");
  return ReadTextLines(event_log);
}

// Whether the block's mission belongs to this campaign; a block refused is marked as read.
bool AcceptBlock(TMainForm& form, const std::string& start_line, const std::string& stamp) {
  std::string folder = ComparablePath(form.GameCampaignFolder);
  const std::string missions = ComparablePath(form.GameFolder) + "missions\\";
  const size_t at = folder.find(missions);
  if (at != std::string::npos) folder.erase(at, missions.size());
  ErrorLog(form, "Mission Path = " + folder);
  const std::string path = ComparablePath(TextAfter(start_line, "Mission: "));
  if (folder.empty() || !Contains(path, folder)) {
    form.LogFileDate = stamp;
    ErrorLog(form, "Mission log is not for active campaign: " + start_line);
    return false;
  }
  if (form.NewCampaignFlag == "Y") {
    form.LogFileDate = stamp;
    ErrorLog(form, "Mission log is not parsed as new campaign: " + start_line);
    return false;
  }
  return true;
}

void ScrubMission(TMainForm& form) {
  form.Events.Caption += form.PlayerName + " - EVENT: " + form.CampaignDateText + ": " +
                         form.Messages.Text(MessageSection::kEvents, 0) + "\r\n";
  form.Debrief.Caption = "\r\n" + form.Messages.Text(MessageSection::kDebrief, 0);
  form.PlayerLossStatus = kMissionScrubbed;
  ErrorLog(form, "Player was killed and mission scrubbed.");
}

// The player's aircraft and a scrubbed mission, from the block's lines.
void FindPlayer(TMainForm& form, const std::vector<std::string>& lines, size_t first) {
  const bool offline = !form.Coop.Checked && !form.Dogfight.Checked;
  for (size_t i = first; i < lines.size(); ++i) {
    const std::string line = PrepareEventLine(lines[i]);
    if (offline && Contains(line, "(0) seat occupied by Player at")) {
      form.PlayerAircraftId = Trim(TextBefore(line, "(0)"));
      ErrorLog(form, "Player seat = " + form.PlayerAircraftId);
    }
    if (!offline || form.Death.Checked || form.PlayerAircraftId.empty()) continue;
    if (Trim(TextBefore(line, "(")) != form.PlayerAircraftId) continue;
    if (Contains(line, "(0) was killed") || Contains(line, "(0) was captured")) {
      ScrubMission(form);
      return;
    }
  }
}

// Each mission counted for the player's bomber crew.
void CountCrewMissions(TMainForm& form) {
  CrewPositionTableType& crew = form.CrewPositionTable;
  if (!FileExists(form.GameCampaignFolder + "crew.tavrek") || crew.CrewSeatLabel[1].empty() ||
      !form.AutoGeneration.Checked || !form.DGENBoot.Checked) {
    return;
  }
  for (size_t label = 1; label < kCrewPositions; ++label) {
    for (size_t k = 1; k < kCrewPositions; ++k) {
      if (crew.CrewPositionName[k] != crew.CrewSeatLabel[label]) continue;
      std::string& missions = crew.CrewMemberMissions[k];
      missions = StrToIntDef(Trim(missions), -1) < 0 ? "000" : NextCount(missions);
    }
  }
  form.ResultsPass.CrewChanged = true;
}

struct ReadingPasses {
  std::string mode = "Standard";
  std::optional<int> begin_seconds;
  std::optional<int> end_seconds;
};

std::optional<int> StampOf(TMainForm& form, const std::string& line) {
  const std::optional<int> seconds = StampSeconds(line);
  if (!seconds) LogEventLineProblem(form, "Mission stamp without a time", line);
  return seconds;
}

void SeatsAndVictoriesPass(TMainForm& form, const std::vector<std::string>& lines, size_t first,
                           ReadingPasses& reading) {
  ErrorLog(form, "Check for Game Mode.");
  const ReaderModeInputs inputs{form.GameID, form.GameIncludesAEP, form.ParamStr(1)};
  const std::string& stamp = lines[first];
  for (size_t i = first; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    reading.mode = SeatPassReaderMode(reading.mode, line, inputs);
    if (reading.mode == "AcesDogfight" && Contains(inputs.first_parameter, "netupdate") &&
        (form.Coop.Checked || !form.Dogfight.Checked)) {
      form.Coop.Checked = false;
      form.Dogfight.Checked = true;
      ErrorLog(form, "On-line update of a dogfight: the campaign is read in the dogfight mode.");
    }
    if (IsMissionEnd(line)) {
      if (const auto seconds = StampOf(form, line)) reading.end_seconds = seconds;
      continue;
    }
    if (IsMissionBegin(line)) {
      if (const auto seconds = StampOf(form, line)) reading.begin_seconds = seconds;
      ErrorLog(form, "Log reader mode selected is " + reading.mode + ".");
      ErrorLog(form, "The Log date is " + DateStamp(stamp) + ".");
      CountCrewMissions(form);
      continue;
    }
    DispatchEventLine(form, 3, PrepareEventLine(line), reading.mode);
  }
}

void LossPass(TMainForm& form, int pass, const std::vector<std::string>& lines, size_t first,
              ReadingPasses& reading) {
  const ReaderModeInputs inputs{form.GameID, form.GameIncludesAEP, form.ParamStr(1)};
  for (size_t i = first; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    reading.mode = LossPassReaderMode(reading.mode, line, inputs);
    if (IsMissionEnd(line) || IsMissionBegin(line)) continue;
    DispatchEventLine(form, pass, PrepareEventLine(line), reading.mode);
  }
}

// Scores the last mission block of the event log when it is the campaign's and new.
void ScoreEventLog(TMainForm& form) {
  DowngradeShortSquadrons(form);
  ClearSeats(form);
  if (form.Coop.Checked) LoadGunner(form);

  const std::optional<std::vector<std::string>> lines = ReadEventLog(form);
  if (!lines) return;
  const MissionBlock block = FindLastMissionBlock(*lines);
  if (!block.found) {
    ErrorLog(form, "The event log holds no mission: no mission is scored.");
    return;
  }
  if (block.stamp == form.LogFileDate) {
    ErrorLog(form, "The last mission of the event log is scored already: " + block.stamp);
    return;
  }
  if (!AcceptBlock(form, (*lines)[block.first_line], block.stamp)) {
    WriteIni(form);
    return;
  }
  FindPlayer(form, *lines, block.first_line);

  ReadingPasses reading;
  if (form.PlayerLossStatus != kMissionScrubbed) {
    BuildResultsIndexes(form);
    SeatsAndVictoriesPass(form, *lines, block.first_line, reading);
    LossPass(form, 4, *lines, block.first_line, reading);
    LossPass(form, 5, *lines, block.first_line, reading);
    ClearResultsIndexes(form);
  }
  ReportSkippedEventLines(form);
  ResultsWrapUp(form, ScoredBlock{block.stamp, reading.begin_seconds, reading.end_seconds});
}

// The tables are read from the files again by the next operation that needs them.
void ForgetTables(TMainForm& form) {
  form.LastSquadron = -1;
  form.LastStationary = -1;
  form.LastLocation = -1;
  form.LastColumn = -1;
}

}  // namespace

void MasterLog(TMainForm& form) {
  ErrorLog(form, "Master Log routine begins.");
  if (form.CampaignFolder.empty()) {
    ErrorLog(form, "No campaign is selected: no mission is scored.");
    return;
  }
  PlayerNameCheck(form);
  RankAwardSetup(form, 0);
  ResetPass(form);
  if (form.GameCampaignFolder.empty()) DetermineCampFolder(form);
  if (form.GameCampaignFolder.empty()) ErrorTrap(form, "Error: Campaign is not found.");

  const std::string scored_before = form.LogFileDate;
  const bool coop = form.Coop.Checked;
  const bool dogfight = form.Dogfight.Checked;
  const ResultsFileGuard guard(
      {form.CampaignFolder, form.GameCampaignFolder},
      {form.ProgramFolder + "tavrek.ini",
       form.GameFolder.empty() ? "" : form.GameFolder + "tavrek.ini",
       form.GameFolder.empty() ? "" : form.GameFolder + "DGEN\\debrifing.txt"},
      {form.CampaignFolder + "log.tavrek"});
  try {
    ScoreEventLog(form);
    if (form.Coop.Checked) SaveGunner(form);
  } catch (...) {
    ClearResultsIndexes(form);
    form.ResultsPass.PendingWrites.clear();
    for (const std::string& path : guard.Restore()) {
      ErrorLog(form, "Could not restore " + path + " after the failed results pass.");
    }
    form.LogFileDate = scored_before;
    form.Coop.Checked = coop;
    form.Dogfight.Checked = dogfight;
    ForgetTables(form);
    ErrorLog(form,
             "The results pass failed; the campaign files are as they were and the mission will be "
             "scored by the next pass.");
    throw;
  }
  ErrorLog(form, "Master Log routine ended.");
  BridgeList(form);
}
