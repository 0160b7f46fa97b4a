#include "mission_generation/mission_sections.h"

#include <memory>
#include <string>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// How a section file's lines become section lines: they are indented by two blanks in the
// file, except in houses.tavrek, whose lines are taken whole.
enum class Indent { kTwoBlanks, kNone };

constexpr int kMaxSectionLineLength = 256;

std::string SectionLineContent(const std::string& line, Indent indent) {
  if (indent == Indent::kNone) return Trim(line);
  return Trim(Copy(line, 3, kMaxSectionLineLength));
}

std::string SectionText(const TMainForm& form, const std::string& file_name,
                        const std::string& header, Indent indent) {
  std::string text = header + "\r\n";
  const std::string path = form.CampaignFolder + file_name;
  if (!FileExists(path)) return text;
  const std::vector<std::string> lines = ReadTextLines(path);
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string content = SectionLineContent(lines[i], indent);
    if (!content.empty()) text += "  " + content + "\r\n";
  }
  return text;
}

// The take-off lines of one airfield section: two blanks and the trimmed line each; the third
// line follows the first flight of the escorted squadron when there is one.
void AppendTakeOffLine(const TMainForm& form, SquadronEntry& squadron, int line_number,
                       std::string_view line) {
  std::string& leg = squadron.SquadronTakeOffLeg;
  leg += "  " + Trim(line);
  if (line_number == 3 && squadron.SquadronEscortOf >= 0) {
    leg += " " + form.SquadronTable[squadron.SquadronEscortOf].SquadronName + "0 2";
  }
  leg += "\r\n";
}

}  // namespace

void BuildingList(TMainForm& form) {
  ErrorLog(form, "Extra Buildings and Cameras Compilation Begun.");
  form.BuildingsText = SectionText(form, "buildings.tavrek", "[Buildings]", Indent::kTwoBlanks);
  form.HousesText = SectionText(form, "houses.tavrek", "[House]", Indent::kNone);
  form.RocketsText = SectionText(form, "rockets.tavrek", "[Rocket]", Indent::kTwoBlanks);
  form.CamerasText = SectionText(form, "cameras.tavrek", "[StaticCamera]", Indent::kTwoBlanks);
  ErrorLog(form, "Extra Buildings and Cameras Complilation Completed.");
}

std::shared_ptr<const TextLines> AirfieldLines(TMainForm& form) {
  return form.FileReads.Lines(ReferenceFilePath(form, "airfields.tavrek"));
}

void LoadTakeoff(TMainForm& form, int squadron) {
  LoadTakeoff(form, squadron, *AirfieldLines(form));
}

void LoadTakeoff(TMainForm& form, int squadron, const TextLines& airfields) {
  SquadronEntry& entry = form.SquadronTable[squadron];
  // An empty base name would be found in every header and give the squadron the take-off of
  // whichever airfield the file lists last.
  if (Trim(entry.SquadronHomeBase).empty()) return;
  int line_number = 0;  // of the matching section's body; 0 outside it
  for (const std::string_view line : airfields) {
    if (Contains(line, "[")) {
      line_number = 0;
      if (Contains(line, entry.SquadronHomeBase)) {
        line_number = 1;
        entry.SquadronTakeOffLeg.clear();
      }
    } else if (line_number > 0) {
      AppendTakeOffLine(form, entry, line_number, line);
      ++line_number;
    }
  }
}
