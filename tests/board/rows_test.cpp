// Rows of five: which windows count, the order they are scanned in, and what a row brings.
#include <gtest/gtest.h>

#include <cctype>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

using Rows = std::array<std::string, 9>;

// Lays out the board and returns what it should look like afterwards: rows left out or cut short
// are free, and lowercase squares are expected to be emptied.
Rows Lay(Board& board, const Rows& text) {
  Rows before, after;
  for (std::size_t r = 0; r < 9; ++r) {
    for (std::size_t i = 0; i < 9; ++i) {
      const auto c = static_cast<unsigned char>(i < text[r].size() ? text[r][i] : '.');
      before[r] += static_cast<char>(std::toupper(c));
      after[r] += std::islower(c) ? '.' : before[r][i];
    }
  }
  SetBoard(board, {before[0], before[1], before[2], before[3], before[4], before[5], before[6],
                   before[7], before[8]});
  return after;
}

TEST(Rows, FiveOfAColourWithJokersAnywhereDissolveAndNothingElseDoes) {
  using Found = bool Module1::*;
  const std::tuple<const char*, void (Game::*)(), Found, int, int> kLines[] = {
      // the procedure, its flag, the first square and the step to the next
      {"column", &Game::Spalten, &Module1::SpaltenGefunden, 19, 9},
      {"row", &Game::Zeilen, &Module1::ZeilenGefunden, 38, 1},
      {"down-right", &Game::Diagonalen, &Module1::DiagonalenGefunden, 11, 10},
      {"down-left", &Game::Diagonalen, &Module1::DiagonalenGefunden, 15, 8},
  };
  // Lowercase: a row, told with its colour and jokers; anything else with a free square, a
  // blackstone, a mark or a stranger is not.
  const std::pair<std::string_view, std::string_view> kFives[] = {
      {"rrrrr", "R 0J"}, {"joooo", "O 1J"}, {"yjyyy", "Y 1J"}, {"ggjgg", "G 1J"},
      {"cccjc", "C 1J"}, {"bbbbj", "B 1J"}, {"jjjjj", "J 5J"}, {"MMRMM", ""},
      {"RR.RR", ""},     {"GGXGG", ""},     {"JJ*JJ", ""}};
  for (const auto& [name, run, found, first, step] : kLines) {
    for (const auto& [five, colour] : kFives) {
      SCOPED_TRACE(std::string(name) + " " + std::string(five));
      Rows text;
      text.fill(".........");
      for (int i = 0, n = first; i < 5; ++i, n += step)
        text[n / 9][n % 9] = five[i];
      TestGame g;
      const Rows after = Lay(g.game.board(), text);
      (g.game.*run)();
      const bool row = std::islower(static_cast<unsigned char>(five[0])) != 0;
      EXPECT_EQ(ShowBoard(g.game.board()), after);
      EXPECT_EQ(g.game.state().*found, row);
      EXPECT_EQ(g.window.score, row ? "4" : "0");
      // Its squares in board order.
      std::vector<std::string> told;
      if (row) {
        std::string line = "row " + std::string(colour);
        for (int i = 0; i < 5; ++i)
          line += " " + std::to_string(first + i * step);
        told.push_back(line + " +4 =4");
      }
      EXPECT_EQ(g.report.lines, told);
    }
  }
}

// One run each of Spalten, Zeilen and Diagonalen: each dissolves the first window in its order.
TEST(Rows, EachRunDissolvesOnlyTheFirstCompleteWindowInScanOrder) {
  const std::pair<const char*, Rows> kCases[] = {
      {"columns from the left, each from the top; of seven the upper five",
       {".B", ".B", "rB", "rB", "rB", "r", "r", "R", "R"}},
      {"rows from the top, each from the left; of six the left five", {"..rrrrrR.", "BBBBB"}},
      {"down-right by top row, then column",
       {"....r", "B....r", ".B....r", "..B....r", "...B....r", "....B"}},
      {"down-left by top row, then column; of six the upper five",
       {"........r", "....B..r", "...B..r", "..B..r", ".B..r", "B..R"}},
      {"down-right wins over an earlier down-left",
       {"....B", "...B", "..B", ".B", "B...r", ".....r", "......r", ".......r", "........r"}},
      // G across the right edge; R: a corner diagonal of four, and on across the edge; B: down
      // to the right across the edge.
      {"no row across an edge or on a short diagonal",
       {"...R..GGG", "GGR", ".R", "R.....B.R", ".......B", "........B", "", "B", ".B"}},
  };
  for (const auto& [name, text] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    const Rows after = Lay(g.game.board(), text);
    g.game.Spalten();
    g.game.Zeilen();
    g.game.Diagonalen();
    EXPECT_EQ(ShowBoard(g.game.board()), after);
  }
}

TEST(Rows, AMoveThroughAVerticalAndAHorizontalRowDissolvesTheVerticalOne) {
  TestGame g;
  const Rows after =
      Lay(g.game.board(), {"....r", "....r", "....r", "....r", "RRRR", "", "", "", "........r"});
  g.game.picP_DragDrop(40, 80);
  EXPECT_EQ(ShowBoard(g.game.board()), after);
  EXPECT_EQ(g.window.score, "4");
}

// Of two rows the upper one goes first; the other dissolves at the next search, even a click's.
TEST(Rows, ScoreLabelCountsFourPerRowAndStopsAt32767) {
  using Lines = std::vector<std::string>;
  const std::tuple<const char*, std::int16_t, std::string, std::string, Lines> kCases[] = {
      // the score before, the label after each row, what is told: the gain is what was added
      {"from zero",
       0,
       "4",
       "8",
       {"row R 0J 0 1 2 3 4 +4 =4", "refused 9 9", "row B 0J 9 10 11 12 13 +4 =8"}},
      {"never past 32767, never negative",
       32763,
       "32767",
       "32767",
       {"row R 0J 0 1 2 3 4 +4 =32767", "refused 9 9", "row B 0J 9 10 11 12 13 +0 =32767"}},
  };
  for (const auto& [name, start, first, second, told] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    Lay(g.game.board(), {"RRRRR", "BBBBB"});
    g.game.state().Punkte = start;
    g.game.Zeilen();
    EXPECT_EQ(ShowBoard(g.game.board())[1], "BBBBB....");
    EXPECT_EQ(g.window.score, first);
    g.game.picP_DragDrop(9, 9);
    EXPECT_EQ(CountCode(g.game.board(), "0"), kSquares);
    EXPECT_EQ(g.window.score, second);
    EXPECT_EQ(g.report.lines, told);
  }
}

}  // namespace
}  // namespace kaldora::testing
