#pragma once

#include <optional>

class TComboBox;

// Values of the waypoint-settings panel's boxes as the leg builders read them. A box on its
// default item, or holding a text that does not start with a positive whole number, gives no
// value: the builder keeps its own rule, as for the default item.

// Offset boxes ("7500 Meters"): the number before the first blank; none for "Default".
std::optional<int> OffsetBoxMetres(const TComboBox& box);
// Player altitude boxes ("1500 Meters"): the number in the first four characters; none for
// "Transit Altitude".
std::optional<int> AltitudeBoxMetres(const TComboBox& box);
// The climb-step box ("150 Meters"): the number in the first three characters; none for
// "Default".
std::optional<int> ClimbStepBoxMetres(const TComboBox& box);
