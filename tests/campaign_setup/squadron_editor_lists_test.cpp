#include "campaign_setup/squadron_editor_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

AircraftClassEntry Type(const std::string& name, const std::string& description,
                        const std::string& game_name, const std::string& start,
                        const std::string& end) {
  AircraftClassEntry type;
  type.ClassName = name;
  type.ClassDescription = description;
  type.ClassGameName = game_name;
  type.ClassServiceStart = start;
  type.ClassServiceEnd = end;
  return type;
}

TEST(AircraftOffered, InstalledTypesInServiceInClassOrder) {
  const std::vector<AircraftClassEntry> classes{
      Type("F6F5 ", "F6F-5 Hellcat   ", "F6F-5", "194404", "194512"),
      Type("ENDS", "Ends this month", "ends", "194201", "194504"),
      Type("LATER", "Starts next month", "later", "194505", "194512"),
      Type("MISSING", "Not installed", "missing", "194001", "194512"),
  };
  const std::vector<std::string> installed{"f6f-5", "ENDS", "later"};
  const OfferedAircraft dated = AircraftOffered(classes, installed, true, 194504);
  EXPECT_EQ(dated.descriptions, (std::vector<std::string>{"F6F-5 Hellcat", "Ends this month"}));
  EXPECT_EQ(dated.class_lines, (std::vector<std::string>{"Class air.F6F5", "Class air.ENDS"}));
  const OfferedAircraft undated = AircraftOffered(classes, installed, false, 194504);
  EXPECT_EQ(undated.descriptions.size(), 3u) << "without historical dates only the game decides";
  EXPECT_EQ(undated.class_lines.back(), "Class air.LATER");
}

TEST(BasesOffered, EachRoleGetsItsOwnSidesBasesThenCarriersThenUnknown) {
  const std::vector<BasePlace> places{
      {"Yontan_Airfield", "1"}, {"Ie_Shima_Airstrip", "1"},
      {"Hagushi_Harbor", "1"},  {"Kerama_Seaplane_Base", "1"},
      {"Naha_Airfield", "2"},   {"Naha_Port", "1"},
      {"Chatan", "1"},
  };
  const std::vector<CarrierColumn> columns{
      {"USS_Essex", "6_Chief Ships.USSEssexCV9 1", "1"},
      {"LCVP_Group", "7_Chief Ships.USSLCVP 1", "1"},
      {"Shokaku", "8_Chief Ships.ShokakuCV 2", "2"},
  };
  struct Case {
    const char* role;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"1", {"Yontan_Airfield", "Ie_Shima_Airstrip", "USS_Essex", "Unknown"}},
      {"2", {"Yontan_Airfield", "USS_Essex", "Unknown"}},
      {"6", {"Hagushi_Harbor", "Kerama_Seaplane_Base", "Naha_Port", "Unknown"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BasesOffered(places, columns, "1", c.role), c.expected) << "role " << c.role;
  }
}

TEST(BaseSuitsRole, WaterBasesForSeaplanesOnlyAndUnknownForAll) {
  struct Case {
    const char* base;
    const char* role;
    bool suits;
  };
  const Case cases[] = {
      {"Yontan_Airfield", "1", true},  {"Hagushi_Harbor", "1", false},
      {"naha_PORT", "2", false},       {"Kerama_Seaplane_Base", "6", true},
      {"Yontan_Airfield", "6", false}, {"Unknown", "6", true},
      {"Unknown", "1", true},          {"USS_Essex", "7", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BaseSuitsRole(c.base, c.role), c.suits) << c.base << " role " << c.role;
  }
}

TEST(SkillItems, FileTextsAndBoxItemsMapBothWays) {
  const char* const items[] = {"Rookie", "Average", "Veteran", "Ace"};
  for (int level = 0; level < 4; ++level) {
    const std::string skill = "Skill " + std::to_string(level);
    EXPECT_EQ(SkillOfItem(items[level]), skill);
    EXPECT_EQ(ItemOfSkill(skill), items[level]);
  }
  EXPECT_EQ(ItemOfSkill("Skill 7"), "Rookie");
  EXPECT_EQ(SkillOfItem("Expert"), "Skill 0");
}

TEST(InsigniaShown, TheNationsInsigniaStandsInForItsSides) {
  struct Case {
    const char* army;
    const char* nation;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"1", "ru", {"RedStar"}},
      {"2", "de", {"IronCross"}},
      {"2", "fi", {"FiIcon"}},
      {"2", "in", {"JaIcon"}},
      {"1", "um", {"USAAFIcon"}},
      {"1", "rn", {"RAFIcon"}},
      {"1", "rz", {"RAAFIcon"}},
      {"1", "it", {"RedStar", "Iticon"}},  // a co-belligerent keeps the Allied star
      {"2", "pl", {"plicon"}},
      {"1", "pl", {"plicon"}},
      {"0", "", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InsigniaShown(c.army, c.nation), c.shown) << c.army << " " << c.nation;
  }
}

TEST(SquadronIdsOf, LinesAreTrimmedAndCutBeforeTheirFirstBlank) {
  EXPECT_EQ(SquadronIdsOf({"USN_VF_83 VF-83 Fighting Squadron", "  II_JG52  ", "", "   ",
                           "1GvIAP 1st Guards"}),
            (std::vector<std::string>{"USN_VF_83", "II_JG52", "1GvIAP"}));
}

TEST(UsableSquadronName, ASquadronFileHeaderMustHoldTheName) {
  EXPECT_TRUE(UsableSquadronName("USN_VF_831"));
  for (const std::string& name :
       std::vector<std::string>{"", "USN VF", "USN]x", "[USN", "USN\tVF", "U\x01"}) {
    EXPECT_FALSE(UsableSquadronName(name)) << name;
  }
}

}  // namespace
