#include "tests/whole_campaign/coop_run.h"

#include <array>

#include "app/main_form.h"
#include "app/program.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/settings_file.h"
#include "campaign_setup/coop_generator.h"
#include "platform/text_file.h"
#include "tests/support/installed_program.h"
#include "tests/support/sample_campaign.h"

namespace {

constexpr const char* kCoopFolder = "Missions/Net/NGen/Tavrek_Okinawa/";
constexpr const char* kCoopParameter = "missions/net/ngen/Tavrek_Okinawa/conf.dat";

// What the game's co-op screen writes for a new co-op campaign of the Okinawa battle: every
// Marine and Navy wing may spawn, Japanese ones at random, and no one dies for good.
std::string NewCoopConf() {
  return JoinLinesCrLf({"[$select]", "DiD Immortal", "USMC_VMF_31100 all", "USN_VF_8300 all",
                        "[$missions]", "[$locale]", "name Tavrek Okinawa45", "note Okinawa: 1945",
                        "[$data]", "Okinawa45.mis", "lang=English", "[DiD]",
                        "  DiDmode     Dead is Dead", "  Immortal    Immortal Warriors"});
}

// Each flight on a day of its own, so that every block of the log has its own stamp.
std::string FlightDate(int flight) {
  static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return std::string(kMonths[static_cast<size_t>(flight / 28 % 12)]) + " " +
         std::to_string(1 + flight % 28) + ", " + std::to_string(2027 + flight / 336);
}

bool IsJapaneseFlight(const std::string& flight) {
  return flight.rfind("IJ", 0) == 0;
}

}  // namespace

CoopRun::CoopRun() {
  TMainForm& form = *world.form;
  SetOptionDefaults(form);
  InstallSample(world);
  form.TimeSettingsBox.Text = "Normal";
  // The player puts the program in place of the game's co-op generator from its window.
  world.program_folder.Write("tavrek", "the program");
  world.program_folder.Write("game/NGen.exe", "the game's co-op generator");
  world.dialogs->ExpectMessage("default coop campaign generator", ModalResult::kYes);
  NGenToggle(form);
  WriteIni(form);
  // Each start of the program makes a window of its own.
  world.form.reset();
  world.program_folder.Write("game/" + std::string(kCoopFolder) + "conf.dat", NewCoopConf());
}

int CoopRun::Start(unsigned seed) {
  PlatformServices platform(std::make_unique<ScriptedDialogs>(), std::make_unique<FakeClock>(),
                            std::make_unique<RecordingShell>(), std::make_unique<NoRegistry>());
  platform.FixedRandomSeed = seed;
  ++starts_;
  return RunProgram(platform, {ProgramFile(world, "tavrek"), kCoopParameter});
}

std::string CoopRun::GameFolder() const {
  return SampleGameFolder(world);
}

std::string CoopRun::CampaignFolder() const {
  return GameFolder() + kCoopFolder;
}

std::string CoopRun::OfferedMissionPath() const {
  std::string last;
  bool in_missions = false;
  for (const std::string& line : SplitTextLines(ReadFileBytes(CampaignFolder() + "conf.dat"))) {
    if (line.find('[') != std::string::npos) {
      in_missions = line == "[$missions]";
      continue;
    }
    const size_t name = line.find_first_not_of(' ');
    if (in_missions && name != std::string::npos) last = line.substr(name);
  }
  return last.empty() ? "" : "Net/NGen/Tavrek_Okinawa/" + last;
}

std::string CoopRun::OfferedMission() const {
  return ReadFileBytes(GameFolder() + "Missions/" + OfferedMissionPath());
}

FlightTally CoopRun::Fly(const std::vector<Happening>& happenings) {
  const std::string mission = OfferedMission();
  EventLogWriter log(mission, OfferedMissionPath(), EventLogWriter::Clock::k24Hour, 8 * 3600,
                     FlightDate(flights_++));
  // The host flies with the Allies and a guest with the Japanese: each goes after the thrusts
  // of the other side, the host also after what the script asks of him.
  std::string host;
  std::string guest;
  for (const std::string& flight : log.Flights()) {
    std::string& seat = IsJapaneseFlight(flight) ? guest : host;
    if (seat.empty()) seat = log.Aircraft(flight, 0);
  }
  const std::string columns = ReadFileBytes(CampaignFolder() + "columns.tavrek");
  const std::string territory = ReadFileBytes(CampaignFolder() + "territory.tavrek");
  const std::string locations = ReadFileBytes(CampaignFolder() + "locations.tavrek");
  FlightTally tally = FlyMissionAs(log, mission, locations, happenings, host, kHost,
                                   EnemyThrusts(mission, columns, territory, "1"));
  if (!guest.empty()) {
    const FlightTally guests = FlyMissionAs(log, mission, locations, {}, guest, kGuest,
                                            EnemyThrusts(mission, columns, territory, "2"));
    tally.victories += guests.victories;
    tally.ground_kills += guests.ground_kills;
  }
  event_log_.Append(log, GameFolder() + "eventlog.lst");
  return tally;
}

std::string CoopRun::RunLog() const {
  return ReadFileBytes(world.program_folder.Path() + "tavrekerror.txt");
}
