#include "campaign_setup/game_editions.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/file_system.h"

namespace {

constexpr std::array<GameEdition, 7> kEditions{{
    {"IL-2 Sturmovik 1.02", "IL2", false},
    {"IL-2 Forgotten Battles 1.22", "IL2FB", false},
    {"IL-2 Forgotten Battles w/Aces Expansion Pack 2.04", "AEP", true},
    {"Pacific Fighters 4.04", "PF", true},
    {"IL-2 Forgotten Battles 4.04(m)", "PFm", true},
    {"IL-2 Forgotten Battles w/Pe-2 4.05(m)", "PE2", true},
    {"IL-2 Forgotten Battles 1946", "1946", true},
}};

constexpr std::array<std::string_view, 2> kServerExecutables{"il2server.exe", "il2server_new.exe"};
// Every executable but the first edition's own.
constexpr std::array<std::string_view, 6> kLaterExecutables{
    "il2fb.exe", "pf.exe", "il2_new.exe", "pf_new.exe", "il2server_new.exe", "il2server.exe"};

// An empty folder text would name the current folder; it stands for no game folder at all.
bool GameFileExists(const std::string& game_folder, std::string_view name) {
  return !game_folder.empty() && FileExists(game_folder + std::string(name));
}

bool GameFolderExists(const std::string& game_folder, std::string_view name) {
  return !game_folder.empty() && DirectoryExists(game_folder + std::string(name));
}

bool AnyExists(const std::string& game_folder, std::span<const std::string_view> names) {
  return std::any_of(names.begin(), names.end(),
                     [&](std::string_view name) { return GameFileExists(game_folder, name); });
}

}  // namespace

std::span<const GameEdition> GameEditions() {
  return kEditions;
}

int EditionIndex(std::string_view tag) {
  for (size_t i = 0; i < kEditions.size(); ++i) {
    if (kEditions[i].tag == tag) return static_cast<int>(i);
  }
  return -1;
}

bool IsEditionTag(std::string_view tag) {
  return EditionIndex(tag) >= 0;
}

bool EditionHasGenerators(std::string_view tag) {
  return IsEditionTag(tag) && tag != "IL2";
}

bool HoldsGameExecutable(const std::string& game_folder) {
  return GameFileExists(game_folder, "il2.exe") || AnyExists(game_folder, kLaterExecutables);
}

bool IsServerInstallation(const std::string& game_folder) {
  return AnyExists(game_folder, kServerExecutables);
}

std::string DetectEditionTag(const std::string& game_folder) {
  std::string tag;
  if (GameFolderExists(game_folder, "PaintSchemes\\Skins\\Bf-109Z")) tag = "AEP";
  if (GameFileExists(game_folder, "pf.exe") || GameFileExists(game_folder, "pf_new.exe")) {
    tag = "PF";
  }
  if (GameFolderExists(game_folder, "PaintSchemes\\Skins\\MosquitoFBMkVI")) tag = "PFm";
  if (GameFileExists(game_folder, "ReadmePe2.rtf")) tag = "PE2";
  if (GameFolderExists(game_folder, "PaintSchemes\\Skins\\Ar-234B-2")) tag = "1946";
  if (!AnyExists(game_folder, kLaterExecutables)) tag = "IL2";
  return tag;
}

std::string GameLaunchFile(const std::string& game_folder) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kLaunches{{
      {"pf.exe", "pf.exe"},
      {"il2fb.exe", "il2fb.exe"},
      {"il2.exe", "il2.exe"},
      {"il2server.exe", "GS_il2server.exe"},
      {"il2server_new.exe", "GS_il2server.exe"},
  }};
  for (const auto& [present, started] : kLaunches) {
    if (GameFileExists(game_folder, present)) return std::string(started);
  }
  return std::string();
}
