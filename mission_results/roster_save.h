#pragma once

#include <string>

#include "mission_results/career_roster.h"

class TMainForm;

// The files SavePilot writes, made a squadron at a time, so that the squadron's pilots are
// still at hand from whatever was done to them just before.

// pilot.tavrek in the campaign folder.
std::string RosterFilePath(const TMainForm& form);

// What a slot must hold for its line to be read back the same; a slot without a name gets a
// new pilot.
void RepairPilot(TMainForm& form, int squadron, int slot);

class RosterSave {
 public:
  explicit RosterSave(const TMainForm& form);
  // A named squadron's slots repaired and their nose art checked, then its section of every
  // file; a squadron without a name is left alone. The repairs may draw names, so squadrons
  // are added in the order of the roster.
  void AddSquadron(TMainForm& form, int squadron);
  // Writes pilot.tavrek, squadron.dat when mode is greater than 0, then the skins and nose
  // art; without any squadron added, only logs that nothing was saved.
  void Write(TMainForm& form, int mode) const;
  // Whether a squadron was added, so that Write has pilots to write.
  bool HoldsPilots() const { return !pilots_.empty(); }

 private:
  std::string pilots_;
  PaintAndNoseArtFiles paints_and_nose_art_;
};
