// tavrek.ini, as start-up reads it.

#include <cstddef>
#include <cstdint>

#include "campaign_data/settings_file.h"
#include "fuzz/fuzz_campaign.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SharedProgramFolder().Run("tavrek.ini", InputText(data, size), ReadIni);
  return 0;
}
