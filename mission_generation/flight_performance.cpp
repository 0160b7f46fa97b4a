#include "mission_generation/flight_performance.h"

#include <limits>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "platform/ascii.h"
#include "platform/errors.h"

namespace {

constexpr int kFailedAltitude = 3000;
// A type without a transit altitude of its own on a side whose box says "Default" would fly
// at sea level; it cruises at the same altitude as a squadron whose settings cannot be read.
constexpr int kUnsetAltitude = 3000;
constexpr int kParatroopAltitude = 1000;
constexpr int kSecondPayloadAltitude = 1000;
constexpr int kGliderAltitude = 500;
const char kDefaultSpeed[] = "300.00";
const char kFailedSpeed[] = "350.00";
constexpr int kRestOfLine = std::numeric_limits<int>::max();

bool IsDefaultOrRandom(const std::string& text) {
  return text == "Default" || text == "Random";
}

// "3500 Meters" holds 3500: the value is in the first four characters.
int AltitudeValue(const std::string& text) {
  return StrToInt(Trim(Copy(text, 1, 4)));
}

// The altitude the side's box gives the squadron, or `altitude` when the box says "Default".
int SideBoxAltitude(const TMainForm& form, const TComboBox& box, int altitude) {
  if (box.Text == "Random") return form.RandomTransitAltitude;
  if (box.Text != "Default") return AltitudeValue(box.Text);
  return altitude;
}

int PlayerBoxAltitude(const TMainForm& form, const SquadronEntry& squadron, int altitude) {
  const std::string& box = form.TransitAltBox.Text;
  if (box == "Random") {
    if (squadron.SquadronArmy == "1") return form.RandomTransitAltitude;
    if (squadron.SquadronArmy == "2") return form.AxisPlayerRandomAltitude;
    return altitude;
  }
  if (Trim(box) == "Default") {
    return IsDefaultOrRandom(squadron.TypeTransitAlt) ? altitude
                                                      : AltitudeValue(squadron.TypeTransitAlt);
  }
  return AltitudeValue(box);
}

int CruiseAltitude(const TMainForm& form, int index) {
  const SquadronEntry& squadron = form.SquadronTable[index];
  int altitude = 0;
  if (!IsDefaultOrRandom(squadron.TypeTransitAlt)) {
    altitude = AltitudeValue(squadron.TypeTransitAlt);
  }
  if (squadron.SquadronArmy == "2") altitude = SideBoxAltitude(form, form.GAltitudeBox, altitude);
  if (squadron.SquadronArmy == "1") altitude = SideBoxAltitude(form, form.RAltitudeBox, altitude);

  const std::string& weapons = squadron.SquadronWeapons;
  if (Contains(AsciiLowerCase(weapons), "para")) altitude = kParatroopAltitude;
  if (weapons == squadron.TypePayload2 &&
      (squadron.SquadronRole == "1" || squadron.SquadronRole == "4")) {
    altitude = kSecondPayloadAltitude;
  }
  if (Contains(weapons, "glider")) altitude = kGliderAltitude;

  if (index == 0) altitude = PlayerBoxAltitude(form, squadron, altitude);
  return altitude > 0 ? altitude : kUnsetAltitude;
}

// The speed text of the type, replaced for the player's squadron by the player's box; the
// unit "kph" is dropped.
std::string SpeedText(const std::string& type_speed, const TComboBox& player_box, int index) {
  std::string speed = kDefaultSpeed;
  if (type_speed != "Default") speed = Trim(ReplaceTextProcedure(type_speed, "kph", ""));
  if (index == 0 && player_box.Text != "Default") {
    speed = Trim(ReplaceTextProcedure(player_box.Text, "kph", ""));
  }
  return speed;
}

// The callers read the whole km/h before the decimal point; a flight needs some speed.
bool HasPositiveWholeSpeed(const std::string& speed) {
  const size_t point = speed.find('.');
  const int whole = StrToIntDef(speed.substr(0, point), 0);
  return whole > 0;
}

void LogSpeedFailure(TMainForm& form, int index, const std::string& failure_log_start) {
  ErrorLog(form, failure_log_start + form.SquadronTable[index].SquadronName + " [" +
                     IntToStr(index) + "] failed.");
}

std::string CheckedSpeed(TMainForm& form, int index, const std::string& speed,
                         const std::string& failure_log_start) {
  if (HasPositiveWholeSpeed(speed)) return speed;
  LogSpeedFailure(form, index, failure_log_start);
  return kFailedSpeed;
}

const char kCruiseSpeedLogStart[] = "Speed Set for ";

}  // namespace

int AltitudeSet(TMainForm& form, int squadron) {
  try {
    return CruiseAltitude(form, squadron);
  } catch (const ConversionError&) {
    ErrorLog(form, "Altitude Set for " + form.SquadronTable[squadron].SquadronName + " [" +
                       IntToStr(squadron) + "] failed.");
    return kFailedAltitude;
  }
}

bool HasCruiseAltitude(const TMainForm& form, int squadron) {
  try {
    CruiseAltitude(form, squadron);
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

std::string SetSpeed(TMainForm& form, int squadron) {
  const std::string speed =
      SpeedText(form.SquadronTable[squadron].TypeCruiseSpeed, form.CruiseBox, squadron);
  return CheckedSpeed(form, squadron, speed, kCruiseSpeedLogStart);
}

std::string SetIngressSpeed(TMainForm& form, int squadron) {
  const std::string speed =
      SpeedText(form.SquadronTable[squadron].TypeIngressSpeed, form.IngressBox, squadron);
  return CheckedSpeed(form, squadron, speed, "Ingress Speed Set for ");
}

std::string PayloadType(TMainForm& form, int squadron) {
  return PayloadCategories().Of(form, squadron);
}

std::string PayloadCategory(const std::vector<AllPayloadsLine>& lines,
                            const std::string& squadron_class, const std::string& weapons) {
  const std::string type = Trim(Copy(squadron_class, 11, kRestOfLine));
  const std::string loadout = Trim(weapons);
  std::string category = "X";
  for (const AllPayloadsLine& line : lines) {
    if (line.ClassName.empty() || line.ClassName != type) continue;
    if (Trim(line.Loadout) == loadout) category = line.Category;
  }
  return category;
}

bool HasCruiseSpeed(const TMainForm& form, int squadron) {
  return HasPositiveWholeSpeed(
      SpeedText(form.SquadronTable[squadron].TypeCruiseSpeed, form.CruiseBox, squadron));
}

const std::string& CruiseSpeeds::Of(TMainForm& form, int squadron) {
  const auto index = static_cast<size_t>(squadron);
  if (answers_.size() <= index) answers_.resize(index + 1);
  std::optional<Answer>& answer = answers_[index];
  if (!answer) {
    const std::string speed =
        SpeedText(form.SquadronTable[squadron].TypeCruiseSpeed, form.CruiseBox, squadron);
    const bool failed = !HasPositiveWholeSpeed(speed);
    answer = Answer{failed ? std::string(kFailedSpeed) : speed, failed};
  }
  if (answer->failed) LogSpeedFailure(form, squadron, kCruiseSpeedLogStart);
  return answer->speed;
}

std::string PayloadCategories::Of(TMainForm& form, int squadron) {
  if (!lines_) lines_ = ReadAllPayloads(form);
  if (!*lines_) return "X";
  const SquadronEntry& entry = form.SquadronTable[squadron];
  return PayloadCategory(**lines_, entry.SquadronClass, entry.SquadronWeapons);
}
