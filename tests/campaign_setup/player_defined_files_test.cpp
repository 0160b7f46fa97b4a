// The game career generator's Player Defined files: written byte for byte for the chosen battle
// and service, the aircraft chosen by flyability, service dates and the service's nations, and
// nothing written when something they need is missing.

#include "campaign_setup/player_defined_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/main_form.h"
#include "campaign_data/aircraft_class_table.h"
#include "campaign_data/option_defaults.h"
#include "campaign_setup/campaign_creation.h"
#include "platform/errors.h"
#include "tests/support/file_tree.h"
#include "tests/support/golden_file.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

// Public: the cases' set-up functions arrange the world.
class PlayerDefinedFilesTest : public ::testing::Test {
 public:
  void SetUp() override {
    SetOptionDefaults(Form());
    InstallSample(world);
    Form().DGENBoot.Checked = true;
    Form().AutoGeneration.Checked = true;
    Form().NewCampBox.Items = {"Okinawa45"};
    Form().NewCampBox.Text = " Okinawa45 ";
    Form().DefaultNation.Items = {"US Marines"};
    Form().DefaultNation.Text = "US Marines";
    Form().SquadronTable[0].SquadronNation = "um";
  }
  TMainForm& Form() { return *world.form; }
  std::string DGenFile(const std::string& name) {
    return world.program_folder.Read("game/DGen/" + name);
  }

  TestWorld world;
};

TEST_F(PlayerDefinedFilesTest, TheStartButtonWritesTheThreeFilesOfTheService) {
  world.dialogs->ExpectMessage("Player Defined Full Campaign Data Files Created", ModalResult::kOk);
  CampStartButtonClick(Form());
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_TRUE(MatchesGolden(DGenFile("campaignsum&.dat"), "player_defined_campaignsum.dat"));
  EXPECT_TRUE(MatchesGolden(DGenFile("planesum&.dat"), "player_defined_planesum.dat"));
  EXPECT_TRUE(MatchesGolden(DGenFile("squadronsum&.dat"), "player_defined_squadronsum.dat"));
  EXPECT_EQ(Form().InfoLabel.Caption, "Okinawa45 Campaign");
  EXPECT_EQ(Form().CampaignDateText, "01/04/1945");
  // No campaign of the program's own is made on this road.
  EXPECT_FALSE(fs::exists(Form().ProgramFolder + "Okinawa45_UM"));
}

struct Missing {
  const char* name;
  void (*arrange)(PlayerDefinedFilesTest&);
  const char* error_part;
};

class PlayerDefinedFilesFailure : public PlayerDefinedFilesTest,
                                  public ::testing::WithParamInterface<Missing> {};

TEST_P(PlayerDefinedFilesFailure, WritesNoneOfTheFiles) {
  GetParam().arrange(*this);
  const FileTree before = FilesBelow(Form().GameFolder);
  try {
    WritePlayerDefinedFiles(Form());
    ADD_FAILURE() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().error_part), std::string::npos)
        << error.what();
  }
  EXPECT_TRUE(ChangedPaths(before, FilesBelow(Form().GameFolder)).empty());
  EXPECT_TRUE(world.dialogs->shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlayerDefinedFilesFailure,
    ::testing::Values(
        Missing{"BattleNotListed",
                [](PlayerDefinedFilesTest& t) { t.Form().NewCampBox.Text = "Kursk43"; },
                "has no battle Kursk43"},
        // No Finnish aircraft flies over Okinawa in 1945.
        Missing{"NoAircraftForTheService",
                [](PlayerDefinedFilesTest& t) { t.Form().SquadronTable[0].SquadronNation = "fi"; },
                "No appropriate plane found"},
        Missing{"NoCampaignList",
                [](PlayerDefinedFilesTest& t) {
                  fs::remove(t.world.program_folder.Path() + "data/allcampaigns.tavrek");
                },
                "No allcampaigns.tavrek found."},
        Missing{"NoSquadronList",
                [](PlayerDefinedFilesTest& t) {
                  fs::remove(t.world.program_folder.Path() + "data/squadids.tavrek");
                },
                "No squadids.tavrek found."},
        Missing{"NoDGenFolder",
                [](PlayerDefinedFilesTest& t) { fs::remove_all(t.Form().GameFolder + "DGen"); },
                "has no DGen folder"}),
    [](const auto& info) { return std::string(info.param.name); });

struct EligibilityCase {
  const char* name;
  const char* type_name;
  const char* country;
  const char* flyable;
  const char* nation;
  int year;
  int month;
  bool eligible;
};

class PlayerDefinedEligibility : public ::testing::TestWithParam<EligibilityCase> {};

TEST_P(PlayerDefinedEligibility, FollowsFlyabilityServiceDatesAndNations) {
  AircraftClassEntry type;
  type.ClassName = GetParam().type_name;
  type.ClassCountry = GetParam().country;
  type.ClassFlyable = GetParam().flyable;
  type.ClassServiceStart = "194201";
  type.ClassServiceEnd = "194306";
  EXPECT_EQ(PlayerDefinedEligible(type, GetParam().nation, GetParam().year, GetParam().month),
            GetParam().eligible);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlayerDefinedEligibility,
    ::testing::Values(
        EligibilityCase{"OwnNation", "SpitfireMkV", "gb", "1", "gb", 1942, 6, true},
        EligibilityCase{"NotFlyable", "SpitfireMkV", "gb", "0", "gb", 1942, 6, false},
        EligibilityCase{"FirstMonthOfService", "X", "gb", "1", "gb", 1942, 1, true},
        EligibilityCase{"LastMonthOfService", "X", "gb", "1", "gb", 1943, 6, true},
        EligibilityCase{"AfterService", "X", "gb", "1", "gb", 1943, 7, false},
        EligibilityCase{"BeforeService", "X", "gb", "1", "gb", 1941, 12, false},
        EligibilityCase{"FleetAirArmFliesRafTypesIn1942", "X", "gb", "1", "rn", 1942, 6, true},
        EligibilityCase{"FleetAirArmNotIn1943", "X", "gb", "1", "rn", 1943, 1, false},
        EligibilityCase{"MarinesFlyNavyTypes", "X", "un", "1", "um", 1942, 6, true},
        EligibilityCase{"NavyDoesNotFlyMarineTypes", "X", "um", "1", "un", 1942, 6, false},
        EligibilityCase{"NewZealandFliesRafTypes", "X", "gb", "1", "rz", 1942, 6, true},
        EligibilityCase{"DutchBuffalo", "F2A_B339", "us", "1", "du", 1942, 6, true},
        EligibilityCase{"DutchNotOtherUsTypes", "P_40E", "us", "1", "du", 1942, 6, false},
        EligibilityCase{"HungarianFiat", "CR_42", "it", "1", "hu", 1942, 6, true},
        EligibilityCase{"SlovakMesserschmitt", "BF_109G2", "de", "1", "sk", 1942, 6, true},
        EligibilityCase{"FrenchYak", "YAK_9", "ru", "1", "fr", 1942, 6, true},
        EligibilityCase{"RomanianHeinkel", "HE_111H6", "de", "1", "ro", 1942, 6, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
