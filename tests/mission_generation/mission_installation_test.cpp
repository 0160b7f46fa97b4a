#include "mission_generation/mission_installation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "mission_generation/pass_guard.h"
#include "platform/errors.h"
#include "tests/support/file_tree.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::HasSubstr;

const std::string kMission = "[MAIN]\r\n  MAP Okinawa/load.ini\r\n";
const std::string kProperties = "[en]\r\nName VMF-311, 7 April\r\n";
const std::string kRussianProperties = "[ru]\r\nName VMF-311\r\n";

std::string CareerList(const std::string& generator_line) {
  std::string text = "[Main]\r\n" + generator_line +
                     "Class il2.game.campaign.CampaignRed\r\n"
                     "awardsClass il2.game.campaign.AwardsRUfighter\r\n\r\n[list]\r\n";
  for (int i = 0; i < 501; ++i) text += "tavrekmission.mis\r\n";
  return text;
}

enum class Mode { kOffline, kCareerHook, kCareerGenerator, kCoopGenerator, kCoop, kDogfight };

struct InstallCase {
  const char* name;
  Mode mode;
  int pass;
  bool copy_mission = false;
  int day_step = 1;
  std::string campaign_ended = "N";
  std::string dogfight_name;
  FileTree before;    // files of the game folder before the installation
  FileTree expected;  // every file of the game folder and missions.txt afterwards
};

void PrintTo(const InstallCase& c, std::ostream* os) {
  *os << c.name;
}

// A game folder with the mission folders of the modes and a player of the Allied side ("ru"),
// on 7 April 1945 after the first mission of the day.
class InstallationTest : public ::testing::TestWithParam<InstallCase> {
 protected:
  void Prepare(const InstallCase& c) {
    game = world.program_folder.Path() + "game/";
    for (const char* folder :
         {"Missions/Campaign/RU", "Missions/Net/coop", "Missions/Net/dogfight", "Missions/Single",
          "Missions/Net/NGen/Tavrek_Okinawa", "Missions/Campaign/RU/DGen_Ivanov"}) {
      fs::create_directories(game + folder);
    }
    for (const auto& [path, text] : c.before) world.program_folder.Write("game/" + path, text);
    form.GameFolder = game;
    form.MapName = "Okinawa";
    form.CampaignYear = 1945;
    form.CampaignMonth = 4;
    form.CampaignDay = 7;
    form.MissionTime = "0";
    form.DayStep = c.day_step;
    form.CampaignEnded = c.campaign_ended;
    form.CopyMission.Checked = c.copy_mission;
    form.DogfightMissionName = c.dogfight_name;
    form.BattleName = "Okinawa";
    form.SquadronTable[0].SquadronNation = "ru";
    form.SquadronTable[0].SquadronArmy = "1";
    form.SquadronTable[0].SquadronFullName = "VMF-311";
    form.SquadronTable[0].TypeDescription = "F4U-1D Corsair";
    form.PlayerSideWord = "Red";
    form.PlayerNationWord = "RU";
    form.MissionFileText = kMission;
    form.SquadronTable[0].SquadronBriefing = kProperties;
    form.SquadronTable[0].SquadronInfoText = kRussianProperties;
    std::string folder = "Missions\\Campaign\\RU\\Tavrek\\";
    switch (c.mode) {
      case Mode::kOffline:
        break;
      case Mode::kCareerHook:
        form.AutoGeneration.Checked = true;
        break;
      case Mode::kCareerGenerator:
        form.AutoGeneration.Checked = form.DGENBoot.Checked = true;
        folder = "Missions\\Campaign\\RU\\DGen_Ivanov\\";
        break;
      case Mode::kCoopGenerator:
        form.Coop.Checked = form.NGenBoot.Checked = true;
        folder = "Missions/Net/NGen/Tavrek_Okinawa/";
        break;
      case Mode::kCoop:
        form.Coop.Checked = true;
        folder = "Missions\\Net\\Coop\\Tavrek\\";
        break;
      case Mode::kDogfight:
        form.Dogfight.Checked = true;
        folder = "Missions\\Net\\Dogfight\\Tavrek\\";
        break;
    }
    form.GameCampaignFolder = game + folder;
    fs::create_directories(ResolveForTest(form.GameCampaignFolder));
    form.MissionPath = form.GameCampaignFolder + "tavrekmission.mis";
    form.MissionPropertiesPath = form.GameCampaignFolder + "tavrekmission.properties";
  }
  static std::string ResolveForTest(std::string path) {
    for (char& ch : path) {
      if (ch == '\\') ch = '/';
    }
    // The folders of the test tree are made in the case the game uses.
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"Net/Coop", "Net/coop"}, {"Net/Dogfight", "Net/dogfight"}}) {
      if (const size_t at = path.find(from); at != std::string::npos)
        path.replace(at, from.size(), to);
    }
    return path;
  }

  TestWorld world;
  TMainForm& form = *world.form;
  std::string game;
};

TEST_P(InstallationTest, WritesTheFilesOfTheModeByteForByte) {
  const InstallCase& c = GetParam();
  Prepare(c);
  {
    PassGuard guard(form, "Pass " + std::to_string(c.pass));
    InstallMission(form, c.pass, guard);
    guard.Commit();
  }
  FileTree files = FilesBelow(game);
  if (fs::exists(world.program_folder.Path() + "missions.txt")) {
    files["<program>/missions.txt"] = world.program_folder.Read("missions.txt");
  }
  FileTree expected;
  for (auto [path, text] : c.expected) {
    if (const size_t at = text.find("<program>"); at != std::string::npos) {
      text.replace(at, 9, world.program_folder.Path());
    }
    expected[path] = text;
  }
  EXPECT_EQ(files, expected);
  EXPECT_EQ(form.DogfightMissionName, "");
}

const FileTree kMainMission{{"Missions/Campaign/RU/Tavrek/tavrekmission.mis", kMission},
                            {"Missions/Campaign/RU/Tavrek/tavrekmission.properties", kProperties}};

// What the game's career list shows of the campaign, written in the career's folder.
FileTree CareerDescription(const std::string& folder, bool with_note) {
  std::string properties =
      "Name        Tavrek (Okinawa 1945)\r\n"
      "Description \\nTavrek: Okinawa, 1945.\\n\\nVMF-311: F4U-1D Corsair";
  if (with_note) {
    properties +=
        "\\n\\nFor Manual or Auto-Generation modes only. If using Full Auto-Generation mode and "
        "have replaced DGEN with Tavrek, do not select this campaign.\\n\\nBefore clicking the "
        "campaign \"Start\" button return to Tavrek. At this time, you can activate the Tavrek "
        "\"On-Line Career (Auto-Generation)\" mode as well as modify any of the campaign "
        "settings. \\n\\nClick the Tavrek mission generation button when all changes have been "
        "made.";
  }
  return {{folder + "info.properties", properties},
          {folder + "info.mis",
           "[MAIN]\r\n  MAP Okinawa/load.ini\r\n  TIME 12.0\r\n  CloudType 1\r\n"
           "  CloudHeight 1500.0\r\n  army 1\r\n  playerNum 0\r\n"}};
}
const FileTree kOfflineDescription = CareerDescription("Missions/Campaign/RU/Tavrek/", true);

FileTree With(FileTree tree, const FileTree& more) {
  for (const auto& [path, text] : more) tree[path] = text;
  return tree;
}

const std::string kGeneratorList =
    "[Main]\r\nExecGenerator DGen.exe\r\nClass il2.game.campaign.CampaignRed\r\n"
    "awardsClass il2.game.campaign.AwardsRUfighter\r\n\r\n[list]\r\n"
    "194504050.mis\r\n* Intros/Weekend\r\n194504060.mis\r\nend.mis\r\ntavrekmission.mis";
const std::string kGeneratorListAfter =
    "[Main]\r\nExecGenerator DGen.exe\r\nClass il2.game.campaign.CampaignRed\r\n"
    "awardsClass il2.game.campaign.AwardsRUfighter\r\n\r\n[list]\r\n"
    "194504050.mis\r\n* Intros/Weekend\r\n194504060.mis\r\n";
const std::string kDGen = "Missions/Campaign/RU/DGen_Ivanov/";
const std::string kNGen = "Missions/Net/NGen/Tavrek_Okinawa/";
const std::string kConfDat = "[$select]\r\nwing1 rnd\r\n[$locale]\r\nen\r\n  [$locale] ru\r\n";
const std::string kDogfight = "Missions/Net/dogfight/Tavrek/";

INSTANTIATE_TEST_SUITE_P(
    Modes, InstallationTest,
    ::testing::Values(
        InstallCase{"OfflineCareer",
                    Mode::kOffline,
                    1,
                    false,
                    1,
                    "N",
                    "",
                    {},
                    With(With(kMainMission, kOfflineDescription),
                         {{"Missions/Campaign/RU/Tavrek/campaign.ini", CareerList("")}})},
        InstallCase{"OfflineCareerWithCopies",
                    Mode::kOffline,
                    1,
                    true,
                    1,
                    "N",
                    "",
                    {},
                    With(With(kMainMission, kOfflineDescription),
                         {{"Missions/Campaign/RU/Tavrek/campaign.ini", CareerList("")},
                          {"Missions/Single/RU/Tavrek/Okinawa194504070.mis", kMission},
                          {"Missions/Single/RU/Tavrek/Okinawa194504070.properties", kProperties},
                          {"Missions/Campaign/RU/Tavrek/194504070.mis", kMission},
                          {"Missions/Campaign/RU/Tavrek/194504070.properties", kProperties}})},
        InstallCase{"OfflineCareerCopiesInTheLastPassOnly",
                    Mode::kOffline,
                    2,
                    true,
                    1,
                    "N",
                    "",
                    {},
                    With(With(kMainMission, kOfflineDescription),
                         {{"Missions/Campaign/RU/Tavrek/campaign.ini", CareerList("")}})},
        InstallCase{"CareerGeneratorHook",
                    Mode::kCareerHook,
                    1,
                    false,
                    1,
                    "N",
                    "",
                    {},
                    With(With(kMainMission, kOfflineDescription),
                         {{"Missions/Campaign/RU/Tavrek/campaign.ini",
                           CareerList("ExecGenerator <program>tavrek.exe\r\n")},
                          {"Missions/Campaign/RU/Tavrek/194504070.mis", kMission},
                          {"Missions/Campaign/RU/Tavrek/194504070.properties", kProperties}})},
        InstallCase{
            "CareerGeneratorReplaced",
            Mode::kCareerGenerator,
            1,
            true,
            1,
            "N",
            "",
            {{kDGen + "campaign.ini", kGeneratorList}},
            {{kDGen + "campaign.ini", kGeneratorListAfter + "194504070.mis\r\ntavrekmission.mis"},
             {kDGen + "194504070.mis", kMission},
             {kDGen + "194504070.properties", kProperties},
             {kDGen + "tavrekmission.mis", kMission},
             {kDGen + "tavrekmission.properties", kProperties}}},
        InstallCase{"CareerGeneratorReplacedWithoutAList",
                    Mode::kCareerGenerator,
                    1,
                    false,
                    1,
                    "N",
                    "",
                    {},
                    With(CareerDescription(kDGen, false),
                         {{kDGen + "campaign.ini",
                           "[Main]\r\nExecGenerator DGen.exe\r\n"
                           "Class il2.game.campaign.CampaignRed\r\n"
                           "awardsClass il2.game.campaign.AwardsRUfighter\r\n\r\n[list]\r\n"
                           "194504070.mis\r\ntavrekmission.mis"},
                          {kDGen + "194504070.mis", kMission},
                          {kDGen + "194504070.properties", kProperties},
                          {kDGen + "tavrekmission.mis", kMission},
                          {kDGen + "tavrekmission.properties", kProperties}})},
        InstallCase{"CareerGeneratorReplacedEarlierPass",
                    Mode::kCareerGenerator,
                    2,
                    false,
                    1,
                    "N",
                    "",
                    {{kDGen + "campaign.ini", kGeneratorList}},
                    {{kDGen + "campaign.ini", kGeneratorList},
                     {kDGen + "tavrekmission.mis", kMission},
                     {kDGen + "tavrekmission.properties", kProperties}}},
        InstallCase{"CareerGeneratorReplacedDateStands",
                    Mode::kCareerGenerator,
                    1,
                    false,
                    0,
                    "N",
                    "",
                    {{kDGen + "campaign.ini", kGeneratorList}},
                    {{kDGen + "campaign.ini", kGeneratorListAfter + "tavrekmission.mis"},
                     {kDGen + "194504070.mis", kMission},
                     {kDGen + "194504070.properties", kProperties},
                     {kDGen + "tavrekmission.mis", kMission},
                     {kDGen + "tavrekmission.properties", kProperties}}},
        InstallCase{"CareerGeneratorReplacedCampaignEnded",
                    Mode::kCareerGenerator,
                    1,
                    false,
                    1,
                    "Y",
                    "",
                    {{kDGen + "campaign.ini", kGeneratorList}},
                    {{kDGen + "campaign.ini", kGeneratorListAfter + "tavrekmission.mis"},
                     {kDGen + "194504070.mis", kMission},
                     {kDGen + "194504070.properties", kProperties},
                     {kDGen + "tavrekmission.mis", kMission},
                     {kDGen + "tavrekmission.properties", kProperties}}},
        InstallCase{"CoopGeneratorReplaced",
                    Mode::kCoopGenerator,
                    1,
                    false,
                    1,
                    "N",
                    "",
                    {{kNGen + "conf.dat", kConfDat}},
                    {{kNGen + "conf.dat",
                      "[$select]\r\nwing1 rnd\r\n  194504070.mis\r\n[$locale]\r\nen\r\n"
                      "  194504070.mis\r\n  [$locale] ru\r\n"},
                     {kNGen + "194504070.mis", kMission},
                     {kNGen + "194504070.properties", kProperties},
                     {kNGen + "tavrekmission.mis", kMission},
                     {kNGen + "tavrekmission.properties", kProperties}}},
        InstallCase{"CoopGeneratorReplacedDateStands",
                    Mode::kCoopGenerator,
                    1,
                    false,
                    0,
                    "N",
                    "",
                    {{kNGen + "conf.dat", "[$locale]\nen"}},
                    {{kNGen + "conf.dat", "[$locale]\r\nen\r\n"},
                     {kNGen + "194504070.mis", kMission},
                     {kNGen + "194504070.properties", kProperties},
                     {kNGen + "tavrekmission.mis", kMission},
                     {kNGen + "tavrekmission.properties", kProperties}}},
        InstallCase{"CoopWithCopies",
                    Mode::kCoop,
                    2,
                    true,
                    1,
                    "N",
                    "",
                    {},
                    {{"Missions/Net/coop/Tavrek/Okinawa194504070.mis", kMission},
                     {"Missions/Net/coop/Tavrek/Okinawa194504070.properties", kProperties}}},
        InstallCase{"Coop",
                    Mode::kCoop,
                    1,
                    false,
                    1,
                    "N",
                    "",
                    {},
                    {{"Missions/Net/coop/Tavrek/tavrekmission.mis", kMission},
                     {"Missions/Net/coop/Tavrek/tavrekmission.properties", kProperties}}},
        InstallCase{"DogfightNamedByTheServerTool",
                    Mode::kDogfight,
                    1,
                    true,
                    1,
                    "N",
                    "okinawa_dusk",
                    {},
                    {{kDogfight + "okinawa_dusk.mis", kMission},
                     {kDogfight + "okinawa_dusk.properties", kProperties},
                     {kDogfight + "okinawa_dusk_ru.properties", kRussianProperties},
                     {"<program>/missions.txt", "dogfight\\Tavrek\\okinawa_dusk.mis"}}},
        InstallCase{"DogfightDatedCopy",
                    Mode::kDogfight,
                    2,
                    true,
                    1,
                    "N",
                    "",
                    {},
                    {{kDogfight + "Okinawa194504070.mis", kMission},
                     {kDogfight + "Okinawa194504070.properties", kProperties},
                     {kDogfight + "Okinawa194504070_ru.properties", kRussianProperties},
                     {"<program>/missions.txt", "dogfight\\Tavrek\\Okinawa194504070.mis"}}},
        InstallCase{"DogfightNameThatLeavesTheFolder",
                    Mode::kDogfight,
                    1,
                    false,
                    1,
                    "N",
                    "..\\..\\Campaign\\RU\\evil",
                    {},
                    {{kDogfight + "tavrekmission.mis", kMission},
                     {kDogfight + "tavrekmission.properties", kProperties},
                     {kDogfight + "tavrekmission_ru.properties", kRussianProperties},
                     {"<program>/missions.txt", "dogfight\\Tavrek\\tavrekmission.mis"}}}),
    [](const ::testing::TestParamInfo<InstallCase>& info) { return std::string(info.param.name); });

// Three aircraft types; squadrons of both sides, one type flown by both.
class ServerSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.LastAircraftClass = 2;
    Type(0, "F4U1C", "F4U-1C", "");
    Type(1, "A6M5", "A6M5", ", 1x250");
    Type(2, "F6F5", "F6F-5", "");
    form.LastSquadron = 5;
    Squadron(0, "F4U1C", "1", "6", "1");
    Squadron(1, "A6M5", "2", "8", "1");
    Squadron(2, "A6M5", "1", "4", "1");
    Squadron(3, "F6F5", "1", "5", "0");   // not flyable by players
    Squadron(4, "F4U1C", "1", "0", "1");  // no planes
    Squadron(5, "F4U1C", "1", "3", "1");
    form.SCTimeLimitBox.Text = "45 Minutes";
    form.StaticPlaneCountBox.Text = "No";
  }
  void Type(int i, const char* name, const char* game_name, const char* banned) {
    form.AircraftClassTable[i].ClassName = name;
    form.AircraftClassTable[i].ClassGameName = game_name;
    form.AircraftClassTable[i].BannedPayload = banned;
  }
  void Squadron(int i, const char* type, const char* side, const char* planes,
                const char* flyable) {
    SquadronEntry& squadron = form.SquadronTable[i];
    squadron.SquadronName = "S" + std::to_string(i);
    squadron.SquadronClass = std::string("Class air.") + type;
    squadron.SquadronArmy = side;
    squadron.PlanesFlight = planes;
    squadron.SquadronFlyable = flyable;
  }
  TestWorld world;
  TMainForm& form = *world.form;
};

TEST_F(ServerSettingsTest, EachSideListsTheTypesItsPlayersMayFly) {
  EXPECT_EQ(ServerSettingsText(form),
            "[Common]\r\nTimeLimit=45\r\nCountStaticPlanes=0\r\n\r\n"
            "[PlanesArmy1]\r\nF4U-1C=9\r\nA6M5=4, 1x250\r\n\r\n"
            "[PlanesArmy2]\r\nA6M5=8, 1x250\r\n\r\n"
            "[Army1]\r\nPlanes=13\r\nPilots=13\r\n\r\n"
            "[Army2]\r\nPlanes=8\r\nPilots=8\r\n");
}

TEST_F(ServerSettingsTest, TimeLimitAndStaticPlanes) {
  struct Case {
    const char* limit;
    const char* count_static;
    const char* common;
  };
  const Case cases[] = {
      {"1 Minute", "Yes", "[Common]\r\nTimeLimit=1\r\nCountStaticPlanes=1\r\n\r\n"},
      {"No Time Limit", "Yes", "[Common]\r\nCountStaticPlanes=1\r\n\r\n"},
      {"240 Minutes", "No", "[Common]\r\nTimeLimit=240\r\nCountStaticPlanes=0\r\n\r\n"},
  };
  for (const Case& c : cases) {
    form.SCTimeLimitBox.Text = c.limit;
    form.StaticPlaneCountBox.Text = c.count_static;
    EXPECT_TRUE(ServerSettingsText(form).starts_with(std::string(c.common) + "[PlanesArmy1]"))
        << c.limit;
  }
}

TEST_F(ServerSettingsTest, TheFileLiesBesideTheMissionWhenTheServerToolIsUsed) {
  const std::string game = world.program_folder.Path() + "game.mission/";
  fs::create_directories(game + "Missions/Net/dogfight");
  form.GameFolder = game;
  form.Dogfight.Checked = true;
  form.SCUseBox.Text = "Yes";
  form.ServerActive = "True";
  form.DogfightMissionName = "dusk";
  form.MissionFileText = kMission;
  PassGuard guard(form, "Pass 1");
  InstallMission(form, 1, guard);
  guard.Commit();
  const std::string folder = "game.mission/Missions/Net/dogfight/Tavrek/";
  EXPECT_EQ(world.program_folder.Read(folder + "dusk.ini"), ServerSettingsText(form));
  EXPECT_EQ(world.program_folder.Read(folder + "dusk.mis"), kMission);
}

TEST(ServerSettingsPath, OnlyTheExtensionChanges) {
  EXPECT_EQ(ServerSettingsPath("C:\\IL2.mission\\Missions\\Net\\dogfight\\Tavrek\\a.mis"),
            "C:\\IL2.mission\\Missions\\Net\\dogfight\\Tavrek\\a.ini");
  EXPECT_EQ(ServerSettingsPath("/games/a.mis.b.MIS"), "/games/a.mis.b.ini");
}

TEST(DogfightMissionName, OnlyAPlainFileNameIsTaken) {
  for (const char* good : {"okinawa_dusk", "Kerama 2", "a.b"}) {
    EXPECT_TRUE(IsPlainMissionName(good)) << good;
  }
  for (const char* bad :
       {"", ".", "..", "..\\x", "a/b", "C:x", "a*", "a?", "a|b", "a\"b", "line\r\n"}) {
    EXPECT_FALSE(IsPlainMissionName(bad)) << bad;
  }
}

TEST(CareerList, ItsFormsAndTheGeneratorListKept) {
  EXPECT_EQ(CareerListText("", "Red", "RU"), CareerList(""));
  EXPECT_TRUE(CareerListText("ExecGenerator C:\\Tavrek\\tavrek.exe", "Blue", "DE")
                  .starts_with("[Main]\r\nExecGenerator C:\\Tavrek\\tavrek.exe\r\n"
                               "Class il2.game.campaign.CampaignBlue\r\n"
                               "awardsClass il2.game.campaign.AwardsDEfighter\r\n\r\n[list]\r\n"));
  // Only the end-mission entry and the program's own mission go; the new one comes before it.
  EXPECT_EQ(GeneratorCareerListText(
                {"[list]", "Legend.mis", "  END.MIS", "TavrekMission.mis", "194504060.mis", "end"},
                "194504070.mis"),
            "[list]\r\nLegend.mis\r\n194504060.mis\r\n194504070.mis\r\ntavrekmission.mis");
  EXPECT_EQ(GeneratorCareerListText({}, ""), "tavrekmission.mis");
}

}  // namespace
