#pragma once

#include <string>
#include <string_view>

class TMainForm;

// Whole metres of a map position.
struct WholeMetrePoint {
  long long x = 0;
  long long y = 0;
};

// The integer part of one coordinate: the text before its decimal point, trimmed, as a whole
// number. A number without a decimal point throws ConversionError.
long long ReadWholeMetreNumber(std::string_view number);
// Whole-metre parts of an "x y" position text: x comes before the first blank and y after it
// (trimmed, no more than 40 characters); each is read only up to its decimal point. A position
// with no blank, or a coordinate with no decimal point, throws ConversionError.
WholeMetrePoint ReadWholeMetres(std::string_view position);
// Trunc(sqrt(dx^2 + dy^2)) computed in floating point, where a zero sum counts as 1: two equal
// positions are 1 m apart.
long long WholeMetreDistance(long long dx, long long dy);

// Questions on map positions held as text: x, one blank, y, in metres, each number with a
// decimal point as the mission files write it. Only the whole metres before each "." are
// read; a number without a "." or a position without a blank throws ConversionError.

// The whole metres the range tests measure from one point to another (the first one nudged a
// metre along both axes).
long long RangeDistance(const WholeMetrePoint& from, const WholeMetrePoint& to);
// The kilometres of the ActionRadius box ("250 Kilometers"); throws ConversionError without a
// number.
int ActionRadiusBoxKm(const TMainForm& form);

// Whole metres between two positions; 0 when a is empty, at least 1 otherwise.
int GetDistance(const std::string& a, const std::string& b);
// "Y" when b lies within the action radius of a (radius_source "Y": the ActionRadius box,
// otherwise ActionRadiusKm) counted at 1100 m per km; "N" when a is empty.
std::string TDistance(TMainForm& form, const std::string& a, const std::string& b,
                      const std::string& radius_source);
// "Y" when the position lies within the squadron's reach from its take-off position under the
// range rule (0, 2, 3, 5 or 50); "N" for an empty position or a squadron without a take-off
// leg. For the player's squadron and the front centre under rule 0 it widens ActionRadiusKm.
std::string Distance(TMainForm& form, const std::string& position, int squadron, int range_rule);
// "Y" when b lies within the ActionRadius box's kilometres of a, at most 300 km.
std::string PatrolDistance(TMainForm& form, const std::string& a, const std::string& b);
// TargetPosition := the whole metres of the squadron's target location; throws
// ProgramError("Warning: bad coordinates.") when that location has no position.
void GetCoordinates(TMainForm& form, int squadron);
// The position moved by dx and dy metres, as "x.00 y.00"; throws like GetCoordinates on an
// empty position.
std::string MoveCoordinates(TMainForm& form, const std::string& position, int dx, int dy);
// The briefing grid reference of a 10 km square, "(D-13)", by the map's own lettering.
std::string MapCoordinate(TMainForm& form, const std::string& position);
// The name of the nearest map location that has a position (the first of equals); empty when
// there is none or the position lacks a number.
std::string MapLocation(TMainForm& form, const std::string& position);
// A heading from b to a in degrees plus 360, as text ("450"); callers take it modulo 360.
std::string GetAngle(const std::string& a, const std::string& b);
// "Y" when a location of that exact name lies off the map; the British bases of Normandy count
// as on the map while NormandyBaseOption is set.
std::string OffMapCheck(TMainForm& form, const std::string& location_name);
