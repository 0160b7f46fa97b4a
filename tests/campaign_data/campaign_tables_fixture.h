#pragma once

// Reference data that loading a campaign reads, written by the tests into their program
// folder, and helpers to fill the tables of other files in memory.

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "tests/support/test_world.h"

namespace campaign_tables {

// A message file: [Errors] and [Counts] with the given lines, the other sections empty.
inline std::string MessageFile(const std::vector<std::string>& errors,
                               const std::vector<std::string>& counts) {
  std::string text = "[Briefs]\r\n[Summaries]\r\n[News]\r\n[Debrief]\r\n[Events]\r\n[Errors]\r\n";
  for (const std::string& line : errors) text += line + "\r\n";
  text += "[Army]\r\n[Weather]\r\n[Counts]\r\n";
  for (const std::string& line : counts) text += line + "\r\n";
  text += "[Types]\r\n[Titles]\r\n[Objectives]\r\n[Locations]\r\n";
  return text;
}

inline std::vector<std::string> ErrorTexts() {
  std::vector<std::string> errors;
  for (int line = 0; line <= 10; ++line) errors.push_back("Error text " + IntToStr(line));
  errors[8] = "<SQUAD> flies a <PLANE> that the game lacks.";
  return errors;
}

inline std::vector<std::string> CountTexts() {
  return {"st", "nd", "rd", "th"};
}

// Fills the message table as the message files of the program folder hold it.
inline void FillMessages(TMainForm& form) {
  const std::vector<std::string> errors = ErrorTexts();
  const std::vector<std::string> counts = CountTexts();
  for (size_t line = 0; line < errors.size(); ++line) {
    form.Messages.Message[static_cast<int>(MessageSection::kErrors)][line] = errors[line];
  }
  for (size_t line = 0; line < counts.size(); ++line) {
    form.Messages.Message[static_cast<int>(MessageSection::kCounts)][line] = counts[line];
  }
}

inline std::string Padded(const std::string& text, size_t width) {
  std::string padded = text.substr(0, width);
  padded.resize(width, ' ');
  return padded;
}

// class.tavrek in its column layout, one line per type of the table.
inline std::string ClassFile(const TMainForm& form) {
  std::string text;
  for (int c = 0; c <= form.LastAircraftClass; ++c) {
    const AircraftClassEntry& type = form.AircraftClassTable[c];
    text += Padded(type.ClassName, 25) + Padded(type.ClassDescription, 22) +
            Padded(type.ClassCountry, 2) + " " + Padded(type.ClassArmy, 1) + " " +
            Padded(type.ClassFamily, 1) + " " + Padded(type.ClassFlyable, 1) + " " +
            Padded(type.ClassServiceStart, 6) + " " + Padded(type.ClassServiceEnd, 6) + " " +
            Padded(type.ClassUpgrade, 25) + Padded(type.ClassGameName, 20) +
            Padded(type.ClassDowngrade, 25) + Padded(type.ClassTransitAlt, 12) +
            Padded(type.ClassCruiseSpeed, 12) + Padded(type.ClassRange, 12) +
            Padded(type.ClassIngressSpeed, 12) + "\r\n";
  }
  return text;
}

// The reference files a campaign load reads, in the program's data folder, matching what the
// tables hold in memory (the aircraft classes and the messages).
inline void WriteProgramData(const TestWorld& world) {
  const std::string messages = MessageFile(ErrorTexts(), CountTexts());
  world.program_folder.Write("data/messages.tavrek", messages);
  world.program_folder.Write("data/messages_ru.tavrek", messages);
  world.program_folder.Write("data/class.tavrek", ClassFile(*world.form));
}

// An aircraft type with the defaults class.tavrek gives blank columns.
inline AircraftClassEntry AircraftType(const std::string& name, const std::string& army,
                                       const std::string& family, const std::string& game_name) {
  AircraftClassEntry type;
  type.ClassName = name;
  type.ClassDescription = name;
  type.ClassCountry = army == "1" ? "ru" : "de";
  type.ClassArmy = army;
  type.ClassFamily = family;
  type.ClassFlyable = "1";
  type.ClassServiceStart = "194101";
  type.ClassServiceEnd = "194512";
  type.ClassUpgrade = "none";
  type.ClassGameName = game_name;
  type.ClassDowngrade = "none";
  type.ClassTransitAlt = "Default";
  type.ClassCruiseSpeed = "Default";
  type.ClassRange = "Default";
  type.ClassIngressSpeed = "Default";
  type.PayloadDefault = "default";
  type.Payload2 = "default";
  type.Payload3 = "default";
  type.Payload4 = "default";
  type.Payload5 = "none";
  type.Payload6 = "none";
  return type;
}

inline void AddAircraftType(TMainForm& form, const AircraftClassEntry& type) {
  form.AircraftClassTable[++form.LastAircraftClass] = type;
}

// Every type of the class table counts as installed in the game.
inline void InstallAllTypes(TMainForm& form) {
  form.LastActivePlane = -1;
  for (int c = 0; c <= form.LastAircraftClass; ++c) {
    form.ActivePlaneList[++form.LastActivePlane] = form.AircraftClassTable[c].ClassGameName;
  }
}

inline int AddLocation(TMainForm& form, const std::string& name, const std::string& army,
                       const std::string& position, const std::string& near_enemy = "N") {
  LocationEntry& location = form.LocationTable[++form.LastLocation];
  location.LocationName = name;
  location.LocationArmy = army;
  location.LocationPosition = position;
  location.LocationNearEnemy = near_enemy;
  return form.LastLocation;
}

}  // namespace campaign_tables
