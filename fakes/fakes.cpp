// Recording fakes and board text.
#include "fakes/fakes.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

namespace kaldora::testing {

namespace {

std::string Colour(Rgb c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

char Letter(int source) {
  return kPictureLetters[static_cast<std::size_t>(source)];
}

template <typename Squares>
std::string Numbers(const Squares& squares) {
  std::string text;
  for (int n : squares)
    text += " " + std::to_string(n);
  return text;
}

template <std::size_t n>
std::string DissolvedLine(std::string_view what, const Dissolved<n>& d) {
  return std::string(what) + " " + Letter(d.colour) + " " + std::to_string(d.jokers) + "J" +
         Numbers(d.squares) + " +" + std::to_string(d.points) + " =" + std::to_string(d.score);
}

}  // namespace

void FakeDisplay::ShowPicture(int n, const SourceImage* p) {
  pictures_[static_cast<std::size_t>(n)] = p;
  if (recording)
    calls.push_back("picture " + std::to_string(n) + " " +
                    (p == nullptr ? std::string("-") : std::to_string(p->index)));
}
void FakeDisplay::SetDragMode(int n, int mode) {
  drag_modes_[static_cast<std::size_t>(n)] = mode;
  if (recording)
    calls.push_back("drag " + std::to_string(n) + " " + std::to_string(mode));
}
void FakeDisplay::SetEnabled(int n, bool enabled) {
  enabled_[static_cast<std::size_t>(n)] = enabled;
  if (recording)
    calls.push_back("enabled " + std::to_string(n) + " " + (enabled ? "1" : "0"));
}
void FakeDisplay::SetBackColor(int n, Rgb c) {
  if (recording)
    calls.push_back("back " + std::to_string(n) + " " + Colour(c));
}

void FakeWindow::Record(std::string_view call) {
  if (recording)
    calls.emplace_back(call);
}
void FakeWindow::SetBackColor(Rgb c) {
  lines.clear();
  if (recording)
    calls.push_back("back " + Colour(c));
}
void FakeWindow::DrawLine(int x1, int y1, int x2, int y2, Rgb c) {
  if (recording)
    lines.push_back(std::to_string(x1) + "," + std::to_string(y1) + " " + std::to_string(x2) + "," +
                    std::to_string(y2) + " " + Colour(c));
}
void FakeWindow::SetScoreText(std::string_view text) {
  score = text;
  if (recording)
    calls.push_back("score " + score);
}
void FakeWindow::SetTitleForeColor(Rgb c) {
  if (recording)
    calls.push_back("title fore " + Colour(c));
}
void FakeWindow::SetCanvasBackColor(Rgb c) {
  if (recording)
    calls.push_back("canvas back " + Colour(c));
}
void FakeWindow::SetTitleBackColor(Rgb c) {
  if (recording)
    calls.push_back("title back " + Colour(c));
}
void FakeWindow::CentreOnScreen() {
  Record("centre");
}
void FakeWindow::SetStartVisible(bool visible) {
  start_visible = visible;
  Record(visible ? "start visible" : "start hidden");
}
void FakeWindow::FocusStart() {
  Record("focus start");
}
bool FakeWindow::PanelVisible(Panel panel) const {
  return panel == Panel::Rules ? rules_visible : information_visible;
}
void FakeWindow::SetPanelVisible(Panel panel, bool visible) {
  (panel == Panel::Rules ? rules_visible : information_visible) = visible;
  Record(std::string(visible ? "show " : "hide ") +
         (panel == Panel::Rules ? "rules" : "information"));
}
void FakeWindow::SetSoundCaption(std::string_view caption) {
  sound_caption = caption;
  Record("sound caption " + sound_caption);
}
void FakeWindow::EndProgram() {
  Record("end program");
}

void FakeTimer::SetEnabled(bool on) {
  starts += on && !enabled ? 1 : 0;
  enabled = on;
}

void FakeCanvas::Cls() {
  if (recording)
    calls.push_back("cls");
}
void FakeCanvas::SetDrawWidth(int width) {
  if (recording)
    calls.push_back("width " + std::to_string(width));
}
void FakeCanvas::RecordLine(int x1, int y1, int x2, int y2) {
  calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " +
                  std::to_string(x2) + "," + std::to_string(y2));
}

void FakeEvents::DoEvents() {
  ++runs;
  if (waiting)
    waiting();
}

void FakeSound::Play(std::string_view name, std::int32_t flags) {
  if (recording)
    calls.push_back(std::string(name) + " " + std::to_string(flags));
}

void FakeHighscore::Record(std::string_view call) {
  if (recording)
    calls.emplace_back(call);
}
void FakeHighscore::SetRow(int i, std::string_view wert, std::string_view person,
                           std::string_view datum) {
  rows[static_cast<std::size_t>(i)] =
      std::string(wert) + "|" + std::string(person) + "|" + std::string(datum);
}
void FakeHighscore::SetWert(int i, std::string_view wert) {
  if (recording)
    calls.push_back(i == 10 ? "score box " + std::string(wert) : "wert " + std::to_string(i));
}
void FakeHighscore::ClearName() {
  name.clear();
  Record("clear name");
}

void RecordingEvents::SquareMoved(int source, int target) {
  ++counts.moved;
  if (recording)
    lines.push_back("moved " + std::to_string(source) + " " + std::to_string(target));
}
void RecordingEvents::DropRefused(int source, int target) {
  ++counts.refused;
  if (recording)
    lines.push_back("refused " + std::to_string(source) + " " + std::to_string(target));
}
void RecordingEvents::RowDissolved(const kaldora::RowDissolved& row) {
  ++counts.rows;
  counts.score = row.score;
  if (recording)
    lines.push_back(DissolvedLine("row", row));
}
void RecordingEvents::QuadDissolved(const kaldora::QuadDissolved& quad) {
  ++counts.quads;
  counts.score = quad.score;
  if (recording)
    lines.push_back(DissolvedLine("quad", quad));
}
void RecordingEvents::ColourMarked(const kaldora::ColourMarked& marked) {
  ++(marked.chance ? counts.chance_colours : counts.quad_colours);
  if (recording)
    lines.push_back(std::string(marked.chance ? "marked by chance " : "marked ") +
                    Letter(marked.colour) + Numbers(marked.squares));
}
void RecordingEvents::MarkedEmptied(const std::vector<int>& squares) {
  if (recording)
    lines.push_back("emptied" + Numbers(squares));
}
void RecordingEvents::BlackstonePlaced(int n) {
  ++counts.blackstones;
  if (recording)
    lines.push_back("blackstone " + std::to_string(n));
}
void RecordingEvents::NewSquare(int n, int colour) {
  ++counts.new_squares;
  counts.jokers += colour == kJokerSource ? 1 : 0;
  if (recording)
    lines.push_back("new " + std::to_string(n) + " " + Letter(colour));
}
void RecordingEvents::GameOver(std::int16_t score, bool qualifies) {
  ++counts.games_over;
  counts.score = score;
  if (recording)
    lines.push_back("game over " + std::to_string(score) +
                    (qualifies ? " qualifies" : " does not qualify"));
}
void RecordingEvents::BoardEnabled(bool enabled) {
  if (recording)
    lines.push_back(enabled ? "board enabled" : "board disabled");
}

Ports FakePorts::Wire(const std::string& highscore_path) {
  return Ports{display, window,
               sound,   timer,
               canvas,  events,
               report,  HighscorePorts{highscore, highscore, highscore, highscore, highscore_path}};
}

void FakePorts::StopRecording() {
  display.recording = window.recording = sound.recording = highscore.recording = false;
  canvas.recording = report.recording = false;
}

void FakePorts::ClearRecords() {
  display.calls.clear();
  window.calls.clear();
  window.lines.clear();
  sound.calls.clear();
  highscore.calls.clear();
  canvas.calls.clear();
  events.runs = 0;
  report.lines.clear();
  report.counts = {};
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
    : clock(seed), random(clock), game(Wire(HighscorePath()), random) {
  game.Form_Load();
  ClearRecords();
}

void SetBoard(Board& board, const BoardText& rows) {
  for (int n = 0; n < kSquares; ++n) {
    const char c =
        rows[static_cast<std::size_t>(n / kColumns)].at(static_cast<std::size_t>(n % kColumns));
    if (c == '.') {
      board.FeldLeeren(n);
      continue;
    }
    const auto k = kPictureLetters.find(c);
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
        c = Letter(k);
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
