#pragma once

#include <string>
#include <vector>

#include "app/main_form.h"
#include "tests/support/test_world.h"

// A squadron of a campaign held in memory, as the squadron loader would leave it.
struct SquadronSetup {
  std::string name;
  std::string nation;
  std::string role = "1";
  std::string type_game_name = "F4U-1C";
  std::string class_line = "Class air.F4U1C";
  std::string home_base = "Yontan_Airfield";
  std::string planes_max = "16";
  int planes_extra = 4;
  std::string planes_flight = "8";
  std::string markings = "1";
  std::string skin = "default.bmp";
  std::string army = "1";
};

// A window with the program's data (messages, cities.dat, crewseats.tavrek) in its program
// folder, an empty campaign folder and an empty game folder, and squadrons added by the test.
class RosterWorld {
 public:
  explicit RosterWorld(int campaign_year = 1945,
                       std::vector<std::string> command_line = {"tavrek"});
  // Appends the squadron to the table and answers its index.
  int AddSquadron(const SquadronSetup& setup);
  PilotEntry& Pilot(int squadron, int slot);
  // A file of the campaign folder, whole.
  std::string CampaignFile(const std::string& name) const { return campaign.Read(name); }
  void WriteCampaignFile(const std::string& name, const std::string& content) const {
    campaign.Write(name, content);
  }
  // A file under the game folder ("DGen/US/07.bmp"), for the portraits a test needs.
  void WriteGameFile(const std::string& name, const std::string& content) const {
    game.Write(name, content);
  }
  // The run log's lines without their time stamps.
  std::vector<std::string> Log() const;
  // Whether a line of the run log holds the text.
  bool Logged(const std::string& part) const;

  TestWorld world;
  TempFolder campaign;
  TempFolder game;
  TMainForm& form;
};

// The text with its line that starts with `start` replaced by `line` (line end kept).
std::string ReplaceLine(std::string text, const std::string& start, const std::string& line);

// Sixteen pilot lines of a section, as "  000 000 000 Name <n> @DGen\Photo *00 &1920Town".
std::string PilotLines(const std::string& name_prefix, int count = 16);
