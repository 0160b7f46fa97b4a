#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"

// One squadron's turn in a phase of the plan. Text that cannot be read as a number or a map
// position ends only this turn: the squadron's record and the scratch target locations are put
// back as they were before it, the run log names the squadron and the reason, and the plan goes
// on with the next squadron. The record is kept in the plan's one copy for it, whose strings
// keep their room from turn to turn.
template <typename Turn>
void PlanTurn(PlanRun& run, int squadron, std::string_view phase, Turn&& turn) {
  TMainForm& form = run.form;
  SquadronEntry& before = run.RecordBeforeTurn();
  before = form.SquadronTable[squadron];
  const int last_scratch = form.LastScratchLocation;
  try {
    std::forward<Turn>(turn)();
  } catch (const ConversionError& error) {
    form.SquadronTable[squadron] = before;
    form.LastScratchLocation = last_scratch;
    ErrorLog(form, std::string(phase) + " for " + SquadronLabel(form, squadron) +
                       " left out: " + error.what());
  }
}
