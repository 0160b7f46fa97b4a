#include "campaign_progression/territory_places.h"

#include <string_view>
#include <utility>

#include "campaign_data/text.h"
#include "campaign_progression/location_kinds.h"
#include "platform/errors.h"

namespace {

// Places that take the owner of the land around them.
bool TakesOwnerOfSurroundings(std::string_view name) {
  return ContainsAny(name, {"Station", "_Rail", "Harbor", "Seaplane_Base", "_Port", "Beachhead"});
}

// Places whose owner the surroundings are judged by (when they have one).
bool JudgesSurroundings(std::string_view name) {
  return !ContainsAny(name, {"Station", "_Rail", "Ocean", "Sea", "_Port", "Seaplane_Base", "Harbor",
                             "_Bay", "Beachhead"});
}

// Every name one of the fixed owners of ApplyFixedOwner (territory_owners.cpp) may apply to.
bool MayHaveFixedOwner(std::string_view name) {
  if (ContainsAny(name, {"English_", "Rabaul"})) return true;
  for (const std::string_view place :
       {"Wake", "Midway", "Battleship_Row", "Saipan", "Okinawa", "Kyushu", "Iwo_Jima_Beach", "Guam",
        "Palau", "Tarawa_Atoll"}) {
    if (name == place) return true;
  }
  return false;
}

}  // namespace

void TerritoryPlaces::Refresh(const LocationTableType& table, int last) {
  if (!Same(table, last)) Build(table, last);
}

bool TerritoryPlaces::Same(const LocationTableType& table, int last) const {
  if (static_cast<size_t>(last + 1) != names_.size()) return false;
  for (int i = 0; i <= last; ++i) {
    const LocationEntry& location = table[i];
    if (location.LocationName != names_[static_cast<size_t>(i)] ||
        location.LocationPosition != positions_[static_cast<size_t>(i)]) {
      return false;
    }
  }
  return true;
}

void TerritoryPlaces::Build(const LocationTableType& table, int last) {
  const auto name_kinds = [](std::string_view name) {
    unsigned char kind = 0;
    if (TakesOwnerOfSurroundings(name)) kind |= kTakesOwner;
    if (JudgesSurroundings(name)) kind |= kJudges;
    if (IsSeaNode(name)) kind |= kSea;
    if (MayHaveFixedOwner(name)) kind |= kFixedOwner;
    return kind;
  };
  const size_t count = static_cast<size_t>(last + 1);
  // Moves of places keep their names: what the names tell is kept then, and only the
  // positions are read again.
  bool names_kept = names_.size() == count;
  for (int i = 0; names_kept && i <= last; ++i) {
    names_kept = table[i].LocationName == names_[static_cast<size_t>(i)];
  }
  if (!names_kept) {
    names_.resize(count);
    kinds_.assign(count, 0);
    ruled_.clear();
    any_takes_owner_ = false;
  }
  positions_.resize(count);
  points_.assign(count, WholeMetrePoint{});
  unreadable_.clear();
  judges_.Clear();
  for (int i = 0; i <= last; ++i) {
    const size_t at = static_cast<size_t>(i);
    const LocationEntry& location = table[i];
    positions_[at] = location.LocationPosition;
    unsigned char kind = names_kept ? static_cast<unsigned char>(kinds_[at] & ~kUnreadable)
                                    : name_kinds(location.LocationName);
    try {
      points_[at] = ReadWholeMetres(location.LocationPosition);
    } catch (const ConversionError&) {
      kind |= kUnreadable;
      unreadable_.push_back(i);
    }
    kinds_[at] = kind;
    if (!names_kept) {
      names_[at] = location.LocationName;
      any_takes_owner_ = any_takes_owner_ || (kind & kTakesOwner) != 0;
      if ((kind & (kTakesOwner | kSea | kFixedOwner)) != 0) ruled_.push_back(i);
    }
    if ((kind & kJudges) != 0 && (kind & kUnreadable) == 0) {
      judges_.Add(points_[at].x, points_[at].y, i, false);
    }
  }
  judges_.Build();
}
