// A player's campaign from the terminal, typed as a player types it into the built program: the
// first start asks for the game, then a new campaign for the US Marines on the shipped Okinawa
// sample and its first mission; the mission is flown; the next start renames and re-bases his
// squadron in the squadron editor and generates the second mission from there.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/app/built_program.h"
#include "tests/support/campaign_invariants.h"
#include "tests/support/event_log_writer.h"
#include "tests/support/mission_checker.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"
#include "tests/whole_campaign/flight_script.h"

#ifdef TAVREK_PROGRAM

namespace {

namespace fs = std::filesystem;

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr const char* kCareerMission = "game/Missions/Campaign/UM/Tavrek/tavrekmission.mis";
constexpr std::chrono::seconds kStartLimit{120};

struct Point {
  double x = 0;
  double y = 0;
};

double Distance(Point a, Point b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// A place of locations.tavrek ("name side x y" lines).
std::optional<Point> LocationOf(const std::string& locations_text, const std::string& name) {
  for (const std::string& line : SplitTextLines(locations_text)) {
    std::istringstream words(line);
    std::string place;
    std::string side;
    Point point;
    if (words >> place >> side >> point.x >> point.y && place == name) return point;
  }
  return std::nullopt;
}

// Where the player's flight of a mission takes off.
std::optional<Point> PlayersTakeOff(const ParsedMission& mission, const std::string& flight) {
  const auto waypoints = mission.Rows(flight + "_Way");
  if (waypoints.empty() || waypoints.front().size() < 3 || waypoints.front()[0] != "TAKEOFF") {
    return std::nullopt;
  }
  return Point{std::stod(waypoints.front()[1]), std::stod(waypoints.front()[2])};
}

// The value of a line of the mission's [MAIN] section ("player" -> the flight's name).
std::string MainValue(const ParsedMission& mission, const std::string& key) {
  for (const auto& row : mission.Rows("MAIN")) {
    if (row.size() >= 2 && row[0] == key) return row[1];
  }
  return "";
}

// Message boxes of the program shown on the terminal (an error that stops an action is one).
int BoxesShown(const std::string& output) {
  int boxes = 0;
  for (size_t at = output.find("\n[Tavrek] "); at != std::string::npos;
       at = output.find("\n[Tavrek] ", at + 1)) {
    ++boxes;
  }
  return boxes;
}

class TerminalCycle : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallBuiltProgram(folder);
    fs::copy(SourceSampleGameFolder(), folder.Path() + "game", fs::copy_options::recursive);
  }

  // One start of the program on the terminal, the player's lines fed to it; a fixed seed stands
  // in for the time of day.
  ProgramRun Start(const std::string& typed, const char* seed) {
    ::setenv("TAVREK_SEED", seed, 1);
    ProgramRun run = RunBuiltProgram(folder, {}, typed, kStartLimit);
    ::unsetenv("TAVREK_SEED");
    return run;
  }

  std::string Campaign(const std::string& name) const {
    return ReadFileBytes(CampaignFolder() + name);
  }
  std::string CampaignFolder() const { return folder.Path() + "Okinawa45_UM/"; }
  std::string GameFolder() const { return folder.Path() + "game/"; }
  std::string Mission() const { return folder.Read(kCareerMission); }

  // The flown mission's block added to the game's event log, as the game writes it.
  FlightTally Fly(const std::string& mission) {
    EventLogWriter log(mission, "Campaign/UM/Tavrek/tavrekmission.mis",
                       EventLogWriter::Clock::k24Hour, 8 * 3600, "Jan 2, 2027");
    const FlightTally tally =
        FlyMission(log, mission, Campaign("locations.tavrek"), ScriptedHappenings(1));
    WriteTextFile(GameFolder() + "eventlog.lst", log.Text());
    return tally;
  }

  void ExpectCampaignSound(const std::string& output) {
    EXPECT_THAT(MissionProblems(Mission()), IsEmpty()) << output;
    EXPECT_THAT(SquadronStrengthProblems(Campaign("squadrons.tavrek")), IsEmpty());
    EXPECT_THAT(RosterProblems(Campaign("pilot.tavrek")), IsEmpty());
  }

  TempFolder folder;
};

TEST_F(TerminalCycle, CreateGenerateEditTheSquadronAndGenerateAgain) {
  // The first start: the game is typed in at the welcome, then the new campaign and a mission.
  const ProgramRun first = Start(GameFolder() +
                                     "il2fb.exe\n"
                                     "click NewCampaign\n"
                                     "choose NewCampBox Okinawa45\n"
                                     "choose DefaultNation US Marines\n"
                                     "click CampStartButton\n"
                                     "click MissionButton\n"
                                     "quit\n",
                                 "19450401");
  ASSERT_TRUE(first.ended) << first.output;
  ASSERT_EQ(first.exit_status, 0) << first.output;
  EXPECT_THAT(first.output, HasSubstr("\n[Tavrek] Welcome to Tavrek.\n"));
  EXPECT_EQ(BoxesShown(first.output), 1) << first.output;
  EXPECT_THAT(first.output, HasSubstr("] Manual Campaign Created\n"));
  EXPECT_THAT(first.output, HasSubstr("Info: \"Mission Generated  [01/04/1945]\""));
  ExpectCampaignSound(first.output);
  const ParsedMission mission1 = ParseMission(Mission());
  const std::string locations = Campaign("locations.tavrek");
  ASSERT_EQ(MainValue(mission1, "player"), "USMC_VMF_31100") << Mission();
  const std::optional<Point> yontan = LocationOf(locations, "Yontan_Airfield");
  const std::optional<Point> kadena = LocationOf(locations, "Kadena_Airfield");
  ASSERT_TRUE(yontan && kadena);
  const std::optional<Point> takeoff1 = PlayersTakeOff(mission1, "USMC_VMF_31100");
  ASSERT_TRUE(takeoff1) << Mission();
  EXPECT_LT(Distance(*takeoff1, *yontan), 1000.0);

  const FlightTally tally = Fly(Mission());
  CampaignCycleCheck check(CampaignFolder(),
                           ReadFileBytes(SourceDataFolder() + "timetable.tavrek"));
  check.Begin();
  const RosterTotals before = SumRoster(Campaign("pilot.tavrek"));

  // The next start: the editor opens on his squadron; a new number renames it, and it moves to
  // Kadena before the second mission.
  const ProgramRun second = Start(
      "click QEButton\n"
      "choose SquadNoBox 2\n"
      "choose AirfieldBox Kadena_Airfield\n"
      "click MissionButton\n"
      "quit\n",
      "19450402");
  ASSERT_TRUE(second.ended) << second.output;
  ASSERT_EQ(second.exit_status, 0) << second.output;
  EXPECT_EQ(BoxesShown(second.output), 0) << second.output;
  EXPECT_THAT(second.output, HasSubstr("Info: \"Mission Generated  [02/04/1945]\""));
  ExpectCampaignSound(second.output);
  EXPECT_THAT(check.End(tally.victories, tally.ground_kills), IsEmpty());
  // Opening the editor scored the flown mission; the generation found it done.
  EXPECT_THAT(folder.Read("tavrekerror.txt"),
              HasSubstr("] The last mission of the event log is scored already: [Jan 2, 2027"));
  const RosterTotals after = SumRoster(Campaign("pilot.tavrek"));
  EXPECT_GT(after.sorties, before.sorties);
  // Everything the player destroyed is his; the victories of either side are bounded above.
  ASSERT_GT(tally.ground_kills, 0);
  EXPECT_EQ(after.ground_kills - before.ground_kills, tally.ground_kills);
  EXPECT_THAT(ReloadSaveProblems(folder.Path(), CampaignFolder(), GameFolder()), IsEmpty());

  // The saved squadron and the second mission carry the new name and base.
  const std::string squadrons = Campaign("squadrons.tavrek");
  EXPECT_THAT(squadrons, HasSubstr("[USMC_VMF_3112]\r\n"));
  EXPECT_THAT(squadrons, Not(HasSubstr("[USMC_VMF_3110]")));
  const size_t block = squadrons.find("[USMC_VMF_3112]");
  ASSERT_NE(block, std::string::npos);
  EXPECT_THAT(squadrons.substr(block, squadrons.find('[', block + 1) - block),
              HasSubstr("\r\n  Kadena_Airfield\r\n"));
  const ParsedMission mission2 = ParseMission(Mission());
  EXPECT_EQ(MainValue(mission2, "player"), "USMC_VMF_31120") << Mission();
  EXPECT_EQ(mission2.Find("USMC_VMF_31100"), nullptr);
  const std::optional<Point> takeoff2 = PlayersTakeOff(mission2, "USMC_VMF_31120");
  ASSERT_TRUE(takeoff2) << Mission();
  EXPECT_LT(Distance(*takeoff2, *kadena), 1000.0);
}

}  // namespace

#endif
