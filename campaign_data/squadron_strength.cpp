// Flight sizes and maximum strengths of the squadrons.

#include <algorithm>

#include "app/main_form.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"

namespace {

bool IsSupportRole(const std::string& role) {
  return role == "3" || role == "5" || role == "6";
}

bool FliesBritishFlights(const std::string& nation) {
  return nation == "un" || nation == "us" || nation == "rz" || nation == "rn" || nation == "du" ||
         nation == "um" || nation == "gb" || nation == "ra" || nation == "fr";
}

}  // namespace

void FlightSizeCheck(TMainForm& form, int squadron_index) {
  SquadronEntry& squadron = form.SquadronTable[squadron_index];
  int& size = squadron.PlanesExtra;
  const std::string& role = squadron.SquadronRole;
  const std::string& aircraft = squadron.SquadronClass;
  const std::string& nation = squadron.SquadronNation;

  if (size == 0 && (role == "3" || role == "6")) size = 2;
  if (size == 0 && role == "5") size = 1;
  if (size == 0 && aircraft == "Class air.A6M2N") size = 1;
  // The fighter-carrying bomber never flies more than two.
  if (aircraft == "Class air.TB_3_4M_34R_SPB" && (size == 0 || size > 2)) size = 2;
  if (IsSupportRole(role) || aircraft == "Class air.A6M2N") return;

  if (FliesBritishFlights(nation)) {
    if (size == 0) size = form.BAFlightSize;
  } else if (squadron.SquadronArmy == "1") {
    if (size == 0) size = form.RuFlightSize;
  }
  const bool early_pacific_axis = (nation == "it" || nation == "in" || nation == "ja") &&
                                  form.DeSchwarm.Text == "Default" && form.CampaignYear < 1943;
  if (early_pacific_axis) {
    if (size == 0) size = 3;
  } else if (squadron.SquadronArmy == "2") {
    if (size == 0) size = form.DeFlightSize;
  }
}

void CalculateLinkedMax(TMainForm& form) {
  for (int i = 0; i <= form.LastSquadron; ++i) {
    SquadronEntry& squadron = form.SquadronTable[i];
    if (form.LinkMax.Checked) {
      int maximum = 4 * form.FlightsPerSquadron;
      if (IsSupportRole(squadron.SquadronRole)) maximum = 4;
      if (squadron.SquadronRole == "2" && form.MassedBombers.Checked) maximum = 16;
      maximum = std::clamp(maximum, 4, 16);
      squadron.PlanesMax = IntToStr(maximum);
      if (StrToInt(squadron.PlanesFlight) > maximum) squadron.PlanesFlight = IntToStr(maximum);
      squadron.PlanesAvailable = squadron.PlanesFlight;
    } else {
      const bool small_unit =
          IsSupportRole(squadron.SquadronRole) || Contains(squadron.SquadronClass, "G4M2E");
      squadron.PlanesMax = small_unit ? "4" : "16";
    }
  }
  SaveSquadrons(form, 0);
}
