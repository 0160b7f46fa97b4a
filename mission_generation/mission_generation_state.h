#pragma once

#include <array>
#include <string>

#include "campaign_data/location_table.h"

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

  // The squadron sent against the player's squadron in this mission; -1 none.
  int PlayerInterceptor = -1;
  // Base occupancy: entry [j][0] counts the planes taking off from map location j, entry [c][1]
  // those taking off from carrier column c. The planner keeps the launch loads here.
  FixedTable<std::array<int, 2>, kLocationCapacity> ObjectPairA;
};
