#include "mission_generation/mission_assembly.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_generation/mission_build.h"
#include "mission_results/event_log_names.h"

namespace {

constexpr int kSlotsPerFlight = 4;
constexpr int kPilotsPerSquadron = 16;

bool Online(const TMainForm& form) {
  return form.Coop.Checked || form.Dogfight.Checked;
}

// The stub's take-off line: a base line without altitude and speed gets them.
std::string StubTakeOffLine(const std::string& leg) {
  const std::string line = Trim(leg);
  size_t words = 0;
  for (size_t at = 0; at < line.size();) {
    const size_t start = line.find_first_not_of(' ', at);
    if (start == std::string::npos) break;
    ++words;
    at = std::min(line.find(' ', start), line.size());
  }
  return words == 3 ? line + " 0 0" : line;
}

std::string StubMission(const TMainForm& form) {
  const SquadronEntry& player = form.SquadronTable[0];
  const std::string flight = player.SquadronName + "0";
  std::string text = "[WING]\r\n  " + flight + "\r\n";
  text += "[" + flight + "]\r\n  Planes " + IntToStr(StubPlanes(form)) + "\r\n";
  text += "  " + player.SquadronSkill + "\r\n  " + player.SquadronClass + "\r\n  " +
          player.SquadronFuel + "\r\n  weapons default\r\n";
  text += "[" + flight + "_Way]\r\n  " + StubTakeOffLine(player.SquadronTakeOffLeg) + "\r\n  " +
          player.SquadronLandingLeg + " 0 0\r\n";
  return text;
}

// The parts after the text, with room made for all of them at once: the mission text runs to
// megabytes, and growing it part by part would copy it again and again.
void AppendAll(std::string& text, std::initializer_list<std::string_view> parts) {
  size_t size = text.size();
  for (const std::string_view part : parts) size += part.size();
  text.reserve(size);
  for (const std::string_view part : parts) text += part;
}

// Applies `fix` to the text `passes` times. Each fix depends on the text alone, so once a pass
// leaves the text as it was, every later pass would too.
template <typename Fix>
void RepeatFix(std::string& text, int passes, const Fix& fix) {
  for (int pass = 0; pass < passes; ++pass) {
    std::string fixed = fix(text);
    if (fixed == text) return;
    text = std::move(fixed);
  }
}

constexpr int kUnderscorePasses = 31;

// The text as 31 replacements of its first "_" by a blank leave it: its line breaks made
// CR LF, as each replacement makes them, and its first 31 underscores turned into blanks.
std::string WithBlanksForUnderscores(const std::string& text) {
  std::string result = ReplaceTextProcedure(text, "_", " ");
  size_t at = 0;
  for (int pass = 1; pass < kUnderscorePasses; ++pass) {
    at = result.find('_', at);
    if (at == std::string::npos) break;
    result[at] = ' ';
  }
  return result;
}

}  // namespace

int PlayerRosterSlot(const TMainForm& form) {
  int slot = kPilotsPerSquadron - 1;
  for (int r = 0; r < kPilotsPerSquadron; ++r) {
    if (form.PilotRoster[RosterIndex(0, r)].RosterName == form.PlayerName) slot = r;
  }
  return slot;
}

int PlayerSeat(const TMainForm& form, const std::set<int>& slots_flown) {
  if (slots_flown.empty()) return -1;
  const int slot = PlayerRosterSlot(form);
  return slots_flown.count(slot) ? slot : *slots_flown.begin();
}

void RemovePlannerBridgeNumbers(TMainForm& form) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    squadron.SquadronBriefing = RemoveBridgeNo(form, squadron.SquadronBriefing);
    squadron.SquadronMissionType = RemoveBridgeNo(form, squadron.SquadronMissionType);
  }
  const auto remove = [&form](const std::string& text) { return RemoveBridgeNo(form, text); };
  RepeatFix(form.MissionBriefText, form.LastSquadron + 1, remove);
}

void WritePlayerLines(TMainForm& form, const MissionBuild& build) {
  int place = 0;
  if (!Online(form)) {
    ErrorLog(form, "Set up player plane slot.");
    std::set<int> seats = build.player_slots_flown;
    if (!form.ErrorWarning.empty()) {
      seats.clear();
      for (int slot = 0; slot < StubPlanes(form); ++slot) seats.insert(slot);
    }
    const int seat = PlayerSeat(form, seats);
    if (seat < 0) {
      ErrorLog(form, "The player's squadron flies no aircraft in this mission.");
    } else {
      if (seat != PlayerRosterSlot(form)) {
        ErrorLog(form, "The player's pilot has no aircraft of his own; he takes seat " +
                           IntToStr(seat) + " of his squadron.");
      }
      place = seat % kSlotsPerFlight;
      form.MissionFileText += "  player " + form.SquadronTable[0].SquadronName +
                              IntToStr(seat / kSlotsPerFlight) + "\r\n  army " +
                              form.SquadronTable[0].SquadronArmy + "\r\n";
    }
  }
  form.MissionFileText += "  playerNum " + IntToStr(place) + "\r\n";
}

int StubPlanes(const TMainForm& form) {
  return std::clamp(StrToIntDef(form.SquadronTable[0].PlanesFlight, 1), 1, kSlotsPerFlight);
}

void AssembleMission(TMainForm& form, const MissionBuild& build) {
  if (form.ErrorWarning.empty()) {
    AppendAll(form.MissionFileText,
              {build.wing_list, build.flights_text, form.ColumnChiefsText, form.ColumnRoadText,
               "[Stationary]\r\n", build.nstationary_text, form.RocketsText, form.BuildingsText,
               build.target_text, form.CamerasText, build.born_place_text, build.respawn_text,
               build.bridge_text, form.HousesText, form.FrontMarkerText});
    return;
  }
  form.MissionFileText += StubMission(form) + form.CamerasText + build.born_place_text +
                          form.RocketsText + form.BuildingsText + build.bridge_text +
                          form.HousesText;
  SquadronEntry& player = form.SquadronTable[0];
  player.SquadronBriefing = form.ErrorWarning;
  player.SquadronInfoText = form.ErrorWarning;
  form.FrontNews.clear();
  form.FrontNewsRu.clear();
  form.BriefingNewsText.clear();
}

void CleanUpBriefings(TMainForm& form) {
  std::string& briefing = form.SquadronTable[0].SquadronBriefing;
  std::string& russian = form.SquadronTable[0].SquadronInfoText;
  std::string& summary = form.MissionBriefText;
  ErrorLog(form, "Translate Special Location Names in Summary.");
  summary = TranslateLocation(form, summary, "No");
  briefing = TranslateLocation(form, briefing, "No");
  russian = TranslateLocation(form, russian, "Yes");
  ErrorLog(form, "Remove Summary's Underscore.");
  for (std::string* text : {&briefing, &summary, &russian}) *text = WithBlanksForUnderscores(*text);
  ErrorLog(form, "Remove Summary's Bridge Number.");
  const auto remove = [&form](const std::string& text) { return RemoveBridgeNo(form, text); };
  for (std::string* text : {&briefing, &summary, &russian}) RepeatFix(*text, 31, remove);
  if (form.Language == "English") {
    ErrorLog(form, "Summary's Article Fix.");
    for (std::string* text : {&briefing, &summary}) RepeatFix(*text, 21, ArticleFix);
  }
  ErrorLog(form, "Clean Up Text Complete.");
}

void MoveSquadronsToNewBases(TMainForm& form) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    if (!squadron.SquadronNewBase.empty() && squadron.SquadronMoveKind > 0) {
      squadron.SquadronHomeBase = squadron.SquadronNewBase;
    }
  }
  SaveSquadrons(form, 0);
}
