#pragma once

// What the readers' fuzz targets share: a copy of the shipped sample (program data, the
// Okinawa45 campaign and the sample game folder) in a temporary program folder, made once per
// fuzzing process, and one main window per input set up the way start-up sets it for the
// sample. Each input is written over one file of the copy, a loader reads it, and the copy is
// put back as it was before the next input.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

class TMainForm;

class FuzzProgramFolder {
 public:
  FuzzProgramFolder();
  ~FuzzProgramFolder();
  FuzzProgramFolder(const FuzzProgramFolder&) = delete;
  FuzzProgramFolder& operator=(const FuzzProgramFolder&) = delete;

  // Ends in "/".
  const std::string& Path() const { return path_; }
  std::string CampaignFolder() const { return path_ + "campaign/Okinawa45/"; }
  std::string GameFolder() const { return path_ + "game/"; }
  std::string DataFolder() const { return path_ + "data/"; }

  // Writes `bytes` to the file at `relative` (below the program folder), gives a fresh main
  // window on the sample to `load`, and restores every file the run changed. The program's own
  // failures (ProgramError and its kinds) are how a loader refuses a bad file: they end the
  // run quietly. Any other exception escapes, and the fuzzer reports it.
  void Run(const std::string& relative, std::string_view bytes,
           const std::function<void(TMainForm&)>& load);

 private:
  struct Original {
    std::string bytes;
    std::filesystem::file_time_type written;
  };
  void RunLoad(const std::function<void(TMainForm&)>& load) const;
  void Snapshot();
  void Restore();

  std::string path_;
  std::map<std::string, Original> originals_;  // by full path
};

// The process's one copy of the sample, made on first use.
FuzzProgramFolder& SharedProgramFolder();

// The input as text.
inline std::string_view InputText(const std::uint8_t* data, std::size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// Targets that read one of several files of the same kind take the first byte of the input as
// the choice of file (modulo the count) and the rest as its bytes.
struct ChosenFile {
  std::string name;
  std::string_view bytes;
};
ChosenFile ChooseFile(std::string_view input, const std::string* names, std::size_t count);

// The load the program makes when a campaign is chosen: reference tables, the map, territory,
// stationary objects, columns, squadrons and their pilots.
void LoadWholeCampaign(TMainForm& form);
