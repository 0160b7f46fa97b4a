#pragma once

#include <string>
#include <vector>

#include "app/main_window_controls.h"
#include "campaign_data/campaign_data_state.h"
#include "campaign_data/random_generator.h"
#include "campaign_progression/campaign_progression_state.h"
#include "campaign_setup/campaign_setup_state.h"
#include "mission_generation/mission_generation_state.h"
#include "mission_results/mission_results_state.h"
#include "platform/platform_services.h"
#include "tcp_listener/async_socket_srv.h"

// The main window. It owns every control and all of the campaign's state; the operations live
// in the subsystem folders and take the window as their first argument. Each test builds its
// own window, so nothing is shared between runs.
class TMainForm : public MainWindowControls,
                  public CampaignDataState,
                  public MissionGenerationState,
                  public MissionResultsState,
                  public CampaignProgressionState,
                  public CampaignSetupState {
 public:
  // command_line: parameter 0 is the program's own path, 1 and up the arguments.
  TMainForm(PlatformServices& platform, std::vector<std::string> command_line);
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // Parameter `index` of the command line; an absent parameter reads as empty text.
  std::string ParamStr(int index) const;
  int ParamCount() const { return static_cast<int>(command_line_.size()) - 1; }
  // A run started with arguments: no window, no dialog, the process ends when done.
  bool CommandLineRun() const { return ParamCount() > 0; }

  // A draw of the process's random generator in 0..n-1.
  int Random(int n) { return Rand.Random(n); }

  // Shuts the main window down and asks the application to exit; whatever operation is
  // running still finishes first.
  void Close();

  PlatformServices& Platform;
  TApplication& Application;
  RandomGenerator Rand;
  // The local TCP listener the dogfight link listens with.
  TAsyncSocketServer SocketServer{Platform.Loop(), "SocketServer"};
  int HotKeyId = 0;
  bool Closed = false;

 private:
  void WireEvents();

  std::vector<std::string> command_line_;
};
