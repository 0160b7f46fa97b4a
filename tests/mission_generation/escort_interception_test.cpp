// Fighters paired with other squadrons: escorts and target cover of friendly attackers,
// interceptions and patrols against enemy attackers, the interceptor of the player's squadron,
// and the links each pairing keeps on both squadrons.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "mission_generation/escort_missions.h"
#include "mission_generation/interception_missions.h"
#include "mission_generation/planned_legs.h"
#include "tests/mission_generation/planner_campaign.h"

namespace {

using C = PlannerCampaign;
using ::testing::EndsWith;
using ::testing::StartsWith;

// Gives a flying squadron an attack on a location, as the earlier phases leave it.
void Attacking(PlannerCampaign& campaign, int s, int target) {
  TMainForm& form = campaign.form();
  SquadronEntry& squadron = form.SquadronTable[s];
  const std::string& position = form.LocationTable[target].LocationPosition;
  squadron.SquadronInMission = "Y";
  squadron.SquadronTaskCode = "1";
  squadron.SquadronTargetLocation = target;
  squadron.SquadronWeapons = "bombs";
  squadron.SquadronTargetLeg = AttackPoint(position, "300.00");
  squadron.SquadronHalfWayLeg = "  NORMFLY 45000.00 40000.00 3000.0 300.00\r\n";
}

// The player (0) stays at home; Allied bombers (1) attack Axis_Town; an Allied fighter (2)
// flies from another base.
struct EscortWorld {
  EscortWorld() {
    campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
    bombers = campaign.AddSquadron("Bombers", "1", "2", C::kAlliedAirstrip);
    fighters = campaign.AddSquadron("Fighters", "1", "1", C::kAlliedAirfield);
    run = &campaign.Prepare();
    Attacking(campaign, bombers, C::kAxisTown);
    campaign.Fly(fighters);
  }
  TMainForm& form() { return campaign.form(); }
  SquadronEntry& squadron(int s) { return form().SquadronTable[s]; }
  PlannerCampaign campaign;
  int bombers;
  int fighters;
  PlanRun* run;
};

// Draws of the escort phase here: 0 the bombers' own chance, 1 the fighter's, 2 the partner
// test, 3 escort or cover (0: cover).
TEST(Escorts, AnEscortMeetsItsBombersAndBothKnowIt) {
  EscortWorld world;
  world.form().Rand.SetSeed(SeedGiving({{1, 6, 0, true}, {2, 6, 0, true}, {3, 6, 0, true}}));
  PlanEscorts(world.form(), *world.run);
  const SquadronEntry& escort = world.squadron(world.fighters);
  const SquadronEntry& bombers = world.squadron(world.bombers);
  EXPECT_EQ(escort.SquadronTaskCode, "4");
  EXPECT_EQ(escort.SquadronMissionType, "B18");
  EXPECT_EQ(escort.SquadronBriefing, "S20 Axis_Town Bombers Squadron Type2");
  EXPECT_EQ(escort.SquadronEscortOf, world.bombers);
  EXPECT_EQ(bombers.SquadronEscortedBy, world.fighters);
  EXPECT_EQ(escort.SquadronTargetLocation, C::kAxisTown);
  EXPECT_EQ(escort.SquadronTargetLeg, "  NORMFLY 70000.00 30000.00 <ALTITUDE> 300.00\r\n");
  // Different bases: both meet at one point, which is also the escort's half-way point.
  EXPECT_THAT(escort.SquadronRendezvousLeg, StartsWith("  NORMFLY "));
  EXPECT_EQ(bombers.SquadronRendezvousLeg, escort.SquadronRendezvousLeg);
  EXPECT_EQ(escort.SquadronHalfWayLeg, escort.SquadronRendezvousLeg);
}

TEST(Escorts, CoverFliesToTheTargetAlone) {
  EscortWorld world;
  world.form().Rand.SetSeed(SeedGiving({{1, 6, 0, true}, {2, 6, 0, true}, {3, 6, 0}}));
  PlanEscorts(world.form(), *world.run);
  const SquadronEntry& cover = world.squadron(world.fighters);
  EXPECT_EQ(cover.SquadronTaskCode, "3");
  EXPECT_EQ(cover.SquadronMissionType, "B11");
  EXPECT_EQ(cover.SquadronBriefing, "S19 Axis_Town Bombers Squadron Type2");
  EXPECT_EQ(cover.SquadronEscortOf, -1);
  EXPECT_EQ(cover.SquadronCoverOf, world.bombers);
  EXPECT_EQ(world.squadron(world.bombers).TargetCoverOf, world.fighters);
  EXPECT_EQ(cover.SquadronHalfWayLeg, world.squadron(world.bombers).SquadronHalfWayLeg);
}

TEST(Escorts, ALaterCoverTakesTheFighterFromTheEarlierSquadron) {
  EscortWorld world;
  const int more_bombers = world.campaign.AddSquadron("Bombers2", "1", "2", C::kAlliedAirstrip);
  PlanRun& run = world.campaign.Prepare();
  Attacking(world.campaign, world.bombers, C::kAxisTown);
  Attacking(world.campaign, more_bombers, C::kAxisFactory);
  world.campaign.Fly(world.fighters);
  // 0 and 1 the squadrons' own chances, then for the fighter: 2 and 3 the first bombers
  // (cover), 4 and 5 the second bombers (cover again).
  world.form().Rand.SetSeed(
      SeedGiving({{1, 6, 0, true}, {2, 6, 0, true}, {3, 6, 0}, {4, 6, 0, true}, {5, 6, 0}}));
  PlanEscorts(world.form(), run);
  EXPECT_EQ(world.squadron(world.fighters).SquadronCoverOf, more_bombers);
  EXPECT_EQ(world.squadron(more_bombers).TargetCoverOf, world.fighters);
  EXPECT_EQ(world.squadron(world.bombers).TargetCoverOf, -1);
  EXPECT_EQ(world.squadron(world.fighters).SquadronTargetLocation, C::kAxisFactory);
}

TEST(Escorts, TheSquadronTheEnemyPlayerSeeksNeverEscorts) {
  EscortWorld world;
  world.form().LinkBox.Text = "Fighters";
  world.form().Rand.SetSeed(SeedGiving({{1, 6, 0, true}, {2, 6, 0, true}, {3, 6, 0, true}}));
  PlanEscorts(world.form(), *world.run);
  EXPECT_EQ(world.squadron(world.fighters).SquadronTaskCode, "-1");
}

// ---- Interceptions -------------------------------------------------------------------------

// Allied bombers (1) from Allied_Airfield attack Axis_Town; an Axis fighter (2) at
// Axis_Airfield, 22 km from the target against the bombers' 54 km.
struct InterceptionWorld {
  InterceptionWorld() {
    campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
    bombers = campaign.AddSquadron("Bombers", "1", "2", C::kAlliedAirfield);
    fighters = campaign.AddSquadron("JG1", "2", "1", C::kAxisAirfield);
  }
  void Prepare() {
    run = &campaign.Prepare();
    Attacking(campaign, bombers, C::kAxisTown);
    campaign.Fly(fighters);
  }
  TMainForm& form() { return campaign.form(); }
  SquadronEntry& squadron(int s) { return form().SquadronTable[s]; }
  PlannerCampaign campaign;
  int bombers;
  int fighters;
  PlanRun* run = nullptr;
};

TEST(Interceptions, WithoutAirStartsTheFighterPatrolsOverTheTarget) {
  InterceptionWorld world;
  world.Prepare();
  world.form().Rand.SetSeed(SeedGiving({{0, 3, 0}}));
  PlanInterceptions(world.form(), *world.run);
  const SquadronEntry& fighter = world.squadron(world.fighters);
  EXPECT_EQ(fighter.SquadronTaskCode, "6");
  EXPECT_EQ(fighter.SquadronMissionType, "B20");
  EXPECT_EQ(fighter.SquadronBriefing, "S22 Axis_Town Type2");
  EXPECT_EQ(fighter.SquadronTargetLeg, "  NORMFLY 70000.00 30000.00 <ALTITUDE> 300.00\r\n");
  EXPECT_TRUE(fighter.SquadronTargetObject.empty());
  EXPECT_TRUE(fighter.SquadronRendezvousLeg.empty());
  EXPECT_EQ(fighter.SquadronInterceptOf, world.bombers);
  EXPECT_EQ(world.squadron(world.bombers).SquadronInterceptLink, world.fighters);
}

TEST(Interceptions, WithAirStartsTheFighterMeetsTheBombersHalfWay) {
  InterceptionWorld world;
  world.form().AirStarts.Checked = true;
  world.Prepare();
  world.form().Rand.SetSeed(SeedGiving({{0, 3, 0}, {1, 2, 0, true}}));
  PlanInterceptions(world.form(), *world.run);
  const SquadronEntry& fighter = world.squadron(world.fighters);
  EXPECT_EQ(fighter.SquadronTaskCode, "0");
  EXPECT_EQ(fighter.SquadronMissionType, "B19");
  EXPECT_EQ(fighter.SquadronBriefing, "S21 Axis_Town Type2");
  EXPECT_EQ(fighter.SquadronTargetLeg,
            "  NORMFLY 45000.00 40000.00 <ALTITUDE> 300.00 Bombers0 2\r\n");
  EXPECT_EQ(fighter.SquadronTargetObject, "Bombers");
  EXPECT_EQ(fighter.SquadronWeapons, "guns");
  EXPECT_FALSE(fighter.SquadronRendezvousLeg.empty());
  EXPECT_EQ(fighter.SquadronHalfWayLeg, "  NORMFLY 70000.00 30000.00 <ALTITUDE> 300.00\r\n");
}

TEST(Interceptions, AFighterSlowerToTheTargetThanTheAttackersStaysOut) {
  InterceptionWorld world;
  world.squadron(world.fighters).TypeCruiseSpeed = "100.00 kph";
  world.Prepare();
  world.form().Rand.SetSeed(SeedGiving({{0, 3, 0}}));
  PlanInterceptions(world.form(), *world.run);
  EXPECT_EQ(world.squadron(world.fighters).SquadronTaskCode, "-1");
  EXPECT_EQ(world.squadron(world.bombers).SquadronInterceptLink, -1);
}

TEST(Interceptions, AFighterAtTheMapsFirstLocationIsMeasuredFromItsBase) {
  InterceptionWorld world;
  // Axis_Airfield becomes location 0: measured from 0, 0 the fighter would be the slower.
  world.campaign.KeepLocations({C::kAxisAirfield, C::kAlliedAirfield, C::kFrontTown, C::kAxisTown});
  world.squadron(world.bombers).SquadronHomeBase = "Allied_Airfield";
  world.run = &world.campaign.Prepare();
  Attacking(world.campaign, world.bombers, 3);
  world.campaign.Fly(world.fighters);
  world.form().Rand.SetSeed(SeedGiving({{0, 3, 0}}));
  PlanInterceptions(world.form(), *world.run);
  EXPECT_EQ(world.squadron(world.bombers).SquadronInterceptLink, world.fighters);
}

TEST(Interceptions, ACertainChanceSendsTheFirstEnemyFighterAgainstThePlayer) {
  PlannerCampaign campaign;
  campaign.form().InterceptBox.Text = "100%";
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int first = campaign.AddSquadron("JG1", "2", "1", C::kAxisAirfield);
  const int second = campaign.AddSquadron("JG2", "2", "1", C::kAxisTown);
  PlanRun& run = campaign.Prepare();
  Attacking(campaign, 0, C::kAxisFactory);
  campaign.form().SquadronTable[0].SquadronWeapons = "default";
  campaign.Fly(first);
  campaign.Fly(second);
  PlanInterceptions(campaign.form(), run);
  PlanPlayerInterception(campaign.form(), run);
  const TMainForm& form = campaign.form();
  EXPECT_EQ(form.PlayerInterceptor, first);
  EXPECT_EQ(form.SquadronTable[0].SquadronInterceptLink, first);
  EXPECT_EQ(form.SquadronTable[first].SquadronTaskCode, "0");
  EXPECT_EQ(form.SquadronTable[first].SquadronTargetObject, "Player");
  EXPECT_EQ(form.SquadronTable[first].SquadronWeapons, "default");  // against fighters
  EXPECT_THAT(form.SquadronTable[first].SquadronTargetLeg, EndsWith(" Player0 2\r\n"));
  EXPECT_EQ(form.SquadronTable[second].SquadronTaskCode, "-1");
}

TEST(Interceptions, ThePlayersInterceptorLeavesTheAttackersItWasSetAgainst) {
  InterceptionWorld world;
  world.form().InterceptBox.Text = "100%";
  world.Prepare();
  Attacking(world.campaign, 0, C::kAxisFactory);
  world.squadron(0).SquadronWeapons = "default";
  world.form().Rand.SetSeed(SeedGiving({{0, 3, 0}}));
  PlanInterceptions(world.form(), *world.run);
  ASSERT_EQ(world.squadron(world.bombers).SquadronInterceptLink, world.fighters);
  PlanPlayerInterception(world.form(), *world.run);
  EXPECT_EQ(world.form().PlayerInterceptor, world.fighters);
  EXPECT_EQ(world.squadron(world.fighters).SquadronInterceptOf, 0);
  EXPECT_EQ(world.squadron(world.bombers).SquadronInterceptLink, -1);
}

TEST(Interceptions, NobodyInterceptsAPlayerWhoStaysAtHome) {
  PlannerCampaign campaign;
  campaign.form().InterceptBox.Text = "100%";
  campaign.AddSquadron("Player", "1", "1", C::kAlliedAirfield);
  const int fighter = campaign.AddSquadron("JG1", "2", "1", C::kAxisAirfield);
  PlanRun& run = campaign.Prepare();
  campaign.Fly(fighter);
  PlanPlayerInterception(campaign.form(), run);
  EXPECT_EQ(campaign.form().PlayerInterceptor, -1);
  EXPECT_EQ(campaign.form().SquadronTable[fighter].SquadronTaskCode, "-1");
}

}  // namespace
