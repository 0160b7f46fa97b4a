#include "campaign_setup/squadron_list_changes.h"

#include <array>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/squadron_names.h"
#include "campaign_data/text.h"
#include "campaign_setup/coop_campaign.h"
#include "campaign_setup/squadron_editor.h"
#include "mission_results/name_lists.h"
#include "mission_results/new_pilots.h"
#include "mission_results/pilot_roster.h"
#include "platform/errors.h"

namespace {

// Rank codes of a new squadron's pilots, slot by slot: one major, one captain, ...
constexpr std::array<const char*, 16> kStartRanks{"6", "5", "4", "3", "3", "2", "2", "2",
                                                  "1", "1", "1", "1", "0", "0", "0", "0"};

bool NameTaken(const TMainForm& form, const std::string& name) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    if (std::as_const(form.SquadronTable)[s].SquadronName == name) return true;
  }
  return false;
}

// Logged, and shown to a user at the window; a hidden run shows nothing.
void TellRefusal(TMainForm& form, const std::string& message) {
  ErrorLog(form, message);
  if (!form.CommandLineRun()) {
    form.Platform.DialogService().MessageBox(message, form.Application.Title, MessageButtons::kOk);
  }
}

void PostNewPilots(TMainForm& form, int s) {
  for (int slot = 0; slot < static_cast<int>(kStartRanks.size()); ++slot) {
    PilotEntry& pilot = form.PilotRoster[RosterIndex(s, slot)];
    pilot = PilotEntry{};
    pilot.RosterSkin = "1default.bmp";
    pilot.RosterRank = kStartRanks[slot];
    pilot.RosterBirthDate = GetBirthDate(form, s, slot);
    NewPilotStats(form, s, slot);
    PilotNameCheck(form, s, slot);
  }
}

}  // namespace

void AddNewSquadron(TMainForm& form, const std::string& squadron_name) {
  if (form.LastSquadron + 1 >= kSquadronCapacity) {
    TellRefusal(form, "Squadron " + squadron_name + " not added: the campaign already has " +
                          IntToStr(kSquadronCapacity) + " squadrons, as many as it can hold.");
    return;
  }
  if (NameTaken(form, squadron_name)) {
    TellRefusal(form, "Squadron " + squadron_name +
                          " not added: " + form.Messages.Text(MessageSection::kErrors, 18));
    return;
  }
  const int n = form.LastSquadron + 1;
  form.LastSquadron = n;
  const SquadronEntry player = std::as_const(form.SquadronTable)[0];
  // The entry may still hold a squadron removed earlier in this run.
  SquadronEntry& squadron = form.SquadronTable[n];
  squadron = SquadronEntry{};
  squadron.SquadronName = squadron_name;
  squadron.TypeDescription = player.SquadronPlaneText;
  squadron.SquadronPlaneText = player.SquadronPlaneText;
  squadron.SquadronClass = player.SquadronClass;
  squadron.SquadronBaseClass = player.SquadronBaseClass;
  squadron.SquadronHomeBase = "Unknown";
  squadron.PlanesExtra = 0;
  squadron.PlanesMax = "16";
  squadron.PlanesLost = "0";
  squadron.PlanesFlight = "16";
  squadron.PlanesAvailable = "16";
  squadron.SquadronArmy = player.SquadronArmy;
  SquadCountry(form, n);
  squadron.SquadronSkill = "Skill 1";
  squadron.SquadronSkin = "default.bmp";
  squadron.SquadronMarkings = "1";
  squadron.SquadronActive = "Active False";
  squadron.SquadronAI = "AI False";
  squadron.SquadronRadio = "Radio";

  SaveSquadrons(form, 0);
  SquadronList(form, "OFF");  // completes the type data and the flight size
  PostNewPilots(form, n);
  SavePilot(form, 0);
  UpdateNGenConf(form, n, squadron_name, squadron_name, "Add");
}

void SquadDelete(TMainForm& form, int s) {
  if (s < 0 || s > form.LastSquadron) return;
  SquadronEntry& squadron = form.SquadronTable[s];
  UpdateNGenConf(form, s, squadron.SquadronName, squadron.SquadronFullName, "Remove");
  for (std::string* field :
       {&squadron.SquadronName,     &squadron.SquadronClass,     &squadron.SquadronBaseClass,
        &squadron.TypeDescription,  &squadron.SquadronPlaneText, &squadron.SquadronHomeBase,
        &squadron.PlanesMax,        &squadron.PlanesLost,        &squadron.PlanesFlight,
        &squadron.PlanesAvailable,  &squadron.SquadronSkill,     &squadron.SquadronSkin,
        &squadron.SquadronMarkings, &squadron.SquadronActive,    &squadron.SquadronAI,
        &squadron.SquadronWeapons,  &squadron.SquadronArmy,      &squadron.SquadronRole,
        &squadron.SquadronFlyable,  &squadron.TypePayload2,      &squadron.TypePayload3,
        &squadron.TypePayload4,     &squadron.TypePayload5,      &squadron.TypePayload6,
        &squadron.SquadronRadio,    &squadron.TypeUpgrade}) {
    field->clear();
  }
  squadron.PlanesExtra = 0;
  squadron.TypeServiceStart = 0;
  squadron.TypeServiceEnd = 0;
}

void SquadCleanUp(TMainForm& form) {
  SavePilot(form, 0);
  ErrorLog(form, "Pilots saved.");
  SaveSquadrons(form, 0);
  ErrorLog(form, "Squadrons saved.");
  SquadronList(form, "OFF");
  SquadronBase(form);
  SaveSquadrons(form, 0);
  LoadPilots(form);
  ErrorLog(form, "Pilots reloaded.");
}

void SqRemoveClick(TMainForm& form) {
  const int s = form.SquadBox.ItemIndex();
  if (s < 0 || s > form.LastSquadron) return;
  if (s == 0) {
    throw ProgramError(
        "The player's squadron cannot be removed. Choose another aircraft or name for it "
        "instead.");
  }
  const std::string question = "Remove Squad " + form.SquadronTable[s].SquadronName + "?";
  if (form.Platform.DialogService().MessageBox(question, "Delete", MessageButtons::kOkCancel) !=
      ModalResult::kOk) {
    return;
  }
  SquadDelete(form, s);
  SquadCleanUp(form);
  QuickEditClick(form);
}
