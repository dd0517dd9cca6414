// Start and Pause: what each leaves on the board and the window, and in which order.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

// Writes each sound into the window's record, so that its place among the window calls shows.
struct SoundInWindowRecord final : SoundOutput {
  explicit SoundInWindowRecord(FakeWindow& w) : window(w) {}
  void Play(std::string_view name, std::int32_t flags) override {
    window.calls.push_back("play " + std::string(name) + " " + std::to_string(flags));
  }
  FakeWindow& window;
};

TEST(Start, HidesThePanelsPausesPlaysSound2AndHidesItselfInThisOrder) {
  TestGame g;
  SoundInWindowRecord sound(g.window);
  const HighscorePorts highscore{g.highscore, g.highscore, g.highscore, g.highscore,
                                 g.HighscorePath()};
  Game game(Ports{g.display, g.window, sound, g.timer, g.canvas, g.events, g.report, highscore},
            g.random);
  game.Form_Load();
  g.window.calls.clear();
  game.cmdSpielStarten_Click();
  EXPECT_EQ(g.window.calls,
            (std::vector<std::string>{"hide information", "hide rules", "hide information",
                                      "hide rules", "score 0", "start visible", "focus start",
                                      "play sounds\\sound2.wav 1", "start hidden"}));
}

// Replays Start's draws with a second generator seeded from the same clock reading.
TEST(Start, PlacesThreeSquaresEachColourDrawnOnceBeforeItsPositions) {
  int redrawn = 0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(seed);
    TestGame g(seed);
    FakeClock clock = g.clock;
    g.game.cmdSpielStarten_Click();
    Random replay(clock);
    auto draw = [&](double n) { return static_cast<int>(static_cast<double>(replay.R()) * n); };
    std::vector<int> placed;
    // Pause enables the board before the squares come.
    std::vector<std::string> told{"board enabled"};
    for (int i = 0; i < 3; ++i) {
      const int k = draw(7.18);
      int p = draw(81);
      for (; std::find(placed.begin(), placed.end(), p) != placed.end(); p = draw(81))
        ++redrawn;
      placed.push_back(p);
      told.push_back("new " + std::to_string(p) + " " +
                     kPictureLetters[static_cast<std::size_t>(k)]);
      EXPECT_EQ(g.game.board()[p].Picture, Board::picF(k).Picture);
      EXPECT_EQ(g.game.board()[p].Tag, Board::picF(k).Tag);
      EXPECT_EQ(g.game.board()[p].DragMode, 1);
    }
    EXPECT_EQ(CountCode(g.game.board(), "0"), kSquares - 3);
    EXPECT_EQ(g.report.lines, told);
  }
  EXPECT_GT(redrawn, 0) << "no seed drew a position twice";
}

TEST(Pause, EmptiesAndEnablesTheBoardZeroesTheScoreAndFocusesStart) {
  TestGame g;
  g.game.cmdSpielStarten_Click();
  g.game.state().Punkte = 12;
  for (int n = 0; n < kSquares; ++n)
    g.game.board().SetEnabled(n, false);  // as a finished game leaves it
  g.ClearRecords();
  g.game.cmdSpielAbbrechen_Click();
  for (int n = 0; n < kSquares; ++n) {
    const Square& square = g.game.board()[n];
    EXPECT_TRUE(square.Enabled && square.Tag == "0" && !square.Picture && square.DragMode == 0)
        << "square " << n;
  }
  EXPECT_EQ(g.game.state().Punkte, 0);
  EXPECT_EQ(g.window.calls, (std::vector<std::string>{"hide information", "hide rules", "score 0",
                                                      "start visible", "focus start"}));
}

}  // namespace
}  // namespace kaldora::testing
