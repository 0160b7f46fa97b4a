#include "mission_generation/briefing_news.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kLocationObjective = 1;
constexpr int kZoneObjective = 2;
constexpr int kSinkObjective = 3;
constexpr int kEndDateObjective = 4;
constexpr int kDestroyObjective = 5;

std::string Objective(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kObjectives, line);
}

std::string EndDateObjective(const TMainForm& form) {
  return ReplaceTextProcedure(Objective(form, kEndDateObjective), "<DATE>", form.EndDate);
}

void SetEndDateObjective(TMainForm& form) {
  if (form.EndDateVictor == "Red") form.AlliedObjectiveText = EndDateObjective(form);
  if (form.EndDateVictor == "Blue") form.AxisObjectiveText = EndDateObjective(form);
}

std::string PlaceObjective(TMainForm& form, int line, const std::string& name, int location) {
  const std::string grid =
      MapCoordinate(form, std::as_const(form.LocationTable)[location].LocationPosition);
  return ReplaceTextProcedure(Objective(form, line), "<TGTNAME>", name + " " + grid);
}

std::string CountObjective(const TMainForm& form, int line, const std::string& type, int count) {
  return Trim(ReplaceTextProcedure(ReplaceTextProcedure(Objective(form, line), "<TYPE>", type),
                                   "<PERCENT>", IntToStr(count)));
}

// The kind of ship a sinking trigger names, in the briefing's words.
std::string ShipKind(const TMainForm& form, const std::string& trigger) {
  std::string kind = trigger;
  const auto type = [&](int line) { return form.Messages.Text(MessageSection::kTypes, line); };
  if (Contains(trigger, "CV") && !Contains(trigger, "LCVP")) kind = type(6);
  if (Contains(trigger, "DD")) kind = type(7);
  if (Contains(trigger, "CA")) kind = type(8);
  if (Contains(trigger, "BB")) kind = type(9);
  return kind;
}

std::string Tidied(TMainForm& form, const std::string& objective) {
  std::string text = RemoveBridgeNo(form, objective);
  for (int pass = 0; pass < 11; ++pass) text = ReplaceTextProcedure(text, "_", " ");
  return text;
}

}  // namespace

void ReadDebriefing(TMainForm& form) {
  form.DebriefingText.clear();
  form.InfoLabel.Caption = "Read Debriefing";
  const std::string path = form.CampaignFolder + "debriefing.txt";
  if (!FileExists(path)) return;
  ErrorLog(form, "Reading Debriefing");
  for (const std::string& line : ReadTextLines(path)) form.DebriefingText += Trim(line) + "\\n";
  form.DebriefingText = ReplaceTextProcedure(form.DebriefingText, "Today n", "N");
}

void BuildObjectives(TMainForm& form) {
  form.AlliedObjectiveText.clear();
  form.AxisObjectiveText.clear();
  SetEndDateObjective(form);
  for (int l = 0; l <= form.LastLocation; ++l) {
    const std::string& name = std::as_const(form.LocationTable)[l].LocationName;
    if (name == form.DeZoneText) {
      form.AlliedObjectiveText = PlaceObjective(form, kZoneObjective, form.DeZoneText, l);
    }
    if (name == form.RuZoneText) {
      form.AxisObjectiveText = PlaceObjective(form, kZoneObjective, form.RuZoneText, l);
    }
  }
  if (form.EndDate != "31/12/1945") SetEndDateObjective(form);
  for (int l = 0; l <= form.LastLocation; ++l) {
    const std::string& name = std::as_const(form.LocationTable)[l].LocationName;
    if (form.DeTrigger != "None" && name == form.DeTrigger) {
      form.AlliedObjectiveText = PlaceObjective(form, kLocationObjective, form.DeTrigger, l);
    }
    if (form.RuTrigger != "None" && name == form.RuTrigger) {
      form.AxisObjectiveText = PlaceObjective(form, kLocationObjective, form.RuTrigger, l);
    }
  }
  if (form.DeDestroyTrigger != "None") {
    form.AlliedObjectiveText =
        CountObjective(form, kDestroyObjective, form.DeDestroyTrigger, form.DeDestroyCount);
  }
  if (form.RuDestroyTrigger != "None") {
    form.AxisObjectiveText =
        CountObjective(form, kDestroyObjective, form.RuDestroyTrigger, form.RuDestroyCount);
  }
  if (form.RuSunkTrigger != "None") {
    form.AxisObjectiveText =
        CountObjective(form, kSinkObjective, ShipKind(form, form.RuSunkTrigger), form.RuSunkCount);
  }
  if (form.DeSunkTrigger != "None") {
    form.AlliedObjectiveText =
        CountObjective(form, kSinkObjective, ShipKind(form, form.DeSunkTrigger), form.DeSunkCount);
  }
  form.AlliedObjectiveText = Tidied(form, form.AlliedObjectiveText);
  form.AxisObjectiveText = Tidied(form, form.AxisObjectiveText);
}

std::string NewsParagraph(std::initializer_list<const std::string*> texts) {
  std::string joined;
  for (const std::string* text : texts) joined += *text;
  return Trim(joined);
}

std::string DogfightLabelNews(const TMainForm& form) {
  return NewsParagraph({&form.ColumnNews, &form.CampaignNews, &form.FrontNews}) + "\r\n";
}

std::string DogfightSideNews(const TMainForm& form, int side) {
  return NewsParagraph({&form.TimeTableNews[0], &form.TimeTableNews[static_cast<size_t>(side)],
                        &form.ColumnNews, &form.CampaignNews, &form.FrontNews});
}

std::string DogfightRussianNews(const TMainForm& form) {
  return NewsParagraph({&form.ColumnNewsRu, &form.CampaignNewsRu, &form.FrontNewsRu});
}

std::string CoopNews(const TMainForm& form) {
  return NewsParagraph(
      {&form.ColumnNews, &form.CampaignNews, &form.FrontNews, &form.BriefingNewsText});
}

std::string OfflineNews(const TMainForm& form) {
  const int side = form.LastSquadron >= 0 ? StrToIntDef(form.SquadronTable[0].SquadronArmy, 0) : 0;
  static const std::string kNone;
  const std::string& side_news =
      side >= 0 && side <= 2 ? form.TimeTableNews[static_cast<size_t>(side)] : kNone;
  return NewsParagraph({&form.ColumnNews, &form.CampaignNews, &form.TimeTableNews[0], &side_news,
                        &form.FrontNews, &form.BriefingNewsText});
}
