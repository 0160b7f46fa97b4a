#pragma once

#include <string>

#include "campaign_data/fixed_table.h"

// One squadron of the campaign (index 0 is the player's squadron). Values are held as the text
// of squadrons.tavrek and converted where used.
struct SquadronEntry {
  // Identity and strength (squadrons.tavrek).
  std::string SquadronName;  // empty marks a blank entry
  std::string PlanesAvailable;
  std::string PlanesMax;
  std::string PlanesLost;  // the squadron's minimum strength
  int PlanesExtra = 0;     // planes per flight; 0 until the flight-size rules fill it
  std::string SquadronSkill;
  std::string SquadronBaseClass;
  std::string SquadronActive;
  std::string SquadronAI;
  std::string SquadronMarkings;
  std::string SquadronSkin;
  std::string SquadronWeapons;
  std::string SquadronHomeBase;
  std::string SquadronRadio;
  std::string SquadronClass;
  std::string PlanesFlight;
  std::string SquadronFuel;
  std::string SquadronNation;
  std::string SquadronFullName;
  std::string SquadronPlaneText;  // the aircraft text the squadron editor shows

  // Aircraft-type data copied from the class table.
  std::string SquadronArmy;
  std::string SquadronRole;
  std::string SquadronFlyable;
  std::string TypeDescription;
  std::string TypeDescriptionAtLoad;
  std::string TypeDefaultWeapons;
  std::string TypePayload2;
  std::string TypePayload3;
  std::string TypePayload4;
  std::string TypePayload5;
  std::string TypePayload6;
  int TypeServiceStart = 0;
  int TypeServiceEnd = 0;
  std::string TypeUpgrade;
  std::string TypeDowngrade;
  int TypeUpgradeDate = 999999;
  std::string TypeGameName;
  std::string TypeTransitAlt;
  std::string TypeCruiseSpeed;
  std::string TypeRange;
  std::string TypeIngressSpeed;

  // The coming mission, refilled by every plan.
  std::string SquadronInMission;
  std::string SquadronTaskCode;
  std::string SquadronMissionType;
  std::string SquadronBriefing;
  std::string SquadronInfoText;  // entry 0: the Russian properties text of the mission
  int SquadronTargetLocation = -1;
  int SquadronMoveKind = 0;  // 0 stays, 2 moves to SquadronNewBase in this mission
  std::string SquadronNewBase;
  std::string SquadronTakeOffLeg;
  std::string SquadronJoinLeg;
  std::string SquadronRendezvousLeg;
  std::string SquadronHalfWayLeg;
  std::string SquadronTargetLeg;
  std::string SquadronReturnLeg;
  std::string SquadronLandingLeg;
  std::string DowngradeFlag;
  std::string DowngradePaint;

  // Escort links and target object of the coming mission (-1: none).
  int SquadronEscortOf = -1;    // the squadron this one escorts
  int SquadronEscortedBy = -1;  // the squadron escorting this one
  std::string SquadronTargetObject;
  int SquadronTargetColumn = -1;  // the friendly column a column-defence flight covers
  // Cover of a squadron's target by a fighter flying there on its own, both ways.
  int TargetCoverOf = -1;    // the fighter covering this squadron's target
  int SquadronCoverOf = -1;  // the squadron whose target this fighter covers
  // Interceptions and patrols over an attacked target, both ways.
  int SquadronInterceptLink = -1;  // the fighter set against this squadron
  int SquadronInterceptOf = -1;    // the squadron this fighter intercepts or patrols against
};

inline constexpr int kSquadronCapacity = 1029;
using SquadronTableType = FixedTable<SquadronEntry, kSquadronCapacity>;
