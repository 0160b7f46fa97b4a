#pragma once

#include <string>
#include <vector>

#include "campaign_data/aircraft_class_table.h"

// What the squadron editor offers and how it reads its boxes, as plain rules.

// The unit ids of squadids.tavrek's lines: each line trimmed and cut before its first blank;
// blank lines give none.
std::vector<std::string> SquadronIdsOf(const std::vector<std::string>& lines);

// The aircraft a squadron can be given: the types the game has installed (their game names
// compared without regard to case) and, with historical dates, only those in service in the
// month `year_month` (yyyymm, both ends of the service included). Items in class-table order.
struct OfferedAircraft {
  std::vector<std::string> descriptions;  // PlaneBox: the trimmed descriptions
  std::vector<std::string> class_lines;   // SClassBox: "Class air." + the trimmed type name
};
OfferedAircraft AircraftOffered(const std::vector<AircraftClassEntry>& classes,
                                const std::vector<std::string>& installed_game_names,
                                bool historical_dates, int year_month);

// A place a squadron could be based at, with its side.
struct BasePlace {
  std::string name;
  std::string army;
};
// The bases of the squadron's side for its role ("2" bomber, "6" seaplane): airfields (not
// for seaplanes), airstrips (neither for seaplanes nor bombers), harbours, seaplane bases and
// ports (seaplanes only), each place once per rule it meets, in map order; then the unit names
// of the side's carriers (a type holding "CV" but not "LCVP"; not for seaplanes); then
// "Unknown".
struct CarrierColumn {
  std::string unit_name;
  std::string type;
  std::string army;
};
std::vector<std::string> BasesOffered(const std::vector<BasePlace>& places,
                                      const std::vector<CarrierColumn>& columns,
                                      const std::string& army, const std::string& role);

// A base suits the squadron when water bases go with seaplanes and land bases with the rest;
// "Unknown" suits every squadron.
bool BaseSuitsRole(const std::string& base, const std::string& role);

// The squadron file's skill text for a SkillBox item, and the item for a skill text (anything
// unknown reads "Rookie").
std::string SkillOfItem(const std::string& item);
std::string ItemOfSkill(const std::string& skill);

// The insignia shown for a squadron's side ("1", "2") and nation code, by control name.
std::vector<std::string> InsigniaShown(const std::string& army, const std::string& nation);

// A unit id and squadron number make a squadron name that the squadron file can hold: no
// blank, bracket or control character, and not empty.
bool UsableSquadronName(const std::string& name);
