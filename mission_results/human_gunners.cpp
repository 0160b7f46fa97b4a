#include "mission_results/human_gunners.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/roster_text.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

std::string GunnerPath(const TMainForm& form) {
  return form.CampaignFolder + "gunner.tavrek";
}

// The text after the first `marker`, trimmed, up to its first blank.
std::string WordAfter(const std::string& line, const char* marker) {
  const std::string after = Trim(Copy(line, Pos(marker, line) + 1, static_cast<int>(line.size())));
  const int blank = Pos(" ", after);
  return blank == 0 ? after : Copy(after, 1, blank - 1);
}

void ReadGunnerLine(const std::string& text, GunnerEntry& gunner) {
  gunner.GunnerKills = Copy(text, 1, 3);
  gunner.GunnerGroundKills = Copy(text, 5, 3);
  gunner.GunnerSorties = Copy(text, 9, 3);
  const std::string from_name = Trim(Copy(text, 13, static_cast<int>(text.size())));
  const int at = Pos("@", from_name);
  gunner.GunnerName = RosterSafeText(Trim(at == 0 ? from_name : Copy(from_name, 1, at - 1)));
  gunner.GunnerSquadron = Pos("@", text) > 0 ? WordAfter(text, "@") : std::string();
  gunner.GunnerPhoto = Pos("#", text) > 0 ? WordAfter(text, "#") : std::string();
  const int star = Pos("*", text);
  gunner.GunnerRank = star > 0 ? Trim(Copy(text, star + 1, 1)) : std::string();
  gunner.GunnerMedalCount = star > 0 ? Trim(Copy(text, star + 2, 1)) : std::string();
  const int ampersand = Pos("&", text);
  gunner.GunnerBirthDate = ampersand > 0 ? Trim(Copy(text, ampersand + 1, 4)) : std::string();
  gunner.GunnerCity = ampersand > 0 ? Trim(Copy(text, ampersand + 5, static_cast<int>(text.size())))
                                    : std::string();
}

std::string ArmyOfSquadron(const TMainForm& form, const std::string& identifier) {
  std::string army = "0";
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    const SquadronEntry& entry = std::as_const(form.SquadronTable)[squadron];
    if (entry.SquadronName == identifier) army = entry.SquadronArmy;
  }
  return army;
}

// The sum of two counts as a roster counter; a text that is no count counts as 0.
std::string SumOfCounts(const std::string& a, const std::string& b) {
  return ThreeDigitCount(static_cast<long long>(CounterValue(a)) + CounterValue(b));
}

void MergeIntoPilot(const GunnerEntry& gunner, PilotEntry& pilot) {
  pilot.RosterKills = SumOfCounts(pilot.RosterKills, gunner.GunnerKills);
  pilot.RosterGroundKills = SumOfCounts(pilot.RosterGroundKills, gunner.GunnerGroundKills);
  pilot.RosterSorties = SumOfCounts(pilot.RosterSorties, gunner.GunnerSorties);
  pilot.RosterRank = gunner.GunnerRank;
  pilot.RosterMedalCount = gunner.GunnerMedalCount;
  pilot.RosterHomeTown = gunner.GunnerCity;
  pilot.RosterBirthDate = gunner.GunnerBirthDate;
  pilot.RosterPhoto = gunner.GunnerPhoto;
}

void RepairGunner(GunnerEntry& gunner) {
  gunner.GunnerKills = RepairedCounter(gunner.GunnerKills);
  gunner.GunnerGroundKills = RepairedCounter(gunner.GunnerGroundKills);
  gunner.GunnerSorties = RepairedCounter(gunner.GunnerSorties);
  if (Trim(gunner.GunnerCity).size() < 3) gunner.GunnerCity = "Unknown";
  if (Trim(gunner.GunnerBirthDate).size() != 4) gunner.GunnerBirthDate = "1920";
  if (Trim(gunner.GunnerRank).size() != 1) gunner.GunnerRank = "0";
  if (Trim(gunner.GunnerMedalCount).size() != 1) gunner.GunnerMedalCount = "0";
  const std::string photo = Trim(gunner.GunnerPhoto);
  if (photo.empty() || !Contains(AsciiLowerCase(photo), "dgen")) gunner.GunnerPhoto = "DGen\\Photo";
}

std::string GunnerLine(const GunnerEntry& gunner) {
  return "  " + gunner.GunnerKills + " " + gunner.GunnerGroundKills + " " + gunner.GunnerSorties +
         " " + gunner.GunnerName + " @" + gunner.GunnerSquadron + " #" + gunner.GunnerPhoto + " *" +
         gunner.GunnerRank + gunner.GunnerMedalCount + " &" + gunner.GunnerBirthDate +
         gunner.GunnerCity;
}

}  // namespace

void LoadGunner(TMainForm& form) {
  form.LastGunner = 0;
  if (!FileExists(GunnerPath(form))) return;
  const std::vector<std::string> lines = ReadTextLines(GunnerPath(form));
  for (size_t index = 1; index < lines.size(); ++index) {
    if (form.LastGunner + 1 >= kGunnerCapacity) {
      ErrorLog(form, "gunner.tavrek holds more than " + IntToStr(kGunnerCapacity - 1) +
                         " crewmen; the further lines are left out.");
      break;
    }
    GunnerEntry& gunner = form.GunnerTable[++form.LastGunner];
    gunner = GunnerEntry{};
    ReadGunnerLine(Trim(lines[index]), gunner);
    gunner.GunnerArmy = ArmyOfSquadron(form, gunner.GunnerSquadron);
  }
}

void SaveGunner(TMainForm& form) {
  for (int entry = 1; entry <= form.LastGunner; ++entry) {
    GunnerEntry& gunner = form.GunnerTable[entry];
    // A crewman without a name is no one's record.
    if (gunner.GunnerName.empty()) continue;
    for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
      for (int slot = 0; slot < 16; ++slot) {
        PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
        if (gunner.GunnerName.empty() || pilot.RosterName != gunner.GunnerName) continue;
        MergeIntoPilot(gunner, pilot);
        gunner.GunnerName.clear();
        SavePilot(form, 0);
      }
    }
  }
  std::string text = "[Human Gunners]" + std::string(kCrLf);
  for (int entry = 1; entry <= form.LastGunner; ++entry) {
    GunnerEntry& gunner = form.GunnerTable[entry];
    if (Trim(gunner.GunnerName).empty()) continue;
    RepairGunner(gunner);
    text += GunnerLine(gunner) + std::string(kCrLf);
  }
  WriteTextFile(GunnerPath(form), text);
}
