#pragma once

#include <string>

class TMainForm;

// The gun or tank class each side puts along the front, by year, map, nation and game edition,
// before the battle's own front-object classes are applied. The random choices among classes
// are drawn in the order of the rules.

// The map's key in the class rules: the map folder of its load path, else the map name, in
// lower case.
std::string FrontMapKey(const TMainForm& form);
std::string AlliedFrontClass(TMainForm& form);
std::string AxisFrontClass(TMainForm& form);
