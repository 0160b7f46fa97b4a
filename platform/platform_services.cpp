#include "platform/platform_services.h"

PlatformServices::PlatformServices(std::unique_ptr<Dialogs> dialogs, std::unique_ptr<Clock> clock,
                                   std::unique_ptr<Shell> shell,
                                   std::unique_ptr<Registry> registry)
    : dialogs_(std::move(dialogs)),
      clock_(std::move(clock)),
      shell_(std::move(shell)),
      registry_(std::move(registry)) {}

std::unique_ptr<PlatformServices> PlatformServices::ForThisMachine(
    std::unique_ptr<Dialogs> dialogs) {
  return std::make_unique<PlatformServices>(std::move(dialogs), std::make_unique<SystemClock>(),
                                            std::make_unique<PosixShell>(),
                                            std::make_unique<NoRegistry>());
}
