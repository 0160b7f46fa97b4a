#pragma once

#include <cstdint>
#include <vector>

// The single source of chance for the whole run. Each draw steps a 32-bit congruential
// sequence (multiplier 134775813, increment 1) and scales the new state into 0..n-1 by taking
// the upper half of the 64-bit product. Because every decision of the campaign pulls from this
// one sequence, replaying a seed replays the campaign, provided the callers keep their order.
class RandomGenerator {
 public:
  static constexpr std::uint32_t kMultiplier = 134775813u;
  static constexpr std::uint32_t kIncrement = 1u;

  void SetSeed(std::uint32_t seed) { seed_ = seed; }
  std::uint32_t Seed() const { return seed_; }

  // Advances the seed, then answers a number in 0..n-1; n of 0 or 1 (or less) answers 0.
  int Random(int n) {
    seed_ = seed_ * kMultiplier + kIncrement;
    return Scale(seed_, n);
  }
  // Advances the seed as `draws` draws would, answering none, in a few steps however many.
  void Skip(std::uint64_t draws);

  // The number a draw of n answers once the seed has become `seed`.
  static int Scale(std::uint32_t seed, int n) {
    if (n <= 1) return 0;
    return static_cast<int>((static_cast<std::uint64_t>(n) * seed) >> 32);
  }

 private:
  std::uint32_t seed_ = 0;
};

// The seeds the generator reaches after 0..most draws from any seed, each found in one step:
// a caller that needs only a few of many coming draws reads those without making the others.
class SeedsAhead {
 public:
  explicit SeedsAhead(int most);

  int Most() const { return static_cast<int>(multipliers_.size()) - 1; }
  // The seed after `draws` draws (0..Most()) from `seed`.
  std::uint32_t After(std::uint32_t seed, int draws) const {
    const auto at = static_cast<std::size_t>(draws);
    return seed * multipliers_[at] + increments_[at];
  }

 private:
  std::vector<std::uint32_t> multipliers_;
  std::vector<std::uint32_t> increments_;
};
