// campaign.tavrek, read with the rest of the campaign when the campaign is chosen.

#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_campaign.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SharedProgramFolder().Run("campaign/Okinawa45/campaign.tavrek", InputText(data, size),
                            LoadWholeCampaign);
  return 0;
}
