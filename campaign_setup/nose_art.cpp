#include "campaign_setup/nose_art.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/pilot_bitmaps.h"
#include "mission_results/pilot_roster.h"

namespace {

std::string NoseArtFolder(const TMainForm& form) {
  return form.GameFolder + "PaintSchemes\\NoseArt\\";
}

std::string& NoseArtOf(TMainForm& form, PilotSlot pilot) {
  return form.PilotRoster[RosterIndex(pilot.squadron, pilot.slot)].RosterNoseArt;
}

// American bombers and ground-attack units only.
bool CarriesNoseArt(const SquadronEntry& entry) {
  const bool carrier_role = entry.SquadronRole == "2" || entry.SquadronRole == "4";
  return carrier_role && (entry.SquadronNation == "us" || entry.SquadronNation == "um" ||
                          entry.SquadronNation == "un");
}

}  // namespace

void LoadNoseArt(TMainForm& form) {
  if (form.CampaignFolder.empty()) return;
  ReadSquadronBlocks(form, form.CampaignFolder + "noseart.tavrek",
                     [&form](PilotSlot pilot, std::string_view value) {
                       const SquadronEntry& entry =
                           std::as_const(form.SquadronTable)[pilot.squadron];
                       std::string& nose_art = NoseArtOf(form, pilot);
                       if (CarriesNoseArt(entry) && Contains(value, ".bmp")) {
                         nose_art.assign(value);
                       } else {
                         nose_art = "None";
                       }
                     });
}

void NoseArtCheck(TMainForm& form, int squadron, int slot) {
  CheckNoseArt(SquadronCarriesNoseArt(form, squadron), NoseArtOf(form, {squadron, slot}));
}

bool SquadronCarriesNoseArt(const TMainForm& form, int squadron) {
  return CarriesNoseArt(std::as_const(form.SquadronTable)[squadron]);
}

void CheckNoseArt(bool carried, std::string& nose_art) {
  if (!carried || !Contains(nose_art, ".bmp")) nose_art = "None";
}

void NoseArtBoxSetup(TMainForm& form) {
  std::vector<std::string> choices = BitmapChoices("None", NoseArtFolder(form));
  form.NoseArtCount = static_cast<int>(choices.size()) - 1;
  form.NoseArtBox.Items = std::move(choices);
  if (const std::optional<PilotSlot> pilot = SelectedPilot(form)) {
    form.NoseArtBox.Text = Trim(NoseArtOf(form, *pilot));
  }
}

void NoseArtBoxChange(TMainForm& form) {
  const std::optional<PilotSlot> pilot = SelectedPilot(form);
  if (!pilot) return;
  const std::string nose_art = Trim(form.NoseArtBox.Text);
  NoseArtOf(form, *pilot) = nose_art;
  if (nose_art.empty()) return;
  if (PreviewBitmap(form, form.NoseArtImage, NoseArtFolder(form) + nose_art)) {
    form.NoseArtImage.Enabled = true;
  }
}

void RandomNoseArtClick(TMainForm& form) {
  WriteIni(form);
  if (form.RandomNoseArt.Checked) NoseArtRandomizer(form);
}

void NoseArtRandomizer(TMainForm& form) {
  NoseArtBoxSetup(form);
  const std::vector<std::string> choices = form.NoseArtBox.Items;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < kPaintedPilots; ++slot) {
      std::string& nose_art = NoseArtOf(form, {squadron, slot});
      if (nose_art != "None") continue;
      // "None" and every bitmap, the last one too, can be drawn.
      const int choice = form.Random(form.NoseArtCount + 1);
      form.NoseArtBox.SetItemIndex(choice);
      nose_art = choices[static_cast<size_t>(choice)];
      NoseArtCheck(form, squadron, slot);
    }
  }
  SavePilot(form, 0);
}
