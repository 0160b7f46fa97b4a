#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_system.h"

FolderLock::Outcome FolderLock::Claim(std::string_view folder, std::unique_ptr<FolderLock>& lock) {
  const std::string resolved = ResolvePath(folder).string();
  const int descriptor =
      ::open(resolved.empty() ? "." : resolved.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return Outcome::kNotPossible;
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    const bool in_use = errno == EWOULDBLOCK;
    ::close(descriptor);
    return in_use ? Outcome::kInUse : Outcome::kNotPossible;
  }
  lock.reset(new FolderLock(descriptor, std::string(folder)));
  return Outcome::kClaimed;
}

FolderLock::~FolderLock() {
  ::close(descriptor_);
}
