#include "mission_results/squadron_country.h"

#include <array>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "platform/ascii.h"

namespace {

struct CountryRule {
  std::vector<std::string_view> patterns;
  int army_line;
};

bool HoldsAny(const std::string& text, const std::vector<std::string_view>& patterns) {
  for (const std::string_view pattern : patterns) {
    if (Contains(text, pattern)) return true;
  }
  return false;
}

}  // namespace

std::string SquadronCountry(TMainForm& form, const std::string& identifier) {
  // Tested in this order; the last rule that matches decides, so the more particular patterns
  // of the later rules win over the broad ones before them.
  const std::array<CountryRule, 15> kPlainRules{{
      {{"gb", "Sqn", "Squadron", "RAF"}, 4},
      {{"RN_NN", "sq"}, 4},
      {{"RZ_NN"}, 16},
      {{"RAAF"}, 3},
      {{"5_1_Fighter", "hu"}, 9},
      {{"LeLv", "fi", "f01"}, 6},
      {{"Eskadrila", "ro01"}, 13},
      {{"356squadriglia", "i01"}, 10},
      {{"g01", "JG", "KG", "ZG", "F_22", "Aufkl", "_LG", "_SG", "H_31", "StG", "Jabo"}, 8},
      {{"Slovakian", "sk01"}, 15},
      {{"ja01", "IJA_"}, 11},
      {{"IN_NN", "IJN_"}, 11},
      {{"usa0", "USA_", "FG_", "AVG_FS_", "BG_"}, 2},
      {{"UN_NN", "USN_"}, 2},
      {{"UM_NN", "USMC_"}, 2},
  }};
  int line = -1;
  for (size_t rule = 0; rule < kPlainRules.size(); ++rule) {
    bool matches = HoldsAny(identifier, kPlainRules[rule].patterns);
    // The Hungarian rule also takes "h01" in any letter case.
    if (rule == 4 && Contains(AsciiLowerCase(identifier), "h01")) matches = true;
    if (matches) line = kPlainRules[rule].army_line;
  }
  // French: "fr01", or "NN" where it is no "_NN" of another service.
  if (Contains(identifier, "fr01") ||
      (Contains(identifier, "NN") && !Contains(identifier, "_NN"))) {
    line = 7;
  }
  if (HoldsAny(identifier, {"PL", "PZL", "ZF", "302WX", "303RF", "306UZ", "308ZF", "309WC", "315PK",
                            "316SZ", "317JH", "318LW"})) {
    line = 12;
  }
  if (HoldsAny(identifier, {"r01", "BAP", "IAP", "ShAP", "AIK"}) && !Contains(identifier, "fr01")) {
    line = 14;
  }
  return line < 0 ? std::string() : form.Messages.Text(MessageSection::kArmy, line);
}
