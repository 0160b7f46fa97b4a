#include "campaign_data/text_helpers.h"

#include <array>
#include <string_view>

namespace {

std::string NormaliseLineBreaks(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      result += "\r\n";
      ++i;
    } else if (c == '\r' || c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

// Letters and digits of the 8-bit text: ASCII ones and the letters of the upper half of the
// Windows code pages the message files use (Latin-1 accented letters, Cyrillic).
bool IsWordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
      (byte >= 'a' && byte <= 'z')) {
    return true;
  }
  return byte >= 0xC0 && byte != 0xD7 && byte != 0xF7;
}

bool BeginsWord(const std::string& text, size_t position) {
  return position == 0 || !IsWordCharacter(text[position - 1]);
}

struct ArticleRule {
  std::string_view old_text;
  std::string_view new_text;
  bool at_word_start;  // the pattern's first character must begin a word
};

constexpr std::array<ArticleRule, 16> kArticleRules{{
    {"A A", "An A", true},
    {"A E", "An E", true},
    {"A I", "An I", true},
    {"A O", "An O", true},
    {"A a", "An a", true},
    {"A e", "An e", true},
    {"A i", "An i", true},
    {"A o", "An o", true},
    {" a A", " an A", false},
    {" a E", " an E", false},
    {" a I", " an I", false},
    {" a O", " an O", false},
    {" a a", " an a", false},
    {" a e", " an e", false},
    {" a i", " an i", false},
    {" a o", " an o", false},
}};

void ReplaceFirstQualifying(std::string& text, const ArticleRule& rule) {
  size_t found = text.find(rule.old_text);
  while (found != std::string::npos && rule.at_word_start && !BeginsWord(text, found)) {
    found = text.find(rule.old_text, found + 1);
  }
  if (found != std::string::npos) text.replace(found, rule.old_text.size(), rule.new_text);
}

}  // namespace

std::string ReplaceTextProcedure(const std::string& text, const std::string& old_text,
                                 const std::string& new_text) {
  std::string result = NormaliseLineBreaks(text);
  if (old_text.empty()) return result;
  const size_t found = result.find(old_text);
  if (found != std::string::npos) result.replace(found, old_text.size(), new_text);
  return result;
}

std::string RemoveBridgeNo(TMainForm& /*form*/, const std::string& text) {
  static constexpr std::string_view kBridge = "Bridge";
  std::string result = NormaliseLineBreaks(text);
  const size_t found = result.find(kBridge);
  if (found == std::string::npos) return result;
  const size_t after = found + kBridge.size();
  for (int removed = 0; removed < 3; ++removed) {
    if (after >= result.size() || result[after] < '0' || result[after] > '9') break;
    result.erase(after, 1);
  }
  return result;
}

std::string ArticleFix(const std::string& text) {
  std::string result = NormaliseLineBreaks(text);
  for (const ArticleRule& rule : kArticleRules) ReplaceFirstQualifying(result, rule);
  return result;
}
