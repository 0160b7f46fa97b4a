#include "mission_results/air_victories.h"

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_setup/game_edition.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_lookup.h"
#include "mission_results/squadron_country.h"
#include "platform/text_file.h"

namespace {

// The description of the aircraft class with this game name (the last one); empty when none.
std::string AircraftDescription(const TMainForm& form, const std::string& game_name) {
  const std::string wanted = Trim(game_name);
  std::string description;
  for (int c = 0; c <= form.LastAircraftClass; ++c) {
    const AircraftClassEntry& type = form.AircraftClassTable[c];
    if (Trim(type.ClassGameName) == wanted) description = type.ClassDescription;
  }
  return description;
}

std::string Text(const TMainForm& form, MessageSection section, int line) {
  return form.Messages.Text(section, line);
}

// The killer named after " by " in a dogfight or "AcesDogfight" line: "<name>:<aircraft>".
std::string DogfightKiller(TMainForm& form, const std::string& line) {
  const size_t by = line.find(" by");
  if (by == std::string::npos) return std::string();
  const std::string after = Trim(line.substr(std::min(line.size(), by + 4)));
  return FixPilotName(form, Trim(TextBefore(Trim(TextBefore(after, " at ")), ":")));
}

void CreditCrewmen(TMainForm& form, const std::string& killer_key,
                   const std::string& victim_aircraft, const std::string& victim_army) {
  for (int g = 1; g <= form.LastGunner; ++g) {
    GunnerEntry& gunner = form.GunnerTable[g];
    if (gunner.GunnerName.empty() || gunner.GunnerSquadron + gunner.GunnerSeat != killer_key) {
      continue;
    }
    const int squadron = LastSquadronNamed(form, gunner.GunnerSquadron);
    if (squadron >= 0) gunner.GunnerArmy = form.SquadronTable[squadron].SquadronArmy;
    const std::string description = AircraftDescription(form, victim_aircraft);
    if (gunner.GunnerArmy != victim_army) {
      gunner.GunnerKills = Trim(gunner.GunnerKills).empty() ? "001" : NextCount(gunner.GunnerKills);
      std::string text = ReplaceTextProcedure(Text(form, MessageSection::kDebrief, 2), "<VICTORY>",
                                              CountOrdinal(form, gunner.GunnerKills));
      text = ReplaceTextProcedure(text, "<PLANE>", description);
      form.Debrief.Caption += gunner.GunnerName + " " + text + std::string(kCrLf);
    } else {
      form.Debrief.Caption +=
          gunner.GunnerName + " " +
          ReplaceTextProcedure(Text(form, MessageSection::kDebrief, 16), "<TYPE>", description) +
          std::string(kCrLf);
    }
  }
}

}  // namespace

void TallyAirKill(TMainForm& form, const std::string& killer, const std::string& victim_aircraft,
                  const std::string& victim_army) {
  if (Trim(form.GameID).empty()) GameIDCheck(form);
  if (killer.empty()) return;
  const std::string description = AircraftDescription(form, victim_aircraft);
  const std::vector<RosterSlot> slots = RosterSlotsNamed(form, killer);
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    PilotEntry& pilot = form.PilotRoster[RosterIndex(it->squadron, it->slot)];
    const bool posted = PostInfo(form, it->squadron, it->slot);
    if (form.SquadronTable[it->squadron].SquadronArmy != victim_army) {
      RankAwardSetup(form, it->squadron);
      pilot.RosterKills = NextCount(pilot.RosterKills);
      const std::string event_text =
          ReplaceTextProcedure(Text(form, MessageSection::kEvents, 2), "<PLANE>", description);
      if (posted) {
        std::string text = ReplaceTextProcedure(Text(form, MessageSection::kDebrief, 2),
                                                "<VICTORY>", CountOrdinal(form, pilot.RosterKills));
        text = ReplaceTextProcedure(text, "<PLANE>", description);
        AppendDebrief(form, it->squadron, pilot.RosterRank, killer, text);
        AppendEvent(form, killer, event_text);
      }
      if (killer == form.PlayerName) AppendPlayerLog(form, event_text);
    } else if (posted) {
      AppendDebrief(form, it->squadron, pilot.RosterRank, killer,
                    Text(form, MessageSection::kDebrief, 3));
      AppendEvent(form, killer, Text(form, MessageSection::kEvents, 3));
    }
  }
}

void StandardAirKill(TMainForm& form, const std::string& line, const std::string& victim_army) {
  const std::string victim_id = ActorOf(line);
  const std::string killer_id = ActorOf(Trim(TextAfter(line, " by ")));
  const std::string killer_key =
      Contains(killer_id, "(") ? killer_id : AircraftSquadronId(killer_id);

  int victim_squadron = -1;
  const int victim_slot = AircraftSlot(victim_id);
  std::string victim_aircraft;
  if (victim_slot >= 0) {
    victim_squadron = LastSquadronNamed(form, AircraftSquadronId(victim_id));
    if (victim_squadron >= 0) {
      victim_aircraft = form.SquadronTable[victim_squadron].TypeGameName;
    }
  }
  if (!victim_id.empty() && !form.ResultsPass.CreditedVictims.insert(victim_id).second) {
    LogEventLineProblem(form, "Victory over an aircraft already credited", line);
    return;
  }
  const PilotEntry* victim =
      victim_squadron >= 0 ? &form.PilotRoster[RosterIndex(victim_squadron, victim_slot)] : nullptr;
  const int victim_kills = victim ? StrToInt(Trim(victim->RosterKills)) : 0;

  const int killer_slot = AircraftSlot(killer_id);
  for (const int s : SquadronsNamed(form, killer_key)) {
    if (killer_slot < 0) break;
    const PilotEntry& killer = form.PilotRoster[RosterIndex(s, killer_slot)];
    const std::string killer_name = FixPilotName(form, killer.RosterName);
    TallyAirKill(form, killer_name, victim_aircraft, victim_army);
    if (victim == nullptr || victim_kills <= 4) continue;

    // An ace has fallen.
    RankAwardSetup(form, victim_squadron);
    const std::string victim_rank = RankNameOf(form, victim->RosterRank);
    RankAwardSetup(form, s);
    const std::string killer_rank = RankNameOf(form, killer.RosterRank);
    const std::string country =
        SquadronCountry(form, form.SquadronTable[victim_squadron].SquadronName);
    std::string news =
        ReplaceTextProcedure(Text(form, MessageSection::kNews, 26), "<COUNTRY>", country);
    news = ReplaceTextProcedure(news, "<ACE>", victim_rank + " " + victim->RosterName);
    news = ReplaceTextProcedure(news, "<PILOT>", killer_rank + " " + killer.RosterName);
    if (PostInfo(form, s, killer_slot)) {
      form.Debrief.Caption += news + std::string(kCrLf);
      std::string event =
          ReplaceTextProcedure(Text(form, MessageSection::kEvents, 13), "<COUNTRY>", country);
      event = ReplaceTextProcedure(event, "<ACE>", victim->RosterName);
      AppendEvent(form, killer_name, event);
    } else {
      form.NewsText += news + std::string(kCrLf);
    }
  }
  if (form.Coop.Checked) CreditCrewmen(form, killer_key, victim_aircraft, victim_army);
}

void DogFightAirKill(TMainForm& form, const std::string& line, const std::string& victim_army) {
  const std::string killer = DogfightKiller(form, line);
  const std::string victim_aircraft = Trim(TextBefore(TextAfter(line, ":"), "shot down"));
  const std::string victim_key = "dogfight:" + FixPilotName(form, Trim(TextBefore(line, ":")));
  if (!form.ResultsPass.CreditedVictims.insert(victim_key).second) {
    LogEventLineProblem(form, "Victory over an aircraft already credited", line);
    return;
  }
  TallyAirKill(form, killer, victim_aircraft, victim_army);
}
