#include "app/main_form.h"

#include "app/option_items.h"
#include "campaign_data/aircraft_class_editor.h"
#include "campaign_data/campaign_preferences.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/messages.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/startup.h"
#include "campaign_progression/ground_editors.h"
#include "campaign_setup/flight_sizes.h"
#include "campaign_setup/game_integration_events.h"
#include "campaign_setup/option_events.h"
#include "campaign_setup/setup_events.h"
#include "campaign_setup/squadron_editor.h"
#include "mission_generation/custom_mission.h"
#include "mission_generation/flights_per_squadron.h"
#include "mission_generation/pipeline.h"
#include "mission_generation/waypoint_settings_panel.h"
#include "mission_results/pilot_editor.h"

TMainForm::TMainForm(PlatformServices& platform, std::vector<std::string> command_line)
    : MainWindowControls(platform.Loop(), platform.DialogService()),
      Platform(platform),
      Application(platform.Application()),
      command_line_(std::move(command_line)) {
  if (command_line_.empty()) command_line_.emplace_back();
  SetOptionDesignValues(*this);
  SetCampaignPreferenceControls(*this);
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

// The hot key is bound when FormCreate registers it.
void TMainForm::WireEvents() {
  TimeOutTimer.OnTimer = [this] { TimeOutTimerTimer(*this); };
  SelectCampPath.OnClick = [this] { SelectCampPathClick(*this); };
  CampButton.OnClick = [this] { SelectCampPathClick(*this); };
  MissionButton.OnClick = [this] { MissionButtonClick(*this); };
  GMMenu.OnClick = [this] { MissionButtonClick(*this); };
  ThirdPartyPathMenu.OnClick = [this] { ThirdPartyPathMenuClick(*this); };
  for (TMenuItem* item : {&EnglishSupport, &FrenchSupport, &PolishSupport, &CzechSupport,
                          &ItalianSupport, &GermanSupport, &SpanishSupport, &RussianSupport}) {
    item->OnClick = [this] { LanguageClick(*this); };
  }
  SetMainPath.OnCanClose = [this](bool& can_close) { SetMainPathCanClose(*this, can_close); };
  SetCampPath.OnCanClose = [this](bool& can_close) { SetCampPathCanClose(*this, can_close); };
  Set3rdPartyPath.OnCanClose = [this](bool& can_close) {
    Set3rdPartyPathCanClose(*this, can_close);
  };
  WireAircraftClassEditor(*this);
  ColumnWaypointCheck.OnClick = [this] { ColumnWaypointCheckClick(*this); };
  WireWaypointSettingsPanel(*this);
  WireCustomMissionPanel(*this);
  WireFlightBox(*this);
  WireFlightSizeBoxes(*this);
  WireGroundEditors(*this);
  WirePilotEditor(*this);
  WireCampaignSetup(*this);
  WireSquadronEditor(*this);
  WireGameIntegration(*this);
  WireOptionsAndDogfightLink(*this);
}
