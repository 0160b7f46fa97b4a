#include "mission_generation/squadron_activation.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/squadron_traits.h"
#include "mission_generation/waypoint_text.h"

namespace {

constexpr int kAlways = 0;
constexpr int kNever = 99;
constexpr int kFullBase = 64;
constexpr int kFullCarrier = 48;

int Number(const std::string& text) {
  return StrToInt(text);
}

int RoleNumber(const SquadronEntry& squadron) {
  return squadron.SquadronRole[0] - '0';
}

// The roles whose flights count together against the density caps.
int RoleGroupTally(PlanRun& run, int side, const std::string& role) {
  if (role == "1") return run.Tally(side, 1);
  if (role == "3" || role == "5" || role == "6") {
    return run.Tally(side, 3) + run.Tally(side, 5) + run.Tally(side, 6);
  }
  return run.Tally(side, 2) + run.Tally(side, 4) + run.Tally(side, 7);
}

bool DensityCapReached(const std::string& density, int tally) {
  return (density == "Sparse" && tally > 0) || (density == "Moderate" && tally > 4) ||
         (density == "Heavy" && tally > 8) || (density == "Dense" && tally > 12);
}

class Activation {
 public:
  Activation(TMainForm& form, PlanRun& run)
      : form_(form), run_(run), grounded_(static_cast<size_t>(form.LastSquadron + 1), 0) {}

  void Pass(int pass) {
    form_.InfoLabel.Caption = "Inside Active Flagging Routine";
    for (int i = 0; i <= form_.LastSquadron; ++i) {
      if (!run_.LeftOut(i)) Consider(i, pass);
    }
  }

 private:
  void Consider(int i, int pass) {
    SquadronEntry& squadron = form_.SquadronTable[i];
    if (pass == 1) TransportTroops(i);
    shares_base_ = false;
    const int factor = Factor(i);
    int draw = form_.Random(factor);
    draw = Overrides(i, pass, draw);
    if (draw == 0 && !HasOneFlight(i)) draw = kNever;
    if (draw != 0) return;
    squadron.SquadronInMission = "Y";
    AddLaunch(i);
    AddToTally(i);
    if (squadron.SquadronRole == "1") ++flagged_fighters_[FighterBaseKey(i)];
  }

  // Transports bring troops to their base; each side's troops there stay within the limit.
  void TransportTroops(int i) {
    const SquadronEntry& squadron = form_.SquadronTable[i];
    const int planes = Number(squadron.PlanesFlight);
    if (squadron.SquadronRole != "3" || planes <= 0) return;
    for (int j : run_.LocationsNamed(squadron.SquadronHomeBase)) {
      LocationEntry& location = form_.LocationTable[j];
      std::array<int, 3>& troops = location.TerritoryStrength;
      troops[static_cast<size_t>(SideNumber(squadron))] += planes;
      if (location.LocationArmy == "2" && troops[1] > 0) troops[1] = 0;
      if (location.LocationArmy == "1" && troops[2] > 0) troops[2] = 0;
      for (int side : {1, 2}) {
        int& count = troops[static_cast<size_t>(side)];
        if (count > run_.TroopLimit()) count = run_.TroopLimit();
      }
    }
  }

  int Factor(int i) {
    const SquadronEntry& squadron = form_.SquadronTable[i];
    const SquadronEntry& player = form_.SquadronTable[0];
    const std::string& role = squadron.SquadronRole;
    const std::string& home = squadron.SquadronHomeBase;
    const int side = SideNumber(squadron);
    const int planes = Number(squadron.PlanesFlight);
    const int extra = squadron.PlanesExtra;

    int f = form_.SquadronDensityLevel;
    if (squadron.SquadronArmy != player.SquadronArmy &&
        run_.Tally(side, RoleNumber(squadron)) == 0) {
      f = 3;
    }
    if (squadron.SquadronFlyable != "1" && form_.Coop.Checked) f += 1;
    if (planes < Number(squadron.PlanesMax) / 2.0) f += 3;
    if (i != 0 && home == player.SquadronHomeBase && role != player.SquadronRole && role != "3") {
      f -= 2;
    }
    if (role == "2" && squadron.SquadronArmy == "1" && run_.OffMap(home)) {
      if (form_.MapTitle == "Berlin" || form_.MapTitle == "Balaton") f -= 2;
      if (form_.MapTitle == "Japan1") f -= 2;
    }
    if (role == "1" && squadron.SquadronArmy == "2" && form_.MapTitle == "Japan1") f -= 1;
    if ((squadron.SquadronArmy == "1" && form_.BalanceBox.Text == "Allied Advantage") ||
        (squadron.SquadronArmy == "2" && form_.BalanceBox.Text == "Axis Advantage")) {
      f -= 2;
    }
    if (BaseNearFront(home)) f -= 2;
    f = std::max(f, 0);
    if (role != "3" && role != "5" && role != "6") {
      if (planes < 3 * extra) f += 2;
      if (planes < 2 * extra) f += 3;
    }
    if (role == "1" && !Contains(squadron.SquadronName, "Jabo")) {
      if (AnotherFlaggedFighterAtBase(i)) {
        shares_base_ = true;
        f += 2;
      } else {
        f = 0;
      }
    }
    return f;
  }

  // The base lies within the front radius; a base no location is named after (a ship) counts
  // as lying on the front centre.
  bool BaseNearFront(const std::string& home) const {
    if (!run_.HasFront()) return false;
    const int base = run_.LastLocationNamed(home);
    if (base < 0) return true;
    return run_.Usable(base) && run_.FrontReaches(run_.Point(base));
  }

  std::string FighterBaseKey(int i) {
    return form_.SquadronTable[i].SquadronArmy + "\n" + run_.EffectiveBase(i);
  }

  bool AnotherFlaggedFighterAtBase(int i) {
    const auto found = flagged_fighters_.find(FighterBaseKey(i));
    int others = found == flagged_fighters_.end() ? 0 : found->second;
    if (form_.SquadronTable[i].SquadronInMission == "Y") --others;  // itself, from the first pass
    return others > 0;
  }

  int Overrides(int i, int pass, int draw) {
    SquadronEntry& squadron = form_.SquadronTable[i];
    const std::string& density = form_.SquadronDensity.Text;
    const std::string& role = squadron.SquadronRole;
    const bool named_enemy = form_.LinkBox.Text == squadron.SquadronName;
    const bool active_true = squadron.SquadronActive == "Active True ";

    if (DensityCapReached(density, RoleGroupTally(run_, SideNumber(squadron), role))) draw = kNever;
    if (squadron.SquadronHomeBase == "Townsville_Airfield" && Contains(form_.MapTitle, "Guad") &&
        (role == "1" || role == "4" || role == "5" || role == "7")) {
      draw = kNever;
    }
    if (Number(squadron.PlanesFlight) < squadron.PlanesExtra) draw = kNever;
    if (density == "None") draw = kNever;
    if (pass == 1 && (active_true || named_enemy)) draw = kAlways;
    if (HomeBaseNearEnemy(squadron.SquadronHomeBase) && density != "None" &&
        !run_.OffMap(squadron.SquadronHomeBase)) {
      draw = kAlways;
    }
    if (pass == 1 && form_.Coop.Checked && squadron.SquadronFlyable == "0" && !active_true &&
        !named_enemy) {
      draw = kNever;
    }
    if (density == "Full" && pass == 1) draw = kAlways;
    if (squadron.SquadronActive == "Active Never") draw = kNever;
    if (BaseFull(squadron.SquadronHomeBase)) draw = kNever;
    if (form_.MapSeason == "Winter" && role == "6") draw = kNever;
    if (density == "Full" && pass == 2) draw = kNever;
    if (form_.HistDates.Checked &&
        squadron.TypeServiceStart > form_.CampaignYear * 100 + form_.CampaignMonth) {
      draw = kNever;
    }
    if (squadron.SquadronTakeOffLeg.empty()) squadron.SquadronHomeBase = "Unknown";
    if (squadron.SquadronHomeBase == "Unknown") draw = kNever;
    if (i == 0 && pass == 1 && !form_.Coop.Checked) draw = kAlways;
    if (squadron.SquadronInMission == "Y") draw = kNever;
    return draw;
  }

  bool HomeBaseNearEnemy(const std::string& home) const {
    for (int j : run_.LocationsNamed(home)) {
      if (std::as_const(form_.LocationTable)[j].LocationNearEnemy == "Y") return true;
    }
    return false;
  }

  bool BaseFull(const std::string& home) const {
    for (int j : run_.LocationsNamed(home)) {
      if (form_.ObjectPairA[j][0] > kFullBase) return true;
    }
    for (int c : run_.ColumnsCarrying(home)) {
      if (form_.ObjectPairA[c][1] > kFullCarrier) return true;
    }
    return false;
  }

  // Whatever forced it in, a squadron without one flight of planes, or without a take-off
  // position, stays at its base. The player's own squadron off-line is the exception: the
  // mission is his, so it flies a short flight with the planes it has left.
  bool HasOneFlight(int i) {
    const SquadronEntry& squadron = form_.SquadronTable[i];
    const int planes = Number(squadron.PlanesFlight);
    const int needed = i == 0 && !form_.Coop.Checked ? 1 : squadron.PlanesExtra;
    if (planes >= needed && planes > 0 && !squadron.SquadronTakeOffLeg.empty()) {
      return true;
    }
    if (grounded_[static_cast<size_t>(i)]) return false;
    grounded_[static_cast<size_t>(i)] = 1;
    ErrorLog(form_, "Squadron " + SquadronLabel(form_, i) + " stays at its base: " +
                        (squadron.SquadronTakeOffLeg.empty()
                             ? "it has no take-off position."
                             : squadron.PlanesFlight + " planes are fewer than one flight of " +
                                   IntToStr(squadron.PlanesExtra) + "."));
    return false;
  }

  void AddLaunch(int i) {
    const SquadronEntry& squadron = form_.SquadronTable[i];
    const int planes = Number(squadron.PlanesFlight);
    int n = std::clamp(form_.FlightsPerSquadron - 1, 0, 3);
    if (squadron.SquadronRole == "6") n = 0;
    if (form_.MassedBombers.Checked && squadron.SquadronRole == "2") n = 3;
    if (n > planes / 4 - 1) n = planes / 4 - 1;
    n = std::clamp(n, 0, 3);
    const int launch = std::min((n + 1) * squadron.PlanesExtra, planes);
    for (int j : run_.LocationsNamed(squadron.SquadronHomeBase)) form_.ObjectPairA[j][0] += launch;
    for (int c : run_.ColumnsCarrying(squadron.SquadronHomeBase)) form_.ObjectPairA[c][1] += launch;
  }

  void AddToTally(int i) {
    const SquadronEntry& squadron = form_.SquadronTable[i];
    const int p = squadron.PlanesExtra;
    const std::string& balance = form_.BalanceBox.Text;
    int& tally = run_.Tally(SideNumber(squadron), RoleNumber(squadron));
    if (shares_base_) {
      tally += p / 2;
    } else if (squadron.SquadronArmy == "1") {
      tally += balance == "Axis Advantage" ? p + 4 : p;
    } else if (balance == "Balanced" || balance == "Axis Advantage") {
      tally += p;
    } else if (balance == "Allied Advantage") {
      tally += p + 4;
    } else {
      const std::string& nation = squadron.SquadronNation;
      const bool early_pacific =
          (nation == "de" || nation == "in" || nation == "ja") && form_.CampaignYear < 1943;
      tally += early_pacific ? p : p + 4;
    }
    if (form_.MassedBombers.Checked && squadron.SquadronRole == "2") {
      tally += p * (form_.FlightsPerSquadron - 1);
    }
  }

  TMainForm& form_;
  PlanRun& run_;
  bool shares_base_ = false;
  std::vector<char> grounded_;  // squadrons already reported as staying at their base
  // Flagged fighter squadrons per side and effective base.
  std::unordered_map<std::string, int> flagged_fighters_;
};

}  // namespace

void ActivateSquadrons(TMainForm& form, PlanRun& run) {
  Activation activation(form, run);
  activation.Pass(1);
  activation.Pass(2);
}
