#include "mission_results/air_losses.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_lookup.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

enum class LossKind { kShotDown, kCrashed };

// The lines of recons.dat: read once per results pass, afresh outside one.
const std::vector<std::string>& ReconLines(TMainForm& form) {
  auto& cached = form.ResultsPass.ReconLines;
  if (form.ResultsPass.Active && cached) return *cached;
  const std::string path = form.CampaignFolder + "recons.dat";
  cached = FileExists(path) ? ReadTextLines(path) : std::vector<std::string>();
  return *cached;
}

void RecordLoss(TMainForm& form, const std::string& name, LossKind kind) {
  if (name.empty()) return;
  const bool shot_down = kind == LossKind::kShotDown;
  const std::vector<RosterSlot> slots = RosterSlotsNamed(form, name);
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    SquadronEntry& squadron = form.SquadronTable[it->squadron];
    const PilotEntry& pilot = form.PilotRoster[RosterIndex(it->squadron, it->slot)];
    const bool keeps_strength = shot_down && squadron.DowngradeFlag == "Y";
    // Read before anything is written: a strength that is no number skips the line whole.
    if (!keeps_strength) StrToInt(Trim(squadron.PlanesFlight));

    const std::string event_text =
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kEvents, shot_down ? 4 : 5),
                             "<PLANE>", squadron.TypeDescription);
    AppendEvent(form, name, event_text);
    if (PostInfo(form, it->squadron, it->slot)) {
      AppendDebrief(form, it->squadron, pilot.RosterRank, name,
                    form.Messages.Text(MessageSection::kDebrief, shot_down ? 4 : 5));
    }
    form.NewsText +=
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kNews, shot_down ? 13 : 14),
                             "<PLANE>", squadron.TypeDescription) +
        std::string(kCrLf);
    if (name == form.PlayerName) AppendPlayerLog(form, event_text);
    if (!keeps_strength) LowerStrength(form, it->squadron);
  }
}

int PlanesOf(const SquadronEntry& squadron) {
  return StrToIntDef(Trim(squadron.PlanesFlight), 0);
}

void SetPlanes(SquadronEntry& squadron, int planes) {
  squadron.PlanesFlight = IntToStr(planes);
  squadron.PlanesAvailable = squadron.PlanesFlight;
}

// The victim of a standard line: the slot's pilot of every squadron the id names.
struct StandardVictim {
  std::string id;
  int slot = -1;
  std::vector<int> squadrons;
};

StandardVictim FindStandardVictim(TMainForm& form, const std::string& line) {
  StandardVictim victim;
  victim.id = ActorOf(line);
  victim.slot = AircraftSlot(victim.id);
  victim.squadrons = SquadronsNamed(form, AircraftSquadronId(victim.id));
  if (victim.squadrons.empty() || victim.slot < 0) {
    LogEventLineProblem(form, "Event line names no aircraft of the campaign", line);
    victim.squadrons.clear();
  }
  return victim;
}

std::string DogfightPilot(TMainForm& form, const std::string& line) {
  return FixPilotName(form, Trim(TextBefore(line, ":")));
}

}  // namespace

void LowerStrength(TMainForm& form, int squadron) {
  SquadronEntry& unit = form.SquadronTable[squadron];
  int planes = StrToInt(Trim(unit.PlanesFlight)) - 1;
  if (planes < 0) {
    // The squadron has none left: a sister squadron of the same aircraft at the same base
    // gives one of its own.
    for (int k = 0; k <= form.LastSquadron; ++k) {
      SquadronEntry& sister = form.SquadronTable[k];
      if (k == squadron || sister.TypeDescription != unit.TypeDescription ||
          sister.SquadronHomeBase != unit.SquadronHomeBase || PlanesOf(sister) <= 0) {
        continue;
      }
      SetPlanes(sister, PlanesOf(sister) - 1);
      break;
    }
    planes = 0;
  }
  SetPlanes(unit, planes);
}

void ShotDown(TMainForm& form, const std::string& pilot_name) {
  RecordLoss(form, pilot_name, LossKind::kShotDown);
}

void Crashed(TMainForm& form, const std::string& pilot_name) {
  RecordLoss(form, pilot_name, LossKind::kCrashed);
}

std::string StandardShotDown(TMainForm& form, const std::string& line) {
  const StandardVictim victim = FindStandardVictim(form, line);
  std::string army;
  const bool first_loss = form.ResultsPass.LostAircraft.insert(victim.id).second;
  for (const int s : victim.squadrons) {
    army = form.SquadronTable[s].SquadronArmy;
    if (!first_loss) continue;
    ShotDown(form, FixPilotName(form, form.PilotRoster[RosterIndex(s, victim.slot)].RosterName));
  }
  return army;
}

void StandardCrash(TMainForm& form, const std::string& line) {
  const StandardVictim victim = FindStandardVictim(form, line);
  if (victim.squadrons.empty()) return;
  const bool first_crash = form.ResultsPass.CrashedAircraft.insert(victim.id).second;
  const bool first_loss = form.ResultsPass.LostAircraft.insert(victim.id).second;
  for (const int s : victim.squadrons) {
    if (first_crash) ReconCheck(form, s);
    if (first_loss) {
      Crashed(form, FixPilotName(form, form.PilotRoster[RosterIndex(s, victim.slot)].RosterName));
    }
  }
}

std::string DogFightShotDown(TMainForm& form, const std::string& line) {
  const std::string name = DogfightPilot(form, line);
  const std::vector<RosterSlot> slots = RosterSlotsNamed(form, name);
  if (slots.empty()) {
    LogEventLineProblem(form, "Dogfight line names no pilot of the campaign", line);
    return std::string();
  }
  const std::string army = form.SquadronTable[slots.front().squadron].SquadronArmy;
  if (form.ResultsPass.LostAircraft.insert("dogfight:" + name).second) ShotDown(form, name);
  return army;
}

void DogFightCrash(TMainForm& form, const std::string& line) {
  const std::string name = DogfightPilot(form, line);
  if (RosterSlotsNamed(form, name).empty()) {
    LogEventLineProblem(form, "Dogfight line names no pilot of the campaign", line);
    return;
  }
  if (form.ResultsPass.LostAircraft.insert("dogfight:" + name).second) Crashed(form, name);
}

void ReconCheck(TMainForm& form, int squadron) {
  const SquadronEntry& unit = form.SquadronTable[squadron];
  const std::string key = unit.SquadronName + ":";
  const std::string& front = form.Messages.Text(MessageSection::kBriefs, 23);
  const std::string& armed = form.Messages.Text(MessageSection::kBriefs, 24);
  const int army = StrToIntDef(Trim(unit.SquadronArmy), 0);
  bool listed = false;
  for (const std::string& line : ReconLines(form)) {
    if (unit.SquadronName.empty() || !Contains(line, key)) continue;
    if (!listed) ErrorLog(form, "Recon Check Begun.");
    listed = true;
    if (army != 1 && army != 2) continue;
    int& count = form.ReconCount[static_cast<size_t>(army)];
    if (!front.empty() && Contains(line, front)) count = std::max(count - 5, 0);
    if (!armed.empty() && Contains(line, armed)) count = std::max(count - 1, 0);
  }
  if (listed) ErrorLog(form, "Recon Check Complete.");
}
