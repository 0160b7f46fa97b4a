#include "mission_results/pilot_nations.h"

#include <array>
#include <utility>

namespace {

using L = PilotNameLists;
using C = CustomNameCode;

constexpr std::string_view kCustomCodeNames[kCustomNameCodes] = {"RU", "RO", "IT",
                                                                 "FR", "US", "DU"};

// The British lists serve the Commonwealth services, the American ones the Navy and Marines,
// the Japanese ones the Navy as well as the Army.
const std::array<std::pair<std::string_view, PilotNation>, 19> kNations{{
    {"ru", {&L::RFNm, &L::RLNm, C::kRU, 14, "DGen\\RU1\\", 0}},
    {"pl", {&L::PFNm, &L::PLNm, std::nullopt, 12, "DGen\\PL\\", 0}},
    {"gb", {&L::BFNm, &L::BLNm, std::nullopt, 4, "DGen\\GB\\", 0}},
    {"rn", {&L::BFNm, &L::BLNm, std::nullopt, 4, "DGen\\GB\\", 0}},
    {"ra", {&L::BFNm, &L::BLNm, std::nullopt, 3, "DGen\\RA\\", 0}},
    {"rz", {&L::BFNm, &L::BLNm, std::nullopt, 16, "DGen\\RA\\", 0}},
    {"du", {&L::DuFNm, &L::DuLNm, C::kDU, 5, "DGen\\DU\\", 0}},
    {"fr", {&L::FrFNm, &L::FrLNm, C::kFR, 7, "DGen\\FR\\", 0}},
    {"us", {&L::AFNm, &L::ALNm, C::kUS, 2, "DGen\\US\\", 1}},
    {"um", {&L::AFNm, &L::ALNm, C::kUS, 2, "DGen\\US\\", 1}},
    {"un", {&L::AFNm, &L::ALNm, C::kUS, 2, "DGen\\UN\\", 1}},
    {"de", {&L::GFNm, &L::GLNm, std::nullopt, 8, "DGen\\DE\\", 0}},
    {"hu", {&L::HFNm, &L::HLNm, std::nullopt, 9, "DGen\\HU\\", 0}},
    {"it", {&L::ItFNm, &L::ItLNm, C::kIT, 10, "DGen\\IT\\", 0}},
    {"ro", {&L::RoFNm, &L::RoLNm, C::kRO, 13, "DGen\\RO\\", 0}},
    {"sk", {&L::SkFNm, &L::SkLNm, std::nullopt, 15, "DGen\\SK\\", 0}},
    {"fi", {&L::FFNm, &L::FLNm, std::nullopt, 6, "DGen\\FI\\", 0}},
    {"ja", {&L::JFNm, &L::JLNm, std::nullopt, 11, "DGen\\JA\\", 0}},
    {"in", {&L::JFNm, &L::JLNm, std::nullopt, 11, "DGen\\JA\\", 0}},
}};

}  // namespace

const PilotNation* PilotNationOf(std::string_view nation_code) {
  for (const auto& [code, nation] : kNations) {
    if (code == nation_code) return &nation;
  }
  return nullptr;
}

std::string CustomNameFileName(CustomNameCode code) {
  return std::string(kCustomCodeNames[static_cast<int>(code)]) + "_names.dat";
}
