#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/event_loop.h"

class TControl;

// The window that owns a set of controls: finds them by name for the terminal front end and
// gives them the services they need (the message loop for timers, the dialogs).
class ControlRegistry {
 public:
  ControlRegistry(EventLoop& loop, Dialogs& dialogs) : loop_(loop), dialogs_(dialogs) {}
  ControlRegistry(const ControlRegistry&) = delete;
  ControlRegistry& operator=(const ControlRegistry&) = delete;

  void Add(TControl& control) { controls_.push_back(&control); }
  TControl* Find(std::string_view name) const;
  const std::vector<TControl*>& All() const { return controls_; }
  EventLoop& Loop() const { return loop_; }
  Dialogs& DialogService() const { return dialogs_; }

 private:
  EventLoop& loop_;
  Dialogs& dialogs_;
  std::vector<TControl*> controls_;
};

// A control of the main window, without pixels: the properties and events the program uses.
class TControl {
 public:
  TControl(ControlRegistry& window, std::string name, TControl* parent = nullptr,
           std::string caption = "");
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  virtual std::string_view TypeName() const = 0;
  // What the user clicking it would do: nothing while disabled or hidden.
  virtual void UserClick();
  // What the program calling Click does: the event runs whatever the control's state.
  virtual void Click();

  const std::string& Name() const { return name_; }
  TControl* Parent() const { return parent_; }
  const std::vector<TControl*>& Children() const { return children_; }
  ControlRegistry& Window() const { return window_; }

  std::string Caption;
  std::string Hint;
  bool Visible = true;
  bool Enabled = true;
  int Tag = 0;
  std::function<void()> OnClick;

 private:
  ControlRegistry& window_;
  std::string name_;
  TControl* parent_;
  std::vector<TControl*> children_;
};

class TLabel : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TLabel"; }
};

class TButton : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TButton"; }
};

class TPanel : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TPanel"; }
};

class TCheckBox : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TCheckBox"; }
  void UserClick() override;
  bool Checked = false;
};

// A menu entry; entries without a parent are the menu bar's titles. An AutoCheck entry turns
// its check mark over when the user picks it; a RadioItem is checked and unchecks the others of
// its GroupIndex under the same parent.
class TMenuItem : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TMenuItem"; }
  void UserClick() override;
  void SetChecked(bool checked);

  bool Checked = false;
  bool AutoCheck = false;
  bool RadioItem = false;
  int GroupIndex = 0;
};

// Items and the text of the edit field; an editable box may hold text that is no item.
class TComboBox : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TComboBox"; }
  // The index of the item equal to the text, -1 when the text is no item.
  int ItemIndex() const;
  // Selects an item by index (-1 empties the text).
  void SetItemIndex(int index);
  // What the user choosing an item or typing a text does: the text changes, then OnChange.
  void UserChoose(const std::string& text);

  std::vector<std::string> Items;
  std::string Text;
  std::function<void()> OnChange;
};

class TListBox : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TListBox"; }
  void UserSelect(int index);
  std::vector<std::string> Items;
  int ItemIndex = -1;
};

class TCheckListBox : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TCheckListBox"; }
  void UserToggle(int index);
  std::vector<std::string> Items;
  std::vector<bool> Checked;  // one per item
  int ItemIndex = -1;
  std::function<void()> OnClickCheck;
};

class TRadioGroup : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TRadioGroup"; }
  void UserSelect(int index);
  std::vector<std::string> Items;
  int ItemIndex = -1;
};

class TEdit : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TEdit"; }
  void UserType(const std::string& text);
  std::string Text;
  std::function<void()> OnChange;
};

class TMemo : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TMemo"; }
  std::vector<std::string> Lines;
};

class TTrackBar : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TTrackBar"; }
  void SetPosition(int position);  // kept within Min..Max
  int Min = 0;
  int Max = 10;
  int Position = 0;
  std::function<void()> OnChange;
};

class TStatusBar : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TStatusBar"; }
  std::string SimpleText;
};

// A decoded picture: rows of RGB pixels.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

class TImage : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TImage"; }
  // Shows a JPEG picture ("cimage.jpg", portraits, paint previews); throws FileError when the
  // file is missing or no JPEG.
  void LoadFromFile(const std::string& path);
  void Clear();
  Bitmap Picture;
  std::string PictureFile;
};

// Ticks every Interval milliseconds on the message loop while enabled.
class TTimer : public TControl {
 public:
  using TControl::TControl;
  ~TTimer() override;
  std::string_view TypeName() const override { return "TTimer"; }
  void SetEnabled(bool enabled);
  void SetInterval(int interval_ms);
  bool IsEnabled() const { return timer_.has_value(); }
  int Interval() const { return interval_ms_; }
  std::function<void()> OnTimer;

 private:
  void Rearm();
  int interval_ms_ = 1000;
  bool enabled_ = false;
  std::optional<EventLoop::TimerId> timer_;
};

// An open-file dialog: Execute shows it; an accepted file runs OnCanClose, which may refuse it.
class TOpenDialog : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TOpenDialog"; }
  bool Execute();
  std::string Title;
  std::string Filter;
  std::string DefaultExt;
  std::string InitialDir;
  std::string FileName;
  std::function<void(bool& can_close)> OnCanClose;
};
