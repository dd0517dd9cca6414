// The winning sums of row and quad detection.
#pragma once

#include <algorithm>
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

template <std::size_t size>
bool IsWinningSum(const std::array<std::int32_t, size>& sums, std::int32_t sum) {
  return std::find(sums.begin(), sums.end(), sum) != sums.end();
}

}  // namespace kaldora
