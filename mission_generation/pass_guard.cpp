#include "mission_generation/pass_guard.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/text_file.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kRecordTitle = "Tavrek pass snapshot";
constexpr const char* kRunLogName = "tavrekerror.txt";

std::string SnapshotFolder(const TMainForm& form) {
  return form.ProgramFolder + "pass_snapshot\\";
}

std::string RecordPath(const std::string& snapshot) {
  return snapshot + "marker.txt";
}

std::string CopyPath(const std::string& snapshot, int copy) {
  return snapshot + IntToStr(copy);
}

// The path as the host names it, so that two spellings of one file are one entry.
std::string HostPath(const std::string& path) {
  return ResolvePath(path).string();
}

bool IsSymlink(const std::string& path) {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(ResolvePath(path), ec));
}

// One line of the record: a kind, for kept files the copy's number, then the path.
struct RecordEntry {
  std::string kind;  // "Folder", "Saved", "Absent" or "Leave"
  int copy = -1;
  std::string path;
};

struct Record {
  int process = 0;
  std::string unit;
  std::vector<RecordEntry> entries;
};

std::optional<Record> ReadRecord(const std::string& snapshot) {
  const std::string path = RecordPath(snapshot);
  if (!FileExists(path)) return std::nullopt;
  Record record;
  for (const std::string& line : ReadTextLines(path)) {
    const size_t blank = line.find(' ');
    if (blank == std::string::npos) continue;
    const std::string kind = line.substr(0, blank);
    std::string rest = line.substr(blank + 1);
    if (kind == "Process") {
      record.process = StrToIntDef(rest, 0);
    } else if (kind == "Unit") {
      record.unit = rest;
    } else if (kind == "Saved") {
      const size_t second = rest.find(' ');
      if (second == std::string::npos) continue;
      record.entries.push_back(
          {kind, StrToIntDef(rest.substr(0, second), -1), rest.substr(second + 1)});
    } else if (kind == "Folder" || kind == "Absent" || kind == "Leave") {
      record.entries.push_back({kind, -1, std::move(rest)});
    }
  }
  return record;
}

// Puts one kept file back. A copy already gone was put back by an earlier, interrupted
// rollback.
void RestoreFile(const std::string& snapshot, const RecordEntry& entry) {
  if (entry.kind == "Absent") {
    DeleteFile(entry.path);
    return;
  }
  const std::string copy = CopyPath(snapshot, entry.copy);
  if (!FileExists(copy)) return;
  // The copy takes the file's place in one step and needs no room on the disk; a link keeps
  // its place and takes the bytes, as every write of this program does.
  if (!IsSymlink(entry.path) && MoveFileReplacing(copy, entry.path)) return;
  WriteTextFile(entry.path, ReadFileBytes(copy));
  DeleteFile(copy);
}

// Files that appeared in a covered folder during the pass; the run log stays.
void RemoveNewFiles(const std::string& folder, const std::set<std::string>& kept) {
  for (const std::string& name : ListDirectory(folder, "*", EntryKind::kFiles)) {
    if (EqualsIgnoreCase(name, kRunLogName)) continue;
    const std::string path = HostPath(folder + name);
    if (kept.count(path) == 0) DeleteFile(path);
  }
}

// Rolls back what the record lists; true when every file is back. The record stays until
// then, so that a later start tries again.
bool RollBackRecord(TMainForm& form, const std::string& snapshot, const Record& record) {
  bool complete = true;
  std::set<std::string> kept;
  std::set<std::string> left;
  for (const RecordEntry& entry : record.entries) {
    if (entry.kind == "Saved") kept.insert(entry.path);
    if (entry.kind == "Leave") left.insert(entry.path);
  }
  kept.insert(left.begin(), left.end());
  for (auto entry = record.entries.rbegin(); entry != record.entries.rend(); ++entry) {
    try {
      if (entry->kind == "Folder") {
        RemoveNewFiles(entry->path, kept);
      } else if (entry->kind == "Leave") {
        ErrorLog(form, "Left in place for the game: " + entry->path);
      } else if (left.count(entry->path) == 0) {
        RestoreFile(snapshot, *entry);
      }
    } catch (const ProgramError& error) {
      complete = false;
      ErrorLog(form, "Could not put back " + entry->path + ": " + error.what());
    }
  }
  if (complete) {
    DeleteFile(RecordPath(snapshot));
    DeleteFolder(snapshot);
  }
  return complete;
}

std::string FolderText(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder;
}

}  // namespace

PassGuard::PassGuard(TMainForm& form, std::string unit) : form_(form), unit_(std::move(unit)) {
  if (form_.OpenPassGuard != nullptr) {
    outer_ = form_.OpenPassGuard;
    CoverCampaignAndSettings();
    return;
  }
  const std::string snapshot = SnapshotFolder(form_);
  if (const std::optional<Record> left = ReadRecord(snapshot)) {
    if (left->process != CurrentProcessId() && ProcessRunning(left->process)) {
      throw ProgramError("Another run of Tavrek (process " + IntToStr(left->process) +
                         ") is generating a mission; try again when it has ended.");
    }
    ErrorLog(form_, "Rolling back the unfinished " + left->unit + " of an earlier run.");
    if (!RollBackRecord(form_, snapshot, *left)) {
      throw FileError("The files of the unfinished " + left->unit +
                      " could not all be put back; no mission is generated.");
    }
  }
  DeleteFolder(snapshot);
  if (!ForceDirectories(snapshot)) {
    throw FileError("The folder " + snapshot +
                    " for the copies of the campaign files cannot be made.");
  }
  log_file_date_ = form_.LogFileDate;
  error_warning_ = form_.ErrorWarning;
  dogfight_mission_name_ = form_.DogfightMissionName;
  new_campaign_flag_ = form_.NewCampaignFlag;
  day_step_ = form_.DayStep;
  player_name_ = form_.PlayerName;
  open_ = true;
  form_.OpenPassGuard = this;
  try {
    CoverCampaignAndSettings();
  } catch (...) {
    RollBack("its files could not be kept");
    throw;
  }
}

void PassGuard::CoverCampaignAndSettings() {
  if (!form_.CampaignFolder.empty()) {
    CoverFolder(form_.CampaignFolder);
    // Written when a flown mission is scored; named here as well, so that a debriefing of a
    // pass killed midway is always undone with it.
    CoverFile(form_.CampaignFolder + "debriefing.txt");
  }
  CoverFile(form_.ProgramFolder + "tavrek.ini");
  if (!form_.GameFolder.empty()) {
    CoverFile(form_.GameFolder + "tavrek.ini");
    // The debriefing the game's career screen shows, written when a flown mission is scored.
    CoverFile(form_.GameFolder + "DGEN\\debrifing.txt");
  }
}

PassGuard::~PassGuard() {
  if (!open_) return;
  try {
    RollBack("it did not complete");
  } catch (...) {
    // Nothing may leave a destructor; the record stays for the next start.
  }
}

void PassGuard::CoverFolder(const std::string& folder) {
  if (outer_ != nullptr) {
    outer_->CoverFolder(folder);
    return;
  }
  if (!open_ || !DirectoryExists(folder)) return;
  const std::string resolved = FolderText(HostPath(FolderText(folder)));
  for (const std::string& known : folders_) {
    if (known == resolved) return;
  }
  folders_.push_back(resolved);
  for (const std::string& name : ListDirectory(resolved, "*", EntryKind::kFiles)) {
    if (!EqualsIgnoreCase(name, kRunLogName)) Keep(HostPath(resolved + name));
  }
  WriteRecord();
}

void PassGuard::CoverFile(const std::string& path) {
  if (outer_ != nullptr) {
    outer_->CoverFile(path);
    return;
  }
  if (!open_ || path.empty()) return;
  const std::string resolved = HostPath(path);
  if (kept_paths_.count(resolved) != 0) return;
  Keep(resolved);
  WriteRecord();
}

void PassGuard::CoverFiles(const std::vector<std::string>& paths) {
  if (outer_ != nullptr) {
    outer_->CoverFiles(paths);
    return;
  }
  if (!open_) return;
  for (const std::string& path : paths) {
    if (!path.empty()) Keep(HostPath(path));
  }
  WriteRecord();
}

void PassGuard::LeaveOnRollBack(const std::vector<std::string>& paths) {
  if (outer_ != nullptr) {
    outer_->LeaveOnRollBack(paths);
    return;
  }
  if (!open_) return;
  for (const std::string& path : paths) {
    if (!path.empty()) left_paths_.push_back(HostPath(path));
  }
  // One write of the record: a rollback after it, here or at the next start, leaves them all.
  WriteRecord();
}

void PassGuard::Keep(const std::string& resolved) {
  if (kept_paths_.count(resolved) != 0 || DirectoryExists(resolved)) return;
  KeptFile kept{resolved, -1};
  if (FileExists(resolved)) {
    kept.copy = static_cast<int>(files_.size());
    const std::string copy = CopyPath(SnapshotFolder(form_), kept.copy);
    if (!CopyFile(resolved, copy, false)) {
      throw FileError("No copy of " + resolved + " could be kept in " + SnapshotFolder(form_) +
                      " before the pass; nothing was changed.");
    }
  }
  kept_paths_.insert(resolved);
  files_.push_back(std::move(kept));
}

void PassGuard::WriteRecord() const {
  std::vector<std::string> lines{kRecordTitle, "Process " + IntToStr(CurrentProcessId()),
                                 "Unit " + unit_};
  for (const std::string& folder : folders_) lines.push_back("Folder " + folder);
  for (const KeptFile& file : files_) {
    if (file.copy < 0) {
      lines.push_back("Absent " + file.path);
    } else {
      lines.push_back("Saved " + IntToStr(file.copy) + " " + file.path);
    }
  }
  for (const std::string& path : left_paths_) lines.push_back("Leave " + path);
  WriteTextFile(RecordPath(SnapshotFolder(form_)), JoinLinesCrLf(lines));
}

void PassGuard::Commit() {
  if (!open_) return;
  const std::string snapshot = SnapshotFolder(form_);
  if (!DeleteFile(RecordPath(snapshot)) && FileExists(RecordPath(snapshot))) {
    throw FileError("The record " + RecordPath(snapshot) + " of the finished " + unit_ +
                    " cannot be removed.");
  }
  DeleteFolder(snapshot);
  form_.OpenPassGuard = nullptr;
  open_ = false;
}

void PassGuard::RollBack(const std::string& reason) {
  if (!open_) return;
  open_ = false;
  form_.OpenPassGuard = nullptr;
  ErrorLog(form_, unit_ + " stopped: " + TrimRight(reason));
  const std::string snapshot = SnapshotFolder(form_);
  std::optional<Record> record = ReadRecord(snapshot);
  const bool complete = !record || RollBackRecord(form_, snapshot, *record);
  form_.LogFileDate = log_file_date_;
  form_.ErrorWarning = error_warning_;
  form_.DogfightMissionName = dogfight_mission_name_;
  form_.NewCampaignFlag = new_campaign_flag_;
  form_.DayStep = day_step_;
  form_.PlayerName = player_name_;
  // The pilots are read again from the roster file as it was; none of the pass's stays.
  form_.PilotRoster = PilotRosterType{};
  MarkTablesNotLoaded(form_);
  ErrorLog(form_, complete ? "The files written by " + unit_ + " are as they were before it."
                           : "Some files written by " + unit_ +
                                 " could not be put back; the next start tries again.");
}

bool RecoverInterruptedPass(TMainForm& form) {
  const std::string snapshot = SnapshotFolder(form);
  std::optional<Record> record;
  try {
    record = ReadRecord(snapshot);
  } catch (const ProgramError& error) {
    ErrorLog(form, std::string("The record of an unfinished pass cannot be read: ") + error.what());
    return false;
  }
  if (!record) return false;
  if (ProcessRunning(record->process) && record->process != CurrentProcessId()) return false;
  ErrorLog(form, "The " + record->unit + " of an earlier run did not finish; rolling it back.");
  if (RollBackRecord(form, snapshot, *record)) {
    ErrorLog(form, "The campaign and game files are as they were before that pass.");
  }
  return true;
}
