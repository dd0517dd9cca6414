// Weights: each colour counts in a decimal digit of its own, so sums of five never carry.
#include <gtest/gtest.h>

#include "board/board.h"

namespace kaldora {
namespace {

TEST(Weight, SumsOfFiveSquaresCountEachColourSeparately) {
  const std::tuple<const char*, std::array<std::string_view, 5>, std::int32_t> kCases[] = {
      {"five red", {"10000000", "10000000", "10000000", "10000000", "10000000"}, 50000000},
      {"four red and a joker", {"10000000", "10000000", "1", "10000000", "10000000"}, 40000001},
      {"five jokers", {"1", "1", "1", "1", "1"}, 5},
      {"two blue, two green and a free square", {"100", "10000", "0", "100", "10000"}, 20200},
      {"blackstones and marks weigh nothing", {"voll", "peng", "0", "peng", "voll"}, 0},
  };
  for (const auto& [name, codes, sum] : kCases) {
    std::int32_t total = 0;
    for (std::string_view code : codes)
      total += Weight(code);
    EXPECT_EQ(total, sum) << name;
  }
}

}  // namespace
}  // namespace kaldora
