#pragma once

#include <array>
#include <string>

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
