#include "tests/support/file_tree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

FileTree FilesBelow(const std::string& folder, const std::vector<std::string>& left_out) {
  FileTree files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    if (std::find(left_out.begin(), left_out.end(), name) != left_out.end()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[fs::relative(entry.path(), folder).generic_string()] =
        std::string(std::istreambuf_iterator<char>(in), {});
  }
  return files;
}

std::vector<std::string> ChangedPaths(const FileTree& before, const FileTree& after) {
  std::vector<std::string> changed;
  for (const auto& [path, bytes] : after) {
    const auto earlier = before.find(path);
    if (earlier == before.end() || earlier->second != bytes) changed.push_back(path);
  }
  for (const auto& [path, bytes] : before) {
    if (after.count(path) == 0) changed.push_back(path);
  }
  std::sort(changed.begin(), changed.end());
  return changed;
}

void RestoreFilesBelow(const std::string& folder, const FileTree& tree,
                       const std::vector<std::string>& left_out) {
  std::vector<fs::path> extra;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    if (std::find(left_out.begin(), left_out.end(), name) != left_out.end()) continue;
    if (tree.count(fs::relative(entry.path(), folder).generic_string()) == 0) {
      extra.push_back(entry.path());
    }
  }
  for (const fs::path& path : extra) fs::remove(path);
  for (const auto& [path, bytes] : tree) {
    const fs::path file = fs::path(folder) / path;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  }
}
