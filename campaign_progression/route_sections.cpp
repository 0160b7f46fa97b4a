#include "campaign_progression/route_sections.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr size_t kValueLimit = 99;
constexpr int kRailFileMissing = 3;
constexpr int kSeaFileMissing = 4;

bool IsHeader(std::string_view line) {
  return line.find('[') != std::string_view::npos;
}

bool ReadHeader(std::string_view line, RouteSection& section) {
  const std::string_view text = TrimView(line);
  const size_t open = text.find('[');
  const size_t to = text.find(" to ", open);
  if (open == std::string_view::npos || to == std::string_view::npos || !EndsWith(text, "]")) {
    return false;
  }
  section.from = Trim(text.substr(open + 1, to - open - 1));
  section.to = Trim(text.substr(to + 4, text.size() - to - 5));
  return !section.from.empty() && !section.to.empty();
}

// The first three blank-separated values of a trimmed line, each cut to kValueLimit
// characters; fewer when the line holds fewer.
int FirstValues(std::string_view line, std::string_view (&values)[3]) {
  int count = 0;
  size_t at = 0;
  while (count < 3 && (at = line.find_first_not_of(' ', at)) != std::string_view::npos) {
    const size_t end = std::min(line.find(' ', at), line.size());
    values[count++] = line.substr(at, std::min(end - at, kValueLimit));
    at = end;
  }
  return count;
}

// The point of a line, or the reason it is none.
bool ReadPoint(std::string_view line, RoutePoint& point, std::string& problem) {
  std::string_view values[3];
  if (FirstValues(line, values) < 3) {
    problem = "a point needs x, y and height";
    return false;
  }
  try {
    ReadWholeMetreNumber(values[0]);
    ReadWholeMetreNumber(values[1]);
  } catch (const ConversionError& error) {
    problem = error.what();
    return false;
  }
  point = {std::string(values[0]), std::string(values[1]), std::string(values[2])};
  return true;
}

const std::vector<int>& Lookup(const std::unordered_map<std::string, std::vector<int>>& index,
                               const std::string& place) {
  static const std::vector<int> kNone;
  const auto found = index.find(place);
  return found == index.end() ? kNone : found->second;
}

}  // namespace

RouteSections::RouteSections(TMainForm& form, const std::string& path) : RouteSections(path) {
  LogProblems(form);
}

RouteSections::RouteSections(const std::string& path) {
  const TextLines lines = ReadTextLineViews(path);
  ReserveFor(lines);
  // A section's points are gathered here and stored with one allocation when it ends.
  std::vector<RoutePoint> points;
  RouteSection* current = nullptr;
  const auto close_section = [&] {
    if (current != nullptr) {
      current->points.assign(std::make_move_iterator(points.begin()),
                             std::make_move_iterator(points.end()));
    }
    points.clear();
  };
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string_view line = lines[n];
    const auto where = [&] { return path + ", line " + IntToStr(n + 1); };
    if (IsHeader(line)) {
      close_section();
      RouteSection section;
      if (!ReadHeader(line, section)) {
        problems_.push_back(where() + ": \"" + std::string(line) +
                            "\" names no route; the section is skipped.");
        current = nullptr;
        continue;
      }
      const int index = static_cast<int>(sections_.size());
      from_[section.from].push_back(index);
      to_[section.to].push_back(index);
      sections_.push_back(std::move(section));
      current = &sections_.back();
      continue;
    }
    const std::string_view trimmed = TrimView(line);
    if (trimmed.empty() || current == nullptr) continue;
    RoutePoint point;
    std::string problem;
    if (ReadPoint(trimmed, point, problem)) {
      points.push_back(std::move(point));
    } else {
      problems_.push_back(where() + ": \"" + std::string(line) + "\" is no route point (" +
                          problem + "); it is left out.");
    }
  }
  close_section();
}

void RouteSections::LogProblems(TMainForm& form) const {
  for (const std::string& problem : problems_) ErrorLog(form, problem);
}

void RouteSections::ReserveFor(const TextLines& lines) {
  size_t headers = 0;
  for (const std::string_view line : lines) headers += IsHeader(line) ? 1 : 0;
  sections_.reserve(headers);
  from_.reserve(headers);
  to_.reserve(headers);
}

const std::vector<int>& RouteSections::From(const std::string& place) const {
  return Lookup(from_, place);
}

const std::vector<int>& RouteSections::To(const std::string& place) const {
  return Lookup(to_, place);
}

std::shared_ptr<const RouteSections> RouteFileCache::Sections(TMainForm& form,
                                                              const std::string& path) {
  if (open_scopes_ == 0) return std::make_shared<const RouteSections>(form, path);
  const std::filesystem::path resolved = ResolvePath(path);
  FileStamp before;
  const bool stamped = StampOfPath(resolved, before);
  if (stamped) {
    const auto found = entries_.find(path);
    if (found != entries_.end() && found->second.stamp == before) {
      found->second.sections->LogProblems(form);
      return found->second.sections;
    }
  }
  auto sections = std::make_shared<const RouteSections>(path);
  sections->LogProblems(form);
  // A file that changed while it was read is not kept: the next use must see it whole.
  FileStamp after;
  if (stamped && StampOfPath(resolved, after) && after == before) {
    entries_[path] = Entry{before, sections};
  } else {
    entries_.erase(path);
  }
  return sections;
}

RouteNetwork RouteFiles::NetworkOf(const std::string& column_type) {
  if (Contains(column_type, "Train")) return RouteNetwork::kRails;
  if (Contains(column_type, "Ship")) return RouteNetwork::kSeaRoutes;
  return RouteNetwork::kRoads;
}

const RouteSections* RouteFiles::For(RouteNetwork network) {
  const int key = static_cast<int>(network);
  if (missing_[key]) return nullptr;
  auto& file = files_[key];
  if (file) return file.get();
  const char* extension = network == RouteNetwork::kRoads   ? ".rds"
                          : network == RouteNetwork::kRails ? ".rls"
                                                            : ".srd";
  const std::string path = ExistingReferenceFile(form_, AsciiLowerCase(form_.MapName) + extension);
  if (path.empty()) {
    missing_[key] = true;
    std::string message;
    if (network == RouteNetwork::kRails) {
      message = form_.Messages.Text(MessageSection::kErrors, kRailFileMissing);
    } else if (network == RouteNetwork::kSeaRoutes) {
      message = form_.Messages.Text(MessageSection::kErrors, kSeaFileMissing);
    }
    if (message.empty()) {
      message = "No route file (" + std::string(extension) + ") was found for the map " +
                form_.MapName + ". Columns cannot move.";
    }
    ErrorTrap(form_, message);
    return nullptr;
  }
  file = form_.ParsedRouteFiles.Sections(form_, path);
  return file.get();
}
