// Columns placed at the start of their road are stored as free columns on the map; a column no
// place of its side is near keeps its place off the map.

#include "campaign_setup/start_placement.h"

#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "platform/text_file.h"
#include "tests/support/campaign_world.h"

namespace {

void AddLocation(TMainForm& form, const std::string& name, const std::string& position,
                 const std::string& army) {
  LocationEntry& location = form.LocationTable[++form.LastLocation];
  location.LocationName = name;
  location.LocationPosition = position;
  location.LocationArmy = army;
}

void AddColumn(TMainForm& form, const std::string& line_type, const std::string& place,
               const std::string& mark, const std::string& unit) {
  ColumnEntry& column = form.ColumnTable[++form.LastColumn];
  column.ColumnType = line_type;
  column.ColumnName = line_type.substr(0, line_type.find(' '));
  column.ColumnArmy = line_type.substr(line_type.rfind(' ') + 1);
  column.ColumnPlace = place;
  column.ColumnDestination = place;
  column.ColumnMarks = mark;
  column.ColumnUnitName = unit;
}

TEST(GetColumnStartLocation, APlacedColumnLosesTheMarkItHadWhileOffTheMapOrAboard) {
  CampaignWorld w;
  TMainForm& form = w.form;
  form.LastLocation = -1;
  form.LastColumn = -1;
  AddLocation(form, "Futema", "10000.00 10000.00", "1");
  AddLocation(form, "Shuri", "40000.00 40000.00", "2");
  // Written as not on the map ("X") when the file was saved with the place "Blank", and as
  // carried ("T") when a landing craft took it on board while it waited.
  AddColumn(form, "0_Chief Armor.3-M4A2_US 1", "Blank", "X", "713_Tank_Battalion");
  AddColumn(form, "1_Chief Armor.2-M16_US 1", "8_Chief", "T", "96_AA_Battery");
  AddColumn(form, "2_Chief Armor.3-Type97_ChiHa_JA 2", "Blank", "X", "Chiha_2");
  w.campaign.Write("columns.tavrek", "");
  const std::string mission =
      w.campaign.Write("master.mis",
                       "[0_Chief_Road]\r\n  10500.00 10200.00 120.00 0 2 3.6\r\n"
                       "[1_Chief_Road]\r\n  9000.00 9500.00 120.00 0 2 3.6\r\n"
                       "[2_Chief_Road]\r\n  90000.00 90000.00 120.00 0 2 3.6\r\n");
  GetColumnStartLocation(form, mission);
  EXPECT_EQ(w.campaign.Read("columns.tavrek"),
            "0_Chief Armor.3-M4A2_US 1 @Futema $713_Tank_Battalion ~A\r\n"
            "1_Chief Armor.2-M16_US 1 @Futema $96_AA_Battery ~A\r\n"
            "2_Chief Armor.3-Type97_ChiHa_JA 2 @Blank $Chiha_2 ~X\r\n");
}

}  // namespace
