#pragma once

#include <functional>
#include <optional>
#include <string>

// Message boxes and file dialogs, behind one interface: a window on a desktop, questions on
// the terminal, a scripted answer in a test, or nothing at all in a command-line run.

enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class ModalResult { kOk, kCancel, kYes, kNo };

struct OpenDialogRequest {
  std::string title;
  std::string filter;  // "Description|pattern" pairs, as the dialog's Filter property
  std::string default_ext;
  std::string initial_dir;
  std::string file_name;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual ModalResult MessageBox(const std::string& text, const std::string& caption,
                                 MessageButtons buttons) = 0;
  // The chosen file's full path, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFile(const OpenDialogRequest& request) = 0;
  // A line of text typed by the user, or nothing when cancelled.
  virtual std::optional<std::string> InputQuery(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& initial) = 0;
};

// The dialogs of a run without a window: nothing is shown. The text goes to the sink (the run
// log) and every box takes the way of Cancel where it has one, else No (Ok where that is the
// only button); file dialogs and input queries are cancelled.
class HeadlessDialogs : public Dialogs {
 public:
  explicit HeadlessDialogs(std::function<void(const std::string&)> sink = {})
      : sink_(std::move(sink)) {}
  void SetSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }

  ModalResult MessageBox(const std::string& text, const std::string& caption,
                         MessageButtons buttons) override;
  std::optional<std::string> OpenFile(const OpenDialogRequest& request) override;
  std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;

 private:
  void Report(const std::string& text) const;
  std::function<void(const std::string&)> sink_;
};
