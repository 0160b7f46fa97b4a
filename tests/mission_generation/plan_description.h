#pragma once

#include <string>

class TMainForm;

// A plan as text, for golden files and for comparing two plans: one block per squadron with its
// mission, target, links, payload, briefing and legs, one waypoint line per line.
std::string DescribePlan(const TMainForm& form);
// One squadron's block.
std::string DescribeSquadronPlan(const TMainForm& form, int squadron);
