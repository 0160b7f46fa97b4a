// The map's road, rail and sea-route networks and its patrol areas, read with the campaign.

#include <cstddef>
#include <cstdint>

#include <string>

#include "fuzz/fuzz_campaign.h"

namespace {
const std::string kFiles[] = {"Okinawa.rds", "Okinawa.rls", "Okinawa.srd", "Okinawa.prd"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ChosenFile file = ChooseFile(InputText(data, size), kFiles, std::size(kFiles));
  SharedProgramFolder().Run("data/" + file.name, file.bytes, LoadWholeCampaign);
  return 0;
}
