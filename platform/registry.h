#pragma once

#include <optional>
#include <string>

// Read-only look-up of the system registry, where the game's installer leaves its folder.
class Registry {
 public:
  virtual ~Registry() = default;
  // A text value under HKEY_LOCAL_MACHINE, or nothing.
  virtual std::optional<std::string> ReadLocalMachineString(const std::string& key,
                                                            const std::string& value) const = 0;
};

// This machine has no registry; nothing is ever found.
class NoRegistry : public Registry {
 public:
  std::optional<std::string> ReadLocalMachineString(const std::string&,
                                                    const std::string&) const override {
    return std::nullopt;
  }
};
