#include "mission_generation/escort_missions.h"

#include <string>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_links.h"
#include "mission_generation/mission_preference.h"
#include "mission_generation/mission_texts.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/plan_turn.h"
#include "mission_generation/planned_legs.h"
#include "mission_generation/squadron_traits.h"
#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"

namespace {

constexpr int kUnlikely = 99;

bool EscortsOften(const std::string& nation) {
  for (const char* listed : {"us", "un", "um", "gb", "rn", "rz", "ra", "fr", "de", "in"}) {
    if (nation == listed) return true;
  }
  return false;
}

class EscortPairing {
 public:
  EscortPairing(TMainForm& form, PlanRun& run, int fighter)
      : form_(form),
        run_(run),
        locations_(form.LocationTable),
        i_(fighter),
        fighter_(form.SquadronTable[fighter]) {}

  void Plan() {
    speed_ = SetSpeed(form_, i_);
    if (!TakesPart()) return;
    SquadronReach reach(form_, i_);
    for (int j = 0; j <= form_.LastSquadron; ++j) {
      if (!run_.LeftOut(j) && Qualifies(reach, j)) Pair(j);
    }
  }

 private:
  bool TakesPart() {
    const std::string& home = fighter_.SquadronHomeBase;
    const bool home_off_map = run_.OffMap(home);
    const int preference = PlayerPreference(form_);
    chance_ = EscortsOften(fighter_.SquadronNation) ? 6 : 5;
    bool excluded = false;
    const int target = fighter_.SquadronTargetLocation;
    if (i_ == 0 && target >= 0 && form_.SelectTarget.Text == locations_[target].LocationName) {
      excluded = true;
    }
    if (fighter_.SquadronRole == "1" && home_off_map) chance_ = kUnlikely;
    if (!ContainsAny(home, {"Seaplane_Base", "Airstrip", "Airfield"})) chance_ = kUnlikely;
    if (i_ == 0 && preference != kPreferRandom && preference != kPreferEscort) chance_ = kUnlikely;
    if (form_.Random(chance_) == 0) excluded = true;
    if (fighter_.SquadronArmy == "1" && form_.MapName != "Normandy" && Contains(home, "English_")) {
      excluded = false;
    }
    if (home_off_map && fighter_.SquadronRole == "1") excluded = false;
    if (form_.LinkBox.Text == fighter_.SquadronName) excluded = true;
    if (i_ == 0 && preference > kPreferRandom) excluded = true;
    if (i_ == 0 && preference == kPreferEscort) excluded = false;
    if (fighter_.SquadronClass == "Class air.A6M2N") fighter_.SquadronRole = "1";
    if (FliesRocketInterceptor(fighter_) || Contains(fighter_.SquadronClass, "ME_262A1A") ||
        (Contains(fighter_.SquadronClass, "P_11C") && fighter_.SquadronArmy == "2")) {
      excluded = true;
    }
    return fighter_.SquadronRole == "1" && !excluded && fighter_.SquadronMoveKind == 0 &&
           !IsNavalStrikeUnit(fighter_);
  }

  bool Qualifies(SquadronReach& reach, int j) {
    const SquadronEntry& partner = form_.SquadronTable[j];
    const bool transport = partner.SquadronRole == "3";
    if (partner.SquadronInMission != "Y") return false;
    if (partner.SquadronTaskCode == "3" && !transport) return false;
    if (fighter_.SquadronEscortOf != -1 || partner.SquadronEscortedBy != -1) return false;
    if (partner.SquadronRole == "6" || partner.SquadronRole == "5") return false;
    if (partner.SquadronWeapons == partner.TypeDefaultWeapons) return false;
    if (form_.Random(chance_) == 0) return false;
    if (StrToInt(fighter_.PlanesFlight) <= 2) return false;
    const bool late_navy = fighter_.SquadronNation == "un" && partner.SquadronNation == "un" &&
                           form_.CampaignYear > 1943;
    if (StrToInt(partner.PlanesFlight) <= 2 && !transport && !late_navy) return false;
    if (fighter_.SquadronArmy != partner.SquadronArmy || j == i_) return false;
    if (!Contains(partner.SquadronTargetLeg, "GATTACK") && !transport) return false;
    const std::string partner_base = Trim(Copy(partner.SquadronTakeOffLeg, 9, 999));
    if (!reach.Within(partner_base, 50) &&
        !(run_.OffMap(fighter_.SquadronHomeBase) && run_.OffMap(partner.SquadronHomeBase))) {
      return false;
    }
    if (partner.SquadronTargetLocation < 0) return false;
    const std::string& target = locations_[partner.SquadronTargetLocation].LocationPosition;
    const bool long_range = fighter_.TypePayload5 != "none";
    return (reach.Within(target, 0) || long_range) && (reach.Within(target, 2) || long_range);
  }

  void Pair(int j) {
    const SquadronEntry& partner = form_.SquadronTable[j];
    fighter_.SquadronTargetObject.clear();
    const bool cover_drawn = form_.Random(chance_) == 0;
    const bool cover = (cover_drawn || partner.SquadronRole == "1" ||
                        partner.SquadronClass == "Class air.A6M2N") &&
                       StrToInt(partner.PlanesFlight) > 2 && partner.TargetCoverOf < 0;
    if (cover) {
      Cover(j);
    } else {
      Escort(j);
    }
  }

  std::string PartnerBriefing(int line, int j) const {
    const SquadronEntry& partner = form_.SquadronTable[j];
    return PartnerSummaryText(form_, line, locations_[partner.SquadronTargetLocation].LocationName,
                              partner.SquadronFullName, partner.TypeDescription);
  }

  void Cover(int j) {
    SquadronEntry& partner = form_.SquadronTable[j];
    ReleaseFighter(form_, i_);
    const std::string& target = locations_[partner.SquadronTargetLocation].LocationPosition;
    fighter_.SquadronTargetLeg = PlannedLine(kNormFly, target, speed_);
    fighter_.SquadronTargetLocation = partner.SquadronTargetLocation;
    fighter_.SquadronHalfWayLeg = partner.SquadronHalfWayLeg;
    LinkCover(form_, i_, j);
    SetMissionTexts(form_, i_, 11, PartnerBriefing(19, j));
    fighter_.SquadronTaskCode = "3";
  }

  // The rendezvous of escort and escorted by their bases; every point is read before anything
  // changes, so a position that cannot be read leaves both squadrons as they were.
  struct Rendezvous {
    std::optional<std::string> fighter_take_off;
    std::optional<std::string> fighter_join;
    std::optional<std::string> fighter_rendezvous;
    std::optional<std::string> partner_rendezvous;
    std::optional<std::string> fighter_half_way;
    std::optional<std::string> partner_half_way;
  };

  std::string Average(const std::string& from, const std::string& to, int squadron) {
    return CreateAveragePoint(form_, from, to, "0", squadron, 0) + std::string(kCrLf);
  }

  Rendezvous PlanRendezvous(int j) {
    const SquadronEntry& partner = form_.SquadronTable[j];
    const bool same_base = fighter_.SquadronHomeBase == partner.SquadronHomeBase;
    const bool off_map = run_.OffMap(fighter_.SquadronHomeBase);
    std::string partner_point = LegPositionText(partner.SquadronTakeOffLeg, "NORMFLY ");
    if (Contains(partner.SquadronTakeOffLeg, "TAKEOFF ")) {
      partner_point = LegPositionText(partner.SquadronTakeOffLeg, "TAKEOFF ");
    }
    const std::string own_point = LegPositionText(fighter_.SquadronTakeOffLeg, "TAKEOFF ");
    Rendezvous plan;
    if (!same_base && !off_map) {
      const std::string point = Average(own_point, partner_point, i_);
      plan.fighter_rendezvous = point;
      plan.partner_rendezvous = point;
      plan.fighter_half_way = point;
    } else if (!same_base) {
      const std::string from = LegPositionText(partner.SquadronTakeOffLeg, "TAKEOFF ");
      plan.fighter_take_off = partner.SquadronTakeOffLeg;
      plan.fighter_rendezvous = Average(from, partner_point, i_);
      plan.partner_rendezvous = Average(from, partner_point, j);
      plan.fighter_half_way = plan.fighter_rendezvous;
      plan.partner_half_way = plan.partner_rendezvous;
      plan.fighter_join = plan.partner_rendezvous;
    } else if (!off_map) {
      const std::string point = Average(own_point, partner_point, j);
      plan.fighter_rendezvous = point;
      plan.partner_rendezvous = point;
      if (form_.TOCircle.Text == "No Types") {
        const std::string circled =
            Average(own_point, LegPositionText(partner.SquadronHalfWayLeg, "NORMFLY "), i_);
        plan.fighter_rendezvous = circled;
        plan.partner_rendezvous = circled;
      }
    }
    return plan;
  }

  void Escort(int j) {
    SquadronEntry& partner = form_.SquadronTable[j];
    Rendezvous plan;
    try {
      plan = PlanRendezvous(j);
    } catch (const ConversionError& error) {
      ErrorLog(form_, "Escort of " + SquadronLabel(form_, j) + " by " + SquadronLabel(form_, i_) +
                          " left out: " + error.what());
      return;
    }
    ReleaseFighter(form_, i_);
    const std::string& target = locations_[partner.SquadronTargetLocation].LocationPosition;
    fighter_.SquadronTargetLeg = PlannedLine(kNormFly, FirstTwoFields(target), speed_);
    fighter_.SquadronTargetLocation = partner.SquadronTargetLocation;
    CreateHalfWay(form_, i_, 0);
    LinkEscort(form_, i_, j);
    fighter_.SquadronTargetObject.clear();
    if (plan.fighter_take_off) fighter_.SquadronTakeOffLeg = *plan.fighter_take_off;
    if (plan.fighter_rendezvous) fighter_.SquadronRendezvousLeg = *plan.fighter_rendezvous;
    if (plan.partner_rendezvous) partner.SquadronRendezvousLeg = *plan.partner_rendezvous;
    if (plan.fighter_half_way) fighter_.SquadronHalfWayLeg = *plan.fighter_half_way;
    if (plan.partner_half_way) partner.SquadronHalfWayLeg = *plan.partner_half_way;
    if (plan.fighter_join) fighter_.SquadronJoinLeg = *plan.fighter_join;
    SetMissionTexts(form_, i_, 18, PartnerBriefing(20, j));
    fighter_.SquadronTaskCode = "4";
  }

  TMainForm& form_;
  PlanRun& run_;
  // Read only: a write through the form's table would make the next look-up by name index the
  // map again.
  const LocationTableType& locations_;
  int i_;
  SquadronEntry& fighter_;
  std::string speed_;
  int chance_ = 5;
};

}  // namespace

void PlanEscorts(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Escort Missions.");
  for (int i = 0; i <= form.LastSquadron; ++i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    PlanTurn(run, i, "Escort", [&] { EscortPairing(form, run, i).Plan(); });
  }
}
