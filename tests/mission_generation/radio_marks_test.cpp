#include "mission_generation/radio_marks.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_world.h"

namespace {

const std::string kFlight =
    "  TAKEOFF 40150.00 107300.00 0 0 \r\n"
    "  NORMFLY 42650.00 108800.00 500.0 300.00 \r\n";

TEST(SetRadio, EveryLineEndTakesTheFlagInPlaceOfOneBlank) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.RadioBox.Text = "All Squadrons";
  EXPECT_EQ(SetRadio(form, 2, kFlight),
            "  TAKEOFF 40150.00 107300.00 0 0 &0\r\n"
            "  NORMFLY 42650.00 108800.00 500.0 300.00 &0\r\n");
  EXPECT_EQ(SetRadio(form, 2, "  LANDING 1.00 2.00  \r\n"), "  LANDING 1.00 2.00  &0\r\n");
  EXPECT_EQ(SetRadio(form, 2, "  NORMFLY 1.00 2.00\r\n\r\n"), "  NORMFLY 1.00 2.00 &0\r\n &0\r\n");
  EXPECT_EQ(SetRadio(form, 2, "  NORMFLY 1.00 2.00 "), "  NORMFLY 1.00 2.00 ");
  EXPECT_EQ(SetRadio(form, 2, ""), "");

  std::string long_text;
  std::string marked;
  for (int line = 0; line < 250; ++line) {
    long_text += "  NORMFLY " + std::to_string(line) + ".00 1.00 \r\n";
    marked += "  NORMFLY " + std::to_string(line) + ".00 1.00 &0\r\n";
  }
  EXPECT_EQ(SetRadio(form, 2, long_text), marked);
}

TEST(SetRadio, TheSettingChoosesWhoUsesTheRadio) {
  struct Case {
    std::string setting;
    int squadron;
    bool escort_links;
    char flag;
  };
  // Squadron 0 escorts squadron 3 and is escorted by squadron 5 when the links are set;
  // squadron 4 has no radio in squadrons.tavrek.
  const Case cases[] = {
      {"Campaign Default", 2, true, '0'},
      {"Campaign Default", 4, true, '1'},
      {"All Squadrons", 4, true, '0'},
      {"No Squadrons", 0, true, '1'},
      {"Player Squadron Only", 0, true, '0'},
      {"Player Squadron Only", 3, true, '1'},
      {"Player Squadron & Escorts", 0, false, '0'},
      {"Player Squadron & Escorts", 3, true, '0'},
      {"Player Squadron & Escorts", 5, true, '0'},
      {"Player Squadron & Escorts", 2, true, '1'},
      {"Player Squadron & Escorts", 3, false, '1'},
      {"Player Squadron & Escorts", 4, false, '1'},
      {"a setting that is no item", 2, true, '0'},
      {"a setting that is no item", 4, true, '1'},
  };
  for (const Case& c : cases) {
    TestWorld world;
    TMainForm& form = *world.form;
    form.RadioBox.Text = c.setting;
    for (int s = 0; s <= 5; ++s) form.SquadronTable[s].SquadronRadio = "Radio";
    form.SquadronTable[4].SquadronRadio = "NoRadio";
    if (c.escort_links) {
      form.SquadronTable[0].SquadronEscortOf = 3;
      form.SquadronTable[0].SquadronEscortedBy = 5;
    }
    EXPECT_EQ(SetRadio(form, c.squadron, "  NORMFLY 1.00 2.00 \r\n"),
              std::string("  NORMFLY 1.00 2.00 &") + c.flag + "\r\n")
        << c.setting << ", squadron " << c.squadron;
  }
}

}  // namespace
