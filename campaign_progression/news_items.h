#pragma once

#include <string>

#include "campaign_data/message_table.h"

class TMainForm;

// News sentences of the ground war, each built from a [News] line in the chosen language and
// in Russian.

enum class FillOrder { kArmyFirst, kPlaceFirst };

// [News] `line` of one language with "<ARMY>" filled for `side` and "<TGTNAME>" by `place`, in
// the given order (a placeholder that the text does not hold is left alone).
std::string NewsSentence(TMainForm& form, const std::string& text, const std::string& side,
                         const std::string& place, FillOrder order);

// The two languages' texts of one [News] line.
struct NewsLine {
  const std::string& text;
  const std::string& text_ru;
};
NewsLine News(const TMainForm& form, int line);
