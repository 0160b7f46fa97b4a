#include "mission_generation/squadron_mission.h"

#include "app/main_form.h"
#include "campaign_data/text.h"

int TaskCode(const SquadronEntry& squadron) {
  return StrToIntDef(Trim(squadron.SquadronTaskCode), -1);
}

bool EscortsRole(const TMainForm& form, int squadron, std::string_view role) {
  const int escorted = form.SquadronTable[squadron].SquadronEscortOf;
  return SquadronTableType::Contains(escorted) && form.SquadronTable[escorted].SquadronRole == role;
}

bool FighterEscortingBombers(const TMainForm& form, int squadron) {
  return form.SquadronTable[squadron].SquadronRole == "1" && EscortsRole(form, squadron, "2");
}

bool MissionTypeIsBriefs(const TMainForm& form, int squadron, int briefs_line) {
  const std::string& text = form.Messages.Text(MessageSection::kBriefs, briefs_line);
  return !text.empty() && form.SquadronTable[squadron].SquadronMissionType == text;
}
