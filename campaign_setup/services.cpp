#include "campaign_setup/services.h"

#include <array>
#include <initializer_list>

#include "platform/ascii.h"

namespace {

constexpr std::array<Service, 19> kServices{{
    {"Australian", "RA", "ra"},    {"British RAF", "GB", "gb"},   {"British FAA", "RN", "rn"},
    {"Dutch", "DU", "du"},         {"Finnish", "FI", "fi"},       {"French", "FR", "fr"},
    {"German", "DE", "de"},        {"Hungarian", "HU", "hu"},     {"Italian", "IT", "it"},
    {"Japanese Army", "JA", "ja"}, {"Japanese Navy", "IN", "in"}, {"New Zealand", "RZ", "rz"},
    {"Polish", "PL", "pl"},        {"Romanian", "RO", "ro"},      {"Russian", "RU", "ru"},
    {"Slovakian", "SK", "sk"},     {"US Navy", "UN", "un"},       {"US Marines", "UM", "um"},
    {"US Army", "US", "us"},
}};

bool ContainsAny(std::string_view text, std::initializer_list<std::string_view> parts) {
  for (std::string_view part : parts) {
    if (text.find(part) != std::string_view::npos) return true;
  }
  return false;
}

// The unit-name patterns of each nation, in the order they are tried.
struct NationPattern {
  std::initializer_list<std::string_view> parts;
  std::string_view code;
};

const std::initializer_list<NationPattern> kNationPatterns{
    {{"gb", "Sqn", "Squadron", "RAF"}, "gb"},
    {{"RN_NN", "sq"}, "rn"},
    {{"NEI", "DU_NN"}, "du"},
    {{"RAAF"}, "ra"},
    {{"488Squadronfe", "FSquadron", "OTUSquadron", "TSquadron", "DBSquadron", "RZ_NN"}, "rz"},
    {{"5_1_Fighter", "hu"}, "hu"},
    {{"LeLv", "fi", "f01"}, "fi"},
    {{"Eskadrila", "ro01"}, "ro"},
    {{"356squadriglia", "i01"}, "it"},
    {{"g01", "JG", "KG", "ZG", "F_22", "Aufkl", "_LG", "_SG", "H_31", "StG", "Jabo"}, "de"},
    {{"Slovakian", "sk01"}, "sk"},
    {{"ja01", "IJA_"}, "ja"},
    {{"usa0", "USA_", "FG_", "AVG_FS_", "BG_"}, "us"},
    {{"UN_NN", "USN_"}, "un"},
    {{"UM_NN", "USMC_"}, "um"},
    {{"IN_NN", "IJN_"}, "in"},
    {{"PL", "PZL", "ZF", "302WX", "303RF", "306UZ", "308ZF", "309WC", "315PK", "316SZ", "317JH",
      "318LW"},
     "pl"},
    {{"r01", "BAP", "IAP", "ShAP", "AIK"}, "ru"},
};

}  // namespace

std::span<const Service> Services() {
  return kServices;
}

const Service* ServiceByDisplayName(std::string_view display_name) {
  for (const Service& service : kServices) {
    if (service.display_name == display_name) return &service;
  }
  return nullptr;
}

const Service* ServiceByNationCode(std::string_view nation_code) {
  for (const Service& service : kServices) {
    if (service.nation_code == nation_code) return &service;
  }
  return nullptr;
}

std::string Country(std::string_view identifier) {
  std::string code;
  for (const NationPattern& pattern : kNationPatterns) {
    if (ContainsAny(identifier, pattern.parts)) code = pattern.code;
    // The Hungarian units are also known by "h01" in any letter case.
    if (pattern.code == "hu" && AsciiLowerCase(identifier).find("h01") != std::string::npos) {
      code = "hu";
    }
  }
  if (ContainsAny(identifier, {"fr01", "NN"}) && identifier.find("IN_NN") == std::string::npos) {
    code = "fr";
  }
  return code;
}
