#include "tests/campaign_progression/riverland.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/text.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;

RiverlandWorld::RiverlandWorld(std::vector<std::string> command_line)
    : TestWorld(std::move(command_line)) {
  const fs::path data = fs::path(program_folder.Path()) / "data";
  fs::create_directories(data);
  for (const char* file :
       {"Riverland.rds", "Riverland.rls", "Riverland.srd", "armor.tavrek", "gobjects.tavrek"}) {
    fs::copy_file(Fixture(file), data / file);
  }
  TMainForm& f = *form;
  f.MapName = "Riverland";
  f.MapTitle = "Riverland";
  f.MapAxis = "East";
  f.FrontCenterName = "Carrow_Bridge";
  f.CampaignFolder = campaign.Path();
  f.ActionRadius.Text = "250 Kilometers";
  f.ActionRadiusKm = 250;
  f.TroopBox.Text = "1000";
  f.CampaignYear = 1944;
  f.CampaignMonth = 6;
  f.GameID = "1946";
  f.StationaryDensityLevel = 0;
  f.ColumnDensityLevel = 0;
  FillGroundWarMessages(f);
  TargetLocations(f);
  ArmorList(f);
  campaign.Write("columns.tavrek", "");
}

std::string RiverlandWorld::Fixture(const std::string& file) {
  return FixturesFolder() + "groundwar/riverland/" + file;
}

int RiverlandWorld::Index(const std::string& name) const {
  for (int i = 0; i <= form->LastLocation; ++i) {
    if (form->LocationTable[i].LocationName == name) return i;
  }
  ADD_FAILURE() << "Riverland has no location " << name;
  return 0;
}

void RiverlandWorld::Hold(const std::vector<Holding>& holdings, const char* rest) const {
  for (int i = 0; i <= form->LastLocation; ++i) {
    LocationEntry& location = form->LocationTable[i];
    location.LocationArmy = rest;
    location.TerritoryStrength = {0, 0, 0};
  }
  for (const Holding& holding : holdings) {
    LocationEntry& location = At(holding.name);
    location.LocationArmy = holding.owner;
    location.TerritoryStrength = {0, holding.allied, holding.axis};
  }
}

int RiverlandWorld::AddColumn(const std::string& kind, const std::string& army,
                              const std::string& place, const std::string& unit) const {
  const int c = ++form->LastColumn;
  ColumnEntry& column = form->ColumnTable[c];
  column = ColumnEntry{};
  column.ColumnName = IntToStr(c) + "_Chief";
  column.ColumnType = column.ColumnName + " " + kind + " " + army;
  column.ColumnHeader = "[" + column.ColumnName + "_Road]";
  column.ColumnArmy = army;
  column.ColumnPlace = place;
  column.ColumnDestination = place;
  column.ColumnUnitName = unit;
  column.ColumnPlaceOwner = army;
  column.ColumnHeading = army;
  column.ColumnDestinationOwner = army;
  column.ColumnMarks = "A";
  column.ColumnMobile = "Y";
  column.ColumnArmorChange = "N";
  return c;
}

void RiverlandWorld::Objects(const std::vector<std::string>& lines) const {
  std::vector<std::string> file{"[NStationary]"};
  file.insert(file.end(), lines.begin(), lines.end());
  campaign.Write("stationary.tavrek", JoinLinesCrLf(file));
}

void FillGroundWarMessages(TMainForm& form) {
  const int news = static_cast<int>(MessageSection::kNews);
  const int errors = static_cast<int>(MessageSection::kErrors);
  const std::pair<int, const char*> lines[] = {{5, "5: <ARMY> lost its last airfield."},
                                               {6, "6: <ARMY> lost the battle."},
                                               {7, "7: <ARMY> took <TGTNAME>"},
                                               {8, "8: <ARMY> landed at <TGTNAME>"},
                                               {9, "9: fighting at <TGTNAME>"},
                                               {10, "10: battle for <TGTNAME>"},
                                               {11, "11: quiet at <TGTNAME>"},
                                               {19, "19: paratroops at"},
                                               {21, "21: <ARMY> retreats from <TGTNAME>"},
                                               {23, "23: <ARMY> gathers at <TGTNAME>"},
                                               {30, "30: gliders at <TGTNAME>"}};
  for (const auto& [line, text] : lines) {
    form.Messages.Message[news][line] = text;
    form.Messages.MessageRu[news][line] = std::string("ru") + text;
  }
  // The armies of a map the army list does not name: Allied line 0, Axis line 1.
  const int armies = static_cast<int>(MessageSection::kArmy);
  form.Messages.Message[armies][0] = "Allied army";
  form.Messages.Message[armies][1] = "Axis army";
  form.Messages.Message[errors][0] = "The front line could not be found.";
  form.Messages.Message[errors][3] = "No rail route file.";
  form.Messages.Message[errors][4] = "No sea route file.";
}
