#include "tests/support/reference_fixture.h"

#include <filesystem>

#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace {

std::string FixtureFolder() {
  return FixturesFolder() + "tables3/data/";
}

}  // namespace

std::string ReferenceFixture(const std::string& name) {
  return ReadFileBytes(FixtureFolder() + name);
}

void InstallReferenceFixture(const TempFolder& program_folder) {
  const fs::path data = fs::path(program_folder.Path()) / "data";
  fs::create_directories(data);
  fs::copy(FixtureFolder(), data,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void InstallReferenceFixture(const TestWorld& world) {
  InstallReferenceFixture(world.program_folder);
}
