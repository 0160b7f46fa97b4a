// The reference tables of data/: each read by the loader the program uses for it, after (or,
// for those a campaign load reads itself, during) the load of the sample campaign.

#include <cstddef>
#include <cstdint>

#include <string>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/squadron_names.h"
#include "campaign_setup/paints.h"
#include "fuzz/fuzz_campaign.h"
#include "mission_generation/mission_sections.h"
#include "mission_results/aces.h"
#include "mission_results/name_lists.h"

namespace {

const std::string kFiles[] = {"class.tavrek",     "payloads.tavrek",  "allpayloads.tavrek",
                              "armor.tavrek",     "shipnames.tavrek", "gobjects.tavrek",
                              "maps.tavrek",      "fobjects.tavrek",  "offmap.tavrek",
                              "cities.dat",       "crewseats.tavrek", "squadids.tavrek",
                              "allpaints.tavrek", "airfields.tavrek"};

void LoadWithReferenceTables(TMainForm& form) {
  LoadWholeCampaign(form);
  ReadAllPayloads(form);
  ReadSquadronIds(form);
  UniversalPaints(form);
  CityNames(form);
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    LoadAces(form, squadron);
    LoadTakeoff(form, squadron);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ChosenFile file = ChooseFile(InputText(data, size), kFiles, std::size(kFiles));
  SharedProgramFolder().Run("data/" + file.name, file.bytes, LoadWithReferenceTables);
  return 0;
}
