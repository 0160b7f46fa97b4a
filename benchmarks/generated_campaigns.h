#pragma once

#include <map>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
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
  // A window on `campaign` as the program starts it: the option boxes and menu marks at their
  // defaults (without them every altitude and speed look-up fails and is logged), the
  // campaign's game edition kept.
  std::unique_ptr<TMainForm> ProgramForm(const Campaign& campaign) {
    auto form = campaign.NewForm(Platform());
    const std::string game = form->GameID;
    SetOptionDefaults(*form);
    form->GameID = game;
    return form;
  }
  // Removes the generated folders.
  void Clear() { campaigns_.clear(); }

 private:
  std::unique_ptr<PlatformServices> platform_ =
      PlatformServices::ForThisMachine(std::make_unique<HeadlessDialogs>());
  std::map<int, std::unique_ptr<Campaign>> campaigns_;
};
