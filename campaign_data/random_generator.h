#pragma once

#include <cstdint>

// The process's one random generator: a linear congruential generator,
// seed := seed * 134775813 + 1 (mod 2^32); a draw in 0..n-1 is the high 32 bits of n * seed.
// One seed gives one campaign history, so draws must be made in the program's fixed order.
class RandomGenerator {
 public:
  void SetSeed(std::uint32_t seed) { seed_ = seed; }
  std::uint32_t Seed() const { return seed_; }

  // Advances the seed, then answers a number in 0..n-1; n of 0 or 1 (or less) answers 0.
  int Random(int n);

 private:
  std::uint32_t seed_ = 0;
};
