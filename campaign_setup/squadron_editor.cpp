#include "campaign_setup/squadron_editor.h"

#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/geometry.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/startup.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/game_edition.h"
#include "campaign_setup/paints.h"
#include "campaign_setup/panels.h"
#include "campaign_setup/squadron_editor_lists.h"
#include "campaign_setup/squadron_list_changes.h"
#include "mission_generation/column_targets.h"
#include "mission_results/event_log.h"
#include "mission_results/pilot_editor.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/rank_awards.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kAddNewItem = "Add New Squadron ";
constexpr unsigned kLightGreen = 0xC0DCC0;
constexpr unsigned kRed = 0x0000FF;

std::vector<std::string> Numbers(int from, int to) {
  std::vector<std::string> items;
  for (int n = from; n <= to; ++n) items.push_back(IntToStr(n));
  return items;
}

void ShowPanel(TMainForm& form) {
  form.QEPanel.Enabled = true;
  form.QEPanel.Visible = true;
}

// The tables the editor works on, as the ground war editor loads them; the squadrons and
// pilots are always read again, so the editor starts from what the files hold.
void LoadForEditing(TMainForm& form) {
  ArmorList(form);
  LoadShipInfo(form);
  if (form.LastLocation < 0) LoadCampaignMap(form);
  if (form.LastStationary < 0) StationaryList(form);
  if (form.LastColumn < 0) ColumnList(form);
  SquadronList(form, "OFF");
  SquadronBase(form);
  SaveSquadrons(form, 0);
  LoadPilots(form);
  PilotSort(form);
  SavePilot(form, 0);
  LoadPaints(form);
}

std::vector<std::string> SquadronNames(const TMainForm& form) {
  std::vector<std::string> names;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    names.push_back(std::as_const(form.SquadronTable)[s].SquadronName);
  }
  names.emplace_back(kAddNewItem);
  return names;
}

OfferedAircraft OfferedTypes(TMainForm& form) {
  if (form.LastActivePlane < 0) GetActivePlanes(form);
  std::vector<AircraftClassEntry> classes;
  for (int c = 0; c <= form.LastAircraftClass; ++c) {
    classes.push_back(std::as_const(form.AircraftClassTable)[c]);
  }
  std::vector<std::string> installed;
  for (int k = 0; k <= form.LastActivePlane; ++k) {
    installed.push_back(std::as_const(form.ActivePlaneList)[k]);
  }
  return AircraftOffered(classes, installed, form.HistDates.Checked,
                         form.CampaignYear * 100 + form.CampaignMonth);
}

std::vector<std::string> UnitIds(TMainForm& form) {
  const std::string path = ReferenceFilePath(form, "squadids.tavrek");
  if (!FileExists(path)) throw FileError("Cannot open file \"" + path + "\".");
  return SquadronIdsOf(ReadTextLines(path));
}

std::string UnitLabelText(const TMainForm& form, int squadron) {
  if (squadron != 0 || form.Coop.Checked) {
    return "Unit to Edit: No." + IntToStr(squadron) + " Squadron";
  }
  return "Unit to Edit: Single Player Squadron";
}

void SetPilotListHint(TMainForm& form, int squadron) {
  form.PilotListBox.Hint =
      form.SquadronManagement.Checked && squadron == 0
          ? "Click once to swap a pilot then click again on the pilot you wish to swap.  "
            "Double-click to edit a pilot's profile."
          : "Double-click to edit a pilot's profile.";
}

void ShowMarkings(TMainForm& form, const SquadronEntry& squadron) {
  form.SqMark.Text = squadron.SquadronMarkings == "0" ? "No" : "Yes";
}

// Everything the panel shows of the squadron, once the lists hold it.
void ShowChosenSquadron(TMainForm& form, int s) {
  ManualSquadron(form, s);
  SquadronEntry& squadron = form.SquadronTable[s];
  form.SkinImage.Visible = false;
  form.SquadIDBoxLabel.Caption = "Unit Name";
  ShowMarkings(form, squadron);
  form.ActiveBox.Checked = squadron.SquadronActive == "Active True ";
  // A type the player cannot fly is flown by the computer.
  if (squadron.SquadronFlyable == "0") squadron.SquadronAI = "AI True";
  form.AIBox.Checked = squadron.SquadronAI == "AI True";
  form.AIBox.Visible = s != 0 && (form.Coop.Checked || form.Dogfight.Checked);
  IconDisplay(form);
  RankAwardSetup(form, s);
  PilotBox(form, s);
  APlaneLabelUpdate(form);
  form.UnitLabel.Caption = UnitLabelText(form, s);
  SetPilotListHint(form, s);
  SkinBoxSelection(form);
}

int ChosenSquadron(const TMainForm& form) {
  const int s = form.SquadBox.ItemIndex();
  return s >= 0 && s <= form.LastSquadron ? s : -1;
}

}  // namespace

void WireSquadronEditor(TMainForm& form) {
  form.QEButton.Hint = "Squadron Editor Panel";
  form.SquadBox.Hint = "The top unit is always the player's unit.";
  form.ActiveBox.Hint = "Check to make squad always active.";
  form.AIBox.Hint = "Coop Missions: Computer controlled only?";
  form.SqRemove.Hint = "Permanently Remove Squadron?";
  form.SClassBox.Visible = false;
  form.DistanceEdit.Enabled = false;  // shown, not edited
  form.SquadNoBox.Items = Numbers(0, 3);
  form.SkillBox.Items = {"Rookie", "Average", "Veteran", "Ace"};
  form.MaxBox.Items = Numbers(1, 16);
  form.MinBox.Items = Numbers(0, 16);
  form.FSizeBox.Items = Numbers(1, 4);
  form.SetRadioBox.Items = {"No", "Yes"};
  form.SqMark.Items = {"No", "Yes"};

  form.QuickEdit.OnClick = [&form] { QuickEditClick(form); };
  form.QEButton.OnClick = [&form] { QuickEditClick(form); };
  form.SquadBox.OnChange = [&form] { SquadBoxChange(form); };
  form.SquadIDBox.OnChange = [&form] { SquadIDBoxChange(form); };
  form.SquadNoBox.OnChange = [&form] { SquadIDBoxChange(form); };
  form.PlaneBox.OnChange = [&form] { PlaneBoxChange(form); };
  form.SkillBox.OnChange = [&form] { SkillBoxChange(form); };
  form.AirfieldBox.OnChange = [&form] { AirfieldBoxChange(form); };
  for (TComboBox* box : {&form.MaxBox, &form.MinBox, &form.FSizeBox}) {
    box->OnChange = [&form] { MaxBoxChange(form); };
  }
  form.SetRadioBox.OnChange = [&form] { SetRadioBoxChange(form); };
  form.ActiveBox.OnClick = [&form] { ActiveBoxClick(form); };
  form.AIBox.OnClick = [&form] { AIBoxClick(form); };
  form.SqRemove.OnClick = [&form] { SqRemoveClick(form); };
  form.SkinBox.OnChange = [&form] { SkinBoxChange(form); };
  form.SqMark.OnChange = [&form] { MarkingsOnClick(form); };
  form.UniformButton.OnClick = [&form] { UniformButtonClick(form); };
}

void QuickEditClick(TMainForm& form) {
  form.DistanceEdit.Visible = false;
  form.InfoLabel.Caption = "Squadron Editor";
  form.DayStep = 0;
  form.PendingSwapSquadron = -1;
  form.PendingSwapSlot = -1;
  CleanUpPanels(form);
  CleanUpCampChk(form);
  LoadForEditing(form);
  if (form.LastSquadron < 0) {
    // No campaign, or one without squadrons: there is nothing to edit.
    throw ProgramError(form.Messages.Text(MessageSection::kErrors, 11));
  }
  ShowPanel(form);
  form.DescLabel.Caption =
      "Changes to squadron composition will not take effect until the next mission is generated.";

  SquadronEntry& player = form.SquadronTable[0];
  player.SquadronActive = "Active True ";
  player.SquadronAI = "AI False";
  SaveSquadrons(form, 0);

  form.SkinImage.Visible = false;
  LoadStationary(form);
  MasterLog(form);

  ManualSquadron(form, 0);
  RankAwardSetup(form, 0);
  PilotBox(form, 0);
  ShowMarkings(form, std::as_const(form.SquadronTable)[0]);
  IconDisplay(form);
  form.AIBox.Visible = false;
  form.ActiveBox.Checked = std::as_const(form.SquadronTable)[0].SquadronActive == "Active True ";
  SetPilotListHint(form, 0);
  SkinBoxSelection(form);
}

void ManualSquadron(TMainForm& form, int s) {
  form.SquadBox.Items = SquadronNames(form);
  form.SquadBox.SetItemIndex(s);
  if (form.GameID.empty()) GameIDCheck(form);

  OfferedAircraft offered = OfferedTypes(form);
  form.PlaneBox.Items = std::move(offered.descriptions);
  form.SClassBox.Items = std::move(offered.class_lines);
  form.SquadIDBox.Items = UnitIds(form);

  const SquadronEntry& squadron = std::as_const(form.SquadronTable)[s];
  const std::string& name = squadron.SquadronName;
  form.SquadIDBox.Text = name.empty() ? std::string() : name.substr(0, name.size() - 1);
  form.SquadNoBox.Text = name.empty() ? std::string() : name.substr(name.size() - 1);
  form.PlaneBox.Text = squadron.SquadronPlaneText;
  form.SClassBox.Text = squadron.SquadronClass;
  form.SkillBox.Text = ItemOfSkill(squadron.SquadronSkill);
  form.AirfieldBox.Text = squadron.SquadronHomeBase;
  form.MaxBox.Text = Trim(squadron.PlanesMax);
  form.MinBox.Text = Trim(squadron.PlanesLost);
  form.FSizeBox.Text = IntToStr(squadron.PlanesExtra);
  APlaneLabelUpdate(form);
  SkinBoxList(form);
  form.SkinBox.Text = squadron.SquadronSkin;
  ManualAirfield(form, s);
  form.UnitLabel.Caption = UnitLabelText(form, s);
  form.SetRadioBox.Text = squadron.SquadronRadio == "NoRadio" ? "No" : "Yes";
}

void SquadBoxChange(TMainForm& form) {
  int s = form.SquadBox.ItemIndex();
  if (Contains(form.SquadBox.Text, "Add New")) {
    const int last_before = form.LastSquadron;
    if (form.Platform.DialogService().MessageBox("Add New Squadron?", "Continue",
                                                 MessageButtons::kOkCancel) == ModalResult::kOk) {
      AddNewSquadron(form, "New0");
    }
    // Added: the new squadron, last of the list; cancelled or refused: the one before the item.
    s = form.LastSquadron > last_before ? form.LastSquadron : last_before;
  }
  if (s < 0 || s > form.LastSquadron) return;
  ShowChosenSquadron(form, s);
}

void ManualAirfield(TMainForm& form, int s) {
  std::vector<BasePlace> places;
  for (int l = 0; l <= form.LastLocation; ++l) {
    const LocationEntry& place = std::as_const(form.LocationTable)[l];
    places.push_back({place.LocationName, place.LocationArmy});
  }
  std::vector<CarrierColumn> columns;
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = std::as_const(form.ColumnTable)[c];
    columns.push_back({column.ColumnUnitName, column.ColumnType, column.ColumnArmy});
  }
  const SquadronEntry& squadron = std::as_const(form.SquadronTable)[s];
  form.AirfieldBox.Items =
      BasesOffered(places, columns, squadron.SquadronArmy, squadron.SquadronRole);
  GetAirfieldDistance(form, s);
}

void GetAirfieldDistance(TMainForm& form, int s) {
  const std::string& base = std::as_const(form.SquadronTable)[s].SquadronHomeBase;
  form.DistanceEdit.Text = "N/A";
  const auto kilometres_from_front = [&form](const std::string& position) {
    return IntToStr(GetDistance(position, form.FrontCenterPosition) / 1000) + " kms";
  };
  try {
    if (!form.FrontCenterPosition.empty()) {
      for (int l = 0; l <= form.LastLocation; ++l) {
        const LocationEntry& place = std::as_const(form.LocationTable)[l];
        if (place.LocationName == base) {
          form.DistanceEdit.Text = kilometres_from_front(place.LocationPosition);
        }
      }
      // A carrier's squadrons are as far from the front as its first route point.
      for (int c = 0; c <= form.LastColumn; ++c) {
        const ColumnEntry& column = std::as_const(form.ColumnTable)[c];
        if (column.ColumnUnitName != base || Trim(column.ColumnRoute[0]).empty()) continue;
        form.DistanceEdit.Text = kilometres_from_front(RoutePointPosition(column.ColumnRoute[0]));
      }
    }
  } catch (const ConversionError&) {
    form.DistanceEdit.Text = "N/A";  // a position without its numbers tells no distance
  }
  form.DistanceEdit.Visible = true;
}

void APlaneLabelUpdate(TMainForm& form) {
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  const SquadronEntry& squadron = std::as_const(form.SquadronTable)[s];
  if (squadron.TypeDescription != squadron.SquadronPlaneText) {
    form.APlaneLabel.Caption = squadron.TypeDescription + " x " + squadron.PlanesMax;
    form.APlaneLabel.FontColor = kRed;
  } else {
    form.APlaneLabel.Caption = squadron.TypeDescription + " x " + squadron.PlanesFlight;
    form.APlaneLabel.FontColor = kLightGreen;
  }
}

void IconDisplay(TMainForm& form) {
  TImage* const icons[] = {&form.RedStar,   &form.IronCross, &form.FiIcon,   &form.RoIcon,
                           &form.SkIcon,    &form.HuIcon,    &form.Iticon,   &form.JaIcon,
                           &form.USAAFIcon, &form.RAFIcon,   &form.RAAFIcon, &form.DuIcon,
                           &form.FRIcon,    &form.plicon};
  for (TImage* icon : icons) icon->Visible = false;
  const int s = ChosenSquadron(form);
  if (s < 0) return;
  const SquadronEntry& squadron = std::as_const(form.SquadronTable)[s];
  for (const std::string& shown : InsigniaShown(squadron.SquadronArmy, squadron.SquadronNation)) {
    for (TImage* icon : icons) {
      if (icon->Name() == shown) icon->Visible = true;
    }
  }
}
