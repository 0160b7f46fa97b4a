// The order of the pilots in their squadrons: PilotSort, PilotSortThenSave and PilotSwap of
// pilot_roster.h.

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "mission_results/pilot_roster.h"
#include "mission_results/roster_save.h"

namespace {

PilotEntry& Pilot(TMainForm& form, int squadron, int slot) {
  return form.PilotRoster[RosterIndex(squadron, slot)];
}

// What PilotSwap exchanges: everything of a pilot but the seat of his slot.
constexpr std::array<std::string PilotEntry::*, 12> kPilotFields{
    &PilotEntry::RosterName,       &PilotEntry::RosterMarker,      &PilotEntry::RosterKills,
    &PilotEntry::RosterSorties,    &PilotEntry::RosterGroundKills, &PilotEntry::RosterRank,
    &PilotEntry::RosterMedalCount, &PilotEntry::RosterPhoto,       &PilotEntry::RosterNoseArt,
    &PilotEntry::RosterBirthDate,  &PilotEntry::RosterHomeTown,    &PilotEntry::RosterSkin};

using SlotOrder = std::array<int, 16>;

SlotOrder UnchangedOrder() {
  SlotOrder order;
  std::iota(order.begin(), order.end(), 0);
  return order;
}

// Slot k of the squadron takes the pilot of slot order[k]. Along each cycle of the order the
// first pilot steps out, every slot takes its pilot and the last slot the one who stepped out:
// each field moves once per slot, where exchanges would move it three times.
void PutInOrder(TMainForm& form, int squadron, const SlotOrder& order) {
  if (order == UnchangedOrder()) return;
  std::array<bool, 16> placed{};
  for (int start = 0; start < 16; ++start) {
    if (placed[start] || order[start] == start) continue;
    std::array<std::string, kPilotFields.size()> stepped_out;
    PilotEntry& first = Pilot(form, squadron, start);
    for (size_t k = 0; k < kPilotFields.size(); ++k) {
      stepped_out[k] = std::move(first.*kPilotFields[k]);
    }
    int slot = start;
    placed[start] = true;
    for (; order[slot] != start; slot = order[slot]) {
      PilotEntry& to = Pilot(form, squadron, slot);
      PilotEntry& from = Pilot(form, squadron, order[slot]);
      for (std::string PilotEntry::*field : kPilotFields) to.*field = std::move(from.*field);
      placed[order[slot]] = true;
    }
    PilotEntry& last = Pilot(form, squadron, slot);
    for (size_t k = 0; k < kPilotFields.size(); ++k) {
      last.*kPilotFields[k] = std::move(stepped_out[k]);
    }
  }
}

// The byte-wise comparison of std::string (-1, 0 or 1), without a library call for the
// one- to three-character codes and counters it mostly sees.
int CompareText(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t k = 0; k < common; ++k) {
    const auto x = static_cast<unsigned char>(a[k]);
    const auto y = static_cast<unsigned char>(b[k]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Each slot's place among the squadron's distinct values of `less`: slots of equal value share
// one, and a value that sorts first has a lower one. The exchange pass then compares numbers.
template <typename Less>
std::array<int, 16> DenseOrder(Less less) {
  SlotOrder sorted = UnchangedOrder();
  std::sort(sorted.begin(), sorted.end(), less);
  std::array<int, 16> place{};
  int value = 0;
  for (int k = 1; k < 16; ++k) {
    if (less(sorted[k - 1], sorted[k])) ++value;
    place[sorted[k]] = value;
  }
  return place;
}

// The exchange pass: for every slot i, every other slot j that ranks below it (rank code, then
// victories, compared as text) changes places with it; on-line, markers order the pilots
// (computer " " before human "^" before lost "d"). Several pilots of equal standing end in the
// order these exchanges leave them, which the game's flights rely on, so no library sort. The
// exchanges are made on the order of the slots; no pilot moves yet.
SlotOrder ExchangeOrder(const TMainForm& form, int squadron) {
  const bool coop = form.Coop.Checked;
  const bool online = coop || form.Dogfight.Checked;
  struct Standing {
    std::string_view rank;
    std::string_view kills;
    std::string_view marker;
  };
  std::array<Standing, 16> standing;
  for (int slot = 0; slot < 16; ++slot) {
    const PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];
    standing[slot] = {pilot.RosterRank, pilot.RosterKills, pilot.RosterMarker};
  }
  const std::array<int, 16> seniority = DenseOrder([&standing](int a, int b) {
    const int rank = CompareText(standing[a].rank, standing[b].rank);
    return rank < 0 || (rank == 0 && CompareText(standing[a].kills, standing[b].kills) < 0);
  });
  const std::array<int, 16> marker = online ? DenseOrder([&standing](int a, int b) {
    return CompareText(standing[a].marker, standing[b].marker) < 0;
  })
                                            : std::array<int, 16>{};
  SlotOrder order = UnchangedOrder();
  for (int i = 0; i < 16; ++i) {
    for (int j = 0; j < 16; ++j) {
      if (j == i) continue;
      if (!coop && seniority[order[j]] < seniority[order[i]]) std::swap(order[i], order[j]);
      if (online && marker[order[j]] > marker[order[i]]) std::swap(order[i], order[j]);
    }
  }
  return order;
}

// From the order of seniority to the flights: each flight is led by one of the four most
// senior pilots, with the next ones as their wingmen.
void FormFlights(const TMainForm& form, int squadron, SlotOrder& order) {
  constexpr std::array<std::pair<int, int>, 9> kExchanges{
      {{1, 4}, {2, 8}, {3, 12}, {7, 9}, {6, 5}, {14, 15}, {5, 10}, {9, 14}, {1, 2}}};
  constexpr std::array<std::pair<int, int>, 4> kThreePlaneExchanges{
      {{2, 3}, {6, 7}, {10, 11}, {14, 15}}};
  for (const auto& [a, b] : kExchanges) std::swap(order[a], order[b]);
  if (form.SquadronTable[squadron].PlanesExtra != 3) return;
  for (const auto& [a, b] : kThreePlaneExchanges) std::swap(order[a], order[b]);
}

// The last slot of squadron 0 that holds the player's name; -1 when none does.
int PlayerSlot(TMainForm& form) {
  int found = -1;
  for (int slot = 0; slot < 16; ++slot) {
    if (Pilot(form, 0, slot).RosterName == form.PlayerName) found = slot;
  }
  return found;
}

bool MessageIs(const TMainForm& form, const std::string& text, int briefs_line) {
  const std::string& brief = form.Messages.Text(MessageSection::kBriefs, briefs_line);
  return !brief.empty() && text == brief;
}

// The last slot of squadron 0 that flies in the coming mission, by its flights and planes.
int LastFlyingSlot(TMainForm& form, int player_slot) {
  const SquadronEntry& unit = form.SquadronTable[0];
  const int extra = unit.PlanesExtra;
  const std::string& flight = unit.PlanesFlight;
  int last = 4 * form.FlightsPerSquadron - 5 + extra;
  if ((MessageIs(form, unit.SquadronMissionType, 12) ||
       MessageIs(form, unit.SquadronMissionType, 23)) &&
      last > 3) {
    last = 3;
  }
  if (last > StrToIntDef(Trim(flight), 0) - 1) last = extra - 1;
  const int p = player_slot;
  if (extra == 3 && (p == 3 || p == 7 || p > 10)) last = 2;
  if (extra == 2 && p > 1) last = 1;
  if (extra == 1 && p > 1) last = 0;
  if (flight == "3" && p > 1) last = 2;
  if (flight == "2" && p > 1) last = 1;
  if (flight == "1" && p > 0) last = 0;
  if (unit.SquadronTaskCode == "3" && p > 1 && unit.SquadronRole != "1") last = 0;
  if (Contains(unit.SquadronClass, "FW_190A8MSTL")) last = 0;
  return last;
}

// Off-line the player moves up into a slot that flies, in place of the first pilot there who
// does not outrank him.
int PlacePlayer(TMainForm& form, int player_slot) {
  const int last = LastFlyingSlot(form, player_slot);
  // Without a flight size (squadron management) no slot is known to fly: he stays.
  if (last < 0 || last >= player_slot) return player_slot;
  const std::string& rank = Pilot(form, 0, player_slot).RosterRank;
  int target = last;
  for (int slot = 0; slot <= last; ++slot) {
    if (Pilot(form, 0, slot).RosterRank <= rank) {
      target = slot;
      break;
    }
  }
  PilotSwap(form, 0, 0, target, player_slot);
  return target;
}

// Flights smaller than four planes: the player takes a slot of the first flight that flies.
void FitPlayerToFlightSize(TMainForm& form, int player_slot) {
  const SquadronEntry& unit = form.SquadronTable[0];
  int p = player_slot;
  const auto exchange = [&](int slot) {
    PilotSwap(form, 0, 0, p, slot);
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

// The player's rank code as a number, while squadron 0 holds him.
std::optional<int> PlayerRank(TMainForm& form) {
  const int player_slot = PlayerSlot(form);
  if (player_slot < 0) return std::nullopt;
  return StrToIntDef(Trim(Pilot(form, 0, player_slot).RosterRank), 0);
}

}  // namespace

void PilotSwap(TMainForm& form, int squadron1, int squadron2, int slot1, int slot2) {
  if (squadron1 == squadron2 && slot1 == slot2) return;
  PilotEntry& a = Pilot(form, squadron1, slot1);
  PilotEntry& b = Pilot(form, squadron2, slot2);
  for (std::string PilotEntry::*field : kPilotFields) std::swap(a.*field, b.*field);
}

namespace {

// Every squadron put in order and added to `save`, which is left unwritten.
void SortInto(TMainForm& form, RosterSave& save) {
  // Each squadron is saved right after it is put in order, while its pilots are at hand. The
  // sorting draws nothing at random and reads no other squadron, and the repairs of the save
  // change only their own squadron, so the files and draws are those of a save made after all
  // the sorting. Squadron 0 takes the player into his slot before it is saved; the rank code
  // he had before that is the one the squadrons after it leave as the player's rank.
  const bool online = form.Coop.Checked || form.Dogfight.Checked;
  const int first = form.SquadronManagement.Checked ? 1 : 0;
  std::optional<int> sorted_player_rank;
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    if (squadron >= first) {
      if (form.SquadronTable[squadron].PlanesExtra < 1) FlightSizeCheck(form, squadron);
      SlotOrder order = ExchangeOrder(form, squadron);
      // The player's slot is read from squadron 0 as the exchanges left it.
      if (squadron == 0) {
        PutInOrder(form, squadron, order);
        order = UnchangedOrder();
      }
      const std::optional<int> player_rank = squadron == 0 ? PlayerRank(form) : sorted_player_rank;
      if (player_rank) form.PlayerRankIndex = *player_rank;
      if (!online) FormFlights(form, squadron, order);
      PutInOrder(form, squadron, order);
    }
    if (squadron == 0) {
      sorted_player_rank = PlayerRank(form);
      if (int player_slot = PlayerSlot(form); player_slot >= 0) {
        if (!online) player_slot = PlacePlayer(form, player_slot);
        FitPlayerToFlightSize(form, player_slot);
      }
    }
    save.AddSquadron(form, squadron);
  }
}

// A slot of a named squadron that holds no pilot: a repair would draw one for it.
bool AnySlotWithoutName(const TMainForm& form) {
  for (int squadron = 0; squadron <= form.LastSquadron; ++squadron) {
    if (form.SquadronTable[squadron].SquadronName.empty()) continue;
    for (int slot = 0; slot < 16; ++slot) {
      if (form.PilotRoster[RosterIndex(squadron, slot)].RosterName.empty()) return true;
    }
  }
  return false;
}

}  // namespace

void PilotSort(TMainForm& form, RosterFiles files) {
  RosterSave save(form, files);
  SortInto(form, save);
  save.Write(form, 0);
}

void PilotSortThenSave(TMainForm& form) {
  // The save right after the sort writes the same files over the sort's, and nothing reads them
  // in between. It finds every slot as the sort's repairs left it, so its own repairs change
  // nothing and draw nothing, unless a slot is still without a name: only then is it made.
  RosterSave sorted(form);
  SortInto(form, sorted);
  if (sorted.HoldsPilots() && !AnySlotWithoutName(form)) {
    sorted.Write(form, 0);
    return;
  }
  if (!sorted.HoldsPilots()) sorted.Write(form, 0);  // only tells that nothing was saved
  SavePilot(form, 0);
}
