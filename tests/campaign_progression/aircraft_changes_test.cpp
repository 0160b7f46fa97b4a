#include "campaign_progression/aircraft_changes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/squadron_completion.h"
#include "campaign_data/squadron_file.h"
#include "campaign_progression/aircraft_match.h"
#include "campaign_progression/campaign_date.h"
#include "platform/ascii.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/course_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::HasSubstr;

struct Type {
  const char* name;
  const char* description;
  const char* country;
  const char* army;
  const char* flyable;
  const char* start;
  const char* end;
  const char* downgrade;
  const char* game_name;  // empty: not installed
};

// Allied fighters and one Japanese type; the game has every type with a game name.
const std::vector<Type> kTypes{
    {"F4F4", "F4F-4 Wildcat", "un", "1", "1", "194201", "194312", "none", "F4F-4"},
    {"F6F3", "F6F-3 Hellcat", "un", "1", "1", "194301", "194406", "F4F4", "F6F-3"},
    {"F6F5", "F6F-5 Hellcat", "un", "1", "1", "194404", "194512", "F6F3", "F6F-5"},
    {"F6F5N", "F6F-5N Hellcat", "un", "1", "0", "194406", "194512", "F6F3", "F6F-5N"},
    {"F6FACE", "F6F-5 Ace Hellcat", "un", "1", "1", "194301", "194512", "F6F3", "F6F-5A"},
    {"F4U1D", "F4U-1D Corsair", "um", "1", "1", "194404", "194512", "none", ""},
    {"A6M5", "A6M5 Zero", "in", "2", "1", "194308", "194508", "A6M3", "A6M5"},
};

struct MatchWorld : TestWorld {
  explicit MatchWorld(std::vector<Type> types = kTypes) {
    TMainForm& f = *form;
    int installed = -1;
    for (size_t i = 0; i < types.size(); ++i) {
      AircraftClassEntry& entry = f.AircraftClassTable[static_cast<int>(i)];
      const Type& t = types[i];
      entry.ClassName = t.name;
      entry.ClassDescription = t.description;
      entry.ClassCountry = t.country;
      entry.ClassArmy = t.army;
      entry.ClassFamily = "1";
      entry.ClassFlyable = t.flyable;
      entry.ClassServiceStart = t.start;
      entry.ClassServiceEnd = t.end;
      entry.ClassDowngrade = t.downgrade;
      entry.ClassGameName = t.game_name;
      if (*t.game_name) f.ActivePlaneList[++installed] = AsciiLowerCase(t.game_name);
    }
    f.LastAircraftClass = static_cast<int>(types.size()) - 1;
    f.LastActivePlane = installed;
    for (int s = 0; s <= 1; ++s) f.SquadronTable[s].SquadronNation = "un";
    f.LastSquadron = 1;
  }
  std::string Match(int squadron, const std::string& type, int year, int month,
                    AircraftMatch match) {
    TMainForm& f = *form;
    f.CampaignYear = year;
    f.CampaignMonth = month;
    f.SquadronTable[squadron].SquadronClass = "Class air." + type;
    const int chosen = MatchingAircraftType(f, squadron, match);
    return chosen < 0 ? std::string("none") : f.AircraftClassTable[chosen].ClassName;
  }
};

TEST(AircraftMatch, FindsTheClosestTypeInServiceInstalledAndOfTheSameArmy) {
  struct Case {
    const char* name;
    const char* own;
    int year, month;
    int squadron;
    AircraftMatch match;
    const char* chosen;
  };
  const Case cases[] = {
      {"a type not yet in service gets its predecessor", "F6F5", 1944, 1, 1,
       AircraftMatch::kAlternate, "F6F3"},
      {"a type in service keeps its place", "F6F5", 1944, 8, 1, AircraftMatch::kAlternate, "F6F5"},
      {"a type entering service this month is not taken", "F6F5", 1944, 4, 1,
       AircraftMatch::kAlternate, "F6F3"},
      // A stand-in may be out of service: only its start counts.
      {"a type missing from the game gives way", "F4U1D", 1944, 8, 1, AircraftMatch::kAlternate,
       "F4F4"},
      {"the player's squadron never gets a type he cannot fly", "F6F5N", 1944, 8, 0,
       AircraftMatch::kAlternate, "F6F5"},
      {"a computer squadron may", "F6F5N", 1944, 8, 1, AircraftMatch::kAlternate, "F6F5N"},
      {"a random upgrade keeps a type still in service", "F6F3", 1944, 5, 1,
       AircraftMatch::kUpgrade, "F6F3"},
      {"a random upgrade replaces a type out of service", "F4F4", 1944, 5, 1,
       AircraftMatch::kUpgrade, "F6F3"},
      {"a type the table does not know changes nothing", "P51D", 1944, 5, 1,
       AircraftMatch::kAlternate, "none"},
      {"nothing of the army in service", "A6M5", 1943, 5, 1, AircraftMatch::kAlternate, "none"},
  };
  for (const Case& c : cases) {
    MatchWorld world;
    EXPECT_EQ(world.Match(c.squadron, c.own, c.year, c.month, c.match), c.chosen) << c.name;
  }
}

TEST(AircraftMatch, TiesGoToTheLaterTypeForAStandInAndTheEarlierForAnUpgrade) {
  std::vector<Type> types{
      {"F4F4", "F4F-4 Wildcat", "un", "1", "1", "194201", "194312", "none", "F4F-4"},
      {"FM2A", "FM-2 Wildcat", "un", "1", "1", "194309", "194512", "none", "FM-2A"},
      {"FM2B", "FM-2 Wildcat", "un", "1", "1", "194309", "194512", "none", "FM-2B"},
      {"FM2C", "FM-2 Wildcat", "un", "1", "1", "194406", "194512", "none", "FM-2C"},
  };
  MatchWorld alternate(types);
  EXPECT_EQ(alternate.Match(1, "FM2C", 1944, 2, AircraftMatch::kAlternate), "FM2B");
  MatchWorld upgrade(types);
  EXPECT_EQ(upgrade.Match(1, "F4F4", 1944, 2, AircraftMatch::kUpgrade), "FM2A");
}

TEST(AircraftMatch, AlternateAircraftSetsBothClassLines) {
  MatchWorld world;
  TMainForm& form = *world.form;
  form.CampaignYear = 1944;
  form.CampaignMonth = 1;
  form.SquadronTable[1].SquadronClass = "Class air.F6F5";
  form.SquadronTable[1].SquadronBaseClass = "Class air.F6F5";
  AlternateAircraft(form, 1);
  EXPECT_EQ(form.SquadronTable[1].SquadronClass, "Class air.F6F3");
  EXPECT_EQ(form.SquadronTable[1].SquadronBaseClass, "Class air.F6F3");
}

// The sample with every aircraft type counted as installed, so the reloads of the squadrons
// never re-equip one on their own.
class HistoricDateTest : public ::testing::Test {
 protected:
  HistoricDateTest() { Form().ServerActive = "True"; }
  TMainForm& Form() { return campaign.Form(); }
  void SetMonth(int year, int month) {
    Form().CampaignYear = year;
    Form().CampaignMonth = month;
    Form().CampaignDay = 1;
    CampaignDate(Form());
  }
  // The squadron flies the type from now on (saved and completed from the class table).
  int Fly(const std::string& squadron, const std::string& type) {
    const int s = campaign.Squadron(squadron);
    Form().SquadronTable[s].SquadronClass = "Class air." + type;
    Form().SquadronTable[s].SquadronBaseClass = "Class air." + type;
    SaveSquadrons(Form(), 0);
    LoadSquadrons(Form());
    return s;
  }
  AircraftClassEntry& ClassEntry(const std::string& name) {
    for (int i = 0; i <= Form().LastAircraftClass; ++i) {
      if (Form().AircraftClassTable[i].ClassName == name) return Form().AircraftClassTable[i];
    }
    ADD_FAILURE() << "no type " << name;
    return Form().AircraftClassTable[0];
  }
  CourseCampaign campaign;
};

TEST_F(HistoricDateTest, APlannedUpgradeReEquipsTheSquadronOnceItsTypeHasEnded) {
  SetMonth(1944, 2);
  const int s = Fly("USN_VF_830", "F4F4");
  ClassEntry("FM2").ClassDowngrade = "none";
  const std::string shared_classes =
      ReadFileBytes(campaign.world.program_folder.Path() + "data/class.tavrek");
  HistoricDate(Form(), s, 33);
  const SquadronEntry& squadron = Form().SquadronTable[s];
  EXPECT_EQ(squadron.SquadronClass, "Class air.FM2");
  EXPECT_EQ(squadron.PlanesAvailable, "4");
  EXPECT_EQ(squadron.PlanesFlight, "4");
  EXPECT_EQ(squadron.SquadronMarkings, "1");
  EXPECT_EQ(squadron.SquadronSkin, "default.bmp");
  for (int slot = 0; slot < 16; ++slot) {
    EXPECT_EQ(Form().PilotRoster[RosterIndex(s, slot)].RosterSkin, "1default.bmp");
  }
  // The successor learnt its predecessor in the campaign's own class file only.
  EXPECT_EQ(ReadFileBytes(campaign.world.program_folder.Path() + "data/class.tavrek"),
            shared_classes);
  const std::string own = campaign.CampaignFolder() + "data/class.tavrek";
  ASSERT_TRUE(FileExists(own));
  EXPECT_EQ(ClassEntry("FM2").ClassDowngrade, "F4F4");
  EXPECT_THAT(campaign.CampaignFile("squadrons.tavrek"), HasSubstr("Class air.FM2"));
}

TEST_F(HistoricDateTest, UpgradesFollowTheServiceDatesOfBothTypes) {
  struct Case {
    const char* name;
    int year, month;
    int end;           // the squadron's type ends (yyyymm)
    int upgrade_date;  // its upgrade enters service
    const char* new_campaign;
    const char* flies;
  };
  const Case cases[] = {
      {"ended, upgrade in service", 1943, 10, 194308, 194309, "N", "FM2"},
      {"ended, upgrade enters service this month", 1943, 9, 194308, 194309, "N", "F4F4"},
      {"ends this month", 1943, 10, 194310, 194309, "N", "FM2"},
      {"ends this month, first mission of a new campaign", 1943, 10, 194310, 194309, "Y", "F4F4"},
      {"ended, first mission of a new campaign", 1943, 11, 194310, 194309, "Y", "FM2"},
  };
  for (const Case& c : cases) {
    CourseCampaign fresh;
    TMainForm& form = fresh.Form();
    form.ServerActive = "True";
    form.CampaignYear = c.year;
    form.CampaignMonth = c.month;
    form.CampaignDay = 1;
    CampaignDate(form);
    const int s = fresh.Squadron("USN_VF_830");
    form.SquadronTable[s].SquadronClass = "Class air.F4F4";
    form.SquadronTable[s].SquadronBaseClass = "Class air.F4F4";
    SaveSquadrons(form, 0);
    LoadSquadrons(form);
    form.SquadronTable[s].TypeServiceEnd = c.end;
    form.SquadronTable[s].TypeUpgradeDate = c.upgrade_date;
    form.NewCampaignFlag = c.new_campaign;
    HistoricDate(form, s, 100);
    EXPECT_EQ(form.SquadronTable[s].SquadronClass, std::string("Class air.") + c.flies) << c.name;
  }
}

TEST_F(HistoricDateTest, ThePlayerIsToldOfHisNewAircraftOffLineOnly) {
  for (const bool coop : {false, true}) {
    CourseCampaign fresh;
    TMainForm& form = fresh.Form();
    form.ServerActive = "True";
    form.Coop.Checked = coop;
    form.CampaignYear = 1944;
    form.CampaignMonth = 8;
    form.CampaignDay = 1;
    CampaignDate(form);
    SquadronEntry& player = form.SquadronTable[0];
    player.TypeUpgrade = "F6F5";
    player.TypeUpgradeDate = 194404;
    player.TypeServiceEnd = 194406;
    HistoricDate(form, 0, 33);
    EXPECT_EQ(player.SquadronClass, "Class air.F6F5");
    if (coop) {
      EXPECT_EQ(form.BriefingNewsText, "");
    } else {
      EXPECT_EQ(form.BriefingNewsText,
                " Your squadron has been re-equipped with the F6F-5 Hellcat.\r\n");
    }
  }
}

TEST_F(HistoricDateTest, ThePlayersSquadronKeepsItsTypeWhenTheSuccessorCannotBeFlown) {
  SetMonth(1944, 8);
  SquadronEntry& player = Form().SquadronTable[0];
  player.TypeUpgrade = "G4M2E";
  player.TypeUpgradeDate = 194407;
  player.TypeServiceEnd = 194406;
  player.TypeDowngrade = "none";
  HistoricDate(Form(), 0, 33);
  EXPECT_EQ(player.SquadronClass, "Class air.F4U1C");
  EXPECT_EQ(Form().BriefingNewsText, "");
  EXPECT_EQ(campaign.CampaignLines("squadrons.tavrek")[3], "  Class air.F4U1C");
}

TEST_F(HistoricDateTest, ATypeNotYetInServiceIsReplacedByAnAlternate) {
  Form().HistDates.Checked = true;
  SetMonth(1944, 2);
  const int s = Fly("USN_VF_830", "F6F5");
  Form().NewCampaignFlag = "Y";
  HistoricDate(Form(), s, 33);
  EXPECT_EQ(Form().SquadronTable[s].SquadronArmy, "1");
  EXPECT_NE(Form().SquadronTable[s].SquadronClass, "Class air.F6F5");
  EXPECT_LE(Form().SquadronTable[s].TypeServiceStart, 194401);
}

TEST_F(HistoricDateTest, PlaneDownGradeStepsComputerSquadronsDownButNeverThePlayers) {
  SetMonth(1946, 6);
  const int s = Fly("USN_VF_830", "F6F5");
  Fly("USMC_VMF_3110", "F6F5");
  PlaneDownGrade(Form());
  EXPECT_EQ(Form().SquadronTable[0].SquadronClass, "Class air.F6F5");
  const std::string stepped = Form().SquadronTable[s].SquadronClass;
  EXPECT_TRUE(stepped == "Class air.F6F3" || stepped == "Class air.F4F4") << stepped;
  EXPECT_THAT(campaign.CampaignFile("squadrons.tavrek"), HasSubstr(stepped));
}

TEST_F(HistoricDateTest, PlaneDownGradeLeavesTypesStillInService) {
  SetMonth(1944, 8);
  const std::string before = campaign.CampaignFile("squadrons.tavrek");
  PlaneDownGrade(Form());
  EXPECT_EQ(campaign.CampaignFile("squadrons.tavrek"), before);
}

}  // namespace
