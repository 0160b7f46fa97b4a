#pragma once

#include <cstdint>

// The single source of chance for the whole run. Each draw steps a 32-bit congruential
// sequence (multiplier 134775813, increment 1) and scales the new state into 0..n-1 by taking
// the upper half of the 64-bit product. Because every decision of the campaign pulls from this
// one sequence, replaying a seed replays the campaign, provided the callers keep their order.
class RandomGenerator {
 public:
  void SetSeed(std::uint32_t seed) { seed_ = seed; }
  std::uint32_t Seed() const { return seed_; }

  // Advances the seed, then answers a number in 0..n-1; n of 0 or 1 (or less) answers 0.
  int Random(int n);
  // Advances the seed as `draws` draws would, answering none, in a few steps however many.
  void Skip(std::uint64_t draws);

 private:
  std::uint32_t seed_ = 0;
};
