#include "campaign_setup/flight_sizes.h"

#include <gtest/gtest.h>

#include <string>

#include "campaign_data/squadron_file.h"
#include "platform/file_system.h"
#include "tests/support/campaign_world.h"

namespace {

struct SizeCase {
  const char* name;
  const char* axis;
  const char* soviet;
  const char* british_american;
  int year;
  int month;
  const char* map;
  FlightSizes expected;
};

TEST(FlightSizesFor, ChoicesGiveTheirSizeAndDefaultFollowsTheDate) {
  const SizeCase cases[] = {
      {"choices", "One", "Two", "Three", 1944, 1, "Kursk", {1, 2, 3}},
      {"four", "Four", "Four", "Four", 1939, 1, "Kursk", {4, 4, 4}},
      {"defaults 1942", "Default", "Default", "Default", 1942, 12, "Kursk", {4, 3, 4}},
      {"defaults 1943", "Default", "Default", "Default", 1943, 1, "Kursk", {4, 4, 4}},
      {"June 1941", "Default", "Default", "Default", 1941, 6, "Kursk", {4, 3, 3}},
      {"July 1941", "Default", "Default", "Default", 1941, 7, "Kursk", {4, 3, 4}},
      {"Singapore 1942", "Default", "Default", "Default", 1942, 3, "Singapore", {4, 3, 3}},
      {"Singapore 1943", "Default", "Default", "Default", 1943, 3, "Singapore", {4, 4, 4}},
      {"typed text", "5", "", "many", 1944, 1, "Kursk", {4, 4, 3}},
  };
  for (const SizeCase& c : cases) {
    const FlightSizes sizes =
        FlightSizesFor(c.axis, c.soviet, c.british_american, c.year, c.month, c.map);
    EXPECT_EQ(sizes.axis, c.expected.axis) << c.name;
    EXPECT_EQ(sizes.soviet, c.expected.soviet) << c.name;
    EXPECT_EQ(sizes.british_american, c.expected.british_american) << c.name;
  }
}

std::string Block(const std::string& name, const std::string& planes, const std::string& type) {
  return "[" + name + "]\r\n  " + planes + "\r\n  Skill 1\r\n  Class air." + type +
         "\r\n  Active True  AI False\r\n  1default.bmp\r\n  Kursk_Airfield\r\n  Radio\r\n";
}

// A Soviet and an Axis fighter squadron of 1943 in a campaign folder, both types installed.
struct FlightSizeWorld : CampaignWorld {
  FlightSizeWorld() {
    form.GameID = "1946";
    form.Tracking.Checked = true;
    form.CampaignYear = 1943;
    form.CampaignMonth = 7;
    form.MapName = "Kursk";
    for (TComboBox* box : {&form.DeSchwarm, &form.RuSchwarm, &form.BASchwarm}) {
      box->Text = "Default";
    }
    world.program_folder.Write(
        "data/class.tavrek",
        "LA_5FN                   La-5FN                ru 1 1 1 194301 194512\r\n"
        "BF_109G6                 Bf 109 G-6            de 2 1 1 194301 194512\r\n");
    world.program_folder.Write("data/squadids.tavrek", "");
    form.CampaignDataFolder = world.program_folder.Path() + "data/";
    WireFlightSizeBoxes(form);
  }
  void WriteSquadrons(const std::string& soviet_planes, const std::string& axis_planes) const {
    campaign.Write("squadrons.tavrek", Block("4GvIAP1", soviet_planes, "LA_5FN") +
                                           Block("II_JG520", axis_planes, "BF_109G6"));
  }
  std::string PlanesLine(int squadron) const {
    const std::string file = campaign.Read("squadrons.tavrek");
    size_t at = 0;
    for (int i = 0; i <= squadron; ++i) at = file.find("Planes", at + 1);
    return file.substr(at, file.find('\r', at) - at);
  }
};

// A Planes line without its per-flight number is saved with the size of its side, never 0.
TEST(SchwarmNumber, FillsEveryMissingOrOversizedFlightAndSaves) {
  FlightSizeWorld w;
  w.WriteSquadrons("Planes 8/16", "Planes 12/16-4+9");
  SchwarmNumber(w.form);
  EXPECT_EQ(w.form.RuFlightSize, 4);
  EXPECT_EQ(w.PlanesLine(0), "Planes 8/16-0+4");
  EXPECT_EQ(w.PlanesLine(1), "Planes 12/16-4+4");

  // A size the squadron keeps of its own stays.
  w.WriteSquadrons("Planes 8/16-0+2", "Planes 12/16-4+3");
  SchwarmNumber(w.form);
  EXPECT_EQ(w.PlanesLine(0), "Planes 8/16-0+2");
  EXPECT_EQ(w.PlanesLine(1), "Planes 12/16-4+3");
}

TEST(SchwarmNumber, WithoutASquadronFileSetsTheSizesOnly) {
  FlightSizeWorld w;
  w.form.RuSchwarm.Text = "Two";
  SchwarmNumber(w.form);
  EXPECT_EQ(w.form.RuFlightSize, 2);
  EXPECT_FALSE(FileExists(w.campaign.Path() + "squadrons.tavrek"));
}

// Loading the squadrons outside SchwarmNumber (start-up, the editors) uses the same sizes.
TEST(SquadronList, SetsTheFlightSizesBeforeTheRulesFillThem) {
  FlightSizeWorld w;
  w.WriteSquadrons("Planes 8/16", "Planes 12/16");
  SquadronList(w.form, "OFF");
  SaveSquadrons(w.form, 0);
  EXPECT_EQ(w.PlanesLine(0), "Planes 8/16-0+4");
  EXPECT_EQ(w.PlanesLine(1), "Planes 12/16-0+4");
}

TEST(SchwarmChange, AChosenSizeIsAppliedAndSaved) {
  FlightSizeWorld w;
  w.WriteSquadrons("Planes 8/16", "Planes 12/16");
  ASSERT_TRUE(w.form.DeSchwarm.UserChoose("Two"));
  EXPECT_EQ(w.form.DeFlightSize, 2);
  EXPECT_EQ(w.PlanesLine(1), "Planes 12/16-0+2");
  ASSERT_GE(w.SettingsLines().size(), 5u);
  EXPECT_EQ(w.SettingsLines()[4], "Two");
}

}  // namespace
