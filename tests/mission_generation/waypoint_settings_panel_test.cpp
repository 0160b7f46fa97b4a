#include "mission_generation/waypoint_settings_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mission_generation/flight_performance.h"
#include "platform/text_file.h"
#include "tests/mission_generation/terminal_session.h"
#include "tests/support/campaign_world.h"
#include "tests/support/test_world.h"

namespace {

struct PanelWorld : CampaignWorld {
  PanelWorld() {
    campaign.Write("squadrons.tavrek", "");
    WireWaypointSettingsPanel(form);
  }
  bool IniHolds(const std::string& line) const {
    for (const std::string& ini_line : SettingsLines()) {
      if (ini_line == line) return true;
    }
    return false;
  }
};

TEST(AltitudeBoxChange, ATextThatLostItsUnitFallsBack) {
  struct Case {
    TComboBox MainWindowControls::*box;
    std::string typed;
    std::string kept;
  };
  const Case cases[] = {
      {&MainWindowControls::GAltitudeBox, "2000", "Default"},
      {&MainWindowControls::GAltitudeBox, "Random", "Random"},
      {&MainWindowControls::RAltitudeBox, "2000 meters", "Default"},
      {&MainWindowControls::TransitAltBox, "2500 Meters", "2500 Meters"},
      {&MainWindowControls::TransitAltBox, "high", "Default"},
      {&MainWindowControls::CruiseBox, "250", "Default"},
      {&MainWindowControls::CruiseBox, "260.00 kph", "260.00 kph"},
      {&MainWindowControls::IngressBox, "Random", "Default"},
      {&MainWindowControls::TakeOffStepAltBox, "125", "Default"},
      {&MainWindowControls::IPOffsetBox, "4000", "Default"},
      {&MainWindowControls::TgtIngressOffsetBox, "", "Default"},
      {&MainWindowControls::TgtIngressAltBox, "800", "Transit Altitude"},
      {&MainWindowControls::IPAltBox, "Default", "Transit Altitude"},
      {&MainWindowControls::TgtAltBox, "700 Meters", "700 Meters"},
      {&MainWindowControls::TgtEgressAltBox, "Random", "Transit Altitude"},
  };
  for (const Case& c : cases) {
    PanelWorld w;
    TComboBox& box = w.form.*c.box;
    box.Text = c.typed;
    AltitudeBoxChange(w.form);
    EXPECT_EQ(box.Text, c.kept) << box.Name() << " \"" << c.typed << "\"";
  }
}

TEST(AltitudeBoxChange, TheIngressOffsetLiesBeyondTheInitialPoint) {
  struct Case {
    std::string initial_point;
    std::string ingress;
    std::string initial_point_after;
    std::string ingress_after;
  };
  const Case cases[] = {
      {"3000 Meters", "2500 Meters", "3000 Meters", "5500 Meters"},
      {"3000 Meters", "3000 Meters", "3000 Meters", "5500 Meters"},
      {"3000 Meters", "5000 Meters", "3000 Meters", "5000 Meters"},
      {"10000 Meters", "1000 Meters", "10000 Meters", "12500 Meters"},
      {"Default", "1000 Meters", "Default", "1000 Meters"},
      {"3000 Meters", "Default", "3000 Meters", "Default"},
      {"far Meters", "1000 Meters", "Default", "Default"},
      {"3000 Meters", "99999999999 Meters", "Default", "Default"},
  };
  for (const Case& c : cases) {
    PanelWorld w;
    w.form.IPOffsetBox.Text = c.initial_point;
    w.form.TgtIngressOffsetBox.Text = c.ingress;
    AltitudeBoxChange(w.form);
    EXPECT_EQ(w.form.IPOffsetBox.Text, c.initial_point_after) << c.initial_point << c.ingress;
    EXPECT_EQ(w.form.TgtIngressOffsetBox.Text, c.ingress_after) << c.initial_point << c.ingress;
    EXPECT_TRUE(w.IniHolds("IPOffset=" + c.initial_point_after));
    EXPECT_TRUE(w.IniHolds("TgtIngressOffset=" + c.ingress_after));
  }
}

TEST(WaypointSettingsPanel, AUserOpensThePanelAndSetsTheFlightFigures) {
  PanelWorld w;
  TMainForm& form = w.form;
  form.RandomTransitAltitude = 2223;
  SquadronEntry& player = form.SquadronTable[0];
  player.SquadronArmy = "1";
  player.TypeTransitAlt = "Default";
  player.TypeCruiseSpeed = "Default";
  player.TypeIngressSpeed = "Default";
  SquadronEntry& allied = form.SquadronTable[1];
  allied.SquadronArmy = "1";
  allied.TypeTransitAlt = "3000 Meters";

  const std::string shown = TerminalSession(w.world).Run(
      "type GAltitudeBox 2000\n"
      "click WayButton\n"
      "type GAltitudeBox 2000\n"
      "choose RAltitudeBox Random\n"
      "type CruiseBox 250\n"
      "choose IPOffsetBox 3000 Meters\n"
      "choose TgtIngressOffsetBox 2500 Meters\n"
      "choose TransitAltBox 4500 Meters\n"
      "type IPAltBox 800\n"
      "choose IngressBox 400.00 kph\n"
      "choose TOCircle No Types\n"
      "choose IECoordinates All Types Use\n"
      "choose RadioBox Player Squadron Only\n");

  EXPECT_NE(shown.find("GAltitudeBox is hidden (WayPanel is hidden)"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Info: \"Waypoint Settings Panel\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("The settings for all squadrons are on the left."), std::string::npos);
  EXPECT_NE(shown.find("WayTitleLabel  label \"Player Squadron Altitude and Offset Distance "
                       "Settings\""),
            std::string::npos)
      << shown;
  EXPECT_NE(shown.find("> type GAltitudeBox 2000\nGAltitudeBox  combo box \"Default\""),
            std::string::npos)
      << shown;
  EXPECT_NE(shown.find("> type CruiseBox 250\nCruiseBox  combo box \"Default\""),
            std::string::npos);
  EXPECT_NE(shown.find("> choose TgtIngressOffsetBox 2500 Meters\n"
                       "TgtIngressOffsetBox  combo box \"5500 Meters\""),
            std::string::npos)
      << shown;
  EXPECT_TRUE(form.WayPanel.Visible && form.WayPanel.Enabled);

  // Every change was saved.
  const std::vector<std::string> ini = w.SettingsLines();
  ASSERT_GE(ini.size(), 14u);
  EXPECT_EQ(ini[12], "Default");
  EXPECT_EQ(ini[13], "Random");
  for (const char* line :
       {"TransitAlt=4500 Meters", "TgtIngressOffset=5500 Meters", "IPOffset=3000 Meters",
        "IPAlt=Transit Altitude", "CruiseSpeed=Default", "IngressSpeed=400.00 kph ",
        "TOCircle=No Types", "IECoordinates=All Types Use", "Radio=Player Squadron Only"}) {
    EXPECT_TRUE(w.IniHolds(line)) << line;
  }

  // The flight rules read what the user chose.
  EXPECT_EQ(AltitudeSet(form, 0), 4500);
  EXPECT_EQ(AltitudeSet(form, 1), 2223);
  EXPECT_EQ(SetSpeed(form, 0), "300.00");
  EXPECT_EQ(SetIngressSpeed(form, 0), "400.00");
}

}  // namespace
