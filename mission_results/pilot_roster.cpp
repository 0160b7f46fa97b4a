#include "mission_results/pilot_roster.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_setup/nose_art.h"
#include "campaign_setup/paints.h"
#include "mission_results/bomber_crew.h"
#include "mission_results/event_log_names.h"
#include "mission_results/name_lists.h"
#include "mission_results/new_pilots.h"
#include "mission_results/player_name.h"
#include "mission_results/roster_save.h"
#include "mission_results/roster_text.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/folder_cache.h"
#include "platform/text_file.h"

namespace {

constexpr char kRosterFile[] = "pilot.tavrek";

// Sixteen new pilots for every squadron, ranked by their slots. A new pilot's record draws his
// name once more, so his name is checked again after it.
void BuildRoster(TMainForm& form) {
  // Every new pilot's portrait is looked for in the game folder: its folders are listed once.
  const FolderCacheScope known_folders(form.Folders);
  std::string text;
  RosterNameIndex names(form);
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    text.append("[").append(form.SquadronTable[squadron].SquadronName).append("]").append(kCrLf);
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
      std::string before = pilot.RosterName;
      PilotName(form, squadron, slot);
      names.Rename(before, pilot.RosterName);
      PilotNameCheck(form, squadron, slot, names);
      before = pilot.RosterName;
      NewPilotStats(form, squadron, slot);
      names.Rename(before, pilot.RosterName);
      PilotNameCheck(form, squadron, slot, names);
      pilot.RosterRank = StartRank(form, squadron, slot);
      pilot.RosterBirthDate = GetBirthDate(form, squadron, slot);
      AppendPilotLine(text, pilot);
      text += kCrLf;
    }
  }
  WriteTextFile(RosterFilePath(form), text);
  ErrorLog(form, "New pilot roster written for " + IntToStr(form.LastSquadron + 1) + " squadrons.");
}

// What the reader found wrong with the file's layout, each reported once.
class RosterReport {
 public:
  explicit RosterReport(TMainForm& form) : form_(form) {}
  void LineBeforeSections(int line_number) {
    Log("line " + IntToStr(line_number) + " lies before the first squadron's section");
  }
  void ExtraSection(int line_number) {
    if (extra_sections_reported_) return;
    extra_sections_reported_ = true;
    Log("more sections than the campaign's " + IntToStr(form_.LastSquadron + 1) +
        " squadrons from line " + IntToStr(line_number) + " on; they are left out");
  }
  void ExtraPilot(int squadron, int line_number) {
    if (squadron == extra_pilots_reported_for_) return;
    extra_pilots_reported_for_ = squadron;
    Log("the section of " + SquadronName(squadron) + " holds more than 16 pilots from line " +
        IntToStr(line_number) + " on; they are left out");
  }
  void IncompleteLine(int line_number, std::string_view line) {
    Log("line " + IntToStr(line_number) + " is no complete pilot line: \"" + std::string(line) +
        "\"");
  }
  void ShortSection(int squadron, int pilots) {
    Log("the section of " + SquadronName(squadron) + " holds " + IntToStr(pilots) +
        " pilots; the other slots keep the pilots they held");
  }
  void MissingSections(int sections) {
    Log("sections for " + IntToStr(sections) + " of the campaign's " +
        IntToStr(form_.LastSquadron + 1) + " squadrons");
  }

 private:
  std::string SquadronName(int squadron) const {
    return form_.SquadronTable[squadron].SquadronName;
  }
  void Log(const std::string& what) {
    ErrorLog(form_, std::string(kRosterFile) + ": " + what + ".");
  }

  TMainForm& form_;
  bool extra_sections_reported_ = false;
  int extra_pilots_reported_for_ = -1;
};

void ReadRoster(TMainForm& form, const TextLines& lines) {
  RosterReport report(form);
  int squadron = -1;
  int slot = -1;
  const auto end_section = [&] {
    if (squadron >= 0 && squadron <= form.LastSquadron && slot < 15) {
      report.ShortSection(squadron, slot + 1);
    }
  };
  for (size_t index = 0; index < lines.size(); ++index) {
    const std::string_view line = lines[index];
    const int line_number = static_cast<int>(index) + 1;
    if (IsSectionHeader(line)) {
      end_section();
      ++squadron;
      slot = -1;
      continue;
    }
    ++slot;
    if (squadron < 0) {
      report.LineBeforeSections(line_number);
      continue;
    }
    if (squadron > form.LastSquadron) {
      report.ExtraSection(line_number);
      continue;
    }
    if (slot > 15) {
      report.ExtraPilot(squadron, line_number);
      continue;
    }
    if (!IsCompletePilotLine(line)) report.IncompleteLine(line_number, line);
    PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
    ReadPilotLine(line, pilot);
    // The fixed name holds none of the roster's marker characters.
    FixPilotNameInPlace(form, pilot.RosterName);
    MakeRosterSafe(pilot.RosterHomeTown);
  }
  end_section();
  if (squadron < form.LastSquadron) report.MissingSections(std::max(squadron + 1, 0));
}

// A pilot lost in the last mission makes way for a new one, a rank below him.
// The roster's names are indexed once, at the first loss, and the index follows each new
// pilot's name.
void ReplaceLostPilots(TMainForm& form) {
  std::optional<RosterNameIndex> names;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
      if (pilot.RosterMarker != "d") continue;
      const std::string lost_name = pilot.RosterName;
      int rank = StrToIntDef(Trim(pilot.RosterRank), -1);
      if (rank < 0) {
        ErrorLog(form, "The lost pilot " + pilot.RosterName + " has the rank code \"" +
                           pilot.RosterRank + "\"; his successor starts at rank 0.");
        rank = 0;
      }
      pilot.RosterRank = IntToStr(std::max(rank - 1, 0));
      NewPilotStats(form, squadron, slot);
      if (names) {
        names->Rename(lost_name, pilot.RosterName);
      } else {
        names.emplace(form);
      }
      PilotNameCheck(form, squadron, slot, *names);
    }
  }
}

// "last,first,town,birth" and its line end.
std::string StatusLineOf(const PilotEntry& pilot) {
  return LastNameOf(pilot.RosterName) + "," + FirstNameOf(pilot.RosterName) + "," +
         pilot.RosterHomeTown + "," + pilot.RosterBirthDate + std::string(kCrLf);
}

// The player takes slot 15 of his squadron with a career of his own.
void SeatNewPlayer(TMainForm& form, const std::string& name) {
  PilotEntry& player = form.PilotRoster[RosterIndex(0, 15)];
  if (form.PlayerRankIndex > -1) player.RosterRank = IntToStr(form.PlayerRankIndex);
  player.RosterName = name;
  player.RosterMarker = "^";
  player.RosterKills = "000";
  player.RosterSorties = "000";
  player.RosterGroundKills = "000";
  player.RosterMedalCount = "0";
  player.RosterPhoto = "DGen\\Photo";
  player.RosterNoseArt.clear();
  player.RosterSkin = form.SquadronTable[0].SquadronMarkings + form.SquadronTable[0].SquadronSkin;
  player.RosterBirthDate = "1920";
  player.RosterHomeTown = "Unknown";
  // The senior ranks of a squadron are held once: the player's rank leaves the others.
  const std::string& rank = player.RosterRank;
  if (rank != "6" && rank != "5" && rank != "4") return;
  for (int slot = 0; slot < 15; ++slot) {
    PilotEntry& other = form.PilotRoster[RosterIndex(0, slot)];
    if (other.RosterRank == rank) other.RosterRank = "0";
  }
}

void SeatPlayer(TMainForm& form) {
  if (form.Coop.Checked || form.Dogfight.Checked || form.LastSquadron < 0) return;
  // Without the game's user list the player is the one the roster holds as such; a name taken
  // before the roster was read would be empty in a fresh run.
  if (form.PlayerName.empty()) form.PlayerName = RosterPlayerName(form);
  const std::string name = Trim(form.PlayerName);
  int player_slot = -1;
  if (!form.PlayerName.empty()) {
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = form.PilotRoster[RosterIndex(0, slot)];
      if (pilot.RosterName != name) continue;
      pilot.RosterMarker = "^";
      if (form.PlayerRankIndex > -1) pilot.RosterRank = IntToStr(form.PlayerRankIndex);
      form.PlayerStatusLine = StatusLineOf(pilot);
      player_slot = slot;
    }
  }
  if (player_slot < 0) {
    SeatNewPlayer(form, name);
    player_slot = 15;
  }
  if (form.PlayerStatusLine.empty()) return;
  // The home town and birth year of the game's career file, or of the player's last seat.
  std::vector<std::string> fields;
  std::string field;
  for (const char c : form.PlayerStatusLine) {
    if (c == ',') {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(field);
  if (fields.size() < 4) return;
  PilotEntry& player = form.PilotRoster[RosterIndex(0, player_slot)];
  player.RosterHomeTown = RosterSafeText(Trim(Copy(fields[2], 1, 99)));
  player.RosterBirthDate = Trim(Copy(fields[3], 1, 99));
}

}  // namespace

void LoadPilots(TMainForm& form) {
  PlayerNameCheck(form);
  if (!FileExists(RosterFilePath(form))) BuildRoster(form);
  if (!FileExists(RosterFilePath(form))) {
    ErrorLog(form, "No pilot.tavrek found.");
    throw ProgramError("No pilot.tavrek found." + std::string(kCrLf));
  }
  ReadRoster(form, ReadTextLineViews(RosterFilePath(form)));
  LoadPaints(form);
  LoadNoseArt(form);
  ReplaceLostPilots(form);
  SeatPlayer(form);
  LoadCrewSeats(form);
  if (!FileExists(form.CampaignFolder + "crew.tavrek")) CreateCrew(form);
  LoadCrew(form);
}

void RepairSquadronPilots(TMainForm& form, int squadron) {
  if (form.SquadronTable[squadron].SquadronName.empty()) return;
  for (int slot = 0; slot < 16; ++slot) RepairPilot(form, squadron, slot);
  for (int slot = 0; slot < 16; ++slot) NoseArtCheck(form, squadron, slot);
}

void SavePilot(TMainForm& form, int mode, RosterFiles files) {
  RosterSave save(form, files);
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron)
    save.AddSquadron(form, squadron);
  save.Write(form, mode);
}
