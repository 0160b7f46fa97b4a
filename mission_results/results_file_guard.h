#pragma once

#include <optional>
#include <string>
#include <vector>

// The files a results pass may write, as they were before it: the files directly in the given
// folders and the single files named. Restore puts every one back as it was and removes those
// the pass created, so a pass that fails leaves the campaign on disk untouched.
class ResultsFileGuard {
 public:
  ResultsFileGuard(const std::vector<std::string>& folders, const std::vector<std::string>& files,
                   const std::vector<std::string>& left_out);
  // Best effort: a file that cannot be put back is named in the answer.
  std::vector<std::string> Restore() const;

 private:
  struct Saved {
    std::string path;
    std::optional<std::string> bytes;  // nullopt: the file did not exist
  };
  std::vector<std::string> folders_;
  std::vector<std::string> left_out_;
  std::vector<Saved> saved_;
};
