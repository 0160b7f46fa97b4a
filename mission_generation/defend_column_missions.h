#pragma once

class TMainForm;
class PlanRun;

// Fighter squadrons cover a friendly column or ship group of the mission: one whose present
// target lies beyond its reach, or one time in sixteen per column, or a squadron based on the
// ship itself; it circles over the column's first route points.
void PlanColumnDefence(TMainForm& form, PlanRun& run);
