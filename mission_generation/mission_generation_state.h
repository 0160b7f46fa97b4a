#pragma once

#include <array>
#include <string>
#include <vector>

class PassGuard;

// State of the between-mission pipeline, the planner and the mission file builder.
struct MissionGenerationState {
  int RandomTransitAltitude = 1500;     // drawn once per pass, 1500..3999 m
  int AxisPlayerRandomAltitude = 2000;  // drawn once per pass, 2000..3999 m
  std::string MissionFileText;
  std::string BuildingsText;
  std::string HousesText;
  std::string RocketsText;
  std::string CamerasText;
  std::string MissionHourText;
  std::string PreviousDateText;     // the campaign date before this run advanced it
  std::string BriefingNewsText;     // further news lines of the coming briefing
  std::string AlliedObjectiveText;  // the objective line of each side in this mission
  std::string AxisObjectiveText;
  std::string MissionBriefText;  // the player's briefing shown after the mission is written
  std::string DebriefingText;    // the last mission's debriefing as the briefings quote it

  // Set by each pass of the pipeline for the installation of its mission.
  std::string PlayerSideWord;    // "Red" for side "1", "Blue" for side "2", else empty
  std::string PlayerNationWord;  // "RU" for side "1", "DE" for side "2", else empty
  std::string MissionPath;       // where the mission text is written last in the pass
  std::string MissionPropertiesPath;
  PassGuard* OpenPassGuard = nullptr;  // the guard of the pass running now (pass_guard.h)

  // Base occupancy, indexed by base: map location l uses entry 0 of row l, ground column c (an
  // aircraft-carrying ship) uses entry 1 of row c. The planner keeps its launch loads in A; the
  // builder resets all three and counts in A the planes placed on the base, in B the flights
  // taking off from it and in C the minutes of the last start delay given there.
  std::vector<std::array<int, 2>> ObjectPairA;
  std::vector<std::array<int, 2>> ObjectPairB;
  std::vector<std::array<int, 2>> ObjectPairC;

  // The squadron sent against the player's squadron in this mission; -1 none.
  int PlayerInterceptor = -1;
};
