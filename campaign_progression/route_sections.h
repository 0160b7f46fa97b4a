#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/cache_scope.h"
#include "platform/text_file.h"

class TMainForm;
class TextLines;

// A map route file (".rds" roads, ".rls" railways, ".srd" sea routes) read once for an
// operation: sections "[A to B]" in file order, each with its points "x y z ...". Side "2"
// travels a section from A to B, side "1" from B to A.

struct RoutePoint {
  std::string x;  // decimal texts as the file gives them, each at most 99 characters
  std::string y;
  std::string z;
};

struct RouteSection {
  std::string from;  // A
  std::string to;    // B
  std::vector<RoutePoint> points;
};

class RouteSections {
 public:
  // Reads the file; a header naming no route and a point without three values or without a
  // readable x and y are logged with the file and line and left out.
  RouteSections(TMainForm& form, const std::string& path);
  // Reads the file and keeps its bad lines' messages for LogProblems.
  explicit RouteSections(const std::string& path);

  // Logs what the read left out, as the read logs it.
  void LogProblems(TMainForm& form) const;

  const std::vector<RouteSection>& Sections() const { return sections_; }
  // Sections starting or ending at a place, in file order.
  const std::vector<int>& From(const std::string& place) const;
  const std::vector<int>& To(const std::string& place) const;

 private:
  // Room for every section the file's header lines announce, so that no section is moved.
  void ReserveFor(const TextLines& lines);

  std::vector<RouteSection> sections_;
  std::unordered_map<std::string, std::vector<int>> from_;
  std::unordered_map<std::string, std::vector<int>> to_;
  std::vector<std::string> problems_;
};

// Route files read once per operation. While a RouteFileScope is open, a file used again gives
// the sections read the first time, as long as the file on disk is still the one read (same
// file, size and modification and change times); a file written or replaced since is read anew.
// Outside a scope every use reads the file, and closing the last scope forgets every file. A
// file used again logs its bad lines again, as a new read would.
class RouteFileCache {
 public:
  // The sections of the file at `path`; throws FileError when it cannot be read.
  std::shared_ptr<const RouteSections> Sections(TMainForm& form, const std::string& path);

 private:
  friend class CacheScope<RouteFileCache>;
  struct Entry {
    FileStamp stamp;
    std::shared_ptr<const RouteSections> sections;
  };

  int open_scopes_ = 0;
  std::unordered_map<std::string, Entry> entries_;
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
