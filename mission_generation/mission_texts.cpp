#include "mission_generation/mission_texts.h"

#include "app/main_form.h"
#include "campaign_data/text_helpers.h"

const std::string& BriefsText(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kBriefs, line);
}

std::string SummaryText(const TMainForm& form, int line, const std::string& target_name) {
  return ReplaceTextProcedure(form.Messages.Text(MessageSection::kSummaries, line), "<TGTNAME>",
                              target_name);
}

std::string RouteSummaryText(const TMainForm& form, int line, const std::string& from,
                             const std::string& to) {
  const std::string text = ReplaceTextProcedure(
      form.Messages.Text(MessageSection::kSummaries, line), "<TGTNAME1>", from);
  return ReplaceTextProcedure(text, "<TGTNAME2>", to);
}

std::string PartnerSummaryText(const TMainForm& form, int line, const std::string& target_name,
                               const std::string& squadron_name, const std::string& plane) {
  const std::string text =
      ReplaceTextProcedure(SummaryText(form, line, target_name), "<SQUAD>", squadron_name);
  return ReplaceTextProcedure(text, "<PLANE>", plane);
}

std::string EnemySummaryText(const TMainForm& form, int line, const std::string& target_name,
                             const std::string& plane) {
  return ReplaceTextProcedure(SummaryText(form, line, target_name), "<PLANE>", plane);
}

void SetMissionTexts(TMainForm& form, int squadron, int briefs_line, const std::string& briefing) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  entry.SquadronMissionType = BriefsText(form, briefs_line);
  entry.SquadronBriefing = briefing;
}
