#include "platform/extended_file.h"

#include <fcntl.h>
#include <linux/io_uring.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/errors.h"
#include "platform/file_system.h"

// What happens to a file (moved, deleted, linked or replaced, its attributes changed, opened or
// written and closed by anyone), seen without a system call: an inotify watch on the file is
// polled through an io_uring, and the poll's completion lands in memory this process shares with
// the kernel. The writes through the descriptor kept open raise no event of these.
class FileChangeWatch {
 public:
  // None when the machine offers no such watch.
  static std::unique_ptr<FileChangeWatch> Start(const std::filesystem::path& path) {
    std::unique_ptr<FileChangeWatch> watch(new FileChangeWatch);
    if (!watch->Watch(path) || !watch->OpenRing() || !watch->SubmitPoll()) return nullptr;
    return watch;
  }
  ~FileChangeWatch() {
    if (rings_ != MAP_FAILED) ::munmap(rings_, rings_size_);
    if (entries_ != MAP_FAILED) ::munmap(entries_, entries_size_);
    if (ring_fd_ >= 0) ::close(ring_fd_);
    if (notify_fd_ >= 0) ::close(notify_fd_);
  }
  FileChangeWatch(const FileChangeWatch&) = delete;
  FileChangeWatch& operator=(const FileChangeWatch&) = delete;

  // Something happened to the file since the watch started.
  bool Seen() const {
    return __atomic_load_n(completion_tail_, __ATOMIC_ACQUIRE) != *completion_head_;
  }

 private:
  static constexpr uint32_t kEvents =
      IN_MOVE_SELF | IN_DELETE_SELF | IN_ATTRIB | IN_OPEN | IN_CLOSE_WRITE;

  FileChangeWatch() = default;

  bool Watch(const std::filesystem::path& path) {
    notify_fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    return notify_fd_ >= 0 && ::inotify_add_watch(notify_fd_, path.c_str(), kEvents) >= 0;
  }

  // One submission and one completion, both rings in one mapping.
  bool OpenRing() {
    io_uring_params params{};
    ring_fd_ = static_cast<int>(::syscall(__NR_io_uring_setup, 1, &params));
    if (ring_fd_ < 0 || (params.features & IORING_FEAT_SINGLE_MMAP) == 0) return false;
    rings_size_ = std::max<size_t>(params.sq_off.array + params.sq_entries * sizeof(unsigned),
                                   params.cq_off.cqes + params.cq_entries * sizeof(io_uring_cqe));
    rings_ = ::mmap(nullptr, rings_size_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE,
                    ring_fd_, IORING_OFF_SQ_RING);
    entries_size_ = params.sq_entries * sizeof(io_uring_sqe);
    entries_ = ::mmap(nullptr, entries_size_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE,
                      ring_fd_, IORING_OFF_SQES);
    if (rings_ == MAP_FAILED || entries_ == MAP_FAILED) return false;
    char* const rings = static_cast<char*>(rings_);
    submission_tail_ = reinterpret_cast<unsigned*>(rings + params.sq_off.tail);
    submission_mask_ = *reinterpret_cast<const unsigned*>(rings + params.sq_off.ring_mask);
    submission_array_ = reinterpret_cast<unsigned*>(rings + params.sq_off.array);
    completion_head_ = reinterpret_cast<const unsigned*>(rings + params.cq_off.head);
    completion_tail_ = reinterpret_cast<const unsigned*>(rings + params.cq_off.tail);
    return true;
  }

  // Asks once for the watch's first event.
  bool SubmitPoll() {
    const unsigned tail = *submission_tail_;
    const unsigned slot = tail & submission_mask_;
    io_uring_sqe& entry = static_cast<io_uring_sqe*>(entries_)[slot];
    std::memset(&entry, 0, sizeof(entry));
    entry.opcode = IORING_OP_POLL_ADD;
    entry.fd = notify_fd_;
    entry.poll32_events = POLLIN;
    submission_array_[slot] = slot;
    __atomic_store_n(submission_tail_, tail + 1, __ATOMIC_RELEASE);
    return ::syscall(__NR_io_uring_enter, ring_fd_, 1, 0, 0, nullptr, 0) == 1;
  }

  int notify_fd_ = -1;
  int ring_fd_ = -1;
  void* rings_ = MAP_FAILED;
  size_t rings_size_ = 0;
  void* entries_ = MAP_FAILED;
  size_t entries_size_ = 0;
  unsigned* submission_tail_ = nullptr;
  unsigned submission_mask_ = 0;
  unsigned* submission_array_ = nullptr;
  const unsigned* completion_head_ = nullptr;
  const unsigned* completion_tail_ = nullptr;
};

ExtendedFile::ExtendedFile() = default;

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
  watch_ = std::move(other.watch_);
  return *this;
}

void ExtendedFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  path_.clear();
  resolved_.clear();
  watch_.reset();
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
  // The file may have been replaced between the open and the start of the watch.
  watch_ = FileChangeWatch::Start(resolved_);
  if (watch_ && !PathNamesKeptFile()) Close();
}

bool ExtendedFile::PathNamesKeptFile() const {
  // The path looked at, not the open file: a file renamed away no longer is the one at the path.
  struct stat info {};
  return ::stat(resolved_.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_ &&
         static_cast<size_t>(info.st_size) == size_;
}

bool ExtendedFile::Unchanged() const {
  return watch_ ? !watch_->Seen() : PathNamesKeptFile();
}

bool ExtendedFile::ReplaceTail(const std::string& path, size_t expected_size, size_t keep,
                               std::string_view tail) {
  if (fd_ < 0 || path != path_ || expected_size != size_ || keep > size_) return false;
  if (!Unchanged()) return false;
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
