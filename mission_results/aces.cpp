#include "mission_results/aces.h"

#include <optional>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kOpenEnd = 19490112;  // a service without an end date lasts to this day

std::string AceListPath(const TMainForm& form) {
  return form.CampaignFolder + "aces.dat";
}

// The dates of an ace line, as year * 10000 + month * 100 + day.
struct ServiceWindow {
  int start = 0;
  int end = kOpenEnd;
};

std::optional<ServiceWindow> ServiceOf(const std::string& line) {
  const int tilde = Pos("~", line);
  if (tilde == 0) return std::nullopt;
  ServiceWindow window;
  window.start = StrToIntDef(Trim(Copy(line, tilde + 1, 8)), -1);
  if (const int to = Pos(" to ", line); to > 0)
    window.end = StrToIntDef(Trim(Copy(line, to + 4, 8)), -1);
  if (window.start < 0 || window.end < 0) return std::nullopt;
  return window;
}

// The name of an ace line: from column 15 up to its "@".
std::string AceNameOf(const std::string& line) {
  const std::string from_name = Copy(line, 15, static_cast<int>(line.size()));
  const int at = Pos("@", from_name);
  return RosterSafeText(Trim(at == 0 ? Copy(from_name, 1, 99) : Copy(from_name, 1, at - 1)));
}

bool HeaderNamesSquadron(const std::string& header, const std::string& squadron_name) {
  if (squadron_name.empty()) return false;
  return Contains(" " + Trim(Copy(header, 2, static_cast<int>(header.size()))),
                  " " + squadron_name);
}

// The computer pilot of the squadron with the fewest sorties (the first of them).
int WeakestSlot(TMainForm& form, int squadron) {
  int weakest = -1;
  int fewest = 999;
  for (int slot = 0; slot < 16; ++slot) {
    const PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
    if (pilot.RosterMarker == "^") continue;
    const int sorties = CounterValue(pilot.RosterSorties);
    if (sorties < fewest) {
      fewest = sorties;
      weakest = slot;
    }
  }
  return weakest;
}

struct RosterPlace {
  int squadron;
  int slot;
};

std::optional<RosterPlace> FindPilot(TMainForm& form, const std::string& name) {
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < 16; ++slot) {
      const std::string& held = form.PilotRoster[RosterIndex(squadron, slot)].RosterName;
      if (!held.empty() && held == name) return RosterPlace{squadron, slot};
    }
  }
  return std::nullopt;
}

void AnnounceAce(TMainForm& form, int squadron, const PilotEntry& ace, bool with_event) {
  RankAwardSetup(form, squadron);
  const int rank = StrToIntDef(Trim(ace.RosterRank), -1);
  const std::string pilot =
      (rank >= 0 && rank < 10 ? form.RankAwardTable.RankName[rank] : std::string()) + " " +
      ace.RosterName;
  const std::string& squad = form.SquadronTable[squadron].SquadronFullName;
  const auto news = [&](const std::string& text) {
    return ReplaceTextProcedure(ReplaceTextProcedure(text, "<PILOT>", pilot), "<SQUAD>", squad) +
           " ";
  };
  form.CampaignNews += news(form.Messages.Text(MessageSection::kNews, 28));
  form.CampaignNewsRu += news(form.Messages.TextRu(MessageSection::kNews, 28));
  if (with_event) {
    form.Events.Caption += ace.RosterName + " - EVENT: " + form.CampaignDateText + ": " +
                           form.Messages.Text(MessageSection::kEvents, 14) + std::string(kCrLf);
  }
}

void PlaceAce(TMainForm& form, int squadron, int slot, const std::string& line) {
  PilotEntry& ace = form.PilotRoster[RosterIndex(squadron, slot)];
  ace.RosterMarker = " ";
  ace.RosterKills = Trim(Copy(line, 3, 3));
  ace.RosterGroundKills = Trim(Copy(line, 7, 3));
  ace.RosterSorties = Trim(Copy(line, 11, 3));
  ace.RosterName = AceNameOf(line);
  if (const int at = Pos("@", line); at > 0) {
    const std::string after = Copy(line, at + 1, static_cast<int>(line.size()));
    const int star = Pos("*", after);
    ace.RosterPhoto = Trim(star == 0 ? after : Copy(after, 1, star - 1));
  }
  if (const int star = Pos("*", line); star > 0) {
    ace.RosterRank = Trim(Copy(line, star + 1, 1));
    ace.RosterMedalCount = Trim(Copy(line, star + 2, 1));
  }
  if (Trim(ace.RosterMedalCount).empty()) ace.RosterMedalCount = "0";
  if (const int ampersand = Pos("&", line); ampersand > 0) {
    ace.RosterBirthDate = Trim(Copy(line, ampersand + 1, 4));
    const std::string town = Copy(line, ampersand + 5, static_cast<int>(line.size()));
    const int tilde = Pos("~", town);
    ace.RosterHomeTown = RosterSafeText(Trim(tilde == 0 ? town : Copy(town, 1, tilde - 1)));
  }
  const SquadronEntry& unit = form.SquadronTable[squadron];
  ace.RosterSkin = unit.SquadronMarkings + unit.SquadronSkin;
  ace.RosterNoseArt.clear();
}

enum class SectionState { kOutside, kInside, kDone };

}  // namespace

void LoadAces(TMainForm& form, int squadron) {
  const std::string path = ExistingReferenceFile(form, "aces.tavrek");
  if (path.empty()) return;
  const int today = form.CampaignYear * 10000 + form.CampaignMonth * 100 + form.CampaignDay;
  const std::string squadron_name = form.SquadronTable[squadron].SquadronName;
  bool ace_in_roster = false;
  SectionState state = SectionState::kOutside;
  for (const std::string& line : ReadTextLines(path)) {
    if (Contains(line, "[")) {
      state =
          HeaderNamesSquadron(line, squadron_name) ? SectionState::kInside : SectionState::kOutside;
      continue;
    }
    if (state != SectionState::kInside) continue;
    const std::optional<ServiceWindow> service = ServiceOf(line);
    if (!service) {
      ErrorLog(form, "aces.tavrek: the ace line \"" + line + "\" has no service dates; left out.");
      continue;
    }
    if (!(service->start < today && today < service->end)) continue;
    state = SectionState::kDone;

    const int target = WeakestSlot(form, squadron);
    const std::string name = AceNameOf(line);
    // A slot of the squadron's own: the spare slot is never stored, so the ace would be lost.
    if (target < 0) {
      ErrorLog(form, "The ace " + name + " finds no computer pilot's slot in " + squadron_name +
                         " and joins later.");
      continue;
    }
    if (!ace_in_roster) {
      if (const std::optional<RosterPlace> place = FindPilot(form, name)) {
        ace_in_roster = true;
        if (place->squadron != squadron) {
          PilotSwap(form, squadron, place->squadron, target, place->slot);
          RankAwardSetup(form, squadron);
          if (form.NewCampaignFlag != "Y") {
            AnnounceAce(form, squadron, form.PilotRoster[RosterIndex(squadron, target)],
                        squadron == 0);
          }
        }
      }
    }
    if (ace_in_roster) continue;
    if (ActiveAce(form, Trim(Copy(line, 15, static_cast<int>(line.size()))))) continue;
    PlaceAce(form, squadron, target, line);
    const PilotEntry& ace = form.PilotRoster[RosterIndex(squadron, target)];
    if (squadron == 0 && !Contains(form.Events.Caption, ace.RosterName)) {
      AnnounceAce(form, squadron, ace, true);
    }
    SavePilot(form, 0);
    AceList(form, ace.RosterName);
  }
}

bool ActiveAce(TMainForm& form, const std::string& ace_text) {
  const int at = Pos("@", ace_text);
  if (at == 0) return false;
  const std::string name = Trim(Copy(ace_text, 1, at - 1));
  if (name.empty() || !FileExists(AceListPath(form))) return false;
  for (const std::string& line : ReadTextLines(AceListPath(form))) {
    if (Contains(line, name)) return true;
  }
  return false;
}

void AceList(TMainForm& form, const std::string& name) {
  std::string text;
  if (FileExists(AceListPath(form))) {
    for (const std::string& line : ReadTextLines(AceListPath(form)))
      text += line + std::string(kCrLf);
  }
  text += name + std::string(kCrLf);
  WriteTextFile(AceListPath(form), text);
}
