// The game's career files, campaign.ini and conf.dat, as a change of the campaign date reads
// and renames them. The first byte of the input chooses the file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/main_form.h"
#include "campaign_setup/career_files.h"
#include "fuzz/fuzz_campaign.h"

namespace {

// The sample game's career folder of the player's nation, which the sample provides.
const std::string kCareerFiles[] = {"game/Missions/Campaign/UM/campaign.ini",
                                    "game/Missions/Campaign/UM/conf.dat"};

void ChangeDate(TMainForm& form) {
  form.GameCampaignFolder = form.GameFolder + "Missions\\Campaign\\UM\\";
  form.FrontCenterName = "Futema";
  form.CampaignDay = 6;
  form.CampaignMonth = 4;
  form.CampaignYear = 1945;
  form.DayBox.Text = "07";
  form.MonthBox.Text = "04";
  form.YearBox.Text = "1945";
  UpdateCampaign(form);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ChosenFile file = ChooseFile(InputText(data, size), kCareerFiles, 2);
  SharedProgramFolder().Run(file.name, file.bytes, ChangeDate);
  return 0;
}
