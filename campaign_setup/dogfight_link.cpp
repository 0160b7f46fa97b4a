#include "campaign_setup/dogfight_link.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ReadFBDIni(TMainForm& form) {
  (void)form;
}
void FBDListen(TMainForm& form) {
  (void)form;
}
void SocketServerClientConnect(TMainForm& form, TCustomAsyncSocketServer& sender,
                               TAsyncSocketClient& client, std::uint16_t error) {
  (void)form;
  (void)sender;
  (void)client;
  (void)error;
}
void SocketServerClientDisconnect(TMainForm& form, TCustomAsyncSocketServer& sender,
                                  TAsyncSocketClient& client, std::uint16_t error) {
  (void)form;
  (void)sender;
  (void)client;
  (void)error;
}
void FBDaemonSettingsClickSender(TMainForm& form) {
  (void)form;
}
