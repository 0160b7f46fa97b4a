#include "platform/controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using std::chrono::milliseconds;

class Window : public ::testing::Test {
 protected:
  EventLoop loop;
  HeadlessDialogs dialogs;
  ControlRegistry window{loop, dialogs};
};

TEST_F(Window, MenuItemsCheckThemselvesAsTheirKindSays) {
  TMenuItem language{window, "LanguageMenu", nullptr, "&Language"};
  TMenuItem english{window, "EnglishSupport", &language, "English"};
  TMenuItem french{window, "FrenchSupport", &language, "French"};
  TMenuItem other_group{window, "Other", &language, "Other"};
  for (TMenuItem* item : {&english, &french, &other_group}) {
    item->RadioItem = true;
    item->AutoCheck = true;
  }
  other_group.GroupIndex = 1;
  english.SetChecked(true);
  other_group.SetChecked(true);

  int clicks = 0;
  french.OnClick = [&] { ++clicks; };
  EXPECT_TRUE(french.UserClick());
  EXPECT_TRUE(french.Checked);
  EXPECT_FALSE(english.Checked);
  EXPECT_TRUE(other_group.Checked);
  EXPECT_TRUE(french.UserClick());  // a radio item stays checked
  EXPECT_TRUE(french.Checked);
  EXPECT_EQ(clicks, 2);

  TMenuItem options{window, "OptionsMenu", nullptr, "&Options"};
  TMenuItem massed{window, "MassedBombers", &options, "Massed Bombers"};
  TMenuItem plain{window, "Plain", &options, "Plain"};
  massed.AutoCheck = true;
  massed.UserClick();
  plain.UserClick();
  EXPECT_TRUE(massed.Checked);
  EXPECT_FALSE(plain.Checked);  // left to its handler
  massed.UserClick();
  EXPECT_FALSE(massed.Checked);
}

TEST_F(Window, TheUserCannotReachWhatIsDisabledOrHiddenOrOnSuchAParent) {
  TPanel panel{window, "AircraftPanel"};
  TButton button{window, "Close", &panel, "Close"};
  TCheckBox box{window, "AIBox", &panel, "AI"};
  TMenuItem run{window, "RunMenu", nullptr, "&Run"};
  TMenuItem generate{window, "GMMenu", &run, "Generate &Mission"};
  int clicks = 0;
  button.OnClick = generate.OnClick = box.OnClick = [&] { ++clicks; };

  panel.Visible = false;
  EXPECT_FALSE(button.Showing());
  EXPECT_FALSE(button.UserClick());
  EXPECT_FALSE(box.UserClick());
  EXPECT_FALSE(box.Checked);
  run.Enabled = false;
  EXPECT_TRUE(generate.Showing());
  EXPECT_FALSE(generate.Reachable());
  EXPECT_FALSE(generate.UserClick());
  EXPECT_EQ(clicks, 0);

  generate.Click();  // the program's own call runs whatever the state
  EXPECT_EQ(clicks, 1);
  panel.Visible = true;
  run.Enabled = true;
  EXPECT_TRUE(box.UserClick());
  EXPECT_TRUE(box.Checked);
  EXPECT_TRUE(generate.UserClick());
  EXPECT_EQ(clicks, 3);
}

// Two items may read alike: the one chosen by its position stays the selected one until the
// text changes.
TEST_F(Window, AComboBoxItemChosenByPositionStaysSelectedAmongLikeItems) {
  TComboBox types{window, "PlaneTypeBox"};
  types.Items = {"Bf-109", "Bf-109", "Yak-1"};
  std::vector<int> seen;
  types.OnChange = [&] { seen.push_back(types.ItemIndex()); };

  EXPECT_TRUE(types.UserChooseItem(1));
  EXPECT_EQ(types.Text, "Bf-109");
  EXPECT_EQ(types.ItemIndex(), 1);
  EXPECT_FALSE(types.UserChooseItem(3));
  types.SetItemIndex(1);
  EXPECT_EQ(types.ItemIndex(), 1);
  EXPECT_TRUE(types.UserChoose("Bf-109"));  // typed: the first item of that text
  EXPECT_EQ(types.ItemIndex(), 0);
  types.SetItemIndex(1);
  types.Text = "Yak-1";  // the program sets another text
  EXPECT_EQ(types.ItemIndex(), 2);
  EXPECT_EQ(seen, (std::vector<int>{1, 0}));
}

TEST_F(Window, ComboBoxesKeepTextAndItemsTogether) {
  TComboBox flights{window, "FlightBox"};
  flights.Items = {"One", "Two", "Three", "Four"};
  int changes = 0;
  flights.OnChange = [&] { ++changes; };

  flights.Text = "Three";
  EXPECT_EQ(flights.ItemIndex(), 2);
  flights.Text = "three";  // typed text that is no item
  EXPECT_EQ(flights.ItemIndex(), -1);
  flights.SetItemIndex(1);
  EXPECT_EQ(flights.Text, "Two");
  flights.SetItemIndex(9);
  EXPECT_EQ(flights.Text, "");
  EXPECT_EQ(changes, 0);  // the program's changes run no handler

  EXPECT_TRUE(flights.UserChoose("Four"));
  EXPECT_EQ(flights.ItemIndex(), 3);
  EXPECT_EQ(changes, 1);
  flights.Enabled = false;
  EXPECT_FALSE(flights.UserChoose("One"));
  EXPECT_EQ(flights.Text, "Four");
}

TEST_F(Window, TypingPassesEachKeyThroughTheFilter) {
  TEdit name{window, "ColumnNameEdit"};
  std::string changed_to;
  name.OnKeyPress = [](char& key) {
    if (key == ' ' || key == '9') key = 0;
  };
  name.OnChange = [&] { changed_to = name.Text; };
  EXPECT_TRUE(name.UserType("Tank Group 19"));
  EXPECT_EQ(name.Text, "TankGroup1");
  EXPECT_EQ(changed_to, "TankGroup1");
}

TEST_F(Window, ListsAndTrackBars) {
  TCheckListBox list{window, "Targets"};
  list.Items = {"Bridge", "Port", "Airfield"};
  int checks = 0;
  list.OnClickCheck = [&] { ++checks; };
  EXPECT_TRUE(list.UserToggle(2));
  EXPECT_TRUE(list.IsChecked(2));
  EXPECT_FALSE(list.IsChecked(0));
  EXPECT_FALSE(list.UserToggle(3));
  list.SetChecked(2, false);
  EXPECT_FALSE(list.IsChecked(2));
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(list.ItemIndex, 2);

  TRadioGroup radio{window, "MissionRadio"};
  radio.Items = {"Random", "Escort"};
  EXPECT_FALSE(radio.UserSelect(-1));
  EXPECT_TRUE(radio.UserSelect(1));
  EXPECT_EQ(radio.ItemIndex, 1);

  TListBox pilots{window, "PilotListBox"};
  pilots.Items = {"Lt. Ivanov"};
  int double_clicks = 0;
  pilots.OnDblClick = [&] { ++double_clicks; };
  EXPECT_TRUE(pilots.UserSelect(0));
  EXPECT_TRUE(pilots.UserDoubleClick());
  EXPECT_EQ(double_clicks, 1);

  TTrackBar radius{window, "BornPlaceTrackBar"};
  radius.Min = 500;
  radius.Max = 9950;
  radius.SetPosition(12000);
  EXPECT_EQ(radius.Position, 9950);
  EXPECT_TRUE(radius.UserSetPosition(100));
  EXPECT_EQ(radius.Position, 500);
}

TEST_F(Window, ControlsLeaveTheWindowWhenDestroyed) {
  auto panel = std::make_unique<TPanel>(window, "PilotPanel");
  auto label = std::make_unique<TLabel>(window, "PhotoLabel", panel.get());
  EXPECT_EQ(window.Find("PhotoLabel"), label.get());
  panel.reset();
  EXPECT_EQ(window.Find("PilotPanel"), nullptr);
  EXPECT_EQ(label->Parent(), nullptr);
  label.reset();
  EXPECT_EQ(window.Find("PhotoLabel"), nullptr);
}

TEST_F(Window, TimersTickOnTheLoopAndStartTheCountAgainWhenSwitchedOn) {
  auto timer = std::make_unique<TTimer>(window, "TimeOutTimer");
  int ticks = 0;
  timer->OnTimer = [&] { ++ticks; };
  timer->SetInterval(300);
  timer->Enabled = true;
  EXPECT_TRUE(timer->Enabled);
  loop.RunUntil([] { return false; }, milliseconds(180));
  timer->Enabled = true;  // again: the count starts over
  loop.RunUntil([] { return false; }, milliseconds(180));
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(loop.RunUntil([&] { return ticks == 1; }, milliseconds(2000)));

  timer->SetInterval(1);
  EXPECT_TRUE(loop.RunUntil([&] { return ticks >= 3; }, milliseconds(2000)));
  timer->Enabled = false;
  EXPECT_FALSE(timer->IsEnabled());
  const int stopped_at = ticks;
  loop.RunUntil([] { return false; }, milliseconds(20));
  timer->SetInterval(0);
  timer->SetEnabled(true);  // on, but without an interval it never ticks
  loop.RunUntil([] { return false; }, milliseconds(20));
  timer->SetInterval(1);
  timer.reset();  // a destroyed timer stops
  loop.RunUntil([] { return false; }, milliseconds(20));
  EXPECT_EQ(ticks, stopped_at);
}

TEST_F(Window, AnOpenDialogRunsItsCloseCheckOnAnAcceptedFile) {
  struct OneAnswer : HeadlessDialogs {
    std::optional<std::string> OpenFile(const OpenDialogRequest& request) override {
      seen = request;
      return answer;
    }
    OpenDialogRequest seen;
    std::optional<std::string> answer;
  } answers;
  ControlRegistry own_window{loop, answers};
  TOpenDialog dialog{own_window, "SetCampPath"};
  dialog.Title = "Locate Tavrek Campaign Squadron File";
  dialog.InitialDir = "/tavrek/";
  int checks = 0;
  dialog.OnCanClose = [&](bool& can_close) {
    ++checks;
    can_close = dialog.FileName.ends_with("squadrons.tavrek");
  };

  EXPECT_FALSE(dialog.Execute());  // cancelled
  EXPECT_EQ(checks, 0);
  EXPECT_EQ(answers.seen.title, "Locate Tavrek Campaign Squadron File");
  answers.answer = "/tavrek/c/other.txt";
  EXPECT_FALSE(dialog.Execute());
  answers.answer = "/tavrek/c/squadrons.tavrek";
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "/tavrek/c/squadrons.tavrek");
  EXPECT_EQ(checks, 2);
}

}  // namespace
