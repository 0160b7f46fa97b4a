#include "campaign_progression/transfer_records.h"

#include "campaign_data/text.h"

namespace {

constexpr size_t kLinesAfterPlaces = 199;
constexpr int kDefaultBugOutRadius = 10;

std::string Value(const std::string& line) {
  const size_t at = line.find('=');
  return at == std::string::npos ? std::string() : Trim(line.substr(at + 1, 99));
}

class RecordLines {
 public:
  RecordLines(const std::vector<std::string>& lines, size_t at) : lines_(lines), at_(at) {}
  bool AtEnd() const { return at_ >= lines_.size(); }
  const std::string& Current() const {
    static const std::string kNone;
    return AtEnd() ? kNone : lines_[at_];
  }
  std::string Take() {
    std::string line = Current();
    ++at_;
    return line;
  }

 private:
  const std::vector<std::string>& lines_;
  size_t at_;
};

TransferRecord ReadRecord(RecordLines& lines, const std::string& next_battle) {
  TransferRecord record;
  record.next_battle = next_battle;
  record.map = Value(lines.Take());
  if (Contains(lines.Current(), "Date=")) record.date = Value(lines.Take());
  if (Contains(lines.Current(), "TimeofDay")) {
    record.time_of_day = Value(lines.Take()) == "Night" ? "Night" : "Day";
  }
  if (Contains(lines.Current(), "BugOutRadius")) {
    record.bug_out_radius = StrToIntDef(Value(lines.Take()), kDefaultBugOutRadius);
  }
  record.front = Value(lines.Take());
  record.axis_zone = Value(lines.Take());
  record.allied_zone = Value(lines.Take());
  record.axis_place = Value(lines.Take());
  record.allied_place = Value(lines.Take());
  for (size_t n = 0; n < kLinesAfterPlaces && !lines.AtEnd(); ++n) {
    if (!Contains(lines.Current(), "Locale")) break;
    record.victor_places.push_back(Value(lines.Take()));
  }
  return record;
}

}  // namespace

bool HeaderFor(const std::string& line, const std::string& battle, const std::string& victor) {
  return Contains(line, "[" + battle) && Contains(line, victor);
}

std::string NextBattleOf(const std::string& header) {
  const size_t to = header.find(" to ");
  if (to == std::string::npos) return std::string();
  const size_t start = to + 4;
  const size_t close = header.find(']', start);
  return Trim(header.substr(start, close == std::string::npos ? std::string::npos : close - start));
}

bool CampaignTypeMatches(const std::string& line, const std::string& campaign_type) {
  if (!Contains(line, "Campaign=")) return line == campaign_type;
  return line.substr(line.find('=') + 1, 99) == campaign_type;
}

std::optional<TransferRecord> FindTransferRecord(const std::vector<std::string>& lines,
                                                 const std::string& battle,
                                                 const std::string& next_battle,
                                                 const std::string& victor,
                                                 const std::string& campaign_type) {
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    const std::string& header = lines[i];
    if (!HeaderFor(header, battle, victor) || !Contains(header, " to " + next_battle)) continue;
    if (!CampaignTypeMatches(lines[i + 1], campaign_type)) continue;
    RecordLines record_lines(lines, i + 2);
    return ReadRecord(record_lines, next_battle);
  }
  return std::nullopt;
}
