#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TMainForm;
class TImage;

// What the paints and the nose art have in common: both keep one bitmap name per pilot in a
// campaign file of squadron blocks, both let the pilot editor choose from a folder of bitmaps,
// and both show the chosen bitmap in a preview.

// Pilots of a squadron that keep a paint and a nose art.
inline constexpr int kPaintedPilots = 16;

struct PilotSlot {
  int squadron = -1;
  int slot = -1;
};

// The squadron chosen in SquadBox, when it is one of the table.
std::optional<int> SelectedSquadron(const TMainForm& form);
// The pilot chosen in the pilot editor: the squadron of SquadBox, the slot of PilotListBox.
std::optional<PilotSlot> SelectedPilot(const TMainForm& form);

// Reads a file of squadron blocks (a line holding "[" opens the next squadron of the table, in
// order; each further line is the value of its next pilot slot) and hands every value, trimmed,
// to `take`. Blocks past the table and lines past the 16 slots are left; a missing file gives
// nothing.
void ReadSquadronBlocks(const TMainForm& form, const std::string& path,
                        const std::function<void(PilotSlot, std::string_view)>& take);

// `first` followed by the ".bmp" files of the folder, in the folder's order.
std::vector<std::string> BitmapChoices(const std::string& first, const std::string& folder);

// Shows the bitmap in the image, made visible, when the file is there; answers whether it was.
bool PreviewBitmap(TMainForm& form, TImage& image, const std::string& path);
