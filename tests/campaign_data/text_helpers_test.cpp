#include "campaign_data/text_helpers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "campaign_data/text.h"
#include "tests/support/test_world.h"

namespace {

struct ReplaceCase {
  const char* name;
  std::string text;
  std::string old_text;
  std::string new_text;
  std::string expected;
};

TEST(ReplaceTextProcedure, ReplacesTheFirstOccurrenceAndNormalisesLineBreaks) {
  const ReplaceCase cases[] = {
      {"first occurrence only", "a/b/c", "/", "\\", "a\\b/c"},
      {"template", "<PILOT> met <PILOT>", "<PILOT>", "Ivan", "Ivan met <PILOT>"},
      {"case-sensitive", "Bridge", "bridge", "x", "Bridge"},
      {"new text holding the old", "aa", "a", "aa", "aaa"},
      {"lone LF when not found", "one\ntwo", "x", "y", "one\r\ntwo"},
      {"lone CR", "one\rtwo", "x", "y", "one\r\ntwo"},
      {"CR LF stays", "one\r\ntwo", "x", "y", "one\r\ntwo"},
      {"LF CR is two breaks", "one\n\rtwo", "x", "y", "one\r\n\r\ntwo"},
      {"CR CR LF", "one\r\r\ntwo", "x", "y", "one\r\n\r\ntwo"},
      {"empty old text", "one\ntwo", "", "y", "one\r\ntwo"},
      {"replacement across a normalised break", "a\nb", "a\r\nb", "c", "c"},
      {"empty text", "", "a", "b", ""},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceTextProcedure(c.text, c.old_text, c.new_text), c.expected) << c.name;
  }
}

TEST(RemoveBridgeNo, RemovesUpToThreeDigitsAfterTheFirstBridge) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"Bridge12 at Kerch", "Bridge at Kerch"},
      {"Bridge1234", "Bridge4"},
      {"Bridge7", "Bridge"},
      {"Bridge", "Bridge"},
      {"Kerch Bridge", "Kerch Bridge"},
      {"Bridge_1 and Bridge2", "Bridge_1 and Bridge2"},
      {"bridge12", "bridge12"},
      {"Bridge1\nKerch", "Bridge\r\nKerch"},
      {"no bridge\n", "no bridge\r\n"},
  };
  TestWorld world;
  for (const Case& c : cases) {
    EXPECT_EQ(RemoveBridgeNo(*world.form, c.text), c.expected) << c.text;
  }
  EXPECT_TRUE(world.form->ErrorText.empty());
}

TEST(ArticleFix, MendsIndefiniteArticlesBeforeVowels) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"A Axis unit met a Italian column", "An Axis unit met an Italian column"},
      {"A Engineer, A Infantry, A Officer", "An Engineer, An Infantry, An Officer"},
      {"A army, A escort, A infantry, A officer", "An army, An escort, An infantry, An officer"},
      {"met a Army, a Escort, a Infantry, a Officer",
       "met an Army, an Escort, an Infantry, an Officer"},
      {"met a army, a escort, a infantry, a officer",
       "met an army, an escort, an infantry, an officer"},
      {"met a Italian and a Italian", "met an Italian and a Italian"},
      {"A Unit and a unit", "A Unit and a unit"},
      {"A Bomber", "A Bomber"},
      {"Dived.A Axis bomber", "Dived.An Axis bomber"},
      {"(A Italian) column", "(An Italian) column"},
      {"met a Axis\nunit", "met an Axis\r\nunit"},
  };
  for (const Case& c : cases) EXPECT_EQ(ArticleFix(c.text), c.expected) << c.text;
}

TEST(ArticleFix, LeavesCapitalAInsideAWordAlone) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"USA Army", "USA Army"},
      {"IJA aircraft", "IJA aircraft"},
      {"2A Army", "2A Army"},
      {"\xC9"
       "A Army",
       "\xC9"
       "A Army"},
      {"The USA Army met A Army", "The USA Army met An Army"},
      {"USA Infantry and A Engineer", "USA Infantry and An Engineer"},
  };
  for (const Case& c : cases) EXPECT_EQ(ArticleFix(c.text), c.expected) << c.text;
}

// The one-pass search answers as searching for each part in turn, on random texts made of the
// parts' own letters so that near misses and overlaps are common.
TEST(ContainsAny, AnswersAsSearchingForEachPartInTurn) {
  std::mt19937 random(5);
  const std::string letters = "_AHPSaioprt";
  for (int round = 0; round < 5000; ++round) {
    std::string text(random() % 14, ' ');
    for (char& c : text) c = letters[random() % letters.size()];
    bool expected = false;
    for (const std::string_view part : {"Airstrip", "_Port", "Harbor", "ta", "a"}) {
      expected = expected || text.find(part) != std::string::npos;
    }
    EXPECT_EQ(ContainsAny(text, {"Airstrip", "_Port", "Harbor", "ta", "a"}), expected) << text;
    const bool without_a = Contains(text, "_Port") || Contains(text, "ta");
    EXPECT_EQ(ContainsAny(text, {"_Port", "ta"}), without_a) << text;
  }
  EXPECT_TRUE(ContainsAny("", {"x", ""}));
  EXPECT_FALSE(ContainsAny("", {"x"}));
  EXPECT_FALSE(ContainsAny("Harbo", {"Harbor"}));
  EXPECT_TRUE(ContainsAny("Naha_Harbor", {"Airfield", "Harbor"}));
}

}  // namespace
