#include "platform/dialogs.h"

void HeadlessDialogs::Report(const std::string& text) const {
  if (sink_) sink_(text);
}

ModalResult HeadlessDialogs::MessageBox(const std::string& text, const std::string& caption,
                                        MessageButtons buttons) {
  Report("Message not shown (" + caption + "): " + text);
  switch (buttons) {
    case MessageButtons::kOk:
      return ModalResult::kOk;
    case MessageButtons::kOkCancel:
      return ModalResult::kCancel;
    case MessageButtons::kYesNo:
      return ModalResult::kNo;
    case MessageButtons::kYesNoCancel:
      return ModalResult::kCancel;
  }
  return ModalResult::kCancel;
}

std::optional<std::string> HeadlessDialogs::OpenFile(const OpenDialogRequest& request) {
  Report("Dialog not shown: " + request.title);
  return std::nullopt;
}

std::optional<std::string> HeadlessDialogs::InputQuery(const std::string& caption,
                                                       const std::string& prompt,
                                                       const std::string&) {
  Report("Dialog not shown (" + caption + "): " + prompt);
  return std::nullopt;
}
