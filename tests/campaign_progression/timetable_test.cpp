#include "campaign_progression/timetable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_date.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/course_campaign.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// The sample on 10 April 1945, on the first mission of a day that advances the date.
struct TimetableCampaign {
  TimetableCampaign() {
    SetDate(10, 4, 1945);
    Form().DayStep = 1;
    Form().MissionTime = "0";
  }
  TMainForm& Form() { return campaign.Form(); }
  void SetDate(int day, int month, int year) {
    Form().CampaignDay = day;
    Form().CampaignMonth = month;
    Form().CampaignYear = year;
    CampaignDate(Form());
  }
  // Runs a timetable of these lines under the battle's header.
  void RunLines(const std::vector<std::string>& lines) {
    std::vector<std::string> file{"[Okinawa45]"};
    file.insert(file.end(), lines.begin(), lines.end());
    RunFile(file);
  }
  void RunFile(const std::vector<std::string>& file) {
    campaign.WriteData("timetable.tavrek", JoinLinesCrLf(file));
    TimeTable(Form());
  }
  SquadronEntry& Squadron(const std::string& name) {
    return Form().SquadronTable[campaign.Squadron(name)];
  }
  std::string SquadronBlock(const std::string& name) {
    const std::vector<std::string> lines = campaign.CampaignLines("squadrons.tavrek");
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] != "[" + name + "]") continue;
      return JoinLinesCrLf({lines.begin() + static_cast<long>(i),
                            lines.begin() + static_cast<long>(std::min(i + 8, lines.size()))});
    }
    return std::string();
  }

  CourseCampaign campaign;
};

class TimetableTest : public ::testing::Test, protected TimetableCampaign {};

// Which gates a line passes: a Today command (SetSupply), a Since command that needs a moving
// run (SetTaskForceSpeed) and an On command of the first mission (SetTimePassage).
TEST_F(TimetableTest, GatesFollowTheLineDateTheMissionOfTheDayAndTheRun) {
  struct Case {
    const char* name;
    const char* date;  // the line's first word
    const char* mission_time;
    int day_step;
    bool today;
    bool since;
    bool on;
  };
  const Case cases[] = {
      {"the day itself", "19450410", "0", 1, true, true, true},
      {"a day before", "19450409", "0", 1, false, true, false},
      {"a day later", "19450411", "0", 1, false, false, false},
      {"a comment naming today", "//19450410", "0", 1, true, false, false},
      {"a second mission of the day", "19450410", "1", 1, true, true, false},
      {"an editor run", "19450409", "0", 0, false, false, false},
      {"no date at all", "Tomorrow", "0", 1, false, false, false},
  };
  for (const Case& c : cases) {
    TimetableCampaign fresh;
    TMainForm& form = fresh.Form();
    form.MissionTime = c.mission_time;
    form.DayStep = c.day_step;
    form.TimeSettingsBox.Text = "Normal";
    form.RuSupplyBox.Text = "Default";
    const std::string date = c.date;
    fresh.RunLines({date + " SetSupply Allied 30", date + " SetTaskForceSpeed Allied =20",
                    date + " SetTimePassage Fast"});
    EXPECT_EQ(form.RuSupplyBox.Text, c.today ? "+30%" : "Default") << c.name;
    EXPECT_EQ(form.TaskForceSpeed[1], c.since ? 20 : 16) << c.name;
    EXPECT_EQ(form.TimeSettingsBox.Text, c.on ? "Fast" : "Normal") << c.name;
  }
}

TEST_F(TimetableTest, OnlyTheCurrentBattlesBlocksApply) {
  RunFile({"19450410 SetTaskForceSpeed Axis =30", "[Okinawa45]",
           "19450410 SetTaskForceSpeed Allied =21", "[Iwo45]",
           "19450410 DeployDistance Allied =900", "[Okinawa45]",
           "19450410 DeployDistance Axis =800"});
  EXPECT_EQ(Form().TaskForceSpeed[2], 16) << "before the first header";
  EXPECT_EQ(Form().TaskForceSpeed[1], 21);
  EXPECT_EQ(Form().DeployDistance[0], 1750) << "another battle's block";
  EXPECT_EQ(Form().DeployDistance[1], 800) << "the battle's second block";
}

TEST_F(TimetableTest, AFileWithoutTheBattlesHeaderAppliesNothing) {
  RunFile({"[Iwo45]", "19450410 SetTaskForceSpeed Allied =21"});
  EXPECT_EQ(Form().TaskForceSpeed[1], 16);
}

TEST_F(TimetableTest, ADateSetByTheTimetableGovernsTheLinesAfterIt) {
  Form().TimeSettingsBox.Text = "Normal";
  RunLines({"19450412 SetTaskForceSpeed Allied =22", "19450410 SetDate =12/04/1945",
            "19450412 SetTimePassage Moderate"});
  EXPECT_EQ(Form().CampaignDateText, "12/04/1945");
  EXPECT_EQ(Form().DayBox.Text, "12");
  EXPECT_EQ(Form().TaskForceSpeed[1], 16) << "tested before the new date";
  EXPECT_EQ(Form().TimeSettingsBox.Text, "Moderate");
}

TEST_F(TimetableTest, RunValuesStartEmptyAtEveryRun) {
  Form().MissionTimeOverride = "6";
  Form().TimeTableNews[1] = "old news";
  Form().AttackRendezvous = {"On", "1.00 2.00", ""};
  Form().AircraftClassTable[0].BannedPayload = ", old";
  RunLines({});
  EXPECT_EQ(Form().MissionTimeOverride, "");
  EXPECT_EQ(Form().TimeTableNews[1], "");
  EXPECT_EQ(Form().AttackRendezvous[0], "Off");
  EXPECT_EQ(Form().AttackRendezvous[1], "");
  EXPECT_EQ(Form().AircraftClassTable[0].BannedPayload, "");
  EXPECT_EQ(Form().TimeTableCapture, "N");
}

TEST_F(TimetableTest, WithoutAFileNothingAppliesAndTheRunIsLogged) {
  DeleteFile(campaign.world.program_folder.Path() + "data/timetable.tavrek");
  TimeTable(Form());
  EXPECT_TRUE(campaign.LogHolds("Begin Time Table Check."));
  EXPECT_TRUE(campaign.LogHolds("End Time Table Check."));
  EXPECT_TRUE(Form().TimeOutTimer.IsEnabled());
}

TEST_F(TimetableTest, CapturesGiveTheCapturingSideTheTroopsAndTheNews) {
  const int shuri = campaign.Location("Shuri");
  const int naha = campaign.Location("Naha");
  RunLines({"19450410 TCapture Allied Shuri ", "19450410 TCapture Contested Naha "});
  EXPECT_EQ(Form().TimeTableCapture, "Y");
  EXPECT_EQ(Form().LocationTable[shuri].LocationArmy, "0");
  EXPECT_EQ(Form().LocationTable[shuri].TerritoryStrength[1], 100000);
  EXPECT_EQ(Form().LocationTable[shuri].TerritoryStrength[2], 0);
  EXPECT_EQ(Form().LocationTable[naha].TerritoryStrength[1], 100000);
  EXPECT_EQ(Form().LocationTable[naha].TerritoryStrength[2], 100000);
  EXPECT_THAT(Form().CampaignNews, HasSubstr("Strong American forces are concentrated at Shuri"));
  EXPECT_THAT(Form().CampaignNewsRu, HasSubstr("Shuri"));
}

TEST_F(TimetableTest, ACaptureWithTheSideAsLastWordTakesNothingButStillCounts) {
  const int shuri = campaign.Location("Shuri");
  RunLines({"19450410 TCapture Shuri Allied"});
  EXPECT_EQ(Form().TimeTableCapture, "Y");
  EXPECT_EQ(Form().LocationTable[shuri].LocationArmy, "2");
  EXPECT_EQ(Form().CampaignNews, "");
}

TEST_F(TimetableTest, TimetableOffStopsTheCapturesAfterIt) {
  const int shuri = campaign.Location("Shuri");
  const int naha = campaign.Location("Naha");
  RunLines({"19450410 TCapture Allied Shuri ", "19450401 TimeTable Off",
            "19450410 TCapture Allied Naha "});
  EXPECT_EQ(Form().LocationTable[shuri].TerritoryStrength[1], 100000);
  EXPECT_EQ(Form().LocationTable[naha].TerritoryStrength[1], 0);
  EXPECT_EQ(Form().TimeTableCapture, "N");
}

TEST_F(TimetableTest, SquadronCommandsChangeTheNamedSquadronsAndSaveThem) {
  struct Case {
    const char* line;
    const char* squadron;
    const char* saved;  // a line of the squadron's block after the run
  };
  const Case cases[] = {
      {"19450410 SetSkill USN_VF_830 =3", "USN_VF_830", "  Skill 3"},
      {"19450410 SetSkill USN_VF_830 =7", "USN_VF_830", "  Skill 0"},
      {"19450410 MaxPlanes USA_BS_8220 =10", "USA_BS_8220", "  Planes 12/10-4+4"},
      {"19450410 MinPlanes USA_BS_8220 =2", "USA_BS_8220", "  Planes 12/12-2+4"},
      {"19450410 ActivePlanes USA_BS_8220 =9", "USA_BS_8220", "  Planes 9/12-4+4"},
      {"19450410 FlightSize USA_BS_8220 =2", "USA_BS_8220", "  Planes 12/12-4+2"},
      {"19450401 AlwaysActive IJN_AG_7210 False", "IJN_AG_7210", "  Active False AI True"},
      {"19450410 MoveSquad USN_VF_830 Kadena_Airfield", "USN_VF_830", "  Kadena_Airfield"},
      {"19450401 Radio USN_VF_830 Off", "USN_VF_830", "  NoRadio"},
  };
  for (const Case& c : cases) {
    TimetableCampaign fresh_test;
    fresh_test.RunLines({c.line});
    EXPECT_THAT(fresh_test.SquadronBlock(c.squadron), HasSubstr(c.saved)) << c.line;
  }
}

TEST_F(TimetableTest, ACommandNamingNoSquadronAsAWordChangesNothing) {
  const std::string before = campaign.CampaignFile("squadrons.tavrek");
  RunLines({"19450410 SetSkill USN_VF_83 =3", "19450410 SetSkill XUSN_VF_830 =3"});
  EXPECT_EQ(campaign.CampaignFile("squadrons.tavrek"), before);
}

TEST_F(TimetableTest, RenamingThePlayersSquadronPutsItIntoTheBriefingNews) {
  RunLines({"19450410 NameSquad USMC_VMF_3110 USMC_VMF_3230"});
  EXPECT_EQ(Form().SquadronTable[0].SquadronName, "USMC_VMF_3230");
  EXPECT_THAT(Form().BriefingNewsText, HasSubstr("Your squadron has been redesignated VMF-323"));
  EXPECT_EQ(campaign.CampaignLines("squadrons.tavrek")[0], "[USMC_VMF_3230]");
}

TEST_F(TimetableTest, NewPlaneReEquipsTheSquadronWithItsStandardPaint) {
  RunLines({"19450410 NewPlane USN_VF_830 F4U1D"});
  const SquadronEntry& squadron = Squadron("USN_VF_830");
  EXPECT_EQ(squadron.SquadronClass, "Class air.F4U1D");
  EXPECT_EQ(squadron.TypeGameName, "F4U-1D");
  EXPECT_EQ(squadron.SquadronSkin, "default.bmp");
  EXPECT_EQ(Form().PilotRoster[RosterIndex(campaign.Squadron("USN_VF_830"), 15)].RosterSkin,
            "1default.bmp");
  EXPECT_THAT(SquadronBlock("USN_VF_830"), HasSubstr("Class air.F4U1D"));
}

TEST_F(TimetableTest, NewPlaneOfATypeNotInTheClassTableIsBadDataAndSkipped) {
  RunLines({"19450410 NewPlane USN_VF_830 F99X", "19450410 SetTaskForceSpeed Allied =18"});
  EXPECT_EQ(Squadron("USN_VF_830").SquadronClass, "Class air.F6F5");
  EXPECT_TRUE(campaign.LogHolds("Bad data in NewPlane command"));
  EXPECT_EQ(Form().TaskForceSpeed[1], 18);
}

TEST_F(TimetableTest, AddSquadOfAnExistingSquadronUsesTheLineUp) {
  Form().RuSupplyBox.Text = "Default";
  RunLines({"19450410 AddSquad USN_VF_830 SetSupply Allied 30"});
  EXPECT_EQ(Form().RuSupplyBox.Text, "Default");
}

TEST_F(TimetableTest, SetPaintNeedsTheExactIdentifierAndAnInstalledSkin) {
  struct Case {
    const char* line;
    const char* skin;
  };
  const Case cases[] = {
      {"19450410 SetPaint USN_VF_830=1VF-83.bmp", "VF-83.bmp"},
      {"19450410 SetPaint usn_vf_830=1VF-83.bmp", "old.bmp"},
      {"19450410 SetPaint USN_VF_830=1Missing.bmp", "old.bmp"},
      {"19450410 SetPaint USN_VF_830=2VF-83.bmp", "old.bmp"},
  };
  for (const Case& c : cases) {
    TimetableCampaign fresh_test;
    fresh_test.Squadron("USN_VF_830").SquadronSkin = "old.bmp";
    fresh_test.RunLines({c.line});
    EXPECT_EQ(fresh_test.Squadron("USN_VF_830").SquadronSkin, c.skin) << c.line;
  }
}

TEST_F(TimetableTest, ColumnCommandsRenameRemoveAndAddColumns) {
  RunLines({"19450401 NameColumn 6_Chief USS_Enterprise", "19450401 RemoveColumn 16_Chief",
            "19450410 NewColumn 21_Chief Armor.3-M4A2_US 1 @Hagushi $711_Tank_Battalion"});
  const std::vector<std::string> lines = campaign.CampaignLines("columns.tavrek");
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[6], "6_Chief Ships.USSEssexCV9 1 @Kerama_Retto_Patrol $USS_Enterprise ~A");
  EXPECT_THAT(lines[16], HasSubstr("$Sunk ~X"));
  EXPECT_EQ(lines[21], "21_Chief Armor.3-M4A2_US 1 @Hagushi $711_Tank_Battalion ~L");
  // Squadrons based on the carrier follow its new name.
  EXPECT_EQ(Squadron("USN_VF_830").SquadronHomeBase, "USS_Enterprise");
  EXPECT_THAT(SquadronBlock("USN_VF_830"), HasSubstr("  USS_Enterprise"));
}

TEST_F(TimetableTest, NewColumnOfAKnownNameOrBeyondTheTableChangesNothing) {
  RunLines({"19450410 NewColumn 5_Chief Armor.3-M4A2_US 1 @Hagushi $Copy"});
  EXPECT_EQ(Form().LastColumn, 20);
  Form().LastColumn = kColumnCapacity - 1;
  for (int c = 21; c < kColumnCapacity; ++c) {
    Form().ColumnTable[c].ColumnName = IntToStr(c) + "_Chief";
  }
  RunLines({"19450410 NewColumn 2000_Chief Armor.3-M4A2_US 1 @Hagushi $Extra"});
  EXPECT_EQ(Form().LastColumn, kColumnCapacity - 1);
  EXPECT_TRUE(campaign.LogHolds("Bad data in NewColumn command (the column table is full"));
}

TEST_F(TimetableTest, SupplyLinesSetEachSideTheyName) {
  struct Case {
    const char* line;
    const char* allied;
    const char* axis;
  };
  const Case cases[] = {
      {"19450410 SetSupply Allied 30", "+30%", "Default"},
      {"19450410 SetSupply Allied 30 Axis 20", "+30%", "+20%"},
      {"19450410 SetSupply Axis 20 Allied 40", "+40%", "+20%"},
      {"19450410 SetSupply Allied 150", "+100%", "Default"},
      {"19450410 SetSupply Allied Default Axis 10", "Default", "+10%"},
      {"19450410 SetSupply Allied lots", "+90%", "Default"},
  };
  for (const Case& c : cases) {
    TimetableCampaign fresh_test;
    TMainForm& form = fresh_test.Form();
    form.RuSupplyBox.Text = "+90%";
    form.DeSupplyBox.Text = "Default";
    fresh_test.RunLines({c.line});
    EXPECT_EQ(form.RuSupplyBox.Text, c.allied) << c.line;
    EXPECT_EQ(form.DeSupplyBox.Text, c.axis) << c.line;
  }
  RunLines({"19450410 SetOilSupply Allied 20 Axis 30"});
  EXPECT_EQ(Form().RuOilBox.Text, "+20%");
  EXPECT_EQ(Form().DeOilBox.Text, "+30%");
}

TEST_F(TimetableTest, RunWideValuesComeFromTheirCommands) {
  Form().TimeSettingsBox.Text = "Very Slow";
  Form().Language = "English";
  RunLines({"19450401 SetMissionTime =6", "19450401 BanPayload F4U1C =R_CM, 2x1000",
            "19450410 NewsBrief Allied English =Ie Shima is taken.",
            "19450410 NewsBrief Axis German =Nicht fuer uns.",
            "19450410 NewsBrief English =All quiet.",
            "19450410 AttackRendezvous Axis =120000.00 60000.00",
            "19450401 RoadBlockOn Asa_River_Bridge Naha", "19450401 RoadBlockOff Naha"});
  EXPECT_EQ(Form().MissionTimeOverride, "6");
  EXPECT_EQ(Form().TimeSettingsBox.Text, "Normal");
  int f4u1c = -1;
  for (int i = 0; i <= Form().LastAircraftClass; ++i) {
    if (Form().AircraftClassTable[i].ClassName == "F4U1C") f4u1c = i;
  }
  ASSERT_GE(f4u1c, 0);
  EXPECT_EQ(Form().AircraftClassTable[f4u1c].BannedPayload, ", R_CM, 2x1000");
  EXPECT_EQ(Form().TimeTableNews[0], "All quiet. ");
  EXPECT_EQ(Form().TimeTableNews[1], "Ie Shima is taken. ");
  EXPECT_EQ(Form().TimeTableNews[2], "");
  EXPECT_EQ(Form().AttackRendezvous[0], "On");
  EXPECT_EQ(Form().AttackRendezvous[2], "120000.00 60000.00");
  EXPECT_EQ(Form().LocationTable[campaign.Location("Asa_River_Bridge")].LocationBridgeState, 1);
  EXPECT_EQ(Form().LocationTable[campaign.Location("Naha")].LocationBridgeState, 0);
}

TEST_F(TimetableTest, NewLoadoutsAreWrittenToTheCampaignsOwnDataFolder) {
  const std::string shared = campaign.world.program_folder.Path() + "data/payloads.tavrek";
  const std::string before = ReadFileBytes(shared);
  RunLines({"19450401 NewPayload F4U1C GAWeapon =6xHVAR"});
  EXPECT_EQ(ReadFileBytes(shared), before);
  const std::string own = campaign.CampaignFolder() + "data/payloads.tavrek";
  ASSERT_TRUE(FileExists(own));
  EXPECT_THAT(ReadFileBytes(own), HasSubstr("6xHVAR"));
  EXPECT_THAT(campaign.CampaignFile("campaign.tavrek"), HasSubstr("Okinawa45/data"));
  // Read again, the campaign finds its own loadouts.
  Form().CampaignDataFolder.clear();
  CampaignInfo(Form());
  bool found = false;
  for (int i = 0; i <= Form().LastAircraftClass; ++i) {
    if (Form().AircraftClassTable[i].ClassName == "F4U1C") {
      found = Form().AircraftClassTable[i].Payload2 == "6xHVAR";
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(TimetableTest, SetTroopsWithABadValueIsLoggedAndTheRestGoesOn) {
  const int shuri = campaign.Location("Shuri");
  const int axis_troops = Form().LocationTable[shuri].TerritoryStrength[2];
  RunLines({"19450410 SetTroops Axis Shuri =many", "19450410 SetTroops Allied Shuri =250"});
  EXPECT_TRUE(campaign.LogHolds("Bad data in SetTroops command"));
  EXPECT_EQ(Form().LocationTable[shuri].TerritoryStrength[1], 250);
  EXPECT_EQ(Form().LocationTable[shuri].TerritoryStrength[2], axis_troops);
}

TEST_F(TimetableTest, BadInputIsLoggedSkippedAndTheRestApplies) {
  RunLines({"garbage without a date", "19451399 SetTaskForceSpeed Allied =30",
            "19450410 LaunchRockets Allied", "19450410 FlightSize USA_BS_8220 =four",
            "19450410 SetDate =31/02/1945", "19450410 SetMissionTime =25",
            "19450410 AttackRendezvous Allied =here", "19450401 SetFuel USN_VF_830 =lots",
            "[Okinawa45", "[Okinawa45]", "19450410 SetTaskForceSpeed Allied =19"});
  for (const char* logged :
       {"Timetable line without a date: garbage", "date out of range skipped: 19451399",
        "Unknown timetable command skipped: 19450410 LaunchRockets",
        "Bad data in FlightSize command", "Bad data in SetDate command",
        "Bad data in SetMissionTime command", "Bad data in AttackRendezvous command",
        "Bad data in SetFuel command", "Timetable header without \"]\": [Okinawa45"}) {
    EXPECT_TRUE(campaign.LogHolds(logged)) << logged;
  }
  EXPECT_EQ(Form().CampaignDateText, "10/04/1945");
  EXPECT_EQ(Form().MissionTimeOverride, "");
  EXPECT_EQ(Form().AttackRendezvous[0], "Off");
  EXPECT_THAT(SquadronBlock("USA_BS_8220"), HasSubstr("Planes 12/12-4+4"));
  EXPECT_EQ(Form().TaskForceSpeed[1], 19);
  EXPECT_TRUE(Form().TimeOutTimer.IsEnabled());
}

TEST_F(TimetableTest, TheTimerIsOnAgainWhenACommandFails) {
  DeleteFile(campaign.CampaignFolder() + "columns.tavrek");
  EXPECT_THROW(RunLines({"19450401 RemoveColumn 16_Chief"}), ProgramError);
  EXPECT_TRUE(Form().TimeOutTimer.IsEnabled());
}

TEST_F(TimetableTest, ShowMovieAddsAnIntroToTheCareerList) {
  Form().AutoGeneration.Checked = true;
  Form().DGENBoot.Checked = true;
  Form().GameCampaignFolder = campaign.world.program_folder.Path() + "career/";
  ForceDirectories(Form().GameCampaignFolder);
  WriteTextFile(Form().GameCampaignFolder + "campaign.ini",
                "[Main]\r\n  19450409.mis\r\n[list]\r\ntavrekmission.mis");
  RunLines({"19450410 ShowMovie Okinawa/landing.trk", "19450410 ShowMovie Okinawa/shuri.trk"});
  EXPECT_EQ(ReadFileBytes(Form().GameCampaignFolder + "campaign.ini"),
            "[Main]\r\n  19450409.mis\r\n[list]\r\n* Intros/Okinawa/landing.trk\r\n"
            "* Intros/Okinawa/shuri.trk\r\ntavrekmission.mis");
}

// A timetable over five days of one campaign, one run per day as the pipeline makes them:
// each command fires on its own date, the Since commands from theirs on.
TEST_F(TimetableTest, CommandsFireOnTheirDatesAcrossSeveralPasses) {
  campaign.WriteData(
      "timetable.tavrek",
      JoinLinesCrLf({"[Okinawa45]", "19450411 NewsBrief Allied English =Day two.",
                     "19450412 SetSupply Allied 20", "19450412 SetTaskForceSpeed Allied =24",
                     "19450413 NewColumn 21_Chief Armor.3-M4A2_US 1 @Hagushi $711_Tank_Battalion",
                     "19450414 SetSkill USN_VF_830 =3", "19450414 TCapture Allied Shuri "}));
  struct Day {
    int day;
    const char* news;
    const char* supply;
    int speed;
    int columns;
    const char* skill;
    int shuri_allied_troops;
  };
  const Day days[] = {
      {10, "", "Default", 16, 21, "Skill 2", 0},
      {11, "Day two. ", "Default", 16, 21, "Skill 2", 0},
      {12, "", "+20%", 24, 21, "Skill 2", 0},
      {13, "", "+20%", 24, 22, "Skill 2", 0},
      {14, "", "+20%", 24, 22, "Skill 3", 100000},
  };
  Form().RuSupplyBox.Text = "Default";
  for (const Day& d : days) {
    SetDate(d.day, 4, 1945);
    Form().TaskForceSpeed = {16, 16, 16};
    TimeTable(Form());
    const std::string when = "on " + Form().CampaignDateText;
    EXPECT_EQ(Form().TimeTableNews[1], d.news) << when;
    EXPECT_EQ(Form().RuSupplyBox.Text, d.supply) << when;
    EXPECT_EQ(Form().TaskForceSpeed[1], d.speed) << when;
    EXPECT_EQ(campaign.CampaignLines("columns.tavrek").size(), static_cast<size_t>(d.columns))
        << when;
    EXPECT_EQ(Squadron("USN_VF_830").SquadronSkill, d.skill) << when;
    EXPECT_EQ(Form().LocationTable[campaign.Location("Shuri")].TerritoryStrength[1],
              d.shuri_allied_troops)
        << when;
  }
}

TEST(ShippedTimetable, HoldsOnlyCommandsTheTimetableKnowsWithValidDates) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  for (const char* battle : {"Okinawa45", "Kyushu45"}) {
    form.BattleName = battle;
    form.CampaignYear = 1946;
    form.CampaignMonth = 12;
    form.CampaignDay = 31;
    form.ErrorText.clear();
    TimeTable(form);
    EXPECT_FALSE(campaign.LogHolds("skipped")) << battle << "\n" << form.ErrorText;
    EXPECT_FALSE(campaign.LogHolds("Bad data")) << battle << "\n" << form.ErrorText;
  }
}

}  // namespace
