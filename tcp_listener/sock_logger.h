#pragma once

#include <functional>
#include <mutex>
#include <set>
#include <string>

#include "platform/clock.h"
#include "platform/errors.h"

class TCustomAsyncSocket;

enum class TLogOption {
  loDestEvent,
  loDestFile,
  loDestOutDebug,
  loAddStamp,
  loWsockErr,
  loWsockInfo,
  loWsockDump,
  loSslErr,
  loSslInfo,
  loSslDump,
  loProtSpecErr,
  loProtSpecInfo,
  loProtSpecDump,
};
using TLogOptions = std::set<TLogOption>;

enum class TLogFileOption { lfoAppend, lfoOverwrite };

class ELoggerException : public ProgramError {
 public:
  using ProgramError::ProgramError;
};

// Where socket components send their trace: a callback, a file, or both, with an optional
// clock stamp ("hh:nn:ss:zzz ") in front of each line. A component holds a pointer to the
// logger it reports to; the logger keeps the list of those holders so that, when it goes
// first, none of them is left pointing at it.
class TSockLogger {
 public:
  using TSockLogEvent =
      std::function<void(TSockLogger& Sender, TLogOption LogOption, const std::string& Msg)>;

  explicit TSockLogger(const Clock& clock);
  ~TSockLogger();
  TSockLogger(const TSockLogger&) = delete;
  TSockLogger& operator=(const TSockLogger&) = delete;

  TLogOptions LogOptions() const;
  void SetLogOptions(const TLogOptions& options);
  TLogFileOption LogFileOption() const;
  void SetLogFileOption(TLogFileOption option);
  const std::string& LogFileName() const { return log_file_name_; }
  // Switching to another name (case-insensitive comparison) closes the currently open file.
  void SetLogFileName(const std::string& name);
  void SetOnSockLogEvent(TSockLogEvent handler);

  // Writes one trace line to every destination the options name.
  void DoDebugLog(TLogOption option, const std::string& msg);

  // Kept by the components that use this logger, so that it can detach them when it goes.
  void Attach(TCustomAsyncSocket& socket);
  void Detach(TCustomAsyncSocket& socket);

 private:
  void OpenLogFile();
  void CloseLogFile();
  std::string Stamp() const;

  const Clock& clock_;
  mutable std::mutex lock_;
  TLogOptions log_options_;
  TLogFileOption log_file_option_ = TLogFileOption::lfoAppend;
  std::string log_file_name_;
  int log_file_ = -1;
  TSockLogEvent on_sock_log_event_;
  std::set<TCustomAsyncSocket*> attached_;
  bool destroying_ = false;
};
