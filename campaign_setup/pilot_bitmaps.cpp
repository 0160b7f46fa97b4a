#include "campaign_setup/pilot_bitmaps.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_setup/paints.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

std::optional<int> SelectedSquadron(const TMainForm& form) {
  const int squadron = form.SquadBox.ItemIndex();
  if (squadron < 0 || squadron > form.LastSquadron) return std::nullopt;
  return squadron;
}

std::optional<PilotSlot> SelectedPilot(const TMainForm& form) {
  const std::optional<int> squadron = SelectedSquadron(form);
  const int slot = form.PilotListBox.ItemIndex;
  if (!squadron || slot < 0 || slot >= kPaintedPilots) return std::nullopt;
  return PilotSlot{*squadron, slot};
}

void ReadSquadronBlocks(const TMainForm& form, const std::string& path,
                        const std::function<void(PilotSlot, std::string_view)>& take) {
  if (!FileExists(path)) return;
  PilotSlot at;
  for (const std::string_view line : ReadTextLineViews(path)) {
    if (line.find('[') != std::string_view::npos) {
      ++at.squadron;
      at.slot = 0;
      continue;
    }
    if (at.squadron < 0 || at.squadron > form.LastSquadron || at.slot >= kPaintedPilots) continue;
    take(at, TrimView(line));
    ++at.slot;
  }
}

std::vector<std::string> BitmapChoices(const std::string& first, const std::string& folder) {
  std::vector<std::string> choices{first};
  for (std::string& name : ListDirectory(folder, "*.bmp")) choices.push_back(std::move(name));
  return choices;
}

bool PreviewBitmap(TMainForm& form, TImage& image, const std::string& path) {
  if (!FileExists(path)) return false;
  ShowBitmapPreview(form, image, path);
  image.Visible = true;
  return true;
}
