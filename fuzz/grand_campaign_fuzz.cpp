// grandcampaign.tavrek: the transfer table read when a battle of the sample ends, for either
// victor.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "campaign_progression/campaign_transfer.h"
#include "fuzz/fuzz_campaign.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input = InputText(data, size);
  if (input.empty()) return 0;
  const char* victor = (input.front() & 1) != 0 ? "Blue" : "Red";
  input.remove_prefix(1);
  SharedProgramFolder().Run("data/grandcampaign.tavrek", input, [victor](TMainForm& form) {
    LoadWholeCampaign(form);
    CampaignTransfer(form, victor, "");
  });
  return 0;
}
