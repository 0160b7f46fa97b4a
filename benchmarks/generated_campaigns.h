#pragma once

#include <map>
#include <memory>

#include "platform/dialogs.h"
#include "platform/platform_services.h"

// Campaigns generated once per size into temporary folders and kept for every run of a
// benchmark, with the platform services their windows use. `Campaign` is built from a size.
template <typename Campaign>
class GeneratedCampaigns {
 public:
  const Campaign& OfSize(int size) {
    auto& campaign = campaigns_[size];
    if (!campaign) campaign = std::make_unique<Campaign>(size);
    return *campaign;
  }
  PlatformServices& Platform() { return *platform_; }
  // Removes the generated folders.
  void Clear() { campaigns_.clear(); }

 private:
  std::unique_ptr<PlatformServices> platform_ =
      PlatformServices::ForThisMachine(std::make_unique<HeadlessDialogs>());
  std::map<int, std::unique_ptr<Campaign>> campaigns_;
};
