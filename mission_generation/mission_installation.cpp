#include "mission_generation/mission_installation.h"

#include <map>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_setup/career_files.h"
#include "mission_generation/pass_guard.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kCareerListEntries = 501;

std::string MissionFileName() {
  return std::string(kMissionBaseName) + ".mis";
}

// The list entry the game's own generator ends a career with.
bool IsEndMissionEntry(const std::string& line) {
  const std::string entry = Trim(line);
  return EqualsIgnoreCase(entry, "end") || EqualsIgnoreCase(entry, "end.mis");
}

std::string Lower(const std::string& text) {
  return AsciiLowerCase(text);
}

// "\" and "/" alike, for the tests on folder names.
std::string BackslashPath(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

void CreateFolder(const std::string& folder) {
  if (!DirectoryExists(folder)) CreateDir(folder);
}

// Writes one game-side file whole, under the pass guard. A missing folder is named, so that
// a game folder without its career folders gives a clear error.
void WriteGameFile(TMainForm& form, PassGuard& guard, const std::string& path,
                   const std::string& text) {
  const std::string folder = ExtractFilePath(path);
  if (!folder.empty() && !DirectoryExists(folder)) {
    throw FileError("The folder " + folder + " does not exist, so " + ExtractFileName(path) +
                    " cannot be written there.");
  }
  guard.CoverFile(path);
  WriteTextFile(path, text);
  ErrorLog(form, "Written: " + path);
}

std::vector<std::string> LinesIfPresent(const std::string& path) {
  return FileExists(path) ? ReadTextLines(path) : std::vector<std::string>{};
}

struct InstallationNames {
  std::string dated;   // D + T: the date key after this pass's advance and the mission count
  std::string nation;  // the player's nation as the game's folders name it
  bool last_pass = false;
};

void WriteCareerLists(TMainForm& form, PassGuard& guard) {
  const std::string path = form.GameCampaignFolder + "campaign.ini";
  if (!form.AutoGeneration.Checked && !form.Coop.Checked && !form.Dogfight.Checked) {
    WriteGameFile(form, guard, path,
                  CareerListText("", form.PlayerSideWord, form.PlayerNationWord));
    SetUpCampIni(form);
  }
  if (form.AutoGeneration.Checked && !form.DGENBoot.Checked) {
    WriteGameFile(form, guard, path,
                  CareerListText("ExecGenerator " + form.ProgramFolder + "tavrek.exe",
                                 form.PlayerSideWord, form.PlayerNationWord));
    SetUpCampIni(form);
  }
}

void WriteGeneratorCareerList(TMainForm& form, PassGuard& guard, const InstallationNames& names) {
  const std::string path = form.GameCampaignFolder + "campaign.ini";
  if (!FileExists(path)) SetUpCampIni(form);
  const bool lists_new_mission = form.DayStep > 0 && form.CampaignEnded != "Y";
  WriteGameFile(
      form, guard, path,
      GeneratorCareerListText(LinesIfPresent(path), lists_new_mission ? names.dated + ".mis" : ""));
}

void WriteCoopConfDat(TMainForm& form, PassGuard& guard, const InstallationNames& names) {
  const std::string path = form.GameCampaignFolder + "conf.dat";
  if (!FileExists(path)) return;
  WriteGameFile(
      form, guard, path,
      CoopConfDatText(ReadTextLines(path), form.DayStep != 0 ? names.dated + ".mis" : ""));
}

void WriteMissionPair(TMainForm& form, PassGuard& guard,
                      const std::string& path_without_extension) {
  WriteGameFile(form, guard, path_without_extension + ".mis", form.MissionFileText);
  WriteGameFile(form, guard, path_without_extension + ".properties",
                form.SquadronTable[0].SquadronBriefing);
}

void SetMissionPaths(TMainForm& form, const std::string& path_without_extension) {
  form.MissionPath = path_without_extension + ".mis";
  form.MissionPropertiesPath = path_without_extension + ".properties";
}

// The copies a player finds in the game's single missions and in the campaign folder.
void WriteMissionCopies(TMainForm& form, PassGuard& guard, const InstallationNames& names) {
  const std::string single = form.GameFolder + "Missions\\Single\\" + names.nation;
  CreateFolder(single);
  CreateFolder(single + "\\Tavrek");
  WriteMissionPair(form, guard, single + "\\Tavrek\\" + form.MapName + names.dated);
  const std::string campaign =
      form.GameFolder + "Missions\\Campaign\\" + names.nation + "\\Tavrek\\";
  CreateFolder(campaign);
  WriteMissionPair(form, guard, campaign + names.dated);
  SetMissionPaths(form, campaign + kMissionBaseName);
}

std::string DogfightBaseName(TMainForm& form, const InstallationNames& names) {
  std::string name = form.DogfightMissionName;
  if (!name.empty() && !IsPlainMissionName(name)) {
    ErrorLog(form, "The mission name \"" + name +
                       "\" from the dogfight-server tool names no file of the dogfight folder; "
                       "the mission keeps its own name.");
    name.clear();
  }
  if (!name.empty()) return name;
  if (form.CopyMission.Checked) return form.MapName + names.dated;
  return kMissionBaseName;
}

void InstallDogfightMission(TMainForm& form, PassGuard& guard, const InstallationNames& names) {
  const std::string base = DogfightBaseName(form, names);
  form.MissionBriefText = "Dogfight Mission Generated.";
  const std::string folder = form.GameFolder + "Missions\\Net\\dogfight\\Tavrek\\";
  CreateFolder(folder);
  SetMissionPaths(form, folder + base);
  WriteGameFile(form, guard, folder + base + "_ru.properties",
                form.SquadronTable[0].SquadronInfoText);
  WriteGameFile(form, guard, form.ProgramFolder + "missions.txt",
                "dogfight\\Tavrek\\" + base + ".mis");
  // Every pass installs the mission under the tool's name; the last one's is the one flown.
  if (names.last_pass) form.DogfightMissionName.clear();
  if (form.SCUseBox.Text == "Yes" && form.ServerActive == "True") {
    WriteGameFile(form, guard, ServerSettingsPath(form.MissionPath), ServerSettingsText(form));
  }
}

void InstallSteps(TMainForm& form, PassGuard& guard, const InstallationNames& names) {
  const bool generator_replaced = form.AutoGeneration.Checked && form.DGENBoot.Checked;
  const bool coop_generator_replaced = form.Coop.Checked && form.NGenBoot.Checked;
  WriteCareerLists(form, guard);
  if (!form.Dogfight.Checked) {
    if (generator_replaced && names.last_pass) WriteGeneratorCareerList(form, guard, names);
    if (coop_generator_replaced && names.last_pass &&
        Contains(Lower(BackslashPath(form.GameCampaignFolder)), "missions\\net\\ngen")) {
      WriteCoopConfDat(form, guard, names);
    }
    if ((coop_generator_replaced || form.AutoGeneration.Checked) && names.last_pass) {
      WriteMissionPair(form, guard, form.GameCampaignFolder + names.dated);
    }
  }
  if (form.CopyMission.Checked && !generator_replaced && !form.Coop.Checked &&
      !form.Dogfight.Checked && names.last_pass) {
    WriteMissionCopies(form, guard, names);
  }
  if (form.Dogfight.Checked) InstallDogfightMission(form, guard, names);
  if (form.Coop.Checked && form.CopyMission.Checked && !form.NGenBoot.Checked) {
    const std::string folder = form.GameFolder + "Missions\\Net\\coop\\Tavrek\\";
    CreateFolder(folder);
    SetMissionPaths(form, folder + form.MapName + names.dated);
  }
  WriteGameFile(form, guard, form.MissionPath, form.MissionFileText);
  WriteGameFile(form, guard, form.MissionPropertiesPath, form.SquadronTable[0].SquadronBriefing);
  ErrorLog(form, "Mission installed: " + form.MissionPath);
}

}  // namespace

std::string CareerListText(const std::string& generator_line, const std::string& side_word,
                           const std::string& nation_word) {
  std::vector<std::string> lines{"[Main]"};
  if (!generator_line.empty()) lines.push_back(generator_line);
  lines.push_back("Class il2.game.campaign.Campaign" + side_word);
  lines.push_back("awardsClass il2.game.campaign.Awards" + nation_word + "fighter");
  lines.emplace_back();
  lines.emplace_back("[list]");
  lines.insert(lines.end(), kCareerListEntries, MissionFileName());
  return JoinLinesCrLf(lines);
}

std::string GeneratorCareerListText(const std::vector<std::string>& lines,
                                    const std::string& dated_mission) {
  std::string text;
  for (const std::string& line : lines) {
    if (IsEndMissionEntry(line) || EqualsIgnoreCase(Trim(line), MissionFileName())) continue;
    text += line;
    text += kCrLf;
  }
  if (!dated_mission.empty()) {
    text += dated_mission;
    text += kCrLf;
  }
  return text + MissionFileName();
}

std::string CoopConfDatText(const std::vector<std::string>& lines,
                            const std::string& dated_mission) {
  std::string text;
  for (const std::string& line : lines) {
    if (!dated_mission.empty() && Contains(line, "[$locale]")) {
      text += "  " + dated_mission;
      text += kCrLf;
    }
    text += line;
    text += kCrLf;
  }
  return text;
}

std::string ServerSettingsText(const TMainForm& form) {
  // Planes that players of each side may take, by aircraft class.
  std::map<std::string, int> planes_by_class[2];
  int side_total[2] = {0, 0};
  for (int i = 0; i <= form.LastSquadron; ++i) {
    const SquadronEntry& squadron = form.SquadronTable[i];
    const int side = squadron.SquadronArmy == "1" ? 0 : squadron.SquadronArmy == "2" ? 1 : -1;
    const int planes = StrToIntDef(squadron.PlanesFlight, 0);
    if (side < 0 || planes <= 0 || squadron.SquadronFlyable != "1") continue;
    planes_by_class[side][squadron.SquadronClass] += planes;
  }
  std::vector<std::string> lines{"[Common]"};
  if (form.SCTimeLimitBox.Text != "No Time Limit") {
    const std::string& limit = form.SCTimeLimitBox.Text;
    lines.push_back("TimeLimit=" + Trim(limit.substr(0, limit.find(' '))));
  }
  lines.push_back(form.StaticPlaneCountBox.Text == "Yes" ? "CountStaticPlanes=1"
                                                         : "CountStaticPlanes=0");
  lines.emplace_back();
  for (int side = 0; side < 2; ++side) {
    if (side == 1) lines.emplace_back();
    lines.push_back(side == 0 ? "[PlanesArmy1]" : "[PlanesArmy2]");
    for (int type = 0; type <= form.LastAircraftClass; ++type) {
      const AircraftClassEntry& aircraft = form.AircraftClassTable[type];
      const auto found = planes_by_class[side].find("Class air." + aircraft.ClassName);
      if (found == planes_by_class[side].end()) continue;
      lines.push_back(aircraft.ClassGameName + "=" + IntToStr(found->second) +
                      aircraft.BannedPayload);
      side_total[side] += found->second;
    }
  }
  for (int side = 0; side < 2; ++side) {
    const std::string total = IntToStr(side_total[side]);
    lines.emplace_back();
    lines.push_back(side == 0 ? "[Army1]" : "[Army2]");
    lines.push_back("Planes=" + total);
    lines.push_back("Pilots=" + total);
  }
  lines.emplace_back();
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kCrLf;
    text += lines[i];
  }
  return text;
}

std::string ServerSettingsPath(const std::string& mission_path) {
  if (EndsWith(Lower(mission_path), ".mis")) {
    return mission_path.substr(0, mission_path.size() - 4) + ".ini";
  }
  return mission_path + ".ini";
}

bool IsPlainMissionName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    for (const char forbidden : std::string_view("\\/:*?\"<>|")) {
      if (c == forbidden) return false;
    }
  }
  return true;
}

void CoverCareerFiles(TMainForm& form, PassGuard& guard) {
  std::vector<std::string> paths;
  for (const char* name : {"campaign.ini", "conf.dat", "info.mis", "info.properties", "status.dat",
                           "tavrekmission.mis", "tavrekmission.properties", "logbook.dat",
                           "crew.txt", "debriefing.txt", "archive.dat"}) {
    paths.push_back(form.GameCampaignFolder + name);
  }
  guard.CoverFiles(paths);
}

void InstallMission(TMainForm& form, int pass, PassGuard& guard) {
  InstallationNames names;
  names.dated = IntToStr(static_cast<long long>(form.CampaignYear) * 10000 +
                         form.CampaignMonth * 100 + form.CampaignDay) +
                form.MissionTime;
  names.nation = AsciiUpperCase(form.SquadronTable[0].SquadronNation);
  names.last_pass = pass == 1;
  try {
    InstallSteps(form, guard, names);
  } catch (const FileError& error) {
    throw FileError(std::string("The mission could not be installed: ") + error.what());
  }
}
