#include "campaign_progression/territory_places.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "campaign_progression/nearest_owned_place.h"
#include "campaign_progression/territory.h"
#include "tests/support/test_world.h"

namespace {

// ---- The owner rules done the plain way: every place read and sorted afresh on every call,
// the nearest held town found by comparing it with every other place.

struct PlainPlace {
  std::string name;
  std::string position;
  std::string army;
  int allied = 0;
  int axis = 0;
};

struct PlainInputs {
  std::vector<PlainPlace> places;
  std::vector<std::pair<std::string, std::string>> columns;  // place, side
  std::string new_campaign;
  std::string map_title;
  int year = 1944;
};

bool PlainContains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

bool PlainAny(const std::string& text, std::initializer_list<const char*> parts) {
  return std::any_of(parts.begin(), parts.end(),
                     [&text](const char* part) { return PlainContains(text, part); });
}

bool PlainOneOf(const std::string& text, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(),
                     [&text](const char* name) { return text == name; });
}

// "x.dd y.dd" to whole metres; false when it is not that.
bool PlainPoint(const std::string& position, long long& x, long long& y) {
  const size_t blank = position.find(' ');
  if (blank == std::string::npos) return false;
  const std::string xs = position.substr(0, blank);
  const std::string ys = position.substr(blank + 1);
  if (xs.find('.') == std::string::npos || ys.find('.') == std::string::npos) return false;
  x = std::stoll(xs.substr(0, xs.find('.')));
  y = std::stoll(ys.substr(0, ys.find('.')));
  return true;
}

// The owners and troops the rules leave, and the places whose positions were reported.
std::vector<std::string> PlainDeriveOwners(PlainInputs& in) {
  const int count = static_cast<int>(in.places.size());
  std::vector<long long> xs(count), ys(count);
  std::vector<bool> readable(count), judges(count);
  std::vector<std::string> reported;
  bool any_asks = false;
  for (int i = 0; i < count; ++i) {
    const std::string& name = in.places[i].name;
    readable[i] = PlainPoint(in.places[i].position, xs[i], ys[i]);
    any_asks = any_asks || PlainAny(name, {"Station", "_Rail", "Harbor", "Seaplane_Base", "_Port",
                                           "Beachhead"});
    judges[i] = readable[i] && !PlainAny(name, {"Station", "_Rail", "Ocean", "Sea", "_Port",
                                                "Seaplane_Base", "Harbor", "_Bay", "Beachhead"});
  }
  for (int i = 0; any_asks && i < count; ++i) {
    if (!readable[i]) reported.push_back(in.places[i].name);
  }
  for (int i = count - 1; i >= 0; --i) {
    PlainPlace& place = in.places[i];
    const std::string& name = place.name;
    if (readable[i] &&
        PlainAny(name, {"Station", "_Rail", "Harbor", "Seaplane_Base", "_Port", "Beachhead"})) {
      long long best = -1;
      int nearest = -1;
      for (int j = 0; j < count; ++j) {
        if (!judges[j] || in.places[j].army == "0") continue;
        const double dx = static_cast<double>(xs[j] - xs[i]);
        const double dy = static_cast<double>(ys[j] - ys[i]);
        const long long d = static_cast<long long>(std::sqrt(dx * dx + dy * dy));
        if (nearest < 0 || d < best) {
          best = d;
          nearest = j;
        }
      }
      if (nearest >= 0) place.army = in.places[nearest].army;
    }
    if (PlainAny(name, {"Ocean", "Sea", "_Bay"}) && !PlainContains(name, "Seaplane_Base")) {
      place.army = "0";
      for (const auto& [at, side] : in.columns) {
        if (at == name && in.new_campaign != "Y") place.army = side;
      }
    }
    auto garrison = [&place](const char* owner) {
      place.army = owner;
      place.allied = 0;
      place.axis = 0;
    };
    if (PlainContains(name, "English_")) place.army = "1";
    if (PlainContains(name, "the_English_Channel") &&
        (PlainContains(in.map_title, "Berlin") || in.map_title == "Balaton")) {
      place.army = "2";
    }
    if (PlainContains(name, "Rabaul")) place.army = "2";
    if (PlainOneOf(name, {"Wake", "Midway", "Battleship_Row"})) garrison("1");
    if (PlainOneOf(name, {"Saipan", "Okinawa", "Kyushu", "Iwo_Jima_Beach"})) garrison("2");
    if (name == "Guam" && in.year < 1943) garrison("1");
    if (name == "Palau" || name == "Tarawa_Atoll") garrison("2");
  }
  return reported;
}

// ---- Random maps with every kind of place the rules know.

const char* const kKinds[] = {
    "Town_%",
    "Town_%",
    "Town_%",
    "Town_%",
    "Rail_Station_%",
    "Depot_%_Rail",
    "Port_%_Harbor",
    "%_Seaplane_Base",
    "Dock_%_Port",
    "Cove_%_Beachhead",
    "North_Sea",
    "Deep_%_Ocean",
    "Shark_Bay",
    "English_%",
    "the_English_Channel",
    "Rabaul_%",
    "Wake",
    "Midway",
    "Battleship_Row",
    "Saipan",
    "Okinawa",
    "Kyushu",
    "Iwo_Jima_Beach",
    "Guam",
    "Palau",
    "Tarawa_Atoll",
    "Sea_Seaplane_Base",
};

std::string RandomName(std::mt19937& random, int i) {
  const std::string kind =
      kKinds[std::uniform_int_distribution<size_t>(0, std::size(kKinds) - 1)(random)];
  const size_t mark = kind.find('%');
  return mark == std::string::npos ? kind
                                   : kind.substr(0, mark) + IntToStr(i) + kind.substr(mark + 1);
}

std::string RandomPosition(std::mt19937& random) {
  std::uniform_int_distribution<int> coarse(0, 12);
  if (std::uniform_int_distribution<int>(0, 60)(random) == 0) {
    return random() % 2 == 0 ? "nowhere" : "1200 3400";
  }
  // Coarse coordinates make many equal distances.
  return IntToStr(coarse(random) * 1000 + static_cast<int>(random() % 3)) + ".00 " +
         IntToStr(coarse(random) * 1000) + ".50";
}

const char* RandomArmy(std::mt19937& random) {
  static const char* const kArmies[] = {"0", "1", "2"};
  return kArmies[random() % 3];
}

PlainInputs InputsOf(const TMainForm& form) {
  PlainInputs in;
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = form.LocationTable[i];
    in.places.push_back({location.LocationName, location.LocationPosition, location.LocationArmy,
                         location.TerritoryStrength[1], location.TerritoryStrength[2]});
  }
  for (int c = 0; c <= form.LastColumn; ++c) {
    in.columns.emplace_back(form.ColumnTable[c].ColumnPlace, form.ColumnTable[c].ColumnArmy);
  }
  in.new_campaign = form.NewCampaignFlag;
  in.map_title = form.MapTitle;
  in.year = form.CampaignYear;
  return in;
}

std::vector<std::string> ReportedPlaces(const std::string& log) {
  constexpr std::string_view kReport = "Failed Target X/Y Coordinates for ";
  std::vector<std::string> names;
  for (size_t at = log.find(kReport); at != std::string::npos; at = log.find(kReport, at + 1)) {
    const size_t from = at + kReport.size();
    names.push_back(log.substr(from, log.find(".\r\n", from) - from));
  }
  return names;
}

// Changes some of the map between two calls, as loads and the ground war do: owners mostly,
// now and then a place's name or position, or the number of places.
void Shuffle(TMainForm& form, std::mt19937& random, int round) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    if (random() % 4 == 0) form.LocationTable[i].LocationArmy = RandomArmy(random);
  }
  if (round % 3 == 1) {
    const int i = static_cast<int>(random() % static_cast<unsigned>(form.LastLocation + 1));
    form.LocationTable[i].LocationPosition = RandomPosition(random);
  }
  if (round % 4 == 2) {
    const int i = static_cast<int>(random() % static_cast<unsigned>(form.LastLocation + 1));
    form.LocationTable[i].LocationName = RandomName(random, i);
  }
  if (round % 5 == 3) form.LastLocation -= 7;
  if (round % 5 == 4) form.LastLocation += 7;
  form.NewCampaignFlag = random() % 3 == 0 ? "Y" : "N";
  form.CampaignYear = random() % 2 == 0 ? 1942 : 1944;
  static const char* const kTitles[] = {"Riverland", "Berlin1945", "Balaton"};
  form.MapTitle = kTitles[random() % 3];
}

// Owners set again and again on one form, the places kept between calls, agree with the rules
// done afresh every time.
TEST(TerritoryPlaces, OwnersAgreeWithThePlainRulesAcrossRepeatedCalls) {
  for (const unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestWorld world;
    TMainForm& form = *world.form;
    std::mt19937 random(seed);
    form.LastLocation = 299 + static_cast<int>(seed) * 100;
    for (int i = 0; i <= form.LastLocation + 7; ++i) {
      LocationEntry& location = form.LocationTable[i];
      location.LocationName = RandomName(random, i);
      location.LocationPosition = RandomPosition(random);
      location.LocationArmy = RandomArmy(random);
      location.TerritoryStrength = {0, 5, 6};
    }
    form.LastColumn = 11;
    for (int c = 0; c <= form.LastColumn; ++c) {
      form.ColumnTable[c].ColumnPlace = c % 2 == 0 ? "North_Sea" : "Shark_Bay";
      form.ColumnTable[c].ColumnArmy = RandomArmy(random);
    }
    for (int round = 0; round < 12; ++round) {
      SCOPED_TRACE("round " + std::to_string(round));
      Shuffle(form, random, round);
      PlainInputs expected = InputsOf(form);
      const std::vector<std::string> reported = PlainDeriveOwners(expected);
      form.ErrorText.clear();
      SetTgtNation(form, 0);
      for (int i = 0; i <= form.LastLocation; ++i) {
        const LocationEntry& location = form.LocationTable[i];
        ASSERT_EQ(location.LocationArmy, expected.places[i].army) << location.LocationName;
        ASSERT_EQ(location.TerritoryStrength[1], expected.places[i].allied);
        ASSERT_EQ(location.TerritoryStrength[2], expected.places[i].axis);
      }
      EXPECT_EQ(ReportedPlaces(form.ErrorText), reported);
    }
  }
}

// The places of a table: kinds, points and the ruled indexes, and a rebuild on a changed name
// or position only.
TEST(TerritoryPlaces, SortsThePlacesByNameAndFollowsChangesOfNamesAndPositions) {
  LocationTableType table;
  const std::vector<std::pair<const char*, const char*>> places{
      {"Alden", "1000.00 2000.00"},        {"Alden_Rail_Station", "1500.00 2000.00"},
      {"North_Sea", "9000.00 9000.00"},    {"Midway", "bad"},
      {"Bexley_Harbor", "3000.00 100.00"}, {"Carrow", "4000.70 5000.20"},
  };
  for (size_t i = 0; i < places.size(); ++i) {
    table[static_cast<int>(i)].LocationName = places[i].first;
    table[static_cast<int>(i)].LocationPosition = places[i].second;
  }
  TerritoryPlaces sorted;
  sorted.Refresh(table, 5);
  EXPECT_TRUE(sorted.AnyTakesOwner());
  EXPECT_EQ(sorted.Unreadable(), std::vector<int>({3}));
  EXPECT_EQ(sorted.Ruled(), std::vector<int>({1, 2, 3, 4}));
  EXPECT_TRUE(sorted.TakesOwner(1));
  EXPECT_TRUE(sorted.TakesOwner(4));
  EXPECT_FALSE(sorted.TakesOwner(0));
  EXPECT_TRUE(sorted.IsSea(2));
  EXPECT_FALSE(sorted.Readable(3));
  EXPECT_EQ(sorted.Point(5).x, 4000);
  EXPECT_EQ(sorted.Point(5).y, 5000);
  sorted.Judges().SwitchAll([](int) { return true; });
  // The sea, the station and the harbour judge nothing; Midway has no position.
  EXPECT_EQ(sorted.Judges().Nearest(9000, 9000), 5);

  table[5].LocationPosition = "100.00 200.00";
  sorted.Refresh(table, 5);
  sorted.Judges().SwitchAll([](int) { return true; });
  EXPECT_EQ(sorted.Judges().Nearest(9000, 9000), 0);

  table[0].LocationName = "Alden_Port";
  sorted.Refresh(table, 5);
  sorted.Judges().SwitchAll([](int) { return true; });
  EXPECT_EQ(sorted.Judges().Nearest(0, 0), 5);
  EXPECT_EQ(sorted.Ruled(), std::vector<int>({0, 1, 2, 3, 4}));

  sorted.Refresh(table, 1);
  EXPECT_EQ(sorted.Ruled(), std::vector<int>({0, 1}));
  EXPECT_TRUE(sorted.Unreadable().empty());

  // Moves alone keep what the names tell and read every position again.
  table[1].LocationPosition = "bad";
  sorted.Refresh(table, 1);
  EXPECT_EQ(sorted.Unreadable(), std::vector<int>({1}));
  EXPECT_FALSE(sorted.Readable(1));
  EXPECT_TRUE(sorted.TakesOwner(1));
  EXPECT_EQ(sorted.Ruled(), std::vector<int>({0, 1}));
  table[0].LocationPosition = "1400.00 2000.00";
  table[1].LocationPosition = "1500.00 2000.00";
  sorted.Refresh(table, 1);
  EXPECT_TRUE(sorted.Unreadable().empty());
  EXPECT_TRUE(sorted.Readable(1));
  EXPECT_TRUE(sorted.AnyTakesOwner());
  EXPECT_EQ(sorted.Ruled(), std::vector<int>({0, 1}));
  EXPECT_EQ(sorted.Point(0).x, 1400);
}

// The switched-on place nearest to a point, against a walk over every place, as places are
// switched one at a time and all at once.
TEST(NearestOwnedPlace, AgreesWithAWalkOverEveryPlaceThroughSwitches) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> coordinate(0, 40);
  struct Point {
    long long x, y;
    bool on;
  };
  std::vector<Point> points(700);
  NearestOwnedPlace tree;
  // Every third index is left out, as places that judge nothing are.
  for (int i = 0; i < 700; ++i) {
    points[i] = {coordinate(random) * 100LL, coordinate(random) * 100LL, random() % 2 == 0};
    if (i % 3 != 0) tree.Add(points[i].x, points[i].y, i, points[i].on);
  }
  tree.Build();
  auto walk = [&points](long long x, long long y) {
    int best = -1;
    long long best_distance = 0;
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
      if (i % 3 == 0 || !points[i].on) continue;
      const long long d = NearestOwnedPlace::Distance(x, y, points[i].x, points[i].y);
      if (best < 0 || d < best_distance) {
        best = i;
        best_distance = d;
      }
    }
    return best;
  };
  for (int step = 0; step < 3000; ++step) {
    const int i = static_cast<int>(random() % points.size());
    points[i].on = random() % 3 != 0;
    tree.Switch(i, points[i].on);
    if (step % 1000 == 999) {
      for (Point& point : points) point.on = random() % 5 == 0;
      tree.SwitchAll([&points](int index) { return points[static_cast<size_t>(index)].on; });
    }
    const long long x = coordinate(random) * 100 + 50;
    const long long y = coordinate(random) * 100;
    ASSERT_EQ(tree.Nearest(x, y), walk(x, y)) << "step " << step;
  }
  tree.SwitchAll([](int) { return false; });
  EXPECT_EQ(tree.Nearest(0, 0), -1);
}

}  // namespace
