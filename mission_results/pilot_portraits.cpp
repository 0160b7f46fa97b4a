#include "mission_results/pilot_portraits.h"

#include <algorithm>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_setup/paints.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// The pilot open in the editor; false when none is selected.
bool CurrentPilot(TMainForm& form, int& squadron, int& slot) {
  squadron = form.SquadBox.ItemIndex();
  slot = form.PilotListBox.ItemIndex;
  return squadron >= 0 && slot >= 0 && slot < 16;
}

std::string WithBackslashes(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

void ShowNoPilotPicture(TMainForm& form) {
  try {
    form.PilotPhoto.LoadFromFile(form.ProgramFolder + "Data\\Aces\\nopilot.bmp");
  } catch (const FileError& error) {
    form.PilotPhoto.Clear();
    ErrorLog(form, std::string("The \"no pilot\" picture cannot be shown: ") + error.what());
  }
}

// A Windows bitmap whose header the game's tools left wrong may show once repaired.
void ShowRepairedBitmap(TMainForm& form, const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  if (bytes.rfind("BM", 0) != 0) return;
  DisplayPSBitmap(form, path);
  const std::string repaired = form.ProgramFolder + "bmp.bmp";
  if (FileExists(repaired)) form.PilotPhoto.LoadFromFile(repaired);
}

void StepPortrait(TMainForm& form, int step) {
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot)) return;
  std::string& portrait = form.PilotRoster[RosterIndex(squadron, slot)].RosterPhoto;
  const std::string stepped = SteppedPortrait(portrait, step);
  if (stepped.empty()) {
    const std::string lower = AsciiLowerCase(portrait);
    if (lower != "dgen\\photo" && !StartsWith(lower, "dgen\\ace")) {
      ErrorLog(form, "The portrait " + portrait + " ends in no number; there is none to step to.");
    }
    return;
  }
  if (FileExists(form.GameFolder + stepped + ".bmp")) portrait = stepped;
  LoadPilotPhoto(form, squadron, slot);
}

}  // namespace

std::string SteppedPortrait(const std::string& portrait, int step) {
  const std::string lower = AsciiLowerCase(portrait);
  if (lower == "dgen\\photo" || StartsWith(lower, "dgen\\ace")) return std::string();
  if (portrait.size() < 2) return std::string();
  const std::string digits = Trim(portrait.substr(portrait.size() - 2));
  const int number = StrToIntDef(digits, -1);
  if (number < 0 || digits.find_first_not_of("0123456789") != std::string::npos) {
    return std::string();
  }
  int next = number + step;
  if (next > 31) next = 0;
  if (next < 0) next = 31;
  return Trim(portrait.substr(0, portrait.size() - 2)) + ZeroPad(next, 2);
}

std::string PortraitOfFile(const std::string& game_folder, const std::string& chosen_file) {
  std::string path = WithBackslashes(chosen_file);
  const std::string game = WithBackslashes(game_folder);
  // Only the part below the game folder counts: the game folder's own name may hold "dgen".
  if (!game.empty() && EqualsIgnoreCase(path.substr(0, game.size()), game)) {
    path = path.substr(game.size());
  }
  const size_t dgen = AsciiLowerCase(path).find("dgen");
  std::string portrait =
      Trim(Copy(path, dgen == std::string::npos ? 1 : static_cast<int>(dgen) + 1, 99));
  portrait.resize(portrait.size() > 4 ? portrait.size() - 4 : 0);
  return portrait;
}

void LoadPilotPhoto(TMainForm& form, int squadron, int slot) {
  const std::string& portrait = form.PilotRoster[RosterIndex(squadron, slot)].RosterPhoto;
  const std::string file = form.GameFolder + portrait + ".bmp";
  if (!FileExists(file)) return;
  form.PhotoLabel.Caption = portrait + ".bmp";
  try {
    form.PilotPhoto.LoadFromFile(file);
  } catch (const FileError& error) {
    ErrorLog(form, "The portrait " + portrait + ".bmp cannot be shown: " + error.what());
    ShowNoPilotPicture(form);
    try {
      ShowRepairedBitmap(form, file);
    } catch (const FileError& repair_error) {
      ErrorLog(form,
               "The portrait " + portrait + ".bmp cannot be repaired: " + repair_error.what());
    }
  }
}

void PilotPhotoClick(TMainForm& form) {
  form.OpenPilotPhoto.InitialDir = form.GameFolder + "dgen";
  form.OpenPilotPhoto.Execute();
}

void OpenPilotPhotoCanClose(TMainForm& form, bool& can_close) {
  can_close = true;
  int squadron = -1;
  int slot = -1;
  if (!CurrentPilot(form, squadron, slot)) return;
  const std::string portrait = PortraitOfFile(form.GameFolder, form.OpenPilotPhoto.FileName);
  if (!portrait.empty() && FileExists(form.GameFolder + portrait + ".bmp")) {
    form.PilotRoster[RosterIndex(squadron, slot)].RosterPhoto = portrait;
  } else {
    ErrorLog(form, "The file " + form.OpenPilotPhoto.FileName +
                       " is no portrait of the game folder; the portrait stays.");
  }
  LoadPilotPhoto(form, squadron, slot);
}

void LPicButtonClick(TMainForm& form) {
  StepPortrait(form, -1);
}

void RPicButtonClick(TMainForm& form) {
  StepPortrait(form, +1);
}
