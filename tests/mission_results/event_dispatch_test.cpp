// The table from line to handlers.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "mission_results/event_dispatch.h"
#include "tests/mission_results/results_campaign.h"

namespace {

enum class Options { kOffLine, kCoop, kDogfight };

struct RowCase {
  const char* line;
  int pass;
  const char* mode;
  Options options;
  std::vector<std::string> rows;
};

std::vector<std::string> RowsTaking(const TMainForm& form, const RowCase& c) {
  std::vector<std::string> rows;
  for (const EventRow& row : EventRows()) {
    if (row.pass == c.pass && row.applies(form, c.line, c.mode)) rows.push_back(row.handles);
  }
  return rows;
}

TEST(EventDispatch, EachLineReachesTheRowsOfItsTokensModeAndOptions) {
  const RowCase cases[] = {
      {"r01000(0) seat occupied by Player at 1.00 2.00",
       3,
       "Standard",
       Options::kOffLine,
       {"off-line player's seat"}},
      {"r01000(0) seat occupied by Player at 1.00 2.00", 3, "Standard", Options::kCoop, {}},
      {"r01000(0) seat occupied by Player One at 1.00 2.00",
       3,
       "Standard",
       Options::kCoop,
       {"co-op pilot seat"}},
      {"r01000(0) seat occupied by Anne Playerson at 1.00 2.00",
       3,
       "Standard",
       Options::kOffLine,
       {}},
      {"r01000(1) seat occupied by Jim Brown at 1.00 2.00",
       3,
       "Standard",
       Options::kCoop,
       {"co-op crew seat"}},
      {"r01000(0) seat occupied by g01000 shot down by r01000 at 1.00 2.00",
       3,
       "Standard",
       Options::kCoop,
       {"co-op pilot seat"}},
      {"r01000(0) seat occupied by Bob was killed at 1.00 2.00",
       5,
       "Standard",
       Options::kCoop,
       {}},
      {"Bob:A6M5(0) seat occupied by Bob at 1.00 2.00",
       3,
       "AcesDogfight",
       Options::kDogfight,
       {"dogfight pilot seat"}},
      {"r01000 shot down by g01000 at 1.00 2.00",
       3,
       "Standard",
       Options::kOffLine,
       {"aircraft shot down"}},
      {"Bob:A6M5 shot down by Al:F4U1C at 1.00 2.00",
       3,
       "AcesDogfight",
       Options::kDogfight,
       {"dogfight aircraft shot down"}},
      {"Bob:A6M5 shot down by Al:F4U1C at 1.00 2.00", 3, "Dogfight", Options::kDogfight, {}},
      {"r01000 crashed at 1.00 2.00", 3, "Standard", Options::kOffLine, {"aircraft crashed"}},
      {"3_Chief2 crashed at 1.00 2.00", 3, "Standard", Options::kOffLine, {}},
      {"r01000 crashed at Bridge 4", 3, "Standard", Options::kOffLine, {}},
      {"Bob:A6M5 crashed at 1.00 2.00",
       3,
       "AcesDogfight",
       Options::kDogfight,
       {"dogfight aircraft crashed"}},
      {"12_Static destroyed by r01000 at 1.00 2.00",
       3,
       "Dogfight",
       Options::kDogfight,
       {"static object destroyed"}},
      {"3_Chief2 destroyed by r01000 at 1.00 2.00",
       3,
       "Standard",
       Options::kOffLine,
       {"column vehicle destroyed"}},
      {"Bridge12 destroyed by r01000 at 1.00 2.00",
       3,
       "Standard",
       Options::kOffLine,
       {"bridge destroyed"}},
      {"r01000(0) bailed out at 1.00 2.00", 3, "Standard", Options::kOffLine, {"bail-out"}},
      {"r01000(0) successfully bailed out at 1.00 2.00", 3, "Standard", Options::kOffLine, {}},
      {"r01000 damaged by g01000 at 1.00 2.00",
       4,
       "Standard",
       Options::kOffLine,
       {"aircraft damaged"}},
      {"r01000 damaged on the ground at 1.00 2.00",
       4,
       "Standard",
       Options::kOffLine,
       {"aircraft damaged"}},
      {"r01000 damaged by g01000 at 1.00 2.00", 3, "Standard", Options::kOffLine, {}},
      {"tr0211(255) was captured at 1.00 2.00",
       4,
       "Standard",
       Options::kOffLine,
       {"paratroopers landed"}},
      {"tr0211(255) was captured at 1.00 2.00",
       5,
       "Standard",
       Options::kOffLine,
       {"airman killed or captured"}},
      {"tr0210(0) was captured at 1.00 2.00", 4, "Standard", Options::kOffLine, {"glider landed"}},
      {"r01000(0) was killed at 1.00 2.00",
       5,
       "AcesDogfight",
       Options::kDogfight,
       {"airman killed or captured"}},
  };
  ResultsCampaign campaign;
  TMainForm& form = campaign.form();
  for (const RowCase& c : cases) {
    form.Coop.Checked = c.options == Options::kCoop;
    form.Dogfight.Checked = c.options == Options::kDogfight;
    EXPECT_EQ(RowsTaking(form, c), c.rows)
        << c.line << " (pass " << c.pass << ", " << c.mode << ")";
  }
}

TEST(EventDispatch, ALineHoldingTextWhereANumberMustStandIsSkippedAndTheRestGoesOn) {
  ResultsCampaign campaign;
  TMainForm& form = campaign.form();
  campaign.Pilot(0, 2).RosterKills = "lots";
  campaign.Unit(2).PlanesFlight = "ten";
  DispatchEventLine(form, 3, "IJN_S_252000 shot down by USMC_VMF_311002 at 1.00 2.00", "Standard");
  EXPECT_NE(form.ErrorText.find("Event-log line skipped"), std::string::npos);
  EXPECT_EQ(campaign.Unit(2).PlanesFlight, "ten");
  DispatchEventLine(form, 3, "IJN_S_253001 shot down by USMC_VMF_311003 at 1.00 2.00", "Standard");
  EXPECT_EQ(campaign.Pilot(0, 3).RosterKills, "002");
}

}  // namespace
