#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text rules of the game's co-op generator files: the campaign file the program writes for
// each battle into the game's NGen folder, and the conf.dat of a co-op campaign, which the game
// writes with the choices made for the campaign and the program reads and keeps in step.
//
// conf.dat is made of sections, each from a line holding "[" to the next such line:
//   [$select]    the choices: "DiD DiDmode" or "DiD Immortal", and per wing a line with the
//                wing identifier and its spawn key "rnd", "all" or "nvr"
//   [$missions]  the campaign's missions, "  <file>.mis" per line
//   [$locale]    a copy of the co-op campaign file's lines: name, note and wing lines
//   [$data]      the battle's name on the first line
//   [<wing>]     the spawn options of one wing
//
// Squadron identifiers end in the squadron digit; a wing identifier is a squadron identifier
// followed by the flight digit. A line names a squadron when one of its words, brackets left
// aside, is the squadron identifier or one of its wing identifiers: "II_JG520" never names
// the squadron "I_JG520".

// One wing line of a co-op campaign file.
struct CoopWing {
  std::string id;            // the wing identifier
  std::string display_name;  // of its squadron
  int number = 0;            // the squadron digit plus 1
};

// The squadron number of the co-op files (last digit + 1) of a squadron identifier, or of the
// squadron of a wing identifier when `wing`; nothing when that character is no digit.
std::optional<int> SquadronNumber(std::string_view identifier, bool wing);

// "CampaignTavrek_" + the battle's header name without its first eleven "_" + ".dat".
std::string CoopCampaignFileName(std::string_view battle);

// The whole campaign file of one battle. `dead_is_dead` orders the two [DiD] choices.
std::string CoopCampaignFileText(const std::string& battle, const std::string& map,
                                 const std::string& year, const std::vector<CoopWing>& wings,
                                 bool dead_is_dead);

// The wing identifiers of a mission's "[Wing]" section (to the next line holding "["), trimmed,
// in file order.
std::vector<std::string> MissionWings(const std::vector<std::string>& mission_lines);

// The line names the squadron (see above).
bool NamesSquadron(std::string_view line, std::string_view squadron_id);

// The squadron state of a select line's spawn keys: "rnd" gives "Active False", "nvr"
// "Active Never", "all" "Active True "; of several keys the last in the order rnd, nvr, all.
// Nothing when the line holds no key.
std::optional<std::string> SpawnState(std::string_view line);

// What the program reads of a co-op conf.dat.
struct CoopConf {
  bool has_select = false;                // a "[$select]" line
  std::optional<std::string> battle;      // the line after "[$data]", first ".mis" removed
  std::optional<bool> dead_is_dead;       // the last DiD choice of the select part
  std::vector<std::string> select_lines;  // the select part's lines, trimmed
};
// `did_until_data`: the DiD choice is read from "[$select]" to "[$data]" only (the co-op
// run), else from "[$select]" to the end of the file.
CoopConf ReadCoopConf(const std::vector<std::string>& lines, bool did_until_data);

// Rewrites of conf.dat for a squadron that joins, changes identifier or leaves. Each one
// answers the new lines (empty lines dropped), or throws ProgramError naming what the file
// lacks; `path` is only quoted in that message.
struct CoopSquadron {
  std::string id;
  std::string display_name;
  int number = 0;
};
std::vector<std::string> AddToCoopConf(const std::vector<std::string>& lines,
                                       const CoopSquadron& added, const std::string& path);
std::vector<std::string> RenameInCoopConf(const std::vector<std::string>& lines,
                                          const CoopSquadron& old_squadron,
                                          const CoopSquadron& new_squadron);
std::vector<std::string> RemoveFromCoopConf(const std::vector<std::string>& lines,
                                            const std::string& squadron_id);
