#include "campaign_setup/paints.h"

#include <map>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/pilot_bitmaps.h"
#include "campaign_setup/setup_errors.h"
#include "mission_results/pilot_roster.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kDefaultSkin = "default.bmp";
constexpr std::string_view kDefaultPaint = "1default.bmp";

// The aircraft type of a squadron for the paint look-ups: the id after "Class air.".
std::string PaintType(const SquadronEntry& squadron) {
  return Trim(Copy(squadron.SquadronClass, 11, 30));
}

bool Winter(const TMainForm& form) {
  return form.MapSeason == "Winter";
}

const std::string& SeasonValue(const TMainForm& form, const PaintLine& line) {
  return Winter(form) ? line.winter : line.summer;
}

std::vector<PaintLine> ReadPaintFile(const std::string& path) {
  std::vector<PaintLine> lines;
  for (const std::string& line : ReadTextLines(path)) {
    if (!Trim(line).empty()) lines.push_back(ReadPaintLine(line));
  }
  return lines;
}

std::string PaintFileText(const std::vector<PaintLine>& lines) {
  std::string text;
  for (const PaintLine& line : lines) {
    text += line.type + "=" + line.summer + "/" + line.winter;
    text += kCrLf;
  }
  return text;
}

void SetPilotPaints(TMainForm& form, int squadron, const std::string& paint) {
  for (int slot = 0; slot < kPaintedPilots; ++slot) {
    form.PilotRoster[RosterIndex(squadron, slot)].RosterSkin = paint;
  }
}

// Gives the squadron and its pilots a paint value ("1" or "0" and a bitmap).
void TakePaint(TMainForm& form, int squadron, const std::string& value) {
  if (value.empty()) return;
  SquadronEntry& entry = form.SquadronTable[squadron];
  entry.SquadronMarkings = value.substr(0, 1);
  entry.SquadronSkin = Trim(value.substr(1));
  SetPilotPaints(form, squadron, entry.SquadronMarkings + entry.SquadronSkin);
}

void SaveSquadronsAndPilots(TMainForm& form) {
  SaveSquadrons(form, 0);
  SavePilot(form, 0);
}

// The bitmaps each skin folder holds, read once per operation, in lower case. Squadrons of one
// aircraft share its folder; each squadron's is looked up once.
class SkinFiles {
 public:
  explicit SkinFiles(const TMainForm& form) : form_(form) {}
  bool Exists(int squadron, std::string_view file) {
    lowered_.assign(file);
    for (char& c : lowered_) c = AsciiLower(c);
    return FilesOf(squadron).count(lowered_) > 0;
  }

 private:
  using Names = std::unordered_set<std::string>;

  const Names& FilesOf(int squadron) {
    if (const auto known = of_squadron_.find(squadron); known != of_squadron_.end()) {
      return *known->second;
    }
    const std::string folder = SkinFolder(form_, squadron);
    auto found = folders_.find(folder);
    if (found == folders_.end()) {
      Names names;
      for (const std::string& name : ListDirectory(folder, "*")) {
        names.insert(AsciiLowerCase(name));
      }
      found = folders_.emplace(folder, std::move(names)).first;
    }
    of_squadron_.emplace(squadron, &found->second);
    return found->second;
  }

  const TMainForm& form_;
  std::unordered_map<std::string, Names> folders_;
  std::unordered_map<int, const Names*> of_squadron_;
  std::string lowered_;
};

// The bitmap of a paint value: all but its markings digit.
std::string_view PaintBitmap(std::string_view value) {
  return value.empty() ? value : value.substr(1);
}

// A pilot's saved paint falls back to his squadron's skin, then to the default, when its
// bitmap is no longer there.
std::string CheckedPilotPaint(TMainForm& form, SkinFiles& skins, int squadron,
                              std::string_view value) {
  const SquadronEntry& entry = std::as_const(form.SquadronTable)[squadron];
  // The default stays the default whether its bitmap is there or not: its folder is not read.
  if (value != kDefaultPaint && !skins.Exists(squadron, PaintBitmap(value))) value = kDefaultPaint;
  if (value == kDefaultPaint && entry.SquadronSkin != kDefaultSkin) {
    std::string squadron_paint = entry.SquadronMarkings + entry.SquadronSkin;
    if (skins.Exists(squadron, PaintBitmap(squadron_paint))) return squadron_paint;
    value = kDefaultPaint;
  }
  return std::string(value);
}

// The checked paint of each pilot read. Pilots of a squadron mostly keep one paint, so the
// answer for the last squadron and value serves the next pilot too.
class PilotPaints {
 public:
  explicit PilotPaints(TMainForm& form) : form_(form), skins_(form) {}
  const std::string& Checked(int squadron, std::string_view value) {
    if (squadron != squadron_ || value != value_) {
      squadron_ = squadron;
      value_.assign(value);
      paint_ = CheckedPilotPaint(form_, skins_, squadron, value);
    }
    return paint_;
  }

 private:
  TMainForm& form_;
  SkinFiles skins_;
  int squadron_ = -1;
  std::string value_;
  std::string paint_;
};

std::vector<std::string> SkinChoices(const TMainForm& form, int squadron) {
  return BitmapChoices(std::string(kDefaultSkin), SkinFolder(form, squadron));
}

}  // namespace

PaintLine ReadPaintLine(std::string_view line) {
  PaintLine paint;
  const size_t equals = line.find('=');
  paint.type = Trim(line.substr(0, equals));
  if (equals == std::string_view::npos) return paint;
  const size_t slash_after = line.find('/', equals + 1);
  paint.summer = Trim(line.substr(equals + 1, slash_after == std::string_view::npos
                                                  ? std::string_view::npos
                                                  : slash_after - equals - 1));
  const size_t first_slash = line.find('/');
  if (first_slash != std::string_view::npos) paint.winter = Trim(line.substr(first_slash + 1));
  return paint;
}

std::string SkinFolder(const TMainForm& form, int squadron) {
  std::string aircraft = std::as_const(form.SquadronTable)[squadron].TypeGameName;
  if (const size_t slash = aircraft.find('/'); slash != std::string::npos) aircraft[slash] = '_';
  return form.GameFolder + "PaintSchemes\\Skins\\" + aircraft + "\\";
}

void UniversalPaints(TMainForm& form) {
  const std::string paints_path = ReferenceFilePath(form, "allpaints.tavrek");
  std::multimap<std::string, std::string> known;  // type -> its lines, in file order
  if (FileExists(paints_path)) {
    for (const std::string& line : ReadTextLines(paints_path)) {
      const std::string trimmed = Trim(line);
      const size_t equals = trimmed.find('=');
      if (equals != std::string::npos) known.emplace(trimmed.substr(0, equals), trimmed);
    }
  }
  const std::string class_path = ReferenceFilePath(form, "class.tavrek");
  if (!FileExists(class_path)) LogAndStop(form, "No class.tavrek found.", "No class.tavrek found.");
  std::string text;
  for (const std::string& line : ReadTextLines(class_path)) {
    const std::string type = Trim(Copy(line, 1, 20));
    if (type.empty()) continue;
    const auto [first, last] = known.equal_range(type);
    if (first == last) text += type + "=1default.bmp/1default.bmp" + std::string(kCrLf);
    for (auto it = first; it != last; ++it) text += it->second + std::string(kCrLf);
  }
  // Written beside the class file it was made from.
  const std::string target = ExtractFilePath(class_path) + "allpaints.tavrek";
  if (FileExists(target) && ReadFileBytes(target) == text) return;
  WriteTextFile(target, text);
}

void ApplyUniversalPaints(TMainForm& form) {
  const std::string path = ExistingReferenceFile(form, "allpaints.tavrek");
  if (path.empty()) return;
  std::unordered_map<std::string, std::vector<int>> squadrons_of_type;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    squadrons_of_type[PaintType(std::as_const(form.SquadronTable)[s])].push_back(s);
  }
  SkinFiles skins(form);
  for (const PaintLine& line : ReadPaintFile(path)) {
    const auto found = squadrons_of_type.find(line.type);
    if (found == squadrons_of_type.end()) continue;
    for (const int s : found->second) {
      SquadronEntry& squadron = form.SquadronTable[s];
      if (squadron.SquadronSkin != kDefaultSkin && !skins.Exists(s, squadron.SquadronSkin)) {
        squadron.SquadronSkin = kDefaultSkin;
      }
      if (squadron.SquadronSkin == kDefaultSkin) TakePaint(form, s, SeasonValue(form, line));
    }
  }
  SaveSquadronsAndPilots(form);
}

void ApplySingleUniversalPaint(TMainForm& form, int squadron) {
  const std::string path = ExistingReferenceFile(form, "allpaints.tavrek");
  if (path.empty()) return;
  const std::string type = PaintType(std::as_const(form.SquadronTable)[squadron]);
  for (const PaintLine& line : ReadPaintFile(path)) {
    if (line.type == type) TakePaint(form, squadron, SeasonValue(form, line));
  }
  SaveSquadronsAndPilots(form);
}

void AcesPaints(TMainForm& form) {
  const std::string path = ExistingReferenceFile(form, "acepaints.tavrek");
  if (path.empty()) return;
  std::unordered_map<std::string, std::vector<std::pair<int, int>>> pilots_named;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < kPaintedPilots; ++slot) {
      const std::string& name = std::as_const(form.PilotRoster)[RosterIndex(s, slot)].RosterName;
      if (!name.empty()) pilots_named[name].emplace_back(s, slot);
    }
  }
  std::string ace = "XYX";  // no pilot is named so
  bool changed = false;
  for (const std::string& raw : ReadTextLines(path)) {
    const std::string line = Trim(raw);
    if (Contains(line, "[")) {
      ace = line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string();
      continue;
    }
    const auto found = pilots_named.find(ace);
    if (found == pilots_named.end() || line.empty()) continue;
    const PaintLine paint = ReadPaintLine(line);
    for (const auto& [s, slot] : found->second) {
      // The line's aircraft type must be the squadron's own, not merely a part of its name.
      if (paint.type != PaintType(std::as_const(form.SquadronTable)[s])) continue;
      std::string& skin = form.PilotRoster[RosterIndex(s, slot)].RosterSkin;
      const std::string value = SeasonValue(form, paint);
      if (skin == value) continue;
      skin = value;
      changed = true;
    }
  }
  if (changed) SavePilot(form, 0);
}

void LoadPaints(TMainForm& form) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    const SquadronEntry& squadron = std::as_const(form.SquadronTable)[s];
    SetPilotPaints(form, s, squadron.SquadronMarkings + squadron.SquadronSkin);
  }
  if (form.CampaignFolder.empty()) return;
  PilotPaints paints(form);
  ReadSquadronBlocks(form, form.CampaignFolder + "paints.tavrek",
                     [&form, &paints](PilotSlot pilot, std::string_view value) {
                       form.PilotRoster[RosterIndex(pilot.squadron, pilot.slot)].RosterSkin =
                           paints.Checked(pilot.squadron, value);
                     });
}

void SkinBoxList(TMainForm& form) {
  const std::optional<int> squadron = SelectedSquadron(form);
  if (squadron) form.SkinBox.Items = SkinChoices(form, *squadron);
}

void SkinBoxChange(TMainForm& form) {
  const std::optional<int> squadron = SelectedSquadron(form);
  if (!squadron) return;
  SquadronEntry& entry = form.SquadronTable[*squadron];
  entry.SquadronSkin = form.SkinBox.Text;
  form.SqMark.Text = "Yes";
  entry.SquadronMarkings = "1";
  form.SkinImage.Visible = false;
  SetPilotPaints(form, *squadron, "1" + entry.SquadronSkin);
  SaveSquadronsAndPilots(form);
  SkinBoxSelection(form);
}

void SkinBoxSelection(TMainForm& form) {
  const std::optional<int> squadron = SelectedSquadron(form);
  if (!squadron || std::as_const(form.SquadronTable)[*squadron].TypeGameName.empty()) return;
  PreviewBitmap(form, form.SkinImage, SkinFolder(form, *squadron) + form.SkinBox.Text);
}

void MarkingsOnClick(TMainForm& form) {
  const std::optional<int> squadron = SelectedSquadron(form);
  if (!squadron) return;
  SquadronEntry& entry = form.SquadronTable[*squadron];
  entry.SquadronMarkings = form.SqMark.ItemIndex() == 0 ? "0" : "1";
  SetPilotPaints(form, *squadron, entry.SquadronMarkings + form.SkinBox.Text);
  SaveSquadronsAndPilots(form);
}

void UniformButtonClick(TMainForm& form) {
  const std::optional<int> selected = SelectedSquadron(form);
  if (!selected) return;
  const std::string path = ExistingReferenceFile(form, "allpaints.tavrek");
  if (path.empty()) LogAndStop(form, "No allpaints.tavrek found.", "No allpaints.tavrek found.");
  std::vector<PaintLine> lines = ReadPaintFile(path);

  const SquadronEntry chosen = std::as_const(form.SquadronTable)[*selected];
  const std::string paint = chosen.SquadronMarkings + form.SkinBox.Text;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    if (squadron.SquadronPlaneText != chosen.SquadronPlaneText) continue;
    squadron.SquadronSkin = chosen.SquadronSkin;
    squadron.SquadronMarkings = chosen.SquadronMarkings;
    SetPilotPaints(form, s, paint);
  }
  SaveSquadronsAndPilots(form);

  const std::string type = PaintType(chosen);
  bool listed = false;
  for (PaintLine& line : lines) {
    if (line.type != type) continue;
    (Winter(form) ? line.winter : line.summer) = paint;
    listed = true;
  }
  if (!listed) {
    PaintLine line{type, std::string(kDefaultPaint), std::string(kDefaultPaint)};
    (Winter(form) ? line.winter : line.summer) = paint;
    lines.push_back(line);
  }
  WriteTextFile(path, PaintFileText(lines));
}

void PaintBoxSetup(TMainForm& form) {
  const std::optional<PilotSlot> pilot = SelectedPilot(form);
  if (!pilot) return;
  form.PaintBox.Items = SkinChoices(form, pilot->squadron);
  const std::string& paint =
      std::as_const(form.PilotRoster)[RosterIndex(pilot->squadron, pilot->slot)].RosterSkin;
  form.PaintBox.Text = Trim(Copy(paint, 2, static_cast<int>(paint.size())));
}

void PaintBoxChange(TMainForm& form) {
  const std::optional<PilotSlot> chosen = SelectedPilot(form);
  if (!chosen) return;
  PilotEntry& pilot = form.PilotRoster[RosterIndex(chosen->squadron, chosen->slot)];
  pilot.RosterSkin = pilot.RosterSkin.substr(0, 1) + Trim(form.PaintBox.Text);
  const std::string skin = SkinFolder(form, chosen->squadron) + Trim(form.PaintBox.Text);
  if (!PreviewBitmap(form, form.PaintImage, skin)) {
    PreviewBitmap(form, form.PaintImage, form.ProgramFolder + "nopicture.bmp");
  }
  form.PaintImage.Enabled = true;
  form.PaintImage.Visible = true;
  form.NoseArtImage.Enabled = false;
  form.NoseArtImage.Visible = false;
}

void MarkBoxChange(TMainForm& form) {
  const std::optional<PilotSlot> chosen = SelectedPilot(form);
  if (!chosen) return;
  PilotEntry& pilot = form.PilotRoster[RosterIndex(chosen->squadron, chosen->slot)];
  const bool markings_off = StartsWith(pilot.RosterSkin, "0");
  pilot.RosterSkin = (markings_off ? "1" : "0") + form.PaintBox.Text;
  form.MarkBox.Text = markings_off ? "Yes" : "No";
}

std::string RepairedBitmapBytes(std::string_view bitmap) {
  std::string repaired(bitmap.substr(0, bitmap.size() - 2));
  repaired[3] = static_cast<char>(static_cast<unsigned char>(repaired[3]) - 2);
  return repaired;
}

void DisplayPSBitmap(TMainForm& form, const std::string& bitmap_path) {
  const std::string bitmap = ReadFileBytes(bitmap_path);
  if (bitmap.size() < 5) throw FileError("Not a picture: " + bitmap_path);
  WriteTextFile(form.ProgramFolder + "bmp.bmp", RepairedBitmapBytes(bitmap));
}

void ShowBitmapPreview(TMainForm& form, TImage& image, const std::string& path) {
  try {
    image.LoadFromFile(path);
    return;
  } catch (const FileError& error) {
    ErrorLog(form, std::string("The preview cannot be shown: ") + error.what());
  }
  DisplayPSBitmap(form, path);
  image.LoadFromFile(form.ProgramFolder + "bmp.bmp");
}
