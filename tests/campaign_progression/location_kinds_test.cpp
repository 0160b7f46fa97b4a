#include "campaign_progression/location_kinds.h"

#include <gtest/gtest.h>

#include <string_view>

#include "campaign_data/text.h"
#include "campaign_progression/part_search.h"

namespace {

constexpr PartSearch<4> kParts({"Sea", "Seaplane", "_Bay", "a"});

// The one-pass search answers as a search for each part in turn.
TEST(PartSearch, AnswersAsASearchForEachPartInTurn) {
  const std::string_view texts[] = {
      "",        "S",           "Se",          "Sea", "xSeaplane_Base", "Okinawa_Bay",
      "_Ba",     "Bay",         "SSSea",       "SEA", "no match here",  "Nothing_Here_B",
      "End_Bay", "\xff\x80Sea", "Naha Harbor", "A",   "_B_Ba_Bay",      "Ocean"};
  for (const std::string_view text : texts) {
    EXPECT_EQ(kParts.In(text), ContainsAny(text, {"Sea", "Seaplane", "_Bay", "a"})) << text;
  }
}

TEST(LocationKinds, ToldFromTheNameAlone) {
  struct Case {
    std::string_view name;
    bool land;
    bool sea_node;
  };
  const Case cases[] = {
      {"Naha_Airfield", true, false},  {"Naha_Station", false, false},
      {"Itoman_Rail_2", false, false}, {"Naha_Harbor", false, false},
      {"East_China_Sea", false, true}, {"Yonabaru_Beachhead", false, false},
      {"Motobu_Port", false, false},   {"Pacific_Ocean", false, true},
      {"Nakagusuku_Bay", false, true}, {"Kadena_Seaplane_Base", false, false},
      {"Shuri", true, false},          {"", true, false},
      {"Rail_Yard", true, false},      {"Bay_Town", true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsLandLocation(c.name), c.land) << c.name;
    EXPECT_EQ(IsNonLandLocation(c.name), !c.land) << c.name;
    EXPECT_EQ(IsSeaNode(c.name), c.sea_node) << c.name;
  }
}

}  // namespace
