#include "campaign_progression/route_sections.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_read_cache.h"
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
  section.from = TrimView(text.substr(open + 1, to - open - 1));
  section.to = TrimView(text.substr(to + 4, text.size() - to - 5));
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
  point = {values[0], values[1], values[2]};
  return true;
}

}  // namespace

RouteSections::RouteSections(TMainForm& form, const std::string& path)
    : RouteSections(form.FileReads.Lines(path)) {
  LogProblems(form, path);
}

RouteSections::RouteSections(std::shared_ptr<const TextLines> lines) : lines_(std::move(lines)) {
  Read();
  from_.Build(sections_, &RouteSection::from);
  to_.Build(sections_, &RouteSection::to);
}

void RouteSections::Read() {
  Reserve();
  const TextLines& lines = *lines_;
  RouteSection* current = nullptr;
  size_t first_point = 0;
  // The room reserved keeps every point where it is put, so a section can point at its own.
  const auto close_section = [&] {
    if (current != nullptr) {
      current->points =
          std::span<const RoutePoint>(points_.data() + first_point, points_.size() - first_point);
    }
    first_point = points_.size();
  };
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string_view line = lines[n];
    const auto where = [n] { return "line " + IntToStr(n + 1); };
    if (IsHeader(line)) {
      close_section();
      RouteSection section;
      if (!ReadHeader(line, section)) {
        problems_.push_back(where() + ": \"" + std::string(line) +
                            "\" names no route; the section is skipped.");
        current = nullptr;
        continue;
      }
      sections_.push_back(section);
      current = &sections_.back();
      continue;
    }
    const std::string_view trimmed = TrimView(line);
    if (trimmed.empty() || current == nullptr) continue;
    RoutePoint point;
    std::string problem;
    if (ReadPoint(trimmed, point, problem)) {
      points_.push_back(point);
    } else {
      problems_.push_back(where() + ": \"" + std::string(line) + "\" is no route point (" +
                          problem + "); it is left out.");
    }
  }
  close_section();
}

void RouteSections::Reserve() {
  size_t headers = 0;
  for (const std::string_view line : *lines_) headers += IsHeader(line) ? 1 : 0;
  sections_.reserve(headers);
  points_.reserve(lines_->size() - headers);
}

void RouteSections::LogProblems(TMainForm& form, std::string_view path) const {
  for (const std::string& problem : problems_) {
    ErrorLog(form, std::string(path) + ", " + problem);
  }
}

void RouteSections::EndIndex::Build(const std::vector<RouteSection>& sections,
                                    std::string_view RouteSection::*end) {
  // Numbers places in the order they first appear, counts their sections, then lays the
  // sections of each place out together behind one another.
  place_numbers_.reserve(sections.size());
  std::vector<int> number_of(sections.size());
  std::vector<int> counts;
  for (size_t s = 0; s < sections.size(); ++s) {
    const auto [at, added] =
        place_numbers_.try_emplace(sections[s].*end, static_cast<int>(counts.size()));
    if (added) counts.push_back(0);
    ++counts[static_cast<size_t>(at->second)];
    number_of[s] = at->second;
  }
  starts_.assign(counts.size() + 1, 0);
  for (size_t p = 0; p < counts.size(); ++p) starts_[p + 1] = starts_[p] + counts[p];
  std::vector<int> next(starts_.begin(), starts_.end() - 1);
  sections_.resize(sections.size());
  for (size_t s = 0; s < sections.size(); ++s) {
    sections_[static_cast<size_t>(next[static_cast<size_t>(number_of[s])]++)] = static_cast<int>(s);
  }
}

std::span<const int> RouteSections::EndIndex::Of(std::string_view place) const {
  const auto found = place_numbers_.find(place);
  if (found == place_numbers_.end()) return {};
  const size_t p = static_cast<size_t>(found->second);
  return std::span<const int>(sections_).subspan(static_cast<size_t>(starts_[p]),
                                                 static_cast<size_t>(starts_[p + 1] - starts_[p]));
}

std::shared_ptr<const RouteSections> RouteFileCache::Sections(TMainForm& form,
                                                              const std::string& path) {
  const std::shared_ptr<const RouteSections> sections =
      Get(path, [&form, &path](std::string_view) {
        StampedRead<TextLines> lines = form.FileReads.StampedLines(path);
        return StampedRead<RouteSections>{
            std::make_shared<const RouteSections>(std::move(lines.value)), lines.stamp,
            lines.unchanged};
      }).value;
  sections->LogProblems(form, path);
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
