// A campaign's pilots over several missions: the roster is created, its pilots fly, score,
// are promoted and decorated, some are lost and replaced, and the roster files after the last
// mission are compared with the files kept in tests/fixtures/roster_life/. One seed gives one
// history, so the files are the same on every run.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "mission_results/bomber_crew.h"
#include "mission_results/name_lists.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_text.h"
#include "platform/text_file.h"
#include "tests/mission_results/roster_world.h"
#include "tests/support/sample_campaign.h"

namespace {

std::string Golden(const std::string& name) {
  return ReadFileBytes(FixturesFolder() + "roster_life/" + name);
}

void AddCount(std::string& counter, int more) {
  counter = ThreeDigitCount(CounterValue(counter) + more);
}

// What the results of one mission do to the roster, drawn from the campaign's generator: the
// first eight pilots of each squadron fly, some score, and from the second mission on one
// pilot of each squadron is lost.
void FlyMission(RosterWorld& w, int mission) {
  TMainForm& form = w.form;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < 8; ++slot) AddCount(w.Pilot(squadron, slot).RosterSorties, 4);
    PilotEntry& scorer = w.Pilot(squadron, form.Random(8));
    if (form.SquadronTable[squadron].SquadronRole == "1") {
      AddCount(scorer.RosterKills, 1 + form.Random(4));
    } else {
      AddCount(scorer.RosterGroundKills, 10 + form.Random(30));
    }
    if (mission > 0) w.Pilot(squadron, form.Random(16)).RosterMarker = "d";
  }
  for (int position = 1; position < kCrewPositions; ++position) {
    AddCount(form.CrewPositionTable.CrewMemberMissions[position], 1);
  }
  AwardAwards(form);
  SavePilot(form, 0);
  SaveCrew(form);
  LoadPilots(form);
  PilotSort(form);
  SavePilot(form, 1);
}

TEST(RosterLife, FourMissionsOfACampaignGiveTheKeptRosterFiles) {
  RosterWorld w;
  namespace fs = std::filesystem;
  fs::copy(SourceSampleGameFolder(), w.game.Path(), fs::copy_options::recursive);
  w.AddSquadron({.name = "USMC_VMF_3110", .nation = "um", .class_line = "Class air.TBF1C"});
  w.AddSquadron({.name = "USN_VT_830", .nation = "un", .role = "2", .type_game_name = "TBF-1C"});
  w.AddSquadron({.name = "IJN_KOKU_3430", .nation = "in", .type_game_name = "A6M5"});
  w.form.AutoGeneration.Checked = true;
  w.form.DGENBoot.Checked = true;
  w.form.FlightsPerSquadron = 2;
  CityNames(w.form);

  LoadPilots(w.form);
  PilotSort(w.form);
  SavePilot(w.form, 1);
  EXPECT_EQ(w.CampaignFile("pilot.tavrek"), Golden("pilot_created.tavrek"));
  for (int mission = 0; mission < 4; ++mission) FlyMission(w, mission);

  EXPECT_EQ(w.CampaignFile("pilot.tavrek"), Golden("pilot.tavrek"));
  EXPECT_EQ(w.CampaignFile("squadron.dat"), Golden("squadron.dat"));
  EXPECT_EQ(w.CampaignFile("crew.tavrek"), Golden("crew.tavrek"));
  EXPECT_EQ(w.form.PromotionText, Golden("promotions.txt"));
}

}  // namespace
