#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"
#include "platform/shell.h"

// A shell that starts nothing: it records every request and answers `result`.
class RecordingShell : public Shell {
 public:
  struct Request {
    std::string verb;  // "open" or "explore"
    std::string file;
    std::string parameters;
    std::string folder;
    bool operator==(const Request&) const = default;
  };

  bool Open(const std::string& file, const std::string& parameters,
            const std::string& folder) override {
    requests.push_back({"open", file, parameters, folder});
    return result;
  }
  bool Explore(const std::string& folder) override {
    requests.push_back({"explore", folder, "", ""});
    return result;
  }

  std::vector<Request> requests;
  bool result = true;
};

// A registry holding the values a test puts in, by key and value name.
class FixedRegistry : public Registry {
 public:
  std::optional<std::string> ReadLocalMachineString(const std::string& key,
                                                    const std::string& value) const override {
    const auto found = values.find({key, value});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }

  std::map<std::pair<std::string, std::string>, std::string> values;
};
