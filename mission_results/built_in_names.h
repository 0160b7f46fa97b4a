#pragma once

#include "mission_results/name_tables.h"

// The name lists the program carries, the same for every campaign.
const PilotNameLists& BuiltInPilotNames();
