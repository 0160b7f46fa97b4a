#include "app/main_form.h"

#include "campaign_data/aircraft_class_editor.h"

TMainForm::TMainForm(PlatformServices& platform, std::vector<std::string> command_line)
    : MainWindowControls(platform.Loop(), platform.DialogService()),
      Platform(platform),
      Application(platform.Application()),
      command_line_(std::move(command_line)) {
  if (command_line_.empty()) command_line_.emplace_back();
  WireEvents();
}

std::string TMainForm::ParamStr(int index) const {
  if (index < 0 || index >= static_cast<int>(command_line_.size())) return std::string();
  return command_line_[index];
}

void TMainForm::Close() {
  Closed = true;
  Application.Terminate();
}

void TMainForm::WireEvents() { WireAircraftClassEditor(*this); }
