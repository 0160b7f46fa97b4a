#pragma once

#include <map>
#include <string>

// The files of a campaign folder as they were at one moment, so that work which rewrites
// many of them can be undone as a whole.
class CampaignSnapshot {
 public:
  // Reads every file directly in the folder (its subfolders are left alone).
  explicit CampaignSnapshot(std::string folder);
  // Puts the folder back as it was: files rewritten since are written back, files made since
  // are removed. Answers whether every file could be put back.
  bool Restore() const;

 private:
  std::string folder_;
  std::map<std::string, std::string> files_;  // name -> bytes
};
