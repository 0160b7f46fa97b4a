// The co-op campaign run the game starts in place of its co-op generator, and the co-op
// campaign's conf.dat: its choices taken into the squadrons and kept in step with them.

#include "campaign_setup/coop_campaign.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/batch_driver.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/program_folder.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/file_tree.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCoopParameter = "missions/net/ngen/Tavrek_Okinawa/conf.dat";
constexpr const char* kCoopFolder = "game/Missions/Net/NGen/Tavrek_Okinawa/";

// The conf.dat the game writes for a co-op campaign of the Okinawa battle.
std::string CoopConfText(const std::string& data_line = "Okinawa45.mis") {
  return JoinLinesCrLf({"[$select]",
                        "DiD Immortal",
                        "USMC_VMF_31100 rnd",
                        "USMC_VMF_31101 all",
                        "USN_VF_8300 nvr",
                        "USN_VF_83000 all",
                        "[$missions]",
                        "[$locale]",
                        "name Tavrek Okinawa45",
                        "note Okinawa: 1945",
                        "[$data]",
                        data_line,
                        "lang=English,USSR",
                        "[DiD]",
                        "  DiDmode     Dead is Dead",
                        "  Immortal    Immortal Warriors",
                        "[USN_VF_8300]",
                        "  rnd Spawn: Random",
                        "  all Spawn: Yes",
                        "  nvr Spawn: No"});
}

// The lines of the squadron's block in a squadrons.tavrek text.
std::vector<std::string> Block(const std::string& file_text, const std::string& squadron) {
  const std::vector<std::string> lines = SplitTextLines(file_text);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == "[" + squadron + "]") {
      return {lines.begin() + static_cast<long>(i),
              lines.begin() + static_cast<long>(std::min(i + 8, lines.size()))};
    }
  }
  return {};
}

bool BlockHolds(const std::string& file_text, const std::string& squadron,
                const std::string& part) {
  for (const std::string& line : Block(file_text, squadron)) {
    if (Contains(line, part)) return true;
  }
  return false;
}

class CoopRunTest : public ::testing::Test {
 protected:
  explicit CoopRunTest(std::string parameter = kCoopParameter)
      : world({"tavrek", std::move(parameter)}) {
    SetOptionDefaults(Form());
    InstallSample(world);
    Form().Rand.SetSeed(19450401);
    Form().NGenBoot.Checked = true;
    Form().Death.Checked = true;
  }
  TMainForm& Form() { return *world.form; }
  std::string CoopPath(const std::string& name = "") const {
    return world.program_folder.Path() + kCoopFolder + name;
  }

  TestWorld world;
};

TEST_F(CoopRunTest, TheGamesStartCreatesTheCampaignFromConfDatAndGeneratesItsMission) {
  world.program_folder.Write(std::string(kCoopFolder) + "conf.dat", CoopConfText());
  // Files of the campaign active before that no co-op campaign may take over.
  const std::string active = SampleCampaignFolder(world);
  world.program_folder.Write("campaign/Okinawa45/keepsquadrons.tavrek", "[Other0]\r\n");
  world.program_folder.Write("campaign/Okinawa45/notes.txt", "not the co-op campaign's");

  ChkParams(Form());

  EXPECT_FALSE(Form().Application.Failed()) << Form().ErrorText;
  EXPECT_TRUE(Form().Application.Terminated());
  EXPECT_TRUE(world.dialogs->shown.empty());
  EXPECT_TRUE(SameFolder(Form().GameCampaignFolder, CoopPath()));
  EXPECT_TRUE(SameFolder(Form().CampaignFolder, CoopPath()));
  EXPECT_TRUE(Form().Coop.Checked);
  EXPECT_FALSE(Form().Death.Checked);  // "DiD Immortal"
  for (const char* file : {"squadrons.tavrek", "columns.tavrek", "stationary.tavrek",
                           "campaign.tavrek", "pilot.tavrek", "tavrekmission.mis"}) {
    EXPECT_TRUE(FileExists(CoopPath(file))) << file;
  }
  EXPECT_FALSE(FileExists(CoopPath("keepsquadrons.tavrek")));
  EXPECT_FALSE(FileExists(CoopPath("notes.txt")));

  // The spawn choices: a later "all" beats "rnd"; "USN_VF_83000" is no wing of USN_VF_830.
  const std::string squadrons =
      world.program_folder.Read(std::string(kCoopFolder) + "squadrons.tavrek");
  EXPECT_TRUE(BlockHolds(squadrons, "USMC_VMF_3110", "Active True ")) << squadrons;
  EXPECT_TRUE(BlockHolds(squadrons, "USN_VF_830", "Active Never")) << squadrons;

  // The new mission is listed in the campaign's conf.dat before its [$locale] line.
  const std::vector<std::string> conf = ReadTextLines(CoopPath("conf.dat"));
  const auto locale = std::find(conf.begin(), conf.end(), "[$locale]");
  ASSERT_NE(locale, conf.begin());
  EXPECT_TRUE(StartsWith(*(locale - 1), "  194504")) << *(locale - 1);
  EXPECT_TRUE(EndsWith(*(locale - 1), ".mis"));
}

TEST_F(CoopRunTest, ARunningCampaignIsOnlySelected) {
  world.program_folder.Write(std::string(kCoopFolder) + "conf.dat", CoopConfText());
  world.program_folder.Write(std::string(kCoopFolder) + "squadrons.tavrek", "running");
  const FileTree before = FilesBelow(CoopPath());
  NGenCampaign(Form());
  EXPECT_TRUE(ChangedPaths(before, FilesBelow(CoopPath())).empty());
  EXPECT_TRUE(SameFolder(Form().GameCampaignFolder, CoopPath()));
  EXPECT_TRUE(Form().Coop.Checked);
  EXPECT_EQ(Form().DayStep, 1);
}

// The block the game writes to its event log for a co-op mission flown on a day of January.
std::string FlownBlock(int day) {
  const std::string stamp = "[Jan " + std::to_string(day) + ", 2027 08:00:00]";
  return JoinLinesCrLf({stamp + " Mission: Net/NGen/Tavrek_Okinawa/1945040" + std::to_string(day) +
                            "0.mis is Playing",
                        "[08:00:00] Mission BEGIN", "[08:30:00] Mission END"});
}

// Each start of a running campaign comes after a mission flown: the mark of the missions
// scored stays on the one before, so the pipeline scores the new one.
TEST_F(CoopRunTest, ARunningCampaignLeavesTheMissionJustFlownToBeScored) {
  world.program_folder.Write(std::string(kCoopFolder) + "conf.dat", CoopConfText());
  world.program_folder.Write(std::string(kCoopFolder) + "squadrons.tavrek", "running");
  world.program_folder.Write(std::string(kCoopFolder) + "log.tavrek", FlownBlock(1));
  world.program_folder.Write("game/eventlog.lst", FlownBlock(1) + FlownBlock(2));
  Form().CampaignFolder = CoopPath();
  Form().LogFileName = "eventlog.lst";
  Form().LogFileDate = "[Jan 1, 2027 08:00:00]";
  NGenCampaign(Form());
  EXPECT_EQ(Form().LogFileDate, "[Jan 1, 2027 08:00:00]");
}

struct CoopFailure {
  const char* name;
  const char* conf;  // nullptr: no conf.dat
  const char* error_part;
};

class CoopRunFailure : public CoopRunTest, public ::testing::WithParamInterface<CoopFailure> {};

TEST_P(CoopRunFailure, StopsTheRunWithItsMessageAndCreatesNothing) {
  const bool has_conf = GetParam().conf != nullptr;
  if (has_conf) world.program_folder.Write(std::string(kCoopFolder) + "conf.dat", GetParam().conf);
  const FileTree before = FilesBelow(world.program_folder.Path() + "game", {"tavrek.ini"});
  try {
    NGenCampaign(Form());
    ADD_FAILURE() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_TRUE(Contains(Form().ErrorText, GetParam().error_part)) << error.what();
  }
  EXPECT_FALSE(FileExists(CoopPath("squadrons.tavrek")));
  if (has_conf) {
    EXPECT_EQ(world.program_folder.Read(std::string(kCoopFolder) + "conf.dat"), GetParam().conf);
  }
  EXPECT_TRUE(world.dialogs->shown.empty());
}

const std::string kUnknownBattle = CoopConfText("Midway42.mis");
const std::string kNoData = "[$select]\r\nDiD DiDmode\r\n[$missions]\r\n[$locale]\r\n";
const std::string kTruncated = "[$select]\r\nUSN_VF_8300 rnd\r\n[$da";
const std::string kGarbage = std::string("\x7f\x45LF\x01\x00\x00\x1a[$data]\r\nx", 15);

INSTANTIATE_TEST_SUITE_P(
    Cases, CoopRunFailure,
    ::testing::Values(CoopFailure{"NoConfDat", nullptr, "No CONF.DAT File."},
                      CoopFailure{"NoDataPart", kNoData.c_str(),
                                  "No Tavrek Campaign of that type."},
                      CoopFailure{"Truncated", kTruncated.c_str(), "names no battle"},
                      CoopFailure{"Garbage", kGarbage.c_str(), "No Tavrek Campaign of that type."},
                      CoopFailure{"UnknownBattle", kUnknownBattle.c_str(),
                                  "The campaign list has no battle Midway42."}),
    [](const auto& info) { return std::string(info.param.name); });

class CoopRunOutsideTheGame : public CoopRunTest {
 protected:
  CoopRunOutsideTheGame()
      : CoopRunTest("missions/net/ngen/tavrek/../../../../../escape/conf.dat") {}
};

TEST_F(CoopRunOutsideTheGame, APathLeavingTheGameFolderIsRefused) {
  EXPECT_THROW(NGenCampaign(Form()), ProgramError);
  EXPECT_FALSE(fs::exists(world.program_folder.Path() + "escape"));
  EXPECT_TRUE(Contains(Form().ErrorText, "names no folder below the game folder"));
}

// A co-op campaign in the game's co-op folder, loaded as the pipeline has it.
class CoopConfTest : public CoopRunTest {
 protected:
  void SetUp() override {
    fs::create_directories(CoopPath());
    fs::copy(SampleCampaignFolder(world), CoopPath(), fs::copy_options::recursive);
    Form().CampaignFolder = Form().GameCampaignFolder = CoopPath();
    Form().Coop.Checked = true;
    Form().Death.Checked = false;
  }
  void WriteConf(const std::string& text) {
    world.program_folder.Write(std::string(kCoopFolder) + "conf.dat", text);
  }
  std::string Conf() { return world.program_folder.Read(std::string(kCoopFolder) + "conf.dat"); }
  int IndexOf(const std::string& name) {
    for (int s = 0; s <= Form().LastSquadron; ++s) {
      if (Form().SquadronTable[s].SquadronName == name) return s;
    }
    return -1;
  }
};

TEST_F(CoopConfTest, TheChoicesBecomeTheSquadronsStateAndAreSaved) {
  WriteConf(JoinLinesCrLf({"[$select]", "DiD DiDmode", "USMC_VMF_31100 rnd", "USMC_VMF_31101 all",
                           "USN_VF_8300 nvr", "USN_VT_83000 rnd", "[$data]", "Okinawa45"}));
  NGenConfLoad(Form());  // loads the squadrons itself when none are loaded
  EXPECT_TRUE(Form().Death.Checked);
  ASSERT_GE(IndexOf("USN_VT_830"), 0);
  EXPECT_EQ(Form().SquadronTable[IndexOf("USMC_VMF_3110")].SquadronActive, "Active True ");
  EXPECT_EQ(Form().SquadronTable[IndexOf("USN_VF_830")].SquadronActive, "Active Never");
  EXPECT_NE(Form().SquadronTable[IndexOf("USN_VT_830")].SquadronActive, "Active False");
  const std::string saved =
      world.program_folder.Read(std::string(kCoopFolder) + "squadrons.tavrek");
  EXPECT_TRUE(BlockHolds(saved, "USN_VF_830", "Active Never"));
}

TEST_F(CoopConfTest, AConfDatWithoutItsSelectPartIsRefusedAndKept) {
  const std::string garbage = "\x01\x02 no sections here\r\n[$data";
  WriteConf(garbage);
  SquadronList(Form(), "OFF");
  const std::string squadrons_before =
      world.program_folder.Read(std::string(kCoopFolder) + "squadrons.tavrek");
  EXPECT_THROW(NGenConfLoad(Form()), ProgramError);
  EXPECT_EQ(Conf(), garbage);
  EXPECT_EQ(world.program_folder.Read(std::string(kCoopFolder) + "squadrons.tavrek"),
            squadrons_before);
}

TEST_F(CoopConfTest, SquadronChangesKeepTheConfDatInStep) {
  WriteConf(CoopConfText());
  SquadronList(Form(), "OFF");
  const int s = IndexOf("USN_VF_830");
  ASSERT_GE(s, 0);
  const std::string old_name = Form().SquadronTable[s].SquadronFullName;
  Form().SquadronTable[s].SquadronName = "USN_VF_832";
  UpdateNGenConf(Form(), s, "USN_VF_830", old_name, "Rename");
  std::string conf = Conf();
  EXPECT_TRUE(Contains(conf, "\r\nUSN_VF_8320 nvr\r\n")) << conf;
  EXPECT_TRUE(Contains(conf, "\r\nUSN_VF_83000 all\r\n")) << conf;  // another squadron's
  EXPECT_TRUE(Contains(conf, "\r\n[USN_VF_8320]\r\n")) << conf;

  UpdateNGenConf(Form(), s, "USN_VF_832", "", "Add");
  conf = Conf();
  EXPECT_TRUE(Contains(conf, "\r\n  USN_VF_832\r\n[$missions]\r\n")) << conf;
  EXPECT_TRUE(Contains(conf, " (3)\r\n[$data]\r\n")) << conf;

  UpdateNGenConf(Form(), s, "USN_VF_832", "", "Remove");
  conf = Conf();
  EXPECT_FALSE(Contains(conf, "USN_VF_832")) << conf;
  EXPECT_TRUE(Contains(conf, "\r\nUSN_VF_83000 all\r\n")) << conf;
  EXPECT_TRUE(Contains(conf, "\r\n[DiD]\r\n")) << conf;
}

TEST_F(CoopConfTest, OutsideACoopFolderOrOnABrokenFileNothingIsWritten) {
  const std::string broken = "[$select]\r\nUSN_VF_8300 nvr\r\n";
  WriteConf(broken);
  SquadronList(Form(), "OFF");
  EXPECT_THROW(UpdateNGenConf(Form(), 1, "USN_VF_830", "", "Add"), ProgramError);
  EXPECT_EQ(Conf(), broken);

  Form().CampaignFolder = SampleCampaignFolder(world);
  world.program_folder.Write("campaign/Okinawa45/conf.dat", broken);
  UpdateNGenConf(Form(), 1, "USN_VF_830", "", "Remove");
  EXPECT_EQ(world.program_folder.Read("campaign/Okinawa45/conf.dat"), broken);
}

}  // namespace
