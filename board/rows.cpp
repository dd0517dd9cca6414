// Rows of five: vertical, horizontal and both diagonals, each run dissolving at most one.
#include "board/game.h"
#include "board/targets.h"

namespace kaldora {

namespace {

using Ziel5er = WinningSumSet<5>;

// Windows are numbered 5 * major + minor; the board square of their first field follows. A column
// window's major is its column; a row's or a diagonal's is its top row.
constexpr int ColumnWindowStart(int w) {
  return 9 * (w % 5) + w / 5;
}
constexpr int WindowStart(int w) {
  return 9 * (w / 5) + w % 5;
}

template <std::size_t n>
void ListLine(int s, int step, Dissolved<n>& dissolved) {
  for (std::size_t i = 0; i < n; ++i)
    dissolved.squares[i] = s + step * static_cast<int>(i);
}

// The sums of the windows of five along one line of the board, from square `first` on, `step`
// apart: each from the one before, adding the square that enters and taking away the one that
// leaves. Window k of the line goes to store(k, sum).
template <typename Store>
void SlideFive(const Board& board, int first, int step, int windows, Store store) {
  std::int32_t sum = 0;
  for (int i = 0; i < 4; ++i)
    sum += board.weight(first + i * step);
  for (int k = 0; k < windows; ++k) {
    sum += board.weight(first + (k + 4) * step);
    store(k, sum);
    sum -= board.weight(first + k * step);
  }
}

}  // namespace

void Game::Spalten() {
  m_.SpaltenGefunden = false;
  for (int c = 0; c < 9; ++c)
    SlideFive(board_, c, 9, 5, [&](int r, std::int32_t sum) { Summen5er[5 * c + r] = sum; });
  for (int w = 0; w < 45; ++w) {
    if (Ziel5er::Contains(Summen5er[w])) {
      SpalteLeeren(ColumnWindowStart(w));
      SpaltenTreffer();
      return;
    }
  }
}

void Game::Zeilen() {
  m_.ZeilenGefunden = false;
  for (int r = 0; r < 9; ++r)
    SlideFive(board_, 9 * r, 1, 5, [&](int c, std::int32_t sum) { Summen5er[5 * r + c] = sum; });
  for (int w = 0; w < 45; ++w) {
    if (Ziel5er::Contains(Summen5er[w])) {
      ZeileLeeren(WindowStart(w));
      ZeilenTreffer();
      return;
    }
  }
}

// Every down-right window is tested before any down-left one.
void Game::Diagonalen() {
  m_.DiagonalenGefunden = false;
  // Down-right windows lie on the diagonals d = column - row, their top squares in rows and
  // columns 0 to 4; window (r, c) is number 5r + c.
  for (int d = -4; d <= 4; ++d) {
    const int r0 = d < 0 ? -d : 0, c0 = d > 0 ? d : 0;
    SlideFive(board_, 9 * r0 + c0, 10, 5 - (d < 0 ? -d : d),
              [&](int k, std::int32_t sum) { SummenDiagonaleRechts[5 * (r0 + k) + c0 + k] = sum; });
  }
  // Down-left window (r, c) starts at row r, column c + 4; those with r + c = g share a line.
  for (int g = 0; g <= 8; ++g) {
    const int r0 = g > 4 ? g - 4 : 0, c0 = g - r0;
    SlideFive(board_, 9 * r0 + c0 + 4, 8, (g < 4 ? g : 4) - r0 + 1,
              [&](int k, std::int32_t sum) { SummenDiagonaleLinks[5 * (r0 + k) + c0 - k] = sum; });
  }
  for (int w = 0; w < 25; ++w) {
    if (Ziel5er::Contains(SummenDiagonaleRechts[w])) {
      DiagonaleRechtsLeeren(WindowStart(w));
      DiagonalenTreffer();
      return;
    }
  }
  for (int w = 0; w < 25; ++w) {
    if (Ziel5er::Contains(SummenDiagonaleLinks[w])) {
      DiagonaleLinksLeeren(WindowStart(w) + 4);
      DiagonalenTreffer();
      return;
    }
  }
}

void Game::SpalteLeeren(int s) {
  ListLine(s, 9, row_);
  EmptyDissolved(row_);
}

void Game::ZeileLeeren(int s) {
  ListLine(s, 1, row_);
  EmptyDissolved(row_);
}

void Game::DiagonaleRechtsLeeren(int s) {
  ListLine(s, 10, row_);
  EmptyDissolved(row_);
}

void Game::DiagonaleLinksLeeren(int s) {
  ListLine(s, 8, row_);
  EmptyDissolved(row_);
}

template <std::size_t n>
void Game::EmptyDissolved(Dissolved<n>& dissolved) {
  dissolved.colour = kJokerSource;
  dissolved.jokers = 0;
  for (int square : dissolved.squares) {
    const int shown = board_.Shown(square);
    if (shown == kJokerSource)
      ++dissolved.jokers;
    else
      dissolved.colour = shown;
  }
  for (int square : dissolved.squares)
    board_.FeldLeeren(square);
}

template void Game::EmptyDissolved(QuadDissolved&);

void Game::SpaltenTreffer() {
  Treffer5er();
  m_.SpaltenGefunden = true;
}

void Game::ZeilenTreffer() {
  Treffer5er();
  m_.ZeilenGefunden = true;
}

void Game::DiagonalenTreffer() {
  Treffer5er();
  m_.DiagonalenGefunden = true;
}

void Game::Treffer5er() {
  // Waiting events run within the tree; the row is told as it was emptied.
  RowDissolved row = row_;
  TonAbspielen("sounds\\sound3.wav", kAsync);
  NeuerBaum();
  row.points = AddPoints(m_.Punkte5er);
  ShowScore();
  row.score = m_.Punkte;
  ports_.report.RowDissolved(row);
}

}  // namespace kaldora
