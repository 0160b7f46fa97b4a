#include "campaign_setup/backups.h"

#include <array>
#include <string>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/run_log.h"
#include "campaign_setup/setup_errors.h"
#include "platform/file_system.h"

namespace {

// The campaign folder's files of the backup, in the order every operation takes them.
constexpr std::array<std::string_view, 14> kCampaignFiles{
    "squadrons.tavrek", "campaign.tavrek",  "columns.tavrek", "stationary.tavrek",
    "pilot.tavrek",     "paints.tavrek",    "noseart.tavrek", "territory.tavrek",
    "locations.tavrek", "buildings.tavrek", "cameras.tavrek", "houses.tavrek",
    "rockets.tavrek",   "events.dat"};
constexpr std::string_view kLogBook = "logbook.dat";

// "squadrons.tavrek" kept as "squadrons.bak".
std::string BackupName(std::string_view file, std::string_view extension) {
  return std::string(file.substr(0, file.rfind('.'))) + std::string(extension);
}

void MakeBackupFolder(TMainForm& form) {
  if (DirectoryExists(form.BackupFolder) || ForceDirectories(form.BackupFolder)) return;
  LogAndStop(form, "Backup folder " + form.BackupFolder + " cannot be created.",
             "The backup folder " + form.BackupFolder +
                 " cannot be created; the campaign was not backed up.");
}

// Copies the file to the backup folder, or removes an older copy when the file is missing.
void BackUpFile(TMainForm& form, const std::string& folder, std::string_view file,
                std::string_view extension) {
  const std::string source = folder + std::string(file);
  const std::string target = form.BackupFolder + BackupName(file, extension);
  if (!FileExists(source)) {
    DeleteFile(target);
    return;
  }
  if (!CopyFile(source, target, false)) {
    LogAndStop(form, "Backup of " + source + " failed.",
               "The campaign file " + std::string(file) +
                   " could not be copied to the backup folder " + form.BackupFolder +
                   " (is the disk full or read-only?).");
  }
}

void BackUpCampaignFiles(TMainForm& form, std::string_view extension) {
  for (std::string_view file : kCampaignFiles) {
    BackUpFile(form, form.CampaignFolder, file, extension);
  }
}

void BackUpLogBook(TMainForm& form, std::string_view extension) {
  if (form.GameCampaignFolder.empty()) return;
  BackUpFile(form, form.GameCampaignFolder, kLogBook, extension);
}

// Without a backup folder nothing is backed up: the copies would have no home of their own.
bool HasBackupFolder(TMainForm& form) {
  if (!form.BackupFolder.empty()) return true;
  ErrorLog(form, "No backup folder is set; the campaign is not backed up.");
  return false;
}

void Restore(TMainForm& form, std::string_view extension, const std::string& description) {
  if (form.BackupFolder.empty() || !DirectoryExists(form.BackupFolder)) {
    const std::string folder = form.BackupFolder.empty() ? "none is set" : form.BackupFolder;
    LogAndStop(form, "Restore refused: no backup folder (" + folder + ").",
               "The campaign has no backup folder (" + folder + "); nothing was restored.");
  }
  for (std::string_view file : kCampaignFiles) {
    const std::string backup = form.BackupFolder + BackupName(file, extension);
    if (!FileExists(backup)) continue;
    if (!CopyFile(backup, form.CampaignFolder + std::string(file), false)) {
      LogAndStop(form, "Restore of " + backup + " failed.",
                 "The backup " + backup + " could not be copied back to the campaign folder.");
    }
  }
  const std::string log_book_backup = form.BackupFolder + BackupName(kLogBook, extension);
  if (FileExists(log_book_backup) && !form.GameCampaignFolder.empty()) {
    CopyFile(log_book_backup, form.GameCampaignFolder + std::string(kLogBook), false);
  }
  form.InfoLabel.Caption = "Campaign Restored";
  form.DescLabel.Caption = description;
  form.GMMenu.Enabled = true;
  form.LastSquadron = -1;
  form.LastLocation = -1;
  form.LastColumn = -1;
}

}  // namespace

void LastBackup(TMainForm& form) {
  if (form.CampaignFolder.empty() || !HasBackupFolder(form)) return;
  MakeBackupFolder(form);
  BackUpCampaignFiles(form, ".bkl");
  BackUpLogBook(form, ".bkl");
}

void BackupCampaign(TMainForm& form) {
  if (HasBackupFolder(form)) {
    if (!form.CampaignFolder.empty() || !form.GameCampaignFolder.empty()) MakeBackupFolder(form);
    if (!form.CampaignFolder.empty()) BackUpCampaignFiles(form, ".bak");
    if (!form.GameCampaignFolder.empty()) BackUpLogBook(form, ".bak");
  }
  UpDateCampaignInfo(form);
}

void BackupCampaignOptionClick(TMainForm& form) {
  BackupCampaign(form);
}

void RestoreCampaignClick(TMainForm& form) {
  Restore(form, ".bak",
          "All settings have been restored as per the campaign backup files\r\n"
          "(or start of campaign if no backups made).");
}

void RestoreFromLastMissionClick(TMainForm& form) {
  Restore(form, ".bkl",
          "All settings have been restored as per the previous mission's backup files.");
}
