// Recording fakes of every interface the game logic talks to, shared by the tests, the simulator
// and the benchmarks, and boards written as text.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "board/game.h"

namespace kaldora::testing {

// The letter of each source picture, index = source: R O Y G C B M the colours red to magenta,
// J joker, * burst, X blackstone.
inline constexpr std::string_view kPictureLetters = "ROYGCBMJ*X";

// Counts up, so that every reseed gets a different but replayable seed.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::uint64_t start = 1) : now_(start) {}
  std::uint64_t Ticks() override { return now_++; }

 private:
  std::uint64_t now_;
};

// Records each call as one line, e.g. "picture 5 3", "picture 5 -", "drag 5 1", "enabled 5 0",
// and keeps what a window would show of each square, to hold against the board.
class FakeDisplay final : public SquareDisplay {
 public:
  FakeDisplay() { enabled_.fill(true); }  // a window's squares start as the board's do

  void ShowPicture(int n, const SourceImage* p) override;
  void SetDragMode(int n, int mode) override;
  void SetEnabled(int n, bool enabled) override;
  void SetBackColor(int n, Rgb c) override;

  const SourceImage* Picture(int n) const { return pictures_[static_cast<std::size_t>(n)]; }
  int DragMode(int n) const { return drag_modes_[static_cast<std::size_t>(n)]; }
  bool Enabled(int n) const { return enabled_[static_cast<std::size_t>(n)]; }

  std::vector<std::string> calls;
  bool recording = true;  // off for long runs, whose records would fill the memory

 private:
  std::array<const SourceImage*, kSquares> pictures_{};
  std::array<int, kSquares> drag_modes_{};
  std::array<bool, kSquares> enabled_{};
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
  bool recording = true;           // of calls and lines; the state below is always kept
  std::string score;               // the score label
  std::string sound_caption = "Sound &Off";
  bool start_visible = true;
  bool rules_visible = false;
  bool information_visible = false;

 private:
  void Record(std::string_view call);
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
  float ScaleWidth() const override { return 152; }  // picCanvas, in pixels
  float ScaleHeight() const override { return 152; }
  void Cls() override;
  void SetDrawWidth(int width) override;
  // A tree has hundreds of lines; a simulator that does not record them pays only the test.
  void Line(int x1, int y1, int x2, int y2) override {
    if (recording)
      RecordLine(x1, y1, x2, y2);
  }
  std::vector<std::string> calls;
  bool recording = true;

 private:
  void RecordLine(int x1, int y1, int x2, int y2);
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
  bool recording = true;
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
  void ShowList() override { Record("list shown"); }
  void HideList() override { Record("list hidden"); }
  void FocusGoOn() override { Record("focus go on"); }
  std::string Name() const override { return name; }
  void ClearName() override;
  void FocusName() override { Record("focus name"); }
  void ShowEntry() override { Record("name entry"); }
  void HideEntry() override { Record("entry hidden"); }
  void ShowQuestion() override { Record("question shown"); }
  void HideQuestion() override { Record("question hidden"); }
  std::string GeneralDate() override { return date; }

  std::vector<std::string> calls;
  bool recording = true;  // of calls; `rows` is always kept
  std::array<std::string, 11> rows;
  std::string name;
  std::string date = "08.12.26 01:06:03";

 private:
  void Record(std::string_view call);
};

// What the game reported, as far as a long run needs it counted.
struct EventCounts {
  std::int64_t moved = 0;
  std::int64_t refused = 0;
  std::int64_t rows = 0;
  std::int64_t quads = 0;
  std::int64_t chance_colours = 0;  // colour dissolutions drawn after a move
  std::int64_t quad_colours = 0;    // colour dissolutions set off by a quad
  std::int64_t blackstones = 0;
  std::int64_t new_squares = 0;
  std::int64_t jokers = 0;  // among the new squares
  std::int64_t games_over = 0;
  std::int16_t score = 0;  // as the last row, quad or game over told it
};

// Records each event as one line, squares by number and colours by their letter:
//   "moved 3 12", "refused 3 3", "row R 1J 0 1 2 3 4 +4 =4" (colour, jokers, squares, points,
//   score), "quad B 0J 0 1 2 9 10 11 18 19 20 +17 =21", "marked Y 3 12" (after a quad),
//   "marked by chance Y 3 12", "emptied 3 12", "blackstone 17", "new 40 R",
//   "game over 21 qualifies", "game over 0 does not qualify", "board disabled", "board enabled".
class RecordingEvents final : public GameEvents {
 public:
  void SquareMoved(int source, int target) override;
  void DropRefused(int source, int target) override;
  void RowDissolved(const kaldora::RowDissolved& row) override;
  void QuadDissolved(const kaldora::QuadDissolved& quad) override;
  void ColourMarked(const kaldora::ColourMarked& marked) override;
  void MarkedEmptied(const std::vector<int>& squares) override;
  void BlackstonePlaced(int n) override;
  void NewSquare(int n, int colour) override;
  void GameOver(std::int16_t score, bool qualifies) override;
  void BoardEnabled(bool enabled) override;

  std::vector<std::string> lines;
  bool recording = true;  // of lines; `counts` is always kept
  EventCounts counts;
};

// Every port of a game, faked.
struct FakePorts {
  FakeDisplay display;
  FakeWindow window;
  FakeSound sound;
  FakeHighscore highscore;
  FakeTimer timer;
  FakeCanvas canvas;
  FakeEvents events;
  RecordingEvents report;

  Ports Wire(const std::string& highscore_path);
  void StopRecording();
  // Clears what the fakes recorded and the counted events.
  void ClearRecords();
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
struct TestGame : FakePorts {
  explicit TestGame(std::uint64_t seed = 1);

  std::string HighscorePath() const { return folder.path + "/P1.dat"; }

  TempFolder folder;
  FakeClock clock;
  Random random;
  Game game;
};

// Nine strings of nine characters, row 0 first, in kPictureLetters; * is a square marked for
// removal (burst picture, "peng", draggable), . free.
using BoardText = std::array<std::string_view, 9>;

// Lays out the board as the game itself would have left it; free squares are not draggable.
void SetBoard(Board& board, const BoardText& rows);
// The board as nine strings; a square whose picture does not match its code shows as '?'.
std::array<std::string, 9> ShowBoard(const Board& board);
int CountCode(const Board& board, std::string_view tag);

}  // namespace kaldora::testing
