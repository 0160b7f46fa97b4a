#include "mission_results/bail_outs.h"

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/territory_capture.h"
#include "mission_results/air_losses.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "mission_results/player_crew.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_lookup.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

constexpr int kWriteOffDistance = 5000;
constexpr int kUnmeasuredDistance = 999999;

// A name no roster pilot has: crewmen are not roster pilots.
const char* const kCrewman = "Crewman";

}  // namespace

void BailOut(TMainForm& form, const std::string& line, const std::string& mode) {
  const bool pilot_seat = Contains(line, "(0)");
  const std::string& text = form.Messages.Text(MessageSection::kDebrief, 12);
  std::string name;
  if (mode == "AcesDogfight") {
    if (pilot_seat) name = FixPilotName(form, Trim(TextBefore(line, ":")));
  } else if (mode == "Standard") {
    const std::string aircraft_id = Trim(TextBefore(line, "("));
    const int slot = AircraftSlot(aircraft_id);
    const std::vector<int> squadrons = SquadronsNamed(form, AircraftSquadronId(aircraft_id));
    if (squadrons.empty())
      LogEventLineProblem(form, "Bail-out of no aircraft of the campaign", line);
    for (const int s : squadrons) {
      if (pilot_seat && slot >= 0) {
        name = FixPilotName(form, form.PilotRoster[RosterIndex(s, slot)].RosterName);
      }
      if (!pilot_seat) {
        for (const int k : PlayerCrewAtSeat(form, aircraft_id, line)) {
          const CrewPositionTableType& crew = form.CrewPositionTable;
          form.Debrief.Caption += crew.CrewPositionName[static_cast<size_t>(k)] + " " +
                                  crew.CrewMemberName[static_cast<size_t>(k)] + " " + text +
                                  std::string(kCrLf);
        }
        name = kCrewman;
      }
    }
    if (form.Coop.Checked && !pilot_seat) {
      for (const int g : CoopCrewmenAtSeat(form, line)) {
        form.Debrief.Caption += form.GunnerTable[g].GunnerName + " " + text + std::string(kCrLf);
      }
    }
  }
  if (name.empty() || name == kCrewman) return;

  const std::vector<RosterSlot> slots = RosterSlotsNamed(form, name);
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    const std::string& event_text = form.Messages.Text(MessageSection::kEvents, 11);
    if (PostInfo(form, it->squadron, it->slot)) {
      AppendDebrief(form, it->squadron,
                    form.PilotRoster[RosterIndex(it->squadron, it->slot)].RosterRank, name, text);
      AppendEvent(form, name, event_text);
    }
    if (name == form.PlayerName) AppendPlayerLog(form, event_text);
  }
}

void GliderLanding(TMainForm& form, const std::string& line) {
  const std::string aircraft_id = Trim(TextBefore(line, "("));
  for (const int s : SquadronsNamed(form, AircraftSquadronId(aircraft_id))) {
    if (form.SquadronTable[s].SquadronRole == "3") ParatroopCapture(form, line, "Glider");
  }
}

void StandardDamaged(TMainForm& form, const std::string& line) {
  const std::string aircraft_id = ActorOf(line);
  const int slot = AircraftSlot(aircraft_id);
  const std::vector<int> squadrons = SquadronsNamed(form, AircraftSquadronId(aircraft_id));
  if (squadrons.empty() || slot < 0) {
    LogEventLineProblem(form, "Damage to no aircraft of the campaign", line);
    return;
  }
  // An aircraft already lost in this mission (shot down, crashed or written off) stays lost once.
  if (form.ResultsPass.LostAircraft.count(aircraft_id) != 0) return;
  const std::string position = Trim(TextAfter(line, " at "));
  ReadWholeMetres(position);  // a damage line without a position cannot be placed: skipped
  bool written_off = false;
  for (const int s : squadrons) {
    const std::string name = FixPilotName(form, form.PilotRoster[RosterIndex(s, slot)].RosterName);
    if (RecordDamaged(form, name, position)) written_off = true;
  }
  if (written_off) form.ResultsPass.LostAircraft.insert(aircraft_id);
}

bool RecordDamaged(TMainForm& form, const std::string& pilot_name, const std::string& position) {
  bool written_off = false;
  const std::vector<RosterSlot> slots = RosterSlotsNamed(form, pilot_name);
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    SquadronEntry& squadron = form.SquadronTable[it->squadron];
    int distance = kUnmeasuredDistance;
    const std::string base_position = LocationPositionNamed(form, squadron.SquadronHomeBase);
    if (!base_position.empty()) {
      try {
        distance = GetDistance(base_position, position);
      } catch (const ConversionError&) {
        distance = kUnmeasuredDistance;
      }
    }
    if (BaseOffMap(form, squadron.SquadronHomeBase) != "Y" && distance <= kWriteOffDistance) {
      continue;
    }
    StrToInt(Trim(squadron.PlanesFlight));  // read first: a strength that is no number skips
    const std::string& plane = squadron.TypeDescription;
    AppendEvent(
        form, pilot_name,
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kEvents, 21), "<PLANE>", plane));
    form.NewsText +=
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kNews, 29), "<PLANE>", plane) +
        std::string(kCrLf);
    if (pilot_name == form.PlayerName) {
      AppendPlayerLog(form, ReplaceTextProcedure(form.Messages.Text(MessageSection::kEvents, 5),
                                                 "<PLANE>", plane));
    }
    LowerStrength(form, it->squadron);
    written_off = true;
  }
  return written_off;
}
