#include "fuzz/fuzz_campaign.h"

#include <unistd.h>

#include <memory>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/messages.h"
#include "campaign_data/startup.h"
#include "mission_results/human_gunners.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/platform_services.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace {

// A clock that always tells the same moment, so that one input gives one run.
class StillClock : public Clock {
 public:
  LocalDateTime LocalNow() const override { return {2026, 12, 10, 20, 0, 0, 0}; }
  std::uint32_t UtcMillisecondsOfDay() const override { return 72000000; }
};

// A shell that starts nothing.
class InertShell : public Shell {
 public:
  bool Open(const std::string&, const std::string&, const std::string&) override { return false; }
  bool Explore(const std::string&) override { return false; }
};

void CopyInto(const fs::path& from, const fs::path& to) {
  fs::create_directories(to);
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::unique_ptr<PlatformServices> QuietPlatform() {
  auto platform = std::make_unique<PlatformServices>(
      std::make_unique<HeadlessDialogs>(), std::make_unique<StillClock>(),
      std::make_unique<InertShell>(), std::make_unique<NoRegistry>());
  platform->FixedRandomSeed = 1;
  return platform;
}

// The folders and options start-up settles for the sample before a campaign is loaded.
void PointAtSample(TMainForm& form, const FuzzProgramFolder& folder) {
  form.ProgramFolder = folder.Path();
  form.CampaignFolder = folder.CampaignFolder();
  form.GameFolder = folder.GameFolder();
  form.DataFilesFolder = form.ProgramFolder + "Data\\";
  form.GameID = "1946";
  form.GameIncludesAEP = "True";
  form.Tracking.Checked = true;
  form.ActionRadius.Text = "250 Kilometers";
  form.ActionRadiusKm = 250;
}

}  // namespace

FuzzProgramFolder::FuzzProgramFolder() {
  const fs::path base = fs::temp_directory_path() / ("tavrek_fuzz_" + std::to_string(::getpid()));
  fs::remove_all(base);
  const fs::path source = TAVREK_SOURCE_DIR;
  CopyInto(source / "data", base / "data");
  CopyInto(source / "sample" / "campaign", base / "campaign");
  CopyInto(source / "sample" / "game", base / "game");
  // An installed program folder holds the program: saving the settings then asks nothing.
  WriteTextFile((base / "tavrek").string(), "");
  path_ = base.string() + "/";
  // A first load writes what a chosen campaign gains on its first start (the pilot roster, the
  // crews, the territory); inputs are then read against a campaign that has them, as after the
  // first start, and do not pay for a new roster each time.
  RunLoad(LoadWholeCampaign);
  Snapshot();
}

void FuzzProgramFolder::RunLoad(const std::function<void(TMainForm&)>& load) const {
  const std::unique_ptr<PlatformServices> platform = QuietPlatform();
  TMainForm form(*platform, {"tavrek"});
  PointAtSample(form, *this);
  try {
    load(form);
  } catch (const ProgramError&) {
    // The loader refused the file with a text for the user: what it must do.
  }
}

FuzzProgramFolder::~FuzzProgramFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void FuzzProgramFolder::Snapshot() {
  originals_.clear();
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path_)) {
    if (!entry.is_regular_file()) continue;
    const std::string file = entry.path().string();
    originals_[file] = Original{ReadFileBytes(file), entry.last_write_time()};
  }
}

// Files the run made go; files it changed get their bytes back. A file counts as changed when
// its size or time of writing moved, so an input costs no full read of the copy.
void FuzzProgramFolder::Restore() {
  std::vector<fs::path> made;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path_)) {
    const std::string file = entry.path().string();
    const auto original = originals_.find(file);
    if (entry.is_directory()) continue;
    if (original == originals_.end()) {
      made.push_back(entry.path());
      continue;
    }
    if (entry.file_size() == original->second.bytes.size() &&
        entry.last_write_time() == original->second.written) {
      continue;
    }
    WriteTextFile(file, original->second.bytes);
    original->second.written = fs::last_write_time(file);
  }
  for (const fs::path& file : made) fs::remove(file);
}

void FuzzProgramFolder::Run(const std::string& relative, std::string_view bytes,
                            const std::function<void(TMainForm&)>& load) {
  // A file of the game's folders may sit in a folder the campaign does not have yet.
  fs::create_directories(fs::path(path_ + relative).parent_path());
  WriteTextFile(path_ + relative, bytes);
  RunLoad(load);
  Restore();
}

FuzzProgramFolder& SharedProgramFolder() {
  static FuzzProgramFolder folder;
  return folder;
}

ChosenFile ChooseFile(std::string_view input, const std::string* names, std::size_t count) {
  if (input.empty()) return {names[0], input};
  const auto choice = static_cast<unsigned char>(input[0]) % count;
  return {names[choice], input.substr(1)};
}

void LoadWholeCampaign(TMainForm& form) {
  GetMessages(form);
  InitializeCampaign(form);
  LoadGunner(form);
}
