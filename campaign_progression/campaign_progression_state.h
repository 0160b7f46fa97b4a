#pragma once

#include <string>

// Territory, front and ground-war state and the news it writes.
struct CampaignProgressionState {
  std::string CampaignNews;
  std::string CampaignNewsRu;
  std::string FrontNews;
  std::string FrontNewsRu;
  std::string ColumnChiefsText;
  std::string ColumnRoadText;
  std::string FrontMarkerText;
};
