#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/hot_keys.h"
#include "platform/registry.h"
#include "platform/shell.h"

// Everything the program asks of the machine it runs on, in one place: the real services for
// the program, test doubles for the tests.
class PlatformServices {
 public:
  PlatformServices(std::unique_ptr<Dialogs> dialogs, std::unique_ptr<Clock> clock,
                   std::unique_ptr<Shell> shell, std::unique_ptr<Registry> registry);
  // The services of a run on this machine; dialogs as given (terminal or headless).
  static std::unique_ptr<PlatformServices> ForThisMachine(std::unique_ptr<Dialogs> dialogs);

  EventLoop& Loop() { return loop_; }
  Dialogs& DialogService() { return *dialogs_; }
  const Clock& ClockService() const { return *clock_; }
  Shell& ShellService() { return *shell_; }
  const Registry& RegistryService() const { return *registry_; }
  HotKeys& HotKeyService() { return hot_keys_; }
  TApplication& Application() { return application_; }

  // A fixed seed for the random generator in place of the time of day, so that one seed
  // gives one campaign history.
  std::optional<std::uint32_t> FixedRandomSeed;

 private:
  EventLoop loop_;
  std::unique_ptr<Dialogs> dialogs_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<Shell> shell_;
  std::unique_ptr<Registry> registry_;
  HotKeys hot_keys_{loop_};
  TApplication application_{loop_, *dialogs_};
};
