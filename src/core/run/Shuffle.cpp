#include "core/run/Shuffle.h"

#include <utility>

TShuffle::TShuffle(std::uint64_t seed) : State(seed) {}

// splitmix64: small, fully specified, and good enough for shuffling.
std::uint64_t TShuffle::Next() {
  std::uint64_t z = (State += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint32_t TShuffle::Below(std::uint32_t bound) {
  // Rejection keeps the draw uniform: values in the last, partial run of
  // bound are drawn again.
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
  std::uint64_t value;
  do value = Next();
  while (value >= limit);
  return static_cast<std::uint32_t>(value % bound);
}

std::vector<int> TShuffle::Permutation(int count) {
  std::vector<int> order(count < 0 ? 0 : count);
  for (int i = 0; i < count; ++i) order[i] = i;
  for (int i = count - 1; i > 0; --i) std::swap(order[i], order[Below(static_cast<std::uint32_t>(i) + 1)]);
  return order;
}
