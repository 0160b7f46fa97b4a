#pragma once

#include <string>

#include "campaign_progression/timetable_commands.h"
#include "platform/errors.h"

class TMainForm;

// The single timetable commands; each applies one command to one line whose gates passed.

// A value of the line that the command cannot use.
class BadTimetableValue : public ConversionError {
 public:
  using ConversionError::ConversionError;
};
// The value as a whole number within [low, high], or BadTimetableValue.
int WholeNumberValue(const std::string& text, int low, int high);

// Ground war and ships.
void TCaptureCommand(TMainForm& form, TimetableLine& line);
void DeployDistanceCommand(TMainForm& form, TimetableLine& line);
void SetTaskForceSpeedCommand(TMainForm& form, TimetableLine& line);
void NameColumnCommand(TMainForm& form, TimetableLine& line);
void RemoveColumnCommand(TMainForm& form, TimetableLine& line);
void RoadBlockOnCommand(TMainForm& form, TimetableLine& line);
void RoadBlockOffCommand(TMainForm& form, TimetableLine& line);
void NewColumnCommand(TMainForm& form, TimetableLine& line);
void SetTroopsCommand(TMainForm& form, TimetableLine& line);
void SetSupplyCommand(TMainForm& form, TimetableLine& line);
void SetOilSupplyCommand(TMainForm& form, TimetableLine& line);
void AttackRendezvousCommand(TMainForm& form, TimetableLine& line);

// Squadrons and aircraft types.
void AddSquadCommand(TMainForm& form, TimetableLine& line);
void NameSquadCommand(TMainForm& form, TimetableLine& line);
void NewPlaneCommand(TMainForm& form, TimetableLine& line);
void FlightSizeCommand(TMainForm& form, TimetableLine& line);
void SetSkillCommand(TMainForm& form, TimetableLine& line);
void MaxPlanesCommand(TMainForm& form, TimetableLine& line);
void MinPlanesCommand(TMainForm& form, TimetableLine& line);
void ActivePlanesCommand(TMainForm& form, TimetableLine& line);
void AlwaysActiveCommand(TMainForm& form, TimetableLine& line);
void RemoveSquadCommand(TMainForm& form, TimetableLine& line);
void MoveSquadCommand(TMainForm& form, TimetableLine& line);
void SetPaintCommand(TMainForm& form, TimetableLine& line);
void RadioOnCommand(TMainForm& form, TimetableLine& line);
void RadioOffCommand(TMainForm& form, TimetableLine& line);
void SetFuelCommand(TMainForm& form, TimetableLine& line);
void NewPayloadCommand(TMainForm& form, TimetableLine& line);
void BanPayloadCommand(TMainForm& form, TimetableLine& line);

// The run, the date and the briefing.
void SetMissionTimeCommand(TMainForm& form, TimetableLine& line);
void SetDateCommand(TMainForm& form, TimetableLine& line);
void ShowMovieCommand(TMainForm& form, TimetableLine& line);
void SetTimePassageCommand(TMainForm& form, TimetableLine& line);
void NewsBriefCommand(TMainForm& form, TimetableLine& line);
