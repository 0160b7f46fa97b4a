// The co-op campaign's conf.dat, as the game writes it and the program reads and edits it: the
// choices taken into the squadrons, a squadron renamed and removed, and the battle the co-op
// run would create.

#include <cstddef>
#include <cstdint>

#include "app/main_form.h"
#include "campaign_setup/coop_campaign.h"
#include "campaign_setup/coop_files.h"
#include "fuzz/fuzz_campaign.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kCoopFolder = "game/Missions/Net/NGen/Tavrek_Okinawa/";

void ReadAndEditConf(TMainForm& form) {
  LoadWholeCampaign(form);
  form.CampaignFolder = form.GameCampaignFolder = form.ProgramFolder + kCoopFolder;
  form.Coop.SetChecked(true);
  form.NGenBoot.SetChecked(true);
  const std::string conf = form.GameCampaignFolder + "conf.dat";
  (void)ReadCoopConf(ReadTextLines(conf), true);
  NGenConfLoad(form);
  UpdateNGenConf(form, 1, form.SquadronTable[1].SquadronName, "", "Rename");
  UpdateNGenConf(form, 1, "", "", "Remove");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SharedProgramFolder().Run(std::string(kCoopFolder) + "conf.dat", InputText(data, size),
                            ReadAndEditConf);
  return 0;
}
