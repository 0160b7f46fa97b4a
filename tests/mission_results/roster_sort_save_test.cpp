// PilotSort saves each squadron as soon as it is in order. It must leave the roster, the files,
// the run log and the random draws exactly as sorting every squadron first and saving after.

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "mission_results/pilot_roster.h"
#include "tests/mission_results/roster_world.h"

namespace {

// The sort made the plain way, each exchange on the roster at once, with no save.
class SortAllFirst {
 public:
  explicit SortAllFirst(TMainForm& form) : form_(form) {}

  void Sort() {
    const bool online = form_.Coop.Checked || form_.Dogfight.Checked;
    const int first = form_.SquadronManagement.Checked ? 1 : 0;
    for (int squadron = first; squadron <= form_.LastSquadron; ++squadron) {
      if (form_.SquadronTable[squadron].PlanesExtra < 1) FlightSizeCheck(form_, squadron);
      Exchange(squadron);
      if (const int player_slot = PlayerSlot(); player_slot >= 0) {
        form_.PlayerRankIndex = StrToIntDef(Trim(Pilot(0, player_slot).RosterRank), 0);
      }
      if (!online) FormFlights(squadron);
    }
    int player_slot = form_.LastSquadron >= 0 ? PlayerSlot() : -1;
    if (player_slot < 0) return;
    if (!online) player_slot = PlacePlayer(player_slot);
    FitPlayerToFlightSize(player_slot);
  }

 private:
  PilotEntry& Pilot(int squadron, int slot) {
    return form_.PilotRoster[RosterIndex(squadron, slot)];
  }
  void Swap(int squadron, int a, int b) { PilotSwap(form_, squadron, squadron, a, b); }

  void Exchange(int squadron) {
    const bool coop = form_.Coop.Checked;
    const bool online = coop || form_.Dogfight.Checked;
    for (int i = 0; i < 16; ++i) {
      for (int j = 0; j < 16; ++j) {
        if (j == i) continue;
        const PilotEntry& a = Pilot(squadron, i);
        const PilotEntry& b = Pilot(squadron, j);
        if (!coop && (b.RosterRank < a.RosterRank ||
                      (b.RosterRank == a.RosterRank && b.RosterKills < a.RosterKills))) {
          Swap(squadron, i, j);
        }
        if (online && Pilot(squadron, j).RosterMarker > Pilot(squadron, i).RosterMarker) {
          Swap(squadron, i, j);
        }
      }
    }
  }

  void FormFlights(int squadron) {
    const std::pair<int, int> exchanges[] = {{1, 4},   {2, 8},  {3, 12}, {7, 9}, {6, 5},
                                             {14, 15}, {5, 10}, {9, 14}, {1, 2}};
    for (const auto& [a, b] : exchanges) Swap(squadron, a, b);
    if (form_.SquadronTable[squadron].PlanesExtra != 3) return;
    for (const auto& [a, b] : {std::pair{2, 3}, {6, 7}, {10, 11}, {14, 15}}) Swap(squadron, a, b);
  }

  int PlayerSlot() {
    int found = -1;
    for (int slot = 0; slot < 16; ++slot) {
      if (Pilot(0, slot).RosterName == form_.PlayerName) found = slot;
    }
    return found;
  }

  bool MissionIs(int briefs_line) {
    const std::string& brief = form_.Messages.Text(MessageSection::kBriefs, briefs_line);
    return !brief.empty() && form_.SquadronTable[0].SquadronMissionType == brief;
  }

  int PlacePlayer(int p) {
    const SquadronEntry& unit = form_.SquadronTable[0];
    const int extra = unit.PlanesExtra;
    const std::string& flight = unit.PlanesFlight;
    int last = 4 * form_.FlightsPerSquadron - 5 + extra;
    if ((MissionIs(12) || MissionIs(23)) && last > 3) last = 3;
    if (last > StrToIntDef(Trim(flight), 0) - 1) last = extra - 1;
    if (extra == 3 && (p == 3 || p == 7 || p > 10)) last = 2;
    if (extra == 2 && p > 1) last = 1;
    if (extra == 1 && p > 1) last = 0;
    if (flight == "3" && p > 1) last = 2;
    if (flight == "2" && p > 1) last = 1;
    if (flight == "1" && p > 0) last = 0;
    if (unit.SquadronTaskCode == "3" && p > 1 && unit.SquadronRole != "1") last = 0;
    if (Contains(unit.SquadronClass, "FW_190A8MSTL")) last = 0;
    if (last < 0 || last >= p) return p;
    int target = last;
    for (int slot = 0; slot <= last; ++slot) {
      if (Pilot(0, slot).RosterRank <= Pilot(0, p).RosterRank) {
        target = slot;
        break;
      }
    }
    Swap(0, target, p);
    return target;
  }

  void FitPlayerToFlightSize(int p) {
    const SquadronEntry& unit = form_.SquadronTable[0];
    const auto exchange = [&](int slot) {
      Swap(0, p, slot);
      p = slot;
    };
    if (unit.PlanesExtra == 3 && (p == 3 || p == 7 || p > 10)) exchange(2);
    if (unit.PlanesExtra == 2 && p > 1) exchange(1);
    if (unit.PlanesExtra == 1 && p > 1) exchange(0);
    if (unit.PlanesFlight == "3" && p > 1) exchange(2);
    if (unit.PlanesFlight == "2" && p > 1) exchange(1);
    if (unit.PlanesFlight == "1" && p > 0) exchange(0);
    if (Contains(unit.SquadronClass, "FW_190A8MSTL")) exchange(0);
  }

  TMainForm& form_;
};

// Everything the two ways could leave differently.
std::vector<std::string> Outcome(RosterWorld& w) {
  std::vector<std::string> outcome;
  for (int squadron = 0; squadron <= w.form.LastSquadron; ++squadron) {
    for (int slot = 0; slot < 16; ++slot) {
      const PilotEntry& p = w.Pilot(squadron, slot);
      outcome.push_back(p.RosterName + "|" + p.RosterRank + "|" + p.RosterKills + "|" +
                        p.RosterMarker + "|" + p.RosterMedalCount + "|" + p.RosterNoseArt + "|" +
                        p.RosterSkin + "|" + p.RosterBirthDate + "|" + p.RosterSeat);
    }
  }
  for (const char* file : {"pilot.tavrek", "paints.tavrek", "noseart.tavrek"}) {
    outcome.push_back(w.CampaignFile(file));
  }
  for (const std::string& line : w.Log()) outcome.push_back(line);
  outcome.push_back("rank index " + IntToStr(w.form.PlayerRankIndex));
  outcome.push_back("next draw " + IntToStr(w.form.Random(1000000)));
  return outcome;
}

TEST(PilotSort, LeavesWhatSortingAllSquadronsAndThenSavingLeaves) {
  const char* const ranks[] = {"0", "1", "2", "3", "5", "6", " 4", "x", ""};
  const char* const kills[] = {"000", "001", "012", "7", "", "abc"};
  const char* const markers[] = {" ", " ", "^", "d", ""};
  const char* const nose_art[] = {"None", "Lucky.bmp", " Dolly.bmp ", ""};
  const char* const flights[] = {"1", "2", "3", "8", "16"};
  std::mt19937 random(2718);
  const auto pick = [&random](const auto& choices) {
    return std::string(choices[random() % std::size(choices)]);
  };
  for (int round = 0; round < 60; ++round) {
    const int squadrons = 1 + static_cast<int>(random() % 4);
    const int mode = static_cast<int>(random() % 3);
    const bool management = random() % 3 == 0;
    const int flights_per_squadron = 1 + static_cast<int>(random() % 4);
    std::vector<SquadronSetup> setups;
    for (int squadron = 0; squadron < squadrons; ++squadron) {
      setups.push_back({.name = random() % 6 == 0 && squadron > 0 ? "" : "Sq" + IntToStr(squadron),
                        .nation = random() % 2 == 0 ? "us" : "gb",
                        .role = random() % 2 == 0 ? "1" : "2",
                        .planes_extra = static_cast<int>(random() % 5),
                        .planes_flight = pick(flights)});
    }
    std::vector<PilotEntry> pilots;
    for (int n = 0; n < squadrons * 16; ++n) {
      PilotEntry pilot;
      // A few slots without a name: the save gives them new pilots, drawing at random.
      pilot.RosterName = random() % 10 == 0 ? "" : "P" + IntToStr(n);
      pilot.RosterRank = pick(ranks);
      pilot.RosterKills = pick(kills);
      pilot.RosterGroundKills = "000";
      pilot.RosterSorties = pick(kills);
      pilot.RosterMarker = pick(markers);
      pilot.RosterMedalCount = "1";
      pilot.RosterPhoto = "DGen\\Photo";
      pilot.RosterBirthDate = "1921";
      pilot.RosterHomeTown = "Town";
      pilot.RosterSkin = "1Skin" + IntToStr(n % 3) + ".bmp";
      pilot.RosterNoseArt = pick(nose_art);
      pilot.RosterSeat = "Seat" + IntToStr(n % 16);
      pilots.push_back(pilot);
    }
    // The player, now and then twice in his squadron with another rank.
    const int player = static_cast<int>(random() % 16);
    pilots[static_cast<size_t>(player)].RosterName = "The Player";
    if (random() % 3 == 0) pilots[static_cast<size_t>((player + 5) % 16)].RosterName = "The Player";

    RosterWorld sorted;
    RosterWorld reference;
    for (RosterWorld* w : {&sorted, &reference}) {
      w->form.Coop.Checked = mode == 1;
      w->form.Dogfight.Checked = mode == 2;
      w->form.SquadronManagement.Checked = management;
      w->form.FlightsPerSquadron = flights_per_squadron;
      w->form.PlayerName = "The Player";
      w->form.PlayerRankIndex = -1;
      for (const SquadronSetup& setup : setups) w->AddSquadron(setup);
      for (int n = 0; n < squadrons * 16; ++n) {
        w->Pilot(n / 16, n % 16) = pilots[static_cast<size_t>(n)];
      }
      w->form.Rand.SetSeed(static_cast<unsigned>(round) + 11);
    }
    PilotSort(sorted.form);
    SortAllFirst(reference.form).Sort();
    SavePilot(reference.form, 0);
    EXPECT_EQ(Outcome(sorted), Outcome(reference)) << "round " << round;
  }
}

}  // namespace
