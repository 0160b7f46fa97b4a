#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "mission_results/pilot_roster.h"
#include "tests/mission_results/roster_world.h"

namespace {

// Sixteen pilots of distinct seniority: "S01" is the most senior, "S16" the least. They are
// placed in a scrambled order; rank codes and victories decide, compared as text.
void PlaceRankedPilots(RosterWorld& w, int squadron) {
  const char* const ranks[16] = {"6", "5", "5", "4", "4", "3", "3", "3",
                                 "2", "2", "2", "1", "1", "0", "0", "0"};
  const char* const kills[16] = {"001", "020", "009", "100", "010", "050", "049", "002",
                                 "999", "012", "011", "003", "000", "005", "004", "000"};
  const int scrambled[16] = {7, 12, 3, 15, 0, 9, 14, 1, 10, 5, 13, 2, 8, 11, 4, 6};
  for (int n = 0; n < 16; ++n) {
    PilotEntry& pilot = w.Pilot(squadron, scrambled[n]);
    pilot.RosterName = "S" + ZeroPad(n + 1, 2);
    pilot.RosterRank = ranks[n];
    pilot.RosterKills = kills[n];
    pilot.RosterMarker = " ";
  }
}

PilotEntry MakePilot(const std::string& name, const std::string& rank, const std::string& kills,
                     const std::string& marker = " ") {
  PilotEntry pilot;
  pilot.RosterName = name;
  pilot.RosterRank = rank;
  pilot.RosterKills = kills;
  pilot.RosterMarker = marker;
  return pilot;
}

std::vector<std::string> Order(RosterWorld& w, int squadron) {
  std::vector<std::string> names;
  for (int slot = 0; slot < 16; ++slot) names.push_back(w.Pilot(squadron, slot).RosterName);
  return names;
}

std::vector<std::string> Seniority(const std::vector<int>& places) {
  std::vector<std::string> names;
  for (const int place : places) names.push_back("S" + ZeroPad(place, 2));
  return names;
}

TEST(PilotSort, OffLineTheMostSeniorLeadTheFlightsWithTheNextAsWingmen) {
  struct Case {
    int planes_per_flight;
    std::vector<int> seniority;
  };
  const Case cases[] = {
      {4, {1, 9, 5, 13, 2, 11, 6, 10, 3, 16, 7, 12, 4, 14, 8, 15}},
      {3, {1, 9, 13, 5, 2, 11, 10, 6, 3, 16, 12, 7, 4, 14, 15, 8}},
  };
  for (const Case& c : cases) {
    RosterWorld w;
    w.AddSquadron({.name = "Player0", .nation = "us", .planes_extra = 4, .planes_flight = "16"});
    w.AddSquadron({.name = "Other0", .nation = "us", .planes_extra = c.planes_per_flight});
    PlaceRankedPilots(w, 0);
    PlaceRankedPilots(w, 1);
    w.form.PlayerName = "Nobody";
    PilotSort(w.form);
    EXPECT_EQ(Order(w, 1), Seniority(c.seniority)) << c.planes_per_flight << " planes per flight";
    EXPECT_EQ(Order(w, 0), Seniority(cases[0].seniority));
  }
}

TEST(PilotSort, RanksAndVictoriesCompareAsText) {
  RosterWorld w;
  w.AddSquadron({.name = "Player0", .nation = "us"});
  w.Pilot(0, 5) = MakePilot("Untracked", "9", "000");
  w.Pilot(0, 6) = MakePilot("Colonel", "6", "009");
  w.Pilot(0, 7) = MakePilot("Ace", "6", "010");
  w.form.PlayerName = "Nobody";
  PilotSort(w.form);
  EXPECT_EQ(w.Pilot(0, 0).RosterName, "Untracked");
  EXPECT_EQ(w.Pilot(0, 4).RosterName, "Ace") << "the second pilot leads the second flight";
  EXPECT_EQ(w.Pilot(0, 8).RosterName, "Colonel");
}

// The player's squadron under Squadron Management: it keeps its order, so the player's slot is
// the test's; he moves into a slot that flies.
struct PlacementCase {
  std::string label;
  int flights;
  int planes_extra;
  std::string planes_flight;
  std::string mission_type;
  int player_slot;
  std::string player_rank;
  int final_slot;
};

TEST(PilotSort, ThePlayerMovesIntoASlotThatFlies) {
  const PlacementCase cases[] = {
      {"last slot that flies", 2, 4, "8", "", 7, "1", 7},
      {"first slot he does not outrank", 2, 4, "8", "", 9, "1", 4},
      {"everyone outranks him", 2, 4, "8", "", 9, "0", 7},
      {"reconnaissance flies one flight", 4, 4, "16", "Photo Reconnaissance", 9, "1", 3},
      {"maritime reconnaissance", 4, 4, "16", "Maritime Reconnaissance", 12, "3", 0},
      {"flights of two", 2, 2, "4", "", 5, "1", 1},
      {"one plane", 4, 4, "1", "", 6, "6", 0},
      {"no flight size known", 1, 0, "8", "", 5, "1", 5},
  };
  for (const PlacementCase& c : cases) {
    RosterWorld w;
    w.AddSquadron({.name = "Player0",
                   .nation = "us",
                   .planes_extra = c.planes_extra,
                   .planes_flight = c.planes_flight});
    // A second squadron, sorted as usual, while the player's squadron keeps its order.
    w.AddSquadron({.name = "Other0", .nation = "us"});
    w.form.SquadronManagement.Checked = true;
    w.form.FlightsPerSquadron = c.flights;
    w.form.SquadronTable[0].SquadronMissionType = c.mission_type;
    const char* const ranks[16] = {"3", "3", "2", "2", "1", "1", "1", "1",
                                   "1", "1", "1", "0", "0", "0", "0", "0"};
    for (int slot = 0; slot < 16; ++slot) {
      w.Pilot(0, slot) = MakePilot("Pilot " + IntToStr(slot), ranks[slot], "000");
    }
    w.Pilot(0, c.player_slot).RosterName = "The Player";
    w.Pilot(0, c.player_slot).RosterRank = c.player_rank;
    w.form.PlayerName = "The Player";
    PilotSort(w.form);
    EXPECT_EQ(w.Pilot(0, c.final_slot).RosterName, "The Player") << c.label;
    EXPECT_EQ(w.form.PlayerRankIndex, StrToInt(c.player_rank)) << c.label;
  }
}

TEST(PilotSort, WithOnePlaneThePlayerFliesItInEveryMode) {
  for (const int mode : {0, 1, 2}) {
    RosterWorld w;
    w.AddSquadron({.name = "Player0", .nation = "us", .planes_flight = "1"});
    PlaceRankedPilots(w, 0);
    w.form.Coop.Checked = mode == 1;
    w.form.Dogfight.Checked = mode == 2;
    w.form.PlayerName = "S16";
    PilotSort(w.form);
    EXPECT_EQ(w.Pilot(0, 0).RosterName, "S16") << "mode " << mode;
  }
}

TEST(PilotSort, OnLineTheMarkersOrderThePilots) {
  RosterWorld w;
  w.AddSquadron({.name = "Player0", .nation = "us"});
  w.AddSquadron({.name = "Coop0", .nation = "us"});
  const std::pair<const char*, const char*> pilots[] = {{"d", "2"}, {"^", "1"}, {" ", "0"},
                                                        {"^", "5"}, {" ", "6"}, {"d", "3"}};
  for (int slot = 0; slot < 16; ++slot) {
    const auto& [marker, rank] = pilots[slot % 6];
    w.Pilot(1, slot) = MakePilot("P" + IntToStr(slot), rank, "000", marker);
  }
  w.form.Dogfight.Checked = true;
  w.form.PlayerName = "Nobody";
  PilotSort(w.form);
  std::string markers;
  std::string ranks;
  for (int slot = 0; slot < 16; ++slot) {
    markers += w.Pilot(1, slot).RosterMarker;
    ranks += w.Pilot(1, slot).RosterRank;
  }
  // Computer pilots, then human pilots, then the lost, each group by rank.
  EXPECT_EQ(markers, "     ^^^^^^ddddd");
  EXPECT_EQ(ranks, "6600055511133222");
}

// The exchange pass as it reads: each exchange made on the roster as soon as it is due.
void ExchangeInPlace(RosterWorld& w, int squadron, bool coop) {
  for (int i = 0; i < 16; ++i) {
    for (int j = 0; j < 16; ++j) {
      if (j == i) continue;
      const PilotEntry& at_i = w.Pilot(squadron, i);
      const PilotEntry& at_j = w.Pilot(squadron, j);
      if (!coop && (at_j.RosterRank < at_i.RosterRank ||
                    (at_j.RosterRank == at_i.RosterRank && at_j.RosterKills < at_i.RosterKills))) {
        PilotSwap(w.form, squadron, squadron, i, j);
      }
      if (w.Pilot(squadron, j).RosterMarker > w.Pilot(squadron, i).RosterMarker) {
        PilotSwap(w.form, squadron, squadron, i, j);
      }
    }
  }
}

std::vector<std::string> AllFields(RosterWorld& w, int squadron) {
  std::vector<std::string> fields;
  for (int slot = 0; slot < 16; ++slot) {
    const PilotEntry& p = w.Pilot(squadron, slot);
    fields.push_back(p.RosterName + "|" + p.RosterRank + "|" + p.RosterKills + "|" +
                     p.RosterMarker + "|" + p.RosterPhoto + "|" + p.RosterSeat);
  }
  return fields;
}

// On-line the sort is the exchange pass alone. Many pilots of equal standing, in shuffled
// slots, must end where the exchanges one by one would leave them, every field moving with its
// pilot but the seat, which stays with the slot.
TEST(PilotSort, EqualPilotsEndWhereTheExchangesOneByOneLeaveThem) {
  const char* const ranks[] = {"1", "2", "2", "0"};
  const char* const kills[] = {"000", "001", "001"};
  const char* const markers[] = {" ", "^", "d", " ", "^"};
  for (const bool coop : {false, true}) {
    RosterWorld sorted;
    RosterWorld reference;
    for (RosterWorld* w : {&sorted, &reference}) {
      w->form.Coop.Checked = coop;
      w->form.Dogfight.Checked = !coop;
      w->form.PlayerName = "Nobody";
      for (int squadron = 0; squadron < 4; ++squadron) {
        w->AddSquadron({.name = "Sq" + IntToStr(squadron), .nation = "us"});
        for (int slot = 0; slot < 16; ++slot) {
          const int n = (slot * 7 + squadron * 5) % 16;
          PilotEntry& pilot = w->Pilot(squadron, slot);
          pilot = MakePilot("P" + IntToStr(n), ranks[(n + squadron) % 4], kills[n % 3],
                            markers[(n * 3 + squadron) % 5]);
          pilot.RosterPhoto = "DGen\\Photo" + IntToStr(n);
          pilot.RosterSeat = IntToStr(slot);
        }
      }
    }
    PilotSort(sorted.form);
    for (int squadron = 0; squadron < 4; ++squadron) {
      ExchangeInPlace(reference, squadron, coop);
      EXPECT_EQ(AllFields(sorted, squadron), AllFields(reference, squadron))
          << (coop ? "co-op" : "dogfight") << ", squadron " << squadron;
    }
  }
}

// The same on standings drawn at random: codes of any length, bytes above 127 (compared as
// unsigned), empty texts and many ties.
TEST(PilotSort, RandomStandingsEndWhereTheExchangesOneByOneLeaveThem) {
  const char* const ranks[] = {"0", "1", "2", "6", "10", "", " ", "x", "\xE9"};
  const char* const kills[] = {"000", "001", "010", "999", "7", "", "\xFF", "0a"};
  const char* const markers[] = {" ", "^", "d", "", "^^", "\x80", "D"};
  std::mt19937 random(77);
  const auto draw = [&random](const auto& choices) {
    return std::string(choices[random() % std::size(choices)]);
  };
  for (int round = 0; round < 40; ++round) {
    const bool coop = round % 2 == 0;
    RosterWorld sorted;
    RosterWorld reference;
    std::vector<PilotEntry> pilots;
    for (int n = 0; n < 3 * 16; ++n) {
      // Few distinct values in some rounds, so that ties are common.
      const int spread = round % 4 == 0 ? 2 : 100;
      PilotEntry pilot = MakePilot("P" + IntToStr(n), draw(ranks), draw(kills), draw(markers));
      if (n % spread != 0 && n > 0) {
        pilot.RosterRank = pilots.back().RosterRank;
        pilot.RosterKills = pilots.back().RosterKills;
      }
      pilot.RosterSeat = IntToStr(n % 16);
      pilots.push_back(pilot);
    }
    for (RosterWorld* w : {&sorted, &reference}) {
      w->form.Coop.Checked = coop;
      w->form.Dogfight.Checked = !coop;
      w->form.PlayerName = "Nobody";
      for (int squadron = 0; squadron < 3; ++squadron) {
        w->AddSquadron({.name = "Sq" + IntToStr(squadron), .nation = "us"});
        for (int slot = 0; slot < 16; ++slot)
          w->Pilot(squadron, slot) = pilots[squadron * 16 + slot];
      }
    }
    PilotSort(sorted.form);
    for (int squadron = 0; squadron < 3; ++squadron) {
      ExchangeInPlace(reference, squadron, coop);
      // By the names alone: the save that ends the sort repairs the codes it finds broken.
      EXPECT_EQ(Order(sorted, squadron), Order(reference, squadron))
          << "round " << round << ", squadron " << squadron;
    }
  }
}

// In every mode and whatever order the sort makes, each pilot's fields move together and every
// slot keeps its seat.
TEST(PilotSort, EveryPilotMovesWholeAndTheSeatsStay) {
  std::mt19937 random(4242);
  for (int round = 0; round < 24; ++round) {
    RosterWorld w;
    w.form.Coop.Checked = round % 3 == 1;
    w.form.Dogfight.Checked = round % 3 == 2;
    for (int squadron = 0; squadron < 3; ++squadron) {
      w.AddSquadron({.name = "Sq" + IntToStr(squadron), .nation = "us", .role = "2"});
      for (int slot = 0; slot < 16; ++slot) {
        const std::string n = ZeroPad(squadron * 16 + slot, 3);
        PilotEntry& pilot = w.Pilot(squadron, slot);
        pilot =
            MakePilot("P" + n, IntToStr(static_cast<int>(random() % 7)),
                      ZeroPad(static_cast<int>(random() % 4), 3), random() % 4 == 0 ? "^" : " ");
        pilot.RosterSorties = n;
        pilot.RosterGroundKills = n;
        pilot.RosterMedalCount = IntToStr(static_cast<int>(random() % 9));
        pilot.RosterPhoto = "Photo" + n;
        pilot.RosterBirthDate = "1" + n;
        pilot.RosterHomeTown = "Town" + n;
        pilot.RosterSkin = "1Skin" + n + ".bmp";
        pilot.RosterNoseArt = "Art" + n + ".bmp";
        pilot.RosterSeat = "Seat" + IntToStr(slot);
      }
    }
    w.form.PlayerName = w.Pilot(0, static_cast<int>(random() % 16)).RosterName;
    PilotSort(w.form);
    for (int squadron = 0; squadron < 3; ++squadron) {
      for (int slot = 0; slot < 16; ++slot) {
        const PilotEntry& p = w.Pilot(squadron, slot);
        const std::string n = p.RosterName.substr(1);
        EXPECT_EQ(
            p.RosterSorties + p.RosterGroundKills + p.RosterPhoto + p.RosterBirthDate +
                p.RosterHomeTown + p.RosterSkin + p.RosterNoseArt,
            n + n + "Photo" + n + "1" + n + "Town" + n + "1Skin" + n + ".bmp" + "Art" + n + ".bmp")
            << "round " << round << ", squadron " << squadron << " slot " << slot;
        EXPECT_EQ(p.RosterSeat, "Seat" + IntToStr(slot)) << "round " << round;
      }
    }
  }
}

TEST(PilotSwap, ExchangesEveryFieldButTheSeat) {
  RosterWorld w;
  w.AddSquadron({.name = "A0", .nation = "us"});
  w.AddSquadron({.name = "B0", .nation = "us"});
  w.Pilot(0, 2) = PilotEntry{"Joe Smith",    "3",    "2",     "011",    "001",  "045", "^",
                             "DGen\\US\\01", "1919", "Omaha", "1a.bmp", "None", "1"};
  w.Pilot(1, 7) = PilotEntry{"Bill Jones",  "1",    "0",     "000",    "000",   "002", " ",
                             "DGen\\Photo", "1923", "Tulsa", "1b.bmp", "x.bmp", "0"};
  PilotSwap(w.form, 0, 1, 2, 7);
  EXPECT_EQ(w.Pilot(0, 2).RosterName, "Bill Jones");
  EXPECT_EQ(w.Pilot(0, 2).RosterSkin, "1b.bmp");
  EXPECT_EQ(w.Pilot(0, 2).RosterNoseArt, "x.bmp");
  EXPECT_EQ(w.Pilot(0, 2).RosterSeat, "1");
  EXPECT_EQ(w.Pilot(1, 7).RosterName, "Joe Smith");
  EXPECT_EQ(w.Pilot(1, 7).RosterMarker, "^");
  EXPECT_EQ(w.Pilot(1, 7).RosterHomeTown, "Omaha");
  EXPECT_EQ(w.Pilot(1, 7).RosterSeat, "0");
  PilotSwap(w.form, 1, 1, 7, 7);
  EXPECT_EQ(w.Pilot(1, 7).RosterName, "Joe Smith");
}

}  // namespace
