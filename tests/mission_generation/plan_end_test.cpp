// The close of the plan, and whole plans on bad input: a squadron or column whose data cannot
// be planned is named in the run log and left out, and the rest is planned.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/mission_assignments_end.h"
#include "mission_generation/planned_legs.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(PlanEnd, AFlaggedSquadronWithoutATargetLegStaysHomeWithoutMissionOrLinks) {
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int idle = campaign.AddSquadron("Idle", "1", "2", C::kAlliedAirfield);
  const int escort = campaign.AddSquadron("Escort", "1", "1", C::kAlliedAirfield);
  PlanRun& run = campaign.Prepare();
  TMainForm& form = campaign.form();
  SquadronEntry& squadron = form.SquadronTable[idle];
  campaign.Fly(idle);
  squadron.SquadronBriefing = "S2 Axis_Town";
  squadron.SquadronWeapons = "bombs";
  squadron.SquadronHalfWayLeg = "  NORMFLY 1.00 1.00 3000.0 300.00\r\n";
  squadron.SquadronTargetLocation = C::kAxisTown;
  squadron.SquadronEscortedBy = escort;
  form.SquadronTable[escort].SquadronEscortOf = idle;
  EndMissionAssignments(form, run);
  EXPECT_EQ(squadron.SquadronInMission, "");
  EXPECT_EQ(squadron.SquadronBriefing, "");
  EXPECT_EQ(squadron.SquadronTargetLocation, -1);
  EXPECT_EQ(squadron.SquadronHalfWayLeg, "");
  EXPECT_EQ(squadron.SquadronWeapons, "default");
  EXPECT_EQ(squadron.SquadronEscortedBy, -1);
  EXPECT_EQ(form.SquadronTable[escort].SquadronEscortOf, -1);
  EXPECT_THAT(form.ErrorText, Not(HasSubstr("Idle Squadron")));
}

struct EndCase {
  const char* name;
  const char* target_leg_keyword;
  const char* weapons;
  bool coop;
  const char* expected_weapons;
  bool logged;
};

class FlyingSquadronEndTest : public ::testing::TestWithParam<EndCase> {};

TEST_P(FlyingSquadronEndTest, ReturnsHomeWithItsLoadNamedAndGridded) {
  const EndCase& c = GetParam();
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int s = campaign.AddSquadron("KG1", "1", "2", C::kAlliedAirfield);
  PlanRun& run = campaign.Prepare();
  TMainForm& form = campaign.form();
  form.Coop.Checked = c.coop;
  SquadronEntry& squadron = form.SquadronTable[s];
  campaign.Fly(s);
  squadron.SquadronTargetLocation = C::kAxisTown;
  squadron.SquadronTargetLeg = PlannedLine(c.target_leg_keyword, "70000.00 30000.00", "300.00");
  squadron.SquadronWeapons = c.weapons;
  squadron.SquadronBriefing = "S2 Axis_Town";
  EndMissionAssignments(form, run);
  EXPECT_EQ(squadron.SquadronWeapons, c.expected_weapons);
  EXPECT_FALSE(squadron.SquadronReturnLeg.empty());
  EXPECT_EQ(squadron.SquadronBriefing, "S2 Axis_Town (H-4).");
  EXPECT_EQ(Contains(form.ErrorText, "KG1 Squadron (Type2) at Allied_Airfield: S2 Axis_Town.\r\n"),
            c.logged);
}

INSTANTIATE_TEST_SUITE_P(
    Planner, FlyingSquadronEndTest,
    ::testing::Values(EndCase{"AttackKeepsItsLoad", "GATTACK", "bombs", false, "bombs", true},
                      EndCase{"NoAttackNoBombs", "NORMFLY", "bombs", false, "default", true},
                      EndCase{"InterceptionLoadStays", "NORMFLY", "guns", false, "guns", true},
                      EndCase{"CoopLogsNoLine", "GATTACK", "bombs", true, "bombs", false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Bad input -------------------------------------------------------------------------------

struct BadInputCase {
  const char* name;
  std::function<void(PlannerCampaign&, SquadronEntry&)> spoil;
  const char* logged;
};

class BadInputTest : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(BadInputTest, LeavesOutWhatCannotBePlannedAndPlansTheRest) {
  const BadInputCase& c = GetParam();
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int spoiled = campaign.AddSquadron("Spoiled", "2", "2", C::kAxisAirfield);
  const int sound = campaign.AddSquadron("Sound", "2", "2", C::kAxisAirfield);
  campaign.AddColumn("Armor.T34", "1", "Allied_Town", "Front_Town",
                     campaign.StraightRoute(C::kAlliedTown, C::kFrontTown, 5));
  c.spoil(campaign, campaign.form().SquadronTable[spoiled]);
  campaign.Plan(31);
  const TMainForm& form = campaign.form();
  EXPECT_THAT(form.ErrorText, HasSubstr(c.logged));
  EXPECT_EQ(form.SquadronTable[spoiled].SquadronInMission, "");
  EXPECT_EQ(form.SquadronTable[sound].SquadronInMission, "Y");
  EXPECT_EQ(form.SquadronTable[0].SquadronInMission, "Y");
  EXPECT_THAT(form.ErrorText, HasSubstr("End of Squadron Mission Assignments"));
}

INSTANTIATE_TEST_SUITE_P(
    Planner, BadInputTest,
    ::testing::Values(
        BadInputCase{"UnknownAircraftType",
                     [](PlannerCampaign&, SquadronEntry& q) {
                       q.SquadronClass = "Class air.NoSuchType";
                       q.SquadronRole.clear();
                     },
                     "Squadron Spoiled [1] left out of the plan: its aircraft type \"Class "
                     "air.NoSuchType\" has the role \"\", none of 1 to 7."},
        BadInputCase{"RoleOutOfRange",
                     [](PlannerCampaign&, SquadronEntry& q) { q.SquadronRole = "9"; },
                     "has the role \"9\", none of 1 to 7."},
        BadInputCase{
            "SideOutOfRange", [](PlannerCampaign&, SquadronEntry& q) { q.SquadronArmy = "3"; },
            "Squadron Spoiled [1] left out of the plan: its side \"3\" is neither 1 nor 2."},
        BadInputCase{"PlanesAreText",
                     [](PlannerCampaign&, SquadronEntry& q) { q.PlanesFlight = "twelve"; },
                     "its planes available \"twelve\" are no number."},
        BadInputCase{"SpeedIsText",
                     [](PlannerCampaign&, SquadronEntry& q) { q.TypeCruiseSpeed = "fast kph"; },
                     "its cruise speed \"fast kph\" is no positive number of km/h."},
        BadInputCase{"SpeedIsZero",
                     [](PlannerCampaign&, SquadronEntry& q) { q.TypeCruiseSpeed = "0.00 kph"; },
                     "its cruise speed \"0.00 kph\" is no positive number of km/h."},
        BadInputCase{"NoFlightSize", [](PlannerCampaign&, SquadronEntry& q) { q.PlanesExtra = 0; },
                     "Squadron Spoiled [1] left out of the plan: it has no flight size."},
        BadInputCase{"TakeOffPositionIsText",
                     [](PlannerCampaign&, SquadronEntry& q) {
                       q.SquadronTakeOffLeg = "TAKEOFF north of town";
                     },
                     "its take-off position \"TAKEOFF north of town\" cannot be read."},
        BadInputCase{"NoPlanesAtAll",
                     [](PlannerCampaign&, SquadronEntry& q) {
                       q.PlanesFlight = "0";
                       q.SquadronActive = "Active True ";
                     },
                     "Squadron Spoiled [1] stays at its base: 0 planes are fewer than one flight "
                     "of 4."},
        BadInputCase{"BaseNamesNoLocation",
                     [](PlannerCampaign&, SquadronEntry& q) {
                       q.SquadronHomeBase = "Nowhere";
                       q.SquadronTakeOffLeg.clear();
                     },
                     "Check for Escort Missions."},
        BadInputCase{"ColumnSideIsText",
                     [](PlannerCampaign& campaign, SquadronEntry& q) {
                       campaign.form().ColumnTable[0].ColumnArmy = "x";
                       q.SquadronRole = "9";
                     },
                     "Column 0_Chief [0] left out of the plan: its side \"x\" is neither 1 nor 2."},
        BadInputCase{"ColumnRoutePointIsText",
                     [](PlannerCampaign& campaign, SquadronEntry& q) {
                       campaign.form().ColumnTable[0].ColumnRoute[2] = "here there 120.00";
                       q.SquadronRole = "9";
                     },
                     "Column 0_Chief [0] left out of the plan: its route point 2 \"here there "
                     "120.00\" is no map position."},
        BadInputCase{"TroopLimitIsText",
                     [](PlannerCampaign& campaign, SquadronEntry& q) {
                       campaign.form().TroopBox.Text = "many";
                       q.SquadronRole = "9";
                     },
                     "The troop limit \"many\" is no number; the plan uses 1000."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BadInput, AMapWithoutFrontCentreIsPlannedWithoutTargets) {
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  campaign.AddSquadron("KG1", "2", "2", C::kAxisAirfield);
  campaign.form().FrontCenterIndex = -1;
  campaign.form().FrontCenterPosition.clear();
  campaign.Plan(8);
  const TMainForm& form = campaign.form();
  EXPECT_THAT(form.ErrorText, HasSubstr("The map has no usable front centre"));
  EXPECT_THAT(form.ErrorText, HasSubstr("End of Squadron Mission Assignments"));
  for (int s = 0; s <= form.LastSquadron; ++s) {
    EXPECT_EQ(form.SquadronTable[s].SquadronInMission, "") << s;
    EXPECT_EQ(form.SquadronTable[s].SquadronTargetLocation, -1) << s;
  }
}

TEST(BadInput, ColumnsWithoutRouteAreNeverAttacked) {
  PlannerCampaign campaign;
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int attackers = campaign.AddSquadron("SG1", "2", "4", C::kAxisAirfield);
  campaign.AddColumn("Armor.T34", "1", "Allied_Town", "Front_Town", {});
  campaign.AddColumn("Armor.T34", "1", "Allied_Town", "Front_Town", {"45000.00 50000.00 120.00"});
  campaign.Plan(8);
  const TMainForm& form = campaign.form();
  EXPECT_NE(form.SquadronTable[attackers].SquadronTaskCode, "9");
  EXPECT_THAT(form.ErrorText,
              HasSubstr("Column 1_Chief [1] left out of the plan: its route has no point 1."));
  EXPECT_THAT(form.ErrorText, HasSubstr("End of Squadron Mission Assignments"));
}

TEST(BadInput, ThePlayerWithoutATakeOffPositionStaysAtHome) {
  PlannerCampaign campaign;
  const int player = campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  campaign.form().SquadronTable[player].SquadronTakeOffLeg.clear();
  campaign.Plan(8);
  EXPECT_EQ(campaign.form().SquadronTable[player].SquadronInMission, "");
  EXPECT_EQ(campaign.form().SquadronTable[player].SquadronHomeBase, "Unknown");
  EXPECT_THAT(campaign.form().ErrorText,
              HasSubstr("Squadron Player [0] stays at its base: it has no take-off position."));
}

}  // namespace
