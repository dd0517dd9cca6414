// Recording fakes and board text.
#include "tests/support/fakes.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

namespace kaldora::testing {

namespace {

std::string Colour(Rgb c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

constexpr std::string_view kLetters = "ROYGCBMJ*X";  // index = source picture

}  // namespace

void FakeDisplay::ShowPicture(int n, const SourceImage* p) {
  calls.push_back("picture " + std::to_string(n) + " " +
                  (p == nullptr ? std::string("-") : std::to_string(p->index)));
}
void FakeDisplay::SetDragMode(int n, int mode) {
  calls.push_back("drag " + std::to_string(n) + " " + std::to_string(mode));
}
void FakeDisplay::SetEnabled(int n, bool enabled) {
  calls.push_back("enabled " + std::to_string(n) + " " + (enabled ? "1" : "0"));
}
void FakeDisplay::SetBackColor(int n, Rgb c) {
  calls.push_back("back " + std::to_string(n) + " " + Colour(c));
}

void FakeWindow::SetBackColor(Rgb c) {
  lines.clear();
  calls.push_back("back " + Colour(c));
}
void FakeWindow::DrawLine(int x1, int y1, int x2, int y2, Rgb c) {
  lines.push_back(std::to_string(x1) + "," + std::to_string(y1) + " " + std::to_string(x2) + "," +
                  std::to_string(y2) + " " + Colour(c));
}
void FakeWindow::SetScoreText(std::string_view text) {
  score = text;
  calls.push_back("score " + score);
}
void FakeWindow::SetTitleForeColor(Rgb c) {
  calls.push_back("title fore " + Colour(c));
}
void FakeWindow::SetCanvasBackColor(Rgb c) {
  calls.push_back("canvas back " + Colour(c));
}
void FakeWindow::SetTitleBackColor(Rgb c) {
  calls.push_back("title back " + Colour(c));
}
void FakeWindow::CentreOnScreen() {
  calls.push_back("centre");
}
void FakeWindow::SetStartVisible(bool visible) {
  start_visible = visible;
  calls.push_back(visible ? "start visible" : "start hidden");
}
void FakeWindow::FocusStart() {
  calls.push_back("focus start");
}
bool FakeWindow::PanelVisible(Panel panel) const {
  return panel == Panel::Rules ? rules_visible : information_visible;
}
void FakeWindow::SetPanelVisible(Panel panel, bool visible) {
  (panel == Panel::Rules ? rules_visible : information_visible) = visible;
  calls.push_back(std::string(visible ? "show " : "hide ") +
                  (panel == Panel::Rules ? "rules" : "information"));
}
void FakeWindow::SetSoundCaption(std::string_view caption) {
  sound_caption = caption;
  calls.push_back("sound caption " + sound_caption);
}
void FakeWindow::EndProgram() {
  calls.push_back("end program");
}

void FakeTimer::SetEnabled(bool on) {
  starts += on && !enabled ? 1 : 0;
  enabled = on;
}

void FakeCanvas::SetDrawWidth(int width) {
  calls.push_back("width " + std::to_string(width));
}
void FakeCanvas::Line(int x1, int y1, int x2, int y2) {
  calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " +
                  std::to_string(x2) + "," + std::to_string(y2));
}

void FakeEvents::DoEvents() {
  ++runs;
  if (waiting)
    waiting();
}

void FakeSound::Play(std::string_view name, std::int32_t flags) {
  calls.push_back(std::string(name) + " " + std::to_string(flags));
}

void FakeHighscore::SetRow(int i, std::string_view wert, std::string_view person,
                           std::string_view datum) {
  rows[static_cast<std::size_t>(i)] =
      std::string(wert) + "|" + std::string(person) + "|" + std::string(datum);
}
void FakeHighscore::SetWert(int i, std::string_view wert) {
  calls.push_back(i == 10 ? "score box " + std::string(wert) : "wert " + std::to_string(i));
}
void FakeHighscore::ClearName() {
  name.clear();
  calls.push_back("clear name");
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kaldora-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("no temporary folder");
  path = pattern;
}
TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
}

TestGame::TestGame(std::uint64_t seed)
    : clock(seed),
      random(clock),
      game(Ports{display, window, sound, timer, canvas, events,
                 HighscorePorts{highscore, highscore, highscore, highscore, HighscorePath()}},
           random) {
  game.Form_Load();
  ClearRecords();
}

void TestGame::ClearRecords() {
  display.calls.clear();
  window.calls.clear();
  sound.calls.clear();
  highscore.calls.clear();
  window.lines.clear();
  canvas.calls.clear();
  events.runs = 0;
}

void SetBoard(Board& board, const BoardText& rows) {
  for (int n = 0; n < kSquares; ++n) {
    const char c =
        rows[static_cast<std::size_t>(n / kColumns)].at(static_cast<std::size_t>(n % kColumns));
    if (c == '.') {
      board.FeldLeeren(n);
      continue;
    }
    const auto k = kLetters.find(c);
    if (k == std::string_view::npos)
      throw std::invalid_argument("unknown square letter");
    const int source = static_cast<int>(k);
    if (source < kBurstSource) {
      board.Colour(n, source);
    } else if (source == kBurstSource) {
      board.SetPicture(n, Board::picF(kBurstSource).Picture);
      board.SetTag(n, code::kMarked);
      board.SetDragMode(n, 1);
    } else {
      board.SetPicture(n, Board::picF(kBlackstoneSource).Picture);
      board.SetTag(n, code::kBlackstone);
      board.SetDragMode(n, 0);
    }
  }
}

std::array<std::string, 9> ShowBoard(const Board& board) {
  std::array<std::string, 9> rows;
  for (int n = 0; n < kSquares; ++n) {
    const Square& s = board[n];
    char c = '?';
    if (s.Tag == code::kFree) {
      c = s.Picture == nullptr ? '.' : '?';
    } else if (s.Picture != nullptr) {
      const int k = s.Picture->index;
      const bool matches = k < kBurstSource    ? s.Tag == Board::picF(k).Tag
                           : k == kBurstSource ? s.Tag == code::kMarked
                                               : s.Tag == code::kBlackstone;
      if (matches)
        c = kLetters[static_cast<std::size_t>(k)];
    }
    rows[static_cast<std::size_t>(n / kColumns)] += c;
  }
  return rows;
}

int CountCode(const Board& board, std::string_view tag) {
  int count = 0;
  for (int n = 0; n < kSquares; ++n)
    count += board[n].Tag == tag ? 1 : 0;
  return count;
}

}  // namespace kaldora::testing
