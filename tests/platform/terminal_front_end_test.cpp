#include "platform/terminal_front_end.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/terminal_dialogs.h"
#include "tests/support/test_pipe.h"

namespace {

using std::chrono::milliseconds;

// A small main window on a terminal whose input is a pipe the test writes the script into.
class TerminalWindow : public ::testing::Test {
 protected:
  TerminalWindow() {
    loop.SetExceptionHandler(
        [this](const std::exception& error) { application.ShowException(error); });
    massed.AutoCheck = true;
    flights.Items = {"One", "Two", "Three", "Four"};
    flights.Text = "Two";
    cities.Items = {"K\xF6ln", "Berlin"};
    panel.Visible = false;
    pilots.Items = {"Lt. Ivanov", "Cpt. Petrov"};
    run.Enabled = false;
    set_camp.Title = "Locate Tavrek Campaign Squadron File";
    set_camp.InitialDir = "/tavrek/";
    set_camp.OnCanClose = [this](bool&) { status.SimpleText = set_camp.FileName; };
    select_camp.OnClick = [this] { set_camp.Execute(); };
    pilot_info.OnClick = [this] { panel.Visible = true; };
    close.OnClick = [this] { panel.Visible = false; };
    pilots.OnDblClick = [this] { events.push_back("opened " + pilots.Items[pilots.ItemIndex]); };
    targets.Items = {"Bridge", "Port"};
    mission.OnClick = [this] {
      info.Caption =
          dialogs.MessageBox("Generate?", "Tavrek", MessageButtons::kYesNo) == ModalResult::kYes
              ? "Yes"
              : "No";
    };
    fail.OnClick = [] { throw ProgramError("No campaign active."); };
    name.OnChange = [this] { events.push_back("typed " + name.Text); };
    keys.RegisterHotKey(keys.GlobalAddAtom("Hotkey1"), 6, 71, [this](int) {
      events.push_back("hot key");
      info.Caption = "Hot key";
    });
  }
  void Type(const std::string& text) { pipe_.Write(text); }
  void EndInput() { pipe_.CloseWriteEnd(); }
  bool RunToQuit() {
    loop.RunUntil([] { return false; }, milliseconds(5000));
    return loop.QuitRequested();
  }

  TestPipe pipe_;
  TerminalInput input{pipe_.ReadEnd()};
  std::ostringstream out;
  TerminalDialogs dialogs{input, out};
  EventLoop loop;
  HotKeys keys{loop};
  TApplication application{loop, dialogs};
  ControlRegistry window{loop, dialogs};
  TLabel info{window, "InfoLabel", nullptr, "Tavrek 3.37"};
  TLabel desc{window, "DescLabel", nullptr, "Line one\r\nline two"};
  TStatusBar status{window, "StatusBar"};
  TMenuItem files{window, "FilesMenu", nullptr, "&Files"};
  TMenuItem select_camp{window, "SelectCampPath", &files, "&Select Campaign"};
  TMenuItem options{window, "OptionsMenu", nullptr, "&Options"};
  TMenuItem massed{window, "MassedBombers", &options, "Massed Bombers"};
  TMenuItem run{window, "RunMenu", nullptr, "&Run"};
  TMenuItem generate{window, "GMMenu", &run, "Generate &Mission"};
  TButton mission{window, "MissionButton", nullptr, "Generate Mission"};
  TButton pilot_info{window, "PInfo", nullptr, "Pilot Information"};
  TButton fail{window, "Fail", nullptr, "Fail"};
  TComboBox flights{window, "FlightBox"};
  TComboBox cities{window, "CityBox"};
  TPanel panel{window, "PilotPanel", nullptr, "Pilot"};
  TEdit name{window, "NameEdit", &panel};
  TListBox pilots{window, "PilotListBox", &panel};
  TButton close{window, "PilotClose", &panel, "Close/Save"};
  TCheckListBox targets{window, "Targets"};
  TOpenDialog set_camp{window, "SetCampPath"};
  std::vector<std::string> events;
};

TEST_F(TerminalWindow, ShowsTheWindowAndCarriesOutAScript) {
  TerminalFrontEnd front_end(window, loop, keys, input, out);
  front_end.Start();
  const std::string first = out.str();
  EXPECT_NE(first.find("Info: \"Tavrek 3.37\""), std::string::npos) << first;
  EXPECT_NE(first.find("Description: \"Line one\n"), std::string::npos) << first;
  EXPECT_NE(first.find("Massed Bombers  (MassedBombers)"), std::string::npos) << first;
  EXPECT_NE(first.find("  Run  (RunMenu)  (disabled)\n    Generate Mission  (GMMenu)\n"),
            std::string::npos)
      << first;
  EXPECT_NE(first.find("FlightBox  combo box \"Two\"  [0] One  [1]*Two"), std::string::npos);
  EXPECT_EQ(first.find("PilotPanel"), std::string::npos);  // hidden
  EXPECT_EQ(first.find("SetCampPath"), std::string::npos);

  Type(
      "click massed bombers\n"
      "click generate mission\n"
      "click GMMenu\n"
      "type NameEdit Hans\n"
      "click Pilot Information\n"
      "type NameEdit Hans M\xC3\xBCller\n"
      "select PilotListBox 1\n"
      "dblclick PilotListBox\n"
      "tick Targets port\n"
      "tick MassedBombers\n"
      "choose FlightBox Three\n"
      "choose CityBox k\xC3\xB6ln\n"
      "choose FlightBox Nine\n"
      "click &Select Campaign\n"
      "squadrons.tavrek\n"
      "click MissionButton\n"
      "maybe\n"
      "answer yes\n"
      "hotkey\n"
      "type NameEdit after\n"
      "click close/save\n"
      "fly\n"
      "click Fail\n");
  EndInput();
  EXPECT_TRUE(RunToQuit());
  const std::string text = out.str();

  EXPECT_FALSE(massed.Checked);  // clicked, then ticked off
  EXPECT_TRUE(targets.IsChecked(1));
  EXPECT_NE(text.find("MassedBombers  menu item [x] \"Massed Bombers\""), std::string::npos);
  EXPECT_NE(text.find("Several controls read \"generate mission\": GMMenu MissionButton"),
            std::string::npos);
  EXPECT_NE(text.find("GMMenu is disabled (RunMenu is disabled); nothing done."),
            std::string::npos);
  EXPECT_NE(text.find("NameEdit is hidden (PilotPanel is hidden); nothing done."),
            std::string::npos);
  // A command's changes to the labels, the status bar and the panels follow its echo.
  EXPECT_NE(text.find("> click Pilot Information\nPInfo  button \"Pilot Information\"\n"
                      "  PilotPanel  panel \"Pilot\"\n    NameEdit  edit \"\"\n"),
            std::string::npos);
  EXPECT_NE(text.find("> type NameEdit Hans M\u00FCller\nNameEdit  edit \"Hans M\u00FCller\"\n>"),
            std::string::npos);
  EXPECT_EQ(pilots.ItemIndex, 1);
  EXPECT_EQ(flights.Text, "Three");
  EXPECT_EQ(cities.Text, "K\xF6ln");
  EXPECT_NE(text.find("FlightBox has no item \"Nine\"."), std::string::npos);
  EXPECT_EQ(set_camp.FileName, "/tavrek/squadrons.tavrek");
  EXPECT_NE(text.find("Status: \"/tavrek/squadrons.tavrek\""), std::string::npos);
  EXPECT_NE(text.find("[Tavrek] Generate?\nAnswer yes/no: maybe\nNot an answer here.\n"
                      "Answer yes/no: answer yes\nMissionButton  button \"Generate Mission\"\n"
                      "  Info: \"Yes\"\n"),
            std::string::npos);
  EXPECT_NE(text.find("> hotkey\nCtrl+Shift+G pressed.\n  Info: \"Hot key\"\n"), std::string::npos);
  // The hot key's message ran before the next command.
  EXPECT_EQ(events, (std::vector<std::string>{"typed Hans M\xFCller", "opened Cpt. Petrov",
                                              "hot key", "typed after"}));
  EXPECT_NE(text.find("> click close/save\nPilotClose  button \"Close/Save\"\n"
                      "  PilotPanel is no longer shown\n"),
            std::string::npos);
  EXPECT_NE(text.find("Unknown command \"fly\""), std::string::npos);
  EXPECT_NE(text.find("[Tavrek] No campaign active."), std::string::npos);
  EXPECT_NE(text.find("End of input."), std::string::npos);
}

TEST_F(TerminalWindow, TheLoopRunsOnWhileWaitingAndQuitEndsTheCommands) {
  TerminalFrontEnd front_end(window, loop, keys, input, out);
  front_end.Start();
  int ticks = 0;
  loop.StartTimer(milliseconds(1), [&] { ++ticks; });
  Type("show\nclick Massed");  // the second line is not finished yet
  EXPECT_TRUE(loop.RunUntil([&] { return ticks >= 5; }, milliseconds(2000)));
  EXPECT_FALSE(massed.Checked);
  Type(" Bombers\nquit\nclick Massed Bombers\n");
  EXPECT_TRUE(RunToQuit());
  EXPECT_TRUE(massed.Checked);  // once: nothing after "quit" ran
  EXPECT_NE(out.str().find("Quitting."), std::string::npos);
  EXPECT_EQ(out.str().find("End of input."), std::string::npos);
}

TEST_F(TerminalWindow, ACommandArrivingLaterWaitsForWhatThePreviousOnePosted) {
  TerminalFrontEnd front_end(window, loop, keys, input, out);
  front_end.Start();
  Type("click Pilot Information\nhotkey\n");
  loop.RunOnce(milliseconds(1000));  // the first command; the second waits for its turn
  Type("type NameEdit after\n");     // reaches the loop while the hot key's message waits
  EndInput();
  EXPECT_TRUE(RunToQuit());
  EXPECT_EQ(events, (std::vector<std::string>{"hot key", "typed after"})) << out.str();
}

TEST_F(TerminalWindow, DialogsTakeTheWayOutWhenTheInputEnds) {
  EndInput();
  EXPECT_EQ(dialogs.MessageBox("Replace?", "Tavrek", MessageButtons::kYesNoCancel),
            ModalResult::kCancel);
  EXPECT_EQ(dialogs.MessageBox("Done.", "Tavrek", MessageButtons::kOk), ModalResult::kOk);
  EXPECT_EQ(dialogs.OpenFile({"Select Tavrek Program", "", "", "", ""}), std::nullopt);
  EXPECT_EQ(dialogs.InputQuery("Tavrek", "Name", ""), std::nullopt);
}

}  // namespace
