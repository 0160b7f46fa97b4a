#include "mission_generation/pipeline.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void BetweenMissionCompiler(TMainForm& form) {
  (void)form;
}
void MissionCompiler(TMainForm& form, int pass) {
  (void)form;
  (void)pass;
}
void MissionButtonClick(TMainForm& form) {
  (void)form;
}
