// The winning sums' one-probe set says yes exactly where a scan of the table would.
#include <gtest/gtest.h>

#include <algorithm>

#include "board/targets.h"

namespace kaldora {
namespace {

// Every sum that n squares can weigh: each square weighs 0, 1 or a power of ten up to 10^7.
template <int n>
void ExpectSetAgreesWithTheTableOnEveryReachableSum() {
  using Set = WinningSumSet<n>;
  const auto& table = Set::kSums;
  constexpr std::array<std::int32_t, 9> kWeights{0,     1,      10,      100,     1000,
                                                 10000, 100000, 1000000, 10000000};
  int wins = 0;
  // The weights taken in non-decreasing order of their place in kWeights: each multiset once.
  const auto walk = [&](auto&& self, int left, std::size_t from, std::int32_t sum) -> void {
    if (left == 0) {
      const bool in_table = std::find(table.begin(), table.end(), sum) != table.end();
      ASSERT_EQ(Set::Contains(sum), in_table) << n << " squares weighing " << sum;
      wins += in_table ? 1 : 0;
      return;
    }
    for (std::size_t i = from; i < kWeights.size(); ++i)
      self(self, left - 1, i, sum + kWeights[i]);
  };
  walk(walk, n, 0, 0);
  EXPECT_EQ(wins, static_cast<int>(table.size()));
}

TEST(WinningSumSet, AgreesWithTheTableOfRowsOnEverySumOfFive) {
  ExpectSetAgreesWithTheTableOnEveryReachableSum<5>();
}

TEST(WinningSumSet, AgreesWithTheTableOfQuadsOnEverySumOfNine) {
  ExpectSetAgreesWithTheTableOnEveryReachableSum<9>();
}

}  // namespace
}  // namespace kaldora
