// The pilot roster and the other roster files (bomber crews, human gunners), read with the
// campaign.

#include <cstddef>
#include <cstdint>

#include <string>

#include "fuzz/fuzz_campaign.h"

namespace {
const std::string kFiles[] = {"pilot.tavrek", "crew.tavrek", "gunner.tavrek"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ChosenFile file = ChooseFile(InputText(data, size), kFiles, std::size(kFiles));
  SharedProgramFolder().Run("campaign/Okinawa45/" + file.name, file.bytes, LoadWholeCampaign);
  return 0;
}
