#pragma once

#include <cstdint>
#include <vector>

// A permutation drawn from a seed, the same on every machine and every build:
// the engine's random order and the paper test's versions both come from
// here, so a seed written on a paper test makes the same versions again.
// (std::shuffle is not used because its steps differ between libraries.)
class TShuffle {
public:
  explicit TShuffle(std::uint64_t seed);

  // A uniformly drawn number in 0..bound-1; bound must be above 0.
  std::uint32_t Below(std::uint32_t bound);

  // 0..count-1 in an order drawn from the generator (Fisher-Yates).
  std::vector<int> Permutation(int count);

private:
  std::uint64_t Next();
  std::uint64_t State;
};
