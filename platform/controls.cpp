#include "platform/controls.h"

#include <algorithm>
#include <chrono>

#include "platform/errors.h"
#include "platform/text_file.h"

void ControlRegistry::Remove(const TControl& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

TControl* ControlRegistry::Find(std::string_view name) const {
  for (TControl* control : controls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

TControl::TControl(ControlRegistry& window, std::string name, TControl* parent, std::string caption)
    : Caption(std::move(caption)), window_(window), name_(std::move(name)), parent_(parent) {
  window_.Add(*this);
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

TControl::~TControl() {
  window_.Remove(*this);
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (TControl* child : children_) child->parent_ = nullptr;
}

bool TControl::Showing() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_) {
    if (!control->Visible) return false;
  }
  return true;
}

bool TControl::Reachable() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_) {
    if (!control->Visible || !control->Enabled) return false;
  }
  return true;
}

bool TControl::UserClick() {
  if (!Reachable()) return false;
  Click();
  return true;
}

bool TControl::UserDoubleClick() {
  if (!Reachable()) return false;
  if (OnDblClick) OnDblClick();
  return true;
}

void TControl::Click() {
  if (OnClick) OnClick();
}

bool TCheckBox::UserClick() {
  if (!Reachable()) return false;
  Checked = !Checked;
  Click();
  return true;
}

void TMenuItem::SetChecked(bool checked) {
  Checked = checked;
  if (!checked || !RadioItem || Parent() == nullptr) return;
  for (TControl* sibling : Parent()->Children()) {
    auto* item = dynamic_cast<TMenuItem*>(sibling);
    if (item != nullptr && item != this && item->RadioItem && item->GroupIndex == GroupIndex) {
      item->Checked = false;
    }
  }
}

bool TMenuItem::UserClick() {
  if (!Reachable()) return false;
  if (AutoCheck) SetChecked(RadioItem ? true : !Checked);
  Click();
  return true;
}

int TComboBox::ItemIndex() const {
  if (selected_ >= 0 && selected_ < static_cast<int>(Items.size()) && Items[selected_] == Text) {
    return selected_;
  }
  const auto it = std::find(Items.begin(), Items.end(), Text);
  return it == Items.end() ? -1 : static_cast<int>(it - Items.begin());
}

void TComboBox::SetItemIndex(int index) {
  const bool valid = index >= 0 && index < static_cast<int>(Items.size());
  selected_ = valid ? index : -1;
  Text = valid ? Items[index] : std::string();
}

bool TComboBox::UserChoose(const std::string& text) {
  if (!Reachable()) return false;
  selected_ = -1;
  Text = text;
  if (OnChange) OnChange();
  return true;
}

bool TComboBox::UserChooseItem(int index) {
  if (!Reachable() || index < 0 || index >= static_cast<int>(Items.size())) return false;
  SetItemIndex(index);
  if (OnChange) OnChange();
  return true;
}

bool TListBox::UserSelect(int index) {
  if (!Reachable() || index < 0 || index >= static_cast<int>(Items.size())) return false;
  ItemIndex = index;
  Click();
  return true;
}

bool TCheckListBox::IsChecked(int index) const {
  return index >= 0 && index < static_cast<int>(Checked.size()) && Checked[index];
}

void TCheckListBox::SetChecked(int index, bool checked) {
  if (index < 0 || index >= static_cast<int>(Items.size())) return;
  if (Checked.size() < Items.size()) Checked.resize(Items.size(), false);
  Checked[index] = checked;
}

bool TCheckListBox::UserToggle(int index) {
  if (!Reachable() || index < 0 || index >= static_cast<int>(Items.size())) return false;
  ItemIndex = index;
  SetChecked(index, !IsChecked(index));
  if (OnClickCheck) OnClickCheck();
  return true;
}

bool TRadioGroup::UserSelect(int index) {
  if (!Reachable() || index < 0 || index >= static_cast<int>(Items.size())) return false;
  ItemIndex = index;
  Click();
  return true;
}

bool TEdit::UserType(const std::string& text) {
  if (!Reachable()) return false;
  std::string typed;
  for (char key : text) {
    if (OnKeyPress) OnKeyPress(key);
    if (key != 0) typed += key;
  }
  Text = std::move(typed);
  if (OnChange) OnChange();
  return true;
}

void TTrackBar::SetPosition(int position) {
  Position = std::clamp(position, Min, Max);
}

bool TTrackBar::UserSetPosition(int position) {
  if (!Reachable()) return false;
  SetPosition(position);
  if (OnChange) OnChange();
  return true;
}

void TImage::LoadFromFile(const std::string& path) {
  Bitmap decoded;
  if (!DecodePicture(ReadFileBytes(path), decoded)) throw FileError("Not a picture: " + path);
  Picture = std::move(decoded);
  PictureFile = path;
}

void TImage::Clear() {
  Picture = Bitmap{};
  PictureFile.clear();
}

TTimer::~TTimer() {
  if (timer_) Window().Loop().StopTimer(*timer_);
}

void TTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Rearm();
}

void TTimer::SetInterval(int interval_ms) {
  interval_ms_ = interval_ms;
  Rearm();
}

void TTimer::Rearm() {
  if (timer_) Window().Loop().StopTimer(*timer_);
  timer_.reset();
  if (!enabled_ || interval_ms_ <= 0) return;
  timer_ = Window().Loop().StartTimer(std::chrono::milliseconds(interval_ms_), [this] {
    if (OnTimer) OnTimer();
  });
}

bool TOpenDialog::Execute() {
  const OpenDialogRequest request{Title, Filter, DefaultExt, InitialDir, FileName};
  std::optional<std::string> chosen = Window().DialogService().OpenFile(request);
  if (!chosen) return false;
  FileName = *chosen;
  bool can_close = true;
  if (OnCanClose) OnCanClose(can_close);
  return can_close;
}
