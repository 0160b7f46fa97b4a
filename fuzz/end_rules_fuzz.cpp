// endcampaign.tavrek: the battle's end rules, read into the sample's campaign record.

#include <cstddef>
#include <cstdint>

#include "campaign_progression/end_rules.h"
#include "fuzz/fuzz_campaign.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SharedProgramFolder().Run("data/endcampaign.tavrek", InputText(data, size), [](TMainForm& form) {
    LoadWholeCampaign(form);
    ReadEndCampaignRules(form);
  });
  return 0;
}
