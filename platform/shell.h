#pragma once

#include <string>

// Starting another program or showing a folder, as the desktop shell does ("open" and
// "explore"). Neither waits for what it started.
class Shell {
 public:
  virtual ~Shell() = default;
  // Starts the program or opens the document; false when nothing could be started.
  virtual bool Open(const std::string& file, const std::string& parameters,
                    const std::string& folder) = 0;
  virtual bool Explore(const std::string& folder) = 0;
};

// Starts programs with the operating system's process calls; a document, a web address or a
// folder goes to the desktop's opener (xdg-open) when there is one.
class PosixShell : public Shell {
 public:
  bool Open(const std::string& file, const std::string& parameters,
            const std::string& folder) override;
  bool Explore(const std::string& folder) override;
};
