#include "mission_results/seat_assignment.h"

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "mission_results/name_lists.h"
#include "mission_results/new_pilots.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_lookup.h"

namespace {

constexpr int kPilotSlots = 16;
constexpr int kLastCrewSeat = 10;
constexpr int kDogfightBaseReach = 10000;  // metres between a seat and the squadron's base

PilotEntry NewHumanPilot(const TMainForm& form, const std::string& name) {
  PilotEntry pilot;
  pilot.RosterName = name;
  pilot.RosterMarker = "^";
  pilot.RosterPhoto = "DGen\\Photo";
  pilot.RosterRank = form.TrackPlayerRanks.Checked ? "0" : "9";
  pilot.RosterMedalCount = "0";
  pilot.RosterKills = "000";
  pilot.RosterGroundKills = "000";
  pilot.RosterSorties = "000";
  pilot.RosterBirthDate = "1920";
  pilot.RosterHomeTown = "Unknown";
  return pilot;
}

// The pilot's own record moves; the skin and the seat flag stay with the slot.
void SwapPilotRecords(PilotEntry& a, PilotEntry& b) {
  std::swap(a.RosterName, b.RosterName);
  std::swap(a.RosterMarker, b.RosterMarker);
  std::swap(a.RosterKills, b.RosterKills);
  std::swap(a.RosterSorties, b.RosterSorties);
  std::swap(a.RosterGroundKills, b.RosterGroundKills);
  std::swap(a.RosterRank, b.RosterRank);
  std::swap(a.RosterMedalCount, b.RosterMedalCount);
  std::swap(a.RosterPhoto, b.RosterPhoto);
  std::swap(a.RosterNoseArt, b.RosterNoseArt);
  std::swap(a.RosterHomeTown, b.RosterHomeTown);
  std::swap(a.RosterBirthDate, b.RosterBirthDate);
}

// Copies the carried fields of a pilot record into the slot (the dogfight seat's sweeps).
void TakeCarriedRecord(PilotEntry& slot, const PilotEntry& carried) {
  slot.RosterPhoto = carried.RosterPhoto;
  slot.RosterNoseArt = carried.RosterNoseArt;
  slot.RosterRank = carried.RosterRank;
  slot.RosterMedalCount = carried.RosterMedalCount;
  slot.RosterGroundKills = carried.RosterGroundKills;
  slot.RosterKills = carried.RosterKills;
  slot.RosterSorties = carried.RosterSorties;
  slot.RosterBirthDate = carried.RosterBirthDate;
  slot.RosterHomeTown = carried.RosterHomeTown;
}

// A new crewman record at the end of the gunner table; nullptr when the table is full.
GunnerEntry* AddGunner(TMainForm& form) {
  if (form.LastGunner + 1 >= kGunnerCapacity) {
    ErrorLog(form, "The gunner table is full; a crewman is left out.");
    return nullptr;
  }
  ++form.LastGunner;
  form.GunnerTable[form.LastGunner] = GunnerEntry{};
  return &form.GunnerTable[form.LastGunner];
}

void CountSortie(PilotEntry& pilot) {
  if (pilot.RosterSeat != "0") return;
  pilot.RosterSorties = NextCount(pilot.RosterSorties);
  pilot.RosterSeat = "1";
}

void RepairGunner(GunnerEntry& gunner) {
  const auto length = [](const std::string& text) { return Trim(text).size(); };
  if (length(gunner.GunnerSorties) != 3) gunner.GunnerSorties = "000";
  if (length(gunner.GunnerKills) != 3) gunner.GunnerKills = "000";
  if (length(gunner.GunnerGroundKills) != 3) gunner.GunnerGroundKills = "000";
  if (length(gunner.GunnerCity) < 3) gunner.GunnerCity = "Unknown";
  if (length(gunner.GunnerBirthDate) != 4) gunner.GunnerBirthDate = "1920";
  if (length(gunner.GunnerRank) != 1) gunner.GunnerRank = "0";
  if (length(gunner.GunnerMedalCount) != 1) gunner.GunnerMedalCount = "0";
  std::string photo = Trim(gunner.GunnerPhoto);
  for (char& c : photo) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (photo.empty() || !Contains(photo, "dgen")) gunner.GunnerPhoto = "DGen\\Photo";
}

// The name of a seat line: the text after `token` up to " at ", trimmed and made safe.
std::string SeatName(TMainForm& form, const std::string& line, const std::string& token) {
  return FixPilotName(form, Trim(TextBefore(TextAfter(line, token), " at ")));
}

void PostPilotSeat(TMainForm& form, int squadron, int slot, const std::string& name) {
  if (!form.Coop.Checked && !form.Dogfight.Checked) return;
  if (!PostInfo(form, squadron, slot)) return;
  RankAwardSetup(form, squadron);
  const SquadronEntry& unit = form.SquadronTable[squadron];
  const std::string rank =
      RankNameOf(form, form.PilotRoster[RosterIndex(squadron, slot)].RosterRank);
  const std::string line = rank + " " + name + " " +
                           ReplaceTextProcedure(form.Messages.Text(MessageSection::kDebrief, 13),
                                                "<SQUAD>", unit.SquadronFullName);
  if (!form.ResultsPass.PostedDebriefLines.insert(line).second) return;
  form.Debrief.Caption += line + "\r\n";
  AppendEvent(form, name,
              ReplaceTextProcedure(form.Messages.Text(MessageSection::kEvents, 12), "<SQUAD>",
                                   unit.SquadronFullName));
}

bool Within(const std::string& a, const std::string& b, int metres) {
  return GetDistance(a, b) <= metres;
}

// The position of the squadron's base, or `fallback` when no location has its name.
std::string BasePosition(const TMainForm& form, int squadron, const std::string& fallback) {
  const std::string position =
      LocationPositionNamed(form, form.SquadronTable[squadron].SquadronHomeBase);
  return position.empty() ? fallback : position;
}

void UntrackedRankRule(TMainForm& form, PilotEntry& pilot) {
  if (pilot.RosterRank != "9") return;
  if (pilot.RosterMarker != "^" || form.TrackPlayerRanks.Checked) pilot.RosterRank = "0";
}

}  // namespace

void StandardSeat(TMainForm& form, const std::string& line) {
  const size_t pilot_seat = line.find("(0)");
  const size_t bracket = line.find('(');
  if (pilot_seat == std::string::npos || bracket < 2 || pilot_seat < 2) {
    LogEventLineProblem(form, "Seat line without an aircraft", line);
    return;
  }
  const std::string squadron_id = Trim(line.substr(0, pilot_seat - 2));
  const int slot = AircraftSlot(line.substr(0, bracket));
  if (slot < 0) {
    LogEventLineProblem(form, "Seat line names no roster slot", line);
    return;
  }
  const int squadron = LastSquadronNamed(form, squadron_id);
  if (squadron < 0) {
    LogEventLineProblem(form, "Seat line names no squadron of the campaign", line);
    return;
  }
  std::string name = Trim(TextBefore(TextAfter(line, "(0) seat occupied by"), " at "));
  if (name == "Player") name = form.PlayerName;
  name = FixPilotName(form, name);

  PilotEntry& seat = form.PilotRoster[RosterIndex(squadron, slot)];
  const std::vector<RosterSlot> present = RosterSlotsNamed(form, name);
  if (!present.empty()) {
    const RosterSlot from = present.back();
    if (from.squadron != squadron || from.slot != slot) {
      SwapPilotRecords(seat, form.PilotRoster[RosterIndex(from.squadron, from.slot)]);
      RosterNameChanged(form, from.squadron, from.slot);
      RosterNameChanged(form, squadron, slot);
    }
  } else if (!form.Dogfight.Checked && !name.empty()) {
    // A pilot new to the campaign; whoever sat in the slot leaves with the scratch record.
    PilotEntry scratch = NewHumanPilot(form, name);
    SwapPilotRecords(seat, scratch);
    RosterNameChanged(form, squadron, slot);
    if (scratch.RosterMarker == "^") {
      if (GunnerEntry* gunner = AddGunner(form)) {
        gunner->GunnerKills = scratch.RosterKills;
        gunner->GunnerGroundKills = scratch.RosterGroundKills;
        gunner->GunnerSorties = scratch.RosterSorties;
        gunner->GunnerName = scratch.RosterName;
        gunner->GunnerRank = scratch.RosterRank;
        gunner->GunnerMedalCount = scratch.RosterMedalCount;
        gunner->GunnerBirthDate = scratch.RosterBirthDate;
        gunner->GunnerCity = scratch.RosterHomeTown;
        gunner->GunnerPhoto = scratch.RosterPhoto;
        gunner->GunnerSquadron = form.SquadronTable[squadron].SquadronName;
      }
    }
  }
  CountSortie(seat);
  PostPilotSeat(form, squadron, slot, name);
}

void CoopCrewSeat(TMainForm& form, const std::string& line) {
  const size_t bracket = line.find('(');
  if (bracket == std::string::npos || bracket < 2) {
    LogEventLineProblem(form, "Crew seat line without an aircraft", line);
    return;
  }
  const int seat_number = SeatNumber(line);
  if (seat_number < 1 || seat_number > kLastCrewSeat) {
    LogEventLineProblem(form, "Crew seat outside the aircraft's seats", line);
    return;
  }
  const std::string squadron_id = Trim(line.substr(0, bracket - 2));
  const std::string seat_text = line.substr(bracket - 2, 2) + "(" + IntToStr(seat_number) + ")";
  const std::string name = SeatName(form, line, "seat occupied by");
  const int squadron = LastSquadronNamed(form, squadron_id);
  if (squadron < 0) {
    LogEventLineProblem(form, "Crew seat line names no squadron of the campaign", line);
    return;
  }

  // A roster pilot flying as a crewman leaves the roster for the gunner table.
  for (const RosterSlot& pilot_slot : RosterSlotsNamed(form, name)) {
    PilotEntry& pilot = form.PilotRoster[RosterIndex(pilot_slot.squadron, pilot_slot.slot)];
    if (GunnerEntry* gunner = AddGunner(form)) {
      gunner->GunnerSeat = seat_text;
      gunner->GunnerName = name;
      gunner->GunnerSquadron = squadron_id;
      gunner->GunnerSorties = pilot.RosterSorties;
      gunner->GunnerKills = pilot.RosterKills;
      gunner->GunnerGroundKills = pilot.RosterGroundKills;
      gunner->GunnerCity = pilot.RosterHomeTown;
      gunner->GunnerBirthDate = pilot.RosterBirthDate;
      gunner->GunnerRank = pilot.RosterRank;
      gunner->GunnerMedalCount = pilot.RosterMedalCount;
      gunner->GunnerPhoto = pilot.RosterPhoto;
    }
    NewPilotStats(form, pilot_slot.squadron, pilot_slot.slot);
    pilot.RosterRank = StartRank(form, pilot_slot.squadron, pilot_slot.slot);
    PilotNameCheck(form, pilot_slot.squadron, pilot_slot.slot);
    pilot.RosterMarker = " ";
    RosterNameChanged(form, pilot_slot.squadron, pilot_slot.slot);
  }

  GunnerEntry* gunner = nullptr;
  for (int g = form.LastGunner; g >= 1 && gunner == nullptr; --g) {
    if (form.GunnerTable[g].GunnerName == name) gunner = &form.GunnerTable[g];
  }
  if (gunner == nullptr) gunner = AddGunner(form);
  if (gunner == nullptr) return;
  gunner->GunnerSeat = seat_text;
  gunner->GunnerName = name;
  gunner->GunnerSquadron = squadron_id;
  RankAwardSetup(form, squadron);
  RepairGunner(*gunner);

  const SquadronEntry& unit = form.SquadronTable[squadron];
  std::string text = ReplaceTextProcedure(form.Messages.Text(MessageSection::kDebrief, 18),
                                          "<SQUAD>", unit.SquadronFullName);
  text = ReplaceTextProcedure(text, "<PLANE>", unit.TypeDescription);
  const std::string debrief_line = name + " " + text;
  if (!form.ResultsPass.PostedDebriefLines.insert(debrief_line).second) return;
  form.Debrief.Caption += debrief_line + "\r\n";
  gunner->GunnerSorties =
      StrToIntDef(Trim(gunner->GunnerSorties), -1) < 0 ? "000" : NextCount(gunner->GunnerSorties);
}

void DogFightSeat(TMainForm& form, const std::string& line) {
  const std::string name = SeatName(form, line, " by ");
  const std::string aircraft = Trim(TextBefore(TextAfter(line, ":"), "(0)"));
  const std::string position = Trim(TextAfter(line, " at "));
  if (name.empty()) {
    LogEventLineProblem(form, "Dogfight seat line without a pilot", line);
    return;
  }
  ReadWholeMetres(position);  // a seat without a position is no seat: the line is skipped

  // A pilot taking a seat starts a new sortie: his next loss is a loss again.
  form.ResultsPass.LostAircraft.erase("dogfight:" + name);
  form.ResultsPass.CreditedVictims.erase("dogfight:" + name);

  PilotEntry carried = NewHumanPilot(form, name);
  bool found = false;
  std::vector<RosterSlot> touched;
  // From the last squadron down, as the pilot's slots are swept.
  const std::vector<RosterSlot> named = RosterSlotsNamed(form, name);
  for (auto it = named.rbegin(); it != named.rend(); ++it) {
    const SquadronEntry& unit = form.SquadronTable[it->squadron];
    PilotEntry& pilot = form.PilotRoster[RosterIndex(it->squadron, it->slot)];
    found = true;
    if (aircraft == unit.TypeGameName &&
        Within(position, BasePosition(form, it->squadron, position), kDogfightBaseReach)) {
      continue;
    }
    carried = pilot;
    carried.RosterMarker = "^";
    found = false;
    NewPilotStats(form, it->squadron, it->slot);
    PilotNameCheck(form, it->squadron, it->slot);
    RosterNameChanged(form, it->squadron, it->slot);
    touched.push_back(*it);
    AppendEvent(form, pilot.RosterName, form.Messages.Text(MessageSection::kEvents, 14));
  }

  if (!found) {
    bool placed = false;
    for (int s = 0; s <= form.LastSquadron && !placed; ++s) {
      const SquadronEntry& unit = form.SquadronTable[s];
      if (unit.TypeGameName != aircraft) continue;
      if (!Within(BasePosition(form, s, position), position, kDogfightBaseReach)) continue;
      for (int slot = 0; slot < kPilotSlots && !placed; ++slot) {
        PilotEntry& pilot = form.PilotRoster[RosterIndex(s, slot)];
        if (pilot.RosterMarker == "^") continue;
        pilot.RosterMarker = "^";
        pilot.RosterName = name;
        TakeCarriedRecord(pilot, carried);
        RosterNameChanged(form, s, slot);
        touched.push_back({s, slot});
        placed = true;
      }
    }
  }

  // Ranks not tracked ("9") become "0" where the rules say so; the rule is applied to the
  // whole roster once per pass and afterwards to the slots this line changed.
  if (!form.ResultsPass.Active || !form.ResultsPass.RankSweepDone) {
    for (int s = 0; s <= form.LastSquadron; ++s) {
      for (int slot = 0; slot < kPilotSlots; ++slot) {
        UntrackedRankRule(form, form.PilotRoster[RosterIndex(s, slot)]);
      }
    }
    form.ResultsPass.RankSweepDone = form.ResultsPass.Active;
  } else {
    for (const RosterSlot& at : touched) {
      UntrackedRankRule(form, form.PilotRoster[RosterIndex(at.squadron, at.slot)]);
    }
  }
  for (const RosterSlot& at : RosterSlotsNamed(form, name)) {
    CountSortie(form.PilotRoster[RosterIndex(at.squadron, at.slot)]);
  }
}
