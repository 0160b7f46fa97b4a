#include "platform/controls.h"

#include <algorithm>
#include <chrono>

TControl* ControlRegistry::Find(std::string_view name) const {
  for (TControl* control : controls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

TControl::TControl(ControlRegistry& window, std::string name, TControl* parent,
                   std::string caption)
    : Caption(std::move(caption)), window_(window), name_(std::move(name)), parent_(parent) {
  window_.Add(*this);
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

void TControl::UserClick() {
  if (Enabled && Visible) Click();
}

void TControl::Click() {
  if (OnClick) OnClick();
}

void TCheckBox::UserClick() {
  if (!Enabled || !Visible) return;
  Checked = !Checked;
  Click();
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

void TMenuItem::UserClick() {
  if (!Enabled || !Visible) return;
  if (AutoCheck) SetChecked(RadioItem ? true : !Checked);
  Click();
}

int TComboBox::ItemIndex() const {
  const auto it = std::find(Items.begin(), Items.end(), Text);
  return it == Items.end() ? -1 : static_cast<int>(it - Items.begin());
}

void TComboBox::SetItemIndex(int index) {
  Text = (index >= 0 && index < static_cast<int>(Items.size())) ? Items[index] : std::string();
}

void TComboBox::UserChoose(const std::string& text) {
  if (!Enabled || !Visible) return;
  Text = text;
  if (OnChange) OnChange();
}

void TListBox::UserSelect(int index) {
  if (!Enabled || !Visible || index < 0 || index >= static_cast<int>(Items.size())) return;
  ItemIndex = index;
  Click();
}

void TCheckListBox::UserToggle(int index) {
  if (!Enabled || !Visible || index < 0 || index >= static_cast<int>(Items.size())) return;
  Checked.resize(Items.size(), false);
  ItemIndex = index;
  Checked[index] = !Checked[index];
  if (OnClickCheck) OnClickCheck();
}

void TRadioGroup::UserSelect(int index) {
  if (!Enabled || !Visible || index < 0 || index >= static_cast<int>(Items.size())) return;
  ItemIndex = index;
  Click();
}

void TEdit::UserType(const std::string& text) {
  if (!Enabled || !Visible) return;
  Text = text;
  if (OnChange) OnChange();
}

void TTrackBar::SetPosition(int position) { Position = std::clamp(position, Min, Max); }

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
