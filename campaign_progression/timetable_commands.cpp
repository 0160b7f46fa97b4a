#include "campaign_progression/timetable_commands.h"

#include <array>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/timetable_command_set.h"

namespace {

// When a command applies, besides lying in the current battle's block.
enum Gate : unsigned {
  kToday = 1,    // today's date key stands anywhere in the line
  kSince = 2,    // the line's date is today or earlier
  kOn = 4,       // the line's date is today
  kFirst = 8,    // the first mission of the campaign day
  kMoving = 16,  // the run advances the date
};

using Condition = bool (*)(const TMainForm& form, const TimetableLine& line);
using Apply = void (*)(TMainForm& form, TimetableLine& line);

struct Command {
  const char* keyword;
  unsigned gates;
  Condition condition;  // a further test of the command, or nullptr
  Apply apply;
};

bool CaptureAllowed(const TMainForm&, const TimetableLine& line) {
  return line.capture;
}
bool CareerGeneratorReplaced(const TMainForm& form, const TimetableLine&) {
  return form.AutoGeneration.Checked && form.DGENBoot.Checked;
}
bool SaysOn(const TMainForm&, const TimetableLine& line) {
  return Contains(line.text, " On");
}
bool SaysOff(const TMainForm&, const TimetableLine& line) {
  return Contains(line.text, " Off");
}
bool NoMissionTimeSet(const TMainForm& form, const TimetableLine&) {
  return form.MissionTimeOverride.empty();
}

constexpr unsigned kDayOfMoving = kToday | kFirst | kMoving;

// In the order every line is tested.
constexpr std::array<Command, 34> kCommands{{
    {"TCapture", kDayOfMoving, CaptureAllowed, TCaptureCommand},
    {"SetMissionTime", kSince | kFirst | kMoving, nullptr, SetMissionTimeCommand},
    {"SetDate", kOn | kFirst | kMoving, nullptr, SetDateCommand},
    {"DeployDistance", kSince | kMoving, nullptr, DeployDistanceCommand},
    {"SetTaskForceSpeed", kSince | kMoving, nullptr, SetTaskForceSpeedCommand},
    {"NameColumn", kSince | kMoving, nullptr, NameColumnCommand},
    {"RemoveColumn", kSince | kMoving, nullptr, RemoveColumnCommand},
    {"ShowMovie", kDayOfMoving, CareerGeneratorReplaced, ShowMovieCommand},
    {"AddSquad", kDayOfMoving, nullptr, AddSquadCommand},
    {"NameSquad", kDayOfMoving, nullptr, NameSquadCommand},
    {"NewPlane", kDayOfMoving, nullptr, NewPlaneCommand},
    {"FlightSize", kDayOfMoving, nullptr, FlightSizeCommand},
    {"SetSkill", kDayOfMoving, nullptr, SetSkillCommand},
    {"MaxPlanes", kDayOfMoving, nullptr, MaxPlanesCommand},
    {"MinPlanes", kDayOfMoving, nullptr, MinPlanesCommand},
    {"ActivePlanes", kDayOfMoving, nullptr, ActivePlanesCommand},
    {"AlwaysActive", kSince, nullptr, AlwaysActiveCommand},
    {"RemoveSquad", kDayOfMoving, nullptr, RemoveSquadCommand},
    {"MoveSquad", kDayOfMoving, nullptr, MoveSquadCommand},
    {"SetPaint", kDayOfMoving, nullptr, SetPaintCommand},
    {"Radio", kSince, SaysOn, RadioOnCommand},
    {"Radio", kSince, SaysOff, RadioOffCommand},
    {"SetFuel", kSince, nullptr, SetFuelCommand},
    {"SetTimePassage", kOn | kFirst, NoMissionTimeSet, SetTimePassageCommand},
    {"NewPayload", kSince, nullptr, NewPayloadCommand},
    {"BanPayload", kSince, nullptr, BanPayloadCommand},
    {"RoadBlockOn", kSince, nullptr, RoadBlockOnCommand},
    {"RoadBlockOff", kSince, nullptr, RoadBlockOffCommand},
    {"NewsBrief", kToday | kFirst, nullptr, NewsBriefCommand},
    {"NewColumn", kOn | kFirst | kMoving, nullptr, NewColumnCommand},
    {"SetTroops", kToday | kFirst, nullptr, SetTroopsCommand},
    {"SetSupply", kToday, nullptr, SetSupplyCommand},
    {"SetOilSupply", kToday, nullptr, SetOilSupplyCommand},
    {"AttackRendezvous", kToday, nullptr, AttackRendezvousCommand},
}};

// Today's key is read at every test: a SetDate earlier in the file, or earlier on the same
// line, governs the tests after it.
bool GatesPass(const TMainForm& form, const TimetableLine& line, unsigned gates) {
  const int today = TodayKey(form);
  if ((gates & kToday) && !Contains(line.text, IntToStr(today))) return false;
  if ((gates & kSince) && line.date > today) return false;
  if ((gates & kOn) && line.date != today) return false;
  if ((gates & kFirst) && form.MissionTime != "0") return false;
  if ((gates & kMoving) && form.DayStep <= 0) return false;
  return true;
}

}  // namespace

void ApplyTimetableCommands(TMainForm& form, TimetableLine& line) {
  for (const Command& command : kCommands) {
    if (!Contains(line.text, command.keyword)) continue;
    if (!GatesPass(form, line, command.gates)) continue;
    if (command.condition != nullptr && !command.condition(form, line)) continue;
    const std::string text = line.text;
    try {
      command.apply(form, line);
    } catch (const ConversionError& error) {
      ErrorLog(form, "Bad data in " + std::string(command.keyword) + " command (" + error.what() +
                         "): " + text);
    }
  }
}

bool NamesTimetableCommand(std::string_view line) {
  if (Contains(line, "TimeTable Off")) return true;
  for (const Command& command : kCommands) {
    if (Contains(line, command.keyword)) return true;
  }
  return false;
}
