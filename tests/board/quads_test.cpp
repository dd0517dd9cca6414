// Quads of three by three: which blocks count, in which half, and what a quad brings.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

TEST(Quads, EachHalfDissolvesItsFirstCompleteBlock) {
  using Rows = std::array<std::string, 9>;
  // Lowercase squares are expected to dissolve; the upper half runs first, then the lower.
  const std::tuple<const char*, Rows, bool, bool> kCases[] = {
      {"upper left corner", {"rrr", "rrr", "rrr", "", "", "", "", "", ""}, true, false},
      {"lower right corner",
       {"", "", "", "", "", "", "......ggg", "......ggg", "......ggg"},
       false,
       true},
      {"eight and a joker", {"", ".bbb", ".bjb", ".bbb", "", "", "", "", ""}, true, false},
      {"nine jokers", {"", "", "", "", "jjj", "jjj", "jjj", "", ""}, false, true},
      {"three by four: the left block",
       {"cccC", "cccC", "cccC", "", "", "", "", "", ""},
       true,
       false},
      {"four by three in rows 3 to 6: the upper block",
       {"", "", "", "mmm", "mmm", "mmm", "MMM", "", ""},
       true,
       false},
      {"four by three in rows 4 to 7: the lower block",
       {"", "", "", "", "yyy", "yyy", "yyy", "YYY", ""},
       false,
       true},
      {"a stranger", {"RRR", "ROR", "RRR", "", "", "", "", "", ""}, false, false},
      {"a free square", {"", "", "", "", "GGG", "G.G", "GGG", "", ""}, false, false},
      {"a blackstone", {"BBB", "BBB", "BBX", "", "", "", "", "", ""}, false, false},
      {"a marked square", {"", "", "", "", "", "", "*CC", "CCC", "CCC"}, false, false},
      {"rows 7 and 8 start no block", {"", "", "", "", "", "", "", "RRR", "RRR"}, false, false},
  };
  for (const auto& [name, text, upper, lower] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    BoardText before;
    Rows padded, after;
    for (std::size_t r = 0; r < 9; ++r) {
      for (char c : (text[r] + ".........").substr(0, 9)) {
        const bool dissolves = c >= 'a' && c <= 'z';
        padded[r] += dissolves ? static_cast<char>(c - 'a' + 'A') : c;
        after[r] += dissolves ? '.' : c;
      }
      before[r] = padded[r];
    }
    SetBoard(g.game.board(), before);
    g.game.QuadrateOben();
    const int first_colour = g.game.FarbIndex;
    g.game.QuadrateUnten();
    EXPECT_EQ(g.game.state().QuadrateObenGefunden, upper);
    EXPECT_EQ(g.game.state().QuadrateUntenGefunden, lower);
    EXPECT_EQ(g.window.score, std::to_string(17 * (upper + lower)));
    // Each quad sets off a colour dissolution, which marks the squares left of the drawn colour.
    for (int colour : {upper ? first_colour : -1, lower ? int{g.game.FarbIndex} : -1}) {
      if (colour < 0)
        continue;
      for (std::string& row : after)
        std::replace(row.begin(), row.end(), kPictureLetters[colour], '*');
    }
    EXPECT_EQ(ShowBoard(g.game.board()), after);
  }
}

// Both halves run in one search; the upper quad's colour dissolution comes first and can mark
// the lower quad, which then no longer counts.
TEST(Quads, AQuadInEachHalfBothDissolveUnlessTheFirstDissolutionMarksTheSecond) {
  int marked = 0;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    TestGame g(seed);
    SetBoard(g.game.board(), {"RRR......", "RRR......", "RRR......", ".........", ".........",
                              ".........", "....OOO..", "....OOO..", "....OOO.."});
    g.game.QuadrateOben();
    const bool orange_drawn = g.game.FarbIndex == 1;
    g.game.QuadrateUnten();
    marked += orange_drawn ? 1 : 0;
    EXPECT_EQ(g.game.state().QuadrateUntenGefunden, !orange_drawn);
    EXPECT_EQ(CountCode(g.game.board(), code::kMarked), orange_drawn ? 9 : 0);
    EXPECT_EQ(g.window.score, orange_drawn ? "17" : "34");
  }
  EXPECT_GT(marked, 0);
}

TEST(Quads, AQuadFreezesTheBoardWhileTheTreeGrowsThenScoresAndDissolvesAColour) {
  TestGame g;
  // A quad with a joker, and one square of each colour left for the dissolution to mark.
  SetBoard(g.game.board(), {"RRR......", "RJR......", "RRR......", ".........", ".........",
                            ".........", ".........", ".........", "ROYGCBMJ."});
  bool frozen = false;
  std::string score_meanwhile;
  std::vector<std::string> told_meanwhile;
  g.events.waiting = [&] {
    frozen = true;
    for (int n = 0; n < kSquares; ++n)
      frozen = frozen && !g.game.board()[n].Enabled;
    score_meanwhile = g.window.score;
    told_meanwhile = g.report.lines;
  };
  g.game.QuadrateOben();
  EXPECT_TRUE(frozen);
  EXPECT_EQ(score_meanwhile, "0");
  EXPECT_EQ(told_meanwhile, std::vector<std::string>{"board disabled"});
  EXPECT_EQ(g.sound.calls, std::vector<std::string>{"sounds\\sound4.wav 1"});
  EXPECT_EQ(g.window.score, "17");
  EXPECT_TRUE(g.timer.enabled);
  EXPECT_EQ(g.window.calls,
            (std::vector<std::string>{"score 17", "back 240,240,70", "title back 240,240,70"}));
  for (int n = 0; n < kSquares; ++n)
    EXPECT_TRUE(g.game.board()[n].Enabled) << n;
  const int colour = g.game.FarbIndex;
  const std::string marked = std::to_string(72 + colour);
  EXPECT_EQ(g.report.lines, (std::vector<std::string>{
                                "board disabled", "quad R 1J 0 1 2 9 10 11 18 19 20 +17 =17",
                                "marked " + std::string(1, kPictureLetters[colour]) + " " + marked,
                                "board enabled"}));
  g.ClearRecords();
  g.game.tmrTimer_Timer();
  EXPECT_EQ(g.report.lines, std::vector<std::string>{"emptied " + marked});
}

}  // namespace
}  // namespace kaldora::testing
