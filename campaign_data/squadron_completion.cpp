#include "campaign_data/squadron_completion.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_names.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/aircraft_changes.h"
#include "campaign_setup/game_edition.h"
#include "platform/ascii.h"
#include "platform/errors.h"

namespace {

// A service date (yyyymm) of class.tavrek as a number.
int ServiceDate(TMainForm& form, const AircraftClassEntry& type, const std::string& date) {
  try {
    return StrToInt(Trim(date));
  } catch (const ConversionError& error) {
    const std::string message = "Aircraft class " + type.ClassName +
                                ": the service date is not a whole number (" + error.what() + ")";
    ErrorLog(form, message);
    throw ConversionError(message);
  }
}

void ClearTypeFields(SquadronEntry& squadron) {
  squadron.SquadronArmy.clear();
  squadron.SquadronRole.clear();
  squadron.SquadronFlyable.clear();
  squadron.TypeDescription.clear();
  squadron.TypeDescriptionAtLoad.clear();
  squadron.TypePayload2.clear();
  squadron.TypePayload3.clear();
  squadron.TypePayload4.clear();
  squadron.TypePayload5.clear();
  squadron.TypePayload6.clear();
  squadron.TypeServiceStart = 0;
  squadron.TypeServiceEnd = 0;
  squadron.TypeUpgradeDate = 999999;
  squadron.TypeUpgrade.clear();
  squadron.TypeDowngrade.clear();
}

bool TypeInstalled(const TMainForm& form, const SquadronEntry& squadron) {
  for (int k = 0; k <= form.LastActivePlane; ++k) {
    if (EqualsIgnoreCase(form.ActivePlaneList[k], squadron.TypeGameName) ||
        form.ServerActive == "True") {
      return true;
    }
  }
  return false;
}

// A type that the game does not have is replaced by another one.
void CheckTypeInstalled(TMainForm& form, int index) {
  SquadronEntry& squadron = form.SquadronTable[index];
  if (TypeInstalled(form, squadron)) return;
  const std::string message =
      ReplaceTextProcedure(ReplaceTextProcedure(form.Messages.Text(MessageSection::kErrors, 8),
                                                "<SQUAD>", squadron.SquadronName),
                           "<PLANE>", squadron.TypeGameName);
  form.DescLabel.Caption = message;
  ErrorLog(form, message);
  const std::string before = squadron.SquadronClass;
  AlternateAircraft(form, index);
  // The log must not claim a change that did not happen.
  if (squadron.SquadronClass == before) {
    ErrorLog(form,
             squadron.SquadronName + " keeps " + before + ": no other aircraft type was given.");
  }
  GetSquadronInfo(form, index);
}

// The list of installed types, filled when it is not. An empty list tells nothing about the
// game (no skin folders found), so no squadron is re-equipped because of it.
bool InstalledTypesKnown(TMainForm& form) {
  if (form.ActivePlaneList[0].size() < 3) GetActivePlanes(form);
  if (form.LastActivePlane >= 0) return true;
  ErrorLog(form, "No list of installed aircraft: the squadrons' aircraft are not checked.");
  return false;
}

constexpr std::string_view kClassPrefix = "Class air.";

// The type named by a class line ("Class air." and the type's name); nothing for another line.
std::optional<std::string_view> TypeOfClassLine(std::string_view class_line) {
  if (!class_line.starts_with(kClassPrefix)) return std::nullopt;
  return class_line.substr(kClassPrefix.size());
}

// The aircraft classes 0..LastAircraftClass by name, each name with its classes in index order,
// as a scan of the table meets them. Built again when the table may have changed since (a
// squadron whose type the game lacks is given another, which may touch the table).
class ClassesByName {
 public:
  const std::vector<int>& Named(const TMainForm& form, std::string_view name) {
    if (form.AircraftClassTable.Changes() != built_at_ || form.LastAircraftClass != built_last_) {
      Build(form);
    }
    const auto found = classes_.find(name);
    return found == classes_.end() ? none_ : found->second;
  }

 private:
  void Build(const TMainForm& form) {
    classes_.clear();
    for (int c = 0; c <= form.LastAircraftClass; ++c) {
      classes_[form.AircraftClassTable[c].ClassName].push_back(c);
    }
    built_at_ = form.AircraftClassTable.Changes();
    built_last_ = form.LastAircraftClass;
  }

  // Keys are views of the class names, which stay while the table is unchanged.
  std::unordered_map<std::string_view, std::vector<int>> classes_;
  std::vector<int> none_;
  std::uint64_t built_at_ = 0;
  int built_last_ = -2;
};

void CopyTypeData(TMainForm& form, SquadronEntry& squadron, int class_index) {
  const AircraftClassEntry& type = std::as_const(form.AircraftClassTable)[class_index];
  squadron.SquadronArmy = type.ClassArmy;
  squadron.SquadronRole = type.ClassFamily;
  squadron.SquadronFlyable = type.ClassFlyable;
  squadron.TypeDescription = type.ClassDescription;
  squadron.TypeDefaultWeapons = type.PayloadDefault;
  squadron.TypePayload2 = type.Payload2;
  squadron.TypePayload3 = type.Payload3;
  squadron.TypePayload4 = type.Payload4;
  squadron.TypePayload5 = type.Payload5;
  squadron.TypePayload6 = type.Payload6;
  squadron.TypeServiceStart = ServiceDate(form, type, type.ClassServiceStart);
  squadron.TypeServiceEnd = ServiceDate(form, type, type.ClassServiceEnd);
  squadron.TypeUpgradeDate = 999999;
  squadron.TypeUpgrade = type.ClassUpgrade;
  squadron.TypeDowngrade = type.ClassDowngrade;
  squadron.TypeGameName = type.ClassGameName;
  squadron.TypeTransitAlt = type.ClassTransitAlt;
  squadron.TypeCruiseSpeed = type.ClassCruiseSpeed;
  squadron.TypeRange = type.ClassRange;
  squadron.TypeIngressSpeed = type.ClassIngressSpeed;
}

void SetReconRole(SquadronEntry& squadron) {
  if (Contains(squadron.SquadronName, "AufklGr10a") && squadron.SquadronRole != "6") {
    squadron.SquadronRole = "5";
  }
}

// GetSquadronInfo through the look-up; every class of the squadron's type is copied in index
// order, so the last one counts and a bad date of any of them is found.
void CopySquadronType(TMainForm& form, SquadronEntry& squadron, ClassesByName& classes) {
  if (const std::optional<std::string_view> type = TypeOfClassLine(squadron.SquadronClass)) {
    for (const int c : classes.Named(form, *type)) CopyTypeData(form, squadron, c);
  }
  SetReconRole(squadron);
}

void SetUpgradeDate(TMainForm& form, SquadronEntry& squadron, ClassesByName& classes) {
  for (const int c : classes.Named(form, squadron.TypeUpgrade)) {
    const AircraftClassEntry& type = std::as_const(form.AircraftClassTable)[c];
    squadron.TypeUpgradeDate = ServiceDate(form, type, type.ClassServiceStart);
  }
}

}  // namespace

void GetSquadronInfo(TMainForm& form, int squadron_index) {
  SquadronEntry& squadron = form.SquadronTable[squadron_index];
  const std::optional<std::string_view> type = TypeOfClassLine(squadron.SquadronClass);
  for (int c = 0; type && c <= form.LastAircraftClass; ++c) {
    if (std::as_const(form.AircraftClassTable)[c].ClassName == *type) {
      CopyTypeData(form, squadron, c);
    }
  }
  SetReconRole(squadron);
}

void LoadSquadrons(TMainForm& form) {
  if (form.GameID.empty()) GameIDCheck(form);
  LoadPlaneInfo(form);
  const bool check_types = form.LastSquadron >= 0 && InstalledTypesKnown(form);
  ClassesByName classes;
  for (int i = 0; i <= form.LastSquadron; ++i) {
    SquadronEntry& squadron = form.SquadronTable[i];
    ClearTypeFields(squadron);
    CopySquadronType(form, squadron, classes);
    squadron.TypeDescriptionAtLoad = squadron.TypeDescription;
    squadron.SquadronPlaneText = squadron.TypeDescription;
    if (squadron.TypeUpgrade == "BF_109G6" && form.Random(3) == 0) {
      squadron.TypeUpgrade = "FW_190A4";
    }
    SquadCountry(form, i);
    SetUpgradeDate(form, squadron, classes);
    if (check_types) CheckTypeInstalled(form, i);
  }
}
