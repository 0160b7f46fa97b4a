// The set-up wizard: the answers give the squadron density, the flights per squadron, the
// action radius and the balance; Generate Mission is shown again and the density counts at
// once.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_setup/setup_wizard.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

struct WizardCase {
  const char* name;
  std::vector<std::pair<const char*, ModalResult>> answers;  // a part of each question, in order
  const char* density;
  const char* flights;
  const char* radius;
  const char* balance;
};

class WizardTest : public ::testing::TestWithParam<WizardCase> {
 protected:
  void SetUp() override {
    SetOptionDefaults(Form());
    InstallSample(world);
    // The generator replacements are on, so the wizard offers neither.
    Form().DGENBoot.Checked = true;
    Form().NGenBoot.Checked = true;
  }
  TMainForm& Form() { return *world.form; }
  TestWorld world;
};

TEST_P(WizardTest, SetsTheSettingsOfTheAnswers) {
  world.dialogs->ExpectMessage("simple point and click wizard", ModalResult::kOk);
  for (const auto& [question, answer] : GetParam().answers) {
    world.dialogs->ExpectMessage(question, answer);
  }
  WizardMenuClick(Form());
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_EQ(Form().SquadronDensity.Text, GetParam().density);
  EXPECT_EQ(Form().FlightBox.Text, GetParam().flights);
  EXPECT_EQ(Form().ActionRadius.Text, GetParam().radius);
  EXPECT_EQ(Form().BalanceBox.Text, GetParam().balance);
  EXPECT_TRUE(Form().MissionButton.Visible);
}

constexpr ModalResult kYes = ModalResult::kYes;
constexpr ModalResult kNo = ModalResult::kNo;

INSTANTIATE_TEST_SUITE_P(Answers, WizardTest,
                         ::testing::Values(WizardCase{"AllNo",
                                                      {{"more than 50", kNo},
                                                       {"more than 25", kNo},
                                                       {"more than 12", kNo},
                                                       {"long distances", kNo},
                                                       {"moderately long", kNo},
                                                       {"historical numbers", kNo},
                                                       {"balanced", kNo},
                                                       {"numerical advantage", kNo}},
                                                      "Sparse",
                                                      "One",
                                                      "50 Kilometers",
                                                      "Axis Advantage"},
                                           WizardCase{"FiftyPlanesLargeSquadrons",
                                                      {{"more than 50", kYes},
                                                       {"few large squadrons", kYes},
                                                       {"long distances", kYes},
                                                       {"historical numbers", kYes}},
                                                      "Heavy",
                                                      "Four",
                                                      "500 Kilometers",
                                                      "Default"},
                                           WizardCase{"TwentyFivePlanesSmallSquadrons",
                                                      {{"more than 50", kNo},
                                                       {"more than 25", kYes},
                                                       {"few large squadrons", kNo},
                                                       {"long distances", kNo},
                                                       {"moderately long", kYes},
                                                       {"historical numbers", kNo},
                                                       {"balanced", kYes}},
                                                      "Dense",
                                                      "One",
                                                      "150 Kilometers",
                                                      "Balanced"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
