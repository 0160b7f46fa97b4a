#include "mission_results/squadron_country.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/mission_results/roster_world.h"

namespace {

TEST(SquadronCountry, TheLastPatternThatMatchesDecides) {
  struct Case {
    std::string identifier;
    std::string country;
  };
  const Case cases[] = {
      {"356squadriglia1", "Italian"},
      {"fr010", "French"},
      {"RN_NN_800", "British"},
      {"RZ_NN_485", "New Zealand"},
      {"UN_NN_VF5", "American"},
      {"UM_NN_VMF1", "American"},
      {"IN_NN_Kokutai", "Japanese"},
      {"H01x", "Hungarian"},
      {"488Squadronfe0", "British"},
      {"120SquadronNEI0", "British"},
      {"DU_NN_2VLG", ""},
      {"I_JG52_1", "German"},
      {"JG52_r01", "Soviet"},
      {"303RF_Squadron", "Polish"},
      {"LeLv24_1", "Finnish"},
      {"RAAF_75", "Australian"},
      {"Slovakian_13", "Slovak"},
      {"ro01_Eskadrila", "Romanian"},
      {"USA_FS_0190", "American"},
      {"zzz", ""},
      {"", ""},
  };
  RosterWorld w;
  for (const Case& c : cases) {
    EXPECT_EQ(SquadronCountry(w.form, c.identifier), c.country) << c.identifier;
  }
}

}  // namespace
