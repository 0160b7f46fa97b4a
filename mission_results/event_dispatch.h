#pragma once

#include <span>
#include <string>

class TMainForm;

// The table that hands each prepared event-log line to its handlers. Rows are tested in order
// and one line can reach several rows. The seats-and-victories pass reads rows of pass 3, the
// damage pass rows of pass 4, and the killed-and-captured pass, which runs after every other
// event of the block, rows of pass 5.

struct EventRow {
  int pass;
  const char* handles;  // what the row's handlers score
  // Whether the row takes the prepared line in this reader mode with the form's options.
  bool (*applies)(const TMainForm& form, const std::string& line, const std::string& mode);
  void (*score)(TMainForm& form, const std::string& line, const std::string& mode);
};

std::span<const EventRow> EventRows();

// Hands the prepared line to every row of the pass that takes it. A line holding a text where
// a number must stand is skipped with a run-log line; the rest of the pass goes on.
void DispatchEventLine(TMainForm& form, int pass, const std::string& line, const std::string& mode);
