#include "mission_results/career_roster.h"

#include <algorithm>
#include <limits>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_setup/nose_art.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

const std::string kLineEnd(kCrLf);
constexpr int kWholeText = std::numeric_limits<int>::max();

// A message text found in a line; an empty message text is found nowhere.
bool HoldsMessage(const std::string& line, const std::string& message) {
  return !message.empty() && Contains(line, message);
}

std::vector<std::string> ReadEvents(const TMainForm& form) {
  const std::string path = form.CampaignFolder + "events.dat";
  return FileExists(path) ? ReadTextLines(path) : std::vector<std::string>();
}

// The number of pilots of the squadron that squadron.dat lists: its maximum strength, an empty
// one taken as 16 and stored so, at most the squadron's 16 slots.
int ListedPilots(TMainForm& form, int squadron) {
  std::string& planes_max = form.SquadronTable[squadron].PlanesMax;
  if (planes_max.empty()) planes_max = "16";
  const int count = StrToIntDef(Trim(planes_max), -1);
  if (count < 0) {
    ErrorLog(form, form.SquadronTable[squadron].SquadronName + ": the maximum strength \"" +
                       planes_max + "\" is no number; squadron.dat lists all 16 pilots.");
    return 16;
  }
  return std::min(count, 16);
}

// A successor who reported for duty on the previous campaign day, told in the first briefing
// of the day.
void AddSuccessorNews(TMainForm& form, int squadron, const PilotEntry& pilot,
                      const std::string& event_line) {
  const MessageTable& messages = form.Messages;
  if (!HoldsMessage(event_line, messages.Text(MessageSection::kEvents, 14)) ||
      form.MissionTime != "0" || form.NewCampaignFlag == "Y" ||
      !HoldsMessage(event_line, form.PreviousDateText)) {
    return;
  }
  RankAwardSetup(form, squadron);
  const int rank = StrToIntDef(Trim(pilot.RosterRank), -1);
  const std::string rank_name =
      rank >= 0 && rank < 10 ? form.RankAwardTable.RankName[rank] : std::string();
  std::string news = ReplaceTextProcedure(messages.Text(MessageSection::kNews, 28), "<PILOT>",
                                          rank_name + " " + pilot.RosterName);
  news = ReplaceTextProcedure(news, "<SQUAD>", form.SquadronTable[squadron].SquadronFullName);
  form.BriefingNewsText += " " + news + " ";
}

std::string CareerBlock(TMainForm& form, int squadron, const PilotEntry& pilot,
                        const std::vector<std::string>& events) {
  std::string block = CareerRecordFields(pilot);
  for (const std::string& line : events) {
    if (!IsEventOfPilot(line, pilot.RosterName)) continue;
    AddSuccessorNews(form, squadron, pilot, line);
    if (!IsLossEvent(form, line)) block += EventText(line, kWholeText) + kLineEnd;
  }
  return block + CareerRecordEnd();
}

// Room for the sections of skins or nose art of every squadron, so that the text is rarely
// moved as it grows.
size_t SectionsEstimate(const TMainForm& form) {
  constexpr size_t kUsualLineLength = 24;
  return static_cast<size_t>(form.LastSquadron + 1) * 17 * kUsualLineLength;
}

}  // namespace

std::string CareerRecordFields(const PilotEntry& pilot) {
  const int sorties = std::max(StrToIntDef(Trim(pilot.RosterSorties), 0), 0);
  return "FIRST NAME: " + FirstNameOf(pilot.RosterName) + kLineEnd +
         "LAST NAME: " + LastNameOf(pilot.RosterName) + kLineEnd +
         "DATE OF BIRTH: " + pilot.RosterBirthDate + kLineEnd +
         "PLACE OF BIRTH: " + pilot.RosterHomeTown + kLineEnd + "PHOTO: " + pilot.RosterPhoto +
         kLineEnd + "RANK: " + pilot.RosterRank + kLineEnd + "SORTIES: " + IntToStr(sorties) +
         kLineEnd + "KILLS: " + pilot.RosterKills + kLineEnd +
         "GROUND: " + pilot.RosterGroundKills + kLineEnd + "NMEDALS: " + pilot.RosterMedalCount +
         kLineEnd + "MEDALS: " + MedalList(pilot.RosterMedalCount) + kLineEnd;
}

std::string CareerRecordEnd() {
  return std::string(34, '-') + kLineEnd;
}

bool IsEventOfPilot(const std::string& event_line, const std::string& pilot_name) {
  const int dash = Pos("-", event_line);
  const std::string pilot_part = Trim(dash == 0 ? event_line : Copy(event_line, 1, dash - 1));
  return pilot_part == Trim(pilot_name);
}

std::string EventText(const std::string& event_line, int limit) {
  const int dash = Pos("-", event_line);
  return Trim(Copy(event_line, dash + 1, limit));
}

bool IsLossEvent(const TMainForm& form, const std::string& event_line) {
  return HoldsMessage(event_line, form.Messages.Text(MessageSection::kEvents, 6)) ||
         HoldsMessage(event_line, form.Messages.Text(MessageSection::kEvents, 7));
}

void WriteCareerRoster(TMainForm& form) {
  const std::vector<std::string> events = ReadEvents(form);
  const bool online = form.Coop.Checked || form.Dogfight.Checked;
  const int last_squadron = online ? form.LastSquadron : std::min(form.LastSquadron, 0);
  std::string text;
  for (int squadron = 0; squadron <= last_squadron; ++squadron) {
    int pilots = ListedPilots(form, squadron);
    if (online) pilots = 16;
    for (int slot = 0; slot < pilots; ++slot) {
      const PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
      const std::string block = CareerBlock(form, squadron, pilot, events);
      // Off-line the player's record comes first; on-line only human pilots are listed, the
      // last one found first.
      if (online) {
        if (pilot.RosterMarker == "^") text.insert(0, block);
      } else if (pilot.RosterName == form.PlayerName) {
        text.insert(0, block);
      } else {
        text += block;
      }
    }
  }
  WriteTextFile(form.CampaignFolder + "squadron.dat", text);
}

PaintAndNoseArtFiles::PaintAndNoseArtFiles(const TMainForm& form) {
  paints_.reserve(SectionsEstimate(form));
  nose_art_.reserve(SectionsEstimate(form));
}

void PaintAndNoseArtFiles::BeginSquadron(const std::string& name) {
  for (std::string* text : {&paints_, &nose_art_}) {
    text->append("[").append(name).append("]").append(kLineEnd);
  }
}

void PaintAndNoseArtFiles::AddPilot(const PilotEntry& pilot) {
  paints_.append("  ").append(pilot.RosterSkin).append(kLineEnd);
  nose_art_.append("  ").append(TrimView(pilot.RosterNoseArt)).append(kLineEnd);
}

void PaintAndNoseArtFiles::Write(const TMainForm& form) const {
  WriteTextFile(form.CampaignFolder + "paints.tavrek", paints_);
  WriteTextFile(form.CampaignFolder + "noseart.tavrek", nose_art_);
}
