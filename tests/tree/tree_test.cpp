// The recursive tree: where it grows from, how it branches, and that a seed draws it again.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

int Count(const std::vector<std::string>& calls, const std::string& call) {
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

TEST(Tree, GrowsUpFromTheBottomCentreBranchingTwoToFourTimesPerLevel) {
  for (std::uint64_t seed : {1u, 2u, 3u, 1000u}) {
    SCOPED_TRACE(seed);
    TestGame g(seed);
    std::vector<std::string> when_events_ran;
    g.events.waiting = [&] { when_events_ran = g.canvas.calls; };
    g.game.NeuerBaum();
    const std::vector<std::string>& calls = g.canvas.calls;

    EXPECT_EQ(when_events_ran, std::vector<std::string>{"cls"});
    EXPECT_EQ(g.events.runs, 1);
    const TreeDrawing& tree = g.game.tree();
    EXPECT_EQ(tree.StartX, 76);
    EXPECT_EQ(tree.StartY, 147);
    EXPECT_EQ(tree.StartLength, 43);  // (152 - 10) / 3.288..., halves to even
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[1], "width 4");
    EXPECT_EQ(calls[2], "line 76,147 76,142");  // straight up, five units a step

    // Levels 5 to 2 set widths 4 to 1, each level two to four times as often as the one above;
    // the last level sets none and draws with width 1.
    const int trunks = Count(calls, "width 4");
    const int level4 = Count(calls, "width 3");
    const int level3 = Count(calls, "width 2");
    const int level2 = Count(calls, "width 1");
    EXPECT_EQ(trunks, 1);
    EXPECT_TRUE(level4 >= 2 && level4 <= 4) << level4;
    EXPECT_TRUE(level3 >= 2 * level4 && level3 <= 4 * level4) << level3;
    EXPECT_TRUE(level2 >= 2 * level3 && level2 <= 4 * level3) << level2;
    EXPECT_LE(trunks + level4 + level3 + level2 * 5, 341);
    std::vector<std::string> widths;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(widths),
                 [](const std::string& c) { return c.starts_with("width"); });
    EXPECT_EQ(widths.back(), "width 1");
    EXPECT_EQ(Count(widths, "width 0"), 0);
  }
}

TEST(Tree, TheSameClockDrawsTheSameTreeAndAnotherClockAnother) {
  TestGame a(5), b(5), c(6);
  for (TestGame* g : {&a, &b, &c})
    g->game.NeuerBaum();
  EXPECT_EQ(a.canvas.calls, b.canvas.calls);
  EXPECT_NE(a.canvas.calls, c.canvas.calls);
}

// A row's tree lets the waiting tick run: it sees the row already gone and the old score.
TEST(Tree, ATickDueWhileARowsTreeGrowsRunsBeforeThePointsAreAdded) {
  TestGame g;
  SetBoard(g.game.board(), {"RRRRR....", ".........", ".........", ".........", "....*....",
                            ".........", ".........", ".........", "........."});
  std::string score_at_tick;
  g.events.waiting = [&] {
    score_at_tick = g.window.score;
    g.game.tmrTimer_Timer();
  };
  g.game.Zeilen();
  EXPECT_EQ(score_at_tick, "0");
  EXPECT_EQ(g.game.board()[40].Tag, "0");
  EXPECT_EQ(g.window.score, "4");
  // The row is told after the tree, with its points added.
  EXPECT_EQ(g.report.lines, (std::vector<std::string>{"emptied 40", "row R 0J 0 1 2 3 4 +4 =4"}));
}

}  // namespace
}  // namespace kaldora::testing
