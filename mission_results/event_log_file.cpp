#include <string>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "mission_results/event_log.h"
#include "mission_results/event_log_block.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kKey = "eventlog=";

std::string ConfigurationFile(const TMainForm& form) {
  const std::string client = form.GameFolder + "conf.ini";
  if (form.ServerActive == "True" || !FileExists(client)) return form.GameFolder + "confs.ini";
  return client;
}

}  // namespace

bool FindLogFileName(TMainForm& form) {
  ErrorLog(form, "Game Path = " + form.GameFolder);
  ErrorLog(form, "Finding configuration file to determine log file name.");
  if (FileExists(form.GameFolder + "log.tavrek")) DeleteFile(form.GameFolder + "log.tavrek");
  const std::string configuration = ConfigurationFile(form);
  if (!FileExists(configuration)) {
    ErrorLog(form, "No game configuration file can be found.");
  } else {
    for (const std::string& line : ReadTextLines(configuration)) {
      const std::string lower = AsciiLowerCase(line);
      const size_t key = lower.find(kKey);
      if (key == std::string::npos) continue;
      // The name is the rest of the line after the key, wherever the key stands.
      form.LogFileName = Trim(Copy(line, static_cast<int>(key + kKey.size()) + 1, 99));
      ErrorLog(form, "Logfile = " + form.LogFileName);
    }
  }
  return !form.LogFileName.empty() && form.LogFileName != "None";
}

void SetLogFile(TMainForm& form) {
  if (FindLogFileName(form)) return;
  form.LogFileName = "None";
  const std::string quoted = "\"eventlog=eventlog.lst\"";
  if (form.ServerActive != "True") {
    ErrorLog(form, "Must activate IL-2 Event Log.");
    ErrorTrap(form,
              "Before continuing, please activate the IL-2 Event Log file. In the IL2 game folder, "
              "open the CONF.INI file in NotePad and add " +
                  quoted + " to the [GAME] section.");
  } else {
    ErrorLog(form, "Must activate IL-2 Server Event Log.");
    ErrorTrap(form,
              "Before continuing, please activate the IL-2 Server Event Log file. In the IL2 "
              "server folder, open the CONFS.INI file in NotePad and add " +
                  quoted + " or similar to the [GAME] section.");
  }
}

void SetLogDate(TMainForm& form) {
  ErrorLog(form, "Setting new log file date.");
  std::string stamp;
  if (!FileExists(form.GameFolder + form.LogFileName)) SetLogFile(form);
  const std::string event_log = form.GameFolder + form.LogFileName;
  const std::string copy = form.CampaignFolder + "log.tavrek";
  if (FileExists(event_log) && FileExists(copy) && CopyFile(event_log, copy, false)) {
    stamp = FindLastMissionBlock(ReadTextLines(copy)).stamp;
  }
  form.LogFileDate = stamp;
  WriteIni(form);
}
