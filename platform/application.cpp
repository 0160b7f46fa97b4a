#include "platform/application.h"

void TApplication::ShowException(const std::exception& error) {
  if (!ShowMainForm) failed_ = true;
  dialogs_.MessageBox(error.what(), Title, MessageButtons::kOk);
}
