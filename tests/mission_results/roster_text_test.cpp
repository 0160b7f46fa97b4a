#include "mission_results/roster_text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "campaign_data/text.h"

namespace {

TEST(RepairedCounter, PadsNumbersHoldsLargeOnesAndStartsOthersAgain) {
  struct Case {
    std::string stored;
    std::string written;
  };
  const Case cases[] = {
      {"000", "000"},  {"7", "007"},    {"42", "042"},     {"999", "999"}, {" 12 ", "012"},
      {"0007", "007"}, {"1000", "999"}, {"123456", "999"}, {"", "000"},    {"abc", "000"},
      {"-3", "000"},   {"1 2", "000"},  {"+5", "000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RepairedCounter(c.stored), c.written) << c.stored;
    // A counter taken as whole is one the repair leaves as it is.
    EXPECT_EQ(IsThreeDigitCount(c.stored), c.stored == c.written) << c.stored;
  }
}

TEST(ThreeDigitCount, HeldWithinTheField) {
  EXPECT_EQ(ThreeDigitCount(0), "000");
  EXPECT_EQ(ThreeDigitCount(11), "011");
  EXPECT_EQ(ThreeDigitCount(1000), "999");
  EXPECT_EQ(ThreeDigitCount(-4), "000");
}

TEST(RosterSafeText, MarkersAndBracketsBecomeUnderscores) {
  EXPECT_EQ(RosterSafeText("J@ck *Ace* & [Co] #1 ^ \\"), "J_ck _Ace_ _ _Co_ _1 _ _");
  EXPECT_EQ(RosterSafeText("O'Brien-Smith"), "O'Brien-Smith");
  EXPECT_EQ(WithoutRosterMarkers("[Ivan] @Petrov*"), "Ivan Petrov");
}

TEST(RosterSafeText, EveryByteButTheEightMarkersIsKept) {
  const std::string_view markers = "@*&#^\\[]";
  for (int code = 0; code < 256; ++code) {
    const std::string one(1, static_cast<char>(code));
    const bool marker = markers.find(one[0]) != std::string_view::npos;
    EXPECT_EQ(RosterSafeText(one), marker ? "_" : one) << code;
    EXPECT_EQ(WithoutRosterMarkers("a" + one + "b"), marker ? "ab" : "a" + one + "b") << code;
  }
}

TEST(IsSectionHeader, OnlyALineThatStartsWithABracket) {
  EXPECT_TRUE(IsSectionHeader("[VMF_3110]"));
  EXPECT_TRUE(IsSectionHeader("  [VMF_3110]"));
  EXPECT_FALSE(IsSectionHeader("  000 000 000 Ivan [Ace] Petrov @DGen\\Photo *00 &1920Tula"));
  EXPECT_FALSE(IsSectionHeader(""));
}

TEST(CareerNames, FirstNameBeforeTheFirstBlankLastNameAfter) {
  struct Case {
    std::string name;
    std::string first;
    std::string last;
  };
  const Case cases[] = {
      {"Ivan Petrov", "Ivan", "Petrov"},
      {"Jan van der Berg", "Jan", "van der Berg"},
      {"Kozhedub", "", "Kozhedub"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstNameOf(c.name), c.first) << c.name;
    EXPECT_EQ(LastNameOf(c.name), c.last) << c.name;
  }
}

TEST(MedalList, TheAwardNumbersOfTheMedalsHeld) {
  EXPECT_EQ(MedalList("0"), "");
  EXPECT_EQ(MedalList("1"), "0");
  EXPECT_EQ(MedalList("3"), "0 1 2");
  EXPECT_EQ(MedalList("8"), "0 1 2 3 4 5 6 7");
  EXPECT_EQ(MedalList("9"), "");
  EXPECT_EQ(MedalList(""), "");
}

TEST(PilotLine, ReadsBackWhatItWrites) {
  PilotEntry pilot;
  pilot.RosterMarker = "^";
  pilot.RosterKills = "012";
  pilot.RosterGroundKills = "003";
  pilot.RosterSorties = "140";
  pilot.RosterName = "Jan van der Berg";
  pilot.RosterPhoto = "DGen\\DU\\07";
  pilot.RosterRank = "4";
  pilot.RosterMedalCount = "2";
  pilot.RosterBirthDate = "1917";
  pilot.RosterHomeTown = "Den Haag";
  const std::string line = PilotLine(pilot);
  EXPECT_EQ(line, "^ 012 003 140 Jan van der Berg @DGen\\DU\\07 *42 &1917Den Haag");
  EXPECT_EQ(PilotLineLength(pilot), line.size());
  EXPECT_EQ(PilotLineLength(PilotEntry{}), PilotLine(PilotEntry{}).size());
  EXPECT_TRUE(IsCompletePilotLine(line));
  PilotEntry read;
  ReadPilotLine(line, read);
  EXPECT_EQ(PilotLine(read), line);
}

TEST(ReadPilotLine, FieldsWithoutTheirMarkerKeepWhatTheSlotHeld) {
  PilotEntry pilot;
  pilot.RosterRank = "5";
  pilot.RosterMedalCount = "3";
  pilot.RosterBirthDate = "1911";
  pilot.RosterHomeTown = "Kazan";
  ReadPilotLine("  001 002 003 Oleg Orlov @DGen\\RU1\\04", pilot);
  EXPECT_EQ(pilot.RosterName, "Oleg Orlov");
  EXPECT_EQ(pilot.RosterKills, "001");
  EXPECT_EQ(pilot.RosterSorties, "003");
  EXPECT_EQ(pilot.RosterRank, "5");
  EXPECT_EQ(pilot.RosterMedalCount, "3");
  EXPECT_EQ(pilot.RosterBirthDate, "1911");
  EXPECT_EQ(pilot.RosterHomeTown, "Kazan");
  // No "*" after the portrait within its field: the portrait reads empty.
  EXPECT_EQ(pilot.RosterPhoto, "");
}

TEST(ReadPilotLine, AnEmptyLineEmptiesTheSlotButItsRankBirthAndTown) {
  PilotEntry pilot;
  pilot.RosterName = "Old Name";
  pilot.RosterRank = "2";
  pilot.RosterMedalCount = "";
  pilot.RosterBirthDate = "1915";
  pilot.RosterHomeTown = "";
  ReadPilotLine("", pilot);
  EXPECT_EQ(pilot.RosterName, "");
  EXPECT_EQ(pilot.RosterMarker, "");
  EXPECT_EQ(pilot.RosterKills, "");
  EXPECT_EQ(pilot.RosterRank, "2");
  EXPECT_EQ(pilot.RosterMedalCount, "0");
  EXPECT_EQ(pilot.RosterBirthDate, "1915");
  EXPECT_EQ(pilot.RosterHomeTown, "Unknown");
  EXPECT_FALSE(IsCompletePilotLine(""));
}

TEST(IsCompletePilotLine, EveryFieldInItsPlace) {
  EXPECT_TRUE(IsCompletePilotLine("d 000 000 001 A B @DGen\\Photo *00 &1920X"));
  EXPECT_FALSE(IsCompletePilotLine("  7 000 001 A B @DGen\\Photo *00 &1920X"));
  EXPECT_FALSE(IsCompletePilotLine("  000 000 001 A B @DGen\\Photo &1920X"));
  EXPECT_FALSE(IsCompletePilotLine("  000 000 001 A B &1920X *00 @DGen\\Photo"));
  EXPECT_FALSE(IsCompletePilotLine("garbage"));
}

// ReadPilotLine as first written, from the text helpers' Copy, Trim and Pos.
void ReadPilotLineByCopies(std::string_view line, PilotEntry& pilot) {
  pilot.RosterMarker = Copy(line, 1, 1);
  pilot.RosterKills = Trim(Copy(line, 3, 3));
  pilot.RosterGroundKills = Trim(Copy(line, 7, 3));
  pilot.RosterSorties = Trim(Copy(line, 11, 3));
  std::string name = Trim(Copy(line, 15, 99));
  const int star = Pos("*", line);
  if (star > 0) {
    pilot.RosterRank = Trim(Copy(line, star + 1, 1));
    pilot.RosterMedalCount = Trim(Copy(line, star + 2, 1));
  }
  const int at = Pos("@", line);
  if (at > 0) name = Trim(Copy(line, 15, Pos("@", name) - 1));
  if (Trim(pilot.RosterMedalCount).empty()) pilot.RosterMedalCount = "0";
  const int ampersand = Pos("&", line);
  if (ampersand > 0) {
    pilot.RosterBirthDate = Trim(Copy(line, ampersand + 1, 4));
    pilot.RosterHomeTown = Trim(Copy(line, ampersand + 5, 99));
  }
  if (Trim(pilot.RosterHomeTown).empty()) pilot.RosterHomeTown = "Unknown";
  if (at > 0) {
    const std::string after_at = Trim(Copy(line, at + 1, 99));
    pilot.RosterPhoto = Trim(Copy(after_at, 1, Pos("*", after_at) - 1));
  } else {
    pilot.RosterPhoto.clear();
  }
  pilot.RosterName = name;
}

TEST(ReadPilotLine, AgreesWithTheTextHelpersOnLinesDrawnAtRandom) {
  const char* const pieces[] = {" ",  "  ",   "\t",  "\x01",        "0",           "12",   "999",
                                "a",  "\xE9", "@",   " @",          "*",           " *",   "&",
                                " &", "@*&",  " * ", "Ivan Petrov", "DGen\\Photo", "1920", "Tula"};
  std::mt19937 random(1931);
  for (int n = 0; n < 20000; ++n) {
    std::string line = n % 3 == 0 ? "^ 001 012 345 " : "";
    const int count = static_cast<int>(random() % 14);
    for (int k = 0; k < count; ++k) line += pieces[random() % std::size(pieces)];
    // Long names and towns reach past the fields' widths.
    if (n % 7 == 0) line.insert(line.size() / 2, std::string(random() % 120, 'x'));
    PilotEntry read;
    PilotEntry expected;
    // Fields the line does not reach keep what the slot held.
    for (PilotEntry* pilot : {&read, &expected}) {
      pilot->RosterRank = "3";
      pilot->RosterMedalCount = n % 2 == 0 ? "1" : " ";
      pilot->RosterBirthDate = "1911";
      pilot->RosterHomeTown = n % 5 == 0 ? "" : "Kazan";
    }
    ReadPilotLine(line, read);
    ReadPilotLineByCopies(line, expected);
    ASSERT_EQ(PilotLine(read), PilotLine(expected)) << "\"" << line << "\"";
  }
}

// The check as first written, with a search for each two-character field mark.
bool IsCompletePilotLineBySearch(std::string_view line) {
  if (line.size() < 15) return false;
  for (const int blank : {2, 6, 10, 14}) {
    if (line[blank - 1] != ' ') return false;
  }
  for (const int column : {3, 7, 11}) {
    for (const char c : line.substr(column - 1, 3)) {
      if (c < '0' || c > '9') return false;
    }
  }
  const size_t at = line.find(" @", 14);
  const size_t star = at == std::string_view::npos ? at : line.find(" *", at + 2);
  const size_t ampersand = star == std::string_view::npos ? star : line.find(" &", star + 2);
  return ampersand != std::string_view::npos;
}

TEST(IsCompletePilotLine, AgreesWithASearchForEachMarkOnLinesDrawnAtRandom) {
  // Lines built of pieces that put the marks, blanks and digits anywhere, in any order.
  const char* const pieces[] = {" ",   "  ",     "0",           "12",          "999", "a",
                                "@",   " @",     "*",           " *",          "&",   " &",
                                "@*&", " @ * &", "Ivan Petrov", "DGen\\Photo", "1920"};
  std::mt19937 random(2024);
  int complete = 0;
  for (int n = 0; n < 20000; ++n) {
    std::string line = n % 2 == 0 ? "  000 012 345 " : "";
    const int count = static_cast<int>(random() % 12);
    for (int k = 0; k < count; ++k) line += pieces[random() % std::size(pieces)];
    const bool expected = IsCompletePilotLineBySearch(line);
    complete += expected ? 1 : 0;
    ASSERT_EQ(IsCompletePilotLine(line), expected) << "\"" << line << "\"";
  }
  // Both answers are common among the lines drawn.
  EXPECT_GT(complete, 1000);
  EXPECT_LT(complete, 19000);
}

}  // namespace
