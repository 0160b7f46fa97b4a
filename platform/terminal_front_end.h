#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/event_loop.h"
#include "platform/hot_keys.h"
#include "platform/terminal_input.h"

// The main window on a terminal: it prints the window's state (the labels "InfoLabel" and
// "DescLabel", the status bar, the menus with their check marks, the visible panels and
// controls with their values) and carries out the commands read from the input, one line at a
// time, through the message loop, so timers, the hot key and sockets go on meanwhile. The end
// of the input, like "quit", asks the loop to quit. Type "help" for the commands.
class TerminalFrontEnd {
 public:
  TerminalFrontEnd(ControlRegistry& window, EventLoop& loop, HotKeys& hot_keys,
                   TerminalInput& input, std::ostream& out);
  ~TerminalFrontEnd();
  TerminalFrontEnd(const TerminalFrontEnd&) = delete;
  TerminalFrontEnd& operator=(const TerminalFrontEnd&) = delete;

  // Shows the window and starts taking commands.
  void Start();
  // Carries out one command line. An exception of the event handler it runs goes on to the
  // caller (the message loop, whose handler shows it).
  void Execute(const std::string& line);
  // The whole window, as "show" prints it.
  std::string RenderWindow() const;

 private:
  void OnInput();
  void RunNextLine();
  void PostNextLine();
  // Prints the lines of the window's changing part (labels, status, panels) that differ from
  // what was shown last.
  void ShowChanges();
  void RememberShown();
  std::vector<std::string> ShowingPanels() const;
  void Prompt();

  void Help();
  void Act(const std::string& command, const std::string& arguments);
  void Click(const std::string& target, bool twice);
  void Choose(const std::string& name, const std::string& item);
  void Type(const std::string& name, const std::string& text);
  void Tick(const std::string& name, const std::string& item);
  void Select(const std::string& name, const std::string& item);
  void PressHotKey();

  // A control named so (exact name first, then without regard to case), or nothing.
  TControl* FindNamed(const std::string& name) const;
  // The same; reports it when there is none.
  TControl* Named(const std::string& name);
  // The same, or else a control whose caption reads so, "&" and case left out.
  TControl* NamedOrCaptioned(const std::string& target);
  // The item of the control's list the typed text means (its text or its number); else says
  // there is none.
  std::optional<int> ItemOf(const TControl& control, const std::vector<std::string>& items,
                            const std::string& typed);
  // True when the user can reach the control; else says why not.
  bool Reachable(const TControl& control);
  void Acted(const TControl& control);

  std::string RenderChanging() const;
  void RenderControl(const TControl& control, int depth, std::string& out) const;
  void RenderMenu(const TControl& item, int depth, std::string& out) const;

  ControlRegistry& window_;
  EventLoop& loop_;
  HotKeys& hot_keys_;
  TerminalInput& input_;
  std::ostream& out_;
  std::optional<EventLoop::WatchId> watch_;
  bool next_line_posted_ = false;
  std::vector<std::string> shown_;  // the changing part of the window as last printed
  std::vector<std::string> shown_panels_;
  std::string acted_line_;  // what the last command printed about its control
  // Messages posted by the front end reach it only while it exists.
  std::shared_ptr<TerminalFrontEnd*> self_;
};
