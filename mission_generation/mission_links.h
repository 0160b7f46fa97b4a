#pragma once

class TMainForm;

// The escort, cover and interception links of the coming mission. Each is kept on both
// squadrons, so a link that is dropped or replaced is cleared at both ends.

// A fighter taking a new task leaves the cover or interception it had: the squadron that
// pointed at it no longer does, nor does PlayerInterceptor.
void ReleaseFighter(TMainForm& form, int fighter);

void LinkEscort(TMainForm& form, int escort, int escorted);
void LinkCover(TMainForm& form, int fighter, int covered);
// `fighter` intercepts `target` or patrols over its target; `target` 0 makes it the player's
// interceptor.
void LinkInterception(TMainForm& form, int fighter, int target);

// Removes every link of a squadron that does not fly, at both ends.
void ClearLinks(TMainForm& form, int squadron);
