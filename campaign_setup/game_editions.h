#pragma once

#include <span>
#include <string>
#include <string_view>

// The editions of the game and what marks them in a game folder. These look at the folder
// only; the window's state is left to the operations of game_edition.h.

// One edition: its entry in the version chooser (whose item index is its position in
// GameEditions()), its tag, and whether it is the Aces Expansion Pack or later.
struct GameEdition {
  std::string_view version_item;
  std::string_view tag;
  bool includes_aep;
};

std::span<const GameEdition> GameEditions();
// The position of the edition of that tag in GameEditions(); -1 for no edition.
int EditionIndex(std::string_view tag);
bool IsEditionTag(std::string_view tag);
// The editions whose career and co-op generators the program can replace.
bool EditionHasGenerators(std::string_view tag);

// Any of the game's executables, the server's included, lies in the folder.
bool HoldsGameExecutable(const std::string& game_folder);
// The folder holds a dogfight server.
bool IsServerInstallation(const std::string& game_folder);

// The edition the folder's marker files tell, the last marker found winning; "IL2" for a
// folder of the first edition (no executable but "il2.exe"), empty when no marker is found.
std::string DetectEditionTag(const std::string& game_folder);

// The file the shell starts for Run Game, named relative to the game folder; empty when the
// folder holds none of the game's starting programs.
std::string GameLaunchFile(const std::string& game_folder);
