#include "platform/extended_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/errors.h"
#include "platform/file_system.h"

ExtendedFile::~ExtendedFile() {
  Close();
}

ExtendedFile::ExtendedFile(ExtendedFile&& other) noexcept {
  *this = std::move(other);
}

ExtendedFile& ExtendedFile::operator=(ExtendedFile&& other) noexcept {
  if (this == &other) return *this;
  Close();
  fd_ = std::exchange(other.fd_, -1);
  path_ = std::move(other.path_);
  resolved_ = std::move(other.resolved_);
  device_ = other.device_;
  inode_ = other.inode_;
  size_ = other.size_;
  return *this;
}

void ExtendedFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  path_.clear();
  resolved_.clear();
}

void ExtendedFile::Keep(const std::string& path, size_t size) {
  Close();
  std::filesystem::path resolved = ResolvePath(path);
  const int fd = ::open(resolved.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<size_t>(info.st_size) != size) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  path_ = path;
  resolved_ = std::move(resolved);
  device_ = info.st_dev;
  inode_ = info.st_ino;
  size_ = size;
}

bool ExtendedFile::ReplaceTail(const std::string& path, size_t expected_size, size_t keep,
                               std::string_view tail) {
  if (fd_ < 0 || path != path_ || expected_size != size_ || keep > size_) return false;
  // The path looked at, not the open file: a file renamed away no longer is the one at the path.
  struct stat info {};
  if (::stat(resolved_.c_str(), &info) != 0 || info.st_dev != device_ || info.st_ino != inode_ ||
      static_cast<size_t>(info.st_size) != size_) {
    return false;
  }
  for (size_t offset = keep; !tail.empty();) {
    const ssize_t n = ::pwrite(fd_, tail.data(), tail.size(), static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = n < 0 ? errno : EIO;
      Close();
      throw FileError("Cannot write file: " + path + " (" + std::strerror(error) + ")");
    }
    tail.remove_prefix(static_cast<size_t>(n));
    offset += static_cast<size_t>(n);
    size_ = std::max(size_, offset);
  }
  return true;
}
