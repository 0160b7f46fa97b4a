#include "platform/terminal_dialogs.h"

#include <vector>

#include "platform/ascii.h"
#include "platform/code_page.h"
#include "platform/file_system.h"

namespace {

struct Choice {
  const char* word;
  ModalResult result;
};

std::vector<Choice> ChoicesOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return {{"ok", ModalResult::kOk}};
    case MessageButtons::kOkCancel:
      return {{"ok", ModalResult::kOk}, {"cancel", ModalResult::kCancel}};
    case MessageButtons::kYesNo:
      return {{"yes", ModalResult::kYes}, {"no", ModalResult::kNo}};
    case MessageButtons::kYesNoCancel:
      return {
          {"yes", ModalResult::kYes}, {"no", ModalResult::kNo}, {"cancel", ModalResult::kCancel}};
  }
  return {};
}

ModalResult WayOut(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return ModalResult::kOk;
    case MessageButtons::kYesNo:
      return ModalResult::kNo;
    case MessageButtons::kOkCancel:
    case MessageButtons::kYesNoCancel:
      return ModalResult::kCancel;
  }
  return ModalResult::kCancel;
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string TerminalText(const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      lines += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      lines += text[i];
    }
  }
  return Cp1252ToUtf8(lines);
}

std::string EchoText(const std::string& line) {
  return Cp1252ToUtf8(Utf8ToCp1252(line));
}

std::optional<std::string> TerminalDialogs::Answer() {
  out_.flush();
  std::optional<std::string> line = input_.WaitLine();
  if (!line) return std::nullopt;
  if (!input_.Interactive()) out_ << EchoText(*line) << "\n";  // as a person's typing shows
  std::string answer = TrimBlanks(*line);
  if (EqualsIgnoreCase(answer.substr(0, 7), "answer ")) answer = TrimBlanks(answer.substr(7));
  if (EqualsIgnoreCase(answer, "answer")) answer.clear();
  return answer;
}

ModalResult TerminalDialogs::MessageBox(const std::string& text, const std::string& caption,
                                        MessageButtons buttons) {
  out_ << "\n[" << TerminalText(caption) << "] " << TerminalText(text) << "\n";
  const std::vector<Choice> choices = ChoicesOf(buttons);
  if (choices.size() == 1) {
    out_.flush();
    return choices.front().result;
  }
  std::string menu;
  for (const Choice& choice : choices) menu += (menu.empty() ? "" : "/") + std::string(choice.word);
  while (true) {
    out_ << "Answer " << menu << ": ";
    const std::optional<std::string> answer = Answer();
    if (!answer) {
      out_ << "\n(end of input)\n";
      return WayOut(buttons);
    }
    for (const Choice& choice : choices) {
      const std::string word = choice.word;
      if (EqualsIgnoreCase(*answer, word) ||
          (answer->size() == 1 && AsciiLower((*answer)[0]) == word[0])) {
        return choice.result;
      }
    }
    out_ << "Not an answer here.\n";
  }
}

std::optional<std::string> TerminalDialogs::OpenFile(const OpenDialogRequest& request) {
  out_ << "\n[" << TerminalText(request.title) << "]\n";
  if (!request.filter.empty()) out_ << "  Files: " << TerminalText(request.filter) << "\n";
  if (!request.initial_dir.empty()) {
    out_ << "  Folder: " << TerminalText(request.initial_dir) << "\n";
  }
  if (!request.file_name.empty()) out_ << "  Name: " << TerminalText(request.file_name) << "\n";
  out_ << "File (an empty line cancels): ";
  const std::optional<std::string> answer = Answer();
  if (!answer || answer->empty()) {
    out_ << "\n(cancelled)\n";
    return std::nullopt;
  }
  const bool relative = (*answer)[0] != '/' && (*answer)[0] != '\\';
  if (relative && !request.initial_dir.empty()) {
    const char last = request.initial_dir.back();
    return request.initial_dir + (last == '/' || last == '\\' ? "" : "/") + *answer;
  }
  return answer;
}

std::optional<std::string> TerminalDialogs::InputQuery(const std::string& caption,
                                                       const std::string& prompt,
                                                       const std::string& initial) {
  out_ << "\n[" << TerminalText(caption) << "] " << TerminalText(prompt);
  if (!initial.empty()) out_ << " (now: " << TerminalText(initial) << ")";
  out_ << "\nText (an empty line cancels): ";
  const std::optional<std::string> answer = Answer();
  if (!answer || answer->empty()) {
    out_ << "\n(cancelled)\n";
    return std::nullopt;
  }
  return Utf8ToCp1252(*answer);
}
