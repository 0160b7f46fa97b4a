#include "campaign_setup/dogfight_link.h"

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/campaign_modes.h"
#include "campaign_setup/panels.h"
#include "mission_generation/pipeline.h"
#include "mission_results/dogfight_results.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kPreferencesFileName = "tavrekfbd.ini";
constexpr std::size_t kLongestMissionName = 64;
constexpr int kLineLimit = 255;
constexpr int kRetryMilliseconds = 250;

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.';
}

// A received text quoted in the run log: printable characters only, cut short.
std::string Printable(const std::string& text) {
  std::string shown;
  for (const char c : text.substr(0, kLongestMissionName)) {
    const auto byte = static_cast<unsigned char>(c);
    shown += (byte < 0x20 || byte >= 0x7f) ? '?' : c;
  }
  if (text.size() > kLongestMissionName) shown += "...";
  return shown;
}

std::string PreferencesPath(const TMainForm& form) {
  return form.CampaignFolder + kPreferencesFileName;
}

struct PreferenceLine {
  const char* key;
  TComboBox MainWindowControls::*box;
};

constexpr PreferenceLine kPreferenceLines[] = {
    {"FBDTime=", &MainWindowControls::FBDTimeBox},
    {"Escape=", &MainWindowControls::Escape},
    {"Multiplier=", &MainWindowControls::FBMultiplier},
    {"NumObj=", &MainWindowControls::NumObjBox},
};

// A value the box does not offer is never taken: it would reach the mission's texts.
void TakePreference(TMainForm& form, TComboBox& box, const std::string& line) {
  const std::string value = ValueAfterEquals(line);
  if (std::find(box.Items.begin(), box.Items.end(), value) == box.Items.end()) {
    ErrorLog(form, std::string(kPreferencesFileName) + ": \"" + Printable(value) +
                       "\" is no choice of " + box.Name() + "; it stays " + box.Text + ".");
    return;
  }
  box.Text = value;
}

void ReadPreferenceLines(TMainForm& form) {
  std::vector<std::string> lines;
  try {
    lines = ReadTextLines(PreferencesPath(form));
  } catch (const FileError& error) {
    ErrorLog(form, std::string(kPreferencesFileName) + " could not be read (" + error.what() +
                       "); the dogfight-server settings keep their values.");
    return;
  }
  for (const std::string& line : lines) {
    for (const PreferenceLine& preference : kPreferenceLines) {
      if (Contains(line, preference.key)) TakePreference(form, form.*preference.box, line);
    }
  }
}

// Marks a generation of the link as running for as long as it lives.
class GenerationMark {
 public:
  explicit GenerationMark(TMainForm& form) : form_(form) { form_.DogfightLink.Generating = true; }
  ~GenerationMark() { form_.DogfightLink.Generating = false; }
  GenerationMark(const GenerationMark&) = delete;
  GenerationMark& operator=(const GenerationMark&) = delete;

 private:
  TMainForm& form_;
};

bool GenerationRunning(const TMainForm& form) {
  return form.DogfightLink.Generating || form.OpenPassGuard != nullptr;
}

// The next try of the missions held back, once the generation running now has ended.
void RetryLater(TMainForm& form) {
  form.FBDWaitTimer.SetInterval(kRetryMilliseconds);
  form.FBDWaitTimer.SetEnabled(true);
}

// Everything that goes wrong is logged here: the listener must go on listening.
void GenerateDogfightMission(TMainForm& form, const std::string& name) {
  ErrorLog(form, "The dogfight-server tool asks for the mission " + name + ".");
  form.DogfightMissionName = name;
  try {
    if (form.GameIncludesAEP == "False") DogfightLog(form);
    if (!form.Dogfight.Checked) DogfightClickSender(form);
    form.DayStep = 1;
    BetweenMissionCompiler(form);
  } catch (const std::exception& error) {
    ErrorLog(form, "The mission " + name + " of the dogfight-server tool was not generated: " +
                       TrimRight(error.what()));
  }
  form.DogfightMissionName.clear();
}

void ListenerFailed(TMainForm& form, const std::exception& error) {
  const std::string message = "The dogfight-server link cannot listen on 127.0.0.1 port " +
                              form.DogfightLink.Port + ": " + TrimRight(error.what());
  ErrorLog(form, message);
  form.DescLabel.Caption = message;
}

}  // namespace

bool IsAcceptedDogfightMissionName(const std::string& name) {
  if (name.empty() || name.size() > kLongestMissionName) return false;
  if (Contains(name, "..")) return false;
  return std::all_of(name.begin(), name.end(), IsNameCharacter);
}

void WireDogfightLink(TMainForm& form) {
  form.SocketServer.OnClientConnect = [&form](TCustomAsyncSocketServer& sender,
                                              TAsyncSocketClient& client, std::uint16_t error) {
    SocketServerClientConnect(form, sender, client, error);
  };
  form.SocketServer.OnClientDisconnect = [&form](TCustomAsyncSocketServer& sender,
                                                 TAsyncSocketClient& client, std::uint16_t error) {
    SocketServerClientDisconnect(form, sender, client, error);
  };
  for (TComboBox* box : {&form.FBDTimeBox, &form.FBMultiplier, &form.NumObjBox, &form.Escape,
                         &form.SCTimeLimitBox}) {
    box->OnChange = [&form] { FBDChange(form); };
  }
  form.FBDaemonSettings.OnClick = [&form] { FBDaemonSettingsClickSender(form); };
  form.FBDaemon.OnClick = [&form] { FBDaemonClick(form); };
  form.FBDaemon.Visible = false;
  form.SetFBDaemonPath.OnCanClose = [&form](bool& can_close) {
    SetFBDaemonPathCanClose(form, can_close);
  };
  form.FBDWaitTimer.SetEnabled(false);
  form.FBDWaitTimer.OnTimer = [&form] {
    form.FBDWaitTimer.SetEnabled(false);
    GenerateWaitingDogfightMissions(form);
  };
}

void ReadFBDIni(TMainForm& form) {
  if (!form.CampaignFolder.empty() && FileExists(PreferencesPath(form))) {
    ReadPreferenceLines(form);
  }
  for (TComboBox* box : {&form.FBDTimeBox, &form.Escape, &form.FBMultiplier, &form.NumObjBox}) {
    box->OnChange = [&form] { WriteFBDIni(form); };
  }
}

void WriteFBDIni(TMainForm& form) {
  form.InfoLabel.Caption = "FBDaemon Preferences Saved";
  if (form.CampaignFolder.empty()) {
    ErrorLog(form, "No campaign is active: the dogfight-server settings are not saved.");
    return;
  }
  std::vector<std::string> lines{"[FBDaemon Settings]"};
  for (const PreferenceLine& preference : kPreferenceLines) {
    lines.push_back(preference.key + (form.*preference.box).Text);
  }
  try {
    WriteTextFile(PreferencesPath(form), JoinLinesCrLf(lines));
  } catch (const FileError& error) {
    ErrorLog(form, std::string("The dogfight-server settings could not be saved: ") + error.what());
    throw;
  }
}

void FBDChange(TMainForm& form) {
  WriteIni(form);
}

void FBDListen(TMainForm& form) {
  TAsyncSocketServer& server = form.SocketServer;
  if (server.State() == TSocketState::wsListening) {
    ErrorLog(form,
             "The dogfight-server link listens already on port " + server.GetBoundPort() + ".");
    return;
  }
  try {
    server.SetProto("tcp");
    server.SetPort(form.DogfightLink.Port);
    server.SetAddr("127.0.0.1");
    server.ClientClass = ClientClassOf<TDogfightToolClient>();
    server.Listen();
  } catch (const std::exception& error) {
    ListenerFailed(form, error);
    return;
  }
  if (server.State() != TSocketState::wsListening) {
    ListenerFailed(form, ProgramError("the listener did not start"));
    return;
  }
  ErrorLog(form,
           "The dogfight-server link listens on 127.0.0.1 port " + server.GetBoundPort() + ".");
}

void SocketServerClientConnect(TMainForm& form, TCustomAsyncSocketServer&,
                               TAsyncSocketClient& client, std::uint16_t) {
  client.SetLineMode(true);
  client.LineEdit = true;
  client.LineLimit = kLineLimit;
  client.OnDataAvailable = [&form](TCustomAsyncSocket& sender, std::uint16_t error) {
    FBDDataAvailable(form, sender, error);
  };
  if (auto* tool = dynamic_cast<TListenerClient*>(&client)) {
    tool->ConnectTime = form.Platform.ClockService().LocalNow();
  }
  form.DescLabel.Caption = "Connection Made to Tavrek.";
}

void FBDDataAvailable(TMainForm& form, TCustomAsyncSocket& sender, std::uint16_t) {
  std::string line = sender.ReceiveStr();
  auto* tool = dynamic_cast<TDogfightToolClient*>(&sender);
  if (tool == nullptr) return;
  tool->RcvdLine = line;
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  const std::string name = Trim(line);
  // Every line replaces what the connection asked for; the last one counts.
  tool->MissionName.clear();
  if (!name.empty() && !IsAcceptedDogfightMissionName(name)) {
    ErrorLog(form, "The dogfight-server tool sent \"" + Printable(name) +
                       "\", which is no mission name; it is ignored.");
    form.DescLabel.Caption = "Connection Made to Tavrek: no mission name received.";
    return;
  }
  tool->MissionName = name;
  form.DescLabel.Caption = "Connection Made to Tavrek: " + name;
}

void SocketServerClientDisconnect(TMainForm& form, TCustomAsyncSocketServer&,
                                  TAsyncSocketClient& client, std::uint16_t) {
  form.DescLabel.Caption = "FBDaemon Disconnected";
  auto* tool = dynamic_cast<TDogfightToolClient*>(&client);
  if (tool == nullptr || tool->MissionName.empty()) return;
  form.DogfightLink.Waiting.push_back(tool->MissionName);
  tool->MissionName.clear();
  GenerateWaitingDogfightMissions(form);
}

void GenerateWaitingDogfightMissions(TMainForm& form) {
  if (form.DogfightLink.Waiting.empty()) return;
  if (GenerationRunning(form)) {
    ErrorLog(form, "The mission " + form.DogfightLink.Waiting.back() +
                       " of the dogfight-server tool waits for the generation running now.");
    RetryLater(form);
    return;
  }
  const GenerationMark running(form);
  while (!form.DogfightLink.Waiting.empty() && !form.Closed) {
    const std::string name = form.DogfightLink.Waiting.front();
    form.DogfightLink.Waiting.pop_front();
    GenerateDogfightMission(form, name);
  }
}

void FBDaemonSettingsClickSender(TMainForm& form) {
  CleanUpPanels(form);
  form.InfoLabel.Caption = "Dogfight Server Settings";
  form.DescLabel.Caption =
      "Dogfight Settings compatible with IL2SC version 1.00+ and FBDaemon Version 2.2+.";
  form.FBDPanel.Enabled = true;
  form.FBDPanel.Visible = true;
}

void FBDaemonClick(TMainForm& form) {
  CleanUpPanels(form);
  form.InfoLabel.Caption = "Select Pilot Career";
  form.SetFBDaemonPath.Title = "Select Pilot Campaign File from IL-2 User Folder";
  form.SetFBDaemonPath.Filter = "FBDaemon|*.exe";
  form.SetFBDaemonPath.FileName = "FBDaemon.exe";
  form.SetFBDaemonPath.InitialDir = form.GameFolder + "Missions\\Campaign";
  form.SetFBDaemonPath.Execute();
}

void SetFBDaemonPathCanClose(TMainForm& form, bool&) {
  form.FBDaemonFolder = ExtractFilePath(form.SetFBDaemonPath.FileName);
  WriteIni(form);
}
