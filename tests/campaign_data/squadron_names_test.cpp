#include "campaign_data/squadron_names.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "platform/errors.h"
#include "tests/campaign_data/campaign_tables_fixture.h"
#include "tests/support/test_world.h"

namespace {

const OrdinalEndings kEndings{"st", "nd", "rd", "th"};

TEST(SquadCountry, IdentifierRulesSetArmyAndNationLaterRulesWinning) {
  struct Case {
    const char* name;
    const char* army_before;
    const char* nation_before;
    const char* army;
    const char* nation;
  };
  const Case cases[] = {
      {"I_JG521", "2", "", "2", "de"},
      {"5_1_Fighter0", "2", "", "2", "hu"},
      {"H011", "1", "", "2", "hu"},  // "h01" in lower case
      {"Xh01", "1", "", "2", "hu"},
      {"H0H1", "1", "", "1", "ru"},
      {"ja011", "2", "", "2", "ja"},
      {"IJN_AG_z0121", "1", "", "2", "in"},
      {"LeLv240", "2", "", "2", "fi"},
      {"ro011", "2", "", "2", "ro"},
      {"sk011", "2", "", "2", "sk"},
      {"fr011", "1", "", "1", "fr"},  // "r01" does not make it Soviet
      {"GCNN1", "1", "", "1", "fr"},
      {"GC_NN1", "1", "", "1", "ru"},  // "_NN" is no French "NN"
      {"303RF0", "1", "", "1", "pl"},
      {"r011", "2", "", "1", "ru"},
      {"12IAP1", "1", "", "1", "ru"},
      {"usa011", "1", "", "1", "us"},
      {"USN_VF20", "1", "", "1", "un"},
      {"USMC_VMF2140", "1", "", "1", "um"},
      {"RAF_19Sqn0", "1", "", "1", "gb"},
      {"RN_NN1", "1", "", "1", "rn"},
      {"1FSquadron0", "1", "", "1", "rz"},  // "Squadron" then "FSquadron"
      {"NEI_20", "1", "", "1", "du"},
      {"RAAF_75Sqn0", "1", "", "1", "ra"},
      {"356squadriglia0", "2", "", "2", "it"},  // "sq" then "356squadriglia"
      {"Nothing0", "1", "xx", "1", "ru"},
      {"Nothing0", "2", "xx", "2", "de"},
      {"Nothing0", "", "xx", "", "xx"},  // no army: the nation stays
  };
  for (const Case& c : cases) {
    const SquadronCountry country = CountryOfSquadron(c.name, c.army_before, c.nation_before);
    EXPECT_EQ(country.army, c.army) << c.name;
    EXPECT_EQ(country.nation, c.nation) << c.name;
  }
}

TEST(SquadCountry, SetsTheSquadronFields) {
  TestWorld world;
  SquadronEntry& squadron = world.form->SquadronTable[3];
  squadron.SquadronName = "RAAF_75Sqn0";
  squadron.SquadronArmy = "2";
  SquadCountry(*world.form, 3);
  EXPECT_EQ(squadron.SquadronArmy, "1");
  EXPECT_EQ(squadron.SquadronNation, "ra");
}

TEST(GetNumEnd, EnglishOrdinalEndings) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "st"},   {"2", "nd"},   {"3", "rd"},   {"21", "st"}, {"22", "nd"}, {"23", "rd"},
      {"11", "th"},  {"12", "th"},  {"13", "th"},  {"4", "th"},  {"0", "th"},  {"101", "st"},
      {"111", "th"}, {"112", "th"}, {"213", "th"}, {"", "th"},
  };
  for (const auto& [number, ending] : cases) {
    EXPECT_EQ(OrdinalEnding(number, kEndings), ending) << number;
  }
  TestWorld world;
  campaign_tables::FillMessages(*world.form);
  EXPECT_EQ(GetNumEnd(*world.form, "52"), "nd");
}

TEST(GetFullName, BuiltInDisplayNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"II_JG520", "II/Jagdgeschwader 52"},
      {"I_ZG10", "I/Zerst\xF6rergeschwader 1"},
      {"II_KGrzbV10", "II/KGrzb V 1"},
      {"III_KG511", "III/Kampfgeschwader 51"},
      {"Stab_StG20", "Stab./Sturzkampfgeschwader 2"},
      {"II_NJG10", "II/Nachtjagdgeschwader 1"},
      {"4GvIAP1", "4th Guards IAP"},
      {"4GvShAP0", "4th Guards ShAP"},
      {"12IAP1", "12th IAP"},
      {"7ShAP0", "7th ShAP"},
      {"35BAP1", "35th BAP"},
      {"USA_8FG_FS_z0311", "31st Fighter Squadron"},
      {"USA_BS_z0022", "2nd Bomber Squadron"},
      {"USA_FS_xyz1", "USA_FS_xyz"},  // no squadron number: the identifier stays
      {"IJN_C_Akagi_A1", "Kokutai Akagi A"},
      {"IJN_AG_z0121", "Kokutai 12th"},
      {"IJN_AG_Tainan1", "Kokutai Tainan"},
      {"IJA_F_S_z0641", "64th Hiko Sentai"},
      {"IJA_F_C_z0031", "3rd Dokuritsu Chutai"},
      {"IJA_F_K_z0111", "11th Hyo-iku Hikotai"},
      {"X", ""},
      {"", ""},
  };
  for (const auto& [identifier, full_name] : cases) {
    EXPECT_EQ(FullSquadronName(identifier, {}, kEndings), full_name) << identifier;
  }
}

TEST(GetFullName, OverrideLinesNameTheUnitAsAWholeWordAndTheLastOneWins) {
  const std::vector<std::string> overrides{
      "II_JG52 Gruppe Zwei",
      "XII_JG52 Not this one",
      "  II_JG52   Second Group  ",
      "II_JG52 II_JG52 names itself",
      "II_JG52",
      "Unrelated line",
  };
  EXPECT_EQ(FullSquadronName("II_JG520", overrides, kEndings), "Second Group");
  EXPECT_EQ(FullSquadronName("XII_JG520", overrides, kEndings), "Not this one");
  EXPECT_EQ(FullSquadronName("III_JG520", overrides, kEndings), "III/Jagdgeschwader 52");
}

TEST(GetFullName, ReadsTheOverridesOfTheDataFilesFolderFirst) {
  TestWorld world;
  TempFolder data_files;
  campaign_tables::FillMessages(*world.form);
  world.program_folder.Write("data/squadids.tavrek", "12IAP Program Regiment\r\n");
  SquadronEntry& squadron = world.form->SquadronTable[0];
  squadron.SquadronName = "12IAP1";

  GetFullName(*world.form, 0);
  EXPECT_EQ(squadron.SquadronFullName, "Program Regiment");

  world.form->DataFilesFolder = data_files.Path();
  data_files.Write("squadids.tavrek", "12IAP Third Party Regiment\r\n");
  GetFullName(*world.form, 0);
  EXPECT_EQ(squadron.SquadronFullName, "Third Party Regiment");
}

TEST(GetFullName, MissingOverrideFileIsLoggedAndRaised) {
  TestWorld world;
  world.form->SquadronTable[0].SquadronName = "12IAP1";
  try {
    GetFullName(*world.form, 0);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "No squadids.tavrek file found.");
  }
  EXPECT_NE(world.form->ErrorText.find("No squadids.tavrek file found."), std::string::npos);
}

// The override rule as first written: every line trimmed and padded again for every squadron.
std::optional<std::string> PlainOverrideName(const std::string& key,
                                             const std::vector<std::string>& overrides) {
  const std::string unit = Trim(key);
  std::optional<std::string> name;
  for (const std::string& raw : overrides) {
    const std::string line = Trim(raw);
    if (!Contains(" " + line + " ", key)) continue;
    const std::string candidate = Trim(Copy(line, Pos(" ", line), static_cast<int>(line.size())));
    if (!candidate.empty() && !Contains(candidate, unit)) name = candidate;
  }
  return name;
}

TEST(SquadronNameOverrides, AgreeWithTheLineByLineRuleOnRandomLines) {
  // Few words, so that keys often match, names often repeat the unit and lines have no name.
  const std::vector<std::string> words{"II_JG52", "JG52", "II", "Group", "", "  ", "\t", "VF-83"};
  std::mt19937 random(20261211);
  auto pick = [&random](size_t count) {
    return std::uniform_int_distribution<size_t>(0, count - 1)(random);
  };
  auto text = [&](size_t most) {
    std::string joined;
    for (size_t n = pick(most + 1); n > 0; --n)
      joined += words[pick(words.size())] + (pick(3) == 0 ? "" : " ");
    return joined;
  };
  int named = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> lines;
    for (size_t n = pick(8); n > 0; --n) lines.push_back(text(4));
    const SquadronNameOverrides overrides(lines);
    for (int k = 0; k < 10; ++k) {
      // Half of the keys are one of the unit words alone, as squadron names give them.
      const std::string key = " " + (pick(2) == 0 ? words[pick(4)] : text(2)) + " ";
      const std::optional<std::string> expected = PlainOverrideName(key, lines);
      ASSERT_EQ(overrides.NameFor(key), expected) << '"' << key << '"';
      named += expected ? 1 : 0;
    }
  }
  EXPECT_GT(named, 1000);
  EXPECT_LT(named, 29000);
}

// The identifier rules as first written: every part of every rule searched in the name.
SquadronCountry PlainCountryOfSquadron(const std::string& name, const std::string& army,
                                       const std::string& nation) {
  struct Rule {
    std::vector<std::string> parts;
    const char* army;
    const char* nation;
  };
  const std::vector<Rule> rules{
      {{"5_1_Fighter", "hu"}, "2", "hu"},
      {{"ja01", "IJA_"}, "2", "ja"},
      {{"IN_NN", "IJN_"}, "2", "in"},
      {{"LeLv", "fi", "f01"}, "2", "fi"},
      {{"Eskadrila", "ro01"}, "2", "ro"},
      {{"g01", "JG", "KG", "ZG", "F_22", "Aufkl", "_LG", "_SG", "H_31", "StG", "Jabo"}, "2", "de"},
      {{"Slovakian", "sk01"}, "2", "sk"},
      {{"fr01"}, "1", "fr"},
      {{"PL", "PZL", "ZF", "302WX", "303RF", "306UZ", "308ZF", "309WC", "315PK", "316SZ", "317JH",
        "318LW"},
       "1",
       "pl"},
      {{"r01", "BAP", "IAP", "ShAP", "AIK"}, "1", "ru"},
      {{"usa0", "USA_", "FG_", "AVG_FS_", "BG_"}, "1", "us"},
      {{"UN_NN", "USN_"}, "1", "un"},
      {{"UM_NN", "USMC_"}, "1", "um"},
      {{"gb", "RAF", "Squadron", "Sqn"}, "1", "gb"},
      {{"RN_NN", "sq"}, "1", "rn"},
      {{"RZ_NN", "FSquadron", "OTUSquadron", "TSquadron", "DBSquadron", "488Squadronfe"},
       "1",
       "rz"},
      {{"DU_NN", "NEI"}, "1", "du"},
      {{"RAAF"}, "1", "ra"},
      {{"356squadriglia", "i01"}, "2", "it"},
  };
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  SquadronCountry country{army, nation};
  if (army == "1") country.nation = "ru";
  if (army == "2") country.nation = "de";
  for (size_t r = 0; r < rules.size(); ++r) {
    bool listed = false;
    for (const std::string& part : rules[r].parts) listed = listed || Contains(name, part);
    if (r == 0) listed = listed || Contains(lower, "h01");
    if (r == 7) listed = listed || (Contains(name, "NN") && !Contains(name, "_NN"));
    if (r == 9) listed = listed && !Contains(name, "fr01");
    if (listed) country = {rules[r].army, rules[r].nation};
  }
  return country;
}

TEST(SquadCountry, AgreesWithASearchForEveryPartOnRandomIdentifiers) {
  // Parts of the rules, whole and cut, and characters that join them into new pairs.
  const std::vector<std::string> pieces{
      "JG",   "KG", "_",     "NN",   "01",       "0",   "1",    "r",  "f",    "g",
      "h",    "H",  "i",     "sq",   "Squadron", "USA", "USN_", "UM", "IJ",   "A_",
      "N_",   "PL", "ZF",    "Sqn",  "RAAF",     "BAP", "IAP",  "Sh", "fr01", "ja",
      "LeLv", "sk", "Aufkl", "Stab", "z",        "FS_", "BG_",  "DU", "RZ",   "RN"};
  std::mt19937 random(20261211);
  auto pick = [&random](size_t count) {
    return std::uniform_int_distribution<size_t>(0, count - 1)(random);
  };
  const char* armies[] = {"1", "2", "0", ""};
  for (int n = 0; n < 100000; ++n) {
    std::string name;
    for (size_t count = 1 + pick(5); count > 0; --count) name += pieces[pick(pieces.size())];
    const std::string army = armies[pick(4)];
    const SquadronCountry expected = PlainCountryOfSquadron(name, army, "xx");
    const SquadronCountry country = CountryOfSquadron(name, army, "xx");
    ASSERT_EQ(country.army, expected.army) << name;
    ASSERT_EQ(country.nation, expected.nation) << name;
  }
}

}  // namespace
