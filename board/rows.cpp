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

}  // namespace

std::int32_t Game::Sum(int first, int step, int count) const {
  std::int32_t sum = 0;
  for (int i = 0; i < count; ++i)
    sum += board_.weight(first + i * step);
  return sum;
}

void Game::Spalten() {
  m_.SpaltenGefunden = false;
  for (int w = 0; w < 45; ++w)
    Summen5er[w] = Sum(ColumnWindowStart(w), 9, 5);
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
  for (int w = 0; w < 45; ++w)
    Summen5er[w] = Sum(RowWindowStart(w), 1, 5);
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
  for (int w = 0; w < 25; ++w)
    SummenDiagonaleRechts[w] = Sum(DiagonalWindowStart(w), 10, 5);
  for (int w = 0; w < 25; ++w)
    SummenDiagonaleLinks[w] = Sum(DiagonalWindowStart(w) + 4, 8, 5);
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
