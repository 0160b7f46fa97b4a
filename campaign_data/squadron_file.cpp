#include "campaign_data/squadron_file.h"

#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/damaged_files.h"
#include "campaign_data/file_read_report.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_block.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/squadron_names.h"
#include "campaign_data/text.h"
#include "campaign_setup/flight_sizes.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

std::string SquadronFilePath(const TMainForm& form) {
  return form.CampaignFolder + "squadrons.tavrek";
}

// A fuel text set earlier in this run (by the timetable, for one) stays; a new one is full,
// less for bombers of a small action radius and for squadrons based off the map.
void SetFuel(TMainForm& form, int index) {
  SquadronEntry& squadron = form.SquadronTable[index];
  if (squadron.SquadronFuel.size() < 6) {
    squadron.SquadronFuel = "Fuel 100";
    const bool off_map = OffMapCheck(form, squadron.SquadronHomeBase) == "Y";
    const bool bomber_on_map = squadron.SquadronRole == "2" && !off_map;
    if (form.ActionRadiusKm < 200 && bomber_on_map) squadron.SquadronFuel = "Fuel 75";
    if (form.ActionRadiusKm < 50 && bomber_on_map) squadron.SquadronFuel = "Fuel 50";
    if (off_map) squadron.SquadronFuel = "Fuel 75";
  }
  if (index == 0) {
    std::string percentage = form.FuelBox.Text;
    if (const size_t sign = percentage.find('%'); sign != std::string::npos) {
      percentage.erase(sign, 1);
    }
    squadron.SquadronFuel = "Fuel " + percentage;
  }
}

// The block's texts are moved into the table: the blocks are not used after.
void StoreBlock(TMainForm& form, int index, SquadronBlock&& block) {
  SquadronEntry& squadron = form.SquadronTable[index];
  squadron.SquadronName = std::move(block.name);
  squadron.PlanesAvailable = block.planes.available;
  squadron.PlanesFlight = block.planes.available;
  squadron.PlanesMax = block.planes.maximum;
  squadron.PlanesLost = block.planes.minimum;
  squadron.PlanesExtra = block.planes.per_flight;
  if (!form.Tracking.Checked) {
    // Without loss tracking every squadron starts each load at full strength.
    squadron.PlanesFlight = squadron.PlanesMax;
    squadron.PlanesAvailable = squadron.PlanesMax;
  }
  squadron.SquadronSkill = std::move(block.skill);
  squadron.SquadronClass = block.aircraft;
  squadron.SquadronBaseClass = std::move(block.aircraft);
  squadron.SquadronActive = std::move(block.active);
  squadron.SquadronAI = std::move(block.ai);
  squadron.SquadronMarkings = std::move(block.markings);
  squadron.SquadronSkin = std::move(block.skin);
  squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
  squadron.SquadronHomeBase = std::move(block.base);
  squadron.SquadronRadio = std::move(block.radio);
  SetFuel(form, index);
  squadron.SquadronTakeOffLeg.clear();
  squadron.SquadronLandingLeg.clear();
  squadron.SquadronNewBase.clear();
}

bool EditionWritesSkins(const std::string& game_id) {
  return game_id == "IL2FB" || game_id == "PFm" || game_id == "AEP" || game_id == "PE2" ||
         game_id == "1946" || game_id == "PF";
}

using SquadronLayout = CampaignDataState::SquadronLayout;

SquadronLayout LayoutOf(const std::vector<SquadronBlock>& blocks) {
  if (blocks.empty()) return SquadronLayout::kUnknown;
  for (const SquadronBlock& block : blocks) {
    if (block.names_skin) return SquadronLayout::kSkins;
  }
  return SquadronLayout::kWeapons;
}

// The layout of the file as read, unless the edition changed after that read (a game folder
// chosen since); an edition not known at the read changes nothing. Without a layout read, the
// edition decides.
bool WritesSkinLine(const TMainForm& form) {
  const bool edition_changed =
      !form.SquadronFileEdition.empty() && form.GameID != form.SquadronFileEdition;
  if (form.SquadronFileLayout == SquadronLayout::kUnknown || edition_changed) {
    return EditionWritesSkins(form.GameID);
  }
  return form.SquadronFileLayout == SquadronLayout::kSkins;
}

}  // namespace

void SquadronList(TMainForm& form, const std::string& mode) {
  (void)mode;
  const std::string path = SquadronFilePath(form);
  if (!FileExists(path)) return;
  std::vector<SquadronBlock> blocks;
  InspectedTextFile file = ReadInspectedTextFile(form.FileReads, path);
  try {
    const bool coop_modes = form.Coop.Checked || form.NGenBoot.Checked;
    blocks = ParseSquadronFile(file.lines(), coop_modes, kSquadronCapacity, file.report);
  } catch (const ProgramError& error) {
    // Nothing is taken from a corrupt file; a table loaded before stays, and a save of it
    // keeps this file first.
    ErrorLog(form, error.what());
    file.report.Add(std::string("it was refused whole: ") + error.what());
    form.SquadronFileRead = LoadedFile{path, std::move(file.report)};
    throw;
  }
  if (!file.report.WholeAndClean()) {
    ErrorLog(form, "squadrons.tavrek was not read whole: " + file.report.Faults() + ".");
  }
  form.SquadronFileRead = LoadedFile{path, std::move(file.report)};
  form.SquadronFileLayout = LayoutOf(blocks);
  form.SquadronFileEdition = form.GameID;
  const SquadronNameOverrides name_overrides(ReadSquadronIds(form));

  for (size_t i = 0; i < blocks.size(); ++i) {
    StoreBlock(form, static_cast<int>(i), std::move(blocks[i]));
  }
  form.LastSquadron = static_cast<int>(blocks.size()) - 1;
  LoadSquadrons(form);
  // The rules below fill every flight size still 0 from these, so they must be set: sizes of 0
  // would be saved as the squadrons' own.
  SetFlightSizes(form);
  const OrdinalEndings endings = OrdinalEndingsOf(form);
  for (int i = 0; i <= form.LastSquadron; ++i) {
    FlightSizeCheck(form, i);
    SquadronEntry& squadron = form.SquadronTable[i];
    squadron.SquadronFullName = FullSquadronName(squadron.SquadronName, name_overrides, endings);
  }
}

void SaveSquadrons(TMainForm& form, int mode) {
  (void)mode;
  std::string text;
  const bool skin_line = WritesSkinLine(form);
  for (int i = 0; i <= form.LastSquadron; ++i) {
    const SquadronEntry& squadron = form.SquadronTable[i];
    if (!squadron.SquadronName.empty()) AppendSquadronBlock(text, squadron, skin_line);
  }
  // An empty text would wipe the campaign's squadrons: the table is not loaded, or every
  // squadron of it is blank.
  if (text.empty()) {
    ErrorLog(form, "Squadrons not saved: no squadron is loaded.");
    return;
  }
  const std::string path = SquadronFilePath(form);
  KeepDamagedOriginal(form, form.SquadronFileRead, path);
  WriteTextFile(path, text);
}
