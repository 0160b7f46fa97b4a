#include "campaign_progression/place_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/text.h"
#include "tests/support/test_world.h"

namespace {

// The lowest index of a location of that name, by a walk of the table.
int FirstByScan(const TMainForm& form, const std::string& name) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    if (form.LocationTable[i].LocationName == name) return i;
  }
  return -1;
}

// Random tables with repeated names, some off the map, on Normandy and elsewhere: the index
// answers as a walk of the table and OffMapCheck do, for every name there and for absent ones.
TEST(PlaceIndex, AnswersAsAWalkOfTheTable) {
  const std::vector<std::string> names = {"Alden",        "Bexley",        "English_Dover",
                                          "English_Deal", "Carrow_Bridge", "alden",
                                          "Alden ",       "Isle_Port",     ""};
  std::mt19937 random(20261211);
  for (int round = 0; round < 200; ++round) {
    TestWorld world;
    TMainForm& form = *world.form;
    form.MapName = random() % 2 == 0 ? "Normandy" : "Kuban";
    form.NormandyBaseOption = random() % 2 == 0;
    form.LastLocation = static_cast<int>(random() % 30) - 1;
    for (int i = 0; i <= form.LastLocation; ++i) {
      form.LocationTable[i].LocationName = names[random() % names.size()];
      form.LocationTable[i].LocationOffMap = random() % 3 == 0 ? "Y" : "N";
    }
    // An entry past the last one counts for neither.
    form.LocationTable[form.LastLocation + 1].LocationName = "Beyond";
    form.LocationTable[form.LastLocation + 1].LocationOffMap = "Y";
    const PlaceIndex places(form);
    std::vector<std::string> asked = names;
    asked.push_back("Beyond");
    for (const std::string& name : asked) {
      SCOPED_TRACE("round " + std::to_string(round) + ", name \"" + name + "\"");
      EXPECT_EQ(places.Find(name), FirstByScan(form, name));
      EXPECT_EQ(places.Has(name), FirstByScan(form, name) >= 0);
      EXPECT_EQ(places.OffMap(name), OffMapCheck(form, name) == "Y");
    }
  }
}

// One index kept over a table that changes between look-ups (names, off-map marks, the last
// index, the Normandy option, or nothing): after each refresh it answers as a walk of the table,
// for names, for each location's own off-map answer and for trimmed names.
TEST(PlaceIndex, AKeptIndexFollowsEveryChangeOfTheTable) {
  const std::vector<std::string> names = {"Alden",   "Bexley",   "English_Dover", "English_Deal",
                                          " Alden",  "Bexley  ", "Carrow_Bridge", "Isle_Port",
                                          "\tIsle ", ""};
  std::mt19937 random(7130);
  TestWorld world;
  TMainForm& form = *world.form;
  form.MapName = "Normandy";
  form.LastLocation = 20;
  for (int i = 0; i <= 40; ++i) {
    form.LocationTable[i].LocationName = names[random() % names.size()];
    form.LocationTable[i].LocationOffMap = random() % 3 == 0 ? "Y" : "N";
  }
  PlaceIndex kept;
  for (int round = 0; round < 300; ++round) {
    switch (random() % 5) {
      case 0:
        form.LocationTable[static_cast<int>(random() % 41)].LocationName =
            names[random() % names.size()];
        break;
      case 1: {
        std::string& mark = form.LocationTable[static_cast<int>(random() % 41)].LocationOffMap;
        mark = mark == "Y" ? "N" : "Y";
        break;
      }
      case 2:
        form.LastLocation = static_cast<int>(random() % 41) - 1;
        break;
      case 3:
        form.NormandyBaseOption = !form.NormandyBaseOption;
        break;
      default:
        break;
    }
    kept.Refresh(form);
    for (const std::string& name : names) {
      SCOPED_TRACE("round " + std::to_string(round) + ", name \"" + name + "\"");
      EXPECT_EQ(kept.Find(name), FirstByScan(form, name));
      EXPECT_EQ(kept.OffMap(name), OffMapCheck(form, name) == "Y");
      const std::string trimmed = Trim(name);
      bool trimmed_there = false;
      for (int i = 0; i <= form.LastLocation; ++i) {
        trimmed_there = trimmed_there || Trim(form.LocationTable[i].LocationName) == trimmed;
      }
      EXPECT_EQ(kept.HasTrimmed(trimmed), trimmed_there);
    }
    for (int i = 0; i <= form.LastLocation; ++i) {
      EXPECT_EQ(kept.OffMapAt(i), OffMapCheck(form, form.LocationTable[i].LocationName) == "Y")
          << "round " << round << ", location " << i;
    }
  }
}

}  // namespace
