#include "mission_results/pilot_events.h"

#include <unordered_set>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/bridge_codes.h"
#include "mission_results/event_text.h"
#include "mission_results/pilot_roster.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kPilotSlots = 16;
constexpr int kArticleFixes = 31;

// Names of the pilots whose lines stay: the player's squadron, and on-line the human pilots of
// every squadron; each with a sortie flown.
std::unordered_set<std::string> PilotsKeepingLines(TMainForm& form) {
  const bool online = form.Coop.Checked || form.Dogfight.Checked;
  std::unordered_set<std::string> names;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < kPilotSlots; ++slot) {
      const PilotEntry& pilot = form.PilotRoster[RosterIndex(s, slot)];
      if (pilot.RosterName.empty()) continue;
      if (s != 0 && !(online && pilot.RosterMarker == "^")) continue;
      if (StrToIntDef(Trim(pilot.RosterSorties), 0) > 0) names.insert(pilot.RosterName);
    }
  }
  return names;
}

class BridgeSection {
 public:
  explicit BridgeSection(TMainForm& form) {
    const std::string path = form.ProgramFolder + "Data\\bridges.tavrek";
    if (FileExists(path)) {
      reference_ = MapBridgeReference(ReadTextLines(path), form.MapName, form.MapLoadPath);
    }
  }
  // Lists the bridge once in the mission's bridge section.
  void Add(const std::string& code, std::string& section) {
    if (!listed_.insert(code).second) return;
    const std::string line = reference_.LineFor(code);
    section += "  " + (line.empty() ? code + " 10" : line) + std::string(kCrLf);
  }

 private:
  BridgeReference reference_;
  std::unordered_set<std::string> listed_;
};

// A bridge line counted down; false when the bridge is repaired or the line is unreadable.
bool CountBridgeDown(TMainForm& form, std::string& line, std::string& code) {
  const size_t open = line.find("<~");
  if (open == std::string::npos || open + 5 > line.size() || line.compare(open + 3, 2, "~>") != 0) {
    ErrorLog(form, "Events line of no readable repair count dropped: " + line);
    return false;
  }
  char& count = line[open + 2];
  if (count < '0' || count > '9') count = '1';
  if (count == '0') return false;
  --count;
  const std::string number = Trim(TextAfter(CutBefore(line, " - "), "Bridge"));
  const int bridge = StrToIntDef(number, -1);
  if (bridge < 0 || number.empty()) {
    ErrorLog(form, "Events line of no bridge number dropped: " + line);
    return false;
  }
  code = BridgeCode(bridge);
  return true;
}

}  // namespace

void WriteEventsLog(TMainForm& form, RosterFiles roster_files) {
  const std::string path = form.CampaignFolder + "events.dat";
  const std::string& joined = form.Messages.Text(MessageSection::kEvents, 14);
  const std::string& bailed = form.Messages.Text(MessageSection::kEvents, 11);
  const std::string& killed = form.Messages.Text(MessageSection::kEvents, 6);
  const std::string& captured = form.Messages.Text(MessageSection::kEvents, 7);
  const auto holds = [](const std::string& line, const std::string& text) {
    return !text.empty() && Contains(line, text);
  };

  std::string text;
  std::unordered_set<std::string> written;
  std::unordered_set<std::string> pilots_with_lines;
  form.DestroyedBridgeText.clear();
  if (FileExists(path)) {
    const std::unordered_set<std::string> keeping = PilotsKeepingLines(form);
    BridgeSection bridges(form);
    for (std::string line : ReadTextLines(path)) {
      if ((holds(line, joined) || holds(line, bailed)) && written.count(line) != 0) continue;
      const std::string pilot = Trim(TextBefore(line, " - "));
      if (!line.empty() && keeping.count(pilot) != 0 && !Contains(line, "Bridge") &&
          !holds(line, killed) && !holds(line, captured)) {
        written.insert(line);
        pilots_with_lines.insert(pilot);
        text += line + std::string(kCrLf);
      } else if (Contains(line, "Bridge") && Contains(line, "<~") && Contains(line, "~>")) {
        std::string code;
        if (!CountBridgeDown(form, line, code)) continue;
        text += line + std::string(kCrLf);
        bridges.Add(code, form.DestroyedBridgeText);
      }
    }
  }

  if (!form.Coop.Checked && !form.Dogfight.Checked) {
    for (int slot = 0; slot < kPilotSlots; ++slot) {
      PilotEntry& pilot = form.PilotRoster[RosterIndex(0, slot)];
      if (StrToIntDef(Trim(pilot.RosterSorties), -1) != 0) continue;
      pilot.RosterSorties = "001";
      if (!pilot.RosterName.empty() && pilots_with_lines.count(pilot.RosterName) == 0 &&
          form.NewCampaignFlag == "N") {
        text += pilot.RosterName + " - EVENT: " + form.CampaignDateText + ": " + joined +
                std::string(kCrLf);
      }
    }
  }
  if (!Trim(form.Events.Caption).empty()) text += form.Events.Caption;
  if (form.Language == "English") {
    text = FixRepeatedly(std::move(text), kArticleFixes, ArticleFix);
  }
  WriteTextFile(path, text);
  // The new pilots' first sortie is kept. The roster is not read back here: the mission builder
  // calls this in the middle of its work on the roster in memory, and the results pass reads
  // the roster back itself right after.
  SavePilot(form, 0, roster_files);
  ErrorLog(form, "Events Log Written.");
}
