#include "mission_results/results_file_guard.h"

#include <algorithm>
#include <set>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

std::string Key(const std::string& path) {
  return ResolvePath(path).lexically_normal().string();
}

}  // namespace

ResultsFileGuard::ResultsFileGuard(const std::vector<std::string>& folders,
                                   const std::vector<std::string>& files,
                                   const std::vector<std::string>& left_out)
    : folders_(folders) {
  for (const std::string& path : left_out) left_out_.push_back(Key(path));
  std::set<std::string> seen;
  const auto save = [&](const std::string& path) {
    const std::string key = Key(path);
    if (std::find(left_out_.begin(), left_out_.end(), key) != left_out_.end()) return;
    if (!seen.insert(key).second) return;
    Saved entry{path, std::nullopt};
    if (FileExists(path)) entry.bytes = ReadFileBytes(path);
    saved_.push_back(std::move(entry));
  };
  for (const std::string& folder : folders_) {
    if (folder.empty()) continue;
    for (const std::string& name : ListDirectory(folder, "*")) save(folder + name);
  }
  for (const std::string& path : files) {
    if (!path.empty()) save(path);
  }
}

std::vector<std::string> ResultsFileGuard::Restore() const {
  std::vector<std::string> failed;
  std::set<std::string> known;
  for (const Saved& entry : saved_) {
    known.insert(Key(entry.path));
    try {
      if (entry.bytes) {
        WriteTextFile(entry.path, *entry.bytes);
      } else if (FileExists(entry.path) && !DeleteFile(entry.path)) {
        failed.push_back(entry.path);
      }
    } catch (const FileError&) {
      failed.push_back(entry.path);
    }
  }
  // Files the pass created in the guarded folders.
  for (const std::string& folder : folders_) {
    if (folder.empty()) continue;
    for (const std::string& name : ListDirectory(folder, "*")) {
      const std::string path = folder + name;
      const std::string key = Key(path);
      if (known.count(key) != 0 ||
          std::find(left_out_.begin(), left_out_.end(), key) != left_out_.end()) {
        continue;
      }
      if (!DeleteFile(path)) failed.push_back(path);
    }
  }
  return failed;
}
