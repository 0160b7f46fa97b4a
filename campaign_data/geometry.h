#pragma once

#include <string>

class TMainForm;

// Questions on map positions held as text ("x y", metres).

int GetDistance(const std::string& a, const std::string& b);
std::string TDistance(TMainForm& form, const std::string& a, const std::string& b,
                      const std::string& radius_source);
std::string Distance(TMainForm& form, const std::string& position, int squadron, int range_rule);
std::string PatrolDistance(TMainForm& form, const std::string& a, const std::string& b);
void GetCoordinates(TMainForm& form, int squadron);
std::string MoveCoordinates(TMainForm& form, const std::string& position, int dx, int dy);
std::string MapCoordinate(TMainForm& form, const std::string& position);
std::string MapLocation(TMainForm& form, const std::string& position);
std::string GetAngle(const std::string& a, const std::string& b);
std::string OffMapCheck(TMainForm& form, const std::string& location_name);
