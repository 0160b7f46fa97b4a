#pragma once

#include <string>

#include "campaign_setup/dogfight_link_state.h"

// Campaign set-up, game integration and dogfight-link state.
struct CampaignSetupState {
  std::string DogfightMissionName;
  DogfightLinkState DogfightLink;
  int StationaryDensityLevel = 0;
  int ColumnDensityLevel = 0;
  int SquadronDensityLevel = 0;
  int DeFlightSize = 0;
  int RuFlightSize = 0;
  int BAFlightSize = 0;
  int NoseArtCount = 0;  // nose-art bitmaps the last NoseArtBoxSetup found

  // Game edition and folders: the first-run question for the game folder is open, so the
  // edition checks that choosing a folder runs do not ask again.
  bool GamePathPromptOpen = false;
};
