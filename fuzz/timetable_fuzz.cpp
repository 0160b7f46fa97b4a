// timetable.tavrek: the dated commands of the battle, applied on the sample at its date.

#include <cstddef>
#include <cstdint>

#include "campaign_progression/timetable.h"
#include "fuzz/fuzz_campaign.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SharedProgramFolder().Run("data/timetable.tavrek", InputText(data, size), [](TMainForm& form) {
    LoadWholeCampaign(form);
    TimeTable(form);
  });
  return 0;
}
