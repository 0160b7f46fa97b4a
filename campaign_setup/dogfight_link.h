#pragma once

#include <cstdint>
#include <string>

#include "tcp_listener/listener_client.h"

class TMainForm;
class TCustomAsyncSocket;
class TCustomAsyncSocketServer;
class TAsyncSocketClient;

// The dogfight-server link and its preferences. The server tool connects to the local
// listener, sends the name of the next mission and leaves; the program then generates that
// mission into the game's dogfight folder.

// A connection of the server tool: besides the last line received, the mission name it asked
// for, empty while it has sent none that can be taken.
class TDogfightToolClient : public TListenerClient {
 public:
  using TListenerClient::TListenerClient;
  std::string MissionName;
};

// A name received from the tool names a file of the dogfight folder only when it is 1 to 64
// letters, digits, "_", "-" and ".", without "..": no folder, no drive, nothing the game or
// Windows would read otherwise.
bool IsAcceptedDogfightMissionName(const std::string& name);

// Connects the listener's events, the dogfight-server settings boxes and menu items.
void WireDogfightLink(TMainForm& form);

// Reads tavrekfbd.ini of the campaign folder into the four server-tool boxes; from then on a
// change of those boxes saves tavrekfbd.ini.
void ReadFBDIni(TMainForm& form);
void WriteFBDIni(TMainForm& form);
// The change of a server box that tavrek.ini keeps.
void FBDChange(TMainForm& form);
// Starts the local listener of the dogfight-server link; a listener already listening goes on
// as it is.
void FBDListen(TMainForm& form);
// A dogfight-server tool connected.
void SocketServerClientConnect(TMainForm& form, TCustomAsyncSocketServer& sender,
                               TAsyncSocketClient& client, std::uint16_t error);
// One line from the tool.
void FBDDataAvailable(TMainForm& form, TCustomAsyncSocket& sender, std::uint16_t error);
// The tool left: generates the mission it named, if it named one. A generation running now
// (of the link or of anything else) is never entered: the name waits for it to end.
void SocketServerClientDisconnect(TMainForm& form, TCustomAsyncSocketServer& sender,
                                  TAsyncSocketClient& client, std::uint16_t error);
// Generates the missions waiting, unless a generation runs now; then it tries again shortly.
void GenerateWaitingDogfightMissions(TMainForm& form);

void FBDaemonSettingsClickSender(TMainForm& form);
void FBDaemonClick(TMainForm& form);
void SetFBDaemonPathCanClose(TMainForm& form, bool& can_close);
