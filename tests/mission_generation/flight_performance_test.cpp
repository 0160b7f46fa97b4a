#include "mission_generation/flight_performance.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "campaign_data/aircraft_classes.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

constexpr int kRandomAltitude = 2223;
constexpr int kAxisPlayerRandomAltitude = 2770;

// The panel's boxes as a test sets them; each row changes only what it names.
struct Boxes {
  std::string axis = "Default";
  std::string allied = "Default";
  std::string player = "Default";
};

struct AltitudeCase {
  const char* name;
  int squadron;
  std::string side;
  std::string role;
  std::string type_altitude;
  std::string weapons;
  Boxes boxes;
  int altitude;
};

TEST(AltitudeSet, TypeSideBoxWeaponsAndThePlayersBox) {
  const AltitudeCase cases[] = {
      {"type altitude", 3, "2", "2", "2500 Meters", "default", {}, 2500},
      {"axis box over the type", 3, "2", "2", "2500 Meters", "default", {"4000 Meters"}, 4000},
      {"allied box leaves axis squadrons",
       3,
       "2",
       "2",
       "2500 Meters",
       "default",
       {"Default", "600 Meters"},
       2500},
      {"allied box", 3, "1", "2", "2500 Meters", "default", {"Default", "600 Meters"}, 600},
      {"axis Random", 3, "2", "1", "Default", "default", {"Random"}, kRandomAltitude},
      {"allied Random", 3, "1", "1", "Random", "default", {"Default", "Random"}, kRandomAltitude},
      {"paratroopers in any case",
       3,
       "1",
       "3",
       "2500 Meters",
       "Paratroopers",
       {"Default", "5000 Meters"},
       1000},
      {"fighter with its second payload", 3, "2", "1", "3000 Meters", "2xSC250", {}, 1000},
      {"ground attack with its second payload", 3, "2", "4", "3000 Meters", "2xSC250", {}, 1000},
      {"bomber with its second payload", 3, "2", "2", "3000 Meters", "2xSC250", {}, 3000},
      {"glider tug", 3, "2", "3", "3000 Meters", "glider_tow", {"6000 Meters"}, 500},
      {"Glider written in capitals is no tug", 3, "2", "3", "3000 Meters", "Glider_tow", {}, 3000},
      {"player Random on the allied side",
       0,
       "1",
       "1",
       "2500 Meters",
       "default",
       {"Default", "Default", "Random"},
       kRandomAltitude},
      {"player Random on the axis side",
       0,
       "2",
       "1",
       "2500 Meters",
       "default",
       {"Default", "Default", "Random"},
       kAxisPlayerRandomAltitude},
      {"player Default gives back the type's altitude",
       0,
       "2",
       "3",
       "2000 Meters",
       "paras",
       {"5000 Meters"},
       2000},
      {"player Default without a type altitude keeps the rules",
       0,
       "2",
       "3",
       "Default",
       "paras",
       {"5000 Meters"},
       1000},
      {"player's own altitude over a glider tow",
       0,
       "1",
       "3",
       "Default",
       "glider",
       {"Default", "Default", "1500 Meters"},
       1500},
      {"player box is for the player only",
       3,
       "1",
       "1",
       "2500 Meters",
       "default",
       {"Default", "Default", "1500 Meters"},
       2500},
      // With every box on "Default" and a type without its own altitude nothing names an
      // altitude; the flight does not go down to the ground.
      {"nothing names an altitude", 3, "2", "2", "Default", "default", {}, 3000},
      {"the player's likewise", 0, "1", "1", "Default", "default", {}, 3000},
  };
  for (const AltitudeCase& c : cases) {
    TestWorld world;
    TMainForm& form = *world.form;
    form.RandomTransitAltitude = kRandomAltitude;
    form.AxisPlayerRandomAltitude = kAxisPlayerRandomAltitude;
    form.GAltitudeBox.Text = c.boxes.axis;
    form.RAltitudeBox.Text = c.boxes.allied;
    form.TransitAltBox.Text = c.boxes.player;
    SquadronEntry& squadron = form.SquadronTable[c.squadron];
    squadron.SquadronName = "JG51";
    squadron.SquadronArmy = c.side;
    squadron.SquadronRole = c.role;
    squadron.TypeTransitAlt = c.type_altitude;
    squadron.SquadronWeapons = c.weapons;
    squadron.TypePayload2 = "2xSC250";
    EXPECT_EQ(AltitudeSet(form, c.squadron), c.altitude) << c.name;
    EXPECT_EQ(AltitudeSet(form, c.squadron), c.altitude) << c.name << " (asked again)";
    EXPECT_TRUE(HasCruiseAltitude(form, c.squadron)) << c.name;
    EXPECT_EQ(form.ErrorText, "") << c.name;
  }
}

TEST(AltitudeSet, ATextWithoutANumberGives3000AndIsLogged) {
  TestWorld world;
  TMainForm& form = *world.form;
  SquadronEntry& squadron = form.SquadronTable[2];
  squadron.SquadronName = "I_JG3";
  squadron.SquadronArmy = "2";
  squadron.TypeTransitAlt = "2500 Meters";
  form.GAltitudeBox.Text = "Transit Altitude";
  EXPECT_FALSE(HasCruiseAltitude(form, 2));
  EXPECT_EQ(AltitudeSet(form, 2), 3000);
  EXPECT_EQ(AltitudeSet(form, 2), 3000);
  EXPECT_EQ(RunLogMessages(form), (std::vector<std::string>{"Altitude Set for I_JG3 [2] failed.",
                                                            "Altitude Set for I_JG3 [2] failed."}));

  form.GAltitudeBox.Text = "Default";
  squadron.TypeTransitAlt = "high";
  EXPECT_FALSE(HasCruiseAltitude(form, 2));
  EXPECT_EQ(AltitudeSet(form, 2), 3000);
  EXPECT_EQ(RunLogMessages(form).size(), 3u);
}

struct SpeedCase {
  const char* name;
  int squadron;
  std::string type_speed;
  std::string box;
  std::string speed;
  bool logged;
};

TEST(SetSpeed, TypeSpeedAndThePlayersBox) {
  const SpeedCase cases[] = {
      {"default", 4, "Default", "Default", "300.00", false},
      {"type speed", 4, "350.00 kph", "Default", "350.00", false},
      {"player's box", 0, "350.00 kph", "400.00 kph ", "400.00", false},
      {"player's box without the type", 0, "Default", "150.00 kph", "150.00", false},
      {"box is for the player only", 4, "350.00 kph", "500.00 kph", "350.00", false},
      {"no decimal point is handed on", 4, "320 kph", "Default", "320", false},
      {"type speed without a number", 4, "fast kph", "Default", "350.00", true},
      {"a speed of zero", 0, "Default", "0.00 kph", "350.00", true},
      {"an empty speed", 4, " kph", "Default", "350.00", true},
  };
  for (const SpeedCase& c : cases) {
    TestWorld world;
    TMainForm& form = *world.form;
    SquadronEntry& squadron = form.SquadronTable[c.squadron];
    squadron.SquadronName = "4GvIAP";
    squadron.TypeCruiseSpeed = c.type_speed;
    squadron.TypeIngressSpeed = c.type_speed;
    form.CruiseBox.Text = c.box;
    form.IngressBox.Text = c.box;
    const std::string index = std::to_string(c.squadron);
    const std::vector<std::string> logged =
        c.logged ? std::vector<std::string>{"Speed Set for 4GvIAP [" + index + "] failed.",
                                            "Ingress Speed Set for 4GvIAP [" + index + "] failed."}
                 : std::vector<std::string>{};
    EXPECT_EQ(SetSpeed(form, c.squadron), c.speed) << c.name;
    EXPECT_EQ(SetIngressSpeed(form, c.squadron), c.speed) << c.name;
    EXPECT_EQ(RunLogMessages(form), logged) << c.name;
  }
}

TEST(SetIngressSpeed, ReadsTheIngressFiguresNotTheCruiseFigures) {
  TestWorld world;
  TMainForm& form = *world.form;
  SquadronEntry& player = form.SquadronTable[0];
  player.TypeCruiseSpeed = "300.00 kph";
  player.TypeIngressSpeed = "420.00 kph";
  EXPECT_EQ(SetIngressSpeed(form, 0), "420.00");
  form.CruiseBox.Text = "250.00 kph";
  form.IngressBox.Text = "450.00 kph";
  EXPECT_EQ(SetSpeed(form, 0), "250.00");
  EXPECT_EQ(SetIngressSpeed(form, 0), "450.00");
}

// allpayloads.tavrek: type in columns 1-29, category in 30, weapons from 32.
std::string PayloadLine(const std::string& type, const std::string& category,
                        const std::string& weapons) {
  std::string line = type;
  line.resize(29, ' ');
  return line + category + " " + weapons + "\r\n";
}

TEST(PayloadType, TheLastLineOfTypeAndWeaponsGivesTheCategory) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write(
      "data/allpayloads.tavrek",
      PayloadLine("Ju-87B-2", "B", "1sc500") + PayloadLine("Ju-87B-2", "D", "1sc500_4sc50") +
          PayloadLine("B5N2", "T", "1xType91") + PayloadLine("Ju-87B-2", "A", "1sc500_4sc50") +
          "\r\n" + PayloadLine("Ju-87B-2 long", "T", "1sc500"));
  struct Case {
    std::string aircraft;
    std::string weapons;
    std::string category;
  };
  const Case cases[] = {
      {"Class air.Ju-87B-2", "1sc500", "B"},
      {"Class air.Ju-87B-2", " 1sc500_4sc50 ", "A"},  // the last matching line
      {"Class air.B5N2", "1xType91", "T"},
      {"Class air.B5N2", "none", "X"},
      {"Class air.Bf-109E-4", "1sc500", "X"},
      {"", "", "X"},  // an empty line of the file is no type
  };
  for (const Case& c : cases) {
    form.SquadronTable[1].SquadronClass = c.aircraft;
    form.SquadronTable[1].SquadronWeapons = c.weapons;
    EXPECT_EQ(PayloadType(form, 1), c.category) << c.aircraft << " " << c.weapons;
  }
}

TEST(PayloadType, TheCampaignDataFolderComesFirstAndNoFileGivesX) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.SquadronTable[0].SquadronClass = "Class air.B5N2";
  form.SquadronTable[0].SquadronWeapons = "1xType91";
  EXPECT_EQ(PayloadType(form, 0), "X");
  EXPECT_EQ(form.ErrorText, "");

  world.program_folder.Write("data/allpayloads.tavrek", PayloadLine("B5N2", "T", "1xType91"));
  EXPECT_EQ(PayloadType(form, 0), "T");
  TempFolder campaign_data;
  campaign_data.Write("allpayloads.tavrek", PayloadLine("B5N2", "B", "1xType91"));
  form.CampaignDataFolder = campaign_data.Path();
  EXPECT_EQ(PayloadType(form, 0), "B");
}

// Random speed texts, some of which fail, looked up in a random order: one CruiseSpeeds answers
// and logs as SetSpeed called afresh each time does.
TEST(CruiseSpeeds, AnswersAndLogsAsSetSpeedDoes) {
  const std::string type_speeds[] = {"Default",  "320.00 kph", "410 kph",
                                     "fast kph", " kph",       "0.00 kph"};
  const std::string boxes[] = {"Default", "280.00 kph", "slow kph"};
  constexpr int kSquadrons = 12;
  size_t failure_lines = 0;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    TestWorld cached_world;
    TestWorld fresh_world;
    TMainForm& cached = *cached_world.form;
    TMainForm& fresh = *fresh_world.form;
    const std::string box = boxes[random() % std::size(boxes)];
    cached.CruiseBox.Text = box;
    fresh.CruiseBox.Text = box;
    for (int s = 0; s < kSquadrons; ++s) {
      const std::string speed = type_speeds[random() % std::size(type_speeds)];
      for (TMainForm* form : {&cached, &fresh}) {
        form->SquadronTable[s].SquadronName = "Sq" + std::to_string(s);
        form->SquadronTable[s].TypeCruiseSpeed = speed;
      }
    }
    CruiseSpeeds speeds;
    for (int look_up = 0; look_up < 60; ++look_up) {
      const int s = static_cast<int>(random() % kSquadrons);
      ASSERT_EQ(speeds.Of(cached, s), SetSpeed(fresh, s)) << "seed " << seed << " squadron " << s;
    }
    EXPECT_EQ(RunLogMessages(cached), RunLogMessages(fresh)) << "seed " << seed;
    failure_lines += RunLogMessages(fresh).size();
  }
  EXPECT_GT(failure_lines, 0U) << "the cases should take the failing path";
}

// Random payload lists and squadrons: one PayloadCategories gives, look-up after look-up, what
// reading the list afresh and searching it gives, with or without the file.
TEST(PayloadCategories, AnswersAsAFreshReadOfTheList) {
  const std::string types[] = {"Ju-87B-2", "B5N2", "Bf-109E-4", "Il-2"};
  const std::string categories[] = {"B", "T", "D", "A", "R"};
  const std::string weapons[] = {"1sc500", "1xType91", "4sc50", "default"};
  int categories_found = 0;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    TestWorld world;
    TMainForm& form = *world.form;
    const bool with_file = seed % 4 != 0;
    if (with_file) {
      std::string list;
      for (int line = 0; line < 12; ++line) {
        list += PayloadLine(types[random() % std::size(types)],
                            categories[random() % std::size(categories)],
                            weapons[random() % std::size(weapons)]);
      }
      world.program_folder.Write("data/allpayloads.tavrek", list);
    }
    PayloadCategories payloads;
    for (int look_up = 0; look_up < 40; ++look_up) {
      const int s = static_cast<int>(random() % 8);
      SquadronEntry& entry = form.SquadronTable[s];
      entry.SquadronClass = "Class air." + types[random() % std::size(types)];
      entry.SquadronWeapons = weapons[random() % std::size(weapons)];
      const auto lines = ReadAllPayloads(form);
      const std::string expected =
          lines ? PayloadCategory(*lines, entry.SquadronClass, entry.SquadronWeapons) : "X";
      ASSERT_EQ(payloads.Of(form, s), expected) << "seed " << seed << " squadron " << s;
      ASSERT_EQ(PayloadType(form, s), expected) << "seed " << seed << " squadron " << s;
      if (expected != "X") ++categories_found;
    }
    EXPECT_EQ(form.ErrorText, "") << "seed " << seed;
  }
  EXPECT_GT(categories_found, 0) << "the cases should find some categories";
}

}  // namespace
