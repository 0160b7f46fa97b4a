#include "tcp_listener/sock_logger.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/file_system.h"
#include "tcp_listener/async_socket.h"

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string ZeroPadded(int value, std::size_t digits) {
  std::string text = std::to_string(value);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

}  // namespace

TSockLogger::TSockLogger(const Clock& clock) : clock_(clock) {}

TSockLogger::~TSockLogger() {
  std::set<TCustomAsyncSocket*> attached;
  {
    std::lock_guard guard(lock_);
    destroying_ = true;
    attached.swap(attached_);
    CloseLogFile();
  }
  for (TCustomAsyncSocket* socket : attached) socket->SetSockLogger(nullptr);
}

TLogOptions TSockLogger::LogOptions() const {
  std::lock_guard guard(lock_);
  return log_options_;
}

void TSockLogger::SetLogOptions(const TLogOptions& options) {
  std::lock_guard guard(lock_);
  log_options_ = options;
}

TLogFileOption TSockLogger::LogFileOption() const {
  std::lock_guard guard(lock_);
  return log_file_option_;
}

void TSockLogger::SetLogFileOption(TLogFileOption option) {
  std::lock_guard guard(lock_);
  log_file_option_ = option;
}

void TSockLogger::SetLogFileName(const std::string& name) {
  std::lock_guard guard(lock_);
  if (SameNameIgnoringCase(name, log_file_name_)) return;
  CloseLogFile();
  log_file_name_ = name;
}

void TSockLogger::SetOnSockLogEvent(TSockLogEvent handler) {
  std::lock_guard guard(lock_);
  on_sock_log_event_ = std::move(handler);
}

void TSockLogger::Attach(TCustomAsyncSocket& socket) {
  std::lock_guard guard(lock_);
  if (!destroying_) attached_.insert(&socket);
}

void TSockLogger::Detach(TCustomAsyncSocket& socket) {
  std::lock_guard guard(lock_);
  attached_.erase(&socket);
}

std::string TSockLogger::Stamp() const {
  const LocalDateTime now = clock_.LocalNow();
  return ZeroPadded(now.hour, 2) + ":" + ZeroPadded(now.minute, 2) + ":" +
         ZeroPadded(now.second, 2) + ":" + ZeroPadded(now.millisecond, 3) + " ";
}

void TSockLogger::OpenLogFile() {
  if (log_file_ >= 0) return;
  if (log_file_name_.empty()) throw ELoggerException("File name empty");
  const std::string path = ResolvePath(log_file_name_).string();
  int flags = O_RDWR | O_CREAT | O_CLOEXEC;
  if (log_file_option_ == TLogFileOption::lfoOverwrite) flags |= O_TRUNC;
  const int file = ::open(path.c_str(), flags, 0644);
  if (file < 0) throw ELoggerException(std::strerror(errno));
  if (log_file_option_ == TLogFileOption::lfoAppend) ::lseek(file, 0, SEEK_END);
  log_file_ = file;
}

void TSockLogger::CloseLogFile() {
  if (log_file_ >= 0) ::close(log_file_);
  log_file_ = -1;
}

void TSockLogger::DoDebugLog(TLogOption option, const std::string& msg) {
  TSockLogEvent handler;
  std::string line;
  {
    std::lock_guard guard(lock_);
    if (destroying_) return;
    line = log_options_.contains(TLogOption::loAddStamp) ? Stamp() + msg : msg;
    if (log_options_.contains(TLogOption::loDestFile)) {
      OpenLogFile();
      const std::string record = line + "\r\n";
      std::size_t written = 0;
      while (written < record.size()) {
        const ssize_t count = ::write(log_file_, record.data() + written, record.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) throw ELoggerException(std::strerror(errno));
        written += static_cast<std::size_t>(count);
      }
    }
    if (log_options_.contains(TLogOption::loDestEvent)) handler = on_sock_log_event_;
  }
  if (handler) handler(*this, option, line);
}
