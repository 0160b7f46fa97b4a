#include "mission_results/pilot_archive.h"

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_results/bomber_crew.h"
#include "mission_results/career_roster.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kEventTextLimit = 128;

}  // namespace

void ArchivePilot(TMainForm& form, int roster_index, const std::string& death_text) {
  if (form.GameID == "IL2" || form.ServerActive == "True") return;
  const std::string path = form.GameCampaignFolder + "archive.dat";
  std::string text;
  if (FileExists(path)) {
    for (const std::string& line : ReadTextLines(path)) text += line + std::string(kCrLf);
  }
  const PilotEntry& pilot = form.PilotRoster[roster_index];
  text += CareerRecordFields(pilot);
  const std::string events = form.CampaignFolder + "events.dat";
  if (FileExists(events)) {
    for (const std::string& line : ReadTextLines(events)) {
      if (!IsEventOfPilot(line, pilot.RosterName) || IsLossEvent(form, line)) continue;
      text += EventText(line, kEventTextLimit) + std::string(kCrLf);
    }
  }
  text += death_text + std::string(kCrLf) + CareerRecordEnd();
  if (CareerGeneratorMode(form) && Contains(form.GameCampaignFolder, "DGen_")) {
    WriteTextFile(path, text);
  }
}
