#pragma once

#include <array>
#include <string>
#include <vector>

// Rank names by rank code and award names by medal count, for one squadron's nation.
struct RankAwardTableType {
  std::array<std::string, 10> RankName;
  std::array<std::string, 10> AwardName;
};

// Home towns of cities.dat: one row of towns per nation.
inline constexpr int kTownRows = 21;
inline constexpr int kTownsPerRow = 101;
struct CityNameTableType {
  std::array<std::array<std::string, kTownsPerRow>, kTownRows> TownName;
  std::array<int, kTownRows> TownCount{};  // index of the last town read in each row
};

// Given names (the ...FNm lists) and family names (the ...LNm lists) of new pilots, one pair per
// nation group.
struct PilotNameLists {
  std::vector<std::string> RFNm, RLNm;    // Soviet
  std::vector<std::string> PFNm, PLNm;    // Polish
  std::vector<std::string> BFNm, BLNm;    // British and Commonwealth
  std::vector<std::string> DuFNm, DuLNm;  // Dutch
  std::vector<std::string> FrFNm, FrLNm;  // French
  std::vector<std::string> AFNm, ALNm;    // American
  std::vector<std::string> GFNm, GLNm;    // German
  std::vector<std::string> HFNm, HLNm;    // Hungarian
  std::vector<std::string> ItFNm, ItLNm;  // Italian
  std::vector<std::string> RoFNm, RoLNm;  // Romanian
  std::vector<std::string> SkFNm, SkLNm;  // Slovak
  std::vector<std::string> FFNm, FLNm;    // Finnish
  std::vector<std::string> JFNm, JLNm;    // Japanese
};

// The nations whose lists a campaign may replace with a file of its own ("RU_names.dat" ...),
// in the order the files are read.
enum class CustomNameCode { kRU, kRO, kIT, kFR, kUS, kDU };
inline constexpr int kCustomNameCodes = 6;

// The names read from one custom file: line by line, first and last name.
struct CustomNameList {
  std::vector<std::string> FirstNames;
  std::vector<std::string> LastNames;
};
