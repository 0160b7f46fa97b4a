#include "campaign_progression/campaign_data_folder.h"

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

std::string ProgramDataFolder(const TMainForm& form) {
  return form.ProgramFolder + "data\\";
}

void CopyInto(TMainForm& form, const std::string& from, const std::string& to) {
  if (!CopyFile(from, to, true)) {
    const std::string message = "Could not copy " + from + " to " + to + ".";
    ErrorLog(form, message);
    throw FileError(message);
  }
}

// A data folder of the campaign's own, holding what the shared one held.
void MoveToOwnDataFolder(TMainForm& form) {
  const std::string shared = form.CampaignDataFolder;
  const std::string own = form.CampaignFolder + "data\\";
  if (!DirectoryExists(own) && !CreateDir(own)) {
    const std::string message = "Could not create the campaign data folder " + own + ".";
    ErrorLog(form, message);
    throw FileError(message);
  }
  // The program's data folder stays the fallback of every look-up; a third-party folder
  // does not, so its files come along.
  if (!shared.empty() && !SameFolder(shared, ProgramDataFolder(form))) {
    for (const std::string& name : ListDirectory(shared, "*")) {
      if (!FileExists(own + name)) CopyInto(form, shared + name, own + name);
    }
  }
  form.CampaignDataFolder = own;
  UpDateCampaignInfo(form);
  ErrorLog(form, "The campaign keeps its own data files in " + own + ".");
}

}  // namespace

bool CampaignDataFolderShared(const TMainForm& form) {
  const std::string& folder = form.CampaignDataFolder;
  return folder.empty() || SameFolder(folder, ProgramDataFolder(form)) ||
         (!form.DataFilesFolder.empty() && SameFolder(folder, form.DataFilesFolder));
}

void UseOwnCampaignDataFolder(TMainForm& form, std::initializer_list<std::string> files) {
  if (CampaignDataFolderShared(form)) MoveToOwnDataFolder(form);
  for (const std::string& name : files) {
    const std::string own_copy = form.CampaignDataFolder + name;
    if (FileExists(own_copy)) continue;
    const std::string source = ExistingReferenceFile(form, name);
    if (!source.empty()) CopyInto(form, source, own_copy);
  }
}
