// The move: which drops are accepted, what they carry, and that every drop costs a move.
#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

TEST(Move, OnlyAPictureOntoAFreeSquareMovesAndEveryDropBringsThreeNewSquares) {
  const std::tuple<const char*, int, int, bool> kCases[] = {
      // source, target, whether the square moves
      {"coloured square onto a free one", 0, 40, true},
      {"marked square, with its burst and mark", 3, 40, true},
      {"onto a coloured square", 0, 1, false},
      {"onto a blackstone", 1, 2, false},
      {"onto a marked square", 0, 3, false},
      {"plain click", 0, 0, false},
      {"vacated square onto a free one", 4, 40, false},
  };
  for (const auto& [name, s, t, moves] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    Board& board = g.game.board();
    // Red, joker, blackstone, marked; square 4 was vacated by a move: free, yet draggable.
    SetBoard(board, {"RJX*.....", ".........", ".........", ".........", ".........", ".........",
                     ".........", ".........", "........."});
    board.SetDragMode(4, 1);
    const Square source = board[s];
    auto expected = ShowBoard(board);
    if (moves)
      std::swap(expected[t / 9][t % 9], expected[s / 9][s % 9]);
    g.game.picP_DragDrop(t, s);
    const auto after = ShowBoard(board);
    for (int n = 0; n < kSquares; ++n) {
      if (expected[n / 9][n % 9] != '.') {
        EXPECT_EQ(after[n / 9][n % 9], expected[n / 9][n % 9]) << "square " << n;
      }
    }
    EXPECT_EQ(CountCode(board, "0"), kSquares - 4 - 3);
    EXPECT_EQ(g.sound.calls, std::vector<std::string>{"sounds\\sound2.wav 1"});
    ASSERT_FALSE(g.report.lines.empty());
    EXPECT_EQ(g.report.lines.front(),
              (moves ? "moved " : "refused ") + std::to_string(s) + " " + std::to_string(t));
    EXPECT_EQ(g.report.counts.moved + g.report.counts.refused, 1);
    EXPECT_EQ(g.report.counts.new_squares, 3);
    if (moves) {
      EXPECT_EQ(board[t].Picture, source.Picture);  // the very picture, not a copy
      EXPECT_EQ(board[t].DragMode, 1);
      EXPECT_EQ(board[s].DragMode, 1);
    }
  }
}

}  // namespace
}  // namespace kaldora::testing
