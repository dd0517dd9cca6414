// Which sound an event plays, with which flags, and what the game has done by then.
#include <gtest/gtest.h>

#include <functional>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

// Records "name flags | what `seen` tells of the game at that moment".
struct SeeingSound final : SoundOutput {
  void Play(std::string_view name, std::int32_t flags) override {
    calls.push_back(std::string(name) + " " + std::to_string(flags) + " | " + seen());
  }
  std::function<std::string()> seen;
  std::vector<std::string> calls;
};

// A game after Form_Load that plays through SeeingSound.
struct Rig {
  Rig() {
    sound.seen = [] { return ""; };
    game.Form_Load();
    sound.calls.clear();
    g.ClearRecords();
  }
  TestGame g;
  SeeingSound sound;
  Game game{
      Ports{g.display, g.window, sound, g.timer, g.canvas, g.events, g.report,
            HighscorePorts{g.highscore, g.highscore, g.highscore, g.highscore, g.HighscorePath()}},
      g.random};
};

TEST(SoundsPlayed, StartUpSwitchesSoundOnThenChimes) {
  TestGame g;
  g.game.cmdTonEinschaltenAusschalten_Click();
  g.game.Form_Load();
  EXPECT_EQ(g.sound.calls, std::vector<std::string>{"sounds\\sound1.wav 1"});
}

TEST(SoundsPlayed, ShowHighscoreTurnsThePageBeforeTheListIsReadAndShown) {
  Rig r;
  r.sound.seen = [&] { return r.g.highscore.rows[0] + std::to_string(r.g.highscore.calls.size()); };
  r.game.cmdHighscoreAnzeigen_Click();
  EXPECT_EQ(r.sound.calls, std::vector<std::string>{"sounds\\sound6.wav 1 | 0"});
  EXPECT_FALSE(r.g.highscore.rows[0].empty());
  EXPECT_EQ(r.g.highscore.calls, (std::vector<std::string>{"list shown", "focus go on"}));
}

TEST(SoundsPlayed, TheBlackstoneThudsAndWaitsOnceTheStoneLies) {
  Rig r;
  SetBoard(r.game.board(), {"RRRRRRRRR", "OOOOOOOOO", "YYYYYYYYY", "GGGGGGGGG", "CCCC.CCCC",
                            "BBBBBBBBB", "MMMMMMMMM", "JJJJJJJJJ", "XXXXXXXXX"});
  r.sound.seen = [&] { return ShowBoard(r.game.board())[4]; };
  for (int i = 0; i < 500 && r.sound.calls.empty(); ++i)
    r.game.ZufallsStein();
  EXPECT_EQ(r.sound.calls, std::vector<std::string>{"sounds\\sound5.wav 0 | CCCCXCCCC"});
}

}  // namespace
}  // namespace kaldora::testing
