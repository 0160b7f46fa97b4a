#include "platform/terminal_front_end.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "platform/ascii.h"
#include "platform/code_page.h"
#include "platform/terminal_dialogs.h"

namespace {

constexpr unsigned kVirtualKeyG = 71;
constexpr size_t kItemsShown = 15;

const char* const kHelp =
    "Commands (names are the controls' names as shown; items count from 0):\n"
    "  show                        the whole window\n"
    "  click <name or caption>     a button, menu item, check box or other control\n"
    "  dblclick <name or caption>  a double click\n"
    "  choose <combo> <item>       an item of a combo box, by its text or number\n"
    "  type <name> <text>          text into an edit or combo box, a number into a track bar\n"
    "  tick <name> [item]          turn a check mark over (menu item, check box, check list)\n"
    "  select <name> <item>        an item of a list box or radio group\n"
    "  hotkey                      press Ctrl+Shift+G\n"
    "  help                        this list\n"
    "  quit                        end the program\n"
    "A dialog waits for its answer on the next line: ok, cancel, yes or no; a file dialog\n"
    "takes a path, an empty line cancels it.\n";

std::string TrimLeft(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : text.substr(first);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The first word and what follows the blanks after it.
std::pair<std::string, std::string> SplitWord(const std::string& text) {
  const std::string trimmed = TrimLeft(text);
  const size_t end = trimmed.find_first_of(" \t");
  if (end == std::string::npos) return {trimmed, std::string()};
  return {trimmed.substr(0, end), TrimLeft(trimmed.substr(end))};
}

// A caption as read on the screen: "&File" shows as "File", "&&" as "&".
std::string CaptionText(const std::string& caption) {
  std::string shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      shown += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      shown += '&';
      ++i;
    }
  }
  return shown;
}

// A text in quotes; its further lines are indented below the line it starts on.
std::string Quoted(const std::string& text, int depth) {
  std::string quoted = "\"";
  for (const char c : TerminalText(text)) {
    quoted += c;
    if (c == '\n') quoted += std::string(2 * depth + 4, ' ');
  }
  return quoted + "\"";
}

std::optional<int> ParseIndex(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// The item the user means: its exact text, else its text without regard to case and blanks
// around it, else its number.
std::optional<int> FindItem(const std::vector<std::string>& items, const std::string& typed) {
  const std::string wanted = Utf8ToCp1252(typed);
  const auto exact = std::find(items.begin(), items.end(), wanted);
  if (exact != items.end()) return static_cast<int>(exact - items.begin());
  for (size_t i = 0; i < items.size(); ++i) {
    if (EqualsIgnoreCase(TrimBlanks(items[i]), TrimBlanks(wanted))) return static_cast<int>(i);
  }
  const std::optional<int> index = ParseIndex(TrimBlanks(typed));
  if (index && *index >= 0 && *index < static_cast<int>(items.size())) return index;
  return std::nullopt;
}

std::string ItemList(const std::vector<std::string>& items, int selected,
                     const std::vector<bool>* checked = nullptr) {
  std::string shown;
  for (size_t i = 0; i < items.size() && i < kItemsShown; ++i) {
    shown += "  [" + std::to_string(i) + "]";
    if (checked != nullptr) shown += i < checked->size() && (*checked)[i] ? "[x]" : "[ ]";
    shown += static_cast<int>(i) == selected ? "*" : " ";
    shown += TerminalText(items[i]);
  }
  if (items.size() > kItemsShown) shown += "  ... (" + std::to_string(items.size()) + " items)";
  return shown;
}

bool IsHeaderControl(const TControl& control) {
  return control.Name() == "InfoLabel" || control.Name() == "DescLabel" ||
         dynamic_cast<const TStatusBar*>(&control) != nullptr;
}

bool IsShownInList(const TControl& control) {
  return control.Visible && !IsHeaderControl(control) &&
         dynamic_cast<const TMenuItem*>(&control) == nullptr &&
         dynamic_cast<const TTimer*>(&control) == nullptr &&
         dynamic_cast<const TOpenDialog*>(&control) == nullptr;
}

std::string CheckMark(const TMenuItem& item) {
  if (item.RadioItem) return item.Checked ? "(*) " : "( ) ";
  if (item.Checked) return "[x] ";
  return item.AutoCheck ? "[ ] " : "";
}

// One line about the control: its name, kind and value.
std::string ControlLine(const TControl& control, int depth) {
  std::string line = control.Name() + "  ";
  if (const auto* item = dynamic_cast<const TMenuItem*>(&control)) {
    line += "menu item " + CheckMark(*item) + Quoted(CaptionText(item->Caption), depth);
  } else if (const auto* box = dynamic_cast<const TCheckBox*>(&control)) {
    line += std::string("check box ") + (box->Checked ? "[x] " : "[ ] ") +
            Quoted(CaptionText(box->Caption), depth);
  } else if (const auto* combo = dynamic_cast<const TComboBox*>(&control)) {
    line += "combo box " + Quoted(combo->Text, depth) + ItemList(combo->Items, combo->ItemIndex());
  } else if (const auto* list = dynamic_cast<const TCheckListBox*>(&control)) {
    line += "check list" + ItemList(list->Items, list->ItemIndex, &list->Checked);
  } else if (const auto* list = dynamic_cast<const TListBox*>(&control)) {
    line += "list box" + ItemList(list->Items, list->ItemIndex);
  } else if (const auto* group = dynamic_cast<const TRadioGroup*>(&control)) {
    line += "radio group " + Quoted(CaptionText(group->Caption), depth) +
            ItemList(group->Items, group->ItemIndex);
  } else if (const auto* edit = dynamic_cast<const TEdit*>(&control)) {
    line += "edit " + Quoted(edit->Text, depth);
  } else if (const auto* memo = dynamic_cast<const TMemo*>(&control)) {
    std::string text;
    for (const std::string& memo_line : memo->Lines) text += memo_line + "\r\n";
    line += "memo " + Quoted(text, depth);
  } else if (const auto* bar = dynamic_cast<const TTrackBar*>(&control)) {
    line += "track bar " + std::to_string(bar->Position) + " (" + std::to_string(bar->Min) + ".." +
            std::to_string(bar->Max) + ")";
  } else if (const auto* image = dynamic_cast<const TImage*>(&control)) {
    line += image->PictureFile.empty() ? std::string("picture (none)")
                                       : "picture " + TerminalText(image->PictureFile) + " (" +
                                             std::to_string(image->Picture.width) + "x" +
                                             std::to_string(image->Picture.height) + ")";
  } else if (dynamic_cast<const TButton*>(&control) != nullptr) {
    line += "button " + Quoted(CaptionText(control.Caption), depth);
  } else if (dynamic_cast<const TLabel*>(&control) != nullptr) {
    line += "label " + Quoted(control.Caption, depth);
  } else if (dynamic_cast<const TPanel*>(&control) != nullptr) {
    line += "panel " + Quoted(CaptionText(control.Caption), depth);
  } else {
    line += std::string(control.TypeName()) + " " + Quoted(CaptionText(control.Caption), depth);
  }
  if (!control.Enabled) line += "  (disabled)";
  return line;
}

}  // namespace

TerminalFrontEnd::TerminalFrontEnd(ControlRegistry& window, EventLoop& loop, HotKeys& hot_keys,
                                   TerminalInput& input, std::ostream& out)
    : window_(window),
      loop_(loop),
      hot_keys_(hot_keys),
      input_(input),
      out_(out),
      self_(std::make_shared<TerminalFrontEnd*>(this)) {}

TerminalFrontEnd::~TerminalFrontEnd() {
  if (watch_) loop_.Unwatch(*watch_);
}

void TerminalFrontEnd::Start() {
  out_ << RenderWindow();
  RememberShown();
  out_ << "Type \"help\" for the commands.\n";
  Prompt();
  std::weak_ptr<TerminalFrontEnd*> self = self_;
  watch_ = loop_.Watch(input_.Fd(), EventLoop::kReadable, [self](unsigned) {
    if (auto front_end = self.lock()) (*front_end)->OnInput();
  });
}

void TerminalFrontEnd::OnInput() {
  if (!input_.ReadAvailable() && watch_) {
    loop_.Unwatch(*watch_);
    watch_.reset();
  }
  // While the message that takes the next line waits, its command waits too, behind what the
  // command before it posted.
  if (!next_line_posted_) RunNextLine();
}

void TerminalFrontEnd::RunNextLine() {
  std::optional<std::string> line = input_.TakeLine();
  if (!line) {
    if (input_.AtEnd() && !loop_.QuitRequested()) {
      out_ << "\nEnd of input.\n";
      out_.flush();
      loop_.RequestQuit();
    }
    return;
  }
  if (!input_.Interactive()) out_ << "> " << EchoText(*line) << "\n";
  // Also when the command's handler fails: its message comes after what changed.
  struct AfterCommand {
    TerminalFrontEnd& front_end;
    ~AfterCommand() {
      front_end.ShowChanges();
      front_end.PostNextLine();
    }
  } after{*this};
  Execute(*line);
}

void TerminalFrontEnd::PostNextLine() {
  if (loop_.QuitRequested() || next_line_posted_) return;
  // Posted behind whatever the command posted (the hot key's message), so the next command
  // sees the window after those have run.
  std::weak_ptr<TerminalFrontEnd*> self = self_;
  next_line_posted_ = true;
  loop_.Post([self] {
    if (auto front_end = self.lock()) {
      (*front_end)->next_line_posted_ = false;
      (*front_end)->ShowChanges();  // what the messages before this one changed
      if ((*front_end)->input_.HasLine() || (*front_end)->input_.AtEnd()) {
        (*front_end)->RunNextLine();
      } else {
        (*front_end)->Prompt();
      }
    }
  });
}

void TerminalFrontEnd::ShowChanges() {
  try {
    std::vector<std::string> now = SplitLines(RenderChanging());
    std::unordered_multiset<std::string> before(shown_.begin(), shown_.end());
    for (const std::string& line : now) {
      const auto same = before.find(line);
      if (same != before.end()) {
        before.erase(same);
      } else if (TrimBlanks(line) != acted_line_) {
        out_ << line << "\n";
      }
    }
    std::vector<std::string> panels = ShowingPanels();
    for (const std::string& panel : shown_panels_) {
      if (std::find(panels.begin(), panels.end(), panel) == panels.end()) {
        out_ << "  " << panel << " is no longer shown\n";
      }
    }
    shown_ = std::move(now);
    shown_panels_ = std::move(panels);
    acted_line_.clear();
    out_.flush();
  } catch (const std::exception&) {
    // Nothing to show it with; "show" shows the whole window again.
  }
}

void TerminalFrontEnd::RememberShown() {
  shown_ = SplitLines(RenderChanging());
  shown_panels_ = ShowingPanels();
}

std::vector<std::string> TerminalFrontEnd::ShowingPanels() const {
  std::vector<std::string> names;
  for (const TControl* control : window_.All()) {
    if (control->Parent() == nullptr && dynamic_cast<const TPanel*>(control) != nullptr &&
        control->Visible) {
      names.push_back(control->Name());
    }
  }
  return names;
}

void TerminalFrontEnd::Prompt() {
  if (input_.Interactive()) out_ << "> ";
  out_.flush();
}

void TerminalFrontEnd::Execute(const std::string& line) {
  const auto [word, arguments] = SplitWord(line);
  if (word.empty()) return;
  const std::string command = AsciiLowerCase(word);
  if (command == "help" || command == "?") {
    out_ << kHelp;
  } else if (command == "show") {
    out_ << RenderWindow();
    RememberShown();
  } else if (command == "quit" || command == "exit") {
    out_ << "Quitting.\n";
    loop_.RequestQuit();
  } else if (command == "hotkey") {
    PressHotKey();
  } else if (command == "answer") {
    out_ << "No dialog is waiting for an answer.\n";
  } else {
    Act(command, arguments);
  }
  out_.flush();
}

void TerminalFrontEnd::Act(const std::string& command, const std::string& arguments) {
  const auto [name, rest] = SplitWord(arguments);
  if (command == "click" || command == "dblclick") {
    if (arguments.empty()) {
      out_ << command << " what? Give a control's name or caption.\n";
    } else {
      Click(TrimBlanks(arguments), command == "dblclick");
    }
  } else if (command == "choose" || command == "type" || command == "tick" || command == "select") {
    if (name.empty()) {
      out_ << command << " what? Give a control's name.\n";
    } else if (command == "choose") {
      Choose(name, rest);
    } else if (command == "type") {
      Type(name, rest);
    } else if (command == "tick") {
      Tick(name, rest);
    } else {
      Select(name, rest);
    }
  } else {
    out_ << "Unknown command \"" << EchoText(command) << "\"; \"help\" lists the commands.\n";
  }
}

TControl* TerminalFrontEnd::FindNamed(const std::string& name) const {
  if (TControl* control = window_.Find(name)) return control;
  for (TControl* control : window_.All()) {
    if (EqualsIgnoreCase(control->Name(), name)) return control;
  }
  return nullptr;
}

TControl* TerminalFrontEnd::Named(const std::string& name) {
  if (TControl* control = FindNamed(name)) return control;
  out_ << "No control is named \"" << EchoText(name) << "\".\n";
  return nullptr;
}

TControl* TerminalFrontEnd::NamedOrCaptioned(const std::string& target) {
  if (TControl* control = FindNamed(target)) return control;
  std::vector<TControl*> found;
  const std::string caption = CaptionText(Utf8ToCp1252(target));
  for (TControl* control : window_.All()) {
    if (!control->Caption.empty() && EqualsIgnoreCase(CaptionText(control->Caption), caption)) {
      found.push_back(control);
    }
  }
  // The ones on the screen count first.
  if (found.size() > 1) {
    std::vector<TControl*> showing;
    std::copy_if(found.begin(), found.end(), std::back_inserter(showing),
                 [](const TControl* control) { return control->Showing(); });
    if (!showing.empty()) found = std::move(showing);
  }
  if (found.size() == 1) return found.front();
  if (found.empty()) {
    out_ << "No control is named or captioned \"" << EchoText(target) << "\".\n";
  } else {
    out_ << "Several controls read \"" << EchoText(target) << "\":";
    for (const TControl* control : found) out_ << " " << control->Name();
    out_ << "; give the name.\n";
  }
  return nullptr;
}

bool TerminalFrontEnd::Reachable(const TControl& control) {
  if (control.Reachable()) return true;
  for (const TControl* at = &control; at != nullptr; at = at->Parent()) {
    const char* state = !at->Visible ? "hidden" : !at->Enabled ? "disabled" : nullptr;
    if (state == nullptr) continue;
    out_ << control.Name() << " is " << state;
    if (at != &control) out_ << " (" << at->Name() << " is " << state << ")";
    out_ << "; nothing done.\n";
    break;
  }
  return false;
}

std::optional<int> TerminalFrontEnd::ItemOf(const TControl& control,
                                            const std::vector<std::string>& items,
                                            const std::string& typed) {
  const std::optional<int> index = FindItem(items, typed);
  if (!index) out_ << control.Name() << " has no item \"" << EchoText(typed) << "\".\n";
  return index;
}

void TerminalFrontEnd::Acted(const TControl& control) {
  acted_line_ = ControlLine(control, 0);
  out_ << acted_line_ << "\n";
}

void TerminalFrontEnd::Click(const std::string& target, bool twice) {
  TControl* control = NamedOrCaptioned(target);
  if (control == nullptr || !Reachable(*control)) return;
  if (twice) {
    control->UserDoubleClick();
  } else {
    control->UserClick();
  }
  Acted(*control);
}

void TerminalFrontEnd::Choose(const std::string& name, const std::string& item) {
  TControl* control = Named(name);
  if (control == nullptr) return;
  auto* combo = dynamic_cast<TComboBox*>(control);
  if (combo == nullptr) {
    Select(name, item);
    return;
  }
  if (!Reachable(*combo)) return;
  const std::optional<int> index = ItemOf(*combo, combo->Items, item);
  if (!index) return;
  combo->UserChooseItem(*index);
  Acted(*combo);
}

void TerminalFrontEnd::Type(const std::string& name, const std::string& text) {
  TControl* control = Named(name);
  if (control == nullptr || !Reachable(*control)) return;
  if (auto* edit = dynamic_cast<TEdit*>(control)) {
    edit->UserType(Utf8ToCp1252(text));
  } else if (auto* combo = dynamic_cast<TComboBox*>(control)) {
    combo->UserChoose(Utf8ToCp1252(text));
  } else if (auto* bar = dynamic_cast<TTrackBar*>(control)) {
    const std::optional<int> position = ParseIndex(TrimBlanks(text));
    if (!position) {
      out_ << bar->Name() << " takes a whole number.\n";
      return;
    }
    bar->UserSetPosition(*position);
  } else {
    out_ << control->Name() << " takes no typing.\n";
    return;
  }
  Acted(*control);
}

void TerminalFrontEnd::Tick(const std::string& name, const std::string& item) {
  TControl* control = Named(name);
  if (control == nullptr) return;
  auto* list = dynamic_cast<TCheckListBox*>(control);
  if (list == nullptr) {
    if (dynamic_cast<TMenuItem*>(control) == nullptr &&
        dynamic_cast<TCheckBox*>(control) == nullptr) {
      out_ << control->Name() << " has no check mark.\n";
      return;
    }
    if (!Reachable(*control)) return;
    control->UserClick();
    Acted(*control);
    return;
  }
  if (!Reachable(*list)) return;
  const std::optional<int> index = ItemOf(*list, list->Items, item);
  if (!index) return;
  list->UserToggle(*index);
  Acted(*list);
}

void TerminalFrontEnd::Select(const std::string& name, const std::string& item) {
  TControl* control = Named(name);
  if (control == nullptr) return;
  auto* list = dynamic_cast<TListBox*>(control);
  auto* group = dynamic_cast<TRadioGroup*>(control);
  if (dynamic_cast<TComboBox*>(control) != nullptr) {
    Choose(name, item);
    return;
  }
  if (list == nullptr && group == nullptr) {
    out_ << control->Name() << " has no items to select.\n";
    return;
  }
  if (!Reachable(*control)) return;
  const std::optional<int> index =
      ItemOf(*control, list != nullptr ? list->Items : group->Items, item);
  if (!index) return;
  if (list != nullptr) {
    list->UserSelect(*index);
  } else {
    group->UserSelect(*index);
  }
  Acted(*control);
}

void TerminalFrontEnd::PressHotKey() {
  if (hot_keys_.Press(HotKeys::kModControl | HotKeys::kModShift, kVirtualKeyG)) {
    out_ << "Ctrl+Shift+G pressed.\n";
  } else {
    out_ << "No hot key is registered for Ctrl+Shift+G.\n";
  }
}

std::string TerminalFrontEnd::RenderChanging() const {
  std::string out = "Window\n";
  const TControl* info = window_.Find("InfoLabel");
  const TControl* description = window_.Find("DescLabel");
  if (info != nullptr) out += "  Info: " + Quoted(info->Caption, 0) + "\n";
  if (description != nullptr) out += "  Description: " + Quoted(description->Caption, 0) + "\n";
  for (const TControl* control : window_.All()) {
    if (const auto* bar = dynamic_cast<const TStatusBar*>(control)) {
      out += "  Status: " + Quoted(bar->SimpleText, 0) + "\n";
    }
  }
  for (const TControl* control : window_.All()) {
    if (control->Parent() == nullptr && dynamic_cast<const TPanel*>(control) != nullptr &&
        control->Visible) {
      RenderControl(*control, 1, out);
    }
  }
  return out;
}

std::string TerminalFrontEnd::RenderWindow() const {
  std::string out = RenderChanging();
  out += "Menus\n";
  for (const TControl* control : window_.All()) {
    if (control->Parent() == nullptr && dynamic_cast<const TMenuItem*>(control) != nullptr) {
      RenderMenu(*control, 1, out);
    }
  }
  out += "Controls\n";
  for (const TControl* control : window_.All()) {
    if (control->Parent() == nullptr && dynamic_cast<const TPanel*>(control) == nullptr) {
      RenderControl(*control, 1, out);
    }
  }
  return out;
}

void TerminalFrontEnd::RenderControl(const TControl& control, int depth, std::string& out) const {
  if (!IsShownInList(control)) return;
  out += std::string(2 * depth, ' ') + ControlLine(control, depth) + "\n";
  for (const TControl* child : control.Children()) RenderControl(*child, depth + 1, out);
}

void TerminalFrontEnd::RenderMenu(const TControl& control, int depth, std::string& out) const {
  const auto* item = dynamic_cast<const TMenuItem*>(&control);
  if (item == nullptr || !item->Visible || item->Caption == "-") return;
  out += std::string(2 * depth, ' ') + CheckMark(*item) + TerminalText(CaptionText(item->Caption)) +
         "  (" + item->Name() + ")" + (item->Enabled ? "" : "  (disabled)") + "\n";
  for (const TControl* child : item->Children()) RenderMenu(*child, depth + 1, out);
}
