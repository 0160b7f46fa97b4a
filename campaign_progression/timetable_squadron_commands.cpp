#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/squadron_names.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/campaign_data_folder.h"
#include "campaign_progression/timetable_command_set.h"
#include "campaign_setup/career_files.h"
#include "campaign_setup/coop_campaign.h"
#include "campaign_setup/paints.h"
#include "campaign_setup/squadron_list_changes.h"
#include "mission_results/pilot_roster.h"
#include "platform/ascii.h"
#include "platform/file_system.h"

namespace {

constexpr int kPilotSlots = 16;
constexpr int kNewsRenamedLine = 27;
constexpr int kMostPlanes = 999;

// The squadrons the line names, in table order.
std::vector<int> NamedSquadrons(const TMainForm& form, const std::string& line) {
  std::vector<int> named;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    if (NamesWord(line, form.SquadronTable[s].SquadronName)) named.push_back(s);
  }
  return named;
}

void DressPilots(TMainForm& form, int s) {
  const SquadronEntry& squadron = form.SquadronTable[s];
  for (int slot = 0; slot < kPilotSlots; ++slot) {
    form.PilotRoster[RosterIndex(s, slot)].RosterSkin =
        squadron.SquadronMarkings + squadron.SquadronSkin;
  }
}

bool KnownType(const TMainForm& form, const std::string& type_id) {
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    if (form.AircraftClassTable[i].ClassName == type_id) return true;
  }
  return false;
}

// Sets a squadron field from the line's value for every squadron the line names, saving after
// each.
template <typename Set>
void ForNamedSquadrons(TMainForm& form, const TimetableLine& line, Set set) {
  for (const int s : NamedSquadrons(form, line.text)) {
    set(form.SquadronTable[s]);
    SaveSquadrons(form, 0);
  }
}

std::string PlanesValue(const TimetableLine& line) {
  return IntToStr(WholeNumberValue(LineValue(line.text), 0, kMostPlanes));
}

}  // namespace

void AddSquadCommand(TMainForm& form, TimetableLine& line) {
  if (!NamedSquadrons(form, line.text).empty()) {
    line.text.clear();
    return;
  }
  const std::string name = TextAfter(line.text, "AddSquad");
  if (name.empty()) throw BadTimetableValue("no squadron named");
  AddNewSquadron(form, name);
}

void NameSquadCommand(TMainForm& form, TimetableLine& line) {
  for (const int s : NamedSquadrons(form, line.text)) {
    SquadronEntry& squadron = form.SquadronTable[s];
    const std::string old_name = squadron.SquadronName;
    const std::string new_name = TextAfter(line.text, old_name);
    if (new_name.empty() || Contains(new_name, " ")) {
      throw BadTimetableValue("\"" + new_name + "\" is no squadron identifier");
    }
    UpdateNGenConf(form, s, old_name, new_name, "Rename");
    squadron.SquadronName = new_name;
    GetFullName(form, s);
    SaveSquadrons(form, 0);
    if (s != 0) continue;
    form.BriefingNewsText +=
        " " +
        ReplaceTextProcedure(form.Messages.Text(MessageSection::kNews, kNewsRenamedLine), "<SQUAD>",
                             squadron.SquadronFullName) +
        "\r\n";
    UpdateConfDat(form);
  }
}

void NewPlaneCommand(TMainForm& form, TimetableLine& line) {
  for (const int s : NamedSquadrons(form, line.text)) {
    SquadronEntry& squadron = form.SquadronTable[s];
    const std::string type_id = TextAfter(line.text, squadron.SquadronName);
    if (!KnownType(form, type_id)) {
      throw BadTimetableValue("no aircraft type \"" + type_id + "\" in class.tavrek");
    }
    squadron.SquadronClass = "Class air." + type_id;
    squadron.SquadronBaseClass = squadron.SquadronClass;
    GetSquadronInfo(form, s);
    squadron.SquadronSkin = "default.bmp";
    squadron.SquadronMarkings = "1";
    ApplySingleUniversalPaint(form, s);
    DressPilots(form, s);
    SaveSquadrons(form, 0);
    SavePilot(form, 0);
    LoadSquadrons(form);
  }
}

void FlightSizeCommand(TMainForm& form, TimetableLine& line) {
  const int size = WholeNumberValue(LineValue(line.text), 1, 16);
  ForNamedSquadrons(form, line, [size](SquadronEntry& squadron) { squadron.PlanesExtra = size; });
}

void SetSkillCommand(TMainForm& form, TimetableLine& line) {
  std::string skill = "Skill " + LineValue(line.text, 10);
  if (skill != "Skill 0" && skill != "Skill 1" && skill != "Skill 2" && skill != "Skill 3") {
    ErrorLog(form, "Bad data in SetSkill command, \"Skill 0\" is used: " + line.text);
    skill = "Skill 0";
  }
  ForNamedSquadrons(form, line,
                    [&skill](SquadronEntry& squadron) { squadron.SquadronSkill = skill; });
}

void MaxPlanesCommand(TMainForm& form, TimetableLine& line) {
  const std::string planes = PlanesValue(line);
  ForNamedSquadrons(form, line, [&](SquadronEntry& squadron) { squadron.PlanesMax = planes; });
}

void MinPlanesCommand(TMainForm& form, TimetableLine& line) {
  const std::string planes = PlanesValue(line);
  ForNamedSquadrons(form, line, [&](SquadronEntry& squadron) { squadron.PlanesLost = planes; });
}

void ActivePlanesCommand(TMainForm& form, TimetableLine& line) {
  const std::string planes = PlanesValue(line);
  ForNamedSquadrons(form, line, [&](SquadronEntry& squadron) {
    squadron.PlanesFlight = planes;
    squadron.PlanesAvailable = planes;
  });
}

void AlwaysActiveCommand(TMainForm& form, TimetableLine& line) {
  for (const int s : NamedSquadrons(form, line.text)) {
    SquadronEntry& squadron = form.SquadronTable[s];
    if (Contains(line.text, " True")) {
      squadron.SquadronActive = "Active True ";
      SaveSquadrons(form, 0);
    }
    if (Contains(line.text, " False")) {
      squadron.SquadronActive = "Active False";
      SaveSquadrons(form, 0);
    }
  }
}

// Every squadron named goes; the table closes its gaps once, after all of them are marked.
void RemoveSquadCommand(TMainForm& form, TimetableLine& line) {
  bool removed = false;
  for (const int s : NamedSquadrons(form, line.text)) {
    if (s == 0) continue;  // the player's squadron stays
    SquadDelete(form, s);
    removed = true;
  }
  if (removed) SquadCleanUp(form);
}

void MoveSquadCommand(TMainForm& form, TimetableLine& line) {
  for (const int s : NamedSquadrons(form, line.text)) {
    SquadronEntry& squadron = form.SquadronTable[s];
    const std::string base = TextAfter(line.text, squadron.SquadronName);
    if (base.empty()) throw BadTimetableValue("no base named");
    squadron.SquadronHomeBase = base;
    SaveSquadrons(form, 0);
  }
}

void SetPaintCommand(TMainForm& form, TimetableLine& line) {
  const std::string& text = line.text;
  const std::string lower = AsciiLowerCase(text);
  const size_t keyword = lower.find("setpaint");
  if (keyword == std::string::npos) return;
  std::string identifier = text.substr(keyword + 8);
  identifier = Trim(identifier.substr(0, identifier.find('=')));
  const std::string value = LineValue(text, 999);
  const std::string markings = value.substr(0, 1);
  if (markings != "0" && markings != "1") return;
  const std::string skin = Trim(value.substr(1));
  if (skin.empty()) return;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    if (squadron.SquadronName.empty() || squadron.SquadronName != identifier) continue;
    const std::string folder = ReplaceTextProcedure(squadron.TypeGameName, "/", "_");
    if (!FileExists(form.GameFolder + "PaintSchemes\\Skins\\" + folder + "\\" + skin)) continue;
    squadron.SquadronSkin = skin;
    squadron.SquadronMarkings = markings;
    DressPilots(form, s);
    SaveSquadrons(form, 0);
    SavePilot(form, 0);
  }
}

void RadioOnCommand(TMainForm& form, TimetableLine& line) {
  ForNamedSquadrons(form, line, [](SquadronEntry& squadron) { squadron.SquadronRadio = "Radio"; });
}

void RadioOffCommand(TMainForm& form, TimetableLine& line) {
  ForNamedSquadrons(form, line,
                    [](SquadronEntry& squadron) { squadron.SquadronRadio = "NoRadio"; });
}

void SetFuelCommand(TMainForm& form, TimetableLine& line) {
  const std::string fuel = "Fuel " + IntToStr(WholeNumberValue(LineValue(line.text), 0, 100));
  ForNamedSquadrons(form, line, [&fuel](SquadronEntry& squadron) { squadron.SquadronFuel = fuel; });
}

void NewPayloadCommand(TMainForm& form, TimetableLine& line) {
  const std::string value = LineValue(line.text, 999);
  if (value.empty()) throw BadTimetableValue("no loadout after \"=\"");
  bool changed = false;
  const auto set = [&](const char* field_word, std::string& payload) {
    if (!Contains(line.text, field_word) || payload == value) return;
    payload = value;
    changed = true;
  };
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    AircraftClassEntry& type = form.AircraftClassTable[i];
    if (!NamesWordAtEnd(line.text, type.ClassName)) continue;
    set("GAWeapon", type.Payload2);
    set("LBWeapon", type.Payload4);
    set("AAWeapon", type.Payload3);
    set("ASWeapon", type.Payload6);
    set("Droptank", type.Payload5);
  }
  // The line applies at every run from its date on; the file changes only the first time.
  if (!changed) return;
  UseOwnCampaignDataFolder(form, {"class.tavrek", "payloads.tavrek"});
  SavePayloads(form);
}

void BanPayloadCommand(TMainForm& form, TimetableLine& line) {
  const std::string banned = ", " + LineValue(line.text, 999);
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    AircraftClassEntry& type = form.AircraftClassTable[i];
    if (NamesWordAtEnd(line.text, type.ClassName)) type.BannedPayload = banned;
  }
}
