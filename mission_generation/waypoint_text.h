#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/text_file.h"  // kCrLf

class TMainForm;

// Waypoint lines as the game's mission files hold them:
//   "  " keyword " " x " " y " " altitude " " speed [target fields] CR LF
// Positions are read back from leg and location texts as whole metres: the integer before the
// first "." of each coordinate. Computed positions are written as whole metres + ".00".

inline constexpr std::string_view kTakeOffKeyword = "TAKEOFF ";
inline constexpr std::string_view kNormFlyKeyword = "NORMFLY ";
// The altitude a planned line carries until the mission file builder fills it in per flight.
inline constexpr std::string_view kAltitudePlaceholder = "<ALTITUDE>";

struct MapMetres {
  long long x = 0;
  long long y = 0;
};

// Whole metres of a coordinate text ("-5120.75" gives -5120). A text without a "." or without
// digits before it throws ConversionError naming the text.
long long WholeMetres(std::string_view coordinate);

// A position text "x y [further fields]": x before the first blank, y the text after it (at
// most 40 characters). Throws ConversionError when either coordinate cannot be read.
MapMetres ReadPosition(std::string_view position);

// The text after the first keyword of a leg, at most 50 characters, trimmed; empty when the
// leg holds no such keyword.
std::string LegPositionText(std::string_view leg, std::string_view keyword);

// The position after the first keyword of a leg. `what` names the leg in the error text
// ("the take-off leg of JG52 [3]"); a leg without the keyword throws ConversionError.
MapMetres ReadLegPosition(std::string_view leg, std::string_view keyword, const std::string& what);

// The position of a location; an index outside the table or an empty position throws
// ConversionError naming `what`.
MapMetres ReadLocationPosition(const TMainForm& form, int location, const std::string& what);

// Where a squadron's flight starts and what it flies to: the position of its take-off leg and
// of its target location. Throws ConversionError naming what could not be read.
struct BaseAndTarget {
  MapMetres base;
  MapMetres target;
};
BaseAndTarget ReadBaseAndTarget(const TMainForm& form, int squadron);
// The same for a builder that goes on without its points: nothing when a position cannot be
// read, and the run log says "<left_out> left out: " and why.
std::optional<BaseAndTarget> ReadBaseAndTargetOrLog(TMainForm& form, int squadron,
                                                    const std::string& left_out);

// "x.00 y.00" of whole metres.
std::string WaypointCoordinates(long long x, long long y);

// "  NORMFLY x.00 y.00 " + altitude + " " + speed, without a line end.
std::string NormFlyLine(long long x, long long y, std::string_view altitude,
                        std::string_view speed);

// An altitude field of whole metres: "2500.0".
std::string AltitudeField(long long metres);

// Join, half-way and intercept points are staggered by the squadron index so that squadrons
// flying in the same direction end up on different points. The stagger repeats every
// kStaggerCycle indexes: the offsets stay within a few kilometres of the route however many
// squadrons the campaign holds, so the points stay beside their route and on the map.
inline constexpr int kStaggerCycle = 10;
int StaggerIndex(int squadron);

// "<name> [<index>]", as the run log names a squadron.
std::string SquadronLabel(const TMainForm& form, int squadron);
