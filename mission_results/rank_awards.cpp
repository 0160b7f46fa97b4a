#include "mission_results/rank_awards.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/event_log_names.h"
#include "mission_results/roster_text.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::array<const char*, 7> kBuiltInRanks = {
    "Sergeant", "2nd Lieutenant",     "1st Lieutenant", "Captain",
    "Major",    "Lieutenant Colonel", "Colonel"};
constexpr std::array<const char*, 8> kBuiltInAwards = {"Blank",
                                                       "Air Medal",
                                                       "Bronze Star",
                                                       "Distinguished Flying Cross",
                                                       "Legion of Merit",
                                                       "Silver Star",
                                                       "Distinguished Service Cross",
                                                       "Congressional Medal of Honor"};

// A rank file lists at most as many ranks as the table holds.
constexpr int kRankNames = 10;
constexpr int kAwardLines = 8;

void SetBuiltInNames(RankAwardTableType& table) {
  for (int rank = 0; rank < 7; ++rank) table.RankName[rank] = kBuiltInRanks[rank];
  table.RankName[9].clear();
  for (int award = 0; award < 8; ++award) table.AwardName[award] = kBuiltInAwards[award];
  table.AwardName[8].clear();
}

// The nation's property file of the kind ("rank" or "award") in the chosen language, else the
// plain one; empty when the career folder has neither.
std::string CareerFile(const TMainForm& form, const std::string& nation, const std::string& kind) {
  const std::string folder = form.GameFolder + "Missions\\Campaign\\" + nation + "\\";
  std::string suffix;
  if (form.Language == "Russian") suffix = "_ru";
  if (form.Language == "French") suffix = "_fr";
  if (form.Language == "German") suffix = "_de";
  for (const std::string& name : {kind + suffix + ".properties", kind + ".properties"}) {
    if (FileExists(folder + name)) return folder + name;
  }
  return std::string();
}

void ReportMissingFile(TMainForm& form, const std::string& nation, const std::string& kind) {
  if (!form.MissingCareerFilesReported.insert(nation + " " + kind).second) return;
  ErrorLog(form, "No " + kind + ".properties in the game's Missions\\Campaign\\" + nation +
                     "\\ folder: the built-in " + kind + " names are used for this nation.");
}

// The name a line of a property file gives: what follows its code and separator.
std::string NameOfLine(std::string_view line) {
  return Trim(Copy(line, 3, 99));
}

void ReadRankFile(TMainForm& form, const std::string& path) {
  RankAwardTableType& table = form.RankAwardTable;
  int rank = 0;
  // Every squadron of a nation reads the same two files: within an operation they are read once.
  const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(path);
  for (const std::string_view line : *lines) {
    if (TrimView(line).empty()) continue;
    if (rank == kRankNames) {
      ErrorLog(form, path + " lists more than " + IntToStr(kRankNames) +
                         " ranks; the further lines are left out.");
      break;
    }
    table.RankName[rank++] = NameOfLine(line);
  }
  table.RankName[7] = "x";
  for (int index = 0; index <= 7; ++index) {
    try {
      table.RankName[index] = ConvertUnicode(form, table.RankName[index]);
    } catch (const ConversionError& error) {
      ErrorLog(form, path + ": the rank name \"" + table.RankName[index] +
                         "\" holds a broken escape and is shown as written (" + error.what() + ")");
    }
  }
}

void ReadAwardFile(TMainForm& form, const std::string& path) {
  const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(path);
  for (int award = 1; award <= kAwardLines && award <= static_cast<int>(lines->size()); ++award) {
    form.RankAwardTable.AwardName[award] = NameOfLine((*lines)[award - 1]);
  }
}

struct MedalStep {
  bool ground_kills;  // the count that earns it: ground kills, else air victories
  int above;
  char from;
  bool needs_name;  // given only when the award file names it
};

// In this order; each step sees the medal count the steps before it left.
constexpr std::array<MedalStep, 14> kMedalSteps{{
    {false, 2, '0', false},
    {true, 29, '0', false},
    {false, 4, '1', false},
    {true, 49, '1', false},
    {false, 9, '2', false},
    {true, 99, '2', false},
    {false, 24, '3', false},
    {true, 249, '3', false},
    {false, 49, '4', false},
    {true, 499, '4', false},
    {false, 79, '5', false},
    {true, 749, '5', false},
    {false, 99, '6', true},
    {false, 124, '7', true},
}};

// A line for the debriefing and one for the pilot's events.
void PostCareerEvent(TMainForm& form, const PilotEntry& pilot, int debrief_line, int event_line,
                     const std::string& placeholder, const std::string& value) {
  const MessageTable& messages = form.Messages;
  form.PromotionText += pilot.RosterName + " " +
                        ReplaceTextProcedure(messages.Text(MessageSection::kDebrief, debrief_line),
                                             placeholder, value) +
                        "\r\n";
  form.Events.Caption +=
      pilot.RosterName + " - EVENT: " + form.CampaignDateText + ": " +
      ReplaceTextProcedure(messages.Text(MessageSection::kEvents, event_line), placeholder, value) +
      "\r\n";
}

int CountOrZero(TMainForm& form, const PilotEntry& pilot, const std::string& count,
                const char* what) {
  if (Trim(count).empty()) return 0;
  const int value = StrToIntDef(Trim(count), -1);
  if (value >= 0) return value;
  ErrorLog(form, "Pilot " + pilot.RosterName + ": the " + what + " \"" + count +
                     "\" is no number and counts as 0.");
  return 0;
}

void Promote(TMainForm& form, int squadron, int slot, PilotEntry& pilot) {
  const int rank = CountOrZero(form, pilot, pilot.RosterRank, "rank code");
  const int sorties = CountOrZero(form, pilot, pilot.RosterSorties, "sortie count");
  // The top rank and the untracked rank of human pilots ("9") are never promoted.
  if (rank >= 6 || sorties <= 5 * (rank * (rank + 1) + 1)) return;
  pilot.RosterRank = IntToStr(rank + 1);
  // The player's rank as the next roster load seats him follows his promotion.
  if (squadron == 0 && pilot.RosterName == form.PlayerName && !form.Coop.Checked &&
      !form.Dogfight.Checked) {
    form.PlayerRankIndex = rank + 1;
  }
  if (PostInfo(form, squadron, slot)) {
    PostCareerEvent(form, pilot, 8, 8, "<RANK>", form.RankAwardTable.RankName[rank + 1]);
  }
}

void Decorate(TMainForm& form, int squadron, int slot, PilotEntry& pilot) {
  const int victories = CountOrZero(form, pilot, pilot.RosterKills, "victory count");
  const int ground_kills = CountOrZero(form, pilot, pilot.RosterGroundKills, "ground-kill count");
  for (const MedalStep& step : kMedalSteps) {
    const int count = step.ground_kills ? ground_kills : victories;
    if (count <= step.above || pilot.RosterMedalCount != std::string(1, step.from)) continue;
    const int medal = step.from - '0' + 1;
    const std::string& award = form.RankAwardTable.AwardName[medal];
    if (step.needs_name && Trim(award).empty()) continue;
    pilot.RosterMedalCount = IntToStr(medal);
    if (PostInfo(form, squadron, slot)) PostCareerEvent(form, pilot, 9, 9, "<AWARD>", award);
  }
}

}  // namespace

void RankAwardSetup(TMainForm& form, int squadron) {
  SetBuiltInNames(form.RankAwardTable);
  const std::string nation = AsciiUpperCase(form.SquadronTable[squadron].SquadronNation);
  if (nation.empty()) return;
  const std::string rank_file = CareerFile(form, nation, "rank");
  if (rank_file.empty()) {
    ReportMissingFile(form, nation, "rank");
  } else {
    ReadRankFile(form, rank_file);
  }
  const std::string award_file = CareerFile(form, nation, "award");
  if (award_file.empty()) {
    ReportMissingFile(form, nation, "award");
  } else {
    ReadAwardFile(form, award_file);
  }
}

bool PostInfo(TMainForm& form, int squadron, int slot) {
  const bool online = form.Coop.Checked || form.Dogfight.Checked;
  if (squadron == 0 && !online) return true;
  return online && form.TrackPlayerRanks.Checked &&
         form.PilotRoster[RosterIndex(squadron, slot)].RosterMarker == "^";
}

void AwardAwards(TMainForm& form) {
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    RankAwardSetup(form, squadron);
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
      Promote(form, squadron, slot, pilot);
      Decorate(form, squadron, slot, pilot);
    }
  }
}
