#include "campaign_progression/territory_capture.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/armour_changes.h"
#include "campaign_progression/campaign_end.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/news_items.h"
#include "campaign_progression/place_index.h"
#include "campaign_progression/troop_cap.h"

namespace {

constexpr int kCapturedNews = 7;
constexpr std::array<int, 2> kContestedNews{9, 10};
constexpr int kQuietFrontNews = 11;
constexpr int kLastAirfieldNews = 5;
constexpr int kBattleLostNews = 6;
constexpr int kArmourLosses = 16;  // troops an armour or truck column may kill, plus one
constexpr int kVehicleLosses = 4;  // the same for other vehicle columns

struct Presence {
  std::vector<char> allied;
  std::vector<char> axis;
};

void SetFrontCentre(TMainForm& form, int i) {
  const LocationEntry& location = std::as_const(form.LocationTable)[i];
  form.FrontCenterName = location.LocationName;
  form.FrontCenterPosition = location.LocationPosition;
  form.FrontCenterIndex = i;
}

// The columns at a place wear the enemy's troops down; armour and truck columns also hold it.
void WearDownTroops(TMainForm& form, int i, const std::vector<int>& columns, Presence& presence) {
  std::array<int, 3>& troops = form.LocationTable[i].TerritoryStrength;
  for (const int c : columns) {
    const ColumnEntry& column = form.ColumnTable[c];
    const std::string& type = column.ColumnType;
    if (Contains(type, "Armor") || Contains(type, "CarsColumn")) {
      if (column.ColumnArmy == "1") {
        presence.allied[i] = 1;
        troops[2] -= form.Random(kArmourLosses);
      } else if (column.ColumnArmy == "2") {
        presence.axis[i] = 1;
        troops[1] -= form.Random(kArmourLosses);
      }
    }
    if (Contains(type, "Vehicle") && !Contains(type, "CarsColumn")) {
      if (column.ColumnArmy == "1") {
        troops[2] -= form.Random(kVehicleLosses);
      } else if (column.ColumnArmy == "2") {
        troops[1] -= form.Random(kVehicleLosses);
      }
    }
  }
}

void SettleTroops(LocationEntry& location, int cap) {
  std::array<int, 3>& troops = location.TerritoryStrength;
  for (const int side : {1, 2}) {
    if (troops[side] < 0) troops[side] = 0;
    if (troops[side] > cap) troops[side] = cap;
  }
  if (location.LocationArmy == "2") troops[1] = 0;
  if (location.LocationArmy == "1") troops[2] = 0;
}

void AddCaptureNews(TMainForm& form, int i, const std::string& side) {
  const LocationEntry& location = std::as_const(form.LocationTable)[i];
  const std::string place = RemoveBridgeNo(form, location.LocationName);
  const std::string grid = MapCoordinate(form, location.LocationPosition);
  const NewsLine news = News(form, kCapturedNews);
  form.FrontNews +=
      " " + NewsSentence(form, news.text, side, place, FillOrder::kPlaceFirst) + " " + grid + ". ";
  form.FrontNewsRu += " " + NewsSentence(form, news.text_ru, side, place, FillOrder::kPlaceFirst) +
                      " " + grid + ". ";
}

void Capture(TMainForm& form, int i, const std::string& side) {
  form.LocationTable[i].LocationArmy = side;
  AddCaptureNews(form, i, side);
  SetFrontCentre(form, i);
}

void CapturePass(TMainForm& form, int cap, Presence& presence) {
  const ColumnsByPlace columns(form);
  for (int i = form.LastLocation; i >= 0; --i) {
    LocationEntry& location = form.LocationTable[i];
    presence.allied[i] = 0;
    presence.axis[i] = 0;
    WearDownTroops(form, i, columns.At(location.LocationName), presence);
    SettleTroops(location, cap);
    const std::array<int, 3>& troops = location.TerritoryStrength;
    if (troops[1] > 0) presence.allied[i] = 1;
    if (troops[2] > 0) presence.axis[i] = 1;
    if (!IsFrontLocation(location.LocationName)) continue;
    if (troops[2] == 0 && presence.allied[i] && !presence.axis[i] && location.LocationArmy != "1") {
      Capture(form, i, "1");
    }
    if (troops[1] == 0 && !presence.allied[i] && presence.axis[i] && location.LocationArmy != "2") {
      Capture(form, i, "2");
    }
  }
}

void ContestPass(TMainForm& form, const Presence& presence) {
  for (int i = form.LastLocation; i >= 0; --i) {
    LocationEntry& location = form.LocationTable[i];
    if (!IsFrontLocation(location.LocationName)) continue;
    if (!(presence.allied[i] && presence.axis[i]) && location.LocationArmy != "0") continue;
    location.LocationArmy = "0";
    SetFrontCentre(form, i);
    const NewsLine news = News(form, kContestedNews[form.Random(2)]);
    const std::string place = RemoveBridgeNo(form, location.LocationName);
    const std::string grid = MapCoordinate(form, location.LocationPosition);
    form.FrontNews += " " + ReplaceTextProcedure(news.text, "<TGTNAME>", place) + " " + grid + ".";
    form.FrontNewsRu +=
        " " + ReplaceTextProcedure(news.text_ru, "<TGTNAME>", place) + " " + grid + ".";
  }
}

std::string QuietFrontNews(TMainForm& form, const std::string& text) {
  return ReplaceTextProcedure(text, "<TGTNAME>", RemoveBridgeNo(form, form.FrontCenterName)) + " " +
         MapCoordinate(form, form.FrontCenterPosition) + ".";
}

bool IsCarrier(const std::string& text) {
  return Contains(text, "CV") && !Contains(text, "LCVP");
}

bool HasBase(const TMainForm& form, const std::string& side) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    if (ContainsAny(location.LocationName, {"Airstrip", "Airfield"}) &&
        location.LocationArmy == side) {
      return true;
    }
  }
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    if (IsCarrier(column.ColumnType) && column.ColumnArmy == side) return true;
  }
  for (int s = 0; s <= form.LastStationary; ++s) {
    const StationaryEntry& object = form.StationaryObjectTable[s];
    if (IsCarrier(object.StationaryLine) && object.StationaryArmy == side) return true;
  }
  return false;
}

bool OwnerIsNot(const TMainForm& form, const std::string& name, const std::string& side,
                bool trimmed) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    const std::string location_name = trimmed ? Trim(location.LocationName) : location.LocationName;
    if (location_name == name && location.LocationArmy != side) return true;
  }
  return false;
}

bool OwnerIs(const TMainForm& form, const std::string& name, const std::string& side) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    if (Trim(location.LocationName) == name && location.LocationArmy == side) return true;
  }
  return false;
}

// A single-map campaign ends when a side has lost its last base, its zone or the other side's
// trigger place. The first end found ends it.
void SingleMapEndTests(TMainForm& form) {
  struct EndTest {
    bool holds;
    int news;
    const char* side;
  };
  const EndTest tests[] = {
      {!HasBase(form, "1"), kLastAirfieldNews, "1"},
      {!HasBase(form, "2"), kLastAirfieldNews, "2"},
      {OwnerIsNot(form, form.DeZoneText, "2", false), kBattleLostNews, "2"},
      {OwnerIsNot(form, form.RuZoneText, "1", false), kBattleLostNews, "1"},
      {OwnerIs(form, form.DeTrigger, "1"), kBattleLostNews, "2"},
      {OwnerIs(form, form.RuTrigger, "2"), kBattleLostNews, "1"},
  };
  for (const EndTest& test : tests) {
    if (!test.holds) continue;
    const std::string message = ReplaceArmy(form, News(form, test.news).text, test.side);
    CampaignEnd(form, message);
    ErrorTrap(form, message);
    return;
  }
}

}  // namespace

void TerritoryCapture(TMainForm& form) {
  ErrorLog(form, "Territory Capture Check.");
  const int cap = TroopCap(form);
  const size_t locations = static_cast<size_t>(std::max(form.LastLocation + 1, 0));
  Presence presence{std::vector<char>(locations, 0), std::vector<char>(locations, 0)};
  CapturePass(form, cap, presence);
  ContestPass(form, presence);

  form.FrontNews = Trim(form.FrontNews);
  form.FrontNewsRu = Trim(form.FrontNewsRu);
  if (form.FrontNews.empty())
    form.FrontNews = QuietFrontNews(form, News(form, kQuietFrontNews).text);
  if (form.FrontNewsRu.empty()) {
    form.FrontNewsRu = QuietFrontNews(form, News(form, kQuietFrontNews).text_ru);
  }
  if (form.SingleMapCampaign.Checked) SingleMapEndTests(form);
}
