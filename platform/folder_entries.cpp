#include "platform/folder_entries.h"

#include <dirent.h>

#include <string_view>
#include <utility>

namespace fs = std::filesystem;

namespace {

fs::file_type TypeOfEntry(unsigned char d_type) {
  switch (d_type) {
    case DT_REG:
      return fs::file_type::regular;
    case DT_DIR:
      return fs::file_type::directory;
    case DT_LNK:
      return fs::file_type::symlink;
    case DT_FIFO:
      return fs::file_type::fifo;
    case DT_SOCK:
      return fs::file_type::socket;
    case DT_CHR:
      return fs::file_type::character;
    case DT_BLK:
      return fs::file_type::block;
    default:
      return fs::file_type::unknown;
  }
}

}  // namespace

std::optional<std::vector<FolderEntry>> ReadFolderEntries(const fs::path& folder) {
  DIR* const listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return std::nullopt;
  std::vector<FolderEntry> entries;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back(FolderEntry{std::string(name), TypeOfEntry(entry->d_type)});
  }
  ::closedir(listing);
  return std::move(entries);
}
