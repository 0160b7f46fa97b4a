// The squadron editor's change handlers: each checks the change first, then stores it in the
// squadron table and saves squadrons.tavrek.

#include <utility>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/squadron_names.h"
#include "campaign_data/text.h"
#include "campaign_setup/coop_campaign.h"
#include "campaign_setup/paints.h"
#include "campaign_setup/panels.h"
#include "campaign_setup/services.h"
#include "campaign_setup/squadron_editor.h"
#include "campaign_setup/squadron_editor_lists.h"
#include "mission_results/name_lists.h"
#include "mission_results/pilot_editor.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/rank_awards.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

constexpr int kPilots = 16;

int ChosenSquadron(const TMainForm& form) {
  const int s = form.SquadBox.ItemIndex();
  return s >= 0 && s <= form.LastSquadron ? s : -1;
}

// The player flies squadron 0 off-line and in the dogfight; only in co-op may the computer.
bool PlayersOwn(const TMainForm& form, int s) {
  return s == 0 && !form.Coop.Checked;
}

[[noreturn]] void Refuse(TMainForm& form, const std::string& message) {
  ErrorLog(form, message);
  throw ProgramError(message);
}

const std::string& ErrorText(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kErrors, line);
}

// A number the box offers, or -1.
int OfferedNumber(const TComboBox& box) {
  return box.ItemIndex() < 0 ? -1 : StrToIntDef(Trim(box.Text), -1);
}

void ShowStrength(TMainForm& form, const SquadronEntry& squadron) {
  form.MaxBox.Text = Trim(squadron.PlanesMax);
  form.MinBox.Text = Trim(squadron.PlanesLost);
  form.FSizeBox.Text = IntToStr(squadron.PlanesExtra);
}

void ShowName(TMainForm& form, const std::string& name) {
  form.SquadIDBox.Text = name.empty() ? std::string() : name.substr(0, name.size() - 1);
  form.SquadNoBox.Text = name.empty() ? std::string() : name.substr(name.size() - 1);
}

bool NameTakenByAnother(const TMainForm& form, int s, const std::string& name) {
  for (int t = 0; t <= form.LastSquadron; ++t) {
    if (t != s && std::as_const(form.SquadronTable)[t].SquadronName == name) return true;
  }
  return false;
}

// The game has a career folder for the nation, so its squadrons can be flown there.
bool NationInGame(const TMainForm& form, const std::string& nation) {
  return DirectoryExists(form.GameFolder + "Missions\\Campaign\\" + AsciiUpperCase(nation));
}

const AircraftClassEntry* ClassOfLine(const TMainForm& form, const std::string& class_line) {
  for (int c = 0; c <= form.LastAircraftClass; ++c) {
    const AircraftClassEntry& type = std::as_const(form.AircraftClassTable)[c];
    if ("Class air." + Trim(type.ClassName) == class_line) return &type;
  }
  return nullptr;
}

void GiveNewNames(TMainForm& form, int s) {
  for (int slot = 0; slot < kPilots; ++slot) {
    PilotName(form, s, slot);
    PilotNameCheck(form, s, slot);
  }
  SavePilot(form, 0);
}

}  // namespace

void SquadIDBoxChange(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  SquadronEntry& squadron = form.SquadronTable[s];
  const std::string old_name = squadron.SquadronName;
  const std::string old_full_name = squadron.SquadronFullName;
  const std::string id = Trim(form.SquadIDBox.Text);
  if (!Contains(old_name, id)) form.SquadNoBox.Text = "0";
  const std::string number = Trim(form.SquadNoBox.Text);
  const std::string new_name = id + number;
  if (new_name == old_name) return;

  // Every refusal leaves the squadron, its files and the boxes as they were.
  const auto refuse = [&](const std::string& message) {
    ShowName(form, old_name);
    Refuse(form, message);
  };
  if (!UsableSquadronName(id) || number.size() != 1 || number[0] < '0' || number[0] > '9') {
    refuse("\"" + new_name +
           "\" cannot name a squadron: a unit id without blanks or brackets "
           "and a squadron number from 0 to 9 are needed.");
  }
  const SquadronCountry country =
      CountryOfSquadron(new_name, squadron.SquadronArmy, squadron.SquadronNation);
  if (!NationInGame(form, country.nation)) {
    refuse("The squadron chosen is not activated in the game.  Please select another squadron.");
  }
  if (NameTakenByAnother(form, s, new_name)) refuse(ErrorText(form, 18));

  const bool nation_changes = Country(old_name) != Country(new_name);
  squadron.SquadronName = new_name;
  SquadCountry(form, s);
  GetFullName(form, s);
  SaveSquadrons(form, 0);
  if (nation_changes) GiveNewNames(form, s);

  LoadPilots(form);
  SavePilot(form, 0);
  form.SquadBox.Items[s] = new_name;
  form.SquadBox.SetItemIndex(s);
  SquadBoxChange(form);
  form.SquadIDBox.Text = id;
  UpdateNGenConf(form, s, old_name, old_full_name, "Rename");
  ModeDescription(form);
  IconDisplay(form);
}

void PlaneBoxChange(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  SquadronEntry& squadron = form.SquadronTable[s];
  const int chosen = form.PlaneBox.ItemIndex();
  if (chosen < 0 || chosen >= static_cast<int>(form.SClassBox.Items.size())) {
    const std::string typed = form.PlaneBox.Text;
    form.PlaneBox.Text = squadron.SquadronPlaneText;
    Refuse(form, "\"" + typed + "\" is not an aircraft this squadron can be given.");
  }
  const std::string description = form.PlaneBox.Items[chosen];
  const std::string class_line = form.SClassBox.Items[chosen];
  const AircraftClassEntry* type = ClassOfLine(form, class_line);
  if (PlayersOwn(form, s) && (type == nullptr || Trim(type->ClassFlyable) != "1")) {
    form.PlaneBox.Text = squadron.SquadronPlaneText;
    Refuse(form, ErrorText(form, 16));
  }

  form.SClassBox.SetItemIndex(chosen);
  squadron.TypeDescription = description;
  squadron.SquadronPlaneText = description;
  squadron.SquadronClass = class_line;
  squadron.SquadronBaseClass = class_line;
  squadron.SquadronWeapons = "default";
  APlaneLabelUpdate(form);
  squadron.SquadronSkin = "default.bmp";
  form.SkinBox.Text = "default.bmp";
  form.SkinImage.Visible = false;
  form.SqMark.Text = "Yes";

  SaveSquadrons(form, 0);
  LoadSquadrons(form);
  ManualAirfield(form, s);
  IconDisplay(form);
  if (s == 0) {
    form.MissionRadio.ItemIndex = 0;
    UpDateCampaignInfo(form);
  }
  SkinBoxList(form);
  form.SkinBox.Text = squadron.SquadronSkin;
  form.SqMark.Text = squadron.SquadronMarkings == "0" ? "No" : "Yes";
  RankAwardSetup(form, s);
  ModeDescription(form);
}

void SkillBoxChange(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  form.SquadronTable[s].SquadronSkill = SkillOfItem(form.SkillBox.Text);
  SaveSquadrons(form, 0);
}

void AirfieldBoxChange(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  SquadronEntry& squadron = form.SquadronTable[s];
  const std::string base = form.AirfieldBox.Text;
  if (form.AirfieldBox.ItemIndex() < 0) {
    form.AirfieldBox.Text = squadron.SquadronHomeBase;
    Refuse(form, "\"" + base + "\" is not a base this squadron can use.");
  }
  if (!BaseSuitsRole(base, squadron.SquadronRole)) {
    form.AirfieldBox.Text = squadron.SquadronHomeBase;
    Refuse(form, ErrorText(form, 17));
  }
  squadron.SquadronHomeBase = base;
  GetAirfieldDistance(form, s);
  SaveSquadrons(form, 0);
}

void MaxBoxChange(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  SquadronEntry& squadron = form.SquadronTable[s];
  const int max = OfferedNumber(form.MaxBox);
  const int min = OfferedNumber(form.MinBox);
  const int flight_size = OfferedNumber(form.FSizeBox);
  if (max < 0 || min < 0 || flight_size < 0) {
    ShowStrength(form, squadron);
    throw ProgramError("Choose the numbers of planes from the lists.");
  }
  if (max < min) {
    form.MaxBox.Text = form.MinBox.Text;
    throw ProgramError(
        "The maximum number of planes must be equal to or greater than the minimum number.");
  }
  squadron.PlanesMax = IntToStr(max);
  squadron.PlanesLost = IntToStr(min);
  squadron.PlanesExtra = flight_size;
  if (flight_size > max) {
    squadron.PlanesExtra = max;
    form.FSizeBox.Text = IntToStr(max);
    throw ProgramError("The flight size must be equal to or less than than the maximum number.");
  }
  APlaneLabelUpdate(form);
  SaveSquadrons(form, 0);
  PilotSort(form);
  PilotBox(form, s);
}

void SetRadioBoxChange(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  SquadronEntry& squadron = form.SquadronTable[s];
  if (form.SetRadioBox.Text == "No") {
    squadron.SquadronRadio = "NoRadio";
  } else if (form.SetRadioBox.Text == "Yes") {
    squadron.SquadronRadio = "Radio";
  } else {
    form.SetRadioBox.Text = squadron.SquadronRadio == "NoRadio" ? "No" : "Yes";
    return;
  }
  SaveSquadrons(form, 0);
}

void ActiveBoxClick(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  if (PlayersOwn(form, s)) form.ActiveBox.Checked = true;
  form.SquadronTable[s].SquadronActive = form.ActiveBox.Checked ? "Active True " : "Active False";
  SaveSquadrons(form, 0);
}

void AIBoxClick(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  SquadronEntry& squadron = form.SquadronTable[s];
  if (PlayersOwn(form, s)) form.AIBox.Checked = false;
  if (squadron.SquadronFlyable == "0") form.AIBox.Checked = true;
  squadron.SquadronAI = form.AIBox.Checked ? "AI True" : "AI False";
  SaveSquadrons(form, 0);
}
