#include "mission_results/log_book.h"

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/game_campaign_folder.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/bomber_crew.h"
#include "mission_results/rank_awards.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

const std::string kLineEnd(kCrLf);

const std::string& Title(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kTitles, line);
}

const std::string& News(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kNews, line);
}

// The first `count` underscores become blanks, one at a time.
std::string BlankUnderscores(std::string text, int count) {
  for (int done = 0; done < count; ++done) text = ReplaceTextProcedure(text, "_", " ");
  return text;
}

// BlankUnderscores applied again and again to a text that only grows at its end. The text
// before `normalised_` already has CR LF line breaks, and the one before `clean_` has no
// underscore left, so each step reads only what is new or still holds underscores.
class GrowingTextBlanks {
 public:
  void Apply(std::string& text, int count) {
    if (count <= 0) return;
    if (normalised_ < text.size()) {
      text.replace(normalised_, std::string::npos,
                   ReplaceTextProcedure(text.substr(normalised_), std::string(), std::string()));
    }
    normalised_ = text.size();
    for (int done = 0; done < count; ++done) {
      const size_t at = text.find('_', clean_);
      if (at == std::string::npos) {
        clean_ = text.size();
        return;
      }
      text[at] = ' ';
      clean_ = at + 1;
    }
  }

 private:
  size_t normalised_ = 0;
  size_t clean_ = 0;
};

// The name of the rank of the pilot in the slot, by the table RankAwardSetup set last.
std::string RankNameOf(const TMainForm& form, const PilotEntry& pilot) {
  const int rank = StrToIntDef(Trim(pilot.RosterRank), -1);
  return rank >= 0 && rank < 10 ? form.RankAwardTable.RankName[rank] : std::string();
}

std::string Commander(TMainForm& form, int squadron) {
  const PilotEntry& leader = form.PilotRoster[RosterIndex(squadron, 0)];
  return RankNameOf(form, leader) + " " + leader.RosterName;
}

std::string AircraftLine(TMainForm& form, int squadron) {
  const SquadronEntry& unit = form.SquadronTable[squadron];
  return Title(form, 13) + ":  " + unit.TypeDescriptionAtLoad + " x " + unit.PlanesAvailable;
}

void WriteCrewList(TMainForm& form) {
  const CrewPositionTableType& crew = form.CrewPositionTable;
  ErrorLog(form, "Write Crew Text File.");
  RankAwardSetup(form, 0);
  std::string text =
      "Player's " + form.SquadronTable[0].TypeDescription + " Crew:" + kLineEnd + " " + kLineEnd;
  const std::string& missions_word = form.Messages.Text(MessageSection::kEvents, 16);
  for (int seat = 1; seat < kCrewPositions; ++seat) {
    for (int position = 1; position < kCrewPositions; ++position) {
      if (crew.CrewSeatLabel[seat] != crew.CrewPositionName[position]) continue;
      const int missions = StrToIntDef(crew.CrewMemberMissions[position], 0);
      text += crew.CrewSeatLabel[seat] + " " + crew.CrewMemberName[position] + " (" +
              missions_word + ": " + IntToStr(missions) + ")" + kLineEnd;
    }
  }
  WriteTextFile(form.GameCampaignFolder + "crew.txt", text);
}

void WriteLogBook(TMainForm& form) {
  const std::string path = form.GameCampaignFolder + "logbook.dat";
  std::string text;
  std::string last_line;
  if (FileExists(path)) {
    ErrorLog(form, "Write Log Book.");
    for (const std::string& line : ReadTextLines(path)) {
      text += line + kLineEnd;
      last_line = line;
    }
  }
  // A mission generated but never flown.
  if (!Contains(last_line, "FLIGHT TIME") && form.PlayerLogText.empty() && !text.empty()) {
    text += "FLIGHT TIME: Scrubbed" + kLineEnd;
  }
  if (Contains(form.ParamStr(1), "debri")) {
    if (!text.empty() && Contains(last_line, "MISSION")) text += form.PlayerLogText;
  } else {
    const SquadronEntry& unit = form.SquadronTable[0];
    text += "DATE: " + form.CampaignDateText + kLineEnd + "PLANE: " + unit.TypeDescription +
            kLineEnd + "MISSION: " + form.BattleName + ": " + unit.SquadronMissionType + kLineEnd;
  }
  if (!DirectoryExists(form.GameCampaignFolder)) ForceDirectories(form.GameCampaignFolder);
  WriteTextFile(path, text);
}

void WriteDocumentIndex(TMainForm& form) {
  std::string text = "squad.txt " + Title(form, 14) + kLineEnd + "base.txt " + Title(form, 15) +
                     kLineEnd + "aces.txt " + Title(form, 16) + kLineEnd + "victory.txt " +
                     Title(form, 17) + kLineEnd;
  text = BlankUnderscores(text, 4);
  if (FileExists(form.GameCampaignFolder + "crew.txt")) {
    text += "crew.txt " + Title(form, 18) + kLineEnd;
  }
  if (FileExists(form.GameCampaignFolder + "debriefing.txt")) {
    text += "debriefing.txt " + Title(form, 19) + kLineEnd;
  }
  WriteTextFile(form.CampaignFolder + "documents.dat", text);
}

bool IsAirfield(const std::string& base) {
  return Contains(base, "Airfield") || Contains(base, "Airstrip");
}

void WriteAces(TMainForm& form) {
  ErrorLog(form, "Write Aces Text File.");
  std::string text = News(form, 31) + kLineEnd + " " + kLineEnd;
  GrowingTextBlanks blanks;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    RankAwardSetup(form, squadron);
    const std::string base = form.SquadronTable[squadron].SquadronHomeBase;
    for (int slot = 0; slot < 16; ++slot) {
      const PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
      const int victories = StrToIntDef(Trim(pilot.RosterKills), 0);
      if (victories > 4) {
        std::string line = News(form, IsAirfield(base) ? 32 : 33);
        line =
            ReplaceTextProcedure(line, "<PILOT>", RankNameOf(form, pilot) + " " + pilot.RosterName);
        line = ReplaceTextProcedure(line, "<COUNT>", IntToStr(victories));
        line = ReplaceTextProcedure(line, "<BASE>", base);
        text += line + kLineEnd;
      }
      blanks.Apply(text, 3);
    }
  }
  WriteTextFile(form.CampaignFolder + "aces.txt", text);
}

void WriteSquadronSheet(TMainForm& form) {
  RankAwardSetup(form, 0);
  ErrorLog(form, "Write Squad Text File.");
  const SquadronEntry& unit = form.SquadronTable[0];
  std::string text = Title(form, 14) + ":" + kLineEnd + " " + kLineEnd + Title(form, 11) + ":  " +
                     unit.SquadronFullName + kLineEnd + Title(form, 12) + ":  " +
                     Commander(form, 0) + kLineEnd + Title(form, 5) + ":  " +
                     unit.SquadronHomeBase + kLineEnd + AircraftLine(form, 0) + kLineEnd;
  WriteTextFile(form.CampaignFolder + "squad.txt", BlankUnderscores(text, 11));
}

void WriteVictoryConditions(TMainForm& form) {
  const std::string& no_objective = form.Messages.Text(MessageSection::kObjectives, 0);
  if (Trim(form.AlliedObjectiveText).empty()) form.AlliedObjectiveText = no_objective;
  if (Trim(form.AxisObjectiveText).empty()) form.AxisObjectiveText = no_objective;
  const std::string& objective = Title(form, 7);
  const std::string text = "Campaign Victory Conditions:" + kLineEnd + " " + kLineEnd +
                           form.Messages.Text(MessageSection::kArmy, form.AlliedID) + " " +
                           objective + ":  " + form.AlliedObjectiveText + kLineEnd + " " +
                           kLineEnd + form.Messages.Text(MessageSection::kArmy, form.AxisID) + " " +
                           objective + ":  " + form.AxisObjectiveText + kLineEnd;
  WriteTextFile(form.CampaignFolder + "victory.txt", text);
}

// The Zveno of a Soviet regiment or the Staffel of a German Gruppe the squadron stands for.
std::string UnitSuffix(TMainForm& form, int squadron) {
  const SquadronEntry& unit = form.SquadronTable[squadron];
  const std::string& name = unit.SquadronName;
  int offset = -1;
  std::string kind;
  if (unit.SquadronNation == "ru") {
    kind = "Zveno";
    offset = 1;
  } else if (unit.SquadronNation == "de") {
    kind = "Staffel";
    if (StartsWith(name, "I_")) offset = 1;
    if (StartsWith(name, "II_")) offset = 4;
    if (StartsWith(name, "III_")) offset = 7;
    if (StartsWith(name, "IV_")) offset = 10;
  }
  if (offset < 0) return std::string();
  const char digit = name.empty() ? ' ' : name.back();
  if (digit < '0' || digit > '9') {
    ErrorLog(form, "Base sheet: the squadron " + name +
                       " does not end in a digit and is shown without its " + kind + ".");
    return std::string();
  }
  return " [" + kind + " " + IntToStr(digit - '0' + offset) + "]";
}

void WriteBaseSheet(TMainForm& form) {
  ErrorLog(form, "Write Base Text File.");
  const std::string home = form.SquadronTable[0].SquadronHomeBase;
  std::string text = ReplaceTextProcedure(News(form, IsAirfield(home) ? 34 : 35), "<BASE>", home) +
                     kLineEnd + " " + kLineEnd;
  GrowingTextBlanks blanks;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    if (form.SquadronTable[squadron].SquadronHomeBase != home) continue;
    RankAwardSetup(form, squadron);
    text += Title(form, 11) + ":  " + form.SquadronTable[squadron].SquadronFullName +
            UnitSuffix(form, squadron) + kLineEnd + Title(form, 12) + ":  " +
            Commander(form, squadron) + kLineEnd + AircraftLine(form, squadron) + kLineEnd + " " +
            kLineEnd;
    blanks.Apply(text, 11);
  }
  WriteTextFile(form.CampaignFolder + "base.txt", text);
}

}  // namespace

void LogBook(TMainForm& form) {
  if (form.GameCampaignFolder.empty()) DetermineCampFolder(form);
  if (form.GameCampaignFolder.empty()) {
    const std::string message = "Error: Campaign is not found.";
    ErrorLog(form, message);
    ErrorTrap(form, message);
    throw ProgramError(message);
  }
  if (form.Coop.Checked || form.Dogfight.Checked) return;
  const CrewPositionTableType& crew = form.CrewPositionTable;
  if (FileExists(form.CampaignFolder + "crew.tavrek") && !crew.CrewSeatLabel[1].empty() &&
      CareerGeneratorMode(form)) {
    WriteCrewList(form);
  }
  WriteLogBook(form);
  WriteDocumentIndex(form);
  WriteAces(form);
  WriteSquadronSheet(form);
  WriteVictoryConditions(form);
  WriteBaseSheet(form);
  ErrorLog(form, "Log Book Section Complete.");
}
