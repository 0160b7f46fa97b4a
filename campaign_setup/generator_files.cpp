#include "campaign_setup/generator_files.h"

#include <fstream>

#include "app/main_form.h"
#include "campaign_data/program_folder.h"
#include "platform/file_system.h"

std::string ProgramExecutable(const TMainForm& form) {
  if (form.ProgramFolder.empty()) return {};
  for (const std::string& name : {ExtractFileName(RunningProgramPath(form)),
                                  std::string("tavrek.exe"), std::string("tavrek")}) {
    if (!name.empty() && FileExists(form.ProgramFolder + name)) return form.ProgramFolder + name;
  }
  return {};
}

bool SameFileContents(const std::string& a, const std::string& b) {
  if (!FileExists(a) || !FileExists(b)) return false;
  std::error_code error;
  const auto size_a = std::filesystem::file_size(ResolvePath(a), error);
  if (error) return false;
  const auto size_b = std::filesystem::file_size(ResolvePath(b), error);
  if (error || size_a != size_b) return false;
  std::ifstream in_a(ResolvePath(a), std::ios::binary);
  std::ifstream in_b(ResolvePath(b), std::ios::binary);
  constexpr std::size_t kChunk = 1 << 16;
  std::string chunk_a(kChunk, '\0');
  std::string chunk_b(kChunk, '\0');
  while (in_a && in_b) {
    in_a.read(chunk_a.data(), kChunk);
    in_b.read(chunk_b.data(), kChunk);
    if (in_a.gcount() != in_b.gcount()) return false;
    if (chunk_a.compare(0, in_a.gcount(), chunk_b, 0, in_b.gcount()) != 0) return false;
  }
  return !in_a.bad() && !in_b.bad();
}

std::string CopyPlainFiles(const std::string& from, const std::string& to) {
  if (!DirectoryExists(to)) CreateDir(to);
  std::string failed;
  for (const std::string& name : ListDirectory(from, "*")) {
    if (CopyFile(from + name, to + name, false)) continue;
    if (!failed.empty()) failed += ", ";
    failed += name;
  }
  return failed;
}
