// The shipped message files, loaded the way the program loads them: every line the program
// uses must hold a text in every language, with the placeholders its users fill in.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/message_table.h"
#include "campaign_data/messages.h"
#include "platform/text_file.h"
#include "tests/support/test_world.h"

namespace {

using S = MessageSection;

// Lines first..last of a section that the program uses, each carrying these placeholders
// (blank-separated) exactly once.
struct UsedLines {
  MessageSection section;
  int first;
  int last;
  const char* placeholders;
};

constexpr UsedLines kUsedLines[] = {
    {S::kBriefs, 0, 1, ""},
    {S::kBriefs, 3, 24, ""},
    {S::kSummaries, 1, 7, "<TGTNAME>"},
    {S::kSummaries, 9, 18, "<TGTNAME>"},
    {S::kSummaries, 19, 20, "<TGTNAME> <SQUAD> <PLANE>"},
    {S::kSummaries, 21, 21, "<TGTNAME> <PLANE>"},
    {S::kSummaries, 22, 23, "<TGTNAME>"},
    {S::kSummaries, 24, 24, "<TGTNAME1> <TGTNAME2>"},
    {S::kSummaries, 25, 25, "<TGTNAME>"},
    {S::kSummaries, 26, 26, "<PLANE> <SQUAD>"},
    {S::kSummaries, 27, 29, ""},
    {S::kSummaries, 30, 30, "<TGTNAME1> <TGTNAME2>"},
    {S::kNews, 0, 1, ""},
    {S::kNews, 3, 3, ""},
    {S::kNews, 5, 6, "<ARMY>"},
    {S::kNews, 7, 8, "<ARMY> <TGTNAME>"},
    {S::kNews, 9, 11, "<TGTNAME>"},
    {S::kNews, 12, 12, "<ARMY> <NAME> <TGTNAME>"},
    {S::kNews, 13, 14, "<PLANE>"},
    {S::kNews, 15, 15, "<PLANE> <TGTNAME>"},
    {S::kNews, 16, 17, "<ARMY> <TGTNAME>"},
    {S::kNews, 18, 18, "<TYPE>"},
    {S::kNews, 19, 20, ""},
    {S::kNews, 21, 21, "<ARMY> <TGTNAME>"},
    {S::kNews, 22, 22, "<COUNTRY> <PILOT> <NUMBER>"},
    {S::kNews, 23, 23, "<ARMY> <TGTNAME>"},
    {S::kNews, 24, 24, "<ARMY>"},
    {S::kNews, 25, 25, "<PLANE>"},
    {S::kNews, 26, 26, "<COUNTRY> <ACE> <PILOT>"},
    {S::kNews, 27, 27, "<SQUAD>"},
    {S::kNews, 28, 28, "<PILOT> <SQUAD>"},
    {S::kNews, 29, 29, "<PLANE>"},
    {S::kNews, 30, 30, "<TGTNAME>"},
    {S::kNews, 31, 31, ""},
    {S::kNews, 32, 33, "<PILOT> <COUNT> <BASE>"},
    {S::kNews, 34, 35, "<BASE>"},
    {S::kDebrief, 0, 0, ""},
    {S::kDebrief, 1, 1, "<VICTORY> <TYPE>"},
    {S::kDebrief, 2, 2, "<VICTORY> <PLANE>"},
    {S::kDebrief, 3, 7, ""},
    {S::kDebrief, 8, 8, "<RANK>"},
    {S::kDebrief, 9, 9, "<AWARD>"},
    {S::kDebrief, 10, 12, ""},
    {S::kDebrief, 13, 13, "<SQUAD>"},
    {S::kDebrief, 14, 14, "<VICTORY> <TYPE>"},
    {S::kDebrief, 15, 15, "<BRIDGE>"},
    {S::kDebrief, 16, 17, "<TYPE>"},
    {S::kDebrief, 18, 18, "<SQUAD> <PLANE>"},
    {S::kDebrief, 19, 19, ""},
    {S::kEvents, 0, 0, ""},
    {S::kEvents, 1, 1, "<VICTORY> <TYPE>"},
    {S::kEvents, 2, 2, "<PLANE>"},
    {S::kEvents, 3, 3, ""},
    {S::kEvents, 4, 5, "<PLANE>"},
    {S::kEvents, 6, 7, ""},
    {S::kEvents, 8, 8, "<RANK>"},
    {S::kEvents, 9, 9, "<AWARD>"},
    {S::kEvents, 11, 11, ""},
    {S::kEvents, 12, 12, "<SQUAD>"},
    {S::kEvents, 13, 13, "<COUNTRY> <ACE>"},
    {S::kEvents, 14, 14, ""},
    {S::kEvents, 15, 15, "<VICTORY> <TYPE>"},
    {S::kEvents, 16, 16, ""},
    {S::kEvents, 17, 17, "<BRIDGE>"},
    {S::kEvents, 18, 19, "<TYPE>"},
    {S::kEvents, 21, 21, "<PLANE>"},
    {S::kErrors, 0, 0, ""},
    {S::kErrors, 3, 7, ""},
    {S::kErrors, 8, 8, "<SQUAD> <PLANE>"},
    {S::kErrors, 10, 23, ""},
    {S::kArmy, 0, 16, ""},
    {S::kWeather, 0, 7, ""},
    {S::kWeather, 8, 8, "<CLOUDHEIGHT>"},
    {S::kCounts, 0, 3, ""},
    {S::kTypes, 0, 9, ""},
    {S::kTitles, 0, 27, ""},
    {S::kObjectives, 0, 0, ""},
    {S::kObjectives, 1, 2, "<TGTNAME>"},
    {S::kObjectives, 3, 3, "<TYPE> <PERCENT>"},
    {S::kObjectives, 4, 4, "<DATE>"},
    {S::kObjectives, 5, 5, "<TYPE> <PERCENT>"},
    {S::kLocations, 0, 15, ""},
};

constexpr std::array kLanguages = {"English", "French", "Polish",  "Czech",
                                   "Italian", "German", "Spanish", "Russian"};

std::vector<std::string> Sorted(std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  return words;
}

std::vector<std::string> PlaceholdersIn(const std::string& text) {
  static const std::regex kPlaceholder("<[A-Z0-9]+>");
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), kPlaceholder), end; it != end; ++it) {
    found.push_back(it->str());
  }
  return Sorted(found);
}

std::vector<std::string> Words(const std::string& blank_separated) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : blank_separated + " ") {
    if (c != ' ') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return Sorted(words);
}

std::vector<int> UsedLinesOf(MessageSection section) {
  std::vector<int> lines;
  for (const auto& used : kUsedLines) {
    for (int line = used.first; used.section == section && line <= used.last; ++line) {
      lines.push_back(line);
    }
  }
  return lines;
}

const std::string& TextOf(const MessageTexts& texts, MessageSection section, int line) {
  return texts[static_cast<int>(section)][line];
}

// A program folder with the shipped data and the messages loaded in `language`.
struct LoadedWorld {
  explicit LoadedWorld(const std::string& language) {
    world.InstallProgramData();
    world.form->Language = language;
    GetMessages(*world.form);
  }
  const MessageTexts& Message() const { return world.form->Messages.Message; }
  const MessageTexts& MessageRu() const { return world.form->Messages.MessageRu; }
  TestWorld world;
};

void ExpectUsedLinesFilled(const MessageTexts& texts, const std::string& table) {
  for (const auto& used : kUsedLines) {
    for (int line = used.first; line <= used.last; ++line) {
      const std::string& text = TextOf(texts, used.section, line);
      SCOPED_TRACE(table + " section " + std::to_string(static_cast<int>(used.section)) + " line " +
                   std::to_string(line) + ": \"" + text + "\"");
      EXPECT_FALSE(text.empty());
      EXPECT_EQ(PlaceholdersIn(text), Words(used.placeholders));
    }
  }
}

class MessageFiles : public testing::TestWithParam<const char*> {};

INSTANTIATE_TEST_SUITE_P(EveryLanguage, MessageFiles, testing::ValuesIn(kLanguages));

TEST_P(MessageFiles, EveryUsedLineHasItsTextAndPlaceholders) {
  const LoadedWorld loaded(GetParam());
  ExpectUsedLinesFilled(loaded.Message(), GetParam());
  ExpectUsedLinesFilled(loaded.MessageRu(), "Russian table");
}

// The program recognises mission kinds and pilot events by comparing texts, so no mission kind
// may lie inside another, and no event searched for may lie inside another event.
TEST_P(MessageFiles, TextsCompared_AreDistinct) {
  const LoadedWorld loaded(GetParam());
  const auto distinct = [&](MessageSection section, const std::vector<int>& searched) {
    for (const int line : searched) {
      const std::string& needle = TextOf(loaded.Message(), section, line);
      for (const int other : UsedLinesOf(section)) {
        const std::string& text = TextOf(loaded.Message(), section, other);
        EXPECT_TRUE(other == line || text.find(needle) == std::string::npos)
            << "line " << line << " \"" << needle << "\" lies inside line " << other;
      }
    }
  };
  distinct(S::kBriefs, UsedLinesOf(S::kBriefs));
  distinct(S::kEvents, {6, 7, 11, 14});
}

// News of places is followed by the place's grid square, so the place comes last.
TEST_P(MessageFiles, PlaceNewsEndsWithThePlace) {
  const LoadedWorld loaded(GetParam());
  for (const int line : {7, 8, 9, 10, 11, 12, 15, 16, 17, 21, 23, 30}) {
    const std::string& text = TextOf(loaded.Message(), S::kNews, line);
    EXPECT_TRUE(text.ends_with("<TGTNAME>")) << "line " << line << ": " << text;
  }
}

// Location words replace the suffixes of place names in briefings and debriefings, row by row,
// each row 31 times over; the underscore they start with becomes the blank before the word.
// A word must survive the later rows (and its own) unchanged.
TEST_P(MessageFiles, LocationWordsSurviveTheSuffixReplacement) {
  constexpr std::array<std::string_view, 16> kSuffixes = {
      "_Airfield", "_Airfield",  "_Factory_District",
      "_Rail",     "_Station",   "_Camp",
      "_Bridge",   "_Depot",     "_Sea",
      "_Ocean",    "_Bay",       "_Harbor",
      "_Port",     "_Beachhead", "_Beach",
      "_Dropzone"};
  const LoadedWorld loaded(GetParam());
  const auto word = [&](int line) { return TextOf(loaded.Message(), S::kLocations, line); };
  for (int row = 0; row < 16; ++row) {
    if (row == 1) continue;  // the second "_Airfield" row only sees a 32nd airfield
    std::string name = "Kerch" + std::string(kSuffixes[row]);
    for (int replacing = 0; replacing < 16; ++replacing) {
      for (int pass = 0; pass < 31; ++pass) {
        const auto at = name.find(kSuffixes[replacing]);
        if (at != std::string::npos) {
          name.replace(at, kSuffixes[replacing].size(), word(replacing));
        }
      }
    }
    EXPECT_TRUE(word(row).starts_with("_")) << word(row);
    EXPECT_EQ(name, "Kerch" + word(row));
  }
}

TEST(MessageFiles, RussianChosen_FillsBothTablesAlike) {
  const LoadedWorld loaded("Russian");
  EXPECT_EQ(loaded.Message(), loaded.MessageRu());
  EXPECT_NE(TextOf(loaded.Message(), S::kTitles, 2),
            TextOf(LoadedWorld("English").Message(), S::kTitles, 2));
}

// Properties texts of the game carry letters outside plain ASCII as \u escapes, so the Russian,
// Polish and Czech files are written that way; the West European files are Windows-1252 bytes
// without the code page's 0x80..0x9F punctuation, which readers of Latin-1 would garble.
TEST(MessageFiles, EncodingsOfTheFiles) {
  const struct {
    const char* file;
    bool ascii_only;
    const char* language;
    const char* weather_title;
  } kFiles[] = {
      {"messages.tavrek", true, "English", "Weather"},
      {"messages_ru.tavrek", true, "Russian", "\\u041f\\u043e\\u0433\\u043e\\u0434\\u0430"},
      {"messages_pl.tavrek", true, "Polish", "Pogoda"},
      {"messages_cz.tavrek", true, "Czech", "Po\\u010das\\u00ed"},
      {"messages_fr.tavrek", false, "French", "M\351t\351o"},
      {"messages_de.tavrek", false, "German", "Wetter"},
      {"messages_it.tavrek", false, "Italian", "Meteo"},
      {"messages_sp.tavrek", false, "Spanish", "Meteorolog\355a"},
  };
  for (const auto& expected : kFiles) {
    SCOPED_TRACE(expected.file);
    const std::string bytes = ReadFileBytes(SourceDataFolder() + expected.file);
    for (const unsigned char byte : bytes) {
      ASSERT_TRUE(byte < 0x80 || (!expected.ascii_only && byte >= 0xA0)) << int{byte};
    }
    EXPECT_EQ(TextOf(LoadedWorld(expected.language).Message(), S::kTitles, 4),
              expected.weather_title);
  }
}

}  // namespace
