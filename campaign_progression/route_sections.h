#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/cache_scope.h"
#include "platform/stamped_cache.h"
#include "platform/text_file.h"

class TMainForm;

// A map route file (".rds" roads, ".rls" railways, ".srd" sea routes) read once for an
// operation: sections "[A to B]" in file order, each with its points "x y z ...". Side "2"
// travels a section from A to B, side "1" from B to A.

// Texts are views into the file's lines, which the RouteSections keeps.
struct RoutePoint {
  std::string_view x;  // decimal texts as the file gives them, each at most 99 characters
  std::string_view y;
  std::string_view z;
};

struct RouteSection {
  std::string_view from;  // A
  std::string_view to;    // B
  std::span<const RoutePoint> points;
};

class RouteSections {
 public:
  // Reads the file through the form's FileReads; a header naming no route and a point without
  // three values or without a readable x and y are logged with the file and line and left out.
  RouteSections(TMainForm& form, const std::string& path);
  // The sections of a file's lines, which it keeps; the bad lines are kept for LogProblems.
  explicit RouteSections(std::shared_ptr<const TextLines> lines);
  // Sections and views point into this object.
  RouteSections(const RouteSections&) = delete;
  RouteSections& operator=(const RouteSections&) = delete;

  // Logs what the read of the file at `path` left out, as the read logs it.
  void LogProblems(TMainForm& form, std::string_view path) const;

  const std::vector<RouteSection>& Sections() const { return sections_; }
  // Sections starting or ending at a place, in file order.
  std::span<const int> From(std::string_view place) const { return from_.Of(place); }
  std::span<const int> To(std::string_view place) const { return to_.Of(place); }

 private:
  // The sections by one of their ends: those of one place lie together, in file order.
  class EndIndex {
   public:
    void Build(const std::vector<RouteSection>& sections, std::string_view RouteSection::*end);
    std::span<const int> Of(std::string_view place) const;

   private:
    std::unordered_map<std::string_view, int> place_numbers_;
    std::vector<int> starts_;  // where each place's sections begin, and one past the last
    std::vector<int> sections_;
  };

  void Read();
  // Room for every section and point the lines can hold, so that none is moved.
  void Reserve();

  std::shared_ptr<const TextLines> lines_;
  std::vector<RoutePoint> points_;
  std::vector<RouteSection> sections_;
  EndIndex from_;
  EndIndex to_;
  // "line N: ..." for each bad line; the path goes in front when logged.
  std::vector<std::string> problems_;
};

// Route files read once per operation. While a RouteFileScope is open, a file used again gives
// the sections read the first time, as long as the file on disk is still the one read (same
// file, size and modification and change times); a file written or replaced since is read anew.
// Outside a scope every use reads the file, and closing the last scope forgets every file. A
// file used again logs its bad lines again, as a new read would. Files are read through the
// form's FileReads, so a file the operation has read already is not read again.
class RouteFileCache : public StampedCache<RouteSections> {
 public:
  // The sections of the file at `path`; throws FileError when it cannot be read.
  std::shared_ptr<const RouteSections> Sections(TMainForm& form, const std::string& path);
};

using RouteFileScope = CacheScope<RouteFileCache>;

enum class RouteNetwork { kRoads, kRails, kSeaRoutes };

// The route files of the current map, each taken from the form's RouteFileCache on first use and
// kept for the operation. A missing file goes the fatal-error way (a command-line run goes on
// without its routes).
class RouteFiles {
 public:
  explicit RouteFiles(TMainForm& form) : form_(form) {}
  // Nothing when the file is missing.
  const RouteSections* For(RouteNetwork network);
  // The network a column of this type travels on.
  static RouteNetwork NetworkOf(const std::string& column_type);

 private:
  TMainForm& form_;
  std::unordered_map<int, std::shared_ptr<const RouteSections>> files_;
  std::unordered_map<int, bool> missing_;
};
