#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/armour_changes.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/timetable_command_set.h"

namespace {

constexpr int kCapturingTroops = 100000;
constexpr int kStartDeployDistance = 1750;
constexpr int kStartTaskForceSpeed = 16;
constexpr int kNewsCaptureLine = 23;
constexpr int kNewColumnTextStart = 19;  // after "yyyymmdd NewColumn "
constexpr int kLargestSupplyBonus = 100;

void CaptureNews(TMainForm& form, const LocationEntry& place, const std::string& side) {
  const std::string grid = MapCoordinate(form, place.LocationPosition) + ". ";
  const auto sentence = [&](const std::string& text) {
    return ReplaceTextProcedure(ReplaceArmy(form, text, side) + " ", "<TGTNAME>",
                                place.LocationName) +
           grid;
  };
  form.CampaignNews += sentence(form.Messages.Text(MessageSection::kNews, kNewsCaptureLine));
  form.CampaignNewsRu += sentence(form.Messages.TextRu(MessageSection::kNews, kNewsCaptureLine));
}

// The number after the first occurrence of the side word: "+n%" for the supply box, "Default"
// for the word Default; nothing when the line does not name the side.
void SetSupplyBox(const std::string& line, const std::string& side, TComboBox& box) {
  if (!Contains(line, side)) return;
  const std::string after = TextAfter(line, side, 999);
  const std::string first = after.substr(0, after.find(' '));
  int percent = 0;
  if (ReadWholeNumber(first, percent) && percent >= 0) {
    box.Text = "+" + IntToStr(std::min(percent, kLargestSupplyBonus)) + "%";
  } else if (first == "Default" || Contains(line, "Default")) {
    box.Text = "Default";
  } else {
    throw BadTimetableValue("no percentage after \"" + side + "\"");
  }
}

void ReloadColumns(TMainForm& form) {
  WriteColumnList(form);
  ColumnList(form);
  ColumnLocation(form, "No");
}

bool IsPositionNumber(const std::string& text) {
  try {
    StrToFloat(text);
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

}  // namespace

void TCaptureCommand(TMainForm& form, TimetableLine& line) {
  form.TimeTableCapture = "Y";
  const std::string& text = line.text;
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& place = form.LocationTable[i];
    if (!NamesWordAtEnd(text, place.LocationName)) continue;
    if (Contains(text, " Contested ")) {
      place.LocationArmy = "0";
      place.TerritoryStrength[1] = kCapturingTroops;
      place.TerritoryStrength[2] = kCapturingTroops;
    }
    // The owner stays open: the territory capture gives the place to the stronger troops.
    if (Contains(text, " Allied ")) {
      place.LocationArmy = "0";
      place.TerritoryStrength[1] = kCapturingTroops;
      place.TerritoryStrength[2] = 0;
      CaptureNews(form, place, "1");
    }
    if (Contains(text, " Axis ")) {
      place.LocationArmy = "0";
      place.TerritoryStrength[2] = kCapturingTroops;
      place.TerritoryStrength[1] = 0;
      CaptureNews(form, place, "2");
    }
  }
}

void DeployDistanceCommand(TMainForm& form, TimetableLine& line) {
  int distance = kStartDeployDistance;
  if (!ReadWholeNumber(LineValue(line.text), distance)) {
    ErrorLog(form, "Bad data in DeployDistance command, the start value is used: " + line.text);
    distance = kStartDeployDistance;
  }
  if (Contains(line.text, "Axis")) form.DeployDistance[1] = distance;
  if (Contains(line.text, "Allied")) form.DeployDistance[0] = distance;
}

void SetTaskForceSpeedCommand(TMainForm& form, TimetableLine& line) {
  int speed = kStartTaskForceSpeed;
  if (!ReadWholeNumber(LineValue(line.text), speed)) {
    ErrorLog(form, "Bad data in SetTaskForceSpeed command, the start value is used: " + line.text);
    speed = kStartTaskForceSpeed;
  }
  size_t side = 0;
  if (Contains(line.text, "Allied")) side = 1;
  if (Contains(line.text, "Axis")) side = 2;
  form.TaskForceSpeed[side] = speed;
}

void NameColumnCommand(TMainForm& form, TimetableLine& line) {
  const std::string new_name = TextAfter(line.text, "_Chief", 999);
  if (new_name.empty()) throw BadTimetableValue("no new unit name");
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    if (!NamesWord(line.text, column.ColumnName)) continue;
    // Squadrons based on the ship move with its name.
    for (int s = 0; s <= form.LastSquadron; ++s) {
      SquadronEntry& squadron = form.SquadronTable[s];
      if (squadron.SquadronHomeBase != column.ColumnUnitName) continue;
      squadron.SquadronHomeBase = new_name;
      SaveSquadrons(form, 0);
    }
    column.ColumnUnitName = new_name;
    WriteColumnList(form);
  }
  ColumnList(form);
  ColumnLocation(form, "No");
}

void RemoveColumnCommand(TMainForm& form, TimetableLine& line) {
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    if (!NamesWord(line.text, column.ColumnName)) continue;
    column.ColumnUnitName = "Sunk";
    column.ColumnPlace = "Blank";
  }
  ReloadColumns(form);
}

void RoadBlockOnCommand(TMainForm& form, TimetableLine& line) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& place = form.LocationTable[i];
    if (!place.LocationName.empty() && Contains(line.text, place.LocationName)) {
      place.LocationBridgeState = 1;
    }
  }
}

void RoadBlockOffCommand(TMainForm& form, TimetableLine& line) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& place = form.LocationTable[i];
    if (!place.LocationName.empty() && Contains(line.text, place.LocationName)) {
      place.LocationBridgeState = 0;
    }
  }
}

void NewColumnCommand(TMainForm& form, TimetableLine& line) {
  const std::string& text = line.text;
  for (int c = 0; c <= form.LastColumn; ++c) {
    const std::string& name = form.ColumnTable[c].ColumnName;
    if (!name.empty() && Contains(text, " " + name + " ")) return;
  }
  const size_t at = text.find('@');
  const size_t dollar = text.find('$');
  if (at == std::string::npos || dollar == std::string::npos || at < kNewColumnTextStart - 1) {
    throw BadTimetableValue("not a column line (name kind army @place $unit)");
  }
  const std::string type =
      Trim(text.substr(kNewColumnTextStart - 1, at - (kNewColumnTextStart - 1)));
  const std::string army = type.empty() ? std::string() : type.substr(type.size() - 1);
  if (army != "1" && army != "2") throw BadTimetableValue("the column's army is not 1 or 2");
  if (form.LastColumn + 1 >= kColumnCapacity) {
    throw BadTimetableValue("the column table is full (" + IntToStr(kColumnCapacity) + " columns)");
  }
  std::string unit = text.substr(dollar + 1);
  unit = Trim(unit.substr(0, unit.find('~')));
  const int c = ++form.LastColumn;
  ColumnEntry& column = form.ColumnTable[c];
  column = ColumnEntry{};
  column.ColumnType = type;
  column.ColumnDestination = Trim(text.substr(at + 1, dollar > at ? dollar - at - 1 : 0));
  column.ColumnPlace = column.ColumnDestination;
  column.ColumnUnitName = unit;
  column.ColumnMarks = "L";
  column.ColumnName = type.substr(0, type.find(' '));
  column.ColumnArmy = army;
  ReloadColumns(form);
}

void SetTroopsCommand(TMainForm& form, TimetableLine& line) {
  const std::string& text = line.text;
  const int troops = WholeNumberValue(LineValue(text, 999), 0, 1000000000);
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& place = form.LocationTable[i];
    if (place.LocationName.empty() || !Contains(text, place.LocationName + " ")) continue;
    if (Contains(text, " Allied ")) {
      place.TerritoryStrength[1] = troops;
      DefineTerritory(form);
    }
    if (Contains(text, " Axis ")) {
      place.TerritoryStrength[2] = troops;
      DefineTerritory(form);
    }
  }
}

void SetSupplyCommand(TMainForm& form, TimetableLine& line) {
  SetSupplyBox(line.text, "Allied", form.RuSupplyBox);
  SetSupplyBox(line.text, "Axis", form.DeSupplyBox);
}

void SetOilSupplyCommand(TMainForm& form, TimetableLine& line) {
  SetSupplyBox(line.text, "Allied", form.RuOilBox);
  SetSupplyBox(line.text, "Axis", form.DeOilBox);
}

void AttackRendezvousCommand(TMainForm& form, TimetableLine& line) {
  const std::string position = LineValue(line.text, 999);
  const size_t blank = position.find(' ');
  if (blank == std::string::npos || !IsPositionNumber(position.substr(0, blank)) ||
      !IsPositionNumber(Trim(position.substr(blank + 1)))) {
    throw BadTimetableValue("no map position \"x y\"");
  }
  form.AttackRendezvous[0] = "On";
  if (Contains(line.text, "Allied")) form.AttackRendezvous[1] = position;
  if (Contains(line.text, "Axis")) form.AttackRendezvous[2] = position;
}

int WholeNumberValue(const std::string& text, int low, int high) {
  int value = 0;
  if (!ReadWholeNumber(text, value)) throw BadTimetableValue("\"" + text + "\" is no number");
  if (value < low || value > high) {
    throw BadTimetableValue(IntToStr(value) + " is outside " + IntToStr(low) + ".." +
                            IntToStr(high));
  }
  return value;
}
