#include "mission_results/bomber_crew.h"

#include <array>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_results/name_lists.h"
#include "mission_results/roster_text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::array<const char*, kCrewPositions> kPositionNames = {
    "Pilot",    "Co-Pilot", "Bombadier", "Radioman", "Engineer", "Gunner#1",
    "Gunner#2", "Gunner#3", "Gunner#4",  "Gunner#5", "Gunner#6"};

std::string CrewPath(const TMainForm& form) {
  return form.CampaignFolder + "crew.tavrek";
}

void SetPositionNames(CrewPositionTableType& crew) {
  for (int position = 0; position < kCrewPositions; ++position) {
    crew.CrewPositionName[position] = kPositionNames[position];
  }
}

// The position a crew line is for: the text between its first "(" and the ")" after it.
std::string PositionOfLine(const std::string& line) {
  const std::string after = Trim(Copy(line, Pos("(", line) + 1, 999));
  return Trim(Copy(after, 1, Pos(")", after) - 1));
}

std::string CrewmanOfLine(const std::string& line) {
  const std::string from_name = Trim(Copy(line, 6, static_cast<int>(line.size())));
  return Trim(Copy(from_name, 1, Pos("(", from_name) - 1));
}

}  // namespace

bool CareerGeneratorMode(const TMainForm& form) {
  return form.AutoGeneration.Checked && form.DGENBoot.Checked;
}

void LoadCrewSeats(TMainForm& form) {
  CrewPositionTableType& crew = form.CrewPositionTable;
  crew.CrewSeatLabel.fill(std::string());
  const std::string path = form.ProgramFolder + "data\\crewseats.tavrek";
  if (!FileExists(path)) {
    ErrorLog(form, "No crewseats.tavrek found.");
    return;
  }
  std::string type = form.SquadronTable[0].SquadronClass;
  if (const size_t prefix = type.find("Class air."); prefix != std::string::npos) {
    type.erase(prefix, 10);
  }
  const std::string wanted = Trim("[" + type + "]");
  bool in_section = false;
  int seat = 0;
  for (const std::string& line : ReadTextLines(path)) {
    const std::string text = Trim(line);
    if (text == wanted) {
      in_section = true;
    } else if (StartsWith(text, "[")) {
      in_section = false;
    }
    if (Contains(line, "[") || !in_section) continue;
    if (seat == kCrewPositions) {
      ErrorLog(form, "crewseats.tavrek: the section " + wanted + " lists more than " +
                         IntToStr(kCrewPositions) + " seats; the further seats are left out.");
      break;
    }
    crew.CrewSeatLabel[seat++] = text;
  }
}

void CreateCrew(TMainForm& form) {
  CrewPositionTableType& crew = form.CrewPositionTable;
  SetPositionNames(crew);
  if (!CareerGeneratorMode(form)) return;
  for (int position = 1; position < kCrewPositions; ++position) {
    PilotName(form, 0, 16);
    crew.CrewMemberName[position] = form.PilotRoster[RosterIndex(0, 16)].RosterName;
    crew.CrewMemberMissions[position] = "000";
  }
  SaveCrew(form);
}

void LoadCrew(TMainForm& form) {
  CrewPositionTableType& crew = form.CrewPositionTable;
  SetPositionNames(crew);
  crew.CrewMemberName.fill(std::string());
  crew.CrewMemberMissions.fill(std::string());
  if (!FileExists(CrewPath(form))) return;
  bool in_pool = false;
  int expected = 1;
  for (const std::string& line : ReadTextLines(CrewPath(form))) {
    if (StartsWith(Trim(line), "[")) {
      in_pool = true;
      crew.CrewMemberName[0] = form.PlayerName;
      crew.CrewMemberMissions[0] = "000";
      continue;
    }
    if (Contains(line, "[") || !in_pool || expected == kCrewPositions) continue;
    // Lines out of the order of the positions are skipped.
    if (PositionOfLine(line) != crew.CrewPositionName[expected]) continue;
    crew.CrewMemberMissions[expected] = Trim(Copy(line, 3, 3));
    crew.CrewMemberName[expected] = CrewmanOfLine(line);
    ++expected;
  }
}

void SaveCrew(TMainForm& form) {
  if (!CareerGeneratorMode(form)) return;
  const CrewPositionTableType& crew = form.CrewPositionTable;
  std::string text = "[Crew Pool]" + std::string(kCrLf);
  for (int position = 1; position < kCrewPositions; ++position) {
    text += "  " + RepairedCounter(crew.CrewMemberMissions[position]) + " " +
            Trim(crew.CrewMemberName[position]) + " (" + kPositionNames[position] + ")" +
            std::string(kCrLf);
  }
  WriteTextFile(CrewPath(form), text);
}
