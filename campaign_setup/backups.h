#pragma once

class TMainForm;

// Backups of the campaign files: the campaign backup (".bak" copies, made when a campaign is
// created and on demand) and the last-mission backup (".bkl" copies, made before each
// mission), both in the campaign's backup folder, and the two restores that copy them back.
// The set is the campaign's own files (squadrons, record, columns, static objects, pilots,
// paints, nose art, territory, locations, the four mission sections, events log) and the
// player's log book of the game-side career folder. A file absent when the backup is made
// leaves no older copy behind.

// Copies the campaign files to the last-mission backup before each mission.
void LastBackup(TMainForm& form);
// Copies the campaign files to the campaign backup and saves the campaign record.
void BackupCampaign(TMainForm& form);
// Files menu: Backup Campaign.
void BackupCampaignOptionClick(TMainForm& form);
// Files menu: Restore From Backup / Restore From Last Mission. Refused without a backup folder.
void RestoreCampaignClick(TMainForm& form);
void RestoreFromLastMissionClick(TMainForm& form);
