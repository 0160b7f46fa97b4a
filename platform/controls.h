#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/picture.h"

class TControl;

// The window that owns a set of controls: finds them by name for the terminal front end and
// gives them the services they need (the message loop for timers, the dialogs).
class ControlRegistry {
 public:
  ControlRegistry(EventLoop& loop, Dialogs& dialogs) : loop_(loop), dialogs_(dialogs) {}
  ControlRegistry(const ControlRegistry&) = delete;
  ControlRegistry& operator=(const ControlRegistry&) = delete;

  void Add(TControl& control) { controls_.push_back(&control); }
  void Remove(const TControl& control);
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
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  virtual std::string_view TypeName() const = 0;
  // Visible, and so is every control it sits on (its panel, its menu).
  bool Showing() const;
  // Showing and enabled, and so is every control it sits on: the user can reach it.
  bool Reachable() const;
  // What the user clicking it would do: nothing while it cannot be reached. Answers whether
  // the click happened. The User... actions of the other controls behave alike.
  virtual bool UserClick();
  bool UserDoubleClick();
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
  std::function<void()> OnDblClick;

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
  unsigned FontColor = 0;  // the text's colour as 0xBBGGRR; 0 is black
};

// Also the tool bar's buttons, which show a picture of the window's image list.
class TButton : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TButton"; }
  int ImageIndex = -1;
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
  bool UserClick() override;
  bool Checked = false;
};

// A menu entry; entries without a parent are the menu bar's titles. An AutoCheck entry turns
// its check mark over when the user picks it; a RadioItem is checked and unchecks the others of
// its GroupIndex under the same parent.
class TMenuItem : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TMenuItem"; }
  bool UserClick() override;
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
  // The item selected: the one chosen by its position while the text is still that item's
  // (two items may read alike), else the first item equal to the text; -1 when the text is no
  // item.
  int ItemIndex() const;
  // Selects an item by index (-1 empties the text).
  void SetItemIndex(int index);
  // What the user typing a text, or choosing an item by its text, does: the text changes, then
  // OnChange.
  bool UserChoose(const std::string& text);
  // What the user choosing the item at `index` of the list does; false for no such item.
  bool UserChooseItem(int index);

  std::vector<std::string> Items;
  std::string Text;
  std::function<void()> OnChange;

 private:
  int selected_ = -1;
};

class TListBox : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TListBox"; }
  // Selects the item and runs OnClick; an index outside the items does nothing.
  bool UserSelect(int index);
  std::vector<std::string> Items;
  int ItemIndex = -1;
};

class TCheckListBox : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TCheckListBox"; }
  // Turns the item's check mark over, selects it and runs OnClickCheck.
  bool UserToggle(int index);
  bool IsChecked(int index) const;
  void SetChecked(int index, bool checked);
  std::vector<std::string> Items;
  std::vector<bool> Checked;  // one per item; missing entries read as unchecked
  int ItemIndex = -1;
  std::function<void()> OnClickCheck;
};

class TRadioGroup : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TRadioGroup"; }
  bool UserSelect(int index);
  std::vector<std::string> Items;
  int ItemIndex = -1;
};

class TEdit : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TEdit"; }
  // The user replaces the text by typing `text`: each character passes OnKeyPress, which may
  // drop it by setting it to 0; then OnChange.
  bool UserType(const std::string& text);
  std::string Text;
  std::function<void()> OnChange;
  std::function<void(char& key)> OnKeyPress;
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
  // The user moves the slider: the position changes, then OnChange.
  bool UserSetPosition(int position);
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

class TImage : public TControl {
 public:
  using TControl::TControl;
  std::string_view TypeName() const override { return "TImage"; }
  // Shows a picture: a JPEG ("cimage.jpg") or a Windows bitmap (portraits, paint previews).
  // Throws FileError when the file is missing or holds no picture of either kind; the picture
  // shown before stays.
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
  // Switching on, or setting the interval while on, starts the count again.
  void SetEnabled(bool enabled);
  void SetInterval(int interval_ms);
  bool IsEnabled() const { return enabled_; }
  int Interval() const { return interval_ms_; }
  std::function<void()> OnTimer;

  // `TimeOutTimer.Enabled = false` switches the timer, as SetEnabled does; it stands in for
  // the plain flag of the other controls, which would not reach the message loop.
  class EnabledSwitch {
   public:
    explicit EnabledSwitch(TTimer& timer) : timer_(timer) {}
    EnabledSwitch(const EnabledSwitch&) = delete;
    EnabledSwitch& operator=(bool enabled) {
      timer_.SetEnabled(enabled);
      return *this;
    }
    EnabledSwitch& operator=(const EnabledSwitch& other) { return *this = bool(other); }
    operator bool() const { return timer_.enabled_; }

   private:
    TTimer& timer_;
  };
  EnabledSwitch Enabled{*this};

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
