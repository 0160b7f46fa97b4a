#pragma once

#include <cstdint>

class TMainForm;
class TCustomAsyncSocketServer;
class TAsyncSocketClient;

// The dogfight-server link and its preferences.

void ReadFBDIni(TMainForm& form);
// Starts the local listener of the dogfight-server link.
void FBDListen(TMainForm& form);
// A dogfight-server tool connected.
void SocketServerClientConnect(TMainForm& form, TCustomAsyncSocketServer& sender,
                               TAsyncSocketClient& client, std::uint16_t error);
// The tool left: generates the mission it named, if any.
void SocketServerClientDisconnect(TMainForm& form, TCustomAsyncSocketServer& sender,
                                  TAsyncSocketClient& client, std::uint16_t error);
// Shows the dogfight-server settings panel.
void FBDaemonSettingsClickSender(TMainForm& form);
