// Null implementations of the game's interfaces for the headless simulator: no window, no sound,
// no highscore file. They keep just enough of what they are told to check it against the board.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "board/game.h"

namespace kaldora::sim {

// Counts up from a seed, so that every reseed of the game's generator is replayable.
class CountingClock final : public Clock {
 public:
  explicit CountingClock(std::uint64_t start) : now_(start) {}
  std::uint64_t Ticks() override { return now_++; }

 private:
  std::uint64_t now_;
};

// What a window would show of each square, and how many times each picture was put on one.
class ShownSquares final : public SquareDisplay {
 public:
  void ShowPicture(int n, const SourceImage* picture) override {
    picture_[static_cast<std::size_t>(n)] = picture;
    if (picture != nullptr)
      ++shown[static_cast<std::size_t>(picture->index)];
  }
  void SetDragMode(int n, int mode) override { drag_[static_cast<std::size_t>(n)] = mode; }
  void SetEnabled(int n, bool enabled) override { enabled_[static_cast<std::size_t>(n)] = enabled; }
  void SetBackColor(int, Rgb) override {}

  const SourceImage* Picture(int n) const { return picture_[static_cast<std::size_t>(n)]; }
  int DragMode(int n) const { return drag_[static_cast<std::size_t>(n)]; }
  bool Enabled(int n) const { return enabled_[static_cast<std::size_t>(n)]; }

  std::array<std::int64_t, kSources> shown{};

 private:
  std::array<const SourceImage*, kSquares> picture_{};
  std::array<int, kSquares> drag_{};
  std::array<bool, kSquares> enabled_{};
};

// The main window without a screen: it keeps the score label and counts the alarm colour.
class HeadlessWindow final : public MainWindowView {
 public:
  void SetBackColor(Rgb colour) override {
    if (colour == Rgb{240, 240, 70})
      ++alarms;
  }
  void DrawLine(int, int, int, int, Rgb) override {}
  void SetScoreText(std::string_view text) override { score_ = text; }
  std::string ScoreText() const override { return score_; }
  void SetTitleForeColor(Rgb) override {}
  void SetTitleBackColor(Rgb) override {}
  void SetCanvasBackColor(Rgb) override {}
  void CentreOnScreen() override {}
  void SetStartVisible(bool) override {}
  void FocusStart() override {}
  bool PanelVisible(Panel) const override { return false; }
  void SetPanelVisible(Panel, bool) override {}
  std::string SoundCaption() const override { return "Sound &Off"; }
  void SetSoundCaption(std::string_view) override {}
  void EndProgram() override {}

  std::int64_t alarms = 0;  // colour dissolutions: each turns the window yellow once

 private:
  std::string score_;
};

// Plays nothing; counts the sounds that mark rows, quads and blackstones.
class CountingSound final : public SoundOutput {
 public:
  void Play(std::string_view name, std::int32_t) override {
    if (name == "sounds\\sound3.wav")
      ++rows;
    else if (name == "sounds\\sound4.wav")
      ++quads;
    else if (name == "sounds\\sound5.wav")
      ++blackstones;
  }
  std::int64_t rows = 0;
  std::int64_t quads = 0;
  std::int64_t blackstones = 0;
};

// The simulator fires the tick itself; the timer only remembers whether one is pending.
class PendingTimer final : public GameTimer {
 public:
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }

 private:
  bool enabled_ = false;
};

class NullCanvas final : public TreeCanvas {
 public:
  float ScaleWidth() const override { return 152; }  // picCanvas, in pixels
  float ScaleHeight() const override { return 152; }
  void Cls() override {}
  void SetDrawWidth(int) override {}
  void Line(int, int, int, int) override {}
};

// Nothing waits: a move takes microseconds, far less than the timer's 400 milliseconds.
class NoEvents final : public EventPump {
 public:
  void DoEvents() override {}
};

class NullHighscore final : public HighscoreWindowView,
                            public NameEntryView,
                            public ResetView,
                            public DateClock {
 public:
  void SetRow(int, std::string_view, std::string_view, std::string_view) override {}
  void SetWert(int, std::string_view) override {}
  void ShowList() override {}
  void HideList() override {}
  void FocusGoOn() override {}
  std::string Name() const override { return {}; }
  void ClearName() override {}
  void FocusName() override {}
  void ShowEntry() override {}
  void HideEntry() override {}
  void ShowQuestion() override {}
  void HideQuestion() override {}
  std::string GeneralDate() override { return {}; }
};

}  // namespace kaldora::sim
