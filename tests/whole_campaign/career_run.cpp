#include "tests/whole_campaign/career_run.h"

#include <array>

#include "app/main_form.h"
#include "app/program.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/settings_file.h"
#include "platform/text_file.h"
#include "tests/support/installed_program.h"
#include "tests/support/mission_checker.h"
#include "tests/support/sample_campaign.h"

namespace {

constexpr const char* kCareerFolder = "Missions/Campaign/UM/Tavrek/";

}  // namespace

CareerRun::CareerRun() {
  TMainForm& form = *world.form;
  SetOptionDefaults(form);
  InstallSample(world);
  form.TimeSettingsBox.Text = "Normal";
  // The settings as a player left them, in the program folder and the game folder.
  WriteIni(form);
  // Each start of the program makes a window of its own; this one would hold the folder.
  world.form.reset();
  // What the game's career screen writes for a new Marine Corps career on Okinawa.
  world.program_folder.Write(
      "game/DGen/confUM.ini",
      JoinLinesCrLf({"status 3 1 0", "USMC_VMF_311", "dir=Missions\\Campaign\\UM\\Tavrek",
                     "game line four", "game line five", "Okinawa45 F4U1D"}));
}

int CareerRun::Start(const std::vector<std::string>& arguments, unsigned seed) {
  // Every start is a process of its own: nothing of an earlier start's services (its failure,
  // its request to end) carries over.
  PlatformServices platform(std::make_unique<ScriptedDialogs>(), std::make_unique<FakeClock>(),
                            std::make_unique<RecordingShell>(), std::make_unique<NoRegistry>());
  platform.FixedRandomSeed = seed;
  std::vector<std::string> command_line{ProgramFile(world, "tavrek")};
  command_line.insert(command_line.end(), arguments.begin(), arguments.end());
  ++cycle_;
  return RunProgram(platform, command_line);
}

int CareerRun::Create(unsigned seed) {
  return Start({"um", "3"}, seed);
}

int CareerRun::Next(unsigned seed) {
  return Start({"Missions/Campaign/UM/Tavrek"}, seed);
}

std::string CareerRun::GameFolder() const {
  return SampleGameFolder(world);
}

std::string CareerRun::CampaignFolder() const {
  return GameFolder() + kCareerFolder;
}

std::string CareerRun::InstalledMission() const {
  return ReadFileBytes(CampaignFolder() + "tavrekmission.mis");
}

FlightTally CareerRun::Fly(const std::vector<Happening>& happenings) {
  const std::string mission = InstalledMission();
  EventLogWriter log(mission, "Campaign/UM/Tavrek/tavrekmission.mis",
                     EventLogWriter::Clock::k24Hour, 8 * 3600, FlightDate());
  const FlightTally tally =
      FlyMission(log, mission, ReadFileBytes(CampaignFolder() + "locations.tavrek"), happenings,
                 ReadFileBytes(CampaignFolder() + "columns.tavrek"));
  event_log_.Append(log, GameFolder() + "eventlog.lst");
  return tally;
}

std::string CareerRun::RunLog() const {
  return ReadFileBytes(world.program_folder.Path() + "tavrekerror.txt");
}

// Each flight on a day of its own, so that every block of the log has its own stamp.
std::string CareerRun::FlightDate() const {
  static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const int year = 2027 + cycle_ / 336;
  const int month = cycle_ / 28 % 12;
  const int day = 1 + cycle_ % 28;
  return std::string(kMonths[month]) + " " + std::to_string(day) + ", " + std::to_string(year);
}

std::vector<std::string> FinalMissionProblems(const CareerRun& run, const std::string& message) {
  const std::string mission = run.InstalledMission();
  // The stub ends on its last section header without a line end, which the game reads as it
  // is; everything else the checker asks of a mission holds for it.
  std::vector<std::string> problems = MissionProblems(mission + "\r\n");
  const size_t flights = ParseMission(mission).Rows("WING").size();
  if (flights != 1) problems.push_back(std::to_string(flights) + " flights in [WING], not one");
  const std::string properties = ReadFileBytes(run.CampaignFolder() + "tavrekmission.properties");
  if (properties.find("Description \\n\\n" + message) == std::string::npos) {
    problems.push_back("the briefing is not the end message: " + properties);
  }
  return problems;
}
