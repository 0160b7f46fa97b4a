#include "mission_results/player_name.h"

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "mission_results/event_log_names.h"
#include "mission_results/name_lists.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/roster_text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// The text after the first blank (all of it without a blank), at most 99 characters, trimmed.
std::string AfterFirstBlank(const std::string& text) {
  return Trim(Copy(text, Pos(" ", text) + 1, 99));
}

// The number of the current user: the line after the last "[current]"; -1 when there is none
// or that line holds no number.
int CurrentUser(TMainForm& form, const std::vector<std::string>& lines) {
  int user = -1;
  for (size_t index = 0; index < lines.size(); ++index) {
    if (lines[index] != "[current]") continue;
    const std::string number = index + 1 < lines.size() ? Trim(lines[index + 1]) : std::string();
    user = StrToIntDef(number, -1);
    if (user < 0) {
      ErrorLog(form, "Users\\all.ini: the current user \"" + number +
                         "\" is no user number; no current user is taken.");
    }
  }
  return user;
}

// A user line of the game's list: its second word, then its words from the fourth on.
std::string NameOfUserLine(const std::string& user_line) {
  std::string line = Trim(user_line);
  const std::string after_first = AfterFirstBlank(line);
  const int blank = Pos(" ", after_first);
  const std::string first = blank == 0 ? std::string() : Trim(Copy(after_first, 1, blank - 1));
  for (int word = 0; word < 3; ++word) line = AfterFirstBlank(line);
  return Trim(first + " " + line);
}

bool IsPlayersPilot(TMainForm& form, int squadron, int slot) {
  return squadron == 0 &&
         form.PilotRoster[RosterIndex(squadron, slot)].RosterName == form.PlayerName;
}

}  // namespace

std::string RosterPlayerName(const TMainForm& form) {
  const PilotRosterType& roster = form.PilotRoster;
  if (!form.Coop.Checked && !form.Dogfight.Checked) {
    for (int slot = 15; slot >= 0; --slot) {
      if (roster[RosterIndex(0, slot)].RosterMarker == "^")
        return roster[RosterIndex(0, slot)].RosterName;
    }
  }
  return roster[RosterIndex(0, 15)].RosterName;
}

void PlayerNameCheck(TMainForm& form) {
  form.PlayerName = RosterPlayerName(form);
  const std::string path = form.GameFolder + "Users\\all.ini";
  if (form.Coop.Checked || form.Dogfight.Checked || !FileExists(path)) return;
  const std::vector<std::string> lines = ReadTextLines(path);
  const int user = CurrentUser(form, lines);
  // User lines are numbered from 0 after the file's first line.
  if (user < 0 || static_cast<size_t>(user) + 1 >= lines.size()) return;
  const std::string name = NameOfUserLine(lines[user + 1]);
  form.PlayerName = RosterSafeText(FixPilotName(form, name));
}

void QuickNameChange(TMainForm& form) {
  const int squadron = form.SquadBox.ItemIndex();
  const int slot = form.PilotListBox.ItemIndex;
  if (squadron < 0 || slot < 0 || slot > 15) return;
  PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
  if (IsPlayersPilot(form, squadron, slot)) {
    form.Platform.DialogService().MessageBox("Can't change player name.", form.Application.Title,
                                             MessageButtons::kOk);
    form.NameEdit.Text = pilot.RosterName;
    return;
  }
  if (const PilotNation* nation = PilotNationOf(form.SquadronTable[squadron].SquadronNation)) {
    const std::string name = DrawPilotName(form, *nation);
    pilot.RosterHomeTown = PilotCity(form, nation->town_row);
    pilot.RosterPhoto = std::string(nation->portrait_folder) + ZeroPad(form.Random(31), 2);
    pilot.RosterName = name;
  }
  pilot.RosterMarker = " ";
  PilotNameCheck(form, squadron, slot);
  SavePilot(form, 0);
  form.InfoLabel.Caption = "Pilot's Name Changed";
  form.NameEdit.Text = pilot.RosterName;
}

void TrackPlayerRanksClick(TMainForm& form) {
  form.TrackPlayerRanks.SetChecked(!form.TrackPlayerRanks.Checked);
  WriteIni(form);
  if (form.LastSquadron < 0) return;  // no campaign loaded: nothing to re-mark
  // What the pilot editor changed is kept before the roster is read again.
  SavePilot(form, 0);
  LoadPilots(form);
  const bool tracked = form.TrackPlayerRanks.Checked;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
      if (!tracked && pilot.RosterMarker == "^") {
        pilot.RosterRank = "9";
      } else if (pilot.RosterRank == "9") {
        pilot.RosterRank = "0";
      }
    }
  }
  SavePilot(form, 0);
}
