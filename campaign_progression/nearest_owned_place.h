#pragma once

#include <vector>

// Places on the map in whole metres, each switched on or off, answering which switched-on place
// lies nearest to a point. Distance is the square root of dx² + dy² cut to whole metres; of
// equally distant places the one with the lowest index wins, so the answer is the one a walk
// over every place in index order keeping the first strictly nearer one gives. A k-d tree with
// a count of switched-on places per subtree answers in about log n.
class NearestOwnedPlace {
 public:
  // Places are added before Build; `index` identifies a place (its location index).
  void Add(long long x, long long y, int index, bool on);
  void Build();
  // No places: Add and Build start over.
  void Clear();
  // Switches every place on or off by is_on(index), a call per place.
  template <typename IsOn>
  void SwitchAll(IsOn is_on) {
    for (Place& place : places_) place.on = is_on(place.index);
    CountOn(0, static_cast<int>(places_.size()));
  }
  // Switches a place added under `index` on or off; other indexes are ignored.
  void Switch(int index, bool on);
  // The index of the nearest switched-on place, -1 when none is on.
  int Nearest(long long x, long long y) const;

  // Whole metres from (x1, y1) to (x2, y2), as the rule above measures.
  static long long Distance(long long x1, long long y1, long long x2, long long y2);

 private:
  struct Place {
    long long x;
    long long y;
    int index;
    bool on;
  };
  struct Best {
    long long distance;
    int index;
  };

  void BuildRange(int begin, int end, int depth);
  int CountOn(int begin, int end);
  void Search(int begin, int end, int depth, long long x, long long y, Best& best) const;

  std::vector<Place> places_;
  std::vector<int> on_below_;     // per subtree, kept at the position of its middle place
  std::vector<int> position_of_;  // location index -> position in places_, -1 when absent
};
