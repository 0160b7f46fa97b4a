#include "campaign_progression/news_items.h"

#include "app/main_form.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/armour_changes.h"

std::string NewsSentence(TMainForm& form, const std::string& text, const std::string& side,
                         const std::string& place, FillOrder order) {
  if (order == FillOrder::kArmyFirst) {
    return ReplaceTextProcedure(ReplaceArmy(form, text, side), "<TGTNAME>", place);
  }
  return ReplaceArmy(form, ReplaceTextProcedure(text, "<TGTNAME>", place), side);
}

NewsLine News(const TMainForm& form, int line) {
  return {form.Messages.Text(MessageSection::kNews, line),
          form.Messages.TextRu(MessageSection::kNews, line)};
}
