#pragma once

#include <string>

class TMainForm;

// Dogfight ground objects and ship skill.

// Turns routed columns into static objects of the coming mission: every column in the dogfight
// mode, otherwise engaged artillery columns (which then stop moving) and armour out of fuel.
void DogfightColumns(TMainForm& form);
// Writes the chosen ship skill and rate of fire into ship columns and objects and saves both
// files.
void SetRoF(TMainForm& form);

// The ship skill chosen for side "1" or "2": "0" Rookie, "1" Average, "2" Veteran, "3" Ace.
std::string ShipSkill(const TMainForm& form, const std::string& side);
// The rate of fire chosen for a capital ship or for the other ships, as the box reads.
std::string RateOfFire(TMainForm& form, const std::string& ship_type);
