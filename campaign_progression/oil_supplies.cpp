#include "campaign_progression/oil_supplies.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/stationary_lines.h"
#include "platform/text_file.h"

namespace {

constexpr int kFull = 100;
constexpr int kUnreadableBonus = 30;

struct SideStock {
  int trucks = 0;
  int lost_trucks = 0;
  int fuel = 0;
  int lost_fuel = 0;
};

// The surviving share of a side's carriers in whole percent; 100 without any.
int SurvivingPercent(int total, int lost) {
  if (total <= 0) return kFull;
  return static_cast<int>(static_cast<double>(total - lost) / total * 100.0);
}

// A bonus box: "+20%" gives 20; "Default" gives the default; anything else 30.
int Bonus(const std::string& box_text, int default_bonus) {
  if (box_text == "Default") return default_bonus;
  const std::string number = ReplaceTextProcedure(ReplaceTextProcedure(box_text, "+", ""), "%", "");
  return StrToIntDef(number, kUnreadableBonus);
}

int AxisOilDefault(const TMainForm& form) {
  int bonus = 10;
  if (form.CampaignYear > 1942) bonus += 10;
  if (form.CampaignYear == 1942) bonus += 20;
  if (form.CampaignYear < 1942) bonus += 30;
  if (form.CampaignMonth >= 3 && form.CampaignMonth <= 9) bonus += 20;
  return bonus;
}

int AlliedOilDefault(const TMainForm& form) {
  int bonus = 20;
  if (form.CampaignYear < 1944) bonus += 10;
  if (form.CampaignYear == 1944) bonus += 20;
  if (form.CampaignYear > 1944) bonus += 30;
  if (form.CampaignMonth >= 3 && form.CampaignMonth <= 9) bonus += 10;
  return bonus;
}

bool IsOnlineScriptRun(const TMainForm& form) {
  const std::string first = form.ParamStr(1);
  return Contains(first, "netcoop") || Contains(first, "netdogfight") ||
         Contains(first, "netupdate");
}

void WriteSupplyFile(TMainForm& form) {
  const std::string text =
      "Allied Oil Supply = " + IntToStr(form.OilSupply[0]) + "%" + std::string(kCrLf) +
      "Axis Oil Supply = " + IntToStr(form.OilSupply[1]) + "%" + std::string(kCrLf) +
      "Allied Reinforcement Chance = " + IntToStr(form.ReinforcementChance[0]) + "%" +
      std::string(kCrLf) + "Axis Reinforcement Chance = " + IntToStr(form.ReinforcementChance[1]) +
      "%" + std::string(kCrLf);
  WriteTextFile(form.CampaignFolder + "supply.dat", text);
}

}  // namespace

void OilSupplies(TMainForm& form) {
  std::array<SideStock, 2> stock{};
  const StationaryObjectTableType& objects = form.StationaryObjectTable;
  for (int s = 0; s <= form.InitialStationary; ++s) {
    const std::string& line = objects[s].StationaryLine;
    const std::string_view side = ObjectSide(line);
    if (side != "1" && side != "2") continue;
    SideStock& own = stock[side == "1" ? 0 : 1];
    const bool lost = IsInactiveLine(line);
    if (IsSupplyTruckLine(line)) {
      ++own.trucks;
      if (lost) ++own.lost_trucks;
    }
    if (IsFuelCarrierLine(line)) {
      ++own.fuel;
      if (lost) ++own.lost_fuel;
    }
  }
  for (int side = 0; side < 2; ++side) {
    form.OilSupply[side] = SurvivingPercent(stock[side].fuel, stock[side].lost_fuel);
    form.ReinforcementChance[side] = SurvivingPercent(stock[side].trucks, stock[side].lost_trucks);
  }
  form.ReinforcementChance[0] += Bonus(Trim(form.RuSupplyBox.Text), 30);
  form.ReinforcementChance[1] += Bonus(Trim(form.DeSupplyBox.Text), 30);
  form.OilSupply[1] += Bonus(Trim(form.DeOilBox.Text), AxisOilDefault(form));
  form.OilSupply[0] += Bonus(Trim(form.RuOilBox.Text), AlliedOilDefault(form));
  for (int side = 0; side < 2; ++side) {
    form.OilSupply[side] = std::min(form.OilSupply[side], kFull);
    form.ReinforcementChance[side] = std::min(form.ReinforcementChance[side], kFull);
  }
  if (IsOnlineScriptRun(form)) WriteSupplyFile(form);
}
