#include "mission_generation/flights_per_squadron.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/support/campaign_world.h"
#include "tests/support/test_world.h"

namespace {

TEST(SetSqFlights, FlightBoxTextGivesTheFlightsPerSquadron) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"One", 1}, {"Two", 2}, {"Three", 3}, {"Four", 4}, {"Five", 2}, {"", 2}, {"three", 2}};
  TestWorld world;
  TMainForm& form = *world.form;
  for (const auto& [text, flights] : cases) {
    form.FlightsPerSquadron = 7;
    form.FlightBox.Text = text;
    SetSqFlights(form);
    EXPECT_EQ(form.FlightsPerSquadron, flights) << text;
  }
}

struct FlightBoxWorld : CampaignWorld {
  FlightBoxWorld() {
    SquadronEntry& squadron = form.SquadronTable[0];
    squadron.SquadronName = "VF_17";
    squadron.SquadronRole = "1";
    squadron.SquadronClass = "Class air.F4U1A";
    squadron.PlanesMax = "16";
    squadron.PlanesFlight = "16";
    squadron.PlanesAvailable = "16";
    form.LastSquadron = 0;
    WireFlightBox(form);
  }
  std::string IniLine(size_t number) const {
    const std::vector<std::string> lines = SettingsLines();
    return number <= lines.size() ? lines[number - 1] : "(no line)";
  }
};

TEST(FlightBoxChange, SetsTheFlightsAndSavesTheSettings) {
  FlightBoxWorld w;
  w.form.FlightBox.UserChoose("Three");
  EXPECT_EQ(w.form.FlightsPerSquadron, 3);
  EXPECT_EQ(w.IniLine(4), "Three");
  // Without LinkMax the squadrons keep their maximum strength.
  EXPECT_EQ(w.form.SquadronTable[0].PlanesMax, "16");
}

TEST(FlightBoxChange, WithLinkedMaximumsTheSquadronsFollowTheFlights) {
  FlightBoxWorld w;
  w.form.LinkMax.Checked = true;
  w.form.FlightBox.UserChoose("Three");
  EXPECT_EQ(w.form.SquadronTable[0].PlanesMax, "12");
  EXPECT_EQ(w.form.SquadronTable[0].PlanesFlight, "12");
  EXPECT_NE(w.campaign.Read("squadrons.tavrek").find("[VF_17]"), std::string::npos);
}

}  // namespace
