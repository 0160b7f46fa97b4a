#include "app/option_items.h"

#include <string>
#include <vector>

#include "app/main_window_controls.h"

namespace {

using Items = std::vector<std::string>;

const Items kFlights{"One", "Two", "Three", "Four"};
const Items kFlightSizes{"Default", "One", "Two", "Three", "Four"};
const Items kDensities{"Full", "Dense", "Heavy", "Moderate", "Sparse", "None"};
const Items kSkills{"Squadron Defaults", "Random", "Rookie", "Average", "Veteran", "Ace"};
const Items kActionRadii{"30 Kilometers",  "40 Kilometers",  "50 Kilometers",  "60 Kilometers",
                         "75 Kilometers",  "100 Kilometers", "125 Kilometers", "150 Kilometers",
                         "175 Kilometers", "200 Kilometers", "250 Kilometers", "300 Kilometers",
                         "350 Kilometers", "400 Kilometers", "450 Kilometers", "500 Kilometers",
                         "550 Kilometers", "600 Kilometers", "650 Kilometers", "700 Kilometers",
                         "750 Kilometers"};
const Items kTransitAltitudes{"Default",     "Random",      "300 Meters",  "600 Meters",
                              "1000 Meters", "1500 Meters", "2000 Meters", "2500 Meters",
                              "3000 Meters", "3500 Meters", "4000 Meters", "4500 Meters",
                              "5000 Meters", "5500 Meters", "6000 Meters"};
const Items kNoYes{"No", "Yes"};
// Some items carry a trailing blank; the settings file keeps it.
const Items kRatesOfFire{"1.0 ", "2.0 ", "3.0",  "4.0",  "5.0",   "6.0",  "7.0",
                         "8.0",  "9.0",  "10.0", "20.0", "30.0",  "40.0", "50.0",
                         "60.0", "70.0", "80.0", "90.0", "100.0 "};
const Items kTargetAltitudes{"Transit Altitude", "300 Meters",  "500 Meters",  "1000 Meters",
                             "1500 Meters",      "2000 Meters", "2500 Meters", "3000 Meters",
                             "3500 Meters",      "4000 Meters", "4500 Meters", "5000 Meters",
                             "5500 Meters",      "6000 Meters"};
const Items kIngressOffsets{"Default",      "1000 Meters",  "2500 Meters",  "5000 Meters",
                            "7500 Meters",  "10000 Meters", "12500 Meters", "15000 Meters",
                            "17500 Meters", "20000 Meters"};
const Items kIPOffsets{"Default",     "1000 Meters", "2000 Meters", "3000 Meters",
                       "4000 Meters", "5000 Meters", "6000 Meters", "7000 Meters",
                       "8000 Meters", "9000 Meters", "10000 Meters"};
const Items kTakeOffStepAltitudes{"Default",    "100 Meters", "125 Meters",
                                  "150 Meters", "175 Meters", "200 Meters",
                                  "225 Meters", "250 Meters", "300 Meters"};
const Items kTakeOffCircles{"All Types",
                            "Only Escorts & Escorted",
                            "All Bombers & Escorts",
                            "Level Bombers & Escorts",
                            "Bombers & Ground Attack",
                            "Only Level Bombers",
                            "No Types"};
const Items kIngressEgressCoordinates{"All Types Use", "All Bombers Use", "Only Level Bombers Use",
                                      "No Types Use"};
const Items kSpeeds{"Default",    "150.00 kph",  "200.00 kph", "250.00 kph", "300.00 kph",
                    "350.00 kph", "400.00 kph ", "450.00 kph", "500.00 kph", "550.00 kph"};
const Items kShipSkills{"Rookie", "Average", "Veteran", "Ace"};
const Items kBridgeRepairTimes{"0 Missions", "1 Mission",  "2 Missions", "3 Missions",
                               "4 Missions", "5 Missions", "6 Missions", "7 Missions",
                               "8 Missions", "9 Missions", "Random"};
const Items kTimePassages{"Extremely Slow", "Very Slow", "Slow", "Normal", "Moderate", "Fast"};
const Items kBalances{"Default", "Balanced", "Allied Advantage", "Axis Advantage"};
const Items kServerTimeLimits{"No Time Limit", "1 Minute",    "5 Minutes",   "15 Minutes",
                              "30 Minutes",    "45 Minutes",  "60 Minutes",  "90 Minutes",
                              "120 Minutes",   "150 Minutes", "180 Minutes", "210 Minutes",
                              "240 Minutes"};
const Items kVoteLevels{"0", "25", "50", "75", "100"};
const Items kRadios{"Campaign Default", "All Squadrons", "Player Squadron & Escorts",
                    "Player Squadron Only", "No Squadrons"};
const Items kDayNight{"Day", "Night", "By Start/End Time"};
const Items kEscapes{"default", "100%", "90%", "80%", "70%", "60%",
                     "50%",     "40%",  "30%", "20%", "10%"};
const Items kObjectKinds{"1", "2", "3", "4", "5", "6"};
const Items kSupplyRates{"0/Squadron/Day",  "1/Squadron/Day",  "2/Squadron/Day",  "3/Squadron/Day",
                         "4/Squadron/Day",  "5/Squadron/Day",  "6/Squadron/Day",  "7/Squadron/Day",
                         "8/Squadron/Day",  "9/Squadron/Day",  "1/Squadron/Week", "2/Squadron/Week",
                         "3/Squadron/Week", "4/Squadron/Week", "5/Squadron/Week", "6/Squadron/Week",
                         "7/Squadron/Week", "8/Squadron/Week", "9/Squadron/Week"};
const Items kLossPercentages{"100%", "90%", "80%", "70%", "60%", "50%", "40%", "30%", "20%", "10%"};

void SetItems(MainWindowControls& c) {
  c.FlightBox.Items = kFlights;
  for (TComboBox* box : {&c.DeSchwarm, &c.RuSchwarm, &c.BASchwarm}) box->Items = kFlightSizes;
  for (TComboBox* box : {&c.SquadronDensity, &c.ColumnDensity, &c.SObjectD}) {
    box->Items = kDensities;
  }
  c.GenSkillBox.Items = kSkills;
  c.ActionRadius.Items = kActionRadii;
  for (TComboBox* box : {&c.GAltitudeBox, &c.RAltitudeBox, &c.TransitAltBox}) {
    box->Items = kTransitAltitudes;
  }
  for (TComboBox* box :
       {&c.FBDActiveBox, &c.SCUseBox, &c.SCPlaneLimitBox, &c.StaticPlaneCountBox}) {
    box->Items = kNoYes;
  }
  c.RoFBox.Items = kRatesOfFire;
  c.DDRoFBox.Items = kRatesOfFire;
  for (TComboBox* box : {&c.TgtEgressAltBox, &c.TgtAltBox, &c.TgtIngressAltBox, &c.IPAltBox}) {
    box->Items = kTargetAltitudes;
  }
  c.TgtIngressOffsetBox.Items = kIngressOffsets;
  c.IPOffsetBox.Items = kIPOffsets;
  c.TakeOffStepAltBox.Items = kTakeOffStepAltitudes;
  c.TOCircle.Items = kTakeOffCircles;
  c.IECoordinates.Items = kIngressEgressCoordinates;
  c.CruiseBox.Items = kSpeeds;
  c.IngressBox.Items = kSpeeds;
  c.DeShipSkillBox.Items = kShipSkills;
  c.RuShipSkillBox.Items = kShipSkills;
  c.BridgeRepairTimeBox.Items = kBridgeRepairTimes;
  c.TimeSettingsBox.Items = kTimePassages;
  c.BalanceBox.Items = kBalances;
  c.SCTimeLimitBox.Items = kServerTimeLimits;
  c.VoteLevelBox.Items = kVoteLevels;
  c.RadioBox.Items = kRadios;
  c.DayNightBox.Items = kDayNight;
  c.FBDTimeBox.Items = kServerTimeLimits;
  c.Escape.Items = kEscapes;
  c.NumObjBox.Items = kObjectKinds;
  c.FBMultiplier.Items = kLossPercentages;
  c.RUSupplyComboBox.Items = kSupplyRates;
  c.DESupplyComboBox.Items = kSupplyRates;
}

// The boxes that the window's creation leaves alone start with these texts.
void SetDesignTexts(MainWindowControls& c) {
  c.TransitAltBox.Text = "Default";
  c.CruiseBox.Text = "Default";
  c.IngressBox.Text = "Default";
  c.TimeSettingsBox.Text = "Normal";
  c.BalanceBox.Text = "Default";
  c.DeShipSkillBox.Text = "Rookie";
  c.RuShipSkillBox.Text = "Rookie";
  c.DayNightBox.Text = "Day";
  c.StaticPlaneCountBox.Text = "Yes";
  c.VoteLevelBox.Text = "100";
  c.RadioBox.Text = "Campaign Default";
  c.BornPlaceTrackBar.Min = 500;
  c.BornPlaceTrackBar.Max = 9950;
  c.BornPlaceTrackBar.Position = 3000;
  c.FBDTimeBox.Text = "No Time Limit";
  c.Escape.Text = "default";
  c.NumObjBox.Text = "3";
  c.FBMultiplier.Text = "100%";
}

void SetMenus(MainWindowControls& c) {
  c.FrontMovement.Visible = false;
  // These items turn their tick over themselves before their handler runs.
  for (TMenuItem* item : {&c.ActiveFront, &c.FixedStartDates, &c.Primary, &c.RandomNoseArt,
                          &c.ShipSunk, &c.SquadronManagement}) {
    item->AutoCheck = true;
  }
  c.Scoring.Caption = "&Auto On-Line Log";
  c.Scoring.Visible = false;
  c.Scoring.Enabled = false;
  c.FBDaemon.Visible = false;
  for (TPanel* panel : {&c.DensityPanel, &c.FBDPanel}) {
    panel->Visible = false;
    panel->Enabled = false;
  }
  c.VoteLevelBox.Visible = false;
  for (TMenuItem* item :
       {&c.EnglishSupport, &c.FrenchSupport, &c.PolishSupport, &c.CzechSupport, &c.ItalianSupport,
        &c.GermanSupport, &c.SpanishSupport, &c.RussianSupport}) {
    item->AutoCheck = true;
    item->RadioItem = true;
    item->GroupIndex = 1;
  }
}

void SetDialogs(MainWindowControls& c) {
  c.SetMainPath.Title = "Select Tavrek Program";
  c.SetMainPath.Filter = "Tavrek Executable|*.exe";
  c.SetMainPath.DefaultExt = "*.exe";
  c.SetCampPath.Title = "Locate Tavrek Campaign Squadron File";
  c.SetCampPath.Filter = "Squadron File|squadrons.tavrek";
  c.SetCampPath.DefaultExt = "*.tavrek";
  c.Set3rdPartyPath.Title = "Optional Third Party Campaigns Data Folder";
  c.Set3rdPartyPath.Filter = "Optional Third Party Campaigns File|allcampaigns.tavrek";
  c.Set3rdPartyPath.FileName = "allcampaigns.tavrek";
  c.SetFBDaemonPath.Title = "Select Pilot Campaign File from IL-2 User Folder";
  c.SetFBDaemonPath.Filter = "FBDaemon|*.exe";
  c.SetFBDaemonPath.FileName = "FBDaemon.exe";
}

}  // namespace

void SetOptionDesignValues(MainWindowControls& controls) {
  SetItems(controls);
  SetDesignTexts(controls);
  SetMenus(controls);
  SetDialogs(controls);
  controls.TimeOutTimer.SetInterval(60000);
}
