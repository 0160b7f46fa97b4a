#include "mission_results/roster_save.h"

#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_setup/nose_art.h"
#include "mission_results/name_lists.h"
#include "mission_results/new_pilots.h"
#include "mission_results/roster_text.h"
#include "platform/text_file.h"

namespace {

// Nearly every stored counter is whole already; only the others are rebuilt.
void RepairCounter(std::string& counter) {
  if (!IsThreeDigitCount(counter)) counter = RepairedCounter(counter);
}

// One character: the first of the marker as trimmed, a blank for none.
void RepairMarker(std::string& marker) {
  if (marker.size() == 1 && static_cast<unsigned char>(marker[0]) >= ' ') return;
  const std::string_view trimmed = TrimView(marker);
  marker = trimmed.empty() ? std::string(" ") : std::string(trimmed.substr(0, 1));
}

size_t RosterTextEstimate(const TMainForm& form) {
  constexpr size_t kUsualLineLength = 80;
  return static_cast<size_t>(form.LastSquadron + 1) * 17 * kUsualLineLength;
}

}  // namespace

std::string RosterFilePath(const TMainForm& form) {
  return form.CampaignFolder + "pilot.tavrek";
}

void RepairPilot(TMainForm& form, int squadron, int slot) {
  PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
  if (pilot.RosterName.empty()) {
    PilotName(form, squadron, slot);
    PilotNameCheck(form, squadron, slot);
    pilot.RosterRank = StartRank(form, squadron, slot);
    pilot.RosterMedalCount = "0";
  }
  RepairCounter(pilot.RosterKills);
  RepairCounter(pilot.RosterGroundKills);
  RepairCounter(pilot.RosterSorties);
  RepairMarker(pilot.RosterMarker);
  if (!IsSingleDigit(pilot.RosterRank)) pilot.RosterRank = "0";
  if (!IsSingleDigit(pilot.RosterMedalCount)) pilot.RosterMedalCount = "0";
  if (pilot.RosterBirthDate.size() != 4) pilot.RosterBirthDate = "1920";
}

RosterSave::RosterSave(const TMainForm& form, RosterFiles files)
    : files_(files), paints_and_nose_art_(form) {
  if (files_ == RosterFiles::kWritten) pilots_.reserve(RosterTextEstimate(form));
}

void RosterSave::AddSquadron(TMainForm& form, int squadron) {
  const std::string& name = std::as_const(form.SquadronTable)[squadron].SquadronName;
  if (name.empty()) return;
  // A repair changes no slot but its own, and the career roster written before the nose art
  // reads none of it.
  for (int slot = 0; slot < 16; ++slot) RepairPilot(form, squadron, slot);
  const bool carries_nose_art = SquadronCarriesNoseArt(form, squadron);
  holds_pilots_ = true;
  if (files_ == RosterFiles::kLeftToLaterSave) {
    for (int slot = 0; slot < 16; ++slot) {
      CheckNoseArt(carries_nose_art, form.PilotRoster[RosterIndex(squadron, slot)].RosterNoseArt);
    }
    return;
  }
  pilots_.append("[").append(name).append("]").append(kCrLf);
  paints_and_nose_art_.BeginSquadron(name);
  for (int slot = 0; slot < 16; ++slot) {
    PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
    CheckNoseArt(carries_nose_art, pilot.RosterNoseArt);
    AppendPilotLine(pilots_, pilot);
    pilots_ += kCrLf;
    paints_and_nose_art_.AddPilot(pilot);
  }
}

void RosterSave::Write(TMainForm& form, int mode) const {
  // An empty text would wipe the campaign's pilots: no squadron is loaded.
  if (!holds_pilots_) {
    ErrorLog(form, "Pilots not saved: no squadron is loaded.");
    return;
  }
  if (files_ == RosterFiles::kLeftToLaterSave) return;
  WriteTextFile(RosterFilePath(form), pilots_);
  const PilotRosterType& roster = std::as_const(form.PilotRoster);
  if (mode > 0 && !roster[RosterIndex(0, 0)].RosterName.empty()) WriteCareerRoster(form);
  paints_and_nose_art_.Write(form);
}
