#pragma once

#include <array>
#include <string>

#include "campaign_progression/place_index.h"
#include "campaign_progression/route_sections.h"
#include "campaign_progression/territory_places.h"

// Territory, front and ground-war state and the news it writes.
struct CampaignProgressionState {
  std::string CampaignNews;
  std::string CampaignNewsRu;
  std::string FrontNews;
  std::string FrontNewsRu;
  std::string ColumnChiefsText;
  std::string ColumnRoadText;
  std::string FrontMarkerText;
  std::string ColumnNews;
  std::string ColumnNewsRu;
  std::array<int, 2> OilSupply{0, 0};  // whole percent, entry 0 Allied, entry 1 Axis
  // Timetable news of the coming briefing: entry 0 both sides, 1 Allied, 2 Axis.
  std::array<std::string, 3> TimeTableNews;
  // Entry 0 "On" once a rendezvous applies; entries 1 Allied and 2 Axis its position.
  std::array<std::string, 3> AttackRendezvous{"Off", "", ""};
  std::string MissionTimeOverride;  // the mission's start hour set by the timetable
  std::string TimeTableCapture;     // "Y" when a timetable capture applied in this run
  // The map's route files read in the current operation (RouteFileScope), for the front guns
  // and the column routing.
  RouteFileCache ParsedRouteFiles;
  // The map's places as the owner rules last sorted them.
  TerritoryPlaces OwnerRulePlaces;
  // The map's places by name as the ground-war steps last looked them up (CurrentPlaces).
  PlaceIndex Places;
};
