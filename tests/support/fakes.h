// Recording fakes of the interfaces the game logic talks to, and boards written as text.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "board/game.h"

namespace kaldora::testing {

// Counts up, so that every reseed gets a different but replayable seed.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::uint64_t start = 1) : now_(start) {}
  std::uint64_t Ticks() override { return now_++; }

 private:
  std::uint64_t now_;
};

// Records each call as one line, e.g. "picture 5 3", "picture 5 -", "drag 5 1", "enabled 5 0".
class FakeDisplay final : public SquareDisplay {
 public:
  void ShowPicture(int n, const SourceImage* p) override;
  void SetDragMode(int n, int mode) override;
  void SetEnabled(int n, bool enabled) override;
  void SetBackColor(int n, Rgb c) override;

  std::vector<std::string> calls;
};

// Records each call as one line, e.g. "score 4", "start visible", "focus start", "hide rules",
// "back 240,240,70"; lines drawn on the window are kept apart in `lines`.
class FakeWindow final : public MainWindowView {
 public:
  void SetBackColor(Rgb c) override;
  void DrawLine(int x1, int y1, int x2, int y2, Rgb c) override;
  void SetScoreText(std::string_view text) override;
  void SetTitleForeColor(Rgb c) override;
  void SetTitleBackColor(Rgb c) override;
  void SetCanvasBackColor(Rgb c) override;
  void CentreOnScreen() override;
  void SetStartVisible(bool visible) override;
  void FocusStart() override;
  bool PanelVisible(Panel panel) const override;
  void SetPanelVisible(Panel panel, bool visible) override;
  std::string SoundCaption() const override { return sound_caption; }
  void SetSoundCaption(std::string_view caption) override;
  void EndProgram() override;

  std::vector<std::string> calls;
  std::vector<std::string> lines;  // "x1,y1 x2,y2 r,g,b", cleared by a change of background
  std::string ScoreText() const override { return score; }
  std::string score;
  std::string sound_caption = "Sound &Off";
  bool start_visible = true;
  bool rules_visible = false;
  bool information_visible = false;
};

class FakeTimer final : public GameTimer {
 public:
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled; }
  bool enabled = false;
  int starts = 0;  // enablings of a timer that was off
};

// Records "cls", "width w" and "line x1,y1 x2,y2".
class FakeCanvas final : public TreeCanvas {
 public:
  float ScaleWidth() const override { return 152; }
  float ScaleHeight() const override { return 152; }
  void Cls() override { calls.push_back("cls"); }
  void SetDrawWidth(int width) override;
  void Line(int x1, int y1, int x2, int y2) override;
  std::vector<std::string> calls;
};

// Runs `waiting`, if set, as the events that wait when the logic lets them run.
class FakeEvents final : public EventPump {
 public:
  void DoEvents() override;
  std::function<void()> waiting;
  int runs = 0;
};

// Records "name flags", e.g. "sounds\sound2.wav 1".
class FakeSound final : public SoundOutput {
 public:
  void Play(std::string_view name, std::int32_t flags) override;
  std::vector<std::string> calls;
};

// The three highscore windows and the date. Records "score box 11" (txtWert(10)), "name entry"
// (shown), "list shown", "focus go on", "question shown", "clear name" and the like; `rows` holds
// what each row of the list shows as "points|name|date".
class FakeHighscore final : public HighscoreWindowView,
                            public NameEntryView,
                            public ResetView,
                            public DateClock {
 public:
  void SetRow(int i, std::string_view wert, std::string_view person,
              std::string_view datum) override;
  void SetWert(int i, std::string_view wert) override;
  void ShowList() override { calls.push_back("list shown"); }
  void HideList() override { calls.push_back("list hidden"); }
  void FocusGoOn() override { calls.push_back("focus go on"); }
  std::string Name() const override { return name; }
  void ClearName() override;
  void FocusName() override { calls.push_back("focus name"); }
  void ShowEntry() override { calls.push_back("name entry"); }
  void HideEntry() override { calls.push_back("entry hidden"); }
  void ShowQuestion() override { calls.push_back("question shown"); }
  void HideQuestion() override { calls.push_back("question hidden"); }
  std::string GeneralDate() override { return date; }

  std::vector<std::string> calls;
  std::array<std::string, 11> rows;
  std::string name;
  std::string date = "08.12.26 01:06:03";
};

// A folder of its own for each test's "P1.dat", removed afterwards.
struct TempFolder {
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string path;
};

// A game wired to fakes, after Form_Load, with the fakes' records cleared.
struct TestGame {
  explicit TestGame(std::uint64_t seed = 1);

  std::string HighscorePath() const { return folder.path + "/P1.dat"; }

  TempFolder folder;
  FakeClock clock;
  Random random;
  FakeDisplay display;
  FakeWindow window;
  FakeSound sound;
  FakeHighscore highscore;
  FakeTimer timer;
  FakeCanvas canvas;
  FakeEvents events;
  Game game;

  void ClearRecords();
};

// Nine strings of nine characters, row 0 first: R O Y G C B M the colours red to magenta, J joker,
// X blackstone, * a square marked for removal (burst picture, "peng", draggable), . free.
using BoardText = std::array<std::string_view, 9>;

// Lays out the board as the game itself would have left it; free squares are not draggable.
void SetBoard(Board& board, const BoardText& rows);
// The board as nine strings; a square whose picture does not match its code shows as '?'.
std::array<std::string, 9> ShowBoard(const Board& board);
int CountCode(const Board& board, std::string_view tag);

}  // namespace kaldora::testing
