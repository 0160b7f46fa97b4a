#include "campaign_progression/campaign_snapshot.h"

#include <utility>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

CampaignSnapshot::CampaignSnapshot(std::string folder) : folder_(std::move(folder)) {
  for (const std::string& name : ListDirectory(folder_, "*")) {
    files_.emplace(name, ReadFileBytes(folder_ + name));
  }
}

bool CampaignSnapshot::Restore() const {
  bool restored = true;
  for (const std::string& name : ListDirectory(folder_, "*")) {
    if (files_.count(name) == 0 && !DeleteFile(folder_ + name)) restored = false;
  }
  for (const auto& [name, bytes] : files_) {
    try {
      const std::string path = folder_ + name;
      if (FileExists(path) && ReadFileBytes(path) == bytes) continue;
      WriteTextFile(path, bytes);
    } catch (const FileError&) {
      restored = false;
    }
  }
  return restored;
}
