#include "tests/mission_generation/plan_description.h"

#include <sstream>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/text.h"

namespace {

std::string SquadronRef(const TMainForm& form, int squadron) {
  if (squadron < 0) return "-";
  return IntToStr(squadron) + " " + form.SquadronTable[squadron].SquadronName;
}

std::string LocationRef(const TMainForm& form, int location) {
  if (location < 0) return "-";
  const LocationEntry& entry = form.LocationTable[location];
  const std::string kind = location > form.LastLocation ? "scratch " : "";
  return kind + IntToStr(location) + " " + entry.LocationName + " army " + entry.LocationArmy +
         " at \"" + Trim(entry.LocationPosition) + "\"";
}

void Leg(std::ostringstream& out, std::string_view label, const std::string& leg) {
  if (leg.empty()) return;
  out << "  " << label << ":\n";
  size_t start = 0;
  while (start < leg.size()) {
    size_t end = leg.find("\r\n", start);
    const bool ended = end != std::string::npos;
    if (!ended) end = leg.size();
    out << "    |" << leg.substr(start, end - start) << (ended ? "|" : "| (no line end)") << "\n";
    start = ended ? end + 2 : end;
  }
}

}  // namespace

std::string DescribeSquadronPlan(const TMainForm& form, int s) {
  const SquadronEntry& q = form.SquadronTable[s];
  std::ostringstream out;
  out << "#" << s << " " << q.SquadronName << " side " << q.SquadronArmy << " role "
      << q.SquadronRole << " base " << q.SquadronHomeBase << "\n";
  out << "  flies: " << (q.SquadronInMission.empty() ? "-" : q.SquadronInMission)
      << "  task: " << q.SquadronTaskCode
      << "  type: " << (q.SquadronMissionType.empty() ? "-" : q.SquadronMissionType) << "\n";
  out << "  target: " << LocationRef(form, q.SquadronTargetLocation) << "\n";
  out << "  object: " << (q.SquadronTargetObject.empty() ? "-" : q.SquadronTargetObject)
      << "  column: " << q.SquadronTargetColumn << "  move: " << q.SquadronMoveKind
      << (q.SquadronMoveKind > 0 ? " to " + q.SquadronNewBase : "") << "\n";
  out << "  escorts: " << SquadronRef(form, q.SquadronEscortOf)
      << "  escorted by: " << SquadronRef(form, q.SquadronEscortedBy)
      << "  covers: " << SquadronRef(form, q.SquadronCoverOf)
      << "  covered by: " << SquadronRef(form, q.TargetCoverOf)
      << "  intercepts: " << SquadronRef(form, q.SquadronInterceptOf)
      << "  intercepted by: " << SquadronRef(form, q.SquadronInterceptLink) << "\n";
  out << "  weapons: " << q.SquadronWeapons << "  planes: " << q.PlanesFlight << " by "
      << q.PlanesExtra << "\n";
  if (!q.SquadronBriefing.empty()) out << "  briefing: " << q.SquadronBriefing << "\n";
  Leg(out, "take-off", q.SquadronTakeOffLeg);
  Leg(out, "join", q.SquadronJoinLeg);
  Leg(out, "rendezvous", q.SquadronRendezvousLeg);
  Leg(out, "half-way", q.SquadronHalfWayLeg);
  Leg(out, "target", q.SquadronTargetLeg);
  Leg(out, "return", q.SquadronReturnLeg);
  return out.str();
}

std::string DescribePlan(const TMainForm& form) {
  std::string text = "player interceptor: " + SquadronRef(form, form.PlayerInterceptor) + "\n";
  for (int s = 0; s <= form.LastSquadron; ++s) text += DescribeSquadronPlan(form, s);
  return text;
}
