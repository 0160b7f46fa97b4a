#include "campaign_setup/career_file_texts.h"

#include <vector>

#include "campaign_data/text.h"
#include "mission_generation/mission_installation.h"
#include "platform/ascii.h"
#include "platform/text_file.h"

namespace {

// One line of a text: where its content starts and ends and where its line end ends.
struct LineSpan {
  size_t start;
  size_t end;
  size_t next;
};

std::vector<LineSpan> LineSpans(std::string_view text) {
  std::vector<LineSpan> spans;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    size_t next = end;
    if (next < text.size() && text[next] == '\r') ++next;
    if (next < text.size() && text[next] == '\n') ++next;
    spans.push_back({start, end, next});
    start = next;
  }
  return spans;
}

// Text files of the game hold no control characters but tabs and line ends.
bool HoldsOnlyText(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && c != '\r' && c != '\n' && c != '\t') return false;
    if (byte == 0x7f) return false;
  }
  return true;
}

bool HasLine(const std::vector<std::string>& lines, std::string_view wanted, size_t from,
             size_t* found) {
  for (size_t i = from; i < lines.size(); ++i) {
    if (EqualsIgnoreCase(Trim(lines[i]), wanted)) {
      if (found != nullptr) *found = i;
      return true;
    }
  }
  return false;
}

constexpr const char* kCareerNote =
    "\\n\\nFor Manual or Auto-Generation modes only. If using Full Auto-Generation mode and have "
    "replaced DGEN with Tavrek, do not select this campaign.\\n\\nBefore clicking the campaign "
    "\"Start\" button return to Tavrek. At this time, you can activate the Tavrek \"On-Line "
    "Career (Auto-Generation)\" mode as well as modify any of the campaign settings. \\n\\nClick "
    "the Tavrek mission generation button when all changes have been made.";

}  // namespace

std::string CareerSideWord(const std::string& army) {
  return army == "1" ? "Red" : army == "2" ? "Blue" : "";
}

std::string CareerNationWord(const std::string& army) {
  return army == "1" ? "RU" : army == "2" ? "DE" : "";
}

std::string CampaignIniText(CareerListForm list_form, const std::string& army,
                            const std::string& program_folder) {
  const std::string side = CareerSideWord(army);
  const std::string nation = CareerNationWord(army);
  switch (list_form) {
    case CareerListForm::kPlain:
      return CareerListText("", side, nation);
    case CareerListForm::kProgram:
      return CareerListText("ExecGenerator " + program_folder + "tavrek.exe", side, nation);
    case CareerListForm::kGenerator:
      break;
  }
  return JoinLinesCrLf({"[Main]", "ExecGenerator DGen.exe",
                        "Class il2.game.campaign.Campaign" + side,
                        "awardsClass il2.game.campaign.Awards" + nation + "fighter", "", "[list]"});
}

std::string InfoPropertiesText(const CareerDescription& description) {
  const std::string year = IntToStr(description.year);
  std::string text = "Name        Tavrek (" + description.battle + " " + year + ")\r\n";
  text += "Description \\nTavrek: " + description.battle + ", " + year + ".\\n\\n" +
          description.squadron_name + ": " + description.aircraft_description;
  if (description.with_note) text += kCareerNote;
  return text;
}

std::string InfoMisText(const std::string& map_name) {
  return JoinLinesCrLf({"[MAIN]", "  MAP " + map_name + "/load.ini", "  TIME 12.0", "  CloudType 1",
                        "  CloudHeight 1500.0", "  army 1", "  playerNum 0"});
}

std::string CampaignIniFault(std::string_view text) {
  if (!HoldsOnlyText(text)) return "it holds no text";
  const std::vector<std::string> lines = SplitTextLines(text);
  size_t main_line = 0;
  if (!HasLine(lines, "[Main]", 0, &main_line)) return "its [Main] section is missing";
  if (!HasLine(lines, "[list]", main_line + 1, nullptr)) return "its [list] section is missing";
  return std::string();
}

std::string CareerConfFault(std::string_view text, bool coop_allowed) {
  if (!HoldsOnlyText(text)) return "it holds no text";
  const std::vector<std::string> lines = SplitTextLines(text);
  if (coop_allowed && HasLine(lines, "[$missions]", 0, nullptr) &&
      HasLine(lines, "[$locale]", 0, nullptr)) {
    return std::string();
  }
  if (lines.size() < 6) return "it holds " + IntToStr(lines.size()) + " of its six lines";
  if (!StartsWith(AsciiLowerCase(lines[2]), "dir=")) return "its third line names no \"dir=\"";
  return std::string();
}

std::string RenameWholeLines(std::string_view text, std::string_view from, std::string_view to,
                             int& changed) {
  changed = 0;
  std::string result;
  result.reserve(text.size());
  for (const LineSpan& span : LineSpans(text)) {
    const std::string_view content = text.substr(span.start, span.end - span.start);
    if (content == from) {
      result += to;
      ++changed;
    } else {
      result += content;
    }
    result += text.substr(span.end, span.next - span.end);
  }
  return result;
}

std::string ReplaceLine(std::string_view text, size_t index, std::string_view line) {
  const std::vector<LineSpan> spans = LineSpans(text);
  if (index >= spans.size()) return std::string(text);
  std::string result(text.substr(0, spans[index].start));
  result += line;
  result += text.substr(spans[index].end);
  return result;
}

PilotNameParts SplitPilotName(std::string_view name) {
  const size_t blank = name.find(' ');
  if (blank == std::string_view::npos) return {std::string(), Trim(name)};
  return {Trim(name.substr(0, blank)), Trim(name.substr(blank + 1))};
}
