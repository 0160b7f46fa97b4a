#include "mission_results/event_text.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_names.h"
#include "campaign_data/text.h"
#include "mission_results/rank_awards.h"
#include "platform/text_file.h"

namespace {

// Problems logged one by one before the rest are only counted.
constexpr int kProblemsLoggedSingly = 25;

bool IsFlightDigit(char c) {
  return c >= '0' && c <= '3';
}

}  // namespace

std::string TextBefore(std::string_view text, std::string_view mark) {
  const size_t at = text.find(mark);
  return at == std::string_view::npos ? std::string() : std::string(text.substr(0, at));
}

std::string TextAfter(std::string_view text, std::string_view mark) {
  const size_t at = text.find(mark);
  return at == std::string_view::npos ? std::string() : std::string(text.substr(at + mark.size()));
}

std::string CutBefore(std::string_view text, std::string_view mark) {
  return std::string(text.substr(0, text.find(mark)));
}

std::string ActorOf(std::string_view line) {
  return Trim(TextBefore(line, " "));
}

std::string EventPosition(std::string_view line) {
  return Trim(Copy(TextAfter(line, " at "), 1, 99));
}

int AircraftSlot(std::string_view aircraft_id) {
  if (aircraft_id.size() < 2) return -1;
  const char flight = aircraft_id[aircraft_id.size() - 2];
  const char aircraft = aircraft_id[aircraft_id.size() - 1];
  if (!IsFlightDigit(flight) || !IsFlightDigit(aircraft)) return -1;
  return 4 * (flight - '0') + (aircraft - '0');
}

std::string AircraftSquadronId(std::string_view aircraft_id) {
  if (aircraft_id.size() <= 2) return std::string();
  return std::string(aircraft_id.substr(0, aircraft_id.size() - 2));
}

int SeatNumber(std::string_view line) {
  const size_t open = line.find('(');
  if (open == std::string_view::npos) return -1;
  const size_t close = line.find(')', open);
  if (close == std::string_view::npos || close == open + 1 || close - open > 6) return -1;
  int number = 0;
  for (size_t i = open + 1; i < close; ++i) {
    if (line[i] < '0' || line[i] > '9') return -1;
    number = number * 10 + (line[i] - '0');
  }
  return number;
}

std::string NextCount(const std::string& counter) {
  const long long next = static_cast<long long>(StrToInt(Trim(counter))) + 1001;
  return Copy(IntToStr(next), 2, 3);
}

std::string CountOrdinal(const TMainForm& form, const std::string& counter) {
  const std::string number = IntToStr(StrToInt(Trim(counter)));
  return number + GetNumEnd(form, number);
}

std::string RankNameOf(const TMainForm& form, const std::string& rank_code) {
  const int rank = StrToInt(Trim(rank_code));
  const auto& names = form.RankAwardTable.RankName;
  if (rank < 0 || rank >= static_cast<int>(names.size())) return std::string();
  return names[static_cast<size_t>(rank)];
}

std::string EventLine(const TMainForm& form, const std::string& name, const std::string& text) {
  return name + " - EVENT: " + form.CampaignDateText + ": " + text + std::string(kCrLf);
}

void AppendEvent(TMainForm& form, const std::string& name, const std::string& text) {
  form.Events.Caption += EventLine(form, name, text);
}

void AppendDebrief(TMainForm& form, int squadron, const std::string& rank_code,
                   const std::string& name, const std::string& text) {
  RankAwardSetup(form, squadron);
  form.Debrief.Caption +=
      RankNameOf(form, rank_code) + " " + name + " " + text + std::string(kCrLf);
}

void AppendPlayerLog(TMainForm& form, const std::string& text) {
  form.PlayerLogText += "EVENT: " + text + std::string(kCrLf);
}

void LogEventLineProblem(TMainForm& form, const std::string& problem, std::string_view line) {
  int& count = form.ResultsPass.ProblemLines;
  if (count++ < kProblemsLoggedSingly) {
    ErrorLog(form, problem + ": " + std::string(line.substr(0, 200)));
  }
}

void ReportSkippedEventLines(TMainForm& form) {
  const int further = form.ResultsPass.ProblemLines - kProblemsLoggedSingly;
  if (further > 0) {
    ErrorLog(form, IntToStr(further) +
                       " further event-log lines were skipped or named nothing of the campaign.");
  }
}
