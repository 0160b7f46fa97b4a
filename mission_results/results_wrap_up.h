#pragma once

#include <optional>
#include <string>

class TMainForm;

// The end of a results pass that scored a block: the player's log book, replacements for the
// pilots lost from the player's squadron, promotions and medals, the debriefing, the events
// log, the campaign files, and the mark that the block is scored.

struct ScoredBlock {
  std::string stamp;
  std::optional<int> begin_seconds;  // the stamps of "Mission BEGIN" and "Mission END"
  std::optional<int> end_seconds;
};

void ResultsWrapUp(TMainForm& form, const ScoredBlock& block);

// The text of debriefing.txt for a debriefing body.
std::string DebriefingFileText(const TMainForm& form, const std::string& body);
