// Retreats, seizures and the destination of every column.

#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/text.h"
#include "campaign_progression/column_routing.h"
#include "campaign_progression/news_items.h"
#include "platform/ascii.h"

namespace {

constexpr double kOverwhelming = 6.0;
constexpr int kRetreatNews = 21;
constexpr int kBuildUpNews = 23;
constexpr int kCapturedNews = 7;
constexpr int kStrongForce = 4;  // more land columns than this at one place make news

// The attacker's strength over the defender's is overwhelming.
bool Overwhelming(int attack, int defence) {
  return static_cast<double>(attack) / static_cast<double>(defence) > kOverwhelming;
}

bool IsLandColumn(const ColumnEntry& column) {
  return !Contains(column.ColumnType, "Ship") && !Contains(column.ColumnType, "Train");
}

}  // namespace

bool ColumnRouting::SideStandsAtDestination(const ColumnEntry& column,
                                            const std::string& side) const {
  return sides_at_place_.count(column.ColumnDestination + "\n" + side) > 0;
}

// A news item of `line` for `side` at the location, in both languages; with `only_once` an
// item a text already holds is not added to it again.
void ColumnRouting::AddNewsItem(int line, const std::string& side, int location, bool only_once) {
  const LocationEntry& place = std::as_const(form_.LocationTable)[location];
  const std::string tail = " " + MapCoordinate(form_, place.LocationPosition) + ". ";
  const FillOrder order = line == kCapturedNews ? FillOrder::kPlaceFirst : FillOrder::kArmyFirst;
  const NewsLine news = News(form_, line);
  const std::string item = NewsSentence(form_, news.text, side, place.LocationName, order) + tail;
  const std::string item_ru =
      NewsSentence(form_, news.text_ru, side, place.LocationName, order) + tail;
  if (!only_once || !Contains(form_.CampaignNews, item)) form_.CampaignNews += item;
  if (!only_once || !Contains(form_.CampaignNewsRu, item_ru)) form_.CampaignNewsRu += item_ru;
}

void ColumnRouting::RetreatsAndSeizures() {
  if (form_.LastLocation >= 0) {
    for (int c = 0; c <= form_.LastColumn; ++c) {
      ColumnEntry& column = form_.ColumnTable[c];
      if (AsciiLowerCase(column.ColumnUnitName) == "sunk") {
        column.ColumnPlace = "Blank";
        column.ColumnDestination = "Blank";
      }
    }
  }
  for (int c = 0; c <= form_.LastColumn; ++c) {
    const ColumnEntry& column = form_.ColumnTable[c];
    sides_at_place_.insert(column.ColumnPlace + "\n" + column.ColumnArmy);
  }
  const ColumnsByPlace at_place(form_);
  const bool new_campaign = form_.NewCampaignFlag == "Y";

  for (int i = 0; i <= form_.LastLocation; ++i) {
    LocationEntry& location = form_.LocationTable[i];
    int allied_columns = 0;
    int axis_columns = 0;
    for (const int c : at_place.At(location.LocationName)) {
      ColumnEntry& column = form_.ColumnTable[c];
      const LocationCombatEntry& combat = location.LocationCombat;
      const bool may_retreat = !new_campaign && !Contains(column.ColumnPlace, "_Ferry") &&
                               IsLandColumn(column) && column.ColumnStatus != "X" &&
                               column.ColumnStatus != "L";
      if (may_retreat && column.ColumnArmy == "2" &&
          Overwhelming(combat.AlliedAttack, combat.AxisDefence)) {
        column.ColumnStatus = "R";
        column.ColumnHeading = "1";
        column.ColumnPlaceOwner = "2";
        location.TerritoryStrength[2] = 0;
        column.ColumnMobile = "Y";
        location.LocationArmy = "1";
        AddNewsItem(kRetreatNews, "2", i, true);
      }
      if (may_retreat && column.ColumnArmy == "1" &&
          Overwhelming(combat.AxisAttack, combat.AlliedDefence)) {
        column.ColumnStatus = "R";
        column.ColumnHeading = "2";
        column.ColumnPlaceOwner = "1";
        location.TerritoryStrength[1] = 0;
        column.ColumnMobile = "Y";
        location.LocationArmy = "2";
        AddNewsItem(kRetreatNews, "1", i, true);
      }
      if (IsLandColumn(column)) {
        if (column.ColumnArmy == "1") ++allied_columns;
        if (column.ColumnArmy == "2") ++axis_columns;
      }
    }
    const auto near_front = [&] {
      return TDistance(form_, location.LocationPosition, form_.FrontCenterPosition, "Y") == "Y";
    };
    if (allied_columns > kStrongForce && near_front()) AddNewsItem(kBuildUpNews, "1", i, false);
    if (axis_columns > kStrongForce && near_front()) AddNewsItem(kBuildUpNews, "2", i, false);
  }

  for (int i = 0; i <= form_.LastLocation; ++i) {
    LocationEntry& location = form_.LocationTable[i];
    for (const int c : at_place.At(location.LocationName)) {
      ColumnEntry& column = form_.ColumnTable[c];
      if (new_campaign || column.ColumnStatus != "Y" || !Contains(column.ColumnType, "Armor")) {
        continue;
      }
      const LocationCombatEntry& combat = location.LocationCombat;
      for (const char* side : {"2", "1"}) {
        const std::string own = side;
        const std::string enemy = own == "2" ? "1" : "2";
        const bool strong = own == "2" ? Overwhelming(combat.AxisAttack, combat.AlliedDefence)
                                       : Overwhelming(combat.AlliedAttack, combat.AxisDefence);
        if (column.ColumnArmy != own || column.ColumnStatus != "Y" || !strong ||
            !SideStandsAtDestination(column, enemy)) {
          continue;
        }
        column.ColumnStatus = "A";
        column.ColumnHeading = own;
        column.ColumnPlaceOwner = own;
        location.TerritoryStrength[own == "2" ? 2 : 1] = 0;
        if (location.LocationArmy != own) {
          location.LocationArmy = own;
          AddNewsItem(kCapturedNews, own, i, false);
        }
      }
    }
  }
}

// The hold rule: a column does not move on to a place where its own side already stands, no
// enemy does, and the enemy's pressure there is overwhelming.
void ColumnRouting::CheckHold(int c) {
  ColumnEntry& column = form_.ColumnTable[c];
  if (!column.ColumnStatus.empty() || column.ColumnDestination == column.ColumnPlace ||
      form_.NewCampaignFlag == "Y") {
    return;
  }
  const int l = places_.Find(column.ColumnDestination);
  if (l < 0) return;
  const LocationCombatEntry& combat = std::as_const(form_.LocationTable)[l].LocationCombat;
  const std::string& own = column.ColumnArmy;
  const std::string enemy = own == "2" ? "1" : "2";
  const bool pressed = own == "2"   ? Overwhelming(combat.AlliedAttack, combat.AxisDefence)
                       : own == "1" ? Overwhelming(combat.AxisAttack, combat.AlliedDefence)
                                    : false;
  if (pressed && SideStandsAtDestination(column, own) && !SideStandsAtDestination(column, enemy)) {
    column.ColumnStatus = "L";
  }
}

// The destination is the far end of the first section that starts at the column's place and runs
// the way the column is heading; a later such section replaces it on a draw of 0 unless a broken
// bridge lies at its far end.
void ColumnRouting::ChooseDestination(int c) {
  ColumnEntry& column = form_.ColumnTable[c];
  const RouteSections* routes = routes_.For(RouteFiles::NetworkOf(column.ColumnType));
  if (routes == nullptr || routes->Sections().empty()) return;
  CheckHold(c);
  const bool toward_first = column.ColumnHeading == "1";
  if (!toward_first && column.ColumnHeading != "2") return;
  const std::span<const int> leaving =
      toward_first ? routes->To(column.ColumnPlace) : routes->From(column.ColumnPlace);
  for (const int s : leaving) {
    const RouteSection& section = routes->Sections()[static_cast<size_t>(s)];
    const std::string next(toward_first ? section.from : section.to);
    const int l = places_.Find(next);
    if (l < 0) continue;
    const LocationEntry& location = std::as_const(form_.LocationTable)[l];
    const bool draw = form_.Random(2) == 0;
    if ((draw && location.LocationBridgeState == 0) ||
        column.ColumnDestination == column.ColumnPlace) {
      column.ColumnDestinationOwner = location.LocationArmy;
      column.ColumnDestination = next;
      CheckHold(c);
    }
  }
}

// A land column at a place that an earlier column of another side is heading for turns the way
// the last of them heads, and its place is contested.
void ColumnRouting::ChooseDestinations() {
  // The columns routed so far by destination, in index order: routing a column changes no
  // other column's destination.
  std::unordered_map<std::string, std::vector<int>> routed_to;
  for (int c = 0; c <= form_.LastColumn; ++c) {
    ColumnEntry& column = form_.ColumnTable[c];
    column.ColumnInMission.clear();
    const int enemy = IsLandColumn(column) ? LastOfOtherSide(routed_to, column) : -1;
    if (enemy >= 0) {
      column.ColumnHeading = std::as_const(form_.ColumnTable)[enemy].ColumnArmy;
      column.ColumnPlaceOwner = "0";
    }
    ChooseDestination(c);
    routed_to[std::as_const(form_.ColumnTable)[c].ColumnDestination].push_back(c);
  }
}

// The last of the columns heading for the column's place whose side is not the column's; -1 when
// none.
int ColumnRouting::LastOfOtherSide(
    const std::unordered_map<std::string, std::vector<int>>& routed_to,
    const ColumnEntry& column) const {
  const auto found = routed_to.find(column.ColumnPlace);
  if (found == routed_to.end()) return -1;
  const std::vector<int>& heading_there = found->second;
  for (auto k = heading_there.rbegin(); k != heading_there.rend(); ++k) {
    if (std::as_const(form_.ColumnTable)[*k].ColumnArmy != column.ColumnArmy) return *k;
  }
  return -1;
}
