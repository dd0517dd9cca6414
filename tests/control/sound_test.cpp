// The sound button's caption cycle, and silence while sound is off.
#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace kaldora::testing {
namespace {

TEST(SoundButton, CaptionNamesTheNextClickAndSoundOffPlaysNothingAtAll) {
  const std::tuple<int, const char*, bool> kClicks[] = {
      {0, "Sound &Off", true}, {1, "Sound &On", false}, {2, "Sound O&ff", true},
      {3, "Sound &On", false}, {4, "Sound O&ff", true},
  };
  for (const auto& [clicks, caption, on] : kClicks) {
    SCOPED_TRACE(clicks);
    TestGame g;
    for (int i = 0; i < clicks; ++i)
      g.game.cmdTonEinschaltenAusschalten_Click();
    EXPECT_EQ(g.window.sound_caption, caption);
    EXPECT_EQ(g.game.state().TonEin, on);
    g.sound.calls.clear();
    g.game.TonAbspielen("sounds\\sound5.wav", kSync);
    g.game.cmdSpielStarten_Click();
    EXPECT_EQ(g.sound.calls.size(), on ? 2u : 0u);
  }
}

}  // namespace
}  // namespace kaldora::testing
