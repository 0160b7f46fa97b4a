#include "campaign_setup/nose_art.h"

#include <string>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/paints.h"
#include "mission_results/pilot_roster.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kPilots = 16;

std::string NoseArtFolder(const TMainForm& form) {
  return form.GameFolder + "PaintSchemes\\NoseArt\\";
}

bool SelectedPilot(const TMainForm& form, int& squadron, int& slot) {
  squadron = form.SquadBox.ItemIndex();
  slot = form.PilotListBox.ItemIndex;
  return squadron >= 0 && squadron <= form.LastSquadron && slot >= 0 && slot < kPilots;
}

}  // namespace

void LoadNoseArt(TMainForm& form) {
  const std::string path = form.CampaignFolder + "noseart.tavrek";
  if (form.CampaignFolder.empty() || !FileExists(path)) return;
  int squadron = -1;
  int slot = 0;
  for (const std::string& line : ReadTextLines(path)) {
    if (Contains(line, "[")) {
      ++squadron;
      slot = 0;
      continue;
    }
    if (squadron < 0 || squadron > form.LastSquadron || slot >= kPilots) continue;
    form.PilotRoster[RosterIndex(squadron, slot)].RosterNoseArt = Trim(line);
    NoseArtCheck(form, squadron, slot);
    ++slot;
  }
}

void NoseArtCheck(TMainForm& form, int squadron, int slot) {
  const SquadronEntry& entry = std::as_const(form.SquadronTable)[squadron];
  std::string& nose_art = form.PilotRoster[RosterIndex(squadron, slot)].RosterNoseArt;
  const bool carrier_role = entry.SquadronRole == "2" || entry.SquadronRole == "4";
  const bool american =
      entry.SquadronNation == "us" || entry.SquadronNation == "um" || entry.SquadronNation == "un";
  if (!carrier_role || !american || !Contains(nose_art, ".bmp")) nose_art = "None";
}

void NoseArtBoxSetup(TMainForm& form) {
  form.NoseArtCount = 0;
  std::vector<std::string> choices{"None"};
  for (const std::string& name : ListDirectory(NoseArtFolder(form), "*.bmp")) {
    choices.push_back(name);
    ++form.NoseArtCount;
  }
  form.NoseArtBox.Items = std::move(choices);
  int squadron = -1;
  int slot = -1;
  if (SelectedPilot(form, squadron, slot)) {
    form.NoseArtBox.Text =
        Trim(std::as_const(form.PilotRoster)[RosterIndex(squadron, slot)].RosterNoseArt);
  }
}

void NoseArtBoxChange(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  if (!SelectedPilot(form, squadron, slot)) return;
  const std::string nose_art = Trim(form.NoseArtBox.Text);
  form.PilotRoster[RosterIndex(squadron, slot)].RosterNoseArt = nose_art;
  const std::string bitmap = NoseArtFolder(form) + nose_art;
  if (nose_art.empty() || !FileExists(bitmap)) return;
  ShowBitmapPreview(form, form.NoseArtImage, bitmap);
  form.NoseArtImage.Enabled = true;
  form.NoseArtImage.Visible = true;
}

void RandomNoseArtClick(TMainForm& form) {
  WriteIni(form);
  if (form.RandomNoseArt.Checked) NoseArtRandomizer(form);
}

void NoseArtRandomizer(TMainForm& form) {
  NoseArtBoxSetup(form);
  const std::vector<std::string> choices = form.NoseArtBox.Items;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < kPilots; ++slot) {
      std::string& nose_art = form.PilotRoster[RosterIndex(squadron, slot)].RosterNoseArt;
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
