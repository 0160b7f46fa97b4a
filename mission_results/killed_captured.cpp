#include "mission_results/killed_captured.h"

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "mission_results/log_book.h"
#include "mission_results/name_lists.h"
#include "mission_results/pilot_archive.h"
#include "mission_results/player_crew.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_lookup.h"
#include "mission_results/squadron_country.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

const char* const kCrewman = "Crewman";
constexpr int kScratchSlot = 16;

struct LossTexts {
  int debrief_line;
  int event_line;
};
constexpr LossTexts kKilled{6, 6};
constexpr LossTexts kCaptured{7, 7};

// The player's career papers start anew: the log book keeps only its mission headers, the
// events and the archive go, and the documents are written again.
void StartCareerPapersAnew(TMainForm& form) {
  const std::string log_book = form.GameCampaignFolder + "logbook.dat";
  if (FileExists(log_book)) {
    std::string kept;
    for (const std::string& line : ReadTextLines(log_book)) {
      if (Contains(line, "DATE:") || Contains(line, "PLANE:") || Contains(line, "MISSION:")) {
        kept += line + std::string(kCrLf);
      }
    }
    WriteTextFile(log_book, kept);
  }
  DeleteFile(form.CampaignFolder + "events.dat");
  DeleteFile(form.GameCampaignFolder + "archive.dat");
  LogBook(form);
}

void ReplaceLostCrewmen(TMainForm& form, const std::string& aircraft_id, const std::string& line,
                        const LossTexts& texts) {
  CrewPositionTableType& crew = form.CrewPositionTable;
  for (const int k : PlayerCrewAtSeat(form, aircraft_id, line)) {
    const size_t entry = static_cast<size_t>(k);
    form.Debrief.Caption += crew.CrewPositionName[entry] + " " + crew.CrewMemberName[entry] + " " +
                            form.Messages.Text(MessageSection::kDebrief, texts.debrief_line) +
                            std::string(kCrLf);
    PilotName(form, 0, kScratchSlot);
    crew.CrewMemberName[entry] = form.PilotRoster[RosterIndex(0, kScratchSlot)].RosterName;
    crew.CrewMemberMissions[entry] = "000";
    form.ResultsPass.CrewChanged = true;
  }
}

void RecordLostPilot(TMainForm& form, const RosterSlot& at, const LossTexts& texts) {
  PilotEntry& pilot = form.PilotRoster[RosterIndex(at.squadron, at.slot)];
  const bool posted = PostInfo(form, at.squadron, at.slot);
  // Read before anything is written: a count or rank that is no number skips the line whole.
  const int kills = StrToInt(Trim(pilot.RosterKills));
  StrToInt(Trim(pilot.RosterRank));
  std::string event_text;
  if (posted) {
    RankAwardSetup(form, at.squadron);
    form.LossText += RankNameOf(form, pilot.RosterRank) + " " + pilot.RosterName + " " +
                     form.Messages.Text(MessageSection::kDebrief, texts.debrief_line) +
                     std::string(kCrLf);
    event_text = "EVENT: " + form.CampaignDateText + ": " +
                 form.Messages.Text(MessageSection::kEvents, texts.event_line) + std::string(kCrLf);
    form.Events.Caption += pilot.RosterName + " - " + event_text;
  }
  if (kills > 4 && !posted) {
    RankAwardSetup(form, at.squadron);
    std::string news =
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kNews, 22), "<COUNTRY>",
                             SquadronCountry(form, form.SquadronTable[at.squadron].SquadronName));
    news = ReplaceTextProcedure(news, "<PILOT>",
                                RankNameOf(form, pilot.RosterRank) + " " + pilot.RosterName);
    news = ReplaceTextProcedure(news, "<NUMBER>", IntToStr(kills));
    form.NewsText += news + std::string(kCrLf);
  }
  if (at.squadron == 0) {
    const int slot = at.slot;
    form.ResultsPass.PendingWrites.push_back(
        [slot, event_text](TMainForm& f) { ArchivePilot(f, RosterIndex(0, slot), event_text); });
  }
  pilot.RosterMarker = "d";
}

}  // namespace

void RecordMIA(TMainForm& form, const std::string& line, const std::string& mode) {
  const bool killed = Contains(line, "was killed");
  const LossTexts& texts = killed ? kKilled : kCaptured;
  const bool pilot_seat = Contains(line, "(0)");
  std::string name;
  if (mode == "AcesDogfight") {
    if (pilot_seat) name = FixPilotName(form, Trim(TextBefore(line, ":")));
  } else {
    const std::string aircraft_id = Trim(TextBefore(line, "("));
    const int slot = AircraftSlot(aircraft_id);
    const std::vector<int> squadrons = SquadronsNamed(form, AircraftSquadronId(aircraft_id));
    if (squadrons.empty()) LogEventLineProblem(form, "Loss of no airman of the campaign", line);
    for (const int s : squadrons) {
      if (slot >= 0) name = FixPilotName(form, form.PilotRoster[RosterIndex(s, slot)].RosterName);
      if (mode == "Standard" && !pilot_seat) ReplaceLostCrewmen(form, aircraft_id, line, texts);
      if (!pilot_seat) name = kCrewman;
    }
    if (mode == "Standard" && form.Coop.Checked && !pilot_seat && form.Death.Checked) {
      for (const int g : CoopCrewmenAtSeat(form, line)) {
        GunnerEntry& gunner = form.GunnerTable[g];
        form.Debrief.Caption += gunner.GunnerName + " " +
                                form.Messages.Text(MessageSection::kDebrief, texts.debrief_line) +
                                std::string(kCrLf);
        gunner.GunnerSorties = "000";
        gunner.GunnerGroundKills = "000";
        gunner.GunnerKills = "000";
      }
    }
  }
  if (name.empty() || name == kCrewman) return;

  const bool online = form.Coop.Checked || form.Dogfight.Checked;
  const std::vector<RosterSlot> slots = RosterSlotsNamed(form, name);
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    PilotEntry& pilot = form.PilotRoster[RosterIndex(it->squadron, it->slot)];
    if (!form.Death.Checked && pilot.RosterMarker == "^") continue;
    // A pilot is lost once, however many lines report it.
    if (!form.ResultsPass.LostPilots.insert(RosterIndex(it->squadron, it->slot)).second) continue;
    RecordLostPilot(form, *it, texts);
    if (it->squadron == 0 && pilot.RosterName == form.PlayerName && !online) {
      form.PlayerLogText.clear();
      form.PlayerLossStatus = 1;
      form.Events.Caption.clear();
      form.ResultsPass.PendingWrites.push_back(StartCareerPapersAnew);
    }
  }
}
