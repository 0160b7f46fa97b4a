#include "campaign_progression/aircraft_match.h"

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "platform/ascii.h"

namespace {

constexpr int kClassPrefixLength = 10;  // "Class air."

// The last class-table entry of the squadron's own type.
int ReferenceType(const TMainForm& form, const SquadronEntry& squadron) {
  const std::string own = Trim(Copy(squadron.SquadronClass, kClassPrefixLength + 1,
                                    static_cast<int>(squadron.SquadronClass.size())));
  int reference = -1;
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    if (Trim(form.AircraftClassTable[i].ClassName) == own) reference = i;
  }
  return reference;
}

bool Installed(const TMainForm& form, const std::string& game_name) {
  for (int k = 0; k <= form.LastActivePlane; ++k) {
    if (EqualsIgnoreCase(form.ActivePlaneList[k], game_name)) return true;
  }
  return false;
}

int ServiceMonth(const std::string& text) {
  return StrToIntDef(Trim(text), 0);
}

int Score(const TMainForm& form, int squadron, const AircraftClassEntry& candidate,
          const AircraftClassEntry& reference, AircraftMatch match) {
  const bool upgrade = match == AircraftMatch::kUpgrade;
  int score = -1;
  if (Trim(candidate.ClassName) == Trim(reference.ClassName)) score += 256;
  const bool downgrade_named =
      reference.ClassDowngrade != "none" && reference.ClassDowngrade != "random";
  if (candidate.ClassDowngrade == reference.ClassDowngrade && (upgrade || downgrade_named)) {
    score += 128;
  }
  if (Copy(candidate.ClassDescription, 1, 4) == Copy(reference.ClassDescription, 1, 4)) score += 64;
  if (candidate.ClassCountry == form.SquadronTable[squadron].SquadronNation) score += 32;
  if (candidate.ClassFamily == reference.ClassFamily) score += 16;
  if (Copy(candidate.ClassDescription, 1, 2) == Copy(reference.ClassDescription, 1, 2)) score += 8;
  if (candidate.ClassFlyable == reference.ClassFlyable || candidate.ClassFlyable == "1") score += 4;
  // Service starts compared as text, as the class file holds them.
  const bool earlier = candidate.ClassServiceStart <= reference.ClassServiceStart;
  if (upgrade ? !earlier : earlier) score += 2;
  return score;
}

bool Excluded(const TMainForm& form, int squadron, const AircraftClassEntry& candidate,
              const AircraftClassEntry& reference, AircraftMatch match) {
  const int month = MonthKey(form);
  if (candidate.ClassArmy != reference.ClassArmy) return true;
  if (candidate.ClassFlyable == "0" && squadron == 0) return true;
  if (month <= ServiceMonth(candidate.ClassServiceStart)) return true;
  if (Contains(candidate.ClassDescription, "Ace")) return true;
  if (!Installed(form, candidate.ClassGameName)) return true;
  if (match == AircraftMatch::kUpgrade && month > ServiceMonth(candidate.ClassServiceEnd)) {
    return true;
  }
  return false;
}

}  // namespace

int MatchingAircraftType(const TMainForm& form, int squadron, AircraftMatch match) {
  const int reference_index = ReferenceType(form, form.SquadronTable[squadron]);
  if (reference_index < 0) return -1;
  const AircraftClassEntry& reference = form.AircraftClassTable[reference_index];
  int best = 0;
  int chosen = -1;
  for (int i = 0; i <= form.LastAircraftClass; ++i) {
    const AircraftClassEntry& candidate = form.AircraftClassTable[i];
    const int score = Excluded(form, squadron, candidate, reference, match)
                          ? -1
                          : Score(form, squadron, candidate, reference, match);
    if (score < 0) continue;
    // A stand-in takes the later of two equals, a successor the earlier.
    const bool taken = match == AircraftMatch::kAlternate ? score >= best : score > best;
    if (taken) {
      best = score;
      chosen = i;
    }
  }
  return chosen;
}
