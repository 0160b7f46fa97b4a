#include "campaign_progression/aircraft_changes.h"

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/aircraft_match.h"
#include "campaign_progression/campaign_data_folder.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_setup/game_edition.h"
#include "campaign_setup/paints.h"
#include "mission_results/pilot_roster.h"

namespace {

constexpr const char* kClassPrefix = "Class air.";
constexpr int kPilotSlots = 16;
constexpr int kDowngradeRounds = 10;
constexpr int kNewCampaignOdds = 999999;
constexpr const char* kPlanesAfterUpgrade = "4";

void SetClass(SquadronEntry& squadron, const std::string& type_id) {
  squadron.SquadronClass = kClassPrefix + type_id;
  squadron.SquadronBaseClass = squadron.SquadronClass;
}

// The type id of the squadron's class line.
std::string OwnType(const SquadronEntry& squadron) {
  return ReplaceTextProcedure(squadron.SquadronBaseClass, kClassPrefix, "");
}

void SaveAndReload(TMainForm& form) {
  SaveSquadrons(form, 0);
  SavePilot(form, 0);
  LoadSquadrons(form);
}

// The squadron's standard paint, worn by all its pilots; then everything is saved and the
// squadrons are completed again from the class table.
void RepaintAndSave(TMainForm& form, int s) {
  ApplySingleUniversalPaint(form, s);
  const SquadronEntry& squadron = form.SquadronTable[s];
  for (int slot = 0; slot < kPilotSlots; ++slot) {
    form.PilotRoster[RosterIndex(s, slot)].RosterSkin =
        squadron.SquadronMarkings + squadron.SquadronSkin;
  }
  SaveAndReload(form);
}

// Months of service the type has left, weighted by the pace: the chance of a change is one in
// that many.
int ChangeOdds(const TMainForm& form, const SquadronEntry& squadron, int pace) {
  const int now = MonthKey(form);
  const int end = squadron.TypeServiceEnd;
  const int months = (end % 100) + (end / 100 - form.CampaignYear) * 12 - form.CampaignMonth;
  long long odds = static_cast<long long>(months) * pace;
  if (end <= now || odds < 0) odds = 0;
  if (odds > kNewCampaignOdds) odds = kNewCampaignOdds;
  // A new campaign's opening mission never changes its aircraft types.
  if (form.NewCampaignFlag == "Y" && end >= now) odds = kNewCampaignOdds;
  return static_cast<int>(odds);
}

// The successor remembers the type it replaces, in the campaign's own class file.
void TeachPredecessor(TMainForm& form, SquadronEntry& squadron) {
  if (squadron.TypeDowngrade != "none" && !squadron.TypeDowngrade.empty()) return;
  squadron.TypeDowngrade = OwnType(squadron);
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    AircraftClassEntry& type = form.AircraftClassTable[i];
    if (type.ClassName != squadron.TypeUpgrade) continue;
    type.ClassDowngrade = squadron.TypeDowngrade;
    UseOwnCampaignDataFolder(form, {"class.tavrek", "payloads.tavrek"});
    SaveClasses(form);
  }
}

void PlannedUpgrade(TMainForm& form, int s) {
  LoadPilots(form);
  SavePilot(form, 0);
  SquadronEntry& squadron = form.SquadronTable[s];
  TeachPredecessor(form, squadron);
  SetClass(squadron, squadron.TypeUpgrade);
  GetSquadronInfo(form, s);
  squadron.SquadronSkin = "default.bmp";
  squadron.SquadronMarkings = "1";
  squadron.PlanesFlight = kPlanesAfterUpgrade;
  squadron.PlanesAvailable = kPlanesAfterUpgrade;
  RepaintAndSave(form, s);
  if (s != 0) return;
  SquadronEntry& player = form.SquadronTable[0];
  if (player.SquadronFlyable == "0") {
    // The player cannot fly the new type: the squadron keeps the one it replaces.
    SetClass(player, player.TypeDowngrade);
    SaveAndReload(form);
    return;
  }
  if (form.Coop.Checked || form.Dogfight.Checked) return;
  form.BriefingNewsText += " " +
                           ReplaceTextProcedure(form.Messages.Text(MessageSection::kNews, 25),
                                                "<PLANE>", player.TypeDescription) +
                           "\r\n";
}

}  // namespace

void AlternateAircraft(TMainForm& form, int s) {
  const int type = MatchingAircraftType(form, s, AircraftMatch::kAlternate);
  if (type >= 0) SetClass(form.SquadronTable[s], form.AircraftClassTable[type].ClassName);
}

void RandomAircraftUpgrade(TMainForm& form, int s) {
  const int type = MatchingAircraftType(form, s, AircraftMatch::kUpgrade);
  if (type >= 0) SetClass(form.SquadronTable[s], form.AircraftClassTable[type].ClassName);
}

void HistoricDate(TMainForm& form, int s, int pace) {
  const int now = MonthKey(form);
  const int odds = ChangeOdds(form, form.SquadronTable[s], pace);
  if (form.Random(odds) == 0) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    if (squadron.TypeUpgradeDate < now && squadron.TypeUpgrade != "random" &&
        squadron.TypeUpgrade != "none") {
      PlannedUpgrade(form, s);
    }
  }
  if (form.Random(odds) == 0 && form.SquadronTable[s].TypeUpgrade == "random") {
    RandomAircraftUpgrade(form, s);
    RepaintAndSave(form, s);
  }
  if (form.SquadronTable[s].TypeServiceStart > now && form.HistDates.Checked) {
    AlternateAircraft(form, s);
    RepaintAndSave(form, s);
  }
}

void PlaneDownGrade(TMainForm& form) {
  if (Trim(form.GameID).empty()) GameIDCheck(form);
  SaveSquadrons(form, 0);
  SquadronList(form, "OFF");
  for (int round = 0; round < kDowngradeRounds; ++round) {
    for (int s = 1; s <= form.LastSquadron; ++s) {
      const SquadronEntry& squadron = form.SquadronTable[s];
      if (squadron.TypeDowngrade == "random" || squadron.TypeDowngrade == "none") continue;
      if (squadron.TypeServiceEnd > MonthKey(form)) continue;
      if (form.Random(2) != 0) continue;
      SetClass(form.SquadronTable[s], squadron.TypeDowngrade);
      GetSquadronInfo(form, s);
      SaveSquadrons(form, 0);
      SquadronList(form, "OFF");
    }
  }
}
