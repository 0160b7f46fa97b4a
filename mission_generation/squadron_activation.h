#pragma once

class TMainForm;
class PlanRun;

// Which squadrons fly in the coming mission. Two passes over the squadrons in index order; in
// each every squadron draws once against its factor (one chance in the factor, 0 and 1 always),
// and a fixed row of rules then forces it in or keeps it out. A flagged squadron adds its
// launch to its base's load and its planes to its side's tally, which caps the density of the
// later ones. A squadron with fewer planes than one flight never flies.
void ActivateSquadrons(TMainForm& form, PlanRun& run);
