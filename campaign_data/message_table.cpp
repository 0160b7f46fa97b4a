#include "campaign_data/message_table.h"

namespace {

const std::string& Lookup(const MessageTexts& texts, MessageSection section, int line) {
  static const std::string kNone;
  const int index = static_cast<int>(section);
  if (index < 0 || index >= kMessageSectionCount || line < 0 ||
      line >= kMessageLinesPerSection) {
    return kNone;
  }
  return texts[index][line];
}

}  // namespace

const std::string& MessageTable::Text(MessageSection section, int line) const {
  return Lookup(Message, section, line);
}

const std::string& MessageTable::TextRu(MessageSection section, int line) const {
  return Lookup(MessageRu, section, line);
}
