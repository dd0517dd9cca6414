// Rows of five: vertical, horizontal and both diagonals, each run dissolving at most one.
#include "board/game.h"
#include "board/targets.h"

namespace kaldora {

namespace {

using Ziel5er = WinningSumSet<5>;

// Windows are numbered 5 * major + minor; the board square of their first field follows.
constexpr int ColumnWindowStart(int w) {
  return 9 * (w % 5) + w / 5;
}
constexpr int RowWindowStart(int w) {
  return 9 * (w / 5) + w % 5;
}
constexpr int DiagonalWindowStart(int w) {
  return 9 * (w / 5) + w % 5;
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
      ZeileLeeren(RowWindowStart(w));
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
      DiagonaleRechtsLeeren(DiagonalWindowStart(w));
      DiagonalenTreffer();
      return;
    }
  }
  for (int w = 0; w < 25; ++w) {
    if (Ziel5er::Contains(SummenDiagonaleLinks[w])) {
      DiagonaleLinksLeeren(DiagonalWindowStart(w) + 4);
      DiagonalenTreffer();
      return;
    }
  }
}

void Game::SpalteLeeren(int s) {
  for (int i = 0; i < 5; ++i)
    board_.FeldLeeren(s + 9 * i);
}

void Game::ZeileLeeren(int s) {
  for (int i = 0; i < 5; ++i)
    board_.FeldLeeren(s + i);
}

void Game::DiagonaleRechtsLeeren(int s) {
  for (int i = 0; i < 5; ++i)
    board_.FeldLeeren(s + 10 * i);
}

void Game::DiagonaleLinksLeeren(int s) {
  for (int i = 0; i < 5; ++i)
    board_.FeldLeeren(s + 8 * i);
}

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
  TonAbspielen("sounds\\sound3.wav", kAsync);
  NeuerBaum();
  AddPoints(m_.Punkte5er);
  ShowScore();
}

}  // namespace kaldora
