#include "mission_generation/born_places.h"

#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/briefing_news.h"
#include "mission_generation/mission_build.h"
#include "platform/ascii.h"

namespace {

constexpr int kCarrierRadius = 3000;

std::string WholePart(const std::string& number) {
  const size_t point = number.find('.');
  return point == std::string::npos ? number : number.substr(0, point);
}

int SideIndex(const std::string& army) {
  const int side = StrToInt(army);
  return side >= 0 && side <= 2 ? side : 0;
}

// One born place being filled: its aircraft lines and the types already listed.
struct BornPlace {
  std::string plane_list;
  std::set<std::string> types;
};

struct DogfightBuild {
  MissionBuild& build;
  std::string blocks;
  int number = -1;
  std::array<std::set<std::string>, 3> listed_bases;  // by side
};

bool OffersItsType(const SquadronEntry& squadron, int side) {
  return squadron.SquadronArmy == IntToStr(side) && StrToInt(squadron.PlanesFlight) >= 2 &&
         squadron.SquadronFlyable == "1" && squadron.SquadronAI == "AI False";
}

void CountPlanes(MissionBuild& build, const SquadronEntry& squadron) {
  const int planes = StrToInt(squadron.PlanesFlight);
  if (squadron.SquadronArmy == "1") build.side_counts[1].planes += planes;
  if (squadron.SquadronArmy == "2") build.side_counts[2].planes += planes;
}

// Adds the squadron's type to the born place; `first_entry` writes the base's heading into the
// side's briefing list before its first type.
template <typename FirstEntry>
void OfferType(DogfightBuild& dogfight, BornPlace& place, int side, const SquadronEntry& squadron,
               FirstEntry first_entry) {
  MissionBuild& build = dogfight.build;
  if (place.types.insert(squadron.TypeGameName).second) {
    if (place.plane_list.empty()) first_entry();
    place.plane_list += "  " + squadron.TypeGameName + " \r\n";
    build.army_bases_text[static_cast<size_t>(side)] += "   " + squadron.TypeDescription + "\\n";
  }
  CountPlanes(build, squadron);
}

void CloseBornPlace(DogfightBuild& dogfight, const BornPlace& place, const std::string& line) {
  if (place.plane_list.empty()) {
    --dogfight.number;
    return;
  }
  dogfight.build.born_place_text += line;
  dogfight.blocks += "[BornPlace" + IntToStr(dogfight.number) + "]\r\n" + place.plane_list;
}

void AirfieldBornPlaces(TMainForm& form, DogfightBuild& dogfight) {
  std::unordered_map<std::string, std::string> runway_ships;  // last one per location name
  for (int j = 0; j <= form.LastStationary; ++j) {
    const StationaryEntry& object = form.StationaryObjectTable[j];
    if (!LocationTableType::Contains(object.StationaryNearestLocation) ||
        !Contains(object.StationaryLine, "Ship$Rwy")) {
      continue;
    }
    runway_ships[std::as_const(form.LocationTable)[object.StationaryNearestLocation].LocationName] =
        object.StationaryMissionPosition;
  }
  MissionBuild& build = dogfight.build;
  for (int l = 0; l <= form.LastLocation; ++l) {
    const LocationEntry& location = std::as_const(form.LocationTable)[l];
    const std::string lower = AsciiLowerCase(location.LocationName);
    if (!Contains(lower, "airfield") && !Contains(lower, "airstrip")) continue;
    const int side = SideIndex(location.LocationArmy);
    if (dogfight.listed_bases[static_cast<size_t>(side)].count(location.LocationName)) continue;
    ++dogfight.number;
    std::string position = location.LocationPosition;
    const auto ship = runway_ships.find(location.LocationName);
    if (ship != runway_ships.end()) position = ship->second;

    BornPlace place;
    for (int s = 0; s <= form.LastSquadron; ++s) {
      const SquadronEntry& squadron = form.SquadronTable[s];
      if (!OffersItsType(squadron, side) || squadron.SquadronHomeBase != location.LocationName) {
        continue;
      }
      OfferType(dogfight, place, side, squadron, [&] {
        build.army_bases_text[static_cast<size_t>(side)] += "\\n" + location.LocationName + "\\n";
        dogfight.listed_bases[static_cast<size_t>(side)].insert(location.LocationName);
      });
    }
    CloseBornPlace(dogfight, place,
                   "  " + location.LocationArmy + " " + IntToStr(form.BornPlaceTrackBar.Position) +
                       " " + BornPlaceCoordinates(position) + "\r\n");
  }
}

void CarrierBornPlaces(TMainForm& form, DogfightBuild& dogfight) {
  MissionBuild& build = dogfight.build;
  for (int j = 0; j <= form.LastStationary; ++j) {
    const StationaryEntry& object = form.StationaryObjectTable[j];
    const std::string& line = object.StationaryMissionLine;
    if (!Contains(line, "CV") || Contains(line, "LCVP")) continue;
    const int side = SideIndex(object.StationaryArmy);
    if (dogfight.listed_bases[static_cast<size_t>(side)].count(Trim(line))) continue;
    ++dogfight.number;

    BornPlace place;
    for (int s = 0; s <= form.LastSquadron; ++s) {
      const SquadronEntry& squadron = form.SquadronTable[s];
      if (!OffersItsType(squadron, side)) continue;
      OfferType(dogfight, place, side, squadron, [&] {
        for (int c = 0; c <= form.LastColumn; ++c) {
          const std::string name = Trim(form.ColumnTable[c].ColumnName);
          if (!name.empty() && Contains(" " + line, " " + name)) {
            build.army_bases_text[static_cast<size_t>(side)] +=
                "\\n" + form.ColumnTable[c].ColumnUnitName + "\\n";
          }
        }
        dogfight.listed_bases[static_cast<size_t>(side)].insert(Trim(line));
      });
    }
    CloseBornPlace(dogfight, place,
                   "  " + object.StationaryArmy + " " + IntToStr(kCarrierRadius) + " " +
                       BornPlaceCoordinates(object.StationaryMissionPosition) + "\r\n");
  }
}

bool IsArmour(const TMainForm& form, const std::string& line) {
  for (int a = 0; a <= form.LastArmor; ++a) {
    const std::string name = Copy(form.ArmorTable[a].ArmorName, 3, 99);
    if (!name.empty() && Contains(line, name)) return true;
  }
  return false;
}

void CountGroundObjects(TMainForm& form, MissionBuild& build) {
  for (int j = 0; j <= form.LastStationary; ++j) {
    const StationaryEntry& object = form.StationaryObjectTable[j];
    const std::string& line = object.StationaryMissionLine;
    if (Trim(line).empty()) continue;
    const std::string& army = object.StationaryArmy;
    if (army != "1" && army != "2") continue;
    MissionBuild::SideCounts& counts = build.side_counts[army == "1" ? 1 : 2];
    const bool armour = IsArmour(form, line);
    const bool aaa = Contains(line, "Zenit") || Contains(line, "Flak") ||
                     Contains(line, "StBofors") || Contains(line, "Artillery$Type");
    const bool wagon = Contains(line, "Stationary$Wagon");
    if (aaa) ++counts.aaa;
    if (!aaa && !armour) ++counts.artillery;
    if (Contains(line, "Ship")) ++counts.ships;
    if (armour) ++counts.tanks;
    if (Contains(line, "vehicles.stationary") && Contains(line, "Chief") && !wagon && !armour) {
      ++counts.cars;
    }
    if (wagon) ++counts.wagons;
  }
}

void ApplyMultiplier(TMainForm& form, MissionBuild& build) {
  const int percent =
      StrToInt(Copy(form.FBMultiplier.Text, 1, static_cast<int>(form.FBMultiplier.Text.find('%'))));
  for (MissionBuild::SideCounts& counts : build.side_counts) {
    for (int* count : {&counts.planes, &counts.wagons, &counts.aaa, &counts.tanks,
                       &counts.artillery, &counts.cars, &counts.ships}) {
      *count = *count * percent / 100;
    }
  }
}

}  // namespace

std::string BornPlaceCoordinates(const std::string& position) {
  const std::string text = Trim(position);
  const size_t blank = text.find(' ');
  if (blank == std::string::npos) return WholePart(text);
  const std::string y = Trim(text.substr(blank));
  return WholePart(text.substr(0, blank)) + " " + WholePart(y.substr(0, y.find(' ')));
}

std::string RespawnTimeSection() {
  return "[RespawnTime]\r\n"
         "  Bigship      1000000\r\n"
         "  Ship         1000000\r\n"
         "  Aeroanchored 1000000\r\n"
         "  Artillery    1000000\r\n"
         "  Searchlight  1000000\r\n";
}

void WriteDogfightSections(TMainForm& form, MissionBuild& build) {
  form.DescLabel.Caption = DogfightLabelNews(form);
  build.side_counts = {};
  build.born_place_text = "[BornPlace]\r\n";
  const std::string heading = "\\n\\n" + form.Messages.Text(MessageSection::kTitles, 26) + ":\\n";
  build.army_bases_text = {"", heading, heading};
  build.respawn_text = RespawnTimeSection();

  DogfightBuild dogfight{build, "", -1, {}};
  AirfieldBornPlaces(form, dogfight);
  CarrierBornPlaces(form, dogfight);
  build.born_place_text += dogfight.blocks;
  CountGroundObjects(form, build);
  ApplyMultiplier(form, build);
}
