#include "mission_results/pilot_editor.h"

#include <algorithm>
#include <string>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_setup/nose_art.h"
#include "campaign_setup/paints.h"
#include "mission_results/name_lists.h"
#include "mission_results/pilot_portraits.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/player_name.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_text.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

// Names and home towns are kept shorter than this.
constexpr size_t kLongestText = 49;

bool CurrentPilot(TMainForm& form, int& squadron, int& slot) {
  squadron = form.SquadBox.ItemIndex();
  slot = form.PilotListBox.ItemIndex;
  return squadron >= 0 && slot >= 0 && slot < 16;
}

PilotEntry& Pilot(TMainForm& form, int squadron, int slot) {
  return form.PilotRoster[RosterIndex(squadron, slot)];
}

bool IsPlayersOwnPilot(TMainForm& form, int squadron, int slot) {
  return squadron == 0 && Pilot(form, squadron, slot).RosterName == form.PlayerName;
}

bool Online(const TMainForm& form) {
  return form.Coop.Checked || form.Dogfight.Checked;
}

// The rank title of the pilot, by the names RankAwardSetup set last; none for a code outside
// the table (the untracked rank "9" among them).
std::string RankTitle(const TMainForm& form, const PilotEntry& pilot) {
  const int rank = StrToIntDef(Trim(pilot.RosterRank), -1);
  return rank >= 0 && rank < 10 ? form.RankAwardTable.RankName[rank] : std::string();
}

std::string TitledName(const TMainForm& form, const PilotEntry& pilot) {
  return Trim(RankTitle(form, pilot) + " " + pilot.RosterName);
}

bool IsThreeDigits(const std::string& text) {
  return text.size() == 3 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> CountItems() {
  std::vector<std::string> items;
  items.reserve(1000);
  for (int count = 0; count < 1000; ++count) items.push_back(ThreeDigitCount(count));
  return items;
}

// Shows the picture; one that cannot be decoded is shown through the repaired copy of it that
// the paint tools write, and a failure of that is logged.
void ShowPreview(TMainForm& form, TImage& image, const std::string& path) {
  try {
    image.LoadFromFile(path);
    return;
  } catch (const FileError& error) {
    ErrorLog(form, std::string("The preview cannot be shown: ") + error.what());
  }
  try {
    DisplayPSBitmap(form, path);
    const std::string repaired = form.ProgramFolder + "bmp.bmp";
    if (FileExists(repaired)) image.LoadFromFile(repaired);
  } catch (const FileError& error) {
    ErrorLog(form, std::string("The preview cannot be repaired: ") + error.what());
  }
}

void ShowPaintPreviews(TMainForm& form, int squadron, const PilotEntry& pilot) {
  form.SkinImage.Enabled = false;
  form.PaintImage.Clear();
  const std::string no_picture = form.ProgramFolder + "nopicture.bmp";
  if (FileExists(no_picture)) ShowPreview(form, form.PaintImage, no_picture);
  form.PaintImage.Enabled = true;
  form.PaintImage.Visible = true;
  form.NoseArtImage.Enabled = false;
  form.NoseArtImage.Visible = false;

  std::string aircraft = form.SquadronTable[squadron].TypeGameName;
  if (const size_t slash = aircraft.find('/'); slash != std::string::npos) aircraft[slash] = '_';
  const std::string skin = form.GameFolder + "PaintSchemes\\Skins\\" + aircraft + "\\" +
                           Copy(pilot.RosterSkin, 2, static_cast<int>(pilot.RosterSkin.size()));
  if (pilot.RosterSkin.size() > 1 && FileExists(skin)) ShowPreview(form, form.PaintImage, skin);
  const std::string nose_art = form.GameFolder + "PaintSchemes\\NoseArt\\" + pilot.RosterNoseArt;
  if (!pilot.RosterNoseArt.empty() && FileExists(nose_art)) {
    ShowPreview(form, form.NoseArtImage, nose_art);
    form.NoseArtImage.Enabled = true;
    form.NoseArtImage.Visible = true;
  }
}

void ShowEditorPanel(TMainForm& form) {
  form.PendingSwapSquadron = -1;
  form.PendingSwapSlot = -1;
  form.QEPanel.Enabled = false;
  form.QEPanel.Visible = false;
  form.InfoLabel.Caption = "Pilot Editor";
  form.DescLabel.Caption = "Close the panel to save your changes.";
  for (TControl* control :
       {static_cast<TControl*>(&form.PilotPanel), static_cast<TControl*>(&form.PaintImage),
        static_cast<TControl*>(&form.PilotPhoto)}) {
    control->Enabled = true;
    control->Visible = true;
  }
  form.PhotoLabel.Caption = "Pilot";
  form.NoseArtBox.Enabled = false;
}

void ShowPilot(TMainForm& form, const PilotEntry& pilot) {
  form.PilotNameLabel.Caption = TitledName(form, pilot);
  form.NameEdit.Text = pilot.RosterName;
  form.CityEdit.Text = pilot.RosterHomeTown;
  form.BirthEdit.Text = pilot.RosterBirthDate;
  form.RankBox.Items.clear();
  for (int rank = 0; rank < 7; ++rank)
    form.RankBox.Items.push_back(form.RankAwardTable.RankName[rank] + " ");
  form.RankBox.Text = RankTitle(form, pilot) + " ";
  const std::vector<std::string> counts = CountItems();
  for (TComboBox* box : {&form.MFBox, &form.KillBox, &form.GrKillBox}) box->Items = counts;
  form.MFBox.Text = pilot.RosterSorties;
  form.KillBox.Text = pilot.RosterKills;
  form.GrKillBox.Text = pilot.RosterGroundKills;
}

// The oldest edition of the game and a dogfight server show no portraits or paints.
void HidePictureControls(TMainForm& form) {
  for (TControl* control :
       {static_cast<TControl*>(&form.PaintImage), static_cast<TControl*>(&form.PilotPhoto),
        static_cast<TControl*>(&form.PhotoLabel), static_cast<TControl*>(&form.LPicButton),
        static_cast<TControl*>(&form.RPicButton), static_cast<TControl*>(&form.PaintLabel),
        static_cast<TControl*>(&form.PaintBox), static_cast<TControl*>(&form.PMarkLabel),
        static_cast<TControl*>(&form.MarkBox)}) {
    control->Visible = false;
  }
}

}  // namespace

void PilotBox(TMainForm& form, int squadron) {
  if (squadron < 0 || squadron > form.LastSquadron) return;
  const std::string& planes_max = form.SquadronTable[squadron].PlanesMax;
  int listed = StrToIntDef(Trim(planes_max), -1);
  if (listed < 0) {
    ErrorLog(form, form.SquadronTable[squadron].SquadronName + ": the maximum strength \"" +
                       planes_max + "\" is no number; all 16 pilots are listed.");
    listed = 16;
  }
  listed = std::min(listed, 16);
  form.PilotListBox.Items.clear();
  form.KillListBox.Items.clear();
  form.GrKillListBox.Items.clear();
  for (int slot = 0; slot < listed; ++slot) {
    const PilotEntry& pilot = Pilot(form, squadron, slot);
    form.PilotListBox.Items.push_back(TitledName(form, pilot));
    form.KillListBox.Items.push_back(pilot.RosterKills);
    form.GrKillListBox.Items.push_back(pilot.RosterGroundKills);
  }
  if (form.PilotListBox.ItemIndex >= listed) form.PilotListBox.ItemIndex = -1;
}

void PInfoClick(TMainForm& form) {
  int squadron = form.SquadBox.ItemIndex();
  if (squadron < 0) return;
  int chosen = -1;
  for (int slot = 0; slot < static_cast<int>(form.PilotListBox.Items.size()) && slot < 16; ++slot) {
    if (Pilot(form, squadron, slot).RosterName != form.PlayerName) chosen = slot;
  }
  if (chosen < 0) return;
  form.PilotListBox.ItemIndex = chosen;
  PilotListBoxDClick(form);
}

void PilotListBoxClick(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot)) return;
  if (Online(form) || !form.SquadronManagement.Checked || squadron != 0) return;
  if (form.PendingSwapSlot == -1 || form.PendingSwapSquadron == -1) {
    form.PendingSwapSquadron = squadron;
    form.PendingSwapSlot = slot;
    return;
  }
  PilotSwap(form, squadron, form.PendingSwapSquadron, slot, form.PendingSwapSlot);
  SavePilot(form, 0);
  PilotBox(form, squadron);
  form.PendingSwapSquadron = -1;
  form.PendingSwapSlot = -1;
}

void PilotListBoxDClick(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot)) return;
  ShowEditorPanel(form);
  RankAwardSetup(form, squadron);
  NoseArtBoxSetup(form);
  const SquadronEntry& unit = form.SquadronTable[squadron];
  const bool nose_art =
      (unit.SquadronRole == "2" || unit.SquadronRole == "4") &&
      (unit.SquadronNation == "us" || unit.SquadronNation == "um" || unit.SquadronNation == "un");
  if (nose_art) form.NoseArtBox.Enabled = true;
  LoadPilotPhoto(form, squadron, slot);
  const PilotEntry& pilot = Pilot(form, squadron, slot);
  ShowPilot(form, pilot);
  ShowPaintPreviews(form, squadron, pilot);
  PaintBoxSetup(form);
  form.MarkBox.Text = StartsWith(pilot.RosterSkin, "0") ? "No" : "Yes";
  if (form.GameID == "IL2" || form.ServerActive == "True") HidePictureControls(form);
}

void PilotCloseButtonClick(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  const bool selected = CurrentPilot(form, squadron, slot);
  SavePilot(form, 0);
  if (selected && Pilot(form, squadron, slot).RosterName == form.PlayerName) {
    form.PlayerRankIndex = StrToIntDef(Trim(Pilot(form, squadron, slot).RosterRank), 0);
  }
  for (TControl* control :
       {static_cast<TControl*>(&form.PilotPanel), static_cast<TControl*>(&form.PaintImage),
        static_cast<TControl*>(&form.PilotPhoto)}) {
    control->Enabled = false;
    control->Visible = false;
  }
  form.QEPanel.Enabled = true;
  form.QEPanel.Visible = true;
  if (selected) PilotBox(form, squadron);
  form.InfoLabel.Caption = "Squadron Editor";
}

void NameEditChange(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot)) return;
  PilotEntry& pilot = Pilot(form, squadron, slot);
  const std::string typed = Trim(WithoutRosterMarkers(form.NameEdit.Text));
  if (Trim(pilot.RosterName) == typed) return;
  if (IsPlayersOwnPilot(form, squadron, slot) && !Online(form)) return;
  if (typed.empty() || typed.size() > kLongestText) return;
  pilot.RosterName = typed;
  form.PilotNameLabel.Caption = TitledName(form, pilot);
  PilotNameCheck(form, squadron, slot);
  pilot.RosterMarker = " ";
}

void RankBoxChange(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot)) return;
  const int rank = form.RankBox.ItemIndex();
  if (rank < 0) return;
  PilotEntry& pilot = Pilot(form, squadron, slot);
  pilot.RosterRank = IntToStr(rank);
  form.PilotNameLabel.Caption = TitledName(form, pilot);
}

void MFBoxChange(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot)) return;
  PilotEntry& pilot = Pilot(form, squadron, slot);
  const std::pair<TComboBox*, std::string*> boxes[] = {{&form.MFBox, &pilot.RosterSorties},
                                                       {&form.KillBox, &pilot.RosterKills},
                                                       {&form.GrKillBox, &pilot.RosterGroundKills}};
  for (const auto& [box, count] : boxes) {
    const std::string text = Trim(box->Text);
    if (IsThreeDigits(text)) *count = text;
  }
}

void CityEditChange(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot) || IsPlayersOwnPilot(form, squadron, slot)) return;
  const std::string typed = Trim(WithoutRosterMarkers(form.CityEdit.Text));
  if (typed.empty() || typed.size() > kLongestText) return;
  Pilot(form, squadron, slot).RosterHomeTown = typed;
}

void BirthEditChange(TMainForm& form) {
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot) || IsPlayersOwnPilot(form, squadron, slot)) return;
  PilotEntry& pilot = Pilot(form, squadron, slot);
  const std::string typed = Trim(form.BirthEdit.Text);
  if (typed.size() != 4) return;
  // A year is four digits, the first not a zero; any other text puts the stored year back.
  if (!std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    form.BirthEdit.Text = pilot.RosterBirthDate;
    return;
  }
  if (typed[0] != '0') pilot.RosterBirthDate = typed;
}

void WirePilotEditor(TMainForm& form) {
  form.PilotListBox.Hint = "Double-click on the pilot's name to see his profile.";
  form.NameEditLabel.Hint = "Click here to get a new randomly generated name.";
  form.PilotPhoto.Hint = "Double click to change photo.";
  form.MarkBox.Items = {"No", "Yes"};
  form.OpenPilotPhoto.Filter = "Pilot Photo|*.bmp";
  form.OpenPilotPhoto.DefaultExt = "*.bmp";

  form.PilotListBox.OnClick = [&form] { PilotListBoxClick(form); };
  form.PilotListBox.OnDblClick = [&form] { PilotListBoxDClick(form); };
  form.PInfo.OnClick = [&form] { PInfoClick(form); };
  form.PInfo.OnDblClick = [&form] { PInfoClick(form); };
  form.PilotCloseButton.OnClick = [&form] { PilotCloseButtonClick(form); };
  form.NameEdit.OnChange = [&form] { NameEditChange(form); };
  form.NameEdit.OnDblClick = [&form] { QuickNameChange(form); };
  form.NameEditLabel.OnClick = [&form] { QuickNameChange(form); };
  form.RankBox.OnChange = [&form] { RankBoxChange(form); };
  for (TComboBox* box : {&form.MFBox, &form.KillBox, &form.GrKillBox}) {
    box->OnChange = [&form] { MFBoxChange(form); };
  }
  form.CityEdit.OnChange = [&form] { CityEditChange(form); };
  form.BirthEdit.OnChange = [&form] { BirthEditChange(form); };
  form.PilotPhoto.OnClick = [&form] { PilotPhotoClick(form); };
  form.PilotPhoto.OnDblClick = [&form] { PilotPhotoClick(form); };
  form.OpenPilotPhoto.OnCanClose = [&form](bool& can_close) {
    OpenPilotPhotoCanClose(form, can_close);
  };
  form.LPicButton.OnClick = [&form] { LPicButtonClick(form); };
  form.RPicButton.OnClick = [&form] { RPicButtonClick(form); };
  form.PaintBox.OnChange = [&form] { PaintBoxChange(form); };
  form.MarkBox.OnChange = [&form] { MarkBoxChange(form); };
  form.NoseArtBox.OnChange = [&form] { NoseArtBoxChange(form); };
  form.TrackPlayerRanks.OnClick = [&form] { TrackPlayerRanksClick(form); };
}
