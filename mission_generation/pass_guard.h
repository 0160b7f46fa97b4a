#pragma once

#include <set>
#include <string>
#include <vector>

class TMainForm;

// A pass of the between-mission pipeline is all or nothing for the files it writes: when one
// of its steps raises, or the process dies in the middle of it, the campaign folder, the
// settings files and the game-side files it wrote are put back as they were before it.
//
// While a pass runs, the program folder holds "pass_snapshot\": copies of the files as they
// were and a record of them, "marker.txt". The record is written before the first file it
// covers changes and removed once the pass is done, so a record found at start-up means a pass
// died midway. A rollback moves each copy back in one step, which needs no room on a full disk
// when the copies lie on the files' own disk.
class PassGuard {
 public:
  // Opens the guard for the work named `unit` ("Pass 3"): first rolls back what a dead process
  // left unfinished, then keeps the files of the campaign folder and the settings files. A
  // guard opened while another is open (work nested in a pass) hands what it covers to that
  // one, which alone commits or rolls back.
  PassGuard(TMainForm& form, std::string unit);
  ~PassGuard();  // a guard still open rolls back
  PassGuard(const PassGuard&) = delete;
  PassGuard& operator=(const PassGuard&) = delete;

  // Keeps every file of the folder; a file that appears there later is removed on rollback.
  void CoverFolder(const std::string& folder);
  // Keeps the file, or that it did not exist, before the pass first writes it.
  void CoverFile(const std::string& path);
  void CoverFiles(const std::vector<std::string>& paths);
  // Files the work has written whole and that stay even when it rolls back: the mission that
  // ends a campaign, which the game must show although the campaign stays as it was. Covered
  // files until then, so a process killed before this leaves none of them behind.
  void LeaveOnRollBack(const std::vector<std::string>& paths);
  // The work is done: its files stay as they are now.
  void Commit();
  // Puts every covered file back, logs it with `reason` and marks the campaign tables for
  // reloading, so the next operation starts from the files as they were.
  void RollBack(const std::string& reason);

 private:
  struct KeptFile {
    std::string path;  // the file, as the host names it
    int copy = -1;     // its earlier bytes in the snapshot folder; -1: it did not exist
  };

  void Keep(const std::string& resolved);
  void WriteRecord() const;

  void CoverCampaignAndSettings();

  TMainForm& form_;
  std::string unit_;
  PassGuard* outer_ = nullptr;  // the guard this one is nested in
  bool open_ = false;
  std::vector<KeptFile> files_;
  std::set<std::string> kept_paths_;
  std::vector<std::string> folders_;
  std::vector<std::string> left_paths_;  // out of the rollback
  // Values of the run that the pass changes in memory, put back on rollback.
  std::string log_file_date_;
  std::string error_warning_;
  std::string dogfight_mission_name_;
  std::string new_campaign_flag_;
  int day_step_ = 0;
  std::string player_name_;  // the roster's human pilot, as the pass may have named him
};

// At start-up: a pass that a process which has ended left unfinished is rolled back. True when
// files were put back (the settings among them), false when there was nothing to do.
bool RecoverInterruptedPass(TMainForm& form);
