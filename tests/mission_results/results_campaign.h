#pragma once

#include <string>
#include <vector>

#include "tests/support/event_log_writer.h"
#include "tests/support/test_world.h"

// A small campaign held in memory for the results pass, matching the mission fixture
// tests/fixtures/results/tavrekmission.mis: five squadrons with full rosters, five locations
// of the Okinawa map, static objects and columns of both sides, a program folder with the
// shipped reference data and messages, a campaign folder and a game folder whose conf.ini
// names the event log.
//
//   0 USMC_VMF_3110  Allied fighters (the player's), F4U1C, Yontan_Airfield, 12 aircraft
//   1 USN_VT_830     Allied torpedo bombers, TBF1C, on the carrier USS_Essex, 8 aircraft
//   2 IJN_S_2520     Japanese fighters, A6M5, Naha_Airfield, 10 aircraft
//   3 IJA_TR_10      Japanese transports, Ki_57, Kikai_Airfield (off the map), 0 aircraft
//   4 IJN_S_2530     Japanese fighters, A6M5, Naha_Airfield, 6 aircraft
//
// Pilots are named "<First> <Last>" from per-squadron lists; the player, Frank Carter, flies
// in slot 0 of squadron 0.
class ResultsCampaign {
 public:
  enum Squadron { kPlayerSquadron = 0, kTorpedo, kZeroes, kTransports, kMoreZeroes };
  enum Location { kYontan = 0, kNaha, kShuri, kKadena, kKikai };

  ResultsCampaign();
  // Fills the tables as the campaign starts out (as loading its files would).
  void FillTables();

  TMainForm& form() { return *world.form; }
  PilotEntry& Pilot(int squadron, int slot);
  SquadronEntry& Unit(int squadron);
  const std::string& PilotName(int squadron, int slot);

  // Leaves every pilot due no promotion or medal, so a pass that scores nothing changes no
  // roster entry.
  void NoPilotDueAnything();

  // The mission fixture and a writer of its event log (24-hour or 12-hour stamps).
  static std::string MissionText();
  EventLogWriter Log(EventLogWriter::Clock clock = EventLogWriter::Clock::k24Hour,
                     int start_seconds = 14 * 3600) const;
  // Puts the event log where conf.ini says the game writes it.
  void WriteEventLog(const std::string& text) const;
  // Writes the campaign files the results pass rewrites (squadrons, static objects, columns),
  // so a pass starts from the tables as they stand.
  void WriteCampaignFiles();

  std::string CampaignFile(const std::string& name) const;
  std::string GameFile(const std::string& name) const;

  // The roster as readable lines: "<squadron>/<slot> <marker>|<name>|rank|kills|ground|sorties".
  std::string RosterDump();

  TestWorld world;
  std::string campaign_folder;
  std::string game_folder;
};

// Compares a text with the golden file tests/fixtures/results/<name>; with the environment
// variable TAVREK_UPDATE_GOLDENS set it writes the golden file instead.
void ExpectGolden(const std::string& name, const std::string& text);
