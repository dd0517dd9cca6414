// New squares after an unsuccessful move, the triple search on a full board, and the game end.
#include <gtest/gtest.h>

#include <map>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

// A full board without a single row: along every line of five the colours all differ.
constexpr BoardText kRowless{"ROYGCBMRO", "GCBMROYGC", "MROYGCBMR", "YGCBMROYG", "BMROYGCBM",
                             "OYGCBMROY", "CBMROYGCB", "ROYGCBMRO", "GCBMROYGC"};

std::vector<std::string> EnabledCalls(std::vector<std::string> calls) {
  std::erase_if(calls, [](const std::string& call) { return !call.starts_with("enabled "); });
  return calls;
}

// The expected squares come from replaying the draws on a copy of the generator: each colour
// once, then positions until one is free.
TEST(Neufelder, ColoursThreeFreeSquaresAndEndsTheGameWhenTheyFillTheBoard) {
  using Calls = std::vector<std::string>;
  const std::tuple<const char*, std::vector<int>, std::int16_t, std::int16_t, Calls, const char*>
      kCases[] = {
          // free squares, score, qualifying score, name entry, the end told after the squares
          {"four free: three coloured, the game goes on", {0, 40, 41, 80}, 0, 0, {}, ""},
          {"three free: the game ends, an equal score asks for no name",
           {0, 40, 80},
           10,
           10,
           {},
           "game over 10 does not qualify"},
          {"one point more asks for a name",
           {0, 40, 80},
           11,
           10,
           {"score box 11", "name entry"},
           "game over 11 qualifies"},
          {"nothing scored, no list", {0, 40, 80}, 0, 0, {}, "game over 0 does not qualify"},
      };
  for (const auto& [name, free, points, qualifying, entry, over] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    SetBoard(g.game.board(), kRowless);
    for (int n : free)
      g.game.board().FeldLeeren(n);
    g.game.state().Punkte = points;
    g.game.MindestPunkte = qualifying;
    auto expected = ShowBoard(g.game.board());
    Random replay = g.random;
    auto draw = [&](double n) { return static_cast<int>(static_cast<double>(replay.R()) * n); };
    Calls told;
    for (int i = 0; i < 3; ++i) {
      const char colour = kPictureLetters[static_cast<std::size_t>(draw(7.18))];
      int p = draw(81);
      while (expected[p / 9][p % 9] != '.')
        p = draw(81);
      expected[p / 9][p % 9] = colour;
      told.push_back("new " + std::to_string(p) + " " + colour);
    }
    if (*over != '\0')
      told.insert(told.end(), {"board disabled", over});
    g.game.Neufelder();
    EXPECT_EQ(ShowBoard(g.game.board()), expected);
    for (int n : free)
      EXPECT_EQ(g.game.board()[n].DragMode, g.game.board()[n].Tag == "0" ? 0 : 1);
    const bool ends = free.size() == 3;
    Calls disabled;
    for (int n = 0; ends && n < kSquares; ++n)
      disabled.push_back("enabled " + std::to_string(n) + " 0");
    EXPECT_EQ(EnabledCalls(g.display.calls), disabled);
    EXPECT_EQ(g.sound.calls, Calls{ends ? "sounds\\sound7.wav 0" : "sounds\\sound2.wav 1"});
    EXPECT_EQ(g.highscore.calls, entry);
    EXPECT_EQ(g.game.state().SpielEnde, ends);
    EXPECT_EQ(g.report.lines, told);
  }
}

TEST(Neufelder, ARowCompletedByTheLastSquaresDissolvesAndTheGameGoesOn) {
  TestGame g;
  Board& board = g.game.board();
  SetBoard(board, kRowless);
  for (int n : {0, 1, 2, 3})
    board.Colour(n, kJokerSource);  // whatever fills square 4 completes the row
  for (int n : {4, 40, 80})
    board.FeldLeeren(n);
  g.game.Neufelder();
  EXPECT_EQ(ShowBoard(board)[0].substr(0, 5), ".....");
  EXPECT_EQ(CountCode(board, "0"), 5);
  EXPECT_EQ(g.sound.calls, std::vector<std::string>{"sounds\\sound3.wav 1"});
  EXPECT_EQ(g.window.score, "4");
  EXPECT_TRUE(EnabledCalls(g.display.calls).empty());
  EXPECT_FALSE(g.game.state().SpielEnde);
}

TEST(Neufelder, NewSquaresComeInTheProportionsOfTheColourTable) {
  TestGame g(7);
  std::map<std::string, int> counts;
  int total = 0;
  for (; total < 100000; g.ClearRecords()) {
    g.game.Neufelder();
    for (int n = 0; n < kSquares; ++n) {
      if (g.game.board()[n].Tag != "0") {
        ++counts[g.game.board()[n].Tag];
        ++total;
        g.game.board().FeldLeeren(n);
      }
    }
  }
  // Five standard deviations of the count: beyond any chance, yet close enough to catch a wrong
  // factor.
  for (int k = 0; k <= kJokerSource; ++k) {
    const bool joker = k == kJokerSource;
    EXPECT_NEAR(counts[std::string(Board::picF(k).Tag)] / double(total),
                (joker ? 0.18 : 1.0) / 7.18, joker ? 0.0025 : 0.0055)
        << "source " << k;
  }
}

}  // namespace
}  // namespace kaldora::testing
