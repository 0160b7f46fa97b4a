// The ground columns of the coming mission: its "[Chiefs]" section and the columns' roads.

#include <string>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/text.h"
#include "campaign_progression/column_routing.h"
#include "platform/ascii.h"
#include "platform/text_file.h"

namespace {

constexpr int kTankBusting = 8;
constexpr int kTrainBusting = 9;
constexpr int kTruckBusting = 10;
constexpr int kDensityDrawLimit = 10;  // density levels from here on draw no columns
constexpr int kPatrolEntries = 12;

std::string FirstTwoValues(const std::string& point) {
  const std::string text = Trim(point);
  if (text.empty()) return text;
  const size_t blank = text.find(' ');
  if (blank == std::string::npos) return text;
  const std::string rest = TrimLeft(text.substr(blank + 1));
  return text.substr(0, blank) + " " + rest.substr(0, rest.find(' '));
}

std::string FerryBoat(const TMainForm& form, const std::string& side) {
  std::string boat = "Ships.Tramp";
  if (side == "1") boat = "Ships.LCVP";
  if (side == "2") boat = "Ships.MFP";
  if (side == "1" && form.AlliedID == 14) boat = "Ships.Tral";
  if (side == "2" && form.AxisID == 11) boat = "Ships.DaihatsuLC";
  if (side == "2" && form.AxisID == 11 && form.CampaignYear < 1943) boat = "Ships.IJNFishJunkA";
  return boat;
}

bool AtPatrolArea(const TMainForm& form, const std::string& place) {
  const std::string& allied = form.PatrolText[0];
  const std::string& axis = form.PatrolText[kPatrolEntries];
  return (!allied.empty() && place == allied) || (!axis.empty() && place == axis);
}

std::string Speed(const TMainForm& form, const ColumnEntry& column) {
  const bool ship = Contains(column.ColumnType, "Ship") && column.ColumnStatus != "F";
  if (ship && AtPatrolArea(form, column.ColumnPlace)) {
    if (column.ColumnArmy == "1") return " " + IntToStr(form.TaskForceSpeed[1]) + ".00";
    if (column.ColumnArmy == "2") return " " + IntToStr(form.TaskForceSpeed[2]) + ".00";
    return " 16.00";
  }
  if (ship) return " 8.00";
  return " 2.50";
}

// The last point of the unbroken run of points from the first; -1 when there is none.
int LastUnbrokenPoint(const ColumnEntry& column) {
  int last = -1;
  while (last + 1 < kColumnRouteCapacity && !column.ColumnRoute[last + 1].empty()) ++last;
  return last;
}

}  // namespace

void ColumnRouting::BuildMissionSections() {
  form_.ColumnChiefsText = "[Chiefs]" + std::string(kCrLf);
  form_.ColumnRoadText.clear();
  const std::string& player_side = form_.SquadronTable[0].SquadronArmy;
  const int busting = form_.MissionRadio.ItemIndex;
  const bool dogfight = form_.Dogfight.Checked;
  for (int c = 0; c <= form_.LastColumn; ++c) {
    ColumnEntry& column = form_.ColumnTable[c];
    if (column.ColumnDestinationOwner.empty()) column.ColumnDestination = "Blank";
    const std::string p1 = FirstTwoValues(column.ColumnRoute[1]);
    const std::string type = AsciiLowerCase(column.ColumnType);
    const bool enemy = column.ColumnArmy != player_side;
    bool always = Contains(type, "ship") ||
                  (busting == kTankBusting && Contains(type, "armor") && enemy) ||
                  (busting == kTrainBusting && Contains(type, "train") && enemy) ||
                  (busting == kTruckBusting && Contains(type, "vehicle") && enemy);
    for (const std::string* name : {&column.ColumnPlace, &column.ColumnDestination}) {
      const int l = places_.Find(*name);
      if (l >= 0 && std::as_const(form_.LocationTable)[l].LocationArmy != column.ColumnArmy)
        always = true;
    }
    const int last = LastUnbrokenPoint(column);
    if (column.ColumnLastRoutePoint > last) column.ColumnLastRoutePoint = last;

    const int level = form_.ColumnDensityLevel;
    const bool drawn = form_.Random(level) == 0 && level < kDensityDrawLimit;
    if (!drawn && !always) continue;
    if (column.ColumnLastRoutePoint <= 0 || p1.empty()) continue;
    if (!always && TDistance(form_, p1, form_.FrontCenterPosition, "N") != "Y") continue;

    const bool ferry = column.ColumnStatus == "F";
    const bool written = !dogfight && column.ColumnMobile == "Y";
    if (written) {
      form_.ColumnChiefsText += ferry ? "  " + column.ColumnName + "_Ferry " +
                                            FerryBoat(form_, column.ColumnArmy) + " " +
                                            column.ColumnArmy + " 0 0 1.0"
                                      : "  " + column.ColumnType;
      form_.ColumnChiefsText += kCrLf;
      std::string header = column.ColumnHeader;
      if (ferry) {
        const size_t road = header.find("_Road]");
        if (road != std::string::npos) header.erase(road, 6);
        header += "_Ferry_Road]";
      }
      form_.ColumnRoadText += header;
      form_.ColumnRoadText += kCrLf;
      // Only a column whose lines go into the mission is there for the planner to find.
      column.ColumnInMission = "Y";
    }
    for (int j = 0; j <= column.ColumnLastRoutePoint; ++j) {
      if (j == 0) {
        column.ColumnRoute[0] = Trim(column.ColumnRoute[0]) + " 0 " +
                                IntToStr(column.ColumnLastRoutePoint + 1) + Speed(form_, column);
      }
      if (!column.ColumnRoute[j].empty() && column.ColumnMobile != "N") {
        form_.ColumnRoadText += "  " + column.ColumnRoute[j];
        form_.ColumnRoadText += kCrLf;
      }
    }
  }
  if (dogfight) form_.ColumnRoadText.clear();
}
