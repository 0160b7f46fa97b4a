#include "campaign_setup/campaign_list.h"

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "platform/ascii.h"
#include "platform/file_system.h"

namespace {

constexpr std::string_view kFileName = "allcampaigns.tavrek";

std::string LineAt(const std::vector<std::string>& lines, size_t index) {
  return index < lines.size() ? lines[index] : std::string();
}

bool IsHeaderOf(const std::string& line, std::string_view battle, BattleHeaderMatch match) {
  const std::string wanted = "[" + std::string(battle) + "]";
  const std::string trimmed = Trim(line);
  if (match == BattleHeaderMatch::kCaseSensitive) return Contains(trimmed, wanted);
  return Contains(AsciiLowerCase(trimmed), AsciiLowerCase(wanted));
}

// The header's name: the line without its first "[" and first "]", trimmed.
std::string HeaderName(std::string line) {
  if (const size_t open = line.find('['); open != std::string::npos) line.erase(open, 1);
  if (const size_t close = line.find(']'); close != std::string::npos) line.erase(close, 1);
  return Trim(line);
}

CampaignListEntry ReadSection(const std::vector<std::string>& lines, size_t header) {
  CampaignListEntry entry;
  size_t at = header;
  auto next = [&lines, &at] { return LineAt(lines, ++at); };
  entry.battle = HeaderName(lines[header]);
  entry.campaign_type = ValueAfterEquals(next());
  entry.map_name = ValueAfterEquals(next());
  entry.date = ValueAfterEquals(next());
  std::string line = next();
  if (Contains(line, "TimeofDay")) {
    entry.time_of_day = ValueAfterEquals(line);
    line = next();
  }
  if (Contains(line, "BugOutRadius")) {
    entry.bug_out_radius = StrToIntDef(ValueAfterEquals(line), 10);
    line = next();
  }
  entry.side = ValueAfterEquals(line);
  entry.front_center = ValueAfterEquals(next());
  entry.axis_zone = ValueAfterEquals(next());
  entry.allied_zone = ValueAfterEquals(next());
  entry.further_axis = ValueAfterEquals(next());
  entry.further_allied = ValueAfterEquals(next());
  while (static_cast<int>(entry.locales.size()) < kMaxLocales && at + 1 < lines.size()) {
    line = next();
    if (!Contains(line, "Locale")) break;
    entry.locales.push_back(ValueAfterEquals(line));
  }
  return entry;
}

bool IsDate(const std::string& date) {
  const int day = StrToIntDef(Copy(date, 1, 2), 0);
  const int month = StrToIntDef(Copy(date, 4, 2), 0);
  const int year = StrToIntDef(Copy(date, 7, 4), 0);
  return date.size() == 10 && day >= 1 && day <= 31 && month >= 1 && month <= 12 && year > 0;
}

}  // namespace

std::vector<std::string> OfferedBattles(const std::vector<std::string>& lines) {
  std::vector<std::string> battles;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!Contains(lines[i], "[")) continue;
    const std::string type_line = LineAt(lines, i + 1);
    if (!Contains(type_line, "Battle_over_Europe")) battles.push_back(HeaderName(lines[i]));
    ++i;
  }
  return battles;
}

std::optional<CampaignListEntry> FindBattleSection(const std::vector<std::string>& lines,
                                                   std::string_view battle,
                                                   BattleHeaderMatch match) {
  if (Trim(battle).empty()) return std::nullopt;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsHeaderOf(lines[i], battle, match)) return ReadSection(lines, i);
  }
  return std::nullopt;
}

std::string SectionProblem(const CampaignListEntry& entry) {
  const std::string where = "The section [" + entry.battle + "] of " + std::string(kFileName);
  if (entry.map_name.empty()) return where + " names no map.";
  if (!IsDate(entry.date)) {
    return where + " gives no start date dd/mm/yyyy (\"" + entry.date + "\").";
  }
  if (entry.front_center.empty()) return where + " names no front centre.";
  return std::string();
}

std::string CampaignListPath(const TMainForm& form, std::string* data_folder) {
  std::string path;
  std::string folder;
  if (FileExists(form.ProgramFolder + "data\\" + std::string(kFileName))) {
    folder = form.ProgramFolder + "data\\";
    path = folder + std::string(kFileName);
  }
  if (!form.DataFilesFolder.empty() && FileExists(form.DataFilesFolder + std::string(kFileName))) {
    folder = form.DataFilesFolder;
    path = folder + std::string(kFileName);
  }
  if (data_folder != nullptr) *data_folder = folder;
  return path;
}
