// The chance events after a move, the colour dissolution and the timer tick that ends it.
#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

constexpr BoardText kEmpty{".........", ".........", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."};

// Each call reseeds from the clock, so successive calls are independent draws. The tolerances are
// five standard deviations of 200 000 draws.
TEST(ChanceEvents, DissolveAColourAboutOnceIn71MovesAndPlaceAStoneAboutOnceIn26) {
  constexpr int kDraws = 200000;
  TestGame g;
  int dissolutions = 0;
  int stones = 0;
  for (int i = 0; i < kDraws; ++i) {
    g.window.calls.clear();
    g.game.ZufallsFarbe();
    dissolutions += g.window.calls.empty() ? 0 : 1;
    g.game.ZufallsStein();
    for (int n = 0; n < kSquares; ++n) {
      if (g.game.board()[n].Tag == code::kBlackstone) {
        ++stones;
        g.game.board().FeldLeeren(n);
      }
    }
  }
  // The chance values are rounded to four places before they are compared with 7 and 9.
  EXPECT_NEAR(dissolutions / double{kDraws}, (7.1 - 7.00005) / 7.1, 0.0013);
  EXPECT_NEAR(stones / double{kDraws}, (9.36 - 9.00005) / 9.36, 0.0022);
  EXPECT_EQ(std::count(g.sound.calls.begin(), g.sound.calls.end(), "sounds\\sound5.wav 0"), stones);
  EXPECT_EQ(g.report.counts.chance_colours, dissolutions);
  EXPECT_EQ(g.report.counts.quad_colours, 0);
  EXPECT_EQ(g.report.counts.blackstones, stones);
}

TEST(ChanceEvents, AStoneFillsTheOnlyFreeSquareAndNeverHangsOnAFullBoard) {
  for (const bool one_free : {true, false}) {
    SCOPED_TRACE(one_free ? "one free square" : "full board");
    TestGame g;
    SetBoard(g.game.board(), {"RRRRRRRRR", "OOOOOOOOO", "YYYYYYYYY", "GGGGGGGGG", "CCCCCCCCC",
                              "BBBBBBBBB", "MMMMMMMMM", "JJJJJJJJJ", "XXXXXXX**"});
    if (one_free)
      g.game.board().FeldLeeren(40);
    const auto before = ShowBoard(g.game.board());
    int stones = 0;
    for (int i = 0; i < 500 && stones == 0; ++i) {
      g.game.ZufallsStein();
      stones = CountCode(g.game.board(), code::kBlackstone) - 7;
    }
    EXPECT_EQ(stones, one_free ? 1 : 0);
    EXPECT_EQ(g.report.lines,
              one_free ? std::vector<std::string>{"blackstone 40"} : std::vector<std::string>{});
    if (one_free) {
      EXPECT_EQ(ShowBoard(g.game.board())[4], "CCCCXCCCC");
      EXPECT_EQ(g.game.board()[40].DragMode, 0);
    } else {
      EXPECT_EQ(ShowBoard(g.game.board()), before);
    }
  }
}

TEST(ColourDissolution, MarksTheSquaresShowingTheDrawnPictureUntilTheTick) {
  TestGame g;
  Board& board = g.game.board();
  SetBoard(board, {"ROYGCBMJ*", "ROYGCBMJX", ".........", ".........", ".........", ".........",
                   ".........", ".........", "........."});
  // Squares are matched by picture: a square holding red's picture counts as red, whatever its
  // code (here orange's).
  board.SetTag(9, "1000000");
  g.game.FarbeAufloesen();
  const int c = g.game.FarbIndex;
  // Told are the squares newly marked, not the one marked before.
  EXPECT_EQ(g.report.lines,
            std::vector<std::string>{"marked " + std::string(1, kPictureLetters[c]) + " " +
                                     std::to_string(c) + " " + std::to_string(9 + c)});
  const SourceImage* burst = Board::picF(kBurstSource).Picture;
  for (int n : {c, 9 + c, 8}) {
    EXPECT_EQ(board[n].Tag, code::kMarked) << n;
    EXPECT_EQ(board[n].Picture, burst) << n;
    EXPECT_EQ(board[n].DragMode, 1) << n;
  }
  EXPECT_EQ(CountCode(board, code::kMarked), 3);
  EXPECT_EQ(g.window.calls, (std::vector<std::string>{"back 240,240,70", "title back 240,240,70"}));
  EXPECT_TRUE(g.timer.enabled);
  EXPECT_TRUE(g.sound.calls.empty());

  // A marked square dragged before the tick takes its mark along; the tick empties it there.
  g.game.picP_DragDrop(40, c);
  EXPECT_EQ(board[40].Tag, code::kMarked);
  g.window.calls.clear();
  g.game.tmrTimer_Timer();
  EXPECT_EQ(CountCode(board, code::kMarked), 0);
  EXPECT_EQ(board[40].Picture, nullptr);
  EXPECT_EQ(board[40].DragMode, 0);
  EXPECT_EQ(board[17].Tag, code::kBlackstone);
  EXPECT_EQ(g.window.calls, (std::vector<std::string>{"back 0,127,0", "title back 0,127,0"}));
  ASSERT_EQ(g.window.lines.size(), 16u);  // the frame, painted again on the green
  EXPECT_EQ(g.window.lines.front(), "0,0 799,0 0,245,0");
  EXPECT_EQ(g.window.lines.back(), "799,0 799,600 0,5,0");
  EXPECT_FALSE(g.timer.enabled);
  EXPECT_EQ(g.window.score, "0");
}

TEST(ColourDissolution, WithNoSquareOfTheColourOnlyTheWindowFlashes) {
  TestGame g;
  SetBoard(g.game.board(), kEmpty);
  g.game.FarbeAufloesen();
  EXPECT_EQ(ShowBoard(g.game.board()), ShowBoard(TestGame().game.board()));
  EXPECT_TRUE(g.window.lines.empty());  // the yellow erased the frame
  EXPECT_TRUE(g.timer.enabled);
}

}  // namespace
}  // namespace kaldora::testing
