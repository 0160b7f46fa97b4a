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

// Whether a save writes the roster's files, or only repairs the roster in memory as the save
// would, leaving the files to a later save in the same run that writes them all again.
enum class RosterFiles { kWritten, kLeftToLaterSave };

class RosterSave {
 public:
  explicit RosterSave(const TMainForm& form, RosterFiles files = RosterFiles::kWritten);
  // A named squadron's slots repaired and their nose art checked, then its section of every
  // file; a squadron without a name is left alone. The repairs may draw names, so squadrons
  // are added in the order of the roster.
  void AddSquadron(TMainForm& form, int squadron);
  // Writes pilot.tavrek, squadron.dat when mode is greater than 0, then the skins and nose
  // art, unless the files are left to a later save; without any squadron added, only logs
  // that nothing was saved.
  void Write(TMainForm& form, int mode) const;
  // Whether a named squadron was added.
  bool HoldsPilots() const { return holds_pilots_; }

 private:
  RosterFiles files_;
  bool holds_pilots_ = false;
  std::string pilots_;
  PaintAndNoseArtFiles paints_and_nose_art_;
};
