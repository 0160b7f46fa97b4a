#pragma once

#include <span>
#include <string>
#include <string_view>

// The services a player can fly for, and what a squadron identifier tells of its nation.

// One service: its name in the nation choice, the folder code of its game career folder
// ("Missions\Campaign\" + code) and the nation code of the program's own data and of the
// command line.
struct Service {
  std::string_view display_name;
  std::string_view folder_code;
  std::string_view nation_code;
};

// The 19 services in the order the nation choice lists them.
std::span<const Service> Services();
// The service of that display name or nation code (exact), nullptr when none.
const Service* ServiceByDisplayName(std::string_view display_name);
const Service* ServiceByNationCode(std::string_view nation_code);

// The nation code of a squadron identifier by its game unit name ("77SquadronRAAF0" -> "ra"),
// empty when nothing in it names a nation. Later naming patterns override earlier ones.
std::string Country(std::string_view identifier);
