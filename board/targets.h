// The winning sums of row and quad detection.
#pragma once

#include <array>
#include <cstdint>

namespace kaldora {

// For a window of n squares: for each colour weight w from red down to magenta, (n - k) * w + k
// with k jokers among them, k = 0..n-1; last, n jokers. A sum of weights is one of these exactly
// when the window holds no weightless square and one colour besides its jokers.
template <int n>
constexpr std::array<std::int32_t, 7 * n + 1> WinningSums() {
  std::array<std::int32_t, 7 * n + 1> sums{};
  std::size_t i = 0;
  for (std::int32_t w = 10000000; w >= 10; w /= 10) {
    for (std::int32_t k = 0; k < n; ++k)
      sums[i++] = (n - k) * w + k;
  }
  sums[i] = n;
  return sums;
}

// The table of winning sums as a set that answers with one probe instead of a scan: each sum
// lands in a slot of its own, its remainder modulo the smallest modulus that keeps them all
// apart, and an empty slot holds -1, which no sum of weights can be.
template <int n>
class WinningSumSet {
 public:
  static constexpr auto kSums = WinningSums<n>();

  static bool Contains(std::int32_t sum) {
    return kSlots[static_cast<std::uint32_t>(sum) % kModulus] == sum;
  }

 private:
  static constexpr std::uint32_t FindModulus() {
    for (std::uint32_t m = kSums.size();; ++m) {
      bool apart = true;
      for (std::size_t i = 0; i < kSums.size() && apart; ++i) {
        for (std::size_t j = 0; j < i && apart; ++j)
          apart =
              static_cast<std::uint32_t>(kSums[i]) % m != static_cast<std::uint32_t>(kSums[j]) % m;
      }
      if (apart)
        return m;
    }
  }

  static constexpr std::uint32_t kModulus = FindModulus();

  static constexpr std::array<std::int32_t, kModulus> MakeSlots() {
    std::array<std::int32_t, kModulus> slots{};
    for (auto& slot : slots)
      slot = -1;
    for (std::int32_t sum : kSums)
      slots[static_cast<std::uint32_t>(sum) % kModulus] = sum;
    return slots;
  }

  static constexpr std::array<std::int32_t, kModulus> kSlots = MakeSlots();
};

}  // namespace kaldora
