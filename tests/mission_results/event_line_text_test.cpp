// The pieces of event-log lines: stamps, prepared lines, aircraft ids, counters, names.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/main_form.h"
#include "mission_results/event_log_block.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "platform/errors.h"
#include "tests/mission_results/results_campaign.h"

namespace {

TEST(EventLineText, BothStampFormsGiveTheSamePreparedLine) {
  const std::string expected = "USMC_VMF_311012 shot down by IJN_S_252000 at 100.00 200.00";
  for (const char* line :
       {"[14:05:40] USMC_VMF_311012 shot down by IJN_S_252000 at 100.00 200.00",
        "[2:05:40 PM] USMC_VMF_311012 shot down by IJN_S_252000 at 100.00 200.00",
        "[9:05:40 AM]   USMC_VMF_311012 shot down by IJN_S_252000 at 100.00 200.00",
        "14:05:40 USMC_VMF_311012 shot down by IJN_S_252000 at 100.00 200.00"}) {
    EXPECT_EQ(PrepareEventLine(line), expected) << line;
  }
  // Only the stamp's own mark goes: a pilot named "Sam PM]" keeps his name.
  EXPECT_EQ(PrepareEventLine("[2:05:40 PM] r01000(0) seat occupied by Sam PM] at 1.00 2.00"),
            "r01000(0) seat occupied by Sam PM] at 1.00 2.00");
}

struct StampCase {
  const char* line;
  std::optional<int> seconds;
};

TEST(EventLineText, StampsReadInBothFormsAndRefuseWhatIsNoTime) {
  const StampCase cases[] = {
      {"[14:05:40] Mission BEGIN", 14 * 3600 + 5 * 60 + 40},
      {"[2:05:40 PM] Mission END", 14 * 3600 + 5 * 60 + 40},
      {"[12:00:01 AM] Mission END", 1},
      {"[12:30:00 PM] Mission END", 12 * 3600 + 30 * 60},
      {"09:15:00 Mission BEGIN", 9 * 3600 + 15 * 60},
      {"[1x:05:40] Mission END", std::nullopt},
      {"[24:00:00] Mission END", std::nullopt},
      {"[13:05:40 PM] Mission END", std::nullopt},
      {"[14:65:40] Mission END", std::nullopt},
      {"Mission END", std::nullopt},
      {"", std::nullopt},
  };
  for (const StampCase& c : cases) EXPECT_EQ(StampSeconds(c.line), c.seconds) << c.line;
  EXPECT_EQ(FlightMinutes(14 * 3600, 15 * 3600 + 59), 60);
  EXPECT_EQ(FlightMinutes(23 * 3600 + 50 * 60, 10 * 60), 20);  // across midnight
}

TEST(EventLineText, TheLastMissionOfTheLogIsTheBlock) {
  const std::vector<std::string> lines = {
      "[Dec 8, 2026 10:00:00] Mission: Campaign/UM/Tavrek/a.mis is Playing",
      "[10:00:00] Mission BEGIN", "[10:10:00] Mission END",
      "[Dec 8, 2026 2:00:00 PM] Mission: Campaign/UM/Tavrek/b.mis is Playing",
      "[2:00:00 PM] Mission BEGIN"};
  const MissionBlock block = FindLastMissionBlock(lines);
  ASSERT_TRUE(block.found);
  EXPECT_EQ(block.stamp, "[Dec 8, 2026 2:00:00 PM]");
  EXPECT_EQ(block.first_line, 3u);
  EXPECT_EQ(MissionPath(lines[3]), "Campaign/UM/Tavrek/b.mis");
  EXPECT_FALSE(FindLastMissionBlock({"[10:00:00] Mission BEGIN", "garbage"}).found);
}

TEST(EventLineText, APilotsNameMarksNoMissionStartBeginOrEnd) {
  const std::vector<std::string> lines = {
      "[Dec 8, 2026 10:00:00] Mission: Campaign/UM/Tavrek/a.mis is Playing",
      "[10:00:20] r01000(0) seat occupied by Mission: b.mis is Playing at 1.00 2.00",
      "[10:00:30] r01001(0) seat occupied by Mission END at 1.00 2.00"};
  EXPECT_EQ(FindLastMissionBlock(lines).first_line, 0u);
  EXPECT_FALSE(IsMissionEnd(lines[2]));
  EXPECT_TRUE(IsMissionEnd("[2:05:40 PM] Mission END"));
  EXPECT_TRUE(IsMissionBegin("14:05:40 Mission BEGIN"));
}

struct ModeCase {
  const char* name;
  const char* game_id;
  const char* includes_aep;
  const char* parameter;
  const char* line;
  const char* seat_pass;
  const char* loss_pass;
};

TEST(EventLineText, ReaderModesFollowTheEditionTheMissionAndTheCommandLine) {
  const char* dogfight = "[Dec 8, 2026 10:00:00] Mission: Net/dogfight/Tavrek/x.mis is Playing";
  const char* dogfight_bs =
      "[Dec 8, 2026 10:00:00] Mission: net\\Dogfight\\Tavrek\\x.mis is Playing";
  const char* career = "[Dec 8, 2026 10:00:00] Mission: Campaign/UM/Tavrek/x.mis is Playing";
  const ModeCase cases[] = {
      {"career on the oldest edition", "IL2FB", "False", "", career, "Standard", "Standard"},
      {"dogfight on the oldest edition", "IL2FB", "False", "", dogfight, "Dogfight", "Dogfight"},
      {"dogfight on AEP", "AEP", "True", "", dogfight_bs, "AcesDogfight", "AcesDogfight"},
      {"IL2FB with AEP installed", "IL2FB", "True", "", dogfight, "Dogfight", "AcesDogfight"},
      {"on-line dogfight script", "1946", "True", "netdogfight", career, "AcesDogfight",
       "Standard"},
  };
  const ReaderModeInputs aep{"AEP", "True", ""};
  EXPECT_EQ(
      SeatPassReaderMode("Standard",
                         "[10:00:20] r01000(0) seat occupied by Mission: net/dogfight at 1 2", aep),
      "Standard");  // a pilot's name is no mission path
  for (const ModeCase& c : cases) {
    const ReaderModeInputs inputs{c.game_id, c.includes_aep, c.parameter};
    EXPECT_EQ(SeatPassReaderMode("Standard", c.line, inputs), c.seat_pass) << c.name;
    EXPECT_EQ(LossPassReaderMode("Standard", c.line, inputs), c.loss_pass) << c.name;
  }
}

TEST(EventLineText, AircraftIdsNameSlotsOnlyForFlightAndAircraftDigitsUpToThree) {
  const std::pair<const char*, int> cases[] = {{"r01000", 0},  {"r01012", 6},  {"r01033", 15},
                                               {"r01003", 3},  {"r01040", -1}, {"r01004", -1},
                                               {"r010x1", -1}, {"1", -1},      {"", -1}};
  for (const auto& [id, slot] : cases) EXPECT_EQ(AircraftSlot(id), slot) << id;
  EXPECT_EQ(AircraftSquadronId("USMC_VMF_311012"), "USMC_VMF_3110");
  EXPECT_EQ(AircraftSquadronId("12"), "");
  EXPECT_EQ(SeatNumber("r01012(2) bailed out"), 2);
  EXPECT_EQ(SeatNumber("r01012(255) was captured"), 255);
  EXPECT_EQ(SeatNumber("r01012() was captured"), -1);
  EXPECT_EQ(SeatNumber("r01012(x) was captured"), -1);
}

TEST(EventLineText, CountersWrapAtAThousandAndTakeTheirOrdinal) {
  ResultsCampaign campaign;
  const TMainForm& form = campaign.form();
  const std::pair<const char*, const char*> next[] = {
      {"000", "001"}, {"009", "010"}, {"021", "022"}, {"999", "000"}};
  for (const auto& [before, after] : next) EXPECT_EQ(NextCount(before), after) << before;
  EXPECT_THROW(NextCount("0x1"), ConversionError);
  EXPECT_THROW(NextCount(""), ConversionError);
  const std::pair<const char*, const char*> ordinals[] = {
      {"001", "1st"},  {"002", "2nd"},  {"003", "3rd"},  {"004", "4th"},  {"011", "11th"},
      {"012", "12th"}, {"013", "13th"}, {"021", "21st"}, {"022", "22nd"}, {"111", "111th"}};
  for (const auto& [counter, ordinal] : ordinals) {
    EXPECT_EQ(CountOrdinal(form, counter), ordinal) << counter;
  }
}

struct UnicodeCase {
  const char* text;
  const char* converted;
};

TEST(EventLogNames, EscapesBecomeCharactersAndMalformedOnesStay) {
  ResultsCampaign campaign;
  const UnicodeCase cases[] = {
      {"\\u0041BC", "ABC"},
      {"J\\u00fcrgen", "J\xFCrgen"},
      {"end \\u041", "end A"},  // fewer digits at the very end
      {"\\u005Cu0041", "A"},    // the new backslash begins an escape again
      {"bad \\uZZZZ name", "bad \\uZZZZ name"},
      {"\\u12 x", "\\u12 x"},
      {"\\u", "\\u"},
      {"\\u000A", "?"},  // no line break inside a name
  };
  for (const UnicodeCase& c : cases) {
    EXPECT_EQ(ConvertUnicode(campaign.form(), c.text), c.converted) << c.text;
  }
}

TEST(EventLogNames, PilotNamesLoseEveryCharacterTheRosterFilesMark) {
  ResultsCampaign campaign;
  TMainForm& form = campaign.form();
  EXPECT_EQ(FixPilotName(form, "[Sq1]Ace@@@@@@@ #1*&^\\"), "_Sq1_Ace_______ _1____");
  EXPECT_EQ(FixPilotName(form, "Bad\\uZZZZ"), "Bad_uZZZZ");
  EXPECT_EQ(FixPilotName(form, "Tab\tand\\u000D"), "Tab_and?");
  EXPECT_EQ(FixPilotName(form, "Keep_Underscore"), "Keep_Underscore");
}

TEST(EventLogNames, EveryControlCharacterAndMarkerOfAPilotNameIsReplaced) {
  ResultsCampaign campaign;
  TMainForm& form = campaign.form();
  const std::string_view markers = "*&\\^@#[]";
  for (int code = 0; code < 256; ++code) {
    const std::string one(1, static_cast<char>(code));
    const bool replaced =
        code < 0x20 || code == 0x7F || markers.find(one[0]) != std::string_view::npos;
    EXPECT_EQ(FixPilotName(form, "A" + one + "z"), replaced ? "A_z" : "A" + one + "z") << code;
  }
}

TEST(EventLogNames, LocationSuffixesBecomeTheLanguagesWords) {
  ResultsCampaign campaign;
  TMainForm& form = campaign.form();
  form.Messages.Message[static_cast<size_t>(MessageSection::kLocations)][3] = " railway";
  form.Messages.Message[static_cast<size_t>(MessageSection::kLocations)][13] = " beachhead";
  form.Messages.Message[static_cast<size_t>(MessageSection::kLocations)][14] = " beach";
  EXPECT_EQ(TranslateLocation(form, "Hagushi_Beachhead and Naha_Beach", "No"),
            "Hagushi beachhead and Naha beach");
  std::string rails;
  for (int i = 0; i < 40; ++i) rails += "A_Rail ";
  const std::string translated = TranslateLocation(form, rails, "No");
  EXPECT_EQ(std::count(translated.begin(), translated.end(), '_'), 9);  // 31 of 40 replaced
}

}  // namespace
